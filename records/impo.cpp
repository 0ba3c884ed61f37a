// Rules of the import record (IMPO), and the zero-serial check that the
// national-number rules of imports and births share.
#include <cstring>

#include "records/regles.hpp"

namespace vse {

// C2, national number of the animal: the département-prefixed form of
// ten digits, whose serial (characters 7 to 10) is not 0000.
VSE_REGLE(impo_C2) {
    const bool forme = fConform10(vue, dependance, champ, sverif, lenSverif) == 1;
    return forme && serieNonNulle(champ) ? 1 : 0;
}

// C6, a date: unknown (a marker of the list), else a date whose day, or day
// and month, may be blank.
VSE_REGLE(impo_C6_1) {
    if (egalAUneEntree(champ, sverif, lenSverif)) return 1;
    return fDATEI(vue, dependance, champ, sverif, lenSverif);
}

// C6: unknown, else not after the creation date (`dependance`).
VSE_REGLE(impo_C6_2) {
    if (egalAUneEntree(champ, sverif, lenSverif)) return 1;
    return fCoherenDC(vue, dependance, champ, sverif, lenSverif);
}

// C7: at least one of its four characters is given (a value cut short has
// only the characters it holds).
VSE_REGLE(impo_C7) {
    for (int i = 0; i < 4 && champ[i] != '\0'; ++i) {
        if (champ[i] != ' ') return 1;
    }
    return 0;
}

// C20, a country: any country of the list but France.
VSE_REGLE(impo_C20) {
    // The partner codes pass any allowed-value test, France's list included.
    if (codePartenaire(champ) || egalAUneEntree(champ, FR)) return 0;
    return egalAUneEntree(champ, sverif, lenSverif) ? 1 : 0;
}

int fVerifDiffZero(const char* champ, int premier, int dernier) {
    const std::size_t lg = std::strlen(champ);
    if (lg > 98) return 0;
    int n = dernier - premier + 1;
    if (n <= 0 || premier < 1) return 0;
    if (n > 5) n = 5;
    // Compared over the span with "0000": a span of 4 covers the four zeros,
    // a fifth character is compared with the terminating zero of "0000".
    const char* zeros = "0000";
    for (int i = 0; i < n; ++i) {
        const char c = static_cast<std::size_t>(premier - 1 + i) < lg ? champ[premier - 1 + i] : '\0';
        const char z = i < 4 ? zeros[i] : '\0';
        if (c != z) return 1;
        if (c == '\0') break;
    }
    return 0;
}

}  // namespace vse
