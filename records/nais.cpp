// Rules of the birth record (NAIS) of the main program: the calf's national
// number, its work number, and the mother's and the holding's numbers, which
// may be left blank for births before the phase dates.
#include "records/regles.hpp"

namespace vse {

namespace {

constexpr char deuxBlancs[] = "  ";
constexpr char douzeBlancs[] = "            ";

// The birth date (`dependance`, body field C6) is before the phase date.
bool naissanceAvant(const char* dependance, const DateReference& phase) { return !depuisPhase(dependance, phase); }

// The mother's country, body field C10 (empty without a record).
const char* paysMere(const Vue& vue) { return vue.C(C10); }

}  // namespace

// A national number of ten digits from a listed département whose serial
// part (characters 7-10) is not "0000". The same check serves NVMN and the
// variants' birth record.
VSE_REGLE(nais_C2) {
    return fConform10(vue, dependance, champ, sverif, lenSverif) == 1 && serieNonNulle(champ) ? 1 : 0;
}

VSE_REGLE(nais_C7) { return memeTexte(champ, quatreBlancs.v[0]) ? 0 : 1; }

// The mother's number: French format for a French mother. Before the phase
// date an absent number passes, absent being exactly two blanks here (so a
// full twelve-character field is always checked).
VSE_REGLE(nais_C11) {
    if (vaut(champ, deuxBlancs) && naissanceAvant(dependance, PHASE_P5)) return 1;
    return fConform10FR(vue, paysMere(vue), champ, sverif, lenSverif);
}

// The mother's number for a listed foreign country: foreign format.
VSE_REGLE(nais_C11FRnonUEoui) {
    if (vaut(champ, deuxBlancs) && naissanceAvant(dependance, PHASE_P5)) return 1;
    return fConform10FRnonECHAoui(vue, paysMere(vue), champ, sverif, lenSverif);
}

// The mother's number for an unlisted country: French format, unless the
// birth is before the phase date and the number is absent.
VSE_REGLE(nais_C11FRnonUEnon) {
    if (vaut(champ, douzeBlancs) && naissanceAvant(dependance, PHASE_P5)) return 1;
    return fConform10FRnonECHAnon(vue, paysMere(vue), champ, sverif, lenSverif);
}

// The holding of birth: a holding number, unless the birth is before the
// phase date and the number is absent.
VSE_REGLE(nais_C17) {
    if (vaut(champ, douzeBlancs) && naissanceAvant(dependance, PHASE_P6)) return 1;
    return fConform8(vue, dependance, champ, sverif, lenSverif);
}

}  // namespace vse
