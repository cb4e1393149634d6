// Exact roots: n-th roots of rational numbers as rational or radical constants, and the simplifying
// builder of root terms.
#include <cmath>
#include <utility>
#include <vector>

#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

[[noreturn]] void WurzelUeberlauf() {
    throw ENichtExistenz("Überlauf in Wurzelberechnung");
}

// b^e with overflow reported as false.
bool HochGeprueft(Int64 b, Int64 e, Int64& r) {
    r = 1;
    while (e > 0) {
        if ((e & 1) && __builtin_mul_overflow(r, b, &r)) return false;
        e >>= 1;
        if (e > 0 && __builtin_mul_overflow(b, b, &b)) return false;
    }
    return true;
}

// A product of prime powers that notes an overflow instead of raising it.
struct TProdukt {
    Int64 Wert = 1;
    bool Ueberlauf = false;

    void Mal(Int64 p, Int64 e) {
        Int64 q;
        if (Ueberlauf || !HochGeprueft(p, e, q) || __builtin_mul_overflow(Wert, q, &Wert)) Ueberlauf = true;
    }
};

// The prime factorisation of m > 0 as (prime, exponent) pairs; a remaining cofactor counts as one
// factor of exponent 1.
std::vector<std::pair<Int64, Int64>> Zerlege(Int64 m) {
    std::vector<std::pair<Int64, Int64>> faktoren;
    TSListe* liste = nullptr;
    Int64 rest = 0;
    Primfaktoren(m, liste, rest);
    for (Int32 i = 1; i <= liste->Anzahl; ++i)
        faktoren.emplace_back(static_cast<TRationaleKonstante*>(liste->Stellen[i]->Punkt)->Bruch.Zaehler,
                              liste->Stellen[i]->Vielfachheit);
    if (rest >= 2) faktoren.emplace_back(rest, 1);
    return faktoren;
}

// The root c * r^g, r the n-th root of B, with c = A/D (negated for a negative radicand) and a power of r
// beyond the degree limit folded into c (r^g = B^(g div n) * r^(g mod n)); nil when a number leaves 64 bits.
TTerm* Wurzelform(bool negativ, Int64 A, Int64 D, Int64 g, Int64 B, Int32 n) {
    TBruch c{negativ ? -A : A, D};
    Brueche::Kuerze(c);
    if (g > MaxGrad) {
        Int64 auswurf;
        if (!HochGeprueft(B, g / n, auswurf)) return nullptr;
        try {
            Brueche::Mal(c, TBruch{auswurf, 1}, c);
        } catch (const ERessourcen&) {
            return nullptr;
        }
        g %= n;
    }
    return RadikalKonstante(Einzelradikal(c, static_cast<Int32>(g), B, g == 0 ? 1 : n));
}

// One way to write the root as c * r^g, r the n-th root of B, c = A/D.
struct TWurzelkandidat {
    Int64 g = 0;
    TProdukt A, B, D;

    bool Passt() const { return !A.Ueberlauf && !B.Ueberlauf && !D.Ueberlauf; }
    TTerm* Term(bool negativ, Int32 n) const {
        return Passt() ? Wurzelform(negativ, A.Wert, D.Wert, g, B.Wert, n) : nullptr;
    }
};

// The root of a positive fraction that is no perfect n-th power, for the degree g: with v_p the exponent
// of the prime p in the fraction (negative in the denominator), r^g takes for each p the exponent b_p in
// [0, n) with g * b_p = v_p (mod n), and c the rest (v_p - g * b_p) / n. False when no b_p exists for g.
bool KandidatZumGrad(const std::vector<std::pair<Int64, Int64>>& zaehler,
                     const std::vector<std::pair<Int64, Int64>>& nenner, Int32 n, Int64 g,
                     TWurzelkandidat& K) {
    K = TWurzelkandidat{};
    K.g = g;
    const Int64 d = Brueche::ggT(g, n), m = n / d;
    // The inverse of g/d modulo n/d (m >= 2, as d <= g < n).
    Int64 inv = 1;
    while ((g / d * inv) % m != 1) ++inv;
    auto faktor = [&](Int64 p, Int64 v) {
        const Int64 r = ((v % n) + n) % n;
        if (r % d != 0) return false;
        const Int64 b = (r / d) * inv % m;
        const Int64 rest = (v - g * b) / n;
        K.B.Mal(p, b);
        if (rest > 0) K.A.Mal(p, rest);
        if (rest < 0) K.D.Mal(p, -rest);
        return true;
    };
    for (auto [p, e] : zaehler)
        if (!faktor(p, e)) return false;
    for (auto [p, f] : nenner)
        if (!faktor(p, -f)) return false;
    return true;
}

// Of every degree g from 1 to n - 1 the one whose numbers fit with the smallest radicand; nil when none
// fits.
TTerm* KleinsterRadikand(const std::vector<std::pair<Int64, Int64>>& zaehler,
                         const std::vector<std::pair<Int64, Int64>>& nenner, bool negativ, Int32 n) {
    TWurzelkandidat bester, K;
    bool gefunden = false;
    for (Int64 g = 1; g < n; ++g)
        if (KandidatZumGrad(zaehler, nenner, n, g, K) && K.Passt() &&
            (!gefunden || K.B.Wert < bester.B.Wert)) {
            bester = K;
            gefunden = true;
        }
    return gefunden ? bester.Term(negativ, n) : nullptr;
}

} // namespace

TTerm* WurzelAusRationalerZahl(const TBruch& r, Int32 n) {
    if (r.Zaehler == 0) return Null;
    if (n < 1) return nullptr;
    if (r.Zaehler < 0 && n % 2 == 0) return nullptr;
    TBruch q = r;
    Brueche::Kuerze(q);
    const bool negativ = q.Zaehler < 0;
    // |Z| as magnitude; the most negative numerator has no 64-bit magnitude.
    if (q.Zaehler == INT64_MIN) WurzelUeberlauf();
    const Int64 Z = negativ ? -q.Zaehler : q.Zaehler;
    const Int64 N = q.Nenner;

    // Quick test: both parts perfect n-th powers.
    Int64 a = std::llround(std::exp(std::log(static_cast<Extended>(Z)) / n));
    Int64 b = std::llround(std::exp(std::log(static_cast<Extended>(N)) / n));
    Int64 an, bn;
    if (HochGeprueft(a, n, an) && HochGeprueft(b, n, bn) && an == Z && bn == N)
        return RationaleKonstante(TBruch{negativ ? -a : a, b});

    // A radical has an index of at most 15: beyond it the root stays a root node, of |r| for a negative r.
    if (n > MaxWurzelexponent) {
        TTerm* wurzel = WurzelTerm(RationaleKonstante(TBruch{Z, N}), n);
        return negativ ? Produkt(MinusEins, wurzel) : wurzel;
    }

    auto zaehler = Zerlege(Z);
    auto nenner = Zerlege(N);
    TWurzelkandidat K1, K2;
    for (auto [p, e] : zaehler) K1.A.Mal(p, e / n);
    if (K1.A.Ueberlauf) WurzelUeberlauf();
    K2.A = K1.A;

    bool zaehlerPerfekt = true;
    for (auto [p, e] : zaehler)
        if (e % n) zaehlerPerfekt = false;

    // The candidates in the order of preference: the second only where the numerator is a perfect power
    // and the denominator is not.
    bool zweiKandidaten = false;
    if (!zaehlerPerfekt) {
        Int64 g = 0;
        for (auto [p, e] : zaehler) g = Brueche::ggT(g, e % n);
        for (auto [p, f] : nenner)
            if (f % n) g = Brueche::ggT(g, n - f % n);
        K1.g = g;
        for (auto [p, e] : zaehler) K1.B.Mal(p, (e % n) / g);
        for (auto [p, f] : nenner) {
            if (f % n) {
                K1.B.Mal(p, (n - f % n) / g);
                K1.D.Mal(p, f / n + 1);
            } else {
                K1.D.Mal(p, f / n);
            }
        }
    } else {
        Int64 g1 = 0, g2 = 0;
        for (auto [p, f] : nenner)
            if (f % n) {
                g1 = Brueche::ggT(g1, n - f % n);
                g2 = Brueche::ggT(g2, f % n);
            }
        if (g1 == 0) {
            // The denominator is a perfect power as well.
            for (auto [p, f] : nenner) K1.D.Mal(p, f / n);
        } else {
            zweiKandidaten = true;
            K1.g = g1;
            K2.g = (n - 1) * g2;
            for (auto [p, f] : nenner) {
                if (f % n) {
                    K1.B.Mal(p, (n - f % n) / g1);
                    K2.B.Mal(p, (f % n) / g2);
                }
                K1.D.Mal(p, f / n + (f % n ? 1 : 0));
                K2.D.Mal(p, f / n + f % n);
            }
            // The smaller radicand first, the second on a tie; a radicand beyond 64 bits is the larger.
            const bool ersterKleiner = K2.B.Ueberlauf || (!K1.B.Ueberlauf && K1.B.Wert < K2.B.Wert);
            if (!ersterKleiner) std::swap(K1, K2);
        }
    }
    // A candidate whose numbers leave 64 bits gives way to the next, and the last resort is the degree with
    // the smallest radicand that fits.
    if (TTerm* t = K1.Term(negativ, n)) return t;
    if (zweiKandidaten)
        if (TTerm* t = K2.Term(negativ, n)) return t;
    if (TTerm* t = KleinsterRadikand(zaehler, nenner, negativ, n)) return t;
    WurzelUeberlauf();
}

TTerm* ZieheWurzel(TTerm* T, Int32 n) {
    if (!T || n < 1) return nullptr;
    if (n == 1) return T;
    if (T->IstKonstant && !IstRationaleKonstante(T)) T = KonstanteMoeglichstArithmetisch(T);
    return ZieheWurzelAusArithmetischem(T, n);
}

TTerm* ZieheWurzelAusArithmetischem(TTerm* T, Int32 n) {
    if (!T || n < 1) return nullptr;
    if (n == 1) return T;
    if (auto* r = AlsRationaleKonstante(T)) return WurzelAusRationalerZahl(r->Bruch, n);
    if (auto* p = AlsPotenzTerm(T)) {
        TBruch s;
        try {
            Brueche::Durch(p->Exponent, TBruch{n, 1}, s);
        } catch (const ERessourcen&) {
            // The exponent's denominator times n leaves 64 bits: the root stays a node.
            return WurzelTerm(T, n);
        }
        TTerm* basis = p->Argument;
        if (p->Exponent.Zaehler % 2 == 0 && n % 2 == 0 && s.Zaehler % 2 != 0)
            basis = StandardFunktionTerm("abs", basis);
        if (s.Zaehler != 1) basis = PotenzRadikal(basis, TBruch{s.Zaehler, 1});
        return s.Nenner == 1 ? basis : WurzelTerm(basis, static_cast<Int32>(s.Nenner));
    }
    if (auto* w = AlsWurzel(T)) {
        // Nested roots merge while the product of the indices fits 32 bits.
        Int32 grad = 0;
        return __builtin_mul_overflow(w->Grad, n, &grad) ? WurzelTerm(T, n) : WurzelTerm(w->Argument, grad);
    }
    return WurzelTerm(T, n);
}

} // namespace zol
