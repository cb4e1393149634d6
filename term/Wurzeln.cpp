#include "term/Wurzeln.h"

#include "term/Fehler.h"

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

// The mathematics of roots comes with the root unit.
Extended TWurzel::Wert(Extended, bool&) {
    NochNichtGebaut("TWurzel.Wert");
}
TTerm* TWurzel::Einsetzen(TTerm*) {
    NochNichtGebaut("TWurzel.Einsetzen");
}
void TWurzel::Symmetrie(TWahrheitswert&, TWahrheitswert&, bool) {
    NochNichtGebaut("TWurzel.Symmetrie");
}
bool TWurzel::IstGleich(TTerm*) {
    NochNichtGebaut("TWurzel.IstGleich");
}
bool TWurzel::IstKleiner(TTerm*) {
    NochNichtGebaut("TWurzel.IstKleiner");
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
TTerm* TWurzel::Ersetze(TTerm*, TTerm*) {
    NochNichtGebaut("TWurzel.Ersetze");
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
