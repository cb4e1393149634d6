// The rational normal form "RNF": a rational term in x kept as P1 * P2^k / P3^m with three polynomials and
// two exponents, so that powers of a polynomial stay powers instead of being multiplied out.
#pragma once

#include "algebra/NormalFormen.h"

namespace zol {

// After the builder: k, m >= 0; an exponent 0 goes with the polynomial 1 and the polynomial 1 with the
// exponent 0; P3 divides P2 only when P3 is 1, and P2, P3 have no common factor when m <= k. The expanded
// numerator P1 * P2^k and denominator P3^m stay within the degree limit.
class TRationaleNormalform : public TNormalform {
public:
    // The term P1 * P2^k, divided by the product of P3's factors to the power m unless P3 is 1.
    TRationaleNormalform(const TPolynom& p1, const TPolynom& p2, const TPolynom& p3, Int32 k, Int32 m);
    // The same fields with a term of the caller's.
    TRationaleNormalform(const TPolynom& p1, const TPolynom& p2, const TPolynom& p3, Int32 k, Int32 m,
                         TTerm* term);

    TPolynom P1;
    TPolynom P2;
    TPolynom P3;
    Int32 k = 0;
    Int32 m = 0;

    // f has the symmetry of the polynomial Z(-x) * N(x) with Z = P1 * P2^k and N = P3^m.
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    // The derivative as P2^(k-1) * Q1 / P3^(m+1), not normalised.
    TNormalform* Ableitung() override;
    // Substitution of P3 (m >= 2) or P2 (k >= 2), else the rational function's integral (not at Stufe 2).
    TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe) override;
    // The zeros of P1 and of P2 together, without the points where P3 vanishes.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

// Removes the points of Liste where P vanishes (decided exactly).
void OhneNullstellenVon(TSListe* Liste, const TPolynom& P);

} // namespace zol
