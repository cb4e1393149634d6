#include "tests/hilfe/TestOberflaeche.h"

#include "output/Ausgabe.h"

namespace zol {

void TTestOberflaeche::VerarbeiteNachrichten() {
    ++Nachrichtenaufrufe;
    if (AbbruchNach > 0 && Nachrichtenaufrufe >= AbbruchNach) BenutzerAbbruch = true;
    if (BeiNachrichten) BeiNachrichten();
}

std::string TTestOberflaeche::Eingabe(TEingabefeld feld) {
    auto it = Eingaben.find(feld);
    return it == Eingaben.end() ? std::string() : it->second;
}

} // namespace zol
