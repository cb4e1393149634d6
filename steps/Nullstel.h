// The general zero finder and the zeros and poles steps.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;
class EZolFehler;
struct TPolynom;

// The zeros of T in Bereich (nil: the whole line): T's own zeros, else those of its normal form, else those
// found by substituting a subterm with an inverse function and substituting back. Every point of the result
// lies in Bereich. Status: 1 the list is complete, 0 more zeros exist, 2 unknown. With Kommentar the search
// is explained and summed up. A search without comments gives the result of the request's earlier search on
// the same term and range again.
void SucheNullstellen(TTerm* T, TMenge* Bereich, TSListe*& Liste, bool Kommentar, uint8_t& Status);
// The search of a part of a term (a factor, a numerator, a substituted term) that ended with the error e:
// no zeros, Status 2, and with Kommentar the line that says why.
void NichtsGefunden(const EZolFehler& e, TSListe*& Liste, uint8_t& Status, bool Kommentar);

// Nested substitution searches go this deep; deeper no substitution is tried (Status 2). Each level tries
// every subterm of the level above, fully simplified, so the work grows with the power of the depth; a
// third level found zeros only for the cube roots of quadratics, which the sign cases now solve directly.
constexpr Int32 MaxSubstitutionstiefe = 2;
// The steps the trials of one substitution search may take, its nested searches included. A substitution
// that leads to zeros is found within a few thousand steps; a futile search of a long term could otherwise
// take the request's whole supply.
constexpr Int64 Substitutionsbudget = 60000;
// Searches started inside searches go this deep; deeper, and on a term whose search is running already, a
// search finds nothing (Status 2).
constexpr Int32 MaxNullstellentiefe = 48;

// T has no zero in M: wahr when a complete search finds none, falsch when T has a zero in M, else unklar.
TWahrheitswert IstUngleichNullAuf(TTerm* T, TMenge* M);
// T's normal form is a polynomial (kind PT, or RNF without a denominator).
bool HatPolynomform(TTerm* T);
// T simplifies to the constant 0: T is 0 wherever it is defined.
bool IstNullfunktion(TTerm* T);
// T(x0) = 0, decided exactly: x0 put in for x and the result simplified as a constant; false where T has no
// value at x0, a divisor there cannot be told from 0, or the exact numbers overflow.
bool TermVerschwindetIn(TTerm* T, TTerm* x0);
// The derivative of order n of T at the point P is a number other than 0 for every value of the parameters
// in T and P: a zero P of multiplicity at least n has exactly that multiplicity.
bool AbleitungNichtNullIn(TTerm* T, Int32 n, TTerm* P);
// T has a value at the constant x0, decided by putting x0 in exactly: a piecewise term that jumps at x0 has
// none there, though a rounded x0 may fall on one side of it. Where a divisor cannot be told from 0, the
// value at x0 decides.
bool HatWertIn(TTerm* T, TTerm* x0);
// The multiplicity of the zero x0 of T: the order of the first derivative of T that does not vanish at x0
// (decided exactly where the term allows, else a value clear of rounding noise counts as not 0), at most
// Hoechstens; 0 where a derivative has no value at x0 or none up to that order decides.
Int32 VielfachheitDurchAbleitungen(TTerm* T, TTerm* x0, Int32 Hoechstens);
// The multiplicity of the zero x0 of T from T's structure: the exponent of a power, the sum over the factors
// of a product, the smaller order of a sum's two parts where they differ, the polynomial's vanishing
// derivatives; T's own derivatives (at most 20) only for a part without such structure. 0 where it cannot be
// told. Where exact numbers overflow on the way, VielfachheitDurchAbleitungen up to Hoechstens decides.
Int32 Vielfachheit(TTerm* T, TTerm* x0, Int32 Hoechstens);
// P(x0) = 0, decided exactly: a rational x0 by exact evaluation, another one as TermVerschwindetIn.
bool PolynomVerschwindetIn(const TPolynom& P, TTerm* x0);

// Drops from Liste the points where f as entered is undefined (listed gaps, zeros of the entered quotient's
// denominator, points where the entered term has no value), each with the line x0 " ist Definitionslücke
// von f und scheidet aus.".
void OhneDefinitionsluecken(TSListe*& Liste);

// The zeros step of page 1; Zeichnen draws the page at the end (false when the area step needs the list
// only).
void BestimmungDerNullstellen(bool Zeichnen);
// The poles step of page 2.
void BestimmungDerPolstellen();

} // namespace zol
