// Helpers shared by the files of the trigonometric normal form.
#pragma once

#include "algebra/Polynome.h"

namespace zol {

class TTerm;

namespace tnf {

// a + b*cos x with a, b polynomials in s = sin x.
struct TLinear {
    TPolynom a;
    TPolynom b;
};

// The polynomial of degree 0 with the constant c.
TPolynom Konstant(TTerm* c);
TPolynom Mal(const TPolynom& P, const TPolynom& Q);
TPolynom Plus(const TPolynom& P, const TPolynom& Q);
TPolynom Minus(const TPolynom& P, const TPolynom& Q);
// The terms sin(x) and cos(x).
TTerm* SinX();
TTerm* CosX();
// P(sin x) as a term.
TTerm* InSinus(const TPolynom& P);
// P(sin x) + Q(sin x)*cos(x) as a term.
TTerm* LinearInCos(const TPolynom& P, const TPolynom& Q);
// The product of two expressions linear in cos x, with cos^2 x = 1 - s^2.
TLinear Produkt(const TLinear& x, const TLinear& y);

} // namespace tnf
} // namespace zol
