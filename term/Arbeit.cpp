#include "term/Arbeit.h"

#include <algorithm>
#include <limits>
#include <string>

#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Arena.h"
#include "term/Fehler.h"

namespace zol {

namespace {

Int64 Zaehler = 0;
Int64 Grenze = std::numeric_limits<Int64>::max();
int64_t LetzteAbfrage = 0;
Int64 Vorrat = Anfragevorrat;
// The message of the innermost budget.
const char* Budgetmeldung = "Arbeitsbudget der Suche erschöpft.";

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

void PruefeSpeicher() {
    if (AnfrageArena().Belegt() > Speicherbudget)
        throw EBudgetErschoepft("Der Schritt wird abgebrochen: Die Anfrage braucht mehr als " +
                                std::to_string(Speicherbudget >> 20) + " MB Speicher.");
}

} // namespace

void Arbeitsschritt() {
    if (++Zaehler > Grenze) throw EBudgetErschoepft(Budgetmeldung);
    if (Zaehler % Takt == 0) {
        PruefeSpeicher();
        FrageHost();
    }
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

TArbeitsbudget::TArbeitsbudget(Int64 Schritte, const char* Meldung)
    : Vorher(zol::Grenze), VorherigeMeldung(Budgetmeldung) {
    Grenze = Zaehler > std::numeric_limits<Int64>::max() - Schritte ? Vorher
                                                                    : std::min(Vorher, Zaehler + Schritte);
    zol::Grenze = Grenze;
    // The outer budget ends first where it is the tighter one, with its own message.
    if (Grenze < Vorher) Budgetmeldung = Meldung;
}

TArbeitsbudget::~TArbeitsbudget() {
    zol::Grenze = Vorher;
    Budgetmeldung = VorherigeMeldung;
}

bool TArbeitsbudget::Erschoepft() const {
    return Zaehler > Grenze;
}

bool TArbeitsbudget::SelbstErschoepft() const {
    return Zaehler > Grenze && Grenze < Vorher;
}

} // namespace zol
