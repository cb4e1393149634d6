#include "term/Arbeit.h"

#include <algorithm>
#include <limits>

#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"

namespace zol {

namespace {

Int64 Zaehler = 0;
Int64 Grenze = std::numeric_limits<Int64>::max();
int64_t LetzteAbfrage = 0;

// The clock is read at every 64th step.
constexpr Int64 Takt = 64;

void FrageHost() {
    TOberflaeche& host = Oberflaeche();
    const int64_t jetzt = host.Millisekunden();
    // A clock that went back (another host) starts the interval afresh.
    if (jetzt < LetzteAbfrage) LetzteAbfrage = jetzt;
    if (jetzt - LetzteAbfrage < Abfrageabstand) return;
    LetzteAbfrage = jetzt;
    host.VerarbeiteNachrichten();
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

} // namespace

void Arbeitsschritt() {
    if (++Zaehler > Grenze) throw EBudgetErschoepft("Arbeitsbudget der Suche erschöpft.");
    if (Zaehler % Takt == 0) FrageHost();
}

Int64 Arbeitsschritte() {
    return Zaehler;
}

TArbeitsbudget::TArbeitsbudget(Int64 Schritte) : Vorher(zol::Grenze) {
    Grenze = Zaehler > std::numeric_limits<Int64>::max() - Schritte ? Vorher : std::min(Vorher, Zaehler + Schritte);
    zol::Grenze = Grenze;
}

TArbeitsbudget::~TArbeitsbudget() {
    zol::Grenze = Vorher;
}

bool TArbeitsbudget::Erschoepft() const {
    return Zaehler > Grenze;
}

} // namespace zol
