// The start of a run: the command line, the file names and the files, in the
// order that leaves the input recoverable at every failure.
#include <fcntl.h>
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

// True when the path names something that exists and is not a regular file:
// a directory cannot be read as lines, and a FIFO or a device would block the
// run or be moved away from where the system expects it.
bool autreQuUnFichier(const std::string& chemin) {
    std::error_code ec;
    const fs::file_status s = fs::status(chemin, ec);
    return !ec && fs::exists(s) && !fs::is_regular_file(s);
}

// True when anything, even a dangling symbolic link, stands under the path.
bool occupe(const std::string& chemin) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(chemin, ec));
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

int Moteur::ouvrirFichiers() {
    // An output name that is a symbolic link is answered through it: the
    // answer replaces the file it points to (emptying that file and then
    // replacing the link would leave the target empty), and the temporary
    // files are made beside that file, so that the last rename stays on one
    // file system.
    {
        std::error_code ec;
        if (fs::is_symlink(name_emis, ec)) {
            const fs::path cible = lieu(name_emis);
            if (!cible.empty()) name_emis = cible.string();
        }
    }
    const std::string fic = nomDuFic(name_recu);
    name_tmp_recu = repertoireTemporaire(name_recu) + fic + "_r" + pack.suffixeTemporaire;
    const std::string repSortie = repertoireTemporaire(name_emis);
    name_tmp_emis = repSortie + fic + "_e" + pack.suffixeTemporaire;
    name_erre = repSortie + fic + "_o" + pack.suffixeTemporaire;

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
    if (autreQuUnFichier(name_recu)) {
        std::fprintf(stderr, "Ouverture du fichier \xe0 traiter: %s n'est pas un fichier ordinaire\n",
                     name_recu.c_str());
        journal.consigner(msg::IG003);
        return 1;
    }
    const int essai = es.ouvrir(name_recu.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (essai < 0) {
        std::perror("Ouverture du fichier \xe0 traiter");
        journal.consigner(msg::IG003);
        return 1;
    }
    es.fermer(essai);

    // What stands under the temporary name is the input of an earlier run that
    // did not end, or of a run still going: moving this input over it would
    // lose that one.
    if (occupe(name_tmp_recu)) {
        errno = EEXIST;
        std::perror("rename");
        journal.consigner(msg::IG009);
        return 1;
    }
    if (es.renommer(name_recu.c_str(), name_tmp_recu.c_str()) != 0) {
        std::perror("rename");
        journal.consigner(msg::IG009);
        return 1;
    }
    // From here on the input stands under its temporary name.
    if (!recu.ouvrir(name_tmp_recu)) {
        std::perror("Ouverture du fichier \xe0 traiter renomm\xe9");
        journal.consigner(msg::IG003);
        return 1;
    }
    {
        // The output name is created (or emptied) at once: a run that cannot
        // write it stops before reading anything.
        FichierEcrit sortie(es);
        if (!sortie.ouvrir(name_emis)) {
            std::perror("Ouverture du fichier r\xe9sultat");
            journal.consigner(msg::IG003);
            recu.fermer();
            return 1;
        }
        sortie.abandonner();
    }

    if (!emis.ouvrir(name_tmp_emis)) {
        std::perror("Ouverture du fichier r\xe9sultat temporaire");
        journal.consigner(msg::IG004);
        recu.fermer();
        supprimerOuSignaler(name_emis);  // the emptied output holds no result
        return 1;
    }
    if (!erre.ouvrir(name_erre)) {
        std::perror("Ouverture du fichier des erreurs");
        journal.consigner(msg::IG002);
        recu.fermer();
        emis.abandonner();
        supprimerOuSignaler(name_tmp_emis);
        supprimerOuSignaler(name_emis);  // the emptied output holds no result
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
