// Base fixture of the core tests: the shared constants exist, the term store and the analysis globals are
// empty before and after each test, the graph's mapping and marked points have their start values, a
// recording host is installed, the output options have their defaults, and the output page is emptied after
// each test. Beside it the small builders and checks that the tests of every folder share.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "term/Brueche.h"
#include "term/Fehler.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace zol {

class TTerm;
class TIntervall;
class TSListe;

class ZolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TTestOberflaecheAktiv Oberflaeche;
    // The messages shown so far, each as "Information: text" or "Warnung: text".
    std::vector<std::string> Meldungen() const;
};

// Builders. The stored rational constant z/n.
TTerm* K(Int64 z, Int64 n = 1);
TTerm* X();
// The stored operator term a op b, without simplification.
TTerm* Op(TTerm* a, char op, TTerm* b);
// The stored power b^(z/n), without simplification.
TTerm* Pot(TTerm* b, Int64 z, Int64 n = 1);
// The parsed term of a text.
TTerm* Lies(const std::string& text);
// The interval between a and b; a missing bound is infinite (and open).
TIntervall* Iv(TTerm* a, bool aOffen, TTerm* b, bool bOffen);
// A point list of the given points, each of multiplicity 1.
TSListe* Liste(std::initializer_list<TTerm*> punkte);

// Checks. The value of T at x, nothing where T has none.
std::optional<Extended> Wert(TTerm* T, Extended x = 0);
// The central difference quotient of T at x; nothing where T has no value near x.
std::optional<Extended> Differenzenquotient(TTerm* T, Extended x);
// The values of the points of a list, in list order.
std::vector<Extended> Werte(TSListe* L);
// a and b agree up to a relative tolerance.
::testing::AssertionResult Nahe(Extended a, Extended b, Extended rel = 1e-9L);
// r has the value of t at every sample point where t has one.
::testing::AssertionResult WertGleich(TTerm* t, TTerm* r);
// The symmetry verdicts of f that are decided agree with f(-x) = f(x) (axis) and f(-x) = -f(x) (point),
// values and definedness, at sample points; a verdict falsch is contradicted at one of them.
::testing::AssertionResult SymmetrieWieWerte(TTerm* f);
// The same for the verdicts given (by UntersucheSymmetrie, for instance).
::testing::AssertionResult SymmetrieWieWerte(TTerm* f, TWahrheitswert Achse, TWahrheitswert Punkt);
// d agrees with the difference quotient of f at the given points where f has values around them.
::testing::AssertionResult IstAbleitung(TTerm* d, TTerm* f, const std::vector<Extended>& stellen,
                                        Extended rel = 1e-6L);
// The integral of f from a to b by Simpson's rule with n (even) subintervals; nothing where f has no value at
// a node.
std::optional<Extended> Simpsonsumme(TTerm* f, Extended a, Extended b, int n = 20000);
// The integral of f from a to b (a > b gives the negative) by adaptive Simpson quadrature to about 1e-12;
// nothing where f has no value at a node.
std::optional<Extended> Quadratur(TTerm* f, Extended a, Extended b);
// The term store is consistent: every stored composite term has the text and node count it was entered
// under, and its builder, asked for its present children, finds this very term (no other node of that
// structure, no text that its children no longer give).
::testing::AssertionResult SpeicherStimmig();
// The message of the exception of type E that f raises; "keine Ausnahme" when it raises none.
template <class E, class F> std::string Ausnahme(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "keine Ausnahme";
}

} // namespace zol
