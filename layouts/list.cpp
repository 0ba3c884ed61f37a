// Body layout of the LIST record: the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace variante {

// LIST, the variant programs' form: 10 rows.
const sCorps tList[] = {
    //   from   to  CRE  DEM  INV  EDI  MOD  rule                list              dependance  error
    {C1,   63,  64,   2,   0,   2,   2,   2, RG(fVerifValAut),   L(FR),            none,          21},
    {C2,   65,  76,   2,   0,   2,   2,   2, RG(fVerifDiffNull), L(DouzeBlancs),   none,          21},
    {C2,    0,   0,   2,   0,   2,   2,   2, RG(fConform8),      L(TD),            dep(C1),       68},
    {C3,   77,  78,   1,   1,   1,   1,   1, RG0,                L0,               none,           0},
    {C4,   79,  86,   2,   0,   2,   2,   2, RG(fDATEC),         L0,               none,          22},
    {C4,    0,   0,   2,   0,   2,   2,   2, RG(fCoherenDC),     L0,               dep(F1),       52},
    {C5,   87,  94,   2,   0,   2,   2,   2, RG(listd_C5_1),     L(HuitBlancsFal), none,          22},
    {C5,    0,   0,   2,   0,   2,   2,   2, RG(listd_C5_2),     L(HuitBlancsFal), dep(F1),       52},
    {C6,   95,  95,   2,   0,   2,   2,   2, RG(fVerifValAut),   L(BOOL),          none,         133},
    {C7,   96, 230,   1,   1,   1,   1,   1, RG0,                L0,               none,           0},
};

}  // namespace variante

}  // namespace vse
