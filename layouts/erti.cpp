// Body layout of the ERTI record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ERTI, the main program's form: 18 rows.
const sCorps tErti[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),          none,         139},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs), none,         139},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConformEget),   L(NEV),         none,         140},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCCEget), L(NEV),         dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
    {C4,    79,  79,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(PROD_E),      none,         131},
    {C5,    80,  80,   0,   2,   0,   2,   0, RG(erti_fC5),       L(PROD_EV),     dep(C4),      131},
    {C6,    81,  88,   0,   2,   1,   2,   1, RG(fDATEC),         L0,             none,         144},
    {C6,     0,   0,   0,   2,   1,   2,   1, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C6,     0,   0,   1,   2,   1,   2,   0, RG(fVerifValAut),   L(HuitBlancs),  none,         192},
    {C7,    89,  96,   0,   2,   1,   2,   0, RG(fDatRecCorr),    L0,             none,         145},
    {C7,     0,   0,   0,   2,   1,   2,   0, RG(fDatRecPost),    L0,             dep(C6),      149},
    {C7,     0,   0,   0,   2,   1,   2,   0, RG(fDatRecCohe),    L0,             dep(F1),       52},
    {C8,    97, 104,   1,   2,   0,   2,   0, RG(fDATEC),         L0,             none,         144},
    {C8,     0,   0,   1,   2,   0,   2,   0, RG(fCoherenDC),     L0,             dep(F1),       52},
    {C9,   105, 108,   0,   2,   1,   2,   0, RG(erti_fC9C10),    L(FIL_V),       dep(C5),      146},
    {C10,  109, 112,   0,   2,   1,   2,   0, RG(erti_fC9C10),    L(ELV_V),       dep(C5),      147},
    {C11,  113, 230,   1,   1,   1,   1,   1, RG0,                L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
