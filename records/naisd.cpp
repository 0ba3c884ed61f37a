// Rules of the birth record (NAIS) of the variant programs: a calf born
// dead carries the national number "MORTNE" and no work number, and the
// optional details of C18-C28 are checked only when flag C9 is "1".
#include <string_view>

#include "records/regles.hpp"

namespace vse {

namespace {

// The national number given for a calf born dead.
bool mortNe(const char* numero) { return MORTNE.n > 0 && memeTexte(numero, MORTNE.v[0]); }

// The details are asked for (flag C9, `dependance`, is "1").
bool detailsDemandes(const char* dependance) { return vaut(dependance, "1"); }

// A detail of n characters: absent (n blanks or n asterisks) or n digits
// that are not all zeros.
int nombreFacultatif(const char* dependance, const char* champ, int n) {
    if (!detailsDemandes(dependance)) return 1;
    const std::string_view v(champ);
    const auto largeur = static_cast<std::size_t>(n);
    const bool absent = v.size() == largeur && (v.find_first_not_of(' ') == v.npos ||
                                                v.find_first_not_of('*') == v.npos);
    if (absent) return 1;
    return chiffres(champ, 0, n) && v.substr(0, largeur).find_first_not_of('0') != v.npos ? 1 : 0;
}

}  // namespace

VSE_REGLE(nais_C2_1) {
    return nais_C2(vue, dependance, champ, sverif, lenSverif) == 1 || mortNe(champ) ? 1 : 0;
}

// The calf's number begins with the département of its holding of birth
// (`dependance`, C17).
VSE_REGLE(nais_C2_2) {
    if (mortNe(champ)) return 1;
    if (carOuNul(champ, 1) == '\0' || carOuNul(dependance, 1) == '\0') return 0;
    return memesDebuts(champ, dependance, 2) ? 1 : 0;
}

// The work number: none for a calf born dead (`dependance`, C2), required
// otherwise.
VSE_REGLE(nais_C7_MN) {
    const bool blanc = memeTexte(champ, quatreBlancs.v[0]);
    return blanc == mortNe(dependance) ? 1 : 0;
}

VSE_REGLE(nais_C9EG1TAB) {
    if (!detailsDemandes(dependance) || vaut(champ, " ") || vaut(champ, "*")) return 1;
    return estDans(champ, sverif, lenSverif) ? 1 : 0;
}

VSE_REGLE(nais_C22) { return nombreFacultatif(dependance, champ, 2); }

VSE_REGLE(nais_C28) { return nombreFacultatif(dependance, champ, 3); }

}  // namespace vse
