// The steps of page 7: the antiderivative or the definite integral of f, and the area between the graphs of
// f and g, or between f and the x-axis.
#include <cmath>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "output/Seiten.h"
#include "plattform/Oberflaeche.h"
#include "steps/Allgemeines.h"
#include "steps/Gleichungen.h"
#include "steps/Integral.h"
#include "steps/Nullstel.h"
#include "steps/Numerik.h"
#include "steps/Schrittflags.h"
#include "steps/Schrittrahmen.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// The value of a bound; false when it is missing, depends on x or has no finite value.
bool Grenzwert(TTerm* T, Extended& w) {
    bool definiert = false;
    if (T && T->IstKonstant) w = T->Wert(0, definiert);
    return definiert && std::isfinite(w);
}

void IntegrierbarkeitNichtKlar(TTerm* a, TTerm* b) {
    Schreibe("Integrierbarkeit in ");
    SchreibeIntervall(a, b);
    SchreibeZeile(" nicht klar.");
}

// A pole of the rational function h between a and b, both included: a zero of the denominator of its
// cancelled form found exactly there, where its numerator is surely not 0. Near a pole p, |h| grows as
// c/|x - p|^k with k >= 1, so the integral of h and of |h| over an interval that reaches p diverges. Nil
// where there is none or it is not decided: h no rational function, a parameter, a zero the exact search does
// not find, bounds without a value.
TTerm* PolstelleZwischen(TTerm* h, TTerm* a, TTerm* b) {
    Extended wa = 0, wb = 0;
    if (!h || EnthaeltParameter(h) || !Grenzwert(a, wa) || !Grenzwert(b, wb)) return nullptr;
    try {
        bool neu = false;
        TRationaleFunktion* R = TRationaleFunktionCreateT(h, neu);
        if (!R || R->Nenner.Grad < 1) return nullptr;
        auto* I = Neu<TIntervall>(TRand{wa <= wb ? a : b, false}, TRand{wa <= wb ? b : a, false});
        TSListe* pole = nullptr;
        uint8_t status = unklar;
        PNullstellen(R->Nenner, I, pole, status, false);
        TTerm* Z = PolynomToTerm(R->Zaehler);
        for (Int32 i = 1; pole && i <= pole->Anzahl; ++i) {
            TTerm* p = pole->Stellen[i]->Punkt;
            TTerm* z = Z->Ersetze(VariableX, p);
            if (z && Nullheit(z) == TNullheit::NichtNull) return p;
        }
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EZolFehler&) {
        // Numbers beyond the exact arithmetic, a value that does not exist: not decided.
    }
    return nullptr;
}

// The line on a pole p of Name (f, or f(x) - g(x)) between a and b, where the integral diverges.
void SchreibePolstelle(const std::string& Name, TTerm* p, TTerm* a, TTerm* b) {
    Schreibe(Name + " hat in ");
    SchreibeIntervall(a, b);
    SchreibeTextTerm(" die Polstelle x = ", p);
    Schreibe(".");
}

// Set by Flaechenberechnung when the area reaches a pole: it is not finite.
bool FlaecheUnendlich = false;

// The integral of h from a to b, both points of the list: the antiderivative H evaluated where it is defined
// between them, else (an antiderivative with a jump, as through tan(x/2)) the definite integral. Ra and Rb as
// for IntegralAuswerten.
TTerm* Teilintegral(TTerm* h, TTerm* H, TTerm* a, TTerm* b, TTerm* Ra, TTerm* Rb) {
    if (DefiniertZwischen(H, a, b)) return IntegralAuswerten(H, a, b, VariableX, Ra, Rb);
    return IntegralVon(h, a, b);
}

// T holds a cube root, as Cardano's formula writes the zeros of a cubic.
bool MitKubikwurzel(TTerm* T) {
    if (!T) return false;
    if (auto* o = AlsOperatorTerm(T)) return MitKubikwurzel(o->T1) || MitKubikwurzel(o->T2);
    if (auto* p = AlsPotenzTerm(T); p && p->Exponent.Nenner % 3 == 0) return true;
    if (auto* w = AlsWurzel(T); w && w->Grad % 3 == 0) return true;
    if (T->Typrang >= RangPotenz && T->Typrang <= RangStandard)
        return MitKubikwurzel(static_cast<TFunktion*>(T)->Argument);
    return false;
}

// RestModuloH without its guard: raises where the numbers leave the exact arithmetic.
TTerm* RestModuloHExakt(TTerm* h, TTerm* H, const std::vector<TTerm*>& Nullstellen) {
    bool neu = false;
    TPolynomTerm* Ph = TPolynomTermCreateT(h, neu);
    if (!Ph || Ph->P.Grad < 3 || !IstRationalesPolynom(Ph->P)) return nullptr;
    TPolynomTerm* Q = TPolynomTermCreateT(H, neu);
    if (!Q || !IstRationalesPolynom(Q->P)) return nullptr;
    TPolynom P = Ph->P, ableitung, ggt, quotient, rest;
    PAbleitung(P, ableitung);
    PGGT(P, ableitung, ggt);
    if (ggt.Grad > 0) {
        PDurch(P, ggt, quotient, rest, false);
        P = quotient;
    }
    for (TTerm* z : Nullstellen) {
        auto* r = AlsRationaleKonstante(z);
        TBruch wert;
        if (!r || P.Grad <= 3) continue;
        PWertRational(P, r->Bruch, wert);
        if (wert.Zaehler != 0) continue;
        TPolynom linear;
        linear.Grad = 1;
        linear.Koeff[1] = Eins;
        linear.Koeff[0] = z->Negation();
        PDurch(P, linear, quotient, rest, false);
        P = quotient;
    }
    if (P.Grad < 3) return nullptr;
    PDurch(Q->P, P, quotient, rest, false);
    return PolynomToTerm(rest);
}

// The antiderivative H of the polynomial h with rational coefficients, reduced modulo the factor of h whose
// zeros the cube roots write: at a zero u of a polynomial P that divides h, H(u) = R(u) for the remainder R
// of H divided by P, of a degree below P's (for a zero of x^3 + p*x + q, u^3 = -p*u - q). P is h without its
// repeated factors and without the linear factors of its rational zeros among Nullstellen, so for a cubic
// factor's zeros R has a degree of 2 at most. R(u) is much shorter than H(u), and its simplification takes
// far less work. Nil where h is no such polynomial or P has a degree below 3.
TTerm* RestModuloH(TTerm* h, TTerm* H, const std::vector<TTerm*>& Nullstellen) {
    TTerm* ergebnis = nullptr;
    // Numbers beyond the exact arithmetic: H is evaluated as it stands.
    Versuche([&] { ergebnis = RestModuloHExakt(h, H, Nullstellen); });
    return ergebnis;
}

// The term with H's value at the point x, a zero of h in Nullstellen: R where x is written with cube roots,
// else nil (H itself).
TTerm* WertgleichAn(TTerm* x, TTerm* R, const std::vector<TTerm*>& Nullstellen) {
    if (!R || !MitKubikwurzel(x)) return nullptr;
    for (TTerm* n : Nullstellen)
        if (n == x || n->IstGleich(x)) return R;
    return nullptr;
}

// h is 0 everywhere: every point is a point of intersection, and the area is 0.
bool IstNull(TTerm* h) {
    bool definiert = false;
    return h->IstGleich(Null) || (h->IstKonstant && h->Wert(0, definiert) == 0 && definiert);
}

} // namespace

void DoIntegral(TTerm* a, TTerm* b) {
    const Int32 einrueckung = Einrueckung;
    const bool bestimmt = a || b;
    const std::string marke = bestimmt ? "J = " : "F(x) = ";
    SchreibeUeberschrift(2, "Stammfunktion bzw. Integral");
    if (bestimmt && !(a && b)) {
        SchreibeUnterstrichenZeile("Bestimmung des Integrals: ");
        SchreibeZeile("Integrationsintervall nicht endlich. Integral nicht bestimmt.");
        ZeichneSeite(0);
        return;
    }
    SchreibeUnterstrichen(bestimmt ? "Bestimmung des Integrals: " : "Bestimmung einer Stammfunktion:");
    Schreibe(marke);
    SchreibeIntegralzeichen(a, b);
    SchreibeTerm(EingegebenesF());
    SchreibeZeile("d" + VariablenText());
    if (bestimmt && !GrenzenOhneX(a, b)) {
        ZeichneSeite(0);
        return;
    }
    // Over the closed interval between the bounds, in either order.
    if (bestimmt && (!DefiniertZwischen(FTerm, a, b) || !EingegebenesFDefiniertZwischen(a, b))) {
        // A pole of a rational f in [a; b] decides it: the integral does not exist.
        TTerm* pol = ArtVonF().Klasse == TFunktionsklasse::GebrochenRational ? PolstelleZwischen(FTerm, a, b)
                                                                             : nullptr;
        if (pol) {
            SchreibePolstelle("f", pol, a, b);
            SchreibeZeile(" Das Integral divergiert, es existiert nicht.");
        } else {
            IntegrierbarkeitNichtKlar(a, b);
        }
        ZeichneSeite(0);
        return;
    }
    StarteZeitmessung();
    try {
        {
            TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
            Integralergebnis = IntegralVon(FTerm, a, b);
        }
        // After an abort the driver writes its line.
        if (BenutzerAbbruch) return;
        if (!Integralergebnis && bestimmt) {
            // The option's low 32 bits, as the rule counts.
            const auto n = static_cast<Int32>(SimpsonTeilintervalle);
            Integralergebnis = SimpsonregelSparsam(FTerm, a, b, n);
            if (Integralergebnis) {
                Schreibe("Das Integral von f wurde mit dem Simpson-Verfahren und ");
                Schreibe(SimpsonIntervalle(n));
                SchreibeZeile(" Teilintervallen bestimmt.");
            }
        } else if (!Integralergebnis) {
            SchreibeZeile("Mit elementaren Mitteln konnte keine Stammfunktion von f bestimmt werden");
        }
        if (Integralergebnis) {
            Schreibe(marke);
            if (bestimmt) {
                SchreibeTermMitNaeherung(Integralergebnis);
                SchreibeZeile(" ist das gesuchte Integral.");
            } else {
                SchreibeTerm(Integralergebnis);
                SchreibeZeile(" ist die gesuchte Stammfunktion.");
            }
            SchreibeZeitmessung();
        }
        NeueZeile();
        Trennlinie();
    } catch (const ERessourcen& e) {
        // No value: the line reached is ended, and the page says why.
        BeendeOffeneZeile();
        Einrueckung = einrueckung;
        Integralergebnis = nullptr;
        SchreibeZeile("Bestimmung eines Integrals abgebrochen: " + Fehlertext(e));
        Oberflaeche().Meldung(TMeldungsart::Information,
                              "Bestimmung eines Integrals abgebrochen:\n\r" + e.Meldung);
        NeueZeile();
    }
    ZeichneSeite(0);
}

TTerm* Flaechenberechnung(TTerm* F, TTerm* G, TTerm* a, TTerm* b) {
    FlaecheUnendlich = false;
    Extended wa = 0, wb = 0;
    if (!GrenzenOhneX(a, b)) return nullptr;
    if (!F || !Grenzwert(a, wa) || !Grenzwert(b, wb) || wa > wb) {
        SchreibeZeile("Zur Flächenberechnung müssen a und b angegeben sein, a nicht größer als b.");
        return nullptr;
    }
    auto* I = Neu<TIntervall>(TRand{a, false}, TRand{b, false});
    const bool hierGesucht = !Schnittstellenliste || Schnittstellenliste->Anzahl < 0;
    // The points found as zeros of f - g (of f).
    std::vector<TTerm*> nullstellenVonH;
    auto merke = [&](TSListe* L) {
        for (Int32 i = 1; L && i <= L->Anzahl; ++i) nullstellenVonH.push_back(L->Stellen[i]->Punkt);
    };
    if (hierGesucht) {
        if (G)
            LoeseTermgleichung(F, G, I, Kommentare, SchnittstellenStatus, Schnittstellenliste);
        else
            SucheNullstellen(F, I, Schnittstellenliste, Kommentare, SchnittstellenStatus);
        merke(Schnittstellenliste);
    }
    // The points in [a, b], copied so that a list shared with the zeros keeps its multiplicities, and the
    // bounds merged in.
    TSListe* punkte = NeueLeereListe();
    for (Int32 i = 1; Schnittstellenliste && i <= Schnittstellenliste->Anzahl; ++i) {
        TStelle* s = Schnittstellenliste->Stellen[i];
        if (I->Enthaelt(s->Punkt))
            punkte->Stellen[++punkte->Anzahl] = Neu<TStelle>(s->Punkt, s->Vielfachheit);
        if (punkte->Anzahl > MaxStellen - 2) throw ETermGoToStart("Zu viele Schnittstellen.");
    }
    for (TTerm* grenze : {a, b}) StelleEinfuegen(Neu<TStelle>(grenze, 1), punkte, false);
    SortiereSListe(punkte, true);
    Schnittstellenliste = punkte;

    TTerm* h = F;
    if (G) {
        h = OperatorTerm(F, G, '-');
        if (Kommentare) SchreibeTextTerm("Zur Flächenberechnung muss f(x) - g(x) = ", h);
        const Int32 knoten = h->Knotenzahl;
        VereinfacheTerm(h);
        if (Kommentare) {
            if (h->Knotenzahl < knoten) SchreibeTextTerm(" = ", h);
            SchreibeZeile(" integriert werden.");
        }
    } else if (Kommentare) {
        SchreibeZeile("Zur Flächenberechnung muss f(x) integriert werden.");
    }
    // Nor where f as entered (or g) has no value, though the simplified difference has one.
    const bool gDefiniert = !G || DefiniertBisAufStellen(G, a, b);
    if (!DefiniertZwischen(h, a, b) ||
        !(F == FTerm ? EingegebenesFDefiniertZwischen(a, b) : DefiniertBisAufStellen(F, a, b)) ||
        !gDefiniert) {
        // Rational f and g, lacking values at single points only: a pole of f - g in [a; b] makes the area
        // infinite.
        auto rational = [](TTerm* T) {
            bool neu = false;
            return T == FTerm ? ArtVonF().Klasse != TFunktionsklasse::Andere
                              : TRationaleFunktionCreateT(T, neu) != nullptr;
        };
        TTerm* pol = gDefiniert && rational(F) && (!G || rational(G)) ? PolstelleZwischen(h, a, b) : nullptr;
        if (pol) {
            SchreibePolstelle(G ? "f(x) - g(x)" : "f", pol, a, b);
            SchreibeZeile(" Der Flächeninhalt ist nicht endlich.");
            FlaecheUnendlich = true;
        } else {
            IntegrierbarkeitNichtKlar(a, b);
        }
        return nullptr;
    }
    // h changes its sign at its own zeros also where f or g as entered has none: the zeros step drops the
    // zeros where f has no value ((x-1)^2/(x^2-1) = (x-1)/(x+1) at 1), and f - g simplified loses the gaps
    // ((x^2-1)/(x-1) - 2 = x - 1 at 1). It may change its sign at a gap of f or g without a zero there
    // (|x| - x^2(x-1)/x at 0). They all split the area.
    auto einfuegen = [&](TSListe* L) {
        for (Int32 i = 1; L && i <= L->Anzahl; ++i) {
            if (punkte->Anzahl >= MaxStellen) throw ETermGoToStart("Zu viele Schnittstellen.");
            if (I->Enthaelt(L->Stellen[i]->Punkt))
                StelleEinfuegen(Neu<TStelle>(L->Stellen[i]->Punkt, 1), punkte, true);
        }
    };
    TWahrheitswert vollstaendig = SchnittstellenStatus;
    if (G || !hierGesucht) {
        TSListe* nullstellen = nullptr;
        uint8_t status = unklar;
        SucheNullstellen(h, I, nullstellen, false, status);
        einfuegen(nullstellen);
        merke(nullstellen);
    }
    for (TRationaleFunktion* q : {F == FTerm ? EingegebenerQuotient() : UngekuerzterQuotient(F),
                                  G ? UngekuerzterQuotient(G) : nullptr}) {
        TSListe* luecken = nullptr;
        uint8_t status = unklar;
        if (q) PNullstellen(q->Nenner, I, luecken, status, false);
        if (q && status != wahr) vollstaendig = unklar;
        einfuegen(luecken);
    }
    SortiereSListe(punkte, true);
    if (vollstaendig != wahr && !IstNull(h)) {
        SchreibeZeile("Es konnten nicht alle Schnittstellen bestimmt werden; der Flächeninhalt wird nicht "
                      "angegeben.");
        return nullptr;
    }

    const Int32 n = punkte->Anzahl;
    auto x = [&](Int32 i) { return punkte->Stellen[i]->Punkt; };
    if (n < 2) return Null;
    if (n == 2) {
        TTerm* J = IntegralVon(h, x(1), x(2));
        return J ? StandardFunktionTerm("abs", J) : nullptr;
    }
    TTerm* H = IntegralVon(h, nullptr, nullptr);
    if (!H) return nullptr;
    bool kubikwurzeln = false;
    for (Int32 i = 1; i <= n && !kubikwurzeln; ++i) kubikwurzeln = MitKubikwurzel(x(i));
    TTerm* rest = kubikwurzeln ? RestModuloH(h, H, nullstellenVonH) : nullptr;
    TTerm* A = Null;
    for (Int32 i = 1; i < n && A; ++i) {
        if (Kommentare) {
            SchreibeIntegralzeichen(x(i), x(i + 1));
            SchreibeTerm(h);
            Schreibe(" d" + VariablenText() + " = ");
        }
        TTerm* J = Teilintegral(h, H, x(i), x(i + 1), WertgleichAn(x(i), rest, nullstellenVonH),
                                WertgleichAn(x(i + 1), rest, nullstellenVonH));
        A = J ? Summe(A, StandardFunktionTerm("abs", J)) : nullptr;
    }
    return A;
}

void SchrittFlaecheninhalt(TTerm* a, TTerm* b) {
    SchreibeUeberschrift(2, "Flächeninhalt");
    SchreibeTextTerm("zwischen dem Graphen von f(x) = ", EingegebenesF());
    Schreibe(" und ");
    if (GTerm)
        SchreibeTextTerm("dem Graphen von g(x) = ", GTerm);
    else
        Schreibe("der x-Achse ");
    Schreibe("  in   ");
    SchreibeIntervall(a, b);
    NeueZeile();
    // A bound with x leaves no interval: the step is dropped with the line that says so.
    if (!GrenzenOhneX(a, b)) {
        ZeichneSeite(0);
        return;
    }
    if (Kommentare) {
        Schreibe("Dazu wurden die Schnittstellen von ");
        SchreibeMitIndex("G", "f");
        Schreibe(" mit ");
        if (GTerm)
            SchreibeMitIndex("G", "g");
        else
            Schreibe("der x-Achse ");
        SchreibeZeile(" bestimmt.");
    }
    // The area, or that there is none, is the step's result and stands with comments off too.
    TTerm* A = nullptr;
    try {
        A = Flaechenberechnung(FTerm, GTerm, a, b);
    } catch (const ERessourcen& e) {
        // Numbers beyond the limits in a piece: the line reached is ended, and the reason stands before the
        // result.
        BeendeOffeneZeile();
        SchreibeZeile(Fehlertext(e));
    }
    if (A) {
        Schreibe("Der gesuchte Flächeninhalt ist A = ");
        SchreibeUndVereinfache(A);
        NeueZeile();
        // The graph hatches this area, between the points that split it.
        Flaechenstellen = Schnittstellenliste;
    } else if (!FlaecheUnendlich) {
        // A piece whose integral was not found leaves its commented line open.
        BeendeOffeneZeile();
        SchreibeZeile("Der Flächeninhalt konnte nicht bestimmt werden.");
    }
    NeueZeile();
    Trennlinie();
    ZeichneSeite(0);
}

} // namespace zol
