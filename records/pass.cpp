// Rules of the PASS record: the date (C7) and time (C10) are checked only
// when the flag C11 (`dependance`) is 0.
#include "records/regles.hpp"

namespace vse {

VSE_REGLE(pass_C7) {
    return carOuNul(dependance, 0) == '0' ? fDATEC(vue, dependance, champ, sverif, lenSverif) : 1;
}

VSE_REGLE(pass_C10) { return vaut(dependance, "0") ? fHEUREC(vue, dependance, champ, sverif, lenSverif) : 1; }

}  // namespace vse
