// Complex numbers as pairs of exact real terms: the intermediate values of Cardano's formulas, the complex
// roots and the complex zeros of quadratics.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
struct TPolynom;

// Re + i*Im; both parts are ordinary terms, usually constant.
struct TKomplex {
    TTerm* Re = nullptr;
    TTerm* Im = nullptr;
};

// 0, 1 and i, set by InitialisiereKomplexeZahlen once the constant terms exist.
extern TKomplex KNull;
extern TKomplex KEins;
extern TKomplex KI;

void InitialisiereKomplexeZahlen();

// Both parts are equal terms.
bool KGleich(TKomplex a, TKomplex b);
// c := a + b, a - b and a * b, part by part through the simplifying term arithmetic.
void KPlus(TKomplex a, TKomplex b, TKomplex& c);
void KMinus(TKomplex a, TKomplex b, TKomplex& c);
void KMal(TKomplex a, TKomplex b, TKomplex& c);
// The modulus, the square root of Re*Re + Im*Im.
TTerm* KBetrag(TKomplex z);
// The modulus r and the argument phi in ]-pi, pi] (0 for z = 0).
void KPolarform(TKomplex z, TTerm*& r, TTerm*& phi);
// The principal n-th root: the n-th root of the modulus at a n-th of the argument.
void KWurzel(TKomplex z, Int32 n, TKomplex& w);
// Writes the two zeros of the quadratic P as "x1 = m+(Re+iIm)" and "x2 = m-(Re+iIm)", or the double zero.
// Another degree writes nothing.
void KomplexeNullstellenQuadratisch(TPolynom P);

} // namespace zol
