// The pack of delvorand.
#include "packs/d/pack.hpp"

#include <cstring>

#include "packs/commun/cadre.hpp"
#include "packs/variante/variante.hpp"

namespace vse::d {

namespace {
constexpr auto tEntete = tableEntete({
    enteteE3, &TD, enteteE4, &variante::TEC, &variante::tE5, &variante::tE6, variante::fVerifDepE6,
    variante::enteteE8, &TD, variante::enteteE9, enteteE10, &TDC,
});
}  // namespace

// Sender of the file: a holding of the list, or a code beginning "99".
VSE_REGLE(enteteE3) {
    return !estFich(dependance) || fConform8C(vue, dependance, champ, sverif, lenSverif) ||
           commencePar(champ, "99");
}

// Receiver of the file: a centre of the list, or a partner.
VSE_REGLE(enteteE4) {
    return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif) ||
           commenceParUn(champ, {"NORM01", "NORM02", "PFOC01", "SPIE"});
}

// Organisation code: a centre of the list, the focal point, or, on requests,
// a code beginning "SPIE".
VSE_REGLE(enteteE10) {
    if (estFich(dependance)) return 1;
    return fVerifValAut(vue, dependance, champ, sverif, lenSverif) || egal(champ, "POINTFOC") ||
           (egal(vue.E(E5), "DEM") && commencePar(champ, "SPIE"));
}

const Pack pack{
    "DELVORAND ",
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
    variante::erreurC3D,
    &variante::listesE6,
};

}  // namespace vse::d
