// Body layout of the NUMA record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// NUMA, the main program's form: 26 rows.
const sCorps tNuma[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                    list            dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   0, RG(fVerifValAut),       L(FR),          none,          27},
    {C2,    65,  76,   0,   2,   2,   2,   0, RG(fVerifDiffNull),     L(DouzeBlancs), none,          27},
    {C2,     0,   0,   0,   2,   2,   2,   0, RG(fConform8),          L(TD),          none,          68},
    {C2,     0,   0,   0,   2,   2,   2,   0, RG(fCoherenCC),         L0,             dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                    L0,             none,           0},
    {C4,    79,  80,   0,   2,   2,   2,   0, RG(fVerifValAut),       L(FR),          none,          26},
    {C5,    81,  92,   0,   2,   2,   2,   0, RG(fVerifDiffNull),     L(DouzeBlancs), none,          26},
    {C5,     0,   0,   0,   2,   2,   2,   0, RG(fConform10),         L(TD),          none,          67},
    {C5,     0,   0,   0,   2,   2,   2,   0, RG(fCoherenCC),         L0,             dep(E8),       50},
    {C6,    93,  98,   0,   2,   2,   2,   0, RG(numa_fC6_1),         L0,             none,          48},
    {C6,     0,   0,   0,   2,   2,   2,   0, RG(numa_fC6_2),         L0,             none,         177},
    {C6,     0,   0,   0,   2,   2,   2,   0, RG(numa_fC6_3),         L0,             dep(C5),      179},
    {C7,    99, 106,   0,   2,   2,   2,   1, RG(fDATEC),             L0,             none,          28},
    {C7,     0,   0,   0,   2,   2,   2,   1, RG(fCoherenDC),         L0,             dep(F1),       52},
    {C8,   107, 107,   1,   2,   2,   2,   0, RG(fVerifValAut),       L(UTIL_BOUC),   none,         150},
    {C9,   108, 115,   0,   2,   2,   2,   0, RG(fConform_BV_model1), L0,             dep(C7),      153},
    {C9,     0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model2), L(FAB_REP),     none,         154},
    {C9,     0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model3), L(C2_MODEL_BV), none,         155},
    {C9,     0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model4), L(C3_MODEL_BV), none,         156},
    {C9,     0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model5), L0,             none,         157},
    {C10,  116, 123,   0,   2,   2,   2,   0, RG(fConform_BV_model1), L0,             dep(C7),      153},
    {C10,    0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model2), L(FAB_REP),     none,         154},
    {C10,    0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model3), L(C2_MODEL_BV), none,         155},
    {C10,    0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model4), L(C3_MODEL_BV), none,         156},
    {C10,    0,   0,   0,   2,   2,   2,   0, RG(fConform_BV_model5), L0,             none,         157},
    {C11,  124, 230,   1,   1,   1,   1,   1, RG0,                    L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
