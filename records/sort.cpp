// Rules of the exit record (SORT). They are the entry rules with the exit
// causes: the movement bodies live with the entry rules (entr.cpp).
#include "records/partage.hpp"
#include "records/regles.hpp"

namespace vse {

// The movement bodies, defined in entr.cpp. Each takes the causes that the
// record singles out, as a text of one-letter causes.
namespace {

// Causes of exits declared only in creations: the country of destination is
// required.
constexpr const char* CAUSES_CREATION = "ST";
// Causes of exits whose destination number may be blank with a country given.
constexpr const char* CAUSES_SANS_NUMERO = "STM";
// Every exit names the other party.
constexpr const char* CAUSES_SANS_ADRESSE = "";

}  // namespace

VSE_REGLE(sort_fC5) { return mouvement::fC5(CAUSES_CREATION, dependance, champ); }

VSE_REGLE(sort_fC8_cre) { return mouvement::fC8(vue, champ, CAUSES_CREATION, false); }
VSE_REGLE(sort_fC8_mod) { return mouvement::fC8(vue, champ, CAUSES_CREATION, true); }

VSE_REGLE(sort_fC9_1_cre) { return mouvement::fC9_1(vue, champ, CAUSES_SANS_NUMERO, false); }
VSE_REGLE(sort_fC9_1_mod) { return mouvement::fC9_1(vue, champ, CAUSES_SANS_NUMERO, true); }
VSE_REGLE(sort_fC9_2_cre) { return mouvement::fC9_2(vue, champ); }
VSE_REGLE(sort_fC9_2_mod) { return mouvement::fC9_2(vue, champ); }

VSE_REGLE(sort_fC10_cre) { return mouvement::fC10(vue, champ, CAUSES_SANS_ADRESSE, false); }
VSE_REGLE(sort_fC10_mod) { return mouvement::fC10(vue, champ, CAUSES_SANS_ADRESSE, true); }

}  // namespace vse
