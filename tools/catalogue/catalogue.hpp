// The error catalogue of the four programs, read from the tables they run on:
// the frame of every line, the body layout of every dispatch entry, and the
// table of the checks that the engine makes by code. Nothing here is typed
// twice: field, positions, rule, list and dependance come from the rows, the
// meaning of each rule and check from the table of meanings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/pack.hpp"
#include "rules/sens.hpp"

namespace vse::catalogue {

// Bits naming the programs a check of the engine applies to.
inline constexpr unsigned DELVORAN = PROG_DELVORAN, DELVORANPF = PROG_DELVORANPF, DELVORANL = PROG_DELVORANL,
                          DELVORAND = PROG_DELVORAND;
inline constexpr unsigned TOUS = TOUS_PROGRAMMES;

// One program, its pack and its bit.
struct Programme {
    const char* nom;  // "delvoran", "delvoranpf", "delvoranl", "delvorand"
    const Pack* pack;
    unsigned bit;
};
extern const Programme programmes[4];
// The program of that name, or nullptr.
const Programme* programme(std::string_view nom);

// Where an error number is recorded.
enum class Origine {
    Entete,    // a row of the header layout, every line
    Fin,       // a row of the trailer layout, every dispatched line
    Fich,      // a row of the FICH body layout, first line
    Corps,     // a row of a record type's body layout
    Presence,  // a body row forbidden for the transaction type (error 86)
    Code,      // a check written in the engine rather than in a table
};
const char* nomOrigine(Origine o);

// One place where an error number can arise. Texts are Latin-1.
struct Entree {
    int erreur = 0;
    Origine origine = Origine::Code;
    std::string type;        // record type ("NAIS"), "*" for every record, "FICH"
    bool saufFich = false;   // every record but those of type FICH ("* sauf FICH")
    std::string champ;       // "E3", "C12", "F1"; a continuation row names the field above
    int debut = 0, fin = 0;  // positions, 0 when none
    std::string appliquee;   // transaction types where the row applies ("CRE DEM"), "toutes"
    std::string interdite;   // transaction types where the row is forbidden (error 86)
    std::string regle;       // the rule's name
    std::string liste;       // the list's name
    std::string dependance;  // "E6", "C3", "F1", "FICH E3", or empty
    std::string description; // what the value must be (a rule), or what must hold (a check)
    // A check written in the engine: its meaning and where it reads.
    const SensControle* controle = nullptr;
    // Only on records that have a dispatch entry: their body and trailer are
    // verified, those of an unknown type or of a second FICH record are not.
    bool aiguille = false;
};

// Every place where the program can record an error number, sorted by error
// number, then frame before body, record type and table order.
std::vector<Entree> entrees(const Programme& p);

// Where a check of the engine reads, on a record of the given type: the
// field's name ("E8", "C3"; "FICH E3" in the FICH record) and its positions
// (0 when the check reads no single field, or when the type has no such
// field); `fich`: in the FICH record, the first line.
struct Lieu {
    std::string champ;
    char zone = 0;  // 'E', 'C' or 'F'; 0 for none
    int debut = 0, fin = 0;
    bool fich = false;
};
Lieu lieuLu(const Pack& pack, const SensControle& c, std::string_view type);

// A global stop: its log text and what is left on disk.
struct Arret {
    const char* texte;  // the log text, as the programs write it (Latin-1)
    const char* reste;  // what is left on disk
};
const std::vector<Arret>& arrets();
// The code at the head of a log text ("IG014", "I073").
std::string codeArret(const char* texte);

// The catalogue of the four programs, as Markdown and as CSV (UTF-8).
std::string markdown();
std::string csv();

// Latin-1 to UTF-8.
std::string versUtf8(std::string_view latin1);
// The record type as written in the catalogue ("NAIS", "*", "* sauf FICH").
std::string texteType(const Entree& e);
// The program's version without its trailing blank ("2.23.0").
std::string version(const Programme& p);

}  // namespace vse::catalogue
