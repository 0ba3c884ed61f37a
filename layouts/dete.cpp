// Body layout of the DETE record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// DETE, the main program's form: 17 rows.
const sCorps tDete[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                     list             dependance  error
    {C1,    63,  64,   0,   0,   0,   2,   0, RG(fVerifValAut),        L(FR),           none,          30},
    {C2,    65,  76,   0,   0,   0,   2,   0, RG(fVerifDiffNull),      L(DouzeBlancs),  none,          30},
    {C2,     0,   0,   0,   1,   0,   2,   1, RG(fCoherenCCD),         L0,              dep(E8),       50},
    {C2,     0,   0,   1,   1,   1,   2,   0, RG(fConform3),           L(TDD),          dep(E8),       50},
    {C2,     0,   0,   1,   0,   1,   2,   1, RG(fCoherenCC_dete_dem), L(TD),           dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                     L0,              none,           0},
    {C4,    79,  82,   0,   1,   1,   2,   1, RG(fVerifValAut),        L(TRSCRE),       none,          39},
    {C4,     0,   0,   1,   1,   1,   2,   0, RG(fVerifValAut),        L(TRSMOD),       none,          39},
    {C5,    83, 112,   0,   1,   1,   2,   0, RG(fVerifDiffNull),      L(trenteBlancs), none,          39},
    {C6,   113, 142,   0,   1,   1,   2,   0, RG(fVDIFFVD),            L(NB),           dep(C7),       74},
    {C7,   143, 172,   0,   1,   1,   2,   0, RG(fVDIFFVD),            L(NB),           dep(C6),       74},
    {C8,   173, 177,   0,   1,   1,   2,   0, RG(fVerifDiffNull),      L(cinqBlancs),   none,          40},
    {C9,   178, 207,   0,   1,   1,   2,   0, RG(fVerifDiffNull),      L(trenteBlancs), none,          79},
    {C10,  208, 221,   1,   1,   1,   1,   1, RG0,                     L0,              none,           0},
    {C11,  222, 223,   0,   1,   1,   2,   0, RG(fVerifValAut),        L(TP),           none,          80},
    {C12,  224, 224,   1,   0,   1,   2,   1, RG(fVerifValAut),        L(TEMOIN),       none,         130},
    {C13,  225, 230,   1,   1,   1,   1,   1, RG0,                     L0,              none,           0},
};

}  // namespace principal

}  // namespace vse
