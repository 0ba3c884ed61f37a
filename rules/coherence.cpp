// Cross-field coherence rules: identifiers against the centre named in the
// header, the file's sender against that centre, and départements of one
// region.
#include "rules/coherence.hpp"

#include <cstring>

#include "rules/texte.hpp"
#include "rules/valautorise.hpp"

namespace vse {

namespace {

// Partner senders that may send for any centre (first six characters).
constexpr const char* EMETTEURS_PARTENAIRES[] = {"NORM01", "NORM02", "PFOC01"};

// Overseas centres, in the order they are tested.
constexpr const char* CENTRES_DOM[] = {"971", "972", "973", "974", "976"};

// The first N characters of a value as a text of its own (shorter when the
// value is).
template <int N>
struct Debut {
    char t[N + 1] = {};
    explicit Debut(const char* s) {
        for (int i = 0; i < N && s[i] != '\0'; ++i) t[i] = s[i];
    }
};

// Two three-character département codes are the same: both have their three
// characters and these are equal (two values cut short are no département).
bool memeDepartement(const char* a, const char* b) {
    return std::strlen(Debut<3>(a).t) == 3 && memesDebuts(a, b, 3);
}

// `code` is one of the comma-separated elements of `liste`, as a whole: a
// code straddling a comma is none of them, and an empty element only matches
// an empty code.
bool elementDeListe(const char* liste, const char* code) {
    const std::size_t lg = std::strlen(code);
    for (const char* p = liste;;) {
        const char* virgule = std::strchr(p, ',');
        const std::size_t lgElem = virgule ? static_cast<std::size_t>(virgule - p) : std::strlen(p);
        if (lgElem == lg && std::strncmp(p, code, lg) == 0) return true;
        if (virgule == nullptr) return false;
        p = virgule + 1;
    }
}

// Establishment with letters: its two-letter prefix is listed for the centre
// in the (centre, prefixes) pairs of `nev`.
bool egetLettresDuCentre(const char* centre, const char* champ, const tValAutorise* nev, int n) {
    if (nev == nullptr || n < 2) return false;
    const Debut<2> prefixe(champ);
    if (std::strlen(prefixe.t) != 2) return false;
    for (int i = 0; i < n / 2; ++i) {
        if (egal(nev[2 * i], centre)) return elementDeListe(nev[2 * i + 1], prefixe.t);
    }
    return false;
}

// The number begins with characters 2 and 3 of the centre: its département
// without the leading 0 ("01" for 001IPG, "2A" for 02AIPG).
bool dansDepartementDuCentre(const char* centre, const char* champ) {
    const char d2 = carOuNul(centre, 1);
    const char d3 = d2 == '\0' ? '\0' : carOuNul(centre, 2);
    if (d2 == '\0' || d3 == '\0') return false;
    const char departement[] = {d2, d3, '\0'};
    return commencePar(champ, departement);
}

// Establishment with a département: the prefixes of the overseas centres,
// "98" for the 974 centre, otherwise the centre's département without its
// leading 0 ("2A" for 02AIPG).
struct PrefixesDom {
    const char* centre;
    const char* prefixes[4];  // unused entries are null
};
constexpr PrefixesDom EGET_DOM[] = {
    {"971IPG", {"971", "97A", "97C", "97D"}},
    {"972IPG", {"972", "97B", nullptr, nullptr}},
    {"973IPG", {"973", nullptr, nullptr, nullptr}},
    {"976IPG", {"976", nullptr, nullptr, nullptr}},
    {"974IPG", {"98", nullptr, nullptr, nullptr}},
};

bool egetDepartementDuCentre(const char* centre, const char* champ) {
    for (const PrefixesDom& dom : EGET_DOM) {
        if (!egal(centre, dom.centre)) continue;
        for (const char* p : dom.prefixes) {
            if (p != nullptr && commencePar(champ, p)) return true;
        }
        return false;
    }
    return dansDepartementDuCentre(centre, champ);
}

// Groups of départements of one region, compared on three characters. Each
// list is read as the one group it holds.
constexpr const Liste* REGIONS[] = {&DPT2, &DPT3, &DPT4, &DPT5, &DPT6, &DPT7, &DPT8, &DPT17};

bool dansGroupe(const Liste& groupe, const char* departement) {
    for (int i = 0; i < groupe.n; ++i) {
        if (memeDepartement(groupe.v[i], departement)) return true;
    }
    return false;
}

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
    return dansDepartementDuCentre(dependance, champ) ? 1 : 0;
}

// A movement of cause "J" may name a holding of any département.
VSE_REGLE(fCoherenCC_tr) {
    const char* cause = vue.C(C5);
    if (egal(cause, "J")) return 1;
    return fCoherenCC(vue, dependance, champ, sverif, lenSverif);
}

// "098" belongs to the 974 centre.
VSE_REGLE(fCoherenCCD) {
    if (memeDepartement(champ, dependance)) return 1;
    if (commencePar(champ, "098")) return commencePar(dependance, "974") ? 1 : 0;
    return 0;
}

VSE_REGLE(fCoherenCCEget) {
    const char* production = vue.C(C4);
    const Debut<6> centre(dependance);
    if (egal(production, "V")) return egetLettresDuCentre(centre.t, champ, sverif, lenSverif) ? 1 : 0;
    if (egal(production, "P")) return egetDepartementDuCentre(centre.t, champ) ? 1 : 0;
    return 0;
}

VSE_REGLE(fCoherenCCDR) {
    if (memeDepartement(champ, dependance)) return 1;
    for (const Liste* groupe : REGIONS) {
        if (dansGroupe(*groupe, champ) && dansGroupe(*groupe, dependance)) return 1;
    }
    return 0;
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
