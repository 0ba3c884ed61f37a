// The four programs run on files written in a scratch directory: command line,
// global stops and what they leave on disk, the line reader, both kinds of
// answer byte for byte, the file-level checks, the pairing of delvoran and the
// console reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "tests/avec_repertoire.hpp"

namespace {

using namespace vse::outils;
using vse::E3;
using vse::E4;
using vse::E5;
using vse::E6;
using vse::E8;
using vse::E9;
using vse::E11;
namespace fs = std::filesystem;
using P = Programme;

// ---------------------------------------------------------------- expected texts

const std::string USAGE =
    "\n Usage : delvoran [-i|-d|-v] <fichier a traiter> <fichier a emettre> <fichier log>\n \n"
    "         -i : resultats des traitements des VSE \n"
    "              vers la console sous forme informatique\n"
    "         -d : resultats des traitements des VSE\n"
    "              vers la console sous forme d\xe9" "cript\xe9" "e\n"
    "         -v : donne la version de delvoran\n ";

const std::string IG002 =
    "IG002: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier d'erreur";
const std::string IG003 =
    "IG003: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier temporaire \xe0 traiter";
const std::string IG004 =
    "IG004: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier \xe0 \xe9" "mettre";
const std::string IG008 = "IG008: Differents formats de VSE (DOS, UNIX, MAC)";
const std::string IG009 =
    "IG009: Donn\xe9" "es incorrectes ou absentes : impossible de renommer le fichier re\xe7u";
const std::string IG011 = "IG011: Donn\xe9" "es incorrectes ou absentes : VSE FICH n'existe pas";
const std::string IG014 = "IG014: Pas de VSE de base";
const std::string IG015 = "IG015: Pr\xe9sence de VSE de longueur nulle";
const std::string I073 = "I073 : Plus de 10000 enregistrements dans le fichier";
const std::string I099 = "I099 : Donn\xe9" "e absente : num\xe9ro du fichier \xe9mis";

std::string six(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%06d", n);
    return b;
}

// The FICH record of an accepted file: transaction "INF", the count in C6,
// C9 blank, everything else as received.
std::string ficheAcceptee(Vse f, int nbVSE) {
    f.avec(E5, "INF").corpsA(113, six(nbVSE)).corpsA(126, blancs(105));
    return f.ligne();
}

// An accepted VSE: the program's result code in 77-78.
std::string emis(const Vse& v, P p) { return poser(v.ligne(), 77, std::string(1, codeResultat(p)) + "0"); }

// The record of an error reply, time stamp masked.
std::string reponse(const Vse& f, int nbErr, int nbVSE, int acceptes) {
    const std::string l = f.ligne();
    Vse r = f;
    r.avec(E3, f.E[E4]).avec(E4, f.E[E3]).avec(E5, "INF");
    r.corps = l.substr(62, 16) + l.substr(62, 16) + six(nbErr) + six(nbVSE) + six(nbErr) + six(acceptes) +
              l.substr(118, 6) + "1";
    std::string sortie = r.ligne();
    return poser(sortie, 231, horodatageMasque());
}

// The ERRE record answering `v` (time stamp masked): a record is identified by
// its C1 and C2 and by the two fields its dispatch entry names (a birth its
// holding C16 and C17 at 137, EXP1 its C1 and C2 again), a FICH record by
// blanks.
std::string erre(const Vse& v, const std::string& fichE3, const std::vector<int>& codes) {
    const std::map<std::string, int> identifiants = {{"NAIS", 137}, {"EXP1", 63}};
    const auto it = identifiants.find(v.E[E6]);
    const bool connu = it != identifiants.end();
    const std::string id = connu ? v.corps.substr(0, 14) : blancs(14);
    const std::string c7c8 = connu ? v.corps.substr(static_cast<std::size_t>(it->second - 63), 14) : blancs(14);
    std::string r = v.E[0] + v.E[1] + v.E[E4] + v.E[E3] + "ERR" + "ERRE" + v.E[6] + "INTERFAC" + v.E[E9] + fichE3 +
                    v.E[E11] + v.E[11] + v.E[12] + v.E[E6] + v.E[E5] + id + blancs(14) + c7c8;
    for (int c : codes) {
        char b[16];
        std::snprintf(b, sizeof b, "I%03d1", c);
        r += b;
    }
    r.resize(230, ' ');
    return r + horodatageMasque();
}

// The error numbers of an ERRE record.
std::vector<int> codesDe(const std::string& erreRec) {
    std::vector<int> r;
    for (std::size_t i = 111; i + 5 <= 230 && erreRec[i] == 'I'; i += 5) {
        r.push_back(std::stoi(erreRec.substr(i + 1, 3)));
    }
    return r;
}

// A log holds one line: the date, the time and the message.
void verifierLog(const std::string& journal, const std::string& message) {
    static const std::regex date("Le [0-3][0-9]/[01][0-9]/[0-9]{4} a [0-2][0-9]:[0-5][0-9]:[0-6][0-9] : ");
    ASSERT_GE(journal.size(), 27u) << journal;
    EXPECT_TRUE(std::regex_match(journal.substr(0, 27), date)) << journal;
    EXPECT_EQ(journal.substr(27), message + "\n");
}

// ---------------------------------------------------------------- fixture

class MoteurE2E : public AvecRepertoire {
protected:
    const std::string nomEntree = "EXP_0042_in.txt";
    const std::string entree = rep / nomEntree;
    const std::string sortie = rep / "out.txt";
    const std::string journal = rep / "run.log";

    Execution lancer(P p, const std::string& contenu, std::vector<std::string> options = {}) {
        ecrire(entree, contenu);
        options.insert(options.end(), {entree, sortie, journal});
        return executer(p, options);
    }

    // A stop met while reading the lines: the input back as it was, no output,
    // no temporary file, one log line.
    void verifierArret(const Execution& e, const std::string& contenu, const std::string& message) {
        EXPECT_EQ(e.statut, 1);
        EXPECT_EQ(e.sortie, "");
        EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{nomEntree, "run.log"}));
        EXPECT_EQ(lire(entree), contenu);
        verifierLog(lire(journal), message);
    }

    // A run answered by an error reply: its ERRE records.
    std::vector<std::string> erreurs(const Execution& e) {
        EXPECT_EQ(e.statut, 2) << e.erreurs;
        std::vector<std::string> r = enregistrements(lire(sortie));
        for (const std::string& x : r) EXPECT_EQ(x.size(), 256u);
        if (!r.empty()) r.erase(r.begin());
        return r;
    }
};

// ---------------------------------------------------------------- command line

TEST(MoteurLigneDeCommande, VersionUsageEtOptionsIllegales) {
    for (P p : tousLesProgrammes) {
        SCOPED_TRACE(nom(p));
        const std::string version = p == P::principal ? "2.23.0 \n" : "2.25.0 \n";
        struct Cas {
            std::vector<std::string> args;
            std::string sortie;
            std::string erreurs;
        };
        const Cas cas[] = {
            {{"-v", "x", "y", "z"}, version, ""},
            {{"-iv"}, version, ""},
            {{}, USAGE, ""},
            {{"-i", "a", "b"}, USAGE, ""},
            {{"a", "b", "c", "d"}, USAGE, ""},
            {{"a", "-i", "b", "c"}, USAGE, ""},  // options end at the first word
            {{"-q", "a", "b", "c"}, USAGE, chemin(p) + ": illegal option -- q\n"},
            {{"-iqx", "a", "b", "c"},
             USAGE,
             chemin(p) + ": illegal option -- q\n" + chemin(p) + ": illegal option -- x\n"},
            {{"-D"}, USAGE, chemin(p) + ": option requires an argument -- D\n"},
        };
        for (const Cas& c : cas) {
            const Execution e = executer(p, c.args);
            EXPECT_EQ(e.statut, 3);
            EXPECT_EQ(e.sortie, c.sortie);
            EXPECT_EQ(e.erreurs, c.erreurs);
        }
    }
}

TEST_F(MoteurE2E, OptionsQuiLaissentTourner) {
    const std::string contenu = fichier({fich(P::principal, 1).ligne(), vseType(P::principal).ligne()});
    struct Cas {
        std::vector<std::string> options;
        bool detail;  // -d report on the console
    };
    const Cas cas[] = {
        {{"-D", "abc"}, false}, {{"-Dabc"}, false}, {{"--"}, false},     {{"-i", "-d"}, true},
        {{"-d", "-i"}, false},  {{"-id"}, true},    {{"-D", "x", "-d"}, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.options[0]);
        const Execution e = lancer(P::principal, contenu, c.options);
        EXPECT_EQ(e.statut, 0);
        EXPECT_EQ(e.sortie.rfind("VSE=|", 0) == 0, c.detail) << e.sortie;
        EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"out.txt", "run.log"}));
    }
}

// ---------------------------------------------------------------- global stops

TEST_F(MoteurE2E, ArretsEnLisantLesLignes) {
    const P p = P::principal;
    const std::string f1 = fich(p, 1).ligne();
    const std::string v = vseType(p).ligne();
    std::string blancC1 = f1;
    blancC1.replace(62, 16, blancs(16));
    struct Cas {
        const char* nom;
        std::string contenu;
        std::string message;
    };
    const Cas cas[] = {
        {"premiere ligne pas FICH", fichier({v, f1}), IG011},
        {"fichier vide", "", IG011},
        {"une ligne sans fin de ligne", f1, IG011},
        {"FICH seul", fichier({f1}), IG014},
        {"FICH et ligne inachevee", fichier({f1}) + v, IG014},
        {"FICH C1 blanc", fichier({blancC1, v}), I099},
        {"ligne vide", fichier({f1, "", v}), IG015},
        {"ligne vide DOS", fichier({f1, v}, "\r\n") + "\r\n", IG015},
        {"ligne vide MAC", f1 + "\r\r" + v + "\r", IG015},
        {"DOS puis UNIX", f1 + "\r\n" + v + "\n", IG008},
        {"UNIX puis DOS", f1 + "\n" + v + "\r\n", IG008},
        {"DOS puis MAC", f1 + "\r\n" + v + "\r", IG008},
        {"MAC puis UNIX", f1 + "\r" + v + "\n", IG008},
        {"UNIX puis MAC plus loin", f1 + "\n" + v + "\n" + v + "\r", IG008},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        verifierArret(lancer(p, c.contenu), c.contenu, c.message);
    }
}

TEST_F(MoteurE2E, PlusDeDixMilleVSE) {
    const P p = P::principal;
    const std::string v = vseType(p).ligne() + "\n";
    for (int nb : {10000, 10001}) {
        std::string contenu = fich(p, nb).ligne() + "\n";
        contenu.reserve(contenu.size() + static_cast<std::size_t>(nb) * v.size());
        for (int i = 0; i < nb; ++i) contenu += v;
        const Execution e = lancer(p, contenu);
        if (nb == 10000) {
            EXPECT_EQ(e.statut, 0);
        } else {
            verifierArret(e, contenu, I073);
        }
    }
}

// Stops while opening the files, per program (delvoranpf adds "_pf" to every
// temporary name): what stays on disk and under which name.
TEST_F(MoteurE2E, ArretsALOuverture) {
    for (P p : {P::principal, P::pf}) {
        SCOPED_TRACE(nom(p));
        const std::string sfx = p == P::pf ? "_pf" : "";
        const std::string contenu = fichier({fich(p, 1).ligne(), vseType(p).ligne()});
        const std::string tmpR = nomEntree + "_r" + sfx;
        const std::string tmpE = nomEntree + "_e" + sfx;
        const std::string tmpO = nomEntree + "_o" + sfx;
        struct Cas {
            const char* nom;
            std::function<void()> preparer;
            std::vector<std::string> args;
            std::string perror;  // start of the error stream
            std::string message; // empty: no log written
            std::vector<std::string> reste;
            std::string sousNom;  // where the input is found afterwards
        };
        const std::string absent = rep / "absent";
        const Cas cas[] = {
            {"log impossible", [] {}, {entree, sortie, absent + "/log"}, "Ouverture du fichier log: ", "",
             {nomEntree}, nomEntree},
            {"entree absente", [&] { fs::remove(entree); }, {entree, sortie, journal},
             "Ouverture du fichier \xe0 traiter: ", IG003, {"run.log"}, ""},
            {"renommage impossible", [&] { fs::create_directories(rep.chemin() / tmpR / "x"); },
             {entree, sortie, journal}, "rename: ", IG009, {nomEntree, tmpR, "run.log"}, nomEntree},
            {"sortie impossible", [] {}, {entree, absent + "/out", journal},
             "Ouverture du fichier r\xe9sultat: ", IG003, {tmpR, "run.log"}, tmpR},
            {"sortie temporaire impossible", [&] { fs::create_directory(rep.chemin() / tmpE); },
             {entree, sortie, journal}, "Ouverture du fichier r\xe9sultat temporaire: ", IG004,
             {tmpE, tmpR, "run.log"}, tmpR},
            {"fichier d'erreur impossible", [&] { fs::create_directory(rep.chemin() / tmpO); },
             {entree, sortie, journal}, "Ouverture du fichier des erreurs: ", IG002,
             {tmpO, tmpR, "run.log"}, tmpR},
        };
        for (const Cas& c : cas) {
            SCOPED_TRACE(c.nom);
            fs::remove_all(rep.chemin());
            fs::create_directory(rep.chemin());
            ecrire(entree, contenu);
            c.preparer();
            const Execution e = executer(p, c.args);
            EXPECT_EQ(e.statut, 1);
            EXPECT_EQ(e.erreurs.rfind(c.perror, 0), 0u) << e.erreurs;
            std::vector<std::string> attendu = c.reste;
            std::sort(attendu.begin(), attendu.end());
            EXPECT_EQ(contenuDe(rep.chemin()), attendu);
            if (!c.sousNom.empty()) {
                EXPECT_EQ(lire(rep / c.sousNom), contenu);
            }
            if (!c.message.empty()) verifierLog(lire(journal), c.message);
        }
    }
}

// A log or an output that names the input itself stops the run before
// anything is opened for writing.
TEST_F(MoteurE2E, JournalOuSortieSurLEntree) {
    const std::string contenu = fichier({fich(P::principal, 1).ligne(), vseType(P::principal).ligne()});
    const std::string autreNom = (rep.chemin() / "." / nomEntree).string();
    const std::vector<std::vector<std::string>> cas = {
        {entree, sortie, entree},
        {entree, entree, journal},
        {entree, autreNom, journal},
        {entree, sortie, autreNom},
    };
    for (const auto& args : cas) {
        SCOPED_TRACE(args[1] + " " + args[2]);
        ecrire(entree, contenu);
        const Execution e = executer(P::principal, args);
        EXPECT_EQ(e.statut, 1);
        EXPECT_NE(e.erreurs, "");
        EXPECT_EQ(contenuDe(rep.chemin()), std::vector<std::string>{nomEntree});
        EXPECT_EQ(lire(entree), contenu);
    }
}

// Paths without a directory: the temporaries go to the working directory.
TEST_F(MoteurE2E, CheminSansSeparateur) {
    const std::string contenu = fichier({fich(P::l, 1).ligne(), vseType(P::l).ligne()});
    ecrire(rep / "in.txt", contenu);
    Execution e = executer(P::l, {"in.txt", "absent/out", "run.log"}, rep.chemin());
    EXPECT_EQ(e.statut, 1);
    EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"in.txt_r", "run.log"}));
    EXPECT_EQ(lire(rep / "in.txt_r"), contenu);

    fs::rename(rep / "in.txt_r", rep / "in.txt");
    e = executer(P::l, {"in.txt", "out", "run.log"}, rep.chemin());
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"out", "run.log"}));
}

// A link to an unwritable file (/dev/full) planted at a temporary name is
// removed, never written through: the run makes its own file there and
// answers. (A kept file that cannot be written is tried through the file
// seam, Pannes.*: nothing goes under the output name, the input is given back.)
TEST_F(MoteurE2E, FichierGardeIllisible) {
    const P p = P::principal;
    Vse mauvais = vseType(p);
    mauvais.avec(E9, "AB CDEFG");
    const std::string bon = fichier({fich(p, 1).ligne(), vseType(p).ligne()});
    const std::string rejete = fichier({fich(p, 1).ligne(), mauvais.ligne()});
    struct Cas {
        const char* temporaire;
        std::string contenu;
        int statut;
    };
    const Cas cas[] = {
        {"_e", bon, 0},
        {"_o", rejete, 2},
        {"_o", bon, 0},
        {"_e", rejete, 2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.temporaire) + " " + std::to_string(c.statut));
        fs::remove_all(rep.chemin());
        fs::create_directory(rep.chemin());
        fs::create_symlink("/dev/full", rep.chemin() / (nomEntree + c.temporaire));
        const Execution e = lancer(p, c.contenu);
        EXPECT_EQ(e.statut, c.statut) << e.erreurs;
        EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"out.txt", "run.log"}));
        EXPECT_EQ(enregistrements(lire(sortie)).size(), 2u);
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
}

// An input that cannot be read (here a directory) is never taken for an
// empty or complete file: the run stops and the input is given back.
TEST_F(MoteurE2E, EntreeIllisible) {
    fs::create_directory(entree);
    const Execution e = executer(P::principal, {entree, sortie, journal});
    EXPECT_EQ(e.statut, 1);
    EXPECT_TRUE(fs::is_directory(entree));
    EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{nomEntree, "run.log"}));
    verifierLog(lire(journal), IG003);
}

// ---------------------------------------------------------------- line reader

TEST_F(MoteurE2E, LecteurDeLignes) {
    const P p = P::principal;
    const Vse f = fich(p, 1);
    const std::string v = vseType(p).ligne();
    struct Cas {
        const char* nom;
        std::string ligne;
        std::vector<int> codes;
    };
    const Cas cas[] = {
        {"257 caracteres", v + "X", {107}},
        {"300 caracteres", v + std::string(44, 'X'), {107}},
        {"255 caracteres", v.substr(0, 255), {108, 94}},
        {"tabulation", poser(v, 60, "\t"), {106}},
        {"lettre accentuee", poser(v, 60, "\xe9"), {106}},
        {"controle et trop long", poser(v, 60, "\x01") + "XY", {106, 107}},
        // Cut before its trailer: no creation date for the dates of the body either.
        {"controle et trop court", poser(v, 60, "\x7f").substr(0, 200), {106, 108, 52, 52, 90, 91, 94}},
        // A zero byte is one character of the line: the fields after it are cut in place.
        {"octet nul", poser(v, 60, std::string(1, '\0')), {106}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::vector<std::string> r = erreurs(lancer(p, fichier({f.ligne(), c.ligne})));
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(codesDe(r[0]), c.codes);
    }

    // A last line without line end and whatever follows a Ctrl-Z are not read.
    const std::string accepte = fichier({ficheAcceptee(f, 1), emis(vseType(p), p)});
    for (const std::string& contenu : {fichier({f.ligne(), v}) + v, fichier({f.ligne(), v}) + "\x1a" + v + "\n",
                                       fichier({f.ligne(), v}) + v.substr(0, 100) + "\x1a" + v.substr(100) + "\n"}) {
        EXPECT_EQ(lancer(p, contenu).statut, 0);
        EXPECT_EQ(lire(sortie), accepte);
    }
}

// ---------------------------------------------------------------- answers

TEST_F(MoteurE2E, FichierAccepteOctetParOctet) {
    for (P p : tousLesProgrammes) {
        for (const std::string fin : {"\r\n", "\n", "\r"}) {
            SCOPED_TRACE(std::string(nom(p)) + " fin " + std::to_string(fin.size()) + std::to_string(fin[0]));
            Vse f = fich(p, 2);
            f.corpsA(101, "111111222222999999333333").corpsA(126, "reste du FICH");
            const Vse v1 = vseType(p);
            Vse v2 = vseType(p);
            if (p == P::l || p == P::d) v2.corpsA(77, "  ");  // received blank, sent "10"
            ecrire(journal, "ancien contenu\n");
            const Execution e = lancer(p, fichier({f.ligne(), v1.ligne(), v2.ligne()}, fin));
            EXPECT_EQ(e.statut, 0) << e.erreurs;
            EXPECT_EQ(e.sortie + e.erreurs, "");
            EXPECT_EQ(lire(sortie), fichier({ficheAcceptee(f, 2), emis(v1, p), emis(v2, p)}, fin));
            EXPECT_EQ(lire(journal), "");
            EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"out.txt", "run.log"}));
        }
    }
}

// In delvoran a FICH record may come as "ECQ" (answered "INF"), and an ERRE
// record under "ECQ" is passed on with its result code untouched.
TEST_F(MoteurE2E, TransactionECQ) {
    const P p = P::principal;
    Vse f = fich(p, 2);
    f.avec(E5, "ECQ");
    Vse erreEcq = vseType(p, "ERRE", "ECQ");
    erreEcq.corpsA(77, "xy");
    const Vse nais = vseType(p, "NAIS", "ECQ");
    EXPECT_EQ(lancer(p, fichier({f.ligne(), erreEcq.ligne(), nais.ligne()})).statut, 0);
    EXPECT_EQ(lire(sortie), fichier({ficheAcceptee(f, 2), erreEcq.ligne(), emis(nais, p)}));
}

TEST_F(MoteurE2E, ReponseDErreurOctetParOctet) {
    const std::pair<P, std::string> cas[] = {
        {P::principal, "\r\n"}, {P::pf, "\n"}, {P::l, "\r"}, {P::d, "\r\n"}};
    for (const auto& [p, fin] : cas) {
        SCOPED_TRACE(nom(p));
        const Vse f = fich(p, 3);
        Vse mauvais = vseType(p);
        mauvais.avec(E9, "AB CDEFG");
        const std::string bon = vseType(p).ligne();
        const Execution e = lancer(p, fichier({f.ligne(), bon, mauvais.ligne(), bon}, fin));
        EXPECT_EQ(e.statut, 2);
        EXPECT_EQ(masquerHorodatages(lire(sortie)), fichier({reponse(f, 1, 3, 2), erre(mauvais, f.E[E3], {89})}, fin));
        EXPECT_EQ(lire(journal), "");
        EXPECT_EQ(contenuDe(rep.chemin()), (std::vector<std::string>{"out.txt", "run.log"}));
    }
}

// Errors of the file itself (the FICH header, the record count) are answered
// by a last ERRE record about the FICH record.
// A FICH record that ends before its file number is a record too short, not
// a record without file number.
TEST_F(MoteurE2E, FichCourt) {
    const P p = P::principal;
    const Vse f = fich(p, 1);
    const std::string court = f.ligne().substr(0, 62);
    EXPECT_EQ(lancer(p, fichier({court, vseType(p).ligne()})).statut, 2);
    const std::vector<std::string> r = enregistrements(lire(sortie));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(codesDe(r[1]), (std::vector<int>{108, 100}));
}

TEST_F(MoteurE2E, ErreursDuFichier) {
    const P p = P::principal;
    Vse mauvais = vseType(p);
    mauvais.avec(E9, "AB CDEFG");
    const Vse bon = vseType(p);
    struct Attendu {
        const char* nom;
        int annonce;
        std::string recepteur;
        std::vector<Vse> lignes;
        int nbErr, acceptes;
        std::vector<std::vector<int>> codes;  // ERRE records: rejected VSEs, then the FICH record
    };
    const Attendu cas[] = {
        {"compte faux", 5, "031BDN  ", {bon, bon}, 1, 2, {{100}}},
        {"compte faux et un rejet", 5, "031BDN  ", {bon, mauvais, bon}, 2, 2, {{89}, {100}}},
        {"entete FICH fausse", 2, "999BDN  ", {bon, bon}, 1, 2, {{96}}},
        {"entete FICH et compte faux", 3, "999BDN  ", {bon, bon}, 1, 2, {{96, 100}}},
    };
    for (const Attendu& c : cas) {
        SCOPED_TRACE(c.nom);
        Vse f = fich(p, c.annonce);
        f.avec(E4, c.recepteur);
        std::vector<std::string> lignes{f.ligne()};
        for (const Vse& v : c.lignes) lignes.push_back(v.ligne());
        EXPECT_EQ(lancer(p, fichier(lignes)).statut, 2);
        std::vector<std::string> attendu{reponse(f, c.nbErr, static_cast<int>(c.lignes.size()), c.acceptes)};
        for (std::size_t i = 0; i + 1 < c.codes.size(); ++i) attendu.push_back(erre(mauvais, f.E[E3], c.codes[i]));
        attendu.push_back(erre(f, f.E[E3], c.codes.back()));
        EXPECT_EQ(masquerHorodatages(lire(sortie)), fichier(attendu));
    }
}

// The count the FICH record announces (C3, positions 95-100) is read as a
// decimal integer: blanks before it and a sign are read, the digits stop at
// the first other character, and text without digits reads as 0.
TEST_F(MoteurE2E, CompteAnnonceLuCommeUnEntierDecimal) {
    const struct {
        const char* c3;
        int suivants;
        bool erreur100;
    } cas[] = {
        {"     1", 1, false}, {" 00001", 1, false}, {"+00002", 2, false},
        {"-00001", 1, true},  {"00001 ", 1, false}, {"ABCDEF", 1, true},
    };
    for (P p : tousLesProgrammes) {
        for (const auto& c : cas) {
            SCOPED_TRACE(std::string(nom(p)) + " C3 '" + c.c3 + "'");
            Vse f = fich(p, c.suivants);
            f.corpsA(95, c.c3);
            std::vector<std::string> lignes{f.ligne()};
            for (int i = 0; i < c.suivants; ++i) lignes.push_back(vseType(p).ligne());
            const Execution e = lancer(p, fichier(lignes));
            if (!c.erreur100) {
                EXPECT_EQ(e.statut, 0) << e.erreurs;
                continue;
            }
            const std::vector<std::string> r = erreurs(e);
            ASSERT_EQ(r.size(), 1u);
            EXPECT_EQ(codesDe(r[0]), (std::vector<int>{100}));
        }
    }
}

// ---------------------------------------------------------------- file-level checks

// The record for another centre E8: an IPG centre gets the holdings and
// animals of its own département.
Vse avecCentre(Vse v, const std::string& e8) {
    v.avec(E8, e8);
    if (e8.size() == 8 && e8.substr(3, 3) == "IPG") {
        for (std::size_t i = v.corps.find("0123456"); i != std::string::npos; i = v.corps.find("0123456", i + 1))
            v.corps.replace(i, 2, e8.substr(1, 2));
    }
    return v;
}

TEST_F(MoteurE2E, ControlesParRapportAuFichier) {
    struct Cas {
        P p;
        const char* emetteur;  // FICH E3 (nullptr: the program's default)
        const char* recepteur; // FICH E4
        const char* type;
        const char* e5;
        const char* e8;  // E8 of the VSE
        std::vector<int> codes;
    };
    const Cas cas[] = {
        // The file's sender against the centre of each VSE (delvoran only).
        {P::principal, nullptr,    nullptr,    "NAIS", "CRE", "003IPG  ", {135}},
        {P::principal, "013ARS  ", nullptr,    "NAIS", "CRE", "004IPG  ", {}},
        {P::principal, "NORM01  ", nullptr,    "NAIS", "CRE", "003IPG  ", {}},
        {P::pf,        nullptr,    nullptr,    "NAIS", "CRE", "02345678", {}},
        // Information requests.
        {P::principal, nullptr,    nullptr,    "INFO", "DEM", nullptr,    {110}},
        {P::principal, nullptr,    nullptr,    "INFO", "DEM", "003IPG  ", {135, 110}},
        {P::principal, "NORM02  ", nullptr,    "INFO", "DEM", nullptr,    {}},
        {P::principal, "PFOC01  ", nullptr,    "INFO", "DEM", nullptr,    {}},
        {P::pf,        "NORM02  ", nullptr,    "INFO", "DEM", nullptr,    {85}},
        {P::pf,        nullptr,    nullptr,    "INFO", "DEM", nullptr,    {110, 85}},
        {P::pf,        "NORM02  ", "031BDN  ", "INFO", "DEM", nullptr,    {}},
        // Slaughter records.
        {P::principal, nullptr,    nullptr,    "ABAT", "CRE", nullptr,    {110}},
        {P::principal, "NORM01  ", nullptr,    "ABAT", "CRE", "NORMABEV", {}},
        {P::principal, "NORM01  ", nullptr,    "ABAT", "CRE", nullptr,    {129}},
        {P::principal, "OFFICE42", nullptr,    "ABAT", "CRE", "OFFICE42", {}},
        {P::principal, "ONICAB01", nullptr,    "ABAT", "MOD", "ONICAB01", {}},
        {P::pf,        nullptr,    nullptr,    "ABAT", "CRE", "OFFICE01", {}},
        {P::pf,        "NORM02  ", nullptr,    "ABAT", "CRE", nullptr,    {110}},
        {P::pf,        "NORM01  ", nullptr,    "ABAT", "CRE", nullptr,    {129}},
        // A second FICH record, also as the last record; a type no entry names.
        {P::principal, nullptr,    nullptr,    "FICH", "INF", nullptr,    {109}},
        {P::pf,        nullptr,    nullptr,    "FICH", "INF", nullptr,    {109}},
        {P::l,         nullptr,    nullptr,    "FICH", "INF", nullptr,    {109}},
        {P::d,         nullptr,    nullptr,    "FICH", "INF", nullptr,    {109}},
        {P::principal, nullptr,    nullptr,    "XXXX", "CRE", nullptr,    {85, 86}},
        // What partner files sent to the national base may carry (their
        // centre NORMABEV holds no département: its holdings fail 50).
        {P::principal, "NORMABEV", nullptr,    "NAIS", "CRE", "NORMABEV", {50, 50, 182}},
        {P::principal, "NORMABEV", nullptr,    "ENTR", "CRE", "NORMABEV", {50, 182}},
        {P::principal, "NORMABEV", nullptr,    "JALO", "CRE", "NORMABEV", {50}},
        {P::principal, "NORMABEV", nullptr,    "INFO", "DEM", "NORMABEV", {110}},
        {P::principal, "NORMABEV", nullptr,    "ABAT", "CRE", "NORMABEV", {110}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(nom(c.p)) + " " + (c.emetteur ? c.emetteur : "-") + " " + c.type + " " + c.e5);
        Vse f = fich(c.p, 1);
        if (c.emetteur) f.avec(E3, c.emetteur);
        if (c.recepteur) f.avec(E4, c.recepteur);
        Vse v = vseType(c.p, c.type, c.e5);
        if (c.e8) v = avecCentre(v, c.e8);
        const Execution e = lancer(c.p, fichier({f.ligne(), v.ligne()}));
        if (c.codes.empty()) {
            EXPECT_EQ(e.statut, 0) << masquerHorodatages(lire(sortie));
            continue;
        }
        const std::vector<std::string> r = erreurs(e);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(codesDe(r[0]), c.codes);
    }
}

// Ten numbers at most per record, in the order found: file-level check, line
// flags, header, body (an unknown transaction type: 86 on every rule row).
TEST_F(MoteurE2E, DixErreursAuPlus) {
    const P p = P::principal;
    const Vse f = fich(p, 1);
    Vse v = vseType(p);
    v.avec(E5, "XYZ").avec(E8, "ZZZZZZZZ").avec(E9, "A B").avec(vse::E10, "BDN0").avec(E11, "\tonze");
    v.avec(vse::F1, "32132024").avec(vse::F2, "250000").avec(vse::F5, "+");
    const std::vector<std::string> r = erreurs(lancer(p, fichier({f.ligne(), v.ligne() + "trop"})));
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(codesDe(r[0]), (std::vector<int>{135, 106, 107, 84, 86, 87, 89, 88, 86, 86}));
}

// A line is answered in a file as it would be alone: what the frame decided
// for an earlier line with the same header or trailer is reused only where it
// is the same answer, whatever the line's flags and its count of errors.
TEST_F(MoteurE2E, CadreRepeteCommeSeul) {
    for (P p : tousLesProgrammes) {
        SCOPED_TRACE(nom(p));
        auto avec = [p](const char* type, std::initializer_list<std::pair<vse::numEnteteVSE, const char*>> e,
                        std::initializer_list<std::pair<vse::numFinVSE, const char*>> f = {}) {
            Vse v = vseType(p, type);
            for (const auto& [champ, valeur] : e) v.avec(champ, valeur);
            for (const auto& [champ, valeur] : f) v.avec(champ, valeur);
            return v.ligne();
        };
        const std::string nais = avec("NAIS", {});
        const std::string naisE9 = avec("NAIS", {{E9, "AB CDEFG"}});
        const std::string plein = avec("NAIS", {{E5, "XYZ"}, {E8, "ZZZZZZZZ"}, {E9, "A B"}, {vse::E10, "BDN0"}},
                                       {{vse::F1, "32132024"}, {vse::F2, "250000"}, {vse::F5, "+"}});
        const std::string entrF = avec("ENTR", {}, {{vse::F1, "32132024"}, {vse::F5, "+"}});
        const std::string sortF = avec("SORT", {}, {{vse::F1, "32132024"}, {vse::F5, "+"}});
        std::string pleinTab = plein;
        pleinTab[0] = '\t';
        const std::string lignes[] = {
            nais, naisE9, naisE9 + "xx", naisE9.substr(0, 240), nais, naisE9, plein, pleinTab,
            plein + "trop", plein, entrF, sortF, entrF.substr(0, 250), sortF + "x", entrF, nais};
        std::vector<std::string> attendus;
        for (const std::string& l : lignes) {
            const Execution e = lancer(p, fichier({fich(p, 1).ligne(), l}));
            if (e.statut == 0) continue;
            const std::vector<std::string> r = erreurs(e);
            ASSERT_EQ(r.size(), 1u) << l;
            attendus.push_back(r[0].substr(111, 50));
        }
        std::vector<std::string> tout{fich(p, static_cast<int>(std::size(lignes))).ligne()};
        tout.insert(tout.end(), std::begin(lignes), std::end(lignes));
        std::vector<std::string> obtenus;
        for (const std::string& r : erreurs(lancer(p, fichier(tout)))) obtenus.push_back(r.substr(111, 50));
        EXPECT_EQ(obtenus, attendus);
    }
}

// ---------------------------------------------------------------- pairing (delvoran)

TEST_F(MoteurE2E, AppariementExp1Exp2EtEgetRata) {
    const P p = P::principal;
    struct Ligne {
        const char* type;
        const char* e5;
        bool mauvais;
    };
    struct Cas {
        std::vector<Ligne> lignes;
        std::vector<std::pair<std::string, std::vector<int>>> erre;  // (type, codes) in order
    };
    const Cas cas[] = {
        {{{"EXP1", "CRE", false}, {"EXP2", "CRE", false}}, {}},
        {{{"EGET", "CRE", false}, {"RATA", "CRE", false}}, {}},
        {{{"EXP1", "CRE", false}, {"NAIS", "CRE", false}}, {{"EXP1", {105}}}},
        {{{"EGET", "CRE", false}, {"NAIS", "CRE", false}}, {{"EGET", {138}}}},
        {{{"EGET", "CRE", false}, {"EXP2", "CRE", false}}, {{"EGET", {138}}}},
        {{{"EXP1", "CRE", false}, {"EXP2", "MOD", false}}, {{"EXP1", {105}}}},
        {{{"NAIS", "CRE", false}, {"EXP1", "CRE", false}}, {{"EXP1", {105}}}},
        {{{"EXP1", "CRE", true}, {"NAIS", "CRE", false}}, {{"EXP1", {89}}}},
        {{{"EXP1", "MOD", false}, {"NAIS", "CRE", false}}, {}},
        {{{"EXP1", "CRE", false}, {"NAIS", "CRE", true}}, {{"NAIS", {89}}, {"EXP1", {105}}}},
        {{{"EXP1", "CRE", false}, {"EXP1", "CRE", false}, {"EXP2", "CRE", false}}, {{"EXP1", {105}}}},
    };
    for (const Cas& c : cas) {
        std::vector<std::string> lignes{fich(p, static_cast<int>(c.lignes.size())).ligne()};
        std::string trace;
        for (const Ligne& l : c.lignes) {
            Vse v = vseType(p, l.type, l.e5);
            if (l.mauvais) v.avec(E9, "AB CDEFG");
            lignes.push_back(v.ligne());
            trace += std::string(l.type) + l.e5 + (l.mauvais ? "! " : " ");
        }
        SCOPED_TRACE(trace);
        const Execution e = lancer(p, fichier(lignes));
        if (c.erre.empty()) {
            EXPECT_EQ(e.statut, 0);
            continue;
        }
        const std::vector<std::string> r = erreurs(e);
        ASSERT_EQ(r.size(), c.erre.size()) << masquerHorodatages(lire(sortie));
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(r[i].substr(62, 4), c.erre[i].first);
            EXPECT_EQ(codesDe(r[i]), c.erre[i].second);
        }
        // The reply counts each released pairing error as one more error record.
        const std::string premiere = enregistrements(lire(sortie))[0];
        const int n = static_cast<int>(c.lignes.size());
        const int nbErr = static_cast<int>(c.erre.size());
        EXPECT_EQ(premiere.substr(94, 24), six(nbErr) + six(n) + six(nbErr) + six(n - nbErr));
    }

    // The prepared answer byte for byte.
    const Vse f = fich(p, 2);
    const Vse exp1 = vseType(p, "EXP1", "CRE");
    lancer(p, fichier({f.ligne(), exp1.ligne(), vseType(p).ligne()}));
    EXPECT_EQ(masquerHorodatages(lire(sortie)), fichier({reponse(f, 1, 2, 1), erre(exp1, f.E[E3], {105})}));
}

// ---------------------------------------------------------------- console reports

TEST_F(MoteurE2E, RapportInformatique) {
    const P p = P::principal;
    Vse mauvais = vseType(p);
    mauvais.avec(E9, "AB CDEFG");
    Vse fichFausse = fich(p, 2);
    fichFausse.avec(E4, "999BDN  ");
    const std::string v = vseType(p).ligne();
    struct Cas {
        std::vector<std::string> lignes;
        std::string attendu;
    };
    const Cas cas[] = {
        {{fich(p, 2).ligne(), mauvais.ligne(), mauvais.ligne()}, "E9.89;E9.89;"},
        {{fichFausse.ligne(), v, v}, "E4.96;"},
        {{fich(p, 2).ligne(), v + "X", poser(v, 60, "\t").substr(0, 255)},
         "VSE trop long \nVSE  cars non autoris\xe9s \nVSE trop court \nF5.94;"},
        // Every rule row of ACTI forbids DEM: 86 on each, ten at most per line.
        {{fich(p, 2).ligne(), vseType(p, "ACTI", "DEM").ligne(), vseType(p, "ACTI", "XYZ").ligne()},
         "E6.86;C1.86;C2.86;C2.86;C2.86;C4.86;C5.86;C5.86;C6.86;C6.86;"
         "E5.84;E6.86;C1.86;C2.86;C2.86;C2.86;C4.86;C5.86;C5.86;C6.86;"},
        {{fich(p, 2).ligne(), v, v}, ""},
    };
    for (const Cas& c : cas) {
        const Execution e = lancer(p, fichier(c.lignes), {"-i"});
        EXPECT_EQ(e.sortie, c.attendu);
    }
}

// The -d report of a FICH record and one VSE (an information request), whole.
TEST_F(MoteurE2E, RapportDetaille) {
    const P p = P::principal;
    const Vse f = fich(p, 1);
    Vse v = vseType(p, "INFO", "DEM");
    v.avec(E9, "AB CDEFG");
    auto entete = [](const Vse& x) {
        const auto& e = x.E;
        auto q = [](const std::string& s) { return "'" + s + "'\n"; };
        std::string r = "champ: 1  champ: 2  champ: 3  " + q(e[2]) + "champ: 4  " + q(e[3]) + "champ: 5  " +
                        q(e[4]) + "champ: 6  " + q(e[5]) + "champ: 6  " + q(e[5]) + "champ: 7  champ: 8  " +
                        q(e[7]) + "champ: 9  " + q(e[8]);
        if (e[5] != "FICH" && e[8].find(' ') != std::string::npos) r += "! erreurChamp sur [" + e[8] + "]\n";
        return r + "champ: 10  " + q(e[9]) + "champ: 11  champ: 12  " + q(e[11]) + "champ: 13  " + q(e[12]);
    };
    const std::string numero = "champ: 2  '0123456789  '\n";  // four rules on the animal number
    std::string corpsFich;
    for (int i = 1; i <= 9; ++i) corpsFich += "champ: " + std::to_string(i) + "  ";
    const std::string attendu =
        "VSE=|" + f.ligne() + "|\n\n\n" + entete(f) + "\n" + corpsFich + corpsFich +  //
        "VSE=|" + v.ligne() + "|\n\n\n" + entete(v) + "\n" + "champ: 1  'FR'\n" + numero + numero + numero + numero +
        "champ: 3  champ: 4  champ: 1  '15062024'\nchamp: 2  '120000'\nchamp: 2  champ: 3  '025'\nchamp: 4  champ: 5  '*'\n";
    const Execution e = lancer(p, fichier({f.ligne(), v.ligne()}), {"-d"});
    EXPECT_EQ(e.statut, 2);
    EXPECT_EQ(e.sortie, attendu);
}

}  // namespace
