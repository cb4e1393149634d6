#include "steps/Schrittrahmen.h"

#include <new>

#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "term/Fehler.h"

namespace zol {

namespace {

const std::string Anfragemeldung = "Der Schritt wird abgebrochen: Die Anfrage braucht mehr als " +
                                   std::to_string(Anfragebudget) + " Rechenschritte.";
const std::string Schrittmeldung =
    "Der Schritt wird abgebrochen: Er braucht mehr als " + std::to_string(Schrittbudget) + " Rechenschritte.";

// Ends the step with its message on a line of its own.
void Beende(const std::string& Meldung) {
    BeendeOffeneZeile();
    Einrueckung = 0;
    SchreibeZeile(Meldung);
    ZeichneSeite(0);
}

// Runs f; an error other than an abort or a term error ends it with its message, an overflow with the
// sentence that says so (for a step with its own words that it ends). True when f ran to its end.
template <class F> bool Gerahmt(F&& f, bool Schritt) {
    try {
        f();
        return true;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const ETermFehler&) {
        throw;
    } catch (const EUeberlauf& e) {
        Beende((Schritt && e.Meldung == e.Grund ? "Der Schritt wird abgebrochen: " : "") + UeberlaufSatz(e));
    } catch (const EZolFehler& e) {
        Beende(e.what());
    } catch (const std::bad_alloc&) {
        Beende("Der Schritt wird abgebrochen: Der Arbeitsspeicher reicht nicht.");
    }
    return false;
}

} // namespace

std::string UeberlaufSatz(const EUeberlauf& e) {
    const std::string& m = e.Meldung;
    const bool mitGrund = m.ends_with(e.Grund);
    const std::string vorne = mitGrund ? m.substr(0, m.size() - e.Grund.size()) : m + " ";
    std::string grund = e.Grund;
    if (grund.ends_with(".")) grund.pop_back();
    return vorne + "Die Zahlen werden für die exakte Rechnung zu groß (" + grund + ").";
}

std::string Fehlertext(const EZolFehler& e) {
    const auto* u = dynamic_cast<const EUeberlauf*>(&e);
    return u ? UeberlaufSatz(*u) : e.Meldung;
}

TAnfragerahmen::TAnfragerahmen() : Budget(Anfragebudget, Anfragemeldung.c_str()) {}

void FuehreSchrittAus(const std::function<void()>& Schritt) {
    Gerahmt(
        [&] {
            TArbeitsbudget budget(Schrittbudget, Schrittmeldung.c_str());
            Schritt();
        },
        true);
}

bool FuehreTeilAus(const std::function<void()>& Teil) {
    const Int32 einrueckung = Einrueckung;
    const bool fertig = Gerahmt(Teil, false);
    Einrueckung = einrueckung;
    return fertig;
}

} // namespace zol
