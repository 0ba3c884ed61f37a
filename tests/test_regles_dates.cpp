// Date, time and presence rules: creation-date coherence, years, date
// validity, phase dates, cattle tag rules, codes valid until a date, pairs of
// fields and times of day.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "rules/dates.hpp"
#include "rules/valautorise.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

// A record view whose body field C5 (the movement cause) holds `c5`.
struct VueCause {
    valeurVSE corps[NB_CORPS]{};
    Vue vue;
    explicit VueCause(const char* c5) {
        std::strcpy(corps[C5].valeur, c5);
        vue.corps = corps;
    }
    VueCause(const VueCause&) = delete;
    VueCause& operator=(const VueCause&) = delete;
};

struct Cas {
    pfVerif_t regle;
    const char* nom;
    const char* dep;
    const char* champ;
    int attendu;
};
#define R(f) f, #f

int appliquer(const Vue& vue, const Cas& c, const Liste* l = nullptr) {
    Tampon d(c.dep), v(c.champ);
    return c.regle(vue, d.c(), v.c(), l ? l->v : nullptr, l ? l->n : 0);
}

void verifier(const Vue& vue, const Cas* debut, const Cas* fin, const Liste* l = nullptr) {
    for (const Cas* c = debut; c != fin; ++c)
        EXPECT_EQ(appliquer(vue, *c, l), c->attendu)
            << c->nom << " dep=\"" << c->dep << "\" champ=\"" << c->champ << '"';
}

template <std::size_t N>
void verifier(const Vue& vue, const Cas (&cas)[N], const Liste* l = nullptr) {
    verifier(vue, cas, cas + N, l);
}

TEST(ReglesDatesTest, DateDeCreation) {
    const Cas sansCause[] = {
        {R(fCoherenDC), "15032024", "15032024", 1},
        {R(fCoherenDC), "15032024", "16032024", 0},
        {R(fCoherenDC), "15032024", "  032024", 1},  // blank day compares as 00
        {R(fCoherenDC), "15032024", "  042024", 0},
        {R(fCoherenDC_tr), "15032024", "15022025", 0},
        {R(fCoherenDC_tr), "15032024", "15032024", 1},
        {R(fCoherenDC_tr2), "15032024", "15032025", 1},  // same day next year included
        {R(fCoherenDC_tr2), "15032024", "16032025", 0},
        {R(fCoherenDC_tr2), "31121999", "31122000", 1},  // year carried across the century
        {R(fCoherenDC_tr2), "31121999", "01012001", 0},
        {R(fCoherenDC_tr2), "01019999", "31129999", 1},  // no year past 9999 to write
        {R(fCoherenDC_tr2), "0101 024", "01011900", 0},  // no year to move
        {R(fCoherenDC_tr2), "0101", "01011900", 0},
    };
    VueCause autre("A");
    verifier(autre.vue, sansCause);
    verifier(Vue{}, sansCause);

    const Cas causeJ[] = {
        {R(fCoherenDC_tr), "15032024", "15022025", 1},  // 11 months later
        {R(fCoherenDC_tr), "15032024", "15032025", 1},
        {R(fCoherenDC_tr), "15032024", "16032025", 0},
        {R(fCoherenDC_tr), "15032024", "15032024", 1},
        {R(fCoherenDC), "15032024", "15022025", 0},  // only the _tr form reads the cause
    };
    VueCause j("J");
    verifier(j.vue, causeJ);
    // The cause must be exactly "J".
    VueCause jBlanc("J ");
    EXPECT_EQ(appliquer(jBlanc.vue, causeJ[0]), 0);
}

TEST(ReglesDatesTest, Annees) {
    const Cas cas[] = {
        {R(fCoherenD_OC_an_1), "", "2024", 1},
        {R(fCoherenD_OC_an_1), "", "2024XXXX", 1},
        {R(fCoherenD_OC_an_1), "", "202 ", 0},
        {R(fCoherenD_OC_an_1), "", "202", 0},
        {R(fCoherenD_OC_an_1), "", "", 0},
        {R(fCoherenD_OC_an_2), "15032024", "2023", 1},
        {R(fCoherenD_OC_an_2), "15032024", "2024", 0},  // same year fails
        {R(fCoherenD_OC_an_2), "15032024", "2025", 0},
        {R(fCoherenD_OC_an_2), "1503", "2023", 0},  // creation year cut short reads blank
        {R(fDatRec_OC_Post), "2023", "        ", 1},
        {R(fDatRec_OC_Post), "2023", "01012024", 1},
        {R(fDatRec_OC_Post), "2023", "31122023", 0},
        {R(fDatRec_OC_Post), "2023", "0101", 0},
        {R(fDatRec_OC_Post), "2023", "       ", 0},
    };
    verifier(Vue{}, cas);
}

TEST(ReglesDatesTest, ValiditeDeDate) {
    const Cas cas[] = {
        {R(fDATEC), "", "29022024", 1},      {R(fDATEC), "", "29022023", 0},
        {R(fDATEC), "", "        ", 0},      {R(fDATEC), "", "  032024", 0},
        {R(fDATEI), "", "  032024", 1},      {R(fDATEI), "", "    2024", 1},
        {R(fDATEI), "", "00032024", 0},      {R(fDATEI), "", "        ", 0},
        {R(fDATECxad), "", "        ", 1},   {R(fDATECxad), "", "         ", 0},
        {R(fDATECxad), "", "15032024", 1},   {R(fDATECxad), "", "  032024", 0},
        {R(fDATEC_INC), "", "        ", 1},  {R(fDATEC_INC), "", "        X", 1},
        {R(fDATEC_INC), "", "       ", 0},   {R(fDATEC_INC), "", "15032024", 1},
        {R(fDatRecCorr), "", "        ", 1}, {R(fDatRecCorr), "", "31042024", 0},
        {R(fDatRecCorr), "", "30042024", 1}, {R(fDatRecCorr_O), "", "        ", 0},
        {R(fDatRecCorr_O), "", "30042024", 1}, {R(fDatRecCorr_O), "", "01011899", 0},
    };
    verifier(Vue{}, cas);
}

// The incomplete-date rewriting stays in the field for the next rules.
TEST(ReglesDatesTest, ChampReecrit) {
    Tampon d(""), v("  032024");
    EXPECT_EQ(fDATEI(Vue{}, d.c(), v.c(), nullptr, 0), 1);
    EXPECT_STREQ(v.c(), "00032024");
    EXPECT_EQ(fDATEC(Vue{}, d.c(), v.c(), nullptr, 0), 0);  // day 00 is not complete

    Tampon jourZero("00032024");
    EXPECT_EQ(fDATEI(Vue{}, d.c(), jourZero.c(), nullptr, 0), 0);
    EXPECT_STREQ(jourZero.c(), " 0032024");
}

// Every branch of the rewriting of an incomplete date, values cut short
// included: a blank day (and month) reads as zeros, an explicit 00 day or
// month becomes a blank, characters that do not exist are never written.
TEST(ReglesDatesTest, DateIncompleteReecrite) {
    const struct {
        const char* avant;
        const char* apres;
    } cas[] = {
        {"    2024", "00002024"}, {"  032024", "00032024"}, {"  002024", "00 02024"},
        {" 5002024", " 5 02024"}, {" 5032024", " 5032024"}, {"00032024", " 0032024"},
        {"00002024", " 0002024"}, {"15002024", "15 02024"}, {"15032024", "15032024"},
        {"   ", "00 "},           {"  ", "00"},             {" ", " "},
        {"", ""},                 {"1500", "15 0"},         {"  00", "00 0"},
    };
    for (const auto& c : cas) {
        Tampon d(""), v(c.avant);
        fDATEI(Vue{}, d.c(), v.c(), nullptr, 0);
        EXPECT_STREQ(v.c(), c.apres) << '"' << c.avant << '"';
    }
}

TEST(ReglesDatesTest, PrecisionSelonDatePhase) {
    const Cas cas[] = {
        // From 1 July 1999 on the date must be complete.
        {R(fDATEP6P7), "", "01071999", 1},
        {R(fDATEP6P7), "", "  072001", 0},
        {R(fDATEP6P7), "", "    2001", 0},
        {R(fDATEP6P7), "", "29022001", 0},
        // Before, the day, or day and month, may be missing.
        {R(fDATEP6P7), "", "30061999", 1},
        {R(fDATEP6P7), "", "  061999", 1},
        {R(fDATEP6P7), "", "    1998", 1},
        {R(fDATEP6P7), "", "  121998", 1},
        {R(fDATEP6P7), "", "00121998", 0},  // explicit 00 day is refused
        {R(fDATEP6P7), "", "15001998", 0},
        {R(fDATEP6P7), "", "  1", 0},
        {R(fDATEP6), "", "01071999", 1},
        {R(fDATEP6), "", "  072001", 0},
        {R(fDATEP6), "", "    2001", 0},
        {R(fDATEP6), "", "30061999", 1},
        {R(fDATEP6), "", "  061999", 1},
        {R(fDATEP6), "", "    1999", 1},  // blank day and month read 00: before the phase
        {R(fDATEP6), "", "00061999", 0},
        {R(fDATEP6), "", "", 0},
    };
    verifier(Vue{}, cas);
}

TEST(ReglesDatesTest, DatesFacultativesCoherentes) {
    const Cas cas[] = {
        {R(fDatRecCohe), "15032024", "        ", 1},
        {R(fDatRecCohe), "15032024", "15032024", 1},
        {R(fDatRecCohe), "15032024", "16032024", 0},
        {R(fDatRecCohe), "15032024", "       ", 1},  // cut short: not blank, compares as 00
        {R(fDatRecPost), "15032024", "        ", 1},
        {R(fDatRecPost), "15032024", "15032024", 1},
        {R(fDatRecPost), "15032024", "14032024", 0},
        {R(fDatRecPost_tr), "15032024", "14032024", 0},
        {R(fDatRecPost_tr), "15032024", "        ", 1},
    };
    verifier(Vue{}, cas);
    VueCause j("J");
    EXPECT_EQ(appliquer(j.vue, {R(fDatRecPost_tr), "15032024", "14032024", 0}), 1);
    EXPECT_EQ(appliquer(j.vue, {R(fDatRecPost), "15032024", "14032024", 0}), 0);
}

TEST(ReglesDatesTest, ChampsSelonDatePhase) {
    const tValAutorise vListe[] = {"A", "B"};
    const Liste liste{vListe, 2};
    const std::string long98(98, 'A'), long99(99, 'A');
    const tValAutorise vLongs[] = {long98.c_str(), long99.c_str()};
    const Liste longs{vLongs, 2};
    const Cas cas[] = {
        {R(fVTABP5), "30061999", " ", 1},  // before the phase: blank allowed
        {R(fVTABP5), "30061999", "", 1},
        {R(fVTABP5), "01071999", " ", 0},  // from the phase on: list test of the blank
        {R(fVTABP5), "01071999", "A", 1},
        {R(fVTABP5), "30061999", "C", 0},  // a given value always meets the list
        {R(fVTABP5), "        ", " ", 1},
        {R(fVTABP6), "30061999", " ", 1},
        {R(fVTABP6), "01071999", " ", 0},
        {R(fVTABP8), "31121998", " ", 1},
        {R(fVTABP8), "01011999", " ", 0},
        {R(fVTABP8), "01011999", "NORMABEV", 1},
        {R(fVDIFFNULLP5), "30061999", "   ", 1},
        {R(fVDIFFNULLP5), "01071999", "   ", 0},
        {R(fVDIFFNULLP5), "01071999", "", 0},
        {R(fVDIFFNULLP5), "01071999", "  X", 1},
        {R(fVDIFFNULLP6), "30061999", "", 1},
        {R(fVDIFFNULLP6), "01071999", " ", 0},
        {R(fVDIFFNULLP6), "01072000", "C", 1},
        {R(fVDIFFNULLP6), "  071999", " ", 1},  // blank day reads 00: before the phase
    };
    verifier(Vue{}, cas, &liste);

    // Over 98 characters fails, even when the list holds the value.
    const Cas longueurs[] = {
        {R(fVTABP5), "01071999", long98.c_str(), 1},
        {R(fVTABP5), "01071999", long99.c_str(), 0},
        {R(fVDIFFNULLP6), "01071999", long98.c_str(), 1},
        {R(fVDIFFNULLP6), "01071999", long99.c_str(), 0},
        {R(fVDIFFNULLP6), "30061999", long99.c_str(), 0},
    };
    verifier(Vue{}, longueurs, &longs);

    // A list holding the blank value accepts it from the phase on.
    const tValAutorise vBlanc[] = {" "};
    const Liste blanc{vBlanc, 1};
    EXPECT_EQ(appliquer(Vue{}, {R(fVTABP5), "01071999", " ", 0}, &blanc), 1);
}

TEST(ReglesDatesTest, BouclesBovinesSelonDatePhase) {
    const Cas cas[] = {
        {R(fConform_BV_model1), "31122010", "        ", 1},
        {R(fConform_BV_model1), "01012011", "        ", 0},
        {R(fConform_BV_model1), "31122010", "         ", 0},  // does not end after eight
        {R(fConform_BV_model1), "31122010", "ABCDEF  ", 1},
        {R(fConform_BV_model1), "01012011", "ABCDEF  ", 1},
        {R(fConform_BV_model1), "01012011", "ABC EF  ", 0},
        {R(fConform_BV_model1), "01012011", "ABCDEFG ", 0},
        {R(fConform_BV_model1), "01012011", "ABCDEF  X", 0},
        {R(fConform_BV_model1), "01012011", "ABCDEF ", 0},
        {R(fConform_BV_model1), "01012011", "ABCD", 0},
        {R(fConform_BV_model1), "01012011", "", 0},
        {R(fConform_BV_model1), "31122010", "    ", 0},
        {R(fConform_temoin_bouc1), "31122010", " ", 1},
        {R(fConform_temoin_bouc1), "31122010", "", 1},
        {R(fConform_temoin_bouc1), "01012011", " ", 0},
        {R(fConform_temoin_bouc1), "01012011", "9", 1},  // the list is not consulted
        {R(fConform_temoin_bouc1), "01012011", "", 0},
    };
    verifier(Vue{}, cas, &UTIL_BOUC);
}

TEST(ReglesDatesTest, CodeValableJusquAUneDate) {
    const Cas cas[] = {
        {R(fVerifValAutDate), "01011999", "L", 1},
        {R(fVerifValAutDate), "02011999", "L", 0},
        {R(fVerifValAutDate), "31122004", "G", 1},
        {R(fVerifValAutDate), "01012005", "G", 0},
        {R(fVerifValAutDate), "  122004", "G", 1},
        {R(fVerifValAutDate), "01012099", "A", 1},  // TOUJOURS
        {R(fVerifValAutDate), "        ", "J", 1},
        {R(fVerifValAutDate), "01011990", "X", 0},
        {R(fVerifValAutDate), "01011990", "L ", 0},
        {R(fVerifValAutDate), "01011990", "", 0},
        {R(fVerifValAutDate), "01011990", "NORMABEV", 0},  // plain equality
        {R(fVerifValAutDate), "01011990", "TOUJOURS", 0},  // limits are not codes
    };
    verifier(Vue{}, cas, &TCME);

    const tValAutorise vUn[] = {"A"};
    const Liste un{vUn, 1};
    EXPECT_EQ(appliquer(Vue{}, {R(fVerifValAutDate), "01011990", "A", 0}, &un), 0);
    EXPECT_EQ(appliquer(Vue{}, {R(fVerifValAutDate), "01011990", "A", 0}), 0);
    // An odd last entry is not read as a code.
    const tValAutorise vImpair[] = {"A", "TOUJOURS", "B"};
    const Liste impair{vImpair, 3};
    EXPECT_EQ(appliquer(Vue{}, {R(fVerifValAutDate), "01011990", "B", 0}, &impair), 0);
    EXPECT_EQ(appliquer(Vue{}, {R(fVerifValAutDate), "01011990", "A", 0}, &impair), 1);
}

TEST(ReglesDatesTest, PresenceDePaires) {
    const std::string b30(30, ' '), x30 = std::string(29, ' ') + "X";
    const Cas vdiffvd[] = {
        {R(fVDIFFVD), b30.c_str(), b30.c_str(), 0},
        {R(fVDIFFVD), x30.c_str(), b30.c_str(), 1},
        {R(fVDIFFVD), b30.c_str(), x30.c_str(), 1},
        {R(fVDIFFVD), "", "", 1},
        {R(fCDIFF), b30.c_str(), b30.c_str(), 0},
        {R(fCDIFF), x30.c_str(), b30.c_str(), 1},
        {R(fCDIFF), b30.c_str(), x30.c_str(), 1},
        {R(fCDIFF), "", b30.c_str(), 0},
        {R(fSimult), "", "", 1},
        {R(fSimult), b30.c_str(), "   ", 1},
        {R(fSimult), "   ", "ABC", 0},
        {R(fSimult), "ABC", "   ", 0},
        {R(fSimult), "ABC", "X", 1},
        {R(fSimult), "  A", " B ", 1},
    };
    verifier(Vue{}, vdiffvd, &trenteBlancs);

    // fCDIFF without a list passes; a dependance over 98 characters fails.
    EXPECT_EQ(appliquer(Vue{}, {R(fCDIFF), "  ", "  ", 0}), 1);
    const std::string dep99(99, 'A');
    EXPECT_EQ(appliquer(Vue{}, {R(fCDIFF), dep99.c_str(), "X", 0}, &trenteBlancs), 0);

    const Cas codes[] = {
        {R(fVDIFFNULLVTAB), "", "  ", 1},    {R(fVDIFFNULLVTAB), "", "**", 1},
        {R(fVDIFFNULLVTAB), "", "  X", 1},   {R(fVDIFFNULLVTAB), "", "*", 0},
        {R(fVDIFFNULLVTAB), "", " ", 0},     {R(fVDIFFNULLVTAB), "", "", 0},
        {R(fVDIFFNULLVTAB), "", "*A", 0},    {R(fVDIFFNULLVTAB), "", "BE", 1},
        {R(fVTABDIFFFR), "", "FR", 0},       {R(fVTABDIFFFR), "", "BE", 1},
        {R(fVTABDIFFFR), "", "FR ", 0},      {R(fVTABDIFFFR), "", "NORMABEV", 1},
    };
    const tValAutorise vPays[] = {"FR", "BE"};
    const Liste pays{vPays, 2};
    verifier(Vue{}, codes, &pays);
}

TEST(ReglesDatesTest, Heure) {
    const Cas cas[] = {
        {R(fHEUREC), "", "235959", 1}, {R(fHEUREC), "", "000000", 1}, {R(fHEUREC), "", "240000", 0},
        {R(fHEUREC), "", "126000", 0}, {R(fHEUREC), "", "125960", 0}, {R(fHEUREC), "", "      ", 0},
        {R(fHEUREC), "", "12 000", 0}, {R(fHEUREC), "", "12000", 0},  {R(fHEUREC), "", "", 0},
        {R(fHEUREC), "", "99ab00", 0},
    };
    verifier(Vue{}, cas);
}

// Values and dependances cut short (down to empty) must be read only up to
// their terminating zero; ASan watches the exact-size buffers.
TEST(ReglesDatesTest, ValeursCourtes) {
    const pfVerif_t regles[] = {
        fCoherenDC,      fCoherenDC_tr,   fCoherenDC_tr2,    fCoherenD_OC_an_1,  fCoherenD_OC_an_2,
        fDatRec_OC_Post, fDATEC,          fDATEI,            fDATECxad,          fDATEC_INC,
        fDatRecCorr,     fDatRecCorr_O,   fDATEP6P7,         fDATEP6,            fDatRecCohe,
        fDatRecPost,     fDatRecPost_tr,  fVTABP5,           fVTABP6,            fVTABP8,
        fVDIFFNULLP5,    fVDIFFNULLP6,    fConform_BV_model1, fConform_temoin_bouc1,
        fVerifValAutDate, fVDIFFVD,       fCDIFF,            fSimult,            fVDIFFNULLVTAB,
        fVTABDIFFFR,     fHEUREC,
    };
    const std::string modeles[] = {"15032024", "        ", "  032024", "00000000"};
    VueCause j("J");
    for (const pfVerif_t regle : regles)
        for (const std::string& m : modeles)
            for (std::size_t lg = 0; lg < 8; ++lg) {
                Tampon court(m.substr(0, lg)), plein(m);
                Tampon dep(m.substr(0, lg)), champ(m);
                regle(j.vue, plein.c(), court.c(), TCME.v, TCME.n);
                regle(j.vue, dep.c(), champ.c(), TCME.v, TCME.n);
            }
    // A date cut short is never a valid date.
    for (std::size_t lg = 0; lg < 8; ++lg) {
        Tampon v(std::string("15032024").substr(0, lg));
        EXPECT_EQ(fDATEC(Vue{}, v.c(), v.c(), nullptr, 0), 0) << lg;
    }
}

// Dates are compared as their fields padded with blanks to eight characters,
// reordered century, year, month, day, the date under test reading its blanks
// as 0: the walk that stops at the first difference, the reference read once,
// and values cut short at every length all answer as that plain model does.
TEST(ReglesDatesTest, ComparaisonDeDates) {
    auto forme = [](const std::string& s, bool blancEnZero) {
        std::string p = s.substr(0, std::min<std::size_t>(s.size(), 8));
        p.resize(8, ' ');
        std::string k = p.substr(4, 4) + p.substr(2, 2) + p.substr(0, 2);
        if (blancEnZero)
            for (char& c : k) c = c == ' ' ? '0' : c;
        return k;
    };
    std::vector<std::string> dates = {"15032024", "15032025", "14032024", "15042024", "  032024", "00032024",
                                      "150320 4", "1503202A", "15032024X", "        ", "0       "};
    for (std::size_t lg = 0; lg < 8; ++lg) dates.push_back(std::string("15032024").substr(0, lg));
    for (const std::string& r : dates)
        for (const std::string& d : dates) {
            const std::string a = forme(r, false), b = forme(d, true);
            const int attendu = a < b ? -1 : (a > b ? 1 : 0);
            Tampon reference(r), date(d);
            const int texte = comparerDates(reference.c(), date.c());
            const int lue = comparerDates(dateReference(reference.c()), date.c());
            EXPECT_EQ((texte > 0) - (texte < 0), attendu) << '"' << r << "\" \"" << d << '"';
            EXPECT_EQ((lue > 0) - (lue < 0), attendu) << '"' << r << "\" \"" << d << '"';
        }
}

}  // namespace
