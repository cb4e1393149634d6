// Point lists and evaluation helpers.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// F(b) - F(a) folded, with a commented derivation; F itself when a bound is missing; nil when a
// substitution has no value.
TTerm* IntegralAuswerten(TTerm* F, TTerm* a, TTerm* b, TTerm* v);

} // namespace zol
