// Body layout of the EGET record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// EGET, the main program's form: 11 rows.
const sCorps tEget[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                list             dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(FR),           none,         139},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull), L(DouzeBlancs),  none,         139},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConformEget),   L(NEV),          none,         140},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCCEget), L(NEV),          dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                L0,              none,           0},
    {C4,    79,  79,   0,   2,   0,   2,   0, RG(fVerifValAut),   L(PROD_E),       none,         131},
    {C5,    80, 109,   0,   2,   1,   2,   0, RG(eget_fC5C6),     L0,              dep(C6),      141},
    {C6,   110, 139,   0,   2,   1,   2,   0, RG(eget_fC5C6),     L0,              dep(C5),      141},
    {C7,   140, 144,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(cinqBlancs),   none,         142},
    {C8,   145, 174,   0,   2,   1,   2,   0, RG(fVerifDiffNull), L(trenteBlancs), none,         143},
    {C9,   175, 230,   1,   1,   1,   1,   1, RG0,                L0,              none,           0},
};

}  // namespace principal

}  // namespace vse
