// Date, time and presence rules: dates alone, against the creation date of the
// VSE (trailer F1), against phase dates, and pairs of fields.
#pragma once

#include "rules/base.hpp"

namespace vse {

// Comparison primitive: 1 when date `dependance` is on or after date `param`
// (blanks of `dependance` read as 0).
int fVTABP(const char* dependance, const char* param);

// The date (blanks read as 0) is on or after the phase date.
inline bool depuisPhase(const char* date, const DateReference& phase) { return comparerDates(phase, date) <= 0; }

// Shared bodies of the phase-date families.
int fVTABP5a8(const Vue&, const char* dependance, char* champ, const tValAutorise* sverif, int lenSverif,
              const DateReference& phase);
int fVDIFFNULLP(const char* dependance, const char* champ, const DateReference& phase);

// Creation-date coherence.
VSE_REGLE(fCoherenDC);
VSE_REGLE(fCoherenDC_tr);
VSE_REGLE(fCoherenDC_tr2);
// Years.
VSE_REGLE(fCoherenD_OC_an_1);
VSE_REGLE(fCoherenD_OC_an_2);
VSE_REGLE(fDatRec_OC_Post);
// Date validity.
VSE_REGLE(fDATEC);
VSE_REGLE(fDATEI);
VSE_REGLE(fDATECxad);
VSE_REGLE(fDATEC_INC);
VSE_REGLE(fDatRecCorr);
VSE_REGLE(fDatRecCorr_O);
VSE_REGLE(fDATEP6P7);
VSE_REGLE(fDATEP6);
// Optional dates coherent with another date.
VSE_REGLE(fDatRecCohe);
VSE_REGLE(fDatRecPost);
VSE_REGLE(fDatRecPost_tr);
// Fields required or restricted from a phase date.
VSE_REGLE(fVTABP5);
VSE_REGLE(fVTABP6);
VSE_REGLE(fVTABP8);
VSE_REGLE(fVDIFFNULLP5);
VSE_REGLE(fVDIFFNULLP6);
// Cattle tag rules from a phase date.
VSE_REGLE(fConform_BV_model1);
VSE_REGLE(fConform_temoin_bouc1);
// A code valid until a date.
VSE_REGLE(fVerifValAutDate);
// Presence of pairs of fields.
VSE_REGLE(fVDIFFVD);
VSE_REGLE(fCDIFF);
VSE_REGLE(fSimult);
VSE_REGLE(fVDIFFNULLVTAB);
VSE_REGLE(fVTABDIFFFR);
// Time.
VSE_REGLE(fHEUREC);

}  // namespace vse
