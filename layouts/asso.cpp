// Body layout of the ASSO record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ASSO, the main program's form: 23 rows.
const sCorps tAsso[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),          none,          30},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,          30},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(asso_fC2_1),     L0,             none,          50},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(asso_fC2_2),     L0,             none,          68},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C4,    79,  79,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(TYP_IDENT),   none,         171},
    {C5,    80,  84,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(TYP_NUMERO),  none,         172},
    {C5,     0,   0,   0,   2,   1,   2,   0, RG(asso_fC5),       L0,             none,         183},
    {C6,    85, 104,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(vingtBlancs), none,         173},
    {C6,     0,   0,   0,   2,   1,   2,   0, RG(asso_fC6_1),     L0,             none,         136},
    {C6,     0,   0,   1,   2,   0,   2,   1, RG(asso_fC6_1_INV), L0,             none,         136},
    {C6,     0,   0,   0,   2,   1,   2,   0, RG(asso_fC6_2),     L0,             none,          41},
    {C6,     0,   0,   1,   2,   0,   2,   1, RG(asso_fC6_2_INV), L0,             none,          41},
    {C6,     0,   0,   0,   2,   0,   2,   0, RG(asso_fC6_3),     L0,             none,         181},
    {C6,     0,   0,   0,   2,   0,   2,   0, RG(asso_fC6_4),     L0,             none,         181},
    {C6,     0,   0,   0,   2,   0,   2,   0, RG(asso_fC6_5),     L(TD),          none,         184},
    {C6,     0,   0,   0,   2,   0,   2,   0, RG(asso_fC6_6),     L0,             none,         181},
    {C7,   105, 112,   0,   2,   1,   2,   0, RG(fDATEC),         L0,             none,         174},
    {C7,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C8,   113, 120,   0,   2,   1,   2,   0, RG(asso_fC8_1),     L0,             none,         175},
    {C8,     0,   0,   0,   2,   1,   2,   0, RG(asso_fC8_2),     L0,             dep(C7),      149},
    {C8,     0,   0,   0,   2,   1,   2,   0, RG(asso_fC8_3),     L0,             dep(F1),       52},
    {C9,   121, 230,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
