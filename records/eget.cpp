// Rules of the establishment record (EGET).
#include "records/regles.hpp"

namespace vse {

// C5 and C6, each the other's `dependance`: at least one of the two is
// given.
VSE_REGLE(eget_fC5C6) {
    const char* trente = trenteBlancs.v[0];
    return egal(champ, trente) && egal(dependance, trente) ? 0 : 1;
}

}  // namespace vse
