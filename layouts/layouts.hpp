// The body layouts of every record type: one constant table per type and
// form, with its number of rows. The main program's forms are in namespace
// principal, the forms the three variant programs share in namespace variante;
// delvoranpf also uses the main program's ABAT and INFO layouts.
#pragma once

#include "model/vse.hpp"

namespace vse {

namespace principal {

inline constexpr int lAbat = 25;
inline constexpr int lActi = 12;
inline constexpr int lAsso = 23;
inline constexpr int lDete = 17;
inline constexpr int lDeti = 10;
inline constexpr int lEcbo = 20;
inline constexpr int lEcha = 36;
inline constexpr int lEget = 11;
inline constexpr int lEntr = 30;
inline constexpr int lErre = 28;
inline constexpr int lErti = 18;
inline constexpr int lExp1 = 15;
inline constexpr int lExp2 = 23;
inline constexpr int lGroc = 26;
inline constexpr int lImoc = 13;
inline constexpr int lImpo = 36;
inline constexpr int lInfo =  7;
inline constexpr int lJalo = 17;
inline constexpr int lNais = 50;
inline constexpr int lNuma = 26;
inline constexpr int lNvmn = 31;
inline constexpr int lPass = 20;
inline constexpr int lPico = 23;
inline constexpr int lRaco = 13;
inline constexpr int lRata = 17;
inline constexpr int lRebo = 22;
inline constexpr int lSort = 29;

extern const sCorps tAbat[lAbat];
extern const sCorps tActi[lActi];
extern const sCorps tAsso[lAsso];
extern const sCorps tDete[lDete];
extern const sCorps tDeti[lDeti];
extern const sCorps tEcbo[lEcbo];
extern const sCorps tEcha[lEcha];
extern const sCorps tEget[lEget];
extern const sCorps tEntr[lEntr];
extern const sCorps tErre[lErre];
extern const sCorps tErti[lErti];
extern const sCorps tExp1[lExp1];
extern const sCorps tExp2[lExp2];
extern const sCorps tGroc[lGroc];
extern const sCorps tImoc[lImoc];
extern const sCorps tImpo[lImpo];
extern const sCorps tInfo[lInfo];
extern const sCorps tJalo[lJalo];
extern const sCorps tNais[lNais];
extern const sCorps tNuma[lNuma];
extern const sCorps tNvmn[lNvmn];
extern const sCorps tPass[lPass];
extern const sCorps tPico[lPico];
extern const sCorps tRaco[lRaco];
extern const sCorps tRata[lRata];
extern const sCorps tRebo[lRebo];
extern const sCorps tSort[lSort];

}  // namespace principal

namespace variante {

inline constexpr int lAver =  7;
inline constexpr int lEcha = 32;
inline constexpr int lEntr = 20;
inline constexpr int lImpo = 31;
inline constexpr int lJalo = 16;
inline constexpr int lList = 10;
inline constexpr int lNais = 39;
inline constexpr int lRebo = 14;
inline constexpr int lSort = 19;

extern const sCorps tAver[lAver];
extern const sCorps tEcha[lEcha];
extern const sCorps tEntr[lEntr];
extern const sCorps tImpo[lImpo];
extern const sCorps tJalo[lJalo];
extern const sCorps tList[lList];
extern const sCorps tNais[lNais];
extern const sCorps tRebo[lRebo];
extern const sCorps tSort[lSort];

}  // namespace variante

}  // namespace vse
