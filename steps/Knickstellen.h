// The points where a term has a value but its derivative may have none: kinks of abs, junctions of
// piecewise terms, zeros of radicands. The extrema and inflection steps take them as candidates beside the
// zeros of the derivative.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;

// The points of Bereich where F' may have no value although F has one: the zeros of the arguments of abs,
// of radicands and of the bases of powers with an exponent between 0 and 1, the points where the argument
// of arcsin or arccos is 1 or -1, and the junctions of piecewise terms together with the points where a
// branch has such a point of its own. Each with multiplicity 0; whether F has a value there is left to the
// caller. Status wahr when every such point was found (the searches behind them were complete and the list
// did not run full), else unklar.
void SucheKnickstellen(TTerm* F, TMenge* Bereich, TSListe*& Liste, uint8_t& Status);

// T has a value at x and at points on both sides arbitrarily close to it (x is an inner point of its range),
// judged at a few points close by.
bool BeidseitigDefiniert(TTerm* T, Extended x);
// T has values on both sides arbitrarily close to x, whether or not at x itself.
bool BeidseitsNaheDefiniert(TTerm* T, Extended x);

// T, which may have no value at x itself, tends to one finite value from both sides of x: the gap between
// its values on both sides shrinks with the distance from x. A derivative with that limit at a point where f
// is continuous is f' there.
bool HatBeidseitigenGrenzwert(TTerm* T, Extended x);

} // namespace zol
