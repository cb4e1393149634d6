// Polynomials in a second quantity s (or w, a root) whose coefficients are polynomials in x, as value
// records with plain procedures over them: sum, difference, product, division by a factor free of s,
// content, comparisons, conversions and the term of such a polynomial.
//
// Like TPolynom, every procedure returns results through reference parameters, and a result may be one of
// the inputs: a procedure that takes a record by reference writes its result only when done reading.
#pragma once

#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// The degree in s is 0..20; Koeff[i] is the polynomial in x that multiplies s^i. Every entry above Grad is
// the zero polynomial, and so is every entry of a fresh record (the zero polynomial in s).
struct TPPolynom {
    Int32 Grad = 0;
    TPolynom Koeff[MaxGrad + 1];
};

// The polynomials 0, 1, s and 1 - s^2, filled by InitialisierePPolynome and not changed afterwards.
extern TPPolynom NullPPolynom;
extern TPPolynom EinsPPolynom;
extern TPPolynom SPPolynom;
extern TPPolynom EinsMinusSQuadratPPolynom;

// Fills the four constants from the polynomial constants (which must exist). Idempotent.
void InitialisierePPolynome();

// R = P + Q, R = P - Q; the degree is lowered past zero leading coefficients (never below 0).
void PPPlus(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R);
void PPMinus(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R);
// R = P * Q. A degree in s or in x above 20 raises "Maximaler Grad von Polynomen überschritten."
// (EGradUeberschritten).
void PPMal(const TPPolynom& P, const TPPolynom& Q, TPPolynom& R);
// Teilt: P = Faktor * Q with Faktor a polynomial in x alone, found from the contents of P and Q.
void PPDurch(TPPolynom P, TPPolynom Q, bool& Teilt, TPolynom& Faktor);
// The content: the gcd of the non-zero coefficients (a single one unchanged); the zero polynomial when
// there is none.
void PPInhalt(const TPPolynom& P, TPolynom& R);
bool PPGleich(const TPPolynom& P, const TPPolynom& Q);
bool IstNullPPolynom(const TPPolynom& P);
// Every coefficient below the leading one is zero (one power of s).
bool IstPPMonom(const TPPolynom& P);
// The lowest power of s with a non-zero coefficient; 20 for the zero polynomial.
Int32 PPMinGrad(const TPPolynom& P);
// Degree 0 with the constant T (raises "konstanten Term erwartet" for a term that is not constant).
void KonstantesPPolynom(TTerm* T, TPPolynom& R);
// A as a polynomial of degree 0 in s.
void PPAusPolynomX(TPolynom A, TPPolynom& R);
// A read as a polynomial in s with constant coefficients.
void PPAusPolynomS(TPolynom A, TPPolynom& R);
// P as a term in x and the named constant "s" (for traces).
TTerm* PPAlsTerm(TPPolynom P);
// The sum of Koeff[i](x) * t^i from the highest power down, a negative rational factor subtracted.
TTerm* PPEinsetzen(TPPolynom P, TTerm* t);

} // namespace zol
