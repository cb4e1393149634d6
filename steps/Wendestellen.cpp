#include "steps/Wendestellen.h"

#include <string>

#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Seiten.h"
#include "steps/Ableitungen.h"
#include "steps/Allgemeines.h"
#include "steps/Extremstellen.h"
#include "steps/Knickstellen.h"
#include "steps/Nullstel.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/Rundungsschranke.h"
#include "term/Terme.h"

namespace zol {

namespace {

// One candidate x0 of f'' (value x): none where f has no tangent; an inflection point where f'''(x) is not 0
// (up to rounding), else, and where f''' or f'' has no value, the sign-change test.
void Wendestelle(TSListe* Kandidaten, TSListe* Knicke, Int32 i, TPunktzaehler& Zaehler) {
    TTerm* x0 = Kandidaten->Stellen[i]->Punkt;
    if (EnthaeltParameter(FTerm) || EnthaeltParameter(x0))
        return ParameterKurvenpunkt(Ableitung3, true, x0, Zaehler);
    Extended x = 0, y = 0, t = 0;
    if (!WertBei(x0, 0, x) || !WertBei(FTerm, x, y)) return;
    const std::string xtext = FormatiereZahl(x);
    // Without f' (and without a limit of f' there) f has no tangent at x0 and so no inflection point.
    if (!HatWertIn(Ableitung1, x0) && !HatBeidseitigenGrenzwert(Ableitung1, x)) {
        SchreibeTextTermTextZeile("In ", x0, " ist f ' nicht definiert, also hat f dort keine Wendestelle.");
        return;
    }
    if (Knicke->Index(x0) >= 1) {
        SchreibeTextTermTextZeile("In ", x0, " ist f '' nicht definiert.");
        UntersucheVorzeichenwechsel(Ableitung2, true, Kandidaten, i, x, y, Zaehler);
        return;
    }
    if (!WertBei(Ableitung3, x, t) || !HatWertIn(Ableitung3, x0)) {
        SchreibeZeile("f''' in " + xtext + " nicht definiert.");
        UntersucheVorzeichenwechsel(Ableitung2, true, Kandidaten, i, x, y, Zaehler);
        return;
    }
    const bool blatt = x0->Knotenzahl == 0;
    // A zero of f'' of multiplicity 2 or more is a zero of f''' (as in the extrema step).
    if (Kandidaten->Stellen[i]->Vielfachheit >= 2 || TermVerschwindetIn(Ableitung3, x0)) t = 0;
    RundungsnullAlsNull(Ableitung3, x, Rundungsfehler(x), t);
    SchreibeTextTerm("f '''(", x0);
    Schreibe(blatt ? std::string(") = ") : ") = f '''(" + xtext + ") = ");
    Schreibe(FormatiereZahl(t));
    if (t == 0) {
        UntersucheVorzeichenwechsel(Ableitung2, true, Kandidaten, i, x, y, Zaehler);
        return;
    }
    SchreibeZeile("<> 0, also hat f dort eine Wendestelle. ");
    const std::string nr = std::to_string(++Zaehler.Wende);
    const std::string ytext = FormatiereZahl(y);
    SchreibeTextTerm("f(", x0);
    Schreibe(blatt ? std::string(") = ") : ") = f(" + xtext + " ) = ");
    Schreibe(ytext + ";");
    SchreibeUnterstrichen("Wendepunkt");
    SchreibeMitIndex("W", nr);
    SchreibeZeile("(" + xtext + "|" + ytext + ")");
    MerkePunkt("W*i<" + nr + ">", static_cast<Double>(x), static_cast<Double>(y));
}

} // namespace

void BestimmungVonWendestellen() {
    if (!Schrittflags[SchrittDefinitionsbereich]) BestimmungDesDefinitionsbereichs();
    if (!Schrittflags[SchrittAbleitungen] && !Schrittflags[SchrittExtremstellen])
        BestimmungDerAbleitungen(false);
    try {
        Einrueckung = 0;
        SchreibeUeberschrift(2, "Bestimmung von Wendestellen:");
        if (!IntervallOhneX()) {
            Trennlinie();
            ZeichneSeite(0);
            return;
        }
        Schreibe("Notwendige Bedingung: f ''(");
        SchreibeMitIndex("x", "W");
        SchreibeZeile(") = 0.");
        if (!Ableitung2 || !Ableitung3 || !FTerm) throw ENichtExistenz("Ableitung nicht vorhanden.");
        SchreibeTextTermZeile("Bestimmung der Nullstellen von f ''(x) = ", Ableitung2);
        uint8_t status = unklar;
        std::vector<TTerm*> offen;
        SucheKandidaten(Ableitung2, Wendestellenkandidaten, status, offen);
        TSListe* knicke = nullptr;
        FuegeKnickstellenHinzu(Ableitung2, true, Wendestellenkandidaten, knicke, status);
        TSListe* K = Wendestellenkandidaten;
        SchreibeOffeneKandidaten(offen, "f ''");
        // Zeros of f '' found whose place in the interval is open were named: not that none was found.
        if (K->Anzahl <= 0 && offen.empty()) {
            SchreibeZeile(status == falsch && IstNullfunktion(Ableitung2)
                              ? "f '' ist die Nullfunktion: f hat an zweimal differenzierbaren Stellen keine "
                                "Wendestellen."
                          : status == wahr
                              ? "f hat an differenzierbaren, inneren Punkten des Definitionsbereichs keine "
                                "Wendestellen. "
                              : "Mit elementaren Mitteln konnten keine Wendestellen von f bestimmt werden");
        } else if (K->Anzahl > 0) {
            if (status != wahr)
                SchreibeZeile("Möglicherweise gibt es weitere Wendestellen als die nachfolgend genannten.");
            SchreibeUnterstrichen("Mögliche Wendestellen:");
            for (Int32 i = 1; i <= K->Anzahl; ++i) {
                SchreibeTerm(K->Stellen[i]->Punkt);
                Schreibe(i < K->Anzahl ? ", " : ".");
            }
            NeueZeile();
            TPunktzaehler zaehler;
            SchreibeZeile("Einsetzen der möglichen Wendestellen in f '''(x): ");
            for (Int32 i = 1; i <= K->Anzahl; ++i) Wendestelle(K, knicke, i, zaehler);
        }
        Einrueckung = 0;
        Trennlinie();
        ZeichneSeite(0);
    } catch (EZolFehler& e) {
        e.Meldung = "Schritt: Wendestellen-Bestimmung nicht OK! " + e.Meldung;
        throw;
    }
}

} // namespace zol
