// The symbolic integration search.
#pragma once

namespace zol {

class TTerm;

// An antiderivative of T (a and b nil) or the integral of T from a to b; nil when none is found.
TTerm* IntegralVon(TTerm* T, TTerm* a, TTerm* b);

} // namespace zol
