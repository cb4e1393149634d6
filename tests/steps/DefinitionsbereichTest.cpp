// Statements about f as entered: the definition range and the symmetry verdicts of generated school functions
// against an evaluation of their own, derivatives that keep f's range, bounds with x and divisors that are 0.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "steps/Allgemeines.h"
#include "steps/Definitionsbedingungen.h"
#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Definitionsbereich = ZolTest;
using Wert_t = std::optional<long double>;
using TFall = std::pair<std::string, std::function<Wert_t(long double)>>;

// No value next to a zero of a divisor (or of cos under tan).
Wert_t Durch(Wert_t a, Wert_t b) {
    return a && b && std::fabs(*b) >= 1e-9L ? Wert_t(*a / *b) : Wert_t();
}
Wert_t Falls(bool b, long double w) {
    return b ? Wert_t(w) : Wert_t();
}

// Outer functions of an inner term #, each with its own rule of where it has a value (a fractional power
// needs a base >= 0), and the inner terms.
const std::vector<std::pair<std::string, std::function<Wert_t(long double)>>> Aussen = {
    {"#", [](long double u) { return u; }},
    {"sqrt(#)", [](long double u) { return Falls(u >= 0, std::sqrt(u)); }},
    {"ln(#)", [](long double u) { return Falls(u > 0, std::log(u)); }},
    {"e^(#)", [](long double u) { return std::exp(u); }},
    {"sin(#)", [](long double u) { return std::sin(u); }},
    {"abs(#)", [](long double u) { return std::fabs(u); }},
    {"1/(#)", [](long double u) { return Durch(1.0L, u); }},
    {"arcsin(#)", [](long double u) { return Falls(std::fabs(u) <= 1, std::asin(u)); }},
    {"tan(#)", [](long double u) { return Durch(std::sin(u), std::cos(u)); }},
    {"(#)^(1/3)", [](long double u) { return Falls(u >= 0, std::cbrt(u)); }},
    {"sqrt(#)^2", [](long double u) { return Falls(u >= 0, u); }},
    {"e^(ln(#))", [](long double u) { return Falls(u > 0, u); }},
    {"sin(arcsin(#))", [](long double u) { return Falls(std::fabs(u) <= 1, u); }},
    {"(#)/(#)", [](long double u) { return Durch(u, u); }}};
const std::vector<std::pair<std::string, long double (*)(long double)>> Innen = {
    {"x", [](long double x) { return x; }},
    {"x-1", [](long double x) { return x - 1; }},
    {"x^2-4", [](long double x) { return x * x - 4; }},
    {"x^2+1", [](long double x) { return x * x + 1; }},
    {"x^3-x", [](long double x) { return x * x * x - x; }}};

// Every outer function of every inner term, products and quotients of a sample of them, and cases whose
// simplification changes the range.
std::vector<TFall> Faelle() {
    std::vector<TFall> faelle;
    for (const auto& [w, g] : Aussen)
        for (const auto& [u, h] : Innen) {
            std::string text = w;
            for (size_t i; (i = text.find('#')) != std::string::npos;) text.replace(i, 1, u);
            faelle.push_back({text, [g, h](long double x) { return g(h(x)); }});
        }
    std::mt19937 zufall(50);
    for (int k = 0; k < 40; ++k) {
        const TFall p = faelle[zufall() % 70], q = faelle[zufall() % 70];
        faelle.push_back({"(" + p.first + (k % 2 ? ")/(" : ")*(") + q.first + ")", [p, q, k](long double x) {
                              const Wert_t a = p.second(x), b = q.second(x);
                              return k % 2 ? Durch(a, b) : a && b ? Wert_t(*a * *b) : Wert_t();
                          }});
    }
    faelle.push_back(
        {"sqrt(x-1)*sqrt(x+1)", [](long double x) { return Falls(x >= 1, std::sqrt(x * x - 1)); }});
    faelle.push_back(
        {"(x^2-1)/(x-1)*e^x", [](long double x) { return Durch((x * x - 1) * std::exp(x), x - 1); }});
    faelle.push_back({"e^(2ln(x))", [](long double x) { return Falls(x > 0, x * x); }});
    faelle.push_back(
        {"tan(x)*cos(x)", [](long double x) { return Falls(std::fabs(std::cos(x)) >= 1e-9L, std::sin(x)); }});
    faelle.push_back({"x^2*e^(x/x)", [](long double x) { return Falls(x != 0, x * x * std::exp(1.0L)); }});
    return faelle;
}

bool Hat(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

// Every "D = ..." line (and "f ist Polynom") and every symmetry verdict, with and without simplification,
// against the values of f as entered on a grid: no stated gap has a value, every other grid point has one, a
// symmetric graph has the same definedness and the (negated) value at -x, one called not symmetric has not.
TEST_F(Definitionsbereich, AussagenStimmenMitDenWertenDerEingabe) {
    int bereiche = 0, symmetrien = 0;
    for (const auto& [f, wert] : Faelle())
        for (bool v : {true, false}) {
            TKopfloseAnfrage lauf({.F = f, .Schritte = {SchrittDefinitionsbereich, SchrittSymmetrien}});
            if (v) lauf.Anfrage.Schritte.push_back(SchrittVereinfachen);
            lauf.Starte();
            const std::string text = f + "\n" + lauf.Text();
            const std::vector<Extended> luecken = Werte(Definitionsluecken);
            if (Hat(text, "D = IR") || Hat(text, "f ist Polynom")) {
                ++bereiche;
                for (Extended g : luecken) EXPECT_FALSE(wert(g)) << double(g) << " " << text;
                for (long double x = -5; x <= 5; x += 0.25L)
                    EXPECT_TRUE(wert(x) || std::any_of(luecken.begin(), luecken.end(),
                                                       [x](Extended g) { return std::fabs(g - x) < 1e-6L; }))
                        << double(x) << " " << text;
            }
            for (const auto& [satz, vz] :
                 {std::pair{"symmetrisch zur y-Achse", 1}, {"symmetrisch zum Ursprung", -1}}) {
                bool widerlegt = false;
                for (long double x = 0; x <= 5; x += 0.25L) {
                    const Wert_t a = wert(x), b = wert(-x);
                    widerlegt |= a.has_value() != b.has_value() ||
                                 (a && std::fabs(*a - vz * *b) > 1e-9L * (1 + std::fabs(*a)));
                }
                symmetrien += Hat(text, std::string("Terms ist ") + satz);
                EXPECT_FALSE(Hat(text, std::string("Terms ist ") + satz) && widerlegt) << satz << " " << text;
                EXPECT_FALSE(Hat(text, std::string("Terms ist nicht ") + satz) && !widerlegt)
                    << satz << " " << text;
            }
        }
    // The sweep has statements to check.
    EXPECT_GT(bereiche, 50);
    EXPECT_GT(symmetrien, 20);
}

// A term said to have a value everywhere has one at every grid point; polynomials and products of exp, sin
// and cos are among them.
TEST_F(Definitionsbereich, UeberallDefiniertHeisstWertAnJederStelle) {
    int ueberall = 0;
    for (const auto& [f, wert] : Faelle()) {
        if (!UeberallDefiniert(Lies(f))) continue;
        ++ueberall;
        for (long double x = -5; x <= 5; x += 0.25L) EXPECT_TRUE(wert(x)) << f << " bei " << double(x);
    }
    EXPECT_GT(ueberall, 10);
    EXPECT_FALSE(UeberallDefiniert(Lies("x/(x^2+1)")));
}

// f' and f'' of a root in a denominator have a value wherever f is differentiable: a form made free of the
// root does not bring in the zeros of its denominator. Both agree with difference quotients of f as entered.
TEST_F(Definitionsbereich, AbleitungenBehaltenDenBereich) {
    for (const char* f : {"1/(1+sqrt(x))", "1/(sqrt(x)-2)", "x/(1+sqrt(x))"}) {
        TKopfloseAnfrage({.F = f, .Schritte = {SchrittVereinfachen, SchrittAbleitungen}, .AbleitungsGrad = 2})
            .Starte();
        EXPECT_TRUE(IstAbleitung(Ableitung1, Lies(f), {0.5L, 1, 2, 9}) &&
                    IstAbleitung(Ableitung2, Ableitung1, {0.5L, 1, 2, 9}))
            << f;
    }
}

// Every step that works on [a, b] refuses a bound with x and says so, and states nothing about the interval.
TEST_F(Definitionsbereich, GrenzeMitXWirdAbgelehnt) {
    const std::pair<TSchritt, Int32> schritte[] = {
        {SchrittTabelle, 0},        {SchrittNullstellen, 1},   {SchrittNaeherungsverfahren, 1},
        {SchrittSchnittstellen, 1}, {SchrittExtremstellen, 5}, {SchrittWendestellen, 6},
        {SchrittIntegral, 7},       {SchrittFlaeche, 7}};
    for (const auto& [a, b] : {std::pair{"x", "3"}, {"-3", "x+2"}})
        for (const auto& [schritt, seite] : schritte) {
            TKopfloseAnfrage lauf({.F = "x^3-x", .G = "x", .A = a, .B = b, .Schritte = {schritt}});
            lauf.Starte();
            const std::string text = lauf.Text(seite);
            const size_t zeile = text.find("enthält x und begrenzt kein Intervall; der Schritt entfällt.");
            ASSERT_NE(zeile, std::string::npos) << a << " " << b << "\n" << text;
            EXPECT_EQ(text.find_first_not_of("\n", text.find('\n', zeile)), std::string::npos) << text;
        }
}

// A divisor that is 0 in any field ends the request at its start, before f is even written; the page shows
// the divisor typeset, and neither shows the term's internal text form.
TEST_F(Definitionsbereich, TeilerNullBeendetDieAnfrage) {
    std::vector<TAnfrage> faelle = {{.F = "x", .G = "1/(e-e)"}, {.F = "x", .A = "1/(1-1)"}};
    for (const char* f :
         {"1/0", "x/(2-2)", "1/(pi-pi)", "x+0^(-1)", "x/(x-x)", "x/(sqrt(2)*sqrt(3)-sqrt(6))"})
        faelle.push_back({.F = f});
    for (TAnfrage a : faelle) {
        a.Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittSymmetrien, SchrittAbleitungen};
        TKopfloseAnfrage lauf(a);
        const std::string meldung = Ausnahme<ETermFehler>([&] { lauf.Starte(); });
        EXPECT_NE(meldung.find("Division durch 0"), std::string::npos) << a.F;
        EXPECT_FALSE(Hat(lauf.Text(), "Eingegebener Funktionsterm")) << lauf.Text();
        const std::string zeile = lauf.Zeilen().empty() ? "" : lauf.Zeilen().back();
        EXPECT_EQ(zeile.rfind(meldung.substr(0, meldung.find(':') + 2) + "Der Nenner ", 0), 0u) << zeile;
        for (const std::string& text : {meldung, zeile})
            EXPECT_EQ(text.find_first_of("()^"), std::string::npos);
    }
    EXPECT_NO_THROW(TKopfloseAnfrage({.F = "x/(2-1)+1/(x-1)", .B = "1/(2-1)"}).Starte());
}

} // namespace
