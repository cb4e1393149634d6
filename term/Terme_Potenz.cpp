// Powers with an exact rational exponent, and the common part of one-argument functions.
#include <cmath>

#include "algebra/Nullentscheidung.h"
#include "output/Ausgabe.h"
#include "output/Termsatz.h"
#include "plattform/Strom.h"
#include "steps/Gleichungen.h"
#include "steps/Nullstel.h"
#include "steps/Symmetrien.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Wertprogramm.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Termstrom.h"
#include "term/Wurzeln.h"

namespace zol {

// ---- TFunktion ----

void TFunktion::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt(TermSchreibfehlerText(Kennung), [&] {
        TTerm::SchreibeInStream(S);
        SchreibeTermInStream(Argument, S);
    });
}

// ---- TPotenz ----

TPotenz::TPotenz(TTerm* basis, const TBruch& exponent) : TFunktion(basis), Exponent(exponent) {
    Kennung = "Potenz";
    Knotenzahl = Argument->Knotenzahl + 1;
    AktualisiereKnoten();
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
    AktualisiereKnoten();
}

void TPotenz::AktualisiereKnoten() {
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
    if (TextAktuell(Argument)) return;
    SetzeText({"(", Argument->Text, "^", Brueche::BruchToStr(Exponent), ")"});
    MerkeTextquelle(Argument);
}

namespace {

bool IstGanz(const TBruch& b) {
    return b.Nenner == 1;
}

// Each multiplicity m of the list becomes m * e for an integer exponent e. A fractional power is not
// differentiable often enough at a zero of its base ((x^2)^(1/2) = |x|): its multiplicity stays open (0).
void Vielfachheiten(TSListe* Liste, const TBruch& e) {
    if (!Liste) return;
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TBruch m;
        Brueche::Mal(TBruch{Liste->Stellen[i]->Vielfachheit, 1}, TBruch{e.Zaehler, 1}, m);
        Liste->Stellen[i]->Vielfachheit = IstGanz(e) ? static_cast<Int32>(m.Zaehler) : 0;
    }
}

} // namespace

Extended TPotenz::Wert(Extended x, bool& Definiert) {
    Definiert = false;
    if (!Argument) return 0;
    bool d = true;
    const Extended v = Argument->Wert(x, d);
    Extended r = 0;
    if (!d || !PotenzWert(v, Exponent, r)) return 0;
    Definiert = true;
    return r;
}

TTerm* TPotenz::Einsetzen(TTerm* T) {
    TTerm* b = Argument->Einsetzen(T);
    return b ? Potenz(b, Exponent) : nullptr;
}

void TPotenz::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool Kommentar) {
    Achsensymmetrisch = unklar;
    Punktsymmetrisch = unklar;
    if (IstKonstant) {
        bool d = true;
        Achsensymmetrisch = wahr;
        Punktsymmetrisch = Wert(0, d) == 0 && d ? wahr : falsch;
        return;
    }
    TWahrheitswert ab = unklar, pb = unklar;
    UntersucheSymmetrie(Argument, ab, pb, Kommentar);
    if (!IstGanz(Exponent)) {
        Achsensymmetrisch = ab;
        Punktsymmetrisch = falsch;
    } else if (Exponent.Zaehler % 2 != 0) {
        Achsensymmetrisch = ab;
        Punktsymmetrisch = pb;
    } else {
        Achsensymmetrisch = ab == wahr || pb == wahr ? wahr : unklar;
        Punktsymmetrisch = falsch;
    }
}

bool TPotenz::IstGleich(TTerm* T) {
    auto* p = AlsPotenzTerm(T);
    return p && Brueche::Gleich(Exponent, p->Exponent) && Argument->IstGleich(p->Argument);
}

bool TPotenz::IstKleiner(TTerm* T) {
    if (T->Typrang != RangPotenz) return T->Typrang > RangPotenz;
    auto* p = static_cast<TPotenz*>(T);
    if (Brueche::Kleiner(Exponent, p->Exponent)) return true;
    if (!Brueche::Gleich(Exponent, p->Exponent)) return false;
    return Argument->IstKleiner(p->Argument);
}

TTerm* TPotenz::Ableitung() {
    // The derivative of a constant, and of b^0 = 1, is 0.
    if (Argument->IstKonstant || Exponent.Zaehler == 0) return Null;
    TTerm* E = RationaleKonstante(Exponent);
    TTerm* faktor;
    if (Brueche::Gleich(Exponent, BruchEins)) {
        faktor = Eins;
    } else if (Brueche::Gleich(Exponent, BruchZwei)) {
        faktor = OperatorTerm(E, Argument, '*');
    } else {
        TBruch e1;
        Brueche::Minus(Exponent, BruchEins, e1);
        faktor = OperatorTerm(E, PotenzTerm(Argument, e1), '*');
    }
    if (IstVariable(Argument)) return faktor;
    return OperatorTerm(faktor, Argument->Ableitung(), '*');
}

TTerm* TPotenz::Integral(TTerm* a, TTerm* b) {
    TTerm* F = nullptr;
    TBruch e1;
    if (Argument->IstKonstant) {
        F = Produkt(this, VariableX);
    } else if (Brueche::Gleich(Exponent, BruchMinusEins)) {
        return Quotient(Eins, Argument)->Integral(a, b);
    } else if (a && b && !DefiniertZwischen(this, a, b)) {
        // No value for an integral over a gap of the integrand.
        return nullptr;
    } else {
        Brueche::Plus(Exponent, BruchEins, e1);
        TBruch kehrwert;
        Brueche::Kehrwert(e1, kehrwert);
        TTerm *m = nullptr, *n = nullptr;
        if (IstVariable(Argument))
            F = Produkt(RationaleKonstante(kehrwert), PotenzRadikal(VariableX, e1));
        else if (IstLinear(Argument, m, n))
            F = Produkt(Quotient(RationaleKonstante(kehrwert), m), PotenzRadikal(Argument, e1));
    }
    if (!F) return nullptr;
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(F, a, b, VariableX);
}

TTerm* TPotenz::Umkehrfunktion() {
    if (Exponent.Zaehler == 0) return nullptr;
    TTerm* G = Argument->Umkehrfunktion();
    if (!G) return nullptr;
    TBruch kehrwert;
    Brueche::Kehrwert(Exponent, kehrwert);
    return G->Ersetze(VariableX, PotenzTerm(VariableX, kehrwert));
}

TTerm* TPotenz::Ersetze(TTerm* Alt, TTerm* Neu) {
    // A base without a replacement (a piecewise part without a value there) leaves none for the power.
    TTerm* ergebnis = IstGleich(Alt) ? Neu : PotenzRadikal(Argument->Ersetze(Alt, Neu), Exponent);
    if (ergebnis) ergebnis->Aktualisiere();
    return ergebnis;
}

std::unique_ptr<TFolie> TPotenz::Folie(Single Groesse) {
    return PotenzFolie(this, Groesse);
}

void TPotenz::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Potenz konnte nicht in einen Stream geschrieben werden", [&] {
        TFunktion::SchreibeInStream(S);
        S.SchreibeInt64(Exponent.Zaehler);
        S.SchreibeInt64(Exponent.Nenner);
    });
}

void TPotenz::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Status = unklar;
    // A negative exponent, and the exponent 0 (b^0 = 1), leave no zeros.
    if (Exponent.Zaehler <= 0) {
        Status = wahr;
        Liste = NeueLeereListe();
        if (Kommentar && Exponent.Zaehler < 0)
            SchreibeZeile("Da der Exponent negativ ist, gibt es keine Nullstellen.");
        return;
    }
    if (Kommentar) SchreibeTextTermZeile("Das sind die Nullstellen von ", Argument);
    Einrueckung += Einzug;
    try {
        SucheNullstellen(Argument, M, Liste, Kommentar, Status);
    } catch (...) {
        Einrueckung -= Einzug;
        throw;
    }
    Einrueckung -= Einzug;
    Vielfachheiten(Liste, Exponent);
}

namespace {

void KeineLoesung(const std::string& text, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    Liste = NeueLeereListe();
    Status = wahr;
    if (Kommentar) SchreibeZeile(text + " existiert keine Lösung.");
}

// Solves base = r and, with beideVorzeichen, base = -r, merging the lists.
void LoeseBasis(TTerm* basis, TTerm* r, bool beideVorzeichen, TMenge* M, bool Kommentar, uint8_t& Status,
                TSListe*& Liste) {
    TTTerm* b = AlsTTTerm(basis);
    if (!b || !r) {
        Liste = NeueLeereListe();
        Status = unklar;
        return;
    }
    b->LoeseGleichung(r, M, Kommentar, Status, Liste);
    if (!beideVorzeichen) return;
    uint8_t status2 = unklar;
    TSListe* liste2 = nullptr;
    b->LoeseGleichung(r->Negation(), M, Kommentar, status2, liste2);
    if (liste2 && liste2->Anzahl > 0) SListenVereinigen(liste2, Liste, false);
    Status = Und(Status, status2);
}

// C >= 0 for every value of its parameters: a sum or product of even powers and positive numbers.
bool SicherNichtNegativ(TTerm* C) {
    if (TPotenz* p = AlsPotenzTerm(C))
        return p->Exponent.Nenner == 1 && p->Exponent.Zaehler % 2 == 0 && p->Exponent.Zaehler > 0;
    if (TOperatorTerm* o = AlsOperatorTerm(C))
        return o->Operator != '-' && SicherNichtNegativ(o->T1) && SicherNichtNegativ(o->T2);
    if (EnthaeltParameter(C)) return false;
    bool definiert = false;
    const Extended c = C->Wert(0, definiert);
    return definiert && c > 0 && Nullheit(C) == TNullheit::NichtNull;
}

// base^e = C with a parameter in C: for an even natural e and a C that is >= 0 for every value of the
// parameter, base = +-C^(1/e); otherwise whether and where it has solutions depends on the parameter.
void LoeseMitParameter(TTerm* basis, const TBruch& e, TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status,
                       TSListe*& Liste) {
    if (e.Nenner == 1 && e.Zaehler > 0 && e.Zaehler % 2 == 0 && e.Zaehler <= INT32_MAX &&
        SicherNichtNegativ(C))
        return LoeseBasis(basis, ZieheWurzel(C, static_cast<Int32>(e.Zaehler)), true, M, Kommentar, Status,
                          Liste);
    Liste = NeueLeereListe();
    Status = unklar;
    if (Kommentar) SchreibeNichtEntschieden("Welche Lösungen die Gleichung hat,", C);
}

} // namespace

void TPotenz::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    if (Kommentar) {
        SchreibeTerm(this);
        SchreibeTextTermZeile(" = ", C);
    }
    if (C->IstKonstant && EnthaeltParameter(C))
        return LoeseMitParameter(Argument, Exponent, C, M, Kommentar, Status, Liste);
    bool definiert = true;
    Extended c = C->Wert(0, definiert);
    if (!definiert || !std::isfinite(c)) {
        if (Kommentar) SchreibeTextTermTextZeile("Fehler:", C, " muss konstant sein!");
        Liste = NeueLeereListe();
        Status = unklar;
        return;
    }
    // b^0 = 1 for every b.
    if (Exponent.Zaehler == 0) {
        Liste = NeueLeereListe();
        Status = Eins->IstGleich(C) || c == 1 ? falsch : wahr;
        return;
    }
    if (c == 0 || C->IstNull()) {
        if (Exponent.Zaehler < 0) return KeineLoesung("Exponent ist negativ", Kommentar, Status, Liste);
        LoeseBasis(Argument, Null, false, M, Kommentar, Status, Liste);
        Vielfachheiten(Liste, Exponent);
        return;
    }
    if (IstGanz(Exponent)) {
        const bool negativ = Exponent.Zaehler < 0;
        const Int64 n = negativ ? -Exponent.Zaehler : Exponent.Zaehler;
        if (n > INT32_MAX) {
            Liste = NeueLeereListe();
            Status = unklar;
            return;
        }
        auto wurzel = [&](TTerm* t) {
            TTerm* w = ZieheWurzel(t, static_cast<Int32>(n));
            return negativ ? Quotient(Eins, w) : w;
        };
        if (n % 2 == 0) {
            if (c < 0)
                return KeineLoesung(negativ ? "Exponent ist gerade, rechte Seite < 0"
                                            : "Exponent ist gerade, rechte Seite <0",
                                    Kommentar, Status, Liste);
            return LoeseBasis(Argument, wurzel(C), true, M, Kommentar, Status, Liste);
        }
        TTerm* r = c > 0 ? wurzel(C) : wurzel(C->Negation())->Negation();
        return LoeseBasis(Argument, r, false, M, Kommentar, Status, Liste);
    }
    if (c < 0) return KeineLoesung("Potenz hat nur Werte > 0", Kommentar, Status, Liste);
    TBruch kehrwert;
    Brueche::Kehrwert(Exponent, kehrwert);
    LoeseBasis(Argument, PotenzRadikal(C, kehrwert), false, M, Kommentar, Status, Liste);
}

void TPotenz::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    MengeDefinitionsbereich(Argument, Menge, Status, Kommentar);
    if (IstGanz(Exponent) && Exponent.Zaehler >= 0) return;
    if (IstGanz(Exponent)) {
        // A negative integer exponent: without the base's zeros.
        TSListe* nullstellen = nullptr;
        uint8_t s = unklar;
        SucheNullstellen(Argument, IntervallR, nullstellen, false, s);
        if (nullstellen && nullstellen->Anzahl > 0) Menge = MengenOperation(Menge, nullstellen, '\\');
        Status = WahrWennBeide(Status, s);
        return;
    }
    // A fractional exponent: the base must be non-negative (positive for a negative exponent).
    TMenge* ziel = Exponent.Zaehler > 0 ? IntervallNichtNegativ : IntervallPositiv;
    TWahrheitswert s = unklar;
    TMenge* urbild = Urbild(Argument, ziel, Menge, false, s);
    Menge = MengenOperation(Menge, urbild, 'n');
    Status = WahrWennBeide(Status, s);
}

TWahrheitswert TPotenz::IstDefiniertAuf(TMenge* M) {
    TTTerm* b = AlsTTTerm(Argument);
    TWahrheitswert D = b ? b->IstDefiniertAuf(M) : unklar;
    if (D != wahr) return D;
    if (IstGanz(Exponent) && Exponent.Zaehler >= 0) return D;
    // An integer exponent below 1 needs a base without zeros in M.
    if (IstGanz(Exponent)) return IstUngleichNullAuf(Argument, M);
    auto* I = dynamic_cast<TIntervall*>(M);
    if (!I) return unklar;
    TWahrheitswert U = unklar, N = unklar;
    UntersucheVorzeichen(Argument, I, U, N);
    // As the value: a fractional power needs a non-negative base, a positive one for a negative exponent.
    if (Exponent.Zaehler > 0) return N;
    if (U == wahr && N == wahr) return wahr;
    if (U == falsch || N == falsch) return falsch;
    return unklar;
}

TTerm* BildePotenz(TTerm* B, const TBruch& exponent, bool RadikaleErlaubt) {
    if (!B) return nullptr;
    TBruch e = exponent;
    Brueche::Kuerze(e);
    if (e.Zaehler == 0 || Eins->IstGleich(B)) return Eins;
    if (Brueche::Gleich(e, BruchEins)) return B;
    Int64 basis = 0;
    TBruch f;
    if (B->IstKonstant && IstRationalePotenz(B, basis, f)) {
        TBruch g;
        Brueche::Mal(f, e, g);
        if (g.Nenner == 1) {
            TBruch r;
            Brueche::Hoch(TBruch{basis, 1}, g.Zaehler, r);
            return RationaleKonstante(r);
        }
        // A radical has an index of at most 15; beyond it the power stays exact as it is.
        if (!RadikaleErlaubt || g.Nenner > MaxWurzelexponent)
            return PotenzTerm(RationaleKonstante(TBruch{basis, 1}), g);
        // c * Basis^(r/d) with the floor quotient q and remainder r of the numerator by d.
        Int64 d = g.Nenner;
        Int64 q = g.Zaehler / d, r = g.Zaehler % d;
        if (r < 0) {
            r += d;
            q -= 1;
        }
        if (r > MaxGrad) return PotenzTerm(RationaleKonstante(TBruch{basis, 1}), g);
        TBruch c;
        Brueche::Hoch(TBruch{basis, 1}, q, c);
        return RadikalKonstante(Einzelradikal(c, static_cast<Int32>(r), basis, static_cast<Int32>(d)));
    }
    if (auto* p = AlsRationaleKonstante(B)) {
        if (p->Bruch.Zaehler < 0 && e.Nenner >= 2) throw ENichtExistenz("Potenz existiert nicht");
        if (e.Nenner == 1) {
            TBruch r;
            Brueche::Hoch(p->Bruch, e.Zaehler, r);
            return RationaleKonstante(r);
        }
        // Beyond the radicals' index the root would only come back here as a root node.
        if (e.Nenner <= MaxWurzelexponent) {
            TTerm* wurzel = WurzelAusRationalerZahl(p->Bruch, static_cast<Int32>(e.Nenner));
            if (wurzel) return BildePotenz(wurzel, TBruch{e.Zaehler, 1}, RadikaleErlaubt);
        }
    } else if (auto* rad = AlsRadikalKonstante(B)) {
        // Only integer powers of a radical are radicals.
        if (e.Nenner == 1 && e.Zaehler >= INT32_MIN && e.Zaehler <= INT32_MAX) {
            TRadikal r;
            RHoch(rad->Radikal, static_cast<Int32>(e.Zaehler), r);
            return RadikalKonstante(r);
        }
    } else if (auto* p = AlsPotenzTerm(B)) {
        // (b^f)^e = b^(f*e); an even f taken to a power that is no even integer needs abs(b).
        TBruch fe;
        Brueche::Mal(p->Exponent, e, fe);
        TTerm* b = p->Argument;
        if (p->Exponent.Zaehler % 2 == 0 && !(fe.Nenner == 1 && fe.Zaehler % 2 == 0))
            b = StandardFunktionTerm("abs", b);
        return BildePotenz(b, fe, RadikaleErlaubt);
    } else if (auto* w = AlsWurzel(B)) {
        TBruch en;
        Brueche::Durch(e, TBruch{w->Grad, 1}, en);
        return BildePotenz(w->Argument, en, RadikaleErlaubt);
    }
    return PotenzTerm(B, e);
}

TTerm* Potenz(TTerm* B, const TBruch& e) {
    return BildePotenz(B, e, false);
}
TTerm* PotenzRadikal(TTerm* B, const TBruch& e) {
    return BildePotenz(B, e, true);
}

TTerm* AlsPotenz(TTerm* T) {
    if (!T) return nullptr;
    if (IstPotenz(T)) return T;
    if (auto* w = AlsWurzel(T)) return PotenzTerm(w->Argument, TBruch{1, w->Grad});
    if (IstStandardFunktion(T, "sqrt")) return PotenzTerm(static_cast<TFunktion*>(T)->Argument, BruchEinHalb);
    return PotenzTerm(T, BruchEins);
}

} // namespace zol
