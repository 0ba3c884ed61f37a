// Body layout of the ABAT record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// ABAT, the main program's form (slaughter): 25 rows.
// Positions 139-230 of the body are described by no row: they are neither cut out nor verified.
const sCorps tAbat[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                             list   dependance  error
    {C1,    63,  64,   0,   1,   0,   1,   0, RG(fVerifValAut),                L(TP), none,           1},
    {C2,    65,  76,   0,   1,   0,   1,   0, RG(presence_C2),                 L0,    none,           1},
    {C2,     0,   0,   0,   1,   0,   1,   0, RG(vAbat_C2_1),                  L0,    none,          67},
    {C2,     0,   0,   0,   1,   0,   1,   0, RG(vAbat_C2_2),                  L0,    none,           1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                             L0,    none,           0},
    {C4,    79,  80,   0,   1,   0,   1,   0, RG(fVerif_ASDA),                 L0,    none,          31},
    {C5,    81,  92,   0,   1,   0,   1,   0, RG(presence_C5),                 L(FR), none,          31},
    {C5,     0,   0,   0,   1,   0,   1,   0, RG(fVerif_NUM_ASDA),             L(FR), none,          68},
    {C6,    93, 100,   0,   1,   0,   1,   0, RG(fDATECxad),                   L0,    none,         120},
    {C6,     0,   0,   0,   1,   0,   1,   0, RG(fCoherenDC),                  L0,    dep(F1),       52},
    {C6,     0,   0,   0,   1,   0,   1,   0, RG(fVerifDateInputPost),         L0,    none,         121},
    {C7,   101, 108,   0,   1,   0,   1,   0, RG(fDATEC),                      L0,    none,         122},
    {C7,     0,   0,   0,   1,   0,   1,   0, RG(fCoherenDC),                  L0,    dep(F1),       52},
    {C7,     0,   0,   0,   1,   0,   1,   0, RG(fVerifDateAbatPost),          L0,    none,         123},
    {C7,     0,   0,   0,   1,   0,   1,   0, RG(fVerifDateAbatPostEntr),      L0,    none,         124},
    {C8,   109, 116,   0,   1,   0,   1,   0, RG(presence_C8),                 L0,    none,          68},
    {C8,     0,   0,   0,   1,   0,   1,   0, RG(fVerif_NUM_TUE),              L0,    none,         128},
    {C9,   117, 123,   0,   1,   0,   1,   0, RG(fVerif_chaine_POIDS),         L0,    none,         125},
    {C9,     0,   0,   0,   1,   0,   1,   0, RG(fVerif_POIDS),                L0,    none,         126},
    {C10,  124, 125,   0,   1,   0,   1,   0, RG(fVerif_CODEPE_ABATNOT),       L(FR), none,         127},
    {C11,  126, 137,   0,   1,   0,   1,   0, RG(presence_C11),                L0,    none,         127},
    {C11,    0,   0,   0,   1,   0,   1,   0, RG(fVerif_NUMID_ABATNOT_CONF),   L0,    none,          68},
    {C11,    0,   0,   0,   1,   0,   1,   0, RG(fVerif_NUMID_ABATNOT_COHER),  L0,    none,         129},
    {C11,    0,   0,   0,   1,   0,   1,   0, RG(fVerif_NUMID_ABATNOT_TABREF), L0,    none,         127},
    {C12,  138, 138,   0,   1,   0,   1,   0, RG(fVerif_INDIC_ABAT),           L(FR), none,         139},
};

}  // namespace principal

}  // namespace vse
