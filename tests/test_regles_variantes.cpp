// Record-type rules of the variant programs: entry flag C12, LIST date C5,
// and the birth record's rules for calves born dead and optional details.
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

struct Cas {
    pfVerif_t regle;
    const char* nom;
    std::string dep;
    std::string champ;
    int attendu;
};
#define R(f) f, #f

int appliquer(const Cas& c, const Liste* l) {
    Tampon d(c.dep), v(c.champ);
    return c.regle(Vue{}, d.c(), v.c(), l ? l->v : nullptr, l ? l->n : 0);
}

template <std::size_t N>
void verifier(const Cas (&cas)[N], const Liste* l = nullptr) {
    for (const Cas& c : cas)
        EXPECT_EQ(appliquer(c, l), c.attendu) << c.nom << " dep=\"" << c.dep << "\" champ=\"" << c.champ << '"';
}

const std::string MN = "MORTNE      ", B4(4, ' '), B8(8, ' ');

// C12 is free for the entry causes F and G (`dependance`, C5), else 0 or 1.
TEST(ReglesVariantesTest, EntreeC12) {
    const Cas cas[] = {
        {R(entr_fC12), "F", "X", 1}, {R(entr_fC12), "G", " ", 1}, {R(entr_fC12), "A", "0", 1},
        {R(entr_fC12), "A", "1", 1}, {R(entr_fC12), "A", " ", 0}, {R(entr_fC12), "A", "2", 0},
        {R(entr_fC12), "F ", " ", 0}, {R(entr_fC12), "", " ", 0}, {R(entr_fC12), "", "1", 1},
    };
    verifier(cas, &BOOL);
    // The flag is tested against the whole of BOOL whatever the row hands.
    verifier(cas);
}

TEST(ReglesVariantesTest, ListeDate) {
    const Cas cas[] = {
        {R(listd_C5_1), "", "********", 1},        {R(listd_C5_1), "", B8, 1},
        {R(listd_C5_1), "", "29022024", 1},        {R(listd_C5_1), "", "29022023", 0},
        {R(listd_C5_1), "", "*******", 0},         {R(listd_C5_1), "", "       ", 0},
        {R(listd_C5_1), "", "", 0},                {R(listd_C5_2), "15032024", "********", 1},
        {R(listd_C5_2), "15032024", B8, 1},        {R(listd_C5_2), "15032024", "15032024", 1},
        {R(listd_C5_2), "15032024", "16032024", 0}, {R(listd_C5_2), "15032024", "14032024", 1},
    };
    verifier(cas, &HuitBlancsFal);
    // The absent-date markers are the row's list: without it a marker is a
    // date like any other.
    EXPECT_EQ(appliquer({R(listd_C5_1), "", "********", 1}, nullptr), 0);
    EXPECT_EQ(appliquer({R(listd_C5_2), "15032024", "99999999", 0}, nullptr), 0);
}

// A calf born dead carries "MORTNE" whatever its holding, and no work number.
TEST(ReglesVariantesTest, MortNe) {
    const Cas cas[] = {
        {R(nais_C2_1), "", MN, 1},
        {R(nais_C2_1), "", "0123456789  ", 1},
        {R(nais_C2_1), "", "0123450000  ", 0},
        {R(nais_C2_1), "", "MORTNE", 0},
        {R(nais_C2_1), "", "9751234567  ", 0},
        {R(nais_C2_2), "01234567    ", MN, 1},
        {R(nais_C2_2), "", MN, 1},
        {R(nais_C2_2), "01234567    ", "0198765432  ", 1},
        {R(nais_C2_2), "01234567    ", "0298765432  ", 0},
        {R(nais_C2_2), "01", "01", 1},
        {R(nais_C2_2), "0", "0", 0},  // no two characters to compare
        {R(nais_C2_2), "", "", 0},
        {R(nais_C2_2), "01234567    ", "0", 0},
        {R(nais_C2_2), "0", "0198765432  ", 0},
        {R(nais_C7_MN), MN, B4, 1},
        {R(nais_C7_MN), MN, "1234", 0},
        {R(nais_C7_MN), "0123456789  ", B4, 0},
        {R(nais_C7_MN), "0123456789  ", "1234", 1},
        {R(nais_C7_MN), "0123456789  ", "   1", 1},
        {R(nais_C7_MN), "MORTNE", B4, 0},
    };
    verifier(cas, &TD);
}

// With C9 "1" the details are checked; any other flag lets them pass.
TEST(ReglesVariantesTest, DetailsSelonC9) {
    const Cas drapeaux[] = {
        {R(nais_C9EG1TAB), "1", " ", 1}, {R(nais_C9EG1TAB), "1", "*", 1},
        {R(nais_C9EG1TAB), "1", "0", 1}, {R(nais_C9EG1TAB), "1", "1", 1},
        {R(nais_C9EG1TAB), "1", "2", 0}, {R(nais_C9EG1TAB), "1", "", 0},
        {R(nais_C9EG1TAB), "1", "  ", 0}, {R(nais_C9EG1TAB), "0", "2", 1},
        {R(nais_C9EG1TAB), "1 ", "2", 1}, {R(nais_C9EG1TAB), "", "2", 1},
    };
    verifier(drapeaux, &BOOL);
    EXPECT_EQ(appliquer({R(nais_C9EG1TAB), "1", "5", 1}, &UNETCINQ), 1);
    EXPECT_EQ(appliquer({R(nais_C9EG1TAB), "1", "6", 0}, &UNETCINQ), 0);
    EXPECT_EQ(appliquer({R(nais_C9EG1TAB), "1", "0", 0}, &UNETCINQ), 0);

    const Cas nombres[] = {
        {R(nais_C22), "1", "00", 0},   {R(nais_C22), "1", "07", 1},   {R(nais_C22), "1", "12", 1},
        {R(nais_C22), "1", "  ", 1},   {R(nais_C22), "1", "**", 1},   {R(nais_C22), "1", "1 ", 0},
        {R(nais_C22), "1", " 1", 0},   {R(nais_C22), "1", "*1", 0},   {R(nais_C22), "1", " *", 0},
        {R(nais_C22), "1", " ", 0},    {R(nais_C22), "1", "", 0},     {R(nais_C22), "0", "00", 1},
        {R(nais_C22), "", "XX", 1},    {R(nais_C28), "1", "000", 0},  {R(nais_C28), "1", "007", 1},
        {R(nais_C28), "1", "100", 1},  {R(nais_C28), "1", "7  ", 0},  {R(nais_C28), "1", "   ", 1},
        {R(nais_C28), "1", "***", 1},  {R(nais_C28), "1", "**", 0},   {R(nais_C28), "1", "  ", 0},
        {R(nais_C28), "1", "07", 0},   {R(nais_C28), "1", "0 7", 0},  {R(nais_C28), "0", "000", 1},
        {R(nais_C28), "0", "X", 1},
    };
    verifier(nombres);
}

// Values and dependances cut short (down to empty) are read only up to
// their terminating zero; ASan watches the exact-size buffers.
TEST(ReglesVariantesTest, ValeursCourtes) {
    const pfVerif_t regles[] = {
        entr_fC12, listd_C5_1, listd_C5_2, nais_C2_1, nais_C2_2, nais_C7_MN, nais_C9EG1TAB, nais_C22, nais_C28,
    };
    const std::string modeles[] = {MN, "0123456789  ", "15032024", "1", "007"};
    for (const pfVerif_t regle : regles)
        for (const std::string& m : modeles)
            for (std::size_t n = 0; n < m.size(); ++n) {
                Tampon court(m.substr(0, n)), plein(m);
                Tampon dep(m.substr(0, n)), champ(m);
                regle(Vue{}, plein.c(), court.c(), TD.v, TD.n);
                regle(Vue{}, dep.c(), champ.c(), HuitBlancsFal.v, HuitBlancsFal.n);
            }
}

}  // namespace
