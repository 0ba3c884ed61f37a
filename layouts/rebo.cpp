// Body layout of the REBO record: the main program and the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// REBO, the main program's form: 22 rows.
// Positions 101-211 of the body are described by no row: they are neither cut out nor verified.
const sCorps tRebo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  86,   0,   2,   1,   2,   0, RG(fDATEC),                 L0,             none,          28},
    {C4,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),             L0,             dep(F1),       52},
    {C5,    87,  88,   0,   2,   0,   2,   0, RG(fVerifValAut),           L(FR),          none,          27},
    {C6,    89, 100,   0,   2,   0,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,          27},
    {C6,     0,   0,   0,   2,   0,   2,   0, RG(fConform8),              L(TD),          none,          68},
    {C6,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCC),             L0,             dep(E8),       50},
    {C23,  212, 219,   1,   2,   0,   2,   0, RG(fDATEC),                 L0,             none,          28},
    {C23,    0,   0,   1,   2,   0,   2,   0, RG(fCoherenDC),             L0,             dep(F1),       52},
    {C24,  220, 227,   0,   2,   1,   2,   1, RG(fConform_BV_model1),     L0,             dep(C4),      153},
    {C24,    0,   0,   0,   2,   1,   2,   1, RG(fConform_BV_model2),     L(FAB_REP),     none,         154},
    {C24,    0,   0,   0,   2,   1,   2,   1, RG(fConform_BV_model3),     L(C2_MODEL_BV), none,         155},
    {C24,    0,   0,   0,   2,   1,   2,   1, RG(fConform_BV_model4),     L(C3_MODEL_BV), none,         156},
    {C24,    0,   0,   0,   2,   1,   2,   1, RG(fConform_BV_model5),     L0,             none,         157},
    {C25,  228, 228,   1,   2,   1,   2,   0, RG(fConform_temoin_bouc1),  L(UTIL_BOUC),   dep(C4),      150},
    {C25,    0,   0,   1,   2,   1,   2,   0, RG(fConform_temoin_bouc2),  L0,             none,         191},
    {C26,  229, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

namespace variante {

// REBO, the variant programs' form: 14 rows.
const sCorps tRebo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  86,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C5,    87,  88,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(FR),          none,          27},
    {C6,    89, 100,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,          27},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(fConform8),              L(TD),          none,          68},
    {C7,   101, 101,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TOUN),        none,         804},
    {C8,   102, 228,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C26,  229, 229,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(COUE),        none,          69},
    {C27,  230, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace variante

}  // namespace vse
