// The pack of delvoranpf: the variant types plus slaughter and information
// records, for partner files.
#include "packs/pf/pack.hpp"

#include <cstring>

#include "layouts/layouts.hpp"
#include "packs/commun/cadre.hpp"
#include "packs/main/pack.hpp"
#include "packs/variante/variante.hpp"

namespace vse::pf {

namespace {
const tValAutorise vE6[] = {"ABAT", "AVER", "ECHA", "ENTR", "FICH", "IMPO",
                            "INFO", "JALO", "LIST", "NAIS", "REBO", "SORT"};
const tValAutorise tE6CRE[] = {"ABAT", "ECHA", "ENTR", "IMPO", "JALO", "NAIS", "REBO", "SORT"};
const tValAutorise tE6DEM[] = {"AVER", "INFO", "LIST"};
const tValAutorise tE6ABAT[] = {"ABAT"};
const Liste tE6 = liste(vE6, "tE6");
// "INV" and "MOD" allow slaughter records only.
const ListesE6 listesE6{liste(tE6CRE, "tE6CRE"), liste(tE6DEM, "tE6DEM"), liste(tE6ABAT, "tE6INV"),
                        variante::listesE6.EDI,  liste(tE6ABAT, "tE6MOD"), variante::listesE6.INF};

VSE_REGLE(fVerifDepE6) { return vse::fVerifDepE6(listesE6, dependance, champ); }

char delvoranRES() { return '2'; }

// Every record but a slaughter must come with the result code "10".
int erreurC3(const char*, const char* c3, const char* e6) {
    return !egal(c3, "10") && !egal(e6, "ABAT") ? 807 : 0;
}

constexpr auto tEntete = tableEntete({
    enteteE3, &TD, enteteE4, &variante::TEC, &variante::tE5, &tE6, fVerifDepE6,
    enteteE8, &TD, principal::enteteE9, enteteE10, &TDC,
});

const sAiguillage tAiguillage[] = {
    //  name    layout                    code  ERRE C7  ERRE C8
    {"ABAT",  table(principal::tAbat),  ABAT,  CINC,  CINC},
    {"AVER",  table(variante::tAver),   AVER,  C1,    C2},
    {"ECHA",  table(variante::tEcha),   ECHA,  C18,   C19},
    {"ENTR",  table(variante::tEntr),   ENTR,  C6,    C7},
    {"IMPO",  table(variante::tImpo),   IMPO,  C18,   C19},
    {"INFO",  table(principal::tInfo),  INFO,  CINC,  CINC},
    {"JALO",  table(variante::tJalo),   JALO,  C4,    C5},
    {"LIST",  table(variante::tList),   LIST,  CINC,  CINC},
    {"NAIS",  table(variante::tNais),   NAIS,  C16,   C17},
    {"REBO",  table(variante::tRebo),   REBO,  C5,    C6},
    {"SORT",  table(variante::tSort),   SORT,  C6,    C7},
    {"ZZZZ",  tableVide,                -1,    CINC,  CINC},
};
}  // namespace

// Sender of the file: a partner (the list is not consulted).
VSE_REGLE(enteteE3) {
    return !estFich(dependance) || commenceParUn(champ, {"OFFICE", "ONICAB", "NORM01", "NORM02", "PFOC01"});
}

VSE_REGLE(enteteE4) {
    return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif) ||
           egal(champ, "031BDN  ");
}

VSE_REGLE(enteteE8) {
    return estFich(dependance) || variante::codeExploitation(champ, sverif, lenSverif) ||
           egal(champ, "POINTFOC") || egal(champ, "NORMABEV") || commenceParUn(champ, {"OFFICE", "ONICAB"});
}

VSE_REGLE(enteteE10) {
    return estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif) ||
           egal(champ, "BDN     ");
}

const Pack pack{
    "DELVORANPF",
    "2.25.0 ",
    delvoranRES,
    variante::dependanceVSE,
    variante::maxAutoVSE,
    tAiguillage,
    static_cast<int>(std::size(tAiguillage)),
    {tEntete.data(), lEntete},
    table(tFin),
    table(tFich),
    "_pf",
    nullptr,
    erreurC3,
    &listesE6,
};

}  // namespace vse::pf
