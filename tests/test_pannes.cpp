// The four programs run in-process over a seam that fails on demand: every
// open, read, write, positioned write, close, rename and remove of a run is
// made to fail in turn (the first and the last few calls of each kind), for
// an accepted file, a file answered by an error reply and a file whose lines
// stop the run. Whatever fails, the input is never lost, an answer under the
// output name is always whole, and a failure is never reported as success.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
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

std::string suffixeDe(P p) { return p == P::pf ? "_pf" : ""; }

struct Passage {
    int statut = -1;
    std::string sortie;   // what stands under the output name ("" when nothing)
    std::string erreurs;  // error stream
    Comptes comptes{};
    std::vector<std::string> violations;
};

// One run of program p in-process over the faulty seam, in an emptied
// directory, with the given input bytes.
Passage lancer(P p, const fs::path& rep, const std::string& contenu, const Panne& panne) {
    for (const fs::directory_entry& e : fs::directory_iterator(rep)) fs::remove_all(e.path());
    const Lieux l = lieux((rep / "EXP_0042_in.vse").string(), (rep / "out.vse").string(),
                          (rep / "run.log").string(), suffixeDe(p));
    ecrire(l.entree, contenu);
    armer(panne);
    std::vector<std::string> mots{nom(p), l.entree, l.sortie, l.journal};
    std::vector<char*> argv;
    for (std::string& m : mots) argv.push_back(m.data());
    argv.push_back(nullptr);

    Passage r;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    {
        const auto m = std::make_unique<vse::Moteur>(packDe(p), operations());
        r.statut = m->delvoran(static_cast<int>(mots.size()), argv.data());
    }
    r.erreurs = testing::internal::GetCapturedStderr();
    const std::string sortieStd = testing::internal::GetCapturedStdout();
    r.comptes = comptes();

    r.violations = violations(l, constater(l, r.statut, r.erreurs, contenu));
    if (!sortieStd.empty()) r.violations.push_back("sortie standard sans -i ni -d : " + sortieStd);
    // Whatever failed, no file is made outside the run's names.
    for (const fs::directory_entry& e : fs::directory_iterator(rep)) {
        const std::string n = e.path().string();
        if (n != l.entree && n != l.sortie && n != l.journal && n != l.tmpRecu && n != l.tmpEmis && n != l.tmpErre) {
            r.violations.push_back("fichier etranger : " + n);
        }
    }
    if (existe(l.sortie)) r.sortie = masquerHorodatages(lireFichier(l.sortie));
    return r;
}

// Two answers compared without printing files of several blocks: their sizes
// and the first byte where they part.
testing::AssertionResult memeReponse(const std::string& a, const std::string& b) {
    if (a == b) return testing::AssertionSuccess();
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return testing::AssertionFailure() << "reponses differentes : " << a.size() << " et " << b.size()
                                       << " octets, premier ecart a l'octet " << i;
}

// The ranks tried for an operation called n times: the first and the last `bord`.
std::vector<int> rangs(int n, int bord) {
    std::set<int> r;
    for (int k = 1; k <= n && k <= bord; ++k) r.insert(k);
    for (int k = n - bord + 1; k <= n; ++k) {
        if (k >= 1) r.insert(k);
    }
    return {r.begin(), r.end()};
}

// The errnos each operation fails with.
std::vector<int> erreursDe(Op op) {
    switch (op) {
        case Op::ouvrir:
        case Op::renommer: return {EACCES, ENOENT, EXDEV};
        case Op::lire: return {EIO};
        case Op::ecrire:
        case Op::ecrireA:
        case Op::fermer: return {ENOSPC};
        case Op::supprimer: return {EACCES};
        case Op::synchroniser: return {EIO};
        case Op::verrouiller: return {EWOULDBLOCK};
        case Op::etat:
        case Op::etatNom: return {EACCES};
    }
    return {};
}

struct Scenario {
    const char* nom;
    std::string contenu;
    int statut;  // without any fault
};

// Files larger than one 64 KiB block, so that reading and writing cross a
// block: an accepted file, a file answered by an error reply (its ERRE records
// also fill more than a block) and a file whose lines stop the run once more
// than a block of accepted records was written (mixed line ends in delvoran
// and delvoranl, an empty line in the two others).
std::vector<Scenario> scenarios(P p) {
    const std::string bon = vseType(p).ligne();
    Vse v = vseType(p);
    const std::string mauvais = v.avec(vse::E9, "AB CDEFG").ligne();
    constexpr int nb = 270;  // 271 lines of 257 bytes: 69647 bytes
    std::vector<std::string> accepte{fich(p, nb).ligne()};
    accepte.insert(accepte.end(), nb, bon);
    std::vector<std::string> reponse{fich(p, nb).ligne(), bon};
    reponse.insert(reponse.end(), nb - 1, mauvais);
    const bool formats = p == P::principal || p == P::l;
    const std::string arret = formats ? fichier(accepte, "\r\n") + bon + "\n" : fichier(accepte) + "\n" + bon + "\n";
    return {
        {"accepte", fichier(accepte), 0},
        {"reponse", fichier(reponse, "\r\n"), 2},
        {formats ? "arret IG008" : "arret IG015", arret, 1},
    };
}

TEST(Pannes, MatriceDesPannes) {
    constexpr int bord = 3;
    RepertoireTemporaire rep;
    int total = 0;
    for (P p : tousLesProgrammes) {
        for (const Scenario& s : scenarios(p)) {
            const std::string cas = std::string(nom(p)) + " " + s.nom;
            SCOPED_TRACE(cas);
            const Passage ref = lancer(p, rep.chemin(), s.contenu, {});
            ASSERT_EQ(ref.statut, s.statut) << ref.erreurs;
            ASSERT_EQ(ref.violations, std::vector<std::string>{});
            ASSERT_EQ(ref.erreurs, "");

            std::string appels;
            for (Op op : toutesLesOps) {
                const int n = ref.comptes[static_cast<std::size_t>(op)];
                appels += std::string(" ") + vse::pannes::nom(op) + "=" + std::to_string(n);
                for (int k : rangs(n, bord)) {
                    for (int err : erreursDe(op)) {
                        SCOPED_TRACE(std::string(vse::pannes::nom(op)) + " appel " + std::to_string(k) + " errno " +
                                     std::to_string(err));
                        const Passage r = lancer(p, rep.chemin(), s.contenu, {op, k, err, Genre::echec});
                        ++total;
                        EXPECT_EQ(r.violations, std::vector<std::string>{}) << r.erreurs;
                        if (r.statut == 0 || r.statut == 2) {
                            EXPECT_EQ(r.statut, ref.statut);
                            EXPECT_TRUE(memeReponse(r.sortie, ref.sortie));
                        }
                    }
                }
            }
            std::printf("[ pannes   ] %-28s appels :%s\n", cas.c_str(), appels.c_str());
        }
    }
    std::printf("[ pannes   ] %d executions sous panne\n", total);
}

// Interrupted calls and calls that move only part of their bytes are no
// failures: the run retries them and answers exactly as without them. A disk
// that fills up during a write is a failure.
TEST(Pannes, AppelsInterrompusOuPartiels) {
    RepertoireTemporaire rep;
    int total = 0;
    for (P p : tousLesProgrammes) {
        for (const Scenario& s : scenarios(p)) {
            SCOPED_TRACE(std::string(nom(p)) + " " + s.nom);
            const Passage ref = lancer(p, rep.chemin(), s.contenu, {});
            for (Op op : {Op::lire, Op::ecrire, Op::ecrireA}) {
                const int n = ref.comptes[static_cast<std::size_t>(op)];
                for (int k : rangs(n, 2)) {
                    for (Genre g : {Genre::courte, Genre::interrompue, Genre::disquePlein}) {
                        if (g == Genre::disquePlein && op == Op::lire) continue;
                        SCOPED_TRACE(std::string(vse::pannes::nom(op)) + " appel " + std::to_string(k) + " genre " +
                                     std::to_string(static_cast<int>(g)));
                        const Passage r = lancer(p, rep.chemin(), s.contenu, {op, k, 0, g});
                        ++total;
                        EXPECT_EQ(r.violations, std::vector<std::string>{}) << r.erreurs;
                        if (g != Genre::disquePlein) {
                            EXPECT_EQ(r.statut, ref.statut) << r.erreurs;
                            EXPECT_TRUE(memeReponse(r.sortie, ref.sortie));
                        } else if (r.statut != 1) {
                            EXPECT_TRUE(memeReponse(r.sortie, ref.sortie));
                        }
                    }
                }
            }
        }
    }
    std::printf("[ pannes   ] %d executions sous appel interrompu, partiel ou disque plein\n", total);
}

}  // namespace
