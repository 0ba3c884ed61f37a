// National identifier rules. Every fixed-position test walks the value from
// its first character and stops at the first mismatch, so a value shorter
// than its field fails on its terminating zero and is never read past it.
#include "rules/identifiants.hpp"

#include <cstring>

#include "rules/valautorise.hpp"

namespace vse {

namespace {

// The value is the two-letter code (compared in place).
bool estFR(const char* pays) { return vaut(pays, "FR"); }

// An absent number: twelve blanks or twelve asterisks (the partner codes
// pass as with any allowed-value test).
bool numeroAbsent(const char* champ) {
    return codePartenaire(champ) || egalAUneEntree(champ, DouzeBlancs) || egalAUneEntree(champ, ET12);
}

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

// After the prefix "97", the third digit names an overseas département: 971
// to 976 except 975.
bool dom97Valide(char troisieme) { return troisieme >= '1' && troisieme <= '6' && troisieme != '5'; }

int conformeDept(const FormeDept& f, const char* champ, const tValAutorise* liste, int n) {
    if (!debutDansListe(champ, liste, n)) return 0;
    if (!chiffresIci(champ, f.chiffres)) return 0;
    // The digits are there: characters 0 to 2 can be read.
    if (champ[0] == '9' && champ[1] == '7' && !dom97Valide(champ[2])) return 0;
    if (f.finExigee && !(blancsIci(champ + f.chiffres, f.blancs) && champ[f.chiffres + f.blancs] == '\0')) return 0;
    return 1;
}

// ---------------------------------------------------------------------------
// Establishment numbers.

// The two characters a, b (neither the zero) are one of the comma-separated
// elements of `liste`, walked in place: an element of another width, or a
// pair straddling a comma, is none.
bool paireDansListe(const char* liste, char a, char b) {
    if (a == ',' || b == ',') return false;
    for (const char* p = liste;;) {
        // p is at the start of an element; p[1] exists when p[0] is a, p[2]
        // when p[1] is b.
        if (p[0] == a && p[1] == b && (p[2] == ',' || p[2] == '\0')) return true;
        while (*p != ',' && *p != '\0') ++p;
        if (*p == '\0') return false;
        ++p;
    }
}

// Identifier with letters: a prefix listed in `nev` (centre code, prefixes),
// a letter and two digits. The characters are tested before the list is
// walked.
bool egetLettres(const char* champ, const tValAutorise* nev, int n) {
    if (n < 2 || champ[0] == '\0' || champ[1] == '\0') return false;
    if (!estLettre(champ[2]) || !chiffresIci(champ + 3, 2)) return false;
    for (int i = 0; i + 1 < n; i += 2)
        if (paireDansListe(nev[i + 1], champ[0], champ[1])) return true;
    return false;
}

// Overseas prefixes of an identifier with a département, in test order.
constexpr const char* EGET_DOM[] = {"971", "97A", "97C", "97D", "972", "97B", "973", "976"};

// Identifier with a département: the département, then three digits or letters.
bool egetDepartement(const char* champ) {
    if (champ[0] == '9' && champ[1] == '7') {
        bool trouve = false;
        for (const char* dom : EGET_DOM) trouve = trouve || champ[2] == dom[2];
        // Characters 0 to 2 are non-zero when found: 3 and 4 can be read in turn.
        return trouve && estAlphanum(champ[3]) && estAlphanum(champ[4]);
    }
    const bool horsListe =
        commencePar(champ, "98") || commencePar(champ, "2A") || commencePar(champ, "2B");
    if (!horsListe && !debutDansListe(champ, TD.v, TD.n)) return false;
    return estAlphanum(champ[2]) && estAlphanum(champ[3]) && estAlphanum(champ[4]);
}

// Member states recognised by their fixed two-letter codes.
constexpr const char* ETATS_UE[] = {"DE", "AT", "BE", "DK", "ES", "FI", "FR", "EL",
                                    "IE", "LU", "NL", "PT", "UK", "SE", "IT"};

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
    if (estFR(dependance) || vaut(dependance, "  ")) return 1;
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
    if (estFR(dependance) || !estDans(dependance, TECH)) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fConform10FRnonUEoui) {
    if (estFR(dependance) || !estDans(dependance, TCEE)) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fCONFORM10FRNULL) {
    if (numeroAbsent(champ)) return 1;
    return fConform10FR(vue, dependance, champ, sverif, lenSverif);
}

// Letters and digits up to the last non-blank character, blanks after it:
// a run of letters and digits, then a run of blanks, then the end, in one
// walk.
VSE_REGLE(fVerifNumEtranger) {
    const char* p = champ;
    while (estAlphanum(*p)) ++p;
    if (p == champ) return 0;
    while (*p == ' ') ++p;
    if (*p != '\0') return 0;
    return memesDebuts(champ, dependance, 2) ? 0 : 1;
}

// Either test passing is enough: the foreign form first, which an absent
// number fails at its first character.
VSE_REGLE(fVerifNumEtrangerN) {
    if (fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif) == 1) return 1;
    return numeroAbsent(champ) ? 1 : 0;
}

VSE_REGLE(fConform3) { return debutDansListe(champ, sverif, lenSverif, 3) ? 1 : 0; }

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
    if (vaut(production, "V")) {
        forme = egetLettres(champ, sverif, lenSverif);
    } else if (vaut(production, "P")) {
        forme = egetDepartement(champ);
    } else {
        return 0;
    }
    // A form found holds five characters: the blanks follow them.
    return forme && blancsIci(champ + 5, 7) && champ[12] == '\0' ? 1 : 0;
}

int verifNumExploitFr(const char* champ) {
    return chiffresIci(champ, 8) && blancsIci(champ + 8, 4) && debutDansListe(champ, TD.v, TD.n) ? 1 : 0;
}

int verifNumBovinFrOuImporte(const char* champ) {
    if (!chiffresIci(champ, 10) || !blancsIci(champ + 10, 2)) return 0;
    if (!debutDansListe(champ, TD.v, TD.n)) return 0;
    if (champ[0] != '9' || champ[1] != '7') return 1;
    return champ[2] >= '1' && champ[2] <= '4' ? 1 : 0;
}

int verifNumAgrementSanitaireFr(const char* champ) {
    // Corsica: "2A" or "2B", whose letter takes the place of the second digit.
    const bool corse = champ[0] == '2' && (champ[1] == 'A' || champ[1] == 'B');
    for (int i = 0; i < 7; ++i) {
        if (!estChiffre(champ[i]) && !(i == 1 && corse)) return 0;
    }
    if (!estChiffre(champ[7]) && champ[7] != ' ') return 0;
    if (!blancsIci(champ + 8, 4)) return 0;
    if (!corse) {
        if (!debutDansListe(champ, TD.v, TD.n)) return 0;
        if ((champ[0] == '2' && champ[1] == '0') || (champ[0] == '9' && champ[1] == '8')) return 0;
    }
    if (champ[0] != '9' || champ[1] != '7') return 1;
    const char c = champ[2];
    return c == '0' || c == '5' || c == '7' || c == '8' || c == '9' ? 0 : 1;
}

int appartient_UE(const char* s) {
    for (const char* etat : ETATS_UE) {
        if (memeTexte(s, etat)) return 1;
    }
    return 0;
}

int fVerifLuhn(const char* chaine) { return verifLuhn(chaine, static_cast<int>(std::strlen(chaine))); }


}  // namespace vse
