// The symbolic integration search.
#pragma once

namespace zol {

class TTerm;

// An antiderivative of T (a and b nil) or the integral of T from a to b; nil when none is found.
TTerm* IntegralVon(TTerm* T, TTerm* a, TTerm* b);

// The integral step of page 7: the antiderivative of f (a and b nil) or its integral from a to b.
void DoIntegral(TTerm* a, TTerm* b);
// The area between f and g, or between f and the x-axis, from a to b.
void SchrittFlaecheninhalt(TTerm* a, TTerm* b);

} // namespace zol
