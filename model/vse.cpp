#include "model/vse.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstring>
#include <vector>

namespace vse {

int getvseChamps(const Table& t, const char* tampon, int lg, valeurVSE* tValVSE, int visu) {
    // The line in a buffer of the size a plan cuts from, zero past its end.
    std::vector<char> ligne(static_cast<std::size_t>((lg > LG_VSE ? lg : LG_VSE) + MARGE_LIGNE), '\0');
    if (lg > 0) std::memcpy(ligne.data(), tampon, static_cast<std::size_t>(lg));
    Plan p(t);
    p.placer(tValVSE, ligne.data(), [](const Dependance&) { return ""; });
    couper(p);
    if (visu == 2) std::fputs("\n", stdout);
    return static_cast<int>(p.decoupes.size());
}

int colonnePresence(const char* e5) {
    constexpr char types[5][4] = {"CRE", "DEM", "INV", "EDI", "MOD"};
    // Three letters and the end of the value, compared at once.
    if (e5[0] == '\0' || e5[1] == '\0' || e5[2] == '\0' || e5[3] != '\0') return -1;
    if (std::memcmp(e5, "ECQ", 3) == 0) return 0;
    for (int c = 0; c < 5; ++c)
        if (std::memcmp(e5, types[c], 3) == 0) return c;
    return -1;
}

Plan::Plan(const Table& t) {
    int index = -1;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (r.debut != 0) {
            ++index;
            decoupes.push_back({r.debut - 1, r.fin - r.debut + 1});
        }
        // The first row of a table has positions: no row lacks a field.
        if (index < 0) continue;
        Etape e{&r, index, r.pfVerif, r.sverif != nullptr ? r.sverif->v : nullptr, r.sverif != nullptr ? r.sverif->n : 0, {}};
        for (int c = 0; c < 5; ++c) e.codes[c] = static_cast<signed char>(r.*colonnesPresence[c]);
        e.codes[COLONNE_SANS_TYPE] = 0;
        e.codes[COLONNE_TYPE_INCONNU] = -1;
        if (r.pfVerif == nullptr) std::fill(std::begin(e.codes), std::end(e.codes), SANS_REGLE);
        etapes.push_back(e);
    }
}

int getvseChamps(const Table& t, const char* tampon, valeurVSE* tValVSE, int visu) {
    return getvseChamps(t, tampon, static_cast<int>(std::strlen(tampon)), tValVSE, visu);
}

namespace {
struct PositionCp {
    char (vseCorps::*membre)[64];
    int debut;
    int fin;
};
// Where each member of the slaughter view sits in the line.
constexpr PositionCp positionsCp[] = {
    {&vseCorps::NUME_NATI_BOV,            65,  76},
    {&vseCorps::CODE_RESULTAT,            77,  78},
    {&vseCorps::CODE_EXPLOIT_PROVENANCE,  79,  80},
    {&vseCorps::NUME_EXPLOIT_PROVENANCE,  81,  92},
    {&vseCorps::DATE_ENTREE_ABAT,         93, 100},
    {&vseCorps::DATE_ABATTAGE,           101, 108},
    {&vseCorps::NUME_TUERIE,             109, 116},
    {&vseCorps::POIDS_CARCASSE,          117, 123},
    {&vseCorps::CODE_PAYS_ABAT_NOTIF,    124, 125},
    {&vseCorps::NUME_IDENT_ABAT_NOTIF,   126, 137},
    {&vseCorps::INDIC_CREA_INVA_ABATT,   138, 138},
};
}  // namespace

void getVseCorps(vseCorps& cp, const char* ligne, int lg) {
    std::memset(cp.CODE_PAYS_BOV, 0, sizeof cp.CODE_PAYS_BOV);
    for (const PositionCp& p : positionsCp) {
        char* dst = cp.*(p.membre);
        std::memset(dst, 0, 64);
        const int n = (p.fin < lg ? p.fin : lg) - p.debut + 1;
        if (n > 0) std::memcpy(dst, ligne + p.debut - 1, static_cast<std::size_t>(n));
    }
}

void getVseCorps(vseCorps& cp, const char* xdebug) { getVseCorps(cp, xdebug, static_cast<int>(std::strlen(xdebug))); }

}  // namespace vse
