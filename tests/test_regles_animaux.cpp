// Record-type rules of the animal records: GROC, NAIS, NVMN, NUMA, PICO,
// PASS and RACO.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "records/regles.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

struct Cas {
    pfVerif_t regle;
    const char* nom;
    const char* dep;
    std::string champ;
    int attendu;
};
#define R(f) f, #f

int appliquer(const Vue& vue, const Cas& c, const Liste* l) {
    Tampon d(c.dep), v(c.champ);
    return c.regle(vue, d.c(), v.c(), l ? l->v : nullptr, l ? l->n : 0);
}

template <std::size_t N>
void verifier(const Vue& vue, const Cas (&cas)[N], const Liste* l = nullptr) {
    for (const Cas& c : cas)
        EXPECT_EQ(appliquer(vue, c, l), c.attendu)
            << c.nom << " dep=\"" << c.dep << "\" champ=\"" << c.champ << '"';
}

const std::string B6(6, ' '), B8(8, ' '), B12(12, ' ');

TEST(ReglesAnimauxTest, GrocDateEtHeure) {
    const Cas cas[] = {
        {R(groc_cre_C10_1), "", B8, 1},
        {R(groc_cre_C10_1), "", "29022024", 1},
        {R(groc_cre_C10_1), "", "29022023", 0},
        {R(groc_cre_C10_1), "", "       ", 0},  // cut short: not the blank date
        {R(groc_cre_C10_1), "", "", 0},
        {R(groc_cre_C10_2), "15032024", B8, 1},
        {R(groc_cre_C10_2), "15032024", "15032024", 1},
        {R(groc_cre_C10_2), "15032024", "16032024", 0},
        // The time goes with the date.
        {R(groc_cre_C12), B8.c_str(), B6, 1},
        {R(groc_cre_C12), B8.c_str(), "120000", 0},
        {R(groc_cre_C12), B8.c_str(), "     ", 0},
        {R(groc_cre_C12), "15032024", "235959", 1},
        {R(groc_cre_C12), "15032024", "240000", 0},
        {R(groc_cre_C12), "15032024", B6, 0},
        {R(groc_cre_C12), "       ", "120000", 1},  // a date cut short is not blank
    };
    verifier(Vue{}, cas);
}

// NAIS and NVMN check the national number alike: a département number whose
// serial part is not 0000.
TEST(ReglesAnimauxTest, NumeroNational) {
    for (const pfVerif_t regle : {nais_C2, nvmn_C2}) {
        const Cas cas[] = {
            {regle, "C2", "", "0123456789  ", 1},
            {regle, "C2", "", "0123450001  ", 1},
            {regle, "C2", "", "0123450000  ", 0},
            {regle, "C2", "", "0123451000  ", 1},  // each character of the serial counts
            {regle, "C2", "", "0123450100  ", 1},
            {regle, "C2", "", "0123450010  ", 1},
            {regle, "C2", "", "0100001234  ", 1},
            {regle, "C2", "", "9751234567  ", 0},  // département refused
            {regle, "C2", "", "0123456789 ", 0},
            {regle, "C2", "", "012345", 0},
            {regle, "C2", "", "", 0},
        };
        verifier(Vue{}, cas, &TD);
    }
}

TEST(ReglesAnimauxTest, NaisNumeroDeTravail) {
    const Cas cas[] = {
        {R(nais_C7), "", "    ", 0},
        {R(nais_C7), "", "1234", 1},
        {R(nais_C7), "", "   1", 1},
        {R(nais_C7), "", "1   ", 1},
    };
    verifier(Vue{}, cas);
}

// The mother's number (C11) by the mother's country (C10) and the birth date
// (`dependance`, C6) against the phase date 1 July 1999.
TEST(ReglesAnimauxTest, NaisNumeroDeLaMere) {
    const Cas francaise[] = {
        {R(nais_C11), "30061999", "  ", 1},  // before the phase: absent
        {R(nais_C11), "01071999", "  ", 0},
        {R(nais_C11), "30061999", B12, 0},  // only a two-character value is absent
        {R(nais_C11), "01071999", "0123456789  ", 1},
        {R(nais_C11), "01071999", "0123456789", 0},
        {R(nais_C11FRnonUEoui), "01071999", "FR12345     ", 1},  // French: not this rule's
        {R(nais_C11FRnonUEnon), "01071999", B12, 1},
    };
    VueCorps fr({{C10, "FR"}});
    verifier(fr.vue, francaise, &TD);

    const Cas allemande[] = {
        {R(nais_C11), "01071999", "XYZ", 1},
        {R(nais_C11FRnonUEoui), "30061999", "  ", 1},
        {R(nais_C11FRnonUEoui), "01071999", "  ", 0},
        {R(nais_C11FRnonUEoui), "01071999", "AB1234567   ", 1},
        {R(nais_C11FRnonUEoui), "01071999", "DE1234567   ", 0},  // begins with its country
        {R(nais_C11FRnonUEoui), "01071999", "AB 1234567  ", 0},
        {R(nais_C11FRnonUEnon), "01071999", "AB1234567   ", 1},
    };
    VueCorps de({{C10, "DE"}});
    verifier(de.vue, allemande, &TD);

    // A country outside the exchange countries: French format, absent before
    // the phase.
    const Cas horsListe[] = {
        {R(nais_C11FRnonUEnon), "30061999", B12, 1},
        {R(nais_C11FRnonUEnon), "        ", B12, 1},  // a blank birth date is before it
        {R(nais_C11FRnonUEnon), "01071999", B12, 0},
        {R(nais_C11FRnonUEnon), "30061999", "  ", 0},
        {R(nais_C11FRnonUEnon), "01071999", "0123456789  ", 1},
        {R(nais_C11FRnonUEnon), "01071999", "AB1234567   ", 0},
        {R(nais_C11FRnonUEoui), "01071999", "AB 1", 1},
        {R(nais_C11), "01071999", "AB 1", 1},
    };
    VueCorps us({{C10, "US"}});
    verifier(us.vue, horsListe, &TD);
    // Without a record the country is empty: outside every list.
    verifier(Vue{}, horsListe, &TD);
}

TEST(ReglesAnimauxTest, NaisExploitationDeNaissance) {
    const Cas cas[] = {
        {R(nais_C17), "30061999", B12, 1},
        {R(nais_C17), "01071999", B12, 0},
        {R(nais_C17), "01072005", B12, 0},
        {R(nais_C17), "30061999", "           ", 0},
        {R(nais_C17), "01071999", "01234567    ", 1},
        {R(nais_C17), "30061999", "01234567   ", 0},
        {R(nais_C17), "01071999", "97534567    ", 0},
    };
    verifier(Vue{}, cas, &TD);
}

// The counts of NUMA and PICO: six digits, not zero, up to 1000 or 10000.
TEST(ReglesAnimauxTest, Comptes) {
    const Cas cas[] = {
        {R(numa_fC6_1), "", "000000", 0},   {R(numa_fC6_1), "", "000001", 1},
        {R(numa_fC6_1), "", "999999", 1},   {R(numa_fC6_1), "", "00001 ", 0},
        {R(numa_fC6_1), "", " 00001", 0},   {R(numa_fC6_1), "", "00000", 0},
        {R(numa_fC6_1), "", "", 0},         {R(pico_fC6_1), "", "000000", 0},
        {R(pico_fC6_1), "", "000001", 1},   {R(pico_fC6_1), "", "12A456", 0},
        {R(numa_fC6_2), "", "000000", 0},   {R(numa_fC6_2), "", "000001", 1},
        {R(numa_fC6_2), "", "001000", 1},   {R(numa_fC6_2), "", "001001", 0},
        {R(numa_fC6_2), "", "1000  ", 1},   {R(numa_fC6_2), "", "  0500", 0},  // blanks read 0
        {R(numa_fC6_2), "", "999999", 0},   {R(pico_fC6_2), "", "000000", 0},
        {R(pico_fC6_2), "", "000001", 1},   {R(pico_fC6_2), "", "001001", 1},
        {R(pico_fC6_2), "", "010000", 1},   {R(pico_fC6_2), "", "010001", 0},
        {R(pico_fC6_2), "", "", 0},
    };
    verifier(Vue{}, cas);
}

// The range from the first number (`dependance`, C5) must end within the
// numbering: C5 read from its third character plus the count up to 10^8.
TEST(ReglesAnimauxTest, NumaFinDePlage) {
    const Cas cas[] = {
        {R(numa_fC6_3), "0199999900  ", "000100", 1},
        {R(numa_fC6_3), "0199999900  ", "000101", 0},
        {R(numa_fC6_3), "0199000000  ", "999999", 1},
        {R(numa_fC6_3), "01  99999999", "999999", 1},  // a blank third character reads 0
        {R(numa_fC6_3), "019999999999", "000001", 0},  // ten digits are read whole
        {R(numa_fC6_3), "999999999999", "999999", 0},
        {R(numa_fC6_3), "01", "999999", 1},
        {R(numa_fC6_3), "0", "999999", 1},
        {R(numa_fC6_3), "", "999999", 1},
        {R(numa_fC6_3), "0100000001  ", "", 1},
    };
    verifier(Vue{}, cas);
}

// PICO: C5 from its seventh character plus the count up to 100000, or from
// its eighth up to 10000 when C9 is "PR" or "PC".
TEST(ReglesAnimauxTest, PicoFinDePlage) {
    const Cas ordinaire[] = {
        {R(pico_fC6_3), "250001099900", "000100", 1},
        {R(pico_fC6_3), "250001099900", "000101", 0},
        {R(pico_fC6_3), "250001 99999", "099999", 1},
        {R(pico_fC6_3), "250001709900", "000100", 0},  // the seventh character counts
        {R(pico_fC6_3), "250001", "999999", 0},
        {R(pico_fC6_3), "25000", "000001", 1},
    };
    VueCorps autre({{C9, "I0"}});
    verifier(autre.vue, ordinaire);
    VueCorps presque({{C9, "PR "}});
    verifier(presque.vue, ordinaire);
    verifier(Vue{}, ordinaire);

    const Cas reduite[] = {
        {R(pico_fC6_3), "250001709900", "000100", 1},  // the seventh character is skipped
        {R(pico_fC6_3), "250001709900", "000101", 0},
        {R(pico_fC6_3), "250001099900", "000100", 0},
        {R(pico_fC6_3), "2500017", "010000", 1},
        {R(pico_fC6_3), "2500017", "010001", 0},
        {R(pico_fC6_3), "", "010000", 1},
    };
    VueCorps pr({{C9, "PR"}});
    verifier(pr.vue, reduite);
    VueCorps pc({{C9, "PC"}});
    verifier(pc.vue, reduite);
}

// PASS: date and time are checked only when the flag (`dependance`, C11)
// is 0; the time rule takes the flag as exactly "0".
TEST(ReglesAnimauxTest, Pass) {
    const Cas cas[] = {
        {R(pass_C7), "0", "29022024", 1},  {R(pass_C7), "0", "29022023", 0},
        {R(pass_C7), "0", B8, 0},          {R(pass_C7), "0 ", "29022023", 0},
        {R(pass_C7), "1", "29022023", 1},  {R(pass_C7), "1", "N'IMPORTE", 1},
        {R(pass_C7), "", "29022023", 1},   {R(pass_C7), " ", "29022023", 1},
        {R(pass_C10), "0", "235959", 1},   {R(pass_C10), "0", "240000", 0},
        {R(pass_C10), "0", B6, 0},         {R(pass_C10), "1", "ABCDEF", 1},
        {R(pass_C10), "0 ", "240000", 1},  {R(pass_C10), "", "240000", 1},
    };
    verifier(Vue{}, cas);
}

TEST(ReglesAnimauxTest, Raco) {
    const Cas cas[] = {
        {R(raco_fC6), "", "000000", 1}, {R(raco_fC6), "", "123456", 1},
        {R(raco_fC6), "", "12345 ", 0}, {R(raco_fC6), "", " 12345", 0},
        {R(raco_fC6), "", "12345", 0},  {R(raco_fC6), "", "", 0},
    };
    verifier(Vue{}, cas);
}

// Values, dependances and sibling fields cut short (down to empty) are read
// only up to their terminating zero; ASan watches the exact-size buffers.
TEST(ReglesAnimauxTest, ValeursCourtes) {
    const pfVerif_t regles[] = {
        groc_cre_C10_1, groc_cre_C10_2, groc_cre_C12, nais_C2,    nais_C7,    nais_C11,
        nais_C11FRnonUEoui, nais_C11FRnonUEnon, nais_C17, numa_fC6_1, numa_fC6_2, numa_fC6_3,
        nvmn_C2,        pass_C7,        pass_C10,     pico_fC6_1, pico_fC6_2, pico_fC6_3,
        raco_fC6,
    };
    const std::string modeles[] = {"0123456789  ", B12, "999999999999", "01071999    "};
    VueCorps courts({{C9, "P"}, {C10, "F"}});
    for (const pfVerif_t regle : regles)
        for (const std::string& m : modeles)
            for (std::size_t lg = 0; lg < m.size(); ++lg) {
                Tampon court(m.substr(0, lg)), plein(m);
                Tampon dep(m.substr(0, lg)), champ(m);
                regle(courts.vue, plein.c(), court.c(), TD.v, TD.n);
                regle(Vue{}, dep.c(), champ.c(), TD.v, TD.n);
            }
}

}  // namespace
