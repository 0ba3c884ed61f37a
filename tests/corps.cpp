#include "tests/corps.hpp"

namespace vse::outils {

std::string corpsValide(Programme p, const std::string& type, const std::string& e5) {
    const bool formePrincipale = p == Programme::principal || (p == Programme::pf && (type == "ABAT" || type == "INFO"));
    Vse v;
    v.corps = blancs(LG_CORPS);
    for (const auto& [position, texte] : formePrincipale ? corpsPrincipal(type, e5) : corpsVariante(type, e5))
        v.corpsA(position, texte);
    return v.corps;
}

namespace {

// The record types of each program with a transaction type that accepts
// them, in an order that keeps the pairs EXP1-EXP2 and EGET-RATA together.
std::vector<std::pair<std::string, std::string>> typesDe(Programme p) {
    switch (p) {
        case Programme::principal:
            return {{"NAIS", "CRE"}, {"ENTR", "CRE"}, {"SORT", "CRE"}, {"ABAT", "CRE"}, {"ACTI", "CRE"},
                    {"ASSO", "CRE"}, {"DETE", "CRE"}, {"DETI", "CRE"}, {"ECBO", "CRE"}, {"ECHA", "CRE"},
                    {"EGET", "CRE"}, {"RATA", "CRE"}, {"ERTI", "CRE"}, {"EXP1", "CRE"}, {"EXP2", "CRE"},
                    {"GROC", "CRE"}, {"IMOC", "CRE"}, {"IMPO", "CRE"}, {"JALO", "CRE"}, {"NUMA", "CRE"},
                    {"NVMN", "CRE"}, {"PASS", "DEM"}, {"PICO", "CRE"}, {"RACO", "CRE"}, {"REBO", "CRE"},
                    {"ERRE", "ECQ"}};
        case Programme::pf:
            return {{"NAIS", "CRE"}, {"ENTR", "CRE"}, {"SORT", "CRE"}, {"ABAT", "CRE"}, {"AVER", "DEM"},
                    {"ECHA", "CRE"}, {"IMPO", "CRE"}, {"JALO", "CRE"}, {"LIST", "DEM"}, {"REBO", "CRE"}};
        case Programme::l:
        case Programme::d: break;
    }
    return {{"NAIS", "CRE"}, {"ENTR", "CRE"}, {"SORT", "CRE"}, {"AVER", "DEM"}, {"ECHA", "CRE"},
            {"IMPO", "CRE"}, {"JALO", "CRE"}, {"LIST", "DEM"}, {"REBO", "CRE"}};
}

}  // namespace

std::string fichierMixte(Programme p, int n, bool rejetes) {
    Vse f = fich(p, n);
    // delvoran: a partner's file may carry slaughter records (from NORMABEV)
    // and any centre's records.
    if (p == Programme::principal) f.avec(E3, "NORM01  ");
    std::vector<std::string> lignes{f.ligne()};
    const auto types = typesDe(p);
    for (int i = 0; i < n; ++i) {
        const auto& [type, e5] = types[static_cast<std::size_t>(i) % types.size()];
        Vse v = vseType(p, type, e5);
        if (p == Programme::principal && type == "ABAT") v.avec(E8, "NORMABEV");
        if (rejetes) v.avec(E9, "AB CDEFG");
        lignes.push_back(v.ligne());
    }
    return fichier(lignes);
}

}  // namespace vse::outils
