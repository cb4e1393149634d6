// The zeros of a root form Z(x, w) / N(x, w), w = R^(1/n), with their worked explanation.
#include <string>

#include "algebra/Nullentscheidung.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/Vereinfachung.h"
#include "algebra/WurzelNormalformen.h"
#include "algebra/WurzelNormalformen_Intern.h"
#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

using namespace wurzelform;

namespace {

// One search of the zeros of a form: its root and denominator, where the zeros go, and whether every
// search so far was complete.
struct TSuche {
    const TPolynom& R;
    Int32 n;
    TTerm* Nenner;
    TSListe*& Liste;
    bool Kommentar;
    // The denominator was made free of the root: it may vanish where the function has a value.
    bool Rationalisiert;
    bool Vollstaendig = true;

    // The zeros of P in M, searched with a nested explanation.
    TSListe* Nullstellen(const TPolynom& P, TMenge* M, uint8_t& Status) {
        TSListe* L = nullptr;
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        // P is a part of the term (a factor of the radicand, a coefficient's content): where its numbers
        // overflow, it finds nothing and the search of the other parts goes on.
        try {
            PNullstellen(P, M, L, Status, Kommentar);
        } catch (const ERessourcen& e) {
            NichtsGefunden(e, L, Status, Kommentar);
        } catch (const EGradUeberschritten& e) {
            NichtsGefunden(e, L, Status, Kommentar);
        }
        if (Status != wahr) Vollstaendig = false;
        return L ? L : NeueLeereListe();
    }

    // Whether the term is defined at x0 (the radicand is not negative there, the denominator not 0),
    // decided exactly.
    enum class TUrteil { Definiert, NennerNull, NichtDefiniert };
    TUrteil Pruefe(TTerm* x0) {
        if (n > 1 && !IstNullPolynom(R)) {
            TTerm* r = PolynomToTerm(R)->Ersetze(VariableX, x0);
            if (!r) return TUrteil::NichtDefiniert;
            VereinfacheKonstantenTerm(r);
            bool definiert = false;
            const Extended wert = r->Wert(0, definiert);
            if (!r->IstNull() && (!definiert || wert < 0)) return TUrteil::NichtDefiniert;
        }
        if (!TermVerschwindetIn(Nenner, x0)) return TUrteil::Definiert;
        if (Rationalisiert) Vollstaendig = false;
        return TUrteil::NennerNull;
    }

    // The denominator vanishes at x0: a gap of the term, unless the denominator was made free of the root,
    // which may have brought the zero in (1/(1+sqrt(x)) = (1-sqrt(x))/(1-x) at 1).
    void SchreibeNennerNull(TTerm* x0) {
        if (Rationalisiert)
            SchreibeTextTermTextZeile(
                " In ", x0,
                " verschwindet der rational gemachte Nenner; ob dort eine Nullstelle liegt, "
                "bleibt offen.");
        else
            SchreibeTextTermTextZeile(" Der Nenner ist in ", x0, " 0, d.h. der Term dort nicht definiert.");
    }

    // x0 becomes a zero of multiplicity m where the term is defined; Blanks is the text between the
    // multiplicity and "Nullstelle".
    void Aufnehmen(TTerm* x0, Int32 m, const char* Blanks) {
        switch (Pruefe(x0)) {
        case TUrteil::Definiert:
            StelleEinfuegen(Neu<TStelle>(x0, m), Liste, false);
            if (Kommentar) {
                Schreibe(m > 0 ? " " + std::to_string(m) + "-fache" + Blanks : std::string(" "));
                Schreibe("Nullstelle der ürsprünglichen Funktion bei ");
                SchreibeTermZeile(x0);
            }
            break;
        case TUrteil::NennerNull:
            if (Kommentar) SchreibeNennerNull(x0);
            break;
        case TUrteil::NichtDefiniert:
            if (Kommentar) SchreibeTextTermTextZeile(" In ", x0, " ist der Term nicht definiert.");
            break;
        }
    }
};

TTerm* Vereinfacht(TTerm* T) {
    VereinfacheKonstantenTerm(T);
    return T;
}

bool HatKonstanteKoeffizienten(const TPPolynom& Z) {
    for (Int32 i = 0; i <= Z.Grad; ++i)
        if (Z.Koeff[i].Grad > 0) return false;
    return true;
}

// Z = Z_0 + Z_j * w^j with both not zero: j, else 0.
Int32 Zweigliedrig(const TPPolynom& Z) {
    if (Z.Grad < 1 || IstNullPolynom(Z.Koeff[0])) return 0;
    for (Int32 i = 1; i < Z.Grad; ++i)
        if (!IstNullPolynom(Z.Koeff[i])) return 0;
    return Z.Grad;
}

// Step 3: Z with constant coefficients is a polynomial in w of degree 2 at least (one of degree 1 is the
// isolated root of step 5); its zeros u >= 0 give R = u^n.
void Substitution(const TPPolynom& Z, const TPolynom& R, Int32 n, TTerm* w, TMenge* M, TSuche& S) {
    TPolynom Zx;
    Zx.Grad = Z.Grad;
    for (Int32 i = 0; i <= Z.Grad; ++i) Zx.Koeff[i] = Z.Koeff[i].Koeff[0];
    if (S.Kommentar) {
        SchreibeTextTerm("Substitution von w = ", w);
        SchreibeTextTerm(" durch x führt auf ", PolynomToTerm(Zx));
        SchreibeZeile(" = 0.");
    }
    uint8_t status = unklar;
    TSListe* u = S.Nullstellen(Zx, IntervallR, status);
    if (S.Kommentar) SchreibeUnterstrichenZeile("Rücksubstitution:");
    for (Int32 i = 1; i <= u->Anzahl; ++i) {
        TTerm* uj = u->Stellen[i]->Punkt;
        bool definiert = false;
        const Extended wert = uj->Wert(0, definiert);
        if (!definiert) S.Vollstaendig = false;
        if (!definiert || wert < 0) continue;
        TTerm* rechts = Vereinfacht(Potenz(uj, TBruch{n, 1}));
        if (S.Kommentar) {
            SchreibeTextTerm("Aufzulösen: ", w);
            SchreibeTextTerm(" = ", uj);
            SchreibeTextTerm(" d.h. ", PolynomToTerm(R));
            SchreibeTextTermZeile(" = ", rechts);
        }
        TPolynom c, gleichung;
        KonstantesPolynom(rechts, c);
        PMinus(R, c, gleichung);
        uint8_t s = unklar;
        TSListe* x = S.Nullstellen(gleichung, M, s);
        for (Int32 k = 1; k <= x->Anzahl; ++k) {
            TTerm* xk = Vereinfacht(x->Stellen[k]->Punkt);
            const bool loesung = S.Pruefe(xk) == TSuche::TUrteil::Definiert;
            if (loesung)
                StelleEinfuegen(Neu<TStelle>(xk, x->Stellen[k]->Vielfachheit * u->Stellen[i]->Vielfachheit),
                                S.Liste, false);
            if (S.Kommentar)
                SchreibeTextTermTextZeile(" x = ", xk,
                                          loesung ? " ergibt eine Lösung." : " ergibt keine Lösung.");
        }
    }
}

// Step 5: -Z_0 = Z_j * w^j raised to the n-th power, each candidate put back.
void IsolierteWurzel(const TPPolynom& Z, Int32 j, const TPolynom& R, Int32 n, TTerm* w, TMenge* M,
                     TSuche& S) {
    TPolynom links, rechts, potenz, gleichung;
    PMinus(NullPolynom, Z.Koeff[0], links);
    TPPolynom monom = NullPPolynom;
    monom.Grad = j;
    monom.Koeff[j] = Z.Koeff[j];
    if (S.Kommentar) {
        SchreibeTerm(PolynomToTerm(links));
        SchreibeTextTermZeile(" = ", PPEinsetzen(monom, w));
        SchreibeZeile("beide Seiten mit " + std::to_string(n) + " potenzieren führt auf:");
    }
    // A polynomial beyond degree 20, or one whose coefficients overflow, is no equation this search can
    // solve.
    try {
        PHoch(links, n, links);
        PHoch(Z.Koeff[j], n, rechts);
        PHoch(R, j, potenz);
        PMal(rechts, potenz, rechts);
        PMinus(links, rechts, gleichung);
    } catch (const EGradUeberschritten&) {
        S.Vollstaendig = false;
        return;
    } catch (const ERessourcen&) {
        S.Vollstaendig = false;
        return;
    }
    if (S.Kommentar) {
        SchreibeTerm(PolynomToTerm(links));
        SchreibeTextTermZeile(" = ", PolynomToTerm(rechts));
    }
    uint8_t status = unklar;
    TSListe* kandidaten = S.Nullstellen(gleichung, M, status);
    TTerm* zaehler = PPEinsetzen(Z, w);
    TTerm* linkeSeite = PolynomToTerm(Z.Koeff[0]);
    for (Int32 i = 1; i <= kandidaten->Anzahl; ++i) {
        TTerm* x0 = Vereinfacht(kandidaten->Stellen[i]->Punkt);
        // x0 solves -Z_0 = Z_j * w^j up to the sign of an even power: Z(x0) is 0 or 2 Z_0(x0). A Z(x0) that
        // no simplification shows to be 0 (a nested root) is 0 all the same where it is not clear of 0 while
        // Z_0(x0) is, or where the power is odd.
        TNullheit wert = TNullheit::Null;
        if (!TermVerschwindetIn(zaehler, x0)) {
            wert = Nullheit(zaehler->Ersetze(VariableX, x0));
            if (wert == TNullheit::Unklar &&
                (n % 2 == 1 || Nullheit(linkeSeite->Ersetze(VariableX, x0)) == TNullheit::NichtNull))
                wert = TNullheit::Null;
        }
        if (wert == TNullheit::Unklar) {
            S.Vollstaendig = false;
            if (S.Kommentar)
                SchreibeTextTermTextZeile(" Ob ", x0, " eine Lösung ist, lässt sich nicht entscheiden.");
        } else if (wert != TNullheit::Null) {
            if (S.Kommentar)
                SchreibeTextTermTextZeile(" Einsetzen von ", x0, " zeigt, dass dies keine Lösung ist.");
        } else if (S.Pruefe(x0) == TSuche::TUrteil::NennerNull) {
            if (S.Kommentar) S.SchreibeNennerNull(x0);
        } else {
            // Where -Z_0 vanishes too, raising to the n-th power multiplied the zero: its multiplicity is
            // open.
            const Int32 m = PolynomVerschwindetIn(Z.Koeff[0], x0) ? 0 : kandidaten->Stellen[i]->Vielfachheit;
            S.Aufnehmen(x0, m, "  ");
        }
    }
}

} // namespace

void TWurzelNormalform::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    wurzelform::Nullstellen(this, M, Liste, Kommentar, Status, false);
}

void wurzelform::Nullstellen(TWurzelNormalform* W, TMenge* M, TSListe*& Liste, bool Kommentar,
                             uint8_t& Status, bool Rationalisiert) {
    Liste = NeueLeereListe();
    Status = unklar;
    if (!M) M = IntervallR;
    const TPolynom& R = W->R;
    const Int32 n = W->n;
    TTerm* w = WurzelTerm(R, n);
    TSuche S{R, n, PPEinsetzen(W->N, w), Liste, Kommentar, Rationalisiert};
    TPPolynom Z = W->Z;

    // 1. The content of Z.
    TPolynom c;
    PPInhalt(Z, c);
    if (c.Grad > 0) {
        if (Kommentar)
            SchreibeTextTermTextZeile("Das Polynom ", PolynomToTerm(c), " kann ausgeklammert werden.");
        DividiereKoeffizienten(Z, c);
        uint8_t s = unklar;
        TSListe* L = S.Nullstellen(c, M, s);
        for (Int32 i = 1; i <= L->Anzahl; ++i)
            S.Aufnehmen(Vereinfacht(L->Stellen[i]->Punkt), L->Stellen[i]->Vielfachheit, " ");
    }

    // 2. The lowest power of w in Z: the zeros of R.
    const Int32 k = IstNullPPolynom(Z) ? 0 : PPMinGrad(Z);
    if (k > 0) {
        if (Kommentar) {
            if (k == 1)
                SchreibeZeile("Die Wurzel kann ausgeklammert werden.");
            else
                SchreibeZeile("Die " + std::to_string(k) + "-te Potenz der Wurzel kann ausgeklammert werden");
        }
        uint8_t s = unklar;
        TSListe* L = S.Nullstellen(R, M, s);
        // A fractional power of R is not differentiable often enough at a zero of R: its multiplicity is
        // open.
        for (Int32 i = 1; i <= L->Anzahl; ++i)
            S.Aufnehmen(Vereinfacht(L->Stellen[i]->Punkt), k % n ? 0 : L->Stellen[i]->Vielfachheit * k / n,
                        "  ");
        for (Int32 i = k; i <= Z.Grad; ++i) Z.Koeff[i - k] = Z.Koeff[i];
        for (Int32 i = Z.Grad - k + 1; i <= Z.Grad; ++i) Z.Koeff[i] = NullPolynom;
        Z.Grad -= k;
    }

    // 3. to 6. by the shape of what remains.
    bool behandelt = true;
    const Int32 j = Zweigliedrig(Z);
    if (Z.Grad >= 2 && HatKonstanteKoeffizienten(Z)) {
        Substitution(Z, R, n, w, M, S);
    } else if (Z.Grad == 0) {
        uint8_t s = unklar;
        TSListe* L = S.Nullstellen(Z.Koeff[0], M, s);
        for (Int32 i = 1; i <= L->Anzahl; ++i)
            S.Aufnehmen(Vereinfacht(L->Stellen[i]->Punkt), L->Stellen[i]->Vielfachheit, "  ");
        // Z = 0: the term vanishes wherever it is defined.
        if (s == falsch) {
            Status = falsch;
            return;
        }
    } else if (j > 0) {
        IsolierteWurzel(Z, j, R, n, w, M, S);
    } else {
        behandelt = false;
    }
    Status = behandelt && S.Vollstaendig ? wahr : unklar;
}

} // namespace zol
