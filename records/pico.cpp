// Rules of the PICO record: a range of small-ruminant identification numbers
// given by its first number (C5) and a count (C6), checked with the count
// bodies of the NUMA record.
#include "records/partage.hpp"
#include "records/regles.hpp"

namespace vse {

// Defined with the NUMA rules (records/numa.cpp).
VSE_REGLE(pico_fC6_1) { return comptes::compteSaisi(champ); }

VSE_REGLE(pico_fC6_2) { return comptes::compteAuPlus(champ, 10000); }

// `dependance` is the first number of the range (C5). When body field C9 is
// "PR" or "PC", its serial part starts one character later and the range
// ends ten times lower.
VSE_REGLE(pico_fC6_3) {
    const char* type = vue.C(C9);
    if (vaut(type, "PR") || vaut(type, "PC")) return comptes::plageAuPlus(dependance, 8, champ, 10000);
    return comptes::plageAuPlus(dependance, 7, champ, 100000);
}

}  // namespace vse
