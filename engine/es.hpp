// The file operations of a run, gathered in one seam: the engine opens,
// reads, writes, syncs, locks, examines, closes, renames and removes files
// only through an OperationsFichier, so that tests can make any single call
// fail, or cut the run short at any of them. Reads and writes go through
// large buffers, and every write is checked: an answer is known complete, and
// on disk, before it is put under the output name.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <csignal>
#include <cstddef>
#include <string>

namespace vse {

// The system calls a run makes on files; each returns as its system call does
// (-1 and errno on failure).
struct OperationsFichier {
    int (*ouvrir)(const char* chemin, int drapeaux, mode_t mode);
    ssize_t (*lire)(int fd, void* tampon, std::size_t n);
    ssize_t (*ecrire)(int fd, const void* tampon, std::size_t n);
    ssize_t (*ecrireA)(int fd, const void* tampon, std::size_t n, off_t position);
    int (*fermer)(int fd);
    int (*renommer)(const char* de, const char* vers);
    // Removes a name that is no directory (a symbolic link itself, never what
    // it points to).
    int (*supprimer)(const char* chemin);
    // Puts a file's (or a directory's) contents on the disk (fsync).
    int (*synchroniser)(int fd);
    // flock(2): LOCK_EX | LOCK_NB takes the lock, LOCK_UN leaves it.
    int (*verrouiller)(int fd, int operation);
    // fstat(2) of an open file.
    int (*etat)(int fd, struct stat* st);
    // stat(2) of a name, through symbolic links.
    int (*etatNom)(const char* chemin, struct stat* st);
};

// Set, to the signal's number, when the process is asked to stop (SIGTERM,
// SIGINT, SIGHUP, SIGPIPE, SIGXFSZ): the run ends as a stop at the next line,
// and writes interrupted by the signal are not retried.
extern volatile std::sig_atomic_t signalRecu;

// The operations of the system itself.
const OperationsFichier& operationsSysteme();

inline constexpr std::size_t TAILLE_BLOC = 64 * 1024;

// A file read from its start, by blocks.
class FichierLu {
public:
    static constexpr int FIN = -1;     // end of the file
    static constexpr int ERREUR = -2;  // a read failed (the failure stays)

    explicit FichierLu(const OperationsFichier& es) : es_(&es) {}
    ~FichierLu() { fermer(); }
    FichierLu(const FichierLu&) = delete;
    FichierLu& operator=(const FichierLu&) = delete;

    bool ouvrir(const std::string& chemin);
    // Reads through a descriptor opened elsewhere, which stays its owner's:
    // fermer() leaves it open.
    void emprunter(int fd);
    bool estOuvert() const { return fd_ >= 0; }
    void fermer();
    bool enErreur() const { return erreur_; }

    // The next byte without taking it.
    int voir() {
        if (pos_ == fin_ && !remplir()) return erreur_ ? ERREUR : FIN;
        return static_cast<unsigned char>(tampon_[pos_]);
    }
    // The bytes held and not yet taken (refilled when none is left); n = 0 at
    // the end of the file or on a failure.
    const char* disponibles(std::size_t& n) {
        if (pos_ == fin_) remplir();
        n = fin_ - pos_;
        return tampon_ + pos_;
    }
    void avancer(std::size_t n) { pos_ += n; }

private:
    bool remplir();

    const OperationsFichier* es_;
    int fd_ = -1;
    bool proprietaire_ = true;
    bool fini_ = false;
    bool erreur_ = false;
    std::size_t pos_ = 0;
    std::size_t fin_ = 0;
    char tampon_[TAILLE_BLOC];
};

// A file written from its start, by blocks. The first failure stays: later
// writes do nothing, and fermer() tells whether every byte reached the file.
class FichierEcrit {
public:
    explicit FichierEcrit(const OperationsFichier& es) : es_(&es) {}
    ~FichierEcrit() { abandonner(); }
    FichierEcrit(const FichierEcrit&) = delete;
    FichierEcrit& operator=(const FichierEcrit&) = delete;

    // Creates or empties the file.
    bool ouvrir(const std::string& chemin);
    // Creates a file of the run's own: whatever is no directory under the
    // name is removed first (a link planted there goes, what it points to is
    // untouched), then the file is created new, never through a link and never
    // opening what another process put there since. `mode`: its permissions,
    // less the umask.
    bool creer(const std::string& chemin, mode_t mode);
    bool estOuvert() const { return fd_ >= 0; }
    bool enErreur() const { return erreur_; }

    void ecrire(const char* s, std::size_t n);
    void ecrire(char c) {
        if (plein_ == TAILLE_BLOC) vider();
        tampon_[plein_++] = c;
    }
    // Room for the next n bytes (n at most TAILLE_BLOC) in the buffer, for
    // the caller to fill: a record is built once, where it is written from.
    char* place(std::size_t n) {
        if (plein_ + n > TAILLE_BLOC) vider();
        char* p = tampon_ + plein_;
        plein_ += n;
        return p;
    }
    // Writes over the start of the file (what is buffered is written first).
    void ecrireAuDebut(const char* s, std::size_t n);
    // Writes what is buffered; false once a write has failed.
    bool vider();
    // Writes what is buffered, then closes; true when every write and the
    // close succeeded. With `surDisque`, the file is synced before the close
    // and that must succeed too.
    bool fermer(bool surDisque = false);
    // Closes without caring what became of the writes.
    void abandonner();

private:
    // Writes past the buffer, at `position` (or where the file stands when it
    // is negative); a failure stays.
    void ecrireDirect(const char* s, std::size_t n, off_t position);

    const OperationsFichier* es_;
    int fd_ = -1;
    bool erreur_ = false;
    std::size_t plein_ = 0;
    char tampon_[TAILLE_BLOC];
};

// The log: at most one dated line, after which it is closed.
class Journal {
public:
    explicit Journal(const OperationsFichier& es) : es_(&es) {}
    ~Journal() { fermer(); }
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Creates or empties the log.
    bool ouvrir(const std::string& chemin);
    bool estOuvert() const { return fd_ >= 0; }
    // "Le JJ/MM/SSAA a HH:MM:SS : message" and a line feed, synced to the disk,
    // then the log is closed; nothing is written when the log is not open.
    void consigner(const char* message);
    void fermer();

private:
    const OperationsFichier* es_;
    int fd_ = -1;
};

// Syncs a directory, so that the names created, renamed or removed in it
// last through a power cut. A directory that cannot be opened for reading (a
// drop box of mode 0333) or whose file system cannot sync directories is left
// as it is: true. False when the sync itself failed.
bool synchroniserRepertoire(const OperationsFichier& es, const std::string& repertoire);

}  // namespace vse
