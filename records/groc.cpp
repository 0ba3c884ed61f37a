// Rules of the GROC record run in the consultation transaction: an optional
// date (C10) and the time that goes with it (C12).
#include "records/regles.hpp"

namespace vse {

namespace {

constexpr char huitBlancs[] = "        ";
constexpr char sixBlancs[] = "      ";

}  // namespace

VSE_REGLE(groc_cre_C10_1) { return vaut(champ, huitBlancs) ? 1 : fDATEC(vue, dependance, champ, sverif, lenSverif); }

// `dependance` is the creation date of the record.
VSE_REGLE(groc_cre_C10_2) {
    return vaut(champ, huitBlancs) ? 1 : fCoherenDC(vue, dependance, champ, sverif, lenSverif);
}

// A time is given exactly when the date (`dependance`, C10) is.
VSE_REGLE(groc_cre_C12) {
    if (vaut(dependance, huitBlancs)) return vaut(champ, sixBlancs) ? 1 : 0;
    return fHEUREC(vue, dependance, champ, sverif, lenSverif);
}

}  // namespace vse
