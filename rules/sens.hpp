// What the value of a field must be, in words, for every rule that a layout,
// header, trailer or FICH row names: one short French phrase per rule that
// completes the sentence "the value must be ...". Written once, here, for the
// error catalogue, the explanation of a reply and the reports on a checked
// file. Texts are Latin-1, like everything the programs write.
#pragma once

#include <span>
#include <string_view>

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

}  // namespace vse
