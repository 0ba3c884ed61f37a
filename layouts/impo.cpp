// Body layout of the IMPO record: the main program and the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// IMPO, the main program's form: 36 rows.
const sCorps tImpo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                    list               dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),       L(FR),             none,           1},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull),     L(DouzeBlancs),    none,           1},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(impo_C2),            L(TD),             none,         118},
    {C2,     0,   0,   0,   2,   0,   2,   1, RG(fCoherenCC),         L0,                dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C4,    79,  79,   0,   2,   1,   2,   0, RG(fVerifValAut),       L(SEX),            none,           3},
    {C5,    80,  81,   0,   2,   1,   2,   0, RG(fVerifValAut),       L(TR),             none,           4},
    {C6,    82,  89,   0,   2,   1,   2,   0, RG(impo_C6_1),          L(HuitBlancsFal),  none,           5},
    {C6,     0,   0,   0,   2,   1,   2,   0, RG(impo_C6_2),          L(HuitBlancsFal),  dep(F1),       52},
    {C7,    90,  93,   0,   2,   1,   2,   0, RG(impo_C7),            L0,                none,          10},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C9,   104, 104,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C10,  105, 106,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TP),             none,           6},
    {C11,  107, 118,   0,   2,   1,   2,   0, RG(fVerifNumEtrangerN), L0,                dep(C10),       6},
    {C11,    0,   0,   0,   2,   1,   2,   0, RG(fSimult),            L0,                dep(C10),     113},
    {C12,  119, 120,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TR),             none,           8},
    {C13,  121, 122,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TP),             none,          14},
    {C14,  123, 134,   0,   2,   1,   2,   0, RG(fVerifNumEtrangerN), L0,                dep(C13),      14},
    {C14,    0,   0,   0,   2,   1,   2,   0, RG(fSimult),            L0,                dep(C13),     114},
    {C15,  135, 136,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TR),             none,           9},
    {C16,  137, 138,   0,   2,   1,   2,   0, RG(fVDIFFNULLVTAB),     L(TP),             none,           2},
    {C17,  139, 150,   0,   2,   1,   2,   0, RG(fCONFORM8FRNULL),    L(TD),             dep(C16),      68},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fConform8FRnon),     L0,                dep(C16),       2},
    {C17,    0,   0,   0,   2,   1,   2,   0, RG(fSimult),            L0,                dep(C16),     115},
    {C18,  151, 152,   0,   2,   1,   2,   1, RG(fVerifValAut),       L(FR),             none,          21},
    {C19,  153, 164,   0,   2,   1,   2,   1, RG(fVerifDiffNull),     L(DouzeBlancs),    none,          21},
    {C19,    0,   0,   0,   2,   1,   2,   1, RG(fConform8),          L(TD),             none,          68},
    {C19,    0,   0,   0,   2,   1,   2,   1, RG(fCoherenCC),         L0,                dep(E8),       50},
    {C20,  165, 166,   0,   2,   1,   2,   0, RG(impo_C20),           L(TP),             none,          49},
    {C21,  167, 180,   0,   2,   1,   2,   0, RG(fVerifDiffNull),     L(quatorzeBlancs), none,          49},
    {C22,  181, 181,   0,   2,   1,   2,   0, RG(fVerifValAut),       L(ZERO),           none,          54},
    {C23,  182, 182,   1,   2,   1,   2,   0, RG(fVerifValAut),       L(BOOL),           none,         132},
    {C24,  183, 190,   0,   2,   1,   2,   1, RG(fDatRecCorr_O),      L0,                none,         134},
    {C24,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecCohe),        L0,                dep(F1),       52},
    {C24,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecPost),        L0,                dep(C6),      137},
    {C25,  191, 230,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
};

}  // namespace principal

namespace variante {

// IMPO, the variant programs' form: 31 rows.
const sCorps tImpo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                    list               dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),       L(FR),             none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),     L(DouzeBlancs),    none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(impo_C2),            L(TD),             none,         118},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C4,    79,  79,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(SEX),            none,           3},
    {C5,    80,  81,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(TR),             none,           4},
    {C6,    82,  89,   0,   2,   2,   2,   2, RG(impo_C6_1),          L(HuitBlancsFal),  none,           5},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(impo_C6_2),          L(HuitBlancsFal),  dep(F1),       52},
    {C7,    90,  93,   0,   2,   2,   2,   2, RG(impo_C7),            L0,                none,          10},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C9,   104, 104,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C10,  105, 106,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TP),             none,           6},
    {C11,  107, 118,   0,   2,   2,   2,   2, RG(fVerifNumEtrangerN), L0,                dep(C10),       6},
    {C11,    0,   0,   0,   2,   2,   2,   2, RG(fSimult),            L0,                dep(C10),     113},
    {C12,  119, 120,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TR),             none,           8},
    {C13,  121, 122,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TP),             none,          14},
    {C14,  123, 134,   0,   2,   2,   2,   2, RG(fVerifNumEtrangerN), L0,                dep(C13),      14},
    {C14,    0,   0,   0,   2,   2,   2,   2, RG(fSimult),            L0,                dep(C13),     114},
    {C15,  135, 136,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TR),             none,           9},
    {C16,  137, 138,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),     L(TP),             none,           2},
    {C17,  139, 150,   0,   2,   2,   2,   2, RG(fCONFORM8FRNULL),    L(TD),             dep(C16),      68},
    {C17,    0,   0,   0,   2,   2,   2,   2, RG(fConform8FRnon),     L0,                dep(C16),       2},
    {C17,    0,   0,   0,   2,   2,   2,   2, RG(fSimult),            L0,                dep(C16),     115},
    {C18,  151, 152,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(FR),             none,          21},
    {C19,  153, 164,   0,   2,   2,   2,   2, RG(fVerifDiffNull),     L(DouzeBlancs),    none,          21},
    {C19,    0,   0,   0,   2,   2,   2,   2, RG(fConform8),          L(TD),             none,          68},
    {C20,  165, 166,   0,   2,   2,   2,   2, RG(impo_C20),           L(TP),             none,          49},
    {C21,  167, 180,   0,   2,   2,   2,   2, RG(fVerifDiffNull),     L(quatorzeBlancs), none,          49},
    {C22,  181, 181,   0,   2,   2,   2,   2, RG(fVerifValAut),       L(ZERO),           none,          54},
    {C23,  182, 182,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
    {C24,  183, 230,   1,   1,   1,   1,   1, RG0,                    L0,                none,           0},
};

}  // namespace variante

}  // namespace vse
