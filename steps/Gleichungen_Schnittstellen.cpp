// Term equations f(x) = g(x) and the intersection step.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "steps/Gleichungen.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Wurzeln.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

const char* const KeineSchnittstellenText = "Es konnten keine Schnittstellen gefunden werden.";

// Common factors are cancelled this many times one inside the other at most; deeper only the difference
// and the quotient are tried.
constexpr Int32 MaxKuerzungen = 40;
Int32 Kuerzungstiefe = 0;

bool EndlicherWertBei(TTerm* T, Extended x) {
    bool definiert = false;
    const Extended w = T->Wert(x, definiert);
    return definiert && std::isfinite(w);
}

// The factor as compared with the other side: the base of a power with an exponent above 1, else the
// factor itself; Rest is what stays of the factor when the compared term is cancelled (nil: nothing).
TTerm* Vergleichsterm(TTerm* Faktor, TTerm*& Rest) {
    Rest = nullptr;
    TPotenz* p = AlsPotenzTerm(Faktor);
    if (!p || !(p->Exponent.Zaehler > p->Exponent.Nenner)) return Faktor;
    TBruch e;
    Brueche::Minus(p->Exponent, BruchEins, e);
    Rest = Potenz(p->Argument, e);
    return p->Argument;
}

// The factors of T after its rational factor k: Liste[1..Anzahl].
void Zerlege(TTerm* T, TBruch& k, TTerm** Liste, Int32& Anzahl) {
    TTerm* rest = nullptr;
    KMK(T, rest, k);
    Anzahl = 0;
    Faktoren(rest, Liste, Anzahl);
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

// k times Rest (when there is one) times every factor but the one at Ohne.
TTerm* ProduktOhne(const TBruch& k, TTerm* Rest, TTerm** Liste, Int32 Anzahl, Int32 Ohne) {
    TTerm* p = RationaleKonstante(k);
    if (Rest) p = Produkt(p, Rest);
    for (Int32 i = 1; i <= Anzahl; ++i)
        if (i != Ohne) p = Produkt(p, Liste[i]);
    return p;
}

// The first factor that F and G have in common: its zeros, then the equation with the factor cancelled.
// false when there is none.
bool GemeinsamerFaktor(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, uint8_t& Status,
                       TSListe*& Liste) {
    TTerm* f[MaxFaktoren + 1] = {};
    TTerm* g[MaxFaktoren + 1] = {};
    Int32 nf = 0, ng = 0;
    TBruch kf, kg;
    Zerlege(F, kf, f, nf);
    Zerlege(G, kg, g, ng);
    for (Int32 i = 1; i <= nf; ++i) {
        if (f[i]->IstKonstant) continue;
        TTerm* restF = nullptr;
        TTerm* a = Vergleichsterm(f[i], restF);
        TTTerm* faktor = AlsTTTerm(a);
        for (Int32 j = 1; faktor && j <= ng; ++j) {
            TTerm* restG = nullptr;
            if (!a->IstGleich(Vergleichsterm(g[j], restG))) continue;
            if (Kommentar) SchreibeTextTermZeile("Dazu gehören die Nullstellen des gemeinsamen Faktors ", a);
            uint8_t statusFaktor = unklar;
            {
                TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
                faktor->Nullstellen(Bereich, Liste, Kommentar, statusFaktor);
            }
            if (!Liste) Liste = NeueLeereListe();
            if (Kommentar)
                SchreibeTextTermTextZeile(
                    "Die weiteren Schnittstellen ergeben sich, indem man die  Ausgangsgleichung durch ", a,
                    " kürzt.");
            TSListe* weitere = nullptr;
            uint8_t statusRest = unklar;
            TWechsel<Int32> tiefe(Kuerzungstiefe, Kuerzungstiefe + 1);
            LoeseTermgleichung(ProduktOhne(kf, restF, f, nf, i), ProduktOhne(kg, restG, g, ng, j), Bereich,
                               Kommentar, statusRest, weitere);
            SListenVereinigen(weitere, Liste, false);
            Status = Und(statusFaktor, statusRest);
            return true;
        }
    }
    return false;
}

// The zeros of F - G.
void UeberDieDifferenz(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, uint8_t& Status,
                       TSListe*& Liste) {
    TTerm* d = Differenz(F, G);
    TTerm* h = d;
    VereinfacheTerm(h);
    TSListe* nullstellen = nullptr;
    uint8_t status = unklar;
    SucheNullstellen(h, Bereich, nullstellen, false, status);
    if (Kommentar && nullstellen->Anzahl > 0) {
        SchreibeTextTermTextZeile("Subtraktion von ", G, " führt auf:");
        SchreibeTerm(d);
        SchreibeZeile(" = 0. Nach Vereinfachung ergibt sich:");
        SucheNullstellen(h, Bereich, nullstellen, true, status);
    }
    SListenVereinigen(nullstellen, Liste, true);
    Status = WahrWennEines(Status, status);
}

// The solutions of F / G = 1.
void UeberDenQuotienten(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, uint8_t& Status,
                        TSListe*& Liste) {
    TTerm* q = Quotient(F, G);
    if (!q) return;
    VereinfacheTerm(q);
    TTTerm* t = AlsTTTerm(q);
    if (!t) return;
    TSListe* loesungen = nullptr;
    uint8_t status = unklar;
    t->LoeseGleichung(Eins, Bereich, false, status, loesungen);
    if (Kommentar && loesungen && loesungen->Anzahl > 0) {
        SchreibeTextTermTextZeile("Division durch ", G, " führt auf:");
        t->LoeseGleichung(Eins, Bereich, true, status, loesungen);
    }
    SListenVereinigen(loesungen, Liste, true);
    // F / G = 1 says nothing about the zeros of G, where F = G = 0 may hold: complete only without them.
    if (status == wahr && IstUngleichNullAuf(G, Bereich) != wahr) status = unklar;
    Status = WahrWennEines(Status, status);
}

// The argument of T when T is a function of it that is strictly monotonic where it is defined: a standard
// function of that kind, a root, a power whose exponent is not an even integer (a power with a broken
// exponent is defined for a base >= 0 only), a multiple of a logarithm as the logarithm of a power. Art names
// the function; sqrt, a square root and the power 1/2 are one function.
TTerm* MonotonesArgument(TTerm* T, std::string& Art) {
    if (TWurzel* w = AlsWurzel(T)) {
        Art = "Wurzel " + std::to_string(w->Grad);
        return w->Argument;
    }
    if (TPotenz* p = AlsPotenzTerm(T)) {
        const TBruch& e = p->Exponent;
        if (e.Zaehler == 0 || (e.Nenner == 1 && e.Zaehler % 2 == 0)) return nullptr;
        Art = e.Zaehler == 1 && e.Nenner == 2
                  ? "Wurzel 2"
                  : "Potenz " + std::to_string(e.Zaehler) + "/" + std::to_string(e.Nenner);
        return p->Argument;
    }
    // c*ln(u) is ln(u^c) where u > 0, and c*ln|w| with an even integer c is ln(w^c) wherever w is not 0.
    if (auto* o = AlsOperatorTerm(T); o && o->Operator == '*') {
        TTerm *k = o->T1, *l = o->T2;
        if (!IstRationaleKonstante(k)) std::swap(k, l);
        auto* c = AlsRationaleKonstante(k);
        if (!c || c->IstNull() || !IstStandardFunktion(l, "ln")) return nullptr;
        TTerm* u = AlsStandardFunktion(l)->Argument;
        const TBruch& e = c->Bruch;
        if (IstStandardFunktion(u, "abs")) {
            if (e.Nenner != 1 || e.Zaehler % 2 != 0) return nullptr;
            u = AlsStandardFunktion(u)->Argument;
        }
        Art = "ln";
        return Potenz(u, e);
    }
    for (const char* name : {"exp", "ln", "sqrt", "arcsin", "arccos", "arctan"})
        if (IstStandardFunktion(T, name)) {
            Art = std::string(name) == "sqrt" ? "Wurzel 2" : name;
            return AlsStandardFunktion(T)->Argument;
        }
    return nullptr;
}

// f(u) = f(v) for one strictly monotonic function f through u = v; |u| = |v| through u = v and u = -v, |u| =
// G through u = G and u = -G. Each solution stays where F and G have equal values (for |u| = G: where G is
// not negative).
void UeberDieFunktion(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    if (!IstStandardFunktion(F, "abs") && IstStandardFunktion(G, "abs")) std::swap(F, G);
    TTerm* u = nullptr;
    std::vector<TTerm*> rechts;
    std::string f, g;
    if (IstStandardFunktion(F, "abs")) {
        u = AlsStandardFunktion(F)->Argument;
        TTerm* v = IstStandardFunktion(G, "abs") ? AlsStandardFunktion(G)->Argument : G;
        rechts = {v, v->Negation()};
    } else if ((u = MonotonesArgument(F, f)) != nullptr) {
        TTerm* v = MonotonesArgument(G, g);
        if (v && f == g) rechts = {v};
    }
    if (rechts.empty()) return;
    TWechsel<Int32> tiefe(Kuerzungstiefe, Kuerzungstiefe + 1);
    TSListe* loesungen = NeueLeereListe();
    uint8_t status = wahr;
    for (const bool mitKommentar : {false, true}) {
        if (mitKommentar && !(Kommentar && loesungen->Anzahl > 0)) break;
        if (mitKommentar && rechts.size() > 1)
            SchreibeTextTermZeile("Fallunterscheidung nach dem Vorzeichen von ", u);
        else if (mitKommentar)
            SchreibeZeile("Da die äußere Funktion streng monoton ist, müssen die Argumente übereinstimmen:");
        loesungen = NeueLeereListe();
        status = wahr;
        for (TTerm* r : rechts) {
            TSListe* l = nullptr;
            uint8_t st = unklar;
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + (mitKommentar ? Einzug : 0));
            LoeseTermgleichung(u, r, Bereich, mitKommentar, st, l);
            SListenVereinigen(l, loesungen, true);
            status = Und(status, st);
        }
    }
    TSListe* gueltig = NeueLeereListe();
    for (Int32 i = 1; i <= loesungen->Anzahl; ++i) {
        // A solution with a parameter is checked by the validity of the points at the end.
        if (EnthaeltParameter(loesungen->Stellen[i]->Punkt) || EnthaeltParameter(F) || EnthaeltParameter(G)) {
            gueltig->Stellen[++gueltig->Anzahl] = loesungen->Stellen[i];
            continue;
        }
        bool d = false, df = false, dg = false;
        const Extended x = loesungen->Stellen[i]->Punkt->Wert(0, d);
        const Extended f = F->Wert(x, df), g = G->Wert(x, dg);
        if (d && df && dg && std::fabs(f - g) <= 1e-9L * (1 + std::fabs(f) + std::fabs(g)))
            gueltig->Stellen[++gueltig->Anzahl] = loesungen->Stellen[i];
        else if (Kommentar)
            SchreibeTextTermTextZeile("", loesungen->Stellen[i]->Punkt,
                                      " erfüllt die Ausgangsgleichung nicht.");
    }
    SListenVereinigen(gueltig, Liste, true);
    Status = WahrWennEines(Status, status);
}

// A point where F, G or the point holds a parameter: kept where it lies in Bereich and F and G have a value
// there for every value of the parameter; where that is not decided the line says so and Status is no
// longer wahr.
bool GueltigMitParameter(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, TTerm* P, uint8_t& Status) {
    const TWahrheitswert liegt = LiegtIn(P, Bereich), f = DefiniertBei(F, P), g = DefiniertBei(G, P);
    if (liegt == falsch || f == falsch || g == falsch) {
        if (liegt != falsch && Kommentar)
            SchreibeTextTermTextZeile("In ", P,
                                      f == falsch ? " ist f nicht definiert." : " ist g nicht definiert.");
        return false;
    }
    if (liegt == wahr && f == wahr && g == wahr) return true;
    if (Status == wahr) Status = unklar;
    if (Kommentar) {
        SchreibeTextTerm("Ob ", P);
        SchreibeNichtEntschieden(liegt == wahr ? " eine Schnittstelle ist,"
                                               : " im angegebenen Intervall liegt,",
                                 P, Differenz(F, G));
    }
    return false;
}

// Only the points in Bereich where F and G both have a value; with Kommentar each point where one of them
// has none is named.
void NurGueltigePunkte(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, TSListe*& Liste,
                       uint8_t& Status) {
    TSListe* gueltig = NeueLeereListe();
    const bool parameter = EnthaeltParameter(F) || EnthaeltParameter(G);
    for (Int32 i = 1; i <= Liste->Anzahl; ++i) {
        TStelle* s = Liste->Stellen[i];
        if (parameter || EnthaeltParameter(s->Punkt)) {
            if (!GueltigMitParameter(F, G, Bereich, Kommentar, s->Punkt, Status)) continue;
            // A multiplicity that holds for some values of the parameter only is not given.
            if (s->Vielfachheit > 0 && !AbleitungNichtNullIn(Differenz(F, G), s->Vielfachheit, s->Punkt))
                s = Neu<TStelle>(s->Punkt, 0);
            gueltig->Stellen[++gueltig->Anzahl] = s;
            continue;
        }
        bool definiert = false;
        const Extended x = s->Punkt->Wert(0, definiert);
        if (!definiert || !std::isfinite(x) || (Bereich && !Bereich->Enthaelt(s->Punkt))) continue;
        const bool f = EndlicherWertBei(F, x), g = EndlicherWertBei(G, x);
        if (f && g)
            gueltig->Stellen[++gueltig->Anzahl] = s;
        else if (Kommentar)
            SchreibeTextTermTextZeile("In ", s->Punkt,
                                      f ? " ist g nicht definiert." : " ist f nicht definiert.");
    }
    Liste = gueltig;
}

std::string Schnittstellenwort(Int32 n) {
    switch (n) {
    case 1:
        return "   (einfache Schnittstelle);";
    case 2:
        return "   (doppelte Schnittstelle);";
    case 3:
        return "   (dreifache Schnittstelle);";
    default:
        return n >= 4 ? "   (" + std::to_string(n) + "-fache Schnittstelle);" : std::string();
    }
}

} // namespace

void LoeseTermgleichung(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, uint8_t& Status,
                        TSListe*& Liste) {
    Liste = nullptr;
    Status = unklar;
    if (Kommentar) {
        SchreibeTextTerm("Bestimmung der Lösungen der Gleichung ", F);
        SchreibeTextTermZeile(" = ", G);
    }
    TTTerm* f = AlsTTTerm(F);
    TTTerm* g = AlsTTTerm(G);
    if (!f || !g) {
        Liste = NeueLeereListe();
        return;
    }
    const bool aussen = Kuerzungstiefe == 0;
    // Solutions found whose place in Bereich is open for some values of the parameter; those of a cancelled
    // equation are checked against F and G as given at the outer level.
    TOffeneLoesungen offen;
    // F = G for every x where both are defined: no point is listed, as every x is one.
    if (aussen && IstNullfunktion(Differenz(F, G))) {
        Liste = NeueLeereListe();
        Status = falsch;
        if (Kommentar) SchreibeZeile("Die Gleichung ist allgemeingültig.");
        return;
    }
    if (G->IstKonstant) {
        f->LoeseGleichung(G, Bereich, Kommentar, Status, Liste);
    } else if (F->IstKonstant) {
        g->LoeseGleichung(F, Bereich, Kommentar, Status, Liste);
    } else if (Kuerzungstiefe < MaxKuerzungen) {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        GemeinsamerFaktor(F, G, Bereich, Kommentar, Status, Liste);
    }
    if (!Liste) Liste = NeueLeereListe();
    if (Status != wahr) UeberDieDifferenz(F, G, Bereich, Kommentar, Status, Liste);
    if (Status != wahr) UeberDenQuotienten(F, G, Bereich, Kommentar, Status, Liste);
    if (Status != wahr && Kuerzungstiefe < MaxKuerzungen)
        UeberDieFunktion(F, G, Bereich, Kommentar, Status, Liste);
    // The cancelled equations of the inner levels are checked here, against F and G as given.
    if (aussen) {
        NurGueltigePunkte(F, G, Bereich, Kommentar, Liste, Status);
        offen.Pruefe(Differenz(F, G), Bereich, Liste);
    } else {
        offen.ReicheWeiter();
    }
    if (Kommentar && Liste->Anzahl == 0 && offen.Punkte.empty()) SchreibeZeile(KeineSchnittstellenText);
}

void BestimmungDerSchnittstellen(bool Zeichnen) {
    Einrueckung = 0;
    if (!FTerm || !GTerm) return;
    SchreibeUeberschrift(2, "Bestimmung der Schnittstellen ");
    SchreibeTextTerm("von f(x) = ", EingegebenesF());
    SchreibeTextTerm(" und g(x) = ", GTerm);
    const Int32 knoten = GTerm->Knotenzahl;
    Kumuliere(GTerm);
    if (GTerm->Knotenzahl < knoten) SchreibeTextTerm(" = ", GTerm);
    Schreibe(" in ");
    SchreibeMenge(ABIntervall);
    NeueZeile();
    if (!IntervallOhneX()) {
        Trennlinie();
        if (Zeichnen) ZeichneSeite(0);
        return;
    }

    TOffeneLoesungen offen;
    LoeseTermgleichung(FTerm, GTerm, ABIntervall, Kommentare, SchnittstellenStatus, Schnittstellenliste);
    const Int32 gesucht = Schnittstellenliste->Anzahl;
    OhneDefinitionsluecken(Schnittstellenliste);
    const Int32 anzahl = Schnittstellenliste->Anzahl;
    // f = g for every x: no point is listed, as every x is one.
    const bool ueberall =
        anzahl == 0 && SchnittstellenStatus == falsch && IstNullfunktion(Differenz(FTerm, GTerm));
    // That none was found is the solver's result: it stands with comments off too, and after the gaps of f
    // took every point the solver had named.
    if (anzahl == 0 && !ueberall && offen.Punkte.empty() && (!Kommentare || gesucht > 0))
        SchreibeZeile(KeineSchnittstellenText);
    std::vector<Extended> y(size_t(anzahl) + 1, 0);
    if (anzahl > 0) SchreibeUnterstrichenZeile("Gefundene Schnittstellen: ");
    for (Int32 i = 1; i <= anzahl; ++i) {
        TStelle* s = Schnittstellenliste->Stellen[i];
        if (EnthaeltParameter(s->Punkt) || EnthaeltParameter(FTerm)) {
            // The point and its value as terms; the graph marks none.
            TTerm* w = Eingesetzt(FTerm, s->Punkt);
            y[size_t(i)] = NAN;
            SchreibeMitIndex(";  S", std::to_string(i));
            SchreibeTextTerm("(", s->Punkt);
            SchreibeTextTerm(" | ", w);
            Schreibe(")");
        } else {
            bool definiert = false;
            const Extended x = s->Punkt->Wert(0, definiert);
            y[size_t(i)] = Funktionswert(FTerm, s->Punkt);
            SchreibeMitIndex(";  S", std::to_string(i));
            Schreibe("(" + FormatiereZahl(x) + " | " + FormatiereZahl(y[size_t(i)]) + ")");
        }
        const std::string wort = Schnittstellenwort(s->Vielfachheit);
        if (!wort.empty())
            SchreibeZeile(wort);
        else if (i == anzahl)
            NeueZeile();
    }
    // The solutions found whose place in the interval is open, where no comment named them.
    if (!Kommentare) SchreibeOffeneLoesungen("f(x) = g(x) gilt für", offen.Punkte);
    switch (SchnittstellenStatus) {
    case falsch:
        SchreibeZeile(
            ueberall ? "f und g stimmen überein: jedes x, an dem beide definiert sind, ist Schnittstelle."
                     : "Weitere Schnittstellen existieren, konnten aber nicht bestimmt werden.");
        break;
    case wahr:
        SchreibeZeile("Weitere Schnittstellen gibt es nicht.");
        break;
    default:
        SchreibeZeile("Ob weitere Schnittstellen existieren, ist unklar.");
        break;
    }
    for (Int32 i = 1; i <= anzahl; ++i) {
        if (std::isnan(y[size_t(i)])) continue;
        bool definiert = false;
        const Extended x = Schnittstellenliste->Stellen[i]->Punkt->Wert(0, definiert);
        MerkePunkt("S*i<" + std::to_string(i) + ">", static_cast<Double>(x),
                   static_cast<Double>(y[size_t(i)]));
    }
    NeueZeile();
    Trennlinie();
    if (Zeichnen) ZeichneSeite(0);
}

} // namespace zol
