// Body layout of the ECBO record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ECBO, the main program's form: 20 rows.
const sCorps tEcbo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   2, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   0,   2,   0,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   0,   2,   2, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   0,   2,   0,   2,   2, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   0,   2,   0,   2,   2, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  80,   0,   2,   1,   2,   2, RG(fVerifValAut),           L(TRG),         none,          11},
    {C5,    81,  81,   0,   2,   1,   2,   2, RG(fVerifValAut),           L(BOOLFal),     none,          12},
    {C6,    82,  82,   0,   2,   1,   2,   2, RG(fVerifValAut),           L(BOOLFal),     none,          13},
    {C7,    83,  84,   0,   2,   1,   2,   2, RG(fVerifValAut),           L(TP),          none,          17},
    {C8,    85,  96,   0,   2,   1,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,          17},
    {C8,     0,   0,   0,   2,   1,   2,   2, RG(fConform10FRnon),        L0,             dep(C7),       17},
    {C9,    97, 106,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C10,  107, 110,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C11,  111, 112,   0,   2,   1,   2,   2, RG(fVerifValAut),           L(TRG),         none,          20},
    {C12,  113, 114,   0,   2,   1,   2,   2, RG(ecbo_C12),               L(TP),          none,          14},
    {C13,  115, 126,   0,   2,   1,   2,   2, RG(ecbo_C13),               L(DouzeBlancs), dep(C12),      14},
    {C14,  127, 136,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C15,  137, 138,   0,   2,   1,   2,   2, RG(ecbo_C15),               L(TRG),         none,          16},
    {C16,  139, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
