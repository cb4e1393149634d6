// Polynomials in x of degree at most 20 with term coefficients, as value records.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

constexpr Int32 MaxGrad = 20;

struct TPolynom {
    Int32 Grad = 0;
    // Koeff[i] is the coefficient of x^i; entries above Grad are the constant 0.
    TTerm* Koeff[MaxGrad + 1] = {};
};

// Completes the square of a*x^2 + b*x + c. Out, in order: the value of 4ac - b^2; the substitution term
// x + b/(2a); the radicand with the leading coefficient divided out; the completed form in x; the term
// for k = sqrt(|4ac - b^2| / (4a^2)); the completed form in the substitution variable.
void QuadratischeErgaenzung(TTerm* a, TTerm* b, TTerm* c, Extended& D, TTerm*& u, TTerm*& Q, TTerm*& S,
                            TTerm*& r, TTerm*& T);

} // namespace zol
