// Body layout of the JALO record: the main program and the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// JALO, the main program's form: 17 rows.
const sCorps tJalo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list               dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TP),             none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs),    none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FR),           L(TD),             dep(C1),       67},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAnon), L(TD),             dep(C1),      118},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAoui), L0,                dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,                none,           0},
    {C4,    79,  80,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(FR),             none,          21},
    {C5,    81,  92,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs),    none,          21},
    {C5,     0,   0,   0,   2,   2,   2,   2, RG(fConform8),              L(TD),             dep(C1),       68},
    {C5,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenCC),             L0,                dep(E8),       50},
    {C6,    93, 100,   0,   2,   2,   2,   2, RG(fDATEC),                 L0,                none,          22},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenDC),             L0,                dep(F1),       52},
    {C7,   101, 160,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(soixanteBlancs), none,          24},
    {C8,   161, 220,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(soixanteBlancs), none,          24},
    {C9,   221, 221,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(BOOL),           none,         117},
    {C10,  222, 222,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(DEROUL_MARC),    none,         119},
    {C11,  223, 230,   1,   1,   1,   1,   1, RG0,                        L0,                none,           0},
};

}  // namespace principal

namespace variante {

// JALO, the variant programs' form: 16 rows.
const sCorps tJalo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list               dependance  error
    {C1,    63,  64,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(TP),             none,           1},
    {C2,    65,  76,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs),    none,           1},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FR),           L(TD),             dep(C1),       67},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAnon), L(TD),             dep(C1),      118},
    {C2,     0,   0,   0,   2,   2,   2,   2, RG(fConform10FRnonECHAoui), L0,                dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,                none,           0},
    {C4,    79,  80,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(FR),             none,          21},
    {C5,    81,  92,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs),    none,          21},
    {C5,     0,   0,   0,   2,   2,   2,   2, RG(fConform8),              L(TD),             dep(C1),       68},
    {C6,    93, 100,   0,   2,   2,   2,   2, RG(fDATEC),                 L0,                none,          22},
    {C6,     0,   0,   0,   2,   2,   2,   2, RG(fCoherenDC),             L0,                dep(F1),       52},
    {C7,   101, 160,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(soixanteBlancs), none,          24},
    {C8,   161, 220,   0,   2,   2,   2,   2, RG(fVerifDiffNull),         L(soixanteBlancs), none,          24},
    {C9,   221, 221,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(BOOL),           none,         117},
    {C10,  222, 222,   0,   2,   2,   2,   2, RG(fVerifValAut),           L(DEROUL_MARC),    none,         119},
    {C11,  223, 230,   1,   1,   1,   1,   1, RG0,                        L0,                none,           0},
};

}  // namespace variante

}  // namespace vse
