// The start of a run: the command line, the file names and the files, in the
// order that leaves the input recoverable at every failure.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "engine/interne.hpp"
#include "engine/moteur.hpp"
#include "rules/texte.hpp"

namespace vse {

namespace {

const char* const USAGE =
    "\n Usage : delvoran [-i|-d|-v] <fichier a traiter> <fichier a emettre> <fichier log>\n \n"
    "         -i : resultats des traitements des VSE \n"
    "              vers la console sous forme informatique\n"
    "         -d : resultats des traitements des VSE\n"
    "              vers la console sous forme d\xe9" "cript\xe9" "e\n"
    "         -v : donne la version de delvoran\n ";

namespace fs = std::filesystem;

// The place a path designates: absolute, with "." and ".." and symbolic
// links resolved (the file need not exist yet); empty when it cannot be told.
fs::path lieu(const std::string& chemin) {
    std::error_code ec;
    const fs::path absolu = fs::absolute(chemin, ec);
    if (ec) return {};
    const fs::path resolu = fs::weakly_canonical(absolu, ec);
    return ec ? fs::path() : resolu;
}

// What tells whether two names designate one file: their text, the place they
// designate, and, for an existing file, its device and inode (two hard links).
struct Designation {
    std::string texte;
    fs::path place;
    bool existe = false;
    dev_t dev = 0;
    ino_t ino = 0;

    explicit Designation(const std::string& chemin) : texte(chemin), place(lieu(chemin)) {
        struct stat st{};
        if (::stat(chemin.c_str(), &st) == 0) {
            existe = true;
            dev = st.st_dev;
            ino = st.st_ino;
        }
    }
    bool memeFichier(const Designation& o) const {
        return texte == o.texte || (!place.empty() && place == o.place) ||
               (existe && o.existe && dev == o.dev && ino == o.ino);
    }
};

// The file a symbolic link leads to, through a chain of links, even when the
// last one dangles (the answer is then created where it points); the path
// itself when it is no link.
std::string cibleDuLien(const std::string& chemin) {
    fs::path p = chemin;
    std::error_code ec;
    for (int i = 0; i < 40 && fs::is_symlink(p, ec); ++i) {
        const fs::path cible = fs::read_symlink(p, ec);
        if (ec) return chemin;
        p = cible.is_absolute() ? cible : p.parent_path() / cible;
    }
    if (p == fs::path(chemin)) return chemin;
    const fs::path l = lieu(p.string());
    return l.empty() ? p.string() : l.string();
}

// A name between single quotes for a shell.
std::string pourLeShell(const std::string& nom) {
    std::string r = "'";
    for (char c : nom) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

// Directory of a path with one separator after it, where temporary files go.
std::string repertoireTemporaire(const std::string& chemin) {
    return nomDuFic(chemin) == chemin ? std::string("./") : nomDuRep2(chemin);
}

}  // namespace

int Moteur::verificationParametre(int argc, char** argv, int& premier) {
    int erreurs = 0;
    int i = 1;
    for (; i < argc; ++i) {
        const char* a = argv[i];
        if (a[0] != '-' || a[1] == '\0') break;
        if (egal(a, "--")) {
            ++i;
            break;
        }
        for (int k = 1; a[k] != '\0'; ++k) {
            const char c = a[k];
            if (c == 'd') {
                visu = dgVisu;
            } else if (c == 'i') {
                visu = infVisu;
            } else if (c == 'v') {
                std::printf("%s\n", pack.version);
                return 3;
            } else if (c == 'D') {
                // -D takes a value, joined or in the next word, and ignores it.
                if (a[k + 1] == '\0') {
                    if (i + 1 < argc) {
                        ++i;
                    } else {
                        std::fprintf(stderr, "%s: option requires an argument -- %c\n", argv[0], c);
                        ++erreurs;
                    }
                }
                break;
            } else {
                std::fprintf(stderr, "%s: illegal option -- %c\n", argv[0], c);
                ++erreurs;
            }
        }
    }
    if (erreurs > 0 || argc - i != 3) {
        std::fputs(USAGE, stdout);
        return 3;
    }
    premier = i;
    return 0;
}

void Moteur::prepareVSEDate() { interne::horodatage(VSEDate, sizeof VSEDate); }

// What stands under the input's temporary name is the input of another run:
// one still going holds its lock, and nothing is touched; one that died (or
// stopped leaving it there) left it unlocked, and the operator is told the
// command that gives it back. Either way this input is not moved over it.
int Moteur::entreePrecedente() {
    struct stat st{};
    if (es.etatNom(name_tmp_recu.c_str(), &st) != 0) {
        if (errno == ENOENT) return 0;
        std::perror("rename");
        journal.consigner(msg::IG009);
        return 1;
    }
    const int fd = S_ISREG(st.st_mode) ? es.ouvrir(name_tmp_recu.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0)
                                       : -1;
    const bool libre = fd >= 0 && es.verrouiller(fd, LOCK_EX | LOCK_NB) == 0;
    const bool tenu = fd >= 0 && !libre && errno == EWOULDBLOCK;
    if (fd >= 0) es.fermer(fd);
    if (!libre) {
        if (tenu) {
            std::fprintf(stderr, "rename: %s : fichier en cours de traitement par une autre ex\xe9" "cution\n",
                         name_tmp_recu.c_str());
        } else {
            errno = EEXIST;
            std::perror("rename");
        }
        journal.consigner(msg::IG009);
        return 1;
    }
    const bool aussi = es.etatNom(name_recu.c_str(), &st) == 0 || errno != ENOENT;
    std::fprintf(stderr,
                 "%s : fichier \xe0 traiter laiss\xe9 sous ce nom par un traitement interrompu ; %spour le rendre : "
                 "mv -- %s %s\n",
                 name_tmp_recu.c_str(),
                 aussi ? "un autre fichier porte son nom, d\xe9placez-le d'abord, puis " : "",
                 pourLeShell(name_tmp_recu).c_str(), pourLeShell(name_recu).c_str());
    journal.consigner(msg::IG017);
    return 1;
}

void Moteur::relacherEntree() {
    recu.fermer();
    if (fdRecu >= 0) es.fermer(fdRecu);
    fdRecu = -1;
}

int Moteur::ouvrirFichiers() {
    // An output name that is a symbolic link is answered through it: the
    // answer replaces the file it points to (or is created where a dangling
    // link points), and the temporary files are made beside that file, so
    // that the last rename stays on one file system.
    name_emis = cibleDuLien(name_emis);
    const std::string fic = nomDuFic(name_recu);
    rep_recu = repertoireTemporaire(name_recu);
    rep_emis = repertoireTemporaire(name_emis);
    name_tmp_recu = rep_recu + fic + "_r" + pack.suffixeTemporaire;
    name_tmp_emis = rep_emis + fic + "_e" + pack.suffixeTemporaire;
    name_erre = rep_emis + fic + "_o" + pack.suffixeTemporaire;

    // Every name of the run is written, moved or removed: two of them naming
    // one file would destroy the input or the answer (the output given as the
    // input's temporary name would empty the input; given as the error file's
    // name, it would be removed once answered). Nothing is opened yet.
    const Designation noms[] = {Designation(name_recu),     Designation(name_emis),     Designation(name_log),
                                Designation(name_tmp_recu), Designation(name_tmp_emis), Designation(name_erre)};
    for (std::size_t i = 0; i < std::size(noms); ++i) {
        for (std::size_t j = i + 1; j < std::size(noms); ++j) {
            if (noms[i].memeFichier(noms[j])) {
                std::fprintf(stderr,
                             "Le fichier \xe0 traiter, le fichier \xe0 \xe9mettre, le fichier log et les fichiers "
                             "temporaires doivent \xea" "tre distincts : %s et %s\n",
                             noms[i].texte.c_str(), noms[j].texte.c_str());
                return 1;
            }
        }
    }
    if (!journal.ouvrir(name_log)) {
        std::perror("Ouverture du fichier log");
        return 1;
    }
    if (const int r = entreePrecedente(); r != 0) return r;

    // An input that is no regular file stays where it is: a directory cannot
    // be read as lines, and a FIFO or a device would block the run or be moved
    // away from where the system expects it.
    struct stat st{};
    if (es.etatNom(name_recu.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        std::fprintf(stderr, "Ouverture du fichier \xe0 traiter: %s n'est pas un fichier ordinaire\n",
                     name_recu.c_str());
        journal.consigner(msg::IG003);
        return 1;
    }
    // The output name is only looked at: an answer replaces a regular file
    // there, anything else stays and the input is not moved.
    bool sortieExiste = false;
    if (es.etatNom(name_emis.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            std::fprintf(stderr, "Ouverture du fichier r\xe9sultat: %s n'est pas un fichier ordinaire\n",
                         name_emis.c_str());
            journal.consigner(msg::IG003);
            return 1;
        }
        sortieExiste = true;
    } else if (errno != ENOENT) {
        std::perror("Ouverture du fichier r\xe9sultat");
        journal.consigner(msg::IG003);
        return 1;
    }

    // The input is opened once and read through that descriptor for the whole
    // run; its lock is taken before it is moved aside, so that its temporary
    // name is never seen unlocked while this run lives.
    fdRecu = es.ouvrir(name_recu.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fdRecu < 0) {
        std::perror("Ouverture du fichier \xe0 traiter");
        journal.consigner(msg::IG003);
        return 1;
    }
    struct stat entree{};
    const bool vu = es.etat(fdRecu, &entree) == 0;
    if (!vu || !S_ISREG(entree.st_mode)) {
        if (!vu) {
            std::perror("Ouverture du fichier \xe0 traiter");
        } else {
            std::fprintf(stderr, "Ouverture du fichier \xe0 traiter: %s n'est pas un fichier ordinaire\n",
                         name_recu.c_str());
        }
        journal.consigner(msg::IG003);
        relacherEntree();
        return 1;
    }
    if (es.verrouiller(fdRecu, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        std::fprintf(stderr, "rename: %s : fichier en cours de traitement par une autre ex\xe9" "cution\n",
                     name_recu.c_str());
        journal.consigner(msg::IG009);
        relacherEntree();
        return 1;
    }
    // Locked: the name must still lead to the file opened (another run may
    // have consumed it, and a new file taken its name, in between).
    if (es.etatNom(name_recu.c_str(), &st) != 0 || st.st_dev != entree.st_dev || st.st_ino != entree.st_ino) {
        std::fprintf(stderr, "rename: %s : fichier remplac\xe9 pendant son ouverture\n", name_recu.c_str());
        journal.consigner(msg::IG009);
        relacherEntree();
        return 1;
    }
    if (signalRecu != 0) {
        signalerSignal();
        relacherEntree();
        journal.consigner(msg::IG016);
        return 1;
    }
    if (es.renommer(name_recu.c_str(), name_tmp_recu.c_str()) != 0) {
        std::perror("rename");
        journal.consigner(msg::IG009);
        relacherEntree();
        return 1;
    }
    // From here on the input stands under its temporary name.
    entreeDeplacee = entreePrise = true;
    recu.emprunter(fdRecu);

    // Nothing stands under the output name until the whole answer is renamed
    // onto it: the earlier answer goes now.
    if (sortieExiste && es.supprimer(name_emis.c_str()) != 0 && errno != ENOENT) {
        std::perror("Ouverture du fichier r\xe9sultat");
        std::fprintf(stderr, "Suppression impossible, fichier laiss\xe9 en place : %s\n", name_emis.c_str());
        journal.consigner(msg::IG003);
        relacherEntree();
        return 1;
    }

    // The output's directory must exist for the answer to be created there.
    if (es.etatNom(rep_emis.c_str(), &st) != 0) {
        std::perror("Ouverture du fichier r\xe9sultat");
        journal.consigner(msg::IG003);
        relacherEntree();
        return 1;
    }

    // The temporary files hold the input's data: they get its permissions.
    const mode_t mode = entree.st_mode & 0777;
    if (!emis.creer(name_tmp_emis, mode)) {
        std::perror("Ouverture du fichier r\xe9sultat temporaire");
        journal.consigner(msg::IG004);
        relacherEntree();
        return 1;
    }
    if (!erre.creer(name_erre, mode)) {
        std::perror("Ouverture du fichier des erreurs");
        journal.consigner(msg::IG002);
        relacherEntree();
        emis.abandonner();
        supprimerOuSignaler(name_tmp_emis);
        return 1;
    }
    // The place of the file record, written over at the end of the run.
    char blancs[LG_VSE];
    std::memset(blancs, ' ', sizeof blancs);
    emis.ecrire(blancs, sizeof blancs);
    erre.ecrire(blancs, sizeof blancs);
    return 0;
}

}  // namespace vse
