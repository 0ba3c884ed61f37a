// What leaves a run: accepted records, ERRE records answering rejected ones,
// and the file record written over the first line of the file kept.
#include <cstdio>
#include <array>
#include <cstring>
#include <type_traits>
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

char* Moteur::placeApresFinDeLigne(FichierEcrit& f, int format) {
    if (format == FORMAT_DOS) {
        char* p = f.place(2 + LG_VSE);
        p[0] = '\r';
        p[1] = '\n';
        return p + 2;
    }
    char* p = f.place(1 + LG_VSE);
    p[0] = format == FORMAT_MAC ? '\r' : '\n';
    return p + 1;
}

void Moteur::emettreVSE(const char* ligne, int format) {
    char* sortie = placeApresFinDeLigne(emis, format);
    std::memcpy(sortie, ligne, LG_VSE);  // an accepted line is 256 characters
    if (!(vaut(valEnteteVSE[E6].valeur, "ERRE") && vaut(valEnteteVSE[E5].valeur, "ECQ"))) {
        sortie[76] = resultat_;
        sortie[77] = '0';
    }
}

namespace {

// Copies a value over blanks, up to its end and at most n characters.
inline void surBlancs(char* dst, const char* s, int n) {
    for (int i = 0; i < n && s[i] != '\0'; ++i) dst[i] = s[i];
}

// The three digits of every error number from 0 to 999, for "I%03d1".
constexpr auto TROIS_CHIFFRES = [] {
    std::array<char, 3000> t{};
    for (int n = 0; n < 1000; ++n) {
        t[static_cast<std::size_t>(3 * n)] = static_cast<char>('0' + n / 100);
        t[static_cast<std::size_t>(3 * n + 1)] = static_cast<char>('0' + n / 10 % 10);
        t[static_cast<std::size_t>(3 * n + 2)] = static_cast<char>('0' + n % 10);
    }
    return t;
}();

// The errors of an ERRE VSE (pieces 23 and 24: each recorded error as
// "I%03d1", at most ten, over blanks) and its trailer, the run's time stamp.
inline void erreursEtDate(char* out, int nbErreurPassee, const int* codes, const char* vseDate) {
    const int n = nbErreurPassee < 1 ? 0 : (nbErreurPassee > MAX_ERREURS ? MAX_ERREURS : nbErreurPassee);
    for (int i = 0; i < n; ++i) {
        // Error 85 gives I0851; a number past 999 keeps its digits, as many
        // as fit in the five characters.
        char* code = out + 111 + 5 * i;
        if (codes[i] >= 0 && codes[i] <= 999) {
            code[0] = 'I';
            std::memcpy(code + 1, TROIS_CHIFFRES.data() + 3 * codes[i], 3);
            code[4] = '1';
        } else {
            char texte[16];
            std::snprintf(texte, sizeof texte, "I%03d1", codes[i]);
            surBlancs(code, texte, 5);
        }
    }
    std::memcpy(out + 230, vseDate, 26);
}

}  // namespace

void Moteur::construireVSEERR(char* out, const char* champC7, const char* champC8, int nbErreurPassee,
                              const valeurVSE* ent, const valeurVSE* corps, const int* codes, int lgC1,
                              int lgC2, bool entiers, int lgC7, int lgC8) const {
    // Pieces of fixed width at fixed places (positions from 0), over blanks.
    // A value of a complete line of printable characters holds its field's
    // whole width (no rule shortens a value): it is copied as it stands.
    std::memset(out, ' ', LG_VSE);
    auto poser = [out, entiers](int place, const char* s, auto largeur) {
        if (entiers) {
            std::memcpy(out + place, s, largeur);
        } else {
            surBlancs(out + place, s, static_cast<int>(largeur));
        }
    };
    using L1 = std::integral_constant<std::size_t, 1>;
    poser(0, ent[E1].valeur, L1{});
    poser(1, ent[E2].valeur, L1{});
    poser(2, ent[E4].valeur, std::integral_constant<std::size_t, 8>{});
    poser(10, ent[E3].valeur, std::integral_constant<std::size_t, 8>{});
    std::memcpy(out + 18, "ERRERRE", 7);
    poser(25, ent[E7].valeur, L1{});
    std::memcpy(out + 26, "INTERFAC", 8);
    poser(34, ent[E9].valeur, std::integral_constant<std::size_t, 8>{});
    surBlancs(out + 42, valFichEnteteVSE[E3].valeur, 8);
    poser(50, ent[E11].valeur, std::integral_constant<std::size_t, 10>{});
    poser(60, ent[E12].valeur, L1{});
    poser(61, ent[E13].valeur, L1{});
    poser(62, ent[E6].valeur, std::integral_constant<std::size_t, 4>{});
    poser(66, ent[E5].valeur, std::integral_constant<std::size_t, 3>{});
    // C1 and C2 as cut, each at the width of its field (2 and 12, or 4 and 3
    // in an ERRE record, followed by 7 blanks): 14 characters in all.
    if (entiers && lgC1 > 0 && lgC2 > 0 && lgC1 + lgC2 <= 14) {
        std::memcpy(out + 69, corps[C1].valeur, static_cast<std::size_t>(lgC1));
        std::memcpy(out + 69 + lgC1, corps[C2].valeur, static_cast<std::size_t>(lgC2));
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
        surBlancs(out + 69, identifiant, 14);
    }
    // Pieces 83-96 are blanks; then the identification fields named for C7 and C8.
    if (entiers && lgC7 == 2) {
        std::memcpy(out + 97, champC7, 2);
    } else {
        surBlancs(out + 97, champC7, 2);
    }
    if (entiers && lgC8 == 12) {
        std::memcpy(out + 99, champC8, 12);
    } else {
        surBlancs(out + 99, champC8, 12);
    }
    erreursEtDate(out, nbErreurPassee, codes, VSEDate);
}

// The ERRE VSE answering the current VSE, identified as its dispatch entry
// says: the fields named for C7 and C8 (blanks for CINC), and C1 and C2 at the
// widths its layout cuts them.
void Moteur::repondre(char* out, int itAiguil, int nbErreurPassee, const int* codes) const {
    const Identification& id = identifications_[static_cast<std::size_t>(itAiguil)];
    const char* c7 = id.c7 == CINC ? "  " : valCorpsVSE[id.c7].valeur;
    const char* c8 = id.c8 == CINC ? "            " : valCorpsVSE[id.c8].valeur;
    construireVSEERR(out, c7, c8, nbErreurPassee, valEnteteVSE, valCorpsVSE, codes, id.lgC1, id.lgC2, ligneEntiere_,
                     id.lgC7, id.lgC8);
}


// The ERRE VSE of a complete line of printable characters whose dispatch
// entry identifies its records by fields of the usual widths: every piece is
// a copy of known width, the header's straight from the line (the header's
// rules leave its values as cut, so each is the line's characters).
void Moteur::repondreEntier(char* out, const Identification& id, int nbErreurPassee, const int* codes) const {
    std::memset(out, ' ', LG_VSE);
    const char* l = tampon;
    std::memcpy(out, l, 2);             // E1, E2
    std::memcpy(out + 2, l + 10, 8);    // E4: the receiver
    std::memcpy(out + 10, l + 2, 8);    // E3: the sender
    std::memcpy(out + 18, "ERRERRE", 7);
    out[25] = l[25];                    // E7
    std::memcpy(out + 26, "INTERFAC", 8);
    std::memcpy(out + 34, l + 34, 8);   // E9
    std::memcpy(out + 42, sauvEmetteur, 8);
    std::memcpy(out + 50, l + 50, 12);  // E11, E12, E13
    std::memcpy(out + 62, l + 21, 4);   // E6
    std::memcpy(out + 66, l + 18, 3);   // E5
    if (id.lgC1 == 2) {
        std::memcpy(out + 69, valCorpsVSE[C1].valeur, 2);
        std::memcpy(out + 71, valCorpsVSE[C2].valeur, 12);
    } else {
        std::memcpy(out + 69, valCorpsVSE[C1].valeur, 4);
        std::memcpy(out + 73, valCorpsVSE[C2].valeur, 3);
    }
    if (id.c7 != CINC) std::memcpy(out + 97, valCorpsVSE[id.c7].valeur, 2);
    if (id.c8 != CINC) std::memcpy(out + 99, valCorpsVSE[id.c8].valeur, 12);
    erreursEtDate(out, nbErreurPassee, codes, VSEDate);
}

void Moteur::faireVSEERR(int itAiguil, int nbErreurPassee, int format) {
    if (nbErreurPassee > MAX_ERREURS) nbErreur = MAX_ERREURS;
    char* out = placeApresFinDeLigne(erre, format);
    const Identification& id = identifications_[static_cast<std::size_t>(itAiguil)];
    if (ligneEntiere_ && id.usuelle) {
        repondreEntier(out, id, nbErreurPassee, codeErreur);
    } else {
        repondre(out, itAiguil, nbErreurPassee, codeErreur);
    }
}

void Moteur::faireTamponVSEERR(int codeErr, int itAiguil) {
    if (itAiguil == pack.ERR_AIGUILLAGE()) interne::sansIdentifiant(valCorpsVSE);
    const Identification& id = identifications_[static_cast<std::size_t>(itAiguil)];
    if (ligneEntiere_ && id.usuelle) {
        repondreEntier(sauvTamponVSE, id, 1, &codeErr);
    } else {
        repondre(sauvTamponVSE, itAiguil, 1, &codeErr);
    }
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
