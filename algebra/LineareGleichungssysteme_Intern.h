// The exact side of the elimination: the entries of a matrix of rationals and radicals as exact numbers
// beside their terms, combined fraction-free with 128-bit coefficients.
#pragma once

#include <array>

#include "algebra/LineareGleichungssysteme.h"
#include "term/Wurzelzahlen.h"

namespace zol {

class TExakteMatrix {
public:
    // Reads the entries of M and writes them back in their shortest exact form (a sum of rational multiples
    // of roots); false, with M unchanged, when one is no exact number without atoms (pi, ln 2, ...).
    bool Lies(TLGSMatrix& M);

    std::array<std::array<TWurzelzahl, LGSMaxSpalten + 1>, LGSMaxZeilen + 1> W;

    void Tausche(Int32 i, Int32 j) { std::swap(W[size_t(i)], W[size_t(j)]); }
    // Eliminates column s of row i with the pivot row r: row i := (alpha*[i] - beta*[r]) : D, with alpha/beta
    // = the reduced quotient of the entries where it is rational, otherwise alpha = pivot, beta = entry and
    // D holding the previous step's pivot (fraction-free elimination divides exactly by it); D also holds the
    // rational content of the new row, which is divided out. The row's terms in M and, with MitMarken, its
    // label are set. ERessourcen when an entry leaves 64 bits.
    void Eliminiere(TLGSMatrix& M, Int32 i, Int32 r, Int32 s, bool MitMarken);
    // Ends a step whose pivot was a[r, s]: the next step divides by it.
    void PivotGewaehlt(Int32 r, Int32 s) { Vorpivot = W[size_t(r)][size_t(s)]; }
    // Back substitution for the solution vector with the right side column n + 1 (Rechts true) or 0, and the
    // free variables Frei (numbered from 1, 0 for a pivot variable) all 0 but number s (1). False when a
    // pivot has no inverse found by the radical arithmetic.
    bool Loese(Int32 n, Int32 Rang, const std::array<Int32, LGSMaxZeilen + 1>& Pivot,
               const std::array<Int32, LGSMaxSpalten + 1>& Frei, Int32 s,
               std::array<TTerm*, LGSMaxSpalten + 1>& x);

private:
    TWurzelzahl Vorpivot{TGrossbruch{1, 1}};
};

} // namespace zol
