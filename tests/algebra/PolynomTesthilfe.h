// Support of the polynomial tests: building polynomials from fractions, evaluating them independently of
// the procedures under test, and a fixture with an empty term store.
#pragma once

#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "algebra/Polynome.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {

// The polynomial c0 + c1*x + ... with the given coefficients, lowest first; the degree is the number of
// coefficients less one (not trimmed).
inline TPolynom Pol(std::initializer_list<TBruch> koeffizienten) {
    TPolynom P;
    Int32 i = 0;
    for (const TBruch& b : koeffizienten) P.Koeff[i++] = RationaleKonstante(b);
    P.Grad = i - 1;
    return P;
}

// The same with integer coefficients.
inline TPolynom PolZ(const std::vector<Int64>& koeffizienten) {
    TPolynom P;
    Int32 i = 0;
    for (Int64 z : koeffizienten) P.Koeff[i++] = K(z);
    P.Grad = i - 1;
    return P;
}

// The value of P at t as the plain sum of c_i * t^i, each coefficient evaluated as a term.
inline Extended Summenwert(const TPolynom& P, Extended t) {
    Extended s = 0;
    for (Int32 i = 0; i <= P.Grad; ++i) {
        bool d = true;
        s += P.Koeff[i]->Wert(t, d) * std::pow(t, static_cast<Extended>(i));
    }
    return s;
}

// The value of a term at t.
inline Extended TermWert(TTerm* T, Extended t) {
    bool d = true;
    return T->Wert(t, d);
}

inline const std::vector<Extended>& Proben() {
    static const std::vector<Extended> p = {-2.5L, -1.25L, -0.5L, 0, 0.3L, 1, 1.75L, 3};
    return p;
}

// Every slot holds a term, and every slot above the degree is the constant 0.
inline ::testing::AssertionResult Wohlgeformt(const TPolynom& P) {
    if (P.Grad < 0 || P.Grad > MaxGrad) return ::testing::AssertionFailure() << "Grad " << P.Grad;
    for (Int32 i = 0; i <= MaxGrad; ++i) {
        if (!P.Koeff[i]) return ::testing::AssertionFailure() << "Koeff[" << i << "] fehlt";
        if (i > P.Grad && !P.Koeff[i]->IstNull())
            return ::testing::AssertionFailure() << "Koeff[" << i << "] über dem Grad ist nicht 0";
    }
    return ::testing::AssertionSuccess();
}

// Well formed and trimmed: the leading coefficient is not zero unless P is the zero polynomial.
inline ::testing::AssertionResult Getrimmt(const TPolynom& P) {
    auto w = Wohlgeformt(P);
    if (!w) return w;
    if (P.Grad > 0 && P.Koeff[P.Grad]->IstNull())
        return ::testing::AssertionFailure() << "Leitkoeffizient 0 bei Grad " << P.Grad;
    return ::testing::AssertionSuccess();
}

// Deterministic random polynomials with small rational coefficients and a non-zero leading one.
class TZufallsPolynome {
public:
    explicit TZufallsPolynome(unsigned saat) : Gen(saat) {}

    TBruch Bruch(bool nichtNull) {
        std::uniform_int_distribution<Int64> z(-6, 6), n(1, 4);
        TBruch b{z(Gen), n(Gen)};
        while (nichtNull && b.Zaehler == 0) b.Zaehler = z(Gen);
        return b;
    }
    TPolynom Polynom(Int32 grad) {
        TPolynom P;
        for (Int32 i = 0; i <= grad; ++i) P.Koeff[i] = RationaleKonstante(Bruch(i == grad));
        P.Grad = grad;
        return P;
    }
    Int32 Grad(Int32 von, Int32 bis) { return std::uniform_int_distribution<Int32>(von, bis)(Gen); }

private:
    std::mt19937 Gen;
};

// T is written beginning with a minus sign: a negative number, or a product, quotient or sum whose first
// operand is.
inline bool BeginntMitMinus(TTerm* T) {
    if (auto* r = AlsRationaleKonstante(T)) return r->Bruch.Zaehler < 0;
    if (auto* o = AlsOperatorTerm(T)) return BeginntMitMinus(o->T1);
    return false;
}

// A place in T where two signs meet, as in x - (-1/a), x + (-a-1)·x or a·(-x): an operand after +, - or ·
// that begins with a minus sign; nil where there is none.
inline TTerm* DoppeltesVorzeichen(TTerm* T) {
    auto* o = AlsOperatorTerm(T);
    if (!o) return nullptr;
    if (o->Operator != '/' && BeginntMitMinus(o->T2)) return T;
    if (TTerm* d = DoppeltesVorzeichen(o->T1)) return d;
    return DoppeltesVorzeichen(o->T2);
}

// T with the value p put in for the parameter a.
inline TTerm* MitA(TTerm* T, TTerm* p) {
    return T->Ersetze(BenannteKonstante("a"), p);
}

using PolynomTest = ZolTest;

} // namespace zol
