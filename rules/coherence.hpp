// Cross-field coherence rules: identifiers against the centre named in the
// header, and the file's sender against that centre.
#pragma once

#include "rules/identifiants.hpp"

namespace vse {

// The file's sender (`dependance`) may send for the centre E8 (`champ`);
// `tedc` is the program's list of (sender, centre) pairs.
int fCoherenCCE(const char* dependance, const char* champ, const Liste& tedc);

}  // namespace vse
