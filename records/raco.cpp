// Rules of the RACO record (small-ruminant census).
#include "records/regles.hpp"

namespace vse {

// The head count: six digits.
VSE_REGLE(raco_fC6) { return chiffres(champ, 0, 6) ? 1 : 0; }

}  // namespace vse
