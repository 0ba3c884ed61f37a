// Helpers shared by the test files: building VSE lines from their fields,
// a scratch directory, running a built program, reading files back and
// masking the run's time stamps for byte-for-byte comparison.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/moteur.hpp"
#include "model/vse.hpp"

namespace vse::outils {

// ---------------------------------------------------------------- programs

enum class Programme { principal, pf, l, d };
inline constexpr Programme tousLesProgrammes[] = {Programme::principal, Programme::pf, Programme::l,
                                                  Programme::d};

// "delvoran", "delvoranpf", "delvoranl", "delvorand".
const char* nom(Programme p);
// Path of the built executable.
std::string chemin(Programme p);
// The result digit stamped at position 77 of accepted VSEs.
char codeResultat(Programme p);
// The program's pack, for runs in-process.
const Pack& packDe(Programme p);

// ---------------------------------------------------------------- VSE lines

// Widths of the header fields E1..E13 and of the trailer fields F1..F5.
inline constexpr int largeurE[NB_ENTETE] = {1, 1, 8, 8, 3, 4, 1, 8, 8, 8, 10, 1, 1};
inline constexpr int largeurF[NB_FIN] = {8, 6, 3, 8, 1};
inline constexpr int DEBUT_CORPS = 63;
inline constexpr int LG_CORPS = 168;

std::string blancs(int n);
// Writes `texte` over `ligne` from the 1-based position on (the line grows with
// blanks when needed).
std::string poser(std::string ligne, int position, const std::string& texte);

// A VSE by its pieces; every piece is blank-padded or cut to its width, so
// ligne() is always 256 characters.
struct Vse {
    std::array<std::string, NB_ENTETE> E;
    std::string corps;  // positions 63-230
    std::array<std::string, NB_FIN> F;

    Vse& avec(numEnteteVSE e, const std::string& v) {
        E[e] = v;
        return *this;
    }
    Vse& avec(numFinVSE f, const std::string& v) {
        F[f] = v;
        return *this;
    }
    // Puts `v` in the body from the 1-based line position on (63-230).
    Vse& corpsA(int position, const std::string& v);
    std::string ligne() const;
};

// A valid FICH record of the program announcing `nbVSE` records: transaction
// "INF", C1 "FIC0000000000001", C3 the count, the other counters zero.
Vse fich(Programme p, int nbVSE);
// A VSE of the given type and transaction whose header and trailer pass every
// frame rule of the program, with a body that every rule of the type's layout
// accepts where one is known (tests/corps.hpp), blank otherwise, and the result
// code "10" received in 77-78 (what every program lets through from a
// non-partner).
Vse vseType(Programme p, const std::string& type = "NAIS", const std::string& e5 = "CRE");

// Three files of a program: accepted (0), answered by an error reply (2),
// stopped for want of a record after the FICH record (1).
struct Contenu {
    const char* nom;
    std::string octets;
    int statut;
};
std::vector<Contenu> contenus(Programme p);

// The lines joined, each followed by `fin` ("\r\n", "\n" or "\r").
std::string fichier(const std::vector<std::string>& lignes, const std::string& fin = "\n");
// The records of a file: the texts between line ends (CR LF, LF or CR).
std::vector<std::string> enregistrements(const std::string& contenu);

// Replaces, by '#', the 14 date and time digits of the trailers that hold the
// run's local time: every ERRE record written by a program (positions 19-25
// "ERRERRE") and the record of an error reply (positions 19-25 "INFFICH" with
// "1" at 125). Trailers whose 14 characters are not all digits are kept, so a
// malformed time stamp still shows in a comparison.
std::string masquerHorodatages(const std::string& contenu);
// The masked trailer: "##############025        *".
std::string horodatageMasque();

// ---------------------------------------------------------------- files

std::string lire(const std::filesystem::path& p);
void ecrire(const std::filesystem::path& p, const std::string& contenu);
// Names of the entries of a directory, sorted.
std::vector<std::string> contenuDe(const std::filesystem::path& rep);

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class RepertoireTemporaire {
public:
    RepertoireTemporaire();
    ~RepertoireTemporaire();
    RepertoireTemporaire(const RepertoireTemporaire&) = delete;
    RepertoireTemporaire& operator=(const RepertoireTemporaire&) = delete;
    const std::filesystem::path& chemin() const { return chemin_; }
    // Path of an entry of the directory, as text.
    std::string operator/(const std::string& nom) const { return (chemin_ / nom).string(); }

private:
    std::filesystem::path chemin_;
};

// An engine of a program with its output and error files open on scratch
// files, so that lines can be driven through traitement() one by one.
class Banc {
public:
    explicit Banc(const Pack& pack);
    Moteur& operator*() { return *m_; }
    Moteur* operator->() { return m_.get(); }
    // What the output and error files hold so far.
    std::string emis();
    std::string erre();

private:
    RepertoireTemporaire rep_;
    std::unique_ptr<Moteur> m_;
};

// ---------------------------------------------------------------- running

struct Execution {
    int statut = -1;  // exit status; 128 + signal number when killed by a signal
    std::string sortie;
    std::string erreurs;
};

// Runs `programme` with `arguments` (argv[0] is the program path), standard
// input empty, in `repertoire` when given; captures standard output and error.
Execution executer(const std::string& programme, const std::vector<std::string>& arguments,
                   const std::filesystem::path& repertoire = {});
// Runs a built program. A run without option over a regular file is checked
// against a witness run: the same program with -i, on a copy of the same
// input, in a scratch directory. The console report is drawn from the run's
// hook; asking for it must change no answer (exit status, output file and
// log message, time stamps aside). A difference is handed to signalerEcart.
Execution executer(Programme p, const std::vector<std::string>& arguments,
                   const std::filesystem::path& repertoire = {});

// Where executer reports a witness run that answered differently (the tests
// set it to a failure of the current test; by default it is written on the
// error stream).
extern void (*signalerEcart)(const std::string& message);

}  // namespace vse::outils
