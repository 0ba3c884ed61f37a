// Rules of the EXP1 record.
#include "records/regles.hpp"

namespace vse {

// C4, title (legal form or civility): absent (four blanks or four asterisks) or one of the
// titles of the row's list.
VSE_REGLE(fexp1_C4) {
    // The partner codes pass any allowed-value test: tested once.
    if (codePartenaire(champ) || egalAUneEntree(champ, quatreBlancs) || egalAUneEntree(champ, ET4)) return 1;
    return egalAUneEntree(champ, sverif, lenSverif) ? 1 : 0;
}

}  // namespace vse
