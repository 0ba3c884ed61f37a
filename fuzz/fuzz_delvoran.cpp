// Fuzz target: one whole run of a program over the fuzzed bytes as its input
// file, in a private scratch directory, sometimes with one file call made to
// fail. The first byte picks the program and the console option, the second a
// fault (most values: none); the rest is the input file.
//
// After every run: the promises of every run (tests/pannes.hpp) hold, and the
// answer is sound: every record written is 256 characters with the input's
// line ends; status 0 writes the rebuilt file record then every input record,
// in order, with the program's result code; status 2 writes only ERRE records
// after a file record whose counters match them.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/moteur.hpp"
#include "packs/d/pack.hpp"
#include "packs/l/pack.hpp"
#include "packs/main/pack.hpp"
#include "packs/pf/pack.hpp"
#include "tests/pannes.hpp"

namespace {

namespace fs = std::filesystem;
using namespace vse::pannes;

struct Programme {
    const vse::Pack* pack;
    const char* nom;
    const char* suffixe;
    char resultat;  // the digit written in position 77 of accepted records
};
const Programme programmes[] = {
    {&vse::principal::pack, "delvoran", "", '4'},
    {&vse::pf::pack, "delvoranpf", "_pf", '2'},
    {&vse::l::pack, "delvoranl", "", '1'},
    {&vse::d::pack, "delvorand", "", '1'},
};

fs::path repertoire;

[[noreturn]] void echec(const std::string& quoi, const std::string& detail = {}) {
    std::fprintf(stderr, "\n*** invariant rompu : %s\n%s\n", quoi.c_str(), detail.c_str());
    std::abort();
}

// The lines of an input as the program reads them: each text up to its line
// end (CR LF, LF or CR); reading stops at Ctrl-Z or at the end, and a last
// line without line end is no line. `fin`: the line end of the first line.
struct Lignes {
    std::vector<std::string> lignes;
    std::string fin;
};
Lignes decouper(const std::string& s) {
    Lignes r;
    std::string courante;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\x1a') break;
        if (c != '\r' && c != '\n') {
            courante += c;
            continue;
        }
        std::string fin(1, c);
        if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            fin = "\r\n";
            ++i;
        }
        if (r.lignes.empty()) r.fin = fin;
        r.lignes.push_back(courante);
        courante.clear();
    }
    return r;
}

int nombre(const std::string& s, std::size_t debut, std::size_t lg) {
    int n = 0;
    for (std::size_t i = debut; i < debut + lg; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        n = n * 10 + (s[i] - '0');
    }
    return n;
}

// The records of an answer, each followed by the line end `fin`.
std::vector<std::string> enregistrementsDe(const std::string& reponse, const std::string& fin) {
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < reponse.size()) {
        if (reponse.size() - i < 256 + fin.size()) echec("enregistrement incomplet", reponse.substr(i));
        const std::string rec = reponse.substr(i, 256);
        for (char c : rec) {
            if (c == '\r' || c == '\n') echec("fin de ligne dans un enregistrement", rec);
        }
        if (reponse.compare(i + 256, fin.size(), fin) != 0) echec("fin de ligne autre que celle de l'entree", rec);
        r.push_back(rec);
        i += 256 + fin.size();
    }
    return r;
}

// The run's time stamp: 14 digits, "025", 8 blanks, "*".
void horodatage(const std::string& rec) {
    if (nombre(rec, 230, 8) < 0 || nombre(rec, 238, 6) < 0 || rec.compare(244, 12, "025        *") != 0)
        echec("horodatage", rec);
}

void verifierAccepte(const Programme& p, const Lignes& entree, const std::string& reponse) {
    const std::vector<std::string> rec = enregistrementsDe(reponse, entree.fin);
    if (rec.empty() || rec.size() != entree.lignes.size()) echec("nombre d'enregistrements acceptes");
    const std::string& fich = rec[0];
    if (fich.compare(18, 7, "INFFICH") != 0) echec("enregistrement du fichier accepte", fich);
    if (nombre(fich, 112, 6) != static_cast<int>(rec.size()) - 1) echec("compte du fichier accepte", fich);
    for (std::size_t i = 1; i < rec.size(); ++i) {
        std::string attendu = entree.lignes[i];
        if (attendu.size() != 256) echec("ligne acceptee de " + std::to_string(attendu.size()) + " caracteres");
        if (attendu.compare(18, 7, "ECQERRE") != 0) {
            attendu[76] = p.resultat;
            attendu[77] = '0';
        }
        if (rec[i] != attendu) echec("enregistrement accepte " + std::to_string(i), rec[i] + "\n" + attendu);
    }
}

void verifierReponse(const Lignes& entree, const std::string& reponse) {
    const std::vector<std::string> rec = enregistrementsDe(reponse, entree.fin);
    if (rec.size() < 2) echec("reponse sans enregistrement ERRE");
    const std::string& tete = rec[0];
    if (tete.compare(18, 7, "INFFICH") != 0 || tete[124] != '1') echec("enregistrement de la reponse", tete);
    horodatage(tete);
    const int nbErr = nombre(tete, 94, 6);
    const int nbVSE = nombre(tete, 100, 6);
    const int acceptes = nombre(tete, 112, 6);
    if (nbErr != static_cast<int>(rec.size()) - 1 || nombre(tete, 106, 6) != nbErr) echec("compte des erreurs", tete);
    if (nbVSE != static_cast<int>(entree.lignes.size()) - 1) echec("compte des VSE", tete);
    if (acceptes != nbVSE - nbErr && acceptes != nbVSE - nbErr + 1) echec("compte des acceptes", tete);
    for (std::size_t i = 1; i < rec.size(); ++i) {
        const std::string& e = rec[i];
        if (e.compare(18, 7, "ERRERRE") != 0 || e.compare(26, 8, "INTERFAC") != 0) echec("pas un ERRE", e);
        std::size_t k = 111;
        while (k + 5 <= 230 && e[k] == 'I' && nombre(e, k + 1, 3) >= 0 && e[k + 4] == '1') k += 5;
        const std::size_t nbCodes = (k - 111) / 5;
        if (nbCodes < 1 || nbCodes > 10) echec("codes d'erreur", e);
        if (e.find_first_not_of(' ', k) != 230) echec("apres les codes d'erreur", e);
        horodatage(e);
    }
}

void vider() {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(repertoire, ec)) fs::remove_all(e.path(), ec);
}

// The faults a second byte may ask for: (operation, rank 1-5), from 0xE0 on.
Panne panneDe(std::uint8_t b) {
    if (b < 0xE0) return {};
    const int i = b - 0xE0;
    const Op op = toutesLesOps[i % NB_OPS];
    const int erreur = op == Op::lire || op == Op::synchroniser                   ? EIO
                       : op == Op::ecrire || op == Op::ecrireA || op == Op::fermer ? ENOSPC
                       : op == Op::verrouiller                                     ? EWOULDBLOCK
                                                                                   : EACCES;
    return {op, i / NB_OPS + 1, erreur, Genre::echec};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // In memory where it can be: every answer is synced to the disk, which on
    // a disk costs milliseconds a run.
    for (const char* base : {"/dev/shm", "/tmp"}) {
        std::string modele = std::string(base) + "/vse_fuzz_XXXXXX";
        if (::mkdtemp(modele.data()) != nullptr) {
            repertoire = modele;
            break;
        }
    }
    if (repertoire.empty()) echec("mkdtemp");
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(repertoire, ec);
    });
    // The -i and -d reports go nowhere.
    const int nul = ::open("/dev/null", O_WRONLY);
    if (nul >= 0) ::dup2(nul, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const Programme& p = programmes[data[0] & 3];
    const int option = (data[0] >> 2) & 7;
    const Panne panne = panneDe(data[1]);
    const std::string contenu(reinterpret_cast<const char*>(data) + 2, size - 2);

    vider();
    const Lieux l = lieux((repertoire / "EXP_0042_in.vse").string(), (repertoire / "out.vse").string(),
                          (repertoire / "run.log").string(), p.suffixe);
    {
        std::ofstream f(l.entree, std::ios::binary);
        f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    }
    std::vector<std::string> mots{p.nom};
    if (option == 1) mots.push_back("-i");
    if (option == 2) mots.push_back("-d");
    mots.insert(mots.end(), {l.entree, l.sortie, l.journal});
    std::vector<char*> argv;
    for (std::string& m : mots) argv.push_back(m.data());
    argv.push_back(nullptr);

    // Under a fault the error stream is kept: it must name what was left.
    const std::string capture = (repertoire / ".erreurs").string();
    int sauve = -1;
    if (panne.rang != 0) {
        std::fflush(stderr);
        sauve = ::dup(2);
        const int fd = ::open(capture.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, 2);
        ::close(fd);
    }
    armer(panne);
    int statut;
    {
        const auto m = std::make_unique<vse::Moteur>(*p.pack, operations());
        statut = m->delvoran(static_cast<int>(mots.size()), argv.data());
    }
    std::fflush(stdout);
    std::string erreurs;
    if (sauve >= 0) {
        std::fflush(stderr);
        ::dup2(sauve, 2);
        ::close(sauve);
        erreurs = lireFichier(capture);
        ::unlink(capture.c_str());
    }
    const Constat c = constater(l, statut, erreurs, contenu);
    const std::vector<std::string> v = violations(l, c);
    if (!v.empty()) {
        std::string tout;
        for (const std::string& x : v) tout += x + "\n";
        echec("promesse d'une execution (statut " + std::to_string(statut) + ")", tout + c.erreurs);
    }
    if (statut == 0 || statut == 2) {
        const Lignes entree = decouper(contenu);
        const std::string reponse = lireFichier(l.sortie);
        if (statut == 0) verifierAccepte(p, entree, reponse);
        if (statut == 2) verifierReponse(entree, reponse);
    }
    return 0;
}
