// Rules of the LIST record of the variant programs: an optional date (C5),
// absent when blank or starred.
#include "records/regles.hpp"

namespace vse {

namespace {

// The value equals an entry of the row's list (the absent-date markers).
bool dateAbsente(const char* champ, const tValAutorise* sverif, int lenSverif) {
    return egalAUneEntree(champ, sverif, lenSverif);
}

}  // namespace

VSE_REGLE(listd_C5_1) {
    return dateAbsente(champ, sverif, lenSverif) ? 1 : fDATEC(vue, dependance, champ, sverif, lenSverif);
}

// `dependance` is the creation date of the record.
VSE_REGLE(listd_C5_2) {
    return dateAbsente(champ, sverif, lenSverif) ? 1 : fCoherenDC(vue, dependance, champ, sverif, lenSverif);
}

}  // namespace vse
