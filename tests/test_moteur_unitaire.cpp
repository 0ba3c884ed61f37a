// The engine driven directly: file names, cutting a line by a layout, the
// verification pass on small hand-made tables, the line reader, the ERRE
// record, the log line.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "engine/moteur.hpp"
#include "packs/main/pack.hpp"
#include "tests/outils.hpp"

namespace {

using namespace vse;
using outils::blancs;
using outils::poser;

std::unique_ptr<Moteur> moteur() { return std::make_unique<Moteur>(principal::pack); }

std::vector<int> codes(const Moteur& m, int n) { return std::vector<int>(m.codeErreur, m.codeErreur + n); }

void mettre(valeurVSE& v, const std::string& s) { std::snprintf(v.valeur, sizeof v.valeur, "%s", s.c_str()); }

// ---------------------------------------------------------------- names

TEST(MoteurNoms, RepertoireEtFichier) {
    struct Cas {
        const char* chemin;
        const char* rep;
        const char* rep2;
        const char* fic;
    };
    const Cas cas[] = {
        {"C:\\data\\EXP_0042_x.txt", "C:\\data", "C:\\data\\", "EXP_0042_x.txt"},
        {"/tmp/a/in.txt",            "/tmp/a",   "/tmp/a/",    "in.txt"},
        {"in.txt",                   ".",        ".",          "in.txt"},
        {"/in.txt",                  "/",        "/",          "in.txt"},
        {"//in.txt",                 "/",        "/",          "in.txt"},
        {"a/b//c",                   "a/b",      "a/b/",       "c"},
        {"a/b/\\/c",                 "a/b",      "a/b/",       "c"},
        {"a\\b/c",                   "a\\b",     "a\\b/",      "c"},
        {"a/b\\c",                   "a",        "a/",         "b\\c"},
        {"a\\\\b",                   "a",        "a\\",        "b"},
        {"dir/",                     "dir",      "dir/",       ""},
        {"",                         ".",        ".",          ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.chemin);
        EXPECT_EQ(nomDuRep(c.chemin), c.rep);
        EXPECT_EQ(nomDuRep2(c.chemin), c.rep2);
        EXPECT_EQ(nomDuFic(c.chemin), c.fic);
    }
    for (const auto& [avant, apres] : {std::pair{"abc", "cba"}, {"ab", "ba"}, {"a", "a"}, {"", ""}}) {
        char s[8];
        std::strcpy(s, avant);
        strrevers(s);
        EXPECT_STREQ(s, apres);
    }
}

TEST(MoteurNoms, CodeDuPremierMot) {
    const std::string long40(40, 'z');
    const std::pair<std::string, std::string> cas[] = {
        {"C:\\data\\EXP_0042_x.txt", "0042"},
        {"/d/EXP_0042", "0042"},
        {"-i", ""},
        {"EXP__0042_x", ""},
        {"sans", ""},
        {"a_", ""},
        {"_x_y_", "x"},
        {"a_" + long40, std::string(31, 'z')},
    };
    for (const auto& [mot, code] : cas) EXPECT_EQ(extraireC11(mot.c_str()), code) << mot;
}

// ---------------------------------------------------------------- cutting

TEST(MoteurDecoupage, ChampsParLaTable) {
    const sCorps t[] = {
        {E6, 22, 25, 1, 1, 1, 1, 1, RG0,      L0, none, 0},
        {E1,  1,  1, 1, 1, 1, 1, 1, RG0,      L0, none, 0},
        {E6,  0,  0, 1, 1, 1, 1, 1, RG0,      L0, none, 0},
        {E3,  3, 10, 1, 1, 1, 1, 1, RG0,      L0, none, 0},
        {E4, 30, 31, 1, 1, 1, 1, 1, RG0,      L0, none, 0},
    };
    valeurVSE v[6];
    for (valeurVSE& x : v) mettre(x, "garde");

    std::string ligne = poser(poser(std::string(256, '.'), 22, "NAIS"), 1, "Z");
    getvseChamps(table(t), ligne.c_str(), v, 0);
    EXPECT_STREQ(v[0].valeur, "NAIS");
    EXPECT_STREQ(v[1].valeur, "Z");
    EXPECT_STREQ(v[2].valeur, "........");
    EXPECT_STREQ(v[3].valeur, "..");
    EXPECT_STREQ(v[4].valeur, "garde");  // entries past the positioned rows keep their value

    // A short line: a field across its end is cut short, a field past it is empty.
    EXPECT_EQ(getvseChamps(table(t), "ABCDEFGHIJKLMNOPQRSTUXY", v, 0), 4);
    EXPECT_STREQ(v[0].valeur, "XY");
    EXPECT_STREQ(v[2].valeur, "CDEFGHIJ");
    EXPECT_STREQ(v[3].valeur, "");

    // Every byte read is one character of the line, a zero byte included.
    const std::string avecNul = poser(std::string(256, '.'), 5, std::string("a\0b", 3));
    getvseChamps(table(t), avecNul.data(), static_cast<int>(avecNul.size()), v, 0);
    EXPECT_EQ(std::string(v[2].valeur, 8), std::string("..a\0b...", 8));
    EXPECT_STREQ(v[0].valeur, "....");

    // One empty line per cut in the detailed report, an empty layout too.
    for (int visu : {0, 1, 2}) {
        testing::internal::CaptureStdout();
        getvseChamps(table(t), ligne.c_str(), v, visu);
        getvseChamps(tableVide, ligne.c_str(), v, visu);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), visu == 2 ? "\n\n" : "");
    }
}

TEST(MoteurDecoupage, VueAbattage) {
    std::string ligne(256, ' ');
    const std::pair<int, std::string> champs[] = {
        {65, "FR1234567890"}, {77, "40"}, {79, "FR"}, {81, "123456789012"}, {93, "01012024"}, {101, "02012024"},
        {109, "TUERIE01"}, {117, "0012345"}, {124, "BE"}, {126, "ABCDEFGHIJKL"}, {138, "C"}};
    for (const auto& [pos, texte] : champs) ligne = poser(ligne, pos, texte);
    vseCorps cp{};
    std::strcpy(cp.CODE_PAYS_BOV, "ZZ");
    getVseCorps(cp, ligne.c_str());
    EXPECT_STREQ(cp.CODE_PAYS_BOV, "");
    const char* membres[] = {cp.NUME_NATI_BOV, cp.CODE_RESULTAT, cp.CODE_EXPLOIT_PROVENANCE,
                             cp.NUME_EXPLOIT_PROVENANCE, cp.DATE_ENTREE_ABAT, cp.DATE_ABATTAGE, cp.NUME_TUERIE,
                             cp.POIDS_CARCASSE, cp.CODE_PAYS_ABAT_NOTIF, cp.NUME_IDENT_ABAT_NOTIF,
                             cp.INDIC_CREA_INVA_ABATT};
    for (std::size_t i = 0; i < std::size(champs); ++i) EXPECT_EQ(membres[i], champs[i].second);

    // A line that ends early: the copy stops at its end.
    getVseCorps(cp, ligne.substr(0, 104).c_str());
    EXPECT_STREQ(cp.DATE_ENTREE_ABAT, "01012024");
    EXPECT_STREQ(cp.DATE_ABATTAGE, "0201");
    EXPECT_STREQ(cp.NUME_TUERIE, "");
    EXPECT_STREQ(cp.INDIC_CREA_INVA_ABATT, "");
}

// ---------------------------------------------------------------- verification

struct Appel {
    std::string dependance;
    std::string champ;
    int lenSverif;
};
std::vector<Appel> appels;

VSE_REGLE(regleOk) {
    appels.push_back({dependance, champ, lenSverif});
    return 1;
}
VSE_REGLE(regleKo) {
    appels.push_back({dependance, champ, lenSverif});
    return 0;
}

const tValAutorise vDeux[] = {"abc", "xyz"};
const Liste listeDeux{vDeux, 2};

class MoteurVerifChamps : public ::testing::Test {
protected:
    std::unique_ptr<Moteur> m = moteur();

    void SetUp() override {
        appels.clear();
        mettre(m->valCorpsVSE[0], "abc");
        mettre(m->valCorpsVSE[1], "def");
        mettre(m->valCorpsVSE[2], "ghi");
        mettre(m->valEnteteVSE[E5], "CRE");
        mettre(m->valFichEnteteVSE[E3], "SENDER01");
    }
    // Runs the pass with the console report captured.
    std::pair<int, std::string> verifier(const Table& t, const char* e5, int visu = 0, int nb = 0) {
        testing::internal::CaptureStdout();
        const int r = m->verifChamps(visu, nb, t, m->valCorpsVSE, e5, "C");
        return {r, testing::internal::GetCapturedStdout()};
    }
};

// Presence codes per transaction type: 0 applied, 1 skipped, other 86.
TEST_F(MoteurVerifChamps, CodesDePresence) {
    const sCorps t[] = {
        //       CRE DEM INV EDI MOD
        {C1, 1, 3, 0, 1, 2, 1, 2, RG(regleKo), L0, none, 50},
        {C2, 4, 6, 2, 0, 0, 0, 0, RG(regleKo), L0, none, 51},
        {C3, 7, 9, 0, 0, 0, 0, 0, RG0,      L0, none, 52},
    };
    struct Cas {
        const char* e5;
        std::vector<int> codes;
        const char* rapport;
    };
    const Cas cas[] = {
        {"CRE", {50, 86}, "C1.50;C2.86;"}, {"ECQ", {50, 86}, "C1.50;C2.86;"}, {"DEM", {51}, "C2.51;"},
        {"INV", {86, 51}, "C1.86;C2.51;"}, {"EDI", {51}, "C2.51;"},           {"MOD", {86, 51}, "C1.86;C2.51;"},
        {"XYZ", {86, 86}, "C1.86;C2.86;"}, {"CR", {86, 86}, "C1.86;C2.86;"},   {"INF", {86, 86}, "C1.86;C2.86;"},
        {nullptr, {50, 51}, "C1.50;C2.51;"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.e5 ? c.e5 : "(aucune)");
        const auto [n, rapport] = verifier(table(t), c.e5, infVisu);
        EXPECT_EQ(codes(*m, n), c.codes);
        EXPECT_EQ(rapport, c.rapport);
    }

    // The detailed report of a skipped rule, a forbidden row and a failed rule.
    EXPECT_EQ(verifier(table(t), "DEM", dgVisu).second,
              "champ: 1  verif ignoree! 'abc'\nchamp: 2  'def'\n! erreurChamp sur [def]\nchamp: 3  ");
    EXPECT_EQ(verifier(table(t), "INV", dgVisu).second,
              "champ: 1  verifOblg = [2]\nchamp: 2  'def'\n! erreurChamp sur [def]\nchamp: 3  ");
}

// Continuation rows apply to the value of the last positioned row; every rule
// gets its row's live dependance and list length; failures are recorded in
// row order.
TEST_F(MoteurVerifChamps, ContinuationEtDependance) {
    const sCorps t[] = {
        {C1, 1, 3, 0, 0, 0, 0, 0, RG(regleKo), L(listeDeux), dep(E5),     60},
        {C1, 0, 0, 0, 0, 0, 0, 0, RG(regleKo), L0,      none,        61},
        {C2, 4, 6, 0, 0, 0, 0, 0, RG(regleOk), L0,      dep(C1),     62},
        {C2, 0, 0, 0, 0, 0, 0, 0, RG(regleOk), L0,      depFich(E3), 63},
        {C3, 7, 9, 0, 0, 0, 0, 0, RG(regleKo), L0,      dep(C2),     64},
    };
    const auto [n, rapport] = verifier(table(t), "CRE", infVisu);
    EXPECT_EQ(codes(*m, n), (std::vector<int>{60, 61, 64}));
    EXPECT_EQ(rapport, "C1.60;C1.61;C3.64;");
    ASSERT_EQ(appels.size(), 5u);
    const Appel attendu[] = {{"CRE", "abc", 2}, {"", "abc", 0}, {"abc", "def", 0}, {"SENDER01", "def", 0},
                             {"def", "ghi", 0}};
    for (std::size_t i = 0; i < appels.size(); ++i) {
        EXPECT_EQ(appels[i].dependance, attendu[i].dependance) << i;
        EXPECT_EQ(appels[i].champ, attendu[i].champ) << i;
        EXPECT_EQ(appels[i].lenSverif, attendu[i].lenSverif) << i;
    }
}

// Never more than 10 numbers: rows after the tenth are not applied.
TEST_F(MoteurVerifChamps, DixNumerosAuPlus) {
    std::vector<sCorps> lignes;
    for (int i = 0; i < 12; ++i) {
        lignes.push_back({C1 + i, 3 * i + 1, 3 * i + 3, 0, 0, 0, 0, 0, RG(regleKo), L0, none, 70 + i});
    }
    const Table t{lignes.data(), 12};

    auto [n, rapport] = verifier(t, "XYZ");
    EXPECT_EQ(codes(*m, n), std::vector<int>(10, 86));
    EXPECT_TRUE(appels.empty());

    std::tie(n, rapport) = verifier(t, "CRE", noVisu, 9);
    EXPECT_EQ(n, 10);
    EXPECT_EQ(m->codeErreur[9], 70);
    EXPECT_EQ(appels.size(), 1u);

    appels.clear();
    std::tie(n, rapport) = verifier(t, "CRE", noVisu, 10);
    EXPECT_EQ(n, 10);
    EXPECT_TRUE(appels.empty());
}

// The reader's flags become 106, then 107 or 108, while there is room.
TEST_F(MoteurVerifChamps, DrapeauxDeLaLigne) {
    struct Cas {
        int codCaract, codLong, nb;
        std::vector<int> nouveaux;
        int caractApres, longApres;
        const char* rapport;
    };
    const Cas cas[] = {
        {1, 1, 0, {106, 107}, 0, 0, "VSE  cars non autoris\xe9s \nVSE trop long \n"},
        {0, 2, 0, {108}, 0, 0, "VSE trop court \n"},
        {1, 2, 0, {106, 108}, 0, 0, "VSE  cars non autoris\xe9s \nVSE trop court \n"},
        {1, 1, 9, {106}, 0, 1, "VSE  cars non autoris\xe9s \nVSE trop long \n"},
        {1, 2, 10, {}, 1, 2, "VSE  cars non autoris\xe9s \nVSE trop court \n"},
        {0, 0, 0, {}, 0, 0, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::to_string(c.codCaract) + std::to_string(c.codLong) + " " + std::to_string(c.nb));
        m->codCaract = c.codCaract;
        m->codLong = c.codLong;
        const auto [n, rapport] = verifier(tableVide, nullptr, infVisu, c.nb);
        EXPECT_EQ(std::vector<int>(m->codeErreur + c.nb, m->codeErreur + n), c.nouveaux);
        EXPECT_EQ(m->codCaract, c.caractApres);
        EXPECT_EQ(m->codLong, c.longApres);
        EXPECT_EQ(rapport, c.rapport);
    }
}

// ---------------------------------------------------------------- one line

// A pack whose NAIS and ERRE layouts have rules: a body field holding "K"
// fails with 31, 32, ... in row order.
VSE_REGLE(regleSansK) { return champ[0] != 'K'; }

constexpr std::array<sCorps, 15> corpsEssai() {
    std::array<sCorps, 15> t{{
        {C1, 63, 64, 0, 0, 0, 0, 0, RG0,      L0, none, 0},
        {C2, 65, 76, 0, 0, 0, 0, 0, RG0,      L0, none, 0},
        {C3, 77, 78, 0, 0, 0, 0, 0, RG0,      L0, none, 0},
    }};
    for (int i = 0; i < 12; ++i) t[3 + i] = {C4 + i, 79 + i, 79 + i, 0, 0, 0, 0, 0, RG(regleSansK), L0, none, 31 + i};
    return t;
}
constexpr auto tNaisEssai = corpsEssai();
const sCorps tErreEssai[] = {
    {C1, 63, 66, 0, 0, 0, 0, 0, RG0,         L0, none, 0},
    {C2, 67, 69, 0, 0, 0, 0, 0, RG0,         L0, none, 0},
    {C3, 70, 71, 0, 0, 0, 0, 0, RG0,         L0, none, 0},
    {C4, 72, 72, 0, 0, 0, 0, 0, RG(regleSansK), L0, none, 31},
};
const sAiguillage aiguillageEssai[] = {
    {"ERRE", table(tErreEssai),                    ERRE, CINC, CINC},
    {"NAIS", {tNaisEssai.data(), tNaisEssai.size()}, NAIS, C3,   C2},
    {"ZZZZ", tableVide,                            -1,   CINC, CINC},
};
const Pack packEssai = [] {
    Pack p = principal::pack;
    p.tAiguillage = aiguillageEssai;
    p.LEN_AIGUILLAGE = 3;
    return p;
}();

// A file from a partner to the national base: the C3 check and error 182
// come after the body and are only appended while fewer than 10 numbers are
// recorded; an ERRE record is never checked on C3 and is answered with its
// 4- and 3-character C1 and C2 followed by 7 blanks.
TEST(MoteurTraitement, ControlesApresLeCorpsEtReponseERRE) {
    using outils::Programme;
    struct Cas {
        const char* nom;
        const char* type;
        const char* e5;
        std::string corps;  // from position 63
        std::vector<int> codes;
        std::string identification;  // positions 70-111 of the answer
    };
    const std::string id = "AB123456789012" + blancs(14);
    const Cas cas[] = {
        {"neuf erreurs puis 182", "NAIS", "CRE", "AB12345678901210KKKKKKKKK", {31, 32, 33, 34, 35, 36, 37, 38, 39, 182},
         id + "10123456789012"},
        {"dix erreurs", "NAIS", "CRE", "AB12345678901210KKKKKKKKKK", {31, 32, 33, 34, 35, 36, 37, 38, 39, 40},
         id + "10123456789012"},
        {"C3 puis 182", "NAIS", "CRE", "AB123456789012xxKKKKKKKK", {31, 32, 33, 34, 35, 36, 37, 38, 51, 182},
         id + "xx123456789012"},
        {"C3 en dixieme", "NAIS", "CRE", "AB123456789012xxKKKKKKKKK", {31, 32, 33, 34, 35, 36, 37, 38, 39, 51},
         id + "xx123456789012"},
        {"ERRE", "ERRE", "ECQ", "ABCDEFGxxK", {31, 182}, "ABCDEFG" + blancs(35)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        outils::Banc m(packEssai);
        outils::Vse f = outils::fich(Programme::principal, 1);
        f.avec(E3, "NORMABEV");
        ASSERT_EQ(m->traitement(f.ligne().c_str(), noVisu, 1, FORMAT_UNIX), 0);
        outils::Vse v = outils::vseType(Programme::principal, c.type, c.e5);
        v.avec(E8, "NORMABEV").corps = c.corps;
        const int n = m->traitement(v.ligne().c_str(), noVisu, 2, FORMAT_UNIX);
        EXPECT_EQ(codes(*m, n), c.codes);

        const std::string ecrit = m.erre();
        ASSERT_EQ(ecrit.size(), LG_VSE + 1u);
        EXPECT_EQ(ecrit[0], '\n');
        EXPECT_EQ(ecrit.substr(70, 42), c.identification);
    }
}

// ---------------------------------------------------------------- line reader

TEST(MoteurLecteur, FinsDeLigneEtDrapeaux) {
    struct Lu {
        int ret;
        std::string ligne;
        int codLong, codCaract;
    };
    struct Cas {
        const char* nom;
        std::string contenu;
        std::vector<Lu> lus;
    };
    const std::string l256(256, 'a');
    const Cas cas[] = {
        {"trois formats", l256 + "\r\n" + l256 + "\n" + l256 + "\r" + l256,
         {{DVRAN_DOS, l256, 0, 0}, {DVRAN_UNIX, l256, 0, 0}, {DVRAN_MAC, l256, 0, 0}, {DVRAN_EOF, l256, 0, 0}}},
        {"CR en fin de fichier", "ab\r", {{DVRAN_MAC, "ab", 2, 0}, {DVRAN_EOF, "", 0, 0}}},
        {"trop long", l256 + "xyz\n", {{DVRAN_UNIX, l256, 1, 0}}},
        {"caracteres", "a\tb\xe9\n", {{DVRAN_UNIX, "a\tb\xe9", 2, 1}}},
        {"ligne vide", "\r\nab\n", {{DVRAN_LONGNULLE, "", 0, 0}}},
        {"ctrl-z", "ab\x1a" "cd\n", {{DVRAN_CTRLZ, "ab", 0, 0}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        outils::RepertoireTemporaire rep;
        outils::ecrire(rep / "entree", c.contenu);
        auto m = moteur();
        ASSERT_TRUE(m->recu.ouvrir(rep / "entree"));
        for (const Lu& lu : c.lus) {
            EXPECT_EQ(m->dvranFgets(), lu.ret);
            if (lu.ret == DVRAN_EOF || lu.ret == DVRAN_CTRLZ) continue;  // the partial line is dropped
            EXPECT_EQ(std::string(m->tampon), lu.ligne);
            EXPECT_EQ(m->codLong, lu.codLong);
            EXPECT_EQ(m->codCaract, lu.codCaract);
        }
    }
}

// ---------------------------------------------------------------- ERRE record

TEST(MoteurVSEERR, OctetParOctet) {
    auto m = moteur();
    std::strcpy(m->VSEDate, "07122026131445025        *");
    mettre(m->valFichEnteteVSE[E3], "FICHSEND");
    const char* entete[NB_ENTETE] = {"1", "2", "EMETTEUR", "RECEPTEU", "CRE", "NAIS", "7",
                                     "E8E8E8E8", "E9E9E9E9", "E10E10E1", "E11E11E11E", "3", "N"};
    const std::string debut = "12RECEPTEUEMETTEURERRERRE7INTERFACE9E9E9E9FICHSENDE11E11E11E3N";
    const int onze[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const int deux[] = {36, 52};
    struct Cas {
        const char* nom;
        const char* e5;
        const char* e6;
        const char* c1;
        const char* c2;
        const char* c7;
        const char* c8;
        int n;
        const int* codes;
        std::string attenduCorps;  // positions 63-230
    };
    const Cas cas[] = {
        {"deux erreurs", "CRE", "NAIS", "AB", "123456789012", "C7", "C8C8C8C8C8C8", 2, deux,
         "NAISCREAB123456789012" + blancs(14) + "C7C8C8C8C8C8C8I0361I0521" + blancs(109)},
        {"aucune erreur", "CRE", "NAIS", "AB", "123456789012", "C7", "C8C8C8C8C8C8", 0, deux,
         "NAISCREAB123456789012" + blancs(14) + "C7C8C8C8C8C8C8" + blancs(119)},
        {"plus de dix", "CRE", "NAIS", "AB", "123456789012", "  ", "            ", 11, onze,
         "NAISCREAB123456789012" + blancs(28) + "I0011I0021I0031I0041I0051I0061I0071I0081I0091I0101" + blancs(69)},
        {"ERRE en ECQ", "ECQ", "ERRE", "ABCD", "EFG", "  ", "            ", 1, deux,
         "ERREECQABCDEFG" + blancs(7 + 28) + "I0361" + blancs(114)},
        {"ERRE en CRE", "CRE", "ERRE", "ABCD", "EFG", "  ", "            ", 1, deux,
         "ERRECREABCDEFG" + blancs(7 + 28) + "I0361" + blancs(114)},
        {"pieces courtes", "CR", "NAI", "", "", "", "X", 1, deux,
         "NAI CR " + blancs(14 + 14 + 2) + "X" + blancs(11) + "I0361" + blancs(114)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        valeurVSE ent[NB_ENTETE];
        for (int i = 0; i < NB_ENTETE; ++i) mettre(ent[i], entete[i]);
        mettre(ent[E5], c.e5);
        mettre(ent[E6], c.e6);
        valeurVSE corps[NB_CORPS];
        mettre(corps[C1], c.c1);
        mettre(corps[C2], c.c2);
        char out[LG_VSE + 1] = {};
        m->construireVSEERR(out, c.c7, c.c8, c.n, ent, corps, c.codes);
        ASSERT_EQ(c.attenduCorps.size(), 168u);
        EXPECT_EQ(std::string(out, LG_VSE), debut + c.attenduCorps + "07122026131445025        *");
    }
}

// ---------------------------------------------------------------- log

TEST(MoteurJournal, UneLigneDateeEtFermee) {
    outils::RepertoireTemporaire rep;
    const std::string chemin = rep / "log";
    Journal journal(operationsSysteme());
    ASSERT_TRUE(journal.ouvrir(chemin));
    journal.consigner("IG014: Pas de VSE de base");
    EXPECT_FALSE(journal.estOuvert());
    journal.consigner("seconde");  // the log is closed: nothing more is written
    const std::string texte = outils::lire(chemin);
    EXPECT_TRUE(std::regex_match(
        texte, std::regex("Le [0-3][0-9]/[01][0-9]/[0-9]{4} a [0-2][0-9]:[0-5][0-9]:[0-6][0-9] : "
                          "IG014: Pas de VSE de base\n")))
        << texte;

    testing::internal::CaptureStderr();
    tracer("bonjour");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "    [****] xdebug message:\"bonjour\" [****]\n");
}

}  // namespace
