// Body layout of the IMOC record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// IMOC, the main program's form: 13 rows.
const sCorps tImoc[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                   list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   2, RG(fVerifValAut),      L(FR),          none,         159},
    {C2,    65,  76,   0,   2,   0,   2,   2, RG(fVerifDiffNull),    L(DouzeBlancs), none,         160},
    {C2,     0,   0,   0,   2,   0,   2,   2, RG(fConform_OC_IND_M), L0,             none,         161},
    {C2,     0,   0,   0,   2,   0,   2,   2, RG(fCoheren_OC_IND_M), L(IND_M),       dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                   L0,             none,           0},
    {C4,    79,  80,   0,   2,   1,   2,   2, RG(fVerifValAut),      L(FR),          none,          27},
    {C5,    81,  92,   0,   2,   1,   2,   2, RG(fVerifDiffNull),    L(DouzeBlancs), none,          27},
    {C5,     0,   0,   0,   2,   1,   2,   2, RG(fConform8),         L(TD),          dep(C1),       68},
    {C5,     0,   0,   0,   2,   1,   2,   2, RG(fCoherenCC),        L0,             dep(E8),       50},
    {C6,    93,  93,   0,   2,   1,   2,   2, RG(fVerifValAut),      L(C2_MODEL),    none,         162},
    {C7,    94, 101,   0,   2,   1,   2,   2, RG(fDATEC),            L0,             none,         163},
    {C7,     0,   0,   0,   2,   1,   2,   2, RG(fCoherenDC),        L0,             dep(F1),       52},
    {C8,   102, 230,   1,   1,   1,   1,   1, RG0,                   L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
