// Body layout of the ERRE record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ERRE, the main program's form: 28 rows.
// Positions 117-161 and 230 of the body are described by no row: they are neither cut out nor verified.
const sCorps tErre[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule               list    dependance   error
    {C1,    63,  66,   0,   1,   0,   1,   0, RG(fVerifValAut),  L(tE6), none,           85},
    {C1,     0,   0,   0,   1,   0,   1,   0, RG(vErre_C1),      L0,     none,          190},
    {C2,    67,  69,   0,   1,   0,   1,   0, RG(fVerifValAut),  L(tE5), none,           84},
    {C3,    70,  71,   0,   1,   0,   1,   0, RG(fVerifValAut),  L(TP),  none,            1},
    {C4,    72,  83,   0,   1,   0,   1,   0, RG(vErre_C4),      L0,     none,          185},
    {C5,    84,  85,   0,   1,   0,   1,   0, RG(vErre_C5),      L0,     none,            1},
    {C6,    86,  97,   0,   1,   0,   1,   0, RG(vErre_C6),      L0,     none,          186},
    {C7,    98,  99,   0,   1,   0,   1,   0, RG(vErre_C7),      L0,     none,           21},
    {C8,   100, 111,   0,   1,   0,   1,   0, RG(vErre_C8),      L0,     none,           21},
    {C8,     0,   0,   0,   1,   0,   1,   0, RG(vErre_C8_conf), L0,     none,           68},
    {C9,   112, 115,   0,   1,   0,   1,   0, RG(vErre_C9),      L0,     none,          187},
    {C10,  116, 116,   0,   1,   0,   1,   0, RG(vErre_C10),     L0,     none,          188},
    {C29,  162, 163,   0,   1,   0,   1,   0, RG(vErre_C29),     L0,     none,          189},
    {C30,  164, 175,   0,   1,   0,   1,   0, RG(vErre_C30),     L0,     none,          189},
    {C31,  176, 177,   0,   1,   0,   1,   0, RG(vErre_C31),     L0,     none,            1},
    {C32,  178, 189,   0,   1,   0,   1,   0, RG(vErre_C32_1),   L0,     none,           67},
    {C32,    0,   0,   0,   1,   0,   1,   0, RG(vErre_C32_2),   L0,     none,          118},
    {C32,    0,   0,   0,   1,   0,   1,   0, RG(vErre_C32_3),   L0,     none,            1},
    {C33,  190, 197,   0,   1,   0,   1,   0, RG(fDATEC_INC),    L0,     none,            5},
    {C33,    0,   0,   0,   1,   0,   1,   0, RG(fCoherenDC),    L0,     dep(F1),        52},
    {C34,  198, 205,   0,   1,   0,   1,   0, RG(fDATEC_INC),    L0,     none,           22},
    {C34,    0,   0,   0,   1,   0,   1,   0, RG(fCoherenDC),    L0,     dep(F1),        52},
    {C35,  206, 213,   0,   1,   0,   1,   0, RG(fDATEC_INC),    L0,     none,           22},
    {C35,    0,   0,   0,   1,   0,   1,   0, RG(fCoherenDC),    L0,     dep(F1),        52},
    {C36,  214, 221,   0,   1,   0,   1,   0, RG(vErre_C36_1),   L0,     none,          122},
    {C36,    0,   0,   0,   1,   0,   1,   0, RG(fCoherenDC),    L0,     dep(F1),        52},
    {C37,  222, 229,   0,   1,   0,   1,   0, RG(vErre_C37_1),   L0,     none,           87},
    {C37,    0,   0,   0,   1,   0,   1,   0, RG(vErre_C37_2),   L0,     depFich(E3),   135},
};

}  // namespace principal

}  // namespace vse
