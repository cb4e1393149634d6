// Helpers that the root and radical forms share.
#pragma once

#include "algebra/PPolynome.h"
#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;
class TWurzelNormalform;

namespace wurzelform {

// The root T of a polynomial radicand: a root node, sqrt, or a power with the exponent p/q (p not 0, q at
// least 2). Z is w^p (1 for p < 0) and N is 1 (w^-p for p < 0). False for other terms, a radicand that is no
// polynomial or 0, an index above MaxWurzelindex and |p| above 20.
bool WurzelVon(TTerm* T, TPolynom& R, Int32& n, TPPolynom& Z, TPPolynom& N);

// How two roots (R1, n1) and (R2, n2) combine. A side with index 1 has no root and takes the other's; equal
// radicands stay; radicands proportional by a positive rational factor become one radicand S (the sides are
// then rewritten with w1 = w/g1, w2 = w/g2). Different indices cannot combine; different radicands of one
// index are Fremd.
enum class TAbgleich { Gemeinsam, Fremd, Unmoeglich };
TAbgleich GleicheWurzelnAb(TPolynom R1, Int32 n1, TPolynom R2, Int32 n2, TPolynom& R, Int32& n, TTerm*& g1,
                           TTerm*& g2);

// Lowers the degree in w past zero coefficients (never below 0).
void Trimme(TPPolynom& P);
// Replaces every w^i with i >= n by R^(i div n) * w^(i mod n).
void ErsetzeHohePotenzen(TPPolynom& P, const TPolynom& R, Int32 n);
// P with every coefficient divided by the polynomial G (exactly).
void DividiereKoeffizienten(TPPolynom& P, const TPolynom& G);
// The root w = R^(1/n) as a term.
TTerm* WurzelTerm(const TPolynom& R, Int32 n);

// The zeros of W in M (nil: the whole line). Rationalisiert: W's denominator was made free of the root, so
// where it vanishes the function may still have a value; a candidate dropped there leaves the search
// incomplete.
void Nullstellen(TWurzelNormalform* W, TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status,
                 bool Rationalisiert);

} // namespace wurzelform
} // namespace zol
