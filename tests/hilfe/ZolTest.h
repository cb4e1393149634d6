// Base fixture of the core tests: the shared constants exist, a recording host is installed, and the
// output options have their defaults.
#pragma once

#include <gtest/gtest.h>

#include "tests/hilfe/TestOberflaeche.h"

namespace zol {

class ZolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TTestOberflaecheAktiv Oberflaeche;
};

} // namespace zol
