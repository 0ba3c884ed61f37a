// Small-ruminant (OC) numbers and model codes, cattle (BV) model codes, and
// the range coherence between an OC number and the sending centre. Blocks are
// compared as six-character texts; a value cut shorter than its block holds
// no block and lies in no range.
#include "rules/ovins.hpp"

#include <cstring>

#include "rules/texte.hpp"
#include "rules/valautorise.hpp"

namespace vse {

namespace {

// The national range of OC blocks, bounds included.
constexpr const char* BLOC_MIN = "100000";
constexpr const char* BLOC_MAX = "683499";
constexpr int LG_BLOC = 6;

// The first six characters of `champ` exist and lie from `bas` to `haut`.
bool blocDansPlage(const char* champ, const char* bas, const char* haut) {
    return auMoins(champ, LG_BLOC) && ordreDebuts(champ, bas, LG_BLOC) >= 0 && ordreDebuts(champ, haut, LG_BLOC) <= 0;
}

bool blocNational(const char* champ) { return blocDansPlage(champ, BLOC_MIN, BLOC_MAX); }

// Ranges granted to some centres on top of their range of IND_M, in the order
// they are tested (043IPG and 049IPG share 674500 to 674999).
struct Plage {
    const char* centre;
    const char* bas;
    const char* haut;
};
constexpr Plage PLAGES_SUPPLEMENTAIRES[] = {
    {"076IPG", "655001", "655499"}, {"022IPG", "655500", "657499"},
    {"035IPG", "657500", "659499"}, {"076IPG", "659500", "660499"},
    {"022IPG", "660500", "661999"}, {"024IPG", "662000", "664499"},
    {"029IPG", "664500", "667499"}, {"031IPG", "667500", "667999"},
    {"033IPG", "668000", "668499"}, {"035IPG", "668500", "673499"},
    {"042IPG", "673500", "673999"}, {"043IPG", "674000", "674999"},
    {"049IPG", "674500", "674999"}, {"053IPG", "675000", "677499"},
    {"056IPG", "677500", "677999"}, {"059IPG", "678000", "678999"},
    {"061IPG", "679000", "679999"}, {"072IPG", "680000", "680499"},
    {"076IPG", "680500", "683499"},
};

// Character i of the model, as a one-character text, is in the list.
bool lettreDans(const char* champ, int i, const tValAutorise* liste, int n) {
    return caractereDansListe(carOuNul(champ, i), liste, n);
}

// A cattle model may be left blank.
bool modeleBlanc(const char* champ) { return blancs(champ, 0, 8); }

}  // namespace

VSE_REGLE(fConform_OC_FR) {
    if (!vaut(dependance, "FR")) return 1;
    return chiffresIci(champ, 11) && blocNational(champ) && champ[11] == ' ' && champ[12] == '\0' ? 1 : 0;
}

VSE_REGLE(fConform_OC_UE) { return fConform10FRnon(vue, dependance, champ, sverif, lenSverif); }

// In an order the seventh character carries the order type (R for "PR", C
// for "PC", a digit otherwise) and the serial part may be left blank.
VSE_REGLE(fConform_OC_TP) {
    if (!vaut(dependance, "FR")) return 1;
    if (!chiffresIci(champ, LG_BLOC) || !blocNational(champ)) return 0;
    const char* typeCommande = vue.C(C9);
    // The six digits are there: the seventh character can be read.
    const char septieme = champ[6];
    bool typeOk;
    if (vaut(typeCommande, "PR"))
        typeOk = septieme == 'R';
    else if (vaut(typeCommande, "PC"))
        typeOk = septieme == 'C';
    else
        typeOk = estChiffre(septieme);
    if (!typeOk) return 0;
    if (!blancsIci(champ + 7, 4) && !chiffresIci(champ + 7, 4)) return 0;
    return champ[11] == ' ' && champ[12] == '\0' ? 1 : 0;
}

VSE_REGLE(fConform_OC_IND_M) {
    if (!chiffresIci(champ, LG_BLOC) || !blocNational(champ)) return 0;
    return blancsIci(champ + 6, 6) && champ[12] == '\0' ? 1 : 0;
}

// `sverif` holds (centre, lowest block, highest block) triples; the centre is
// the first six characters of header E8. A centre without a triple has only
// its supplementary ranges.
VSE_REGLE(fCoheren_OC_IND_M) {
    if (sverif != nullptr && lenSverif > 2) {
        for (int i = 0; i < lenSverif / 3; ++i) {
            const tValAutorise* triple = sverif + 3 * i;
            if (!egalDebut(triple[0], dependance, LG_BLOC)) continue;
            if (blocDansPlage(champ, triple[1], triple[2])) return 1;
            break;
        }
    }
    for (const Plage& p : PLAGES_SUPPLEMENTAIRES) {
        if (egalDebut(p.centre, dependance, LG_BLOC) && blocDansPlage(champ, p.bas, p.haut)) return 1;
    }
    return 0;
}

VSE_REGLE(fConform_OC_model1) {
    // Each character read is not the zero: the next one can be read.
    for (int i = 0; i < 6; ++i) {
        if (champ[i] == '\0' || champ[i] == ' ') return 0;
    }
    return blancsIci(champ + 6, 2) && champ[8] == '\0' ? 1 : 0;
}

VSE_REGLE(fConform_OC_model2) { return lettreDans(champ, 0, sverif, lenSverif) ? 1 : 0; }
VSE_REGLE(fConform_OC_model3) { return lettreDans(champ, 1, sverif, lenSverif) ? 1 : 0; }
VSE_REGLE(fConform_OC_model4) { return lettreDans(champ, 2, sverif, lenSverif) ? 1 : 0; }
VSE_REGLE(fConform_OC_model5) { return chiffres(champ, 3, 3) ? 1 : 0; }

VSE_REGLE(fConform_BV_model2) {
    return modeleBlanc(champ) || fConform_OC_model2(vue, dependance, champ, sverif, lenSverif) ? 1 : 0;
}
VSE_REGLE(fConform_BV_model3) {
    return modeleBlanc(champ) || fConform_OC_model3(vue, dependance, champ, sverif, lenSverif) ? 1 : 0;
}
VSE_REGLE(fConform_BV_model4) {
    return modeleBlanc(champ) || fConform_OC_model4(vue, dependance, champ, sverif, lenSverif) ? 1 : 0;
}
VSE_REGLE(fConform_BV_model5) {
    return modeleBlanc(champ) || fConform_OC_model5(vue, dependance, champ, sverif, lenSverif) ? 1 : 0;
}

// A French animal names its country of origin; a foreign one leaves it blank.
VSE_REGLE(fConform_OC_pays_orig) {
    if (vaut(dependance, "FR")) return estDans(champ, TP) ? 1 : 0;
    return vaut(champ, "  ") ? 1 : 0;
}

// Models whose third letter is E carry a tag counter from 0 to 7; the others
// leave it blank.
VSE_REGLE(fConform_OC_compteur) {
    if (carOuNul(dependance, 2) != 'E') return vaut(champ, " ") ? 1 : 0;
    return ordreTextes(champ, "0") >= 0 && ordreTextes(champ, "7") <= 0 ? 1 : 0;
}

VSE_REGLE(fConform_temoin_bouc2) { return vaut(champ, "0") ? 0 : 1; }

}  // namespace vse
