// The error catalogue of the four programs, read from the tables they run on:
// the frame of every line, the body layout of every dispatch entry, and a short
// table of the errors that the engine records by code. Nothing here is typed
// twice: field, positions, rule, list and dependance come from the rows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/pack.hpp"

namespace vse::catalogue {

// Bits naming the programs a check of the engine applies to.
inline constexpr unsigned DELVORAN = 1, DELVORANPF = 2, DELVORANL = 4, DELVORAND = 8;
inline constexpr unsigned TOUS = DELVORAN | DELVORANPF | DELVORANL | DELVORAND;

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
    std::string description; // what the check looks at (checks written in the engine)
    // Only on records that have a dispatch entry: their body and trailer are
    // verified, those of an unknown type or of a second FICH record are not.
    bool aiguille = false;
};

// Every place where the program can record an error number, sorted by error
// number, then frame before body, record type and table order.
std::vector<Entree> entrees(const Programme& p);

// A check that the engine makes by code, and the programs it applies to.
struct ErreurDuCode {
    int erreur;
    unsigned programmes;
    const char* type;   // record type it concerns, "*" for every record
    const char* champ;  // field it reads, or ""
    const char* regle;  // rule it calls, or ""
    const char* liste;  // list it reads, or ""
    bool aiguille;      // made only on records that have a dispatch entry
    const char* description;
};
// The engine's own checks (line flags, file-level checks, result code,
// pairing, record count, presence).
const std::vector<ErreurDuCode>& erreursDuCode();

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
