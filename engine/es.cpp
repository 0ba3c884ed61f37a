// Buffered reading and writing over the file operations of a run.
#include "engine/es.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace vse {

namespace {

int ouvrirSysteme(const char* chemin, int drapeaux, mode_t mode) { return ::open(chemin, drapeaux, mode); }
ssize_t lireSysteme(int fd, void* tampon, std::size_t n) { return ::read(fd, tampon, n); }
ssize_t ecrireSysteme(int fd, const void* tampon, std::size_t n) { return ::write(fd, tampon, n); }
ssize_t ecrireASysteme(int fd, const void* tampon, std::size_t n, off_t position) {
    return ::pwrite(fd, tampon, n, position);
}
int fermerSysteme(int fd) { return ::close(fd); }
int renommerSysteme(const char* de, const char* vers) { return std::rename(de, vers); }
int supprimerSysteme(const char* chemin) { return ::unlink(chemin); }
int synchroniserSysteme(int fd) { return ::fsync(fd); }
int verrouillerSysteme(int fd, int operation) { return ::flock(fd, operation); }
int etatSysteme(int fd, struct stat* st) { return ::fstat(fd, st); }
int etatNomSysteme(const char* chemin, struct stat* st) { return ::stat(chemin, st); }

constexpr OperationsFichier systeme{
    ouvrirSysteme,      lireSysteme,       ecrireSysteme, ecrireASysteme, fermerSysteme, renommerSysteme,
    supprimerSysteme,   synchroniserSysteme, verrouillerSysteme, etatSysteme, etatNomSysteme,
};

// Files are created with the usual permissions, less the process's umask.
constexpr mode_t MODE_CREATION = 0666;

// Writes the n bytes, at `position` when it is 0 or more, else where the file
// stands; a short count is written on, and so is an interruption, unless the
// process was asked to stop (then the run ends as a stop, and only the log's
// line is still written whole). False on a failure.
bool toutEcrire(const OperationsFichier& es, int fd, const char* s, std::size_t n, off_t position = -1,
                bool malgreSignal = false) {
    while (n > 0) {
        const ssize_t k = position >= 0 ? es.ecrireA(fd, s, n, position) : es.ecrire(fd, s, n);
        if (k > 0) {
            s += k;
            n -= static_cast<std::size_t>(k);
            if (position >= 0) position += k;
        } else if (k == 0 || errno != EINTR || (signalRecu != 0 && !malgreSignal)) {
            return false;
        }
    }
    return true;
}

}  // namespace

volatile std::sig_atomic_t signalRecu = 0;

const OperationsFichier& operationsSysteme() { return systeme; }

bool synchroniserRepertoire(const OperationsFichier& es, const std::string& repertoire) {
    const int fd = es.ouvrir(repertoire.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return true;
    const int r = es.synchroniser(fd);
    const bool synchronise = r == 0 || errno == EINVAL || errno == ENOTSUP || errno == EROFS;
    es.fermer(fd);
    return synchronise;
}

// ---------------------------------------------------------------- reading

bool FichierLu::ouvrir(const std::string& chemin) {
    fermer();
    fd_ = es_->ouvrir(chemin.c_str(), O_RDONLY | O_CLOEXEC, 0);
    proprietaire_ = true;
    fini_ = erreur_ = false;
    pos_ = fin_ = 0;
    return fd_ >= 0;
}

void FichierLu::emprunter(int fd) {
    fermer();
    fd_ = fd;
    proprietaire_ = false;
    fini_ = erreur_ = false;
    pos_ = fin_ = 0;
}

void FichierLu::fermer() {
    // Nothing was written: a failed close loses nothing.
    if (fd_ >= 0 && proprietaire_) es_->fermer(fd_);
    fd_ = -1;
    proprietaire_ = true;
}

bool FichierLu::remplir() {
    pos_ = fin_ = 0;
    if (fd_ < 0 || fini_ || erreur_) return false;
    for (;;) {
        const ssize_t n = es_->lire(fd_, tampon_, sizeof tampon_);
        if (n > 0) {
            fin_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            fini_ = true;
            return false;
        }
        // An interruption is read again, unless the process was asked to stop.
        if (errno != EINTR || signalRecu != 0) {
            erreur_ = true;
            return false;
        }
    }
}

// ---------------------------------------------------------------- writing

bool FichierEcrit::ouvrir(const std::string& chemin) {
    abandonner();
    fd_ = es_->ouvrir(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, MODE_CREATION);
    erreur_ = false;
    plein_ = 0;
    return fd_ >= 0;
}

bool FichierEcrit::creer(const std::string& chemin, mode_t mode) {
    abandonner();
    // unlink never follows a link and never removes a directory: a directory
    // stays, and the creation below then fails.
    es_->supprimer(chemin.c_str());
    // O_EXCL: a name taken again since (by a link, a FIFO or a device) makes
    // the creation fail instead of opening it.
    fd_ = es_->ouvrir(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    erreur_ = false;
    plein_ = 0;
    return fd_ >= 0;
}

void FichierEcrit::ecrireDirect(const char* s, std::size_t n, off_t position) {
    if (!erreur_ && !toutEcrire(*es_, fd_, s, n, position)) erreur_ = true;
}

bool FichierEcrit::vider() {
    if (fd_ < 0) {
        erreur_ = true;
    } else if (plein_ > 0) {
        ecrireDirect(tampon_, plein_, -1);
    }
    plein_ = 0;
    return !erreur_;
}

void FichierEcrit::ecrire(const char* s, std::size_t n) {
    if (n >= TAILLE_BLOC) {
        vider();
        ecrireDirect(s, n, -1);
        return;
    }
    if (plein_ + n > TAILLE_BLOC) vider();
    std::memcpy(tampon_ + plein_, s, n);
    plein_ += n;
}

void FichierEcrit::ecrireAuDebut(const char* s, std::size_t n) {
    vider();
    ecrireDirect(s, n, 0);
}

bool FichierEcrit::fermer(bool surDisque) {
    if (fd_ < 0) return false;
    vider();
    if (surDisque && !erreur_ && es_->synchroniser(fd_) != 0) erreur_ = true;
    if (es_->fermer(fd_) != 0) erreur_ = true;
    fd_ = -1;
    return !erreur_;
}

void FichierEcrit::abandonner() {
    if (fd_ >= 0) es_->fermer(fd_);
    fd_ = -1;
    plein_ = 0;
}

// ---------------------------------------------------------------- log

bool Journal::ouvrir(const std::string& chemin) {
    fermer();
    fd_ = es_->ouvrir(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, MODE_CREATION);
    return fd_ >= 0;
}

void Journal::consigner(const char* message) {
    if (fd_ < 0) return;  // no log, or its one line is already written
    // The log counts as written from here on, whatever happens to the write.
    const int fd = fd_;
    fd_ = -1;
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char ligne[512];
    const int n = std::snprintf(ligne, sizeof ligne, "Le %02d/%02d/%04d a %02d:%02d:%02d : %s\n", tm.tm_mday,
                                tm.tm_mon + 1, tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec, message);
    bool ecrit = n > 0 && static_cast<std::size_t>(n) < sizeof ligne &&
                 toutEcrire(*es_, fd, ligne, static_cast<std::size_t>(n), -1, true);
    // The reason of a stop outlasts a power cut.
    ecrit = ecrit && es_->synchroniser(fd) == 0;
    ecrit = es_->fermer(fd) == 0 && ecrit;
    // The log could not take the reason of the stop: it goes to the error stream.
    if (!ecrit) std::fprintf(stderr, "Ecriture du fichier log impossible : %s\n", message);
}

void Journal::fermer() {
    if (fd_ >= 0) es_->fermer(fd_);
    fd_ = -1;
}

}  // namespace vse
