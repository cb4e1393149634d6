// Factorisation of polynomials over the reals into the leading coefficient, linear factors (x - x_i)^m_i and
// quadratic factors (x^2 + p*x + q)^k without real zeros, with the explanation of the way there.
//
// PZerlegung follows the case order of the zero search: the pq formula, factoring out x^k, a*x^n + b, the
// substitution x^2 -> x, a rational zero with division, Cardano's formulas, P(ix), the quartic fit and the
// search of quadratic factors with small integer p, q. Each case factorises the polynomial that remains by a
// nested PZerlegung (indented by one Einzug) with result lists of its own, whose entries it then takes over.
// With Kommentar false nothing is written but the line of a failed factorisation.
#pragma once

#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TSListe;
class TTerm;

// The result of one factorisation: the zeros with their multiplicities, the quadratic factors
// QuadListe[1..Anzahl], the leading coefficient of the polynomial given and whether the multiplicities of
// the linear factors plus twice those of the quadratic ones add up to its degree.
struct TZerlegung {
    TSListe* Liste = nullptr;
    TQuadFaktorListe QuadListe;
    Int32 Anzahl = 0;
    TTerm* Leitkoeffizient = nullptr;
    bool Vollstaendig = false;
};

// Factorises P. Every output is set at entry (an empty list, Anzahl 0, the leading coefficient of P,
// Vollstaendig false). An exception inside, except a user abort, writes "Schritt: Polynomzerlegung nicht
// OK! " and its message, draws the page and leaves the factorisation incomplete.
void PZerlegung(TPolynom P, TSListe*& Liste, TQuadFaktorListe& QuadListe, Int32& Anzahl,
                TTerm*& Leitkoeffizient, bool& Vollstaendig, bool Kommentar);
void PZerlegung(TPolynom P, TZerlegung& Z, bool Kommentar);

// F as entered, a product of powers (natural exponents) of polynomials and of constants, factorised factor by
// factor, for a polynomial whose coefficients multiplied out leave the exact arithmetic ((x+10^12)^2): each
// factor by PZerlegung (indented), its factors taken to the factor's power. False where F has another form
// or is a single polynomial; Z is complete when every factor's factorisation is.
bool PZerlegungFaktorweise(TTerm* F, TZerlegung& Z, bool Kommentar);

// Leitkoeffizient * (x - x_i)^m_i * ... * (x^2 + p*x + q)^k * ... as a term, in the order of Z's lists.
TTerm* Produktterm(const TZerlegung& Z, bool OhneEins = false);

// The cases. Each adds the factors it finds to Z (which PZerlegung has set up for P); those returning
// bool tell whether they found a factor.
void ZerlegeQuadratisch(TTerm* a, TTerm* b, TTerm* c, TZerlegung& Z, bool Kommentar);
void ZerlegeAusklammern(TPolynom P, Int32 k, TZerlegung& Z, bool Kommentar);
void ZerlegeReinePotenz(TTerm* an, TTerm* a0, Int32 n, TZerlegung& Z, bool Kommentar);
// P(x) = Q(x^2).
void ZerlegeQuadratischSubst(TPolynom Q, TZerlegung& Z, bool Kommentar);
bool ZerlegeRational(TPolynom P, TZerlegung& Z, bool Kommentar);
void ZerlegeCardano(TPolynom P, TZerlegung& Z, bool Kommentar);
bool ZerlegePix(TPolynom P, TZerlegung& Z, bool Kommentar);
// A monic quartic with an integer constant term as (x^2 + A*x + B)(x^2 + C*x + D), B*D = a_0.
bool ZerlegeViertenGrad(TPolynom P, TZerlegung& Z, bool Kommentar);
// The factors x^2 + p*x + q with p, q in -10..10.
bool ZerlegeQuadFaktorSuche(TPolynom P, TZerlegung& Z, bool Kommentar);

// Adds (x^2 + p*x + q)^m to Z: as a quadratic factor when it has no real zero, otherwise as its zeros from
// the pq formula, each with multiplicity m (2m for a double zero).
void QuadFaktorAufnehmen(TTerm* p, TTerm* q, Int32 m, TZerlegung& Z, bool Kommentar);

// "Ergebnis: P(x) = " and the product of the factors when Z is complete; otherwise "Zerlegung nicht
// gelungen." when no factor was found, else "Zerlegung nicht vollständig.".
void SchreibeErgebnis(const TZerlegung& Z);

// The factorisation step of page 1: works on f.
void SchrittPolynomzerlegung();

} // namespace zol
