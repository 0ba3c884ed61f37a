// The file operations of a run, gathered in one seam: the engine opens,
// reads, writes, closes, renames and removes files only through an
// OperationsFichier, so that tests can make any single call fail. Reads and
// writes go through large buffers, and every write is checked: an answer is
// known complete before it is put under the output name.
#pragma once

#include <sys/types.h>

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
    int (*supprimer)(const char* chemin);
};

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
    bool estOuvert() const { return fd_ >= 0; }
    bool enErreur() const { return erreur_; }

    void ecrire(const char* s, std::size_t n);
    void ecrire(char c) {
        if (plein_ == TAILLE_BLOC) vider();
        tampon_[plein_++] = c;
    }
    // Writes over the start of the file (what is buffered is written first).
    void ecrireAuDebut(const char* s, std::size_t n);
    // Writes what is buffered; false once a write has failed.
    bool vider();
    // Writes what is buffered, then closes; true when every write and the
    // close succeeded.
    bool fermer();
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
    // "Le JJ/MM/SSAA a HH:MM:SS : message" and a line feed, then the log is
    // closed; nothing is written when the log is not open.
    void consigner(const char* message);
    void fermer();

private:
    const OperationsFichier* es_;
    int fd_ = -1;
};

}  // namespace vse
