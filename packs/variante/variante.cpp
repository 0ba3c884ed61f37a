#include "packs/variante/variante.hpp"

#include <cstring>

#include "packs/commun/cadre.hpp"

namespace vse::variante {

namespace {
bool estChiffre(char c) { return c >= '0' && c <= '9'; }
bool egal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

const tValAutorise vE5[] = {"CRE", "INV", "MOD", "DEM", "INF"};
const tValAutorise vE6[] = {"AVER", "ECHA", "ENTR", "FICH", "IMPO", "JALO", "LIST", "NAIS", "REBO", "SORT"};
const tValAutorise vE6CRE[] = {"ECHA", "ENTR", "IMPO", "JALO", "NAIS", "REBO", "SORT"};
const tValAutorise vE6DEM[] = {"AVER", "LIST"};
const tValAutorise vVide[] = {""};
const tValAutorise vE6INF[] = {"FICH"};

template <std::size_t N>
constexpr Liste liste(const tValAutorise (&v)[N]) {
    return {v, static_cast<int>(N)};
}
}  // namespace

bool codeExploitation(const char* champ, const tValAutorise* sverif, int lenSverif) {
    bool trouve = false;
    for (int i = 0; i < lenSverif && !trouve; ++i) trouve = std::strncmp(champ, sverif[i], 2) == 0;
    if (!trouve && lenSverif > 0) trouve = std::strncmp(champ, "99", 2) == 0;
    if (!trouve) return false;
    for (int i = 0; i < 8; ++i) {
        if (!estChiffre(champ[i])) return false;
    }
    return true;
}

VSE_REGLE(enteteE8) { return estFich(dependance) || codeExploitation(champ, sverif, lenSverif); }
VSE_REGLE(enteteE9) { return estFich(dependance) || fVerifAucunBlanc(vue, dependance, champ, sverif, lenSverif); }

int erreurC3L(const char* emetteur, const char* c3, const char*) {
    const bool partenaire = egal(emetteur, "NORM01  ") || egal(emetteur, "NORM02  ") || egal(emetteur, "PFOC01  ");
    if (partenaire) return egal(c3, "20") ? 0 : 64;
    return egal(c3, "  ") || egal(c3, "10") ? 0 : 806;
}

int erreurC3D(const char*, const char* c3, const char*) { return egal(c3, "  ") || egal(c3, "10") ? 0 : 806; }

const Liste tE5 = liste(vE5);
const Liste tE6 = liste(vE6);
const Liste tE6CRE = liste(vE6CRE);
const Liste tE6DEM = liste(vE6DEM);
const Liste tE6INV = liste(vVide);
const Liste tE6MOD = liste(vVide);
const Liste tE6EDI = liste(vVide);
const Liste tE6INF = liste(vE6INF);
const ListesE6 listesE6{tE6CRE, tE6DEM, tE6INV, tE6EDI, tE6MOD, tE6INF};

VSE_REGLE(fVerifDepE6) { return vse::fVerifDepE6(listesE6, dependance, champ); }

// Layouts of the variant record types arrive with their own modules; until
// then an entry's body layout is empty and only its frame is verified.
const sAiguillage tAiguillage[LEN_AIGUILLAGE] = {
    //  name    layout      code  ERRE C7  ERRE C8
    {"AVER",  tableVide,  AVER,  C1,    C2},
    {"ECHA",  tableVide,  ECHA,  C18,   C19},
    {"ENTR",  tableVide,  ENTR,  C6,    C7},
    {"IMPO",  tableVide,  IMPO,  C18,   C19},
    {"JALO",  tableVide,  JALO,  C4,    C5},
    {"LIST",  tableVide,  LIST,  CINC,  CINC},
    {"NAIS",  tableVide,  NAIS,  C16,   C17},
    {"REBO",  tableVide,  REBO,  C5,    C6},
    {"SORT",  tableVide,  SORT,  C6,    C7},
    {"ZZZZ",  tableVide,  -1,    CINC,  CINC},
};

char delvoranRES() { return '1'; }
int dependanceVSE() { return 0; }
int maxAutoVSE() { return 1; }

}  // namespace vse::variante
