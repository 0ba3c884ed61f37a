// Bodies (positions 63-230) of records that every rule of a program's layout
// accepts, per record type and transaction type, for the frames that
// outils::vseType builds (E8 "001IPG  " in delvoran, "01234567" in the
// variants; trailer date 15062024).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/outils.hpp"

namespace vse::outils {

// Pieces of a body: (1-based line position, text).
using Morceaux = std::vector<std::pair<int, std::string>>;

// A valid body of the type in the main program's form and in the variants'
// form, for the given transaction type; empty when none is known.
Morceaux corpsPrincipal(const std::string& type, const std::string& e5);
Morceaux corpsVariante(const std::string& type, const std::string& e5);

// The valid body of the type as the program reads it (delvoranpf reads ABAT
// and INFO in the main program's form); blank when none is known.
std::string corpsValide(Programme p, const std::string& type, const std::string& e5);

// A file of n records mixing every record type the program knows, each with
// a transaction type that accepts it, the pairs EXP1-EXP2 and EGET-RATA kept
// together: all accepted, or all rejected (a blank inside E9). The files of
// the benchmark and of the instruction counts.
std::string fichierMixte(Programme p, int n, bool rejetes);

}  // namespace vse::outils
