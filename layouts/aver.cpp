// Body layout of the AVER record: the variant programs.
#include "layouts/layouts.hpp"
#include "records/regles.hpp"

namespace vse {

namespace variante {

// AVER, the variant programs' form: 7 rows.
const sCorps tAver[] = {
    //   from   to  CRE  DEM  INV  EDI  MOD  rule                list               dependance  error
    {C1,   63,  64,   2,   0,   2,   2,   2, RG(fVerifValAut),   L(FR),             none,          21},
    {C2,   65,  76,   2,   0,   2,   2,   2, RG(fVerifDiffNull), L(DouzeBlancs),    none,          21},
    {C2,    0,   0,   2,   0,   2,   2,   2, RG(fConform8),      L(TD),             none,          68},
    {C3,   77,  78,   1,   1,   1,   1,   1, RG0,                L0,                none,           0},
    {C4,   79,  80,   2,   0,   2,   2,   2, RG(fVerifValAut),   L(TCPNOECH),       none,          49},
    {C5,   81,  94,   2,   0,   2,   2,   2, RG(fVerifDiffNull), L(quatorzeBlancs), none,          49},
    {C6,   95, 230,   1,   1,   1,   1,   1, RG0,                L0,                none,           0},
};

}  // namespace variante

}  // namespace vse
