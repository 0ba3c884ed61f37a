// Rules that belong to one record type, named after it. They read sibling
// fields of the record through the rule view (body fields in cut order, the
// whole line, the saved FICH record), never through globals.
#pragma once

#include "rules/utils.hpp"

namespace vse {

// ---- Movements: entry (ENTR), exit (SORT), import (IMPO), EXP1 -------------

// The cause singled out for creations only (`dependance` = header E5).
VSE_REGLE(entr_fC5);
VSE_REGLE(sort_fC5);
// C8, country of the other holding.
VSE_REGLE(entr_fC8_cre);
VSE_REGLE(sort_fC8_cre);
VSE_REGLE(entr_fC8_mod);
VSE_REGLE(sort_fC8_mod);
// C9, number of the other holding: presence (_1) and form (_2).
VSE_REGLE(entr_fC9_1_cre);
VSE_REGLE(sort_fC9_1_cre);
VSE_REGLE(entr_fC9_1_mod);
VSE_REGLE(sort_fC9_1_mod);
VSE_REGLE(entr_fC9_2_cre);
VSE_REGLE(entr_fC9_2_mod);
VSE_REGLE(sort_fC9_2_cre);
VSE_REGLE(sort_fC9_2_mod);
// C10, name and address of the other party.
VSE_REGLE(entr_fC10_cre);
VSE_REGLE(sort_fC10_cre);
VSE_REGLE(entr_fC10_mod);
VSE_REGLE(sort_fC10_mod);
// Imports.
VSE_REGLE(impo_C2);
VSE_REGLE(impo_C6_1);
VSE_REGLE(impo_C6_2);
VSE_REGLE(impo_C7);
VSE_REGLE(impo_C20);
// EXP1 title.
VSE_REGLE(fexp1_C4);

// 1 when characters premier..dernier (1-based) of `champ` are not "0000"
// (compared over the span, at most 5 characters); 0 when they are, when the
// span is empty or when the value is longer than 98 characters.
int fVerifDiffZero(const char* champ, int premier, int dernier);

// The same test on a national number already found of the fConform10 form
// (ten digits, two blanks, nothing after): its serial part, characters 7 to
// 10, is compared in place, the length being known.
inline bool serieNonNulle(const char* numero) {
    return numero[6] != '0' || numero[7] != '0' || numero[8] != '0' || numero[9] != '0';
}

// ---- Other records of the main program --------------------------------------

VSE_REGLE(asso_fC2_1);
VSE_REGLE(asso_fC2_2);
VSE_REGLE(asso_fC5);
VSE_REGLE(asso_fC6_1);
VSE_REGLE(asso_fC6_1_INV);
VSE_REGLE(asso_fC6_2);
VSE_REGLE(asso_fC6_2_INV);
VSE_REGLE(asso_fC6_3);
VSE_REGLE(asso_fC6_4);
VSE_REGLE(asso_fC6_5);
VSE_REGLE(asso_fC6_6);
VSE_REGLE(asso_fC8_1);
VSE_REGLE(asso_fC8_2);
VSE_REGLE(asso_fC8_3);

VSE_REGLE(fCoherenCC_dete_dem);

VSE_REGLE(ecbo_C12);
VSE_REGLE(ecbo_C13);
VSE_REGLE(ecbo_C15);

VSE_REGLE(eget_fC5C6);

VSE_REGLE(erti_fC5);
VSE_REGLE(erti_fC9C10);

VSE_REGLE(groc_cre_C10_1);
VSE_REGLE(groc_cre_C10_2);
VSE_REGLE(groc_cre_C12);

VSE_REGLE(nais_C2);
VSE_REGLE(nais_C7);
VSE_REGLE(nais_C11);
VSE_REGLE(nais_C11FRnonUEoui);
VSE_REGLE(nais_C11FRnonUEnon);
VSE_REGLE(nais_C17);

VSE_REGLE(numa_fC6_1);
VSE_REGLE(numa_fC6_2);
VSE_REGLE(numa_fC6_3);

VSE_REGLE(nvmn_C2);

VSE_REGLE(pass_C7);
VSE_REGLE(pass_C10);

VSE_REGLE(pico_fC6_1);
VSE_REGLE(pico_fC6_2);
VSE_REGLE(pico_fC6_3);

VSE_REGLE(raco_fC6);

// ---- Error records received (ERRE) ------------------------------------------

VSE_REGLE(vErre_C1);
VSE_REGLE(vErre_C4);
VSE_REGLE(vErre_C5);
VSE_REGLE(vErre_C6);
VSE_REGLE(vErre_C7);
VSE_REGLE(vErre_C8);
VSE_REGLE(vErre_C8_conf);
VSE_REGLE(vErre_C9);
VSE_REGLE(vErre_C10);
VSE_REGLE(vErre_C29);
VSE_REGLE(vErre_C30);
VSE_REGLE(vErre_C31);
VSE_REGLE(vErre_C32_1);
VSE_REGLE(vErre_C32_2);
VSE_REGLE(vErre_C32_3);
VSE_REGLE(vErre_C36_1);
VSE_REGLE(vErre_C37_1);
VSE_REGLE(vErre_C37_2);

// ---- Records of the variant programs ----------------------------------------

VSE_REGLE(entr_fC12);
VSE_REGLE(listd_C5_1);
VSE_REGLE(listd_C5_2);
VSE_REGLE(nais_C2_1);
VSE_REGLE(nais_C2_2);
VSE_REGLE(nais_C7_MN);
VSE_REGLE(nais_C9EG1TAB);
VSE_REGLE(nais_C22);
VSE_REGLE(nais_C28);

}  // namespace vse
