// Rules of the holder record (DETE).
#include "records/regles.hpp"

namespace vse {

// C2 in a DEM transaction: a three-character département code when the
// indicator C12 is "D", else a département-prefixed holding number of the
// row's list.
VSE_REGLE(fCoherenCC_dete_dem) {
    const char* temoin = vue.C(C12);
    if (vaut(temoin, "D")) return fConform3(vue, dependance, champ, TDD.v, TDD.n);
    return fConform8(vue, dependance, champ, sverif, lenSverif);
}

}  // namespace vse
