// Body layout of the GROC record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// GROC, the main program's form: 26 rows.
const sCorps tGroc[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                       list            dependance  error
    {C1,    63,  64,   0,   0,   2,   2,   2, RG(fVerifValAut),          L(TECH),        none,           1},
    {C2,    65,  76,   0,   0,   2,   2,   2, RG(fVerifDiffNull),        L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   0,   2,   2,   2, RG(fConform_OC_FR),        L(IND_M),       dep(C1),      151},
    {C2,     0,   0,   0,   0,   2,   2,   2, RG(fConform_OC_UE),        L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                       L0,             none,           0},
    {C4,    79,  80,   0,   1,   2,   2,   2, RG(fVerifValAut),          L(FR),          none,          27},
    {C5,    81,  92,   0,   1,   2,   2,   2, RG(fVerifDiffNull),        L(DouzeBlancs), none,          27},
    {C5,     0,   0,   0,   1,   2,   2,   2, RG(fConform8),             L(TD),          dep(C1),       68},
    {C5,     0,   0,   0,   1,   2,   2,   2, RG(fCoherenCC),            L0,             dep(E8),       50},
    {C6,    93, 100,   0,   1,   2,   2,   2, RG(fDATEC),                L0,             none,          28},
    {C6,     0,   0,   0,   1,   2,   2,   2, RG(fCoherenDC),            L0,             dep(F1),       52},
    {C7,   101, 108,   0,   0,   2,   2,   2, RG(fConform_OC_model1),    L0,             none,         153},
    {C7,     0,   0,   0,   0,   2,   2,   2, RG(fConform_OC_model2),    L(FAB_REP),     none,         154},
    {C7,     0,   0,   0,   0,   2,   2,   2, RG(fConform_OC_model3),    L(C2_MODEL),    none,         155},
    {C7,     0,   0,   0,   0,   2,   2,   2, RG(fConform_OC_model4),    L(C3_MODEL),    none,         156},
    {C7,     0,   0,   0,   0,   2,   2,   2, RG(fConform_OC_model5),    L0,             none,         157},
    {C8,   109, 110,   0,   1,   2,   2,   2, RG(fConform_OC_pays_orig), L0,             dep(C1),      152},
    {C9,   111, 111,   0,   1,   2,   2,   2, RG(fConform_OC_compteur),  L0,             dep(C7),      158},
    {C10,  112, 119,   0,   1,   2,   2,   2, RG(groc_cre_C10_1),        L0,             dep(C6),      102},
    {C10,    0,   0,   0,   1,   2,   2,   2, RG(groc_cre_C10_2),        L0,             dep(F1),       52},
    {C10,    0,   0,   1,   1,   2,   2,   2, RG(fDATEC),                L0,             none,         102},
    {C10,    0,   0,   1,   1,   2,   2,   2, RG(fCoherenDC),            L0,             dep(F1),       52},
    {C11,  120, 121,   1,   1,   2,   2,   2, RG0,                       L0,             none,           0},
    {C12,  122, 127,   0,   1,   2,   2,   2, RG(groc_cre_C12),          L0,             dep(C10),     103},
    {C12,    0,   0,   1,   1,   2,   2,   2, RG(fHEUREC),               L0,             none,         103},
    {C13,  128, 230,   1,   1,   1,   1,   1, RG0,                       L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
