#include "term/Punktlisten.h"

#include <cmath>
#include <utility>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

void StelleEinfuegen(TStelle* P, TSListe*& Liste, bool Maximum) {
    if (!Liste) {
        Liste = Neu<TSListe>();
        Liste->Anzahl = 0;
    }
    VereinfacheKonstantenTerm(P->Punkt);
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TStelle* s = Liste->Stellen[i];
        if (P->Punkt->IstGleich(s->Punkt)) {
            s->Vielfachheit = Maximum ? std::max(s->Vielfachheit, P->Vielfachheit)
                                      : Vielfachheitssumme(s->Vielfachheit, P->Vielfachheit);
            return;
        }
    }
    if (Liste->Anzahl < 0) Liste->Anzahl = 0;
    if (Liste->Anzahl >= MaxStellen) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Liste voll. Einfügen nicht mehr möglich.");
        return;
    }
    Liste->Stellen[++Liste->Anzahl] = P;
}

void SListenVereinigen(TSListe* Quelle, TSListe*& Ziel, bool Maximum) {
    if (!Quelle) return;
    for (Int32 i = 1; i <= Quelle->Anzahl; ++i) StelleEinfuegen(Quelle->Stellen[i], Ziel, Maximum);
}

namespace {

Extended Schluessel(TTerm* T, bool NachWert) {
    if (!NachWert) return T->Knotenzahl;
    bool definiert = true;
    return T->Wert(0, definiert);
}

// Selection sort of a[1..n] by key; a strictly smaller key replaces the minimum.
template <class T, class S> void Auswahlsortierung(T* a, Int32 n, S schluessel) {
    for (Int32 i = 1; i < n; ++i) {
        Int32 minimum = i;
        Extended kMin = schluessel(a[i]);
        for (Int32 j = i + 1; j <= n; ++j) {
            Extended k = schluessel(a[j]);
            if (k < kMin) {
                minimum = j;
                kMin = k;
            }
        }
        std::swap(a[i], a[minimum]);
    }
}

} // namespace

void SortiereSListe(TSListe* Liste, bool NachWert) {
    if (!Liste) return;
    Auswahlsortierung(Liste->Stellen, Liste->Anzahl,
                      [&](TStelle* s) { return Schluessel(s->Punkt, NachWert); });
}

void SortiereTerme(TTerm** A, Int32 n, bool NachWert) {
    Auswahlsortierung(A, n, [&](TTerm* t) { return Schluessel(t, NachWert); });
}

bool IstLinear(TTerm* T, TTerm*& m, TTerm*& n) {
    bool neu = false;
    TPolynomTerm* form = TPolynomTermCreateT(T, neu);
    if (!form || form->P.Grad != 1) return false;
    m = form->P.Koeff[1];
    n = form->P.Koeff[0];
    return true;
}

namespace {

// Simplifies W after a substitution: folded, then (constant) simplified, then bottom-up; writes each
// change when comments are on. Gezeigt is the term the page shows for W (W itself, or a longer equal term).
void VereinfacheEingesetzt(TTerm*& W, TTerm* Gezeigt = nullptr) {
    Int32 knoten = (Gezeigt ? Gezeigt : W)->Knotenzahl;
    Kumuliere(W);
    if (Kommentare && W->Knotenzahl < knoten) SchreibeTextTerm(" = ", W);
    std::string vorher = W->Text;
    if (W->IstKonstant) VereinfacheKonstantenTerm(W);
    VereinfacheTermRekursiv(W);
    if (Kommentare && W->Text != vorher) SchreibeTextTerm(" = ", W);
}

} // namespace

Extended Funktionswert(TTerm* F, TTerm* A) {
    if (!A) return 0;
    VereinfacheTerm(F);
    bool d1 = true, d2 = true, d3 = true;
    Extended a = A->Wert(0, d1);
    F->Wert(a, d2);
    TTerm* W = F->Ersetze(VariableX, A);
    Extended w = W ? W->Wert(0, d3) : 0;
    if (!W || !d1 || !d2 || !d3) {
        if (Kommentare) SchreibeZeile("Einsetzungen nicht erlaubt!");
        return 0;
    }
    (void)w;
    if (Kommentare) {
        Schreibe("f(");
        SchreibeTerm(A);
        SchreibeTextTerm(") = ", W);
    }
    VereinfacheEingesetzt(W);
    bool definiert = true;
    Extended ergebnis = W->Wert(0, definiert);
    if (Kommentare) SchreibeNaeherung(W);
    return ergebnis;
}

bool DefiniertZwischen(TTerm* T, TTerm* a, TTerm* b) {
    TTTerm* t = AlsTTTerm(T);
    // A bound that depends on x bounds no interval.
    if (!t || !a || !b || !a->IstKonstant || !b->IstKonstant) return false;
    bool da = false, db = false;
    const Extended wa = a->Wert(0, da);
    const Extended wb = b->Wert(0, db);
    if (!da || !db || !std::isfinite(wa) || !std::isfinite(wb)) return false;
    TIntervall zwischen(TRand{wa <= wb ? a : b, false}, TRand{wa <= wb ? b : a, false});
    return t->IstDefiniertAuf(&zwischen) == wahr;
}

bool DefiniertBisAufStellen(TTerm* T, TTerm* a, TTerm* b) {
    if (DefiniertZwischen(T, a, b)) return true;
    bool da = false, db = false;
    const Extended wa = a && a->IstKonstant ? a->Wert(0, da) : 0,
                   wb = b && b->IstKonstant ? b->Wert(0, db) : 0;
    if (!T || !da || !db || !std::isfinite(wa) || !std::isfinite(wb)) return false;
    if (!(T->Funktionsarten & (FunktionsartExp | FunktionsartLn | FunktionsartTrig | FunktionsartWurzel)))
        return true;
    constexpr int n = 256;
    for (int i = 0; i < n; ++i) {
        bool definiert = false;
        const Extended w = T->Wert(wa + (wb - wa) * (i + 0.318309886L) / n, definiert);
        if (!definiert || !std::isfinite(w)) return false;
    }
    return true;
}

namespace {

// F(b) - F(a) where F or a bound holds a parameter: only where both have a value for every value of it.
TTerm* MitParameterAuswerten(TTerm* F, TTerm* F0, TTerm* a, TTerm* b) {
    TTerm* Fb = F->Ersetze(VariableX, b);
    TTerm* Fa = F->Ersetze(VariableX, a);
    if (!Fa || !Fb || HatWertFuerJedenParameter(Fa) != wahr || HatWertFuerJedenParameter(Fb) != wahr) {
        if (Kommentare) {
            SchreibeTextTerm("Ob ", F0);
            SchreibeNichtEntschieden(" an den Grenzen einen Wert hat,", F, OperatorTerm(a, b, '-'));
        }
        return nullptr;
    }
    TTerm* R = OperatorTerm(Fb, Fa, '-');
    if (Kommentare) {
        SchreibeAuswertung(F0, a, b);
        SchreibeTextTerm(" = ", R);
    }
    VereinfacheEingesetzt(R);
    if (Kommentare) NeueZeile();
    return R;
}

} // namespace

TTerm* IntegralAuswerten(TTerm* F, TTerm* a, TTerm* b, TTerm* v, TTerm* Ra, TTerm* Rb) {
    if (!F) return nullptr;
    VereinfacheTerm(F);
    if (!a || !b) {
        if (Kommentare) SchreibeTermZeile(F);
        return F;
    }
    TTerm* F0 = F;
    if (!IstVariable(v)) F = F->Ersetze(v, VariableX);
    if (!F) {
        if (Kommentare) SchreibeZeile("Einsetzungen nicht erlaubt!");
        return nullptr;
    }
    if (EnthaeltParameter(F) || EnthaeltParameter(a) || EnthaeltParameter(b))
        return MitParameterAuswerten(F, F0, a, b);
    bool da = true, db = true, dFa = true, dFb = true, d1 = true, d2 = true;
    Extended wa = a->Wert(0, da);
    Extended wb = b->Wert(0, db);
    if (da && db) {
        F->Wert(wa, dFa);
        F->Wert(wb, dFb);
    }
    TTerm* Fb = F->Ersetze(VariableX, b);
    TTerm* Fa = F->Ersetze(VariableX, a);
    if (Fb) Fb->Wert(0, d1);
    if (Fa) Fa->Wert(0, d2);
    if (!da || !db || !dFa || !dFb || !Fa || !Fb || !d1 || !d2) {
        if (Kommentare) SchreibeZeile("Einsetzungen nicht erlaubt!");
        return nullptr;
    }
    TTerm* R = OperatorTerm(Fb, Fa, '-');
    if (Kommentare) {
        SchreibeAuswertung(F0, a, b);
        SchreibeTextTerm(" = ", R);
    }
    TTerm* gezeigt = R;
    if (Ra || Rb) {
        TTerm* wa = Ra ? Ra->Ersetze(VariableX, a) : Fa;
        TTerm* wb = Rb ? Rb->Ersetze(VariableX, b) : Fb;
        if (wa && wb) R = OperatorTerm(wb, wa, '-');
    }
    VereinfacheEingesetzt(R, gezeigt);
    if (Kommentare) NeueZeile();
    return R;
}

Extended EinfacheZahlZwischen(Extended A, Extended B) {
    const Extended a0 = A, b0 = B;
    Extended k0 = std::trunc(A);
    if (A < 0) k0 -= 1;
    A -= k0;
    B -= k0;
    Extended s = 1;
    for (int stufe = 0; stufe < 6; ++stufe) {
        Extended k = std::trunc(A * s) + 1;
        // The shifted comparison may round; the candidate must lie strictly between the inputs.
        Extended kandidat = k0 + k / s;
        if (B * s > k && kandidat > a0 && kandidat < b0) return kandidat;
        s *= 10;
    }
    return (a0 + b0) / 2;
}

} // namespace zol
