// Rules of the ERTI record, whose fields depend on the kind of production.
#include "records/regles.hpp"

namespace vse {

// C5, by the kind of production C4 (`dependance`): one of PROD_EV for "V",
// else one blank.
VSE_REGLE(erti_fC5) {
    if (vaut(dependance, "V")) return estDans(champ, PROD_EV) ? 1 : 0;
    return vaut(champ, " ") ? 1 : 0;
}

// C9 and C10, by C5 (`dependance`): a value of the row's list for "M", else
// four blanks.
VSE_REGLE(erti_fC9C10) {
    if (vaut(dependance, "M")) return estDans(champ, sverif, lenSverif) ? 1 : 0;
    return vaut(champ, "    ") ? 1 : 0;
}

}  // namespace vse
