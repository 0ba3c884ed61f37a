// Basic value checks: allowed values, mandatory fields, blanks, the VSE type
// allowed per transaction type, and the two date primitives.
#pragma once

#include "model/vse.hpp"
#include "rules/texte.hpp"
#include "rules/valautorise.hpp"

namespace vse {

enum esupInf { SUP = 0, INF = 1 };
enum eCouI { COMPLETE = 0, INCOMPLETE = 1 };

// The lists of VSE types allowed per transaction type; each program has its own.
struct ListesE6 {
    Liste CRE, DEM, INV, EDI, MOD, INF;
};

VSE_REGLE(fVerifValAut);
VSE_REGLE(fVerifDiffNull);
VSE_REGLE(fVerifAucunBlanc);
VSE_REGLE(fVerifAucunBlanc_SD);
VSE_REGLE(fVerifAucunBlanc_SDN);

// The value equals an entry of the list, plainly: the partner codes get no
// exception here. A list without entries holds nothing. Indexed lists are
// looked up by their keys; the others are walked, an entry whose first
// character differs passed at once, the others compared in place.
inline bool egalAUneEntree(const char* champ, const tValAutorise* liste, int n) {
    if (n >= 4) {
        if (const IndexListe* index = indexDe(liste, n)) return dansIndex(*index, champ);
    }
    if (liste == nullptr) return false;
    const char premier = champ[0];
    for (int i = 0; i < n; ++i)
        if (liste[i][0] == premier && memeTexte(champ, liste[i])) return true;
    return false;
}

// The value is one of the four partner codes accepted by every allowed-value
// test, whatever the list: "NORMABEV", "NORM01  ", "NORM02  ", "PFOC01  ".
inline bool codePartenaire(const char* champ) {
    if (champ[0] == 'N') return vaut(champ, "NORMABEV") || vaut(champ, "NORM01  ") || vaut(champ, "NORM02  ");
    return champ[0] == 'P' && vaut(champ, "PFOC01  ");
}

// The allowed-value test on its own (the four partner codes pass any list).
inline bool estDans(const char* champ, const tValAutorise* liste, int n) {
    return codePartenaire(champ) || egalAUneEntree(champ, liste, n);
}

inline bool egalAUneEntree(const char* champ, const Liste& l) { return egalAUneEntree(champ, l.v, l.n); }
inline bool estDans(const char* champ, const Liste& l) { return estDans(champ, l.v, l.n); }

// The text of the one character c (the empty text when c is the zero) equals
// an entry of the list.
inline bool caractereDansListe(char c, const tValAutorise* liste, int n) {
    if (n >= 4) {
        if (const IndexListe* index = indexDe(liste, n)) {
            if (c == '\0') return index->vide;
            return index::trouve(*index, std::uint64_t{static_cast<unsigned char>(c)} << 56);
        }
    }
    for (int i = 0; liste != nullptr && i < n; ++i)
        if (liste[i][0] == c && (c == '\0' || liste[i][1] == '\0')) return true;
    return false;
}

// The first lg characters of the value (lg from 1 to 8) equal the first lg
// of an entry; an entry shorter than that only matches a value just as short.
// A list whose entries all have lg characters is looked up by its index.
inline bool debutDansListe(const char* champ, const tValAutorise* liste, int n, int lg = 2) {
    if (n >= 4) {
        const IndexListe* index = indexDe(liste, n);
        if (index != nullptr && index->largeur == lg) return debutDansIndex(*index, champ, lg);
    }
    for (int i = 0; liste != nullptr && i < n; ++i)
        if (memesDebuts(champ, liste[i], lg)) return true;
    return false;
}

// VSE type (champ) allowed for the transaction type (dependance), by the
// program's lists.
int fVerifDepE6(const ListesE6& listes, const char* dependance, const char* champ);

// The value is empty or all blanks. The walk goes four characters a turn,
// each read after a blank, so never past the terminating zero.
inline int champVide(const char* champ) {
    for (;; champ += 4) {
        if (champ[0] != ' ') return champ[0] == '\0' ? 1 : 0;
        if (champ[1] != ' ') return champ[1] == '\0' ? 1 : 0;
        if (champ[2] != ' ') return champ[2] == '\0' ? 1 : 0;
        if (champ[3] != ' ') return champ[3] == '\0' ? 1 : 0;
    }
}

// Dates JJMMSSAA compared in the order century, year, month, day. The
// reference date reads as written; in the date under test a blank reads as
// the digit 0. A date that ends before its eighth character reads as its
// field padded with blanks. The result is negative, zero or positive as the
// reference is before, on or after the date.
int comparerDates(const char* reference, const char* date);

// The same against a reference date read once (dateReference,
// rules/valautorise.hpp).
int comparerDates(const DateReference& reference, const char* date);

// 1 when the date `champ` is not after (INF) or not before (SUP) the
// reference date `dependance`.
int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf supInf);
int fDATECouI(char* champ, eCouI couI);
int verifDateCompleteEtCorrecte(const char* champ);

}  // namespace vse
