// The integral and area steps run headless onto page 7 and read back: definite integrals against quadrature
// in both directions, Simpson's rule where no antiderivative is found, areas against the quadrature of
// |f - g| and additive over a split, the lines of every check, the search's resources and an abort.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Integral.h"
#include "steps/Schrittflags.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using IntegralSchritte = ZolTest;

struct TSeite7 {
    std::vector<std::string> Zeilen, Meldungen;
    std::optional<Extended> J;
    std::string Ausnahme;
    int64_t Aufrufe = 0;
    // A line holds the text.
    bool Hat(const std::string& text) const {
        return std::any_of(Zeilen.begin(), Zeilen.end(), [&](auto& z) { return z.find(text) != z.npos; });
    }
};

TSeite7 Lauf(TAnfrage a, TSchritt schritt, int64_t abbruchNach = 0) {
    a.Schritte.push_back(schritt);
    TKopfloseAnfrage lauf(a);
    lauf.Host.AbbruchNach = abbruchNach;
    TSeite7 s;
    try {
        lauf.Starte();
    } catch (const std::exception& e) {
        s.Ausnahme = e.what();
    }
    s.Zeilen = lauf.Seiten[7].Klartext();
    for (auto& m : lauf.Host.Meldungen) s.Meldungen.push_back(m.Text);
    if (Integralergebnis) s.J = Wert(Integralergebnis);
    s.Aufrufe = lauf.Host.Nachrichtenaufrufe;
    return s;
}

const std::string Simpsonsatz =
    "Das Integral von f wurde mit dem Simpson-Verfahren und 1002 Teilintervallen bestimmt.";

// Symbolic where possible, else by Simpson's rule (the option's odd n raised); either way the quadrature's
// value, and the negative with the bounds exchanged.
TEST_F(IntegralSchritte, BestimmteIntegraleWieQuadraturInBeidenRichtungen) {
    TWechsel<Int64> n(SimpsonTeilintervalle, 1001);
    for (auto [f, a, b, simpson] : {std::tuple{"x*exp(x)", "0", "1", false},
                                    {"1/(x^2+1)", "-1", "2", false},
                                    {"exp(x^2)", "0", "1", true},
                                    {"sin(x)/x", "1", "3", true}}) {
        const TSeite7 hin = Lauf({.F = f, .A = a, .B = b}, SchrittIntegral);
        const TSeite7 her = Lauf({.F = f, .A = b, .B = a}, SchrittIntegral);
        ASSERT_TRUE(hin.J && her.J) << f;
        EXPECT_TRUE(Nahe(*hin.J, *Quadratur(Lies(f), *Wert(Lies(a)), *Wert(Lies(b))), 1e-9L)) << f;
        EXPECT_TRUE(Nahe(*her.J, -*hin.J, 1e-12L)) << f;
        EXPECT_EQ(hin.Hat(Simpsonsatz), simpson) << f;
        EXPECT_TRUE(hin.Hat(" ist das gesuchte Integral.")) << f;
    }
}

// The area over [a, b] is not negative, equals the quadrature of |f - g| and is the sum of the areas over
// [a, c] and [c, b]; the antiderivative through tan(x/2) jumps at pi, where the area is not found rather
// than wrong.
TEST_F(IntegralSchritte, FlaecheWieQuadraturDesBetragsUndAdditiv) {
    auto A = [](const char* f, const char* g, const char* a, const char* b) -> std::optional<Extended> {
        Schnittstellenliste = Neu<TSListe>();
        TTerm* r = Flaechenberechnung(Lies(f), *g ? Lies(g) : nullptr, Lies(a), Lies(b));
        return r ? Wert(r) : std::nullopt;
    };
    for (auto [f, g, a, c, b] : {std::tuple{"x", "", "-1", "1/2", "1"},
                                 {"x^2-1", "", "-2", "0", "2"},
                                 {"x", "x^3", "-1", "1/3", "2"},
                                 {"sin(x)", "", "0", "2", "7"},
                                 {"x^2", "2-x", "-3", "0", "2"},
                                 {"exp(x)", "2", "0", "1", "2"}}) {
        const auto ab = A(f, g, a, b), ac = A(f, g, a, c), cb = A(f, g, c, b);
        const std::string h = std::string("abs(") + f + "-(" + (*g ? g : "0") + "))";
        ASSERT_TRUE(ab && ac && cb) << f;
        EXPECT_GE(*ab, 0);
        EXPECT_TRUE(Nahe(*ab, *Quadratur(Lies(h), *Wert(Lies(a)), *Wert(Lies(b))), 1e-8L)) << f;
        EXPECT_TRUE(Nahe(*ab, *ac + *cb, 1e-12L)) << f;
    }
    const auto sprung = A("1/(2+cos(x))", "1/2", "0", "2*pi");
    EXPECT_TRUE(!sprung ||
                Nahe(*sprung, *Quadratur(Lies("abs(1/(2+cos(x))-1/2)"), 0, *Wert(Lies("2*pi"))), 1e-8L));
}

// The lines of the steps' checks and results; the points the area needs are computed without a line.
TEST_F(IntegralSchritte, ZeilenDerPruefungenUndErgebnisse) {
    const std::string ab = "Zur Flächenberechnung müssen a und b angegeben sein, a nicht größer als b.";
    const std::tuple<TAnfrage, TSchritt, std::string> faelle[] = {
        {{.F = "x", .A = "1", .B = "-1"}, SchrittFlaeche, ab},
        {{.F = "x", .B = "1"}, SchrittFlaeche, ab},
        {{.F = "1/x", .A = "-1", .B = "1"}, SchrittFlaeche, "Integrierbarkeit in [-1,1] nicht klar."},
        {{.F = "cos(x)-x", .A = "-3", .B = "3"},
         SchrittFlaeche,
         "Es konnten nicht alle Schnittstellen bestimmt werden; der Flächeninhalt wird nicht angegeben."},
        {{.F = "exp(x^2)", .A = "0", .B = "1", .Kommentare = true},
         SchrittFlaeche,
         "Der Flächeninhalt konnte nicht bestimmt werden."},
        {{.F = "x", .A = "-1", .B = "1", .Kommentare = true},
         SchrittFlaeche,
         "Dazu wurden die Schnittstellen von Gf mit der x-Achse  bestimmt."},
        {{.F = "x", .A = "-1", .B = "1", .Kommentare = true},
         SchrittFlaeche,
         "Zur Flächenberechnung muss f(x) integriert werden."},
        {{.F = "x", .A = "-1", .B = "1", .Kommentare = true},
         SchrittFlaeche,
         "Der gesuchte Flächeninhalt ist A = "},
        {{.F = "x", .G = "x^3", .A = "0", .B = "1", .Kommentare = true},
         SchrittFlaeche,
         "Zur Flächenberechnung muss f(x) - g(x) = x-x3 integriert werden."},
        {{.F = "x", .G = "x", .A = "0", .B = "1", .Kommentare = true},
         SchrittFlaeche,
         "Der gesuchte Flächeninhalt ist A = 0"},
        {{.F = "1/x", .A = "1", .B = "-1"}, SchrittIntegral, "Integrierbarkeit in [1,-1] nicht klar."},
        {{.F = "x", .A = "-1"},
         SchrittIntegral,
         "Integrationsintervall nicht endlich. Integral nicht bestimmt."},
        {{.F = "exp(x^2)"},
         SchrittStammfunktion,
         "Mit elementaren Mitteln konnte keine Stammfunktion von f bestimmt werden"},
        {{.F = "x*exp(x)"}, SchrittStammfunktion, " ist die gesuchte Stammfunktion."},
    };
    for (const auto& [anfrage, schritt, zeile] : faelle) {
        const TSeite7 s = Lauf(anfrage, schritt);
        EXPECT_TRUE(s.Hat(zeile)) << zeile;
        EXPECT_FALSE(s.Hat("Bestimmung der Nullstellen") || s.Hat("Bestimmung der Schnittstellen")) << zeile;
        EXPECT_EQ(s.Zeilen.front(),
                  schritt == SchrittFlaeche ? "Flächeninhalt" : "Stammfunktion bzw. Integral");
    }
}

// A search that runs out of resources ends the step with a message box, and the request goes on; an abort
// during Simpson's rule ends the step at that poll, with neither its sentence nor a result.
TEST_F(IntegralSchritte, ErschoepfteSucheUndAbbruchImSimpsonverfahren) {
    std::string viele = "ln(x+1)";
    for (int k = 2; k <= 21; ++k) viele += "*ln(x+" + std::to_string(k) + ")";
    const TSeite7 s = Lauf({.F = viele}, SchrittStammfunktion);
    ASSERT_EQ(s.Meldungen.size(), 1u);
    EXPECT_EQ(s.Meldungen[0].rfind("Bestimmung eines Integrals abgebrochen:\n\rZu viele Faktoren in ", 0),
              0u);
    EXPECT_EQ(s.Ausnahme, "");
    EXPECT_EQ(Einrueckung, 0);

    const TSeite7 ganz = Lauf({.F = "exp(x^2)", .A = "0", .B = "1"}, SchrittIntegral);
    ASSERT_GT(ganz.Aufrufe, 9);
    const TSeite7 ab = Lauf({.F = "exp(x^2)", .A = "0", .B = "1"}, SchrittIntegral, ganz.Aufrufe - 3);
    EXPECT_EQ(ab.Ausnahme, "Abbruch durch Benutzer");
    EXPECT_EQ(ab.Aufrufe, ganz.Aufrufe - 3);
    EXPECT_FALSE(ab.J || ab.Hat("Simpson") || ab.Hat("Mit elementaren Mitteln"));
}

} // namespace
