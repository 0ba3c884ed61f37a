// Body layout of the EXP1 record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// EXP1, the main program's form: 15 rows.
const sCorps tExp1[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                list             dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),           none,          31},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs),  none,          31},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform8),      L(TD),           dep(C1),       68},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCC),     L0,              dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                L0,              none,           0},
    {C4,    79,  82,   0,   2,   1,   2,   1, RG(fexp1_C4),       L(TRSCRE),       none,          32},
    {C4,     0,   0,   1,   2,   1,   2,   0, RG(fexp1_C4),       L(TRSMOD),       none,          32},
    {C5,    83, 112,   1,   1,   1,   1,   1, RG0,                L0,              none,           0},
    {C6,   113, 142,   0,   2,   1,   2,   0, RG(fCDIFF),         L(trenteBlancs), dep(C7),       75},
    {C7,   143, 172,   0,   2,   1,   2,   0, RG(fCDIFF),         L(trenteBlancs), dep(C6),       75},
    {C8,   173, 177,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(cinqBlancs),   none,          33},
    {C9,   178, 207,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(trenteBlancs), none,          82},
    {C10,  208, 221,   1,   1,   1,   1,   1, RG0,                L0,              none,           0},
    {C11,  222, 223,   0,   2,   1,   2,   0, RG(fVerifValAut),   L(TTE),          none,          35},
    {C12,  224, 230,   1,   1,   1,   1,   1, RG0,                L0,              none,           0},
};

}  // namespace principal

}  // namespace vse
