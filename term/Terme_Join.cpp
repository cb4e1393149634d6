// Piecewise terms: two branches applied to the value of a condition term.
#include <algorithm>

#include "term/Fehler.h"
#include "term/Terme.h"

namespace zol {

TJoin::TJoin(TTerm* t1, TTerm* bedingung, TTerm* t2) : TJoin(t1, t2, bedingung, true) {}

TJoin::TJoin(TTerm* t1, TTerm* t2, TTerm* bedingung, bool stetig)
    : T1(t1), T2(t2), Bedingung(bedingung), Stetig(stetig) {
    Kennung = "Join";
    if (Stetig) {
        bool d1 = false, d2 = false;
        Extended w1 = T1->Wert(0, d1);
        Extended w2 = T2->Wert(0, d2);
        Stetig = d1 && d2 && w1 == w2;
    }
    Knotenzahl = std::max(T1->Knotenzahl, T2->Knotenzahl) + Bedingung->Knotenzahl;
    Aktualisiere();
    Typrang = RangJoin;
}

void TJoin::Aktualisiere() {
    T1->Aktualisiere();
    T2->Aktualisiere();
    IstKonstant = Stetig && ((T1->IstKonstant && T2->IstKonstant) || Bedingung->IstKonstant);
    Funktionsarten =
        Bedingung->IstKonstant
            ? 0
            : static_cast<uint8_t>(T1->Funktionsarten | T2->Funktionsarten | Bedingung->Funktionsarten);
    Text = "(" + T1->Text + ";" + T2->Text + ")";
}

// The mathematics of piecewise terms comes with their own unit.
Extended TJoin::Wert(Extended, bool&) {
    NochNichtGebaut("TJoin.Wert");
}
TTerm* TJoin::Einsetzen(TTerm*) {
    NochNichtGebaut("TJoin.Einsetzen");
}
bool TJoin::IstGleich(TTerm*) {
    NochNichtGebaut("TJoin.IstGleich");
}
bool TJoin::IstKleiner(TTerm*) {
    NochNichtGebaut("TJoin.IstKleiner");
}
TTerm* TJoin::Ableitung() {
    NochNichtGebaut("TJoin.Ableitung");
}
TTerm* TJoin::Integral(TTerm*, TTerm*) {
    NochNichtGebaut("TJoin.Integral");
}
TTerm* TJoin::Ersetze(TTerm*, TTerm*) {
    NochNichtGebaut("TJoin.Ersetze");
}
std::unique_ptr<TFolie> TJoin::Folie(Single) {
    NochNichtGebaut("TJoin.Folie");
}
void TJoin::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TJoin.SchreibeInStream");
}
void TJoin::Nullstellen(TMenge*, TSListe*&, bool, uint8_t&) {
    NochNichtGebaut("TJoin.Nullstellen");
}
void TJoin::LoeseGleichung(TTerm*, TMenge*, bool, uint8_t&, TSListe*&) {
    NochNichtGebaut("TJoin.LoeseGleichung");
}
void TJoin::BestimmeDefinitionsbereich(TMenge*&, uint8_t&, bool) {
    NochNichtGebaut("TJoin.BestimmeDefinitionsbereich");
}
TWahrheitswert TJoin::IstDefiniertAuf(TMenge*) {
    NochNichtGebaut("TJoin.IstDefiniertAuf");
}

} // namespace zol
