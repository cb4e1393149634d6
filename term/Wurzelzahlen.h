// Exact constants built from rationals and real roots of rationals by +, -, *, / and integer powers, with
// every other constant subterm (pi, e, ln(2), ...) kept as an opaque atom: a polynomial with rational
// coefficients in the roots p^e of primes p (0 < e < 1) and in the atoms.
//
// The real positive roots of distinct primes with exponents in [0, 1) are linearly independent over the
// rationals, so a number without atoms is 0 exactly when its polynomial is the zero polynomial. With atoms a
// zero polynomial still proves the value 0; a non-zero one proves nothing.
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "term/Brueche.h"
#include "term/Fehler.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

using Int128 = __int128;

// A fraction of 128-bit integers, reduced, with a positive denominator. Arithmetic that leaves 128 bits
// raises EUeberlauf ("Überlauf in der Bruchrechnung.").
struct TGrossbruch {
    Int128 Zaehler = 0;
    Int128 Nenner = 1;

    static TGrossbruch Aus(const TBruch& b) { return {b.Zaehler, b.Nenner}; }
    bool IstNull() const { return Zaehler == 0; }
    bool IstGanz() const { return Nenner == 1; }
};

namespace Grossbrueche {
Int128 ggT(Int128 a, Int128 b);
TGrossbruch Plus(const TGrossbruch& a, const TGrossbruch& b);
TGrossbruch Minus(const TGrossbruch& a, const TGrossbruch& b);
TGrossbruch Mal(const TGrossbruch& a, const TGrossbruch& b);
// ENichtExistenz for a zero divisor.
TGrossbruch Durch(const TGrossbruch& a, const TGrossbruch& b);
TGrossbruch Negativ(const TGrossbruch& a);
// The fraction in 64 bits; ERessourcen when it does not fit.
TBruch AlsBruch(const TGrossbruch& a);
} // namespace Grossbrueche

// A product of prime roots p^e (0 < e < 1, ascending p) and atom powers (positive integer exponents,
// ascending by the atom's address; equal atoms are one term within a computation).
struct TWurzelmonom {
    std::vector<std::pair<Int64, TBruch>> Wurzeln;
    std::vector<std::pair<TTerm*, Int32>> Atome;

    bool operator<(const TWurzelmonom& m) const;
    bool IstEins() const { return Wurzeln.empty() && Atome.empty(); }
};

// a*b: the exponents of equal primes add, a whole exponent leaves the root as a factor of Faktor.
TWurzelmonom MonomProdukt(const TWurzelmonom& a, const TWurzelmonom& b, TGrossbruch& Faktor);

// Values by key in ascending order of the keys, as a sorted vector: the part of std::map that the numbers
// use. A number has few monomials and is copied and combined all the time; a map made a node for each.
template <class K, class V> class TSortierteAbbildung {
public:
    using value_type = std::pair<K, V>;
    using iterator = typename std::vector<value_type>::iterator;
    using const_iterator = typename std::vector<value_type>::const_iterator;

    iterator begin() { return Eintraege.begin(); }
    iterator end() { return Eintraege.end(); }
    const_iterator begin() const { return Eintraege.begin(); }
    const_iterator end() const { return Eintraege.end(); }
    size_t size() const { return Eintraege.size(); }
    bool empty() const { return Eintraege.empty(); }

    // Enters v under k unless k has a value; the entry of k and whether it is new.
    template <class KK, class VV> std::pair<iterator, bool> emplace(KK&& k, VV&& v) {
        K schluessel(std::forward<KK>(k));
        auto it = std::lower_bound(Eintraege.begin(), Eintraege.end(), schluessel,
                                   [](const value_type& e, const K& s) { return e.first < s; });
        if (it != Eintraege.end() && !(schluessel < it->first)) return {it, false};
        return {Eintraege.emplace(it, std::move(schluessel), std::forward<VV>(v)), true};
    }
    iterator erase(iterator it) { return Eintraege.erase(it); }

private:
    std::vector<value_type> Eintraege;
};

class TWurzelzahl {
public:
    TWurzelzahl() = default;
    explicit TWurzelzahl(const TGrossbruch& c);

    // The non-zero coefficients by monomial.
    TSortierteAbbildung<TWurzelmonom, TGrossbruch> Koeff;

    bool IstNull() const { return Koeff.empty(); }
    // A rational number (0 included).
    bool IstRational() const;
    bool HatAtome() const;
    // The rational value; only for IstRational.
    TGrossbruch Rational() const;

    TWurzelzahl operator+(const TWurzelzahl& b) const;
    TWurzelzahl operator-(const TWurzelzahl& b) const;
    TWurzelzahl operator*(const TWurzelzahl& b) const;
    TWurzelzahl Mal(const TGrossbruch& c) const;
    TWurzelzahl Negation() const { return Mal(TGrossbruch{-1, 1}); }
    // The inverse of a non-zero number without atoms when it can be found by multiplying with conjugates (a
    // single monomial, or each prime under square roots only or under cube roots only); false otherwise.
    bool Kehrwert(TWurzelzahl& Inverse) const;
    // The number as a term: a sum of rational multiples of roots and atom powers, the roots of one monomial
    // under one root sign. ERessourcen when a coefficient does not fit into 64 bits.
    TTerm* AlsTerm() const;
};

// The number of monomials a number may have; a larger one raises ERessourcen.
constexpr size_t MaxWurzelmonome = 256;

// The inverse of a non-zero number x without atoms found by multiplying with conjugates (a single monomial,
// or each prime under square roots only or under cube roots only), for the numbers of any type Z of
// coefficients: Eins is its 1, negativ(c), kehrwert(c) and malPrimzahl(c, p) its coefficients' arithmetic.
// False where the inverse is not found so.
template <class Z, class Negativ, class KehrwertVon, class MalPrimzahl>
bool KehrwertDurchKonjugierte(const Z& x, Z& Inverse, const Z& Eins, Negativ negativ, KehrwertVon kehrwert,
                              MalPrimzahl malPrimzahl) {
    if (x.Koeff.empty()) return false;
    for (const auto& [m, c] : x.Koeff)
        if (!m.Atome.empty()) return false;
    if (x.Koeff.size() == 1) {
        // c*prod p^e times prod p^(1-e) is c*prod p.
        const auto& [m, c] = *x.Koeff.begin();
        TWurzelmonom k;
        auto nenner = c;
        for (const auto& [p, e] : m.Wurzeln) {
            TBruch rest;
            Brueche::Minus(BruchEins, e, rest);
            k.Wurzeln.emplace_back(p, rest);
            nenner = malPrimzahl(nenner, p);
        }
        Inverse = Z();
        Inverse.Koeff.emplace(k, kehrwert(nenner));
        return true;
    }
    // d * d' with d' = d where sqrt(p) is negated has no sqrt(p); d = A + B*t + C*t^2 with t = p^(1/3) times
    // (A^2 - B*C*p) + (C^2*p - A*B)*t + (B^2 - A*C)*t^2 is A^3 + B^3*p + C^3*p^2 - 3*A*B*C*p, without t. One
    // prime after the other (cube roots first) until d is rational, the cofactors collected in the numerator.
    Z d = x, zaehler = Eins;
    while (!d.IstRational()) {
        Int64 p = 0, kubisch = 0;
        for (const auto& [m, c] : d.Koeff)
            for (const auto& [q, e] : m.Wurzeln) {
                if (e.Nenner != 2 && e.Nenner != 3) return false;
                if (p == 0) p = q;
                if (e.Nenner == 3 && kubisch == 0) kubisch = q;
            }
        if (kubisch != 0) {
            const auto eins = Eins.Koeff.begin()->second;
            std::array<Z, 3> teil;
            for (const auto& [m, c] : d.Koeff) {
                TWurzelmonom k;
                size_t stufe = 0;
                for (const auto& w : m.Wurzeln) {
                    if (w.first != kubisch) {
                        k.Wurzeln.push_back(w);
                    } else if (w.second.Nenner != 3) {
                        return false;
                    } else {
                        stufe = size_t(w.second.Zaehler);
                    }
                }
                teil[stufe].Koeff.emplace(std::move(k), c);
            }
            auto wurzel = [&](Int64 z) {
                Z t;
                TWurzelmonom m;
                m.Wurzeln.emplace_back(kubisch, TBruch{z, 3});
                t.Koeff.emplace(std::move(m), eins);
                return t;
            };
            Z P;
            P.Koeff.emplace(TWurzelmonom{}, malPrimzahl(eins, kubisch));
            const Z &A = teil[0], &B = teil[1], &C = teil[2];
            const Z faktor =
                (A * A - B * C * P) + (C * C * P - A * B) * wurzel(1) + (B * B - A * C) * wurzel(2);
            d = d * faktor;
            zaehler = zaehler * faktor;
            continue;
        }
        Z konjugiert;
        for (const auto& [m, c] : d.Koeff) {
            const bool mitP =
                std::any_of(m.Wurzeln.begin(), m.Wurzeln.end(), [p](const auto& w) { return w.first == p; });
            konjugiert.Koeff.emplace(m, mitP ? negativ(c) : c);
        }
        d = d * konjugiert;
        zaehler = zaehler * konjugiert;
    }
    Inverse = zaehler.Mal(kehrwert(d.Rational()));
    return true;
}

// A constant term as Zaehler / Nenner. False for a term that is not constant, that holds a root of a
// negative number with an even index, that is too large, or whose arithmetic overflows.
bool AlsWurzelbruch(TTerm* T, TWurzelzahl& Zaehler, TWurzelzahl& Nenner);
// A constant term as one number without atoms and without denominator: false where AlsWurzelbruch is false,
// where atoms occur, or where the denominator has no inverse found by Kehrwert (or is 0).
bool AlsWurzelzahl(TTerm* T, TWurzelzahl& Z);

// R has the value of the constant T (both have one, equal up to rounding).
bool GleicherWert(TTerm* T, TTerm* R);

// The form Bilde() builds for the constant T from its number, checked against T's value: the relations of
// the numbers hold exactly, and a form whose value disagrees is not taken. Nil also where Bilde gives nil or
// its arithmetic overflows or meets a value that does not exist.
template <class F> TTerm* GepruefteForm(TTerm* T, F&& Bilde) {
    try {
        TTerm* R = Bilde();
        return R && GleicherWert(T, R) ? R : nullptr;
    } catch (const ERessourcen&) {
        return nullptr;
    } catch (const ENichtExistenz&) {
        return nullptr;
    }
}

} // namespace zol
