// The steps of page 7, run headless and read back: integrals against quadrature, areas against the quadrature
// of |f - g|, the lines of the checks, a search out of resources and an abort during Simpson's rule.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>
#include <utility>
#include <string>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Integral.h"
#include "output/Weltzeichnung.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using IntegralSchritte = ZolTest;

struct TSeite7 {
    std::string Text, Ausnahme, Meldung;
    std::optional<Extended> J;
    int64_t Aufrufe = 0;
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
    s.Text = lauf.Text(7);
    for (auto& m : lauf.Host.Meldungen) s.Meldung += m.Text;
    if (Integralergebnis) s.J = Wert(Integralergebnis);
    s.Aufrufe = lauf.Host.Nachrichtenaufrufe;
    return s;
}

// Symbolic, else by Simpson's rule with the option's odd n raised: the quadrature's value, negated with the
// bounds exchanged (a request refuses a > b; the step itself takes the bounds in either order).
TEST_F(IntegralSchritte, IntegraleWieQuadraturInBeidenRichtungen) {
    TWechsel<Int64> n(SimpsonTeilintervalle, 1001);
    for (auto [f, a, b, simpson] : {std::tuple{"x*exp(x)", "0", "1", false},
                                    {"exp(x^2)", "0", "1", true},
                                    {"sin(x)/x", "1", "3", true}}) {
        const TSeite7 hin = Lauf({.F = f, .A = a, .B = b}, SchrittIntegral);
        DoIntegral(Lies(b), Lies(a));
        const std::optional<Extended> her = Integralergebnis ? Wert(Integralergebnis) : std::nullopt;
        ASSERT_TRUE(hin.J && her) << f;
        EXPECT_TRUE(Nahe(*hin.J, *Quadratur(Lies(f), *Wert(Lies(a)), *Wert(Lies(b))), 1e-9L)) << f;
        EXPECT_TRUE(Nahe(*her, -*hin.J, 1e-12L)) << f;
        EXPECT_EQ(hin.Text.find("Das Integral von f wurde mit dem Simpson-Verfahren und 1002 Teilintervallen "
                                "bestimmt.\nJ = ") != std::string::npos,
                  simpson)
            << hin.Text;
    }
}

// The area is the quadrature of |f - g| and additive over [a, c] and [c, b]. The antiderivative through
// tan(x/2) jumps at pi: that area is not found rather than wrong.
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
                                 {"exp(x)", "2", "0", "1", "2"},
                                 // f - g simplified changes its sign at a gap of f as entered.
                                 {"(x^2-1)/(x-1)", "2", "0", "1/2", "3"},
                                 {"(x-1)^2/(x^2-1)", "0", "0", "1/2", "3"},
                                 // A root equation squared, and a sign change at a gap of g without a zero.
                                 {"x+1", "sqrt(x+4)", "-3", "0", "3"},
                                 {"abs(x)", "x^2*(x-1)/x", "-3", "1/2", "29/10"},
                                 // Zeros by Cardano's formula, also of a factor, a repeated factor and f - g.
                                 {"x^3+x+1", "", "-2", "0", "2"},
                                 {"x^3", "2x+5", "0", "1", "3"},
                                 {"x*(x^3+x+1)", "", "-2", "1/3", "5/2"},
                                 {"(x^3-2x-5)^2*(x-1)", "", "0", "3/2", "3"},
                                 // A bound with a cube root that is no zero.
                                 {"x^3+x+1", "", "-2", "0", "2^(1/3)"}}) {
        const auto ab = A(f, g, a, b), ac = A(f, g, a, c), cb = A(f, g, c, b);
        ASSERT_TRUE(ab && ac && cb) << f;
        const std::string h = std::string("abs(") + f + "-(" + (*g ? g : "0") + "))";
        EXPECT_TRUE(Nahe(*ab, *Quadratur(Lies(h), *Wert(Lies(a)), *Wert(Lies(b))), 1e-8L)) << f;
        EXPECT_TRUE(Nahe(*ab, *ac + *cb, 1e-12L)) << f;
    }
    const auto sprung = A("1/(2+cos(x))", "1/2", "0", "2*pi");
    EXPECT_TRUE(!sprung ||
                Nahe(*sprung, *Quadratur(Lies("abs(1/(2+cos(x))-1/2)"), 0, *Wert(Lies("2*pi"))), 1e-8L));
}

// At a zero u of a cubic factor written by Cardano's formula the antiderivative is evaluated reduced modulo
// that factor: the pieces of the area hold no power of u above the square, and the area keeps its value.
TEST_F(IntegralSchritte, FlaecheAnCardanoNullstellenMitHoechstensQuadraten) {
    for (auto [f, a, b] : {std::tuple{"x^3+x+1", "-2", "2"},
                           {"x^3-2x-5", "0", "3"},
                           {"(-4x^3+4x+7)^3", "-2", "2"},
                           {"x^4-x^3+3x", "-2", "2"}}) {
        Schnittstellenliste = Neu<TSListe>();
        TTerm* A = Flaechenberechnung(Lies(f), nullptr, Lies(a), Lies(b));
        ASSERT_TRUE(A) << f;
        const std::string text = A->Text;
        EXPECT_TRUE(text.find("^(1/3)") != std::string::npos || text.find("°3)") != std::string::npos) << text;
        for (const char* potenz : {"^3)", "^4)", "^5)", "^6)", "^7)", "^8)", "^9)", "^10)"})
            EXPECT_EQ(text.find(potenz), std::string::npos) << text;
        const std::string h = std::string("abs(") + f + ")";
        EXPECT_TRUE(Nahe(*Wert(A), *Quadratur(Lies(h), *Wert(Lies(a)), *Wert(Lies(b))), 1e-8L)) << f;
    }
}

// The lines of the checks and results; the points of the area are computed without a line on page 7.
TEST_F(IntegralSchritte, ZeilenDerPruefungenUndErgebnisse) {
    const TSchritt F = SchrittFlaeche, I = SchrittIntegral;
    // clang-format off
    const std::tuple<TAnfrage, TSchritt, std::string> faelle[] = {
        {{.F = "1/x", .A = "-1", .B = "1"}, F, "f hat in [-1;1] die Polstelle x = 0. Der Flächeninhalt ist nicht endlich."},
        {{.F = "cos(x)-x", .A = "-3", .B = "3"}, F,
         "Es konnten nicht alle Schnittstellen bestimmt werden; der Flächeninhalt wird nicht angegeben."},
        {{.F = "exp(x^2)", .A = "0", .B = "1"}, F, "[0;1]\nDer Flächeninhalt konnte nicht bestimmt werden."},
        {{.F = "x", .G = "x", .A = "0", .B = "1"}, F, "Der gesuchte Flächeninhalt ist A = 0"},
        {{.F = "x", .A = "-1"}, I, "Integrationsintervall nicht endlich. Integral nicht bestimmt."},
        // Simplified to x^2, but f as entered has no value below 0.
        {{.F = "e^(2ln(x))", .A = "-4", .B = "5", .Schritte = {SchrittVereinfachen}}, F, "Integrierbarkeit in [-4;5] nicht klar."},
        {{.F = "e^(2ln(x))", .A = "-4", .B = "5", .Schritte = {SchrittVereinfachen}}, I, "Integrierbarkeit in [-4;5] nicht klar."},
    };
    // clang-format on
    for (const auto& [anfrage, schritt, zeilen] : faelle) {
        const std::string text = Lauf(anfrage, schritt).Text;
        EXPECT_NE(text.find(zeilen), std::string::npos) << text;
        EXPECT_EQ(text.find(schritt == F ? "Flächeninhalt\n" : "Stammfunktion bzw. Integral\n"), 0u) << text;
    }
    // Bounds a > b, which a request refuses, given to the steps themselves.
    auto seite = [] {
        std::string text;
        for (const std::string& z : Seitentext()) text += z + "\n";
        return text;
    };
    FTerm = Lies("x");
    Schnittstellenliste = Neu<TSListe>();
    SchrittFlaecheninhalt(Lies("1"), Lies("-1"));
    EXPECT_NE(seite().find("Zur Flächenberechnung müssen a und b angegeben sein, a nicht größer als b."),
              std::string::npos)
        << seite();
    FTerm = Lies("1/x");
    DoIntegral(Lies("1"), Lies("-1"));
    EXPECT_NE(seite().find("Integrierbarkeit in [1;-1] nicht klar."), std::string::npos) << seite();
}

// A rational f with a pole in [a; b] (inside or at a bound, of odd or even order, also where f as entered
// cancels) has no integral there, and the area is not finite: the page names the pole, which is one (|f|
// grows beyond every bound towards it). Where that is not decided (a removable gap only, a function that is
// not rational, a parameter, a pole the exact search does not find) the page keeps "nicht klar".
TEST_F(IntegralSchritte, PolstelleImIntervall) {
    const struct {
        const char *F, *G, *A, *B;
        std::optional<Extended> Pol; // the pole named, where divergence is decided
        const char* PolText;
    } faelle[] = {
        {"1/x", "", "-1", "1", 0, "0"},
        {"1/x^2", "", "-1", "2", 0, "0"},
        {"1/x", "", "0", "1", 0, "0"},
        {"x/(x^2-4)", "", "-1", "2", 2, "2"},
        {"(x-1)/((x-1)*x)", "", "-1", "2", 0, "0"},
        {"(x+3)/(x^2-x-6)", "", "-5", "0", -2, "-2"},
        {"1/(x^2-2)", "", "-1", "2", 1.41421356237309505L, nullptr},
        {"1/x", "x", "-1", "1", 0, "0"},
        {"x^2", "1/(x-1)", "0", "2", 1, "1"},
        {"(x^2-1)/(x-1)", "", "-1", "2", std::nullopt, nullptr},
        {"exp(x)/x", "", "-1", "2", std::nullopt, nullptr},
        {"tan(x)", "", "1", "2", std::nullopt, nullptr},
        {"1/(x-a)", "", "-1", "1", std::nullopt, nullptr},
        {"sqrt(x)", "", "-1", "2", std::nullopt, nullptr},
    };
    for (const auto& fall : faelle) {
        for (const TSchritt schritt : {SchrittIntegral, SchrittFlaeche}) {
            if (*fall.G && schritt == SchrittIntegral) continue;
            SCOPED_TRACE(std::string(fall.F) + " ; " + fall.G + " in [" + fall.A + ";" + fall.B + "]");
            const TSeite7 s = Lauf({.F = fall.F, .G = fall.G, .A = fall.A, .B = fall.B}, schritt);
            EXPECT_TRUE(s.Ausnahme.empty()) << s.Ausnahme;
            EXPECT_FALSE(s.J);
            const std::string intervall = std::string("[") + fall.A + ";" + fall.B + "]";
            const std::string name = *fall.G ? "f(x) - g(x)" : "f";
            const std::string schluss = schritt == SchrittIntegral
                                            ? ". Das Integral divergiert, es existiert nicht."
                                            : ". Der Flächeninhalt ist nicht endlich.";
            if (fall.Pol) {
                const std::string satz = name + " hat in " + intervall + " die Polstelle x = ";
                const size_t i = s.Text.find(satz);
                ASSERT_NE(i, std::string::npos) << s.Text;
                const size_t ende = s.Text.find('\n', i);
                EXPECT_TRUE(s.Text.substr(0, ende).ends_with(schluss)) << s.Text;
                if (fall.PolText) {
                    EXPECT_EQ(s.Text.substr(i, ende - i), satz + fall.PolText + schluss);
                }
                EXPECT_EQ(s.Text.find("nicht klar"), std::string::npos) << s.Text;
                EXPECT_EQ(s.Text.find("konnte nicht bestimmt werden"), std::string::npos) << s.Text;
                // The point is a pole of f - g in [a; b]: |f - g| beyond every bound towards it.
                TTerm* h = *fall.G ? OperatorTerm(Lies(fall.F), Lies(fall.G), '-') : Lies(fall.F);
                EXPECT_TRUE(*Wert(Lies(fall.A)) <= *fall.Pol && *fall.Pol <= *Wert(Lies(fall.B)));
                for (Extended d : {1e-4L, 1e-6L}) {
                    const std::optional<Extended> w = Wert(h, *fall.Pol + d);
                    const std::optional<Extended> v = Wert(h, *fall.Pol - d);
                    EXPECT_TRUE((w && std::fabs(*w) * d > 1e-3L) || (v && std::fabs(*v) * d > 1e-3L))
                        << double(d);
                }
            } else {
                EXPECT_EQ(s.Text.find("die Polstelle"), std::string::npos) << s.Text;
                EXPECT_NE(s.Text.find("Integrierbarkeit in " + intervall + " nicht klar."), std::string::npos)
                    << s.Text;
            }
        }
    }
}

// The graph hatches the area that page 7 states and nothing else: no ink of the area where the page finds
// none (a pole in the interval, intersections not all known, no antiderivative, no interval); where it
// states one, every pixel of its fill and bound lines lies between the two curves and between a and b.
TEST_F(IntegralSchritte, GraphSchraffiertNurDieAngegebeneFlaeche) {
    const struct {
        TAnfrage Anfrage;
        bool Angegeben;
    } faelle[] = {
        {{.F = "(x^2-1)/(x-2)", .A = "-5", .B = "5"}, false},
        {{.F = "1/x", .A = "-1", .B = "1"}, false},
        {{.F = "x^5-x-1", .A = "-2", .B = "2"}, false},
        {{.F = "cos(x)", .G = "x", .A = "-2", .B = "2"}, false},
        {{.F = "exp(x^2)", .A = "-1", .B = "1"}, false},
        {{.F = "x^2-1"}, false},
        {{.F = "x^2-1", .A = "-2", .B = "2"}, true},
        {{.F = "x^3-3x", .G = "x+2", .A = "-2", .B = "2"}, true},
        {{.F = "(x^2-1)/(x-2)", .A = "-1", .B = "1"}, true},
    };
    for (const auto& [anfrage, angegeben] : faelle) {
        SCOPED_TRACE(anfrage.F + " " + anfrage.G + " [" + anfrage.A + ";" + anfrage.B + "]");
        // The same graph with the area step and with the integral step, which hatches nothing.
        TAnfrage mit = anfrage, ohne = anfrage;
        mit.Schritte = {SchrittFlaeche, SchrittGraph};
        ohne.Schritte = {SchrittIntegral, SchrittGraph};
        TKopfloseAnfrage a(mit), b(ohne);
        a.Starte();
        const std::string seite7 = a.Text(7);
        ASSERT_EQ(seite7.find("Der gesuchte Flächeninhalt ist A = ") != std::string::npos, angegeben)
            << seite7;
        b.Starte();
        TTestLeinwandAktiv bild{981, 710};
        TTerm* f = Lies(anfrage.F);
        TTerm* g = anfrage.G.empty() ? Null : Lies(anfrage.G);
        const std::optional<Extended> xa = anfrage.A.empty() ? std::nullopt : Wert(Lies(anfrage.A));
        const std::optional<Extended> xb = anfrage.B.empty() ? std::nullopt : Wert(Lies(anfrage.B));
        int flaeche = 0, falsch = 0;
        for (Int32 r = 0; r < 710; ++r) {
            for (Int32 c = 0; c < 981; ++c) {
                if (a.Graphbild.Pixel(c, r) != Schwarz || b.Graphbild.Pixel(c, r) == Schwarz) continue;
                ++flaeche;
                // Between the curves within a pixel: a dot of the fill is two pixels wide.
                const Extended x0 = XWelt(c - 1), x1 = XWelt(c + 2), y = YWelt(r),
                               d = 2 * (XWelt(c + 1) - XWelt(c));
                bool zwischen = false;
                for (int i = 0; i <= 24 && !zwischen; ++i) {
                    const Extended x = x0 + (x1 - x0) * i / 24;
                    const std::optional<Extended> fx = Wert(f, x), gx = Wert(g, x);
                    zwischen = fx && gx && std::min(*fx, *gx) - d <= y && y <= std::max(*fx, *gx) + d;
                }
                const bool imIntervall = xa && xb && XPixel(*xa) - 1 <= c && c <= XPixel(*xb) + 1;
                falsch += !zwischen || !imIntervall;
            }
        }
        EXPECT_EQ(flaeche > 20, angegeben) << flaeche;
        EXPECT_EQ(falsch, 0);
    }
}

// A piecewise term under a root: the substitution x = u^2 of the search puts a letter into it, and the
// search ends with its closing sentence, without a message.
TEST_F(IntegralSchritte, JoinUnterDerWurzel) {
    const std::pair<TAnfrage, TSchritt> faelle[] = {
        {{.F = "x*sqrt(x;1)", .A = "-2", .B = "2"}, SchrittStammfunktion},
        {{.F = "x*sqrt(x;1)"}, SchrittIntegral},
        {{.F = "x*sqrt(x;1)", .A = "-2", .B = "2", .Kommentare = true}, SchrittStammfunktion},
    };
    for (const auto& [anfrage, schritt] : faelle) {
        const TSeite7 s = Lauf(anfrage, schritt);
        EXPECT_TRUE(s.Ausnahme.empty()) << s.Ausnahme;
        EXPECT_TRUE(s.Meldung.empty()) << s.Meldung;
        EXPECT_TRUE(s.Text.find("Mit elementaren Mitteln konnte keine Stammfunktion von f bestimmt werden") !=
                        std::string::npos ||
                    s.Text.find(" ist die gesuchte Stammfunktion.") != std::string::npos)
            << s.Text;
    }
}

// Exact numbers beyond the limits at the bounds: the integral and the area end the line reached, say why
// there is no value on a line of their own (the numbers become too large), and give none; with comments and
// without.
TEST_F(IntegralSchritte, UeberlaufBeiDenGrenzen) {
    for (const bool kommentare : {false, true}) {
        for (const TSchritt schritt : {SchrittIntegral, SchrittFlaeche}) {
            const TSeite7 s = Lauf({.F = "2", .A = "-1", .B = "7^30", .Kommentare = kommentare}, schritt);
            EXPECT_TRUE(s.Ausnahme.empty()) << s.Ausnahme;
            EXPECT_FALSE(s.J);
            size_t grund = 0;
            std::istringstream zeilen(s.Text);
            for (std::string z; std::getline(zeilen, z);) {
                const size_t u = z.find(
                    "Die Zahlen werden für die exakte Rechnung zu groß (Überlauf in der Bruchrechnung).");
                if (u == std::string::npos) continue;
                ++grund;
                EXPECT_TRUE(u == 0 || z.rfind("Bestimmung eines Integrals abgebrochen: ", 0) == 0) << z;
            }
            EXPECT_EQ(grund, 1u) << s.Text;
            if (schritt == SchrittFlaeche) {
                EXPECT_NE(s.Text.find("Der Flächeninhalt konnte nicht bestimmt werden."), std::string::npos)
                    << s.Text;
            } else {
                EXPECT_EQ(s.Text.find(" ist das gesuchte Integral."), std::string::npos) << s.Text;
            }
        }
    }
}

// A search out of resources ends the step with a box, and the request goes on; an abort during Simpson's
// rule ends the step at that poll, with neither its sentence nor a result.
TEST_F(IntegralSchritte, ErschoepfteSucheUndAbbruchImSimpsonverfahren) {
    std::string viele = "ln(x+1)";
    for (int k = 2; k <= 21; ++k) viele += "*ln(x+" + std::to_string(k) + ")";
    const TSeite7 s = Lauf({.F = viele}, SchrittStammfunktion);
    EXPECT_EQ(s.Meldung, std::string("Bestimmung eines Integrals abgebrochen:\n\r") + ZuVieleFaktorenText);
    EXPECT_TRUE(s.Ausnahme.empty());

    const TSeite7 ganz = Lauf({.F = "exp(x^2)", .A = "0", .B = "1"}, SchrittIntegral);
    const TSeite7 ab = Lauf({.F = "exp(x^2)", .A = "0", .B = "1"}, SchrittIntegral, ganz.Aufrufe - 3);
    EXPECT_TRUE(ganz.Aufrufe > 9 && ab.Aufrufe == ganz.Aufrufe - 3 &&
                ab.Ausnahme == "Abbruch durch Benutzer");
    const auto npos = std::string::npos;
    EXPECT_TRUE(!ab.J && ab.Text.find("Simpson") == npos && ab.Text.find("Mit elementaren") == npos)
        << ab.Text;
}

} // namespace
