// Fuzz target: the term parser with what every caller does next: values at a few points, the derivative
// and the text. Errors the system reports (EZolFehler) are answers; anything else, a crash or a hang, is a
// finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "steps/Allgemeines.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace {

using namespace zol;

// A silent host: message boxes are recorded, not shown.
TTestOberflaeche& Host() {
    static TTestOberflaeche host;
    return host;
}

void Pruefe(TTerm* T) {
    for (Extended x : {-2.5L, -1.0L, 0.0L, 0.5L, 1.0L, 3.0L}) {
        bool definiert = false;
        (void)T->Wert(x, definiert);
    }
    (void)T->Text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static const bool bereit = [] {
        InitialisiereTerme();
        SetzeOberflaeche(&Host());
        return true;
    }();
    (void)bereit;
    Host().Meldungen.clear();
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    try {
        TTerm* T = TermAusString(text);
        if (!T) return 0;
        Pruefe(T);
        try {
            if (TTerm* A = T->Ableitung()) Pruefe(A);
        } catch (const EZolFehler&) {
        }
    } catch (const EZolFehler&) {
    }
    return 0;
}
