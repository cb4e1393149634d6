// The leaves of the term tree: constants and the variable x.
#include <cmath>
#include <numbers>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Strom.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Termstrom.h"

namespace zol {

// ---- TKonstante ----

TKonstante::TKonstante() {
    Kennung = "const";
    IstKonstant = true;
    Zustand = TermKumuliert;
    MoeglicheNormalformen = AlleNormalformen;
}

TTerm* TKonstante::Einsetzen(TTerm*) { return this; }

void TKonstante::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool) {
    Achsensymmetrisch = wahr;
    Punktsymmetrisch = IstNull() ? wahr : falsch;
}

TTerm* TKonstante::Ableitung() { return Null; }

TTerm* TKonstante::Integral(TTerm* a, TTerm* b) {
    if (IstNull()) return Null;
    TTerm* F = Produkt(this, VariableX);
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(F, a, b, VariableX);
}

void TKonstante::Nullstellen(TMenge*, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    // 0 = 0 holds for every x: no point is listed, Status 0 says that there are more than any list holds.
    Liste = NeueLeereListe();
    if (IstParameter(this)) {
        // a = 0 holds for one value of a only.
        Status = unklar;
        if (Kommentar) {
            SchreibeTextTerm("Ob ", this);
            SchreibeNichtEntschieden(" gleich 0 ist,", this);
        }
    } else if (IstNull()) {
        Status = falsch;
        if (Kommentar) SchreibeZeile("Konstante ist Null, d.h. Gleichung allgmeingültig.");
    } else {
        Status = wahr;
        if (Kommentar) SchreibeZeile("Konstante ist ungleich Null");
    }
}

void TKonstante::LoeseGleichung(TTerm* C, TMenge*, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    Liste = NeueLeereListe();
    VereinfacheKonstantenTerm(C);
    if (IstGleich(C)) {
        Status = falsch;
        if (Kommentar) SchreibeZeile("Gleichung ist allgemeingültig.");
    } else {
        Status = wahr;
        if (Kommentar) SchreibeZeile("Gleichung ist unerfüllbar.");
    }
}

void TKonstante::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    Menge = MengeR;
    Status = wahr;
    if (Kommentar) SchreibeZeile("Konstanten sind in ganz IR definiert.");
}

// ---- TRationaleKonstante ----

TRationaleKonstante::TRationaleKonstante(const TBruch& wert) : Bruch(wert) {
    Typrang = RangRational;
    Text = Brueche::BruchToStr(Bruch);
    Kennung = Links(Text, 6);
    Zustand = TermVereinfacht | TermKumuliert;
    Vereinfacht = this;
}

Extended TRationaleKonstante::Wert(Extended, bool& Definiert) {
    Definiert = true;
    return static_cast<Extended>(Bruch.Zaehler) / static_cast<Extended>(Bruch.Nenner);
}

bool TRationaleKonstante::HatWert(const TBruch& B) { return Brueche::Gleich(Bruch, B); }

bool TRationaleKonstante::IstGleich(TTerm* T) {
    if (!T) return false;
    if (auto* r = AlsRationaleKonstante(T)) return HatWert(r->Bruch);
    return T->Typrang == RangRadikal && T->HatWert(Bruch);
}

bool TRationaleKonstante::IstKleiner(TTerm* T) {
    if (RangRational < T->Typrang) return true;
    auto* r = AlsRationaleKonstante(T);
    return r && Brueche::Kleiner(Bruch, r->Bruch);
}

TTerm* TRationaleKonstante::Negation() {
    TBruch negativ;
    Brueche::Negativ(Bruch, negativ);
    return RationaleKonstante(negativ);
}

void TRationaleKonstante::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Rationale Konstante mit Kennung:" + Kennung +
                           " konnte nicht in einen Stream geschrieben werden",
                       [&] {
                           TTerm::SchreibeInStream(S);
                           S.SchreibeInt64(Bruch.Zaehler);
                           S.SchreibeInt64(Bruch.Nenner);
                       });
}

// ---- TBenannteKonstante ----

TBenannteKonstante::TBenannteKonstante(const std::string& name) {
    Typrang = RangBenannt;
    Kennung = Links(name, 6);
    Text = Kennung;
    Zustand = TermVereinfacht | TermKumuliert;
    Vereinfacht = this;
}

Extended TBenannteKonstante::Wert(Extended, bool& Definiert) {
    Definiert = true;
    if (Kennung == "pi") return std::numbers::pi_v<Extended>;
    if (Kennung == "e") return std::numbers::e_v<Extended>;
    Definiert = false;
    return 0;
}

bool TBenannteKonstante::IstGleich(TTerm* T) { return T && T->Typrang == RangBenannt && T->Kennung == Kennung; }

bool TBenannteKonstante::IstKleiner(TTerm* T) {
    if (RangBenannt < T->Typrang) return true;
    if (T->Typrang != RangBenannt) return false;
    return Kennung < T->Kennung;
}

// ---- TReelleKonstante ----

TReelleKonstante::TReelleKonstante(Extended wert) : Zahl(wert) {
    Typrang = RangReell;
    Text = FormatiereZahl(Zahl);
    Kennung = Links(Text, 5);
    Zustand = TermVereinfacht | TermKumuliert;
    Vereinfacht = this;
}

Extended TReelleKonstante::Wert(Extended, bool& Definiert) {
    Definiert = true;
    return Zahl;
}

bool TReelleKonstante::IstGleich(TTerm* T) {
    return T && T->Typrang == RangReell && static_cast<TReelleKonstante*>(T)->Zahl == Zahl;
}

bool TReelleKonstante::IstKleiner(TTerm* T) {
    if (RangReell < T->Typrang) return true;
    if (T->Typrang != RangReell) return false;
    return Zahl < static_cast<TReelleKonstante*>(T)->Zahl;
}

// The value is not in the stream: the mark makes the record read as nil.
void TReelleKonstante::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt(TermSchreibfehlerText(Kennung),
                       [&] { SchreibeKennungssatz(S, Kennung, Funktionsarten, ReelleKonstanteMarke); });
}

// ---- TVariable ----

TVariable::TVariable(char name) {
    Typrang = RangVariable;
    Kennung = std::string(1, name);
    Text = Kennung;
    Zustand = TermVereinfacht | TermKumuliert | FaktorAbgespalten;
    MoeglicheNormalformen = AlleNormalformen & ~NormalformTNF;
    Vereinfacht = this;
}

Extended TVariable::Wert(Extended x, bool& Definiert) {
    Definiert = true;
    return x;
}

void TVariable::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool) {
    Achsensymmetrisch = falsch;
    Punktsymmetrisch = wahr;
}

bool TVariable::IstGleich(TTerm* T) { return T && T->Typrang == RangVariable; }

bool TVariable::IstKleiner(TTerm* T) { return RangVariable < T->Typrang; }

TTerm* TVariable::Ableitung() { return Eins; }

TTerm* TVariable::Integral(TTerm* a, TTerm* b) {
    TTerm* F = Produkt(EinHalb, PotenzTerm(this, 2));
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(F, a, b, this);
}

void TVariable::Nullstellen(TMenge* M, TSListe*& Liste, bool, uint8_t& Status) {
    Liste = NeueLeereListe();
    Status = wahr;
    if (!M || M->Enthaelt(Null)) Liste->FuegeHinzu(Null, 1);
}

void TVariable::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    Liste = NeueLeereListe();
    Status = wahr;
    VereinfacheKonstantenTerm(C);
    const TWahrheitswert drin = LiegtIn(C, M);
    if (drin != falsch) {
        if (drin == wahr) Liste->FuegeHinzu(C, 1);
        if (Kommentar) {
            Schreibe("Lösung: " + VariablenText() + "  = ");
            SchreibeTermMitNaeherung(C);
            NeueZeile();
        }
        // A solution with a parameter that lies in the interval only for some of its values is not listed; it
        // is kept as found.
        if (drin == unklar) {
            Status = unklar;
            TOffeneLoesungen::Merke(C);
            if (Kommentar && TOffeneLoesungen::Nenne(C)) {
                SchreibeTextTerm("Ob ", C);
                SchreibeNichtEntschieden(" im angegebenen Intervall liegt,", C);
            }
        }
    } else if (Kommentar) {
        SchreibeTerm(C);
        SchreibeZeile(" ist keine Lösung im angegebenen Intervall.");
    }
}

void TVariable::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    Menge = MengeR;
    Status = wahr;
    if (Kommentar) SchreibeZeile(VariablenText() + " ist in ganz IR definiert.");
}

} // namespace zol
