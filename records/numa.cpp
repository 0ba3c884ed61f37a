// Rules of the NUMA record: a range of national numbers given by its first
// number (C5) and a count (C6). The count bodies are shared with the PICO
// record, whose ranges differ only by their limits.
#include "records/partage.hpp"
#include "records/regles.hpp"

namespace vse {

namespace comptes {

// `s` from its character `n` (0-based) on, or its end when it is shorter.
const char* depuis(const char* s, int n) {
    int i = 0;
    while (i < n && s[i] != '\0') ++i;
    return s + i;
}

// The count, six digits, is not 0.
int compteSaisi(const char* champ) { return chiffres(champ, 0, 6) && nombre(champ, 0, 6) != 0 ? 1 : 0; }

// The count, read as a number, is between 1 and `plafond`.
int compteAuPlus(const char* champ, long long plafond) {
    const long long n = lireEntier(champ);
    return n >= 1 && n <= plafond ? 1 : 0;
}

// The serial part of the first number (read from its character `debut`,
// 1-based) plus the count stays within `limite`. Both are read as decimal
// integers of at most 18 digits, so the sum never overflows.
int plageAuPlus(const char* numero, int debut, const char* champ, long long limite) {
    return lireEntier(depuis(numero, debut - 1)) + lireEntier(champ) <= limite ? 1 : 0;
}

}  // namespace comptes

VSE_REGLE(numa_fC6_1) { return comptes::compteSaisi(champ); }

VSE_REGLE(numa_fC6_2) { return comptes::compteAuPlus(champ, 1000); }

// `dependance` is the first number of the range (C5).
VSE_REGLE(numa_fC6_3) { return comptes::plageAuPlus(dependance, 3, champ, 100000000); }

}  // namespace vse
