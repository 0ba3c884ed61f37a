// Rules of a received error record (ERRE), some of which read the type of
// the record in error and the countries by their positions in the line.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "records/regles.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

// A view of an ERRE line of `longueur` characters, blank but for C1 (the
// type in error, 63-66), C5 (84-85) and C31 (176-177).
struct VueLigne {
    Tampon ligne;
    Vue vue;
    VueLigne(const std::string& c1, const std::string& c5 = "  ", const std::string& c31 = "  ",
             std::size_t longueur = LG_VSE)
        : ligne(construire(c1, c5, c31, longueur)) {
        vue.xdebug = ligne.c();
    }
    static std::string construire(const std::string& c1, const std::string& c5, const std::string& c31,
                                  std::size_t longueur) {
        std::string l(LG_VSE, ' ');
        l.replace(62, c1.size(), c1);
        l.replace(83, c5.size(), c5);
        l.replace(175, c31.size(), c31);
        return l.substr(0, longueur);
    }
};

struct Cas {
    pfVerif_t regle;
    const char* nom;
    std::string champ;
    int attendu;
};
#define R(f) f, #f

int appliquer(const Vue& vue, pfVerif_t regle, const std::string& champ, const char* dependance = "") {
    Tampon d(dependance), v(champ);
    return regle(vue, d.c(), v.c(), nullptr, 0);
}

template <std::size_t N>
void verifier(const Vue& vue, const Cas (&cas)[N], const char* dependance = "") {
    for (const Cas& c : cas)
        EXPECT_EQ(appliquer(vue, c.regle, c.champ, dependance), c.attendu)
            << c.nom << " champ=\"" << c.champ << "\" ligne=\"" << vue.xdebug << '"';
}

const std::string B2(2, ' '), B8(8, ' '), B12(12, ' ');

TEST(ReglesErreTest, ChampsSimples) {
    const Cas cas[] = {
        {R(vErre_C1), "ABAT", 1},  {R(vErre_C1), "NAIS", 0},  {R(vErre_C1), "ABA", 0},
        {R(vErre_C1), "ABATX", 0}, {R(vErre_C4), B12, 0},     {R(vErre_C4), "", 0},
        {R(vErre_C4), "     1      ", 1},                      {R(vErre_C8), B12, 0},
        {R(vErre_C10), " ", 0},    {R(vErre_C10), "X", 1},    {R(vErre_C7), "FR", 1},
        {R(vErre_C7), "BE", 0},    {R(vErre_C7), "FR ", 0},   {R(vErre_C9), "I0A1", 1},
        {R(vErre_C9), "i0a1", 0},  {R(vErre_C9), "I0 1", 0},  {R(vErre_C9), "I01", 0},
        {R(vErre_C9), "I0111", 0}, {R(vErre_C29), B2, 1},     {R(vErre_C29), "", 1},
        {R(vErre_C29), "FR", 1},   {R(vErre_C29), "BE", 0},   {R(vErre_C31), B2, 1},
        {R(vErre_C31), "BE", 1},   {R(vErre_C31), "XX", 0},   {R(vErre_C31), " ", 0},
    };
    verifier(Vue{}, cas);
}

// The holding's country and number are required when the record in error is
// a slaughter; otherwise a blank holding passes.
TEST(ReglesErreTest, ExploitationSelonLeType) {
    VueLigne abat("ABAT", "DE");
    const Cas pourAbat[] = {
        {R(vErre_C5), B2, 0},           {R(vErre_C5), "F ", 0},
        {R(vErre_C5), " R", 0},         {R(vErre_C5), "FR", 1},
        {R(vErre_C5), "XX", 0},         {R(vErre_C6), B12, 0},
        {R(vErre_C6), "", 0},           {R(vErre_C6), "AB1234      ", 1},
        {R(vErre_C6), "DE1234      ", 0},  // begins with the country of 84-85
        {R(vErre_C6), "AB 1234     ", 0},
    };
    verifier(abat.vue, pourAbat);

    VueLigne nais("NAIS", "DE");
    const Cas pourNais[] = {
        {R(vErre_C5), B2, 1},          {R(vErre_C5), "F ", 0},  {R(vErre_C5), "FR", 1},
        {R(vErre_C5), "XX", 0},        {R(vErre_C6), B12, 1},   {R(vErre_C6), "AB1234      ", 1},
    };
    verifier(nais.vue, pourNais);
    verifier(Vue{}, pourNais);  // no line: not a slaughter
    EXPECT_EQ(appliquer(nais.vue, vErre_C6, "DE1234      "), 0);
    EXPECT_EQ(appliquer(Vue{}, vErre_C6, "DE1234      "), 1);  // no country to begin with

    // The type is compared whole: "ABA" followed by something else is not it.
    VueLigne abax("ABAX");
    EXPECT_EQ(appliquer(abax.vue, vErre_C6, B12), 1);
}

// Positions past the end of a short line are missing characters, never
// matches.
TEST(ReglesErreTest, LigneCourte) {
    for (std::size_t lg : {0, 62, 63, 65, 66}) {
        VueLigne l("ABAT", "DE", "FR", lg);
        const int abat = lg >= 66 ? 1 : 0;
        EXPECT_EQ(appliquer(l.vue, vErre_C6, B12), 1 - abat) << lg;
        EXPECT_EQ(appliquer(l.vue, vErre_C36_1, B8), 1 - abat) << lg;
        EXPECT_EQ(appliquer(l.vue, vErre_C5, B2), 1 - abat) << lg;
    }
    // Country of the holding cut to "D": a number beginning "DE" is foreign.
    VueLigne pays1("NAIS", "DE", "  ", 84);
    EXPECT_EQ(appliquer(pays1.vue, vErre_C6, "DE1234      "), 1);
    VueLigne pays2("NAIS", "DE", "  ", 85);
    EXPECT_EQ(appliquer(pays2.vue, vErre_C6, "DE1234      "), 0);
    // Country of the animal cut to "F" is not France, nor a member state.
    VueLigne animal("NAIS", "  ", "FR", 176);
    EXPECT_EQ(appliquer(animal.vue, vErre_C32_1, "9761234567  "), 1);
    EXPECT_EQ(appliquer(animal.vue, vErre_C32_2, "9761234567  "), 0);
    EXPECT_EQ(appliquer(animal.vue, vErre_C32_3, "FR"), 1);
    VueLigne animalFR("NAIS", "  ", "FR", 177);
    EXPECT_EQ(appliquer(animalFR.vue, vErre_C32_1, "9761234567  "), 0);
}

// A French holding: a sanitary approval number for a slaughterhouse, a
// holding number otherwise.
TEST(ReglesErreTest, ExploitationFrancaise) {
    for (const pfVerif_t regle : {vErre_C30, vErre_C8_conf}) {
        const Cas pourAbat[] = {
            {regle, "C30", B12, 1},
            {regle, "C30", "01123450    ", 1},
            {regle, "C30", "0112345     ", 1},
            {regle, "C30", "2A12345     ", 1},
            {regle, "C30", "2012345     ", 0},
            {regle, "C30", "0112345X    ", 0},
        };
        VueLigne abat("ABAT");
        verifier(abat.vue, pourAbat);
        const Cas autres[] = {
            {regle, "C30", B12, 1},
            {regle, "C30", "01123450    ", 1},
            {regle, "C30", "0112345     ", 0},
            {regle, "C30", "2A12345     ", 0},
            {regle, "C30", "0012345     ", 0},
        };
        VueLigne sort("SORT");
        verifier(sort.vue, autres);
    }
}

// The animal number C32 by its country C31 (176-177).
TEST(ReglesErreTest, NumeroAnimal) {
    const std::string fr = "0123456789  ", dom976 = "9761234567  ";
    struct CasPays {
        const char* pays;
        std::string champ;
        int c32_1, c32_2, c32_3;
    };
    const CasPays cas[] = {
        {"FR", B12, 1, 1, 1},         {"FR", fr, 1, 1, 1},
        {"FR", dom976, 0, 1, 1},      {"FR", "XYZ", 0, 1, 1},
        {"DE", dom976, 1, 1, 1},      {"DE", "DE12345     ", 1, 1, 0},
        {"DE", "12345       ", 1, 1, 1}, {"DE", "12 45       ", 1, 1, 0},
        {"CH", "CH12345     ", 1, 1, 0}, {"CH", "XYZ", 1, 1, 1},
        {"US", dom976, 1, 0, 1},      {"US", fr, 1, 1, 1},
        {"US", "US12345     ", 1, 0, 1}, {"  ", fr, 1, 1, 1},
        {"  ", "XYZ", 1, 0, 1},       {"US", "", 1, 1, 1},
    };
    for (const CasPays& c : cas) {
        VueLigne l("NAIS", "  ", c.pays);
        EXPECT_EQ(appliquer(l.vue, vErre_C32_1, c.champ), c.c32_1) << c.pays << " [" << c.champ << ']';
        EXPECT_EQ(appliquer(l.vue, vErre_C32_2, c.champ), c.c32_2) << c.pays << " [" << c.champ << ']';
        EXPECT_EQ(appliquer(l.vue, vErre_C32_3, c.champ), c.c32_3) << c.pays << " [" << c.champ << ']';
    }
}

TEST(ReglesErreTest, DateAbattage) {
    const Cas communs[] = {
        {R(vErre_C36_1), "29022024", 1}, {R(vErre_C36_1), "29022023", 0},
        {R(vErre_C36_1), "31122099", 1}, {R(vErre_C36_1), "01011899", 0},
        {R(vErre_C36_1), "  032024", 0}, {R(vErre_C36_1), "       ", 0},
        {R(vErre_C36_1), "2902202", 0},  {R(vErre_C36_1), "", 0},
        {R(vErre_C36_1), "         ", 0},
    };
    VueLigne abat("ABAT"), nais("NAIS");
    verifier(abat.vue, communs);
    verifier(nais.vue, communs);
    EXPECT_EQ(appliquer(abat.vue, vErre_C36_1, B8), 0);
    EXPECT_EQ(appliquer(nais.vue, vErre_C36_1, B8), 1);
}

TEST(ReglesErreTest, CodeDeLOrganisme) {
    const Cas cas[] = {
        {R(vErre_C37_1), B8, 1},
        {R(vErre_C37_1), "", 1},
        {R(vErre_C37_1), "004IPG  ", 1},
        {R(vErre_C37_1), "02AIPG  ", 1},
        {R(vErre_C37_1), "976IPG  ", 1},
        {R(vErre_C37_1), "096IPG  ", 0},  // not a known IPG centre
        {R(vErre_C37_1), "004IPG X", 0},
        {R(vErre_C37_1), "004IPGXX", 0},
        {R(vErre_C37_1), "013ARS  ", 1},
        {R(vErre_C37_1), "ABCDEF  ", 1},
        {R(vErre_C37_1), "ABCDEFG ", 1},
        {R(vErre_C37_1), "ABCDEFGH", 1},
        {R(vErre_C37_1), "ABCDE   ", 0},  // five significant characters
        {R(vErre_C37_1), "AB DEF  ", 0},
        {R(vErre_C37_1), " BCDEF  ", 0},
        {R(vErre_C37_1), "ABCDEF ", 0},
        {R(vErre_C37_1), "ABCDEF   ", 0},
    };
    verifier(Vue{}, cas);
}

// The code of the organisation is the file's sender (`dependance`) or one
// of the centres that sender may send for.
TEST(ReglesErreTest, CodeSelonLEmetteur) {
    const Cas cas[] = {
        {R(vErre_C37_2), B8, 1},         {R(vErre_C37_2), "", 1},
        {R(vErre_C37_2), "013ARS  ", 1}, {R(vErre_C37_2), "004IPG  ", 1},
        {R(vErre_C37_2), "084IPG  ", 1}, {R(vErre_C37_2), "001IPG  ", 0},
        {R(vErre_C37_2), "025IPG  ", 0}, {R(vErre_C37_2), "004IPG", 0},
    };
    verifier(Vue{}, cas, "013ARS  ");
    // Pairs are read one way only.
    EXPECT_EQ(appliquer(Vue{}, vErre_C37_2, "013ARS  ", "004IPG  "), 0);
    EXPECT_EQ(appliquer(Vue{}, vErre_C37_2, "004IPG  ", "004IPG  "), 1);
    // The last pair of the list is reached; its first entry alone does not
    // pair with the next list's entries.
    const Liste& tedc = principal::TEDC;
    ASSERT_GE(tedc.n, 2);
    EXPECT_EQ(appliquer(Vue{}, vErre_C37_2, tedc.v[tedc.n - 1], tedc.v[tedc.n - 2]), 1);
    EXPECT_EQ(appliquer(Vue{}, vErre_C37_2, tedc.v[tedc.n - 2], tedc.v[tedc.n - 1]), 0);
}

// Values and lines cut short (down to empty) are read only up to their
// terminating zero; ASan watches the exact-size buffers.
TEST(ReglesErreTest, ValeursCourtes) {
    const pfVerif_t regles[] = {
        vErre_C1,    vErre_C4,    vErre_C5,    vErre_C6,    vErre_C7,    vErre_C8,
        vErre_C8_conf, vErre_C9,  vErre_C10,   vErre_C29,   vErre_C30,   vErre_C31,
        vErre_C32_1, vErre_C32_2, vErre_C32_3, vErre_C36_1, vErre_C37_1, vErre_C37_2,
    };
    const std::string modeles[] = {"004IPG  ", "0123456789  ", B12, "2A123456    ", "29022024"};
    for (std::size_t lg : {0, 64, 70, 84, 85, 90, 176, 177, 200}) {
        VueLigne l("ABAT", "DE", "FR", lg);
        for (const pfVerif_t regle : regles)
            for (const std::string& m : modeles)
                for (std::size_t n = 0; n <= m.size(); ++n) {
                    Tampon champ(m.substr(0, n)), dep(m.substr(0, n));
                    regle(l.vue, dep.c(), champ.c(), nullptr, 0);
                }
    }
}

}  // namespace
