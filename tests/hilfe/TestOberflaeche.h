// A recording host for tests: collects messages, debug lines and sent lines, serves preset inputs, and
// can raise the abort flag after a number of event-loop calls.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "plattform/Oberflaeche.h"

namespace zol {

class TTestOberflaeche : public TOberflaeche {
public:
    struct TMeldung {
        TMeldungsart Art;
        std::string Text;
    };

    std::vector<TMeldung> Meldungen;
    std::vector<std::string> GesendeteZeilen;
    std::map<TEingabefeld, std::string> Eingaben;
    std::vector<int> Abgehakt;
    // The method of the numerical zero (1 bisection, 2 regula falsi, 3 Newton).
    int Methode = 1;
    int64_t Nachrichtenaufrufe = 0;
    // When > 0: BenutzerAbbruch is set at that event-loop call.
    int64_t AbbruchNach = 0;
    int64_t Uhr = 0;
    // When > 0: the clock advances by this many milliseconds at every reading, so the polls that go by the
    // clock run deterministically.
    int64_t UhrTakt = 0;
    // For benchmarks: the clock is the machine's monotonic clock, and BenutzerAbbruch is set at the first
    // event-loop call from AbbruchUm (in its milliseconds) on, as when the user presses "Abbrechen" then.
    bool EchteUhr = false;
    int64_t AbbruchUm = INT64_MAX;
    bool Senden = true;
    // When set: runs at every event-loop call (a window test lets its event loop run here).
    std::function<void()> BeiNachrichten;

    void Meldung(TMeldungsart art, const std::string& text) override { Meldungen.push_back({art, text}); }
    void VerarbeiteNachrichten() override;
    void DebugAusgabe(const std::string&) override {}
    int64_t Millisekunden() override;
    bool SendeZeile(const std::string&, uint16_t, const std::string& text) override {
        GesendeteZeilen.push_back(text);
        return Senden;
    }
    std::string Eingabe(TEingabefeld feld) override;
    int Naeherungsmethode() override { return Methode; }
    void SchrittAbhaken(int eintrag) override { Abgehakt.push_back(eintrag); }
    // The highest count the integration search has shown.
    int64_t Suchzaehler = 0;
    void ZeigeSuchzaehler(int64_t zaehler) override { Suchzaehler = std::max(Suchzaehler, zaehler); }
};

// Installs a recording host for the lifetime of the object.
class TTestOberflaecheAktiv {
public:
    TTestOberflaecheAktiv() : Vorher(SetzeOberflaeche(&Host)) {}
    ~TTestOberflaecheAktiv() { SetzeOberflaeche(Vorher); }
    TTestOberflaeche Host;

private:
    TOberflaeche* Vorher;
};

} // namespace zol
