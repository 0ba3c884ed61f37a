// Body layout of the ECHA record: the main program and the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ECHA, the main program's form: 36 rows.
const sCorps tEcha[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                    list             dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVTABDIFFFR),        L(TECH),         none,           1},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull),     L(DouzeBlancs),  none,           1},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fVerifNumEtranger),  L0,              dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C4,    79,  79,   0,   2,   1,   2,   0, RG(fVerifValAut),       L(SEX),          none,           3},
    {C5,    80,  81,   0,   2,   1,   2,   0, RG(fVerifValAut),       L(TR),           none,           4},
    {C6,    82,  89,   0,   2,   1,   2,   0, RG(fDATEP6P7),          L0,              none,           5},
    {C6,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC),         L0,              dep(F1),       52},
    {C7,    90,  93,   0,   2,   1,   2,   0, RG(fVerifDiffNull),     L(quatreBlancs), none,          10},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C9,   104, 104,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C10,  105, 106,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TP),           none,           6},
    {C11,  107, 118,   0,   2,   1,   2,   0, RG(fVerifNumEtrangerN), L0,              dep(C10),       6},
    {C11,    0,   0,   0,   2,   1,   2,   0, RG(fCONFORM10FRNULL),   L(TD),           dep(C10),      67},
    {C11,    0,   0,   0,   2,   1,   2,   0, RG(fSimult),            L0,              dep(C10),     113},
    {C12,  119, 120,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TR),           none,           8},
    {C13,  121, 122,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TP),           none,          14},
    {C14,  123, 134,   0,   2,   1,   2,   0, RG(fVerifNumEtrangerN), L0,              dep(C13),      14},
    {C14,    0,   0,   0,   2,   1,   2,   0, RG(fSimult),            L0,              dep(C13),     114},
    {C15,  135, 136,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TR),           none,           9},
    {C16,  137, 138,   0,   2,   1,   2,   0, RG(fVDIFFNULLP6),       L0,              dep(C6),       55},
    {C16,    0,   0,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TP),           dep(C6),        2},
    {C17,  139, 150,   0,   2,   1,   2,   0, RG(fVDIFFNULLP6),       L0,              dep(C6),       55},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fConform8FR),        L(TD),           dep(C16),      68},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fConform8FRnon),     L0,              dep(C16),       2},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fSimult),            L0,              dep(C16),     115},
    {C18,  151, 152,   0,   2,   1,   2,   1, RG(fVerifValAut),       L(FR),           none,          21},
    {C19,  153, 164,   0,   2,   1,   2,   1, RG(fConform8),          L(TD),           none,          68},
    {C19,    0,   0,   0,   2,   1,   2,   1, RG(fCoherenCC),         L0,              dep(E8),       50},
    {C20,  165, 174,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C21,  175, 175,   0,   2,   1,   2,   0, RG(fVerifValAut),       L(UN),           none,          54},
    {C22,  176, 176,   1,   2,   1,   2,   0, RG(fVerifValAut),       L(BOOL),         none,         132},
    {C23,  177, 184,   0,   2,   1,   2,   1, RG(fDatRecCorr_O),      L0,              none,         134},
    {C23,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecCohe),        L0,              dep(F1),       52},
    {C23,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecPost),        L0,              dep(C6),      137},
    {C24,  185, 230,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
};

}  // namespace principal

namespace variante {

// ECHA, the variant programs' form: 32 rows.
const sCorps tEcha[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                    list             dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVTABDIFFFR),        L(TCEE),         none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),     L(DouzeBlancs),  none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fVerifNumEtranger),  L0,              dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C4,    79,  79,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(SEX),          none,           3},
    {C5,    80,  81,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(TR),           none,           4},
    {C6,    82,  89,   0,   2,   2,   2,   2, RG(fDATEP6P7),          L0,              none,           5},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenDC),         L0,              dep(F1),       52},
    {C7,    90,  93,   0,   2,   2,   2,   2, RG(fVerifDiffNull),     L(quatreBlancs), none,          10},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C9,   104, 104,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C10,  105, 106,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TP),           none,           6},
    {C11,  107, 118,   0,   2,   2,   2,   2, RG(fVerifNumEtrangerN), L0,              dep(C10),       6},
    {C11,    0,   0,   0,   2,   2,   2,   2, RG(fCONFORM10FRNULL),   L(TD),           dep(C10),      67},
    {C11,    0,   0,   0,   2,   2,   2,   2, RG(fSimult),            L0,              dep(C10),     113},
    {C12,  119, 120,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TR),           none,           8},
    {C13,  121, 122,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TP),           none,          14},
    {C14,  123, 134,   0,   2,   2,   2,   2, RG(fVerifNumEtrangerN), L0,              dep(C13),      14},
    {C14,    0,   0,   0,   2,   2,   2,   2, RG(fSimult),            L0,              dep(C13),     114},
    {C15,  135, 136,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TR),           none,           9},
    {C16,  137, 138,   0,   2,   2,   2,   2, RG(fVDIFFNULLP6),       L0,              dep(C6),       55},
    {C16,    0,   0,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TP),           dep(C6),        2},
    {C17,  139, 150,   0,   2,   2,   2,   2, RG(fVDIFFNULLP6),       L0,              dep(C6),       55},
    {C17,    0,   0,   0,   2,   2,   2,   2, RG(fConform8FR),        L(TD),           dep(C16),      68},
    {C17,    0,   0,   0,   2,   2,   2,   2, RG(fConform8FRnon),     L0,              dep(C16),       2},
    {C17,    0,   0,   0,   2,   2,   2,   2, RG(fSimult),            L0,              dep(C16),     115},
    {C18,  151, 152,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(FR),           none,          21},
    {C19,  153, 164,   0,   2,   2,   2,   2, RG(fConform8),          L(TD),           none,          68},
    {C20,  165, 174,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C21,  175, 175,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(UN),           none,          54},
    {C22,  176, 176,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
    {C23,  177, 230,   1,   1,   1,   1,   1, RG0,                    L0,              none,           0},
};

}  // namespace variante

}  // namespace vse
