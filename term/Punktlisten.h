// Point lists and evaluation helpers: inserting, merging and sorting points, linear terms, function
// values and definite integrals with a commented derivation, short numbers between two reals.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TStelle;
class TSListe;

// Inserts P into Liste, or merges it into an equal point there (with Maximum the larger multiplicity,
// else the sum). A 21st point is refused with the message "Liste voll. Einfügen nicht mehr möglich.".
void StelleEinfuegen(TStelle* P, TSListe*& Liste, bool Maximum);
// StelleEinfuegen of every point of Quelle, in order.
void SListenVereinigen(TSListe* Quelle, TSListe*& Ziel, bool Maximum);
// Ascending by value at 0 (NachWert) or by node count; the first of equal keys stays first.
void SortiereSListe(TSListe* Liste, bool NachWert);
// Sorts A[1..n] the same way.
void SortiereTerme(TTerm** A, Int32 n, bool NachWert);
// T = m*x + n with m not 0, by T's polynomial normal form.
bool IstLinear(TTerm* T, TTerm*& m, TTerm*& n);
// F(A) with a commented derivation; 0 when A is nil or a substitution has no value.
Extended Funktionswert(TTerm* F, TTerm* A);
// F(b) - F(a) folded, with a commented derivation; F itself when a bound is missing; nil when a
// substitution has no value. Ra and Rb, where given, are terms in x with F's value at a and at b (F reduced
// modulo a polynomial that vanishes there): the page shows F(b) - F(a), and the shorter equal terms are
// simplified.
TTerm* IntegralAuswerten(TTerm* F, TTerm* a, TTerm* b, TTerm* v, TTerm* Ra = nullptr, TTerm* Rb = nullptr);
// T is defined on the whole closed interval between the bounds a and b (in either order); false also when a
// bound depends on x or has no value.
bool DefiniertZwischen(TTerm* T, TTerm* a, TTerm* b);
// T has a value on the closed interval between a and b up to single points, which an integral passes over:
// T is defined there throughout, or rational (its gaps are zeros of a divisor), or has a value at each of 256
// points spread over the interval with no simple fraction among them (a part without values, as of
// e^(2ln(x)) on [-4; 5], lies there). False also when a bound depends on x or has no value.
bool DefiniertBisAufStellen(TTerm* T, TTerm* a, TTerm* b);
// A number with few decimals strictly between A and B (A < B), or their midpoint.
Extended EinfacheZahlZwischen(Extended A, Extended B);

} // namespace zol
