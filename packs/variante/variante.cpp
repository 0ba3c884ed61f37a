#include "packs/variante/variante.hpp"

#include <cstring>

#include "layouts/layouts.hpp"
#include "packs/commun/cadre.hpp"

namespace vse::variante {

namespace {

const tValAutorise vE5[] = {"CRE", "INV", "MOD", "DEM", "INF"};
const tValAutorise vE6[] = {"AVER", "ECHA", "ENTR", "FICH", "IMPO", "JALO", "LIST", "NAIS", "REBO", "SORT"};
const tValAutorise tE6CRE[] = {"ECHA", "ENTR", "IMPO", "JALO", "NAIS", "REBO", "SORT"};
const tValAutorise tE6DEM[] = {"AVER", "LIST"};
// A list of one empty entry allows no VSE type.
const tValAutorise aucunType[] = {""};
const tValAutorise tE6INF[] = {"FICH"};
}  // namespace

bool codeExploitation(const char* champ, const tValAutorise* sverif, int lenSverif) {
    bool trouve = debutDansListe(champ, sverif, lenSverif);
    if (!trouve && lenSverif > 0) trouve = memesDebuts(champ, "99", 2);
    if (!trouve) return false;
    return chiffres(champ, 0, 8);
}

VSE_REGLE(enteteE8) { return estFich(dependance) || codeExploitation(champ, sverif, lenSverif); }
VSE_REGLE(enteteE9) { return estFich(dependance) || fVerifAucunBlanc(vue, dependance, champ, sverif, lenSverif); }

int erreurC3L(const char* emetteur, const char* c3, const char*) {
    const bool partenaire = vaut(emetteur, "NORM01  ") || vaut(emetteur, "NORM02  ") || vaut(emetteur, "PFOC01  ");
    if (partenaire) return vaut(c3, "20") ? 0 : 64;
    return vaut(c3, "  ") || vaut(c3, "10") ? 0 : 806;
}

int erreurC3D(const char*, const char* c3, const char*) { return vaut(c3, "  ") || vaut(c3, "10") ? 0 : 806; }

const Liste tE5 = liste(vE5, "tE5");
const Liste tE6 = liste(vE6, "tE6");
const ListesE6 listesE6{liste(tE6CRE, "tE6CRE"),    liste(tE6DEM, "tE6DEM"),    liste(aucunType, "tE6INV"),
                        liste(aucunType, "tE6EDI"), liste(aucunType, "tE6MOD"), liste(tE6INF, "tE6INF")};

VSE_REGLE(fVerifDepE6) { return vse::fVerifDepE6(listesE6, dependance, champ); }

// The layouts the three variant programs share.
const sAiguillage tAiguillage[LEN_AIGUILLAGE] = {
    //  name    layout        code  ERRE C7  ERRE C8
    {"AVER",  table(tAver), AVER,  C1,    C2},
    {"ECHA",  table(tEcha), ECHA,  C18,   C19},
    {"ENTR",  table(tEntr), ENTR,  C6,    C7},
    {"IMPO",  table(tImpo), IMPO,  C18,   C19},
    {"JALO",  table(tJalo), JALO,  C4,    C5},
    {"LIST",  table(tList), LIST,  CINC,  CINC},
    {"NAIS",  table(tNais), NAIS,  C16,   C17},
    {"REBO",  table(tRebo), REBO,  C5,    C6},
    {"SORT",  table(tSort), SORT,  C6,    C7},
    {"ZZZZ",  tableVide,    -1,    CINC,  CINC},
};

char delvoranRES() { return '1'; }
int dependanceVSE() { return 0; }
int maxAutoVSE() { return 1; }

}  // namespace vse::variante
