// The general exponential function a^T.
#include "output/Termsatz.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"

namespace zol {

TAllgemeineExponentialFunktion::TAllgemeineExponentialFunktion(const TBruch& basis, TTerm* exponent)
    : TFunktion(exponent), Basis(basis) {
    Brueche::Kuerze(Basis);
    if (Basis.Zaehler <= 0) throw ETermFehler("Basis einer Exponentialfunktion muß > 0 sein.");
    Knotenzahl = Argument->Knotenzahl + 1;
    AktualisiereKnoten();
    Kennung = "A^X";
    Typrang = RangAllgExp;
}

void TAllgemeineExponentialFunktion::Aktualisiere() {
    Argument->Aktualisiere();
    AktualisiereKnoten();
}

void TAllgemeineExponentialFunktion::AktualisiereKnoten() {
    IstKonstant = Argument->IstKonstant;
    if (IstKonstant) {
        Funktionsarten = 0;
        MoeglicheNormalformen = AlleNormalformen;
    } else {
        Funktionsarten = Argument->Funktionsarten | FunktionsartExp;
        MoeglicheNormalformen = (Argument->MoeglicheNormalformen & NormalformRF) ? NormalformENF : 0;
    }
    Text = "(" + Brueche::BruchToStr(Basis) + "^" + Argument->Text + ")";
}

// The mathematics of general exponentials comes with their own unit.
Extended TAllgemeineExponentialFunktion::Wert(Extended, bool&) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Wert");
}
TTerm* TAllgemeineExponentialFunktion::Einsetzen(TTerm*) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Einsetzen");
}
void TAllgemeineExponentialFunktion::Symmetrie(TWahrheitswert&, TWahrheitswert&, bool) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Symmetrie");
}
bool TAllgemeineExponentialFunktion::IstGleich(TTerm*) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.IstGleich");
}
bool TAllgemeineExponentialFunktion::IstKleiner(TTerm*) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.IstKleiner");
}
TTerm* TAllgemeineExponentialFunktion::Ableitung() {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Ableitung");
}
TTerm* TAllgemeineExponentialFunktion::Integral(TTerm*, TTerm*) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Integral");
}
TTerm* TAllgemeineExponentialFunktion::Umkehrfunktion() {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Umkehrfunktion");
}
TTerm* TAllgemeineExponentialFunktion::Ersetze(TTerm*, TTerm*) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Ersetze");
}
std::unique_ptr<TFolie> TAllgemeineExponentialFunktion::Folie(Single Groesse) {
    return AllgemeineExponentialFolie(this, Groesse);
}
void TAllgemeineExponentialFunktion::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.SchreibeInStream");
}
void TAllgemeineExponentialFunktion::Nullstellen(TMenge*, TSListe*&, bool, uint8_t&) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.Nullstellen");
}
void TAllgemeineExponentialFunktion::LoeseGleichung(TTerm*, TMenge*, bool, uint8_t&, TSListe*&) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.LoeseGleichung");
}
void TAllgemeineExponentialFunktion::BestimmeDefinitionsbereich(TMenge*&, uint8_t&, bool) {
    NochNichtGebaut("TAllgemeineExponentialFunktion.BestimmeDefinitionsbereich");
}

} // namespace zol
