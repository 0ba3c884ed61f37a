// The line loop: reading the input one line at a time, and the processing of
// one line (cut, file-level checks, dispatch, verification, answer, pairing).
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/interne.hpp"
#include "engine/moteur.hpp"
#include "rules/coherence.hpp"
#include "rules/texte.hpp"

namespace vse {

using interne::poser;

namespace {

constexpr const char* SEIZE_BLANCS = "                ";
constexpr int CTRL_Z = 26;

// The bytes of a word that lie outside 0x20-0x7E, each marked by its high
// bit. The lowest marked byte is exact (a borrow or a carry only runs upward
// from a byte that is itself marked), which is all the reader asks.
constexpr std::uint64_t horsImprimables(std::uint64_t x) {
    constexpr std::uint64_t un = 0x0101010101010101ULL;
    constexpr std::uint64_t haut = 0x8080808080808080ULL;
    const std::uint64_t sousBlanc = (x - un * 0x20) & ~x & haut;  // below 0x20
    const std::uint64_t audela = ((x + un) | x) & haut;           // 0x7F and above
    return sousBlanc | audela;
}

bool imprimable(unsigned char c) { return c >= 0x20 && c <= 0x7E; }

#if defined(__SSE2__)
// The bytes of the sixteen at p that lie outside 0x20-0x7E, each set to 0xFF:
// b + 0x60 as a signed byte is above -34 exactly then, so one addition and
// one comparison per sixteen bytes.
inline __m128i horsImprimables16(const char* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return _mm_cmpgt_epi8(_mm_add_epi8(v, _mm_set1_epi8(0x60)), _mm_set1_epi8(-34));
}
#endif

}  // namespace

std::size_t interne::imprimablesParMots(const char* p, std::size_t n) {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            std::uint64_t x = 0;
            std::memcpy(&x, p + i, sizeof x);
            if (const std::uint64_t m = horsImprimables(x); m != 0) {
                return i + static_cast<std::size_t>(std::countr_zero(m)) / 8;
            }
        }
    }
    while (i < n && imprimable(static_cast<unsigned char>(p[i]))) ++i;
    return i;
}

bool interne::toutImprimable(const char* p, std::size_t n) {
    std::size_t i = 0;
#if defined(__SSE2__)
    auto masque = [p](std::size_t k) { return horsImprimables16(p + k); };
    __m128i hors = _mm_setzero_si128();
    for (; i + 64 <= n; i += 64) {
        hors = _mm_or_si128(hors, _mm_or_si128(_mm_or_si128(masque(i), masque(i + 16)),
                                               _mm_or_si128(masque(i + 32), masque(i + 48))));
    }
    if (_mm_movemask_epi8(hors) != 0) return false;
#endif
    return i == n || imprimablesParMots(p + i, n - i) == n - i;
}

std::size_t interne::imprimables(const char* p, std::size_t n) {
#if defined(__SSE2__)
    auto masque = [p](std::size_t k) { return horsImprimables16(p + k); };
    auto premier = [](int m) { return static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(m))); };
    std::size_t i = 0;
    // Sixty-four bytes between two branches; the block that holds the end
    // is searched sixteen bytes at a time.
    for (; i + 64 <= n; i += 64) {
        const __m128i a = masque(i);
        const __m128i b = masque(i + 16);
        const __m128i c = masque(i + 32);
        const __m128i d = masque(i + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) != 0) {
            const int ma = _mm_movemask_epi8(a);
            if (ma != 0) return i + premier(ma);
            const int mb = _mm_movemask_epi8(b);
            if (mb != 0) return i + 16 + premier(mb);
            const int mc = _mm_movemask_epi8(c);
            return i + (mc != 0 ? 32 + premier(mc) : 48 + premier(_mm_movemask_epi8(d)));
        }
    }
    for (; i + 16 <= n; i += 16) {
        if (const int m = _mm_movemask_epi8(masque(i)); m != 0) return i + premier(m);
    }
    return i + imprimablesParMots(p + i, n - i);
#else
    return imprimablesParMots(p, n);
#endif
}

namespace {

// The key of a four-letter VSE type, its first letter in the high byte; 0
// for a text of another length.
std::uint32_t cleType(const char* s) {
    if (s[0] == '\0' || s[1] == '\0' || s[2] == '\0' || s[3] == '\0' || s[4] != '\0') return 0;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[2])) << 8 | static_cast<unsigned char>(s[3]);
}

}  // namespace

int Moteur::dvranFgets() {
    codLong = 0;
    codCaract = 0;
    int lg = 0;
    int ret = DVRAN_EOF;
    // Appends characters to the line; those after the 256th are dropped.
    auto garder = [&](const char* s, std::size_t k) {
        const std::size_t place = static_cast<std::size_t>(LG_VSE - lg);
        if (k > place) {
            codLong = 1;
            k = place;
        }
        std::memcpy(tampon + lg, s, k);
        lg += static_cast<int>(k);
    };
    for (;;) {
        std::size_t n = 0;
        const char* p = recu.disponibles(n);
        if (n == 0) {
            // The characters gathered since the last line end are not a line.
            lgTampon = 0;
            tampon[0] = '\0';
            return recu.enErreur() ? DVRAN_ERREUR : DVRAN_EOF;
        }
        // The usual line first: 256 printable characters and its end right
        // after them, all checked in one pass that looks for no end.
        const std::size_t i = lg == 0 && n > LG_VSE && !imprimable(static_cast<unsigned char>(p[LG_VSE])) &&
                                      interne::toutImprimable(p, LG_VSE)
                                  ? static_cast<std::size_t>(LG_VSE)
                                  : interne::imprimables(p, n);
        garder(p, i);
        if (i == n) {
            recu.avancer(n);
            continue;
        }
        const auto c = static_cast<unsigned char>(p[i]);
        recu.avancer(i + 1);
        if (c == CTRL_Z) {
            lgTampon = 0;
            tampon[0] = '\0';
            return DVRAN_CTRLZ;
        }
        if (c == '\n') {
            ret = DVRAN_UNIX;
            break;
        }
        if (c == '\r') {
            // CR LF ends a DOS line, a lone CR a MAC line.
            const int suivant = recu.voir();
            if (suivant == FichierLu::ERREUR) return DVRAN_ERREUR;
            if (suivant == '\n') {
                recu.avancer(1);
                ret = DVRAN_DOS;
            } else {
                ret = DVRAN_MAC;
            }
            break;
        }
        // Any other character outside 0x20-0x7E belongs to the line.
        codCaract = 1;
        garder(p + i, 1);
    }
    lgTampon = lg;
    ligneImprimable_ = codCaract == 0;
    // Past its end the line buffer holds zeros, so a field beyond the end of
    // a short line is cut short or empty (what a whole line's reading leaves
    // in the margin is never part of a value).
    if (lg < LG_VSE) {
        std::memset(tampon + lg, 0, static_cast<std::size_t>(LG_VSE + MARGE_LIGNE + 1 - lg));
    } else {
        tampon[LG_VSE] = '\0';
    }
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

void Moteur::ajouterErreur(Controle c, int noErr, int numero) {
    if (nbErreur >= MAX_ERREURS) return;
    codeErreur[nbErreur++] = noErr;
    if (rapportCourant_ != nullptr) rapportCourant_->controle(c, noErr, numero);
}

int Moteur::aiguiller(const char* e6) const {
    const std::uint32_t cle = cleType(e6);
    if (cle != 0) {
        for (std::size_t c = caseAiguillage(cle);; c = (c + 1) % aiguillage_.size()) {
            if (aiguillage_[c].cle == cle) return aiguillage_[c].index;
            if (aiguillage_[c].cle == 0) break;
        }
    }
    return pack.ERR_AIGUILLAGE();
}

std::size_t Moteur::caseAiguillage(std::uint32_t cle) const {
    return static_cast<std::size_t>((cle * 0x9E3779B1U) >> 26) % aiguillage_.size();
}

int Moteur::traitement(const char* ligne, int v, int numeroLigne, int format) {
    return traitement(ligne, static_cast<int>(std::strlen(ligne)), v, numeroLigne, format);
}

int Moteur::traitement(const char* ligne, int lg, int v, int numeroLigne, int format) {
    // The line is cut from the run's own buffer, whose bytes past the line are zero.
    if (ligne != tampon) {
        lg = std::clamp(lg, 0, 2 * LG_VSE);
        std::memset(tampon, 0, sizeof tampon);
        std::memcpy(tampon, ligne, static_cast<std::size_t>(lg));
        lgTampon = lg;
        ligneImprimable_ = interne::imprimables(tampon, static_cast<std::size_t>(lg)) == static_cast<std::size_t>(lg);
    }
    ligneEntiere_ = ligneImprimable_ && lg >= LG_VSE;
    Rapport* const r = choisirRapport(v);
    vue_.xdebug = tampon;
    vue_.lgLigne = lg;
    if (r != nullptr) r->ligne(numeroLigne, tampon, lg);
    auto couperPar = [&](const Plan& p) {
        couper(p);
        if (r != nullptr) r->coupe();
        return static_cast<int>(p.decoupes.size());
    };

    std::memset(codeErreur, 0, sizeof codeErreur);
    couperPar(planEntete);
    couperPar(planFin);
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;

    if (numeroLigne == 1) {
        if (!vaut(e6, "FICH")) {
            arret(msg::IG011);
            return -2;
        }
        errFich = verifPlan(0, planEntete, nullptr, 'E');
        nbChampsCorps = couperPar(planFich);
        if (egal(valCorpsVSE[C1].valeur, SEIZE_BLANCS)) {
            arret(msg::I099);
            return -2;
        }
        if (errFich < MAX_ERREURS) {
            errFich = verifPlan(errFich, planFich, nullptr, 'C');
            if (errFich < MAX_ERREURS) errFich = verifPlan(errFich, planFich, nullptr, 'C');
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
        if (r != nullptr) r->finLigne(numeroLigne, nbErreur);
        return nbErreur;
    }

    // Without report, what the header decides (the file-level checks, the
    // header's rules, the dispatch) is kept per header: a header met before
    // gets the same answer at once.
    const MemoCadre::Resultat* connu = r == nullptr ? memoCadre_.trouver(tampon) : nullptr;
    MemoCadre::Resultat nouveau;
    nbErreur = 0;
    if (connu != nullptr) {
        for (int k = 0; k < connu->nControles; ++k) codeErreur[nbErreur++] = connu->controles[k];
    } else {
        controlesDeFichier(numeroLigne);
        nouveau.nControles = nbErreur;
        std::memcpy(nouveau.controles, codeErreur, static_cast<std::size_t>(nbErreur) * sizeof *codeErreur);
    }
    const bool infoDem = vaut(e6, "INFO") && vaut(e5, "DEM");
    const bool abat = vaut(e6, "ABAT");

    // Body fields left over from an earlier line are never read: those that
    // this line's cut does not fill are cleared once it is known.
    const int anciens = nbChampsCorps;
    nbChampsCorps = 0;

    int it = pack.ERR_AIGUILLAGE();
    int colonne = COLONNE_SANS_TYPE;
    if (nbErreur < MAX_ERREURS) {
        if (r != nullptr) {
            nbErreur = verifPlan(nbErreur, planEntete, nullptr, 'E');
            it = aiguiller(e6);
            colonne = colonneDe(e5);
        } else {
            if (codCaract != 0 || codLong != 0) nbErreur = erreursDeLigne(nbErreur);
            if (connu != nullptr) {
                for (int k = 0; k < connu->n && nbErreur < MAX_ERREURS; ++k) codeErreur[nbErreur++] = connu->codes[k];
                it = connu->aiguillage;
                colonne = connu->colonne;
            } else {
                const int debut = nbErreur;
                nbErreur = parcourir<false>(nbErreur, planEntete, COLONNE_SANS_TYPE, 'E');
                it = aiguiller(e6);
                colonne = colonneDe(e5);
                // A walk cut short by the tenth error does not know the
                // header's whole answer: it is not kept.
                if (nbErreur < MAX_ERREURS) {
                    nouveau.n = nbErreur - debut;
                    std::memcpy(nouveau.codes, codeErreur + debut, static_cast<std::size_t>(nouveau.n) * sizeof *codeErreur);
                    nouveau.aiguillage = it;
                    nouveau.colonne = colonne;
                    memoCadre_.garder(nouveau);
                }
            }
        }
        const sAiguillage& entree = pack.tAiguillage[it];
        if (entree.code != -1) {
            const Plan& plan = plansCorps[static_cast<std::size_t>(it)];
            const int nbChamps = couperPar(plan);
            for (int i = nbChamps; i < anciens; ++i) valCorpsVSE[i].valeur[0] = '\0';
            nbChampsCorps = nbChamps;
            // The slaughter view of a slaughter record, for its rules (no other
            // layout names them).
            if (entree.code == ABAT) getVseCorps(cp, tampon, lg);
            nbErreur = verifPlan(nbErreur, plan, colonne, 'C');

            // The result code as received (the third field cut), per program.
            err_aux = 0;
            if (entree.code != ERRE && nbChamps >= 3) err_aux = pack.erreurC3(sauvEmetteur, valCorpsVSE[C3].valeur, e6);
            if (err_aux != 0) ajouterErreur(Controle::CodeResultat, err_aux, numeroLigne);

            // What partner files sent to the national base may carry.
            if ((vaut(sauvEmetteur, "000PFO  ") || vaut(sauvEmetteur, "NORMABEV")) &&
                vaut(sauvRecepteur, "031BDN  ")) {
                const bool cre = vaut(e5, "CRE");
                const char* c5 = valCorpsVSE[C5].valeur;
                const bool permis = infoDem || (vaut(e6, "JALO") && cre) ||
                                    (vaut(e6, "ENTR") && cre && vaut(c5, "F")) ||
                                    (vaut(e6, "SORT") && cre && (vaut(c5, "S") || vaut(c5, "M"))) || abat;
                if (!permis) ajouterErreur(Controle::FichierPartenaire, 182, numeroLigne);
            }
            if (nbErreur < MAX_ERREURS) nbErreur = verifierFin(nbErreur);
        }
    }

    if (it == pack.ERR_AIGUILLAGE()) {
        for (int i = 0; i < anciens; ++i) valCorpsVSE[i].valeur[0] = '\0';
        interne::sansIdentifiant(valCorpsVSE);
        if (nbChampsCorps < 2) nbChampsCorps = 2;
    }
    if (nbErreur == 0) {
        emettreVSE(tampon, format);
    } else {
        faireVSEERR(it, nbErreur, format);
    }
    if (r != nullptr) r->finLigne(numeroLigne, nbErreur);
    if (appariement_) dependances(it, numeroLigne);
    return nbErreur;
}

void Moteur::controlesDeFichier(int numeroLigne) {
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;
    const char* e8 = valEnteteVSE[E8].valeur;
    if (pack.coherenceEmetteur != nullptr && fCoherenCCE(sauvEmetteur, e8, *pack.coherenceEmetteur) == 0) {
        ajouterErreur(Controle::CentreEmetteur, 135, numeroLigne);
    }
    const bool infoDem = vaut(e6, "INFO") && vaut(e5, "DEM");
    if (infoDem && !vaut(sauvEmetteur, "NORM02  ") && !vaut(sauvEmetteur, "PFOC01  ")) {
        ajouterErreur(Controle::InfoEmetteur, 110, numeroLigne);
    }
    if (infoDem && !vaut(sauvRecepteur, "031BDN  ")) ajouterErreur(Controle::InfoDestinataire, 85, numeroLigne);
    const bool abat = vaut(e6, "ABAT");
    if (abat && !vaut(sauvEmetteur, "NORM01  ") && !commencePar(sauvEmetteur, "OFFICE") &&
        !commencePar(sauvEmetteur, "ONICAB")) {
        ajouterErreur(Controle::AbatEmetteur, 110, numeroLigne);
    }
    if (abat && vaut(sauvEmetteur, "NORM01  ") && !vaut(e8, "NORMABEV")) {
        ajouterErreur(Controle::AbatCentre, 129, numeroLigne);
    }
    if (vaut(e6, "FICH")) ajouterErreur(Controle::FichRepete, 109, numeroLigne);
}

// An accepted EXP1 or EGET creation must be followed by its EXP2 or RATA
// creation with the same C2; otherwise the prepared answer is written.
void Moteur::dependances(int it, int numeroLigne) {
    existDependanceVSEerr = 0;
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;
    const char* c2 = valCorpsVSE[C2].valeur;
    // The previous line was an accepted EXP1 or EGET creation: this one must
    // be its EXP2 or RATA creation.
    if (enAttente_) {
        const char* attendu = vaut(sauvCodeVSE, "EXP1") ? "EXP2" : "RATA";
        char lien[13] = {};
        poser(lien, c2, 12);  // compared as saved: 12 characters, blank-padded
        if (!(egal(e6, attendu) && vaut(e5, "CRE") && std::memcmp(lien, sauvLienVSE, 12) == 0)) {
            faireFinDeLigne(erre, formatDuFichier);
            erre.ecrire(sauvTamponVSE, LG_VSE);
            existDependanceVSEerr = 1;
            signalerAppariement(numeroLigne - 1);
        }
    }
    sauvCodeVSEerr = nbErreur;
    // The type and transaction type as saved: 4 and 3 characters, blank-padded.
    if (ligneEntiere_) {
        std::memcpy(sauvCodeVSE, e6, 4);
        std::memcpy(sauvTypeVSE, e5, 3);
    } else {
        poser(sauvCodeVSE, e6, 4);
        poser(sauvTypeVSE, e5, 3);
    }
    enAttente_ = nbErreur == 0 && vaut(e5, "CRE") && (vaut(e6, "EXP1") || vaut(e6, "EGET"));
    if (enAttente_) {
        poser(sauvLienVSE, c2, 12);
        faireTamponVSEERR(vaut(e6, "EXP1") ? 105 : 138, it);
    }
}

void Moteur::signalerAppariement(int numero) {
    if (rapportCourant_ != nullptr) rapportCourant_->controle(Controle::Appariement, vaut(sauvCodeVSE, "EXP1") ? 105 : 138, numero);
}

}  // namespace vse
