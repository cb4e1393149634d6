// Fuzz target: one request run headless, as the main window runs it. The input holds one field on each line
// (a missing line leaves the field empty):
//   1 f, 2 a, 3 b, 4 the step width h (1/2 when empty),
//   5 the steps (v simplification, d definition range, t value table, s symmetry, all four when the line is
//     missing; n zeros, 1 2 3 the numerical zero by bisection, regula falsi or Newton, S the intersections
//     with g, z the factorisation, p poles, q partial fractions, a derivatives (a, aa, aaa: the highest
//     derivative shown), e extrema, w inflection points, i the antiderivative, j the integral from a to b,
//     f the area, g the graph; k the comments; l the linear-systems subject instead of a function),
//   6 g, 7 Newton's start value ("automatisch suchen" when empty), 8 the accuracy of the numerical zero.
// In the linear-systems subject the f line holds the coefficient grid, its rows separated by ";" and the
// cells of a row by "|", and the g line the right-hand side, one cell for each row.
// Errors the system reports (EZolFehler) are answers; anything else, a crash or a hang, is a finding. A value
// table of 301 to 1000 rows is not run: its time grows with the rows at up to some milliseconds each (the
// user ends such a table with "Abbrechen"); a longer one ends at once with its message. With ZOL08_FUZZ_MELDE
// set, an error that ends the request is written to standard error (to sort the errors of a replayed corpus).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "output/Seiten.h"
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
    const Extended zeilen = (bis - von) / h;
    return zeilen > 300 && zeilen < MaxTabellenzeilen;
}

// The cells of a text split at the separator.
std::vector<std::string> Teile(const std::string& text, char trenner) {
    std::vector<std::string> teile;
    std::istringstream ein(text);
    for (std::string teil; std::getline(ein, teil, trenner);) teile.push_back(teil);
    return teile;
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
    for (std::string zeile; zeilen.size() < 8 && std::getline(ein, zeile);) zeilen.push_back(zeile);
    zeilen.resize(8);
    TAnfrage anfrage{.F = zeilen[0],
                     .G = zeilen[5],
                     .A = zeilen[1],
                     .B = zeilen[2],
                     .H = zeilen[3].empty() ? "1/2" : zeilen[3]};
    if (!zeilen[6].empty()) anfrage.Startwert = zeilen[6];
    if (!zeilen[7].empty()) anfrage.Epsilon = zeilen[7];
    const std::string schritte = zeilen[4].empty() ? "vdts" : zeilen[4];
    const struct {
        char Buchstabe;
        TSchritt Schritt;
    } buchstaben[] = {{'v', SchrittVereinfachen},     {'d', SchrittDefinitionsbereich},
                      {'t', SchrittTabelle},          {'s', SchrittSymmetrien},
                      {'n', SchrittNullstellen},      {'S', SchrittSchnittstellen},
                      {'z', SchrittProduktzerlegung}, {'p', SchrittPolstellen},
                      {'q', SchrittPartialbruch},     {'a', SchrittAbleitungen},
                      {'e', SchrittExtremstellen},    {'w', SchrittWendestellen},
                      {'i', SchrittStammfunktion},    {'j', SchrittIntegral},
                      {'f', SchrittFlaeche},          {'g', SchrittGraph}};
    for (const auto& b : buchstaben)
        if (schritte.find(b.Buchstabe) != std::string::npos) anfrage.Schritte.push_back(b.Schritt);
    for (char c : schritte)
        if (c >= '1' && c <= '3') anfrage.Methode = c - '0';
    if (schritte.find_first_of("123") != std::string::npos)
        anfrage.Schritte.push_back(SchrittNaeherungsverfahren);
    anfrage.AbleitungsGrad = Int32(std::min<size_t>(std::count(schritte.begin(), schritte.end(), 'a'), 3));
    anfrage.Kommentare = schritte.find('k') != std::string::npos;
    if (schritte.find('l') != std::string::npos) {
        anfrage.LGS = true;
        for (const std::string& zeile : Teile(zeilen[0], ';')) anfrage.Matrix.push_back(Teile(zeile, '|'));
        for (const std::string& zelle : Teile(zeilen[5], ';')) anfrage.Rechts.push_back({zelle});
    }
    if (!anfrage.LGS && schritte.find('t') != std::string::npos && TabelleZuLang(anfrage)) return 0;
    TKopfloseAnfrage lauf(anfrage);
    try {
        lauf.Starte();
    } catch (const EZolFehler& e) {
        Melde("Anfrage", e);
    }
    return 0;
}
