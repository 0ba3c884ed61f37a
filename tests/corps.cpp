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

}  // namespace vse::outils
