#include "tests/hilfe/TestOberflaeche.h"

#include <chrono>

#include "output/Ausgabe.h"

namespace zol {

void TTestOberflaeche::VerarbeiteNachrichten() {
    ++Nachrichtenaufrufe;
    if (AbbruchNach > 0 && Nachrichtenaufrufe >= AbbruchNach) BenutzerAbbruch = true;
    if (BeiNachrichten) BeiNachrichten();
    if (EchteUhr && Millisekunden() >= AbbruchUm) BenutzerAbbruch = true;
}

int64_t TTestOberflaeche::Millisekunden() {
    if (EchteUhr) {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    Uhr += UhrTakt;
    return Uhr;
}

std::string TTestOberflaeche::Eingabe(TEingabefeld feld) {
    auto it = Eingaben.find(feld);
    return it == Eingaben.end() ? std::string() : it->second;
}

} // namespace zol
