// Header rules of the main program.
#include <cstring>

#include "packs/commun/cadre.hpp"
#include "packs/main/pack.hpp"

namespace vse::principal {

// Sender of the file: a regional centre, or a partner.
VSE_REGLE(enteteE3) {
    if (!estFich(dependance)) return 1;
    return fVerifValAut(vue, dependance, champ, sverif, lenSverif) || vaut(champ, "OVINFOS ") ||
           commenceParUn(champ, {"OFFICE", "ONICAB", "NORM01", "NORM02", "PFOC01"});
}

// Receiver of the file: the national base.
VSE_REGLE(enteteE4) {
    return !estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif);
}

// Organisation of every VSE.
VSE_REGLE(enteteE8) {
    if (estFich(dependance)) return 1;
    return fVerifValAut(vue, dependance, champ, sverif, lenSverif) || vaut(champ, "POINTFOC") ||
           vaut(champ, "NORMABEV") || vaut(champ, "OVINFOS ") || commenceParUn(champ, {"OFFICE", "ONICAB"});
}

// Identifier without blanks; partners' lines may leave it blank.
VSE_REGLE(enteteE9) {
    if (estFich(dependance)) return 1;
    if (fVerifAucunBlanc(vue, dependance, champ, sverif, lenSverif)) return 1;
    const char* e8 = vue.E(E8);
    return vaut(champ, "        ") && (vaut(e8, "NORMABEV") || commenceParUn(e8, {"OFFICE", "ONICAB"}));
}

// Organisation code of every VSE.
VSE_REGLE(enteteE10) {
    return estFich(dependance) || fVerifValAut(vue, dependance, champ, sverif, lenSverif);
}

VSE_REGLE(fVerifDepE6) { return vse::fVerifDepE6(listesE6, dependance, champ); }

}  // namespace vse::principal
