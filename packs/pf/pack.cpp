// The pack of delvoranpf: the variant types plus slaughter and information
// records, for partner files.
#include "packs/pf/pack.hpp"

#include <cstring>

#include "packs/commun/cadre.hpp"
#include "packs/main/pack.hpp"
#include "packs/variante/variante.hpp"

namespace vse::pf {

namespace {
bool egal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }
bool commencePar(const char* v, const char* prefixe) { return std::strncmp(v, prefixe, std::strlen(prefixe)) == 0; }

const tValAutorise vE6[] = {"ABAT", "AVER", "ECHA", "ENTR", "FICH", "IMPO",
                            "INFO", "JALO", "LIST", "NAIS", "REBO", "SORT"};
const tValAutorise vE6CRE[] = {"ABAT", "ECHA", "ENTR", "IMPO", "JALO", "NAIS", "REBO", "SORT"};
const tValAutorise vE6DEM[] = {"AVER", "INFO", "LIST"};
const tValAutorise vE6ABAT[] = {"ABAT"};

template <std::size_t N>
constexpr Liste liste(const tValAutorise (&v)[N]) {
    return {v, static_cast<int>(N)};
}
const Liste tE6 = liste(vE6);
const Liste tE6CRE = liste(vE6CRE);
const Liste tE6DEM = liste(vE6DEM);
const Liste tE6ABAT = liste(vE6ABAT);
const ListesE6 listesE6{tE6CRE, tE6DEM, tE6ABAT, variante::tE6EDI, tE6ABAT, variante::tE6INF};

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
    //  name    layout      code  ERRE C7  ERRE C8
    {"ABAT",  tableVide,  ABAT,  CINC,  CINC},
    {"AVER",  tableVide,  AVER,  C1,    C2},
    {"ECHA",  tableVide,  ECHA,  C18,   C19},
    {"ENTR",  tableVide,  ENTR,  C6,    C7},
    {"IMPO",  tableVide,  IMPO,  C18,   C19},
    {"INFO",  tableVide,  INFO,  CINC,  CINC},
    {"JALO",  tableVide,  JALO,  C4,    C5},
    {"LIST",  tableVide,  LIST,  CINC,  CINC},
    {"NAIS",  tableVide,  NAIS,  C16,   C17},
    {"REBO",  tableVide,  REBO,  C5,    C6},
    {"SORT",  tableVide,  SORT,  C6,    C7},
    {"ZZZZ",  tableVide,  -1,    CINC,  CINC},
};
}  // namespace

// Sender of the file: a partner (the list is not consulted).
VSE_REGLE(enteteE3) {
    if (!estFich(dependance)) return 1;
    for (const char* p : {"OFFICE", "ONICAB", "NORM01", "NORM02", "PFOC01"}) {
        if (commencePar(champ, p)) return 1;
    }
    return 0;
}

VSE_REGLE(enteteE4) {
    return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif) ||
           egal(champ, "031BDN  ");
}

VSE_REGLE(enteteE8) {
    return estFich(dependance) || variante::codeExploitation(champ, sverif, lenSverif) ||
           egal(champ, "POINTFOC") || egal(champ, "NORMABEV") || commencePar(champ, "OFFICE") ||
           commencePar(champ, "ONICAB");
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
};

}  // namespace vse::pf
