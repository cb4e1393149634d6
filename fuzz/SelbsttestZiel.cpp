// Fuzz target: a self-test procedure on the text of the f field, as the test window runs it. The input holds
// the item number on its first line, the f field on the second and the g field on the third (a missing line
// leaves the field empty). Items that read no field or read test files are not run; a line that is no number
// chooses the set simplification (32), so the set parser is fuzzed most. The procedure shows its own errors
// as a warning; a crash or a hang is a finding. With ZOL08_FUZZ_MELDE set, the page and the messages are
// written to standard error.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "selftest/Test.h"
#include "steps/Allgemeines.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace {

using namespace zol;

// The items that work on the f (and g) field: 0, 3 to 5, 8 to 19, 26, 27, 32, and -1 the check of the
// polynomial-trigonometric normal form.
bool MitFeld(Int32 i) {
    return i == -1 || i == 0 || (i >= 3 && i <= 5) || (i >= 8 && i <= 19) || i == 26 || i == 27 || i == 32;
}

Int32 Auswahl(const std::string& zeile) {
    try {
        size_t gelesen = 0;
        const int i = std::stoi(zeile, &gelesen);
        return gelesen > 0 ? i : 32;
    } catch (const std::exception&) {
        return 32;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static const bool bereit = [] {
        InitialisiereTerme();
        return true;
    }();
    (void)bereit;
    std::vector<std::string> zeilen;
    std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), groesse));
    for (std::string zeile; zeilen.size() < 3 && std::getline(ein, zeile);) zeilen.push_back(zeile);
    zeilen.resize(3);
    const Int32 i = Auswahl(zeilen[0]);
    if (!MitFeld(i)) return 0;

    TTestOberflaecheAktiv host;
    host.Host.Eingaben[TEingabefeld::FTerm] = zeilen[1];
    host.Host.Eingaben[TEingabefeld::GTerm] = zeilen[2];
    SetzeAnfrageZurueck();
    BenutzerAbbruch = false;
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    {
        TWechsel<Int32> auswahl(TestAuswahl, i);
        TesteProzedur(zeilen[1]);
    }
    NeueZeile();
    SetzeZeilenliste(nullptr);
    static const bool melden = std::getenv("ZOL08_FUZZ_MELDE") != nullptr;
    if (melden) {
        for (const std::string& z : seite.Klartext()) std::fprintf(stderr, "%s\n", z.c_str());
        for (const auto& m : host.Host.Meldungen) std::fprintf(stderr, "Meldung: %s\n", m.Text.c_str());
    }
    return 0;
}
