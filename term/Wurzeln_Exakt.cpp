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

Int64 HochOderUeberlauf(Int64 b, Int64 e) {
    Int64 r;
    if (!HochGeprueft(b, e, r)) WurzelUeberlauf();
    return r;
}

Int64 MalOderUeberlauf(Int64 a, Int64 b) {
    Int64 r;
    if (__builtin_mul_overflow(a, b, &r)) WurzelUeberlauf();
    return r;
}

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
    Int64 A = 1;
    for (auto [p, e] : zaehler) A = MalOderUeberlauf(A, HochOderUeberlauf(p, e / n));

    bool zaehlerPerfekt = true;
    for (auto [p, e] : zaehler)
        if (e % n) zaehlerPerfekt = false;

    Int64 g = 0, B = 1, D = 1;
    if (!zaehlerPerfekt) {
        for (auto [p, e] : zaehler) g = Brueche::ggT(g, e % n);
        for (auto [p, f] : nenner)
            if (f % n) g = Brueche::ggT(g, n - f % n);
        for (auto [p, e] : zaehler) B = MalOderUeberlauf(B, HochOderUeberlauf(p, (e % n) / g));
        for (auto [p, f] : nenner) {
            if (f % n) {
                B = MalOderUeberlauf(B, HochOderUeberlauf(p, (n - f % n) / g));
                D = MalOderUeberlauf(D, HochOderUeberlauf(p, f / n + 1));
            } else {
                D = MalOderUeberlauf(D, HochOderUeberlauf(p, f / n));
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
            for (auto [p, f] : nenner) D = MalOderUeberlauf(D, HochOderUeberlauf(p, f / n));
        } else {
            Int64 B1 = 1, B2 = 1;
            for (auto [p, f] : nenner)
                if (f % n) {
                    B1 = MalOderUeberlauf(B1, HochOderUeberlauf(p, (n - f % n) / g1));
                    B2 = MalOderUeberlauf(B2, HochOderUeberlauf(p, (f % n) / g2));
                }
            if (B1 < B2) {
                g = g1;
                B = B1;
                for (auto [p, f] : nenner)
                    D = MalOderUeberlauf(D, HochOderUeberlauf(p, f / n + (f % n ? 1 : 0)));
            } else {
                g = (n - 1) * g2;
                B = B2;
                for (auto [p, f] : nenner) D = MalOderUeberlauf(D, HochOderUeberlauf(p, f / n + f % n));
            }
        }
    }
    TBruch c{negativ ? -A : A, D};
    Brueche::Kuerze(c);
    if (g > MaxGrad) {
        // r^g = B^(g div n) * r^(g mod n), so no coefficient lies beyond the degree limit.
        TBruch auswurf{HochOderUeberlauf(B, g / n), 1};
        try {
            Brueche::Mal(c, auswurf, c);
        } catch (const ERessourcen&) {
            WurzelUeberlauf();
        }
        g %= n;
    }
    return RadikalKonstante(Einzelradikal(c, static_cast<Int32>(g), B, g == 0 ? 1 : n));
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
