// Body layout of the INFO record: the main program.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace principal {

// INFO, the main program's form: 7 rows.
// Positions 79-119 of the body are described by no row: they are neither cut out nor verified.
const sCorps tInfo[] = {
    //    from   to  CRE  DEM  INV  EDI  MOD  rule                        list            dependance  error
    {C1,    63,  64,   2,   0,   2,   2,   2, RG(fVerifValAut),           L(TP),          none,           1},
    {C2,    65,  76,   2,   0,   2,   2,   2, RG(fVerifDiffNull),         L(DouzeBlancs), none,           1},
    {C2,     0,   0,   2,   0,   2,   2,   2, RG(fConform10FR),           L(TD),          dep(C1),       67},
    {C2,     0,   0,   2,   0,   2,   2,   2, RG(fConform10FRnonECHAnon), L(TD),          dep(C1),      118},
    {C2,     0,   0,   2,   0,   2,   2,   2, RG(fConform10FRnonECHAoui), L0,             dep(C1),        1},
    {C3,    77,  78,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
    {C4,   120, 230,   1,   1,   1,   1,   1, RG0,                        L0,             none,           0},
};

}  // namespace principal

}  // namespace vse
