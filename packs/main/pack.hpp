// The main program: every record type.
#pragma once

#include "engine/pack.hpp"
#include "rules/base.hpp"

namespace vse::principal {

extern const Pack pack;
extern const ListesE6 listesE6;

VSE_REGLE(fVerifDepE6);
VSE_REGLE(enteteE3);
VSE_REGLE(enteteE4);
VSE_REGLE(enteteE8);
VSE_REGLE(enteteE9);
VSE_REGLE(enteteE10);

}  // namespace vse::principal
