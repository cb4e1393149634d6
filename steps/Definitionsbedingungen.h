// What a term asks of x to have a value: the divisors that must not vanish and the arguments of the
// functions that are defined on part of the line only. The definition range and the symmetry step judge f as
// entered by them, since a simplification or a normal form may widen or narrow the range (sqrt(x)^2 = x).
#pragma once

#include <vector>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

enum class TBedingungsart {
    // The argument is not 0 (a divisor, the base of a negative power).
    UngleichNull,
    // The argument is >= 0 (sqrt, a root, a fractional power) or > 0 (ln, a negative fractional power).
    NichtNegativ,
    Positiv,
    // |argument| <= 1 (arcsin, arccos).
    BetragHoechstensEins,
    // cos(argument) is not 0 (tan), sin(argument) is not 0 (cot).
    KosinusUngleichNull,
    SinusUngleichNull,
    // A term whose range this walk does not know (a piecewise term, a root of index below 1).
    Unbekannt
};

struct TBedingung {
    TBedingungsart Art;
    // The term the condition is on, and the node that asks it.
    TTerm* Argument;
    TTerm* Knoten;
};

// The conditions of every non-constant node of T, outer nodes first. A constant subterm asks nothing of x.
std::vector<TBedingung> Definitionsbedingungen(TTerm* T);

// T asks nothing of x to have a value: each node is a number constant, x, a sum, difference or product, a
// quotient by a rational constant other than 0, a power with an exponent in N, or sin, cos, exp, arctan, abs
// or a general exponential of such a term.
bool UeberallDefiniert(TTerm* T);

// The condition holds for -u wherever it holds for u.
bool VorzeichenfreieBedingung(TBedingungsart Art);

// The first divisor in T that is 0: the constant divisor of a quotient or the constant base of a negative
// power whose value is 0, or a divisor that folds to 0 (x - x); nil when there is none.
TTerm* NullTeiler(TTerm* T);

} // namespace zol
