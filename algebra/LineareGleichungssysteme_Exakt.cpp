// The exact elimination over rationals and radicals: entries as polynomials in prime roots with 128-bit
// rational coefficients, each new row divided by its content, so integer rows stay as small as the minors
// they come from.
#include "algebra/LineareGleichungssysteme_Intern.h"

#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

namespace {

const TWurzelzahl WurzelEins{TGrossbruch{1, 1}};

} // namespace

bool TExakteMatrix::Lies(TLGSMatrix& M) {
    Vorpivot = WurzelEins;
    std::array<std::array<TTerm*, LGSMaxSpalten + 1>, LGSMaxZeilen + 1> terme{};
    try {
        for (Int32 i = 1; i <= M.Zeilen; ++i)
            for (Int32 j = 1; j <= M.Spalten; ++j) {
                if (!AlsWurzelzahl(M.a[i][j] ? M.a[i][j] : Null, W[size_t(i)][size_t(j)])) return false;
                terme[size_t(i)][size_t(j)] = W[size_t(i)][size_t(j)].AlsTerm();
            }
    } catch (const ERessourcen&) {
        return false;
    }
    for (Int32 i = 1; i <= M.Zeilen; ++i)
        for (Int32 j = 1; j <= M.Spalten; ++j) M.a[i][j] = terme[size_t(i)][size_t(j)];
    return true;
}

void TExakteMatrix::Eliminiere(TLGSMatrix& M, Int32 i, Int32 r, Int32 s, bool MitMarken) {
    auto& zeile = W[size_t(i)];
    const auto& pivotzeile = W[size_t(r)];
    const TWurzelzahl& P = pivotzeile[size_t(s)];
    const TWurzelzahl& A = zeile[size_t(s)];
    // A quotient of one term (z/n)*w of the entries (w a product of roots, 1 when it is rational) gives
    // n*[i] - z*w*[r], like the rows of school; any other gives pivot*[i] - entry*[r], divided by the
    // previous pivot below.
    TWurzelzahl alpha = P, beta = A, kehrwert, teiler = WurzelEins;
    bool bruchfrei = true;
    if (P.Kehrwert(kehrwert)) {
        const TWurzelzahl q = A * kehrwert;
        if (q.Koeff.size() == 1) {
            const TGrossbruch n{q.Koeff.begin()->second.Nenner, 1};
            alpha = TWurzelzahl(n);
            beta = q.Mal(n);
            bruchfrei = false;
        }
    }
    std::array<TWurzelzahl, LGSMaxSpalten + 1> neu;
    for (Int32 j = 1; j <= M.Spalten; ++j)
        neu[size_t(j)] = alpha * zeile[size_t(j)] - beta * pivotzeile[size_t(j)];
    // The fraction-free step divides exactly by the previous pivot; a rational one is part of the content.
    TWurzelzahl vorKehrwert;
    if (bruchfrei && !Vorpivot.IstRational() && Vorpivot.Kehrwert(vorKehrwert)) {
        for (Int32 j = 1; j <= M.Spalten; ++j) neu[size_t(j)] = neu[size_t(j)] * vorKehrwert;
        teiler = Vorpivot;
    }
    // The content of the row: the gcd of the entries' contents.
    Int128 g = 0, l = 1;
    for (Int32 j = 1; j <= M.Spalten; ++j) {
        if (neu[size_t(j)].IstNull()) continue;
        const TGrossbruch c = neu[size_t(j)].Inhalt();
        g = g == 0 ? c.Zaehler : Grossbrueche::ggT(g, c.Zaehler);
        l = Grossbrueche::Mal(TGrossbruch{l / Grossbrueche::ggT(l, c.Nenner), 1}, TGrossbruch{c.Nenner, 1})
                .Zaehler;
    }
    const TGrossbruch inhalt =
        g == 0 ? TGrossbruch{1, 1} : Grossbrueche::Durch(TGrossbruch{g, 1}, TGrossbruch{l, 1});
    const TGrossbruch kehrInhalt = Grossbrueche::Durch(TGrossbruch{1, 1}, inhalt);
    for (Int32 j = 1; j <= M.Spalten; ++j) {
        zeile[size_t(j)] = neu[size_t(j)].Mal(kehrInhalt);
        M.a[i][j] = zeile[size_t(j)].AlsTerm();
    }
    if (!MitMarken) return;
    // The row is (alpha*[i] - beta*[r]) / (teiler * u/v) = (v*alpha*[i] - v*beta*[r]) : (u*teiler).
    const TGrossbruch v{inhalt.Nenner, 1}, u{inhalt.Zaehler, 1};
    const TWurzelzahl d = teiler.Mal(u);
    TTerm* dTerm =
        d.IstRational() && d.Rational().Zaehler == 1 && d.Rational().Nenner == 1 ? nullptr : d.AlsTerm();
    ZeilenOperationen[i] =
        TZeilenOperation{i, r, alpha.Mal(v).AlsTerm(), beta.Mal(v).Negation().AlsTerm(), dTerm};
}

bool TExakteMatrix::Loese(Int32 n, Int32 Rang, const std::array<Int32, LGSMaxZeilen + 1>& Pivot,
                          const std::array<Int32, LGSMaxSpalten + 1>& Frei, Int32 s,
                          std::array<TTerm*, LGSMaxSpalten + 1>& x) {
    std::array<TWurzelzahl, LGSMaxSpalten + 1> xz;
    for (Int32 j = 1; j <= n; ++j)
        if (Frei[size_t(j)] != 0 && Frei[size_t(j)] == s) xz[size_t(j)] = WurzelEins;
    for (Int32 r = Rang; r >= 1; --r) {
        const auto& zeile = W[size_t(r)];
        const Int32 p = Pivot[size_t(r)];
        TWurzelzahl summe = s == 0 ? zeile[size_t(n + 1)] : TWurzelzahl();
        for (Int32 j = p + 1; j <= n; ++j)
            if (!xz[size_t(j)].IstNull()) summe = summe - zeile[size_t(j)] * xz[size_t(j)];
        TWurzelzahl kehrwert;
        if (!zeile[size_t(p)].Kehrwert(kehrwert)) return false;
        xz[size_t(p)] = summe * kehrwert;
    }
    for (Int32 j = 1; j <= n; ++j) x[size_t(j)] = xz[size_t(j)].AlsTerm();
    return true;
}

} // namespace zol
