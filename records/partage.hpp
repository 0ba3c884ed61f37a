// Bodies shared by twin record types: entries and exits check the same fields
// with their own cause letters, NUMA and PICO the same identification counts.
#pragma once

#include "model/vse.hpp"

namespace vse {

namespace mouvement {
// `causesCreation`: the causes declared only in creations (the country of the
// other holding is then required); `causesSansNumero`: the causes whose other
// holding may have no number; `causesSansAdresse`: the causes that need no
// name and address. `modification`: the movement is modified, and a movement
// dated before the P8 phase date is excused.
int fC5(const char* causesCreation, const char* typeTransaction, const char* cause);
int fC8(const Vue& vue, const char* pays, const char* causesCreation, bool modification);
int fC9_1(const Vue& vue, const char* numero, const char* causesSansNumero, bool modification);
int fC9_2(const Vue& vue, char* numero);
int fC10(const Vue& vue, const char* adresse, const char* causesSansAdresse, bool modification);
}  // namespace mouvement

namespace comptes {
// Six digits whose value is not 0.
int compteSaisi(const char* champ);
// A count from 1 to `plafond`.
int compteAuPlus(const char* champ, long long plafond);
// The number read from `numero` at its character `debut` (1-based) plus the
// count is at most `limite`.
int plageAuPlus(const char* numero, int debut, const char* champ, long long limite);
}  // namespace comptes

}  // namespace vse
