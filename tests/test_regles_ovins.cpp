// Small-ruminant numbers and their range per centre, model codes of small
// ruminants and cattle, country of origin, tag counter and witness tag.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "rules/ovins.hpp"
#include "rules/valautorise.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

// A record view whose body field C9 (the order type) holds `c9`.
struct VueTypeCommande {
    valeurVSE corps[NB_CORPS]{};
    Vue vue;
    explicit VueTypeCommande(const char* c9) {
        std::strcpy(corps[C9].valeur, c9);
        vue.corps = corps;
    }
    VueTypeCommande(const VueTypeCommande&) = delete;
    VueTypeCommande& operator=(const VueTypeCommande&) = delete;
};

struct Cas {
    pfVerif_t regle;
    const char* nom;
    const Liste* liste;
    const char* dep;
    const char* champ;
    int attendu;
};
#define R(f) f, #f

template <std::size_t N>
void verifier(const Vue& vue, const Cas (&cas)[N]) {
    for (const Cas& c : cas) {
        Tampon d(c.dep), v(c.champ);
        const int obtenu = c.regle(vue, d.c(), v.c(), c.liste ? c.liste->v : nullptr, c.liste ? c.liste->n : 0);
        EXPECT_EQ(obtenu, c.attendu) << c.nom << " dep=\"" << c.dep << "\" champ=\"" << c.champ << '"';
    }
}

TEST(ReglesOvinsTest, NumerosOC) {
    const Liste* I = &IND_M;
    const Cas cas[] = {
        {R(fConform_OC_FR), I, "FR", "09999912345 ", 0},  {R(fConform_OC_FR), I, "FR", "10000012345 ", 1},
        {R(fConform_OC_FR), I, "FR", "68349912345 ", 1},  {R(fConform_OC_FR), I, "FR", "68350012345 ", 0},
        {R(fConform_OC_FR), I, "FR", "123456789012", 0},  {R(fConform_OC_FR), I, "FR", "12345612345", 0},
        {R(fConform_OC_FR), I, "FR", "12345612345  ", 0}, {R(fConform_OC_FR), I, "FR", "1234561234A ", 0},
        {R(fConform_OC_FR), I, "FR", "2", 0},  // sorts inside the range but is no block
        {R(fConform_OC_FR), I, "FR ", "2", 1},            {R(fConform_OC_FR), I, "DE", "", 1},
        {R(fConform_OC_UE), nullptr, "DE", "AB123       ", 1},
        {R(fConform_OC_UE), nullptr, "DE", "DE123       ", 0},
        {R(fConform_OC_IND_M), nullptr, "", "100000      ", 1},
        {R(fConform_OC_IND_M), nullptr, "", "683499      ", 1},
        {R(fConform_OC_IND_M), nullptr, "", "683500      ", 0},
        {R(fConform_OC_IND_M), nullptr, "", "12345A      ", 0},
        {R(fConform_OC_IND_M), nullptr, "", "123456     ", 0},
        {R(fConform_OC_IND_M), nullptr, "", "123456       ", 0},
        {R(fConform_OC_IND_M), nullptr, "", "1234", 0},
    };
    verifier(Vue{}, cas);

    // In an order the seventh character follows the order type (C9).
    const Cas commandePR[] = {
        {R(fConform_OC_TP), I, "FR", "123456R1234 ", 1}, {R(fConform_OC_TP), I, "FR", "123456R     ", 1},
        {R(fConform_OC_TP), I, "FR", "12345611234 ", 0}, {R(fConform_OC_TP), I, "FR", "123456C1234 ", 0},
        {R(fConform_OC_TP), I, "DE", "X", 1},
    };
    VueTypeCommande pr("PR");
    verifier(pr.vue, commandePR);
    const Cas commandePC[] = {
        {R(fConform_OC_TP), I, "FR", "123456C1234 ", 1}, {R(fConform_OC_TP), I, "FR", "123456R1234 ", 0},
    };
    VueTypeCommande pc("PC");
    verifier(pc.vue, commandePC);
    const Cas commandeChiffre[] = {
        {R(fConform_OC_TP), I, "FR", "12345611234 ", 1}, {R(fConform_OC_TP), I, "FR", "1234561     ", 1},
        {R(fConform_OC_TP), I, "FR", "123456R1234 ", 0}, {R(fConform_OC_TP), I, "FR", "1234561 1 3 ", 0},
        {R(fConform_OC_TP), I, "FR", "12345611234", 0},  {R(fConform_OC_TP), I, "FR", "68350011234 ", 0},
        {R(fConform_OC_TP), I, "FR", "123456", 0},
    };
    VueTypeCommande i1("I1");
    verifier(i1.vue, commandeChiffre);
    verifier(Vue{}, commandeChiffre);
}

TEST(ReglesOvinsTest, PlageDuCentre) {
    const Liste* I = &IND_M;
    const Cas cas[] = {
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "520000      ", 1},
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "524999R1234 ", 1},  // only the block counts
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "519999      ", 0},
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "525000      ", 0},  // 077IPG's
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "655000      ", 0},  // 976IPG's
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "655001      ", 1},  // supplementary ranges
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "655499      ", 1},
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "655500      ", 0},
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "683499      ", 1},
        {R(fCoheren_OC_IND_M), I, "022IPG  ", "661999      ", 1},
        {R(fCoheren_OC_IND_M), I, "022IPG  ", "662000      ", 0},
        {R(fCoheren_OC_IND_M), I, "043IPG  ", "674999      ", 1},
        {R(fCoheren_OC_IND_M), I, "049IPG  ", "674499      ", 0},
        {R(fCoheren_OC_IND_M), I, "049IPG  ", "674500      ", 1},  // shared with 043IPG
        {R(fCoheren_OC_IND_M), I, "049IPG  ", "362000      ", 1},
        {R(fCoheren_OC_IND_M), I, "02AIPG  ", "211999      ", 1},
        {R(fCoheren_OC_IND_M), I, "02AIPG  ", "212000      ", 0},
        {R(fCoheren_OC_IND_M), I, "976IPG  ", "655000      ", 1},
        // A centre without a triple has no range of the list, not even the last.
        {R(fCoheren_OC_IND_M), I, "NORMABEV", "650000      ", 0},
        {R(fCoheren_OC_IND_M), I, "076", "520000      ", 0},
        {R(fCoheren_OC_IND_M), I, "076IPG  ", " 52000      ", 0},
        {R(fCoheren_OC_IND_M), I, "076IPG  ", "52", 0},
    };
    verifier(Vue{}, cas);

    // Triples are never read past the list's end.
    auto coupee = std::make_unique<tValAutorise[]>(4);
    for (std::size_t i = 0; i < 4; ++i) coupee[i] = IND_M.v[i];
    const Liste unTriple{coupee.get(), 4};
    const Liste aucunTriple{coupee.get(), 2};
    const Cas listeCoupee[] = {
        {R(fCoheren_OC_IND_M), &unTriple, "001IPG  ", "100000      ", 1},
        {R(fCoheren_OC_IND_M), &unTriple, "002IPG  ", "105000      ", 0},
        {R(fCoheren_OC_IND_M), &aucunTriple, "001IPG  ", "100000      ", 0},
        {R(fCoheren_OC_IND_M), nullptr, "076IPG  ", "655001      ", 1},
    };
    verifier(Vue{}, listeCoupee);
}

TEST(ReglesOvinsTest, ModelesOrigineCompteur) {
    const Cas cas[] = {
        {R(fConform_OC_model1), nullptr, "", "AZE123  ", 1},
        {R(fConform_OC_model1), nullptr, "", "AZ 123  ", 0},
        {R(fConform_OC_model1), nullptr, "", "AZE123 ", 0},
        {R(fConform_OC_model1), nullptr, "", "AZE123   ", 0},
        {R(fConform_OC_model2), &FAB_REP, "", "NZE123  ", 1},
        {R(fConform_OC_model2), &FAB_REP, "", "OZE123  ", 0},
        {R(fConform_OC_model2), &FAB_REP, "", "        ", 0},
        {R(fConform_OC_model2), &FAB_REP, "", "", 0},
        {R(fConform_OC_model3), &C2_MODEL, "", "ABE123  ", 0},
        {R(fConform_OC_model3), &C2_MODEL, "", "A", 0},
        {R(fConform_OC_model4), &C3_MODEL, "", "AZC123  ", 1},
        {R(fConform_OC_model4), &C3_MODEL, "", "AZ", 0},
        {R(fConform_OC_model5), nullptr, "", "AZE12A  ", 0},
        {R(fConform_OC_model5), nullptr, "", "AZE12", 0},
        // A cattle model may be blank.
        {R(fConform_BV_model2), &FAB_REP, "", "        ", 1},
        {R(fConform_BV_model2), &FAB_REP, "", "ZBE123  ", 0},
        {R(fConform_BV_model2), &FAB_REP, "", "       ", 0},
        {R(fConform_BV_model3), &C2_MODEL_BV, "", "ABE123  ", 1},
        {R(fConform_BV_model3), &C2_MODEL_BV, "", "AZE123  ", 0},
        {R(fConform_BV_model4), &C3_MODEL_BV, "", "        ", 1},
        {R(fConform_BV_model5), nullptr, "", "        ", 1},
        {R(fConform_BV_model5), nullptr, "", "ABC", 0},
        // Tag counter by the third letter of the model.
        {R(fConform_OC_compteur), nullptr, "AZE123  ", "7", 1},
        {R(fConform_OC_compteur), nullptr, "AZE123  ", "8", 0},
        {R(fConform_OC_compteur), nullptr, "AZE123  ", " ", 0},
        {R(fConform_OC_compteur), nullptr, "AZC123  ", " ", 1},
        {R(fConform_OC_compteur), nullptr, "AZC123  ", "0", 0},
        {R(fConform_OC_compteur), nullptr, "AZ", " ", 1},
        // Country of origin by the animal's country; witness tag.
        {R(fConform_OC_pays_orig), nullptr, "DE", "  ", 1},
        {R(fConform_OC_pays_orig), nullptr, "DE", "BE", 0},
        {R(fConform_OC_pays_orig), nullptr, "FR", "BE", 1},
        {R(fConform_OC_pays_orig), nullptr, "FR", "  ", 0},
        {R(fConform_OC_pays_orig), nullptr, "FR", "XS", 0},  // not a country of TP
        {R(fConform_temoin_bouc2), nullptr, "", "0", 0},
        {R(fConform_temoin_bouc2), nullptr, "", " ", 1},
    };
    verifier(Vue{}, cas);
}

}  // namespace
