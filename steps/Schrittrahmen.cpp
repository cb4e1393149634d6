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

// Runs f; an error other than an abort or a term error ends it with its message. True when f ran to its end.
template <class F> bool Gerahmt(F&& f) {
    try {
        f();
        return true;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const ETermFehler&) {
        throw;
    } catch (const EZolFehler& e) {
        Beende(e.what());
    } catch (const std::bad_alloc&) {
        Beende("Der Schritt wird abgebrochen: Der Arbeitsspeicher reicht nicht.");
    }
    return false;
}

} // namespace

TAnfragerahmen::TAnfragerahmen() : Budget(Anfragebudget, Anfragemeldung.c_str()) {}

void FuehreSchrittAus(const std::function<void()>& Schritt) {
    Gerahmt([&] {
        TArbeitsbudget budget(Schrittbudget, Schrittmeldung.c_str());
        Schritt();
    });
}

bool FuehreTeilAus(const std::function<void()>& Teil) {
    const Int32 einrueckung = Einrueckung;
    const bool fertig = Gerahmt(Teil);
    Einrueckung = einrueckung;
    return fertig;
}

} // namespace zol
