// Slaughter (ABAT) rules. They read the sibling fields of the record through
// the slaughter view `cp` of the rule view, which the engine fills from the
// line before the body of every record is verified.
#pragma once

#include "rules/coherence.hpp"

namespace vse {

// C2, the animal's national number.
VSE_REGLE(presence_C2);
VSE_REGLE(vAbat_C2_1);
VSE_REGLE(vAbat_C2_2);
// C4 and C5, the holding of origin.
VSE_REGLE(fVerif_ASDA);
VSE_REGLE(presence_C5);
VSE_REGLE(fVerif_NUM_ASDA);
// C6 and C7, the dates of entry and of slaughter.
VSE_REGLE(fVerifDateInputPost);
VSE_REGLE(fVerifDateAbatPost);
VSE_REGLE(fVerifDateAbatPostEntr);
// C8, the slaughterhouse number.
VSE_REGLE(presence_C8);
VSE_REGLE(fVerif_NUM_TUE);
// C9, the carcass weight.
VSE_REGLE(fVerif_chaine_POIDS);
VSE_REGLE(fVerif_POIDS);
// C10 to C12, the body that notifies the slaughter.
VSE_REGLE(fVerif_CODEPE_ABATNOT);
VSE_REGLE(presence_C11);
VSE_REGLE(fVerif_NUMID_ABATNOT_CONF);
VSE_REGLE(fVerif_NUMID_ABATNOT_COHER);
VSE_REGLE(fVerif_NUMID_ABATNOT_TABREF);
VSE_REGLE(fVerif_INDIC_ABAT);

}  // namespace vse
