// Base fixture of the core tests: the shared constants exist, the term store and the analysis globals are
// empty before and after each test, a recording host is installed, and the output options have their
// defaults.
#pragma once

#include <gtest/gtest.h>

#include "term/Brueche.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace zol {

class TTerm;

class ZolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TTestOberflaecheAktiv Oberflaeche;
};

// Small builders of terms for the tests.
// The stored rational constant z/n.
TTerm* K(Int64 z, Int64 n = 1);
TTerm* X();
// The stored operator term a op b, without simplification.
TTerm* Op(TTerm* a, char op, TTerm* b);
// The stored power b^(z/n), without simplification.
TTerm* Pot(TTerm* b, Int64 z, Int64 n = 1);

} // namespace zol
