// Basic value checks shared by every layout: allowed values, mandatory
// fields, blanks, the VSE type per transaction type, and the two date
// primitives (order of two dates, validity of one date).
#include "rules/base.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "datecalc/datecalc.hpp"
#include "rules/valautorise.hpp"

namespace vse {

namespace {

// Markers that fVerifAucunBlanc_SDN accepts as a whole value.
constexpr const char* douzeBlancs = "            ";
constexpr const char* douzeEtoiles = "************";

// The date JJMMSSAA of `s` reordered to SSAAMMJJ and packed into an integer,
// its first character in the high byte, so that dates compare as the
// reordered texts do. A value cut short reads as its blank-padded field; with
// blancEnZero, blanks read as the digit 0.
std::uint64_t formeComparable(const char* s, bool blancEnZero) {
    int lg = 0;
    while (lg < 8 && s[lg] != '\0') ++lg;
    // The characters of a date cut short are blanks past its end.
    auto c = [s, lg](int i) { return std::uint64_t{i < lg ? static_cast<unsigned char>(s[i]) : static_cast<unsigned char>(' ')}; };
    std::uint64_t k = c(4) << 56 | c(5) << 48 | c(6) << 40 | c(7) << 32 | c(2) << 24 | c(3) << 16 | c(0) << 8 | c(1);
    if (blancEnZero) {
        // Each blank byte (0x20) becomes the digit 0 (0x30): the bytes equal
        // to 0x20 found at once, their bit 0x10 set.
        constexpr std::uint64_t sept = 0x7F7F7F7F7F7F7F7FULL;
        const std::uint64_t t = k ^ 0x2020202020202020ULL;  // a blank byte is 0 here
        const std::uint64_t nuls = ~(((t & sept) + sept) | t | sept);  // 0x80 in each byte that is 0
        k |= nuls >> 3;
    }
    return k;
}

// The positions of a date JJMMSSAA in the order its characters are compared:
// century, year, month, day.
constexpr int ORDRE_DATE[8] = {4, 5, 6, 7, 2, 3, 0, 1};

// A character of the date under test as it is compared: a blank reads as 0.
inline unsigned char lu(char c) { return c == ' ' ? static_cast<unsigned char>('0') : static_cast<unsigned char>(c); }

inline int signe(std::uint64_t a, std::uint64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Two dates one of which is cut short, compared by their padded forms: kept
// apart from the walk of whole dates, which then needs fewer registers.
[[gnu::noinline]] int comparerFormes(const char* reference, const char* date) {
    return signe(formeComparable(reference, false), formeComparable(date, true));
}
[[gnu::noinline]] int comparerFormes(std::uint64_t reference, const char* date) {
    return signe(reference, formeComparable(date, true));
}

inline bool quatrePremiers(const char* s) { return s[0] != '\0' && s[1] != '\0' && s[2] != '\0' && s[3] != '\0'; }

}  // namespace

VSE_REGLE(fVerifValAut) { return estDans(champ, sverif, lenSverif) ? 1 : 0; }

VSE_REGLE(fVerifDiffNull) { return egalAUneEntree(champ, sverif, lenSverif) ? 0 : 1; }

VSE_REGLE(fVerifAucunBlanc) { return std::strchr(champ, ' ') == nullptr ? 1 : 0; }

// No blank before the last non-blank character, in one walk: a blank
// followed by a non-blank is an inner blank. An empty value passes, an
// all-blank one fails.
VSE_REGLE(fVerifAucunBlanc_SD) {
    if (champ[0] == '\0') return 1;
    bool blanc = false;
    bool signe = false;
    for (const char* p = champ; *p != '\0'; ++p) {
        if (*p == ' ') {
            blanc = true;
        } else {
            if (blanc) return 0;
            signe = true;
        }
    }
    return signe ? 1 : 0;
}

VSE_REGLE(fVerifAucunBlanc_SDN) {
    if (egal(champ, douzeBlancs) || egal(champ, douzeEtoiles)) return 1;
    return fVerifAucunBlanc_SD(vue, dependance, champ, sverif, lenSverif);
}

int fVerifDepE6(const ListesE6& listes, const char* dependance, const char* champ) {
    // Tested in the order CRE, DEM, ECQ (every VSE type passes), EDI, INV,
    // MOD, INF; a transaction type not listed fails.
    const Liste* liste = nullptr;
    if (vaut(dependance, "CRE")) {
        liste = &listes.CRE;
    } else if (vaut(dependance, "DEM")) {
        liste = &listes.DEM;
    } else if (vaut(dependance, "ECQ")) {
        return 1;
    } else if (vaut(dependance, "EDI")) {
        liste = &listes.EDI;
    } else if (vaut(dependance, "INV")) {
        liste = &listes.INV;
    } else if (vaut(dependance, "MOD")) {
        liste = &listes.MOD;
    } else if (vaut(dependance, "INF")) {
        liste = &listes.INF;
    } else {
        return 0;
    }
    return estDans(champ, *liste) ? 1 : 0;
}

// Both dates are compared character by character in the order century,
// year, month, day, up to the first difference. A date that ends before its
// eighth character is compared by its whole padded form instead.
int comparerDates(const char* reference, const char* date) {
    if (quatrePremiers(reference) && quatrePremiers(date)) {
        int i = 4;
        for (; i < 8; ++i) {
            // Equal characters are both the zero or neither: one test tells
            // whether both dates go on.
            const auto r = static_cast<unsigned char>(reference[i]);
            const unsigned char d = lu(date[i]);
            if (r != d) {
                if (r == 0 || d == 0) break;
                return r < d ? -1 : 1;
            }
            if (r == 0) break;
        }
        if (i == 8) {
            // Eight characters on both sides: the month and day are there.
            for (int k = 4; k < 8; ++k) {
                const int j = ORDRE_DATE[k];
                const auto r = static_cast<unsigned char>(reference[j]);
                const unsigned char d = lu(date[j]);
                if (r != d) return r < d ? -1 : 1;
            }
            return 0;
        }
    }
    return comparerFormes(reference, date);
}

int comparerDates(const DateReference& reference, const char* date) {
    if (quatrePremiers(date)) {
        for (int k = 0; k < 4; ++k) {
            const char d = date[4 + k];
            if (d == '\0') return comparerFormes(reference.cle, date);
            if (reference.c[k] != lu(d)) return reference.c[k] < lu(d) ? -1 : 1;
        }
        for (int k = 4; k < 8; ++k) {
            const unsigned char d = lu(date[ORDRE_DATE[k]]);
            if (reference.c[k] != d) return reference.c[k] < d ? -1 : 1;
        }
        return 0;
    }
    return comparerFormes(reference.cle, date);
}

int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf supInf) {
    const int c = comparerDates(dependance, champ);
    return (supInf == INF ? c >= 0 : c <= 0) ? 1 : 0;
}

namespace {

// Incomplete dates: a blank day (or blank day and month) reads as zero,
// while an explicit 00 day or 00 month is turned into a blank so that it
// fails. Only characters that exist are read or rewritten.
void normaliserIncomplete(char* champ) {
    const char j1 = champ[0];
    const char j2 = j1 != '\0' ? champ[1] : '\0';
    const char m1 = j2 != '\0' ? champ[2] : '\0';
    const char m2 = m1 != '\0' ? champ[3] : '\0';
    // The month step: an explicit month 00 gets a blank.
    const bool mois00 = m1 == '0' && m2 == '0';
    if (j1 == ' ' && j2 == ' ' && m1 == ' ' && m2 == ' ') {
        std::memcpy(champ, "0000", 4);
    } else if (j1 == ' ' && j2 == ' ') {
        champ[0] = '0';
        champ[1] = '0';
        if (mois00) champ[2] = ' ';
    } else if (j1 == '0' && j2 == '0') {
        champ[0] = ' ';
    } else if (mois00) {
        champ[2] = ' ';
    }
}

}  // namespace

int fDATECouI(char* champ, eCouI couI) {
    if (couI == INCOMPLETE) normaliserIncomplete(champ);
    // Eight digits, read in one walk that stops at the first other character
    // (the end of a shorter value included).
    unsigned d[8];
    for (int i = 0; i < 8; ++i) {
        d[i] = static_cast<unsigned char>(champ[i]) - static_cast<unsigned>('0');
        if (d[i] > 9) return 0;
    }
    const int annee = static_cast<int>(((d[4] * 10 + d[5]) * 10 + d[6]) * 10 + d[7]);
    if (annee < 1900) return 0;
    const int jour = static_cast<int>(d[0] * 10 + d[1]);
    const int mois = static_cast<int>(d[2] * 10 + d[3]);
    if (couI == INCOMPLETE) return DateCalc_check_date(annee, mois == 0 ? 1 : mois, jour == 0 ? 1 : jour);
    return DateCalc_check_date(annee, mois, jour);
}

int verifDateCompleteEtCorrecte(const char* champ) {
    if (!chiffresIci(champ, 8) || champ[8] != '\0') return 0;
    const int jour = nombre(champ, 0, 2);
    const int mois = nombre(champ, 2, 2);
    const int annee = nombre(champ, 4, 4);
    if (annee < 1900 || mois < 1 || mois > 12 || jour < 1 || jour > 31) return 0;
    if (jour == 31 && (mois == 2 || mois == 4 || mois == 6 || mois == 9 || mois == 11)) return 0;
    if (mois == 2) {
        if (jour == 30) return 0;
        const bool bissextile = annee % 4 == 0 && (annee % 100 != 0 || annee % 400 == 0);
        if (jour == 29 && !bissextile) return 0;
    }
    return 1;
}

}  // namespace vse
