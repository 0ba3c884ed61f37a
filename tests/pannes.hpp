// File operations that fail on demand, for running whole programs in-process
// under faults: every call is counted per operation, and the k-th call of a
// chosen operation (or the k-th call of any operation) fails with a chosen
// errno, moves only part of its bytes, is interrupted, cuts the process short
// as a kill would, runs out of memory or comes with a signal asking the run
// to stop. A failed close still releases its descriptor, as the system's
// does. Every call is recorded in order with the names it concerns. Also the
// checks of what a run must leave behind whatever failed under it. Shared by
// the tests and the fuzz target (no test framework here).
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/es.hpp"

namespace vse::pannes {

enum class Op { ouvrir, lire, ecrire, ecrireA, fermer, renommer, supprimer, synchroniser, verrouiller, etat, etatNom };
inline constexpr int NB_OPS = 11;
inline constexpr Op toutesLesOps[NB_OPS] = {Op::ouvrir,    Op::lire,         Op::ecrire,      Op::ecrireA,
                                            Op::fermer,    Op::renommer,     Op::supprimer,   Op::synchroniser,
                                            Op::verrouiller, Op::etat,       Op::etatNom};
const char* nom(Op op);

enum class Genre {
    echec,        // the call does nothing and fails with `erreur`
    courte,       // a read or write moves half of what is asked (at least one byte)
    interrompue,  // the call does nothing and fails with EINTR
    disquePlein,  // a write moves half of what is asked, every later write fails with ENOSPC
    coupure,      // the process ends at once (_exit), before the call, as under SIGKILL
    memoire,      // the call throws std::bad_alloc, before doing anything
    signal,       // SIGTERM is received just before the call, which then runs
};

struct Panne {
    Op op = Op::ouvrir;
    int rang = 0;  // 1-based rank of the call of `op` that fails; 0: none
    int erreur = 0;
    Genre genre = Genre::echec;
    bool toutesOps = false;  // `rang` counts the calls of every operation, `op` aside
};

// One call made through the seam: the operation and the names it concerns
// (for a call on a descriptor, the name it was opened under).
struct Appel {
    Op op;
    std::string chemin, chemin2;
};

using Comptes = std::array<int, NB_OPS>;

// The seam that counts and fails calls.
const OperationsFichier& operations();

// Starts a run: counts from zero, the fault to inject (rang 0: none), no rule,
// no signal received.
void armer(const Panne& p = {});
// A rule asked before every open, rename and remove (chemin2: the new name of
// a rename, else null): a non-zero answer is the errno the call fails with.
using Regle = std::function<int(Op op, const char* chemin, const char* chemin2, int drapeaux)>;
void regle(Regle r);

const Comptes& comptes();
inline int compte(Op op) { return comptes()[static_cast<std::size_t>(op)]; }
// Calls of every operation since armer().
int total();
const std::vector<Appel>& appels();
// Paths of the files whose calls failed (for reads, writes and closes: the
// name the descriptor was opened under; for a rename: its old name).
const std::vector<std::string>& touchees();

// ---------------------------------------------------------------- what a run leaves

// The names of one run: the three given, and the three temporary names built
// from the input's file name (in the input's and in the output's directory).
struct Lieux {
    std::string entree, sortie, journal, tmpRecu, tmpEmis, tmpErre;
};
Lieux lieux(const std::string& entree, const std::string& sortie, const std::string& journal,
            const std::string& suffixe);

struct Constat {
    int statut = -1;
    std::string erreurs;  // the error stream of the run
    std::string contenu;  // the input's bytes before the run
    // The input may be left under its temporary name: the run stopped while
    // opening its files, or the input could not be moved back.
    bool gardeSousTemporaire = false;
    // A call on the log failed: the log may lack its line (the error stream then carries it).
    bool panneSurJournal = false;
};

// What a run must leave whatever happened to it: an exit status 0, 1 or 2;
// after 0 or 2 an answer under the output name, an empty log, the input and
// the temporary files gone; after 1 the input's bytes under its own name (or
// its temporary name where allowed), nothing under the output name, one
// dated line in the log. A file that could not be removed must be named on
// the error stream. Empty when every promise holds.
std::vector<std::string> violations(const Lieux& l, const Constat& c);

// Whether the input may be left under its temporary name after the run just
// observed: no read of the input was made (the stop came while opening the
// files), or moving it back failed.
bool gardeSousTemporairePermise(const Lieux& l);

// The findings of the run just made over operations(): what it said, and
// what its faults allow.
Constat constater(const Lieux& l, int statut, const std::string& erreurs, const std::string& contenu);

std::string lireFichier(const std::string& chemin);
bool existe(const std::string& chemin);

}  // namespace vse::pannes
