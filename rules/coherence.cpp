// Cross-field coherence rules: identifiers against the centre named in the
// header, and the file's sender against that centre.
#include "rules/coherence.hpp"

#include "rules/texte.hpp"

#include <cstring>

namespace vse {

namespace {

// Partner senders that may send for any centre (first six characters).
constexpr const char* EMETTEURS_PARTENAIRES[] = {"NORM01", "NORM02", "PFOC01"};

}  // namespace

int fCoherenCCE(const char* dependance, const char* champ, const Liste& tedc) {
    if (egal(champ, dependance)) return 1;
    for (const char* partenaire : EMETTEURS_PARTENAIRES) {
        if (std::strncmp(dependance, partenaire, 6) == 0) return 1;
    }
    // (sender, centre) pairs: the centres an ARS sender may send for.
    for (int i = 0; i + 1 < tedc.n; i += 2) {
        if (egal(tedc.v[i], dependance) && egal(tedc.v[i + 1], champ)) return 1;
    }
    return 0;
}

}  // namespace vse
