// Factorisation of polynomials into linear and quadratic factors.
#pragma once

namespace zol {

// The factorisation step of page 1: works on f.
void SchrittPolynomzerlegung();

} // namespace zol
