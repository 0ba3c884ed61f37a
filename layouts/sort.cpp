// Body layout of the SORT record: the main program and the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// SORT, the main program's form (exit): 29 rows.
const sCorps tSort[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   0,   2,   0, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   0,   2,   0,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   0,   2,   0,   2,   0, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  86,   0,   2,   1,   2,   1, RG(fDATEC),                 L0,             none,          22},
    {C4,     0,   0,   1,   2,   1,   2,   0, RG(fDATEP6),                L0,             none,          22},
    {C4,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenDC_tr),          L0,             dep(F1),       52},
    {C5,    87,  87,   0,   2,   1,   2,   0, RG(fVerifValAutDate),       L(TCMS),        dep(C4),       23},
    {C5,     0,   0,   0,   2,   1,   2,   0, RG(sort_fC5),               L(TCMS),        dep(E5),       23},
    {C6,    88,  89,   0,   2,   0,   2,   0, RG(fVerifValAut),           L(FR),          none,          21},
    {C7,    90, 101,   0,   2,   0,   2,   0, RG(fVerifDiffNull),         L(DouzeBlancs), none,          21},
    {C7,     0,   0,   0,   2,   0,   2,   0, RG(fConform8),              L(TD),          none,          68},
    {C7,     0,   0,   0,   2,   1,   2,   0, RG(fCoherenCC_tr),          L0,             dep(E8),       50},
    {C8,   102, 103,   0,   2,   1,   2,   1, RG(sort_fC8_cre),           L0,             none,          24},
    {C8,     0,   0,   1,   2,   1,   2,   0, RG(sort_fC8_mod),           L0,             none,          24},
    {C9,   104, 115,   0,   2,   1,   2,   1, RG(sort_fC9_1_cre),         L0,             none,          24},
    {C9,     0,   0,   0,   2,   1,   2,   1, RG(sort_fC9_2_cre),         L0,             none,          68},
    {C9,     0,   0,   1,   2,   1,   2,   0, RG(sort_fC9_1_mod),         L0,             none,          24},
    {C9,     0,   0,   1,   2,   1,   2,   0, RG(sort_fC9_2_mod),         L0,             none,          68},
    {C10,  116, 175,   0,   2,   1,   2,   1, RG(sort_fC10_cre),          L0,             none,          24},
    {C10,    0,   0,   1,   2,   1,   2,   0, RG(sort_fC10_mod),          L0,             none,          24},
    {C11,  176, 183,   1,   2,   0,   2,   0, RG(fDATEP6),                L0,             none,          58},
    {C11,    0,   0,   1,   2,   0,   2,   0, RG(fCoherenDC_tr2),         L0,             dep(F1),       52},
    {C12,  184, 191,   0,   2,   1,   2,   1, RG(fDatRecCorr),            L0,             none,         134},
    {C12,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecCohe),            L0,             dep(F1),       52},
    {C12,    0,   0,   0,   2,   1,   2,   1, RG(fDatRecPost_tr),         L0,             dep(C4),      137},
    {C13,  192, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

namespace variante {

// SORT, the variant programs' form (exit): 19 rows.
const sCorps tSort[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  86,   0,   2,   2,   2,   2, RG(fDATEC),                 L0,             none,          22},
    {C4,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenDC_tr),          L0,             dep(F1),       52},
    {C5,    87,  87,   0,   2,   2,   2,   2, RG(fVerifValAutDate),       L(TCMS),        dep(C4),       23},
    {C5,     0,   0,   0,   2,   2,   2,   2, RG(sort_fC5),               L(TCMS),        dep(E5),       23},
    {C6,    88,  89,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(FR),          none,          21},
    {C7,    90, 101,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,          21},
    {C7,     0,   0,   0,   2,   2,   2,   2, RG(fConform8),              L(TD),          none,          68},
    {C8,   102, 103,   0,   2,   2,   2,   2, RG(sort_fC8_cre),           L0,             none,          24},
    {C9,   104, 115,   0,   2,   2,   2,   2, RG(sort_fC9_1_cre),         L0,             none,          24},
    {C9,     0,   0,   0,   2,   2,   2,   2, RG(sort_fC9_2_cre),         L0,             none,          68},
    {C10,  116, 175,   0,   2,   2,   2,   2, RG(sort_fC10_cre),          L0,             none,          24},
    {C11,  176, 183,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C12,  184, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace variante

}  // namespace vse
