// Rules of the association record (ASSO): an identifier of type C4 ("D" or
// "E") associated with a company or approval number C6 of the type C5, over a
// period from C7 to C8.
#include <cstring>

#include "records/regles.hpp"

namespace vse {

namespace {

constexpr int LG_NUMERO = 20;  // C6
constexpr int LG_DATE = 8;     // C8

bool typeE(const Vue& vue) { return vaut(vue.C(C4), "E"); }

// The type of number C5 begins with `type`.
bool typeNumero(const Vue& vue, const char* type) { return commencePar(vue.C(C5), type); }

// The number's first n characters are digits and the rest of it is blank.
bool chiffresPuisBlancs(const char* champ, int n) {
    return chiffresIci(champ, n) && blancsIci(champ + n, LG_NUMERO - n);
}

// The first n characters, digits, pass the Luhn check (the caller has
// checked that the n digits are there).
bool luhn(const char* champ, int n) { return verifLuhn(champ, n) == 1; }

// A capital letter, then digits up to character n, then blanks.
bool lettrePuisChiffres(const char* champ, int n) {
    return estLettre(champ[0]) && chiffresIci(champ + 1, n - 1) && blancsIci(champ + n, LG_NUMERO - n);
}

// Départements whose approval numbers are never accepted: Corsica written 20
// and the foreign prefix 98.
bool departementExclu(const char* champ) {
    return memesDebuts(champ, "20", 2) || memesDebuts(champ, "98", 2);
}

// The first two characters match the first two of an entry of the list.
bool departementListe(const char* champ, const tValAutorise* liste, int n) {
    return debutDansListe(champ, liste, n);
}

// Overseas départements allowed after "97": 971 to 976, but not 975.
bool domValide(const char* champ) {
    return ordreDebuts(champ, "971", 3) >= 0 && ordreDebuts(champ, "976", 3) <= 0 && !memesDebuts(champ, "975", 3);
}

}  // namespace

// C2 of type "E": the number lies in the département of the centre (header
// E8).
VSE_REGLE(asso_fC2_1) {
    if (!typeE(vue)) return 1;
    const char* centre = vue.E(E8);
    return fCoherenCC(vue, centre, champ, sverif, lenSverif);
}

// C2 of type "E": a département-prefixed holding number.
VSE_REGLE(asso_fC2_2) {
    if (!typeE(vue)) return 1;
    return fConform8(vue, dependance, champ, TD.v, TD.n);
}

// C5, the type of number, by the type C4.
VSE_REGLE(asso_fC5) {
    const char* type = vue.C(C4);
    if (vaut(type, "D")) return commenceParUn(champ, {"SIREN", "AGRIN"}) ? 1 : 0;
    if (vaut(type, "E")) return commenceParUn(champ, {"SIRET", "AGRIT", "AGRSA", "CEM"}) ? 1 : 0;
    return 0;
}

// C6 by its type C5. SIREN: nine digits; SIRET: fourteen digits; the _INV
// forms leave out the Luhn check.
VSE_REGLE(asso_fC6_1) {
    if (!typeNumero(vue, "SIREN")) return 1;
    return chiffresPuisBlancs(champ, 9) && luhn(champ, 9) ? 1 : 0;
}

VSE_REGLE(asso_fC6_1_INV) {
    if (!typeNumero(vue, "SIREN")) return 1;
    return chiffresPuisBlancs(champ, 9) ? 1 : 0;
}

VSE_REGLE(asso_fC6_2) {
    if (!typeNumero(vue, "SIRET")) return 1;
    return chiffresPuisBlancs(champ, 14) && luhn(champ, 14) ? 1 : 0;
}

VSE_REGLE(asso_fC6_2_INV) {
    if (!typeNumero(vue, "SIRET")) return 1;
    return chiffresPuisBlancs(champ, 14) ? 1 : 0;
}

// AGRIN: a letter and eight digits; AGRIT: a letter and eleven digits.
VSE_REGLE(asso_fC6_3) {
    if (!typeNumero(vue, "AGRIN")) return 1;
    return lettrePuisChiffres(champ, 9) ? 1 : 0;
}

VSE_REGLE(asso_fC6_4) {
    if (!typeNumero(vue, "AGRIT")) return 1;
    return lettrePuisChiffres(champ, 12) ? 1 : 0;
}

// AGRSA, a sanitary approval number: seven characters without blank whose
// first two name a département of the row's list (2A and 2B always, 20 and
// 98 never, 97 only for 971 to 976 but 975), an eighth character, then
// twelve blanks.
VSE_REGLE(asso_fC6_5) {
    if (!typeNumero(vue, "AGRSA")) return 1;
    // Each character read is not the zero: the next one can be read.
    for (int i = 0; i < 7; ++i) {
        if (champ[i] == ' ' || champ[i] == '\0') return 0;
    }
    if (!memesDebuts(champ, "2A", 2) && !memesDebuts(champ, "2B", 2)) {
        const bool connu = !departementExclu(champ) && departementListe(champ, sverif, lenSverif);
        if (memesDebuts(champ, "97", 2) && !domValide(champ)) return 0;
        if (!connu) return 0;
    }
    // Seven characters are there: the eighth can be read.
    return champ[7] != '\0' && blancsIci(champ + 8, 12) ? 1 : 0;
}

// CEM: seven letters or digits, then blanks.
VSE_REGLE(asso_fC6_6) {
    if (!typeNumero(vue, "CEM")) return 1;
    for (int i = 0; i < 7; ++i) {
        if (!estAlphanum(champ[i])) return 0;
    }
    return blancsIci(champ + 7, 13) ? 1 : 0;
}

// C8, end of the period: absent, or a real date (_1), not before the start
// C7 (_2, `dependance`) and not after the creation date (_3, `dependance`).
VSE_REGLE(asso_fC8_1) {
    if (estBlanc(champ, LG_DATE)) return 1;
    return fDATEC(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(asso_fC8_2) {
    if (estBlanc(champ, LG_DATE)) return 1;
    return fCoherenDCSupInf(dependance, champ, SUP);
}

VSE_REGLE(asso_fC8_3) {
    if (estBlanc(champ, LG_DATE)) return 1;
    return fCoherenDC(vue, dependance, champ, sverif, lenSverif);
}

}  // namespace vse
