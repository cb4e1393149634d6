// How far rounding can have moved the value of a term: a computed value within that bound of 0 cannot be
// told from 0 by the arithmetic, and its sign says nothing.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// The value of T at x, where x itself may be off by Fehler, and a bound on how far rounding can have moved
// it: errors carried through sums, products and quotients, and through each function by its change over
// the uncertain argument. False where T has no value; a bound that cannot be given is infinite.
bool WertMitSchranke(TTerm* T, Extended x, Extended Fehler, Extended& Wert, Extended& Schranke);

// The value w of T at x (x off by up to Fehler) is 0 up to rounding: |w| does not exceed the finite bound.
bool IstRundungsnull(TTerm* T, Extended x, Extended Fehler, Extended w);

// The uncertainty of a number that was rounded once or a few times: a few units in the last place.
Extended Rundungsfehler(Extended x);

} // namespace zol
