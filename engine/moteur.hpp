// The processing engine: one run over one exchange file, for one program's pack.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/es.hpp"
#include "engine/pack.hpp"
#include "engine/rapport.hpp"
#include "model/vse.hpp"

namespace vse {

enum visuVSE { noVisu = 0, infVisu = 1, dgVisu = 2 };

// Outcomes of reading one line; DVRAN_ERREUR: the input could not be read.
enum dvranFgetsRet { DVRAN_EOF, DVRAN_DOS, DVRAN_UNIX, DVRAN_MAC, DVRAN_LONGNULLE, DVRAN_CTRLZ, DVRAN_ERREUR };

// Line-end formats of a file (not yet known: -1).
inline constexpr int FORMAT_INCONNU = -1;
inline constexpr int FORMAT_DOS = 1;
inline constexpr int FORMAT_UNIX = 2;
inline constexpr int FORMAT_MAC = 3;

// The log texts of the global stops (Latin-1).
namespace msg {
inline constexpr const char* IG002 =
    "IG002: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier d'erreur";
inline constexpr const char* IG003 =
    "IG003: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier temporaire \xe0 traiter";
inline constexpr const char* IG004 =
    "IG004: Donn\xe9" "es incorrectes ou absentes : impossible d'acc\xe9" "der au fichier \xe0 \xe9" "mettre";
inline constexpr const char* IG008 = "IG008: Differents formats de VSE (DOS, UNIX, MAC)";
inline constexpr const char* IG009 =
    "IG009: Donn\xe9" "es incorrectes ou absentes : impossible de renommer le fichier re\xe7u";
inline constexpr const char* IG010 =
    "IG010: Donn\xe9" "es incorrectes ou absentes : impossible de renommer le fichier \xe0 envoyer";
inline constexpr const char* IG011 = "IG011: Donn\xe9" "es incorrectes ou absentes : VSE FICH n'existe pas";
inline constexpr const char* IG014 = "IG014: Pas de VSE de base";
inline constexpr const char* IG015 = "IG015: Pr\xe9sence de VSE de longueur nulle";
inline constexpr const char* I073 = "I073 : Plus de 10000 enregistrements dans le fichier";
inline constexpr const char* I099 = "I099 : Donn\xe9" "e absente : num\xe9ro du fichier \xe9mis";
// Stops of the process rather than of the data: a signal asking the run to
// stop, an input left under its temporary name by a run that died, memory
// exhausted.
inline constexpr const char* IG016 = "IG016: Traitement interrompu par un signal";
inline constexpr const char* IG017 =
    "IG017: Fichier re\xe7u laiss\xe9 sous son nom temporaire par un traitement interrompu";
inline constexpr const char* IG018 = "IG018: Allocation m\xe9moire impossible";
}  // namespace msg

// File names: directory part, directory with its separator, file name.
std::string nomDuRep(const std::string& chemin);
std::string nomDuRep2(const std::string& chemin);
std::string nomDuFic(const std::string& chemin);
void strrevers(char* s);

// The code between the first two '_' of a command-line word (at most 31 characters).
std::string extraireC11(const char* mot);

// One trace line on the error stream.
void tracer(const char* s);

class Moteur {
public:
    explicit Moteur(const Pack& pack, const OperationsFichier& es = operationsSysteme());
    ~Moteur() { relacherEntree(); }
    Moteur(const Moteur&) = delete;
    Moteur& operator=(const Moteur&) = delete;

    // The whole run: command line, files, line loop, answer. Returns the exit status.
    int delvoran(int argc, char** argv);

    // --- steps of the run, public so that they can be driven one by one ---

    // Reads one line of the input into tampon (lgTampon characters).
    int dvranFgets();
    // Cuts, checks and answers one line of `lg` characters; its error count,
    // or -2 when the run stopped.
    int traitement(const char* ligne, int lg, int visu, int nombreDeVSE, int formatDuFichier);
    int traitement(const char* ligne, int visu, int nombreDeVSE, int formatDuFichier);
    // Applies the rules of a layout's plan (placed on this run's buffers) to
    // the values cut by it; the new error count. `lettre`: the zone ('E',
    // 'C', 'F') the report names.
    int verifPlan(int nbErreurPassee, const Plan& p, const char* valE5, char lettre);
    // The same with the plan's presence column of the transaction type (colonneDe).
    int verifPlan(int nbErreurPassee, const Plan& p, int colonne, char lettre) {
        if (codCaract != 0 || codLong != 0) nbErreurPassee = erreursDeLigne(nbErreurPassee);
        return rapportCourant_ != nullptr ? parcourir<true>(nbErreurPassee, p, colonne, lettre)
                                          : parcourir<false>(nbErreurPassee, p, colonne, lettre);
    }
    static int colonneDe(const char* e5);
    // The same for a layout table and values cut by it, reported as `visu` asks.
    int verifChamps(int visu, int nbErreurPassee, const Table& t, valeurVSE* valChampsVSE,
                    const char* valE5, const char* premLettre);
    // The ERRE VSE answering the current VSE with the given errors (256
    // characters). lgC1 and lgC2: the widths of the identification fields C1
    // and C2 in the rejected record's layout (0: as cut); lgC7 and lgC8 those
    // of the fields named for C7 and C8. `entiers`: every value given holds
    // its field's whole width (a complete line of printable characters), so
    // each is copied as it stands.
    void construireVSEERR(char* out, const char* champC7, const char* champC8, int nbErreurPassee,
                          const valeurVSE* lvalEnteteVSE, const valeurVSE* lvalCorpsVSE,
                          const int* lcodeErreur, int lgC1 = 0, int lgC2 = 0, bool entiers = false, int lgC7 = 0,
                          int lgC8 = 0) const;
    // Index of the dispatch entry of a VSE type (the closing entry when none).
    int aiguiller(const char* e6) const;
    // The view through which rules read the current line.
    const Vue& vue() const { return vue_; }
    const char* resoudre(const Dependance& d) const {
        switch (d.zone) {
            case Zone::Entete: return valEnteteVSE[d.champ].valeur;
            case Zone::Corps: return valCorpsVSE[d.champ].valeur;
            case Zone::Fin: return valFinVSE[d.champ].valeur;
            case Zone::FichEntete: return valFichEnteteVSE[d.champ].valeur;
            case Zone::Aucune: break;
        }
        return "";
    }

    // --- run state ---
    const Pack& pack;
    const OperationsFichier& es;
    int visu = noVisu;
    // The hook told of every check (the check command sets it); none: the
    // console report that visu asks for, if any.
    Rapport* rapport = nullptr;

    std::string name_recu, name_emis, name_log, name_tmp_recu, name_tmp_emis, name_erre;
    // The directories of the input and of the output, with their separator.
    std::string rep_recu, rep_emis;
    // The input's descriptor, read by `recu` and locked (flock) from before the
    // input is moved aside until it is given back or removed: a later run that
    // finds the temporary name locked knows a live run holds it.
    int fdRecu = -1;
    bool entreeDeplacee = false;  // the input stands under name_tmp_recu
    bool entreePrise = false;     // this run moved the input aside: the temporary names are its own
    int reponseEnPlace = -1;      // once the answer is under the output name: its status
    FichierLu recu;
    FichierEcrit emis;
    FichierEcrit erre;
    Journal journal;
    char VSEDate[37] = {};
    char bufC11[32] = {};

    // The line being processed; past its end the buffer holds zeros.
    char tampon[2 * LG_VSE + MARGE_LIGNE + 1] = {};
    int lgTampon = 0;
    int codLong = 0;
    int codCaract = 0;
    int nbErreur = 0;
    int codeErreur[MAX_ERREURS] = {};
    int err_aux = 0;
    int existDependanceVSEerr = 0;

    int nombreDeVSE = 1;
    int formatDuFichier = FORMAT_INCONNU;
    int nbVSE_Err = 0;
    int errFich = 0;
    int codeFichErreur[MAX_ERREURS] = {};
    char sauvEmetteur[9] = {};
    char sauvRecepteur[9] = {};
    char sauvCodeVSE[5] = {};
    char sauvTypeVSE[4] = {};
    int sauvCodeVSEerr = 0;
    char sauvLienVSE[13] = {};
    char sauvTamponVSE[LG_VSE + 1] = {};

    valeurVSE valEnteteVSE[NB_ENTETE] = {};
    valeurVSE valCorpsVSE[NB_CORPS] = {};
    int nbChampsCorps = 0;  // the body fields the last cut filled
    valeurVSE valFinVSE[NB_FIN] = {};
    valeurVSE valFichEnteteVSE[NB_ENTETE] = {};
    valeurVSE valFichCorpsVSE[NB_FICH_CORPS] = {};
    valeurVSE valFichFinVSE[NB_FIN] = {};
    vseCorps cp = {};

    // The plans of the program's layouts: the frame, and one per dispatch entry.
    Plan planEntete, planFin, planFich;
    std::vector<Plan> plansCorps;

private:
    // What the frame gave the lines verified so far, by the bytes of the line
    // that decided it, in a table of a few slots found by hashing the
    // header's bytes: a file repeats a few headers (one per record type and
    // transaction type, say) from line to line. A slot holds what the header
    // decided (the errors of the file-level checks and of the header's rules,
    // the dispatch entry, the presence column) and, beside it, the errors the
    // trailer's rules gave the last trailer met under that header.
    class MemoCadre {
    public:
        struct Resultat {
            int controles[MAX_ERREURS];
            int nControles = 0;
            int codes[MAX_ERREURS];
            int n = 0;
            int aiguillage = 0;
            int colonne = 0;  // the presence column of the transaction type
        };
        // The bytes that decide the header's and the trailer's answers, as
        // (first byte, count) ranges of the line; the memo stays off when
        // they do not fit its keys.
        void definir(const std::vector<std::pair<int, int>>& entete, const std::vector<std::pair<int, int>>& fin);
        // The header's result kept for the line's bytes, or nullptr. The line
        // lies in a buffer with a margin of 8 bytes past its 256.
        const Resultat* trouver(const char* ligne);
        // Keeps a result for the header looked up last.
        void garder(const Resultat& r);
        // The trailer's errors kept, under the header looked up last, for the
        // line's trailer bytes, or nullptr; `n` their number.
        const int* trouverFin(const char* ligne, int& n);
        // Keeps the trailer's errors of the line looked up last.
        void garderFin(const int* codes, int n);

    private:
        static constexpr int MOTS = 16;     // a header key of up to 128 bytes
        static constexpr int MOTS_FIN = 6;  // a trailer key of up to 48 bytes
        struct Case {
            std::uint64_t cle[MOTS];
            Resultat resultat;
            bool plein = false;
            bool recent = false;  // the slot of its set used last
            std::uint64_t cleFin[MOTS_FIN];
            int codesFin[MAX_ERREURS];
            int nFin = -1;  // -1: no trailer kept
        };
        static constexpr int NB_CASES = 256;  // 128 sets of two
        // The key's words: where each is read in the line, and which of its
        // bytes belong to the ranges (the last word of a range is partial).
        struct Mot {
            int debut;
            std::uint64_t masque;
        };
        static std::vector<Mot> mots(const std::vector<std::pair<int, int>>& plages);
        std::vector<Mot> mots_, motsFin_;
        int nbMots_ = 0, nbMotsFin_ = 0;
        bool actif_ = false, actifFin_ = false;
        std::uint64_t cle_[MOTS] = {};
        std::uint64_t cleFin_[MOTS_FIN] = {};
        Case* derniere_ = nullptr;
        bool courante_ = false;  // derniere_ holds the header looked up last
        std::vector<Case> cases_;
    };
    // The trailer's rules over the line, or the errors they gave an earlier
    // line of the same header and trailer.
    int verifierFin(int nb);
    // The file-level checks of a line after the first (135, 110, 85, 129, 109).
    void controlesDeFichier(int numeroLigne);
    int erreursDeLigne(int nb);
    template <bool AvecRapport>
    int parcourir(int nb, const Plan& p, int col, char lettre);
    // The report of a line: the hook when one is set, else the console
    // report visu asks for, if any.
    Rapport* choisirRapport(int v) {
        rapportCourant_ = rapport != nullptr ? rapport
                          : v == infVisu     ? static_cast<Rapport*>(&rapportInformatique_)
                          : v == dgVisu      ? static_cast<Rapport*>(&rapportDetaille_)
                                             : nullptr;
        return rapportCourant_;
    }
    int verificationParametre(int argc, char** argv, int& premier);
    int ouvrirFichiers();
    int entreePrecedente();  // what stands under name_tmp_recu before the run
    void relacherEntree();   // closes the input's descriptor, which leaves its lock
    int arretMemoire();      // memory exhausted: a stop, the input given back
    void signalerSignal() const;  // names the signal received on the error stream
    int executer(int argc, char** argv);
    int boucle();
    int finDeTraitement();
    int arret(const char* message);  // stop while reading lines: input given back
    // An error of an engine check about line `numero`, while fewer than ten are recorded.
    void ajouterErreur(Controle c, int noErr, int numero);
    void faireFinDeLigne(FichierEcrit& f, int format);
    void emettreVSE(const char* ligne, int format);
    // Writes a line end, then answers the current VSE by its ERRE VSE.
    void faireVSEERR(int itAiguil, int nbErreurPassee, int format);
    // A line end written, and the room for the 256 characters of the next record.
    char* placeApresFinDeLigne(FichierEcrit& f, int format);
    void faireTamponVSEERR(int codeErr, int itAiguil);
    void repondre(char* out, int itAiguil, int nbErreurPassee, const int* codes) const;
    void ecrireFichierAccepte();
    void ecrireReponseErreur();
    int emettre(const std::string& name_emettre);
    void nePasEmettre();
    void allCloseFile();
    void supprimerOuSignaler(const std::string& nom);
    void prepareVSEDate();
    void dependances(int itAiguil, int numeroLigne);
    // Reports the pending pairing of line `numero` as unanswered.
    void signalerAppariement(int numero);

    Vue vue_;
    // The line being processed has its 256 characters, all printable: every
    // value cut from it holds its field's whole width.
    bool ligneEntiere_ = false;
    bool ligneImprimable_ = false;  // as read: no character outside 0x20-0x7E
    char resultat_ = '0';  // the program's result digit, asked of the pack once
    bool appariement_ = false;  // the pack's EXP1/EXP2 and EGET/RATA pairing, asked once
    bool enAttente_ = false;    // the last line was an accepted EXP1 or EGET creation
    MemoCadre memoCadre_;
    Rapport* rapportCourant_ = nullptr;
    RapportConsole rapportInformatique_{infVisu};
    RapportConsole rapportDetaille_{dgVisu};
    // The dispatch entries by the key of their name (the closing entry left
    // out), in a table of 64 slots, open addressing.
    struct CaseAiguillage {
        std::uint32_t cle = 0;  // 0: empty
        int index = 0;
    };
    std::vector<CaseAiguillage> aiguillage_;
    // How the ERRE VSE of each dispatch entry identifies the rejected record:
    // the widths of C1 and C2 in its layout (0: as cut), the fields named for
    // C7 and C8 (CINC: blanks) and their widths (those of the blanks for
    // CINC), and whether C1 and C2 are 2 and 12 or 4 and 3 wide and those
    // fields 2 and 12 (usuelle).
    struct Identification {
        int lgC1 = 0;
        int lgC2 = 0;
        numCorpsVSE c7 = CINC;
        numCorpsVSE c8 = CINC;
        int lgC7 = 0;
        int lgC8 = 0;
        bool usuelle = false;
    };
    std::vector<Identification> identifications_;
    void repondreEntier(char* out, const Identification& id, int nbErreurPassee, const int* codes) const;
    std::size_t caseAiguillage(std::uint32_t cle) const;
};

// main(argc, argv) of each program.
int delvoran(const Pack& pack, int argc, char** argv);

}  // namespace vse
