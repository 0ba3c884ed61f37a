// Rules of the entry record (ENTR), and the movement bodies that the exit
// record (SORT) shares: the cause kept for creations, the country, number and
// address of the other party of the movement.
//
// Both records name the other holding in C8 (country) and C9 (number) and the
// other party in C10. A few causes change what must be given: some may leave
// the number of the other holding blank, and one entry cause needs no
// address. In a modification, a movement dated before the phase date
// P8 keeps what it was allowed to have when it was declared.
#include <cstring>

#include "records/partage.hpp"
#include "records/regles.hpp"

namespace vse {

namespace {

// Causes of entries declared only in creations: the country of provenance is
// required, the number of the holding may stay blank.
constexpr const char* CAUSES_CREATION = "FG";
// Causes of entries that need no name and address of the other party.
constexpr const char* CAUSES_SANS_ADRESSE = "N";

constexpr int LG_PAYS = 2;
constexpr int LG_NUMERO = 12;
constexpr int LG_ADRESSE = 60;

// The one-letter cause is one of `causes` (an empty or longer value is none).
bool causeParmi(const char* cause, const char* causes) {
    if (cause[0] == '\0' || cause[1] != '\0') return false;
    for (const char* c = causes; *c != '\0'; ++c)
        if (*c == cause[0]) return true;
    return false;
}

// In a modification, a movement (C4) dated before the phase date P8 is
// excused from what later movements must give.
bool excuseParDate(const Vue& vue, bool modification) {
    return modification && !depuisPhase(vue.C(C4), PHASE_P8);
}

}  // namespace

namespace mouvement {

int fC5(const char* causesCreation, const char* typeTransaction, const char* cause) {
    if (!causeParmi(cause, causesCreation)) return 1;
    return memesDebuts(typeTransaction, "CRE", 3) ? 1 : 0;
}

int fC8(const Vue& vue, const char* pays, const char* causesCreation, bool modification) {
    if (!estBlanc(pays, LG_PAYS)) return estDans(pays, TP) ? 1 : 0;
    const bool causeCreation = causeParmi(vue.C(C5), causesCreation);
    return causeCreation && !excuseParDate(vue, modification) ? 0 : 1;
}

int fC9_1(const Vue& vue, const char* numero, const char* causesSansNumero, bool modification) {
    const bool paysBlanc = estBlanc(vue.C(C8), LG_PAYS);
    if (!estBlanc(numero, LG_NUMERO)) return paysBlanc ? 0 : 1;
    if (paysBlanc) return 1;
    if (causeParmi(vue.C(C5), causesSansNumero)) return 1;
    return excuseParDate(vue, modification) ? 1 : 0;
}

int fC9_2(const Vue& vue, char* numero) {
    if (estBlanc(numero, LG_NUMERO)) return 1;
    return fConform8FR(vue, vue.C(C8), numero, TD.v, TD.n);
}

int fC10(const Vue& vue, const char* adresse, const char* causesSansAdresse, bool modification) {
    if (!estBlanc(adresse, LG_ADRESSE)) return 1;
    if (causeParmi(vue.C(C5), causesSansAdresse)) return 1;
    if (!estBlanc(vue.C(C9), LG_NUMERO)) return 1;
    return excuseParDate(vue, modification) ? 1 : 0;
}

}  // namespace mouvement

VSE_REGLE(entr_fC5) { return mouvement::fC5(CAUSES_CREATION, dependance, champ); }

VSE_REGLE(entr_fC8_cre) { return mouvement::fC8(vue, champ, CAUSES_CREATION, false); }
VSE_REGLE(entr_fC8_mod) { return mouvement::fC8(vue, champ, CAUSES_CREATION, true); }

VSE_REGLE(entr_fC9_1_cre) { return mouvement::fC9_1(vue, champ, CAUSES_CREATION, false); }
VSE_REGLE(entr_fC9_1_mod) { return mouvement::fC9_1(vue, champ, CAUSES_CREATION, true); }
VSE_REGLE(entr_fC9_2_cre) { return mouvement::fC9_2(vue, champ); }
VSE_REGLE(entr_fC9_2_mod) { return mouvement::fC9_2(vue, champ); }

VSE_REGLE(entr_fC10_cre) { return mouvement::fC10(vue, champ, CAUSES_SANS_ADRESSE, false); }
VSE_REGLE(entr_fC10_mod) { return mouvement::fC10(vue, champ, CAUSES_SANS_ADRESSE, true); }

}  // namespace vse
