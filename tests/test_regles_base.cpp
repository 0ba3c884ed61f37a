// Basic value checks: allowed values and partner codes, must-differ lists,
// blanks, the VSE type per transaction type, and the two date primitives.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "rules/base.hpp"

namespace {

using namespace vse;

// A writable value held in a heap block of exactly its length plus the
// terminating zero, so that any read past the zero is caught by ASan.
struct Valeur {
    std::unique_ptr<char[]> p;
    explicit Valeur(const std::string& s) : p(new char[s.size() + 1]) {
        std::memcpy(p.get(), s.c_str(), s.size() + 1);
    }
    char* c() { return p.get(); }
};

int appliquer(pfVerif_t regle, const std::string& champ, const tValAutorise* l = nullptr, int n = 0,
              const std::string& dep = "") {
    Valeur v(champ), d(dep);
    return regle(Vue{}, d.c(), v.c(), l, n);
}

const tValAutorise listeAB[] = {"AB", "C", "D E"};
const tValAutorise listeDouze[] = {"            "};
const tValAutorise listeNorm[] = {"NORMABEV"};

TEST(ReglesBaseTest, ValeurAutorisee) {
    struct Cas {
        const char* champ;
        const tValAutorise* liste;
        int n;
        int attendu;
    };
    const Cas cas[] = {
        {"AB", listeAB, 3, 1},         {"C", listeAB, 3, 1},         {"D E", listeAB, 3, 1},
        {"A", listeAB, 3, 0},          {"ABC", listeAB, 3, 0},       {"AB ", listeAB, 3, 0},
        {"", listeAB, 3, 0},           {"ab", listeAB, 3, 0},        {"C", listeAB, 1, 0},
        {"AB", listeAB, 0, 0},         {"AB", nullptr, 0, 0},        {"NORMABEV", nullptr, 0, 1},
        {"NORM01  ", listeAB, 3, 1},   {"NORM02  ", nullptr, 0, 1},  {"PFOC01  ", listeAB, 0, 1},
        {"NORM01", nullptr, 0, 0},     {"NORMABEV ", nullptr, 0, 0}, {"PFOC01  X", listeAB, 3, 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appliquer(fVerifValAut, c.champ, c.liste, c.n), c.attendu) << '"' << c.champ << '"';
        EXPECT_EQ(estDans(c.champ, c.liste, c.n), c.attendu == 1) << '"' << c.champ << '"';
    }
    EXPECT_TRUE(estDans("C", Liste{listeAB, 3}));
    EXPECT_FALSE(estDans("X", Liste{listeAB, 3}));
}

TEST(ReglesBaseTest, DoitDiffererDeLaListe) {
    struct Cas {
        const char* champ;
        const tValAutorise* liste;
        int n;
        int attendu;
    };
    const Cas cas[] = {
        {"            ", listeDouze, 1, 0}, {"           A", listeDouze, 1, 1},
        {"           ", listeDouze, 1, 1},  {"            ", listeDouze, 0, 1},
        {"            ", nullptr, 0, 1},    {"AB", listeAB, 3, 0},
        {"X", listeAB, 3, 1},               {"NORMABEV", listeNorm, 1, 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(appliquer(fVerifDiffNull, c.champ, c.liste, c.n), c.attendu) << '"' << c.champ << '"';
}

TEST(ReglesBaseTest, Blancs) {
    struct Cas {
        const char* champ;
        int aucunBlanc, sd, sdn;
    };
    const Cas cas[] = {
        {"", 1, 1, 1},
        {"AB", 1, 1, 1},
        {"AB  ", 0, 1, 1},
        {"A B ", 0, 0, 0},
        {" AB", 0, 0, 0},
        {"    ", 0, 0, 0},
        {" ", 0, 0, 0},
        {"            ", 0, 0, 1},
        {"************", 1, 1, 1},
        {"*********** ", 0, 1, 1},
        {"           ", 0, 0, 0},
        {"             ", 0, 0, 0},
        {"*", 1, 1, 1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appliquer(fVerifAucunBlanc, c.champ), c.aucunBlanc) << '"' << c.champ << '"';
        EXPECT_EQ(appliquer(fVerifAucunBlanc_SD, c.champ), c.sd) << '"' << c.champ << '"';
        EXPECT_EQ(appliquer(fVerifAucunBlanc_SDN, c.champ), c.sdn) << '"' << c.champ << '"';
    }
}

TEST(ReglesBaseTest, ChampVide) {
    EXPECT_EQ(champVide(""), 1);
    EXPECT_EQ(champVide(" "), 1);
    EXPECT_EQ(champVide("        "), 1);
    EXPECT_EQ(champVide("       X"), 0);
    EXPECT_EQ(champVide("X       "), 0);
    EXPECT_EQ(champVide("0"), 0);
}

TEST(ReglesBaseTest, TypeVSEParTypeDeTransaction) {
    const tValAutorise cre[] = {"NAIS", "ENTR"};
    const tValAutorise dem[] = {"LIST"};
    const tValAutorise inv[] = {"INFO"};
    const tValAutorise edi[] = {"PASS"};
    const tValAutorise mod[] = {"NAIS"};
    const ListesE6 listes{{cre, 2}, {dem, 1}, {inv, 1}, {edi, 1}, {mod, 1}, {nullptr, 0}};
    struct Cas {
        const char* e5;
        const char* e6;
        int attendu;
    };
    const Cas cas[] = {
        {"CRE", "NAIS", 1}, {"CRE", "ENTR", 1},     {"CRE", "LIST", 0}, {"DEM", "LIST", 1},
        {"DEM", "NAIS", 0}, {"INV", "INFO", 1},     {"INV", "PASS", 0}, {"EDI", "PASS", 1},
        {"EDI", "INFO", 0}, {"MOD", "NAIS", 1},     {"MOD", "ENTR", 0}, {"INF", "NAIS", 0},
        {"ECQ", "ZZZZ", 1}, {"ECQ", "", 1},         {"XXX", "NAIS", 0}, {"", "NAIS", 0},
        {"CR", "NAIS", 0},  {"CREX", "NAIS", 0},    {"cre", "NAIS", 0}, {"CRE", "NAI", 0},
        {"CRE", "NAIS ", 0}, {"INF", "NORMABEV", 1},
    };
    for (const Cas& c : cas) {
        Valeur e5(c.e5), e6(c.e6);
        EXPECT_EQ(fVerifDepE6(listes, e5.c(), e6.c()), c.attendu) << c.e5 << "/" << c.e6;
    }
}

TEST(ReglesBaseTest, OrdreDeDeuxDates) {
    struct Cas {
        const char* reference;  // dependance
        const char* date;       // champ
        int inf, sup;
    };
    const Cas cas[] = {
        {"15032024", "15032024", 1, 1},  // equal dates pass both ways
        {"15032024", "16032024", 0, 1},  // one day later
        {"15032024", "14032024", 1, 0},
        {"01012024", "31122023", 1, 0},  // the year weighs most
        {"31122023", "01012024", 0, 1},
        {"01022024", "31012024", 1, 0},  // then the month
        {"01012024", "  012024", 1, 0},  // blank day reads 00: before every day of the month
        {"00012024", "  012024", 1, 1},
        {"01012024", "        ", 1, 0},  // all blank reads 00000000
        {"  012024", "00012024", 0, 1},  // blanks of the reference stay blanks
        {"01012024", "", 1, 0},          // a value cut short reads as its blank field
        {"0101", "01012024", 0, 1},      // reference cut short: missing year reads blank
        {"", "01011900", 0, 1},
    };
    for (const Cas& c : cas) {
        Valeur ref(c.reference), date(c.date);
        EXPECT_EQ(fCoherenDCSupInf(ref.c(), date.c(), INF), c.inf) << c.reference << " " << c.date;
        EXPECT_EQ(fCoherenDCSupInf(ref.c(), date.c(), SUP), c.sup) << c.reference << " " << c.date;
        EXPECT_STREQ(date.c(), c.date);  // the field itself is not changed
    }
}

TEST(ReglesBaseTest, ValiditeDeDate) {
    struct Cas {
        const char* champ;
        eCouI mode;
        int attendu;
        const char* apres;  // the field after the call
    };
    const Cas cas[] = {
        {"29022024", COMPLETE, 1, "29022024"},   {"29022023", COMPLETE, 0, "29022023"},
        {"00032024", COMPLETE, 0, "00032024"},   {"15002024", COMPLETE, 0, "15002024"},
        {"  032024", COMPLETE, 0, "  032024"},   {"31042024", COMPLETE, 0, "31042024"},
        {"01011900", COMPLETE, 1, "01011900"},   {"31121899", COMPLETE, 0, "31121899"},
        {"29021900", COMPLETE, 0, "29021900"},   {"1503202", COMPLETE, 0, "1503202"},
        {"15032024X", COMPLETE, 1, "15032024X"}, {"1503A024", COMPLETE, 0, "1503A024"},
        {"", COMPLETE, 0, ""},
        // Incomplete: blank day, or blank day and month, read as zero.
        {"  032024", INCOMPLETE, 1, "00032024"}, {"    2024", INCOMPLETE, 1, "00002024"},
        {"  002024", INCOMPLETE, 0, "00 02024"}, {"00032024", INCOMPLETE, 0, " 0032024"},
        {"15002024", INCOMPLETE, 0, "15 02024"}, {"0000202", INCOMPLETE, 0, " 000202"},
        {" 5032024", INCOMPLETE, 0, " 5032024"}, {"  132024", INCOMPLETE, 0, "00132024"},
        {"    1899", INCOMPLETE, 0, "00001899"}, {"15031899", INCOMPLETE, 0, "15031899"},
        {"30022024", INCOMPLETE, 0, "30022024"}, {"29022024", INCOMPLETE, 1, "29022024"},
        {"        ", INCOMPLETE, 0, "0000    "}, {"15032024", INCOMPLETE, 1, "15032024"},
        // Values cut short: only the characters that exist are rewritten.
        {"", INCOMPLETE, 0, ""},                 {" ", INCOMPLETE, 0, " "},
        {"  ", INCOMPLETE, 0, "00"},             {"   ", INCOMPLETE, 0, "00 "},
        {"00", INCOMPLETE, 0, " 0"},             {"1500", INCOMPLETE, 0, "15 0"},
    };
    for (const Cas& c : cas) {
        Valeur v(c.champ);
        EXPECT_EQ(fDATECouI(v.c(), c.mode), c.attendu) << '"' << c.champ << '"' << c.mode;
        EXPECT_STREQ(v.c(), c.apres) << '"' << c.champ << '"' << c.mode;
    }
}

TEST(ReglesBaseTest, DateCompleteEtCorrecte) {
    struct Cas {
        const char* champ;
        int attendu;
    };
    const Cas cas[] = {
        {"29022000", 1}, {"29021900", 0}, {"29022024", 1}, {"29022023", 0}, {"30022024", 0},
        {"31042020", 0}, {"30042020", 1}, {"31122020", 1}, {"31062020", 0}, {"31092020", 0},
        {"31112020", 0}, {"31082020", 1}, {"01011900", 1}, {"31121899", 0}, {"00012020", 0},
        {"32012020", 0}, {"01002020", 0}, {"01132020", 0}, {"0101202", 0},  {"010120200", 0},
        {"0101 020", 0}, {"", 0},         {"  012020", 0},
    };
    for (const Cas& c : cas) {
        Valeur v(c.champ);
        EXPECT_EQ(verifDateCompleteEtCorrecte(v.c()), c.attendu) << '"' << c.champ << '"';
    }
}

// The in-place comparisons answer as the library's do, on values held in
// blocks of exactly their size (a walk past a terminating zero is caught).
TEST(ReglesBaseTest, ComparaisonsEnPlace) {
    const std::string textes[] = {"", "A", "AB", "ABC", "ABD", "AB ", "B", "\xe9", "A\xe9", "0", "00", "971"};
    auto signe = [](int v) { return (v > 0) - (v < 0); };
    for (const std::string& a : textes)
        for (const std::string& b : textes) {
            Valeur va(a), vb(b);
            EXPECT_EQ(signe(ordreTextes(va.c(), vb.c())), signe(std::strcmp(a.c_str(), b.c_str()))) << a << '|' << b;
            for (int n = 1; n <= 4; ++n) {
                const auto lg = static_cast<std::size_t>(n);
                EXPECT_EQ(signe(ordreDebuts(va.c(), vb.c(), n)), signe(std::strncmp(a.c_str(), b.c_str(), lg)))
                    << a << '|' << b << ' ' << n;
                EXPECT_EQ(memesDebuts(va.c(), vb.c(), n), std::strncmp(a.c_str(), b.c_str(), lg) == 0)
                    << a << '|' << b << ' ' << n;
                EXPECT_EQ(egalDebut(va.c(), vb.c(), n), a == b.substr(0, lg)) << a << '|' << b << ' ' << n;
            }
        }
}

}  // namespace
