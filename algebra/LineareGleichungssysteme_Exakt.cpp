// The exact elimination over rationals and radicals: entries as polynomials in prime roots with rational
// coefficients of any length. Rows keep the numbers of school while they are small; a larger row is divided
// by its content, so integer rows stay as small as the minors they come from and nothing overflows inside.
#include "algebra/LineareGleichungssysteme_Intern.h"

#include <optional>
#include <vector>

#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

namespace {

// A row whose numerators and denominators have at most this many bits stays as the row operation gives
// it: the products of the next operation with rows as small still fit the terms, so does the content.
constexpr size_t KleineBits = 31;

using TZeile = std::array<TLGSZahl, LGSMaxSpalten + 1>;
using TTermzeile = std::array<TTerm*, LGSMaxSpalten + 1>;

// A row as it may stand on the page, with the factors of its label (g[i] + f[r]) : D.
struct TKandidat {
    TZeile Zeile;
    TLGSZahl g, f, D;
};

[[noreturn]] void Ueberlauf() {
    throw EUeberlauf("Überlauf in der Bruchrechnung.");
}

// The terms of entries 1..n, false when one does not fit.
bool AlsTerme(const TZeile& Zeile, Int32 n, TTermzeile& Terme) {
    for (Int32 j = 1; j <= n; ++j)
        if (!(Terme[size_t(j)] = Zeile[size_t(j)].AlsTerm())) return false;
    return true;
}

// The content of entries 1..n: the gcd of all numerators over the lcm of all denominators (1 for 0).
mpq_class ZeilenInhalt(const TZeile& Zeile, Int32 n) {
    mpz_class g = 0, l = 1;
    for (Int32 j = 1; j <= n; ++j)
        for (const auto& [m, c] : Zeile[size_t(j)].Koeff) {
            g = gcd(g, c.get_num());
            l = lcm(l, c.get_den());
        }
    if (g == 0) return mpq_class(1);
    mpq_class r(g, l);
    r.canonicalize();
    return r;
}

} // namespace

bool TExakteMatrix::Lies(TLGSMatrix& M) {
    Vorpivot = TLGSZahl(mpq_class(1));
    Darstellbar = true;
    Veraltet.fill(false);
    Spalten = M.Spalten;
    std::array<TTermzeile, LGSMaxZeilen + 1> terme{};
    try {
        for (Int32 i = 1; i <= M.Zeilen; ++i)
            for (Int32 j = 1; j <= M.Spalten; ++j) {
                TWurzelzahl w;
                if (!AlsWurzelzahl(M.a[i][j] ? M.a[i][j] : Null, w)) return false;
                W[size_t(i)][size_t(j)] = TLGSZahl(w);
                terme[size_t(i)][size_t(j)] = w.AlsTerm();
            }
    } catch (const ERessourcen&) {
        return false;
    }
    for (Int32 i = 1; i <= M.Zeilen; ++i)
        for (Int32 j = 1; j <= M.Spalten; ++j) M.a[i][j] = terme[size_t(i)][size_t(j)];
    return true;
}

bool TExakteMatrix::Eliminiere(TLGSMatrix& M, Int32 i, Int32 r, Int32 s, bool Zeigen,
                               TZeilenOperation& Marke) {
    TZeile& zeile = W[size_t(i)];
    const TZeile& pivotzeile = W[size_t(r)];
    const TLGSZahl& P = pivotzeile[size_t(s)];
    const TLGSZahl& A = zeile[size_t(s)];
    // A quotient of one term (z/n)*w of the entries (w a product of roots, 1 when it is rational) gives
    // n*[i] - z*w*[r], like the rows of school; any other gives pivot*[i] - entry*[r], divided by the
    // previous pivot below.
    TLGSZahl alpha = P, beta = A, kehrwert, teiler(mpq_class(1));
    bool bruchfrei = true;
    if (P.Kehrwert(kehrwert)) {
        const TLGSZahl q = A * kehrwert;
        if (q.Koeff.size() == 1) {
            const mpq_class n(q.Koeff.begin()->second.get_den());
            alpha = TLGSZahl(n);
            beta = q.Mal(n);
            bruchfrei = false;
        }
    }
    TZeile neu;
    for (Int32 j = 1; j <= Spalten; ++j)
        neu[size_t(j)] = alpha * zeile[size_t(j)] - beta * pivotzeile[size_t(j)];
    // The fraction-free step divides exactly by the previous pivot; a rational one is part of the content.
    TLGSZahl vorKehrwert;
    if (bruchfrei && !Vorpivot.IstRational() && Vorpivot.Kehrwert(vorKehrwert)) {
        for (Int32 j = 1; j <= Spalten; ++j) neu[size_t(j)] = neu[size_t(j)] * vorKehrwert;
        teiler = Vorpivot;
    }
    // The candidates for the row: divided by d = u/v, it is (v*alpha*[i] - v*beta*[r]) : (u*teiler).
    auto kandidat = [&](const mpq_class& d) {
        const mpq_class v(d.get_den()), u(d.get_num());
        TKandidat k{neu, alpha.Mal(v), beta.Mal(-v), teiler.Mal(u)};
        if (d != 1) {
            const mpq_class kehrwert = 1 / d;
            for (Int32 j = 1; j <= Spalten; ++j) k.Zeile[size_t(j)] = neu[size_t(j)].Mal(kehrwert);
        }
        return k;
    };
    auto passt = [&](const TKandidat& k) {
        for (Int32 j = 1; j <= Spalten; ++j)
            if (!k.Zeile[size_t(j)].Passt()) return false;
        return k.g.Passt() && k.f.Passt() && k.D.Passt();
    };
    const mpq_class inhalt = ZeilenInhalt(neu, Spalten);
    std::optional<TKandidat> gewaehlt;
    if (Darstellbar) {
        // Small numbers as they come; else divided by the content; else by the part of the content that the
        // previous pivot shares, as fraction-free elimination divides by the previous pivot (the last row of
        // a system with an integer solution, (0 ... 0 d | d*x), has the whole minor d in its content); else
        // as they come, if they fit.
        std::vector<mpq_class> teiler;
        bool klein = true;
        for (Int32 j = 1; klein && j <= Spalten; ++j) klein = neu[size_t(j)].HoechstensBits(KleineBits);
        if (klein) teiler.emplace_back(1);
        teiler.push_back(inhalt);
        if (Vorpivot.IstRational()) {
            teiler.emplace_back(gcd(inhalt.get_num(), Vorpivot.Rational().get_num()), inhalt.get_den());
            teiler.back().canonicalize();
        }
        if (!klein) teiler.emplace_back(1);
        for (const mpq_class& d : teiler) {
            TKandidat k = kandidat(d);
            if (passt(k)) {
                gewaehlt = std::move(k);
                break;
            }
        }
    }
    if (gewaehlt && Zeigen) {
        TTermzeile terme{};
        TTerm* g = gewaehlt->g.AlsTerm();
        TTerm* f = gewaehlt->f.AlsTerm();
        const bool eins = gewaehlt->D.IstRational() && gewaehlt->D.Rational() == 1;
        TTerm* D = eins ? nullptr : gewaehlt->D.AlsTerm();
        if (AlsTerme(gewaehlt->Zeile, Spalten, terme) && g && f && (eins || D)) {
            for (Int32 j = 1; j <= Spalten; ++j) M.a[i][j] = terme[size_t(j)];
            Marke = TZeilenOperation{i, r, g, f, D};
            zeile = std::move(gewaehlt->Zeile);
            return true;
        }
        gewaehlt.reset();
    }
    Darstellbar = Darstellbar && gewaehlt.has_value();
    zeile = gewaehlt ? std::move(gewaehlt->Zeile) : kandidat(inhalt).Zeile;
    Veraltet[size_t(i)] = true;
    return false;
}

bool TExakteMatrix::PivotBesser(Int32 i, Int32 p, Int32 s) const {
    const TLGSZahl& a = W[size_t(i)][size_t(s)];
    const TLGSZahl& b = W[size_t(p)][size_t(s)];
    if (a.IstRational() && b.IstRational()) {
        const mpq_class A = a.Rational(), B = b.Rational();
        if (A.get_den() != B.get_den()) return A.get_den() < B.get_den();
        if (sgn(A) > 0 && sgn(B) < 0) return true;
        return sgn(A) == sgn(B) && A < B;
    }
    TTerm* ta = a.AlsTerm();
    TTerm* tb = b.AlsTerm();
    if (ta && tb) return zol::PivotBesser(ta, tb);
    if (a.Koeff.size() != b.Koeff.size()) return a.Koeff.size() < b.Koeff.size();
    return a.Laenge() < b.Laenge();
}

void TExakteMatrix::Terme(TLGSMatrix& M) {
    for (Int32 i = 1; i <= M.Zeilen; ++i) {
        if (!Veraltet[size_t(i)]) continue;
        TTermzeile terme{};
        if (!AlsTerme(W[size_t(i)], Spalten, terme)) Ueberlauf();
        for (Int32 j = 1; j <= Spalten; ++j) M.a[i][j] = terme[size_t(j)];
        Veraltet[size_t(i)] = false;
    }
}

bool TExakteMatrix::Loese(Int32 n, Int32 Rang, const std::array<Int32, LGSMaxZeilen + 1>& Pivot,
                          const std::array<Int32, LGSMaxSpalten + 1>& Frei, Int32 s,
                          std::array<TTerm*, LGSMaxSpalten + 1>& x) {
    TZeile xz;
    for (Int32 j = 1; j <= n; ++j)
        if (Frei[size_t(j)] != 0 && Frei[size_t(j)] == s) xz[size_t(j)] = TLGSZahl(mpq_class(1));
    for (Int32 r = Rang; r >= 1; --r) {
        const TZeile& zeile = W[size_t(r)];
        const Int32 p = Pivot[size_t(r)];
        TLGSZahl summe = s == 0 ? zeile[size_t(n + 1)] : TLGSZahl();
        for (Int32 j = p + 1; j <= n; ++j)
            if (!xz[size_t(j)].IstNull()) summe = summe - zeile[size_t(j)] * xz[size_t(j)];
        TLGSZahl kehrwert;
        if (!zeile[size_t(p)].Kehrwert(kehrwert)) return false;
        xz[size_t(p)] = summe * kehrwert;
    }
    for (Int32 j = 1; j <= n; ++j)
        if (!(x[size_t(j)] = xz[size_t(j)].AlsTerm())) Ueberlauf();
    return true;
}

} // namespace zol
