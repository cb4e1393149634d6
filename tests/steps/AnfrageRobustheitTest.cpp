// Requests of the general step that once crashed, ended on one row, or named a quotient a polynomial.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using AnfrageRobustheit = ZolTest;

const std::vector<TSchritt> AllesAufSeite0 = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle};

bool HatZeile(const std::vector<std::string>& zeilen, const std::string& zeile) {
    return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
}

// The value of f at x, both given as input texts.
Extended WertBei(const std::string& f, const std::string& x) {
    return *Wert(Lies(f), *Wert(Lies(x)));
}

// A value table of one row at an irrational point: the constant simplification of f(x) recursed through
// the rational function's cancelling until the stack overflowed. Now the row is written with f's value.
TEST_F(AnfrageRobustheit, TabellenzeileAnIrrationalerStelle) {
    struct Fall {
        const char* f;
        const char* a;
    };
    const Fall faelle[] = {{"(-8x^3+8x)/(9x^2+7/2)", "3-pi"}, {"x^8+x^7+x^6+x^5+x^4+x^3+x^2+x", "1/2-pi"}};
    for (const auto& fall : faelle) {
        TKopfloseAnfrage lauf({.F = fall.f, .A = fall.a, .B = fall.a, .H = "1", .Schritte = AllesAufSeite0});
        ASSERT_NO_THROW(lauf.Starte()) << fall.f;
        const auto z = lauf.Zeilen();
        const std::string wert = FormatiereZahl(WertBei(fall.f, fall.a));
        const bool gefunden = std::any_of(z.begin(), z.end(), [&](const std::string& zeile) {
            return zeile.size() > wert.size() &&
                   zeile.compare(zeile.size() - wert.size(), wert.size(), wert) == 0;
        });
        EXPECT_TRUE(gefunden) << fall.f << ": no row ends with " << wert << "\n" << lauf.Text();
        EXPECT_TRUE(lauf.Host.Meldungen.empty()) << fall.f;
    }
}

// An exact value that overflows the fractions shows the decimal value alone; the table goes on, and no
// message box appears for the row (with and without the simplification step before it).
TEST_F(AnfrageRobustheit, UeberlaufInEinerZeileZeigtDenNaeherungswert) {
    for (const auto& schritte : {std::vector<TSchritt>{SchrittTabelle}, AllesAufSeite0}) {
        TKopfloseAnfrage lauf({.F = "x^40", .A = "3/2", .B = "2", .H = "1/2", .Schritte = schritte});
        ASSERT_NO_THROW(lauf.Starte());
        const auto z = lauf.Zeilen();
        EXPECT_TRUE(HatZeile(z, "32 = 1,5" + FormatiereZahl(std::pow(1.5L, 40)))) << lauf.Text();
        // 2^40 still fits: that row is exact.
        EXPECT_TRUE(HatZeile(z, "21099511627776")) << lauf.Text();
        EXPECT_TRUE(lauf.Host.Meldungen.empty());
    }
}

// The zero search of a long f'' overflows in many candidates: the request shows the overflow once at most and
// ends with the answers of its steps (page, text).
TEST_F(AnfrageRobustheit, UeberlaufInKonstantenEinmalJeAnfrage) {
    const std::vector<std::tuple<const char*, std::vector<TSchritt>, Int32, const char*>> faelle = {
        {"((x*x)^(-1)+(x-1))/(x-2)^4",
         {SchrittAbleitungen, SchrittExtremstellen, SchrittWendestellen},
         6,
         "Mit elementaren Mitteln konnten keine Wendestellen"},
        {"x^13/((x-1)^5*(x+2)^4*(x^2+1)^2*(x^2+x+1))",
         {SchrittPolstellen, SchrittPartialbruch, SchrittWendestellen},
         6,
         "Wendepunkt W 1(0|0)"},
    };
    for (const auto& [f, schritte, seite, text] : faelle) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = schritte});
        ASSERT_NO_THROW(lauf.Starte()) << f;
        ASSERT_LE(lauf.Host.Meldungen.size(), 1u) << f;
        for (const auto& m : lauf.Host.Meldungen)
            EXPECT_EQ(m.Text.rfind("Vereinfachung einer Konstanten abgebrochen:", 0), 0u);
        EXPECT_NE(lauf.Text(seite).find(text), std::string::npos) << lauf.Text(seite);
    }
}

} // namespace
