// Body layout of the RACO record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// RACO, the main program's form: 13 rows.
const sCorps tRaco[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                   list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),      L(FR),          none,          27},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull),    L(DouzeBlancs), none,          27},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform8),         L(TD),          none,          68},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCC),        L0,             dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                   L0,             none,           0},
    {C4,    79,  82,   0,   2,   0,   2,   0, RG(fCoherenD_OC_an_1), L0,             none,         167},
    {C4,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenD_OC_an_2), L0,             dep(F1),      168},
    {C5,    83,  88,   0,   2,   0,   2,   0, RG(fVerifValAut),      L(CAT_RECEN),   none,         169},
    {C6,    89,  94,   0,   2,   1,   2,   0, RG(raco_fC6),          L0,             none,         170},
    {C7,    95, 102,   0,   2,   1,   2,   1, RG(fDatRecCorr),       L0,             none,         134},
    {C7,     0,   0,   0,   2,   1,   2,   1, RG(fDatRecCohe),       L0,             dep(F1),       52},
    {C7,     0,   0,   0,   2,   1,   2,   1, RG(fDatRec_OC_Post),   L0,             dep(C4),      137},
    {C8,   103, 230,   1,   1,   1,   1,   1, RG0,                   L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
