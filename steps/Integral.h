// The symbolic integration: the rules, the direct integrals of the term classes and normal forms in rising
// stages, the search over chains of integration by parts and substitution, and the integral steps.
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
    // The next node of the same layer; after a successful search, the next node of the successful chain.
    TSuchknoten* Naechster = nullptr;
    TSuchknoten* Vorgaenger = nullptr;
    bool Expandiert = false;
};

// The most nodes one search hangs in (1000); then it ends unfound.
extern Int32 MaxSuchknoten;

// An antiderivative of T (a and b nil) or the integral of T from a to b; nil when none is found. A single
// bound counts as none; between bounds that depend on x there is none. With both bounds the result never
// depends on x. After an abort: nil.
TTerm* IntegralVon(TTerm* T, TTerm* a, TTerm* b);
// The direct integral of T: its own, else (Stufe not 1) that of its normal form. With both bounds only where
// T is defined on the whole closed interval between them.
TTerm* GetIntegralLokal(TTerm* T, TTerm* a, TTerm* b, Int32 Stufe);
// The search over chains of integration by parts and substitution (one expansion layer for Stufe < 4, else
// four); a chain found is written with comments and its result composed. nil when none is found.
TTerm* SFPartSub(TTerm* T, TTerm* a, TTerm* b, Int32 Stufe);
// Integration by parts of f1 * g with f1 taken as the derivative: fills R, with the Ersatzterm when f1 has an
// antiderivative (and, with bounds, the boundary term a value).
void PartielleIntegration(TTerm* f1, TTerm* g, TTerm* a, TSuchknoten& R, TTerm* b);
// The substitution of u in the integrand T: fills R, with the Ersatzterm when it succeeds.
void Substitution(TTerm* T, TTerm* u, TTerm* a, TSuchknoten& R, TTerm* b);

// The integral step of page 7: the antiderivative of f (a and b nil) or its integral from a to b, by
// Simpson's rule where no antiderivative is found. ERessourcen ends the step with a message box.
void DoIntegral(TTerm* a, TTerm* b);
// The area between F and G (nil: the x-axis) from a to b as a term, over the points of Schnittstellenliste
// (computed first when its count is -1) in [a, b]; the list becomes those points with a and b, sorted. nil,
// with a line saying why, without both bounds or with a > b, where F - G is not known to be defined on
// [a, b], and where the points are not known to be complete; nil also when an integral cannot be found. More
// than 18 points raise ETermGoToStart "Zu viele Schnittstellen.".
TTerm* Flaechenberechnung(TTerm* F, TTerm* G, TTerm* a, TTerm* b);
// The area between f and g, or between f and the x-axis, from a to b. Where the page states the area,
// Flaechenstellen becomes the points that split it.
void SchrittFlaecheninhalt(TTerm* a, TTerm* b);

} // namespace zol
