// Polynomials in x of degree at most 20 with term coefficients, as value records, and the plain
// procedures over them: arithmetic, division with remainder (optionally written out as the school
// division scheme), gcd and lcm, cancelling, derivative and antiderivative, values by Horner's scheme,
// substitutions, powers of linear and quadratic factors, completing the square and the list of quadratic
// factors.
//
// Every procedure returns results through reference parameters, and a result may be one of the inputs
// (PMal(R, P, R)): a procedure that takes a polynomial by reference writes its result only when done reading.
// Coefficient arithmetic goes through the term arithmetic; nothing here frees a term.
#pragma once

#include <string>

#include "term/Brueche.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

constexpr Int32 MaxGrad = 20;

// The degree is 0..20; Koeff[i] is the coefficient of x^i. Every slot holds a term: the entries above
// Grad are the constant 0, and so are the unused entries of a fresh record. The arithmetic keeps the
// leading coefficient non-zero (the degree never drops below 0); the zero polynomial is Grad 0 with
// Koeff[0] = 0.
struct TPolynom {
    // The zero polynomial.
    TPolynom();

    Int32 Grad = 0;
    TTerm* Koeff[MaxGrad + 1];
};

// One factor (x^2 + p*x + q)^Vielfachheit.
struct TQuadFaktor {
    TTerm* p = nullptr;
    TTerm* q = nullptr;
    Int32 Vielfachheit = 0;
};

constexpr Int32 MaxQuadFaktoren = 20;

// Up to 20 quadratic factors in Faktoren[1..20] (index 0 unused). The number of used entries is kept by
// the caller beside the list; -1 and 0 both mean empty.
struct TQuadFaktorListe {
    TQuadFaktor Faktoren[MaxQuadFaktoren + 1];

    TQuadFaktor& operator[](Int32 i) { return Faktoren[i]; }
    const TQuadFaktor& operator[](Int32 i) const { return Faktoren[i]; }
};

// The polynomials 0, 1, x, x^2 and 1 - x^2, filled by InitialisierePolynome and not changed afterwards.
extern TPolynom NullPolynom;
extern TPolynom EinsPolynom;
extern TPolynom XPolynom;
extern TPolynom XQuadratPolynom;
extern TPolynom EinsMinusXQuadratPolynom;

// Fills the polynomial constants from the shared constant terms (which must exist). Idempotent.
void InitialisierePolynome();

// R = P + Q, R = P - Q.
void PPlus(const TPolynom& P, const TPolynom& Q, TPolynom& R);
void PMinus(const TPolynom& P, const TPolynom& Q, TPolynom& R);
// R = P * Q. A degree above 20 raises "Maximaler Grad von Polynomen überschritten." and leaves R the
// zero polynomial.
void PMal(const TPolynom& P, const TPolynom& Q, TPolynom& R);
// Z = Quotient * N + Rest with Rest's degree below N's. With Schema the division is written out as the
// school division scheme. A zero divisor raises ETermFehler "Division durch Nullpolynom".
void PDurch(TPolynom Z, TPolynom N, TPolynom& Quotient, TPolynom& Rest, bool Schema);
// R = P^n; n < 0 writes an error line and gives the zero polynomial.
void PHoch(TPolynom P, Int32 n, TPolynom& R);
// The monic greatest common divisor (the zero polynomial when P or Q is zero).
void PGGT(TPolynom P, TPolynom Q, TPolynom& R);
// The least common multiple P * Q / PGGT(P, Q) (the zero polynomial when P or Q is zero).
void PKGV(TPolynom P, TPolynom Q, TPolynom& R);
// Cancels Z/N in place: rational coefficients become coprime integers, and the common polynomial factor
// is divided out. Flag 1: no polynomial factor was cancelled; 0: one was (or Z is zero and N became 1).
void PKuerze(TPolynom& Z, TPolynom& N, Int32& Flag);
// The derivative; the antiderivative with constant 0 (a degree-20 P raises the degree message).
void PAbleitung(TPolynom P, TPolynom& R);
void PStammfunktion(TPolynom P, TPolynom& R);
// The value at x by Horner's scheme.
Extended PWert(TPolynom P, Extended x);
// The exact value at x; every coefficient must be a rational constant, else ETermGoToStart
// "Koeffizienten müssen rational sein!".
void PWertRational(TPolynom P, const TBruch& x, TBruch& Wert);
// The polynomial of degree 0 with the constant term T (raises "konstanten Term erwartet" otherwise).
void KonstantesPolynom(TTerm* T, TPolynom& R);
void BruchPolynom(const TBruch& b, TPolynom& R);
// The coefficients c0,c1,...,cn as fraction texts separated by ","; the degree is n (not trimmed).
void PAusString(const std::string& Text, TPolynom& R);

bool IstNullPolynom(const TPolynom& P);
// Every coefficient below the leading one is zero.
bool IstMonom(const TPolynom& P);
// Every coefficient is a rational constant.
bool IstRationalesPolynom(const TPolynom& P);
bool PGleich(const TPolynom& P, const TPolynom& Q);

// Gerade: only even exponents; Ungerade: only odd ones. With Kommentare on, one sentence about the
// symmetry of the graph.
void PSymmetrie(TPolynom P, bool& Gerade, bool& Ungerade);
// The same three-valued: a coefficient with a parameter that may be 0 leaves a verdict unklar that it would
// decide (x - a is point symmetric for a = 0).
void PSymmetrie(TPolynom P, TWahrheitswert& Gerade, TWahrheitswert& Ungerade);
// For a rational P of positive degree: scales P so that its leading coefficient is +1 or -1. Faktor is
// the positive factor used (1 when nothing changed).
void PNormiere(TPolynom& P, TTerm*& Faktor, bool& Geaendert);
// Multiplies P by the lcm of its coefficient denominators, making the coefficients integers.
void PErweitere(TPolynom& P, bool Kommentar);
// P(ix) = R(x^2) + i*x*I(x^2).
void PvonIX(TPolynom P, TPolynom& R, TPolynom& I);
// When P(x) = Q(x^2): true and Q.
bool PQuadratSubstitution(TPolynom P, TPolynom& Q, bool Kommentar);
// With k the lowest non-zero exponent: when P(x) = Q(x^k), returns k and Q; otherwise 1 and Q = P.
Int32 PSubstitution(TPolynom P, TPolynom& Q, bool Kommentar);
// R = (x - a)^n and R = (x^2 + p*x + q)^n, expanded.
void PLinearfaktorHoch(TTerm* a, Int32 n, TPolynom& R);
void PQuadFaktorHoch(TTerm* p, TTerm* q, Int32 n, TPolynom& R);

// Completes the square of a*x^2 + b*x + c. Out, in order: the value of 4ac - b^2; the substitution term
// u = x + b/(2a); the quadratic divided by |a| as a polynomial term; the same completed around u; the term
// r = sqrt(|4ac - b^2| / (4a^2)); the completed form in the substitution variable v and the constant k
// standing for r.
void QuadratischeErgaenzung(TTerm* a, TTerm* b, TTerm* c, Extended& D, TTerm*& u, TTerm*& Q, TTerm*& S,
                            TTerm*& r, TTerm*& T);

// Adds (x^2 + p*x + q)^Vielfachheit to Liste[1..Anzahl]: an equal factor gains the multiplicity,
// otherwise a new entry is appended; a 21st entry is refused with a message.
void FaktorEinfuegen(TTerm* p, TTerm* q, Int32 Vielfachheit, TQuadFaktorListe& Liste, Int32& Anzahl);

// Trace aid: writes whether every coefficient above the degree is zero.
void checkP(TPolynom P);

} // namespace zol
