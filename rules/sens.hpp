// What the value of a field must be, in words, for every rule that a layout,
// header, trailer or FICH row names: one short French phrase per rule that
// completes the sentence "the value must be ...". And, beside them, what every
// check that the engine makes by code demands, in one sentence, with the
// field it reads. Written once, here, for the error catalogue, the
// explanation of a reply and the reports on a checked file. Texts are
// Latin-1, like everything the programs write.
#pragma once

#include <span>
#include <string_view>

#include "model/vse.hpp"

namespace vse {

// The programs a meaning belongs to, one bit each.
inline constexpr unsigned PROG_DELVORAN = 1, PROG_DELVORANPF = 2, PROG_DELVORANL = 4, PROG_DELVORAND = 8;
inline constexpr unsigned TOUS_PROGRAMMES = PROG_DELVORAN | PROG_DELVORANPF | PROG_DELVORANL | PROG_DELVORAND;

// The meaning of one rule. A rule that does the same in every program has
// one entry for all of them; a rule whose behaviour differs per program under
// one name (the header rules, the VSE type per transaction type) has one
// entry per behaviour, with the programs it applies to.
struct SensRegle {
    const char* nom;        // the rule's name, as the rows carry it (sCorps::nomRegle)
    unsigned programmes;    // the programs whose rule of that name this is
    const char* sens;       // what the value must be (Latin-1)
};

// The meaning of the rule `nom` in the program `programme` (one PROG_ bit),
// or nullptr when the rule has none there.
const char* sensRegle(std::string_view nom, unsigned programme);

// Every meaning, sorted by name (byte order).
std::span<const SensRegle> sensRegles();

// Where a check reads what it judges.
enum class LieuLu : unsigned char {
    Ligne,       // the line itself: its length, its characters
    Rangee,      // the field of the layout row that records the error
    Entete,      // a header field of the record
    Corps,       // a body field of the record, by its rank in the type's layout
    FichEntete,  // a header field of the FICH record (the first line)
    FichCorps,   // a body field of the FICH record
};

// One check of the engine, for the programs that make it that way.
struct SensControle {
    Controle controle;
    int erreur;           // the number it records
    unsigned programmes;  // PROG_ bits
    const char* type;     // the record type it concerns, "*" for every record
    LieuLu lieu;
    int champ;            // the field read, by its rank in its zone (E8, C3...); -1 for none
    const char* regle;    // the rule it calls, or ""
    const char* liste;    // the list it reads, or ""
    bool aiguille;        // made only on records that have a dispatch entry
    const char* sens;     // what must hold, in one sentence (Latin-1)
};

// The check `c` recording `erreur` in the program `programme` (one PROG_
// bit), or nullptr.
const SensControle* sensControle(Controle c, int erreur, unsigned programme);

// Every check, by error number.
std::span<const SensControle> sensControles();

}  // namespace vse
