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

const vse::Pack& packDe(P p) {
    switch (p) {
        case P::principal: return vse::principal::pack;
        case P::pf: return vse::pf::pack;
        case P::l: return vse::l::pack;
        case P::d: return vse::d::pack;
    }
    return vse::principal::pack;
}

struct Scenario {
    const char* nom;
    std::string octets;
    int statut;
};
std::vector<Scenario> scenarios(P p) {
    Vse mauvais = vseType(p);
    mauvais.avec(vse::E9, "AB CDEFG");
    return {
        {"accepte", fichier({fich(p, 2).ligne(), vseType(p).ligne(), vseType(p).ligne()}), 0},
        {"reponse", fichier({fich(p, 2).ligne(), vseType(p).ligne(), mauvais.ligne()}, "\r\n"), 2},
        {"arret", fichier({fich(p, 1).ligne()}), 1},
    };
}

struct Resultat {
    int statut = -1;
    std::string erreurs, sortieStd;
};

class Coupures : public ::testing::Test {
protected:
    RepertoireTemporaire rep;
    P p = P::principal;
    Lieux l;

    void preparer(P prog, const std::string& octets) {
        p = prog;
        for (const fs::directory_entry& e : fs::directory_iterator(rep.chemin())) fs::remove_all(e.path());
        l = lieux(rep / "EXP_0042_in.vse", rep / "out.vse", rep / "run.log", p == P::pf ? "_pf" : "");
        ecrire(l.entree, octets);
    }
    std::vector<char*> argv(std::vector<std::string>& mots) {
        mots = {nom(p), l.entree, l.sortie, l.journal};
        std::vector<char*> a;
        for (std::string& m : mots) a.push_back(m.data());
        a.push_back(nullptr);
        return a;
    }
    // One run in this process over the seam, under `panne`.
    Resultat run(const Panne& panne = {}) {
        std::vector<std::string> mots;
        std::vector<char*> a = argv(mots);
        Resultat r;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        armer(panne);
        r.statut = std::make_unique<vse::Moteur>(packDe(p), operations())->delvoran(4, a.data());
        r.erreurs = testing::internal::GetCapturedStderr();
        r.sortieStd = testing::internal::GetCapturedStdout();
        return r;
    }
    // One run in a forked child killed at the k-th call of any operation;
    // false when the run ended before that call.
    bool tue(int k) {
        std::vector<std::string> mots;
        std::vector<char*> a = argv(mots);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int nul = ::open("/dev/null", O_RDWR);
            ::dup2(nul, 1);
            ::dup2(nul, 2);
            armer({Op::ouvrir, k, 0, Genre::coupure, true});
            const int s = std::make_unique<vse::Moteur>(packDe(p), operations())->delvoran(4, a.data());
            ::_exit(s);
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
};

TEST_F(Coupures, ProcessusTueAChaqueAppel) {
    int total = 0;
    for (P prog : tousLesProgrammes) {
        for (const Scenario& s : scenarios(prog)) {
            preparer(prog, s.octets);
            const Resultat ref = run();
            ASSERT_EQ(ref.statut, s.statut) << ref.erreurs;
            const std::string reponse = sortie();
            const std::vector<Appel> refAppels = appels();
            const int n = static_cast<int>(refAppels.size());
            for (int k = 1; k <= n; ++k) {
                const Appel& appel = refAppels[static_cast<std::size_t>(k - 1)];
                SCOPED_TRACE(std::string(nom(prog)) + " " + s.nom + " tue a l'appel " + std::to_string(k) + " : " +
                             vse::pannes::nom(appel.op) + " " + appel.chemin);
                preparer(prog, s.octets);
                ASSERT_TRUE(tue(k));
                ++total;
                // What the kill left.
                EXPECT_EQ(etrangers(), std::vector<std::string>{});
                const bool sousSonNom = existe(l.entree);
                if (!sousSonNom && !existe(l.tmpRecu)) {
                    // Killed once the input was consumed: the answer stands.
                    EXPECT_NE(s.statut, 1);
                    EXPECT_EQ(sortie(), reponse);
                    continue;
                }
                EXPECT_NE(sousSonNom, existe(l.tmpRecu));
                EXPECT_EQ(lireFichier(sousSonNom ? l.entree : l.tmpRecu), s.octets);
                if (existe(l.sortie)) {
                    EXPECT_EQ(sortie(), reponse);
                }

                // The same command again.
                Resultat r = run();
                if (!sousSonNom) {
                    EXPECT_EQ(r.statut, 1);
                    EXPECT_NE(log().find("IG017"), std::string::npos) << log();
                    EXPECT_NE(r.erreurs.find("mv -- '" + l.tmpRecu + "' '" + l.entree + "'"), std::string::npos)
                        << r.erreurs;
                    EXPECT_EQ(lireFichier(l.tmpRecu), s.octets);
                    fs::rename(l.tmpRecu, l.entree);
                    r = run();
                }
                EXPECT_EQ(r.statut, s.statut) << r.erreurs;
                EXPECT_EQ(violations(l, constater(l, r.statut, r.erreurs, s.octets)), std::vector<std::string>{});
                EXPECT_EQ(sortie(), reponse);
                EXPECT_EQ(etrangers(), std::vector<std::string>{});
            }
        }
    }
    std::printf("[ coupures ] %d executions tuees\n", total);
}

// Memory exhausted at any call: a stop with its message, the input given
// back or untouched, no answer.
TEST_F(Coupures, MemoireEpuiseeAChaqueAppel) {
    int total = 0;
    for (P prog : tousLesProgrammes) {
        for (const Scenario& s : scenarios(prog)) {
            preparer(prog, s.octets);
            run();
            const std::string reponse = sortie();
            const std::vector<Appel> ref = appels();
            for (int k = 1; k <= static_cast<int>(ref.size()); ++k) {
                const Appel& appel = ref[static_cast<std::size_t>(k - 1)];
                SCOPED_TRACE(std::string(nom(prog)) + " " + s.nom + " memoire a l'appel " + std::to_string(k) + " : " +
                             vse::pannes::nom(appel.op) + " " + appel.chemin);
                preparer(prog, s.octets);
                const bool renomme = std::any_of(ref.begin(), ref.begin() + k - 1, [&](const Appel& a) {
                    return a.op == Op::renommer && a.chemin2 == l.sortie;
                });
                const Resultat r = run({Op::ouvrir, k, 0, Genre::memoire, true});
                ++total;
                // Before the answer's rename, a stop; after it, the answer may stand.
                if (!renomme || r.statut != 1) {
                    EXPECT_EQ(r.statut, renomme ? s.statut : 1);
                }
                if (r.statut != 1) {
                    EXPECT_EQ(sortie(), reponse);
                }
                EXPECT_EQ(r.sortieStd, "\x07llocation m\xe9moire impossible\n");
                EXPECT_EQ(etrangers(), std::vector<std::string>{});
                std::vector<std::string> v = violations(l, constater(l, r.statut, r.erreurs, s.octets));
                // Out of memory in a call on the log itself (its opening, its write): the
                // log may lack its line; the message on standard output stays.
                if (appel.chemin == l.journal) std::erase_if(v, [](const std::string& x) {
                    return x.rfind("journal sans sa ligne", 0) == 0;
                });
                EXPECT_EQ(v, std::vector<std::string>{});
            }
        }
    }
    std::printf("[ coupures ] %d executions sans memoire\n", total);
}

// A signal before the answer's rename is a stop: the input back under its
// own name, IG016 in the log. From the rename on, the answer stands.
TEST_F(Coupures, SignalAChaqueAppel) {
    int total = 0;
    for (P prog : tousLesProgrammes) {
        for (const Scenario& s : scenarios(prog)) {
            preparer(prog, s.octets);
            run();
            const std::string reponse = sortie();
            const std::vector<Appel> ref = appels();
            const auto renommage = std::find_if(ref.begin(), ref.end(), [&](const Appel& a) {
                return a.op == Op::renommer && a.chemin2 == l.sortie;
            });
            const int rangRenommage = static_cast<int>(renommage - ref.begin()) + 1;
            for (int k = 1; k <= static_cast<int>(ref.size()); ++k) {
                SCOPED_TRACE(std::string(nom(prog)) + " " + s.nom + " signal a l'appel " + std::to_string(k));
                preparer(prog, s.octets);
                const Resultat r = run({Op::ouvrir, k, 0, Genre::signal, true});
                ++total;
                EXPECT_EQ(violations(l, constater(l, r.statut, r.erreurs, s.octets)), std::vector<std::string>{});
                EXPECT_FALSE(existe(l.tmpRecu));
                if (k < rangRenommage) {
                    EXPECT_EQ(r.statut, 1);
                    const bool arretPropre = s.statut == 1 && log().find("IG016") == std::string::npos;
                    if (!arretPropre) {
                        EXPECT_NE(log().find("IG016: Traitement interrompu par un signal\n"), std::string::npos)
                            << log();
                    }
                } else {
                    EXPECT_EQ(r.statut, s.statut);
                    EXPECT_EQ(sortie(), reponse);
                }
            }
        }
    }
    std::printf("[ coupures ] %d executions sous signal\n", total);
}

// The order that makes an answer durable: the kept file synced before it is
// renamed onto the output name, the output's directory synced after, the
// input removed last and its directory synced; the output name is never
// opened. A stop syncs its log line.
TEST_F(Coupures, OrdreDesAppels) {
    const auto rang = [](const std::vector<Appel>& a, Op op, const std::string& chemin, const std::string& chemin2 = "") {
        for (std::size_t i = a.size(); i-- > 0;) {
            if (a[i].op == op && a[i].chemin == chemin && (chemin2.empty() || a[i].chemin2 == chemin2)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    for (P prog : tousLesProgrammes) {
        for (const Scenario& s : scenarios(prog)) {
            SCOPED_TRACE(std::string(nom(prog)) + " " + s.nom);
            preparer(prog, s.octets);
            ASSERT_EQ(run().statut, s.statut);
            const std::vector<Appel> a = appels();
            const std::string repSortie = rep.chemin().string() + "/";
            for (const Appel& x : a) EXPECT_FALSE(x.op == Op::ouvrir && x.chemin == l.sortie);
            if (s.statut == 1) {
                const int sync = rang(a, Op::synchroniser, l.journal);
                EXPECT_GE(sync, 0);
                EXPECT_LT(sync, rang(a, Op::fermer, l.journal));
                continue;
            }
            const std::string garde = s.statut == 0 ? l.tmpEmis : l.tmpErre;
            const int syncGarde = rang(a, Op::synchroniser, garde);
            const int renommage = rang(a, Op::renommer, garde, l.sortie);
            int syncSortie = -1;
            for (std::size_t i = static_cast<std::size_t>(renommage) + 1; i < a.size() && syncSortie < 0; ++i) {
                if (a[i].op == Op::synchroniser && a[i].chemin == repSortie) syncSortie = static_cast<int>(i);
            }
            const int suppression = rang(a, Op::supprimer, l.tmpRecu);
            int syncEntree = -1;
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (a[i].op == Op::synchroniser) syncEntree = static_cast<int>(i);
            }
            EXPECT_GE(syncGarde, 0);
            EXPECT_LT(syncGarde, renommage);
            EXPECT_LT(renommage, syncSortie);
            EXPECT_LT(syncSortie, suppression);
            EXPECT_LT(suppression, syncEntree);
            EXPECT_EQ(a[static_cast<std::size_t>(syncEntree)].chemin, repSortie);  // input and output share it here
            for (std::size_t i = static_cast<std::size_t>(suppression) + 1; i < a.size(); ++i) {
                EXPECT_NE(a[i].op, Op::supprimer) << a[i].chemin;
                EXPECT_NE(a[i].op, Op::renommer) << a[i].chemin;
            }
        }
    }
}

}  // namespace
