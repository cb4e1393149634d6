// The standard functions: construction, values, exact values after substitution, symmetry, order,
// derivative, inverse and substitution of subterms.
#include "term/Funktionen.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "algebra/Vereinfachung.h"
#include "plattform/Oberflaeche.h"
#include "steps/Symmetrien.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Wertprogramm.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

bool IstBekannterName(const std::string& name) {
    return StandardArt(name) != TStandardArt::Unbekannt;
}

void MeldeUnbekannt(const std::string& name) {
    Oberflaeche().Meldung(TMeldungsart::Warnung, "Kennung " + name + "! nicht bekannt oder Subterm = nil");
}

TTerm* Funktion(const char* name, TTerm* u) {
    return StandardFunktionTerm(name, u);
}
TTerm* Op(TTerm* a, char op, TTerm* b) {
    return OperatorTerm(a, b, op);
}

} // namespace

bool LiegtAufGanzzahl(Extended q, Extended& n) {
    n = std::nearbyint(q);
    if (!std::isfinite(q)) return false;
    if (n == 0) return q == 0;
    return std::fabs(q - n) <= 16 * std::numeric_limits<Extended>::epsilon() * std::fabs(n);
}

bool IstTangensPol(Extended v) {
    Extended n = 0;
    return LiegtAufGanzzahl(2 * v / Pi, n) && std::fmod(n, 2) != 0;
}

bool IstKotangensPol(Extended v) {
    Extended n = 0;
    return LiegtAufGanzzahl(v / Pi, n);
}

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
    if (!TextAktuell(Argument)) {
        SetzeText({Kennung, "(", Argument->Text, ")"});
        MerkeTextquelle(Argument);
    }
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

Extended TStandardFunktion::Wert(Extended x, bool& Definiert) {
    Definiert = false;
    const TStandardArt art = StandardArt(Kennung);
    if (!Argument || art == TStandardArt::Unbekannt) {
        MeldeUnbekannt(Kennung);
        return 0;
    }
    bool d = false;
    const Extended v = Argument->Wert(x, d);
    Extended r = 0;
    if (!d || !StandardWert(art, v, r)) return 0;
    Definiert = true;
    return r;
}

TTerm* TStandardFunktion::Einsetzen(TTerm* T) {
    TTerm* w = Argument->Einsetzen(T);
    if (!w) return nullptr;
    bool definiert = true;
    const std::string& n = Kennung;
    if (n == "sin") return ExakterSinus(w);
    if (n == "cos") return ExakterKosinus(w);
    if (n == "tan") return ExakterTangens(w, definiert);
    if (n == "cot") return ExakterKotangens(w, definiert);
    if (n == "arcsin") return ExakterArkussinus(w);
    if (n == "arccos") return ExakterArkuskosinus(w);
    if (n == "arctan") return ExakterArkustangens(w);
    if (n == "exp") return ExakteExponentialfunktion(w, true);
    if (n == "ln") return ExakterLogarithmus(w);
    if (n == "abs") return ExakterBetrag(w);
    if (n == "sqrt") return ZieheWurzel(w, 2);
    return nullptr;
}

namespace {

// Sample points of the point-symmetry test of ln(u): arbitrary, away from simple numbers.
constexpr Extended Stichproben[] = {0.37L, 0.81L, 1.29L, 1.73L, 2.41L, 3.17L, 4.63L, 7.9L};

// ln(u) is odd exactly where u(x) * u(-x) = 1. The product is wahr when it simplifies to 1, falsch when at a
// sample point the domain is not symmetric or the product has a value clearly different from 1; otherwise
// unklar, since the simplifier may not show that a product is 1.
TWahrheitswert LogarithmusPunktsymmetrisch(TTerm* u) {
    TTerm* p = Produkt(u, u->Ersetze(VariableX, VariableX->Negation()));
    if (!p) return unklar;
    VereinfacheTerm(p);
    if (p->HatWert(BruchEins)) return wahr;
    for (Extended s : Stichproben) {
        bool d1 = false, d2 = false;
        const Extended a = u->Wert(s, d1);
        const Extended b = u->Wert(-s, d2);
        const bool rechts = d1 && a > 0, links = d2 && b > 0;
        if (rechts != links) return falsch;
        if (rechts && std::fabs(a * b - 1) > 1e-9L) return falsch;
    }
    return unklar;
}

} // namespace

void TStandardFunktion::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                                  bool Kommentar) {
    if (!Argument || !IstBekannterName(Kennung)) {
        MeldeUnbekannt(Kennung);
        return;
    }
    Achsensymmetrisch = unklar;
    Punktsymmetrisch = unklar;
    TWahrheitswert aA = falsch, aP = wahr;
    if (!IstVariable(Argument)) UntersucheSymmetrie(Argument, aA, aP, Kommentar);
    const std::string& n = Kennung;
    auto einer = [&n](std::initializer_list<const char*> namen) {
        for (const char* name : namen)
            if (n == name) return true;
        return false;
    };
    if (aA == wahr) Achsensymmetrisch = wahr;
    if (einer({"exp", "ln", "sqrt", "arcsin", "arccos", "arctan"}) && aA == falsch)
        Achsensymmetrisch = falsch;
    if (einer({"abs", "cos"}) && aP == wahr) Achsensymmetrisch = wahr;
    if (einer({"sin", "tan", "cot", "arcsin", "arctan"}) && aP == wahr) Punktsymmetrisch = wahr;
    if (einer({"abs", "sqrt"})) {
        Punktsymmetrisch = Argument->IstNull() ? wahr : falsch;
    } else if (n == "exp") {
        Punktsymmetrisch = falsch;
    } else if (n == "arccos") {
        // arccos(u) is odd only where it is 0 throughout, that is u = 1.
        Punktsymmetrisch = Argument->HatWert(BruchEins) ? wahr : falsch;
    }
    if (n == "ln" && Punktsymmetrisch == unklar) Punktsymmetrisch = LogarithmusPunktsymmetrisch(Argument);
}

bool TStandardFunktion::IstGleich(TTerm* T) {
    if (!T) return false;
    if (auto* f = dynamic_cast<TStandardFunktion*>(T))
        return f->Kennung == Kennung && Argument->IstGleich(f->Argument);
    if (Kennung != "sqrt") return false;
    auto* w = AlsWurzel(T);
    return w && w->Grad == 2 && w->Argument->IstGleich(Argument);
}

uint8_t Ordnungsrang(TTerm* T) {
    auto* w = AlsWurzel(T);
    return w && w->Grad == 2 ? RangStandard : T->Typrang;
}

bool StandardfunktionKleiner(const std::string& Kennung, TTerm* u, TTerm* T) {
    if (Ordnungsrang(T) != RangStandard) return Ordnungsrang(T) > RangStandard;
    std::string k = T->Kennung;
    TTerm* v = nullptr;
    if (auto* w = AlsWurzel(T)) {
        k = "sqrt";
        v = w->Argument;
    } else if (auto* f = dynamic_cast<TStandardFunktion*>(T)) {
        v = f->Argument;
    }
    if (Kennung < k) return true;
    if (Kennung != k) return false;
    return v && u->IstKleiner(v);
}

bool TStandardFunktion::IstKleiner(TTerm* T) {
    return StandardfunktionKleiner(Kennung, Argument, T);
}

TTerm* TStandardFunktion::Ableitung() {
    if (Argument->IstKonstant) return Null;
    TTerm* u = Argument;
    const std::string& n = Kennung;
    auto quadrat = [](TTerm* t) { return PotenzTerm(t, 2); };
    TTerm* aussen = nullptr;
    if (n == "abs") {
        // The sign of u: -1 where u < 0 and 1 where u > 0; no value where u = 0.
        aussen = Neu<TJoin>(MinusEins, Eins, u, false);
    } else if (n == "sin") {
        aussen = Funktion("cos", u);
    } else if (n == "cos") {
        aussen = Op(MinusEins, '*', Funktion("sin", u));
    } else if (n == "tan") {
        aussen = Op(Eins, '/', quadrat(Funktion("cos", u)));
    } else if (n == "cot") {
        aussen = Op(MinusEins, '/', quadrat(Funktion("sin", u)));
    } else if (n == "exp") {
        aussen = this;
    } else if (n == "ln") {
        // (ln|w|)' = w'/w.
        if (IstStandardFunktion(u, "abs")) {
            TTerm* w = static_cast<TFunktion*>(u)->Argument;
            return Quotient(w->Ableitung(), w);
        }
        aussen = Op(Eins, '/', u);
    } else if (n == "sqrt") {
        aussen = Op(Eins, '/', Op(Zwei, '*', this));
    } else if (n == "arcsin") {
        aussen = Op(Eins, '/', Funktion("sqrt", Op(Eins, '-', quadrat(u))));
    } else if (n == "arccos") {
        aussen = Op(Op(Eins, '/', Funktion("sqrt", Op(Eins, '-', quadrat(u)))), '*', MinusEins);
    } else if (n == "arctan") {
        aussen = Op(Eins, '/', Op(Eins, '+', quadrat(u)));
    } else {
        return nullptr;
    }
    if (IstVariable(u)) return aussen;
    return Op(aussen, '*', u->Ableitung());
}

TTerm* TStandardFunktion::Umkehrfunktion() {
    TTerm* innen = Argument->Umkehrfunktion();
    if (!innen) return nullptr;
    const std::string& n = Kennung;
    TTerm* x = VariableX;
    TTerm* aussen = nullptr;
    if (n == "sin") aussen = Funktion("arcsin", x);
    if (n == "arcsin") aussen = Funktion("sin", x);
    if (n == "cos") aussen = Funktion("arccos", x);
    if (n == "arccos") aussen = Funktion("cos", x);
    if (n == "tan") aussen = Funktion("arctan", x);
    if (n == "arctan") aussen = Funktion("tan", x);
    if (n == "exp") aussen = Funktion("ln", x);
    if (n == "ln") aussen = Funktion("exp", x);
    if (n == "sqrt") aussen = PotenzTerm(x, 2);
    if (!aussen) return nullptr;
    if (IstVariable(Argument)) return aussen;
    return innen->Ersetze(VariableX, aussen);
}

TTerm* TStandardFunktion::Ersetze(TTerm* Alt, TTerm* Neu) {
    TTerm* ergebnis = IstGleich(Alt) ? Neu : StandardFunktionTerm(Kennung, Argument->Ersetze(Alt, Neu));
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}

} // namespace zol
