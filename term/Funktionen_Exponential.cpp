// The general exponential function a^T.
#include <cmath>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Termsatz.h"
#include "plattform/Strom.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Wertprogramm.h"
#include "term/Termarithmetik.h"
#include "term/Termstrom.h"

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
    if (TextAktuell(Argument)) return;
    SetzeText({"(", Brueche::BruchToStr(Basis), "^", Argument->Text, ")"});
    MerkeTextquelle(Argument);
}

namespace {

// The base a as a constant, and ln(a) as the node of the standard function.
TTerm* BasisKonstante(const TBruch& a) {
    return RationaleKonstante(a);
}
TTerm* LnBasis(const TBruch& a) {
    return StandardFunktionTerm("ln", BasisKonstante(a));
}

// The exponent r with a^r = C: rational where C and a are rational powers of one integer (8 = 2^3), else
// ln(C)/ln(a). a is not 1.
TTerm* LogarithmusZurBasis(const TBruch& a, TTerm* C) {
    try {
        Int64 ba = 0, bc = 0;
        TBruch ea, ec;
        if (IstRationalePotenz(BasisKonstante(a), ba, ea) && IstRationalePotenz(C, bc, ec) &&
            ea.Zaehler != 0 && (bc == ba || ec.Zaehler == 0)) {
            TBruch r;
            Brueche::Durch(ec, ea, r);
            return RationaleKonstante(r);
        }
    } catch (const ERessourcen&) {
        // Beyond 64 bits: the quotient of the logarithms.
    }
    return Quotient(StandardFunktionTerm("ln", C), LnBasis(a));
}

} // namespace

Extended TAllgemeineExponentialFunktion::Wert(Extended x, bool& Definiert) {
    const Extended v = Argument->Wert(x, Definiert);
    if (!Definiert) return 0;
    const Extended a = static_cast<Extended>(Basis.Zaehler) / static_cast<Extended>(Basis.Nenner);
    Extended r = 0;
    // A result beyond the range of numbers counts as no value.
    Definiert = ExponentialWert(std::log(a), v, r);
    return Definiert ? r : 0;
}

TTerm* TAllgemeineExponentialFunktion::Einsetzen(TTerm* T) {
    TTerm* e = Argument->Einsetzen(T);
    if (!e) return nullptr;
    if (auto* r = AlsRationaleKonstante(e)) {
        try {
            return Potenz(BasisKonstante(Basis), r->Bruch);
        } catch (const ERessourcen&) {
            // Beyond 64 bits the power stays the exact node a^r.
        }
    }
    return Neu<TAllgemeineExponentialFunktion>(Basis, e);
}

void TAllgemeineExponentialFunktion::Symmetrie(TWahrheitswert& Achsensymmetrisch,
                                               TWahrheitswert& Punktsymmetrisch, bool Kommentar) {
    // a^T > 0 wherever it is defined: never odd.
    Punktsymmetrisch = falsch;
    TWahrheitswert achse = unklar, punkt = unklar;
    Argument->Symmetrie(achse, punkt, Kommentar);
    if (!Brueche::Gleich(Basis, BruchEins)) {
        Achsensymmetrisch = achse;
        return;
    }
    // 1^T is 1 on the exponent's domain: even exactly where that domain is symmetric.
    auto* t = AlsTTTerm(Argument);
    if (achse == wahr || punkt == wahr || (t && t->IstDefiniertAuf(IntervallR) == wahr))
        Achsensymmetrisch = wahr;
    else
        Achsensymmetrisch = unklar;
}

bool TAllgemeineExponentialFunktion::IstGleich(TTerm* T) {
    auto* a = AlsAllgemeineExponentialFunktion(T);
    return a && Brueche::Gleich(Basis, a->Basis) && Argument->IstGleich(a->Argument);
}

bool TAllgemeineExponentialFunktion::IstKleiner(TTerm* T) {
    if (Ordnungsrang(T) != Typrang) return Typrang < Ordnungsrang(T);
    auto* a = static_cast<TAllgemeineExponentialFunktion*>(T);
    if (Brueche::Kleiner(Basis, a->Basis)) return true;
    if (!Brueche::Gleich(Basis, a->Basis)) return false;
    return Argument->IstKleiner(a->Argument);
}

// ln(a) * T' * a^T, unsimplified.
TTerm* TAllgemeineExponentialFunktion::Ableitung() {
    if (Argument->IstKonstant) return Null;
    TTerm* faktor = LnBasis(Basis);
    if (!IstVariable(Argument)) faktor = OperatorTerm(faktor, Argument->Ableitung(), '*');
    return OperatorTerm(faktor, Neu<TAllgemeineExponentialFunktion>(Basis, Argument), '*');
}

TTerm* TAllgemeineExponentialFunktion::Integral(TTerm* a, TTerm* b) {
    TTerm* F = nullptr;
    TTerm *m = nullptr, *n = nullptr;
    // 1^T = 1 where defined: integrated like a constant, with no division by ln 1.
    if (Argument->IstKonstant || Brueche::Gleich(Basis, BruchEins)) {
        if (!Argument->IstKonstant && a && b && !DefiniertZwischen(this, a, b)) return nullptr;
        F = Produkt(this, VariableX);
    } else if (IstVariable(Argument)) {
        F = Quotient(this, LnBasis(Basis));
    } else if (IstLinear(Argument, m, n)) {
        F = Quotient(this, Produkt(m, LnBasis(Basis)));
    }
    if (!F) return nullptr;
    if (!a || !b) return F;
    // With both bounds the value of the integral.
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(F, a, b, VariableX);
}

TTerm* TAllgemeineExponentialFunktion::Umkehrfunktion() {
    // 1^T is constant: no inverse.
    if (Brueche::Gleich(Basis, BruchEins)) return nullptr;
    TTerm* innen = Argument->Umkehrfunktion();
    if (!innen) return nullptr;
    TTerm* aussen = Quotient(StandardFunktionTerm("ln", VariableX), LnBasis(Basis));
    if (IstVariable(Argument)) return aussen;
    return innen->Ersetze(VariableX, aussen);
}

TTerm* TAllgemeineExponentialFunktion::Ersetze(TTerm* Alt, TTerm* Neu) {
    TTerm* ergebnis = nullptr;
    if (IstGleich(Alt)) {
        ergebnis = Neu;
    } else {
        TTerm* e = Argument->Ersetze(Alt, Neu);
        ergebnis = e ? zol::Neu<TAllgemeineExponentialFunktion>(Basis, e) : nullptr;
    }
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}

std::unique_ptr<TFolie> TAllgemeineExponentialFunktion::Folie(Single Groesse) {
    return AllgemeineExponentialFolie(this, Groesse);
}
// The exponent stands before and after the base.
void TAllgemeineExponentialFunktion::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Allgemeine Exponentialfunktion konnte nicht in einen Stream geschrieben werden", [&] {
        TFunktion::SchreibeInStream(S);
        S.SchreibeInt64(Basis.Zaehler);
        S.SchreibeInt64(Basis.Nenner);
        SchreibeTermInStream(Argument, S);
    });
}
void TAllgemeineExponentialFunktion::Nullstellen(TMenge*, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Liste = NeueLeereListe();
    Status = wahr;
    if (Kommentar) SchreibeZeile("Exponentialfunktionen haben keine Nullstellen.");
}

void TAllgemeineExponentialFunktion::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status,
                                                    TSListe*& Liste) {
    if (Kommentar) {
        SchreibeTerm(this);
        SchreibeTextTermZeile(" = ", C);
    }
    Liste = NeueLeereListe();
    Status = unklar;
    TTTerm* u = AlsTTTerm(Argument);
    // A right-hand side without a value (a parameter) leaves the equation open.
    bool definiert = false;
    const Extended c = C && C->IstKonstant ? C->Wert(0, definiert) : 0;
    if (!u || !definiert || !std::isfinite(c)) return;
    if (c <= 0) {
        Status = wahr;
        if (Kommentar) SchreibeZeile("Exponentialfunktionen haben keine Werte <= 0");
        return;
    }
    if (Brueche::Gleich(Basis, BruchEins)) {
        // 1^T = 1 wherever T is defined, and nowhere anything else.
        TTerm* c1 = C;
        VereinfacheKonstantenTerm(c1);
        Status = c1->HatWert(BruchEins) ? falsch : wahr;
        return;
    }
    u->LoeseGleichung(LogarithmusZurBasis(Basis, C), M, Kommentar, Status, Liste);
}

void TAllgemeineExponentialFunktion::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status,
                                                                bool Kommentar) {
    SchreibeZeile("TAllgemeineExponentialFunktion.BestimmeDefinitionsbereich noch nicht implementiert.");
    // a^T is defined wherever its exponent is.
    MengeDefinitionsbereich(Argument, Menge, Status, Kommentar);
}

TWahrheitswert TAllgemeineExponentialFunktion::IstDefiniertAuf(TMenge* M) {
    TTTerm* u = AlsTTTerm(Argument);
    return u ? u->IstDefiniertAuf(M) : unklar;
}

} // namespace zol
