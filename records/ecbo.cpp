// Rules of the ECBO record. Its country C12, number C13 and code C15 form an
// optional group: all blank, or each one checked.
#include "records/regles.hpp"

namespace vse {

namespace {

bool groupeAbsent(const char* pays, const char* numero, const char* code) {
    return estBlanc(pays, 2) && estBlanc(numero, 12) && estBlanc(code, 2);
}

}  // namespace

VSE_REGLE(ecbo_C12) {
    if (groupeAbsent(champ, vue.C(C13), vue.C(C15))) return 1;
    return estDans(champ, sverif, lenSverif) ? 1 : 0;
}

// C13 of a group given: not blank; any number in France, a foreign number
// of the country C12 (`dependance`) elsewhere.
VSE_REGLE(ecbo_C13) {
    if (groupeAbsent(vue.C(C12), champ, vue.C(C15))) return 1;
    if (egalAUneEntree(champ, sverif, lenSverif)) return 0;
    if (vaut(dependance, "FR")) return 1;
    return fVerifNumEtranger(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(ecbo_C15) {
    if (groupeAbsent(vue.C(C12), vue.C(C13), champ)) return 1;
    return estDans(champ, sverif, lenSverif) ? 1 : 0;
}

}  // namespace vse
