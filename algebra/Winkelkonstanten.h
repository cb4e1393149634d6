// Constants built from sin(phi) and cos(phi) of one angle phi whose triple angle has an exact cosine k, as
// the zeros of a cubic with three real zeros are written (phi = q*pi + arctan(r)/3, arccos(r)/3, ...).
// Such a constant is a polynomial in s = sin(phi) and c = cos(phi) over the rationals and real roots; the
// relations s^2 = 1 - c^2 and 4c^3 = 3c + k bring it to the form P(c) + Q(c)*s with P and Q of degree at
// most 2. That form is the one the simplifier takes for these constants instead of searching substitutions,
// which cannot see either relation.
#pragma once

#include "term/Wurzelzahlen.h"

namespace zol {

class TTerm;

// cos(3*phi) exactly, as a number without atoms: for phi a rational multiple of pi, plus or minus a third of
// arctan, arccos or arcsin of a number r whose square is rational. False for every other angle.
bool KosinusDesDreifachen(TTerm* phi, TWurzelzahl& k);

// A cheap test before Winkelnormalform: T is constant and names sin or cos (arcsin and arccos are no atoms of
// the form).
bool MoeglicheWinkelkonstante(TTerm* T);

// T as P(c) + Q(c)*s, when T is built by +, -, *, integer powers and rational divisors from rationals, real
// roots and sin(phi), cos(phi) of one angle phi that KosinusDesDreifachen knows, and holds at least one of
// them; nil otherwise (also when the form would be too large to compute).
TTerm* Winkelnormalform(TTerm* T);

} // namespace zol
