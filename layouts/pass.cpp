// Body layout of the PASS record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// PASS, the main program's form: 20 rows.
const sCorps tPass[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   2,   0,   0,   0,   2, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   2,   0,   0,   0,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   2,   0,   0,   0,   2, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   2,   0,   0,   0,   2, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   2,   0,   0,   0,   2, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,    79,  80,   2,   0,   0,   0,   2, RG(fVerifValAut),           L(FR),          none,          25},
    {C5,    81,  92,   2,   0,   0,   0,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,          25},
    {C5,     0,   0,   2,   0,   0,   0,   2, RG(fConform8),              L(TD),          none,          68},
    {C5,     0,   0,   2,   0,   0,   0,   2, RG(fCoherenCC),             L0,             dep(E8),       50},
    {C6,    93,  94,   2,   0,   0,   0,   2, RG(fVerifValAut),           L(TCEP),        none,          44},
    {C7,    95, 102,   2,   1,   1,   0,   2, RG(pass_C7),                L0,             dep(C11),     102},
    {C7,     0,   0,   2,   1,   0,   1,   2, RG(fDATEC),                 L0,             none,         102},
    {C8,   103, 104,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C9,   105, 112,   2,   1,   1,   0,   2, RG(fDATEC),                 L0,             none,          77},
    {C9,     0,   0,   2,   1,   1,   0,   2, RG(fCoherenDC),             L0,             dep(F1),       52},
    {C10,  113, 118,   2,   1,   1,   0,   2, RG(pass_C10),               L0,             dep(C11),     103},
    {C10,    0,   0,   2,   1,   0,   1,   2, RG(fHEUREC),                L0,             none,         103},
    {C11,  119, 119,   2,   1,   1,   0,   2, RG(fVerifValAut),           L(BOOL),        none,         104},
    {C12,  120, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
