// The pack of delvoranl.
#include "packs/l/pack.hpp"

#include <cstring>

#include "packs/commun/cadre.hpp"
#include "packs/main/pack.hpp"
#include "packs/variante/variante.hpp"

namespace vse::l {

namespace {
constexpr auto tEntete = tableEntete({
    enteteE3, &TD, principal::enteteE4, &variante::TEC, &variante::tE5, &variante::tE6, variante::fVerifDepE6,
    variante::enteteE8, &TD, variante::enteteE9, principal::enteteE10, &TDC,
});
}  // namespace

// Sender of the file: a holding of the list, a partner, or a code beginning "99".
VSE_REGLE(enteteE3) {
    return !estFich(dependance) || fConform8C(vue, dependance, champ, sverif, lenSverif) ||
           commenceParUn(champ, {"NORM01", "NORM02", "PFOC01", "99"});
}

const Pack pack{
    "DELVORANL ",
    "2.25.0 ",
    variante::delvoranRES,
    variante::dependanceVSE,
    variante::maxAutoVSE,
    variante::tAiguillage,
    variante::LEN_AIGUILLAGE,
    {tEntete.data(), lEntete},
    table(tFin),
    table(tFich),
    "",
    nullptr,
    variante::erreurC3L,
    &variante::listesE6,
};

}  // namespace vse::l
