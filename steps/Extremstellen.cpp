#include "steps/Extremstellen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "algebra/Nullentscheidung.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "steps/Ableitungen.h"
#include "steps/Allgemeines.h"
#include "steps/Definitionsbedingungen.h"
#include "steps/Knickstellen.h"
#include "steps/Nullstel.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Punktlisten.h"
#include "term/Rundungsschranke.h"
#include "term/TermManager.h"
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
    RundungsnullAlsNull(D, t, 0, w);
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

// t as a fraction with at most nine decimals, when it is one.
bool AlsDezimalbruch(Extended t, TBruch& B) {
    Int64 nenner = 1;
    for (int k = 0; k <= 9; ++k, nenner *= 10) {
        const Extended z = std::nearbyint(t * nenner);
        if (std::fabs(z) < 1e15L && std::fabs(z / nenner - t) <= Rundungsfehler(t)) {
            B = {static_cast<Int64>(z), nenner};
            return true;
        }
    }
    return false;
}

// The sign of D at t (0 up to rounding counts as 0); 2 where D has no value.
int VorzeichenBei(TTerm* D, Extended t) {
    Extended w = 0;
    if (!WertBei(D, t, w)) return 2;
    RundungsnullAlsNull(D, t, 0, w);
    return (w > 0) - (w < 0);
}

// The test point t moved towards x until D has there the sign it has right next to x: a zero of D or a point
// without a value that no candidate and no listed gap names (an incomplete search, the end of f's range) lies
// in between. After a few steps the point right next to x.
Extended Nachgeprueft(TTerm* D, Extended x, Extended t) {
    const Extended h = 1e-6L * std::max<Extended>(1, std::fabs(x)), nahe = t < x ? x - h : x + h;
    const int soll = VorzeichenBei(D, nahe);
    if (soll == 0 || soll == 2) return t;
    for (int k = 0; k < 8; ++k, t = t < x ? EinfacheZahlZwischen(t, x) : EinfacheZahlZwischen(x, t))
        if (VorzeichenBei(D, t) == soll) return t;
    return nahe;
}

// f has a value at x0 but not on both sides nearby: x0 is no inner point of f's range, which the line says.
// The range is that of f as entered (sqrt(x)^2 has none below 0; x0 itself is in it, as the caller knows).
// With a parameter f has no value as a number: the candidate is judged by ParameterKurvenpunkt.
bool Randpunkt(TTerm* x0) {
    Extended x = 0;
    TTerm* E = EingegebenesF();
    if (EnthaeltParameter(FTerm) || EnthaeltParameter(E) || !WertBei(x0, 0, x) ||
        (BeidseitigDefiniert(FTerm, x) && (E == FTerm || BeidseitsNaheDefiniert(E, x))))
        return false;
    SchreibeTerm(x0);
    SchreibeZeile(" ist Randpunkt des Definitionsbereichs von f und scheidet aus.");
    return true;
}

// One candidate x0 (value x): a zero of f' is decided by the sign of f''(x), a value 0 (up to rounding) or
// none by the sign-change test; a point where f' has no value by the sign-change test at once.
void Extremstelle(TSListe* Kandidaten, TSListe* Knicke, Int32 i, TPunktzaehler& Zaehler) {
    TTerm* x0 = Kandidaten->Stellen[i]->Punkt;
    if (EnthaeltParameter(FTerm) || EnthaeltParameter(x0))
        return ParameterKurvenpunkt(Ableitung2, false, x0, Zaehler);
    Extended x = 0, y = 0, s = 0;
    if (!WertBei(x0, 0, x) || !WertBei(FTerm, x, y)) return;
    if (Knicke->Index(x0) >= 1) {
        SchreibeTextTermTextZeile("In ", x0, " ist f ' nicht definiert.");
        UntersucheVorzeichenwechsel(Ableitung1, false, Kandidaten, i, x, y, Zaehler);
        return;
    }
    if (!WertBei(Ableitung2, x, s) || !HatWertIn(Ableitung2, x0)) {
        SchreibeZeile("f '' in " + FormatiereZahl(x) + " nicht definiert.");
        UntersucheVorzeichenwechsel(Ableitung1, false, Kandidaten, i, x, y, Zaehler);
        return;
    }
    // A zero of f' of multiplicity 2 or more is a zero of f'' (f' = (x - x0)^m * g), which needs no exact
    // value of f'' at x0 (at a Cardano point of a high power a long simplification).
    if (Kandidaten->Stellen[i]->Vielfachheit >= 2 || TermVerschwindetIn(Ableitung2, x0)) s = 0;
    RundungsnullAlsNull(Ableitung2, x, Rundungsfehler(x), s);
    SchreibeTextTerm("f ''(", x0);
    Schreibe(x0->Knotenzahl > 0 ? ") = f ''(" + FormatiereZahl(x) + " ) = " : std::string(") = "));
    Schreibe(FormatiereZahl(s));
    if (s > 0)
        SchreibeKurvenpunkt("> 0, also hat f dort eine Minimalstelle. ", Zaehler.Tief, x0, 'T', "Tiefpunkt",
                            static_cast<Double>(y));
    else if (s < 0)
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

void ParameterKurvenpunkt(TTerm* D, bool Wende, TTerm* x0, TPunktzaehler& Zaehler) {
    const std::string name = Wende ? "f '''" : "f ''";
    const std::string frage = Wende ? "Ob f dort eine Wendestelle hat," : "Ob f dort eine Extremstelle hat,";
    // Only where f and D have a value for every x and every value of the parameter is x0 an inner point of
    // the range and D(x0) the value of D there.
    TTerm* f = EingegebenesF() ? EingegebenesF() : FTerm;
    TTerm* s = UeberallDefiniert(f) && UeberallDefiniert(D) ? Eingesetzt(D, x0) : nullptr;
    if (!s) {
        SchreibeTextTerm("Ob f in ", x0);
        SchreibeNichtEntschieden(Wende ? " eine Wendestelle hat," : " eine Extremstelle hat,", FTerm, x0);
        return;
    }
    SchreibeTextTerm(name + "(", x0);
    SchreibeTextTerm(") = ", s);
    Extended w = 0;
    if (EnthaeltParameter(s) || !WertBei(s, 0, w) || Nullheit(s) != TNullheit::NichtNull) {
        NeueZeile();
        SchreibeNichtEntschieden(frage, FTerm, x0);
        return;
    }
    TTerm* y = Eingesetzt(FTerm, x0);
    char buchstabe = 'W';
    std::string wort = "Wendepunkt";
    Int32* nr = &Zaehler.Wende;
    if (Wende) {
        SchreibeZeile(" <> 0, also hat f dort eine Wendestelle. ");
    } else if (w > 0) {
        SchreibeZeile(" > 0, also hat f dort eine Minimalstelle. ");
        buchstabe = 'T', wort = "Tiefpunkt", nr = &Zaehler.Tief;
    } else {
        SchreibeZeile(" < 0, also hat f dort eine Maximalstelle. ");
        buchstabe = 'H', wort = "Hochpunkt", nr = &Zaehler.Hoch;
    }
    SchreibeTextTerm("f(", x0);
    SchreibeTextTerm(") = ", y);
    Schreibe("; ");
    SchreibeUnterstrichen(wort);
    SchreibeMitIndex(std::string(1, buchstabe), std::to_string(++*nr));
    SchreibeTextTerm("(", x0);
    SchreibeTextTerm(" | ", y);
    SchreibeZeile(")");
}

void SucheKandidaten(TTerm* D, TSListe*& Kandidaten, uint8_t& Status, std::vector<TTerm*>& Offen) {
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        TOffeneLoesungen offen;
        SucheNullstellen(D, ABIntervall, Kandidaten, Kommentare, Status);
        Offen = offen.Punkte;
    }
    OhneDefinitionsluecken(Kandidaten);
    TSListe* innen = NeueLeereListe();
    for (Int32 i = 1; i <= Kandidaten->Anzahl; ++i)
        if (!Randpunkt(Kandidaten->Stellen[i]->Punkt))
            innen->Stellen[++innen->Anzahl] = Kandidaten->Stellen[i];
    Kandidaten = innen;
}

void SchreibeOffeneKandidaten(const std::vector<TTerm*>& Offen, const std::string& Ableitung) {
    if (!Kommentare) SchreibeOffeneLoesungen(Ableitung + " hat die Nullstelle", Offen);
}

void RundungsnullAlsNull(TTerm* D, Extended x, Extended Fehler, Extended& w) {
    if (w == 0 || !IstRundungsnull(D, x, Fehler, w)) return;
    TBruch b;
    if (Fehler == 0 && AlsDezimalbruch(x, b)) {
        try {
            TTerm* exakt = D->Ersetze(VariableX, RationaleKonstante(b));
            if (exakt) VereinfacheKonstantenTerm(exakt);
            if (TRationaleKonstante* r = AlsRationaleKonstante(exakt)) {
                if (r->Bruch.Zaehler == 0) w = 0;
                return;
            }
        } catch (const EBenutzerAbbruch&) {
            throw;
        } catch (const EZolFehler&) {
            // Too large to put in exactly: the bound decides.
        }
    }
    w = 0;
}

void FuegeKnickstellenHinzu(TTerm* D, bool Wende, TSListe*& Kandidaten, TSListe*& Knicke, uint8_t& Status) {
    TSListe* punkte = nullptr;
    uint8_t status = unklar;
    SucheKnickstellen(Wende ? Ableitung1 : FTerm, ABIntervall, punkte, status);
    Knicke = NeueLeereListe();
    for (Int32 i = 1; i <= punkte->Anzahl; ++i) {
        TTerm* p = punkte->Stellen[i]->Punkt;
        Extended x = 0, w = 0;
        if (!WertBei(p, 0, x) || HatWertIn(D, p) || !WertBei(FTerm, x, w) || !EingegebenesFDefiniertIn(p) ||
            (Definitionsluecken && Definitionsluecken->Index(p) >= 1))
            continue;
        if (Randpunkt(p)) continue;
        // Where f' has no limit either, f has no tangent and so no inflection point.
        if (Wende && !HatWertIn(Ableitung1, p) && !HatBeidseitigenGrenzwert(Ableitung1, x)) continue;
        Knicke->Stellen[++Knicke->Anzahl] = punkte->Stellen[i];
        if (Kandidaten->Index(p) >= 1) continue;
        if (Kandidaten->Anzahl >= MaxStellen)
            status = unklar;
        else
            Kandidaten->Stellen[++Kandidaten->Anzahl] = punkte->Stellen[i];
    }
    if (status != wahr && Status == wahr) Status = unklar;
    if (Knicke->Anzahl <= 0) return;
    SortiereSListe(Kandidaten, true);
    SortiereSListe(Knicke, true);
    Schreibe(Wende ? "Stellen, an denen f '' nicht definiert ist: "
                   : "Stellen, an denen f ' nicht definiert ist: ");
    for (Int32 i = 1; i <= Knicke->Anzahl; ++i) {
        SchreibeTerm(Knicke->Stellen[i]->Punkt);
        Schreibe(i < Knicke->Anzahl ? ", " : ".");
    }
    NeueZeile();
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
    L = Nachgeprueft(D, x, EinfacheZahlZwischen(L, x));
    R = Nachgeprueft(D, x, EinfacheZahlZwischen(x, R));

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
        std::vector<TTerm*> offen;
        SucheKandidaten(Ableitung1, Extremstellenkandidaten, status, offen);
        TSListe* knicke = nullptr;
        FuegeKnickstellenHinzu(Ableitung1, false, Extremstellenkandidaten, knicke, status);
        TSListe* K = Extremstellenkandidaten;
        SchreibeOffeneKandidaten(offen, "f '");
        // Zeros of f ' found whose place in the interval is open were named: not that none was found.
        if (K->Anzahl <= 0 && offen.empty()) {
            SchreibeZeile(status == falsch && IstNullfunktion(Ableitung1)
                              ? "f ' ist die Nullfunktion: f hat an differenzierbaren Stellen keine strengen "
                                "Extremstellen (f ist dort konstant)."
                          : status == wahr
                              ? "f hat an differenzierbaren, inneren Punkten des Definitionsbereichs keine "
                                "Extremstellen. "
                              : "Mit elementaren Mitteln konnten keine Extremstellen von f bestimmt werden");
        } else if (K->Anzahl > 0) {
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
            for (Int32 i = 1; i <= K->Anzahl; ++i) Extremstelle(K, knicke, i, zaehler);
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
