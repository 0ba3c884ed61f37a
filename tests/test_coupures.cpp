// Runs ended early at every file call in turn, for an accepted file, a file
// answered by an error reply and a file that stops the run, in the four
// programs: killed (a forked child that _exits at the k-th call), out of
// memory, or asked to stop by a signal. After a kill the input is under its
// own name or its temporary name, the output name is absent or holds the whole
// answer, nothing else is left, and a new run on the same command answers or
// names the temporary name, and answers once the command it gives is run.
// Also the order in which an answer is made durable.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/moteur.hpp"
#include "packs/d/pack.hpp"
#include "packs/l/pack.hpp"
#include "packs/main/pack.hpp"
#include "packs/pf/pack.hpp"
#include "tests/outils.hpp"
#include "tests/pannes.hpp"

namespace {

using namespace vse::outils;
using namespace vse::pannes;
namespace fs = std::filesystem;
using P = Programme;



struct Resultat {
    int statut = -1;
    std::string erreurs, sortieStd;
};

class Coupures : public ::testing::Test {
protected:
    RepertoireTemporaire rep;
    P p = P::principal;
    Lieux l;
    std::vector<std::string> mots;
    std::vector<char*> argv;

    void preparer(P prog, const std::string& octets) {
        p = prog;
        for (const fs::directory_entry& e : fs::directory_iterator(rep.chemin())) fs::remove_all(e.path());
        l = lieux(rep / "EXP_0042_in.vse", rep / "out.vse", rep / "run.log", p == P::pf ? "_pf" : "");
        ecrire(l.entree, octets);
        mots = {nom(p), l.entree, l.sortie, l.journal};
        argv.clear();
        for (std::string& m : mots) argv.push_back(m.data());
        argv.push_back(nullptr);
    }
    int delvoran(const Panne& panne) {
        armer(panne);
        return std::make_unique<vse::Moteur>(packDe(p), operations())->delvoran(4, argv.data());
    }
    // One run in this process over the seam, under `panne`.
    Resultat run(const Panne& panne = {}) {
        Resultat r;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        r.statut = delvoran(panne);
        r.erreurs = testing::internal::GetCapturedStderr();
        r.sortieStd = testing::internal::GetCapturedStdout();
        return r;
    }
    // One run in a forked child killed at the k-th call of any operation.
    bool tue(int k) {
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int nul = ::open("/dev/null", O_RDWR);
            ::dup2(nul, 1);
            ::dup2(nul, 2);
            ::_exit(delvoran({Op::ouvrir, k, 0, Genre::coupure, true}));
        }
        int etat = 0;
        ::waitpid(pid, &etat, 0);
        return WIFEXITED(etat) && WEXITSTATUS(etat) == 99;
    }
    std::string log() const { return existe(l.journal) ? lireFichier(l.journal) : std::string(); }
    std::string sortie() const { return existe(l.sortie) ? masquerHorodatages(lireFichier(l.sortie)) : ""; }
    // Names in the directory that are none of the run's.
    std::vector<std::string> etrangers() const {
        std::vector<std::string> r;
        const std::vector<std::string> siens{l.entree, l.sortie, l.journal, l.tmpRecu, l.tmpEmis, l.tmpErre};
        for (const fs::directory_entry& e : fs::directory_iterator(rep.chemin())) {
            if (std::find(siens.begin(), siens.end(), e.path().string()) == siens.end()) r.push_back(e.path());
        }
        return r;
    }
    std::vector<std::string> promesses(const Resultat& r, const std::string& octets) const {
        return violations(l, constater(l, r.statut, r.erreurs, octets));
    }
    // f(scenario, its answer, its calls, k) for every call k of every scenario.
    template <typename F>
    int aChaqueAppel(F f) {
        int total = 0;
        for (P prog : tousLesProgrammes) {
            for (const Contenu& s : contenus(prog)) {
                preparer(prog, s.octets);
                const Resultat ref = run();
                EXPECT_EQ(ref.statut, s.statut) << ref.erreurs;
                const std::string reponse = sortie();
                const std::vector<Appel> appelsRef = appels();
                for (std::size_t k = 1; k <= appelsRef.size(); ++k, ++total) {
                    const Appel& a = appelsRef[k - 1];
                    SCOPED_TRACE(std::string(nom(prog)) + " " + s.nom + ", appel " + std::to_string(k) + " : " +
                                 vse::pannes::nom(a.op) + " " + a.chemin);
                    preparer(prog, s.octets);
                    f(s, reponse, appelsRef, static_cast<int>(k));
                }
            }
        }
        return total;
    }
};

// Whether the answer was renamed onto the output name before the k-th call.
bool renommeAvant(const std::vector<Appel>& a, int k, const std::string& sortie) {
    return std::any_of(a.begin(), a.begin() + k - 1,
                       [&](const Appel& x) { return x.op == Op::renommer && x.chemin2 == sortie; });
}

TEST_F(Coupures, ProcessusTueAChaqueAppel) {
    const int total = aChaqueAppel([&](const Contenu& s, const std::string& reponse, const std::vector<Appel>&, int k) {
        ASSERT_TRUE(tue(k));
        EXPECT_EQ(etrangers(), std::vector<std::string>{});
        if (existe(l.sortie)) {
            EXPECT_EQ(sortie(), reponse);
        }
        const bool sousSonNom = existe(l.entree);
        if (!sousSonNom && !existe(l.tmpRecu)) {
            EXPECT_EQ(sortie(), reponse);  // killed once the input was consumed: the answer stands
            return;
        }
        EXPECT_NE(sousSonNom, existe(l.tmpRecu));
        EXPECT_EQ(lireFichier(sousSonNom ? l.entree : l.tmpRecu), s.octets);

        // The same command again; after a kill past the move, it names the
        // temporary name and the command that gives it back.
        Resultat r = run();
        if (!sousSonNom) {
            EXPECT_EQ(r.statut, 1);
            EXPECT_NE(log().find("IG017"), std::string::npos) << log();
            EXPECT_NE(r.erreurs.find("mv -- '" + l.tmpRecu + "' '" + l.entree + "'"), std::string::npos) << r.erreurs;
            fs::rename(l.tmpRecu, l.entree);
            r = run();
        }
        EXPECT_EQ(r.statut, s.statut) << r.erreurs;
        EXPECT_EQ(promesses(r, s.octets), std::vector<std::string>{});
        EXPECT_EQ(sortie(), reponse);
        EXPECT_EQ(etrangers(), std::vector<std::string>{});
    });
    std::printf("[ coupures ] %d executions tuees\n", total);
}

// Memory exhausted, or a signal received, at any call: before the answer's
// rename a stop with its message, the input given back (or never moved), no
// answer; after it the answer may stand.
TEST_F(Coupures, MemoireOuSignalAChaqueAppel) {
    struct Cas {
        Genre genre;
        const char* ligne;      // the log line of the stop
        const char* sortieStd;  // what the stop says on standard output
    };
    const Cas cas[] = {
        {Genre::memoire, "IG018: Allocation m\xe9moire impossible\n", "\x07llocation m\xe9moire impossible\n"},
        {Genre::signal, "IG016: Traitement interrompu par un signal\n", ""},
    };
    for (const Cas& c : cas) {
        const int total = aChaqueAppel([&](const Contenu& s, const std::string& reponse, const std::vector<Appel>& a,
                                           int k) {
            const Resultat r = run({Op::ouvrir, k, 0, c.genre, true});
            EXPECT_EQ(r.sortieStd, c.genre == Genre::memoire ? c.sortieStd : "");
            EXPECT_EQ(etrangers(), std::vector<std::string>{});
            EXPECT_FALSE(existe(l.tmpRecu));
            // A signal comes before the k-th call, which then runs; memory fails it.
            if (!renommeAvant(a, c.genre == Genre::signal ? k + 1 : k, l.sortie)) {
                EXPECT_EQ(r.statut, 1);
            }
            if (r.statut != 1) {
                EXPECT_EQ(r.statut, s.statut);
                EXPECT_EQ(sortie(), reponse);
            } else if (s.statut != 1 || log().find("IG014") == std::string::npos) {
                // (A stopping file may stop for its own reason first.)
                const bool surLeJournal = a[static_cast<std::size_t>(k - 1)].chemin == l.journal;
                EXPECT_TRUE(log().ends_with(c.ligne) || (surLeJournal && log().empty())) << log();
            }
            std::vector<std::string> v = promesses(r, s.octets);
            // Out of memory in a call on the log itself: the log may lack its line.
            if (a[static_cast<std::size_t>(k - 1)].chemin == l.journal) {
                std::erase_if(v, [](const std::string& x) { return x.rfind("journal sans sa ligne", 0) == 0; });
            }
            EXPECT_EQ(v, std::vector<std::string>{});
        });
        std::printf("[ coupures ] %d executions %s\n", total, c.genre == Genre::memoire ? "sans memoire" : "sous signal");
    }
}

// The order that makes an answer durable: the kept file synced before it is
// renamed onto the output name, the output's directory synced after, the
// input removed last and its directory synced; the output name is never
// opened. A stop syncs its log line before closing it.
TEST_F(Coupures, OrdreDesAppels) {
    for (P prog : tousLesProgrammes) {
        for (const Contenu& s : contenus(prog)) {
            SCOPED_TRACE(std::string(nom(prog)) + " " + s.nom);
            preparer(prog, s.octets);
            ASSERT_EQ(run().statut, s.statut);
            // The syncs, the answer's rename, the removals and the log's close, in order
            // (the first two removals clear the temporary names before their creation).
            std::vector<std::string> suite;
            const std::string garde = s.statut == 0 ? l.tmpEmis : l.tmpErre;
            const std::string repertoire = rep.chemin().string() + "/";
            for (const Appel& a : appels()) {
                EXPECT_FALSE(a.op == Op::ouvrir && a.chemin == l.sortie);
                if (a.op == Op::synchroniser) suite.push_back("sync " + a.chemin);
                if (a.op == Op::renommer && a.chemin2 == l.sortie) suite.push_back("renommer " + a.chemin);
                if (a.op == Op::supprimer || (a.op == Op::fermer && a.chemin == l.journal)) {
                    suite.push_back(std::string(vse::pannes::nom(a.op)) + " " + a.chemin);
                }
            }
            const std::vector<std::string> attendu =
                s.statut == 1 ? std::vector<std::string>{"supprimer " + l.tmpEmis, "supprimer " + l.tmpErre,
                                                         "supprimer " + l.tmpEmis, "supprimer " + l.sortie,
                                                         "supprimer " + l.tmpErre, "sync " + l.journal,
                                                         "fermer " + l.journal}
                              : std::vector<std::string>{"supprimer " + l.tmpEmis,
                                                         "supprimer " + l.tmpErre,
                                                         "sync " + garde,
                                                         "renommer " + garde,
                                                         "sync " + repertoire,
                                                         "supprimer " + (s.statut == 0 ? l.tmpErre : l.tmpEmis),
                                                         "supprimer " + l.tmpRecu,
                                                         "sync " + repertoire,
                                                         "fermer " + l.journal};
            EXPECT_EQ(suite, attendu);
        }
    }
}

}  // namespace
