// Zeros of the standard functions and the equations f(u(x)) = c.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "steps/Gleichungen.h"
#include "steps/Nullstel.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// The value of a constant term; false when it has none.
bool WertVon(TTerm* T, Extended& w) {
    bool definiert = false;
    w = T->Wert(0, definiert);
    return definiert && std::isfinite(w);
}

// A solution of f(u) = c in the substitution variable u: the term as written (arcsin(c), pi - arcsin(c),
// ...), its exact value and its multiplicity; Loesung is the solution in x after back substitution.
struct TBasisloesung {
    TTerm* Anzeige;
    TTerm* Wert;
    Int32 Vielfachheit;
    TTerm* Loesung;
};

// The base solutions of sin(u) = c, cos(u) = c or tan(u) = c in one period.
std::vector<TBasisloesung> Basisloesungen(const std::string& name, TTerm* C, Extended c) {
    TTerm* pi = KonstantePi();
    const bool randwert = C->HatWert(BruchEins) || C->HatWert(BruchMinusEins) || std::fabs(c) == 1;
    std::vector<TBasisloesung> b;
    const bool sinus = name == "sin";
    if (name == "tan") {
        if (TTerm* u1 = ExakterArkustangens(C))
            b.push_back({StandardFunktionTerm("arctan", C), u1, 1, nullptr});
        return b;
    }
    TTerm* anzeige = StandardFunktionTerm(sinus ? "arcsin" : "arccos", C);
    TTerm* u1 = sinus ? ExakterArkussinus(C) : ExakterArkuskosinus(C);
    if (!u1) return b;
    b.push_back({anzeige, u1, randwert ? 2 : 1, nullptr});
    if (randwert) return b;
    TTerm* u2 = nullptr;
    TTerm* anzeige2 = nullptr;
    if (sinus) {
        // The second solution stays in ]-pi; pi]: -pi - u1 for a negative u1, else pi - u1.
        Extended w1 = 0;
        TTerm* p = WertVon(u1, w1) && w1 < 0 ? pi->Negation() : pi;
        u2 = Differenz(p, u1);
        anzeige2 = OperatorTerm(p, anzeige, '-');
    } else {
        u2 = Produkt(u1, MinusEins);
        anzeige2 = OperatorTerm(anzeige, MinusEins, '*');
    }
    VereinfacheKonstantenTerm(u2);
    b.push_back({anzeige2, u2, 1, nullptr});
    return b;
}

// u(x) = C by u's own equation; where that finds nothing for a polynomial u, which has no constant operand to
// undo (x^2 + x = 1), by the zeros of the polynomial u - C.
void LoeseArgumentgleichung(TTTerm* u, TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status,
                            TSListe*& Liste) {
    u->LoeseGleichung(C, M, Kommentar, Status, Liste);
    if ((Liste && Liste->Anzahl > 0) || Status != unklar) return;
    if (!HatPolynomform(u)) return;
    TTerm* c = C;
    VereinfacheKonstantenTerm(c);
    TTerm* d = Differenz(u, c);
    if (!d) return;
    VereinfacheTerm(d);
    SucheNullstellen(d, M, Liste, Kommentar, Status);
}

// A solution in x with its value, for sorting.
struct TKandidat {
    Extended Wert;
    TTerm* Punkt;
    Int32 Vielfachheit;
};

// Lets the event loop run; a user abort ends the solving.
void PruefeAbbruch() {
    Oberflaeche().VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Benutzer-Abbruch");
}

constexpr Int64 GroessteVerschiebung = 1000000000000LL; // whole periods a solution may be shifted by
constexpr Int32 VersucheJeLoesung = 1000;               // shifted candidates tried per base solution

// s + k * P, simplified.
TTerm* Verschoben(TTerm* s, Int64 k, TTerm* P) {
    if (k == 0) return s;
    TTerm* t = Summe(s, Produkt(RationaleKonstante(TBruch{k, 1}), P));
    VereinfacheKonstantenTerm(t);
    return t;
}

// The intervals searched for a bounded M: each interval of a union chain, else M's hull H.
std::vector<TIntervall*> Bestandteile(TMenge* M, TIntervall* H) {
    std::vector<TIntervall*> teile;
    if (auto* kette = dynamic_cast<TIMenge*>(M))
        for (TIMenge* e = kette; e; e = e->Naechste)
            if (TIntervall* I = HuelleVon(e->Menge)) teile.push_back(I);
    if (teile.empty()) teile.push_back(H);
    return teile;
}

// Every shift of the base solutions by whole periods that lies in M, when M's hull H is bounded: at most 21
// per base solution and interval, so that the first 20 overall are known. Vollstaendig false when a shift is
// beyond reach.
std::vector<TKandidat> AlleInBeschraenkterMenge(const std::vector<TBasisloesung>& basis, TTerm* P,
                                                Extended periode, TMenge* M, TIntervall* H,
                                                bool& Vollstaendig) {
    std::vector<TKandidat> k;
    for (const TBasisloesung& l : basis)
        for (TIntervall* I : Bestandteile(M, H)) {
            Extended a = 0, b = 0, s = 0;
            if (!WertVon(I->LinkerRand.Wert, a) || !WertVon(I->RechterRand.Wert, b) ||
                !WertVon(l.Loesung, s)) {
                Vollstaendig = false;
                continue;
            }
            const Extended von = std::ceil((a - s) / periode) - 1, bis = std::floor((b - s) / periode) + 1;
            if (!(std::fabs(von) <= GroessteVerschiebung && std::fabs(bis) <= GroessteVerschiebung)) {
                Vollstaendig = false;
                continue;
            }
            Int32 gefunden = 0, versuche = 0;
            for (Int64 n = static_cast<Int64>(von); n <= static_cast<Int64>(bis) && gefunden <= MaxStellen;
                 ++n) {
                if (++versuche > VersucheJeLoesung) {
                    Vollstaendig = false;
                    break;
                }
                PruefeAbbruch();
                TTerm* t = Verschoben(l.Loesung, n, P);
                Extended w = 0;
                if (!WertVon(t, w) || !M->Enthaelt(t)) continue;
                k.push_back({w, t, l.Vielfachheit});
                ++gefunden;
            }
        }
    return k;
}

// Each base solution, shifted by whole periods into M where it falls outside, when M's hull H is unbounded.
std::vector<TKandidat> VertreterInUnbeschraenkterMenge(const std::vector<TBasisloesung>& basis, TTerm* P,
                                                       Extended periode, TMenge* M, TIntervall* H) {
    std::vector<TKandidat> k;
    Extended a = 0, b = 0;
    const bool unten = H->LinkerRand.Wert && WertVon(H->LinkerRand.Wert, a);
    const bool oben = H->RechterRand.Wert && WertVon(H->RechterRand.Wert, b);
    for (const TBasisloesung& l : basis) {
        Extended s = 0;
        if (!WertVon(l.Loesung, s)) continue;
        // The first shift into the hull, then onwards into the unbounded side.
        Extended start = 0;
        Int64 richtung = 1;
        if (unten && s < a) start = std::ceil((a - s) / periode);
        if (oben && s > b) start = std::floor((b - s) / periode);
        if (oben) richtung = -1;
        if (!(std::fabs(start) <= GroessteVerschiebung)) continue;
        for (Int32 i = 0; i < VersucheJeLoesung; ++i) {
            PruefeAbbruch();
            // Without bounds the shifts alternate: 0, 1, -1, 2, -2, ...
            const Int64 n =
                !unten && !oben ? (i % 2 ? (i + 1) / 2 : -(i / 2)) : static_cast<Int64>(start) + richtung * i;
            TTerm* t = Verschoben(l.Loesung, n, P);
            Extended w = 0;
            if (!WertVon(t, w) || !M->Enthaelt(t)) continue;
            k.push_back({w, t, l.Vielfachheit});
            break;
        }
    }
    return k;
}

// f(u) = c for a u that is not linear: through the periodic equations u = b + 2k*pi of the base solutions b.
void LoesePeriodisch(TStandardFunktion* f, TTerm* C, Extended c, TMenge* M, TIntervall* H, bool Kommentar,
                     TSListe*& Liste) {
    const std::string& Kennung = f->Kennung;
    TTerm* Argument = f->Argument;
    std::vector<TBasisloesung> basis = Basisloesungen(Kennung, C, c);
    if (basis.empty()) return;
    // tan repeats after pi: its two base solutions u and u + pi cover the period 2*pi.
    if (Kennung == "tan") basis.push_back({nullptr, Summe(basis[0].Wert, KonstantePi()), 1, nullptr});
    TSListe* alle = nullptr;
    for (const TBasisloesung& b : basis) {
        // The interval is the routine's own copy: it may restrict a missing bound in place.
        TIntervall* I = Neu<TIntervall>(H->LinkerRand, H->RechterRand);
        TSListe* teil = nullptr;
        LoesePeriodischeGleichung(Argument, b.Wert, I, Kommentar, teil);
        if (!alle)
            alle = teil;
        else if (teil && teil->Anzahl > 0)
            SListenVereinigen(teil, alle, false);
    }
    const bool ganzR = !H->LinkerRand.Wert && !H->RechterRand.Wert && dynamic_cast<TIntervall*>(M);
    bool ausgesondert = false;
    for (Int32 i = 1; alle && i <= alle->Anzahl; ++i) {
        TStelle* s = alle->Stellen[i];
        if (ganzR || M->Enthaelt(s->Punkt))
            StelleEinfuegen(s, Liste, false);
        else
            ausgesondert = true;
    }
    if (Kommentar && ausgesondert) {
        Schreibe("Die nicht in ");
        SchreibeMenge(M);
        SchreibeZeile(" liegenden Stellen wurden ausgesondert.");
    }
}

// f(a1*x + a0) = c: the base solutions of one period and their shifts by whole periods into M.
void LoeseLinear(TStandardFunktion* f, TTerm* C, Extended c, TTerm* a1, TTerm* a0, TMenge* M, TIntervall* H,
                 bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    const std::string& Kennung = f->Kennung;
    TTerm* Argument = f->Argument;
    Extended m = 0;
    if (!WertVon(a1, m) || m == 0) return;
    // The period in x, written positive: 2*pi/|a1| (tan: pi/|a1|).
    TTerm* pi = KonstantePi();
    TTerm* P = Quotient(Kennung == "tan" ? pi : Produkt(Zwei, pi), m < 0 ? a1->Negation() : a1);
    VereinfacheKonstantenTerm(P);
    Extended periode = 0;
    if (!WertVon(P, periode) || !(periode > 0)) return;

    const bool substitution = !IstVariable(Argument);
    const std::string x = VariablenText();
    const std::string buchstabe =
        substitution ? std::string(1, NaechsterVariablenname(Variablenbuchstabe)) : x;
    if (Kommentar) {
        SchreibeTextTermTextZeile("Die Funktion ist periodisch mit Periode ", P,
                                  " . Es genügt daher, eine Periode zu betrachten.");
        if (substitution) {
            SchreibeTextTermTextZeile("*u<Substitution> von ", Argument, " durch " + buchstabe + ":");
            SchreibeTextTermZeile(Kennung + "(" + buchstabe + ") = ", C);
        }
        SchreibeUnterstrichenZeile("Basislösungen:");
    }
    std::vector<TBasisloesung> basis = Basisloesungen(Kennung, C, c);
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        for (size_t i = 0; i < basis.size(); ++i) {
            TBasisloesung& b = basis[i];
            const std::string index = std::to_string(i + 1);
            if (Kommentar) {
                SchreibeTextTerm(buchstabe + "*i<" + index + "> = ", b.Anzeige);
                if (!b.Anzeige->IstGleich(b.Wert)) SchreibeTextTerm(" = ", b.Wert);
                SchreibeNaeherung(b.Wert);
                SchreibeZeile(".");
            }
            if (!substitution) {
                b.Loesung = b.Wert;
                continue;
            }
            b.Loesung = ArOp(ArOp(b.Wert, a0, '-'), a1, '/');
            if (Kommentar) {
                SchreibeTextTerm("*u<Rücksubstitution>: Auflösung der Gleichung ", Argument);
                SchreibeZeile(" = " + buchstabe + "*i<" + index + ">");
                Schreibe(x + "*i<" + index + "> = ");
                SchreibeUndVereinfachePunkt(b.Loesung);
            } else {
                VereinfacheKonstantenTerm(b.Loesung);
            }
        }
    }

    if (basis.empty()) return;
    const bool beschraenkt = H->LinkerRand.Wert && H->RechterRand.Wert;
    bool vollstaendig = true;
    std::vector<TKandidat> k = beschraenkt ? AlleInBeschraenkterMenge(basis, P, periode, M, H, vollstaendig)
                                           : VertreterInUnbeschraenkterMenge(basis, P, periode, M, H);
    std::stable_sort(k.begin(), k.end(),
                     [](const TKandidat& a, const TKandidat& b) { return a.Wert < b.Wert; });
    for (size_t i = 0; i < k.size() && i < static_cast<size_t>(MaxStellen); ++i)
        StelleEinfuegen(Neu<TStelle>(k[i].Punkt, k[i].Vielfachheit), Liste, false);
    if (!beschraenkt || k.size() > static_cast<size_t>(MaxStellen))
        Status = falsch;
    else
        Status = vollstaendig ? wahr : unklar;
    if (Kommentar && beschraenkt) {
        SchreibeTextTerm("Durch Addition ganzzahliger Vielfacher der Periode ", P);
        Schreibe(" erhält man die Lösungen in ");
        SchreibeMenge(M);
        SchreibeZeile(":");
        SchreibeMengeZeile(Liste);
    } else if (Kommentar) {
        // Without bounds the solutions are endless: the list holds one of each class, and the sentence says
        // that the others follow from them.
        SchreibeTextTerm("Durch Addition ganzzahliger Vielfacher der Periode ", P);
        Schreibe(" zu den Stellen ");
        SchreibeMenge(Liste);
        Schreibe(" erhält man die Lösungen in ");
        SchreibeMenge(M);
        SchreibeZeile(".");
    }
}

// arcsin(u) = c, arccos(u) = c, arctan(u) = c: u = sin(c), cos(c), tan(c) for a c in the range of the
// function, else no solution.
void LoeseUmkehrgleichung(const std::string& n, TTTerm* u, TTerm* C, Extended c, TMenge* M, bool Kommentar,
                          uint8_t& Status, TSListe*& Liste) {
    constexpr Extended pi = std::numbers::pi_v<Extended>, Rundung = 1e-15L;
    const bool kosinus = n == "arccos";
    const Extended unten = kosinus ? 0 : -pi / 2, oben = kosinus ? pi : pi / 2;
    bool definiert = true;
    TTerm* w = nullptr;
    // Only beyond rounding does a c count as outside.
    if (c >= unten - Rundung && c <= oben + Rundung)
        w = n == "arcsin" ? ExakterSinus(C) : kosinus ? ExakterKosinus(C) : ExakterTangens(C, definiert);
    if (w && definiert) {
        LoeseArgumentgleichung(u, w, M, Kommentar, Status, Liste);
        // At an end of its range arcsin or arccos has no derivative.
        if (n != "arctan" && (w->HatWert(BruchEins) || w->HatWert(BruchMinusEins))) OhneVielfachheit(Liste);
        return;
    }
    Status = wahr;
    if (!Kommentar) return;
    TTerm* halbPi = Quotient(KonstantePi(), Zwei);
    const bool offen = n == "arctan";
    Schreibe(n + " hat nur Werte in ");
    SchreibeMengeZeile(Neu<TIntervall>(TRand{kosinus ? Null : halbPi->Negation(), offen},
                                       TRand{kosinus ? KonstantePi() : halbPi, offen}));
}

} // namespace

void TStandardFunktion::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Status = unklar;
    Liste = NeueLeereListe();
    const std::string& n = Kennung;
    if (n == "abs" || n == "sqrt") {
        if (Kommentar) SchreibeTextTermZeile("Das sind die Nullstellen von ", Argument);
        {
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
            SucheNullstellen(Argument, M, Liste, Kommentar, Status);
        }
        // The multiplicity of a zero of u is not that of |u| or sqrt(u).
        OhneVielfachheit(Liste);
    } else if (n == "exp") {
        Status = wahr;
        if (Kommentar) SchreibeZeile("Die natürliche Exponentialfunktion hat keine Nullstellen.");
    } else if (n == "sin" || n == "cos" || n == "tan" || n == "ln" || n == "arcsin" || n == "arccos" ||
               n == "arctan") {
        LoeseGleichung(Null, M, Kommentar, Status, Liste);
    }
    if (!Liste) Liste = NeueLeereListe();
}

void TStandardFunktion::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status,
                                       TSListe*& Liste) {
    if (Kommentar) {
        SchreibeTerm(this);
        SchreibeTextTerm(" = ", C);
        Schreibe(" , G = ");
        SchreibeMengeZeile(M ? M : MengeR);
    }
    Status = unklar;
    Liste = NeueLeereListe();
    if (!M) M = MengeR;
    TTTerm* u = AlsTTTerm(Argument);
    if (!C || !u || !C->IstKonstant) return;
    VereinfacheKonstantenTerm(C);
    Extended c = 0;
    // A right-hand side without a value gives nothing to solve.
    if (!WertVon(C, c)) return;
    const std::string& n = Kennung;
    auto keineLoesung = [&](const std::string& text) {
        Status = wahr;
        if (Kommentar) SchreibeZeile(text);
    };
    if (n == "exp") {
        if (c <= 0) return keineLoesung("Die natürliche Exponentialfunktion hat keine Werte <= 0");
        return LoeseArgumentgleichung(u, StandardFunktionTerm("ln", C), M, Kommentar, Status, Liste);
    }
    if (n == "ln")
        return LoeseArgumentgleichung(u, StandardFunktionTerm("exp", C), M, Kommentar, Status, Liste);
    if (n == "sqrt") {
        if (c < 0) return keineLoesung("Die Quadratwurzelfunktionfunktion hat keine Werte < 0");
        LoeseArgumentgleichung(u, PotenzRadikal(C, TBruch{2, 1}), M, Kommentar, Status, Liste);
        if (c == 0) OhneVielfachheit(Liste);
        return;
    }
    if (n == "abs") {
        if (c < 0) return keineLoesung("Die Betragsfunktion hat keine Werte < 0");
        // |u| = c: u = c or u = -c.
        LoeseArgumentgleichung(u, C, M, Kommentar, Status, Liste);
        if (c == 0) return OhneVielfachheit(Liste);
        TSListe* zweite = nullptr;
        uint8_t status = unklar;
        LoeseArgumentgleichung(u, C->Negation(), M, Kommentar, status, zweite);
        SListenVereinigen(zweite, Liste, false);
        Status = Und(Status, status);
        return;
    }
    if (n == "arcsin" || n == "arccos" || n == "arctan")
        return LoeseUmkehrgleichung(n, u, C, c, M, Kommentar, Status, Liste);
    if (n != "sin" && n != "cos" && n != "tan") return;
    if (n != "tan" && (c > 1 || c < -1)) return keineLoesung(n + " hat nur Werte mit Betrag <=1");

    // An empty set holds no solution.
    TIntervall* H = HuelleVon(M);
    if (!H) {
        Status = wahr;
        return;
    }
    TTerm *a1 = nullptr, *a0 = nullptr;
    if (IstLinear(Argument, a1, a0))
        LoeseLinear(this, C, c, a1, a0, M, H, Kommentar, Status, Liste);
    else
        LoesePeriodisch(this, C, c, M, H, Kommentar, Liste);
}

} // namespace zol
