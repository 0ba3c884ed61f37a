// What leaves a run: accepted records, ERRE records answering rejected ones,
// and the file record written over the first line of the file kept.
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "engine/interne.hpp"
#include "engine/moteur.hpp"
#include "rules/texte.hpp"

namespace vse {

using interne::poser;

namespace {

// Writes a 256-character record piece by piece, where it is to be written
// from: the record starts as blanks, and each piece is copied up to the end of
// its value and cut to its width, so the record always keeps its length.
class Enregistrement {
public:
    explicit Enregistrement(char* b) : b_(b) { std::memset(b_, ' ', LG_VSE); }
    // A value known to hold exactly `largeur` characters.
    Enregistrement& entier(const char* s, int largeur) {
        std::memcpy(b_ + pos_, s, static_cast<std::size_t>(largeur));
        pos_ += largeur;
        return *this;
    }
    Enregistrement& champ(const char* s, int largeur) {
        const int n = largeur < LG_VSE - pos_ ? largeur : LG_VSE - pos_;
        for (int i = 0; i < n && s[i] != '\0'; ++i) b_[pos_ + i] = s[i];
        pos_ += n;
        return *this;
    }
    Enregistrement& blancs(int n) {
        pos_ = pos_ + n < LG_VSE ? pos_ + n : LG_VSE;
        return *this;
    }
    Enregistrement& jusqua(int position) { return blancs(position - 1 - pos_); }

private:
    char* b_;
    int pos_ = 0;
};

// Widths of the header fields E1..E13 and of the trailer fields F1..F5.
constexpr int largeurE[NB_ENTETE] = {1, 1, 8, 8, 3, 4, 1, 8, 8, 8, 10, 1, 1};
constexpr int largeurF[NB_FIN] = {8, 6, 3, 8, 1};

void ecrireEntete(Enregistrement& e, const valeurVSE* entete) {
    for (int i = 0; i < NB_ENTETE; ++i) e.champ(entete[i].valeur, largeurE[i]);
}

int longueur(const char* s) { return static_cast<int>(std::strlen(s)); }

}  // namespace

void Moteur::faireFinDeLigne(FichierEcrit& f, int format) {
    if (format == FORMAT_DOS) {
        f.ecrire("\r\n", 2);
    } else {
        f.ecrire(format == FORMAT_MAC ? '\r' : '\n');
    }
}

void Moteur::emettreVSE(const char* ligne, int format) {
    faireFinDeLigne(emis, format);
    char* sortie = emis.place(LG_VSE);
    std::memcpy(sortie, ligne, LG_VSE);  // an accepted line is 256 characters
    if (!(vaut(valEnteteVSE[E6].valeur, "ERRE") && vaut(valEnteteVSE[E5].valeur, "ECQ"))) {
        sortie[76] = resultat_;
        sortie[77] = '0';
    }
}

void Moteur::construireVSEERR(char* out, const char* champC7, const char* champC8, int nbErreurPassee,
                              const valeurVSE* ent, const valeurVSE* corps, const int* codes, int lgC1,
                              int lgC2, bool entiers) const {
    Enregistrement e(out);
    // A value of a complete line of printable characters holds its field's
    // whole width (no rule shortens a value): it is copied as it stands.
    auto piece = [&e, entiers](const char* s, int largeur) -> Enregistrement& {
        return entiers ? e.entier(s, largeur) : e.champ(s, largeur);
    };
    piece(ent[E1].valeur, 1);
    piece(ent[E2].valeur, 1);
    piece(ent[E4].valeur, 8);
    piece(ent[E3].valeur, 8);
    e.entier("ERR", 3).entier("ERRE", 4);
    piece(ent[E7].valeur, 1);
    e.entier("INTERFAC", 8);
    piece(ent[E9].valeur, 8);
    e.champ(valFichEnteteVSE[E3].valeur, 8);
    piece(ent[E11].valeur, 10);
    piece(ent[E12].valeur, 1);
    piece(ent[E13].valeur, 1);
    piece(ent[E6].valeur, 4);
    piece(ent[E5].valeur, 3);
    // C1 and C2 as cut, each at the width of its field (2 and 12, or 4 and 3
    // in an ERRE record, followed by 7 blanks): 14 characters in all.
    if (entiers && lgC1 > 0 && lgC2 > 0 && lgC1 + lgC2 <= 14) {
        piece(corps[C1].valeur, lgC1);
        piece(corps[C2].valeur, lgC2);
        e.blancs(14 - lgC1 - lgC2);
    } else {
        char identifiant[2 * (LG_VSE + 1)];
        int lg = 0;
        for (const auto& [valeur, largeur] :
             {std::pair{corps[C1].valeur, lgC1}, std::pair{corps[C2].valeur, lgC2}}) {
            const int n = largeur > 0 ? largeur : longueur(valeur);
            interne::poser(identifiant + lg, valeur, n);
            lg += n;
        }
        identifiant[lg] = '\0';
        e.champ(identifiant, 14);
    }
    e.blancs(2).blancs(12).champ(champC7, 2).champ(champC8, 12);
    const int n = nbErreurPassee < 1 ? 0 : (nbErreurPassee > MAX_ERREURS ? MAX_ERREURS : nbErreurPassee);
    for (int i = 0; i < n; ++i) {
        // "I%03d1": error 85 gives I0851 (a number past 999 keeps its digits).
        char code[16];
        if (codes[i] >= 0 && codes[i] <= 999) {
            const char texte[6] = {'I', static_cast<char>('0' + codes[i] / 100), static_cast<char>('0' + codes[i] / 10 % 10),
                                   static_cast<char>('0' + codes[i] % 10), '1', '\0'};
            std::memcpy(code, texte, sizeof texte);
        } else {
            std::snprintf(code, sizeof code, "I%03d1", codes[i]);
        }
        e.champ(code, 5);
    }
    e.jusqua(231).entier(VSEDate, 26);
}

// The ERRE VSE answering the current VSE, identified as its dispatch entry
// says: the fields named for C7 and C8 (blanks for CINC), and C1 and C2 at the
// widths its layout cuts them.
void Moteur::repondre(char* out, int itAiguil, int nbErreurPassee, const int* codes) const {
    const sAiguillage& entree = pack.tAiguillage[itAiguil];
    const char* c7 = entree.champErrC7 == CINC ? "  " : valCorpsVSE[entree.champErrC7].valeur;
    const char* c8 = entree.champErrC8 == CINC ? "            " : valCorpsVSE[entree.champErrC8].valeur;
    const std::vector<Plan::Decoupe>& champs = plansCorps[static_cast<std::size_t>(itAiguil)].decoupes;
    const int lgC1 = champs.size() > 0 ? champs[0].largeur : 0;
    const int lgC2 = champs.size() > 1 ? champs[1].largeur : 0;
    construireVSEERR(out, c7, c8, nbErreurPassee, valEnteteVSE, valCorpsVSE, codes, lgC1, lgC2, ligneEntiere_);
}

void Moteur::faireVSEERR(int itAiguil, int nbErreurPassee) {
    if (nbErreurPassee > MAX_ERREURS) nbErreur = MAX_ERREURS;
    repondre(erre.place(LG_VSE), itAiguil, nbErreurPassee, codeErreur);
}

void Moteur::faireTamponVSEERR(int codeErr, int itAiguil) {
    if (itAiguil == pack.ERR_AIGUILLAGE()) interne::sansIdentifiant(valCorpsVSE);
    repondre(sauvTamponVSE, itAiguil, 1, &codeErr);
    sauvTamponVSE[LG_VSE] = '\0';
}

void Moteur::ecrireFichierAccepte() {
    faireFinDeLigne(emis, formatDuFichier);
    std::strcpy(valFichEnteteVSE[E5].valeur, "INF");
    char ligne[LG_VSE];
    Enregistrement e(ligne);
    ecrireEntete(e, valFichEnteteVSE);
    char compte[16];
    std::snprintf(compte, sizeof compte, "%06d", nombreDeVSE - 2);
    e.champ(valFichCorpsVSE[C1].valeur, 16)
        .champ(valFichCorpsVSE[C2].valeur, 16)
        .champ(valFichCorpsVSE[C3].valeur, 6)
        .champ(valFichCorpsVSE[C4].valeur, 6)
        .champ(valFichCorpsVSE[C5].valeur, 6)
        .champ(compte, 6)
        .champ(valFichCorpsVSE[C7].valeur, 6)
        .champ(valFichCorpsVSE[C8].valeur, 1)
        .blancs(105);
    for (int i = 0; i < NB_FIN; ++i) e.champ(valFichFinVSE[i].valeur, largeurF[i]);
    emis.ecrireAuDebut(ligne, LG_VSE);
}

void Moteur::ecrireReponseErreur() {
    if (errFich > 0) {
        // The file's own errors, answered by an ERRE VSE about the FICH record.
        faireFinDeLigne(erre, formatDuFichier);
        valeurVSE corps[NB_CORPS];
        std::memcpy(corps, valFichCorpsVSE, sizeof valFichCorpsVSE);
        interne::sansIdentifiant(corps);
        char out[LG_VSE];
        construireVSEERR(out, "  ", "            ", errFich, valFichEnteteVSE, corps, codeFichErreur, 2, 12);
        erre.ecrire(out, LG_VSE);
    }
    faireFinDeLigne(erre, formatDuFichier);

    // The reply record: sender and receiver exchanged, transaction "INF".
    valeurVSE entete[NB_ENTETE];
    std::memcpy(entete, valFichEnteteVSE, sizeof entete);
    std::memcpy(entete[E3].valeur, valFichEnteteVSE[E4].valeur, sizeof entete[E3].valeur);
    std::memcpy(entete[E4].valeur, valFichEnteteVSE[E3].valeur, sizeof entete[E4].valeur);
    std::strcpy(entete[E5].valeur, "INF");
    char ligne[LG_VSE];
    Enregistrement e(ligne);
    ecrireEntete(e, entete);
    const int nbVSE = nombreDeVSE - 2;
    const int acceptes = nbVSE - nbVSE_Err + (errFich > 0 ? 1 : 0);
    char compteurs[64];
    std::snprintf(compteurs, sizeof compteurs, "%06d%06d%06d%06d", nbVSE_Err, nbVSE, nbVSE_Err, acceptes);
    char date[40];
    interne::horodatage(date, sizeof date);
    e.champ(valFichCorpsVSE[C1].valeur, 16)
        .champ(valFichCorpsVSE[C1].valeur, 16)
        .champ(compteurs, 24)
        .champ(valFichCorpsVSE[C7].valeur, 6)
        .champ("1", 1)
        .blancs(105)
        .champ(date, 26);
    erre.ecrireAuDebut(ligne, LG_VSE);
}

}  // namespace vse
