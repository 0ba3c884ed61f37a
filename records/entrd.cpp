// Rules of the entry record (ENTR) of the variant programs.
#include "records/regles.hpp"

namespace vse {

// C12, a yes/no flag, is not asked of the entry causes F and G
// (`dependance`, C5).
VSE_REGLE(entr_fC12) {
    if (vaut(dependance, "F") || vaut(dependance, "G")) return 1;
    return estDans(champ, BOOL) ? 1 : 0;
}

}  // namespace vse
