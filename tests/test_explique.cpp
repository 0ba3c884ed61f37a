// delvoran-explique on replies that the four programs write for small files:
// each error number with its field and rule, the file's own errors, the three
// kinds of line end, the output character set, what is not a reply and the
// command line; and, on hand-made replies, the choice of the body fields by
// record type and transaction type.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "packs/main/pack.hpp"
#include "rules/base.hpp"
#include "tests/avec_repertoire.hpp"
#include "tools/explique/explique.hpp"

namespace {

using namespace vse::outils;
using vse::E5;
using vse::E6;
using vse::E9;
using vse::F5;
using vse::fVerifDiffNull;
using P = Programme;

const std::string EXPLIQUE = std::string(VSE_BIN_DIR) + "/delvoran-explique";

// Sets an environment variable for the life of the object (each test runs in
// its own process).
class Environnement {
public:
    Environnement(const char* nom, const char* valeur) : nom_(nom) {
        const char* avant = std::getenv(nom);
        if (avant != nullptr) avant_ = avant;
        eu_ = avant != nullptr;
        ::setenv(nom, valeur, 1);
    }
    ~Environnement() {
        if (eu_) ::setenv(nom_.c_str(), avant_.c_str(), 1);
        else ::unsetenv(nom_.c_str());
    }
    Environnement(const Environnement&) = delete;
    Environnement& operator=(const Environnement&) = delete;

private:
    std::string nom_, avant_;
    bool eu_ = false;
};

class Explique : public AvecRepertoire {
protected:
    // Latin-1 output, whatever the machine's locale.
    Environnement latin1{"LC_ALL", "C"};

    // Runs the program on the lines and gives back what it left under the
    // output name, with its exit status.
    std::string repondre(P p, const std::vector<std::string>& lignes, int statutAttendu = 2,
                         const std::string& fin = "\n") {
        const std::string entree = rep / "EXP_0042_essai.vse";
        const std::string sortie = rep / "reponse.vse";
        ecrire(entree, fichier(lignes, fin));
        const Execution e = executer(p, {entree, sortie, rep / "log"});
        EXPECT_EQ(e.statut, statutAttendu) << nom(p) << e.erreurs;
        return sortie;
    }

    Execution expliquer(const std::vector<std::string>& arguments) { return executer(EXPLIQUE, arguments); }
};

void contient(const std::string& texte, const std::vector<std::string>& morceaux, const std::string& contexte) {
    for (const std::string& m : morceaux) EXPECT_NE(texte.find(m), std::string::npos) << contexte << ": " << m << "\n" << texte;
}

// ---------------------------------------------------------------- replies of the programs

TEST_F(Explique, ChaqueErreurAvecSonChampEtSaRegle) {
    for (const P p : tousLesProgrammes) {
        // A NAIS with a blank in E9 and a wrong end mark, a valid NAIS, and a
        // type no program knows.
        const std::string reponse =
            repondre(p, {fich(p, 3).ligne(), vseType(p).avec(E9, "0000 001").avec(F5, "X").ligne(), vseType(p).ligne(),
                         vseType(p, "QQQQ").ligne()});
        const Execution e = expliquer({"-p", nom(p), reponse});
        ASSERT_EQ(e.statut, 0) << nom(p) << e.erreurs;
        contient(e.sortie,
                 {std::string("tables de ") + nom(p), "3 enregistrement(s) lu(s), 2 r", "1 sans erreur",
                  "1/2 : \xab NAIS \xbb, transaction \xab CRE \xbb", "I0891 : erreur 89",
                  "en-t\xeate E9 (positions 35-42), r\xe8gle enteteE9, liste HuitBlancs, d\xe9pendance E6",
                  "I0941 : erreur 94", "fin F5 (position 256), r\xe8gle fVerifValAut, liste ET1",
                  "2/2 : \xab QQQQ \xbb, transaction \xab CRE \xbb (type inconnu", "I0851 : erreur 85",
                  "en-t\xeate E6 (positions 22-25), r\xe8gle fVerifValAut, liste tE6", "I0861 : erreur 86",
                  "r\xe8gle fVerifDepE6"},
                 nom(p));
        // Every number the program recorded is explained.
        EXPECT_EQ(e.sortie.find("aucun champ"), std::string::npos) << e.sortie;
        // An unknown type's body is not verified: no body check is named.
        EXPECT_EQ(e.sortie.find("contr\xf4le"), std::string::npos) << e.sortie;
    }
}

TEST_F(Explique, LesErreursDuFichier) {
    // Five records announced, one sent.
    const std::string reponse = repondre(P::principal, {fich(P::principal, 5).ligne(), vseType(P::principal).ligne()});
    const Execution e = expliquer({reponse});
    ASSERT_EQ(e.statut, 0) << e.erreurs;
    contient(e.sortie,
             {"1/1 : \xab FICH \xbb, transaction \xab INF \xbb (erreurs du fichier", "I1001 : erreur 100",
              "contr\xf4le du programme sur C3 (positions 95-100)\n          " +
                  std::string(vse::sensControle(vse::Controle::CompteAnnonce, 100, vse::PROG_DELVORAN)->sens)},
             "delvoran");
}

// With the file sent, each ERRE record is matched to the record it answers
// and the value read in each field is shown: records told apart by their
// header and identification, two rejected records alike answered in order,
// a rejected record alike an accepted one named with both lines, and the
// file's own error read in the FICH record.
TEST_F(Explique, LesValeursLuesDansLeFichierEnvoye) {
    for (const P p : tousLesProgrammes) {
        const std::string finX = vseType(p).avec(F5, "X").ligne();
        const std::string e9 = vseType(p).avec(E9, "0000 001").ligne();
        const std::vector<std::string> lignes = {fich(p, 5).ligne(), finX, e9, vseType(p).ligne(), e9};
        const std::string reponse = repondre(p, lignes);
        const std::string envoye = rep / "envoye.vse";
        ecrire(envoye, fichier(lignes));
        const Execution e = expliquer({"-p", nom(p), "-f", envoye, reponse});
        ASSERT_EQ(e.statut, 0) << nom(p) << e.erreurs;
        const std::string& t = e.sortie;
        contient(t,
                 {"rejet\xe9 1/4", "dans le fichier envoy\xe9 : lignes 2, 4 (m\xeame identification",
                  "valeur lue : ligne 2 \xab X \xbb, ligne 4 \xab * \xbb", "rejet\xe9 2/4",
                  "dans le fichier envoy\xe9 : ligne 3\n", "valeur lue : \xab 0000 001 \xbb", "rejet\xe9 3/4",
                  "dans le fichier envoy\xe9 : ligne 5\n", "rejet\xe9 4/4", "dans le fichier envoy\xe9 : ligne 1\n",
                  "valeur lue : \xab 000005 \xbb (dans le FICH, ligne 1)"},
                 nom(p));
        // In order: the second record alike answers line 5, not line 3 again.
        EXPECT_LT(t.find("ligne 3\n"), t.find("ligne 5\n")) << t;
    }
    // A file sent that cannot be read.
    const std::string reponse = repondre(P::d, {fich(P::d, 1).ligne(), vseType(P::d).avec(F5, "X").ligne()});
    const Execution absent = expliquer({"-p", "delvorand", "-f", rep / "absent.vse", reponse});
    EXPECT_EQ(absent.statut, 1);
    EXPECT_NE(absent.erreurs.find("fichier envoy\xe9"), std::string::npos) << absent.erreurs;
}

TEST_F(Explique, LesTroisFinsDeLigne) {
    std::vector<std::string> sorties;
    for (const std::string fin : {"\n", "\r\n", "\r"}) {
        const std::string reponse =
            repondre(P::l, {fich(P::l, 1).ligne(), vseType(P::l).avec(F5, "X").ligne()}, 2, fin);
        const std::string contenu = lire(reponse);
        ASSERT_NE(contenu.find(fin), std::string::npos);
        const Execution e = expliquer({"-p", "delvoranl", reponse});
        EXPECT_EQ(e.statut, 0) << e.erreurs;
        sorties.push_back(e.sortie);
    }
    EXPECT_NE(sorties[0].find("erreur 94"), std::string::npos);
    EXPECT_EQ(sorties[1], sorties[0]);
    EXPECT_EQ(sorties[2], sorties[0]);
}

TEST_F(Explique, EcritEnUtf8QuandLaLocaleLeDemande) {
    const std::string reponse = repondre(P::d, {fich(P::d, 1).ligne(), vseType(P::d).avec(F5, "X").ligne()});
    EXPECT_NE(expliquer({"-p", "delvorand", reponse}).sortie.find("rejet\xe9 1/1"), std::string::npos);
    const Environnement utf8{"LC_ALL", "C.UTF-8"};
    EXPECT_NE(expliquer({"-p", "delvorand", reponse}).sortie.find("rejet\xc3\xa9 1/1"), std::string::npos);
}

// With no locale (the three variables empty), a pipe gets Latin-1 and a
// terminal UTF-8; the terminal is the one `script` gives the command.
TEST_F(Explique, SansLocaleEcritEnUtf8SurUnTerminal) {
    const std::string reponse = repondre(P::d, {fich(P::d, 1).ligne(), vseType(P::d).avec(F5, "X").ligne()});
    const Environnement sansLcAll{"LC_ALL", ""}, sansLcCtype{"LC_CTYPE", ""}, sansLang{"LANG", ""};
    EXPECT_NE(expliquer({"-p", "delvorand", reponse}).sortie.find("rejet\xe9 1/1"), std::string::npos);
    const std::string script = "/usr/bin/script";
    if (!std::filesystem::exists(script)) GTEST_SKIP() << "no " << script;
    const Execution e = executer(script, {"-qec", EXPLIQUE + " -p delvorand '" + reponse + "'", "/dev/null"});
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_NE(e.sortie.find("rejet\xc3\xa9 1/1"), std::string::npos) << e.sortie;
}

TEST_F(Explique, RefuseCeQuiNEstPasUneReponse) {
    // An accepted file: its first record is a FICH INF, but not marked "1".
    const std::string acceptee = repondre(P::pf, {fich(P::pf, 1).ligne(), vseType(P::pf).ligne()}, 0);
    const std::string entree = rep / "entree.vse";
    ecrire(entree, fichier({fich(P::pf, 1).ligne(), vseType(P::pf).ligne()}));
    for (const std::string& f : {acceptee, entree, rep / "absent.vse"}) {
        const Execution e = expliquer({"-p", "delvoranpf", f});
        EXPECT_EQ(e.statut, 1) << f;
        EXPECT_TRUE(e.sortie.empty()) << f;
        EXPECT_NE(e.erreurs.find("delvoran-explique: "), std::string::npos) << f;
    }
}

TEST_F(Explique, LigneDeCommande) {
    struct Cas {
        std::vector<std::string> arguments;
        int statut;
    };
    const std::string f = rep / "x";
    const Cas cas[] = {
        {{}, 3}, {{f, f}, 3}, {{"-p"}, 3}, {{"-p", "delvoranx", f}, 3}, {{"-q", f}, 3}, {{"-v"}, 3}, {{f, "-f"}, 3},
    };
    for (const Cas& c : cas) {
        const Execution e = expliquer(c.arguments);
        EXPECT_EQ(e.statut, c.statut) << testing::PrintToString(c.arguments);
    }
    const Execution v = expliquer({"-v"});
    EXPECT_FALSE(v.sortie.empty());
    EXPECT_EQ(v.sortie.find_first_not_of("0123456789."), v.sortie.size() - 1) << v.sortie;
}

// The character set of the output: the locale's when it names one, else
// UTF-8 on a terminal and Latin-1 elsewhere.
TEST(ExpliqueJeuDeCaracteres, LaLocalePuisLeTerminal) {
    struct Cas {
        const char* locale;
        bool terminal;
        bool utf8;
    };
    const Cas cas[] = {
        {nullptr, false, false},           {nullptr, true, true},
        {"", true, true},                  {"C", false, false},
        {"C", true, true},                 {"POSIX", true, true},
        {"C.UTF-8", false, true},          {"fr_FR.UTF-8", false, true},
        {"fr_FR.utf8", true, true},        {"fr_FR.ISO-8859-1", true, false},
        {"fr_FR.iso88591", true, false},   {"fr_FR", true, false},
        {"fr_FR@euro", true, false},       {"fr_FR.UTF-8@euro", false, true},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(vse::explique::enUtf8(c.locale, c.terminal), c.utf8)
            << (c.locale == nullptr ? "(none)" : c.locale) << (c.terminal ? ", terminal" : ", pipe");
    }
}

// ---------------------------------------------------------------- hand-made replies

// A NAIS layout whose C5 is verified on creations only and whose C6 is
// forbidden on modifications.
const vse::sCorps tNaisEssai[] = {
    {vse::C1, 63, 64, 1, 1, 1, 1, 1, RG0, L0, vse::none, 0},
    {vse::C5, 79, 80, 0, 1, 1, 1, 1, RG(fVerifDiffNull), L0, vse::none, 31},
    {vse::C6, 81, 82, 0, 0, 0, 0, 2, RG(fVerifDiffNull), L0, vse::dep(vse::E5), 32},
};
const vse::sAiguillage aEssai[] = {
    {"NAIS", vse::table(tNaisEssai), vse::NAIS, vse::C16, vse::C17},
    {"ZZZZ", vse::tableVide, -1, vse::CINC, vse::CINC},
};

// A reply record and one ERRE record answering `type` `e5` with the codes.
std::string reponseFaite(const std::string& type, const std::string& e5, const std::string& codes) {
    std::string tete = blancs(256);
    tete = poser(tete, 3, "031BDN  001IPG  INFFICH");
    tete = poser(tete, 63, "FIC0000000000001FIC0000000000001000001000001000001000000      1");
    std::string erre = blancs(256);
    erre = poser(erre, 19, "ERRERRE");
    erre = poser(erre, 63, type + e5 + "10FR1234567890");
    erre = poser(erre, 98, "FR1234567890");
    erre = poser(erre, 112, codes);
    return tete + "\n" + erre + "\n";
}

TEST(ExpliqueTables, NommeLesChampsDuTypeEtDeLaTransaction) {
    vse::Pack pack = vse::principal::pack;
    pack.tAiguillage = aEssai;
    pack.LEN_AIGUILLAGE = 2;
    const vse::catalogue::Programme essai{"essai", &pack, 0};
    struct Cas {
        const char* e5;
        const char* attendu31;  // where error 31 can come from
        const char* attendu86;  // where error 86 can come from, past the header row
    };
    const Cas cas[] = {
        {"CRE", "corps C5 (positions 79-80), r\xe8gle fVerifDiffNull", nullptr},
        {"ECQ", "corps C5 (positions 79-80), r\xe8gle fVerifDiffNull", nullptr},
        {"MOD", nullptr, "corps C6 (positions 81-82) interdit pour MOD (r\xe8gle fVerifDiffNull non appliqu\xe9" "e)"},
        {"DEM", nullptr, nullptr},
    };
    for (const Cas& c : cas) {
        const vse::explique::Explication x = vse::explique::expliquer(reponseFaite("NAIS", c.e5, "I0311I0861"), essai);
        ASSERT_TRUE(x.reponse) << x.texte;
        const std::string& t = x.texte;
        contient(t, {"identification : C1 C2 \xab 10FR1234567890 \xbb, C16 \xab FR \xbb, C17 \xab 1234567890 \xbb",
                     "I0311 : erreur 31", "I0861 : erreur 86", "en-t\xeate E6 (positions 22-25), r\xe8gle fVerifDepE6"},
                 c.e5);
        const std::size_t e31 = t.find("erreur 31"), e86 = t.find("erreur 86");
        const std::string pour31 = t.substr(e31, e86 - e31), pour86 = t.substr(e86);
        if (c.attendu31 != nullptr) {
            EXPECT_NE(pour31.find(c.attendu31), std::string::npos) << c.e5 << "\n" << t;
        } else {
            EXPECT_NE(pour31.find("aucun champ"), std::string::npos) << c.e5 << "\n" << t;
        }
        EXPECT_EQ(pour86.find("corps C6") != std::string::npos, c.attendu86 != nullptr) << c.e5 << "\n" << t;
        if (c.attendu86 != nullptr) {
            EXPECT_NE(pour86.find(c.attendu86), std::string::npos) << c.e5 << "\n" << t;
        }
    }
}

TEST(ExpliqueTables, CeQuiNEstPasUneReponse) {
    const vse::catalogue::Programme& p = vse::catalogue::programmes[0];
    const std::string bonne = reponseFaite("NAIS", "CRE", "I0311");
    const std::string tete = bonne.substr(0, 257);
    struct Cas {
        std::string contenu;
        const char* raison;
    };
    const Cas cas[] = {
        {"", "fichier vide"},
        {bonne.substr(0, 100) + bonne.substr(101), "a 255 caract\xe8res"},
        {tete, "aucun enregistrement ERRE"},
        {tete + tete, "l'enregistrement 2 n'est pas un ERRE"},
        {poser(bonne, 125, "0"), "le premier enregistrement n'est pas"},
        {tete + "\n" + bonne.substr(257), "l'enregistrement 2 a 0 caract\xe8res"},
    };
    for (const Cas& c : cas) {
        const vse::explique::Explication x = vse::explique::expliquer(c.contenu, p);
        EXPECT_FALSE(x.reponse) << c.raison;
        EXPECT_NE(x.texte.find(c.raison), std::string::npos) << x.texte;
    }
    EXPECT_TRUE(vse::explique::expliquer(bonne, p).reponse);
    // A code group that is not "I", three digits, "1" is shown as such.
    const vse::explique::Explication illisible = vse::explique::expliquer(reponseFaite("NAIS", "CRE", "I03X1"), p);
    EXPECT_NE(illisible.texte.find("I03X1 : code illisible"), std::string::npos) << illisible.texte;
}

}  // namespace
