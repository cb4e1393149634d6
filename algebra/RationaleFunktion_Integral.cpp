// Integration of rational functions: the polynomial part by division, then either the partial fractions
// with logarithms, arctangents and the reduction for powers of quadratic factors, or, for a denominator of
// degree 2, the split into a logarithmic part and a completed square with a substitution.
#include <cmath>
#include <string>

#include "algebra/PartialBrueche.h"
#include "algebra/Protokollblock.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "steps/Gleichungen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

TTerm* F(const char* name, TTerm* u) {
    return StandardFunktionTerm(name, u);
}

TTerm* Ganz(Int64 n) {
    return RationaleKonstante(TBruch{n, 1});
}

TTerm* HochV(TTerm* B, Int64 n) {
    return Potenz(B, TBruch{n, 1});
}

// c1*x + c0 as a term.
TTerm* Linear(TTerm* c1, TTerm* c0) {
    TPolynom P;
    P.Grad = c1->IstNull() ? 0 : 1;
    P.Koeff[1] = c1;
    P.Koeff[0] = c0;
    return PolynomToTerm(P);
}

bool EndlicherWert(TTerm* T, Extended& w) {
    bool definiert = false;
    w = T ? T->Wert(0, definiert) : 0;
    return T && definiert && std::isfinite(w);
}

// The value of every coefficient of P; false when one has none.
bool Koeffizientenwerte(const TPolynom& P, Extended* w) {
    for (Int32 i = 0; i <= P.Grad; ++i)
        if (!EndlicherWert(P.Koeff[i], w[i])) return false;
    return true;
}

// The integral sign with the bounds, the integrand (a sum in brackets) and " d" with the variable letter.
void SchreibeIntegral(TTerm* a, TTerm* b, TTerm* T) {
    SchreibeIntegralzeichen(a, b);
    if (IstOperatorTerm(T) && HatOperator(T, "+-")) {
        const auto G = static_cast<Single>(Schriftgroesse);
        FuegeFolieAn(KlammerFolie(T->Folie(G), false, G));
    } else {
        SchreibeTerm(T);
    }
    Schreibe(" d" + VariablenText());
}

class TRationalesIntegral {
public:
    TRationalesIntegral(TRationaleFunktion& f, TTerm* a, TTerm* b, Int32 Stufe)
        : f(f.Term), Z(f.Zaehler), N(f.Nenner), a(a), b(b), Stufe(Stufe),
          Buchstabe(NaechsterVariablenname(Variablenbuchstabe)) {}

    TTerm* Berechne();

private:
    TTerm* f;
    TPolynom Z, N;
    TTerm *a, *b;
    Int32 Stufe;
    // The letter of the substitution variable.
    char Buchstabe;
    // The bounds' values, lower first, when both have one.
    bool Werte = false;
    Extended Unten = 0, Oben = 0;
    // The sign of the denominator on [a; b] was not decided.
    bool Unklar = false;
    TTerm* Ergebnis = Null;
    // f, or after the division the proper fraction that remains.
    TTerm* Bruch = nullptr;

    bool Grenzen() const { return a != nullptr; }
    TTerm* ExistiertNicht();
    bool PolImIntervall(Extended x0) const { return Werte && x0 >= Unten && x0 <= Oben; }
    bool NennerNullstelleImIntervall() const;
    // Adds the antiderivative G, taken between the bounds, to the result; false when it has no value there.
    bool Addiere(TTerm* G);
    bool Partialbrueche();
    bool Quadratisch();
    bool QuadratischeErgaenzungsteil(TTerm* p, TTerm* q, TTerm* beta);
};

TTerm* TRationalesIntegral::ExistiertNicht() {
    if (Kommentare) {
        Schreibe("Integral ");
        SchreibeIntegral(a, b, f);
        SchreibeZeile(" existiert nicht, da der Nenner im Integrationsintervall Nullstellen besitzt.");
    }
    return nullptr;
}

// A zero of a denominator of degree 1 or 2 in [a; b], from the coefficients' values.
bool TRationalesIntegral::NennerNullstelleImIntervall() const {
    Extended n[3] = {};
    if (N.Grad > 2 || !Koeffizientenwerte(N, n)) return false;
    if (N.Grad == 1) return PolImIntervall(-n[0] / n[1]);
    const Extended d = n[1] * n[1] - 4 * n[2] * n[0];
    if (d < 0) return false;
    return PolImIntervall((-n[1] - std::sqrt(d)) / (2 * n[2])) ||
           PolImIntervall((-n[1] + std::sqrt(d)) / (2 * n[2]));
}

bool TRationalesIntegral::Addiere(TTerm* G) {
    TTerm* W = IntegralAuswerten(G, a, b, VariableX);
    if (!W) return false;
    Ergebnis = Summe(Ergebnis, W);
    return true;
}

TTerm* TRationalesIntegral::Berechne() {
    if (N.Grad == 0) {
        if (N.Koeff[0]->IstNull()) return nullptr;
        TPolynom S;
        for (Int32 i = 0; i <= Z.Grad; ++i) Z.Koeff[i] = Quotient(Z.Koeff[i], N.Koeff[0]);
        PStammfunktion(Z, S);
        return IntegralAuswerten(PolynomToTerm(S), a, b, VariableX);
    }
    if (Stufe <= 2 && N.Grad >= 3) return nullptr;

    if (Grenzen()) {
        Extended wa = 0, wb = 0;
        Werte = EndlicherWert(a, wa) && EndlicherWert(b, wb);
        Unten = std::min(wa, wb);
        Oben = std::max(wa, wb);
        // The interval runs from the smaller bound to the larger one.
        const bool vertauscht = Werte && wb < wa;
        auto* I = Neu<TIntervall>(TRand{vertauscht ? b : a, false}, TRand{vertauscht ? a : b, false});
        TWahrheitswert ungleichNull = unklar, nichtNegativ = unklar;
        UntersucheVorzeichen(PolynomToTerm(N), I, ungleichNull, nichtNegativ);
        if (ungleichNull == falsch) return ExistiertNicht();
        if (ungleichNull == unklar) {
            if (Kommentare) SchreibeZeile("Integrierbarkeit unklar.");
            Unklar = true;
            if (NennerNullstelleImIntervall()) return ExistiertNicht();
        }
    }

    if (Kommentare && !(N.Grad <= 2 && N.Grad > Z.Grad)) {
        Schreibe("Berechnung von ");
        SchreibeIntegral(a, b, f);
        NeueZeile();
    }

    Bruch = f;
    if (Z.Grad >= N.Grad) {
        if (Kommentare) SchreibeZeile("Grad des Zählers ist >= dem Grad des Nenners.");
        TPolynom Q, R, S;
        PDurch(Z, N, Q, R, Kommentare);
        Z = R;
        Bruch = RationaleFunktionToTerm(Z, N);
        TTerm* QT = PolynomToTerm(Q);
        if (Kommentare) {
            SchreibeIntegral(a, b, f);
            Schreibe(" = ");
            SchreibeIntegral(a, b, QT);
            if (!IstNullPolynom(R)) {
                Schreibe(" + ");
                SchreibeIntegral(a, b, Bruch);
            }
            NeueZeile();
            SchreibeIntegral(a, b, QT);
            Schreibe(" = ");
        }
        PStammfunktion(Q, S);
        if (!Addiere(PolynomToTerm(S))) return nullptr;
        if (IstNullPolynom(R)) return Ergebnis;
    }

    if (!(N.Grad == 2 ? Quadratisch() : Partialbrueche())) return nullptr;
    return Ergebnis;
}

// ---- Partial fractions ----

bool TRationalesIntegral::Partialbrueche() {
    if (PartialbruchVorhanden && PGleich(Z, PartialbruchZaehler) && PGleich(N, PartialbruchNenner)) {
        if (Kommentare) SchreibeZeile("Aus der Partialbruch-Zerlegung ergibt sich:");
    } else {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        bool vollstaendig = false;
        // The fraction is named f only where it is f: not a remainder, a substituted or any other integrand.
        Partialbruchzerlegung(Z, N, PartialbruchNullstellen, PartialbruchQuadFaktoren, PartialbruchA,
                              PartialbruchB, PartialbruchC, vollstaendig, Kommentare,
                              IstFunktionF(Z, N) ? "f" : "r");
    }
    if (!PartialbruchVorhanden) {
        if (Kommentare) SchreibeZeile("Stammfunktion nicht bestimmt.");
        return false;
    }
    TSListe* nullstellen = PartialbruchNullstellen;
    // An undecided sign: the zeros of the decomposition decide whether a pole lies between the bounds.
    if (Unklar) {
        for (Int32 i = 1; i <= PartialbruchA.Zeilen; ++i) {
            Extended x0 = 0;
            if (EndlicherWert(nullstellen->Stellen[i]->Punkt, x0) && PolImIntervall(x0)) {
                ExistiertNicht();
                return false;
            }
        }
    }

    TTerm* x = VariableX;
    for (Int32 i = 1; i <= PartialbruchA.Zeilen; ++i) {
        TTerm* d = Linear(Eins, nullstellen->Stellen[i]->Punkt->Negation());
        for (Int32 j = 1; j <= std::min(nullstellen->Stellen[i]->Vielfachheit, PartialbruchA.Spalten); ++j) {
            TTerm* A = PartialbruchA.a[i][j];
            if (A->IstNull()) continue;
            TTerm* G = j == 1 ? Produkt(A, F("ln", F("abs", d)))
                              : Produkt(Quotient(A, Ganz(1 - j)), Quotient(Eins, HochV(d, j - 1)));
            if (Kommentare) {
                SchreibeIntegral(a, b, Quotient(A, HochV(d, j)));
                Schreibe(" = ");
            }
            if (!Addiere(G)) return false;
        }
    }
    for (Int32 i = 1; i <= PartialbruchB.Zeilen; ++i) {
        const TQuadFaktor& faktor = PartialbruchQuadFaktoren[i];
        TTerm* p = faktor.p;
        TTerm* halbP = Quotient(p, Zwei);
        TTerm* D = Differenz(faktor.q, Produkt(halbP, halbP));
        VereinfacheKonstantenTerm(D);
        Extended wD = 0;
        // Only a factor without real zeros has a real root of D.
        if (!EndlicherWert(D, wD) || wD <= 0) {
            if (Kommentare) SchreibeZeile("Stammfunktion nicht bestimmt.");
            return false;
        }
        TTerm* c = ZieheWurzel(D, 2);
        TTerm* u = Summe(x, halbP);
        TPolynom QP;
        PQuadFaktorHoch(p, faktor.q, 1, QP);
        TTerm* Qt = PolynomToTerm(QP);
        TReduktion R{nullptr, 1, D, c};
        for (Int32 j = 1; j <= std::min(faktor.Vielfachheit, PartialbruchB.Spalten); ++j) {
            R.k = j;
            IntegralReduktion(R);
            TTerm* B = PartialbruchB.a[i][j];
            TTerm* C = PartialbruchC.a[i][j];
            if (B->IstNull() && C->IstNull()) continue;
            TTerm* halbB = Quotient(B, Zwei);
            TTerm* rest = Differenz(C, Produkt(halbB, p));
            TTerm* restDurchC = Quotient(rest, c);
            VereinfacheKonstantenTerm(restDurchC);
            TTerm* G =
                j == 1 ? Summe(Produkt(halbB, F("ln", Qt)), Produkt(restDurchC, F("arctan", Quotient(u, c))))
                       : Summe(Produkt(Quotient(B, Ganz(2 - 2 * j)), Quotient(Eins, HochV(Qt, j - 1))),
                               Produkt(rest, R.I->Ersetze(x, u)));
            if (Kommentare) {
                SchreibeIntegral(a, b, Quotient(Linear(B, C), HochV(Qt, j)));
                Schreibe(" = ");
            }
            if (!Addiere(G)) return false;
        }
    }
    if (Kommentare) {
        SchreibeIntegral(a, b, f);
        SchreibeTextTermZeile(" = ", Ergebnis);
    }
    if (Ergebnis->IstKonstant) {
        TTerm* vorher = Ergebnis;
        VereinfacheKonstantenTerm(Ergebnis);
        if (Kommentare && Ergebnis != vorher) SchreibeTextTermZeile(" = ", Ergebnis);
    }
    return true;
}

// ---- A denominator of degree 2 ----

bool TRationalesIntegral::Quadratisch() {
    TTerm* x = VariableX;
    TTerm *n2 = N.Koeff[2], *z1 = Z.Koeff[1], *z0 = Z.Koeff[0];
    TTerm* p = Quotient(N.Koeff[1], n2);
    TTerm* q = Quotient(N.Koeff[0], n2);
    VereinfacheKonstantenTerm(p);
    VereinfacheKonstantenTerm(q);
    TPolynom QP;
    PQuadFaktorHoch(p, q, 1, QP);
    TTerm* Qt = PolynomToTerm(QP);

    if (p->IstNull() && q->IstNull()) {
        // N = n2*x^2.
        TTerm* a1 = Quotient(z1, n2);
        TTerm* a0 = Quotient(z0, n2);
        if (Kommentare) {
            SchreibeIntegral(a, b, Bruch);
            Schreibe(" = ");
            SchreibeIntegral(a, b, Summe(Produkt(a1, Quotient(Eins, x)), Produkt(a0, Quotient(Eins, Qt))));
            Schreibe(" = ");
        }
        return Addiere(Differenz(Produkt(a1, F("ln", F("abs", x))), Produkt(a0, Quotient(Eins, x))));
    }

    // Z/N = alpha*(2x + p)/Qt + beta/Qt.
    TTerm* alpha = Quotient(z1, Produkt(Zwei, n2));
    TTerm* beta = Differenz(Quotient(z0, n2), Produkt(alpha, p));
    VereinfacheKonstantenTerm(alpha);
    VereinfacheKonstantenTerm(beta);
    TTerm* logBruch = Quotient(Linear(Zwei, p), Qt);
    if (Kommentare) {
        TTerm* zerlegt = Summe(Produkt(alpha, logBruch), Quotient(beta, Qt));
        if (zerlegt->IstGleich(Bruch)) {
            Schreibe("Berechnung von ");
            SchreibeIntegral(a, b, Bruch);
        } else {
            SchreibeIntegral(a, b, Bruch);
            Schreibe(" = ");
            SchreibeIntegral(a, b, zerlegt);
        }
        NeueZeile();
    }
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        if (!alpha->IstNull()) {
            if (Kommentare) {
                if (!alpha->IstGleich(Eins)) SchreibeTerm(alpha);
                SchreibeIntegral(a, b, logBruch);
                Schreibe(" = ");
            }
            if (!Addiere(Produkt(alpha, F("ln", F("abs", Qt))))) return false;
        }
        if (beta->IstNull()) return true;
        if (!QuadratischeErgaenzungsteil(p, q, beta)) return false;
    }
    if (Grenzen() && Ergebnis->IstKonstant) VereinfacheKonstantenTerm(Ergebnis);
    if (Kommentare && !alpha->IstNull()) {
        SchreibeIntegral(a, b, f);
        SchreibeTextTermZeile(" = ", Ergebnis);
    }
    return true;
}

// The integral of beta/(x^2 + p*x + q): completing the square, substituting z = x + p/2 and the closed form
// by the sign of K = q - p^2/4.
bool TRationalesIntegral::QuadratischeErgaenzungsteil(TTerm* p, TTerm* q, TTerm* beta) {
    TTerm* x = VariableX;
    Extended K = 0;
    TTerm *u = nullptr, *Qn = nullptr, *S = nullptr, *r = nullptr, *T = nullptr;
    QuadratischeErgaenzung(Eins, p, q, K, u, Qn, S, r, T);
    if (!std::isfinite(K)) {
        if (Kommentare) SchreibeZeile("Stammfunktion nicht bestimmt.");
        return false;
    }
    const bool mitP = !p->IstNull();
    TTerm* z = BenannteKonstante(std::string(1, Buchstabe));
    TTerm* k = BenannteKonstante("k");
    TTerm* halbP = Quotient(p, Zwei);
    TTerm* ua = Grenzen() ? SummeV(a, halbP) : nullptr;
    TTerm* ub = Grenzen() ? SummeV(b, halbP) : nullptr;
    const std::string xText = VariablenText();
    const std::string zText(1, Buchstabe);
    if (Kommentare) {
        TPolynom QP;
        PQuadFaktorHoch(p, q, 1, QP);
        SchreibeIntegral(a, b, Quotient(beta, PolynomToTerm(QP)));
        if (mitP) {
            Schreibe(" = (quadratische Ergänzung) ");
            SchreibeIntegral(a, b, Quotient(beta, S));
            NeueZeile();
            SchreibeTextTerm("Substitution von ", u);
            SchreibeTextTerm(" = ", z);
            Schreibe(", d" + xText + " = d" + zText + " " + " ergibt ");
        }
        if (K != 0) SchreibeTextTermText(" (mit k = ", r, ")");
        Schreibe(mitP ? " :" : " = ");
        SchreibeIntegralzeichen(ua, ub);
        SchreibeTerm(Quotient(beta, T));
        Schreibe(" d" + (mitP ? zText : xText));
    }

    // The antiderivative in the integration variable v, with k standing for r.
    TTerm* v = Kommentare && mitP ? z : x;
    auto stammfunktion = [&](TTerm* v, TTerm* k) -> TTerm* {
        if (K > 0) return Produkt(Quotient(beta, k), F("arctan", Quotient(v, k)));
        if (K == 0) return Quotient(beta->Negation(), v);
        return Produkt(Quotient(beta, Produkt(Zwei, k)),
                       F("ln", F("abs", Quotient(Differenz(v, k), Summe(v, k)))));
    };
    TTerm* Fv = stammfunktion(v, k);
    TTerm* W = nullptr;
    if (Grenzen()) {
        if (Kommentare) {
            Schreibe(" = ");
            SchreibeAuswertung(Fv, ua, ub);
            Schreibe(" = ");
        }
        W = IntegralAuswerten(K != 0 ? Fv->Ersetze(k, r) : Fv, ua, ub, v);
        if (!W) return false;
    } else {
        if (Kommentare) SchreibeTextTerm(" = ", Fv);
        if (K < 0) {
            TTerm* links = Linear(Eins, Differenz(halbP, r));
            TTerm* rechts = Linear(Eins, Summe(halbP, r));
            W = Produkt(Quotient(beta, Produkt(Zwei, r)), F("ln", F("abs", Quotient(links, rechts))));
        } else {
            W = stammfunktion(u, r);
        }
        if (Kommentare) SchreibeTextTermZeile(" = ", W);
    }
    Ergebnis = Summe(Ergebnis, W);
    return true;
}

} // namespace

void IntegralReduktion(TReduktion& R) {
    TTerm* x = VariableX;
    if (!R.I) {
        R.I = Produkt(Quotient(Eins, R.c), F("arctan", Quotient(x, R.c)));
        return;
    }
    const Int64 k = R.k;
    TTerm* basis = Summe(HochV(x, 2), R.D);
    TTerm* erster = Produkt(Quotient(Eins, Produkt(Ganz(2 * (k - 1)), R.D)),
                            Quotient(x, PotenzRadikal(basis, TBruch{k - 1, 1})));
    TTerm* zweiter = Produkt(Quotient(Ganz(2 * k - 3), Produkt(Ganz(2 * k - 2), R.D)), R.I);
    R.I = Summe(erster, zweiter);
}

TTerm* TRationaleFunktion::Integral(TTerm* a, TTerm* b, Int32 Stufe) {
    // A value needs both bounds.
    if (!a || !b) a = b = nullptr;
    TWechsel<Int32> einzug(Einrueckung, Einrueckung);
    TProtokoll protokoll(ProtokollNormalform,
                         "TRationaleFunktionIntegral,Stufe:" + std::to_string(Stufe) + ":", Term);
    TRationalesIntegral integral(*this, a, b, Stufe);
    TTerm* R = integral.Berechne();
    protokoll.Ende("TRationaleFunktionIntegral=", R);
    return R;
}

} // namespace zol
