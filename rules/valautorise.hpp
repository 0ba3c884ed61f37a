// Allowed-value lists shared by the four programs. Entries are compared whole,
// blanks included; pair and triple lists are read in fixed groups in the order
// given, so the order of entries matters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

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

// Every list of this module, for the index below.
std::span<const Liste* const> listesDuModule();

// A reference date JJMMSSAA that does not change, in the form dates are
// compared in (comparerDates, rules/base.hpp): its eight characters in the
// order century, year, month, day, a date cut short padded with blanks, and
// the same packed into an integer, its first character in the high byte.
struct DateReference {
    unsigned char c[8];
    std::uint64_t cle;
};

constexpr DateReference dateReference(const char* date) {
    constexpr int ordre[8] = {4, 5, 6, 7, 2, 3, 0, 1};
    int lg = 0;
    while (lg < 8 && date[lg] != '\0') ++lg;
    DateReference r{};
    for (int k = 0; k < 8; ++k) {
        const int i = ordre[k];
        r.c[k] = i < lg ? static_cast<unsigned char>(date[i]) : static_cast<unsigned char>(' ');
        r.cle |= std::uint64_t{r.c[k]} << (56 - 8 * k);
    }
    return r;
}

// The dates of the phase lists P5 to P17 in that form, fixed when the
// program is built.
extern const DateReference PHASE_P5, PHASE_P6, PHASE_P7, PHASE_P8, PHASE_P17;

// An index of allowed-value lists by the address of their entries: a list of
// at least four entries, each of at most eight characters, is held as a table
// of 64-bit keys (open addressing by a multiplicative hash, half empty); any
// other list is walked. The lists of this module are indexed from the start;
// each run indexes the lists its program's rows and pack name (indexerListe).
// A list is only ever known by the address of constant data, so an index
// never outlives its list. A lookup costs the packing of the value and one or
// two probes, whatever the list's length.
void indexerListe(const Liste& l);

struct IndexListe {
    const std::uint64_t* cases;  // keys; 0 marks an empty slot
    std::uint32_t masque;        // slots - 1
    std::uint8_t decalage;       // 64 - log2(slots)
    std::uint8_t largeur;        // the width of every entry, 0 when they differ
    bool vide;                   // the list holds the empty text
};

namespace index {
inline constexpr std::uint64_t MELANGE = 0x9E3779B97F4A7C15ULL;

// The key of a text of one to eight characters, its first character in the
// high byte; false for a longer text (no entry of an indexed list is one).
// The walk stops at the terminating zero.
inline bool cle(const char* s, std::uint64_t& k) {
    k = 0;
    for (int i = 0; i < 8; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 0) return true;
        k |= std::uint64_t{c} << (56 - 8 * i);
    }
    return s[8] == '\0';
}

// The key of the first n characters of a text (n from 1 to 8); false when the
// text ends before them.
inline bool cleDuDebut(const char* s, int n, std::uint64_t& k) {
    k = 0;
    for (int i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 0) return false;
        k |= std::uint64_t{c} << (56 - 8 * i);
    }
    return true;
}

// The lists known, by the address of their entries, with their index. A
// list that is walked is known with the count -1, which no lookup gives.
struct Case {
    const tValAutorise* entrees;
    int n;
    IndexListe index;
};
static_assert(sizeof(void*) != 8 || sizeof(Case) == 32, "a slot is found by a shift");
inline constexpr int BITS_ANNUAIRE = 9;
extern Case annuaire[1 << BITS_ANNUAIRE];

inline std::size_t caseDe(const tValAutorise* entrees) {
    const auto a = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(entrees));
    return static_cast<std::size_t>((a * MELANGE) >> (64 - BITS_ANNUAIRE));
}

// The non-zero key is one of the index's.
inline bool trouve(const IndexListe& ix, std::uint64_t k) {
    for (std::size_t c = static_cast<std::size_t>((k * MELANGE) >> ix.decalage);; c = (c + 1) & ix.masque) {
        if (ix.cases[c] == k) return true;
        if (ix.cases[c] == 0) return false;
    }
}
}  // namespace index

// The index of a list, or nullptr when the list is walked.
inline const IndexListe* indexDe(const tValAutorise* entrees, int n) {
    constexpr std::size_t masque = (1 << index::BITS_ANNUAIRE) - 1;
    for (std::size_t c = index::caseDe(entrees); index::annuaire[c].entrees != nullptr; c = (c + 1) & masque) {
        const index::Case& e = index::annuaire[c];
        if (e.entrees == entrees) return e.n == n ? &e.index : nullptr;
    }
    return nullptr;
}

// The text is one of the indexed list's entries.
inline bool dansIndex(const IndexListe& ix, const char* texte) {
    std::uint64_t k = 0;
    if (!index::cle(texte, k)) return false;
    if (k == 0) return ix.vide;
    return index::trouve(ix, k);
}

// The first n characters of the text are one of the entries of an indexed
// list whose entries all have n characters (ix.largeur).
inline bool debutDansIndex(const IndexListe& ix, const char* texte, int n) {
    std::uint64_t k = 0;
    return index::cleDuDebut(texte, n, k) && index::trouve(ix, k);
}

}  // namespace vse
