#include "model/vse.hpp"

#include <cstdio>
#include <cstring>

namespace vse {

void getvseChamps(const Table& t, const char* tampon, valeurVSE* tValVSE, int visu) {
    // The line ends at its terminating zero; a field past that end of a short
    // line reads as blanks, so every value keeps its field's width.
    int lgLigne = 0;
    while (lgLigne < LG_XDEBUG && tampon[lgLigne] != '\0') ++lgLigne;
    int k = 0;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (r.fin == 0) continue;  // continuation row: nothing to cut
        char* dst = tValVSE[k++].valeur;
        int lg = 0;
        for (int pos = r.debut; pos <= r.fin; ++pos) dst[lg++] = pos <= lgLigne ? tampon[pos - 1] : ' ';
        dst[lg] = '\0';
    }
    if (visu == 2) std::fputs("\n", stdout);
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

void getVseCorps(vseCorps& cp, const char* xdebug) {
    std::memset(cp.CODE_PAYS_BOV, 0, sizeof cp.CODE_PAYS_BOV);
    const std::size_t lg = std::strlen(xdebug);
    for (const PositionCp& p : positionsCp) {
        char* dst = cp.*(p.membre);
        std::memset(dst, 0, 64);
        for (int i = p.debut; i <= p.fin && static_cast<std::size_t>(i) <= lg; ++i) {
            dst[i - p.debut] = xdebug[i - 1];
        }
    }
}

}  // namespace vse
