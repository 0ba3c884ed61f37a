// The pack of the main program: identity, switches, lists of transaction and
// VSE types, frame and dispatch table.
#include "packs/main/pack.hpp"

#include "layouts/layouts.hpp"
#include "packs/commun/cadre.hpp"

namespace vse::principal {

namespace {
const tValAutorise tE6CRE[] = {"ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET",
                               "ENTR", "ERTI", "EXP1", "EXP2", "GROC", "IMPO", "IMOC", "JALO",
                               "NAIS", "NUMA", "NVMN", "PICO", "RACO", "RATA", "REBO", "SORT"};
const tValAutorise tE6DEM[] = {"DETE", "GROC", "INFO", "NAIS", "PASS"};
const tValAutorise tE6INV[] = {"ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR", "ERTI",
                               "EXP1", "EXP2", "IMPO", "IMOC", "NAIS", "NVMN", "PASS", "REBO", "RACO", "SORT"};
const tValAutorise tE6MOD[] = {"ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECHA", "EGET", "ENTR", "ERTI", "EXP1",
                               "EXP2", "IMPO", "NAIS", "NUMA", "NVMN", "RACO", "RATA", "REBO", "SORT"};
const tValAutorise tE6EDI[] = {"PASS"};
const tValAutorise tE6INF[] = {"FICH"};

char delvoranRES() { return '4'; }
int dependanceVSE() { return 1; }
int maxAutoVSE() { return 1; }

// The result code as received must not be "xx".
int erreurC3(const char* emetteur, const char* c3, const char*) {
    if (!egal(c3, "xx")) return 0;
    return egal(emetteur, "NORM01  ") || egal(emetteur, "NORM02  ") || egal(emetteur, "PFOC01  ") ? 64 : 51;
}

constexpr auto tEntete = tableEntete({
    enteteE3, &TEC, enteteE4, &BDN031, &tE5, &tE6, fVerifDepE6, enteteE8, &TDC, enteteE9, enteteE10, &BDN8,
});

const sAiguillage tAiguillage[] = {
    //  name    layout        code  ERRE C7  ERRE C8
    {"ABAT",  table(tAbat), ABAT,  CINC,  CINC},
    {"ACTI",  table(tActi), ACTI,  C1,    C2},
    {"ASSO",  table(tAsso), ASSO,  C1,    C2},
    {"DETE",  table(tDete), DETE,  C1,    C2},
    {"DETI",  table(tDeti), DETI,  C1,    C2},
    {"ECBO",  table(tEcbo), ECBO,  CINC,  CINC},
    {"ECHA",  table(tEcha), ECHA,  C18,   C19},
    {"EGET",  table(tEget), EGET,  CINC,  CINC},
    {"ENTR",  table(tEntr), ENTR,  C6,    C7},
    {"ERRE",  table(tErre), ERRE,  CINC,  CINC},
    {"ERTI",  table(tErti), ERTI,  CINC,  CINC},
    {"EXP1",  table(tExp1), EXP1,  C1,    C2},
    {"EXP2",  table(tExp2), EXP2,  C1,    C2},
    {"GROC",  table(tGroc), GROC,  C4,    C5},
    {"IMOC",  table(tImoc), IMOC,  C4,    C5},
    {"IMPO",  table(tImpo), IMPO,  C18,   C19},
    {"INFO",  table(tInfo), INFO,  CINC,  CINC},
    {"JALO",  table(tJalo), JALO,  C4,    C5},
    {"NAIS",  table(tNais), NAIS,  C16,   C17},
    {"NUMA",  table(tNuma), NUMA,  C1,    C2},
    {"NVMN",  table(tNvmn), NVMN,  C16,   C17},
    {"PASS",  table(tPass), PASS,  C4,    C5},
    {"PICO",  table(tPico), PICO,  C1,    C2},
    {"RACO",  table(tRaco), RACO,  C1,    C2},
    {"RATA",  table(tRata), RATA,  CINC,  CINC},
    {"REBO",  table(tRebo), REBO,  C5,    C6},
    {"SORT",  table(tSort), SORT,  C6,    C7},
    {"ZZZZ",  tableVide,    -1,    CINC,  CINC},
};
}  // namespace

const ListesE6 listesE6{liste(tE6CRE, "tE6CRE"), liste(tE6DEM, "tE6DEM"), liste(tE6INV, "tE6INV"),
                        liste(tE6EDI, "tE6EDI"), liste(tE6MOD, "tE6MOD"), liste(tE6INF, "tE6INF")};

const Pack pack{
    "DELVORAN  ",
    "2.23.0 ",
    delvoranRES,
    dependanceVSE,
    maxAutoVSE,
    tAiguillage,
    static_cast<int>(std::size(tAiguillage)),
    {tEntete.data(), lEntete},
    table(tFin),
    table(tFich),
    "",
    &TEDC,
    erreurC3,
    &listesE6,
};

}  // namespace vse::principal
