// Piecewise terms: two branches applied to the value of a condition term.
#include <algorithm>
#include <cmath>
#include <optional>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Termsatz.h"
#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "steps/Integral.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Termstrom.h"

namespace zol {

namespace {

// The value of T at x; nothing where T has none.
std::optional<Extended> WertBei(TTerm* T, Extended x) {
    bool definiert = false;
    Extended w = T->Wert(x, definiert);
    if (!definiert || !std::isfinite(w)) return std::nullopt;
    return w;
}

Int32 JoinKnotenzahl(TTerm* T1, TTerm* T2, TTerm* Bedingung) {
    return std::max(T1->Knotenzahl, T2->Knotenzahl) + Bedingung->Knotenzahl;
}

// Indents the output by one step while it lives.
class TEinzugsschritt {
public:
    TEinzugsschritt() { Einrueckung += Einzug; }
    ~TEinzugsschritt() { Einrueckung -= Einzug; }
    TEinzugsschritt(const TEinzugsschritt&) = delete;
    TEinzugsschritt& operator=(const TEinzugsschritt&) = delete;
};

// Warns about each of the terms that has no solving operations; true when all have them.
bool AlleLoesbar(TJoin* J, const char* was) {
    bool alle = true;
    for (TTerm* T : {J->T1, J->T2, J->Bedingung}) {
        if (AlsTTTerm(T)) continue;
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Term: " + T->Kennung + " " + was);
        alle = false;
    }
    return alle;
}

// The x in M with J = C, or the zeros of J when C is nil. Each branch is solved on the whole real line
// for its argument u; the u of the branch's side of 0 become equations Bedingung = u on M. Where the
// condition is 0 a continuous J has the value of both branches at 0, so the solutions of Bedingung = 0
// count as well when that value is the right-hand side. A solution inside a branch has the branch's
// multiplicity times that of the condition's equation; one at the junction has none.
void LoeseFaelle(TJoin* J, TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    Liste = NeueLeereListe();
    auto* bedingung = static_cast<TTTerm*>(J->Bedingung);
    auto loeseBedingung = [&](TStelle* u, uint8_t& status) {
        TSListe* loesungen = nullptr;
        uint8_t s = unklar;
        bedingung->LoeseGleichung(u->Punkt, M, Kommentar, s, loesungen);
        status = Und(status, s);
        for (Int32 i = 1; loesungen && i <= loesungen->Anzahl; ++i) {
            TStelle* x = loesungen->Stellen[i];
            StelleEinfuegen(Neu<TStelle>(x->Punkt, x->Vielfachheit * u->Vielfachheit), Liste, false);
        }
    };
    auto fall = [&](TTerm* zweig, bool negativ) {
        auto* z = static_cast<TTTerm*>(zweig);
        TSListe* stellen = nullptr;
        uint8_t status = unklar;
        if (C)
            z->LoeseGleichung(C, IntervallR, Kommentar, status, stellen);
        else
            z->Nullstellen(IntervallR, stellen, Kommentar, status);
        for (Int32 i = 1; stellen && i <= stellen->Anzahl; ++i) {
            TTerm* u = stellen->Stellen[i]->Punkt;
            std::optional<Extended> w = WertBei(u, 0);
            if (w && (negativ ? *w < 0 : *w > 0)) loeseBedingung(stellen->Stellen[i], status);
        }
        return status;
    };
    const uint8_t status1 = fall(J->T1, true);
    const uint8_t status2 = fall(J->T2, false);
    Status = Und(status1, status2);
    if (!J->Stetig) return;
    std::optional<Extended> rechts = C ? WertBei(C, 0) : std::optional<Extended>(0);
    std::optional<Extended> beiNull = WertBei(J->T1, 0);
    if (rechts && beiNull && *rechts == *beiNull) loeseBedingung(Neu<TStelle>(Null, 0), Status);
}

} // namespace

// ---- construction and derived fields ----

TJoin::TJoin(TTerm* t1, TTerm* bedingung, TTerm* t2) : TJoin(t1, t2, bedingung, true) {}

TJoin::TJoin(TTerm* t1, TTerm* t2, TTerm* bedingung, bool stetig)
    : T1(t1), T2(t2), Bedingung(bedingung), Stetig(stetig) {
    Kennung = "Join";
    if (Stetig) {
        std::optional<Extended> w1 = WertBei(T1, 0);
        std::optional<Extended> w2 = WertBei(T2, 0);
        Stetig = w1 && w2 && *w1 == *w2;
    }
    Knotenzahl = JoinKnotenzahl(T1, T2, Bedingung);
    AktualisiereKnoten();
    Typrang = RangJoin;
}

void TJoin::Aktualisiere() {
    T1->Aktualisiere();
    T2->Aktualisiere();
    AktualisiereKnoten();
}

void TJoin::AktualisiereKnoten() {
    IstKonstant = Stetig && ((T1->IstKonstant && T2->IstKonstant) || Bedingung->IstKonstant);
    Funktionsarten =
        Bedingung->IstKonstant
            ? 0
            : static_cast<uint8_t>(T1->Funktionsarten | T2->Funktionsarten | Bedingung->Funktionsarten);
    if (TextAktuell(T1, T2)) return;
    SetzeText({"(", T1->Text, ";", T2->Text, ")"});
    MerkeTextquelle(T1, T2);
}

// ---- value, substitution, comparison ----

Extended TJoin::Wert(Extended x, bool& Definiert) {
    Definiert = false;
    std::optional<Extended> c = WertBei(Bedingung, x);
    if (!c) return 0;
    if (*c < 0) return T1->Wert(*c, Definiert);
    if (*c > 0) return T2->Wert(*c, Definiert);
    if (!Stetig) return 0;
    std::optional<Extended> w1 = WertBei(T1, 0);
    std::optional<Extended> w2 = WertBei(T2, 0);
    if (!w1 || !w2 || *w1 != *w2) return 0;
    Definiert = true;
    return *w1;
}

TTerm* TJoin::Einsetzen(TTerm* T) {
    TTerm* c = Bedingung->Einsetzen(T);
    if (!c) return nullptr;
    // Put into a term of x, the condition stays a term of x: the same branches under the new condition.
    if (!c->IstKonstant) return Neu<TJoin>(T1, T2, c, Stetig);
    std::optional<Extended> w = WertBei(c, 0);
    if (!c->IstNull() && !(w && *w == 0)) {
        if (!w) return nullptr;
        return *w < 0 ? T1->Einsetzen(c) : T2->Einsetzen(c);
    }
    if (!Stetig) return nullptr;
    TTerm* E1 = T1->Einsetzen(Null);
    TTerm* E2 = T2->Einsetzen(Null);
    if (E1 && E2 && E1->IstGleich(E2)) return E1;
    return nullptr;
}

bool TJoin::IstGleich(TTerm* T) {
    TJoin* J = AlsJoin(T);
    return J && J->Stetig == Stetig && T1->IstGleich(J->T1) && T2->IstGleich(J->T2) &&
           Bedingung->IstGleich(J->Bedingung);
}

bool TJoin::IstKleiner(TTerm* T) {
    if (T->Typrang > RangJoin) return true;
    if (T->Typrang != RangJoin) return false;
    auto* J = static_cast<TJoin*>(T);
    const std::pair<TTerm*, TTerm*> teile[] = {{Bedingung, J->Bedingung}, {T1, J->T1}, {T2, J->T2}};
    for (const auto& [eigen, fremd] : teile) {
        if (eigen->IstKleiner(fremd)) return true;
        if (!eigen->IstGleich(fremd)) return false;
    }
    return !Stetig && J->Stetig;
}

TTerm* TJoin::Ersetze(TTerm* Alt, TTerm* Neu) {
    if (!Neu) return nullptr;
    if (Alt && IstGleich(Alt)) return Neu;
    TTerm* ergebnis = this;
    if (IstVariable(Alt) || (Alt && Alt->Typrang == RangBenannt)) {
        TTerm* c = Bedingung->Ersetze(Alt, Neu);
        if (!c) {
            ergebnis = nullptr;
        } else if (c->IstKonstant && !EnthaeltParameter(c)) {
            // The branches are functions of the condition's value: that value goes in for x.
            std::optional<Extended> w = WertBei(c, 0);
            if (!w) {
                Oberflaeche().Meldung(TMeldungsart::Information,
                                      "Substitution für Joins nur in Spezialfällen realisiert!");
                ergebnis = nullptr;
            } else if (*w < 0) {
                ergebnis = T1->Ersetze(VariableX, c);
            } else if (*w > 0) {
                ergebnis = T2->Ersetze(VariableX, c);
            } else if (Stetig) {
                ergebnis = T1->Ersetze(VariableX, Null);
            }
        } else if (c != Bedingung) {
            // A condition in a letter that stands for a variable (or holds a parameter) has no value to
            // choose a branch by: the same branches under the new condition, so that the letter can be
            // replaced back.
            ergebnis = zol::Neu<TJoin>(T1, T2, c, Stetig);
        }
    }
    Aktualisiere();
    return ergebnis;
}

// ---- derivative and integral ----

TTerm* TJoin::Ableitung() {
    TTerm* J = Neu<TJoin>(T1->Ableitung(), T2->Ableitung(), Bedingung, Stetig);
    if (IstVariable(Bedingung)) return J;
    return Produkt(J, Bedingung->Ableitung());
}

TTerm* TJoin::Integral(TTerm* a, TTerm* b) {
    const bool grenzen = a && b;
    if (IstKonstant) {
        TTerm* F = Produkt(this, VariableX);
        return grenzen ? IntegralAuswerten(F, a, b, VariableX) : F;
    }
    // The branches are integrated as functions of their own argument: antiderivatives, not values.
    TTerm* F1 = IntegralVon(T1, nullptr, nullptr);
    TTerm* F2 = IntegralVon(T2, nullptr, nullptr);
    if (!F1 || !F2) return nullptr;
    TTerm* m = nullptr;
    if (!IstVariable(Bedingung)) {
        TTerm* n = nullptr;
        if (!IstLinear(Bedingung, m, n)) return nullptr;
    }
    TJoin* J = Neu<TJoin>(F1, F2, Bedingung, Stetig);
    if (Stetig && !J->Stetig && WertBei(F1, 0) && WertBei(F2, 0)) {
        // The antiderivatives differ where the condition is 0: the second is shifted onto the first.
        TTerm* k1 = F1->Ersetze(VariableX, Null);
        TTerm* k2 = F2->Ersetze(VariableX, Null);
        if (k1 && k2) {
            VereinfacheKonstantenTerm(k1);
            VereinfacheKonstantenTerm(k2);
            J->T2 = Summe(F2, Differenz(k1, k2));
            J->Stetig = true;
            J->Knotenzahl = JoinKnotenzahl(J->T1, J->T2, J->Bedingung);
            J->Aktualisiere();
        }
    }
    TTerm* F = m ? Quotient(J, m) : J;
    if (!grenzen) {
        if (Kommentare) {
            SchreibeIntegralzeichen(nullptr, nullptr);
            SchreibeTerm(this);
            Schreibe("d" + VariablenText() + " =");
            SchreibeTermZeile(F);
        }
        return F;
    }
    // Between bounds only an antiderivative that is continuous where the condition is 0 can be taken.
    if (!J->Stetig) return nullptr;
    if (Kommentare) {
        SchreibeIntegralzeichen(a, b);
        SchreibeTerm(this);
        Schreibe("d" + VariablenText() + " =");
    }
    return IntegralAuswerten(F, a, b, VariableX);
}

// ---- zeros, equations, definition range ----

void TJoin::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Liste = NeueLeereListe();
    Status = unklar;
    if (!AlleLoesbar(this, "kann keine Nullstellen suchen.")) return;
    std::optional<TEinzugsschritt> einzug;
    if (Kommentar) {
        SchreibeZeile("Dazu sind die Nullstellen beider Fälle zu untersuchen.");
        einzug.emplace();
    }
    LoeseFaelle(this, nullptr, M, Kommentar, Status, Liste);
}

void TJoin::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    Liste = NeueLeereListe();
    Status = unklar;
    if (Kommentar) {
        SchreibeTerm(this);
        SchreibeTextTermZeile(" = ", C);
    }
    if (!AlleLoesbar(this, "kann keine Gleichungen lösen.")) return;
    std::optional<TEinzugsschritt> einzug;
    if (Kommentar) {
        SchreibeZeile("Das sind die Lösungen beider Fälle zusammen.");
        einzug.emplace();
    }
    LoeseFaelle(this, C, M, Kommentar, Status, Liste);
}

void TJoin::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    Menge = LeereMenge;
    Status = unklar;
    if (Kommentar) SchreibeZeile("Definitionsbereich von Joins sind noch nicht implementiert.");
}

TWahrheitswert TJoin::IstDefiniertAuf(TMenge*) {
    return unklar;
}

// ---- typesetting and stream ----

std::unique_ptr<TFolie> TJoin::Folie(Single Groesse) {
    return JoinFolie(this, Groesse);
}

// The condition is not written.
void TJoin::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Join konnte nicht in einen Stream geschrieben werden", [&] {
        TTerm::SchreibeInStream(S);
        S.SchreibeByte(Stetig ? 1 : 0);
        SchreibeTermInStream(T1, S);
        SchreibeTermInStream(T2, S);
    });
}

} // namespace zol
