#include "term/Funktionen.h"

#include "term/Fehler.h"

namespace zol {

TStandardFunktion::TStandardFunktion(const std::string& name, TTerm* argument) : TFunktion(argument) {
    Kennung = Links(name, 6);
    Knotenzahl = Argument->Knotenzahl + 1;
    Aktualisiere();
    Typrang = RangStandard;
}

void TStandardFunktion::Aktualisiere() {
    Argument->HoleNormalform();
    IstKonstant = Argument->IstKonstant;
    Zustand &= static_cast<uint8_t>(~TermVereinfacht);
    Funktionsarten = 0;
    Text = Kennung + "(" + Argument->Text + ")";
    if (IstKonstant) {
        MoeglicheNormalformen = AlleNormalformen;
        return;
    }
    const bool P = Argument->MoeglicheNormalformen & NormalformPT;
    const bool R = Argument->MoeglicheNormalformen & NormalformRF;
    if (Kennung == "sqrt") {
        Funktionsarten = FunktionsartWurzel;
        MoeglicheNormalformen = P ? NormalformWNF | NormalformRaNF : 0;
    } else if (Kennung == "exp") {
        Funktionsarten = FunktionsartExp;
        MoeglicheNormalformen = R ? NormalformENF : 0;
    } else if (Kennung == "ln") {
        Funktionsarten = FunktionsartLn;
    } else if (Kennung == "sin" || Kennung == "cos") {
        Funktionsarten = FunktionsartTrig;
        MoeglicheNormalformen = P ? NormalformTNF | NormalformPTNF | NormalformRTNF : 0;
    } else if (Kennung == "tan" || Kennung == "cot") {
        Funktionsarten = FunktionsartTrig;
        MoeglicheNormalformen = P ? NormalformTNF : 0;
    } else {
        Funktionsarten = FunktionsartTrig;
        MoeglicheNormalformen = 0;
    }
    Funktionsarten |= Argument->Funktionsarten;
}

// The mathematics of the standard functions comes with their own unit.
Extended TStandardFunktion::Wert(Extended, bool&) {
    NochNichtGebaut("TStandardFunktion.Wert");
}
TTerm* TStandardFunktion::Einsetzen(TTerm*) {
    NochNichtGebaut("TStandardFunktion.Einsetzen");
}
void TStandardFunktion::Symmetrie(TWahrheitswert&, TWahrheitswert&, bool) {
    NochNichtGebaut("TStandardFunktion.Symmetrie");
}
bool TStandardFunktion::IstGleich(TTerm*) {
    NochNichtGebaut("TStandardFunktion.IstGleich");
}
bool TStandardFunktion::IstKleiner(TTerm*) {
    NochNichtGebaut("TStandardFunktion.IstKleiner");
}
TTerm* TStandardFunktion::Ableitung() {
    NochNichtGebaut("TStandardFunktion.Ableitung");
}
TTerm* TStandardFunktion::Integral(TTerm*, TTerm*) {
    NochNichtGebaut("TStandardFunktion.Integral");
}
TTerm* TStandardFunktion::Umkehrfunktion() {
    NochNichtGebaut("TStandardFunktion.Umkehrfunktion");
}
TTerm* TStandardFunktion::Ersetze(TTerm*, TTerm*) {
    NochNichtGebaut("TStandardFunktion.Ersetze");
}
void TStandardFunktion::Nullstellen(TMenge*, TSListe*&, bool, uint8_t&) {
    NochNichtGebaut("TStandardFunktion.Nullstellen");
}
void TStandardFunktion::LoeseGleichung(TTerm*, TMenge*, bool, uint8_t&, TSListe*&) {
    NochNichtGebaut("TStandardFunktion.LoeseGleichung");
}
void TStandardFunktion::BestimmeDefinitionsbereich(TMenge*&, uint8_t&, bool) {
    NochNichtGebaut("TStandardFunktion.BestimmeDefinitionsbereich");
}
TWahrheitswert TStandardFunktion::IstDefiniertAuf(TMenge*) {
    NochNichtGebaut("TStandardFunktion.IstDefiniertAuf");
}

} // namespace zol
