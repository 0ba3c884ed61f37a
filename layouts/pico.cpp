// Body layout of the PICO record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// PICO, the main program's form: 23 rows.
const sCorps tPico[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                      list            dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVerifValAut),         L(FR),          none,          27},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),       L(DouzeBlancs), none,          27},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform8),            L(TD),          none,          68},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenCC),           L0,             dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                      L0,             none,           0},
    {C4,    79,  80,   0,   2,   2,   2,   2, RG(fVerifValAut),         L(FR),          none,         164},
    {C5,    81,  92,   0,   2,   2,   2,   2, RG(fVerifDiffNull),       L(DouzeBlancs), none,         165},
    {C5,     0,   0,   0,   2,   2,   2,   2, RG(fConform_OC_TP),       L(IND_M),       dep(C4),      151},
    {C5,     0,   0,   0,   2,   2,   2,   2, RG(fCoheren_OC_IND_M),    L(IND_M),       dep(E8),       50},
    {C6,    93,  98,   0,   2,   2,   2,   2, RG(pico_fC6_1),           L0,             none,          48},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(pico_fC6_2),           L0,             none,         178},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(pico_fC6_3),           L0,             dep(C5),      180},
    {C7,    99, 106,   0,   2,   2,   2,   2, RG(fDATEC),               L0,             none,          28},
    {C7,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenDC),           L0,             dep(F1),       52},
    {C8,   107, 114,   0,   2,   2,   2,   2, RG(fConform_OC_model1),   L0,             none,         153},
    {C8,     0,   0,   0,   2,   2,   2,   2, RG(fConform_OC_model2),   L(FAB_REP),     none,         154},
    {C8,     0,   0,   0,   2,   2,   2,   2, RG(fConform_OC_model3),   L(C2_MODEL),    none,         155},
    {C8,     0,   0,   0,   2,   2,   2,   2, RG(fConform_OC_model4),   L(C3_MODEL),    none,         156},
    {C8,     0,   0,   0,   2,   2,   2,   2, RG(fConform_OC_model5),   L0,             none,         157},
    {C9,   115, 116,   0,   2,   2,   2,   2, RG(fVerifValAut),         L(TYP_COM),     none,         166},
    {C10,  117, 118,   0,   2,   2,   2,   2, RG(fVerifValAut),         L(TP),          none,         152},
    {C11,  119, 119,   0,   2,   2,   2,   2, RG(fConform_OC_compteur), L0,             dep(C8),      158},
    {C12,  120, 230,   1,   1,   1,   1,   1, RG0,                      L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
