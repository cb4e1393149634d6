#include "steps/Extremstellen.h"

#include <cmath>
#include <string>

#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "steps/Ableitungen.h"
#include "steps/Allgemeines.h"
#include "steps/Nullstel.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/Terme.h"

namespace zol {

namespace {

// Moves the test points L and R to c when c lies between them and x.
void Engen(TTerm* c, Extended x, Extended& L, Extended& R) {
    Extended w = 0;
    if (!WertBei(c, 0, w)) return;
    if (L < w && w < x) L = w;
    if (x < w && w < R) R = w;
}

// Writes the value of D at the test point t; its sign: -1, 1, 0 for the value 0, 2 for no value.
int Testwert(TTerm* D, const std::string& Name, Extended t) {
    Schreibe(Name + "(" + FormatiereZahl(t) + ") = ");
    Extended w = 0;
    if (!WertBei(D, t, w)) {
        SchreibeZeile("nicht def.");
        return 2;
    }
    const Double a = static_cast<Double>(w);
    Schreibe(a);
    if (a < 0) {
        SchreibeZeile("<0");
        return -1;
    }
    if (a > 0) {
        SchreibeZeile(">0");
        return 1;
    }
    SchreibeZeile("=0");
    return 0;
}

// One candidate x0 of f' (value x): decided by the sign of f''(x), exactly 0 by the sign-change test.
void Extremstelle(TSListe* Kandidaten, Int32 i, TPunktzaehler& Zaehler) {
    TTerm* x0 = Kandidaten->Stellen[i]->Punkt;
    Extended x = 0, y = 0, s = 0;
    if (!WertBei(x0, 0, x)) return;
    if (!WertBei(Ableitung2, x, s)) {
        SchreibeZeile("f '' in " + FormatiereZahl(x) + " nicht definiert.");
        return;
    }
    if (!WertBei(FTerm, x, y)) return;
    const bool null = TermVerschwindetIn(Ableitung2, x0);
    SchreibeTextTerm("f ''(", x0);
    Schreibe(x0->Knotenzahl > 0 ? ") = f ''(" + FormatiereZahl(x) + " ) = " : std::string(") = "));
    Schreibe(FormatiereZahl(null ? 0 : s));
    if (!null && s > 0)
        SchreibeKurvenpunkt("> 0, also hat f dort eine Minimalstelle. ", Zaehler.Tief, x0, 'T', "Tiefpunkt",
                            static_cast<Double>(y));
    else if (!null && s < 0)
        SchreibeKurvenpunkt("< 0, also hat f dort eine Maximalstelle. ", Zaehler.Hoch, x0, 'H', "Hochpunkt",
                            static_cast<Double>(y));
    else
        UntersucheVorzeichenwechsel(Ableitung1, false, Kandidaten, i, x, y, Zaehler);
}

} // namespace

bool WertBei(TTerm* T, Extended x, Extended& Wert) {
    if (!T) return false;
    bool definiert = false;
    Wert = T->Wert(x, definiert);
    return definiert && std::isfinite(Wert);
}

void SucheKandidaten(TTerm* D, TSListe*& Kandidaten, uint8_t& Status) {
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        SucheNullstellen(D, ABIntervall, Kandidaten, Kommentare, Status);
    }
    OhneDefinitionsluecken(Kandidaten);
}

void UntersucheVorzeichenwechsel(TTerm* D, bool Wende, TSListe* Kandidaten, Int32 i, Extended x, Extended y,
                                 TPunktzaehler& Zaehler) {
    const std::string name = Wende ? "f ''" : "f '";
    TTerm* x0 = Kandidaten->Stellen[i]->Punkt;
    NeueZeile();
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    SchreibeTextTermTextZeile("Untersuchung, ob " + name + " in ", x0, " einen Vorzeichenwechsel hat.");

    Extended L = x - 1.5L, R = x + 1.5L;
    for (Int32 j = 1; j <= Kandidaten->Anzahl; ++j)
        if (j != i) Engen(Kandidaten->Stellen[j]->Punkt, x, L, R);
    for (Int32 j = 1; Definitionsluecken && j <= Definitionsluecken->Anzahl; ++j)
        Engen(Definitionsluecken->Stellen[j]->Punkt, x, L, R);
    L = EinfacheZahlZwischen(L, x);
    R = EinfacheZahlZwischen(x, R);

    const std::string xtext = FormatiereZahl(x);
    SchreibeZeile("linke Teststelle : " + FormatiereZahl(L));
    SchreibeZeile("rechte Teststelle: " + FormatiereZahl(R));
    SchreibeZeile("Zwischen den Teststellen und " + xtext + " liegen weder ");
    SchreibeZeile("Definitionlücken von f noch weitere Nullstellen von " + name);
    const int a = Testwert(D, name, L);
    const int b = Testwert(D, name, R);

    const bool wechsel = (a == -1 && b == 1) || (a == 1 && b == -1);
    const bool kein = (a == -1 && b == -1) || (a == 1 && b == 1);
    if (!wechsel && !kein) {
        SchreibeZeile("Über einen Vorzeichenwechsel von " + name + " in " + xtext +
                      " lässt sich so nichts aussagen.");
        return;
    }
    Schreibe("Also hat " + name + " in " + xtext);
    if (kein) {
        SchreibeZeile(Wende ? " keinen Vorzeichenwechsel und daher f dort keine Wendestelle."
                            : " keinen Vorzeichenwechsel und daher f dort keine Extremstelle.");
        return;
    }
    Schreibe(" einen Vorzeichenwechsel von ");
    const Double yd = static_cast<Double>(y);
    if (Wende)
        SchreibeKurvenpunkt(
            a < 0 ? "- nach + und daher f dort eine Wendestelle von rechts- nach linksgekrümmt."
                  : "+ nach - und daher f dort eine Wendestelle von links- nach rechtsgekrümmt.",
            Zaehler.Wende, x0, 'W', "Wendepunkt", yd);
    else if (a < 0)
        SchreibeKurvenpunkt("- nach + und daher f dort eine Minimalstelle.", Zaehler.Tief, x0, 'T',
                            "Tiefpunkt", yd);
    else
        SchreibeKurvenpunkt("+ nach - und daher f dort eine Maximalstelle.", Zaehler.Hoch, x0, 'H',
                            "Hochpunkt", yd);
}

void BestimmungVonExtremstellen() {
    if (!Schrittflags[SchrittDefinitionsbereich]) BestimmungDesDefinitionsbereichs();
    if (!Schrittflags[SchrittAbleitungen]) BestimmungDerAbleitungen(false);
    try {
        Einrueckung = 0;
        SchreibeUeberschrift(2, "Bestimmung von Extremstellen ");
        if (!IntervallOhneX()) {
            Trennlinie();
            ZeichneSeite(0);
            return;
        }
        Schreibe(":");
        Schreibe("Notwendige Bedingung: f '(");
        SchreibeMitIndex("x", "E");
        SchreibeZeile(") = 0.");
        if (!Ableitung1 || !Ableitung2 || !FTerm) throw ENichtExistenz("Ableitung nicht vorhanden.");
        SchreibeTextTermZeile("Bestimmung der Nullstellen von f '(x) = ", Ableitung1);
        uint8_t status = unklar;
        SucheKandidaten(Ableitung1, Extremstellenkandidaten, status);
        TSListe* K = Extremstellenkandidaten;
        if (K->Anzahl <= 0) {
            SchreibeZeile(status == falsch && IstNullfunktion(Ableitung1)
                              ? "f ' ist die Nullfunktion: f hat an differenzierbaren Stellen keine strengen "
                                "Extremstellen (f ist dort konstant)."
                          : status == wahr
                              ? "f hat an differenzierbaren, inneren Punkten des Definitionsbereichs keine "
                                "Extremstellen. "
                              : "Mit elementaren Mitteln konnten keine Extremstellen von f bestimmt werden");
        } else {
            if (status != wahr)
                SchreibeZeile("Möglicherweise gibt es weitere Extremstellen als die nachfolgend genannten.");
            SchreibeUnterstrichen("Mögliche Extremstellen: ");
            for (Int32 i = 1; i <= K->Anzahl; ++i) {
                SchreibeTermMitNaeherung(K->Stellen[i]->Punkt);
                Schreibe(i < K->Anzahl ? ", " : ". ");
            }
            NeueZeile();
            TPunktzaehler zaehler;
            SchreibeZeile("Einsetzen der möglichen Extremstellen in f ''(x): ");
            for (Int32 i = 1; i <= K->Anzahl; ++i) Extremstelle(K, i, zaehler);
        }
        Einrueckung = 0;
        Trennlinie();
        ZeichneSeite(0);
    } catch (EZolFehler& e) {
        e.Meldung = "Schritt: Extremstellen-Bestimmung nicht OK! " + e.Meldung;
        throw;
    }
}

} // namespace zol
