// Body layout of the RATA record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// RATA, the main program's form: 17 rows.
const sCorps tRata[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                list            dependance  error
    {C1,    63,  64,   0,   2,   1,   2,   0, RG(fVerifValAut),   L(FR),          none,         139},
    {C2,    65,  76,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,         139},
    {C2,     0,   0,   0,   2,   1,   2,   0, RG(fConformEget),   L(NEV),         none,         140},
    {C2,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenCCEget), L(NEV),         dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C4,    79,  79,   0,   2,   1,   2,   0, RG(fVerifValAut),   L(PROD_E),      none,         131},
    {C5,    80,  81,   0,   2,   1,   2,   0, RG(fVerifValAut),   L(FR),          none,          31},
    {C6,    82,  93,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          31},
    {C6,     0,   0,   0,   2,   1,   2,   0, RG(fConform8),      L(TD),          dep(C1),       68},
    {C7,    94,  95,   1,   2,   1,   2,   0, RG(fVerifValAut),   L(FR),          none,          31},
    {C8,    96, 107,   1,   2,   1,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          31},
    {C8,     0,   0,   1,   2,   1,   2,   0, RG(fConform8),      L(TD),          dep(C1),       68},
    {C9,   108, 115,   0,   2,   1,   2,   0, RG(fDATEC),         L0,             none,         148},
    {C9,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C10,  116, 123,   1,   2,   1,   2,   0, RG(fDATEC),         L0,             none,         148},
    {C10,    0,   0,   1,   2,   1,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C11,  124, 230,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
