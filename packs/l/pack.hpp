// The pack of delvoranl.
#pragma once

#include "engine/pack.hpp"
#include "rules/base.hpp"

namespace vse::l {

extern const Pack pack;

VSE_REGLE(enteteE3);

}  // namespace vse::l
