// Small-ruminant (OC) numbers and model codes, cattle (BV) model codes, the
// country of origin and tag counter of OC records, and the range coherence
// between an OC number and the sending centre.
#pragma once

#include "rules/coherence.hpp"

namespace vse {

// OC national numbers: a six-digit block of the national range, then serial
// digits (GROC, French identity), the order-type letter (PICO), or six blanks
// (IMOC).
VSE_REGLE(fConform_OC_FR);
VSE_REGLE(fConform_OC_UE);
VSE_REGLE(fConform_OC_TP);
VSE_REGLE(fConform_OC_IND_M);
// The block lies in the range of the centre E8 (`dependance`), by the triples
// of `sverif` (IND_M) and the fixed supplementary ranges.
VSE_REGLE(fCoheren_OC_IND_M);

// Model codes: six significant characters then two blanks; first, second and
// third letters from the row's list; three digits. The BV forms also accept a
// blank model.
VSE_REGLE(fConform_OC_model1);
VSE_REGLE(fConform_OC_model2);
VSE_REGLE(fConform_OC_model3);
VSE_REGLE(fConform_OC_model4);
VSE_REGLE(fConform_OC_model5);
VSE_REGLE(fConform_BV_model2);
VSE_REGLE(fConform_BV_model3);
VSE_REGLE(fConform_BV_model4);
VSE_REGLE(fConform_BV_model5);

// Country of origin by the animal's country (`dependance`); tag counter by the
// model code (`dependance`); witness-tag indicator.
VSE_REGLE(fConform_OC_pays_orig);
VSE_REGLE(fConform_OC_compteur);
VSE_REGLE(fConform_temoin_bouc2);

}  // namespace vse
