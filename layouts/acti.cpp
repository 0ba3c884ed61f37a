// Body layout of the ACTI record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ACTI, the main program's form: 12 rows.
const sCorps tActi[] = {
    //   from   to  CRE  DEM  INV  EDI  MOD  rule                list            dependance  error
    {C1,   63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),          none,          31},
    {C2,   65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          31},
    {C2,    0,   0,   0,   2,   0,   2,   0, RG(fConform8),      L(TD),          dep(C1),       68},
    {C2,    0,   0,   0,   2,   0,   2,   0, RG(fCoherenCC),     L0,             dep(E8),       50},
    {C3,   77,  78,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C4,   79,  79,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(BOOL),        none,          81},
    {C5,   80,  87,   0,   2,   1,   2,   0, RG(fDATEC),         L0,             none,          36},
    {C5,    0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C6,   88,  95,   1,   2,   0,   2,   0, RG(fDATEI),         L0,             none,          29},
    {C6,    0,   0,   1,   2,   0,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C7,   96,  96,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(PROD),        none,         131},
    {C8,   97, 230,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
