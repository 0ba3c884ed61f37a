// What the three variant programs share: the header rules common to them, the
// holding-code test, and the dispatch table and type lists of delvoranl and
// delvorand.
#pragma once

#include "engine/pack.hpp"
#include "rules/base.hpp"

namespace vse::variante {

// The organisation on a variant's lines is a holding: a département of the
// list (or "99") followed by digits, 8 characters in all.
bool codeExploitation(const char* champ, const tValAutorise* sverif, int lenSverif);

VSE_REGLE(enteteE8);   // holding code, on every line but the FICH record
VSE_REGLE(enteteE9);   // no blank, on every line but the FICH record

// The file-level C3 check of delvoranl and delvorand.
int erreurC3L(const char* emetteur, const char* c3, const char* e6);
int erreurC3D(const char* emetteur, const char* c3, const char* e6);

// delvoranl and delvorand: types per transaction and dispatch table.
extern const Liste tE5, tE6;
extern const ListesE6 listesE6;
VSE_REGLE(fVerifDepE6);
extern const sAiguillage tAiguillage[];
inline constexpr int LEN_AIGUILLAGE = 10;

char delvoranRES();
int dependanceVSE();
int maxAutoVSE();

}  // namespace vse::variante
