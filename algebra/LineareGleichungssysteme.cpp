// Gaussian elimination of term matrices: pivot choice, row operations with their labels, the row echelon
// form and the solution of A*x = b by back substitution. Matrices of rationals and radicals are eliminated
// exactly (LineareGleichungssysteme_Exakt.cpp); others by term arithmetic with every entry's zero decided
// exactly where it can be, and never a pivot whose zero cannot be decided.
#include "algebra/LineareGleichungssysteme.h"

#include <algorithm>
#include <array>

#include "algebra/LineareGleichungssysteme_Intern.h"
#include "algebra/Nullentscheidung.h"
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
const char* const LGSZeilenZuGrossMeldung = "Die weiteren Zeilen sind zu groß, um sie zu zeigen.";

TZeilenOperation ZeilenOperationen[LGSMaxZeilen + 1];
TTerm* LGSVorzeichen = nullptr;

namespace {

void PruefeGroesse(Int32 Zeilen, Int32 Spalten, Int32 MaxSpalten) {
    if (Zeilen < 0 || Spalten < 0 || Zeilen > LGSMaxZeilen || Spalten > MaxSpalten)
        throw ETermFehler(LGSZuGrossMeldung);
}

TTerm* Eintrag(const TLGSMatrix& M, Int32 i, Int32 j) {
    TTerm* T = M.a[i][j];
    return T ? T : Null;
}

// Whether an entry is 0. A term in x or in coefficient letters is an element of the field of such terms:
// 0 only as the term 0.
TNullheit EintragsNullheit(TTerm* T) {
    if (!T->IstKonstant) return T->IstNull() ? TNullheit::Null : TNullheit::NichtNull;
    const TNullheit n = Nullheit(T);
    return n == TNullheit::OhneWert ? TNullheit::NichtNull : n;
}

// The same for entry (i, j) of M; an entry decided 0 becomes the constant 0.
TNullheit EintragNullheit(TLGSMatrix& M, Int32 i, Int32 j) {
    const TNullheit n = EintragsNullheit(Eintrag(M, i, j));
    if (n == TNullheit::Null) M.a[i][j] = Null;
    return n;
}

// A row operation can take long with large terms: the event loop runs and an abort ends the solve.
void PruefeAbbruch() {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
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

// The elimination of one matrix: exactly where every entry is a rational or radical number, by term
// arithmetic otherwise. A column whose entries below the pivots are not known to be 0, but none is known not
// to be, gets no pivot; Unklar and UnklareSpalte hold the entry that leaves the rank open at the end.
class TElimination {
public:
    TElimination(TLGSMatrix& m, bool mitMarken) : M(m), MitMarken(mitMarken) {
        if (Exakt.Lies(M)) ExaktAktiv = true;
    }

    // One step for row r from column c on: the pivot column, 0 when columns c.. have no entry known not to
    // be 0 in rows r...
    Int32 Schritt(Int32 r, Int32 c);
    // After the last step with Rang pivots: false when an entry below them is not known to be 0 (Unklar).
    bool RangBestimmt(Int32 Rang);
    // Brings the rows kept exactly only into M as terms; ERessourcen when one does not fit.
    void Terme() {
        if (ExaktAktiv) Exakt.Terme(M);
    }
    TNullheit Nullheit(Int32 i, Int32 j) {
        if (ExaktAktiv)
            return Exakt.W[size_t(i)][size_t(j)].IstNull() ? TNullheit::Null : TNullheit::NichtNull;
        return EintragNullheit(M, i, j);
    }

    TLGSMatrix& M;
    bool MitMarken;
    bool ExaktAktiv = false;
    TExakteMatrix Exakt;
    TTerm* Unklar = nullptr;
    Int32 UnklareSpalte = 0;

private:
    // Labels and matrices are written with MitMarken while the exact rows fit the terms.
    bool Zeigen() const { return MitMarken && (!ExaktAktiv || Exakt.Darstellbar); }
    bool Besser(Int32 i, Int32 p, Int32 s) const {
        return ExaktAktiv ? Exakt.PivotBesser(i, p, s) : PivotBesser(Eintrag(M, i, s), Eintrag(M, p, s));
    }
    // A row operation of the exact elimination, with its label while the rows are shown; the first row
    // that does not fit the terms ends the showing with the matrix so far and a line that says so.
    void EliminiereExakt(Int32 i, Int32 r, Int32 s);
};

void TElimination::EliminiereExakt(Int32 i, Int32 r, Int32 s) {
    PruefeAbbruch();
    const bool zeigen = Zeigen();
    SchreibeMarkenVorher(M, i, i, r, zeigen);
    TZeilenOperation marke;
    if (Exakt.Eliminiere(M, i, r, s, zeigen, marke)) {
        if (zeigen) ZeilenOperationen[i] = marke;
    } else if (zeigen && !Exakt.Darstellbar) {
        if (!ZeilenMarkenLeer(M.Zeilen)) ZeigeMatrixMitZeilenOp(M);
        ZeilenMarkenLoeschen();
        // On a line of its own, which the result's line end closes as it closes a line of matrices.
        if (!AktuelleZeile->Liste.empty()) NeueZeile();
        Schreibe(LGSZeilenZuGrossMeldung);
    }
}

bool TElimination::RangBestimmt(Int32 Rang) {
    for (Int32 j = 1; j <= M.Spalten; ++j)
        for (Int32 i = Rang + 1; i <= M.Zeilen; ++i)
            if (Nullheit(i, j) != TNullheit::Null) {
                Unklar = Eintrag(M, i, j);
                UnklareSpalte = j;
                return false;
            }
    return true;
}

Int32 TElimination::Schritt(Int32 r, Int32 c) {
    if (r < 1 || r > M.Zeilen || c < 1 || c > M.Spalten) return 0;
    for (Int32 s = c; s <= M.Spalten; ++s) {
        Int32 p = 0;
        for (Int32 i = r; i <= M.Zeilen; ++i)
            if (Nullheit(i, s) == TNullheit::NichtNull && (p == 0 || Besser(i, p, s))) p = i;
        if (p == 0) continue;
        if (p > r) {
            ZeilenTauschen(M, p, r, Zeigen());
            if (ExaktAktiv) Exakt.Tausche(p, r);
        }
        for (Int32 i = r + 1; i <= M.Zeilen; ++i) {
            if (Nullheit(i, s) == TNullheit::Null) continue;
            if (ExaktAktiv) {
                EliminiereExakt(i, r, s);
                continue;
            }
            TTerm* q = Quotient(Eintrag(M, i, s), Eintrag(M, r, s));
            VereinfacheTerm(q);
            if (auto* rq = AlsRationaleKonstante(q)) {
                // Fraction-free: row i := n*row i + row r*(-z) for q = z/n.
                ZeilenKombination(M, i, i, RationaleKonstante(TBruch{rq->Bruch.Nenner, 1}), r,
                                  RationaleKonstante(TBruch{-rq->Bruch.Zaehler, 1}), '*', MitMarken);
            } else {
                TTerm* minusQ = q->Negation();
                VereinfacheTerm(minusQ);
                ZeileSubtrahieren(M, i, r, minusQ, MitMarken);
            }
            // The pivot column is 0 below the pivot, whatever the arithmetic shows.
            M.a[i][s] = Null;
        }
        if (ExaktAktiv) Exakt.PivotGewaehlt(r, s);
        return s;
    }
    return 0;
}

// The elimination loop of both the echelon form and the solve. Pivot[r] gets the pivot column of row r (0
// when it has none). After every step, with NachJedemSchritt, the matrix is written with its labels if any
// is set, and the labels are cleared. False when the rank is open (E.Unklar).
bool Eliminiere(TElimination& E, bool NachJedemSchritt, std::array<Int32, LGSMaxZeilen + 1>& Pivot) {
    Pivot.fill(0);
    Int32 rang = 0;
    for (Int32 r = 1, c = 1; r <= E.M.Zeilen && c <= E.M.Spalten; ++r) {
        const Int32 p = E.Schritt(r, c);
        if (NachJedemSchritt && !ZeilenMarkenLeer(E.M.Zeilen)) {
            ZeigeMatrixMitZeilenOp(E.M);
            ZeilenMarkenLoeschen();
        }
        if (p == 0) break;
        Pivot[size_t(r)] = p;
        rang = r;
        c = p + 1;
    }
    return E.RangBestimmt(rang);
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
        if (EintragsNullheit(Eintrag(M, i, c)) == TNullheit::NichtNull) return true;
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
    std::array<TTerm*, LGSMaxSpalten + 1> neu{};
    for (Int32 s = 1; s <= M.Spalten; ++s) {
        TTerm* T = Summe(j >= 1 ? Produkt(g, Eintrag(M, j, s)) : Null,
                         k >= 1 ? ArOp(Eintrag(M, k, s), c, Op) : Null);
        VereinfacheTerm(T);
        neu[size_t(s)] = T;
    }
    for (Int32 s = 1; s <= M.Spalten; ++s) {
        M.a[i][s] = neu[size_t(s)];
        EintragNullheit(M, i, s);
    }
    if (MitMarken) ZeilenOperationen[i] = TZeilenOperation{j, k, g, f};
}

void ZeileSubtrahieren(TLGSMatrix& M, Int32 i, Int32 j, TTerm* f, bool MitMarken) {
    ZeilenKombination(M, i, i, Eins, j, f, '*', MitMarken);
}

Int32 Eliminationsschritt(TLGSMatrix& M, Int32 r, Int32 c, bool MitMarken) {
    TElimination E(M, MitMarken);
    const Int32 s = E.Schritt(r, c);
    E.Terme();
    return s;
}

void Zeilenstufenform(TLGSMatrix& M, bool Kommentar) {
    PruefeGroesse(M.Zeilen, M.Spalten, LGSMaxSpalten);
    LGSVorzeichen = Eins;
    ZeilenMarkenLoeschen();
    TElimination E(M, Kommentar);
    std::array<Int32, LGSMaxZeilen + 1> pivot{};
    const bool bestimmt = Eliminiere(E, false, pivot);
    E.Terme();
    if (Kommentar) {
        NeueZeile();
        Schreibe("Zeilenstufenform: ");
        ZeigeMatrixMitZeilenOp(M);
        if (!bestimmt) {
            NeueZeile();
            SchreibeUnklarObNull(E.Unklar, "das Pivotelement");
        }
    }
}

namespace {

// The solution vector s by back substitution from the last pivot row up (free variable s is 1, the others
// 0; s = 0: all 0), through terms.
void LoeseRueckwaerts(const TLGSMatrix& E, Int32 n, Int32 rang,
                      const std::array<Int32, LGSMaxZeilen + 1>& pivot,
                      const std::array<Int32, LGSMaxSpalten + 1>& frei, Int32 s,
                      std::array<TTerm*, LGSMaxSpalten + 1>& x) {
    for (Int32 j = 1; j <= n; ++j)
        if (frei[size_t(j)] != 0) x[size_t(j)] = frei[size_t(j)] == s ? Eins : Null;
    for (Int32 r = rang; r >= 1; --r) {
        const Int32 p = pivot[size_t(r)];
        TTerm* summe = Null;
        // Left of the pivot only columns without a pivot can hold entries not known to be 0.
        for (Int32 j = 1; j <= n; ++j)
            if (j != p && x[size_t(j)] && !Eintrag(E, r, j)->IstNull())
                summe = Summe(summe, Produkt(Eintrag(E, r, j), x[size_t(j)]));
        TTerm* T = Quotient(Differenz(s == 0 ? Eintrag(E, r, n + 1) : Null, summe), Eintrag(E, r, p));
        VereinfacheTerm(T);
        x[size_t(p)] = T;
    }
}

TLGSMatrix Spalte(const TLGSMatrix& X, Int32 s) {
    TLGSMatrix v;
    v.Zeilen = X.Zeilen;
    v.Spalten = 1;
    for (Int32 j = 1; j <= X.Zeilen; ++j) v.a[j][1] = X.a[j][s];
    return v;
}

} // namespace

void LoeseLGS(const TLGSMatrix& A, const TLGSMatrix& b, TLGSMatrix& X, bool Kommentar, bool Ergebnis) {
    PruefeGroesse(A.Zeilen, A.Spalten, LGSMaxUnbekannte);
    LGSVorzeichen = Eins;
    ZeilenMarkenLoeschen();
    Ergebnis = Ergebnis || Kommentar;
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

    TElimination elimination(E, Kommentar);
    std::array<Int32, LGSMaxZeilen + 1> pivot{};
    bool bestimmt = Eliminiere(elimination, Kommentar, pivot);
    // The rows with a pivot among the variables come first; a pivot in the right side makes the system
    // unsolvable where the row is 0 left of it.
    Int32 rang = 0;
    while (rang < m && pivot[size_t(rang + 1)] >= 1 && pivot[size_t(rang + 1)] <= n) ++rang;
    bool unerfuellbar = rang < m && pivot[size_t(rang + 1)] == n + 1;
    for (Int32 j = 1; unerfuellbar && j <= n; ++j)
        if (elimination.Nullheit(rang + 1, j) != TNullheit::Null) {
            unerfuellbar = bestimmt = false;
            elimination.Unklar = Eintrag(E, rang + 1, j);
            elimination.UnklareSpalte = j;
        }
    // An undecided entry among the variables leaves the rank open; one in the right side only the question
    // whether the system has a solution.
    const bool rangOffen = !bestimmt && elimination.UnklareSpalte <= n;
    if (unerfuellbar) {
        NeueZeile();
        X.Spalten = 0;
        SchreibeZeile("Gleichungssystem unerfüllbar");
    }
    if (Ergebnis) {
        NeueZeile();
        NeueZeile();
        Schreibe("*u<Rang des Gleichungssystems>:");
        SchreibeZeile(rangOffen ? " nicht bestimmbar" : " " + std::to_string(rang));
        if (!bestimmt) SchreibeUnklarObNull(elimination.Unklar, "das Pivotelement");
        if (!bestimmt && !rangOffen) SchreibeZeile("Ob das Gleichungssystem lösbar ist, bleibt daher offen.");
    }
    if (unerfuellbar || !bestimmt) {
        X.Spalten = 0;
        return;
    }

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

    // Vector 0 solves the system with every free variable 0; vector s >= 1, the direction of free variable
    // s, solves the homogeneous system with that variable 1 and the others 0.
    X.Spalten = anzahlFrei + 1;
    for (Int32 s = 0; s <= anzahlFrei; ++s) {
        PruefeAbbruch();
        std::array<TTerm*, LGSMaxSpalten + 1> x{};
        if (!elimination.ExaktAktiv || !elimination.Exakt.Loese(n, rang, pivot, frei, s, x)) {
            elimination.Terme();
            LoeseRueckwaerts(E, n, rang, pivot, frei, s, x);
        }
        for (Int32 j = 1; j <= n; ++j) X.a[j][s + 1] = x[size_t(j)];
    }

    if (!Ergebnis) return;
    Schreibe(anzahlFrei == 0 ? "Eindeutige Lösung: x = " : "Allgemeine Lösung: x = ");
    ZeigeMatrix(Spalte(X, 1));
    for (Int32 s = 1; s <= anzahlFrei; ++s) {
        Schreibe("+k*i<" + std::to_string(s) + ">");
        ZeigeMatrix(Spalte(X, s + 1));
    }
    NeueZeile();
}

} // namespace zol
