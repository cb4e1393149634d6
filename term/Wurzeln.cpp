#include "plattform/Strom.h"
#include "term/Termstrom.h"
#include "term/Wertprogramm.h"
#include "term/Wurzeln.h"

#include <cmath>

#include "output/Ausgabe.h"
#include "steps/Symmetrien.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"

namespace zol {

TWurzel::TWurzel(TTerm* radikand, Int32 grad) : TFunktion(radikand), Grad(grad) {
    Kennung = "Wurzel";
    Knotenzahl = Argument->Knotenzahl + 1;
    AktualisiereKnoten();
    Normalform = nullptr;
    Vereinfacht = IstVariable(Argument) || Argument->Typrang == RangBenannt ? this : nullptr;
    Typrang = RangWurzel;
}

void TWurzel::Aktualisiere() {
    Argument->Aktualisiere();
    AktualisiereKnoten();
}

void TWurzel::AktualisiereKnoten() {
    IstKonstant = Argument->IstKonstant;
    if (IstKonstant) {
        Funktionsarten = 0;
        MoeglicheNormalformen = AlleNormalformen;
    } else {
        Funktionsarten = Argument->Funktionsarten | FunktionsartWurzel;
        MoeglicheNormalformen =
            (Argument->MoeglicheNormalformen & NormalformPT) ? (NormalformWNF | NormalformRaNF) : 0;
    }
    if (TextAktuell(Argument)) return;
    SetzeText({"(", Argument->Text, "\u00b0", std::to_string(Grad), ")"});
    MerkeTextquelle(Argument);
}

// Defined only for a radicand >= 0, odd indices included.
Extended TWurzel::Wert(Extended x, bool& Definiert) {
    Definiert = false;
    if (!Argument || Grad < 1) return 0;
    const Extended v = Argument->Wert(x, Definiert);
    Extended r = 0;
    Definiert = Definiert && WurzelWert(v, Grad, r);
    return r;
}

namespace {

// A constant radicand with a negative value: the root has none, whatever its index.
bool IstNegativeKonstante(TTerm* T) {
    bool definiert = false;
    return T->IstKonstant && T->Wert(0, definiert) < 0 && definiert;
}

} // namespace

TTerm* TWurzel::Einsetzen(TTerm* T) {
    TTerm* r = Argument->Einsetzen(T);
    if (!r || IstNegativeKonstante(r)) return nullptr;
    return ZieheWurzel(r, Grad);
}

void TWurzel::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool Kommentar) {
    Achsensymmetrisch = Punktsymmetrisch = unklar;
    // x is odd, not even: the root of it is neither. A constant is even.
    if (IstVariable(Argument) || Argument->IstKonstant)
        Achsensymmetrisch = IstVariable(Argument) ? falsch : wahr;
    else
        UntersucheSymmetrie(Argument, Achsensymmetrisch, Punktsymmetrisch, Kommentar);
    // A root is >= 0 where it is defined: odd only when it is 0 throughout.
    Punktsymmetrisch = Argument->IstNull() ? wahr : falsch;
}

bool TWurzel::IstGleich(TTerm* T) {
    if (auto* w = AlsWurzel(T)) return w->Grad == Grad && Argument->IstGleich(w->Argument);
    return Grad == 2 && IstStandardFunktion(T, "sqrt") &&
           static_cast<TFunktion*>(T)->Argument->IstGleich(Argument);
}

bool TWurzel::IstKleiner(TTerm* T) {
    // Equal to sqrt of its radicand, a root of index 2 is ordered as that.
    if (Grad == 2) return StandardfunktionKleiner("sqrt", Argument, T);
    if (Ordnungsrang(T) != Typrang) return Ordnungsrang(T) > Typrang;
    auto* w = static_cast<TWurzel*>(T);
    if (w->Grad != Grad) return w->Grad > Grad;
    return Argument->IstKleiner(w->Argument);
}

TTerm* TWurzel::Ableitung() {
    if (Argument->IstKonstant) return Null;
    // An index below 1 has no value anywhere; nor has its derivative.
    if (Grad < 1) return this;
    if (auto* p = AlsPotenzTerm(Argument)) {
        // root(w^q, n) = w^(q/n), with |w| where an even q is taken to a power that is no even integer.
        try {
            TBruch s;
            Brueche::Durch(p->Exponent, TBruch{Grad, 1}, s);
            TTerm* w = p->Argument;
            if (p->Exponent.Zaehler % 2 == 0 && !(s.Nenner == 1 && s.Zaehler % 2 == 0))
                w = StandardFunktionTerm("abs", w);
            return PotenzTerm(w, s)->Ableitung();
        } catch (const ERessourcen&) {
            // q/n beyond 64 bits: the general rule below.
        }
    }
    // T' / (n * root(T^(n-1), n)).
    TTerm* innen = Grad == 2 ? Argument : PotenzTerm(Argument, TBruch{Grad - 1, 1});
    TTerm* nenner = OperatorTerm(Bruchkonstante(Grad, 1), WurzelTerm(innen, Grad), '*');
    return OperatorTerm(Argument->Ableitung(), nenner, '/');
}

TTerm* TWurzel::Integral(TTerm* a, TTerm* b) {
    if (Grad < 1) return nullptr;
    TTerm* F = nullptr;
    TTerm *m = nullptr, *k = nullptr;
    const Int64 n = Grad;
    if (Argument->IstKonstant) {
        F = Produkt(this, VariableX);
    } else if (IstVariable(Argument)) {
        F = Produkt(Bruchkonstante(n, n + 1), ZieheWurzel(PotenzRadikal(VariableX, TBruch{n + 1, 1}), Grad));
    } else if (IstLinear(Argument, m, k)) {
        F = Produkt(Quotient(Bruchkonstante(n, n + 1), m),
                    ZieheWurzel(PotenzRadikal(Argument, TBruch{n + 1, 1}), Grad));
    } else if (Grad == 2) {
        return StandardFunktionTerm("sqrt", Argument)->Integral(a, b);
    }
    if (!F) return nullptr;
    // No value for an integral over a part where the root has none (F may have one there: root(x^4, 3)).
    if (a && b && !Argument->IstKonstant && !DefiniertZwischen(this, a, b)) return nullptr;
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(F, a, b, VariableX);
}

TTerm* TWurzel::Umkehrfunktion() {
    TTerm* innen = Argument->Umkehrfunktion();
    if (!innen || Grad < 1) return nullptr;
    return innen->Ersetze(VariableX, PotenzTerm(VariableX, TBruch{Grad, 1}));
}

TTerm* TWurzel::Ersetze(TTerm* Alt, TTerm* Neu) {
    if (IstGleich(Alt)) return Neu;
    TTerm* r = Argument->Ersetze(Alt, Neu);
    if (!r) return nullptr;
    // A radicand without a real root (root(x, 2) or root(x, 3) at x = -4) keeps its node, which has no value.
    TTerm* ergebnis = IstNegativeKonstante(r) ? nullptr : ZieheWurzel(r, Grad);
    if (!ergebnis) ergebnis = WurzelTerm(r, Grad);
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}
void TWurzel::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Wurzel konnte nicht in einen Stream geschrieben werden", [&] {
        TFunktion::SchreibeInStream(S);
        S.SchreibeInt32(Grad);
    });
}
} // namespace zol
