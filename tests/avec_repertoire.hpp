// A test fixture owning one scratch directory.
#pragma once

#include <gtest/gtest.h>

#include "tests/outils.hpp"

namespace vse::outils {

class AvecRepertoire : public ::testing::Test {
protected:
    RepertoireTemporaire rep;
};

}  // namespace vse::outils
