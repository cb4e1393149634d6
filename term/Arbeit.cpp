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
Int64 Vorrat = Anfragevorrat;

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

Int64 Suchvorrat() {
    return Vorrat;
}

void VerbraucheSuchvorrat(Int64 Schritte) {
    Vorrat = std::max<Int64>(Vorrat - std::max<Int64>(Schritte, 0), 0);
}

void FuelleSuchvorrat() {
    Vorrat = Anfragevorrat;
}

TEigenerSuchvorrat::TEigenerSuchvorrat(Int64 Schritte) : Vorher(Vorrat) {
    Vorrat = Schritte;
}

TEigenerSuchvorrat::~TEigenerSuchvorrat() {
    Vorrat = Vorher;
}

TArbeitsbudget::TArbeitsbudget(Int64 Schritte) : Vorher(zol::Grenze) {
    Grenze = Zaehler > std::numeric_limits<Int64>::max() - Schritte ? Vorher
                                                                    : std::min(Vorher, Zaehler + Schritte);
    zol::Grenze = Grenze;
}

TArbeitsbudget::~TArbeitsbudget() {
    zol::Grenze = Vorher;
}

bool TArbeitsbudget::Erschoepft() const {
    return Zaehler > Grenze;
}

} // namespace zol
