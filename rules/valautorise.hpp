// Allowed-value lists shared by the four programs. Entries are compared whole,
// blanks included; pair and triple lists are read in fixed groups in the order
// given, so the order of entries matters.
#pragma once

#include <cstdint>

#include "model/vse.hpp"

namespace vse {

// No list: the length handed to rules without a list.
inline constexpr int Len0 = 0;

// Short lists.
extern const Liste BDN031, BDN8, BOOL, BOOLFal, C2_MODEL, C2_MODEL_BV, C3_MODEL, C3_MODEL_BV,
    CAT_RECEN, COUE, DEROUL_MARC, DPT17, DPT2, DPT3, DPT4, DPT5, DPT6, DPT7, DPT8, DouzeBlancs,
    ELV_V, ET1, ET12, ET4, FAB_REP, FIL_V, FR, HuitBlancs, HuitBlancsFal, MORTNE, NB, NOUU, P17,
    P18, P5, P6, P7, P8, PROD, PROD_E, PROD_EV, SEX, TCEE, TCEP, TCME, TCMS, TECH, TEMOIN, TOUN,
    TOUQ, TTE, TYP_COM, TYP_IDENT, TYP_NUMERO, UN, UNETCINQ, UTIL_BOUC, ZERO, cinqBlancs,
    quatorzeBlancs, quatreBlancs, soixanteBlancs, trenteBlancs, versionVSE, vingtBlancs;

// Long lists, written out or built by rule.
extern const Liste TD, TDD, TDC, TP, TCPNOCEE, TCPNOECH, TR, TRG, TRSCRE, TRSMOD;

// Pair and triple lists.
extern const Liste IND_M, NEV;

// Lists whose content differs between the main program and the variants
// (the transaction and VSE types of the main program are lists of the ERRE
// layout too).
namespace principal {
extern const Liste TEC, TEDC, tE5, tE6;
}
namespace variante {
extern const Liste TEC, TEDC;
}

// A long list of this module as sorted keys for a binary search: each entry
// (at most 8 characters) packed into an integer, its characters from the most
// significant byte, so that the keys sort as the texts do.
struct ListeTriee {
    const tValAutorise* entrees;
    int n;
    const std::uint64_t* cles;  // n keys, sorted
};

// The key of a text of at most 8 characters; false for a longer text.
inline bool cleDe(const char* s, std::uint64_t& cle) {
    std::uint64_t k = 0;
    int i = 0;
    for (; i < 8 && s[i] != '\0'; ++i) k = (k << 8) | static_cast<unsigned char>(s[i]);
    if (i == 8 && s[8] != '\0') return false;
    cle = i == 0 ? 0 : k << (8 * (8 - i));
    return true;
}

// The sorted keys of a long list of this module, the list being known by the
// address of its entries and their number; nullptr for any other list.
const ListeTriee* listeTriee(const tValAutorise* entrees, int n);

}  // namespace vse
