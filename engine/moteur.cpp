// One run of a program over one exchange file: the driver, and the end of the
// run that puts exactly one answer under the output name.
#include "engine/moteur.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>

#include "engine/interne.hpp"
#include "rules/texte.hpp"
#include "rules/valautorise.hpp"

namespace vse {

namespace interne {

void horodatage(char* out, std::size_t taille) {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char texte[128];
    std::snprintf(texte, sizeof texte, "%02d%02d%04d%02d%02d%02d%s%s%s", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec, "025", "        ", "*");
    std::snprintf(out, taille, "%.26s", texte);
}

void sansIdentifiant(valeurVSE* corps) {
    std::strcpy(corps[C1].valeur, "  ");
    std::strcpy(corps[C2].valeur, "            ");
}

}  // namespace interne

Moteur::Moteur(const Pack& p, const OperationsFichier& operations)
    : pack(p),
      es(operations),
      recu(operations),
      emis(operations),
      erre(operations),
      journal(operations),
      planEntete(p.tEntete),
      planFin(p.tFin),
      planFich(p.tFich) {
    plansCorps.reserve(static_cast<std::size_t>(p.LEN_AIGUILLAGE));
    for (int i = 0; i < p.LEN_AIGUILLAGE; ++i) plansCorps.emplace_back(p.tAiguillage[i].tabVerif);
    // Each plan cuts into this run's buffers and each of its steps reads its
    // dependance where this run keeps it: the buffers live as long as the run.
    auto resoudreDep = [this](const Dependance& d) { return resoudre(d); };
    planEntete.placer(valEnteteVSE, tampon, resoudreDep);
    planFin.placer(valFinVSE, tampon, resoudreDep);
    planFich.placer(valCorpsVSE, tampon, resoudreDep);
    for (Plan& plan : plansCorps) plan.placer(valCorpsVSE, tampon, resoudreDep);
    // Every list the program's rows and header rules name is indexed.
    auto indexer = [](const Table& t) {
        for (int i = 0; i < t.n; ++i)
            if (t.lignes[i].sverif != nullptr) indexerListe(*t.lignes[i].sverif);
    };
    indexer(p.tEntete);
    indexer(p.tFin);
    indexer(p.tFich);
    for (int i = 0; i < p.LEN_AIGUILLAGE; ++i) indexer(p.tAiguillage[i].tabVerif);
    if (p.listesE6 != nullptr) {
        for (const Liste* l : {&p.listesE6->CRE, &p.listesE6->DEM, &p.listesE6->INV, &p.listesE6->EDI,
                               &p.listesE6->MOD, &p.listesE6->INF})
            indexerListe(*l);
    }
    if (p.coherenceEmetteur != nullptr) indexerListe(*p.coherenceEmetteur);
    // The dispatch entries found by their name's key.
    aiguillage_.assign(64, CaseAiguillage{});
    for (int i = 0; i < p.ERR_AIGUILLAGE(); ++i) {
        std::uint32_t k = 0;
        for (int c = 0; c < 4; ++c) k = (k << 8) | static_cast<unsigned char>(p.tAiguillage[i].nomVSE[c]);
        std::size_t c = caseAiguillage(k);
        while (aiguillage_[c].cle != 0) c = (c + 1) % aiguillage_.size();
        aiguillage_[c] = {k, i};
    }
    // The bytes the frame's rules read: the header's fields, and the
    // trailer's fields (the header's, which trailer rows may name, are the
    // header's key). A header row that names a field outside the header, or a
    // trailer row that names a body field, would make the frame depend on
    // more: no memo then.
    auto champs = [](const Plan& plan) {
        std::vector<std::pair<int, int>> r;
        for (const Plan::Decoupe& d : plan.decoupes) r.emplace_back(d.debut, d.largeur);
        return r;
    };
    auto litAilleurs = [](const Plan& plan, bool finLue) {
        for (const Plan::Etape& e : plan.etapes) {
            const Zone z = e.ligne->dependance.zone;
            if (z == Zone::Corps || (z == Zone::Fin && !finLue)) return true;
        }
        return false;
    };
    if (!litAilleurs(planEntete, false) && !litAilleurs(planFin, true)) {
        memoCadre_.definir(champs(planEntete), champs(planFin));
    }
    for (int i = 0; i < p.LEN_AIGUILLAGE; ++i) {
        const sAiguillage& e = p.tAiguillage[i];
        const std::vector<Plan::Decoupe>& d = plansCorps[static_cast<std::size_t>(i)].decoupes;
        // A field the layout does not cut is taken as cut (width 0); the
        // blanks of CINC have the width of their piece.
        auto largeur = [&d](numCorpsVSE c, int siAucun) {
            if (c == CINC) return siAucun;
            return static_cast<std::size_t>(c) < d.size() ? d[static_cast<std::size_t>(c)].largeur : 0;
        };
        Identification id{largeur(C1, 0), largeur(C2, 0), e.champErrC7, e.champErrC8, largeur(e.champErrC7, 2),
                          largeur(e.champErrC8, 12), false};
        id.usuelle = ((id.lgC1 == 2 && id.lgC2 == 12) || (id.lgC1 == 4 && id.lgC2 == 3)) && id.lgC7 == 2 &&
                     id.lgC8 == 12;
        identifications_.push_back(id);
    }
    resultat_ = p.delvoranRES();
    appariement_ = p.dependanceVSE() == 1;
    vue_.xdebug = tampon;
    vue_.lgLigne = 0;
    vue_.entete = valEnteteVSE;
    vue_.corps = valCorpsVSE;
    vue_.fin = valFinVSE;
    vue_.fichEntete = valFichEnteteVSE;
    vue_.fichCorps = valFichCorpsVSE;
    vue_.fichFin = valFichFinVSE;
    vue_.cp = &cp;
    vue_.bufC11 = bufC11;
}

int Moteur::delvoran(int argc, char** argv) {
    // Memory exhausted anywhere in the run is a stop like the others.
    try {
        return executer(argc, argv);
    } catch (const std::bad_alloc&) {
        return arretMemoire();
    }
}

int Moteur::executer(int argc, char** argv) {
    prepareVSEDate();
    int premier = 0;
    if (const int r = verificationParametre(argc, argv, premier); r != 0) return r;

    name_recu = argv[premier];
    name_emis = argv[premier + 1];
    name_log = argv[premier + 2];
    const std::string c11 = extraireC11(argv[1]);
    std::memcpy(bufC11, c11.c_str(), c11.size() + 1);

    if (ouvrirFichiers() != 0) return 1;

    nbErreur = 0;
    errFich = 0;
    nbVSE_Err = 0;
    nombreDeVSE = 1;
    formatDuFichier = FORMAT_INCONNU;
    const int r = boucle();
    return r != 0 ? r : finDeTraitement();
}

int Moteur::arretMemoire() {
    std::fputs("\x07llocation m\xe9moire impossible\n", stdout);
    std::fflush(stdout);
    if (reponseEnPlace >= 0) {
        // The answer stands: only what is left of the run is cleared.
        supprimerOuSignaler(name_tmp_emis);
        supprimerOuSignaler(name_erre);
        supprimerOuSignaler(name_tmp_recu);
        relacherEntree();
        journal.fermer();
        return reponseEnPlace;
    }
    // Wherever the run was, even midway through a stop: the input is given
    // back if it is still aside, and the run's files are removed.
    allCloseFile();
    if (entreeDeplacee) {
        nePasEmettre();
    } else if (entreePrise) {
        relacherEntree();
        supprimerOuSignaler(name_tmp_emis);
        supprimerOuSignaler(name_emis);
        supprimerOuSignaler(name_erre);
    } else {
        relacherEntree();
    }
    journal.consigner(msg::IG018);
    return 1;
}

// ---------------------------------------------------------------- end of run

void Moteur::allCloseFile() {
    recu.fermer();
    emis.abandonner();
    erre.abandonner();
}

// A file that should go and stays is named on the error stream.
void Moteur::supprimerOuSignaler(const std::string& nom) {
    if (es.supprimer(nom.c_str()) == 0 || errno == ENOENT) return;
    std::fprintf(stderr, "Suppression impossible, fichier laiss\xe9 en place : %s : %s\n", nom.c_str(),
                 std::strerror(errno));
}

int Moteur::emettre(const std::string& name_emettre) {
    // Renaming replaces whatever stands under the output name, in one step;
    // the output's directory is then synced, so that the new name outlasts a
    // power cut before the input is removed.
    if (es.renommer(name_emettre.c_str(), name_emis.c_str()) == 0) {
        if (synchroniserRepertoire(es, rep_emis)) return 0;
        // The answer's name may not outlast a power cut: it is taken back, and
        // the input is kept.
        std::perror("Synchronisation du r\xe9pertoire du fichier r\xe9sultat");
        supprimerOuSignaler(name_emis);
    } else {
        std::perror("rename");
    }
    const bool rendu = es.renommer(name_tmp_recu.c_str(), name_recu.c_str()) == 0;
    if (!rendu) std::perror("rename");
    if (rendu) entreeDeplacee = false;
    relacherEntree();
    supprimerOuSignaler(name_tmp_emis);
    supprimerOuSignaler(name_emis);
    supprimerOuSignaler(name_erre);
    journal.consigner(rendu ? msg::IG010 : msg::IG009);
    return 1;
}

void Moteur::nePasEmettre() {
    if (es.renommer(name_tmp_recu.c_str(), name_recu.c_str()) != 0) {
        std::perror("rename");
        journal.consigner(msg::IG009);
    } else {
        entreeDeplacee = false;
    }
    // The lock goes with the input, given back or not.
    relacherEntree();
    supprimerOuSignaler(name_tmp_emis);
    supprimerOuSignaler(name_emis);
    supprimerOuSignaler(name_erre);
}

void Moteur::signalerSignal() const {
    std::fprintf(stderr, "Signal %d re\xe7u : traitement arr\xeat\xe9\n", static_cast<int>(signalRecu));
}

int Moteur::arret(const char* message) {
    if (message == msg::IG016) signalerSignal();
    allCloseFile();
    nePasEmettre();
    journal.consigner(message);
    return 1;
}

int Moteur::finDeTraitement() {
    // No complete record at all: the file has no FICH record.
    if (nombreDeVSE == 1) return arret(msg::IG011);
    const int nbVSE = nombreDeVSE - 2;
    if (nbVSE == 0) return arret(msg::IG014);

    if (pack.dependanceVSE() == 1 && sauvCodeVSEerr == 0 && egal(sauvTypeVSE, "CRE") &&
        (egal(sauvCodeVSE, "EXP1") || egal(sauvCodeVSE, "EGET"))) {
        faireFinDeLigne(erre, formatDuFichier);
        erre.ecrire(sauvTamponVSE, LG_VSE);
        ++nbVSE_Err;
        signalerAppariement(nombreDeVSE - 1);
    }

    // The record count announced by the FICH record, read as the C library
    // reads a decimal integer: leading blanks skipped, an optional sign, the
    // digits up to the first other character; no digit reads as 0. Partners
    // write it right-aligned with blanks as often as with zeros.
    if (std::strtol(valFichCorpsVSE[C3].valeur, nullptr, 10) != nbVSE) {
        if (errFich < MAX_ERREURS) {
            codeFichErreur[errFich] = 100;
            if (errFich == 0) ++nbVSE_Err;
            if (rapportCourant_ != nullptr) rapportCourant_->controle(Controle::CompteAnnonce, 100, 1);
        }
        ++errFich;
    }

    const bool accepte = nbVSE_Err == 0 && errFich == 0;
    if (accepte) {
        ecrireFichierAccepte();
    } else {
        ecrireReponseErreur();
    }
    // A kept file that could not be written whole is never put under the
    // output name: the input is given back. The discarded one does not matter.
    // The kept file is on the disk before it is renamed: the rename can never
    // outlast its contents through a power cut.
    const bool ecrit = (accepte ? emis : erre).fermer(true);
    allCloseFile();
    // Asked to stop before the answer is in place (a write it interrupted
    // included): a stop like any other.
    if (signalRecu != 0) return arret(msg::IG016);
    if (!ecrit) {
        std::perror(accepte ? "Ecriture du fichier r\xe9sultat temporaire" : "Ecriture du fichier des erreurs");
        return arret(accepte ? msg::IG004 : msg::IG002);
    }
    if (emettre(accepte ? name_tmp_emis : name_erre) != 0) return 1;
    reponseEnPlace = accepte ? 0 : 2;
    // The answer stands, on disk: a signal from here on changes nothing. The
    // input goes last, its lock with it, and its removal is synced.
    supprimerOuSignaler(accepte ? name_erre : name_tmp_emis);
    supprimerOuSignaler(name_tmp_recu);
    entreeDeplacee = false;
    relacherEntree();
    synchroniserRepertoire(es, rep_recu);
    journal.fermer();
    return accepte ? 0 : 2;
}

namespace {

extern "C" void signalerArret(int signal) { signalRecu = signal; }

// The signals that ask a run to stop end it as a stop (the input given back,
// no answer, one line in the log) instead of killing it midway. Blocking
// calls are not restarted, so the run sees the request at once.
void installerSignaux() {
    struct sigaction action{};
    action.sa_handler = signalerArret;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (const int s : {SIGTERM, SIGINT, SIGHUP, SIGPIPE, SIGXFSZ}) sigaction(s, &action, nullptr);
}

// Descriptors 0, 1 and 2 left closed by the caller are opened on /dev/null,
// so that no file of the run takes one of them (the log would receive the
// console report, an answer the error messages).
void descripteursStandard() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int nul = ::open("/dev/null", O_RDWR);
        if (nul < 0) return;
        if (nul != fd) {
            ::dup2(nul, fd);
            ::close(nul);
        }
    }
}

}  // namespace

int delvoran(const Pack& pack, int argc, char** argv) {
    descripteursStandard();
    installerSignaux();
    try {
        // The run's buffers are large: they live on the heap, not on the stack.
        const auto moteur = std::make_unique<Moteur>(pack);
        return moteur->delvoran(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("\x07llocation m\xe9moire impossible\n", stdout);
        return 1;
    }
}

}  // namespace vse
