// The shared rule library.
#pragma once

#include "datecalc/datecalc.hpp"
#include "rules/abattage.hpp"
#include "rules/base.hpp"
#include "rules/coherence.hpp"
#include "rules/dates.hpp"
#include "rules/identifiants.hpp"
#include "rules/ovins.hpp"
#include "rules/valautorise.hpp"
