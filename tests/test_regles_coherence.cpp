// Coherence rules: numbers, départements and establishments against the
// centre of header E8, and départements of one region.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "rules/coherence.hpp"
#include "rules/valautorise.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

// A list copied into a heap block of exactly its entries.
struct ListeExacte {
    std::unique_ptr<tValAutorise[]> v;
    int n;
    ListeExacte(const Liste& l, int entrees)
        : v(new tValAutorise[static_cast<std::size_t>(entrees)]), n(entrees) {
        for (int i = 0; i < entrees; ++i) v[static_cast<std::size_t>(i)] = l.v[i];
    }
};

struct Cas {
    pfVerif_t regle;
    const char* nom;
    const char* dep;
    const char* champ;
    int attendu;
};
#define R(f) f, #f

int appliquer(const Vue& vue, const Cas& c, const tValAutorise* liste, int n) {
    Tampon d(c.dep), v(c.champ);
    return c.regle(vue, d.c(), v.c(), liste, n);
}

template <std::size_t N>
void verifier(const Vue& vue, const Cas (&cas)[N], const Liste* l = nullptr) {
    for (const Cas& c : cas)
        EXPECT_EQ(appliquer(vue, c, l ? l->v : nullptr, l ? l->n : 0), c.attendu)
            << c.nom << " dep=\"" << c.dep << "\" champ=\"" << c.champ << '"';
}

TEST(ReglesCoherenceTest, NumeroDansLeDepartementDuCentre) {
    const Cas cas[] = {
        {R(fCoherenCC), "001IPG  ", "01234567    ", 1}, {R(fCoherenCC), "001IPG  ", "10234567    ", 0},
        {R(fCoherenCC), "02BIPG  ", "20234567    ", 1}, {R(fCoherenCC), "02AIPG  ", "2A234567    ", 0},
        {R(fCoherenCC), "974IPG  ", "98234567    ", 1}, {R(fCoherenCC), "974IPG  ", "97134567    ", 0},
        {R(fCoherenCC), "971IPG  ", "98234567    ", 0}, {R(fCoherenCC), "972IPG  ", "97", 0},
        {R(fCoherenCC), "POINTFOC", "55234567    ", 1}, {R(fCoherenCC), "0", "0", 0},
        {R(fCoherenCCD), "001IPG  ", "001", 1},        {R(fCoherenCCD), "001IPG  ", "002", 0},
        {R(fCoherenCCD), "02AIPG  ", "02B", 0},        {R(fCoherenCCD), "974IPG  ", "098", 1},
        {R(fCoherenCCD), "971IPG  ", "098", 0},        {R(fCoherenCCD), "00", "00", 0},
        {R(fCoherenCCD), "", "", 0},  // values cut short name no département
    };
    verifier(Vue{}, cas);

    // The movement cause "J", and only it, lets any holding through.
    const Cas causeJ[] = {
        {R(fCoherenCC_tr), "001IPG  ", "55234567    ", 1},
        {R(fCoherenCC_tr), "971IPG  ", "98234567    ", 1},
    };
    VueCorps j(C5, "J");
    verifier(j.vue, causeJ);
    const Cas autreCause[] = {
        {R(fCoherenCC_tr), "001IPG  ", "55234567    ", 0},
        {R(fCoherenCC_tr), "974IPG  ", "98234567    ", 1},
    };
    VueCorps jBlanc(C5, "J ");
    verifier(jBlanc.vue, autreCause);
    verifier(Vue{}, autreCause);
}

TEST(ReglesCoherenceTest, EtablissementDansLeTerritoireDuCentre) {
    const Cas lettres[] = {
        {R(fCoherenCCEget), "001IPG  ", "AA123      ", 1},
        {R(fCoherenCCEget), "001IPG  ", "HL123      ", 1},  // last element of the list
        {R(fCoherenCCEget), "001IPG  ", "A,123      ", 0},  // straddles a comma
        {R(fCoherenCCEget), "001IPG  ", "A", 0},            // the empty element is no prefix
        {R(fCoherenCCEget), "001IPG  ", "", 0},
        {R(fCoherenCCEget), "001IPG  ", "CA123      ", 0},  // 002IPG's letters
        {R(fCoherenCCEget), "002IPG  ", "CA123      ", 1},
        {R(fCoherenCCEget), "001IP", "AA123      ", 0},
    };
    VueCorps v(C4, "V");
    verifier(v.vue, lettres, &NEV);

    // Pairs are never read past the list's end, even an odd one.
    ListeExacte coupee(NEV, 3);
    const Liste nevCoupee{coupee.v.get(), coupee.n};
    const Cas listeCoupee[] = {
        {R(fCoherenCCEget), "001IPG  ", "AA123      ", 1},
        {R(fCoherenCCEget), "002IPG  ", "CA123      ", 0},
    };
    verifier(v.vue, listeCoupee, &nevCoupee);

    const Cas departement[] = {
        {R(fCoherenCCEget), "974IPG  ", "98123      ", 1}, {R(fCoherenCCEget), "974IPG  ", "974AB      ", 0},
        {R(fCoherenCCEget), "972IPG  ", "97BAB      ", 1}, {R(fCoherenCCEget), "972IPG  ", "97AAB      ", 0},
        {R(fCoherenCCEget), "971IPG  ", "97DAB      ", 1}, {R(fCoherenCCEget), "971IPG  ", "97BAB      ", 0},
        {R(fCoherenCCEget), "001IPG  ", "01ABC      ", 1}, {R(fCoherenCCEget), "001IPG  ", "00ABC      ", 0},
        {R(fCoherenCCEget), "02AIPG  ", "2A1BC      ", 1}, {R(fCoherenCCEget), "02BIPG  ", "2A1BC      ", 0},
        {R(fCoherenCCEget), "973IPG  ", "97", 0},          {R(fCoherenCCEget), "0", "0", 0},
    };
    VueCorps p(C4, "P");
    verifier(p.vue, departement, &NEV);

    // Any other production kind, or none, fails.
    const Cas autreProduction[] = {
        {R(fCoherenCCEget), "001IPG  ", "AA123      ", 0},
        {R(fCoherenCCEget), "001IPG  ", "01ABC      ", 0},
    };
    VueCorps pBlanc(C4, "P ");
    verifier(pBlanc.vue, autreProduction, &NEV);
    verifier(Vue{}, autreProduction, &NEV);
}

TEST(ReglesCoherenceTest, DepartementsDUneRegion) {
    const Cas cas[] = {
        {R(fCoherenCCDR), "001", "001", 1},   {R(fCoherenCCDR), "083", "004", 1},
        {R(fCoherenCCDR), "025", "090", 1},   {R(fCoherenCCDR), "009", "02A", 1},  // DPT17 is one group
        {R(fCoherenCCDR), "004", "013", 0},   {R(fCoherenCCDR), "004", "010", 0},  // two groups
        {R(fCoherenCCDR), "0041", "0831", 1}, {R(fCoherenCCDR), "", "", 0},
    };
    verifier(Vue{}, cas);
}

}  // namespace
