// Rules of an error record (ERRE) received in a file. Its body names the
// type of the record in error (C1, positions 63-66), the holding concerned
// and its country (C6, C5 at 84-85), the animal and its country (C32, C31
// at 176-177), dates and the code of the body that raised the error (C37).
// Some rules read those other fields by their positions in the line.
#include <cstring>

#include "records/regles.hpp"

namespace vse {

namespace {

// Characters of the line from a 1-based position, as far as the line
// reaches them: a field past the end of a short line reads shorter.
struct ExtraitLigne {
    char c[5];
};

ExtraitLigne extraitLigne(const Vue& vue, int position, int n) {
    ExtraitLigne e{};
    vue.extraitLigne(position, n, e.c);
    return e;
}

// The record in error is a slaughter (C1 is "ABAT").
bool erreurSurAbattage(const Vue& vue) { return vaut(extraitLigne(vue, 63, 4).c, "ABAT"); }

// The country of the holding given in C6 (C5, positions 84-85).
ExtraitLigne paysExploitation(const Vue& vue) { return extraitLigne(vue, 84, 2); }

// The country of the animal number given in C32 (C31, positions 176-177).
ExtraitLigne paysAnimal(const Vue& vue) { return extraitLigne(vue, 176, 2); }

bool estPays(const char* c) { return estDans(c, TP); }

// A foreign number of the country `pays`.
int numeroEtranger(const Vue& vue, const char* pays, char* champ) {
    return fVerifNumEtranger(vue, pays, champ, nullptr, 0);
}


}  // namespace

VSE_REGLE(vErre_C1) { return vaut(champ, "ABAT") ? 1 : 0; }

VSE_REGLE(vErre_C4) { return champVide(champ) ? 0 : 1; }
VSE_REGLE(vErre_C8) { return champVide(champ) ? 0 : 1; }
VSE_REGLE(vErre_C10) { return champVide(champ) ? 0 : 1; }

// The country of the holding: required for a slaughter, else optional.
VSE_REGLE(vErre_C5) {
    if (erreurSurAbattage(vue)) {
        if (carOuNul(champ, 0) == ' ' || carOuNul(champ, 1) == ' ') return 0;
        return estPays(champ) ? 1 : 0;
    }
    return vaut(champ, "  ") || estPays(champ) ? 1 : 0;
}

// The holding: required for a slaughter; a foreign number of its country.
VSE_REGLE(vErre_C6) {
    if (champVide(champ)) return erreurSurAbattage(vue) ? 0 : 1;
    return numeroEtranger(vue, paysExploitation(vue).c, champ);
}

VSE_REGLE(vErre_C7) { return vaut(champ, "FR") ? 1 : 0; }

VSE_REGLE(vErre_C8_conf) { return champVide(champ) ? 1 : vErre_C30(vue, dependance, champ, sverif, lenSverif); }

// The code of the record in error: four letters or digits.
VSE_REGLE(vErre_C9) {
    // Each character read is a letter or a digit: the next one can be read.
    for (int i = 0; i < 4; ++i)
        if (!estAlphanum(champ[i])) return 0;
    return champ[4] == '\0' ? 1 : 0;
}

VSE_REGLE(vErre_C29) { return champVide(champ) || vaut(champ, "FR") ? 1 : 0; }

// A French holding: a slaughterhouse by its sanitary approval number.
VSE_REGLE(vErre_C30) {
    if (champVide(champ)) return 1;
    return erreurSurAbattage(vue) ? verifNumAgrementSanitaireFr(champ) : verifNumExploitFr(champ);
}

VSE_REGLE(vErre_C31) { return vaut(champ, "  ") || estPays(champ) ? 1 : 0; }

// A French animal number.
VSE_REGLE(vErre_C32_1) {
    if (champVide(champ)) return 1;
    return vaut(paysAnimal(vue).c, "FR") ? verifNumBovinFrOuImporte(champ) : 1;
}

// An animal of a country outside the member states and Switzerland carries
// a French or imported number.
VSE_REGLE(vErre_C32_2) {
    if (champVide(champ)) return 1;
    const ExtraitLigne pays = paysAnimal(vue);
    if (vaut(pays.c, "FR") || vaut(pays.c, "CH") || appartient_UE(pays.c)) return 1;
    return verifNumBovinFrOuImporte(champ);
}

// An animal of another member state or of Switzerland carries a foreign
// number of its country.
VSE_REGLE(vErre_C32_3) {
    if (champVide(champ)) return 1;
    const ExtraitLigne pays = paysAnimal(vue);
    if (vaut(pays.c, "FR")) return 1;
    if (vaut(pays.c, "CH") || appartient_UE(pays.c)) return numeroEtranger(vue, pays.c, champ);
    return 1;
}

// The date of slaughter: required for a slaughter, a real date when given.
VSE_REGLE(vErre_C36_1) {
    if (!auMoins(champ, 8) || champ[8] != '\0') return 0;
    if (!champVide(champ)) return verifDateCompleteEtCorrecte(champ);
    return erreurSurAbattage(vue) ? 0 : 1;
}

// The code of the body concerned: 6 to 8 significant characters without an
// inner blank; an IPG centre must be a known one.
VSE_REGLE(vErre_C37_1) {
    if (champVide(champ)) return 1;
    if (!auMoins(champ, 8) || champ[8] != '\0') return 0;
    int dernier = 7;
    while (dernier >= 0 && champ[dernier] == ' ') --dernier;
    if (dernier < 5) return 0;
    for (int i = 0; i < dernier; ++i)
        if (champ[i] == ' ') return 0;
    if (memesDebuts(champ + 3, "IPG", 3)) return egalAUneEntree(champ, TDC) ? 1 : 0;
    return 1;
}

// The code of the body concerned is the file's sender (`dependance`) or a
// centre that sender may send for.
VSE_REGLE(vErre_C37_2) {
    if (champVide(champ) || memeTexte(champ, dependance)) return 1;
    const Liste& tedc = principal::TEDC;
    for (int i = 0; i + 1 < tedc.n; i += 2)
        if (memeTexte(tedc.v[i], dependance) && memeTexte(tedc.v[i + 1], champ)) return 1;
    return 0;
}

}  // namespace vse
