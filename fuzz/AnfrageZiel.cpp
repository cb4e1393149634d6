// Fuzz target: one request run headless. The input holds the fields f, a, b and the step width h on one line
// each (a missing line leaves the field empty, h defaults to 1/2), optionally a fifth line with the steps
// (v simplification, d definition range, t value table, s symmetry, all four when the line is missing; n
// zeros, p poles, a derivatives, e extrema, w inflection points, i the antiderivative, j the integral from a
// to b, f the area; k the comments) and a sixth with g. Errors the system reports (EZolFehler) are answers;
// anything else, a crash or a hang, is a finding. A value table of more than 100 rows is not run: its time
// grows with the rows, and the user ends such a table with "Abbrechen". With ZOL08_FUZZ_MELDE set, an error
// that ends the request is written to standard error (to sort the errors of a replayed corpus).
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "steps/Allgemeines.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"

namespace {

using namespace zol;

// The value of a field's term, or def when the field is empty; false when it has none.
bool Feldwert(const std::string& text, Extended def, Extended& wert) {
    if (text.find_first_not_of(" \t\r") == std::string::npos) return wert = def, true;
    try {
        TTerm* T = TermAusString(text);
        bool definiert = false;
        wert = T ? T->Wert(0, definiert) : 0;
        return definiert && std::isfinite(wert);
    } catch (const EZolFehler&) {
        return false;
    }
}

bool TabelleZuLang(const TAnfrage& a) {
    Extended von = 0, bis = 0, h = 0;
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    if (!Feldwert(a.A, -5, von) || !Feldwert(a.B, 5, bis) || !Feldwert(a.H, 0, h) || !(h > 0)) return false;
    return (bis - von) / h > 100;
}

void Melde(const char* wo, const EZolFehler& e) {
    static const bool melden = std::getenv("ZOL08_FUZZ_MELDE") != nullptr;
    if (melden) std::fprintf(stderr, "%s: %s\n", wo, e.what());
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
    for (std::string zeile; zeilen.size() < 6 && std::getline(ein, zeile);) zeilen.push_back(zeile);
    zeilen.resize(6);
    TAnfrage anfrage{.F = zeilen[0],
                     .G = zeilen[5],
                     .A = zeilen[1],
                     .B = zeilen[2],
                     .H = zeilen[3].empty() ? "1/2" : zeilen[3]};
    const std::string schritte = zeilen[4].empty() ? "vdts" : zeilen[4];
    for (char c : schritte) {
        if (c == 'v') anfrage.Schritte.push_back(SchrittVereinfachen);
        if (c == 'd') anfrage.Schritte.push_back(SchrittDefinitionsbereich);
        if (c == 't') anfrage.Schritte.push_back(SchrittTabelle);
        if (c == 's') anfrage.Schritte.push_back(SchrittSymmetrien);
        if (c == 'n') anfrage.Schritte.push_back(SchrittNullstellen);
        if (c == 'p') anfrage.Schritte.push_back(SchrittPolstellen);
        if (c == 'a') anfrage.Schritte.push_back(SchrittAbleitungen);
        if (c == 'e') anfrage.Schritte.push_back(SchrittExtremstellen);
        if (c == 'w') anfrage.Schritte.push_back(SchrittWendestellen);
        if (c == 'i') anfrage.Schritte.push_back(SchrittStammfunktion);
        if (c == 'j') anfrage.Schritte.push_back(SchrittIntegral);
        if (c == 'f') anfrage.Schritte.push_back(SchrittFlaeche);
        if (c == 'k') anfrage.Kommentare = true;
    }
    if (schritte.find('t') != std::string::npos && TabelleZuLang(anfrage)) return 0;
    TKopfloseAnfrage lauf(anfrage);
    try {
        lauf.Starte();
    } catch (const EZolFehler& e) {
        Melde("Anfrage", e);
    }
    return 0;
}
