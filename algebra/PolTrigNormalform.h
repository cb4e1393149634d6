// The polynomial-trigonometric normal form "PTNF": P(x, s) + Q(x, s)*c with s = sin p(x), c = cos p(x) for
// one polynomial argument p, P and Q polynomials in s with polynomial coefficients in x and c^2 replaced by
// 1 - s^2. Arguments that differ by a constant or an integer factor are brought to one by angle addition
// and multiple angles.
#pragma once

#include "algebra/NormalFormen.h"
#include "algebra/PPolynome.h"
#include "algebra/TrigNormalFormen.h"

namespace zol {

class TPolTrigNormalform : public TNormalform {
public:
    // Stores the parts as given (no reduction) and takes Term, or builds it when Term is nil.
    TPolTrigNormalform(const TPPolynom& p, const TPPolynom& q, const TPolynom& argument, TTerm* term);

    TPPolynom P;       // the cos-free part
    TPPolynom Q;       // the coefficient of cos p(x)
    TPolynom Argument; // p(x); the zero polynomial when there is no trigonometric part

    // Term := P(sin a) + Q(sin a)*cos a with a the argument's term; a negative rational factor of the cos
    // part is subtracted.
    void BildeTerm();

    // Raises "Maximaler Grad von Polynomen überschritten." when max(deg P, deg Q) + 1 exceeds 20.
    TNormalform* Ableitung() override;
    // The zeros through the trigonometric form of the term with the argument replaced by x, substituted
    // back; without one, the multiples of pi/6 and pi/4 in [-2pi; 2pi] that lie in M are tried.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

using TPTNF = TPolTrigNormalform;

// The sum of the non-zero c_k(x)*S^k from the highest power down, a summand with a negative rational
// factor subtracted, built without simplification; Null for the zero polynomial.
TTerm* PPolynomInSinToTerm(const TPPolynom& PP, TTerm* S);

// R := a*e + b*d*(1 - s^2) and R := a*d + b*e: the cos-free part and the cos coefficient of (a + b*c)*(e +
// d*c).
void PTNFProduktSinTeil(const TPPolynom& a, const TPPolynom& b, const TPPolynom& e, const TPPolynom& d,
                        TPPolynom& R);
void PTNFProduktCosTeil(const TPPolynom& a, const TPPolynom& b, const TPPolynom& e, const TPPolynom& d,
                        TPPolynom& R);

// New forms F - G and F * G; nil when the arguments differ.
TPTNF* PTNFMinus(TPTNF* F, TPTNF* G);
TPTNF* PTNFMal(TPTNF* F, TPTNF* G);
// F for the new argument T, where SinForm and CosForm are sin and cos of F's argument as forms in sin T and
// cos T with denominator 1.
TPTNF* PTNFTransformation(TPTNF* F, TTNF* SinForm, TTNF* CosForm, const TPolynom& T);
// F for the argument p - b (b constant) and for the argument p/k (k an integer, not 0).
TPTNF* PTNFxPlusB(TPTNF* F, TTerm* b);
TPTNF* PTNFkx(TPTNF* F, Int64 k);

} // namespace zol
