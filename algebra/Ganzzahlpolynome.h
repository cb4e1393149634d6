// Polynomials with integer coefficients and their exact gcd. The gcd is found modulo several primes, the
// images joined by the Chinese remainder theorem and the candidate confirmed by exact division, so no number
// on the way grows much beyond the inputs and the result (where Euclid's algorithm over fractions lets its
// remainders grow until 64 bits overflow).
#pragma once

#include <vector>

#include "term/Brueche.h"
#include "term/Grundtypen.h"

namespace zol {

// The coefficients, lowest first; the last one is not 0. The zero polynomial is empty.
using TGanzPolynom = std::vector<Int64>;

// The gcd of two non-zero polynomials, primitive and with a positive leading coefficient. False when it
// has a coefficient beyond 64 bits, or the numbers on the way beyond 128 bits.
bool GanzGGT(const TGanzPolynom& P, const TGanzPolynom& Q, TGanzPolynom& G);

// Quotient = P / D when the non-zero D divides P with an integer quotient whose coefficients fit 64 bits;
// false otherwise (also when the division leaves 128 bits on the way).
bool GanzDurch(const TGanzPolynom& P, const TGanzPolynom& D, TGanzPolynom& Quotient);

// The polynomial with the fractions Koeff (lowest first, the last not 0) as coefficients, multiplied by the
// lcm of their denominators and divided by the gcd of their numerators; false when a coefficient leaves 64
// bits.
bool PrimitivesVielfaches(const std::vector<TBruch>& Koeff, TGanzPolynom& P);

// The gcd of the magnitudes of the coefficients (0 for the zero polynomial).
Int64 GanzInhalt(const TGanzPolynom& P);

} // namespace zol
