// Slaughter rules, applied as the engine applies them: the slaughter view is
// filled from the record's line and each rule gets its field cut from it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "rules/abattage.hpp"
#include "tests/regles_essai.hpp"

namespace {

using namespace vse;
using essai::Tampon;
using essai::VueCorps;

// A slaughter record by its body fields; a sound record unless a case says
// otherwise. `longueur` cuts the line short.
struct Abat {
    std::string pays = "FR";
    std::string bovin = "0112345678  ";
    std::string asda = "FR";
    std::string exploit = "01234567    ";
    std::string entree = "01032024";
    std::string abattage = "02032024";
    std::string tuerie = "01234567";
    std::string poids = "0350,50";
    std::string paysNotif = "FR";
    std::string notifiant = "0112345     ";
    std::string indic = "C";
    std::size_t longueur = LG_VSE;
};

struct Position {
    int debut;
    int fin;
};
// Positions of C1 to C12.
constexpr Position POSITIONS[] = {{63, 64},   {65, 76},   {77, 78},   {79, 80},   {81, 92},   {93, 100},
                                  {101, 108}, {109, 116}, {117, 123}, {124, 125}, {126, 137}, {138, 138}};

std::string ligne(const Abat& a) {
    std::string l(LG_VSE, ' ');
    const std::pair<numCorpsVSE, const std::string*> champs[] = {
        {C1, &a.pays},     {C2, &a.bovin},     {C4, &a.asda},      {C5, &a.exploit},
        {C6, &a.entree},   {C7, &a.abattage},  {C8, &a.tuerie},    {C9, &a.poids},
        {C10, &a.paysNotif}, {C11, &a.notifiant}, {C12, &a.indic},
    };
    for (const auto& [c, v] : champs) {
        const Position p = POSITIONS[c];
        const std::size_t largeur = static_cast<std::size_t>(p.fin - p.debut + 1);
        l.replace(static_cast<std::size_t>(p.debut - 1), largeur, (*v + std::string(largeur, ' ')).substr(0, largeur));
    }
    l.resize(a.longueur);
    return l;
}

// The field as the engine cuts it from a line (shorter when the line is).
std::string couper(const std::string& l, numCorpsVSE c) {
    const Position p = POSITIONS[c];
    const std::size_t debut = static_cast<std::size_t>(p.debut - 1);
    if (debut >= l.size()) return "";
    return l.substr(debut, static_cast<std::size_t>(p.fin - p.debut + 1));
}

struct Cas {
    pfVerif_t regle;
    const char* nom;
    Abat abat;
    numCorpsVSE champ;
    int attendu;
};
#define R(f) f, #f

template <std::size_t N>
void verifier(const Cas (&cas)[N]) {
    for (const Cas& c : cas) {
        Tampon l(ligne(c.abat));
        vseCorps cp{};
        getVseCorps(cp, l.c());
        Vue vue;
        vue.xdebug = l.c();
        vue.cp = &cp;
        Tampon v(couper(l.c(), c.champ));
        EXPECT_EQ(c.regle(vue, "", v.c(), nullptr, 0), c.attendu)
            << c.nom << " champ=\"" << v.c() << "\" ligne=\"" << l.c() << '"';
    }
}

TEST(ReglesAbattageTest, AnimalEtProvenance) {
    const Cas cas[] = {
        {R(presence_C2), {}, C2, 1},
        {R(presence_C2), {.bovin = ""}, C2, 0},  // twelve blanks
        {R(presence_C2), {.longueur = 70}, C2, 1},
        {R(vAbat_C2_1), {}, C2, 1},
        {R(vAbat_C2_1), {.bovin = "9761234567"}, C2, 0},  // 976 is no cattle prefix
        {R(vAbat_C2_1), {.bovin = "2A12345678"}, C2, 0},
        {R(vAbat_C2_1), {.pays = "DE", .bovin = "X"}, C2, 1},
        {R(vAbat_C2_1), {.bovin = "X", .longueur = 63}, C2, 1},  // no country on the line
        {R(vAbat_C2_1), {.bovin = "X", .longueur = 64}, C2, 0},
        {R(vAbat_C2_2), {.bovin = "X"}, C2, 1},
        {R(vAbat_C2_2), {.pays = "DE", .bovin = "DE12345"}, C2, 0},
        {R(vAbat_C2_2), {.pays = "DE", .bovin = "AB12345"}, C2, 1},
        {R(vAbat_C2_2), {.pays = "CH", .bovin = "AB 12"}, C2, 0},
        {R(vAbat_C2_2), {.pays = "CH", .bovin = "AB12"}, C2, 1},
        {R(vAbat_C2_2), {.pays = "US", .bovin = "US 1"}, C2, 1},
        {R(vAbat_C2_2), {.pays = "PL", .bovin = "PL 1"}, C2, 1},  // not a member for this rule
        {R(fVerif_ASDA), {}, C4, 1},
        {R(fVerif_ASDA), {.asda = "RS"}, C4, 1},
        {R(fVerif_ASDA), {.asda = "XS"}, C4, 1},  // only in the list outside the Union
        {R(fVerif_ASDA), {.asda = "ZZ"}, C4, 0},
        {R(fVerif_ASDA), {.asda = "F", .longueur = 79}, C4, 0},
        {R(presence_C5), {}, C5, 1},
        {R(presence_C5), {.exploit = ""}, C5, 0},
        {R(presence_C5), {.exploit = "   1"}, C5, 1},
        {R(presence_C5), {.longueur = 80}, C5, 0},
        {R(fVerif_NUM_ASDA), {}, C5, 1},
        {R(fVerif_NUM_ASDA), {.asda = "BE", .exploit = "AB"}, C5, 1},
        {R(fVerif_NUM_ASDA), {.exploit = "2A234567"}, C5, 0},
        {R(fVerif_NUM_ASDA), {.exploit = "AB", .notifiant = "OFFICEFR"}, C5, 1},
        {R(fVerif_NUM_ASDA), {.exploit = "AB", .notifiant = "ONICABFR"}, C5, 1},
        {R(fVerif_NUM_ASDA), {.exploit = "AB", .notifiant = "OFFIC"}, C5, 0},
        {R(fVerif_NUM_ASDA), {.longueur = 137}, C5, 0},  // no creation indicator
    };
    verifier(cas);
}

TEST(ReglesAbattageTest, Dates) {
    const Cas cas[] = {
        {R(fVerifDateInputPost), {.entree = ""}, C6, 1},
        {R(fVerifDateInputPost), {.entree = "01011998"}, C6, 1},
        {R(fVerifDateInputPost), {.entree = "31121997"}, C6, 0},
        {R(fVerifDateInputPost), {.entree = "0101 998"}, C6, 0},
        {R(fVerifDateInputPost), {.longueur = 96}, C6, 0},
        {R(fVerifDateInputPost), {.longueur = 92}, C6, 1},
        {R(fVerifDateAbatPost), {.abattage = "01011998"}, C7, 1},
        {R(fVerifDateAbatPost), {.abattage = "31121997"}, C7, 0},
        {R(fVerifDateAbatPost), {.abattage = ""}, C7, 0},
        {R(fVerifDateAbatPostEntr), {.entree = "15032024", .abattage = "15032024"}, C7, 1},  // same day
        {R(fVerifDateAbatPostEntr), {.entree = "16032024", .abattage = "15032024"}, C7, 0},
        {R(fVerifDateAbatPostEntr), {.entree = "", .abattage = "15032024"}, C7, 1},
        {R(fVerifDateAbatPostEntr), {.entree = "01012025", .abattage = "31122024"}, C7, 0},
        {R(fVerifDateAbatPostEntr), {.entree = "31122023", .abattage = "01012024"}, C7, 1},
        {R(fVerifDateAbatPostEntr), {.entree = "15042024", .abattage = "14052024"}, C7, 1},
        {R(fVerifDateAbatPostEntr), {.entree = "15052024", .abattage = "16042024"}, C7, 0},
        {R(fVerifDateAbatPostEntr), {.entree = "16032024", .longueur = 104}, C7, 0},
    };
    verifier(cas);
}

TEST(ReglesAbattageTest, TuerieEtPoids) {
    const Cas cas[] = {
        {R(presence_C8), {}, C8, 1},
        {R(presence_C8), {.tuerie = ""}, C8, 1},
        {R(presence_C8), {.tuerie = "AB 12"}, C8, 1},
        {R(presence_C8), {.tuerie = " 1234567"}, C8, 0},
        {R(presence_C8), {.tuerie = "AB-12345"}, C8, 0},
        {R(presence_C8), {.longueur = 112}, C8, 0},
        {R(fVerif_NUM_TUE), {}, C8, 1},
        {R(fVerif_NUM_TUE), {.tuerie = ""}, C8, 1},
        {R(fVerif_NUM_TUE), {.tuerie = " 1234567"}, C8, 0},
        {R(fVerif_NUM_TUE), {.longueur = 115}, C8, 0},
        // An office notifies for the holding's country followed by its own.
        {R(fVerif_NUM_TUE), {.tuerie = "FRFR", .notifiant = "OFFICEFR"}, C8, 1},
        {R(fVerif_NUM_TUE), {.asda = "BE", .tuerie = "BEFR", .notifiant = "OFFICEFR"}, C8, 1},
        {R(fVerif_NUM_TUE), {.tuerie = "FRFR X", .notifiant = "OFFICEFR"}, C8, 1},
        {R(fVerif_NUM_TUE), {.tuerie = "FRFRX", .notifiant = "OFFICEFR"}, C8, 0},
        {R(fVerif_NUM_TUE), {.tuerie = "FRFR1234", .notifiant = "OFFICEFR"}, C8, 0},
        {R(fVerif_NUM_TUE), {.tuerie = "01234567", .notifiant = "ONICABFR"}, C8, 1},
        {R(fVerif_chaine_POIDS), {.poids = "1000,00"}, C9, 1},
        {R(fVerif_chaine_POIDS), {.poids = ""}, C9, 1},
        {R(fVerif_chaine_POIDS), {.poids = "10,0000"}, C9, 0},
        {R(fVerif_chaine_POIDS), {.poids = "1000.00"}, C9, 0},
        {R(fVerif_chaine_POIDS), {.poids = "0350,5A"}, C9, 0},
        {R(fVerif_chaine_POIDS), {.longueur = 122}, C9, 0},
        {R(fVerif_POIDS), {.poids = "1000,00"}, C9, 1},
        {R(fVerif_POIDS), {.poids = "1000,01"}, C9, 0},
        {R(fVerif_POIDS), {.poids = "1001,00"}, C9, 0},
        {R(fVerif_POIDS), {.poids = "0999,99"}, C9, 1},
        {R(fVerif_POIDS), {.poids = ""}, C9, 1},
        {R(fVerif_POIDS), {.poids = "1000,00", .longueur = 121}, C9, 1},  // "1000," reads as 1000,00
        {R(fVerif_POIDS), {.poids = "1001,00", .longueur = 117}, C9, 1},  // "1" reads as 1
    };
    verifier(cas);
}

TEST(ReglesAbattageTest, Notifiant) {
    const Cas cas[] = {
        {R(fVerif_CODEPE_ABATNOT), {.notifiant = "OFFICEFR"}, C10, 1},
        {R(fVerif_CODEPE_ABATNOT), {.paysNotif = "BE", .notifiant = "OFFICEFR"}, C10, 0},
        {R(fVerif_CODEPE_ABATNOT), {.paysNotif = "BE", .notifiant = "ONICABBE"}, C10, 1},
        {R(fVerif_CODEPE_ABATNOT), {.paysNotif = "BE"}, C10, 0},
        {R(fVerif_CODEPE_ABATNOT), {.notifiant = "OFFICE", .longueur = 131}, C10, 0},
        {R(presence_C11), {}, C11, 1},
        {R(presence_C11), {.notifiant = ""}, C11, 0},
        {R(presence_C11), {.longueur = 125}, C11, 0},
        {R(presence_C11), {.notifiant = "OFFI", .longueur = 129}, C11, 1},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "2A12345"}, C11, 1},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "2C12345"}, C11, 0},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "2012345"}, C11, 1},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "0012345"}, C11, 0},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "011234"}, C11, 0},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = " 0112345"}, C11, 0},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "0112345   XY"}, C11, 0},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "OFFICEFR  XY"}, C11, 1},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "ONICABF"}, C11, 1},
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "OFFICE"}, C11, 0},
        {R(fVerif_NUMID_ABATNOT_CONF), {.longueur = 134}, C11, 0},  // no characters 11-12
        {R(fVerif_NUMID_ABATNOT_CONF), {.notifiant = "OFFICEFR", .longueur = 133}, C11, 1},
        {R(fVerif_NUMID_ABATNOT_TABREF), {.notifiant = ""}, C11, 1},
    };
    verifier(cas);
}

// Without a slaughter view every member reads as empty.
TEST(ReglesAbattageTest, SansVue) {
    struct CasVide {
        pfVerif_t regle;
        const char* nom;
        const char* champ;
        int attendu;
    };
    const CasVide cas[] = {
        {R(presence_C2), "", 1},
        {R(vAbat_C2_1), "X", 1},
        {R(vAbat_C2_2), "X", 1},
        {R(presence_C5), "", 0},
        {R(fVerif_NUM_ASDA), "X", 1},
        {R(fVerifDateAbatPostEntr), "01012024", 1},
        {R(presence_C8), "", 0},
        {R(fVerif_NUM_TUE), "01234567", 1},
        {R(fVerif_CODEPE_ABATNOT), "FR", 1},
        {R(fVerif_CODEPE_ABATNOT), "BE", 0},
        {R(presence_C11), "", 0},
    };
    for (const CasVide& c : cas) {
        Tampon v(c.champ);
        EXPECT_EQ(c.regle(Vue{}, "", v.c(), nullptr, 0), c.attendu) << c.nom;
    }
}

}  // namespace
