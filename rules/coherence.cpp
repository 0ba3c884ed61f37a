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

// Two three-character département codes are the same: both have their three
// characters and these are equal (two values cut short are no département).
bool memeDepartement(const char* a, const char* b) { return auMoins(a, 3) && memesDebuts(a, b, 3); }

// The two characters a, b (neither the zero) are one of the comma-separated
// elements of `liste`, walked in place: an element of another width, or a
// pair straddling a comma, is none.
bool paireDansListe(const char* liste, char a, char b) {
    if (a == ',' || b == ',') return false;
    for (const char* p = liste;;) {
        // p is at the start of an element; p[1] exists when p[0] is a, p[2]
        // when p[1] is b.
        if (p[0] == a && p[1] == b && (p[2] == ',' || p[2] == '\0')) return true;
        while (*p != ',' && *p != '\0') ++p;
        if (*p == '\0') return false;
        ++p;
    }
}

// Establishment with letters: its two-letter prefix is listed for the centre
// (the first six characters of header E8) in the (centre, prefixes) pairs of
// `nev`.
bool egetLettresDuCentre(const char* e8, const char* champ, const tValAutorise* nev, int n) {
    if (nev == nullptr || n < 2) return false;
    if (champ[0] == '\0' || champ[1] == '\0') return false;
    for (int i = 0; i < n / 2; ++i) {
        if (egalDebut(nev[2 * i], e8, 6)) return paireDansListe(nev[2 * i + 1], champ[0], champ[1]);
    }
    return false;
}

// The number begins with characters 2 and 3 of the centre: its département
// without the leading 0 ("01" for 001IPG, "2A" for 02AIPG).
bool dansDepartementDuCentre(const char* centre, const char* champ) {
    if (centre[0] == '\0' || centre[1] == '\0' || centre[2] == '\0') return false;
    return champ[0] == centre[1] && champ[1] == centre[2];
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

bool egetDepartementDuCentre(const char* e8, const char* champ) {
    for (const PrefixesDom& dom : EGET_DOM) {
        if (!egalDebut(dom.centre, e8, 6)) continue;
        for (const char* p : dom.prefixes) {
            if (p != nullptr && commencePar(champ, p)) return true;
        }
        return false;
    }
    return dansDepartementDuCentre(e8, champ);
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
    // The centre's first character tells which of the special forms it may be.
    if (dependance[0] == 'P' && memesDebuts(dependance, "POINTFOC", 8)) return 1;
    if (dependance[0] == '0' && (memesDebuts(dependance, "02A", 3) || memesDebuts(dependance, "02B", 3))) {
        return memesDebuts(champ, "20", 2) ? 1 : 0;
    }
    if (dependance[0] == '9') {
        for (const char* dom : CENTRES_DOM) {
            if (!memesDebuts(dependance, dom, 3)) continue;
            if (memesDebuts(champ, dependance, 3)) return 1;
            if (memesDebuts(champ, "98", 2)) return memesDebuts(dependance, "974", 3) ? 1 : 0;
            return 0;
        }
    }
    return dansDepartementDuCentre(dependance, champ) ? 1 : 0;
}

// A movement of cause "J" may name a holding of any département.
VSE_REGLE(fCoherenCC_tr) {
    if (vaut(vue.C(C5), "J")) return 1;
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
    if (vaut(production, "V")) return egetLettresDuCentre(dependance, champ, sverif, lenSverif) ? 1 : 0;
    if (vaut(production, "P")) return egetDepartementDuCentre(dependance, champ) ? 1 : 0;
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
        if (memesDebuts(dependance, partenaire, 6)) return 1;
    }
    // (sender, centre) pairs: the centres an ARS sender may send for.
    for (int i = 0; i + 1 < tedc.n; i += 2) {
        if (memeTexte(tedc.v[i], dependance) && memeTexte(tedc.v[i + 1], champ)) return 1;
    }
    return 0;
}

}  // namespace vse
