#include "term/Wurzeln.h"

#include <cmath>

#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"

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
    Text = "(" + Argument->Text + "\u00b0" + std::to_string(Grad) + ")";
}

// Defined only for a radicand >= 0, odd indices included.
Extended TWurzel::Wert(Extended x, bool& Definiert) {
    Definiert = false;
    if (!Argument || Grad < 1) return 0;
    const Extended v = Argument->Wert(x, Definiert);
    if (!Definiert || !(v >= 0)) {
        Definiert = false;
        return 0;
    }
    return v > 0 ? std::exp(std::log(v) / Grad) : 0;
}

TTerm* TWurzel::Einsetzen(TTerm* T) {
    TTerm* r = Argument->Einsetzen(T);
    return r ? ZieheWurzel(r, Grad) : nullptr;
}

void TWurzel::Symmetrie(TWahrheitswert&, TWahrheitswert&, bool) {
    NochNichtGebaut("TWurzel.Symmetrie");
}
bool TWurzel::IstGleich(TTerm* T) {
    if (auto* w = AlsWurzel(T)) return w->Grad == Grad && Argument->IstGleich(w->Argument);
    return Grad == 2 && IstStandardFunktion(T, "sqrt") &&
           static_cast<TFunktion*>(T)->Argument->IstGleich(Argument);
}

bool TWurzel::IstKleiner(TTerm* T) {
    if (T->Typrang != Typrang) return T->Typrang > Typrang;
    auto* w = static_cast<TWurzel*>(T);
    if (w->Grad != Grad) return w->Grad > Grad;
    return Argument->IstKleiner(w->Argument);
}

TTerm* TWurzel::Ableitung() {
    NochNichtGebaut("TWurzel.Ableitung");
}
TTerm* TWurzel::Integral(TTerm*, TTerm*) {
    NochNichtGebaut("TWurzel.Integral");
}
TTerm* TWurzel::Umkehrfunktion() {
    NochNichtGebaut("TWurzel.Umkehrfunktion");
}
TTerm* TWurzel::Ersetze(TTerm* Alt, TTerm* Neu) {
    if (IstGleich(Alt)) return Neu;
    TTerm* r = Argument->Ersetze(Alt, Neu);
    // A radicand without a real root (root(x, 2) at x = -4) keeps its node, which has no value.
    TTerm* ergebnis = ZieheWurzel(r, Grad);
    if (!ergebnis) ergebnis = WurzelTerm(r, Grad);
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}
void TWurzel::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TWurzel.SchreibeInStream");
}
void TWurzel::Nullstellen(TMenge*, TSListe*&, bool, uint8_t&) {
    NochNichtGebaut("TWurzel.Nullstellen");
}
void TWurzel::LoeseGleichung(TTerm*, TMenge*, bool, uint8_t&, TSListe*&) {
    NochNichtGebaut("TWurzel.LoeseGleichung");
}
void TWurzel::BestimmeDefinitionsbereich(TMenge*&, uint8_t&, bool) {
    NochNichtGebaut("TWurzel.BestimmeDefinitionsbereich");
}
TWahrheitswert TWurzel::IstDefiniertAuf(TMenge*) {
    NochNichtGebaut("TWurzel.IstDefiniertAuf");
}
} // namespace zol
