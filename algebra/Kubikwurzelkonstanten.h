// Constants with cube roots of irrational numbers, as Cardano's formula writes the real zero of a cubic:
// u = (a + b*sqrt(d))^(1/3) and v = (-a + b*sqrt(d))^(1/3), whose product is rational. The numbers of
// Wurzelzahlen know u^3, v^3 and u*v and invert a denominator in u and v, so such a constant has the form of
// a sum of rational multiples of roots of primes, u, v and their squares. The simplifier takes that form
// instead of searching substitutions, which see none of these relations.
#pragma once

namespace zol {

class TTerm;

// A cheap test before Kubikwurzelform: T is constant and holds a cube root of a constant that is no rational.
bool MoeglicheKubikwurzelkonstante(TTerm* T);

// T in that form, when T is built by +, -, *, / and integer powers from rationals, roots of rationals and
// cube roots of such numbers, holds at least one of the latter, and its denominator leaves the arithmetic
// rational; the rational number where the cube roots cancel; nil otherwise (also when the numbers would be
// too large).
TTerm* Kubikwurzelform(TTerm* T);

} // namespace zol
