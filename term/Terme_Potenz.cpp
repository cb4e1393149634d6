// Powers with an exact rational exponent, and the common part of one-argument functions.
#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

// ---- TFunktion ----

void TFunktion::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TFunktion.SchreibeInStream");
}

// ---- TPotenz ----

TPotenz::TPotenz(TTerm* basis, const TBruch& exponent) : TFunktion(basis), Exponent(exponent) {
    Kennung = "Potenz";
    Knotenzahl = Argument->Knotenzahl + 1;
    Aktualisiere();
    Normalform = nullptr;
    if (IstVariable(Argument) || Argument->Typrang == RangBenannt) {
        Vereinfacht = this;
        Zustand |= TermVereinfacht;
    } else {
        Vereinfacht = nullptr;
    }
    Typrang = RangPotenz;
}

void TPotenz::Aktualisiere() {
    Argument->Aktualisiere();
    IstKonstant = Argument->IstKonstant;
    if (IstKonstant) {
        Funktionsarten = 0;
        MoeglicheNormalformen = AlleNormalformen;
    } else {
        Funktionsarten = Argument->Funktionsarten;
        MoeglicheNormalformen = Argument->MoeglicheNormalformen;
        if (Exponent.Nenner != 1) {
            Funktionsarten |= FunktionsartWurzel;
            MoeglicheNormalformen &= NormalformPT | NormalformWNF | Normalform040 | NormalformPTNF;
        } else if (Exponent.Zaehler < 0) {
            MoeglicheNormalformen &= static_cast<uint16_t>(~(NormalformPT | NormalformPTNF));
        }
    }
    Text = "(" + Argument->Text + "^" + Brueche::BruchToStr(Exponent) + ")";
}

// The mathematics of powers comes with the power unit.
Extended TPotenz::Wert(Extended, bool&) {
    NochNichtGebaut("TPotenz.Wert");
}
TTerm* TPotenz::Einsetzen(TTerm*) {
    NochNichtGebaut("TPotenz.Einsetzen");
}
void TPotenz::Symmetrie(TWahrheitswert&, TWahrheitswert&, bool) {
    NochNichtGebaut("TPotenz.Symmetrie");
}
bool TPotenz::IstGleich(TTerm*) {
    NochNichtGebaut("TPotenz.IstGleich");
}
bool TPotenz::IstKleiner(TTerm*) {
    NochNichtGebaut("TPotenz.IstKleiner");
}
TTerm* TPotenz::Ableitung() {
    NochNichtGebaut("TPotenz.Ableitung");
}
TTerm* TPotenz::Integral(TTerm*, TTerm*) {
    NochNichtGebaut("TPotenz.Integral");
}
TTerm* TPotenz::Umkehrfunktion() {
    NochNichtGebaut("TPotenz.Umkehrfunktion");
}
TTerm* TPotenz::Ersetze(TTerm*, TTerm*) {
    NochNichtGebaut("TPotenz.Ersetze");
}
std::unique_ptr<TFolie> TPotenz::Folie(Single) {
    NochNichtGebaut("TPotenz.Folie");
}
void TPotenz::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TPotenz.SchreibeInStream");
}
void TPotenz::Nullstellen(TMenge*, TSListe*&, bool, uint8_t&) {
    NochNichtGebaut("TPotenz.Nullstellen");
}
void TPotenz::LoeseGleichung(TTerm*, TMenge*, bool, uint8_t&, TSListe*&) {
    NochNichtGebaut("TPotenz.LoeseGleichung");
}
void TPotenz::BestimmeDefinitionsbereich(TMenge*&, uint8_t&, bool) {
    NochNichtGebaut("TPotenz.BestimmeDefinitionsbereich");
}
TWahrheitswert TPotenz::IstDefiniertAuf(TMenge*) {
    NochNichtGebaut("TPotenz.IstDefiniertAuf");
}

TTerm* BildePotenz(TTerm*, const TBruch&, bool) {
    NochNichtGebaut("BildePotenz");
}
TTerm* Potenz(TTerm* B, const TBruch& e) {
    return BildePotenz(B, e, false);
}
TTerm* PotenzRadikal(TTerm* B, const TBruch& e) {
    return BildePotenz(B, e, true);
}
TTerm* AlsPotenz(TTerm*) {
    NochNichtGebaut("AlsPotenz");
}

} // namespace zol
