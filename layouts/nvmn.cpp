// Body layout of the NVMN record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// NVMN, the main program's form: 31 rows.
const sCorps tNvmn[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),           L(FR),          none,           1},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   1,   2,   0, RG(nvmn_C2),                L(TD),          none,          67},
    {C2,     0,   0,   1,   2,   0,   2,   1, RG(fConform10),             L(TD),          none,          67},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fCoherenCC),             L0,             dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  79,   0,   2,   1,   2,   0, RG(fVerifValAut),           L(SEX),         none,           3},
    {C5,    80,  81,   0,   2,   1,   2,   0, RG(fVerifValAut),           L(TR),          none,           4},
    {C6,    82,  89,   0,   2,   1,   2,   0, RG(fDATEC),                 L0,             none,           5},
    {C6,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),             L0,             dep(F1),       52},
    {C7,    90,  93,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C9,   104, 104,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C10,  105, 106,   0,   2,   1,   2,   0, RG(fVerifValAut),           L(TP),          none,           7},
    {C11,  107, 118,   0,   2,   1,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,           7},
    {C11,    0,   0,   0,   2,   1,   2,   0, RG(fConform10FR),           L(TD),          dep(C10),      67},
    {C11,    0,   0,   0,   2,   1,   2,   0, RG(fConform10FRnonECHAnon), L(TD),          dep(C10),     118},
    {C11,    0,   0,   0,   2,   1,   2,   0, RG(fConform10FRnonECHAoui), L0,             dep(C10),       6},
    {C12,  119, 120,   0,   2,   1,   2,   0, RG(fVerifValAut),           L(TR),          none,           8},
    {C13,  121, 122,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),         L(TP),          none,          14},
    {C14,  123, 134,   0,   2,   1,   2,   0, RG(fSimult),                L0,             dep(C13),     114},
    {C14,    0,   0,   0,   2,   1,   2,   0, RG(fVerifNumEtrangerN),     L0,             dep(C13),      14},
    {C15,  135, 136,   0,   2,   1,   2,   0, RG(fVerifValAut),           L(TR),          none,           9},
    {C16,  137, 138,   0,   2,   1,   2,   0, RG(fVerifValAut),           L(FR),          none,           2},
    {C17,  139, 150,   0,   2,   1,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,           2},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fConform8),              L(TD),          none,          68},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fCoherenCC),             L0,             dep(E8),       50},
    {C18,  151, 158,   0,   2,   1,   2,   1, RG(fDatRecCorr_O),          L0,             none,         134},
    {C18,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecCohe),            L0,             dep(F1),       52},
    {C18,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecPost),            L0,             dep(C6),      137},
    {C19,  159, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
