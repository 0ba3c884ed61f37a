#include "tests/pannes.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <map>
#include <new>
#include <regex>
#include <sstream>

namespace vse::pannes {

namespace {

struct Etat {
    Comptes comptes{};
    int total = 0;
    Panne panne;
    bool plein = false;  // the disk is full: every write fails
    Regle regle;
    std::map<int, std::string> chemins;  // descriptor -> name it was opened under
    std::vector<std::string> touchees;
    std::vector<Appel> appels;
};

Etat& etat() {
    static Etat e;
    return e;
}

std::string cheminDe(int fd) {
    const auto it = etat().chemins.find(fd);
    return it != etat().chemins.end() ? it->second : std::string();
}

// Records and counts the call; true when it is the one that must go wrong.
// A cut, a lack of memory and a signal happen here, before the call.
bool compter(Op op, const std::string& chemin, const char* chemin2 = nullptr) {
    Etat& e = etat();
    e.appels.push_back({op, chemin, chemin2 != nullptr ? chemin2 : ""});
    const int rang = ++e.comptes[static_cast<std::size_t>(op)];
    ++e.total;
    const bool celuiCi = e.panne.rang != 0 && (e.panne.toutesOps ? e.panne.rang == e.total
                                                                 : e.panne.op == op && e.panne.rang == rang);
    if (!celuiCi) return false;
    switch (e.panne.genre) {
        case Genre::coupure: ::_exit(99);
        case Genre::memoire: throw std::bad_alloc();
        case Genre::signal: vse::signalRecu = SIGTERM; return false;
        default: return true;
    }
}
bool compter(Op op, int fd) { return compter(op, cheminDe(fd)); }

int echouer(int erreur, const std::string& chemin) {
    etat().touchees.push_back(chemin);
    errno = erreur;
    return -1;
}

int selonRegle(Op op, const char* chemin, const char* chemin2, int drapeaux) {
    return etat().regle ? etat().regle(op, chemin, chemin2, drapeaux) : 0;
}

int ouvrir(const char* chemin, int drapeaux, mode_t mode) {
    const bool panne = compter(Op::ouvrir, chemin);
    if (panne) return echouer(etat().panne.genre == Genre::interrompue ? EINTR : etat().panne.erreur, chemin);
    if (const int r = selonRegle(Op::ouvrir, chemin, nullptr, drapeaux); r != 0) return echouer(r, chemin);
    const int fd = ::open(chemin, drapeaux, mode);
    if (fd >= 0) etat().chemins[fd] = chemin;
    return fd;
}

std::size_t moitie(std::size_t n) { return n > 1 ? n / 2 : n; }

ssize_t lire(int fd, void* tampon, std::size_t n) {
    if (compter(Op::lire, fd)) {
        switch (etat().panne.genre) {
            case Genre::courte:
            case Genre::disquePlein: return ::read(fd, tampon, moitie(n));
            case Genre::interrompue: return echouer(EINTR, cheminDe(fd));
            default: return echouer(etat().panne.erreur, cheminDe(fd));
        }
    }
    return ::read(fd, tampon, n);
}

// Writes through `ecrit` (a write or a pwrite of k bytes), under the fault.
template <typename Ecrit>
ssize_t ecrireSous(Op op, int fd, std::size_t n, Ecrit ecrit) {
    Etat& e = etat();
    if (compter(op, fd)) {
        switch (e.panne.genre) {
            case Genre::courte: return ecrit(moitie(n));
            case Genre::disquePlein: e.plein = true; return ecrit(moitie(n));
            case Genre::interrompue: return echouer(EINTR, cheminDe(fd));
            default: return echouer(e.panne.erreur, cheminDe(fd));
        }
    }
    if (e.plein) return echouer(ENOSPC, cheminDe(fd));
    return ecrit(n);
}

ssize_t ecrire(int fd, const void* tampon, std::size_t n) {
    return ecrireSous(Op::ecrire, fd, n, [&](std::size_t k) { return ::write(fd, tampon, k); });
}

ssize_t ecrireA(int fd, const void* tampon, std::size_t n, off_t position) {
    return ecrireSous(Op::ecrireA, fd, n, [&](std::size_t k) { return ::pwrite(fd, tampon, k, position); });
}

int fermer(int fd) {
    const bool panne = compter(Op::fermer, fd);
    const std::string chemin = cheminDe(fd);
    etat().chemins.erase(fd);
    // A failed close releases the descriptor all the same.
    const int r = ::close(fd);
    if (panne) return echouer(etat().panne.genre == Genre::interrompue ? EINTR : etat().panne.erreur, chemin);
    return r;
}

int renommer(const char* de, const char* vers) {
    if (compter(Op::renommer, de, vers)) return echouer(etat().panne.erreur, de);
    if (const int r = selonRegle(Op::renommer, de, vers, 0); r != 0) return echouer(r, de);
    return ::rename(de, vers);
}

int supprimer(const char* chemin) {
    if (compter(Op::supprimer, chemin)) return echouer(etat().panne.erreur, chemin);
    if (const int r = selonRegle(Op::supprimer, chemin, nullptr, 0); r != 0) return echouer(r, chemin);
    return ::unlink(chemin);
}

int synchroniser(int fd) {
    if (compter(Op::synchroniser, fd)) return echouer(etat().panne.erreur, cheminDe(fd));
    return ::fsync(fd);
}

int verrouiller(int fd, int operation) {
    if (compter(Op::verrouiller, fd)) return echouer(etat().panne.erreur, cheminDe(fd));
    return ::flock(fd, operation);
}

int etatFd(int fd, struct stat* st) {
    if (compter(Op::etat, fd)) return echouer(etat().panne.erreur, cheminDe(fd));
    return ::fstat(fd, st);
}

int etatNom(const char* chemin, struct stat* st) {
    if (compter(Op::etatNom, chemin)) return echouer(etat().panne.erreur, chemin);
    return ::stat(chemin, st);
}

constexpr OperationsFichier avecPannes{ouvrir,   lire,         ecrire,      ecrireA, fermer, renommer,
                                       supprimer, synchroniser, verrouiller, etatFd,  etatNom};

}  // namespace

const char* nom(Op op) {
    switch (op) {
        case Op::ouvrir: return "ouvrir";
        case Op::lire: return "lire";
        case Op::ecrire: return "ecrire";
        case Op::ecrireA: return "ecrireA";
        case Op::fermer: return "fermer";
        case Op::renommer: return "renommer";
        case Op::supprimer: return "supprimer";
        case Op::synchroniser: return "synchroniser";
        case Op::verrouiller: return "verrouiller";
        case Op::etat: return "etat";
        case Op::etatNom: return "etatNom";
    }
    return "?";
}

const OperationsFichier& operations() { return avecPannes; }

void armer(const Panne& p) {
    Etat& e = etat();
    e.comptes = {};
    e.total = 0;
    e.appels.clear();
    e.panne = p;
    vse::signalRecu = 0;
    e.plein = false;
    e.regle = nullptr;
    e.touchees.clear();
}

void regle(Regle r) { etat().regle = std::move(r); }

const Comptes& comptes() { return etat().comptes; }
int total() { return etat().total; }
const std::vector<Appel>& appels() { return etat().appels; }
const std::vector<std::string>& touchees() { return etat().touchees; }

// ---------------------------------------------------------------- what a run leaves

namespace {
std::string repertoireDe(const std::string& chemin) {
    const std::size_t i = chemin.rfind('/');
    return i == std::string::npos ? std::string("./") : chemin.substr(0, i + 1);
}
std::string fichierDe(const std::string& chemin) {
    const std::size_t i = chemin.rfind('/');
    return i == std::string::npos ? chemin : chemin.substr(i + 1);
}
}  // namespace

Lieux lieux(const std::string& entree, const std::string& sortie, const std::string& journal,
            const std::string& suffixe) {
    const std::string fic = fichierDe(entree);
    const std::string repSortie = repertoireDe(sortie);
    return {entree,
            sortie,
            journal,
            repertoireDe(entree) + fic + "_r" + suffixe,
            repSortie + fic + "_e" + suffixe,
            repSortie + fic + "_o" + suffixe};
}

std::string lireFichier(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool existe(const std::string& chemin) {
    struct stat st {};
    return ::lstat(chemin.c_str(), &st) == 0;
}

bool gardeSousTemporairePermise(const Lieux& l) {
    if (compte(Op::lire) == 0) return true;
    const std::vector<std::string>& t = touchees();
    return std::find(t.begin(), t.end(), l.tmpRecu) != t.end();
}

Constat constater(const Lieux& l, int statut, const std::string& erreurs, const std::string& contenu) {
    Constat c;
    c.statut = statut;
    c.erreurs = erreurs;
    c.contenu = contenu;
    c.gardeSousTemporaire = gardeSousTemporairePermise(l);
    for (const std::string& t : touchees()) c.panneSurJournal = c.panneSurJournal || t == l.journal;
    return c;
}

std::vector<std::string> violations(const Lieux& l, const Constat& c) {
    std::vector<std::string> v;
    const auto nomme = [&](const std::string& chemin) { return c.erreurs.find(chemin) != std::string::npos; };
    // A file that should be gone is either gone or named on the error stream.
    const auto parti = [&](const std::string& chemin, const char* quoi) {
        if (existe(chemin) && !nomme(chemin)) v.push_back(std::string(quoi) + " laisse sans le dire : " + chemin);
    };

    if (c.statut != 0 && c.statut != 1 && c.statut != 2) {
        v.push_back("statut " + std::to_string(c.statut));
        return v;
    }
    if (c.statut != 1) {
        if (!existe(l.sortie)) v.push_back("statut " + std::to_string(c.statut) + " sans reponse");
        if (existe(l.journal) && !lireFichier(l.journal).empty()) v.push_back("journal non vide : " + lireFichier(l.journal));
        if (existe(l.entree)) v.push_back("entree encore la apres un succes");
        parti(l.tmpRecu, "entree temporaire");
        parti(l.tmpEmis, "fichier resultat temporaire");
        parti(l.tmpErre, "fichier d'erreur temporaire");
        return v;
    }

    // A stop: the input given back whole, no answer, the reason logged.
    if (existe(l.entree)) {
        if (lireFichier(l.entree) != c.contenu) v.push_back("entree alteree");
        if (existe(l.tmpRecu)) v.push_back("entree aussi sous son nom temporaire");
    } else if (existe(l.tmpRecu)) {
        if (!c.gardeSousTemporaire) v.push_back("entree laissee sous son nom temporaire");
        if (lireFichier(l.tmpRecu) != c.contenu) v.push_back("entree temporaire alteree");
    } else {
        v.push_back("entree perdue");
    }
    parti(l.sortie, "sortie");
    parti(l.tmpEmis, "fichier resultat temporaire");
    parti(l.tmpErre, "fichier d'erreur temporaire");

    static const std::regex ligneDatee(
        "Le [0-3][0-9]/[01][0-9]/[0-9]{4} a [0-2][0-9]:[0-5][0-9]:[0-6][0-9] : I(G[0-9]{3}|073|099)[: ][^\n]*\n");
    const std::string journal = existe(l.journal) ? lireFichier(l.journal) : std::string();
    if (!std::regex_match(journal, ligneDatee)) {
        const bool ditAilleurs = c.erreurs.find("Ecriture du fichier log impossible") != std::string::npos ||
                                 c.erreurs.find("Ouverture du fichier log") != std::string::npos;
        if (!(c.panneSurJournal && ditAilleurs)) v.push_back("journal sans sa ligne datee : [" + journal + "]");
    }
    return v;
}

}  // namespace vse::pannes
