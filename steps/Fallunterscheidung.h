// Zeros of a term with abs or a piecewise part by cases: on each side of the point where the part changes its
// rule the term is one without that part.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;

// The zeros of T in Bereich by the sign of c for the first part abs(c) or piecewise term with condition c in
// T: where c < 0 T with the part replaced by -c (by the branch for c < 0), where c > 0 by c (the other
// branch), and where c = 0 the points at which T itself vanishes, without a multiplicity. Each case is
// searched by SucheNullstellen, its points kept on its side of c = 0; cases inside cases go at most three
// deep (deeper the answer is an empty list, unklar). False (Liste and Status untouched) when T has no such
// part. Status wahr when every case's search was complete.
bool NullstellenNachFaellen(TTerm* T, TMenge* Bereich, TSListe*& Liste, bool Kommentar, uint8_t& Status);

} // namespace zol
