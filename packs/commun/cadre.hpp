// The frame of every line, the same in the four programs but for the rules and
// lists of a few header rows: header E1-E13, trailer F1-F5 and the FICH body.
#pragma once

#include <array>

#include "model/vse.hpp"
#include "rules/texte.hpp"
#include "rules/utils.hpp"

namespace vse {

inline constexpr int lEntete = 14;
inline constexpr int lFin = 6;
inline constexpr int lFich = 9;

extern const sCorps tFin[lFin];
extern const sCorps tFich[lFich];

// The header rules of one program and the lists their rows name.
struct ReglesEntete {
    pfVerif_t enteteE3;
    const Liste* listeE3;
    pfVerif_t enteteE4;
    const Liste* listeE4;
    const Liste* tE5;
    const Liste* tE6;
    pfVerif_t fVerifDepE6;
    pfVerif_t enteteE8;
    const Liste* listeE8;
    pfVerif_t enteteE9;
    pfVerif_t enteteE10;
    const Liste* listeE10;
};

// The gate of the header rules: true on the FICH record (E6 "FICH").
inline bool estFich(const char* e6) { return vaut(e6, "FICH"); }

// Rules the four programs share: FICH-record checks of E12, E13 and F3.
VSE_REGLE(enteteE12);
VSE_REGLE(enteteE13);
VSE_REGLE(finF3);

// The header layout of a program.
constexpr std::array<sCorps, lEntete> tableEntete(const ReglesEntete& r) {
    //  field  from to   CRE DEM INV EDI MOD  rule                          list           dependance error
    return {{
        {E1,    1,  1,   1,  1,  1,  1,  1,  RG0,                           L0,            none,       0},
        {E2,    2,  2,   1,  1,  1,  1,  1,  RG0,                           L0,            none,       0},
        {E3,    3, 10,   1,  1,  1,  1,  1,  r.enteteE3, "enteteE3",        r.listeE3,     dep(E6),   95},
        {E4,   11, 18,   1,  1,  1,  1,  1,  r.enteteE4, "enteteE4",        r.listeE4,     dep(E6),   96},
        {E5,   19, 21,   1,  1,  1,  1,  1,  RG(fVerifValAut),              r.tE5,         none,      84},
        {E6,   22, 25,   1,  1,  1,  1,  1,  RG(fVerifValAut),              r.tE6,         none,      85},
        {E6,    0,  0,   1,  1,  1,  1,  1,  r.fVerifDepE6, "fVerifDepE6",  L0,            dep(E5),   86},
        {E7,   26, 26,   1,  1,  1,  1,  1,  RG0,                           L0,            none,       0},
        {E8,   27, 34,   1,  1,  1,  1,  1,  r.enteteE8, "enteteE8",        r.listeE8,     dep(E6),   87},
        {E9,   35, 42,   1,  1,  1,  1,  1,  r.enteteE9, "enteteE9",        L(HuitBlancs), dep(E6),   89},
        {E10,  43, 50,   1,  1,  1,  1,  1,  r.enteteE10, "enteteE10",      r.listeE10,    dep(E6),   88},
        {E11,  51, 60,   1,  1,  1,  1,  1,  RG0,                           L0,            none,       0},
        {E12,  61, 61,   1,  1,  1,  1,  1,  RG(enteteE12),                 L(TOUQ),       dep(E6),   97},
        {E13,  62, 62,   1,  1,  1,  1,  1,  RG(enteteE13),                 L(NOUU),       dep(E6),   98},
    }};
}

}  // namespace vse
