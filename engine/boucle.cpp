// The line loop: reading the input one line at a time, and the processing of
// one line (cut, file-level checks, dispatch, verification, answer, pairing).
#include <algorithm>
#include <cstdint>
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

namespace {

// Eight bytes all printable (0x20 to 0x7E): none of them ends a line or marks
// the line as holding a character outside the allowed ones.
bool huitImprimables(const char* p) {
    constexpr std::uint64_t un = 0x0101010101010101ULL;
    constexpr std::uint64_t haut = 0x8080808080808080ULL;
    std::uint64_t x = 0;
    std::memcpy(&x, p, sizeof x);
    const std::uint64_t sousBlanc = (x - un * 0x20) & ~x & haut;  // a byte below 0x20
    const std::uint64_t audela = ((x + un * (127 - 0x7E)) | x) & haut;   // a byte above 0x7E
    return (sousBlanc | audela) == 0;
}

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
        bool finDeLigne = false;
        while (i < n) {
            // Runs of printable characters are taken eight at a time.
            if (i + 8 <= n && huitImprimables(p + i)) {
                if (lg + 8 <= LG_VSE) {
                    std::memcpy(tampon + lg, p + i, 8);
                    lg += 8;
                } else {
                    // The characters after the 256th are dropped.
                    std::memcpy(tampon + lg, p + i, static_cast<std::size_t>(LG_VSE - lg));
                    lg = LG_VSE;
                    codLong = 1;
                }
                i += 8;
                continue;
            }
            const auto c = static_cast<unsigned char>(p[i]);
            if (c == '\r' || c == '\n' || c == CTRL_Z) {
                finDeLigne = true;
                break;
            }
            if (c < 0x20 || c > 0x7E) codCaract = 1;
            if (lg == LG_VSE) {
                codLong = 1;
            } else {
                tampon[lg++] = static_cast<char>(c);
            }
            ++i;
        }
        recu.avancer(i);
        if (!finDeLigne) continue;
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
        if (signalRecu != 0) return arret(msg::IG016);
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

// The entries are sorted by name: a binary search over all but the closing one.
int Moteur::aiguiller(const char* e6) const {
    const sAiguillage* debut = pack.tAiguillage;
    const sAiguillage* fin = debut + pack.ERR_AIGUILLAGE();
    const sAiguillage* it = std::lower_bound(
        debut, fin, e6, [](const sAiguillage& a, const char* nom) { return std::strcmp(a.nomVSE, nom) < 0; });
    return it != fin && std::strcmp(it->nomVSE, e6) == 0 ? static_cast<int>(it - debut) : pack.ERR_AIGUILLAGE();
}

int Moteur::traitement(const char* ligne, int v, int numeroLigne, int format) {
    return traitement(ligne, static_cast<int>(std::strlen(ligne)), v, numeroLigne, format);
}

int Moteur::traitement(const char* ligne, int lg, int v, int numeroLigne, int format) {
    // Without console report the layouts are walked by their plans; with one,
    // row by row as the report tells them.
    auto couper = [&](const Table& t, const Plan& p, valeurVSE* valeurs) {
        return v == noVisu ? getvseChamps(p, ligne, lg, valeurs) : getvseChamps(t, ligne, lg, valeurs, v);
    };
    auto verifier = [&](int nb, const Table& t, const Plan& p, valeurVSE* valeurs, const char* valE5,
                        const char* lettre) {
        return v == noVisu ? verifPlan(nb, p, valE5) : verifChamps(v, nb, t, valeurs, valE5, lettre);
    };

    affichageVSE(ligne, lg, v);
    std::memset(codeErreur, 0, sizeof codeErreur);
    couper(pack.tEntete, planEntete, valEnteteVSE);
    couper(pack.tFin, planFin, valFinVSE);
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;

    if (numeroLigne == 1) {
        if (!vaut(e6, "FICH")) {
            arret(msg::IG011);
            return -2;
        }
        errFich = verifier(0, pack.tEntete, planEntete, valEnteteVSE, nullptr, "E");
        nbChampsCorps = couper(pack.tFich, planFich, valCorpsVSE);
        if (egal(valCorpsVSE[C1].valeur, SEIZE_BLANCS)) {
            arret(msg::I099);
            return -2;
        }
        if (errFich < MAX_ERREURS) {
            errFich = verifier(errFich, pack.tFich, planFich, valCorpsVSE, nullptr, "C");
            if (errFich < MAX_ERREURS) errFich = verifier(errFich, pack.tFich, planFich, valCorpsVSE, nullptr, "C");
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
    const bool infoDem = vaut(e6, "INFO") && vaut(e5, "DEM");
    if (infoDem && !vaut(sauvEmetteur, "NORM02  ") && !vaut(sauvEmetteur, "PFOC01  ")) ajouterErreur(110);
    if (infoDem && !vaut(sauvRecepteur, "031BDN  ")) ajouterErreur(85);
    const bool abat = vaut(e6, "ABAT");
    if (abat && !vaut(sauvEmetteur, "NORM01  ") && !commencePar(sauvEmetteur, "OFFICE") &&
        !commencePar(sauvEmetteur, "ONICAB")) {
        ajouterErreur(110);
    }
    if (abat && vaut(sauvEmetteur, "NORM01  ") && !vaut(e8, "NORMABEV")) ajouterErreur(129);
    if (vaut(e6, "FICH")) ajouterErreur(109);

    // Body fields left over from an earlier line are never read.
    for (int i = 0; i < nbChampsCorps; ++i) valCorpsVSE[i].valeur[0] = '\0';
    nbChampsCorps = 0;

    int it = pack.ERR_AIGUILLAGE();
    if (nbErreur < MAX_ERREURS) {
        nbErreur = verifier(nbErreur, pack.tEntete, planEntete, valEnteteVSE, nullptr, "E");
        it = aiguiller(e6);
        const sAiguillage& entree = pack.tAiguillage[it];
        if (entree.code != -1) {
            const Plan& plan = plansCorps[static_cast<std::size_t>(it)];
            const int nbChamps = couper(entree.tabVerif, plan, valCorpsVSE);
            nbChampsCorps = nbChamps;
            // The slaughter view of a slaughter record, for its rules (no other
            // layout names them).
            if (entree.code == ABAT) getVseCorps(cp, ligne, lg);
            nbErreur = verifier(nbErreur, entree.tabVerif, plan, valCorpsVSE, e5, "C");

            // The result code as received (the third field cut), per program.
            err_aux = 0;
            if (entree.code != ERRE && nbChamps >= 3) err_aux = pack.erreurC3(sauvEmetteur, valCorpsVSE[C3].valeur, e6);
            if (err_aux != 0) ajouterErreur(err_aux);

            // What partner files sent to the national base may carry.
            if ((vaut(sauvEmetteur, "000PFO  ") || vaut(sauvEmetteur, "NORMABEV")) &&
                vaut(sauvRecepteur, "031BDN  ")) {
                const bool cre = vaut(e5, "CRE");
                const char* c5 = valCorpsVSE[C5].valeur;
                const bool permis = infoDem || (vaut(e6, "JALO") && cre) ||
                                    (vaut(e6, "ENTR") && cre && vaut(c5, "F")) ||
                                    (vaut(e6, "SORT") && cre && (vaut(c5, "S") || vaut(c5, "M"))) || abat;
                if (!permis) ajouterErreur(182);
            }
            if (nbErreur < MAX_ERREURS) nbErreur = verifier(nbErreur, pack.tFin, planFin, valFinVSE, nullptr, "F");
        }
    }

    if (it == pack.ERR_AIGUILLAGE()) {
        interne::sansIdentifiant(valCorpsVSE);
        if (nbChampsCorps < 2) nbChampsCorps = 2;
    }
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
    const bool precedentCre = sauvCodeVSEerr == 0 && vaut(sauvTypeVSE, "CRE");
    const char* attendu = nullptr;
    if (precedentCre && vaut(sauvCodeVSE, "EXP1")) attendu = "EXP2";
    if (precedentCre && vaut(sauvCodeVSE, "EGET")) attendu = "RATA";
    char lien[13] = {};
    poser(lien, c2, 12);  // compared as saved: 12 characters, blank-padded
    if (attendu != nullptr && !(egal(e6, attendu) && vaut(e5, "CRE") && std::strncmp(lien, sauvLienVSE, 12) == 0)) {
        faireFinDeLigne(erre, formatDuFichier);
        erre.ecrire(sauvTamponVSE, LG_VSE);
        existDependanceVSEerr = 1;
    }
    sauvCodeVSEerr = nbErreur;
    poser(sauvCodeVSE, e6, 4);
    poser(sauvTypeVSE, e5, 3);
    if (nbErreur == 0 && vaut(e5, "CRE") && (vaut(e6, "EXP1") || vaut(e6, "EGET"))) {
        poser(sauvLienVSE, c2, 12);
        faireTamponVSEERR(vaut(e6, "EXP1") ? 105 : 138, it);
    }
}

}  // namespace vse
