// The pack of delvoranpf.
#pragma once

#include "engine/pack.hpp"
#include "rules/base.hpp"

namespace vse::pf {

extern const Pack pack;

VSE_REGLE(enteteE3);
VSE_REGLE(enteteE4);
VSE_REGLE(enteteE8);
VSE_REGLE(enteteE10);

}  // namespace vse::pf
