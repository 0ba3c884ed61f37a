// Cross-field coherence rules: identifiers against the centre named in the
// header, and the file's sender against that centre.
#include "rules/coherence.hpp"

#include <cstring>

#include "rules/texte.hpp"

namespace vse {

namespace {

// Partner senders that may send for any centre (first six characters).
constexpr const char* EMETTEURS_PARTENAIRES[] = {"NORM01", "NORM02", "PFOC01"};

// Overseas centres, in the order they are tested.
constexpr const char* CENTRES_DOM[] = {"971", "972", "973", "974", "976"};

}  // namespace

// A number belongs to the E8 centre's département: "01" for "001IPG", "20"
// for Corsica, the three characters of an overseas centre (or "98" for 974).
VSE_REGLE(fCoherenCC) {
    if (memesDebuts(dependance, "POINTFOC", 8)) return 1;
    if (memesDebuts(dependance, "02A", 3) || memesDebuts(dependance, "02B", 3)) {
        return memesDebuts(champ, "20", 2) ? 1 : 0;
    }
    for (const char* dom : CENTRES_DOM) {
        if (!memesDebuts(dependance, dom, 3)) continue;
        if (memesDebuts(champ, dependance, 3)) return 1;
        if (memesDebuts(champ, "98", 2)) return memesDebuts(dependance, "974", 3) ? 1 : 0;
        return 0;
    }
    // Characters 2 and 3 of the centre: the département without its leading 0.
    const char d2 = carOuNul(dependance, 1);
    const char d3 = d2 == '\0' ? '\0' : carOuNul(dependance, 2);
    const char c1 = carOuNul(champ, 0);
    const char c2 = c1 == '\0' ? '\0' : carOuNul(champ, 1);
    return d2 != '\0' && d3 != '\0' && c1 == d2 && c2 == d3 ? 1 : 0;
}

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
