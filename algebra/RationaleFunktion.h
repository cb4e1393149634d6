// The rational function normal form "RF": a term as the quotient Zaehler(x)/Nenner(x) of two polynomials
// with exact coefficients, and the arithmetic on such quotients.
#pragma once

#include "algebra/NormalFormen.h"
#include "algebra/Polynome.h"

namespace zol {

class TRationaleFunktion : public TNormalform {
public:
    // The term of the form is RationaleFunktionToTerm(zaehler, nenner).
    TRationaleFunktion(const TPolynom& zaehler, const TPolynom& nenner);

    TPolynom Zaehler;
    TPolynom Nenner;

    // f has the symmetry of the polynomial Z(-x) * N(x) (of Z itself when N is 1).
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    // The quotient rule, cancelled.
    TNormalform* Ableitung() override;
    // The antiderivative, or the value between a and b, with the worked solution when Kommentare is on:
    // the polynomial part, then the partial fractions (reusing the last decomposition of the same Z/N) with
    // logarithms, arctangents and the reduction for powers of quadratic factors, or, for a denominator of
    // degree 2, the logarithmic part and the completed square with a substitution. Nil when it is not
    // integrated: a denominator of degree 3 or more at Stufe 2 or below (silently), a zero of the
    // denominator between the bounds, or no decomposition.
    TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe) override;
    // The zeros of the numerator (the form is cancelled, so none of them is a zero of the denominator).
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

// T's rational function form, or nil. A term that caches an "RF" form gives it back (NeuGebaut false); a
// cached "PT" or "RNF" form is converted, any other cached form gives nil. Otherwise the form is built,
// cancelled, with a constant denominator divided into the numerator (NeuGebaut true). A quotient by the zero
// polynomial is no rational function.
TRationaleFunktion* TRationaleFunktionCreateT(TTerm* T, bool& NeuGebaut);

// Z/N as a term: for a constant N the polynomial Z/N (nil when N is 0), else the quotient of the two
// polynomial terms.
TTerm* RationaleFunktionToTerm(TPolynom Z, TPolynom N);

// The arithmetic; every result is a new form, cancelled. RFDurch by the zero function raises ETermFehler
// "Division durch Nullpolynom".
TRationaleFunktion* RFNull();
TRationaleFunktion* RFEins();
TRationaleFunktion* RFPlus(TRationaleFunktion* a, TRationaleFunktion* b);
TRationaleFunktion* RFMinus(TRationaleFunktion* a, TRationaleFunktion* b);
TRationaleFunktion* RFMal(TRationaleFunktion* a, TRationaleFunktion* b);
TRationaleFunktion* RFDurch(TRationaleFunktion* a, TRationaleFunktion* b);
// Za * Nb = Na * Zb.
bool RFGleich(TRationaleFunktion* a, TRationaleFunktion* b);

// The state of the recurrence for I_k = integral of 1/(x^2 + D)^k dx: the current I (nil before the first
// step), its index k, D > 0 and c = sqrt(D).
struct TReduktion {
    TTerm* I = nullptr;
    Int32 k = 1;
    TTerm* D = nullptr;
    TTerm* c = nullptr;
};

// One step: I_1 = (1/c)*arctan(x/c) when I is nil; otherwise, with k set to the next index,
// I_k = x/(2(k-1)*D*(x^2 + D)^(k-1)) + (2k-3)/((2k-2)*D) * I_(k-1).
void IntegralReduktion(TReduktion& R);

} // namespace zol
