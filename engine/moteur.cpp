// One run of a program over one exchange file: the command line, the files and
// their temporary names, the line loop, and the answer left under the output name.
#include "engine/moteur.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "rules/coherence.hpp"
#include "rules/texte.hpp"

namespace vse {

namespace {

const char* const USAGE =
    "\n Usage : delvoran [-i|-d|-v] <fichier a traiter> <fichier a emettre> <fichier log>\n \n"
    "         -i : resultats des traitements des VSE \n"
    "              vers la console sous forme informatique\n"
    "         -d : resultats des traitements des VSE\n"
    "              vers la console sous forme d\xe9" "crypt\xe9" "e\n"
    "         -v : donne la version de delvoran\n ";

constexpr const char* SEIZE_BLANCS = "                ";

// Copies at most `n` characters of `s` into `dst` and blank-pads to `n`.
void poser(char* dst, const char* s, int n) {
    int i = 0;
    for (; i < n && s[i] != '\0'; ++i) dst[i] = s[i];
    for (; i < n; ++i) dst[i] = ' ';
}

// Writes a 256-character record piece by piece: each piece is blank-padded or
// cut to its width, so the record always keeps its length.
class Enregistrement {
public:
    Enregistrement() { std::memset(b_, ' ', LG_VSE); }
    Enregistrement& champ(const char* s, int largeur) {
        const int n = largeur < LG_VSE - pos_ ? largeur : LG_VSE - pos_;
        poser(b_ + pos_, s, n);
        pos_ += n;
        return *this;
    }
    Enregistrement& blancs(int n) { return champ("", n); }
    Enregistrement& jusqua(int position) { return blancs(position - 1 - pos_); }
    const char* texte() const { return b_; }

private:
    char b_[LG_VSE] = {};
    int pos_ = 0;
};

// Widths of the header fields E1..E13.
constexpr int largeurE[NB_ENTETE] = {1, 1, 8, 8, 3, 4, 1, 8, 8, 8, 10, 1, 1};
// Widths of the trailer fields F1..F5.
constexpr int largeurF[NB_FIN] = {8, 6, 3, 8, 1};

// A record that no dispatch entry describes is identified by blanks: body
// fields C1 and C2 become 2 and 12 blanks.
void sansIdentifiant(valeurVSE* corps) {
    std::strcpy(corps[C1].valeur, "  ");
    std::strcpy(corps[C2].valeur, "            ");
}

void ecrireEntete(Enregistrement& e, const valeurVSE* entete) {
    for (int i = 0; i < NB_ENTETE; ++i) e.champ(entete[i].valeur, largeurE[i]);
}

void horodatage(char* out, std::size_t taille) {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char texte[128];
    std::snprintf(texte, sizeof texte, "%02d%02d%04d%02d%02d%02d%s%s%s", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec, "025", "        ", "*");
    std::snprintf(out, taille, "%.26s", texte);
}

// True when both paths name the same existing file.
bool memeFichier(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// Directory of a path with one separator after it, where temporary files go.
std::string repertoireTemporaire(const std::string& chemin) {
    return nomDuFic(chemin) == chemin ? std::string("./") : nomDuRep2(chemin);
}

}  // namespace

Moteur::Moteur(const Pack& p) : pack(p) {}

Moteur::~Moteur() {
    for (std::FILE** fp : {&fp_recu, &fp_emis, &fp_erre, &fp_log}) {
        if (*fp != nullptr) std::fclose(*fp);
    }
}

Vue Moteur::vue() const {
    Vue v;
    v.xdebug = xdebug;
    v.entete = valEnteteVSE;
    v.corps = valCorpsVSE;
    v.fin = valFinVSE;
    v.fichEntete = valFichEnteteVSE;
    v.fichCorps = valFichCorpsVSE;
    v.fichFin = valFichFinVSE;
    v.cp = &cp;
    v.bufC11 = bufC11;
    return v;
}

const char* Moteur::resoudre(const Dependance& d) const {
    switch (d.zone) {
        case Zone::Entete: return valEnteteVSE[d.champ].valeur;
        case Zone::Corps: return valCorpsVSE[d.champ].valeur;
        case Zone::Fin: return valFinVSE[d.champ].valeur;
        case Zone::FichEntete: return valFichEnteteVSE[d.champ].valeur;
        case Zone::Aucune: break;
    }
    return "";
}

// ---------------------------------------------------------------- command line

int Moteur::verificationParametre(int argc, char** argv, int& premier) {
    int erreurs = 0;
    int i = 1;
    for (; i < argc; ++i) {
        const char* a = argv[i];
        if (a[0] != '-' || a[1] == '\0') break;
        if (egal(a, "--")) {
            ++i;
            break;
        }
        for (int k = 1; a[k] != '\0'; ++k) {
            const char c = a[k];
            if (c == 'd') {
                visu = dgVisu;
            } else if (c == 'i') {
                visu = infVisu;
            } else if (c == 'v') {
                std::printf("%s\n", pack.version);
                return 3;
            } else if (c == 'D') {
                // -D takes a value, joined or in the next word, and ignores it.
                if (a[k + 1] == '\0') {
                    if (i + 1 < argc) {
                        ++i;
                    } else {
                        std::fprintf(stderr, "%s: option requires an argument -- %c\n", argv[0], c);
                        ++erreurs;
                    }
                }
                break;
            } else {
                std::fprintf(stderr, "%s: illegal option -- %c\n", argv[0], c);
                ++erreurs;
            }
        }
    }
    if (erreurs > 0 || argc - i != 3) {
        std::fputs(USAGE, stdout);
        return 3;
    }
    premier = i;
    return 0;
}

// ---------------------------------------------------------------- run start

void Moteur::prepareVSEDate() { horodatage(VSEDate, sizeof VSEDate); }

int Moteur::ouvrirFichiers() {
    fp_log = std::fopen(name_log.c_str(), "w");
    if (fp_log == nullptr) {
        std::perror("Ouverture du fichier log");
        return 1;
    }
    std::FILE* essai = std::fopen(name_recu.c_str(), "r");
    if (essai == nullptr) {
        std::perror("Ouverture du fichier \xe0 traiter");
        consigner(msg::IG003, fp_log);
        return 1;
    }
    std::fclose(essai);

    const std::string fic = nomDuFic(name_recu);
    name_tmp_recu = repertoireTemporaire(name_recu) + fic + "_r" + pack.suffixeTemporaire;
    if (std::rename(name_recu.c_str(), name_tmp_recu.c_str()) != 0) {
        std::perror("rename");
        consigner(msg::IG009, fp_log);
        return 1;
    }
    fp_recu = std::fopen(name_tmp_recu.c_str(), "rb");
    if (fp_recu == nullptr) {
        std::perror("Ouverture du fichier \xe0 traiter renomm\xe9");
        consigner(msg::IG003, fp_log);
        return 1;
    }
    std::FILE* sortie = std::fopen(name_emis.c_str(), "wb");
    if (sortie == nullptr) {
        std::perror("Ouverture du fichier r\xe9sultat");
        consigner(msg::IG003, fp_log);
        return 1;
    }
    std::fclose(sortie);

    const std::string repSortie = repertoireTemporaire(name_emis);
    name_tmp_emis = repSortie + fic + "_e" + pack.suffixeTemporaire;
    fp_emis = std::fopen(name_tmp_emis.c_str(), "wb");
    if (fp_emis == nullptr) {
        std::perror("Ouverture du fichier r\xe9sultat temporaire");
        consigner(msg::IG004, fp_log);
        std::fclose(fp_recu);
        fp_recu = nullptr;
        std::remove(name_emis.c_str());  // the emptied output holds no result
        return 1;
    }
    name_erre = repSortie + fic + "_o" + pack.suffixeTemporaire;
    fp_erre = std::fopen(name_erre.c_str(), "wb");
    if (fp_erre == nullptr) {
        std::perror("Ouverture du fichier des erreurs");
        consigner(msg::IG002, fp_log);
        std::fclose(fp_recu);
        std::fclose(fp_emis);
        fp_recu = fp_emis = nullptr;
        std::remove(name_tmp_emis.c_str());
        std::remove(name_emis.c_str());  // the emptied output holds no result
        return 1;
    }
    // The place of the file record, written over at the end of the run.
    for (int i = 0; i < LG_VSE; ++i) {
        std::fputc(' ', fp_emis);
        std::fputc(' ', fp_erre);
    }
    return 0;
}

int Moteur::delvoran(int argc, char** argv) {
    prepareVSEDate();
    int premier = 0;
    if (const int r = verificationParametre(argc, argv, premier); r != 0) return r;

    name_recu = argv[premier];
    name_emis = argv[premier + 1];
    name_log = argv[premier + 2];
    const std::string c11 = extraireC11(argv[1]);
    std::memcpy(bufC11, c11.c_str(), c11.size() + 1);

    // The log and the output are opened for writing: neither may be the input.
    if (memeFichier(name_log, name_recu) || memeFichier(name_emis, name_recu)) {
        std::fputs("Le fichier log et le fichier \xe0 \xe9mettre doivent \xea" "tre distincts du fichier \xe0 traiter\n",
                   stderr);
        return 1;
    }
    if (ouvrirFichiers() != 0) return 1;

    nbErreur = 0;
    errFich = 0;
    nbVSE_Err = 0;
    nombreDeVSE = 1;
    formatDuFichier = FORMAT_INCONNU;
    const int r = boucle();
    return r != 0 ? r : finDeTraitement();
}

// ---------------------------------------------------------------- line loop

int Moteur::dvranFgets() {
    codLong = 0;
    codCaract = 0;
    int lg = 0;
    int ret = DVRAN_EOF;
    for (;;) {
        const int c = std::fgetc(fp_recu);
        if (c == EOF || c == 26) return c == EOF ? DVRAN_EOF : DVRAN_CTRLZ;
        if (c == '\r') {
            const int suivant = std::fgetc(fp_recu);
            if (suivant == '\n') {
                ret = DVRAN_DOS;
            } else {
                if (suivant != EOF) std::ungetc(suivant, fp_recu);
                ret = DVRAN_MAC;
            }
            break;
        }
        if (c == '\n') {
            ret = DVRAN_UNIX;
            break;
        }
        if (c < 0x20 || c > 0x7E) codCaract = 1;
        if (lg == LG_VSE) {
            codLong = 1;  // the characters after the 256th are dropped
        } else {
            tampon[lg++] = static_cast<char>(c);
        }
    }
    tampon[lg] = '\0';
    if (lg == 0) return DVRAN_LONGNULLE;
    if (lg < LG_VSE) codLong = 2;
    return ret;
}

int Moteur::arret(const char* message) {
    allCloseFile();
    nePasEmettre();
    consigner(message, fp_log);
    return 1;
}

int Moteur::boucle() {
    for (;;) {
        const int r = dvranFgets();
        // A read error is no end of file: the input is given back, never taken as complete.
        if (r == DVRAN_EOF && std::ferror(fp_recu) != 0) return arret(msg::IG003);
        if (r == DVRAN_EOF || r == DVRAN_CTRLZ) return 0;
        if (r == DVRAN_LONGNULLE) return arret(msg::IG015);
        // DOS, UNIX and MAC line ends may not be mixed in one file.
        if (formatDuFichier != FORMAT_INCONNU && formatDuFichier != r) return arret(msg::IG008);
        formatDuFichier = r;
        const int resultat = traitement(tampon, visu, nombreDeVSE, formatDuFichier);
        if (resultat == -2) return 1;
        if (resultat > 0) ++nbVSE_Err;
        if (existDependanceVSEerr > 0) ++nbVSE_Err;
        nbErreur = 0;
        ++nombreDeVSE;
        if (nombreDeVSE > 10002 && pack.maxAutoVSE() != 0) return arret(msg::I073);
    }
}

void Moteur::affichageVSE(const char* ligne, int v) {
    std::strncpy(xdebug, ligne, sizeof xdebug - 1);
    if (v == dgVisu) std::printf("VSE=|%s|\n", ligne);
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
    affichageVSE(ligne, v);
    std::memset(codeErreur, 0, sizeof codeErreur);
    getvseChamps(pack.tEntete, ligne, valEnteteVSE, v);
    getvseChamps(pack.tFin, ligne, valFinVSE, v);
    const char* e5 = valEnteteVSE[E5].valeur;
    const char* e6 = valEnteteVSE[E6].valeur;

    if (numeroLigne == 1) {
        if (!egal(e6, "FICH")) {
            arret(msg::IG011);
            return -2;
        }
        errFich = verifChamps(v, 0, pack.tEntete, valEnteteVSE, nullptr, "E");
        getvseChamps(pack.tFich, ligne, valCorpsVSE, v);
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
            getvseChamps(entree.tabVerif, ligne, valCorpsVSE, v);
            getVseCorps(cp, xdebug);
            nbErreur = verifChamps(v, nbErreur, entree.tabVerif, valCorpsVSE, e5, "C");

            // The result code as received (third body field, when the layout
            // cuts one: body fields are cleared before each cut), per program.
            err_aux = 0;
            if (!egal(e6, "ERRE") && valCorpsVSE[C3].valeur[0] != '\0') {
                err_aux = pack.erreurC3(sauvEmetteur, valCorpsVSE[C3].valeur, e6);
            }
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

    if (it == pack.ERR_AIGUILLAGE()) sansIdentifiant(valCorpsVSE);
    if (nbErreur == 0) {
        emettreVSE(ligne, format);
    } else {
        faireFinDeLigne(fp_erre, format);
        const char* c7 = nullptr;
        const char* c8 = nullptr;
        identification(it, c7, c8);
        faireVSEERR(c7, c8, nbErreur);
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
        faireFinDeLigne(fp_erre, formatDuFichier);
        std::fwrite(sauvTamponVSE, 1, LG_VSE, fp_erre);
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

// ---------------------------------------------------------------- verification

int Moteur::verifChamps(int v, int nb, const Table& t, valeurVSE* valChampsVSE, const char* valE5,
                        const char* premLettre) {
    if (codCaract == 1) {
        if (v == infVisu) std::printf("VSE  cars non autoris\xe9s \n");
        if (nb <= 9) {
            codCaract = 0;
            codeErreur[nb++] = 106;
        }
    }
    if (codLong == 1) {
        if (v == infVisu) std::printf("VSE trop long \n");
        if (nb <= 9) {
            codLong = 0;
            codeErreur[nb++] = 107;
        }
    } else if (codLong == 2) {
        if (v == infVisu) std::printf("VSE trop court \n");
        if (nb <= 9) {
            codLong = 0;
            codeErreur[nb++] = 108;
        }
    }

    const Vue laVue = vue();
    int index = -1;
    for (int i = 0; i < t.n; ++i) {
        const sCorps& r = t.lignes[i];
        if (v == dgVisu) std::printf("champ: %d  ", r.numChamp + 1);
        if (r.debut != 0) ++index;
        if (index < 0 || nb >= MAX_ERREURS || r.pfVerif == nullptr) continue;
        char* valeur = valChampsVSE[index].valeur;
        if (valE5 != nullptr) {
            int code = -1;
            if (egal(valE5, "CRE") || egal(valE5, "ECQ")) code = r.typeCRE;
            else if (egal(valE5, "DEM")) code = r.typeDEM;
            else if (egal(valE5, "INV")) code = r.typeINV;
            else if (egal(valE5, "EDI")) code = r.typeEDI;
            else if (egal(valE5, "MOD")) code = r.typeMOD;
            if (code == 1) {
                if (v == dgVisu) std::printf("verif ignoree! '%s'\n", valeur);
                continue;
            }
            if (code != 0) {
                if (v == dgVisu) std::printf("verifOblg = [%d]\n", code);
                if (v == infVisu) std::printf("%s%i.%i;", premLettre, index + 1, 86);
                codeErreur[nb++] = 86;
                continue;
            }
        }
        if (v == dgVisu) std::printf("'%s'\n", valeur);
        const tValAutorise* liste = r.sverif != nullptr ? r.sverif->v : nullptr;
        const int lgListe = r.sverif != nullptr ? r.sverif->n : 0;
        if (r.pfVerif(laVue, resoudre(r.dependance), valeur, liste, lgListe) == 0) {
            if (v == dgVisu) std::printf("! erreurChamp sur [%s]\n", valeur);
            if (v == infVisu) std::printf("%s%i.%i;", premLettre, index + 1, r.noErr);
            codeErreur[nb++] = r.noErr;
        }
    }
    return nb;
}

// ---------------------------------------------------------------- results

void Moteur::faireFinDeLigne(std::FILE* fp, int format) const {
    if (format == FORMAT_DOS) std::fputs("\r\n", fp);
    else if (format == FORMAT_MAC) std::fputc('\r', fp);
    else std::fputc('\n', fp);
}

void Moteur::emettreVSE(const char* ligne, int format) {
    faireFinDeLigne(fp_emis, format);
    char sortie[LG_VSE];
    poser(sortie, ligne, LG_VSE);
    if (!(egal(valEnteteVSE[E6].valeur, "ERRE") && egal(valEnteteVSE[E5].valeur, "ECQ"))) {
        sortie[76] = pack.delvoranRES();
        sortie[77] = '0';
    }
    std::fwrite(sortie, 1, LG_VSE, fp_emis);
}

void Moteur::identification(int it, const char*& c7, const char*& c8) const {
    const sAiguillage& entree = pack.tAiguillage[it];
    c7 = entree.champErrC7 == CINC ? "  " : valCorpsVSE[entree.champErrC7].valeur;
    c8 = entree.champErrC8 == CINC ? "            " : valCorpsVSE[entree.champErrC8].valeur;
}

void Moteur::construireVSEERR(char* out, const char* champC7, const char* champC8, int nbErreurPassee,
                              const valeurVSE* ent, const valeurVSE* corps, const int* codes) const {
    Enregistrement e;
    e.champ(ent[E1].valeur, 1)
        .champ(ent[E2].valeur, 1)
        .champ(ent[E4].valeur, 8)
        .champ(ent[E3].valeur, 8)
        .champ("ERR", 3)
        .champ("ERRE", 4)
        .champ(ent[E7].valeur, 1)
        .champ("INTERFAC", 8)
        .champ(ent[E9].valeur, 8)
        .champ(valFichEnteteVSE[E3].valeur, 8)
        .champ(ent[E11].valeur, 10)
        .champ(ent[E12].valeur, 1)
        .champ(ent[E13].valeur, 1)
        .champ(ent[E6].valeur, 4)
        .champ(ent[E5].valeur, 3);
    // C1 and C2 as cut (2 and 12 wide, or 4 and 3 in an ERRE record, then
    // padded): 14 characters in all.
    std::string identifiant = corps[C1].valeur;
    identifiant += corps[C2].valeur;
    e.champ(identifiant.c_str(), 14).blancs(2).blancs(12).champ(champC7, 2).champ(champC8, 12);
    const int n = nbErreurPassee < 1 ? 0 : (nbErreurPassee > MAX_ERREURS ? MAX_ERREURS : nbErreurPassee);
    for (int i = 0; i < n; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "I%03d1", codes[i]);
        e.champ(code, 5);
    }
    e.jusqua(231).champ(VSEDate, 26);
    std::memcpy(out, e.texte(), LG_VSE);
}

void Moteur::faireVSEERR(const char* champC7, const char* champC8, int nbErreurPassee) {
    if (nbErreurPassee > MAX_ERREURS) nbErreur = MAX_ERREURS;
    char out[LG_VSE];
    construireVSEERR(out, champC7, champC8, nbErreurPassee, valEnteteVSE, valCorpsVSE, codeErreur);
    std::fwrite(out, 1, LG_VSE, fp_erre);
}

void Moteur::faireTamponVSEERR(int codeErr, int itAiguil) {
    if (itAiguil == pack.ERR_AIGUILLAGE()) sansIdentifiant(valCorpsVSE);
    const char* c7 = nullptr;
    const char* c8 = nullptr;
    identification(itAiguil, c7, c8);
    construireVSEERR(sauvTamponVSE, c7, c8, 1, valEnteteVSE, valCorpsVSE, &codeErr);
    sauvTamponVSE[LG_VSE] = '\0';
}

void Moteur::ecrireFichierAccepte() {
    faireFinDeLigne(fp_emis, formatDuFichier);
    std::rewind(fp_emis);
    std::strcpy(valFichEnteteVSE[E5].valeur, "INF");
    Enregistrement e;
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
    std::fwrite(e.texte(), 1, LG_VSE, fp_emis);
}

void Moteur::ecrireReponseErreur() {
    if (errFich > 0) {
        // The file's own errors, answered by an ERRE VSE about the FICH record.
        faireFinDeLigne(fp_erre, formatDuFichier);
        valeurVSE corps[NB_CORPS];
        std::memcpy(corps, valFichCorpsVSE, sizeof valFichCorpsVSE);
        sansIdentifiant(corps);
        char out[LG_VSE];
        construireVSEERR(out, "  ", "            ", errFich, valFichEnteteVSE, corps, codeFichErreur);
        std::fwrite(out, 1, LG_VSE, fp_erre);
    }
    faireFinDeLigne(fp_erre, formatDuFichier);
    std::rewind(fp_erre);

    // The reply record: sender and receiver exchanged, transaction "INF".
    valeurVSE entete[NB_ENTETE];
    std::memcpy(entete, valFichEnteteVSE, sizeof entete);
    std::memcpy(entete[E3].valeur, valFichEnteteVSE[E4].valeur, 8);
    std::memcpy(entete[E4].valeur, valFichEnteteVSE[E3].valeur, 8);
    std::strcpy(entete[E5].valeur, "INF");
    Enregistrement e;
    ecrireEntete(e, entete);
    const int nbVSE = nombreDeVSE - 2;
    const int acceptes = nbVSE - nbVSE_Err + (errFich > 0 ? 1 : 0);
    char compteurs[64];
    std::snprintf(compteurs, sizeof compteurs, "%06d%06d%06d%06d", nbVSE_Err, nbVSE, nbVSE_Err, acceptes);
    char date[40];
    horodatage(date, sizeof date);
    e.champ(valFichCorpsVSE[C1].valeur, 16)
        .champ(valFichCorpsVSE[C1].valeur, 16)
        .champ(compteurs, 24)
        .champ(valFichCorpsVSE[C7].valeur, 6)
        .champ("1", 1)
        .blancs(105)
        .champ(date, 26);
    std::fwrite(e.texte(), 1, LG_VSE, fp_erre);
}

// ---------------------------------------------------------------- end of run

void Moteur::allCloseFile() {
    for (std::FILE** fp : {&fp_recu, &fp_emis, &fp_erre}) {
        if (*fp != nullptr) {
            std::fclose(*fp);
            *fp = nullptr;
        }
    }
}

int Moteur::emettre(const std::string& name_emettre) {
    if (std::rename(name_emettre.c_str(), name_emis.c_str()) == 0) return 0;
    std::perror("rename");
    const bool rendu = std::rename(name_tmp_recu.c_str(), name_recu.c_str()) == 0;
    if (!rendu) std::perror("rename");
    std::remove(name_tmp_emis.c_str());
    std::remove(name_emis.c_str());
    std::remove(name_erre.c_str());
    consigner(rendu ? msg::IG010 : msg::IG009, fp_log);
    return 1;
}

void Moteur::nePasEmettre() {
    // Renaming replaces whatever stands under the input name, in one step.
    if (std::rename(name_tmp_recu.c_str(), name_recu.c_str()) != 0) {
        std::perror("rename");
        consigner(msg::IG009, fp_log);
    }
    std::remove(name_tmp_emis.c_str());
    std::remove(name_emis.c_str());
    std::remove(name_erre.c_str());
}

int Moteur::finDeTraitement() {
    // No complete record at all: the file has no FICH record.
    if (nombreDeVSE == 1) return arret(msg::IG011);
    const int nbVSE = nombreDeVSE - 2;
    if (nbVSE == 0) return arret(msg::IG014);

    if (pack.dependanceVSE() == 1 && sauvCodeVSEerr == 0 && egal(sauvTypeVSE, "CRE") &&
        (egal(sauvCodeVSE, "EXP1") || egal(sauvCodeVSE, "EGET"))) {
        faireFinDeLigne(fp_erre, formatDuFichier);
        std::fwrite(sauvTamponVSE, 1, LG_VSE, fp_erre);
        ++nbVSE_Err;
    }

    // The record count announced by the FICH record.
    if (std::atoi(valFichCorpsVSE[C3].valeur) != nbVSE) {
        if (errFich < MAX_ERREURS) {
            codeFichErreur[errFich] = 100;
            if (errFich == 0) ++nbVSE_Err;
        }
        ++errFich;
    }

    const bool accepte = nbVSE_Err == 0 && errFich == 0;
    if (accepte) {
        ecrireFichierAccepte();
    } else {
        ecrireReponseErreur();
    }
    // A kept file that could not be written whole is never put under the output
    // name; the state of the discarded one does not matter.
    std::FILE*& garde = accepte ? fp_emis : fp_erre;
    bool ecrit = std::ferror(garde) == 0;
    ecrit = std::fclose(garde) == 0 && ecrit;
    garde = nullptr;
    allCloseFile();
    if (!ecrit) {
        nePasEmettre();
        consigner(accepte ? msg::IG004 : msg::IG002, fp_log);
        return 1;
    }
    if (emettre(accepte ? name_tmp_emis : name_erre) != 0) return 1;
    std::remove(name_tmp_recu.c_str());
    std::remove((accepte ? name_erre : name_tmp_emis).c_str());
    if (fp_log != nullptr) {
        std::fclose(fp_log);
        fp_log = nullptr;
    }
    return accepte ? 0 : 2;
}

int delvoran(const Pack& pack, int argc, char** argv) {
    Moteur moteur(pack);
    return moteur.delvoran(argc, argv);
}

}  // namespace vse
