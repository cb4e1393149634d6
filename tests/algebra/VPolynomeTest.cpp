// Sums of monomials with rational exponents: the form's term against the term's values, derivatives against
// difference quotients, antiderivatives differentiated back and definite integrals against quadrature.
#include <cmath>

#include "algebra/VPolynome.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

using VPolynomTest = PolynomTest;

const std::vector<Extended> Stellen = {0.3L, 0.8L, 1.7L, 2.5L, 4.0L};

// Simpson's rule of T over [a; b].
Extended Simpson(TTerm* T, Extended a, Extended b) {
    const int n = 2000;
    const Extended h = (b - a) / n;
    Extended s = *Wert(T, a) + *Wert(T, b);
    for (int i = 1; i < n; ++i) s += (i % 2 ? 4 : 2) * *Wert(T, a + i * h);
    return s * h / 3;
}

TEST_F(VPolynomTest, FormenMitIhrenWertenAbleitungenUndStammfunktionen) {
    for (const char* text :
         {"sqrt(x)", "sqrt(x)*sqrt(x)", "(x+sqrt(x))/sqrt(x)", "x^(1/2)+x^(1/2)", "3*x^(1/2)-x^(-1/3)+2",
          "(x^(1/3)+1)^3", "1/x^2", "sqrt(x^3)-x", "(2*x)^(1/2)*x^(3/4)", "(x^2)^(-1)", "((x^3)^(1/3))^2",
          "sqrt(x)-sqrt(x)+x^2", "(1+x^(1/4))^2/x", "x^3-2*x+1",
          // Exponents whose cross products leave 64 bits are ordered exactly.
          "x^(3037000499/3037000500)+x^(3037000500/3037000501)"}) {
        TTerm* t = Lies(text);
        TVPolynomTerm* F = TVPolynomTermCreateT(t);
        ASSERT_NE(F, nullptr) << text;
        EXPECT_TRUE(WertGleich(t, F->Term)) << text;
        for (TMonom* m = F->Liste; m && m->Naechster; m = m->Naechster)
            EXPECT_TRUE(Brueche::Kleiner(m->Exponent, m->Naechster->Exponent)) << text;
        EXPECT_TRUE(IstAbleitung(F->Ableitung()->Term, t, Stellen)) << text;
        if (TTerm* S = F->Integral(nullptr, nullptr, 0)) {
            EXPECT_TRUE(IstAbleitung(F->Term, S, Stellen)) << text;
            TTerm* I = F->Integral(K(1, 2), K(3), 0);
            ASSERT_NE(I, nullptr) << text;
            EXPECT_TRUE(Nahe(*Wert(I), Simpson(t, 0.5L, 3), 1e-8L)) << text;
        }
    }
}

// No form: quotients by sums or by zero, fractional powers of sums, |x| in disguise, long powers, logs.
TEST_F(VPolynomTest, KeineForm) {
    for (const char* text : {"(x+1)/(x+2)", "(x+1)^(1/2)", "sqrt(x*x)", "(x*x)^(3/2)", "(x+sqrt(x))^25",
                             "sqrt(x)/(sqrt(x)-sqrt(x))", "(x^2)^(1/3)", "sqrt(x)+sin(x)"})
        EXPECT_EQ(TVPolynomTermCreateT(Lies(text)), nullptr) << text;
    // The integral of c/x is a logarithm; x^(-2) has no value at 0 between -1 and 1.
    EXPECT_EQ(TVPolynomTermCreateT(Lies("x^(1/2)+1/x"))->Integral(nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(TVPolynomTermCreateT(Lies("x^(-2)"))->Integral(K(-1), K(1), 0), nullptr);
    TTerm* null = Op(Op(Pot(X(), -1), '-', Pot(X(), -1)), '+', Pot(X(), 2));
    EXPECT_TRUE(Nahe(*Wert(TVPolynomTermCreateT(null)->Integral(K(1), K(2), 0)), 7.0L / 3));
}

} // namespace
} // namespace zol
