// Body layout of the NAIS record: the main program and the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// NAIS, the main program's form (birth declaration): 50 rows.
// Positions 151-158 of the body are described by no row: they are neither cut out nor verified.
const sCorps tNais[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   1,   0,   2,   0, RG(fVerifValAut),           L(FR),          none,           1},
    {C1,     0,   0,   1,   0,   1,   2,   1, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   0,   0,   0,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   1,   1,   2,   1, RG(nais_C2),                L(TD),          none,          67},
    {C2,     0,   0,   1,   1,   0,   2,   0, RG(fConform10),             L(TD),          none,          67},
    {C2,     0,   0,   1,   0,   1,   2,   1, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   1,   0,   1,   2,   1, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   1,   0,   1,   2,   1, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C2,     0,   0,   0,   1,   0,   2,   1, RG(fCoherenCC),             L0,             dep(E8),       50},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  79,   0,   1,   1,   2,   0, RG(fVerifValAut),           L(SEX),         none,           3},
    {C5,    80,  81,   0,   1,   1,   2,   0, RG(fVerifValAut),           L(TR),          none,           4},
    {C6,    82,  89,   0,   1,   1,   2,   1, RG(fDATEC),                 L0,             none,           5},
    {C6,     0,   0,   1,   1,   1,   2,   0, RG(fDATEP6P7),              L0,             none,           5},
    {C6,     0,   0,   0,   1,   1,   2,   0, RG(fCoherenDC),             L0,             dep(F1),       52},
    {C7,    90,  93,   0,   1,   1,   2,   0, RG(nais_C7),                L0,             none,          10},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C9,   104, 104,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C10,  105, 106,   0,   1,   1,   2,   1, RG(fVerifValAut),           L(TP),          none,           6},
    {C10,    0,   0,   1,   1,   1,   2,   0, RG(fVTABP5),                L(TP),          dep(C6),        7},
    {C11,  107, 118,   0,   1,   1,   2,   1, RG(fVerifDiffNull),         L(DouzeBlancs), none,           6},
    {C11,    0,   0,   0,   1,   1,   2,   1, RG(fConform10FR),           L(TD),          dep(C10),      67},
    {C11,    0,   0,   0,   1,   1,   2,   1, RG(fConform10FRnonECHAnon), L(TD),          dep(C10),     118},
    {C11,    0,   0,   0,   1,   1,   2,   1, RG(fConform10FRnonECHAoui), L0,             dep(C10),       6},
    {C11,    0,   0,   1,   1,   1,   2,   0, RG(fVDIFFNULLP5),           L0,             dep(C6),        7},
    {C11,    0,   0,   1,   1,   1,   2,   0, RG(nais_C11),               L(TD),          dep(C6),       67},
    {C11,    0,   0,   1,   1,   1,   2,   0, RG(nais_C11FRnonUEnon),     L(TD),          dep(C6),      118},
    {C11,    0,   0,   1,   1,   1,   2,   0, RG(nais_C11FRnonUEoui),     L0,             dep(C6),        6},
    {C11,    0,   0,   1,   1,   1,   2,   0, RG(fSimult),                L0,             dep(C10),     113},
    {C12,  119, 120,   0,   1,   1,   2,   1, RG(fVerifValAut),           L(TR),          none,           8},
    {C12,    0,   0,   1,   1,   1,   2,   0, RG(fVTABP8),                L(TR),          dep(C6),        8},
    {C13,  121, 122,   0,   1,   1,   2,   0, RG(fVDIFFNULLVTAB),         L(TP),          none,          14},
    {C14,  123, 134,   0,   1,   1,   2,   0, RG(fSimult),                L0,             dep(C13),     114},
    {C14,    0,   0,   0,   1,   1,   2,   0, RG(fVerifNumEtrangerN),     L0,             dep(C13),      14},
    {C15,  135, 136,   0,   1,   1,   2,   1, RG(fVerifValAut),           L(TR),          none,           9},
    {C15,    0,   0,   1,   1,   1,   2,   0, RG(fVTABP8),                L(TR),          dep(C6),        9},
    {C16,  137, 138,   0,   1,   1,   2,   1, RG(fVerifValAut),           L(FR),          none,           2},
    {C16,    0,   0,   1,   1,   1,   2,   0, RG(fVTABP6),                L(FR),          dep(C6),        2},
    {C17,  139, 150,   0,   1,   1,   2,   1, RG(fVerifDiffNull),         L(DouzeBlancs), none,           2},
    {C17,    0,   0,   0,   1,   1,   2,   1, RG(fConform8),              L(TD),          none,          68},
    {C17,    0,   0,   0,   1,   1,   2,   1, RG(fCoherenCC),             L0,             dep(E8),       50},
    {C17,    0,   0,   1,   1,   1,   2,   0, RG(fVDIFFNULLP6),           L0,             dep(C6),        2},
    {C17,    0,   0,   1,   1,   1,   2,   0, RG(nais_C17),               L(TD),          dep(C6),       68},
    {C17,    0,   0,   1,   1,   1,   2,   0, RG(fSimult),                L0,             dep(C16),     115},
    {C24,  159, 159,   0,   1,   1,   2,   1, RG(fVerifValAut),           L(BOOL),        none,          83},
    {C25,  160, 160,   1,   1,   1,   2,   0, RG(fVerifValAut),           L(BOOL),        none,         132},
    {C26,  161, 168,   0,   1,   1,   2,   1, RG(fDatRecCorr_O),          L0,             none,         134},
    {C26,    0,   0,   0,   1,   1,   2,   1, RG(fDatRecCohe),            L0,             dep(F1),       52},
    {C26,    0,   0,   0,   1,   1,   2,   1, RG(fDatRecPost),            L0,             dep(C6),      137},
    {C27,  169, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

namespace variante {

// NAIS, the variant programs' form (birth declaration): 39 rows.
const sCorps tNais[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(FR),          none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(nais_C2_1),              L(TD),          none,          67},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(nais_C2_2),              L0,             dep(C17),     805},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  79,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(SEX),         none,           3},
    {C5,    80,  81,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TR),          none,           4},
    {C6,    82,  89,   0,   2,   2,   2,   2, RG(fDATEC),                 L0,             none,           5},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenDC),             L0,             dep(F1),       52},
    {C7,    90,  93,   0,   2,   2,   2,   2, RG(nais_C7_MN),             L0,             dep(C2),       10},
    {C8,    94, 103,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C9,   104, 104,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(BOOL),        none,          38},
    {C10,  105, 106,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TP),          none,           6},
    {C11,  107, 118,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           6},
    {C11,    0,   0,   0,   2,   2,   2,   2, RG(fConform10FR),           L(TD),          dep(C10),      67},
    {C11,    0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAnon), L(TD),          dep(C10),     118},
    {C11,    0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAoui), L0,             dep(C10),       6},
    {C12,  119, 120,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TR),          none,           8},
    {C13,  121, 122,   0,   2,   2,   2,   2, RG(fVDIFFNULLVTAB),         L(TP),          none,          14},
    {C14,  123, 134,   0,   2,   2,   2,   2, RG(fSimult),                L0,             dep(C13),     114},
    {C14,    0,   0,   0,   2,   2,   2,   2, RG(fVerifNumEtrangerN),     L0,             dep(C13),      14},
    {C15,  135, 136,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TR),          none,           9},
    {C16,  137, 138,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(FR),          none,           2},
    {C17,  139, 150,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           2},
    {C17,    0,   0,   0,   2,   2,   2,   2, RG(fConform8),              L(TD),          none,          68},
    {C18,  151, 151,   0,   2,   2,   2,   2, RG(nais_C9EG1TAB),          L(BOOL),        dep(C9),       12},
    {C19,  152, 152,   0,   2,   2,   2,   2, RG(nais_C9EG1TAB),          L(UNETCINQ),    dep(C9),      800},
    {C20,  153, 153,   0,   2,   2,   2,   2, RG(nais_C9EG1TAB),          L(BOOL),        dep(C9),      801},
    {C21,  154, 154,   0,   2,   2,   2,   2, RG(nais_C9EG1TAB),          L(BOOL),        dep(C9),       13},
    {C22,  155, 156,   0,   2,   2,   2,   2, RG(nais_C22),               L0,             dep(C9),      802},
    {C23,  157, 158,   0,   2,   2,   2,   2, RG(nais_C22),               L0,             dep(C9),      803},
    {C24,  159, 159,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(BOOLFal),     none,          34},
    {C25,  160, 160,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C26,  161, 168,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C27,  169, 169,   0,   2,   2,   2,   2, RG(nais_C9EG1TAB),          L(BOOL),        dep(C9),       37},
    {C28,  170, 172,   0,   2,   2,   2,   2, RG(nais_C28),               L0,             dep(C9),       53},
    {C29,  173, 226,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C30,  227, 228,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C31,  229, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace variante

}  // namespace vse
