// Rules of the movement records: entries and exits (cause, country, number and
// address of the other party), imports, the EXP1 title and the zero-serial
// check.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "records/regles.hpp"
#include "rules/valautorise.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

// Fields of a movement that the rules read.
struct Mouvement {
    std::string c4 = "15032024";  // date of the movement
    std::string c5 = "A";         // cause
    std::string c8 = "  ";        // country of the other holding
    std::string c9 = std::string(12, ' ');
    std::string c10 = std::string(60, ' ');
};

// The body store of a movement. Past each value the buffer holds '#', so a
// rule that reads a sibling field past its end sees a wrong character.
struct VueMouvement {
    valeurVSE corps[NB_CORPS];
    Vue vue;
    explicit VueMouvement(const Mouvement& m) {
        std::memset(corps, '#', sizeof corps);
        for (valeurVSE& v : corps) v.valeur[0] = v.valeur[LG_VSE] = '\0';
        poser(C4, m.c4);
        poser(C5, m.c5);
        poser(C8, m.c8);
        poser(C9, m.c9);
        poser(C10, m.c10);
        vue.corps = corps;
    }
    VueMouvement(const VueMouvement&) = delete;
    VueMouvement& operator=(const VueMouvement&) = delete;
    void poser(numCorpsVSE c, const std::string& v) {
        std::memcpy(corps[c].valeur, v.c_str(), v.size() + 1);
    }
};

const std::string B2 = "  ";
const std::string B12(12, ' ');
const std::string B60(60, ' ');
const std::string NUMERO = "01234567    ";  // a holding of département 01
const std::string ADRESSE = "MARTIN PIERRE 01000 BOURG" + std::string(35, ' ');

Mouvement mvt(const std::string& c5, const std::string& c8, const std::string& c9,
              const std::string& c10 = B60, const std::string& c4 = "15032024") {
    return {c4, c5, c8, c9, c10};
}

// One case: the rule, the field it checks (its value is taken from the
// movement), the movement, the expected result.
struct CasMvt {
    pfVerif_t regle;
    const char* nom;
    numCorpsVSE champ;
    Mouvement m;
    int attendu;
};
#define R(f) f, #f

const std::string& valeur(const Mouvement& m, numCorpsVSE c) {
    switch (c) {
        case C4: return m.c4;
        case C5: return m.c5;
        case C8: return m.c8;
        case C9: return m.c9;
        default: return m.c10;
    }
}

template <std::size_t N>
void verifier(const CasMvt (&cas)[N]) {
    for (const CasMvt& c : cas) {
        VueMouvement vm(c.m);
        Tampon d(""), v(valeur(c.m, c.champ));
        EXPECT_EQ(c.regle(vm.vue, d.c(), v.c(), nullptr, 0), c.attendu)
            << c.nom << " C4=\"" << c.m.c4 << "\" C5=\"" << c.m.c5 << "\" C8=\"" << c.m.c8
            << "\" C9=\"" << c.m.c9 << "\" C10 blank=" << (c.m.c10 == B60);
    }
}

// A rule with its dependance and value only.
struct Cas {
    pfVerif_t regle;
    const char* nom;
    const char* dep;
    std::string champ;
    int attendu;
};

void verifier(const Cas* debut, const Cas* fin, const Liste* l, const Vue& vue = Vue{}) {
    for (const Cas* c = debut; c != fin; ++c) {
        Tampon d(c->dep), v(c->champ);
        EXPECT_EQ(c->regle(vue, d.c(), v.c(), l ? l->v : nullptr, l ? l->n : 0), c->attendu)
            << c->nom << " dep=\"" << c->dep << "\" champ=\"" << c->champ << '"';
    }
}

template <std::size_t N>
void verifier(const Cas (&cas)[N], const Liste* l = nullptr) {
    verifier(cas, cas + N, l);
}

TEST(ReglesMouvementsTest, CauseReserveeAuxCreations) {
    const Cas cas[] = {
        {R(entr_fC5), "CRE", "F", 1},   {R(entr_fC5), "MOD", "F", 0},  {R(entr_fC5), "INV", "G", 0},
        {R(entr_fC5), "MOD", "A", 1},   {R(entr_fC5), "MOD", "S", 1},  {R(entr_fC5), "CREX", "G", 1},
        {R(entr_fC5), "CR", "F", 0},    {R(entr_fC5), "", "F", 0},     {R(entr_fC5), "MOD", "", 1},
        {R(sort_fC5), "MOD", "S", 0},   {R(sort_fC5), "MOD", "T", 0},  {R(sort_fC5), "CRE", "T", 1},
        {R(sort_fC5), "MOD", "M", 1},   {R(sort_fC5), "MOD", "F", 1},  {R(sort_fC5), "cre", "S", 0},
    };
    verifier(cas);
}

TEST(ReglesMouvementsTest, PaysDeLAutreExploitation) {
    const CasMvt cas[] = {
        // Creation: the singled-out causes need the country.
        {R(entr_fC8_cre), C8, mvt("F", B2, B12), 0},
        {R(entr_fC8_cre), C8, mvt("G", B2, B12), 0},
        {R(entr_fC8_cre), C8, mvt("A", B2, B12), 1},
        {R(entr_fC8_cre), C8, mvt("N", B2, B12), 1},
        {R(entr_fC8_cre), C8, mvt("S", B2, B12), 1},
        {R(entr_fC8_cre), C8, mvt("F", "BE", B12), 1},
        {R(entr_fC8_cre), C8, mvt("A", "XX", B12), 0},  // given: must be a country
        {R(entr_fC8_cre), C8, mvt("A", "", B12), 0},    // empty is not blank
        {R(entr_fC8_cre), C8, mvt("A", " ", B12), 0},
        {R(sort_fC8_cre), C8, mvt("S", B2, B12), 0},
        {R(sort_fC8_cre), C8, mvt("T", B2, B12), 0},
        {R(sort_fC8_cre), C8, mvt("M", B2, B12), 1},
        {R(sort_fC8_cre), C8, mvt("F", B2, B12), 1},
        {R(sort_fC8_cre), C8, mvt("T", "DE", B12), 1},
        // Modification: movements before 1 January 1999 are excused.
        {R(entr_fC8_mod), C8, mvt("F", B2, B12, B60, "31121998"), 1},
        {R(entr_fC8_mod), C8, mvt("F", B2, B12, B60, "01011999"), 0},
        {R(entr_fC8_mod), C8, mvt("G", B2, B12, B60, "15032024"), 0},
        {R(entr_fC8_mod), C8, mvt("A", B2, B12, B60, "15032024"), 1},
        {R(entr_fC8_mod), C8, mvt("F", "XX", B12, B60, "31121998"), 0},
        {R(entr_fC8_mod), C8, mvt("F", B2, B12, B60, "    1998"), 1},  // blanks read as 0
        {R(sort_fC8_mod), C8, mvt("S", B2, B12, B60, "31121998"), 1},
        {R(sort_fC8_mod), C8, mvt("T", B2, B12, B60, "01011999"), 0},
        {R(sort_fC8_mod), C8, mvt("M", B2, B12, B60, "01011999"), 1},
    };
    verifier(cas);
}

TEST(ReglesMouvementsTest, PresenceDuNumeroDeLAutreExploitation) {
    const CasMvt cas[] = {
        {R(entr_fC9_1_cre), C9, mvt("A", "FR", NUMERO), 1},
        {R(entr_fC9_1_cre), C9, mvt("A", B2, NUMERO), 0},  // number without country
        {R(entr_fC9_1_cre), C9, mvt("F", B2, B12), 1},
        {R(entr_fC9_1_cre), C9, mvt("A", "BE", B12), 0},
        {R(entr_fC9_1_cre), C9, mvt("G", "BE", B12), 1},
        {R(entr_fC9_1_cre), C9, mvt("F", "BE", B12), 1},
        {R(entr_fC9_1_cre), C9, mvt("N", "BE", B12), 0},
        {R(entr_fC9_1_cre), C9, mvt("M", "BE", B12), 0},  // M excuses exits only
        {R(entr_fC9_1_cre), C9, mvt("A", "BE", ""), 1},   // empty is not blank
        {R(sort_fC9_1_cre), C9, mvt("S", "BE", B12), 1},
        {R(sort_fC9_1_cre), C9, mvt("T", "BE", B12), 1},
        {R(sort_fC9_1_cre), C9, mvt("M", "BE", B12), 1},
        {R(sort_fC9_1_cre), C9, mvt("A", "BE", B12), 0},
        {R(sort_fC9_1_cre), C9, mvt("F", "BE", B12), 0},
        {R(sort_fC9_1_cre), C9, mvt("A", B2, NUMERO), 0},
        {R(entr_fC9_1_mod), C9, mvt("A", "BE", B12, B60, "15061998"), 1},
        {R(entr_fC9_1_mod), C9, mvt("A", "BE", B12, B60, "15062001"), 0},
        {R(entr_fC9_1_mod), C9, mvt("A", "BE", B12, B60, "31121998"), 1},
        {R(entr_fC9_1_mod), C9, mvt("A", "BE", B12, B60, "01011999"), 0},
        {R(entr_fC9_1_mod), C9, mvt("F", "BE", B12, B60, "15062001"), 1},
        {R(entr_fC9_1_mod), C9, mvt("A", B2, NUMERO, B60, "15061998"), 0},
        {R(sort_fC9_1_mod), C9, mvt("M", "BE", B12, B60, "15062001"), 1},
        {R(sort_fC9_1_mod), C9, mvt("A", "BE", B12, B60, "15062001"), 0},
        {R(sort_fC9_1_mod), C9, mvt("A", "BE", B12, B60, "31121998"), 1},
    };
    verifier(cas);
}

TEST(ReglesMouvementsTest, FormeDuNumeroDeLAutreExploitation) {
    struct CasForme {
        std::string c8, c9;
        int attendu;
    };
    const CasForme formes[] = {
        {"FR", B12, 1},
        {"FR", NUMERO, 1},
        {"FR", "99234567    ", 0},  // no such département
        {"FR", "0123456     ", 0},
        {"FR", "01234567   X", 0},
        {"FR", "97512345    ", 0},
        {"FR", "97112345    ", 1},
        {"FR", "", 0},
        {"BE", "ABC 12", 1},  // a foreign number is not checked here
        {B2, NUMERO, 1},
    };
    const pfVerif_t regles[] = {entr_fC9_2_cre, entr_fC9_2_mod, sort_fC9_2_cre, sort_fC9_2_mod};
    for (const pfVerif_t regle : regles)
        for (const CasForme& f : formes) {
            VueMouvement vm(mvt("A", f.c8, f.c9));
            Tampon d(""), v(f.c9);
            EXPECT_EQ(regle(vm.vue, d.c(), v.c(), nullptr, 0), f.attendu)
                << f.c8 << " \"" << f.c9 << '"';
        }
}

TEST(ReglesMouvementsTest, AdresseDeLAutrePartie) {
    const CasMvt cas[] = {
        {R(entr_fC10_cre), C10, mvt("A", B2, B12, ADRESSE), 1},
        {R(entr_fC10_cre), C10, mvt("A", B2, B12, B60), 0},
        {R(entr_fC10_cre), C10, mvt("N", B2, B12, B60), 1},
        {R(entr_fC10_cre), C10, mvt("A", "FR", NUMERO, B60), 1},
        {R(entr_fC10_cre), C10, mvt("A", B2, "", B60), 1},  // an empty number is not blank
        {R(sort_fC10_cre), C10, mvt("N", B2, B12, B60), 0},
        {R(sort_fC10_cre), C10, mvt("A", "FR", NUMERO, B60), 1},
        {R(sort_fC10_cre), C10, mvt("A", B2, B12, ADRESSE), 1},
        {R(entr_fC10_mod), C10, mvt("A", B2, B12, B60, "31121998"), 1},
        {R(entr_fC10_mod), C10, mvt("A", B2, B12, B60, "01011999"), 0},
        {R(entr_fC10_mod), C10, mvt("N", B2, B12, B60, "01011999"), 1},
        {R(sort_fC10_mod), C10, mvt("A", B2, B12, B60, "31121998"), 1},
        {R(sort_fC10_mod), C10, mvt("N", B2, B12, B60, "01011999"), 0},
        {R(sort_fC10_mod), C10, mvt("A", "FR", NUMERO, B60, "01011999"), 1},
    };
    verifier(cas);
}

// Without a body store the siblings read as empty values: nothing is read
// out of bounds, and an empty country is a given one.
TEST(ReglesMouvementsTest, SansCorps) {
    const Cas cas[] = {
        {R(entr_fC8_cre), "", B2, 1},
        {R(sort_fC8_mod), "", B2, 1},
        {R(entr_fC9_1_cre), "", B12, 0},
        {R(sort_fC9_1_mod), "", B12, 1},  // an empty date is before every phase
        {R(entr_fC9_2_cre), "", NUMERO, 1},
        {R(entr_fC10_mod), "", B60, 1},
        {R(sort_fC10_cre), "", B60, 1},
    };
    verifier(cas);
}

TEST(ReglesMouvementsTest, Importations) {
    const Cas numeros[] = {
        {R(impo_C2), "", "0123456789  ", 1},
        {R(impo_C2), "", "0123450000  ", 0},  // serial 0000
        {R(impo_C2), "", "0123450001  ", 1},
        {R(impo_C2), "", "01234500001 ", 0},
        {R(impo_C2), "", "9912345678  ", 0},
        {R(impo_C2), "", "012345", 0},
    };
    verifier(numeros, &TD);

    const Cas dates[] = {
        {R(impo_C6_1), "", "        ", 1},
        {R(impo_C6_1), "", "********", 1},
        {R(impo_C6_1), "", "  032024", 1},
        {R(impo_C6_1), "", "    2024", 1},
        {R(impo_C6_1), "", "31022024", 0},
        {R(impo_C6_1), "", "       ", 0},
        {R(impo_C6_1), "", "NORMABEV", 0},  // plain equality: no partner code
        {R(impo_C6_2), "15032024", "        ", 1},
        {R(impo_C6_2), "15032024", "********", 1},
        {R(impo_C6_2), "15032024", "15032024", 1},
        {R(impo_C6_2), "15032024", "16032024", 0},
        {R(impo_C6_2), "15032024", "  032024", 1},
    };
    verifier(dates, &HuitBlancsFal);
    // Without the markers of the list, an unknown date is not a date.
    const Cas sansListe[] = {{R(impo_C6_1), "", "********", 0}, {R(impo_C6_1), "", "15032024", 1}};
    verifier(sansListe);

    const Cas autres[] = {
        {R(impo_C7), "", "    ", 0}, {R(impo_C7), "", "A   ", 1}, {R(impo_C7), "", "   1", 1},
        {R(impo_C7), "", "  ", 0},   {R(impo_C7), "", "", 0},
    };
    verifier(autres);

    const Cas pays[] = {
        {R(impo_C20), "", "FR", 0}, {R(impo_C20), "", "BE", 1},       {R(impo_C20), "", "XX", 0},
        {R(impo_C20), "", "  ", 0}, {R(impo_C20), "", "NORMABEV", 0},  // passes the FR test
    };
    verifier(pays, &TP);
}

TEST(ReglesMouvementsTest, TitreExp1) {
    const Cas cas[] = {
        {R(fexp1_C4), "", "    ", 1}, {R(fexp1_C4), "", "****", 1}, {R(fexp1_C4), "", "GAEC", 1},
        {R(fexp1_C4), "", "XXXX", 0}, {R(fexp1_C4), "", "   ", 0},  {R(fexp1_C4), "", "***", 0},
        {R(fexp1_C4), "", "", 0},
    };
    verifier(cas, &TRSCRE);
    const Cas sansListe[] = {{R(fexp1_C4), "", "    ", 1}, {R(fexp1_C4), "", "GAEC", 0}};
    verifier(sansListe);
}

TEST(ReglesMouvementsTest, SerieNonNulle) {
    struct CasZero {
        std::string champ;
        int premier, dernier, attendu;
    };
    const CasZero cas[] = {
        {"0123450000  ", 7, 10, 0},
        {"0123450001  ", 7, 10, 1},
        {"012345000", 7, 10, 1},  // the value ends inside the span
        {"012345", 7, 10, 1},
        {"0000", 1, 4, 0},
        {"0000", 1, 5, 0},   // the fifth character meets the end of "0000"
        {"00000", 1, 5, 1},  // ...or differs from it
        {"0000", 1, 9, 0},   // span capped at 5
        {"1234", 3, 2, 0},   // empty span
        {std::string(98, '0'), 1, 4, 0},
        {std::string(98, '1'), 1, 4, 1},
        {std::string(99, '1'), 1, 4, 0},  // too long
    };
    for (const CasZero& c : cas) {
        Tampon v(c.champ);
        EXPECT_EQ(fVerifDiffZero(v.c(), c.premier, c.dernier), c.attendu)
            << '"' << c.champ << "\" " << c.premier << '-' << c.dernier;
    }
}

}  // namespace
