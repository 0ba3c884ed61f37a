// National identifier rules. Every fixed-position test walks the value from
// its first character and stops at the first mismatch, so a value shorter
// than its field fails on its terminating zero and is never read past it.
#include "rules/identifiants.hpp"

#include <cstring>

#include "rules/valautorise.hpp"

namespace vse {

namespace {

bool estAlphanum(char c) { return estChiffre(c) || estLettre(c); }

bool commencePar(const char* s, const char* prefixe, std::size_t n) {
    return memesDebuts(s, prefixe, static_cast<int>(n));
}


// The first two characters of `s` as a text (shorter when `s` is).
struct Prefixe2 {
    char t[3] = {};
    explicit Prefixe2(const char* s) {
        for (int i = 0; i < 2 && s[i] != '\0'; ++i) t[i] = s[i];
    }
};

// `c` is one of the characters of `ensemble` (never the terminating zero).
bool unDe(char c, const char* ensemble) { return c != '\0' && std::strchr(ensemble, c) != nullptr; }

bool estFR(const char* pays) { return egal(pays, "FR"); }

// An absent number: twelve blanks or twelve asterisks.
bool numeroAbsent(const char* champ) { return estDans(champ, DouzeBlancs) || estDans(champ, ET12); }

// ---------------------------------------------------------------------------
// Département-prefixed numbers: one body, one layout per member.

struct FormeDept {
    int chiffres;    // digits required, the prefix included
    int blancs;      // blanks required after the digits
    bool finExigee;  // the blanks close the value
};

//                            chiffres blancs finExigee
constexpr FormeDept FORME_8   {8,       4,     true};   // holding number
constexpr FormeDept FORME_8C  {8,       0,     false};  // holding number, any tail
constexpr FormeDept FORME_10  {10,      2,     true};   // animal number
constexpr FormeDept FORME_10L {10,      0,     false};  // animal number, any tail

// Overseas départements allowed after the prefix "97": 971 to 976 except 975.
bool dom97Valide(const char* champ) {
    return std::strncmp(champ, "971", 3) >= 0 && std::strncmp(champ, "976", 3) <= 0 &&
           !commencePar(champ, "975", 3);
}

int conformeDept(const FormeDept& f, const char* champ, const tValAutorise* liste, int n) {
    bool trouve = false;
    for (int i = 0; i < n && !trouve; ++i) trouve = commencePar(liste[i], champ, 2);
    if (!trouve) return 0;
    if (commencePar(champ, "97", 2) && !dom97Valide(champ)) return 0;
    if (!chiffres(champ, 0, f.chiffres)) return 0;
    if (f.finExigee && !blancsPuisFin(champ, f.chiffres, f.blancs)) return 0;
    return 1;
}

// ---------------------------------------------------------------------------
// Establishment numbers.

// `pair` is one of the comma-separated prefixes of `liste` (a prefix that
// straddles a comma is no prefix).
bool dansListePrefixes(const char* liste, const char* pair) {
    const std::size_t lg = std::strlen(pair);
    for (const char* p = liste;;) {
        const char* virgule = std::strchr(p, ',');
        const std::size_t lgElem = virgule ? static_cast<std::size_t>(virgule - p) : std::strlen(p);
        if (lgElem == lg && std::strncmp(p, pair, lg) == 0) return true;
        if (!virgule) return false;
        p = virgule + 1;
    }
}

// Identifier with letters: a prefix listed in `nev` (centre code, prefixes),
// a letter and two digits.
bool egetLettres(const char* champ, const tValAutorise* nev, int n) {
    if (n < 2) return false;
    const Prefixe2 pair(champ);
    if (std::strlen(pair.t) < 2) return false;
    bool trouve = false;
    for (int i = 0; i + 1 < n && !trouve; i += 2) trouve = dansListePrefixes(nev[i + 1], pair.t);
    return trouve && estLettre(champ[2]) && chiffres(champ, 3, 2);
}

// Overseas prefixes of an identifier with a département, in test order.
constexpr const char* EGET_DOM[] = {"971", "97A", "97C", "97D", "972", "97B", "973", "976"};

// Identifier with a département: the département, then three digits or letters.
bool egetDepartement(const char* champ) {
    if (commencePar(champ, "97", 2)) {
        bool trouve = false;
        for (const char* dom : EGET_DOM) trouve = trouve || commencePar(champ, dom, 3);
        return trouve && estAlphanum(champ[3]) && estAlphanum(champ[4]);
    }
    const bool horsListe =
        commencePar(champ, "98", 2) || commencePar(champ, "2A", 2) || commencePar(champ, "2B", 2);
    if (!horsListe && !estDans(Prefixe2(champ).t, TD)) return false;
    return estAlphanum(champ[2]) && estAlphanum(champ[3]) && estAlphanum(champ[4]);
}

// The two-character prefix equals an entry of TD.
bool prefixeDansTD(const char* champ) {
    const Prefixe2 p(champ);
    for (int i = 0; i < TD.n; ++i) {
        if (egal(TD.v[i], p.t)) return true;
    }
    return false;
}

// Member states recognised by their fixed two-letter codes.
constexpr const char* ETATS_UE[] = {"DE", "AT", "BE", "DK", "ES", "FI", "FR", "EL",
                                    "IE", "LU", "NL", "PT", "UK", "SE", "IT"};

// Doubled digit with its digits summed, for the Luhn check.
constexpr int LUHN_DOUBLE[] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};

}  // namespace

// ---------------------------------------------------------------------------

VSE_REGLE(fConform8) { return conformeDept(FORME_8, champ, sverif, lenSverif); }
VSE_REGLE(fConform8C) { return conformeDept(FORME_8C, champ, sverif, lenSverif); }
VSE_REGLE(fConform10) { return conformeDept(FORME_10, champ, sverif, lenSverif); }
VSE_REGLE(fConform) { return conformeDept(FORME_10L, champ, sverif, lenSverif); }

VSE_REGLE(fConform8FR) {
    if (!estFR(dependance)) return 1;
    return fConform8(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform8FRnon) {
    if (estFR(dependance) || egal(dependance, "  ")) return 1;
    return fVerifAucunBlanc_SD(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fCONFORM8FRNULL) {
    if (numeroAbsent(champ)) return 1;
    return fConform8FR(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FR) {
    if (!estFR(dependance)) return 1;
    return fConform10(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FRnon) {
    if (estFR(dependance)) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FRnonECHAnon) {
    if (estDans(dependance, TECH)) return 1;
    return fConform10(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FRnonUEnon) {
    if (estDans(dependance, TCEE)) return 1;
    return fConform10(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FRnonECHAoui) {
    if (!estDans(dependance, TECH) || estFR(dependance)) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FRnonUEoui) {
    if (!estDans(dependance, TCEE) || estFR(dependance)) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fCONFORM10FRNULL) {
    if (numeroAbsent(champ)) return 1;
    return fConform10FR(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fVerifNumEtranger) {
    int fin = -1;  // position of the last non-blank character
    for (int i = 0; champ[i] != '\0'; ++i) {
        if (champ[i] != ' ') fin = i;
    }
    if (fin < 0) return 0;
    for (int i = 0; i <= fin; ++i) {
        if (!estAlphanum(champ[i])) return 0;
    }
    return commencePar(champ, dependance, 2) ? 0 : 1;
}

VSE_REGLE(fVerifNumEtrangerN) {
    if (numeroAbsent(champ)) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform3) {
    for (int i = 0; i < lenSverif; ++i) {
        if (commencePar(champ, sverif[i], 3)) return 1;
    }
    return 0;
}

VSE_REGLE(fConformSiren) {
    if (egal(champ, "              ")) return 1;
    for (int i = 0; i < 9; ++i) {
        if (champ[i] == ' ' || champ[i] == '\0') return 0;
    }
    return blancsPuisFin(champ, 9, 5) ? 1 : 0;
}

VSE_REGLE(fConformSiret) {
    if (egal(champ, "              ")) return 1;
    for (int i = 0; i < 14; ++i) {
        if (champ[i] == ' ' || champ[i] == '\0') return 0;
    }
    return 1;
}

VSE_REGLE(fConformEget) {
    const char* production = vue.C(C4);
    bool forme;
    if (egal(production, "V")) {
        forme = egetLettres(champ, sverif, lenSverif);
    } else if (egal(production, "P")) {
        forme = egetDepartement(champ);
    } else {
        return 0;
    }
    return forme && blancsPuisFin(champ, 5, 7) ? 1 : 0;
}

int verifNumExploitFr(const char* champ) {
    return chiffres(champ, 0, 8) && blancs(champ, 8, 4) && prefixeDansTD(champ) ? 1 : 0;
}

int verifNumBovinFrOuImporte(const char* champ) {
    if (!chiffres(champ, 0, 10) || !blancs(champ, 10, 2)) return 0;
    if (!estDans(Prefixe2(champ).t, TD)) return 0;
    if (!commencePar(champ, "97", 2)) return 1;
    return unDe(champ[2], "1234") ? 1 : 0;
}

int verifNumAgrementSanitaireFr(const char* champ) {
    for (int i = 0; i < 7; ++i) {
        const bool corse = i == 1 && champ[0] == '2' && (champ[1] == 'A' || champ[1] == 'B');
        if (!estChiffre(champ[i]) && !corse) return 0;
    }
    if (!estChiffre(champ[7]) && champ[7] != ' ') return 0;
    if (!blancs(champ, 8, 4)) return 0;
    const Prefixe2 p(champ);
    if (!egal(p.t, "2A") && !egal(p.t, "2B")) {
        if (!prefixeDansTD(champ) || egal(p.t, "20") || egal(p.t, "98")) return 0;
    }
    if (!egal(p.t, "97")) return 1;
    return unDe(champ[2], "05789") ? 0 : 1;
}

int appartient_UE(const char* s) {
    for (const char* etat : ETATS_UE) {
        if (egal(s, etat)) return 1;
    }
    return 0;
}

int fVerifLuhn(const char* chaine) {
    const int lg = static_cast<int>(std::strlen(chaine));
    int totalImpair = 0;
    int totalPair = 0;
    for (int i = lg - 1, rang = 1; i >= 0; --i, ++rang) {
        if (!estChiffre(chaine[i])) return 0;
        const int chiffre = chaine[i] - '0';
        if (rang % 2 == 1) {
            totalImpair += chiffre;
        } else {
            totalPair += LUHN_DOUBLE[chiffre];
        }
    }
    return (totalImpair + totalPair) % 10 == 0 ? 1 : 0;
}

}  // namespace vse
