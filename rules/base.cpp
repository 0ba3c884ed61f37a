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
    std::uint64_t k = 0;
    if (lg == 8) {
        auto b = [s](int i) { return std::uint64_t{static_cast<unsigned char>(s[i])}; };
        k = b(4) << 56 | b(5) << 48 | b(6) << 40 | b(7) << 32 | b(2) << 24 | b(3) << 16 | b(0) << 8 | b(1);
    } else {
        k = c(4) << 56 | c(5) << 48 | c(6) << 40 | c(7) << 32 | c(2) << 24 | c(3) << 16 | c(0) << 8 | c(1);
    }
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

}  // namespace

VSE_REGLE(fVerifValAut) { return estDans(champ, sverif, lenSverif) ? 1 : 0; }

VSE_REGLE(fVerifDiffNull) { return egalAUneEntree(champ, sverif, lenSverif) ? 0 : 1; }

VSE_REGLE(fVerifAucunBlanc) { return std::strchr(champ, ' ') == nullptr ? 1 : 0; }

VSE_REGLE(fVerifAucunBlanc_SD) {
    const int lg = static_cast<int>(std::strlen(champ));
    if (lg == 0) return 1;
    int dernier = lg - 1;
    while (dernier >= 0 && champ[dernier] == ' ') --dernier;
    if (dernier < 0) return 0;
    for (int i = 0; i <= dernier; ++i)
        if (champ[i] == ' ') return 0;
    return 1;
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

int champVide(const char* champ) {
    for (const char* p = champ; *p != '\0'; ++p)
        if (*p != ' ') return 0;
    return 1;
}

int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf supInf) {
    const std::uint64_t reference = formeComparable(dependance, false);
    const std::uint64_t date = formeComparable(champ, true);
    return (supInf == INF ? reference >= date : reference <= date) ? 1 : 0;
}

namespace {

// The month step: an explicit month 00 gets a blank so that it fails.
void etapeMois(char* champ) {
    if (carOuNul(champ, 2) == '0' && carOuNul(champ, 3) == '0') champ[2] = ' ';
}

// Incomplete dates: a blank day (or blank day and month) reads as zero,
// while an explicit 00 day or 00 month is turned into a blank. Only
// characters that exist are rewritten.
void normaliserIncomplete(char* champ) {
    const char j1 = carOuNul(champ, 0);
    const char j2 = carOuNul(champ, 1);
    if (j1 == ' ' && j2 != ' ') {
        etapeMois(champ);
    } else if (j1 == ' ' && j2 == ' ' && carOuNul(champ, 2) == ' ' && carOuNul(champ, 3) == ' ') {
        std::memcpy(champ, "0000", 4);
    } else if (j1 == ' ' && j2 == ' ') {
        champ[0] = '0';
        champ[1] = '0';
        etapeMois(champ);
    } else if (j1 == '0' && j2 == '0') {
        champ[0] = ' ';
    } else {
        etapeMois(champ);
    }
}

}  // namespace

int fDATECouI(char* champ, eCouI couI) {
    if (couI == INCOMPLETE) normaliserIncomplete(champ);
    // Eight digits, read in one walk that stops at the first other character
    // (the end of a shorter value included).
    int d[8];
    for (int i = 0; i < 8; ++i) {
        const unsigned c = static_cast<unsigned char>(champ[i]) - static_cast<unsigned>('0');
        if (c > 9) return 0;
        d[i] = static_cast<int>(c);
    }
    const int jour = d[0] * 10 + d[1];
    const int mois = d[2] * 10 + d[3];
    const int annee = ((d[4] * 10 + d[5]) * 10 + d[6]) * 10 + d[7];
    int valide = 0;
    if (couI == INCOMPLETE)
        valide = DateCalc_check_date(annee, mois == 0 ? 1 : mois, jour == 0 ? 1 : jour);
    else
        valide = jour != 0 && DateCalc_check_date(annee, mois, jour);
    return annee > 1899 ? valide : 0;
}

int verifDateCompleteEtCorrecte(const char* champ) {
    if (std::strlen(champ) != 8 || !chiffres(champ, 0, 8)) return 0;
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
