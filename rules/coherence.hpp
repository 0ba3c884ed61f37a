// Cross-field coherence rules: identifiers against the centre named in the
// header (E8, handed as `dependance`), and the file's sender against that
// centre.
#pragma once

#include "rules/identifiants.hpp"

namespace vse {

// A holding or animal number lies in the département of the E8 centre.
VSE_REGLE(fCoherenCC);
// As fCoherenCC, except that any number passes when the movement cause
// (body field C5) is "J".
VSE_REGLE(fCoherenCC_tr);
// A three-character département code is the E8 centre's (or "098" for 974).
VSE_REGLE(fCoherenCCD);
// An establishment number lies in the E8 centre's territory, by the
// production kind (body field C4) and the prefix pairs of `sverif` (NEV).
VSE_REGLE(fCoherenCCEget);
// Two three-character département codes of one region.
VSE_REGLE(fCoherenCCDR);

// The file's sender (`dependance`) may send for the centre E8 (`champ`);
// `tedc` is the program's list of (sender, centre) pairs.
int fCoherenCCE(const char* dependance, const char* champ, const Liste& tedc);

}  // namespace vse
