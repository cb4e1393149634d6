// Partial fractions of rational functions: the denominator is factorised over the reals, an ansatz with the
// coefficients A, B, C, ... is multiplied out and the coefficients are found by comparing coefficients in a
// linear system. The last decomposition stays in the result globals, where the integration of rational
// functions takes it up again.
#pragma once

#include <string>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/Polynome.h"

namespace zol {

class TSListe;
class TTerm;

// The result of the last decomposition. PartialbruchVorhanden is true once a decomposition of
// PartialbruchZaehler / PartialbruchNenner has been found. PartialbruchA[i][j] is the numerator of
// 1/(x - x_i)^j for the i-th real zero of PartialbruchNullstellen; PartialbruchB[i][j] * x +
// PartialbruchC[i][j] that of 1/(x^2 + p_i*x + q_i)^j for the i-th factor of PartialbruchQuadFaktoren (A has
// one row per real zero, B and C one per quadratic factor; all three have as many columns as the highest
// multiplicity). PartialbruchPolynomteil is the polynomial part of f split off by the step.
extern bool PartialbruchVorhanden;
extern TPolynom PartialbruchZaehler;
extern TPolynom PartialbruchNenner;
extern TSListe* PartialbruchNullstellen;
extern TQuadFaktorListe PartialbruchQuadFaktoren;
extern TLGSMatrix PartialbruchA;
extern TLGSMatrix PartialbruchB;
extern TLGSMatrix PartialbruchC;
extern TPolynom PartialbruchPolynomteil;

// Clears the result globals: nothing present, empty lists, matrices of 0 rows, zero polynomials. Called
// with every emptying of the term store, since the globals hold terms of the request.
void SetzePartialbruchZurueck();

// Decomposes Z/N (deg Z < deg N) and leaves the result in the result globals and the var parameters.
// Vollstaendig tells whether N was completely factorised. With Kommentar every stage is written. Only the
// degree sentence is written when deg Z >= deg N; a denominator of a degree above 15 (the size of the
// linear system) or one that is not completely factorised has no decomposition. Name is the function's name
// in the written equations (of the current variable letter): "f" only where Z/N is f itself.
void Partialbruchzerlegung(TPolynom Z, TPolynom N, TSListe*& Nullstellen, TQuadFaktorListe& QuadFaktoren,
                           TLGSMatrix& A, TLGSMatrix& B, TLGSMatrix& C, bool& Vollstaendig, bool Kommentar,
                           const std::string& Name = "f");

// The sum of the partial fractions of the coefficient tables: value/(x - x_i)^j over the real zeros and
// (b*x + c)/(x^2 + p_i*x + q_i)^j over the quadratic factors, those with coefficient 0 left out; added to
// Start (a polynomial part) when one is given.
TTerm* PartialbruchTerm(TSListe* Nullstellen, const TQuadFaktorListe& QuadFaktoren, const TLGSMatrix& A,
                        const TLGSMatrix& B, const TLGSMatrix& C, TTerm* Start = nullptr);

// Whether Z/N in x is f itself, by the normal form that f carries (none is computed here).
bool IstFunktionF(const TPolynom& Z, const TPolynom& N);

// The partial-fraction step of page 3: works on f.
void SchrittPartialbrueche();

} // namespace zol
