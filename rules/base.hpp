// Basic value checks: allowed values, mandatory fields, blanks, the VSE type
// allowed per transaction type, and the two date primitives.
#pragma once

#include "model/vse.hpp"
#include "rules/texte.hpp"

namespace vse {

enum esupInf { SUP = 0, INF = 1 };
enum eCouI { COMPLETE = 0, INCOMPLETE = 1 };

// The lists of VSE types allowed per transaction type; each program has its own.
struct ListesE6 {
    Liste CRE, DEM, INV, EDI, MOD, INF;
};

VSE_REGLE(fVerifValAut);
VSE_REGLE(fVerifDiffNull);
VSE_REGLE(fVerifAucunBlanc);
VSE_REGLE(fVerifAucunBlanc_SD);
VSE_REGLE(fVerifAucunBlanc_SDN);

// The allowed-value test on its own (the four partner codes pass any list).
// Indexed lists are looked up by their keys, the others walked.
bool estDans(const char* champ, const tValAutorise* liste, int n);

// The value equals an entry of the list, plainly: the partner codes get no
// exception here. A list without entries holds nothing.
bool egalAUneEntree(const char* champ, const tValAutorise* liste, int n);
inline bool egalAUneEntree(const char* champ, const Liste& l) { return egalAUneEntree(champ, l.v, l.n); }
inline bool estDans(const char* champ, const Liste& l) { return estDans(champ, l.v, l.n); }

// VSE type (champ) allowed for the transaction type (dependance), by the
// program's lists.
int fVerifDepE6(const ListesE6& listes, const char* dependance, const char* champ);

int champVide(const char* champ);
int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf supInf);
int fDATECouI(char* champ, eCouI couI);
int verifDateCompleteEtCorrecte(const char* champ);

}  // namespace vse
