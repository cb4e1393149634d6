// The exponential normal forms "ENF" and "ANF": A(x) * Basis^B(x) with two rational functions A and B
// and a rational base, where the base 1/1 stands for Euler's number e.
#pragma once

#include "algebra/RationaleFunktion.h"
#include "term/Brueche.h"

namespace zol {

// A and B belong to the form; like every form they live in the request arena and are not changed, so a
// derivative shares B with the form it comes from.
class TExponentialNormalform : public TNormalform {
public:
    // Kennung "ENF" for the base e (the term A, or A * exp(B)), "ANF" for another base (A * Basis^B).
    TExponentialNormalform(const TBruch& basis, TRationaleFunktion* a, TRationaleFunktion* b);

    TRationaleFunktion* A = nullptr;
    TRationaleFunktion* B = nullptr;
    TBruch Basis{1, 1};

    // Symmetric when B is even and A is even resp. odd.
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    // (A' + A * B' * ln(Basis)) * Basis^B; a failure is shown as a warning and gives nil.
    TNormalform* Ableitung() override;
    // The zeros of A, without the points where A or B is not defined.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

} // namespace zol
