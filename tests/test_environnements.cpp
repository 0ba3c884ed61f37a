// The built programs in odd surroundings: inputs that are no regular file,
// paths with blanks and Latin-1 bytes, relative paths, symbolic links, names
// of a run that designate one file, an earlier input still under its
// temporary name, a read-only output directory; and 32 runs at once sharing
// their directories.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "engine/moteur.hpp"
#include "packs/l/pack.hpp"
#include "tests/avec_repertoire.hpp"
#include "tests/pannes.hpp"

namespace {

using namespace vse::outils;
namespace fs = std::filesystem;
using P = Programme;

const std::string IG003 =
    "IG003: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier temporaire \xe0 traiter";
const std::string IG009 =
    "IG009: Donn\xe9" "es incorrectes ou absentes : impossible de renommer le fichier re\xe7u";
const std::string IG011 = "IG011: Donn\xe9" "es incorrectes ou absentes : VSE FICH n'existe pas";
const std::string IG014 = "IG014: Pas de VSE de base";

// The log's one line, date and time masked.
std::string ligneDuLog(const std::string& journal) {
    static const std::regex date("^Le [0-9]{2}/[0-9]{2}/[0-9]{4} a [0-9]{2}:[0-9]{2}:[0-9]{2} : ");
    return std::regex_replace(journal, date, "Le JJ/MM/AAAA a HH:MM:SS : ");
}
std::string logAttendu(const std::string& message) { return "Le JJ/MM/AAAA a HH:MM:SS : " + message + "\n"; }

// Every entry under a directory, as paths relative to it, sorted; symbolic
// links are listed, not followed.
std::vector<std::string> arbre(const fs::path& rep) {
    std::vector<std::string> r;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(rep)) {
        if (!e.is_directory() || e.is_symlink()) r.push_back(e.path().lexically_relative(rep).string());
    }
    std::sort(r.begin(), r.end());
    return r;
}


// A run under a time limit: no input may make a program wait.
Execution sousDelai(P p, const std::vector<std::string>& arguments, const fs::path& repertoire = {}) {
    std::vector<std::string> args{"20", chemin(p)};
    args.insert(args.end(), arguments.begin(), arguments.end());
    return executer("/usr/bin/timeout", args, repertoire);
}

class Environnements : public AvecRepertoire {
protected:
    void vider() {
        for (const fs::directory_entry& e : fs::directory_iterator(rep.chemin())) fs::remove_all(e.path());
    }
    // The answer the program gives to a file in plain surroundings.
    std::string reference(P p, const std::string& octets) {
        RepertoireTemporaire r;
        ecrire(r / "in.vse", octets);
        executer(p, {r / "in.vse", r / "out.vse", r / "run.log"});
        return masquerHorodatages(lire(r.chemin() / "out.vse"));
    }
};

// ---------------------------------------------------------------- inputs

TEST_F(Environnements, EntreesQuiNeSontPasDesFichiers) {
    struct Cas {
        const char* nom;
        std::function<void(const std::string&)> creer;
        std::string message;
    };
    const Cas cas[] = {
        {"que des Ctrl-Z", [](const std::string& e) { ecrire(e, std::string(40, '\x1a')); }, IG011},
        {"repertoire", [](const std::string& e) { fs::create_directory(e); }, IG003},
        {"FIFO", [](const std::string& e) { ASSERT_EQ(::mkfifo(e.c_str(), 0600), 0); }, IG003},
        {"lien vers un repertoire", [this](const std::string& e) {
             fs::create_directory(rep.chemin() / "d");
             fs::create_symlink(rep.chemin() / "d", e);
         }, IG003},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        vider();
        const std::string entree = rep / "in.vse";
        c.creer(entree);
        const fs::file_status avant = fs::symlink_status(entree);
        const std::vector<std::string> tout = arbre(rep.chemin());
        const Execution e = sousDelai(P::principal, {entree, rep / "out.vse", rep / "run.log"});
        EXPECT_EQ(e.statut, 1) << e.erreurs;
        EXPECT_EQ(fs::symlink_status(entree).type(), avant.type());
        std::vector<std::string> apres = tout;
        apres.push_back("run.log");
        std::sort(apres.begin(), apres.end());
        EXPECT_EQ(arbre(rep.chemin()), apres);
        EXPECT_EQ(ligneDuLog(lire(rep / "run.log")), logAttendu(c.message));
    }
}

// Where the three names are, relative to the scratch directory in which the
// program runs: paths with blanks and Latin-1 bytes, names without any
// directory, input and output together or apart, an output that exists.
TEST_F(Environnements, CheminsDesFichiers) {
    struct Cas {
        const char* nom;
        std::string entree, sortie, journal;
        bool sortieExiste;
    };
    const Cas cas[] = {
        {"blancs et Latin-1", "dossier \xe9t\xe9/EXP_0042 \xe0 traiter.vse", "r\xe9ponses/r\xe9ponse 1.vse",
         "journal \xe9.log", false},
        {"sans repertoire", "in.vse", "out.vse", "run.log", false},
        {"meme repertoire", "a/in.vse", "a/out.vse", "a/run.log", false},
        {"repertoires distincts", "entrees/in.vse", "sorties/out.vse", "journaux/run.log", false},
        {"chemins absolus", "", "", "", false},
        {"sortie existante", "in.vse", "out.vse", "run.log", true},
    };
    for (P p : {P::principal, P::pf}) {
        for (const Contenu& contenu : contenus(p)) {
            const std::string attendu = contenu.statut == 1 ? "" : reference(p, contenu.octets);
            for (Cas c : cas) {
                SCOPED_TRACE(std::string(nom(p)) + " " + contenu.nom + " " + c.nom);
                vider();
                if (c.entree.empty()) {
                    c.entree = rep / "in.vse";
                    c.sortie = rep / "out.vse";
                    c.journal = rep / "run.log";
                }
                for (const std::string& n : {c.entree, c.sortie, c.journal}) {
                    fs::create_directories((rep.chemin() / n).parent_path());
                }
                ecrire(rep.chemin() / c.entree, contenu.octets);
                if (c.sortieExiste) ecrire(rep.chemin() / c.sortie, "ancienne reponse\n");
                const std::vector<std::string> avant = arbre(rep.chemin());

                const Execution e = sousDelai(p, {c.entree, c.sortie, c.journal}, rep.chemin());
                EXPECT_EQ(e.statut, contenu.statut) << e.erreurs;
                EXPECT_EQ(e.sortie + e.erreurs, "");
                const auto relatif = [&](const std::string& n) {
                    return fs::relative(rep.chemin() / n, rep.chemin()).string();
                };
                std::vector<std::string> apres = avant;
                std::erase(apres, relatif(c.sortie));
                if (contenu.statut == 1) {
                    EXPECT_EQ(lire(rep.chemin() / c.entree), contenu.octets);
                    EXPECT_EQ(ligneDuLog(lire(rep.chemin() / c.journal)), logAttendu(IG014));
                } else {
                    EXPECT_EQ(masquerHorodatages(lire(rep.chemin() / c.sortie)), attendu);
                    EXPECT_EQ(lire(rep.chemin() / c.journal), "");
                    std::erase(apres, relatif(c.entree));
                    apres.push_back(relatif(c.sortie));
                }
                apres.push_back(relatif(c.journal));
                std::sort(apres.begin(), apres.end());
                EXPECT_EQ(arbre(rep.chemin()), apres);
            }
        }
    }
}

// A symbolic link given as the input is what is moved aside and consumed: the
// file it points to is never touched. A link given as the output name is
// answered through: the file it points to receives the answer (or is
// removed on a stop, as an output name is), and the link stays.
TEST_F(Environnements, LiensSymboliques) {
    const P p = P::l;
    for (const Contenu& contenu : contenus(p)) {
        SCOPED_TRACE(contenu.nom);
        const std::string attendu = contenu.statut == 1 ? "" : reference(p, contenu.octets);

        vider();
        fs::create_directory(rep.chemin() / "cibles");
        ecrire(rep.chemin() / "cibles/fichier.vse", contenu.octets);
        fs::create_symlink("cibles/fichier.vse", rep.chemin() / "in.vse");
        Execution e = sousDelai(p, {"in.vse", "out.vse", "run.log"}, rep.chemin());
        EXPECT_EQ(e.statut, contenu.statut) << e.erreurs;
        EXPECT_EQ(lire(rep.chemin() / "cibles/fichier.vse"), contenu.octets);
        EXPECT_EQ(fs::is_symlink(rep.chemin() / "in.vse"), contenu.statut == 1);
        if (contenu.statut != 1) {
            EXPECT_EQ(masquerHorodatages(lire(rep.chemin() / "out.vse")), attendu);
        }

        vider();
        fs::create_directory(rep.chemin() / "archive");
        ecrire(rep.chemin() / "archive/reponse.vse", "ancienne reponse\n");
        fs::create_symlink("archive/reponse.vse", rep.chemin() / "out.vse");
        ecrire(rep.chemin() / "in.vse", contenu.octets);
        e = sousDelai(p, {"in.vse", "out.vse", "run.log"}, rep.chemin());
        EXPECT_EQ(e.statut, contenu.statut) << e.erreurs;
        EXPECT_TRUE(fs::is_symlink(rep.chemin() / "out.vse"));
        if (contenu.statut == 1) {
            EXPECT_EQ(arbre(rep.chemin()), (std::vector<std::string>{"in.vse", "out.vse", "run.log"}));
            EXPECT_EQ(lire(rep.chemin() / "in.vse"), contenu.octets);
        } else {
            EXPECT_EQ(masquerHorodatages(lire(rep.chemin() / "archive/reponse.vse")), attendu);
            EXPECT_EQ(arbre(rep.chemin()), (std::vector<std::string>{"archive/reponse.vse", "out.vse", "run.log"}));
        }
    }
}

// Names of one run that designate one file are refused before anything is
// opened: the output or the log given as one of the temporary names would
// empty the input, remove the answer once written, or lose the log's line.
TEST_F(Environnements, NomsQuiDesignentUnMemeFichier) {
    struct Cas {
        P p;
        std::string sortie, journal;
    };
    const Cas cas[] = {
        {P::principal, "out.vse", "out.vse"},
        {P::principal, "out.vse", "./x/../out.vse"},
        {P::principal, "in.vse_r", "run.log"},
        {P::principal, "in.vse_e", "run.log"},
        {P::principal, "in.vse_o", "run.log"},
        {P::principal, "out.vse", "in.vse_r"},
        {P::principal, "out.vse", "in.vse_o"},
        {P::pf, "in.vse_o_pf", "run.log"},
        {P::pf, "out.vse", "in.vse_r_pf"},
        {P::principal, "lien", "run.log"},  // a link to the input
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.sortie + " " + c.journal);
        for (const Contenu& contenu : contenus(c.p)) {
            vider();
            fs::create_directory(rep.chemin() / "x");
            ecrire(rep.chemin() / "in.vse", contenu.octets);
            fs::create_symlink("in.vse", rep.chemin() / "lien");
            const std::vector<std::string> avant = arbre(rep.chemin());
            const Execution e = sousDelai(c.p, {"in.vse", c.sortie, c.journal}, rep.chemin());
            EXPECT_EQ(e.statut, 1);
            EXPECT_NE(e.erreurs.find("doivent \xea" "tre distincts"), std::string::npos) << e.erreurs;
            EXPECT_EQ(arbre(rep.chemin()), avant);
            EXPECT_EQ(lire(rep.chemin() / "in.vse"), contenu.octets);
        }
    }
}

// An input under the temporary name belongs to another run. Locked, a live
// run holds it: the new run stops with IG009 and touches nothing. Unlocked, the
// run that held it died (or stopped there): the new run stops with IG017 and
// names the one command that gives it back, which then lets a run answer. An
// input locked by a live run that has not moved it yet is not taken either.
TEST_F(Environnements, EntreePrecedenteSousLeNomTemporaire) {
    const std::string IG017 =
        "IG017: Fichier re\xe7u laiss\xe9 sous son nom temporaire par un traitement interrompu";
    struct Cas {
        const char* nom;
        bool entreePresente;
        bool temporairePresent;
        const char* verrouille;  // the name a live run holds locked, or null
        std::string message;
        std::string dit;  // said on the error stream
    };
    const Cas cas[] = {
        {"abandonnee, entree presente", true, true, nullptr, IG017, "d\xe9placez-le d'abord"},
        {"abandonnee, entree absente", false, true, nullptr, IG017, "pour le rendre : mv -- "},
        {"tenue par une execution", true, true, "tmp", IG009, "en cours de traitement"},
        {"tenue, entree absente", false, true, "tmp", IG009, "en cours de traitement"},
        {"entree tenue avant d'etre deplacee", true, false, "in.vse", IG009, "en cours de traitement"},
    };
    for (P p : {P::principal, P::pf}) {
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(nom(p)) + " " + c.nom);
            vider();
            const std::string tmp = std::string("in.vse_r") + (p == P::pf ? "_pf" : "");
            const std::string ancienne = contenus(p)[1].octets;
            const std::string nouvelle = contenus(p)[0].octets;
            if (c.temporairePresent) ecrire(rep.chemin() / tmp, ancienne);
            if (c.entreePresente) ecrire(rep.chemin() / "in.vse", nouvelle);
            int verrou = -1;
            if (c.verrouille != nullptr) {
                const std::string v = std::string(c.verrouille) == "tmp" ? tmp : c.verrouille;
                verrou = ::open((rep / v).c_str(), O_RDONLY | O_CLOEXEC);
                ASSERT_EQ(::flock(verrou, LOCK_EX | LOCK_NB), 0);
            }
            const std::vector<std::string> avant = arbre(rep.chemin());
            const Execution e = sousDelai(p, {"in.vse", "out.vse", "run.log"}, rep.chemin());
            if (verrou >= 0) ::close(verrou);
            EXPECT_EQ(e.statut, 1);
            EXPECT_NE(e.erreurs.find(c.dit), std::string::npos) << e.erreurs;
            if (c.temporairePresent) {
                EXPECT_EQ(lire(rep.chemin() / tmp), ancienne);
            }
            if (c.entreePresente) {
                EXPECT_EQ(lire(rep.chemin() / "in.vse"), nouvelle);
            }
            std::vector<std::string> apres = avant;
            apres.push_back("run.log");
            std::sort(apres.begin(), apres.end());
            EXPECT_EQ(arbre(rep.chemin()), apres);
            EXPECT_EQ(ligneDuLog(lire(rep.chemin() / "run.log")), logAttendu(c.message));
            if (c.message != IG017 || c.entreePresente) continue;

            // The command given, run as given, gives the input back.
            const std::size_t mv = e.erreurs.find("mv -- ");
            ASSERT_NE(mv, std::string::npos);
            const std::string commande = e.erreurs.substr(mv, e.erreurs.find('\n', mv) - mv);
            EXPECT_EQ(executer("/bin/sh", {"-c", commande}, rep.chemin()).statut, 0) << commande;
            const Execution reprise = sousDelai(p, {"in.vse", "out.vse", "run.log"}, rep.chemin());
            EXPECT_EQ(reprise.statut, 2) << reprise.erreurs;
            EXPECT_EQ(arbre(rep.chemin()), (std::vector<std::string>{"out.vse", "run.log"}));
        }
    }
}

// A directory where nothing may be created, renamed or removed, simulated on
// the seam: as the input's directory, the input cannot be moved aside and
// stays; as the output's directory, the run stops before reading and the
// input stays under its temporary name: the temporary file of accepted records
// cannot be created there (IG004), or an earlier answer there cannot be
// removed (IG003), and what cannot be removed is named.
TEST_F(Environnements, RepertoireEnLectureSeule) {
    using namespace vse::pannes;
    struct Cas {
        const char* nom;
        const char* protege;  // the directory made read-only
        bool sortieExiste;
        std::string message;
        bool sousTemporaire;  // the input stays under its temporary name
    };
    const Cas cas[] = {
        {"entrees", "entrees", false, IG009, false},
        {"sorties", "sorties", false, "IG004", true},
        {"sorties, sortie existante", "sorties", true, IG003, true},
    };
    const std::string octets = contenus(P::l)[0].octets;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        vider();
        for (const char* d : {"entrees", "sorties", "journaux"}) fs::create_directory(rep.chemin() / d);
        const Lieux l = lieux(rep / "entrees/in.vse", rep / "sorties/out.vse", rep / "journaux/run.log", "");
        ecrire(l.entree, octets);
        if (c.sortieExiste) ecrire(l.sortie, "ancienne reponse\n");
        const std::string protege = (rep.chemin() / c.protege).string() + "/";
        armer();
        regle([&](Op op, const char* chemin, const char* chemin2, int drapeaux) {
            const auto dedans = [&](const char* x) { return x != nullptr && std::string(x).rfind(protege, 0) == 0; };
            const bool creation = op == Op::ouvrir && (drapeaux & O_CREAT) != 0 && !existe(chemin);
            if (dedans(chemin) && (creation || op == Op::renommer || op == Op::supprimer)) return EACCES;
            if (op == Op::renommer && dedans(chemin2)) return EACCES;
            return 0;
        });
        std::vector<std::string> mots{"delvoranl", l.entree, l.sortie, l.journal};
        std::vector<char*> argv;
        for (std::string& m : mots) argv.push_back(m.data());
        testing::internal::CaptureStderr();
        const int statut = std::make_unique<vse::Moteur>(vse::l::pack, operations())->delvoran(4, argv.data());
        const Constat constat = constater(l, statut, testing::internal::GetCapturedStderr(), octets);
        regle(nullptr);
        EXPECT_EQ(statut, 1);
        EXPECT_EQ(violations(l, constat), std::vector<std::string>{});
        EXPECT_EQ(existe(l.tmpRecu), c.sousTemporaire);
        EXPECT_NE(lire(l.journal).find(c.message), std::string::npos) << lire(l.journal);
        if (c.sortieExiste) {
            EXPECT_NE(constat.erreurs.find(l.sortie), std::string::npos) << constat.erreurs;
        }
    }
}

// ---------------------------------------------------------------- hostile surroundings

// Another user who may write in the output directory plants something under
// a temporary name: a symbolic link or a hard link to a file of the victim, a
// FIFO, a directory. The victim's file keeps its bytes and mode, no run waits,
// and the run answers whole; a directory there cannot be removed, and the run
// stops as when that file cannot be created, the input under its temporary name.
TEST_F(Environnements, PiegesSousLesNomsTemporaires) {
    const std::string IG002 =
        "IG002: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier d'erreur";
    const std::string IG004 =
        "IG004: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier \xe0 \xe9" "mettre";
    struct Piege {
        const char* nom;
        std::function<void(const fs::path& victime, const fs::path& nom)> poser;
    };
    const Piege pieges[] = {
        {"lien symbolique", [](const fs::path& v, const fs::path& n) { fs::create_symlink(v, n); }},
        {"lien dur", [](const fs::path& v, const fs::path& n) { fs::create_hard_link(v, n); }},
        {"FIFO", [](const fs::path&, const fs::path& n) { ASSERT_EQ(::mkfifo(n.c_str(), 0666), 0); }},
        {"repertoire", [](const fs::path&, const fs::path& n) { fs::create_directory(n); }},
    };
    for (P p : {P::principal, P::pf}) {
        const std::string sfx = p == P::pf ? "_pf" : "";
        for (const Contenu& contenu : {contenus(p)[0], contenus(p)[1]}) {
            const std::string attendu = reference(p, contenu.octets);
            for (const char* temporaire : {"_e", "_o"}) {
                for (const Piege& piege : pieges) {
                    SCOPED_TRACE(std::string(nom(p)) + " " + contenu.nom + " " + temporaire + " " + piege.nom);
                    vider();
                    for (const char* d : {"in", "out", "log", "perso"}) fs::create_directory(rep.chemin() / d);
                    const fs::path victime = rep.chemin() / "perso/victime";
                    ecrire(victime, "precieux\n");
                    fs::permissions(victime, fs::perms(0640));
                    ecrire(rep.chemin() / "in/F.vse", contenu.octets);
                    const fs::path plante = rep.chemin() / ("out/F.vse" + std::string(temporaire) + sfx);
                    piege.poser(victime, plante);

                    const Execution e = sousDelai(p, {"in/F.vse", "out/F.vse", "log/F.log"}, rep.chemin());
                    EXPECT_EQ(lire(victime), "precieux\n");
                    EXPECT_EQ(fs::status(victime).permissions(), fs::perms(0640));
                    if (std::string(piege.nom) == "repertoire") {
                        EXPECT_EQ(e.statut, 1) << e.erreurs;
                        EXPECT_EQ(lire(rep.chemin() / ("in/F.vse_r" + sfx)), contenu.octets);
                        EXPECT_EQ(ligneDuLog(lire(rep.chemin() / "log/F.log")),
                                  logAttendu(std::string(temporaire) == "_e" ? IG004 : IG002));
                        EXPECT_FALSE(fs::exists(rep.chemin() / "out/F.vse"));
                        continue;
                    }
                    EXPECT_EQ(e.statut, contenu.statut) << e.erreurs;
                    EXPECT_EQ(masquerHorodatages(lire(rep.chemin() / "out/F.vse")), attendu);
                    EXPECT_EQ(arbre(rep.chemin()), (std::vector<std::string>{"log/F.log", "out/F.vse", "perso/victime"}));
                }
            }
        }
    }
}

// The output name is only looked at before the input is moved: a directory
// or a FIFO there stops the run (IG003, named on the error stream), the input
// stays under its own name and nothing is created; a dangling symbolic link is
// answered through, the answer made where it points.
TEST_F(Environnements, NomDeSortieQuiNEstPasUnFichier) {
    const P p = P::d;
    const Contenu contenu = contenus(p)[0];
    struct Cas {
        const char* nom;
        std::function<void(const fs::path&)> poser;
    };
    const Cas cas[] = {
        {"repertoire", [](const fs::path& n) { fs::create_directory(n); }},
        {"FIFO", [](const fs::path& n) { ASSERT_EQ(::mkfifo(n.c_str(), 0600), 0); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        vider();
        ecrire(rep.chemin() / "in.vse", contenu.octets);
        c.poser(rep.chemin() / "out.vse");
        std::vector<std::string> attendu = arbre(rep.chemin());
        const Execution e = sousDelai(p, {"in.vse", "out.vse", "run.log"}, rep.chemin());
        EXPECT_EQ(e.statut, 1);
        EXPECT_NE(e.erreurs.find("out.vse n'est pas un fichier ordinaire"), std::string::npos) << e.erreurs;
        EXPECT_EQ(lire(rep.chemin() / "in.vse"), contenu.octets);
        EXPECT_EQ(ligneDuLog(lire(rep.chemin() / "run.log")), logAttendu(IG003));
        attendu.push_back("run.log");
        std::sort(attendu.begin(), attendu.end());
        EXPECT_EQ(arbre(rep.chemin()), attendu);
    }

    vider();
    fs::create_directory(rep.chemin() / "archive");
    fs::create_symlink("archive/reponse.vse", rep.chemin() / "out.vse");
    ecrire(rep.chemin() / "in.vse", contenu.octets);
    const Execution e = sousDelai(p, {"in.vse", "out.vse", "run.log"}, rep.chemin());
    EXPECT_EQ(e.statut, 0) << e.erreurs;
    EXPECT_TRUE(fs::is_symlink(rep.chemin() / "out.vse"));
    EXPECT_EQ(masquerHorodatages(lire(rep.chemin() / "archive/reponse.vse")), reference(p, contenu.octets));
    EXPECT_EQ(arbre(rep.chemin()), (std::vector<std::string>{"archive/reponse.vse", "out.vse", "run.log"}));
}

// ---------------------------------------------------------------- the process

// A program started by fork and exec; `avant` runs in the child first.
pid_t demarrer(P p, const std::vector<std::string>& arguments, const fs::path& repertoire,
               const std::function<void()>& avant) {
    std::vector<std::string> mots{chemin(p)};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& m : mots) argv.push_back(m.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(repertoire.c_str()) != 0) ::_exit(126);
        avant();
        ::alarm(60);  // a run that waits is killed, and seen as such
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}
int attendre(pid_t pid) {
    int etat = 0;
    while (::waitpid(pid, &etat, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
}

// A signal asking the run to stop, received midway through a file of 2000
// records while the -d report fills a pipe nobody reads: the run ends as a
// stop (status 1, the input back under its name, no answer, IG016 in the log).
// The last case closes the pipe after one byte, as `| head -c1` does.
TEST_F(Environnements, SignalEnCoursDeTraitement) {
    const P p = P::l;
    std::vector<std::string> lignes{fich(p, 2000).ligne()};
    lignes.insert(lignes.end(), 2000, vseType(p).ligne());
    const std::string octets = fichier(lignes);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE, SIGXFSZ, 0}) {
        SCOPED_TRACE(signal == 0 ? std::string("tube ferme") : std::string(strsignal(signal)));
        vider();
        ecrire(rep.chemin() / "in.vse", octets);
        int tube[2];
        ASSERT_EQ(::pipe(tube), 0);
        const pid_t pid = demarrer(p, {"-d", "in.vse", "out.vse", "run.log"}, rep.chemin(), [&] {
            ::dup2(tube[1], 1);
            const int nul = ::open("/dev/null", O_WRONLY);
            ::dup2(nul, 2);
            ::close(tube[0]);
            ::close(tube[1]);
        });
        ::close(tube[1]);
        // The pipe full: the run is midway.
        int plein = 0;
        for (int i = 0; i < 2000 && plein < 60 * 1024; ++i) {
            ::usleep(1000);
            ASSERT_EQ(::ioctl(tube[0], FIONREAD, &plein), 0);
        }
        ASSERT_GE(plein, 60 * 1024);
        if (signal != 0) {
            ::kill(pid, signal);
            char tampon[65536];
            while (::read(tube[0], tampon, sizeof tampon) > 0) {
            }
        } else {
            char octet;
            ASSERT_EQ(::read(tube[0], &octet, 1), 1);
        }
        ::close(tube[0]);
        EXPECT_EQ(attendre(pid), 1);
        EXPECT_EQ(arbre(rep.chemin()), (std::vector<std::string>{"in.vse", "run.log"}));
        EXPECT_EQ(lire(rep.chemin() / "in.vse"), octets);
        EXPECT_EQ(ligneDuLog(lire(rep.chemin() / "run.log")),
                  logAttendu("IG016: Traitement interrompu par un signal"));
    }
}

// Standard input, output and error closed by the caller: no file of the run
// takes their descriptors (the -i report would go into the log); the log
// stays empty and the answer is whole. An answer holds the input's data: it
// gets the input's permissions (less the umask), a private input a private
// answer.
TEST_F(Environnements, DescripteursEtDroits) {
    for (P p : {P::principal, P::pf}) {
        for (const Contenu& contenu : {contenus(p)[0], contenus(p)[1]}) {
            const std::string attendu = reference(p, contenu.octets);
            for (const mode_t mode : {0600, 0640, 0666}) {
                SCOPED_TRACE(std::string(nom(p)) + " " + contenu.nom + " " + std::to_string(mode));
                vider();
                ecrire(rep.chemin() / "in.vse", contenu.octets);
                fs::permissions(rep.chemin() / "in.vse", static_cast<fs::perms>(mode));
                const pid_t pid = demarrer(p, {"-i", "in.vse", "out.vse", "run.log"}, rep.chemin(), [] {
                    ::umask(022);
                    ::close(0);
                    ::close(1);
                    ::close(2);
                });
                EXPECT_EQ(attendre(pid), contenu.statut);
                EXPECT_EQ(lire(rep.chemin() / "run.log"), "");
                EXPECT_EQ(masquerHorodatages(lire(rep.chemin() / "out.vse")), attendu);
                EXPECT_EQ(fs::status(rep.chemin() / "out.vse").permissions(), static_cast<fs::perms>(mode & ~022));
            }
        }
    }
}

// ---------------------------------------------------------------- parallel runs

// 32 runs at once, of the four programs, over distinct input files that share
// one input directory, one output directory and one log directory: each
// answer is exactly what its file gives alone.
TEST_F(Environnements, TrenteDeuxExecutionsALaFois) {
    constexpr int N = 32;
    struct Tache {
        P p;
        std::string octets;
        int statut;
        std::string seule;  // the answer given alone (masked), or the log line of a stop
    };
    std::vector<Tache> taches;
    for (int i = 0; i < N; ++i) {
        const P p = tousLesProgrammes[i % 4];
        Contenu c = contenus(p)[static_cast<std::size_t>(i / 4 % 3)];
        if (c.statut == 0) {
            // Files of different lengths: i more accepted records.
            std::vector<std::string> lignes{fich(p, 2 + i).ligne()};
            lignes.insert(lignes.end(), static_cast<std::size_t>(2 + i), vseType(p).ligne());
            c.octets = fichier(lignes);
        }
        taches.push_back({p, c.octets, c.statut, c.statut == 1 ? logAttendu(IG014) : reference(p, c.octets)});
    }
    for (const char* d : {"entrees", "sorties", "journaux"}) fs::create_directory(rep.chemin() / d);
    const auto nomDe = [](const char* prefixe, int i) { return std::string(prefixe) + std::to_string(100 + i); };
    for (int i = 0; i < N; ++i) ecrire(rep.chemin() / "entrees" / nomDe("EXP_", i), taches[static_cast<std::size_t>(i)].octets);

    std::vector<pid_t> pids;
    for (int i = 0; i < N; ++i) {
        std::vector<std::string> mots{chemin(taches[static_cast<std::size_t>(i)].p), rep / ("entrees/" + nomDe("EXP_", i)),
                                      rep / ("sorties/" + nomDe("out_", i)), rep / ("journaux/" + nomDe("log_", i))};
        std::vector<char*> argv;
        for (std::string& m : mots) argv.push_back(m.data());
        argv.push_back(nullptr);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const int nul = ::open("/dev/null", O_RDWR);
            if (nul < 0 || ::dup2(nul, 0) < 0 || ::dup2(nul, 1) < 0 || ::dup2(nul, 2) < 0) ::_exit(126);
            ::alarm(60);  // a run that waits is killed, and seen as such
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        pids.push_back(pid);
    }
    std::vector<int> statuts(N, -1);
    for (int i = 0; i < N; ++i) {
        int etat = 0;
        while (::waitpid(pids[static_cast<std::size_t>(i)], &etat, 0) < 0 && errno == EINTR) {
        }
        statuts[static_cast<std::size_t>(i)] = WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    }

    std::vector<std::string> entreesRestantes;
    std::vector<std::string> sorties;
    for (int i = 0; i < N; ++i) {
        const Tache& t = taches[static_cast<std::size_t>(i)];
        SCOPED_TRACE(std::to_string(i) + " " + nom(t.p));
        EXPECT_EQ(statuts[static_cast<std::size_t>(i)], t.statut);
        const fs::path sortie = rep.chemin() / "sorties" / nomDe("out_", i);
        const fs::path journal = rep.chemin() / "journaux" / nomDe("log_", i);
        if (t.statut == 1) {
            EXPECT_EQ(lire(rep.chemin() / "entrees" / nomDe("EXP_", i)), t.octets);
            EXPECT_EQ(ligneDuLog(lire(journal)), t.seule);
            entreesRestantes.push_back(nomDe("EXP_", i));
        } else {
            EXPECT_EQ(masquerHorodatages(lire(sortie)), t.seule);
            EXPECT_EQ(lire(journal), "");
            sorties.push_back(nomDe("out_", i));
        }
    }
    std::sort(entreesRestantes.begin(), entreesRestantes.end());
    std::sort(sorties.begin(), sorties.end());
    EXPECT_EQ(contenuDe(rep.chemin() / "entrees"), entreesRestantes);
    EXPECT_EQ(contenuDe(rep.chemin() / "sorties"), sorties);
}

}  // namespace
