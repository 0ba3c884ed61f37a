#include "packs/commun/cadre.hpp"

#include <cstring>

namespace vse {

// E12, E13 and F3 are checked on the FICH record only.
VSE_REGLE(enteteE12) { return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif); }
VSE_REGLE(enteteE13) { return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif); }
VSE_REGLE(finF3) { return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif); }

const sCorps tFin[lFin] = {
    //  field  from  to   CRE DEM INV EDI MOD  rule              list             dependance  error
    {F1,   231, 238,   1,  1,  1,  1,  1,  RG(fDATEC),       L0,              none,       90},
    {F2,   239, 244,   1,  1,  1,  1,  1,  RG(fHEUREC),      L0,              none,       91},
    {F2,     0,   0,   1,  1,  1,  1,  1,  RG0,              L0,              none,        0},
    {F3,   245, 247,   1,  1,  1,  1,  1,  RG(finF3),        L(versionVSE),   dep(E6),    93},
    {F4,   248, 255,   1,  1,  1,  1,  1,  RG0,              L0,              none,        0},
    {F5,   256, 256,   1,  1,  1,  1,  1,  RG(fVerifValAut), L(ET1),          none,       94},
};

// The FICH body has no rule: its fields are saved for the whole run.
const sCorps tFich[lFich] = {
    //  field  from  to   CRE DEM INV EDI MOD  rule     list  dependance  error
    {C1,    63,  78,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C2,    79,  94,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C3,    95, 100,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C4,   101, 106,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C5,   107, 112,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C6,   113, 118,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C7,   119, 124,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C8,   125, 125,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
    {C9,   126, 230,   1,  1,  1,  1,  1,  RG0,      L0,   none,       0},
};

}  // namespace vse
