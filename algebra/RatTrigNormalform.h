// The rational-trigonometric normal form "RTNF": the quotient (P + Q*c) / (R + S*c) of two
// polynomial-trigonometric forms with one common argument p(x), s = sin p(x) and c = cos p(x).
#pragma once

#include "algebra/NormalFormen.h"
#include "algebra/PPolynome.h"
#include "algebra/PolTrigNormalform.h"

namespace zol {

class TRatTrigNormalform : public TNormalform {
public:
    // Takes both parts and builds the term; no reduction. The parts live in the request arena like the
    // form itself.
    TRatTrigNormalform(TPTNF* zaehler, TPTNF* nenner, const TPolynom& argument);

    // The form (P + Q*c) / (R + S*c), reduced; it takes Term, or builds it when Term is nil.
    static TRatTrigNormalform* CreateAusPPolynomen(const TPPolynom& P, const TPPolynom& Q, const TPPolynom& R,
                                                   const TPPolynom& S, const TPolynom& Argument, TTerm* Term);

    TPTNF* Zaehler;
    TPTNF* Nenner;
    TPolynom Argument; // p(x), shared by both parts; the zero polynomial without a trigonometric part

    // Term := Zaehler.Term / Nenner.Term after both parts have built theirs.
    void BildeTerm();
    // Cancels the common power of s, the gcd of the coefficients' contents and a quotient that is a
    // polynomial in x, then builds the term again.
    void Kuerze();

    // (Z'*N - Z*N') / (N*N), reduced. Raises "Maximaler Grad von Polynomen überschritten." like the
    // derivatives and products of the parts.
    TNormalform* Ableitung() override;
    // The numerator's zeros in M without the points where the denominator is 0; Status is that of the
    // numerator's search.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

using TRTNF = TRatTrigNormalform;

} // namespace zol
