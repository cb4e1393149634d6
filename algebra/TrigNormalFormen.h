// The trigonometric normal forms: "TNF" (rational in sin x and cos x), "PTNF" (polynomial in sin and cos of a
// polynomial) and "RTNF" (rational in sin and cos of a polynomial).
#pragma once

#include "algebra/NormalFormen.h"
#include "algebra/Polynome.h"

namespace zol {

class TTerm;

// A term rational in sin x and cos x as (A(s) + B(s)*c) / (C(s) + D(s)*c) with s = sin x and c = cos x; c^2
// is always replaced by 1 - s^2. The four polynomials are in the symbol s.
class TTrigonometrischeNormalform : public TNormalform {
public:
    // Stores the polynomials, reduces them with Kuerze and takes Term, or builds it when Term is nil.
    TTrigonometrischeNormalform(const TPolynom& a, const TPolynom& b, const TPolynom& c, const TPolynom& d,
                                TTerm* term);

    TPolynom A; // cos-free part of the numerator
    TPolynom B; // coefficient of cos x in the numerator
    TPolynom C; // cos-free part of the denominator
    TPolynom D; // coefficient of cos x in the denominator

    // Term := (A(sin x) + B(sin x)*cos x) / (C(sin x) + D(sin x)*cos x), built with the simplifying
    // arithmetic.
    void BildeTerm();
    // Divides out the common gcd, a common factor cos x, and collapses a form equal to a polynomial in s.
    void Kuerze();

    TNormalform* Ableitung() override;
    // The special cases at any Stufe; from Stufe 5 the substitution t = tan(x/2). With both bounds the value,
    // nil where the term is not defined on the closed interval between them.
    TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe) override;
    // The zeros of the numerator in M where the denominator is not 0.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

using TTNF = TTrigonometrischeNormalform;

// The new form (A + B*c) / (C + D*c), reduced; Term nil builds the term.
TTNF* TNFCreate(const TPolynom& A, const TPolynom& B, const TPolynom& C, const TPolynom& D,
                TTerm* Term = nullptr);

// The forms of sin(x + b) and cos(x + b) for a constant term b.
void SinCosxPlusB(TTerm* b, TTNF*& SinForm, TTNF*& CosForm);
// The forms of sin(k*x) and cos(k*x) for k != 0; |k| > 20 raises the degree overflow at once.
void SinCoskx(Int64 k, TTNF*& SinForm, TTNF*& CosForm);

// R := a*e + b*d*(1 - s^2) and R := a*d + b*e: the cos-free part and the cos coefficient of (a + b*c)*(e +
// d*c).
void TNFProduktSinTeil(const TPolynom& a, const TPolynom& b, const TPolynom& e, const TPolynom& d,
                       TPolynom& R);
void TNFProduktCosTeil(const TPolynom& a, const TPolynom& b, const TPolynom& e, const TPolynom& d,
                       TPolynom& R);

// New forms F + G, F - G, F * G, F / G and F^n (n <= 0: the constant form 1).
TTNF* TNFPlus(TTNF* F, TTNF* G);
TTNF* TNFMinus(TTNF* F, TTNF* G);
TTNF* TNFMal(TTNF* F, TTNF* G);
TTNF* TNFDurch(TTNF* F, TTNF* G);
TTNF* TNFHoch(TTNF* F, Int64 n);

// Each builder gives T's form of its kind, or nil; NeuGebaut tells whether the form was built for this call.
TNormalform* TTrigonometrischeNormalformCreateT(TTerm* T, bool& NeuGebaut);
TNormalform* TPolTrigNormalformCreateT(TTerm* T, bool& NeuGebaut);
TNormalform* TRatTrigNormalformCreateT(TTerm* T, bool& NeuGebaut);

} // namespace zol
