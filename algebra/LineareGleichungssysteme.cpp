// Gaussian elimination of term matrices: pivot choice, row operations with their labels, the row echelon
// form and the solution of A*x = b by back substitution.
#include "algebra/LineareGleichungssysteme.h"

#include <algorithm>
#include <array>
#include <limits>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

const char* const LGSZuGrossMeldung =
    "Das Gleichungssystem ist zu groß (höchstens 15 Gleichungen mit 15 Unbekannten).";

TZeilenOperation ZeilenOperationen[LGSMaxZeilen + 1];
TTerm* LGSVorzeichen = nullptr;

namespace {

using Int128 = __int128;
using UInt128 = unsigned __int128;

void PruefeGroesse(Int32 Zeilen, Int32 Spalten, Int32 MaxSpalten) {
    if (Zeilen < 0 || Spalten < 0 || Zeilen > LGSMaxZeilen || Spalten > MaxSpalten)
        throw ETermFehler(LGSZuGrossMeldung);
}

TTerm* Eintrag(const TLGSMatrix& M, Int32 i, Int32 j) {
    TTerm* T = M.a[i][j];
    return T ? T : Null;
}

bool IstNullEintrag(const TLGSMatrix& M, Int32 i, Int32 j) {
    return Eintrag(M, i, j)->IstNull();
}

// A row operation can take long with large terms: the event loop runs and an abort ends the solve.
void PruefeAbbruch() {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

UInt128 Betrag(Int128 v) {
    return v < 0 ? UInt128(0) - UInt128(v) : UInt128(v);
}

UInt128 ggT(UInt128 a, UInt128 b) {
    while (b != 0) {
        UInt128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

TBruch Ganzzahl(Int64 z) {
    return TBruch{z, 1};
}

// The content of row i: the gcd of the numerators over the lcm of the denominators of its non-zero rational
// entries (positive), 1 when it has none. Every rational entry divided by it is an integer.
TBruch Inhalt(const TLGSMatrix& M, Int32 i) {
    Int64 z = 0, n = 1;
    for (Int32 s = 1; s <= M.Spalten; ++s) {
        auto* r = AlsRationaleKonstante(Eintrag(M, i, s));
        if (!r || r->IstNull()) continue;
        z = Brueche::ggT(z, r->Bruch.Zaehler);
        n = Brueche::kgV(n, r->Bruch.Nenner);
    }
    return z == 0 ? BruchEins : TBruch{z, n};
}

// With labels: before a row operation on row i from rows j and k, the matrix is written with its labels
// and they are cleared when one of these rows already carries a label.
void SchreibeMarkenVorher(const TLGSMatrix& M, Int32 i, Int32 j, Int32 k, bool MitMarken) {
    if (!MitMarken) return;
    auto markiert = [](Int32 z) { return z >= 1 && !ZeilenMarkeLeer(ZeilenOperationen[z]); };
    if (markiert(i) || markiert(j) || markiert(k)) {
        ZeigeMatrixMitZeilenOp(M);
        ZeilenMarkenLoeschen();
    }
}

// Divides row z by its content, labelled (1/c)[z]; returns the content.
TBruch TeileDurchInhalt(TLGSMatrix& M, Int32 z, bool MitMarken) {
    const TBruch c = Inhalt(M, z);
    if (Brueche::Gleich(c, BruchEins)) return c;
    TBruch kehrwert;
    Brueche::Kehrwert(c, kehrwert);
    TTerm* faktor = RationaleKonstante(kehrwert);
    std::array<TTerm*, LGSMaxSpalten + 1> neu{};
    for (Int32 s = 1; s <= M.Spalten; ++s) {
        neu[size_t(s)] = Produkt(faktor, Eintrag(M, z, s));
        VereinfacheTerm(neu[size_t(s)]);
    }
    for (Int32 s = 1; s <= M.Spalten; ++s) M.a[z][s] = neu[size_t(s)];
    if (MitMarken) ZeilenOperationen[z] = TZeilenOperation{z, 0, faktor, nullptr};
    return c;
}

// Row i := g*row j + f*row k for rational g and f when the direct computation overflows: rows j and k are
// first divided by their contents (shown as steps of their own); the combination of these rows is then a
// positive multiple of alpha*[j] + beta*[k] for coprime integers alpha and beta, computed exactly in 128
// bits and divided by the gcd d of its rational entries, with the label (alpha/d)[j] + (beta/d)[k]. False
// when it does not fit into 64 bits either.
bool GekuerzteKombination(TLGSMatrix& M, Int32 i, Int32 j, TTerm* g, Int32 k, TTerm* f, bool MitMarken,
                          TTerm** Neu, TTerm*& gL, TTerm*& fL) {
    auto* rg = AlsRationaleKonstante(g);
    auto* rf = AlsRationaleKonstante(f);
    if (j < 1 || k < 1 || j == k || !rg || !rf || rf->IstNull()) return false;
    try {
        const TBruch cj = TeileDurchInhalt(M, j, MitMarken);
        const TBruch ck = TeileDurchInhalt(M, k, MitMarken);
        SchreibeMarkenVorher(M, i, j, k, MitMarken);
        // alpha/beta = (g*cj)/(f*ck), beta with the sign of f.
        TBruch gf, inhalte, rho;
        Brueche::Durch(rg->Bruch, rf->Bruch, gf);
        Brueche::Durch(cj, ck, inhalte);
        Brueche::Mal(gf, inhalte, rho);
        const Int64 vz = rf->Bruch.Zaehler < 0 ? -1 : 1;
        const Int128 alpha = Int128(vz) * rho.Zaehler;
        const Int128 beta = Int128(vz) * rho.Nenner;
        if (Betrag(alpha) > UInt128(std::numeric_limits<Int64>::max())) return false;

        std::array<Int128, LGSMaxSpalten + 1> wert{};
        std::array<bool, LGSMaxSpalten + 1> rational{};
        UInt128 d = 0;
        for (Int32 s = 1; s <= M.Spalten; ++s) {
            TTerm* P = Eintrag(M, j, s);
            TTerm* Q = Eintrag(M, k, s);
            auto* rp = AlsRationaleKonstante(P);
            auto* rq = AlsRationaleKonstante(Q);
            if (rp && rq && rp->Bruch.Nenner == 1 && rq->Bruch.Nenner == 1) {
                Int128 ap, bq, w;
                if (__builtin_mul_overflow(alpha, Int128(rp->Bruch.Zaehler), &ap) ||
                    __builtin_mul_overflow(beta, Int128(rq->Bruch.Zaehler), &bq) ||
                    __builtin_add_overflow(ap, bq, &w))
                    return false;
                wert[size_t(s)] = w;
                rational[size_t(s)] = true;
                d = ggT(d, Betrag(w));
            } else {
                Neu[s] = Summe(Produkt(RationaleKonstante(Ganzzahl(Int64(alpha))), P),
                               Produkt(RationaleKonstante(Ganzzahl(Int64(beta))), Q));
                VereinfacheTerm(Neu[s]);
            }
        }
        if (d == 0) d = 1;
        if (d > UInt128(std::numeric_limits<Int64>::max())) return false;
        const Int64 teiler = Int64(d);
        for (Int32 s = 1; s <= M.Spalten; ++s) {
            if (rational[size_t(s)]) {
                const Int128 w = wert[size_t(s)] / Int128(teiler);
                if (w > std::numeric_limits<Int64>::max() || w < std::numeric_limits<Int64>::min())
                    return false;
                Neu[s] = RationaleKonstante(Ganzzahl(Int64(w)));
            } else if (teiler != 1) {
                Neu[s] = Quotient(Neu[s], RationaleKonstante(Ganzzahl(teiler)));
                VereinfacheTerm(Neu[s]);
            }
        }
        gL = RationaleKonstante(TBruch{Int64(alpha), teiler});
        fL = RationaleKonstante(TBruch{Int64(beta), teiler});
        return true;
    } catch (const ERessourcen&) {
        return false;
    } catch (const ENichtExistenz&) {
        return false;
    }
}

} // namespace

TLGSMatrix NeueLGSMatrix(Int32 Zeilen, Int32 Spalten) {
    PruefeGroesse(Zeilen, Spalten, LGSMaxSpalten);
    TLGSMatrix M;
    M.Zeilen = Zeilen;
    M.Spalten = Spalten;
    for (Int32 i = 1; i <= Zeilen; ++i)
        for (Int32 j = 1; j <= Spalten; ++j) M.a[i][j] = Null;
    return M;
}

// ---- labels ----

bool ZeilenMarkeLeer(const TZeilenOperation& Marke) {
    return Marke.j == 0 && Marke.k == 0;
}

bool ZeilenMarkenLeer(Int32 n) {
    for (Int32 i = 1; i <= std::min(n, LGSMaxZeilen); ++i)
        if (!ZeilenMarkeLeer(ZeilenOperationen[i])) return false;
    return true;
}

void ZeilenMarkenLoeschen() {
    for (TZeilenOperation& m : ZeilenOperationen) m = TZeilenOperation{};
}

// ---- row operations ----

bool PivotBesser(TTerm* a, TTerm* b) {
    auto* ra = AlsRationaleKonstante(a);
    auto* rb = AlsRationaleKonstante(b);
    if (!ra || !rb) return a->Knotenzahl < b->Knotenzahl;
    const TBruch& A = ra->Bruch;
    const TBruch& B = rb->Bruch;
    if (A.Nenner != B.Nenner) return A.Nenner < B.Nenner;
    if (A.Zaehler > 0 && B.Zaehler < 0) return true;
    const bool gleichesVorzeichen = (A.Zaehler > 0 && B.Zaehler > 0) || (A.Zaehler < 0 && B.Zaehler < 0);
    return gleichesVorzeichen && A.Zaehler < B.Zaehler;
}

bool SpalteHatNichtNull(const TLGSMatrix& M, Int32 r, Int32 c) {
    if (c < 1 || c > std::min(M.Spalten, LGSMaxSpalten)) return false;
    for (Int32 i = std::max(r, 1); i <= std::min(M.Zeilen, LGSMaxZeilen); ++i)
        if (!IstNullEintrag(M, i, c)) return true;
    return false;
}

void ZeilenTauschen(TLGSMatrix& M, Int32 i, Int32 j, bool MitMarken) {
    if (i == j || i < 1 || j < 1 || i > M.Zeilen || j > M.Zeilen) return;
    if (MitMarken) {
        for (Int32 z : {i, j})
            if (ZeilenMarkeLeer(ZeilenOperationen[z]))
                ZeilenOperationen[z] = TZeilenOperation{z, 0, Eins, nullptr};
        std::swap(ZeilenOperationen[i], ZeilenOperationen[j]);
    }
    for (Int32 s = 1; s <= M.Spalten; ++s) std::swap(M.a[i][s], M.a[j][s]);
    LGSVorzeichen = LGSVorzeichen ? LGSVorzeichen->Negation() : MinusEins;
}

void ZeilenKombination(TLGSMatrix& M, Int32 i, Int32 j, TTerm* g, Int32 k, TTerm* c, char Op,
                       bool MitMarken) {
    if (i < 1 || i > M.Zeilen || j < 0 || j > M.Zeilen || k < 0 || k > M.Zeilen) return;
    PruefeAbbruch();
    SchreibeMarkenVorher(M, i, j, k, MitMarken);
    TTerm* f = c;
    if (Op == '/') {
        f = Quotient(Eins, c);
        VereinfacheTerm(f);
    }
    TTerm* gL = g;
    TTerm* fL = f;
    std::array<TTerm*, LGSMaxSpalten + 1> neu{};
    try {
        for (Int32 s = 1; s <= M.Spalten; ++s) {
            TTerm* T = Summe(j >= 1 ? Produkt(g, Eintrag(M, j, s)) : Null,
                             k >= 1 ? ArOp(Eintrag(M, k, s), c, Op) : Null);
            VereinfacheTerm(T);
            neu[size_t(s)] = T;
        }
    } catch (const ERessourcen&) {
        if (!GekuerzteKombination(M, i, j, g, k, f, MitMarken, neu.data(), gL, fL)) throw;
    }
    for (Int32 s = 1; s <= M.Spalten; ++s) M.a[i][s] = neu[size_t(s)];
    if (MitMarken) ZeilenOperationen[i] = TZeilenOperation{j, k, gL, fL};
}

void ZeileSubtrahieren(TLGSMatrix& M, Int32 i, Int32 j, TTerm* f, bool MitMarken) {
    ZeilenKombination(M, i, i, Eins, j, f, '*', MitMarken);
}

Int32 Eliminationsschritt(TLGSMatrix& M, Int32 r, Int32 c, bool MitMarken) {
    if (r < 1 || r > M.Zeilen || c < 1 || c > M.Spalten) return 0;
    Int32 s = c;
    while (s <= M.Spalten && !SpalteHatNichtNull(M, r, s)) ++s;
    if (s > M.Spalten) return 0;
    Int32 p = r;
    while (IstNullEintrag(M, p, s)) ++p;
    for (Int32 i = p + 1; i <= M.Zeilen; ++i)
        if (!IstNullEintrag(M, i, s) && PivotBesser(Eintrag(M, i, s), Eintrag(M, p, s))) p = i;
    if (p > r) ZeilenTauschen(M, p, r, MitMarken);
    for (Int32 i = r + 1; i <= M.Zeilen; ++i) {
        if (IstNullEintrag(M, i, s)) continue;
        TTerm* q = Quotient(Eintrag(M, i, s), Eintrag(M, r, s));
        VereinfacheTerm(q);
        if (q->IstNull()) continue;
        if (auto* rq = AlsRationaleKonstante(q)) {
            // Fraction-free: row i := n*row i + row r*(-z) for q = z/n.
            TBruch minusZ;
            Brueche::Negativ(Ganzzahl(rq->Bruch.Zaehler), minusZ);
            ZeilenKombination(M, i, i, RationaleKonstante(Ganzzahl(rq->Bruch.Nenner)), r,
                              RationaleKonstante(minusZ), '*', MitMarken);
        } else {
            TTerm* minusQ = q->Negation();
            VereinfacheTerm(minusQ);
            ZeileSubtrahieren(M, i, r, minusQ, MitMarken);
        }
    }
    return s;
}

namespace {

// The elimination loop of both the echelon form and the solve. Pivot[r] gets the pivot column of row r (0
// when it has none). After every step, with NachJedemSchritt, the matrix is written with its labels if any
// is set, and the labels are cleared.
void Eliminiere(TLGSMatrix& M, bool MitMarken, bool NachJedemSchritt,
                std::array<Int32, LGSMaxZeilen + 1>& Pivot) {
    Pivot.fill(0);
    Int32 r = 1, c = 1;
    while (r <= M.Zeilen && c <= M.Spalten) {
        const Int32 p = Eliminationsschritt(M, r, c, MitMarken);
        Pivot[size_t(r)] = p;
        if (NachJedemSchritt && !ZeilenMarkenLeer(M.Zeilen)) {
            ZeigeMatrixMitZeilenOp(M);
            ZeilenMarkenLoeschen();
        }
        ++r;
        c = std::max(c, p) + 1;
        while (c <= M.Spalten && !SpalteHatNichtNull(M, r, c)) ++c;
    }
}

} // namespace

void Zeilenstufenform(TLGSMatrix& M, bool Kommentar) {
    PruefeGroesse(M.Zeilen, M.Spalten, LGSMaxSpalten);
    LGSVorzeichen = Eins;
    ZeilenMarkenLoeschen();
    std::array<Int32, LGSMaxZeilen + 1> pivot{};
    Eliminiere(M, Kommentar, false, pivot);
    if (Kommentar) {
        NeueZeile();
        Schreibe("Zeilenstufenform: ");
        ZeigeMatrixMitZeilenOp(M);
    }
}

void LoeseLGS(const TLGSMatrix& A, const TLGSMatrix& b, TLGSMatrix& X, bool Kommentar) {
    PruefeGroesse(A.Zeilen, A.Spalten, LGSMaxUnbekannte);
    LGSVorzeichen = Eins;
    ZeilenMarkenLoeschen();
    const Int32 m = A.Zeilen, n = A.Spalten;
    X = TLGSMatrix{};
    X.Zeilen = n;

    TLGSMatrix E = NeueLGSMatrix(m, n + 1);
    for (Int32 i = 1; i <= m; ++i) {
        for (Int32 j = 1; j <= n; ++j) E.a[i][j] = Eintrag(A, i, j);
        if (i <= std::min(b.Zeilen, LGSMaxZeilen) && b.Spalten >= 1) E.a[i][n + 1] = Eintrag(b, i, 1);
    }
    if (Kommentar) {
        Schreibe("*u<Erweiterte Matrix:>   ");
        ZeigeErweiterteMatrix(E);
        NeueZeile();
    }

    std::array<Int32, LGSMaxZeilen + 1> pivot{};
    Eliminiere(E, Kommentar, Kommentar, pivot);
    // The rows with a pivot among the variables come first.
    Int32 rang = 0;
    while (rang < m && pivot[size_t(rang + 1)] >= 1 && pivot[size_t(rang + 1)] <= n) ++rang;

    bool unerfuellbar = false;
    for (Int32 r = rang + 1; r <= m; ++r)
        if (!IstNullEintrag(E, r, n + 1)) unerfuellbar = true;
    if (unerfuellbar) {
        NeueZeile();
        X.Spalten = 0;
        SchreibeZeile("Gleichungssystem unerfüllbar");
    }
    if (Kommentar) {
        NeueZeile();
        NeueZeile();
        Schreibe("*u<Rang des Gleichungssystems>:");
        SchreibeZeile(" " + std::to_string(rang));
    }
    if (unerfuellbar) return;

    // The free variables numbered in the order back substitution meets them: the gap right of the last
    // pivot column first, each gap from left to right, the columns before the first pivot last.
    std::array<Int32, LGSMaxSpalten + 1> frei{};
    Int32 anzahlFrei = 0;
    for (Int32 r = rang; r >= 1; --r) {
        const Int32 naechste = r == rang ? n + 1 : pivot[size_t(r + 1)];
        for (Int32 j = pivot[size_t(r)] + 1; j < naechste; ++j) frei[size_t(j)] = ++anzahlFrei;
    }
    const Int32 erste = rang >= 1 ? pivot[1] : n + 1;
    for (Int32 j = 1; j < erste; ++j) frei[size_t(j)] = ++anzahlFrei;

    X.Spalten = anzahlFrei + 1;
    std::array<TTerm*, LGSMaxSpalten + 1> x{};
    for (Int32 s = 0; s <= anzahlFrei; ++s) {
        PruefeAbbruch();
        for (Int32 j = 1; j <= n; ++j)
            if (frei[size_t(j)] != 0) x[size_t(j)] = frei[size_t(j)] == s ? Eins : Null;
        for (Int32 r = rang; r >= 1; --r) {
            const Int32 p = pivot[size_t(r)];
            TTerm* summe = Null;
            for (Int32 j = p + 1; j <= n; ++j) summe = Summe(summe, Produkt(Eintrag(E, r, j), x[size_t(j)]));
            TTerm* T = Quotient(Differenz(Eintrag(E, r, n + 1), summe), Eintrag(E, r, p));
            VereinfacheTerm(T);
            x[size_t(p)] = T;
        }
        for (Int32 j = 1; j <= n; ++j) {
            TTerm* T = x[size_t(j)];
            if (s >= 1) {
                T = Differenz(T, X.a[j][1]);
                VereinfacheTerm(T);
            }
            X.a[j][s + 1] = T;
        }
    }

    if (!Kommentar) return;
    auto spalte = [&X](Int32 s) {
        TLGSMatrix v;
        v.Zeilen = X.Zeilen;
        v.Spalten = 1;
        for (Int32 j = 1; j <= X.Zeilen; ++j) v.a[j][1] = X.a[j][s];
        return v;
    };
    if (anzahlFrei == 0) {
        Schreibe("Eindeutige Lösung: x = ");
        ZeigeMatrix(spalte(1));
        NeueZeile();
        return;
    }
    Schreibe("Allgemeine Lösung: x = ");
    ZeigeMatrix(spalte(1));
    for (Int32 s = 1; s <= anzahlFrei; ++s) {
        Schreibe("+k*i<" + std::to_string(s) + ">");
        ZeigeMatrix(spalte(s + 1));
    }
    NeueZeile();
}

} // namespace zol
