// Exact arithmetic with radicals: the common radical of two numbers, sums, differences, products,
// quotients and integer powers.
//
// The coefficients are computed as fractions. A power w^i of the root with i >= n is folded to
// R^(i div n) * w^(i mod n) as soon as it arises, so no coefficient beyond the index is ever written.
// Integer overflow raises EUeberlauf "Überlauf in der Radikalrechnung.".
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "algebra/LineareGleichungssysteme.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Oberflaeche.h"
#include "term/Radikale.h"
#include "term/TermManager.h"

namespace zol {

const char* const RadikalUeberlaufText = "Überlauf in der Radikalrechnung.";

namespace {

[[noreturn]] void Ueberlauf() {
    throw EUeberlauf(RadikalUeberlaufText);
}

// Fraction arithmetic whose overflow is the radicals' overflow.
TBruch Plus(const TBruch& a, const TBruch& b) {
    TBruch r;
    try {
        Brueche::Plus(a, b, r);
    } catch (const ERessourcen&) {
        Ueberlauf();
    }
    return r;
}

TBruch Minus(const TBruch& a, const TBruch& b) {
    TBruch r;
    try {
        Brueche::Minus(a, b, r);
    } catch (const ERessourcen&) {
        Ueberlauf();
    }
    return r;
}

TBruch Mal(const TBruch& a, const TBruch& b) {
    TBruch r;
    try {
        Brueche::Mal(a, b, r);
    } catch (const ERessourcen&) {
        Ueberlauf();
    }
    return r;
}

// b^e for e >= 0; false on overflow.
bool HochOhneUeberlauf(Int64 b, Int64 e, Int64& r) {
    r = 1;
    while (e > 0) {
        if ((e & 1) && __builtin_mul_overflow(r, b, &r)) return false;
        e >>= 1;
        if (e > 0 && __builtin_mul_overflow(b, b, &b)) return false;
    }
    return true;
}

Int64 Hoch(Int64 b, Int64 e) {
    Int64 r;
    if (!HochOhneUeberlauf(b, e, r)) Ueberlauf();
    return r;
}

bool IstNullBruch(const TBruch& b) {
    return b.Zaehler == 0;
}

// A radical with fractions as coefficients: c[0] + c[1]*w + ... + c[Grad]*w^Grad, w = R^(1/n). The
// entries above Grad are 0. A rational number has R = 1 and n = 1.
struct TRZahl {
    TBruch c[MaxGrad + 1];
    Int32 Grad = 0;
    Int64 R = 1;
    Int32 n = 1;

    bool IstNull() const { return Grad == 0 && IstNullBruch(c[0]); }
    bool IstRational() const { return n == 1; }
};

// The degree drops while the leading coefficient is 0 (not below 0).
void Kuerze(TRZahl& z) {
    while (z.Grad > 0 && IstNullBruch(z.c[z.Grad])) --z.Grad;
}

// w^i = R^(i div n) * w^(i mod n) for every i >= n.
void Falte(TRZahl& z) {
    if (z.Grad < z.n) return;
    for (Int32 i = z.n; i <= z.Grad; ++i) {
        if (IstNullBruch(z.c[i])) continue;
        const Int32 m = i % z.n;
        z.c[m] = Plus(z.c[m], Mal(z.c[i], TBruch{Hoch(z.R, i / z.n), 1}));
        z.c[i] = BruchNull;
    }
    z.Grad = z.n - 1;
    Kuerze(z);
}

// The exact integer n-th root of q >= 1, if there is one. The root is below 2^32, so a double comes within
// far less than 1 of it, and the integers next to that are tried exactly.
bool GanzeWurzel(Int64 q, Int32 n, Int64& wurzel) {
    if (q < 1) return false;
    // A square leaves one of twelve remainders modulo 64 (the bits of the mask): most numbers are no square.
    constexpr uint64_t Quadratreste = 0x202021202030213;
    if (n == 2 && !((Quadratreste >> (q & 63)) & 1)) return false;
    const double v = static_cast<double>(q);
    const double w = n == 2 ? std::sqrt(v) : n == 3 ? std::cbrt(v) : std::pow(v, 1.0 / n);
    const Int64 naeherung = std::llround(w);
    for (Int64 kandidat = naeherung - 1; kandidat <= naeherung + 1; ++kandidat) {
        Int64 potenz;
        if (kandidat >= 1 && HochOhneUeberlauf(kandidat, n, potenz) && potenz == q) {
            wurzel = kandidat;
            return true;
        }
    }
    return false;
}

// The number on its smallest index, folded; radicand 1 or index 1 gives the rational number P(R).
void Normiere(TRZahl& z) {
    // A radicand that is a p-th power for a prime p dividing the index gives the same root with the index
    // n/p. Without such radicands x^n - R is irreducible, so a number has one polynomial of degree below n
    // and a zero number the zero polynomial.
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (Int32 prim : {2, 3, 5, 7, 11, 13}) {
            Int64 wurzel = 0;
            if (z.n % prim == 0 && GanzeWurzel(z.R, prim, wurzel)) {
                z.R = wurzel;
                z.n /= prim;
                weiter = true;
                break;
            }
        }
    }
    if (z.R == 1 || z.n == 1) {
        // w = R: Horner's scheme gives the rational value.
        TBruch wert = BruchNull;
        for (Int32 i = z.Grad; i >= 0; --i) wert = Plus(Mal(wert, TBruch{z.R, 1}), z.c[i]);
        z = TRZahl();
        z.c[0] = wert;
        return;
    }
    Falte(z);
}

// The record's number, normalised. False for a record that is no radical: a coefficient that is not
// rational, a radicand below 1, an index outside 1..15.
bool AlsRZahl(const TRadikal& a, TRZahl& z) {
    const TPolynom& p = a.Polynom;
    if (p.Grad < 0 || p.Grad > MaxGrad) return false;
    if (a.Radikand < 1 || a.Wurzelexponent < 1 || a.Wurzelexponent > MaxWurzelexponent) return false;
    z = TRZahl();
    for (Int32 i = 0; i <= p.Grad; ++i) {
        TTerm* k = p.Koeff[i];
        if (!k || !k->IstRational()) return false;
        BruchVonKonstante(k, z.c[i]);
        Brueche::Kuerze(z.c[i]);
    }
    z.Grad = p.Grad;
    z.R = a.Radikand;
    z.n = a.Wurzelexponent;
    Kuerze(z);
    Normiere(z);
    return true;
}

TRadikal AlsRadikal(const TRZahl& z) {
    TRadikal r;
    r.Polynom.Grad = z.Grad;
    for (Int32 i = 0; i <= z.Grad; ++i) r.Polynom.Koeff[i] = RationalerKoeffizient(z.c[i]);
    r.Radikand = z.R;
    r.Wurzelexponent = z.n;
    r.Reserve = 0;
    return r;
}

// Rewrites the number L (radicand L.R) in powers of the root of S: with L.R = S^k * q and the rational
// n-th root r of q, w_L = r * w_S^k. False when q has no rational root.
bool UmschreibenAuf(TRZahl& L, Int64 S) {
    Int64 q = L.R;
    Int64 k = 0;
    while (q % S == 0) {
        q /= S;
        ++k;
    }
    Int64 wurzel = 0;
    if (!GanzeWurzel(q, L.n, wurzel)) return false;
    TRZahl neu;
    neu.R = S;
    neu.n = L.n;
    for (Int32 i = 0; i <= L.Grad; ++i) {
        if (IstNullBruch(L.c[i])) continue;
        const Int64 e = k * i;
        const Int32 m = static_cast<Int32>(e % L.n);
        const TBruch faktor{Hoch(wurzel, i), 1};
        const TBruch auswurf{Hoch(S, e / L.n), 1};
        neu.c[m] = Plus(neu.c[m], Mal(Mal(L.c[i], faktor), auswurf));
        if (m > neu.Grad) neu.Grad = m;
    }
    Kuerze(neu);
    L = neu;
    return true;
}

// Both numbers on one radicand and index. A rational number takes the other's; the smaller index is
// raised to the larger when it divides it (the radicand raised by the quotient, the same root); different
// radicands S < L share S when L = S^k * q and q has a rational n-th root.
bool Gemeinsam(TRZahl& a, TRZahl& b) {
    if (a.IstRational()) {
        a.R = b.R;
        a.n = b.n;
        return true;
    }
    if (b.IstRational()) {
        b.R = a.R;
        b.n = a.n;
        return true;
    }
    if (a.n != b.n) {
        TRZahl& klein = a.n < b.n ? a : b;
        const TRZahl& gross = a.n < b.n ? b : a;
        if (gross.n % klein.n != 0) return false;
        klein.R = Hoch(klein.R, gross.n / klein.n);
        klein.n = gross.n;
    }
    if (a.R == b.R) return true;
    // Both radicands are at least 2 here (a radicand 1 is rational), so the division ends.
    if (a.R < b.R) return UmschreibenAuf(b, a.R);
    return UmschreibenAuf(a, b.R);
}

// a * b on one radicand and index (or one of them rational), folded as it goes.
TRZahl Produkt(const TRZahl& a, const TRZahl& b) {
    const TRZahl& radikal = a.IstRational() ? b : a;
    TRZahl r;
    r.R = radikal.R;
    r.n = radikal.n;
    for (Int32 i = 0; i <= a.Grad; ++i) {
        if (IstNullBruch(a.c[i])) continue;
        for (Int32 j = 0; j <= b.Grad; ++j) {
            if (IstNullBruch(b.c[j])) continue;
            Int32 k = i + j;
            TBruch f = Mal(a.c[i], b.c[j]);
            if (k >= r.n) {
                f = Mal(f, TBruch{Hoch(r.R, k / r.n), 1});
                k %= r.n;
            }
            r.c[k] = Plus(r.c[k], f);
            if (k > r.Grad) r.Grad = k;
        }
    }
    Kuerze(r);
    return r;
}

TRZahl SummeOderDifferenz(const TRZahl& a, const TRZahl& b, bool differenz) {
    TRZahl r;
    r.R = a.R;
    r.n = a.n;
    r.Grad = std::max(a.Grad, b.Grad);
    for (Int32 i = 0; i <= r.Grad; ++i) r.c[i] = differenz ? Minus(a.c[i], b.c[i]) : Plus(a.c[i], b.c[i]);
    Kuerze(r);
    return r;
}

bool IstReineWurzel(const TRZahl& z) {
    return z.Grad == 1 && IstNullBruch(z.c[0]);
}

void KeinQuotient() {
    Oberflaeche().Meldung(TMeldungsart::Warnung, "Quotient der Radikale existiert nicht\n\r");
}

// The quotient q with q * b = a of two numbers on one radicand and index.
bool Quotient(const TRZahl& a, const TRZahl& b, TRZahl& q);

} // namespace

bool GemeinsamesRadikal(TRadikal& a, TRadikal& b) {
    TRZahl x, y;
    if (!AlsRZahl(a, x) || !AlsRZahl(b, y) || !Gemeinsam(x, y)) return false;
    a = AlsRadikal(x);
    b = AlsRadikal(y);
    return true;
}

void ROp(const TRadikal& a, const TRadikal& b, char Op, TRadikal& r, bool& Erfolg) {
    if (ProtokollRadikal) {
        BeginneSchritt(std::string("ROp(") + Op + ")", nullptr);
        SchreibeZeile("a=" + RadikalToStr(a));
        SchreibeZeile("b=" + RadikalToStr(b));
    }
    Erfolg = false;
    r = RadikalNull;
    if (Op == '/') {
        RDurch(a, b, r, Erfolg);
    } else if (Op == '+' || Op == '-' || Op == '*') {
        TRZahl x, y;
        if (AlsRZahl(a, x) && AlsRZahl(b, y)) {
            if (Gemeinsam(x, y)) {
                r = AlsRadikal(Op == '*' ? Produkt(x, y) : SummeOderDifferenz(x, y, Op == '-'));
                Erfolg = true;
            } else if (Op == '*' && IstReineWurzel(x) && IstReineWurzel(y) && x.n == y.n) {
                // c*root(R) * c'*root(R') = c*c' * root(R*R').
                Int64 radikand;
                if (__builtin_mul_overflow(x.R, y.R, &radikand)) Ueberlauf();
                TRZahl z;
                z.R = radikand;
                z.n = x.n;
                z.Grad = 1;
                z.c[1] = Mal(x.c[1], y.c[1]);
                Normiere(z);
                r = AlsRadikal(z);
                Erfolg = true;
            }
        }
    }
    if (ProtokollRadikal)
        BeendeSchritt(Erfolg ? "ROp=" + RadikalToStr(r) : std::string("ROp erfolglos"), nullptr);
}

void RMal(const TRadikal& a, const TRadikal& b, TRadikal& r, bool& Erfolg) {
    ROp(a, b, '*', r, Erfolg);
}

void RDurch(const TRadikal& a, const TRadikal& b, TRadikal& r, bool& Erfolg) {
    r = RadikalNull;
    Erfolg = false;
    TRZahl x, y, q;
    if (!AlsRZahl(a, x) || !AlsRZahl(b, y) || !Gemeinsam(x, y)) return;
    if (!Quotient(x, y, q)) {
        KeinQuotient();
        return;
    }
    r = AlsRadikal(q);
    Erfolg = true;
}

void RHoch(const TRadikal& a, Int32 k, TRadikal& r) {
    TRZahl basis;
    if (!AlsRZahl(a, basis)) throw ENichtExistenz("Potenz existiert nicht");
    if (k < 0) {
        TRZahl eins;
        eins.c[0] = BruchEins;
        TRZahl kehrwert;
        if (!Gemeinsam(eins, basis) || !Quotient(eins, basis, kehrwert)) {
            KeinQuotient();
            throw ENichtExistenz("Potenz existiert nicht");
        }
        basis = kehrwert;
    }
    // Square and multiply: about 2*log2|k| products; the last square is skipped.
    Int64 e = k < 0 ? -static_cast<Int64>(k) : static_cast<Int64>(k);
    TRZahl ergebnis;
    ergebnis.c[0] = BruchEins;
    while (e > 0) {
        if (e & 1) ergebnis = Produkt(ergebnis, basis);
        e >>= 1;
        if (e > 0) basis = Produkt(basis, basis);
    }
    r = AlsRadikal(ergebnis);
}

void RNegativ(const TRadikal& a, TRadikal& r) {
    r = a;
    for (Int32 i = 0; i <= a.Polynom.Grad; ++i) r.Polynom.Koeff[i] = a.Polynom.Koeff[i]->Negation();
}

namespace {

bool Quotient(const TRZahl& a, const TRZahl& b, TRZahl& q) {
    if (b.IstNull()) return false;
    q = TRZahl();
    q.R = b.R;
    q.n = b.n;
    if (b.IstRational() && a.IstRational()) {
        try {
            Brueche::Durch(a.c[0], b.c[0], q.c[0]);
        } catch (const ERessourcen&) {
            Ueberlauf();
        }
        return true;
    }
    // q * b = a as a linear system in the coefficients of q: column j holds b * w^j, reduced.
    const Int32 n = b.n;
    TLGSMatrix A = NeueLGSMatrix(n, n), B = NeueLGSMatrix(n, 1), X;
    for (Int32 j = 0; j < n; ++j) {
        TRZahl potenz;
        potenz.R = b.R;
        potenz.n = n;
        potenz.Grad = j;
        potenz.c[j] = BruchEins;
        const TRZahl spalte = Produkt(b, potenz);
        for (Int32 i = 0; i < n; ++i) A.a[i + 1][j + 1] = RationalerKoeffizient(spalte.c[i]);
    }
    for (Int32 i = 0; i < n; ++i) B.a[i + 1][1] = RationalerKoeffizient(a.c[i]);
    try {
        LoeseLGS(A, B, X, false);
    } catch (const ERessourcen&) {
        Ueberlauf();
    }
    // On an irreducible radical a number other than 0 has one inverse, so the solution is unique.
    if (X.Spalten != 1) return false;
    for (Int32 i = 0; i < n; ++i) {
        TTerm* k = X.a[i + 1][1];
        if (!k || !k->IstRational()) return false;
        BruchVonKonstante(k, q.c[i]);
    }
    q.Grad = n - 1;
    Kuerze(q);
    // The solution is checked: q * b must give a exactly.
    const TRZahl probe = Produkt(q, b);
    if (probe.Grad != a.Grad) return false;
    for (Int32 i = 0; i <= a.Grad; ++i)
        if (!Brueche::Gleich(probe.c[i], a.c[i])) return false;
    return true;
}

} // namespace

} // namespace zol
