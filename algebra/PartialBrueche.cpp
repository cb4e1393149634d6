// Partial fractions: the ansatz over the factors of the denominator, the coefficient comparison as a linear
// system, the result term, and the step of page 3.
#include "algebra/PartialBrueche.h"

#include <algorithm>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/PolynomZerlegungen.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

bool PartialbruchVorhanden = false;
TPolynom PartialbruchZaehler;
TPolynom PartialbruchNenner;
TSListe* PartialbruchNullstellen = nullptr;
TQuadFaktorListe PartialbruchQuadFaktoren;
TLGSMatrix PartialbruchA;
TLGSMatrix PartialbruchB;
TLGSMatrix PartialbruchC;
TPolynom PartialbruchPolynomteil;

void SetzePartialbruchZurueck() {
    PartialbruchVorhanden = false;
    PartialbruchZaehler = NullPolynom;
    PartialbruchNenner = NullPolynom;
    PartialbruchNullstellen = NeueLeereListe();
    PartialbruchQuadFaktoren = TQuadFaktorListe{};
    PartialbruchA = TLGSMatrix{};
    PartialbruchB = TLGSMatrix{};
    PartialbruchC = TLGSMatrix{};
    PartialbruchPolynomteil = NullPolynom;
}

namespace {

// The linear system holds at most this many coefficients, so the denominator's degree is limited to it.
constexpr Int32 MaxNennergrad = LGSMaxUnbekannte;

// x - a as a term.
TTerm* Linearfaktor(TTerm* a) {
    TPolynom L;
    PLinearfaktorHoch(a, 1, L);
    return PolynomToTerm(L);
}

// x^2 + p*x + q as a term.
TTerm* QuadFaktor(TTerm* p, TTerm* q) {
    TPolynom Q;
    PQuadFaktorHoch(p, q, 1, Q);
    return PolynomToTerm(Q);
}

// F^j, written as a power only for j > 1.
TTerm* HochTerm(TTerm* F, Int32 j) {
    return j == 1 ? F : PotenzTerm(F, Int64(j));
}

// b*x + c as a term.
TTerm* LinearerZaehler(TTerm* b, TTerm* c) {
    TPolynom P;
    P.Grad = 1;
    P.Koeff[1] = b;
    P.Koeff[0] = c;
    if (b->IstNull()) P.Grad = 0;
    return PolynomToTerm(P);
}

// One fraction of the ansatz: L/(x - x_i)^j or (L1*x + L2)/(x^2 + p_i*x + q_i)^j.
struct TAnsatzglied {
    bool Quadratisch = false;
    // The number of the zero or of the quadratic factor, and the power.
    Int32 i = 0;
    Int32 j = 0;
    // The column of the (first) letter in the system.
    Int32 Spalte = 0;
    // x - x_i or x^2 + p_i*x + q_i as a term, and its j-th power as a polynomial.
    TTerm* Basis = nullptr;
    TPolynom Potenz;
};

TTerm* Buchstabe(Int32 Spalte) {
    return BenannteKonstante(std::string(1, char('A' + Spalte - 1)));
}

// "A" alone; otherwise each letter but the last with a comma, then " und " and the last one.
std::string Buchstabenliste(Int32 n) {
    std::string s;
    for (Int32 k = 1; k < n; ++k) s += std::string(1, char('A' + k - 1)) + ",";
    if (n > 1) s += " und ";
    return s + std::string(1, char('A' + n - 1));
}

// The numerator of a fraction of the ansatz in its letters.
TTerm* AnsatzZaehler(const TAnsatzglied& g) {
    if (!g.Quadratisch) return Buchstabe(g.Spalte);
    return OperatorTerm(OperatorTerm(Buchstabe(g.Spalte), VariableX, '*'), Buchstabe(g.Spalte + 1), '+');
}

// N without the factor power of g, as the product of the leading coefficient and the other factor powers.
TTerm* KofaktorTerm(const TZerlegung& Zer, const TAnsatzglied& g) {
    TTerm* T = Zer.Leitkoeffizient->IstGleich(Eins) ? nullptr : Zer.Leitkoeffizient;
    auto mal = [&T](TTerm* F, Int32 m) {
        if (m <= 0) return;
        TTerm* P = HochTerm(F, m);
        T = T ? OperatorTerm(T, P, '*') : P;
    };
    for (Int32 i = 1; i <= Zer.Liste->Anzahl; ++i) {
        const Int32 m = Zer.Liste->Stellen[i]->Vielfachheit - (!g.Quadratisch && g.i == i ? g.j : 0);
        mal(Linearfaktor(Zer.Liste->Stellen[i]->Punkt), m);
    }
    for (Int32 i = 1; i <= Zer.Anzahl; ++i) {
        const Int32 m = Zer.QuadListe[i].Vielfachheit - (g.Quadratisch && g.i == i ? g.j : 0);
        mal(QuadFaktor(Zer.QuadListe[i].p, Zer.QuadListe[i].q), m);
    }
    return T ? T : Eins;
}

} // namespace

TTerm* PartialbruchTerm(TSListe* Nullstellen, const TQuadFaktorListe& QuadFaktoren, const TLGSMatrix& A,
                        const TLGSMatrix& B, const TLGSMatrix& C, TTerm* Start) {
    TTerm* R = Start ? Start : Null;
    for (Int32 i = 1; Nullstellen && i <= std::min(Nullstellen->Anzahl, A.Zeilen); ++i) {
        TTerm* d = Linearfaktor(Nullstellen->Stellen[i]->Punkt);
        for (Int32 j = 1; j <= std::min(Nullstellen->Stellen[i]->Vielfachheit, A.Spalten); ++j) {
            TTerm* w = A.a[i][j];
            if (w->IstNull()) continue;
            TTerm* nenner = Potenz(d, TBruch{j, 1});
            // A coefficient with a parameter, such as -a+1, is subtracted without its sign: - (a-1)/(x+1).
            TTerm* betrag = nullptr;
            if (EnthaeltParameter(w) ? NegativesVorzeichen(w, betrag) : HatNegativesVorzeichen(w))
                R = Differenz(R, Quotient(betrag ? betrag : w->Negation(), nenner));
            else
                R = Summe(R, Quotient(betrag ? betrag : w, nenner));
        }
    }
    for (Int32 i = 1; i <= B.Zeilen; ++i) {
        TTerm* Q = QuadFaktor(QuadFaktoren[i].p, QuadFaktoren[i].q);
        for (Int32 j = 1; j <= std::min(QuadFaktoren[i].Vielfachheit, B.Spalten); ++j) {
            if (B.a[i][j]->IstNull() && C.a[i][j]->IstNull()) continue;
            R = Summe(R, Quotient(LinearerZaehler(B.a[i][j], C.a[i][j]), Potenz(Q, TBruch{j, 1})));
        }
    }
    return R;
}

namespace {

// The ansatz over the factors of N, multiplied out, and the coefficients from the linear system into A, B
// and C; false when the system has no unique solution.
bool LoeseAnsatz(const TPolynom& Z, const TPolynom& N, const TZerlegung& Zer, TLGSMatrix& A, TLGSMatrix& B,
                 TLGSMatrix& C, bool Kommentar, const std::string& Name) {
    // The ansatz in letter order: the real zeros first, then the quadratic factors.
    std::vector<TAnsatzglied> glieder;
    Int32 n = 0, hoechste = 0;
    for (Int32 i = 1; i <= Zer.Liste->Anzahl; ++i) {
        TTerm* x0 = Zer.Liste->Stellen[i]->Punkt;
        const Int32 m = Zer.Liste->Stellen[i]->Vielfachheit;
        hoechste = std::max(hoechste, m);
        for (Int32 j = 1; j <= m; ++j) {
            TAnsatzglied g{false, i, j, ++n, Linearfaktor(x0), {}};
            PLinearfaktorHoch(x0, j, g.Potenz);
            glieder.push_back(g);
        }
    }
    for (Int32 i = 1; i <= Zer.Anzahl; ++i) {
        const TQuadFaktor& f = Zer.QuadListe[i];
        hoechste = std::max(hoechste, f.Vielfachheit);
        for (Int32 j = 1; j <= f.Vielfachheit; ++j) {
            TAnsatzglied g{true, i, j, n + 1, QuadFaktor(f.p, f.q), {}};
            n += 2;
            PQuadFaktorHoch(f.p, f.q, j, g.Potenz);
            glieder.push_back(g);
        }
    }
    if (n != N.Grad) return false;

    if (Kommentar) {
        TTerm* ansatz = nullptr;
        for (const TAnsatzglied& g : glieder) {
            TTerm* t = OperatorTerm(AnsatzZaehler(g), HochTerm(g.Basis, g.j), '/');
            ansatz = ansatz ? OperatorTerm(ansatz, t, '+') : t;
        }
        SchreibeUnterstrichen("Ansatz:");
        Schreibe(" " + Name + "(" + VariablenText() + ") = ");
        SchreibeTermZeile(ansatz);
        // Multiplied by N, the ansatz gives the numerator Z.
        Schreibe("Multiplikation mit dem Nenner :");
        SchreibeTerm(PolynomToTerm(Z));
        Schreibe(" = ");
        bool erstes = true;
        for (const TAnsatzglied& g : glieder) {
            if (!erstes) Schreibe(" + ");
            erstes = false;
            TTerm* kofaktor = KofaktorTerm(Zer, g);
            SchreibeTerm(kofaktor == Eins ? AnsatzZaehler(g) : OperatorTerm(AnsatzZaehler(g), kofaktor, '*'));
        }
        NeueZeile();
    }

    // Column k holds the coefficients of letter k's cofactor, row 1 those of x^(n-1) down to row n for x^0.
    TLGSMatrix M = NeueLGSMatrix(n, n);
    TLGSMatrix rechts = NeueLGSMatrix(n, 1);
    auto spalte = [&](Int32 k, const TPolynom& kofaktor) {
        for (Int32 r = 1; r <= n; ++r) M.a[r][k] = kofaktor.Koeff[n - r];
    };
    for (const TAnsatzglied& g : glieder) {
        TPolynom kofaktor, rest;
        PDurch(N, g.Potenz, kofaktor, rest, false);
        if (g.Quadratisch) {
            TPolynom xKofaktor;
            PMal(kofaktor, XPolynom, xKofaktor);
            spalte(g.Spalte, xKofaktor);
            spalte(g.Spalte + 1, kofaktor);
        } else {
            spalte(g.Spalte, kofaktor);
        }
    }
    for (Int32 r = 1; r <= n; ++r) rechts.a[r][1] = Z.Koeff[n - r];
    if (Kommentar) {
        // Each coefficient of the multiplied-out sum with its added letters first, then the subtracted ones.
        TPolynom ausmultipliziert;
        ausmultipliziert.Grad = n - 1;
        for (Int32 r = 1; r <= n; ++r) {
            TTerm*& s = ausmultipliziert.Koeff[n - r];
            for (Int32 k = 1; k <= n; ++k)
                if (!HatNegativesVorzeichen(M.a[r][k])) s = Summe(s, Produkt(M.a[r][k], Buchstabe(k)));
            for (Int32 k = 1; k <= n; ++k)
                if (HatNegativesVorzeichen(M.a[r][k]))
                    s = Differenz(s, Produkt(M.a[r][k]->Negation(), Buchstabe(k)));
        }
        Schreibe("Ausmultiplizieren ergibt: ");
        SchreibeTermZeile(PolynomToTerm(ausmultipliziert));
        Schreibe("Koeffizientenvergleich mit ");
        SchreibeTerm(PolynomToTerm(Z));
        Schreibe(" ergibt ein LGS für ");
        SchreibeZeile(Buchstabenliste(n));
    }

    TLGSMatrix X;
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        LoeseLGS(M, rechts, X, Kommentar);
    }
    if (X.Spalten != 1) return false;

    A = NeueLGSMatrix(Zer.Liste->Anzahl, hoechste);
    B = NeueLGSMatrix(Zer.Anzahl, hoechste);
    C = NeueLGSMatrix(Zer.Anzahl, hoechste);
    for (const TAnsatzglied& g : glieder) {
        if (g.Quadratisch) {
            B.a[g.i][g.j] = X.a[g.Spalte][1];
            C.a[g.i][g.j] = X.a[g.Spalte + 1][1];
        } else {
            A.a[g.i][g.j] = X.a[g.Spalte][1];
        }
    }
    if (Kommentar) {
        for (Int32 k = 1; k <= n; ++k) {
            Schreibe(" " + Buchstabe(k)->Text + " =");
            SchreibeTerm(X.a[k][1]);
            Schreibe(", ");
        }
        NeueZeile();
        SchreibeUnterstrichen("Ergebnis der Partialbruch-Zerlegung");
        Schreibe(": " + Name + "(" + VariablenText() + ") = ");
        SchreibeTermZeile(PartialbruchTerm(Zer.Liste, Zer.QuadListe, A, B, C));
    }
    return true;
}

} // namespace

void Partialbruchzerlegung(TPolynom Z, TPolynom N, TSListe*& Nullstellen, TQuadFaktorListe& QuadFaktoren,
                           TLGSMatrix& A, TLGSMatrix& B, TLGSMatrix& C, bool& Vollstaendig, bool Kommentar,
                           const std::string& Name) {
    PartialbruchZaehler = Z;
    PartialbruchNenner = N;
    PartialbruchVorhanden = false;
    Vollstaendig = false;
    if (Z.Grad >= N.Grad) {
        Schreibe("Der Grad des Zählers ist >= dem Grad des Nenners! ");
        return;
    }
    auto nichtMoeglich = [Kommentar] {
        if (Kommentar) SchreibeZeile("Partialbruch-Zerlegung nicht möglich.");
    };
    if (Kommentar) {
        SchreibeUnterstrichen("Partialbruch-Zerlegung");
        Schreibe(" von " + Name + "(" + VariablenText() + ") = ");
        SchreibeTermZeile(RationaleFunktionToTerm(Z, N));
    }
    if (N.Grad > MaxNennergrad) return nichtMoeglich();

    TZerlegung Zer;
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        PZerlegung(N, Zer, Kommentar);
    }
    Nullstellen = Zer.Liste;
    QuadFaktoren = Zer.QuadListe;
    Vollstaendig = Zer.Vollstaendig;
    if (!Vollstaendig) return nichtMoeglich();
    // The ansatz, its multiplied-out form and the system stand on the page only when they give the
    // coefficients; where they do not, a short account takes the place of their pages of terms.
    const std::string koeffizienten = "Die Koeffizienten " + Buchstabenliste(N.Grad);
    try {
        TStilleSeite entwurf;
        if (LoeseAnsatz(Z, N, Zer, A, B, C, Kommentar, Name)) {
            entwurf.Zeigen();
            PartialbruchVorhanden = true;
            return;
        }
    } catch (const ERessourcen& e) {
        // A system beyond the limits of the arithmetic: no decomposition, the request goes on.
        if (Kommentar) {
            SchreibeZeile(koeffizienten + " lassen sich mit exakten Termen nicht bestimmen:");
            SchreibeZeile(e.what());
        }
        return nichtMoeglich();
    }
    if (Kommentar) SchreibeZeile(koeffizienten + " lassen sich nicht eindeutig bestimmen.");
    nichtMoeglich();
}

// ---- The step ----

namespace {
bool RationaleFunktionVonF(TPolynom& Z, TPolynom& N, bool Berechnen);
} // namespace

bool IstFunktionF(const TPolynom& Z, const TPolynom& N) {
    TPolynom fZ, fN;
    return Variablenbuchstabe == 'x' && RationaleFunktionVonF(fZ, fN, false) && PGleich(Z, fZ) &&
           PGleich(N, fN);
}

namespace {

// f as numerator and denominator when its normal form is a polynomial or a rational function; the form is
// computed only when Berechnen is set.
bool RationaleFunktionVonF(TPolynom& Z, TPolynom& N, bool Berechnen) {
    if (!FTerm) return false;
    if (Berechnen) FTerm->HoleNormalform();
    TNormalform* form = FTerm->Normalform;
    if (auto* r = dynamic_cast<TRationaleFunktion*>(form)) {
        Z = r->Zaehler;
        N = r->Nenner;
        return true;
    }
    if (auto* r = dynamic_cast<TRationaleNormalform*>(form)) {
        TPolynom potenz;
        PHoch(r->P2, r->k, potenz);
        PMal(r->P1, potenz, Z);
        PHoch(r->P3, r->m, N);
        return true;
    }
    if (auto* p = dynamic_cast<TPolynomTerm*>(form)) {
        Z = p->P;
        N = EinsPolynom;
        return true;
    }
    return false;
}

// Z divided by the constant polynomial N.
TPolynom DurchKonstante(TPolynom Z, const TPolynom& N) {
    for (Int32 i = 0; i <= Z.Grad; ++i) Z.Koeff[i] = Quotient(Z.Koeff[i], N.Koeff[0]);
    return Z;
}

} // namespace

void SchrittPartialbrueche() {
    Einrueckung = 0;
    PartialbruchPolynomteil = NullPolynom;
    TPolynom Z, N;
    // The kind of f as entered decides, as on the other pages: sqrt(x)^2 is no rational function though its
    // form is x, and a polynomial above the degree limit is one though it has no form.
    const TFunktionsklasse klasse = FTerm ? ArtVonF().Klasse : TFunktionsklasse::Andere;
    const bool form = klasse != TFunktionsklasse::Andere && RationaleFunktionVonF(Z, N, true);
    if (klasse == TFunktionsklasse::Andere || (klasse == TFunktionsklasse::GebrochenRational && !form)) {
        SchreibeZeile(klasse == TFunktionsklasse::Andere
                          ? "f ist keine rationale Funktion, hat also keine Partialbruchzerlegung."
                          : "Die Partialbruchzerlegung von f kann nicht bestimmt werden.");
        ZeichneSeite(0);
        return;
    }
    if (klasse == TFunktionsklasse::Polynom || N.Grad == 0) {
        PartialbruchA = PartialbruchB = PartialbruchC = TLGSMatrix{};
        if (form) PartialbruchPolynomteil = DurchKonstante(Z, N);
        if (klasse == TFunktionsklasse::Polynom) {
            SchreibeZeile("f ist ganzrational.");
        } else {
            // A quotient as entered that cancels to a polynomial: f is that polynomial on its range.
            SchreibeTextTermZeile("Kürzen (Polynomdivision) ergibt für alle x aus D : f(x) = ",
                                  PolynomToTerm(PartialbruchPolynomteil));
            SchreibeZeile("Der gekürzte Term ist ganzrational.");
        }
    } else {
        // After a division the decomposition is that of the remainder r, and f is the sum of both parts.
        const bool geteilt = Z.Grad >= N.Grad;
        if (geteilt) {
            if (Kommentare) SchreibeZeile("Grad des Zählers ist >= dem Grad des Nenners.");
            TPolynom Q, R;
            PDurch(Z, N, Q, R, Kommentare);
            PartialbruchPolynomteil = Q;
            Z = R;
        }
        SchreibeUeberschrift(2, "Bestimmung der Partialbruch-Zerlegung:");
        bool vollstaendig = false;
        Partialbruchzerlegung(Z, N, PartialbruchNullstellen, PartialbruchQuadFaktoren, PartialbruchA,
                              PartialbruchB, PartialbruchC, vollstaendig, Kommentare, geteilt ? "r" : "f");
        // Without comments the step still shows its result; with a polynomial part it ends with all of f.
        if (PartialbruchVorhanden && (!Kommentare || geteilt)) {
            TTerm* R = PartialbruchTerm(PartialbruchNullstellen, PartialbruchQuadFaktoren, PartialbruchA,
                                        PartialbruchB, PartialbruchC,
                                        geteilt ? PolynomToTerm(PartialbruchPolynomteil) : nullptr);
            SchreibeUnterstrichen("Ergebnis der Partialbruch-Zerlegung");
            Schreibe(": f(x) = ");
            SchreibeTermZeile(R);
        } else if (!Kommentare) {
            SchreibeZeile("Partialbruch-Zerlegung nicht möglich.");
        }
    }
    NeueZeile();
    Trennlinie();
    ZeichneSeite(0);
}

} // namespace zol
