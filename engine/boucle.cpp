// The line loop: reading the input one line at a time, and the processing of
// one line (cut, file-level checks, dispatch, verification, answer, pairing).
#include <cstdio>
#include <cstring>

#include "engine/interne.hpp"
#include "engine/moteur.hpp"
#include "rules/coherence.hpp"
#include "rules/texte.hpp"

namespace vse {

using interne::poser;

namespace {
constexpr const char* SEIZE_BLANCS = "                ";
constexpr int CTRL_Z = 26;
}  // namespace

int Moteur::dvranFgets() {
    codLong = 0;
    codCaract = 0;
    int lg = 0;
    int ret = DVRAN_EOF;
    for (;;) {
        std::size_t n = 0;
        const char* p = recu.disponibles(n);
        if (n == 0) {
            // The characters gathered since the last line end are not a line.
            lgTampon = 0;
            tampon[0] = '\0';
            return recu.enErreur() ? DVRAN_ERREUR : DVRAN_EOF;
        }
        std::size_t i = 0;
        for (; i < n; ++i) {
            const auto c = static_cast<unsigned char>(p[i]);
            if (c == '\r' || c == '\n' || c == CTRL_Z) break;
            if (c < 0x20 || c > 0x7E) codCaract = 1;
            if (lg == LG_VSE) {
                codLong = 1;  // the characters after the 256th are dropped
            } else {
                tampon[lg++] = static_cast<char>(c);
            }
        }
        recu.avancer(i);
        if (i == n) continue;
        const auto fin = static_cast<unsigned char>(p[i]);
        recu.avancer(1);
        if (fin == CTRL_Z) {
            lgTampon = 0;
            tampon[0] = '\0';
            return DVRAN_CTRLZ;
        }
        if (fin == '\n') {
            ret = DVRAN_UNIX;
        } else {
            // CR: CR LF ends a DOS line, a lone CR a MAC line.
            const int suivant = recu.voir();
            if (suivant == FichierLu::ERREUR) return DVRAN_ERREUR;
            if (suivant == '\n') {
                recu.avancer(1);
                ret = DVRAN_DOS;
            } else {
                ret = DVRAN_MAC;
            }
        }
        break;
    }
    tampon[lg] = '\0';
    lgTampon = lg;
    if (lg == 0) return DVRAN_LONGNULLE;
    if (lg < LG_VSE) codLong = 2;
    return ret;
}

int Moteur::boucle() {
    for (;;) {
        const int r = dvranFgets();
        // A read error is no end of file: the input is given back, never taken as complete.
        if (r == DVRAN_ERREUR) {
            std::perror("Lecture du fichier \xe0 traiter");
            return arret(msg::IG003);
        }
        if (r == DVRAN_EOF || r == DVRAN_CTRLZ) return 0;
        if (r == DVRAN_LONGNULLE) return arret(msg::IG015);
        // DOS, UNIX and MAC line ends may not be mixed in one file.
        if (formatDuFichier != FORMAT_INCONNU && formatDuFichier != r) return arret(msg::IG008);
        formatDuFichier = r;
        const int resultat = traitement(tampon, lgTampon, visu, nombreDeVSE, formatDuFichier);
        if (resultat == -2) return 1;
        if (resultat > 0) ++nbVSE_Err;
        if (existDependanceVSEerr > 0) ++nbVSE_Err;
        nbErreur = 0;
        ++nombreDeVSE;
        if (nombreDeVSE > 10002 && pack.maxAutoVSE() != 0) return arret(msg::I073);
    }
}

void Moteur::affichageVSE(const char* ligne, int lg, int v) {
    lgXdebug = lg < LG_XDEBUG - 1 ? lg : LG_XDEBUG - 1;
    std::memcpy(xdebug, ligne, static_cast<std::size_t>(lgXdebug));
    xdebug[lgXdebug] = '\0';
    if (v == dgVisu) std::printf("VSE=|%s|\n", xdebug);
}

void Moteur::ajouterErreur(int noErr) {
    if (nbErreur < MAX_ERREURS) codeErreur[nbErreur++] = noErr;
}

int Moteur::aiguiller(const char* e6) const {
    for (int i = 0; i < pack.ERR_AIGUILLAGE(); ++i) {
        if (egal(pack.tAiguillage[i].nomVSE, e6)) return i;
    }
    return pack.ERR_AIGUILLAGE();
}

int Moteur::traitement(const char* ligne, int v, int numeroLigne, int format) {
    return traitement(ligne, static_cast<int>(std::strlen(ligne)), v, numeroLigne, format);
}

int Moteur::traitement(const char* ligne, int lg, int v, int numeroLigne, int format) {
    affichageVSE(ligne, lg, v);
    std::memset(codeErreur, 0, sizeof codeErreur);
    getvseChamps(pack.tEntete, ligne, lg, valEnteteVSE, v);
    getvseChamps(pack.tFin, ligne, lg, valFinVSE, v);
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;

    if (numeroLigne == 1) {
        if (!egal(e6, "FICH")) {
            arret(msg::IG011);
            return -2;
        }
        errFich = verifChamps(v, 0, pack.tEntete, valEnteteVSE, nullptr, "E");
        getvseChamps(pack.tFich, ligne, lg, valCorpsVSE, v);
        if (egal(valCorpsVSE[C1].valeur, SEIZE_BLANCS)) {
            arret(msg::I099);
            return -2;
        }
        if (errFich < MAX_ERREURS) {
            errFich = verifChamps(v, errFich, pack.tFich, valCorpsVSE, nullptr, "C");
            if (errFich < MAX_ERREURS) errFich = verifChamps(v, errFich, pack.tFich, valCorpsVSE, nullptr, "C");
        }
        std::memcpy(valFichEnteteVSE, valEnteteVSE, sizeof valFichEnteteVSE);
        std::memcpy(valFichCorpsVSE, valCorpsVSE, sizeof valFichCorpsVSE);
        std::memcpy(valFichFinVSE, valFinVSE, sizeof valFichFinVSE);
        std::memcpy(codeFichErreur, codeErreur, sizeof codeFichErreur);
        nbErreur = errFich;
        poser(sauvEmetteur, valEnteteVSE[E3].valeur, 8);
        poser(sauvRecepteur, valEnteteVSE[E4].valeur, 8);
        if (pack.dependanceVSE() == 1) {
            poser(sauvCodeVSE, e6, 4);
            poser(sauvTypeVSE, e5, 3);
            sauvCodeVSEerr = 0;
        }
        return nbErreur;
    }

    // File-level checks of every VSE against the file's sender and receiver.
    nbErreur = 0;
    const char* e8 = valEnteteVSE[E8].valeur;
    if (pack.coherenceEmetteur != nullptr && fCoherenCCE(sauvEmetteur, e8, *pack.coherenceEmetteur) == 0) {
        ajouterErreur(135);
    }
    const bool infoDem = egal(e6, "INFO") && egal(e5, "DEM");
    if (infoDem && !egal(sauvEmetteur, "NORM02  ") && !egal(sauvEmetteur, "PFOC01  ")) ajouterErreur(110);
    if (infoDem && !egal(sauvRecepteur, "031BDN  ")) ajouterErreur(85);
    const bool abat = egal(e6, "ABAT");
    if (abat && !egal(sauvEmetteur, "NORM01  ") && !commencePar(sauvEmetteur, "OFFICE") &&
        !commencePar(sauvEmetteur, "ONICAB")) {
        ajouterErreur(110);
    }
    if (abat && egal(sauvEmetteur, "NORM01  ") && !egal(e8, "NORMABEV")) ajouterErreur(129);
    if (egal(e6, "FICH")) ajouterErreur(109);

    // Body fields left over from an earlier line are never read.
    for (valeurVSE& c : valCorpsVSE) c.valeur[0] = '\0';

    int it = pack.ERR_AIGUILLAGE();
    if (nbErreur < MAX_ERREURS) {
        nbErreur = verifChamps(v, nbErreur, pack.tEntete, valEnteteVSE, nullptr, "E");
        it = aiguiller(e6);
        const sAiguillage& entree = pack.tAiguillage[it];
        if (entree.code != -1) {
            const int nbChamps = getvseChamps(entree.tabVerif, ligne, lg, valCorpsVSE, v);
            // The slaughter view of the record, for the slaughter rules.
            getVseCorps(cp, ligne, lg);
            nbErreur = verifChamps(v, nbErreur, entree.tabVerif, valCorpsVSE, e5, "C");

            // The result code as received (the third field cut), per program.
            err_aux = 0;
            if (!egal(e6, "ERRE") && nbChamps >= 3) err_aux = pack.erreurC3(sauvEmetteur, valCorpsVSE[C3].valeur, e6);
            if (err_aux != 0) ajouterErreur(err_aux);

            // What partner files sent to the national base may carry.
            if ((egal(sauvEmetteur, "000PFO  ") || egal(sauvEmetteur, "NORMABEV")) &&
                egal(sauvRecepteur, "031BDN  ")) {
                const bool cre = egal(e5, "CRE");
                const char* c5 = valCorpsVSE[C5].valeur;
                const bool permis = (egal(e6, "INFO") && egal(e5, "DEM")) || (egal(e6, "JALO") && cre) ||
                                    (egal(e6, "ENTR") && cre && egal(c5, "F")) ||
                                    (egal(e6, "SORT") && cre && (egal(c5, "S") || egal(c5, "M"))) || abat;
                if (!permis) ajouterErreur(182);
            }
            if (nbErreur < MAX_ERREURS) nbErreur = verifChamps(v, nbErreur, pack.tFin, valFinVSE, nullptr, "F");
        }
    }

    if (it == pack.ERR_AIGUILLAGE()) interne::sansIdentifiant(valCorpsVSE);
    if (nbErreur == 0) {
        emettreVSE(ligne, format);
    } else {
        faireFinDeLigne(erre, format);
        faireVSEERR(it, nbErreur);
    }
    if (pack.dependanceVSE() == 1) dependances(it);
    return nbErreur;
}

// An accepted EXP1 or EGET creation must be followed by its EXP2 or RATA
// creation with the same C2; otherwise the prepared answer is written.
void Moteur::dependances(int it) {
    existDependanceVSEerr = 0;
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;
    const char* c2 = valCorpsVSE[C2].valeur;
    const bool precedentCre = sauvCodeVSEerr == 0 && egal(sauvTypeVSE, "CRE");
    const char* attendu = nullptr;
    if (precedentCre && egal(sauvCodeVSE, "EXP1")) attendu = "EXP2";
    if (precedentCre && egal(sauvCodeVSE, "EGET")) attendu = "RATA";
    char lien[13] = {};
    poser(lien, c2, 12);  // compared as saved: 12 characters, blank-padded
    if (attendu != nullptr && !(egal(e6, attendu) && egal(e5, "CRE") && std::strncmp(lien, sauvLienVSE, 12) == 0)) {
        faireFinDeLigne(erre, formatDuFichier);
        erre.ecrire(sauvTamponVSE, LG_VSE);
        existDependanceVSEerr = 1;
    }
    sauvCodeVSEerr = nbErreur;
    poser(sauvCodeVSE, e6, 4);
    poser(sauvTypeVSE, e5, 3);
    if (nbErreur == 0 && egal(e5, "CRE") && (egal(e6, "EXP1") || egal(e6, "EGET"))) {
        poser(sauvLienVSE, c2, 12);
        faireTamponVSEERR(egal(e6, "EXP1") ? 105 : 138, it);
    }
}

}  // namespace vse
