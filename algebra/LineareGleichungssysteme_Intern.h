// The exact side of the elimination: the entries of a matrix of rationals and radicals as exact numbers of
// any length beside their terms, combined fraction-free; the terms follow while they fit.
#pragma once

#include <array>
#include <map>

#include <gmpxx.h>

#include "algebra/LineareGleichungssysteme.h"
#include "term/Wurzelzahlen.h"

namespace zol {

// A number of the field of the rationals and the roots of primes, as TWurzelzahl, with rational
// coefficients of any length; atoms never occur.
class TLGSZahl {
public:
    TLGSZahl() = default;
    explicit TLGSZahl(const mpq_class& c);
    explicit TLGSZahl(const TWurzelzahl& w);

    // The non-zero coefficients by monomial.
    std::map<TWurzelmonom, mpq_class> Koeff;

    bool IstNull() const { return Koeff.empty(); }
    bool IstRational() const;
    // The rational value; only for IstRational.
    mpq_class Rational() const;

    TLGSZahl operator+(const TLGSZahl& b) const;
    TLGSZahl operator-(const TLGSZahl& b) const;
    TLGSZahl operator*(const TLGSZahl& b) const;
    TLGSZahl Mal(const mpq_class& c) const;
    // The inverse of a non-zero number found by multiplying with conjugates (a single monomial, or each prime
    // under square roots only or under cube roots only); false otherwise.
    bool Kehrwert(TLGSZahl& Inverse) const;
    // Every numerator and denominator has at most Bits bits.
    bool HoechstensBits(size_t Bits) const;
    // Every coefficient fits a term's fraction (numerator and denominator in 64 bits with their signs).
    bool Passt() const { return HoechstensBits(63); }
    // The number as a term, as TWurzelzahl writes it; null when it does not fit.
    TTerm* AlsTerm() const;
    // The length of the number: the bits of its longest numerator or denominator.
    size_t Laenge() const;
};

// The row operations of the elimination on exact rows. Every row operation so far gave a row whose numbers
// and label fit the terms while Darstellbar holds; the rows' terms in the matrix are set only where the
// rows are shown, the others are brought back by Terme where the matrix is needed as terms.
class TExakteMatrix {
public:
    // Reads the entries of M and writes them back in their shortest exact form (a sum of rational multiples
    // of roots); false, with M unchanged, when one is no exact number without atoms (pi, ln 2, ...).
    bool Lies(TLGSMatrix& M);

    std::array<std::array<TLGSZahl, LGSMaxSpalten + 1>, LGSMaxZeilen + 1> W;
    bool Darstellbar = true;

    void Tausche(Int32 i, Int32 j) {
        std::swap(W[size_t(i)], W[size_t(j)]);
        std::swap(Veraltet[size_t(i)], Veraltet[size_t(j)]);
    }
    // Eliminates column s of row i with the pivot row r: row i := (alpha*[i] - beta*[r]) : D, with
    // alpha/beta = the reduced quotient of the entries where it is one rational multiple of a product of
    // roots (n*[i] - z*[r] for rationals), otherwise alpha = pivot, beta = entry and D the previous step's
    // pivot (fraction-free elimination divides exactly by it). While its numbers are small the row stays so;
    // a larger one is divided by its content, which D then holds too, and once the rows are no longer
    // Darstellbar every row is. With Zeigen, while the rows are Darstellbar, the row's terms in M and its
    // label Marke are set. False when the row is not shown so.
    bool Eliminiere(TLGSMatrix& M, Int32 i, Int32 r, Int32 s, bool Zeigen, TZeilenOperation& Marke);
    // Ends a step whose pivot was a[r, s]: the next step divides by it.
    void PivotGewaehlt(Int32 r, Int32 s) { Vorpivot = W[size_t(r)][size_t(s)]; }
    // a[i, s] is the better pivot than a[p, s]: as PivotBesser on their terms, rationals at full length;
    // entries beyond the terms by their number of monomials and their length.
    bool PivotBesser(Int32 i, Int32 p, Int32 s) const;
    // Writes the rows whose terms in M are older than they into M as terms; ERessourcen when one does not
    // fit.
    void Terme(TLGSMatrix& M);
    // Back substitution for the solution vector with the right side column n + 1 (s = 0) or 0, and the
    // free variables Frei (numbered from 1, 0 for a pivot variable) all 0 but number s (1). False when a
    // pivot has no inverse found by the radical arithmetic; ERessourcen when a component does not fit the
    // terms.
    bool Loese(Int32 n, Int32 Rang, const std::array<Int32, LGSMaxZeilen + 1>& Pivot,
               const std::array<Int32, LGSMaxSpalten + 1>& Frei, Int32 s,
               std::array<TTerm*, LGSMaxSpalten + 1>& x);

private:
    TLGSZahl Vorpivot{mpq_class(1)};
    Int32 Spalten = 0;
    std::array<bool, LGSMaxZeilen + 1> Veraltet{};
};

} // namespace zol
