// The symbolic integration search.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// One node of the integration search, and the record of one rule attempt (integration by parts 'p' or
// substitution 's'; 't' the root, 'd' the root integrated directly).
struct TSuchknoten {
    char Art = 't';
    // 'p': the factor taken as the derivative and the other factor; 's': the integrand and the inner term u.
    TTerm* Teil1 = nullptr;
    TTerm* Teil2 = nullptr;
    // 'p': the product of the factors' antiderivative and the other factor, or its value between the bounds.
    TTerm* Randterm = nullptr;
    TTerm* UntereGrenze = nullptr;
    TTerm* ObereGrenze = nullptr;
    // The integrand the rule leaves (written in x); nil when the rule failed.
    TTerm* Ersatzterm = nullptr;
    TTerm* UntereGrenzeErsatz = nullptr;
    TTerm* ObereGrenzeErsatz = nullptr;
    TTerm* Ergebnis = nullptr;
    TSuchknoten* Naechster = nullptr;
    TSuchknoten* Vorgaenger = nullptr;
    bool Expandiert = false;
};

// An antiderivative of T (a and b nil) or the integral of T from a to b; nil when none is found.
TTerm* IntegralVon(TTerm* T, TTerm* a, TTerm* b);
// The direct integral of T: its own, else (Stufe not 1) that of its normal form.
TTerm* GetIntegralLokal(TTerm* T, TTerm* a, TTerm* b, Int32 Stufe);
// The substitution of u in the integrand T: fills R, with the Ersatzterm when it succeeds.
void Substitution(TTerm* T, TTerm* u, TTerm* a, TSuchknoten& R, TTerm* b);

// The integral step of page 7: the antiderivative of f (a and b nil) or its integral from a to b.
void DoIntegral(TTerm* a, TTerm* b);
// The area between f and g, or between f and the x-axis, from a to b.
void SchrittFlaecheninhalt(TTerm* a, TTerm* b);

} // namespace zol
