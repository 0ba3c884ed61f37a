// Body layout of the EXP2 record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// EXP2, the main program's form: 23 rows.
const sCorps tExp2[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),          none,          31},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          31},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform8),      L(TD),          dep(C1),       68},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCC),     L0,             dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C4,    79,  80,   0,   2,   1,   2,   0, RG(fVerifValAut),   L(FR),          none,          30},
    {C5,    81,  92,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          30},
    {C5,     0,   0,   0,   2,   1,   2,   0, RG(fConform3),      L(TDD),         none,          30},
    {C6,    93,  93,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C7,    94,  94,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C8,    95,  95,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C9,    96,  96,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C10,   97,  98,   1,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),          none,          76},
    {C11,   99, 110,   1,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          76},
    {C11,    0,   0,   1,   2,   0,   2,   0, RG(fConform3),      L(TDD),         none,          76},
    {C12,  111, 120,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C13,  121, 130,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C14,  131, 140,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C15,  141, 148,   0,   2,   1,   2,   0, RG(fDATEC),         L0,             none,          22},
    {C15,    0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C16,  149, 156,   1,   2,   0,   2,   0, RG(fDATEC),         L0,             none,          22},
    {C16,    0,   0,   1,   2,   0,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C17,  157, 230,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
