// Layout model of an exchange file record (VSE): field descriptors, dispatch
// entries, value buffers and the view through which field rules read the
// record being verified.
#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

namespace vse {

// A VSE is one line of 256 characters: header 1-62, body 63-230, trailer 231-256.
inline constexpr int LG_VSE = 256;
inline constexpr int LG_XDEBUG = 4096;
inline constexpr int NB_ENTETE = 13;
inline constexpr int NB_CORPS = 100;
inline constexpr int NB_FIN = 5;
inline constexpr int NB_FICH_CORPS = 9;
inline constexpr int MAX_ERREURS = 10;

// One cut field value: up to 256 characters and a terminating zero.
struct valeurVSE {
    char valeur[LG_VSE + 1];
};

// One allowed value, a zero-terminated text.
using tValAutorise = const char*;

// An allowed-value list and its number of entries.
struct Liste {
    const tValAutorise* v;
    int n;
    const char* nom = "";  // the list's name, for reports and the error catalogue
};

// The checks the engine makes by code rather than through a row's rule: the
// first ten are those the engine reports through its hook as they record an
// error; then the defects of the line itself, and a body row forbidden for
// the transaction type, which the hook reports with the line and the row.
enum class Controle : unsigned char {
    CentreEmetteur,     // 135: the file's sender may send for the record's centre E8
    InfoEmetteur,       // 110: information requests from NORM02 or PFOC01 only
    InfoDestinataire,   // 85: information requests to 031BDN only
    AbatEmetteur,       // 110: slaughter records from NORM01, OFFICE… or ONICAB… only
    AbatCentre,         // 129: slaughter records from NORM01 carry E8 NORMABEV
    FichRepete,         // 109: a FICH record after the first line
    CodeResultat,       // 51, 64, 806, 807: the result code received in C3
    FichierPartenaire,  // 182: what partner files to the national base may carry
    CompteAnnonce,      // 100: the record count announced by the FICH record
    Appariement,        // 105, 138: an EXP1 or EGET creation without its EXP2 or RATA
    Caracteres,         // 106: a character outside 0x20-0x7E
    TropLong,           // 107: a line longer than 256 characters
    TropCourt,          // 108: a line shorter than 256 characters
    Presence,           // 86: a body row forbidden for the transaction type
};

// Record types, in this order (ERTI before ERRE, SORT last).
enum codeVSE : int {
    ABAT, ACTI, ASSO, AVER, DETE, DETI, ECBO, ECHA, EGET, ENTR, ERTI, ERRE, EXP1, EXP2, FICH,
    GROC, IMOC, IMPO, INFO, JALO, LIST, NAIS, NUMA, NVMN, PASS, PICO, RACO, RATA, REBO, SORT
};

// Body fields C1 to C100, and CINC for "no field".
enum numCorpsVSE : int {
    C1, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19, C20,
    C21, C22, C23, C24, C25, C26, C27, C28, C29, C30, C31, C32, C33, C34, C35, C36, C37, C38,
    C39, C40, C41, C42, C43, C44, C45, C46, C47, C48, C49, C50, C51, C52, C53, C54, C55, C56,
    C57, C58, C59, C60, C61, C62, C63, C64, C65, C66, C67, C68, C69, C70, C71, C72, C73, C74,
    C75, C76, C77, C78, C79, C80, C81, C82, C83, C84, C85, C86, C87, C88, C89, C90, C91, C92,
    C93, C94, C95, C96, C97, C98, C99, C100,
    CINC
};

enum numEnteteVSE : int { E1, E2, E3, E4, E5, E6, E7, E8, E9, E10, E11, E12, E13 };
enum numFinVSE : int { F1, F2, F3, F4, F5 };

// Named view of a slaughter-type record, filled from the line by getVseCorps.
struct vseCorps {
    char CODE_PAYS_BOV[3];
    char NUME_NATI_BOV[64];
    char CODE_RESULTAT[64];
    char CODE_EXPLOIT_PROVENANCE[64];
    char NUME_EXPLOIT_PROVENANCE[64];
    char DATE_ENTREE_ABAT[64];
    char DATE_ABATTAGE[64];
    char NUME_TUERIE[64];
    char POIDS_CARCASSE[64];
    char CODE_PAYS_ABAT_NOTIF[64];
    char NUME_IDENT_ABAT_NOTIF[64];
    char INDIC_CREA_INVA_ABATT[64];
};

// What a rule may read of the record being verified besides its own field:
// the whole line, the fields cut from it, the saved FICH record, the slaughter
// view and the code taken from the command line.
struct Vue {
    const char* xdebug = "";
    const valeurVSE* entete = nullptr;      // E1..E13 of the current line
    const valeurVSE* corps = nullptr;       // body fields in cut order (C1 first)
    const valeurVSE* fin = nullptr;         // F1..F5 of the current line
    const valeurVSE* fichEntete = nullptr;  // header of the FICH record
    const valeurVSE* fichCorps = nullptr;   // body C1..C9 of the FICH record
    const valeurVSE* fichFin = nullptr;     // trailer of the FICH record
    const vseCorps* cp = nullptr;           // slaughter view
    const char* bufC11 = "";                // code between the first two '_' of the first word
    int lgLigne = -1;                       // characters of xdebug; -1: up to its terminating zero

    // The character at a 1-based position of the line, or '\0' past its end.
    char car(int position) const {
        const int lg = lgLigne >= 0 ? lgLigne : static_cast<int>(std::strlen(xdebug));
        return position >= 1 && position <= lg ? xdebug[position - 1] : '\0';
    }
    // The characters of the line from a 1-based position, n at most, as far
    // as the line holds them, ended by a zero in `out` (n + 1 characters).
    void extraitLigne(int position, int n, char* out) const {
        int k = 0;
        for (char c; k < n && (c = car(position + k)) != '\0'; ++k) out[k] = c;
        out[k] = '\0';
    }

    // A field of the line; empty when the view holds no such store (a rule
    // verified on its own value).
    const char* E(numEnteteVSE e) const { return entete != nullptr ? entete[e].valeur : ""; }
    const char* C(numCorpsVSE c) const { return corps != nullptr ? corps[c].valeur : ""; }
    const char* F(numFinVSE f) const { return fin != nullptr ? fin[f].valeur : ""; }
};

// The rule contract: the row's dependance, the field value (writable: a rule
// may normalise it for the rules after it on the same field), the row's
// allowed-value list and its length. Non-zero passes, 0 fails.
using pfVerif_t = int (*)(const Vue& vue, const char* dependance, char* champ,
                          const tValAutorise* sverif, int lenSverif);

// Declares or defines a rule with the rule contract.
// Every parameter may go unused: many rules read only their field.
#define VSE_REGLE(nom)                                                                  \
    int nom([[maybe_unused]] const Vue& vue, [[maybe_unused]] const char* dependance,   \
            [[maybe_unused]] char* champ, [[maybe_unused]] const tValAutorise* sverif, \
            [[maybe_unused]] int lenSverif)

// Where a row's dependance comes from: nowhere (the empty text) or a live
// field of the line being verified, resolved by the verification pass.
enum class Zone : unsigned char { Aucune, Entete, Corps, Fin, FichEntete };
struct Dependance {
    Zone zone;
    int champ;
};
inline constexpr Dependance none{Zone::Aucune, 0};
constexpr Dependance dep(numEnteteVSE e) { return {Zone::Entete, e}; }
constexpr Dependance dep(numCorpsVSE c) { return {Zone::Corps, c}; }
constexpr Dependance dep(numFinVSE f) { return {Zone::Fin, f}; }
constexpr Dependance depFich(numEnteteVSE e) { return {Zone::FichEntete, e}; }

// Presence codes per transaction type: 0 apply, 1 skip, 2 forbidden (error 86).
// One row of a layout table. A row with positions 0-0 is a continuation row:
// one more rule on the field of the nearest positioned row before it.
struct sCorps {
    int numChamp;
    int debut;
    int fin;
    int typeCRE;
    int typeDEM;
    int typeINV;
    int typeEDI;
    int typeMOD;
    pfVerif_t pfVerif;    // nullptr: the field is only cut out
    const char* nomRegle; // the rule's name, for reports and the error catalogue
    const Liste* sverif;  // nullptr: no list (length 0)
    Dependance dependance;
    int noErr;
};

// The presence columns in the order CRE, DEM, INV, EDI, MOD; the column of a
// transaction type ("ECQ" reads the CRE column), -1 for a type outside the five.
// A plan adds two columns: zones verified without transaction type, and
// transaction types outside the five.
inline constexpr int sCorps::*colonnesPresence[5] = {&sCorps::typeCRE, &sCorps::typeDEM, &sCorps::typeINV,
                                                     &sCorps::typeEDI, &sCorps::typeMOD};
int colonnePresence(const char* e5);
inline constexpr int COLONNE_SANS_TYPE = 5;
inline constexpr int COLONNE_TYPE_INCONNU = 6;
inline constexpr signed char SANS_REGLE = 127;

// A layout table and its number of rows.
struct Table {
    const sCorps* lignes;
    int n;
};

// One dispatch entry: VSE type name, body layout, code and the body fields
// that identify a rejected record in its ERRE answer.
struct sAiguillage {
    const char* nomVSE;
    Table tabVerif;
    int code;  // codeVSE, -1 for the closing entry
    numCorpsVSE champErrC7;
    numCorpsVSE champErrC8;
};

// The rule and list macros of the layout tables: RG(fDATEC) names rule fDATEC
// (its address and its name), RG0 no rule; L(TD) names list TD, L0 no list.
#define RG(f) f, #f
#define RG0 nullptr, ""
#define L(X) (&(X))
#define L0 nullptr

// Builds a Table from a constant array of rows.
template <std::size_t N>
constexpr Table table(const sCorps (&t)[N]) {
    return {t, static_cast<int>(N)};
}
inline constexpr Table tableVide{nullptr, 0};

// Builds a Liste from a constant array of allowed values.
template <std::size_t N>
constexpr Liste liste(const tValAutorise (&v)[N], const char* nom = "") {
    return {v, static_cast<int>(N), nom};
}

// What a line buffer must hold past the 256 characters of a line for a plan
// to cut it: a field of up to 16 characters is copied 16 bytes at a time.
inline constexpr int MARGE_LIGNE = 16;

// The cut and check steps of a layout, drawn once from its rows: where each
// field lies, and one step per row (its rule, list, presence codes and the
// index of its field). Runs cut and verify every line by plans, whether a
// report is asked or not.
struct Plan {
    struct Decoupe {
        int debut;  // 0-based
        int largeur;
    };
    // One field's copy from the line into its value buffer, set when the plan
    // is placed: 16 bytes for a field of up to 16 characters (its end then
    // marked), `largeur` bytes for a longer one.
    struct Copie {
        const char* src;
        char* dst;
        char* fin;  // where the value ends: dst + its width
    };
    struct Etape {
        const sCorps* ligne;
        int index;  // the field's entry in the value buffer
        // Drawn from the row once: its rule (none: the row only names its
        // field), list and length, and its presence code for each column of
        // the verification pass (COLONNE_...): the five of colonnesPresence,
        // then 0 when the zone is verified without transaction type, and -1
        // for a transaction type outside the known ones. A row without rule
        // has SANS_REGLE in every column.
        pfVerif_t regle;
        const tValAutorise* liste;
        int lgListe;
        signed char codes[7];
        // Set by the engine that runs the plan: where the field's value and
        // the row's dependance live for the line being verified.
        char* valeur = nullptr;
        const char* dependance = "";
    };
    std::vector<Decoupe> decoupes;
    std::vector<Etape> etapes;
    std::vector<Copie> courtes, longues;

    Plan() = default;
    explicit Plan(const Table& t);

    // Places the plan on buffers: field k is cut from `ligne` (none: the plan
    // only verifies) into valeurs[k], and each row's dependance is the text
    // `resoudre` gives for it.
    template <typename Resoudre>
    void placer(valeurVSE* valeurs, const char* ligne, Resoudre resoudre) {
        courtes.clear();
        longues.clear();
        for (std::size_t k = 0; ligne != nullptr && k < decoupes.size(); ++k) {
            const Decoupe& d = decoupes[k];
            char* dst = valeurs[k].valeur;
            (d.largeur <= MARGE_LIGNE ? courtes : longues).push_back({ligne + d.debut, dst, dst + d.largeur});
        }
        for (Etape& e : etapes) {
            e.valeur = valeurs[e.index].valeur;
            e.dependance = resoudre(e.ligne->dependance);
        }
    }
};

// Cuts the line by a placed plan. The line lies in a buffer of at least
// LG_VSE + MARGE_LIGNE bytes whose bytes past the line's end are zero, so a
// field past the end of a short line is cut short or empty; every byte of the
// line is one character, a zero byte included.
inline void couper(const Plan& p) {
    for (const Plan::Copie& copie : p.courtes) {
        const Plan::Copie c = copie;  // read once: the copy below may not change it
        std::memcpy(c.dst, c.src, MARGE_LIGNE);
        *c.fin = '\0';
    }
    for (const Plan::Copie& c : p.longues) {
        std::memcpy(c.dst, c.src, static_cast<std::size_t>(c.fin - c.dst));
        *c.fin = '\0';
    }
}

// Cuts the line `tampon` of `lg` characters by the layout into `tValVSE`
// (continuation rows cut nothing); returns the number of fields cut. Every
// byte of the line is one character, a zero byte included; a field lying past
// the end of a short line is cut short or empty. With visu == 2 one empty
// line is shown.
int getvseChamps(const Table& t, const char* tampon, int lg, valeurVSE* tValVSE, int visu);
// The same for a zero-terminated line.
int getvseChamps(const Table& t, const char* tampon, valeurVSE* tValVSE, int visu);

// Fills the slaughter view from the line of `lg` characters (each member
// cleared first, so a short line leaves the members past its end empty).
void getVseCorps(vseCorps& cp, const char* ligne, int lg);
void getVseCorps(vseCorps& cp, const char* xdebug);

}  // namespace vse
