// Complex numbers as pairs of exact real terms, for the intermediate values of Cardano's formulas.
#pragma once

namespace zol {

class TTerm;

// Re + i*Im; both parts are ordinary terms, usually constant.
struct TKomplex {
    TTerm* Re = nullptr;
    TTerm* Im = nullptr;
};

// c := a + b, a - b and a * b, part by part through the simplifying term arithmetic.
void KPlus(TKomplex a, TKomplex b, TKomplex& c);
void KMinus(TKomplex a, TKomplex b, TKomplex& c);
void KMal(TKomplex a, TKomplex b, TKomplex& c);

} // namespace zol
