// Rules of the NVMN record: its national number is checked as the birth
// record's.
#include "records/regles.hpp"

namespace vse {

VSE_REGLE(nvmn_C2) { return nais_C2(vue, dependance, champ, sverif, lenSverif); }

}  // namespace vse
