// Sums of monomials a*x^r with rational exponents r: the normal form "VPT".
#pragma once

namespace zol {

class TTerm;
class TNormalform;

// T's form as a sum of monomials with rational exponents, or nil.
TNormalform* TVPolynomTermCreateT(TTerm* T);

} // namespace zol
