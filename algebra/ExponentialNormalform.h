// The exponential normal forms "ENF" and "ANF": A(x) * Basis^B(x) with two rational functions A and B
// and a rational base, where the base 1/1 stands for Euler's number e.
#pragma once

#include "algebra/RationaleFunktion.h"
#include "term/Brueche.h"

namespace zol {

class TExponentialNormalform : public TNormalform {
public:
    TRationaleFunktion* A = nullptr;
    TRationaleFunktion* B = nullptr;
    TBruch Basis{1, 1};
};

} // namespace zol
