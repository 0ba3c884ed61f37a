// National identifier rules: holding and animal numbers prefixed by a
// département, foreign numbers, département codes, company numbers,
// establishment numbers and sanitary approval numbers.
#pragma once

#include "rules/dates.hpp"

namespace vse {

// Département-prefixed numbers (`sverif` is the list of two-character
// département prefixes): 8 digits then four blanks, 8 digits and any tail,
// 10 digits then two blanks, 10 digits and any tail.
VSE_REGLE(fConform8);
VSE_REGLE(fConform8C);
VSE_REGLE(fConform10);
VSE_REGLE(fConform);

// The same numbers by the country of the identity (`dependance`, two letters).
VSE_REGLE(fConform8FR);
VSE_REGLE(fConform8FRnon);
VSE_REGLE(fCONFORM8FRNULL);
VSE_REGLE(fConform10FR);
VSE_REGLE(fConform10FRnon);
VSE_REGLE(fConform10FRnonECHAnon);
VSE_REGLE(fConform10FRnonUEnon);
VSE_REGLE(fConform10FRnonECHAoui);
VSE_REGLE(fConform10FRnonUEoui);
VSE_REGLE(fCONFORM10FRNULL);

// Foreign number of the country `dependance`; the N form also accepts an
// absent number (twelve blanks or twelve asterisks).
VSE_REGLE(fVerifNumEtranger);
VSE_REGLE(fVerifNumEtrangerN);

// Three-character département code, company numbers, establishment number
// (by the production kind, body field C4, and the prefix pairs of `sverif`).
VSE_REGLE(fConform3);
VSE_REGLE(fConformSiren);
VSE_REGLE(fConformSiret);
VSE_REGLE(fConformEget);

// Support functions: 1 when the value passes, 0 otherwise.
int fVerifLuhn(const char* chaine);

// The same on the n characters from `chiffres`, which the caller knows to be
// there: summed from the last, of rank 1, every character of even rank
// doubled with its digits summed.
inline int verifLuhn(const char* chiffres, int n) {
    static constexpr int DOUBLE[] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    int total = 0;
    for (int i = n - 1, rang = 1; i >= 0; --i, ++rang) {
        const unsigned chiffre = static_cast<unsigned char>(chiffres[i]) - static_cast<unsigned>('0');
        if (chiffre > 9) return 0;
        total += rang % 2 == 1 ? static_cast<int>(chiffre) : DOUBLE[chiffre];
    }
    return total % 10 == 0 ? 1 : 0;
}
int appartient_UE(const char* s);
int verifNumAgrementSanitaireFr(const char* champ);
int verifNumExploitFr(const char* champ);
int verifNumBovinFrOuImporte(const char* champ);

}  // namespace vse
