// Rules of the ASSO, DETE, ECBO, EGET and ERTI records.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "records/regles.hpp"
#include "rules/valautorise.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

struct Champ {
    numCorpsVSE n;
    std::string v;
};

// The body store and header of a record. Past each value the buffer holds
// '#', so a rule that reads a sibling field past its end sees a wrong
// character. Without a centre the view has no header at all.
struct VueEnreg {
    valeurVSE corps[NB_CORPS];
    valeurVSE entete[NB_ENTETE];
    Vue vue;
    VueEnreg(const std::vector<Champ>& champs, const char* centre) {
        vider(corps);
        vider(entete);
        for (const Champ& c : champs) poser(corps[c.n], c.v);
        vue.corps = corps;
        if (centre != nullptr) {
            poser(entete[E8], centre);
            vue.entete = entete;
        }
    }
    VueEnreg(const VueEnreg&) = delete;
    VueEnreg& operator=(const VueEnreg&) = delete;

    template <std::size_t N>
    static void vider(valeurVSE (&t)[N]) {
        std::memset(t, '#', sizeof t);
        for (valeurVSE& v : t) v.valeur[0] = v.valeur[LG_VSE] = '\0';
    }
    static void poser(valeurVSE& v, const std::string& s) {
        std::memcpy(v.valeur, s.c_str(), s.size() + 1);
    }
};

struct Cas {
    pfVerif_t regle;
    const char* nom;
    std::vector<Champ> corps;  // sibling fields
    const char* dep;
    std::string champ;
    int attendu;
};
#define R(f) f, #f

void verifier(std::initializer_list<Cas> cas, const Liste* l = nullptr, const char* centre = nullptr) {
    for (const Cas& c : cas) {
        VueEnreg ve(c.corps, centre);
        Tampon d(c.dep), v(c.champ);
        EXPECT_EQ(c.regle(ve.vue, d.c(), v.c(), l ? l->v : nullptr, l ? l->n : 0), c.attendu)
            << c.nom << " dep=\"" << c.dep << "\" champ=\"" << c.champ << '"';
    }
}

std::string b(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(ReglesEnregistrementsTest, AssoExploitation) {
    const std::vector<Champ> D{{C4, "D"}}, E{{C4, "E"}};
    verifier({
                 {R(asso_fC2_1), D, "", "02345678    ", 1},
                 {R(asso_fC2_1), E, "", "01234567    ", 1},
                 {R(asso_fC2_1), E, "", "02345678    ", 0},
                 {R(asso_fC2_1), {}, "", "02345678    ", 1},
             },
             nullptr, "001IPG  ");
    verifier({{R(asso_fC2_1), E, "", "20123456    ", 1}}, nullptr, "02AIPG  ");
    verifier({{R(asso_fC2_1), E, "", "01234567    ", 0}});  // no header: no centre
    verifier({
        {R(asso_fC2_2), E, "", "01234567    ", 1},
        {R(asso_fC2_2), E, "", "0123456     ", 0},
        {R(asso_fC2_2), E, "", "99234567    ", 0},
        {R(asso_fC2_2), D, "", "XYZ", 1},
    });
}

TEST(ReglesEnregistrementsTest, AssoTypeDeNumero) {
    const std::vector<Champ> D{{C4, "D"}}, E{{C4, "E"}}, X{{C4, "X"}};
    verifier({
        {R(asso_fC5), D, "", "SIREN", 1}, {R(asso_fC5), D, "", "AGRIN", 1},
        {R(asso_fC5), D, "", "SIRET", 0}, {R(asso_fC5), D, "", "CEM  ", 0},
        {R(asso_fC5), E, "", "SIRET", 1}, {R(asso_fC5), E, "", "AGRIT", 1},
        {R(asso_fC5), E, "", "AGRSA", 1}, {R(asso_fC5), E, "", "CEM  ", 1},
        {R(asso_fC5), E, "", "CEM", 1},   {R(asso_fC5), E, "", "CE", 0},
        {R(asso_fC5), E, "", "SIREN", 0}, {R(asso_fC5), E, "", "AGRIN", 0},
        {R(asso_fC5), X, "", "SIREN", 0}, {R(asso_fC5), {}, "", "SIREN", 0},
    });
}

TEST(ReglesEnregistrementsTest, AssoNumeros) {
    const std::vector<Champ> siren{{C5, "SIREN"}}, siret{{C5, "SIRET"}}, agrin{{C5, "AGRIN"}},
        agrit{{C5, "AGRIT"}}, cem{{C5, "CEM  "}};
    verifier({
        {R(asso_fC6_1), siren, "", "732829320" + b(11), 1},
        {R(asso_fC6_1), siren, "", "732829321" + b(11), 0},  // Luhn
        {R(asso_fC6_1_INV), siren, "", "732829321" + b(11), 1},
        {R(asso_fC6_1), siren, "", "73282932" + b(12), 0},
        {R(asso_fC6_1_INV), siren, "", "73282932A" + b(11), 0},
        {R(asso_fC6_1), siren, "", "732829320" + b(10) + "X", 0},
        {R(asso_fC6_1), siren, "", "732829320", 0},
        {R(asso_fC6_1), siret, "", "anything", 1},
        {R(asso_fC6_2), siret, "", "73282932000074" + b(6), 1},
        {R(asso_fC6_2), siret, "", "73282932000075" + b(6), 0},  // Luhn
        {R(asso_fC6_2_INV), siret, "", "73282932000075" + b(6), 1},
        {R(asso_fC6_2_INV), siret, "", "7328293200007 " + b(6), 0},
        {R(asso_fC6_2), siret, "", "73282932000074", 0},
        {R(asso_fC6_2), siren, "", "anything", 1},
        {R(asso_fC6_3), agrin, "", "A12345678" + b(11), 1},
        {R(asso_fC6_3), agrin, "", "a12345678" + b(11), 0},
        {R(asso_fC6_3), agrin, "", "112345678" + b(11), 0},
        {R(asso_fC6_3), agrin, "", "A1234567 " + b(11), 0},
        {R(asso_fC6_3), agrin, "", "A12345678X" + b(10), 0},
        {R(asso_fC6_3), agrin, "", "", 0},
        {R(asso_fC6_3), siren, "", "x", 1},
        {R(asso_fC6_4), agrit, "", "A12345678901" + b(8), 1},
        {R(asso_fC6_4), agrit, "", "A1234567890 " + b(8), 0},
        {R(asso_fC6_4), agrit, "", "A12345678901" + b(7), 0},
        {R(asso_fC6_6), cem, "", "AB12CD3" + b(13), 1},
        {R(asso_fC6_6), cem, "", "AB12CD " + b(13), 0},
        {R(asso_fC6_6), cem, "", "ab12cd3" + b(13), 0},
        {R(asso_fC6_6), cem, "", "AB12CD3X" + b(12), 0},
        {R(asso_fC6_6), cem, "", "AB12CD3", 0},
        {R(asso_fC6_6), siren, "", "x", 1},
    });
}

TEST(ReglesEnregistrementsTest, AssoAgrementSanitaire) {
    const std::vector<Champ> agrsa{{C5, "AGRSA"}};
    const std::string fin = " " + b(12);  // an eighth character, then twelve blanks
    verifier(
        {
            {R(asso_fC6_5), agrsa, "", "2A12345" + fin, 1},
            {R(asso_fC6_5), agrsa, "", "2B12345X" + b(12), 1},
            {R(asso_fC6_5), agrsa, "", "0112345" + fin, 1},
            {R(asso_fC6_5), agrsa, "", "9512345" + fin, 1},
            {R(asso_fC6_5), agrsa, "", "9711234" + fin, 1},
            {R(asso_fC6_5), agrsa, "", "9761234" + fin, 1},
            {R(asso_fC6_5), agrsa, "", "9751234" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "9771234" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "9701234" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "2012345" + fin, 0},  // in the list, never accepted
            {R(asso_fC6_5), agrsa, "", "9812345" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "9912345" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "2C12345" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "01 2345" + fin, 0},
            {R(asso_fC6_5), agrsa, "", "0112345 " + b(11) + "X", 0},
            {R(asso_fC6_5), agrsa, "", "0112345", 0},
            {R(asso_fC6_5), agrsa, "", "01", 0},
            {R(asso_fC6_5), {{C5, "SIREN"}}, "", "x", 1},
        },
        &TD);
    // Corsica needs no list; the other départements do.
    verifier({
        {R(asso_fC6_5), agrsa, "", "2A12345" + fin, 1},
        {R(asso_fC6_5), agrsa, "", "0112345" + fin, 0},
        {R(asso_fC6_5), agrsa, "", "9711234" + fin, 0},
    });
}

TEST(ReglesEnregistrementsTest, AssoFinDePeriode) {
    verifier({
        {R(asso_fC8_1), {}, "", b(8), 1},
        {R(asso_fC8_1), {}, "", "29022024", 1},
        {R(asso_fC8_1), {}, "", "29022023", 0},
        {R(asso_fC8_1), {}, "", b(7), 0},
        {R(asso_fC8_1), {}, "", "", 0},
        {R(asso_fC8_2), {}, "15032024", b(8), 1},
        {R(asso_fC8_2), {}, "15032024", "15032024", 1},
        {R(asso_fC8_2), {}, "15032024", "16032024", 1},
        {R(asso_fC8_2), {}, "15032024", "14032024", 0},
        {R(asso_fC8_3), {}, "15032024", b(8), 1},
        {R(asso_fC8_3), {}, "15032024", "15032024", 1},
        {R(asso_fC8_3), {}, "15032024", "16032024", 0},
    });
}

TEST(ReglesEnregistrementsTest, DeteDemande) {
    const std::vector<Champ> d{{C12, "D"}}, p{{C12, "P"}};
    verifier(
        {
            {R(fCoherenCC_dete_dem), d, "001IPG  ", "001" + b(9), 1},
            {R(fCoherenCC_dete_dem), d, "001IPG  ", "02A" + b(9), 1},
            {R(fCoherenCC_dete_dem), d, "001IPG  ", "020" + b(9), 0},
            {R(fCoherenCC_dete_dem), d, "001IPG  ", "975" + b(9), 0},
            {R(fCoherenCC_dete_dem), d, "001IPG  ", "01234567    ", 1},  // "012" is a département
            {R(fCoherenCC_dete_dem), p, "001IPG  ", "01234567    ", 1},
            {R(fCoherenCC_dete_dem), p, "001IPG  ", "001" + b(9), 0},
            {R(fCoherenCC_dete_dem), {}, "001IPG  ", "01234567    ", 1},
            {R(fCoherenCC_dete_dem), {{C12, "DD"}}, "001IPG  ", "001" + b(9), 0},
        },
        &TD);
}

TEST(ReglesEnregistrementsTest, EcboGroupe) {
    const std::vector<Champ> absent{{C12, "  "}, {C13, b(12)}, {C15, "  "}};
    const std::vector<Champ> paysSeul{{C12, "  "}, {C13, b(12)}, {C15, "10"}};
    const std::vector<Champ> coupe{{C12, "  "}, {C13, b(12)}, {C15, " "}};
    verifier({{R(ecbo_C12), absent, "", "  ", 1},
              {R(ecbo_C12), paysSeul, "", "  ", 0},
              {R(ecbo_C12), coupe, "", "  ", 0},
              {R(ecbo_C12), {{C13, "123"}, {C15, "10"}}, "", "XX", 0},
              {R(ecbo_C12), {{C13, "123"}, {C15, "10"}}, "", "BE", 1}},
             &TP);
    verifier({{R(ecbo_C15), absent, "", "  ", 1},
              {R(ecbo_C15), {{C12, "FR"}, {C13, "0123456789  "}}, "", "10", 1},
              {R(ecbo_C15), {{C12, "FR"}, {C13, "0123456789  "}}, "", "11", 0},
              {R(ecbo_C15), {{C12, "FR"}, {C13, "0123456789  "}}, "", "  ", 0}},
             &TRG);
    verifier({{R(ecbo_C13), absent, "  ", b(12), 1},
              {R(ecbo_C13), paysSeul, "  ", b(12), 0},
              {R(ecbo_C13), {{C12, "FR"}, {C15, "10"}}, "FR", b(12), 0},
              {R(ecbo_C13), {{C12, "FR"}, {C15, "10"}}, "FR", "0123456789  ", 1},
              {R(ecbo_C13), {{C12, "FR"}, {C15, "10"}}, "FR", "??", 1},
              {R(ecbo_C13), {{C12, "BE"}, {C15, "10"}}, "BE", "BE1234567   ", 0},
              {R(ecbo_C13), {{C12, "BE"}, {C15, "10"}}, "BE", "12345A      ", 1},
              {R(ecbo_C13), {{C12, "BE"}, {C15, "10"}}, "BE", "12 345      ", 0},
              {R(ecbo_C13), {{C12, "FR "}, {C15, "10"}}, "FR ", "??", 0}},  // only "FR" is France
             &DouzeBlancs);
}

TEST(ReglesEnregistrementsTest, EgetRaisonSociale) {
    verifier({
        {R(eget_fC5C6), {}, "", b(30), 1},  // an empty other field is not blank
    });
    const std::string nom = "DUPONT" + b(24);
    Tampon trente(b(30)), trenteBis(b(30)), vingtNeuf(b(29)), n(nom);
    EXPECT_EQ(eget_fC5C6(Vue{}, trente.c(), trenteBis.c(), nullptr, 0), 0);
    EXPECT_EQ(eget_fC5C6(Vue{}, trente.c(), n.c(), nullptr, 0), 1);
    EXPECT_EQ(eget_fC5C6(Vue{}, n.c(), trente.c(), nullptr, 0), 1);
    EXPECT_EQ(eget_fC5C6(Vue{}, vingtNeuf.c(), trente.c(), nullptr, 0), 1);
}

TEST(ReglesEnregistrementsTest, ErtiSelonProduction) {
    verifier({
        {R(erti_fC5), {}, "V", "D", 1},
        {R(erti_fC5), {}, "V", "M", 1},
        {R(erti_fC5), {}, "V", "A", 0},
        {R(erti_fC5), {}, "V", " ", 0},
        {R(erti_fC5), {}, "P", " ", 1},
        {R(erti_fC5), {}, "P", "D", 0},
        {R(erti_fC5), {}, "P", "", 0},
        {R(erti_fC5), {}, "", " ", 1},
        {R(erti_fC5), {}, "VV", "D", 0},
    });
    verifier({{R(erti_fC9C10), {}, "M", "OEUF", 1},
              {R(erti_fC9C10), {}, "M", "    ", 0},
              {R(erti_fC9C10), {}, "D", "    ", 1},
              {R(erti_fC9C10), {}, "D", "OEUF", 0},
              {R(erti_fC9C10), {}, "D", "   ", 0},
              {R(erti_fC9C10), {}, "MM", "OEUF", 0}},
             &FIL_V);
    verifier({{R(erti_fC9C10), {}, "M", "1   ", 1}, {R(erti_fC9C10), {}, "M", "4   ", 0}}, &ELV_V);
}

}  // namespace
