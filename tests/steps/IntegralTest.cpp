// The integration search: antiderivatives differentiated back, definite integrals against quadrature, the
// rule attempts of one expansion, the layer limit and the node budget, the worked lines, and the abort.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "algebra/PartialBrueche.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "steps/Integral.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Integration = ZolTest;
using Zeilen = std::vector<std::string>;

const std::vector<Extended> Stellen = {-2.3L, -1.1L, -0.4L, 0.35L, 0.8L, 1.6L, 2.7L};

// F' = T wherever T has a value, and F has a value at most of those points.
::testing::AssertionResult IstStammfunktion(TTerm* F, TTerm* T) {
    int gemeinsam = 0, mitWert = 0;
    for (Extended x : Stellen)
        if (Wert(T, x)) ++mitWert, gemeinsam += Wert(F, x).has_value();
    if (2 * gemeinsam < mitWert) return ::testing::AssertionFailure() << F->Text << " ohne Werte";
    return IstAbleitung(T, F, Stellen);
}

// The lines of the page that a run of f writes on a wide page, with the search's trace when Spur is set.
template <class F> Zeilen Seite(F&& f, bool Spur = false) {
    TTestLeinwandAktiv aktiv(4000, 600);
    InitialisiereAusgabe();
    Seitenbreite = 4000;
    ProtokollIntegral = Spur;
    f();
    NeueZeile();
    Zeilen z = Seitentext();
    InitialisiereAusgabe();
    return z;
}

// The lines that begin with anfang.
int Anzahl(const Zeilen& z, const std::string& anfang) {
    return static_cast<int>(
        std::count_if(z.begin(), z.end(), [&](auto& s) { return s.rfind(anfang, 0) == 0; }));
}

// The benchmark's integrands and more: each antiderivative found is one. Terms without an elementary
// antiderivative end unfound, and so does e^x sin(x), whose parts return to a multiple of itself.
TEST_F(Integration, StammfunktionenAbgeleitet) {
    for (const char* text : {"x*exp(x)",       "x^2*exp(x)",   "x*sin(x)",          "ln(x)",
                             "x*ln(x)",        "ln(x)/x",      "x*exp(x^2)",        "2x*cos(x^2)",
                             "x*sqrt(x^2+1)",  "x^3*sin(x)",   "ln(x)^2",           "arctan(x)",
                             "exp(sqrt(x))",   "sin(sqrt(x))", "1/(x*ln(x))",       "cos(x)*exp(sin(x))",
                             "sqrt(x)*ln(x)",  "x*2^x",        "exp(x)/(1+exp(x))", "3*x*sin(x)-x*ln(x)/2",
                             "x/(x^2+1)",      "x*arctan(x)",  "ln((2-x)^2)",       "ln(abs(3x+1))",
                             "x^3*sqrt(x^2+1)"}) {
        TTerm* T = Lies(text);
        TTerm* F = IntegralVon(T, nullptr, nullptr);
        ASSERT_NE(F, nullptr) << text;
        EXPECT_TRUE(IstStammfunktion(F, T)) << text;
    }
    for (const char* ohne : {"exp(x^2)", "sin(x)/x", "sqrt(1+x^3)", "sin(x^2)*exp(x)", "exp(x)*sin(x)"})
        EXPECT_EQ(IntegralVon(Lies(ohne), nullptr, nullptr), nullptr) << ohne;
    // No multiple rule for a divisor 0 or one without a value.
    for (TTerm* teiler : {K(0), Lies("ln(-1)")})
        EXPECT_EQ(IntegralVon(Op(X(), '/', teiler), nullptr, nullptr), nullptr);
}

// Definite integrals are values, equal to the quadrature, in either direction; none across a gap.
TEST_F(Integration, BestimmteIntegraleWieQuadratur) {
    const std::vector<std::tuple<const char*, const char*, const char*>> faelle = {
        {"x*exp(x)", "0", "1"},     {"x^2*exp(x)", "1", "-2"},     {"x*sin(x)", "0", "pi"},
        {"x*ln(x)", "2", "1"},      {"ln(x)/x", "1", "3"},         {"x*exp(x^2)", "1", "0"},
        {"2x*cos(x^2)", "-1", "2"}, {"x*sqrt(x^2+1)", "-1", "2"},  {"x*exp(x)+1", "-1", "1"},
        {"x*ln(x)/2", "1/2", "2"},  {"2cos(ln(x^2))/x", "2", "1"}, {"exp(sqrt(x))", "4", "1"},
        {"x/(x^2+1)", "2", "-1"},   {"1/(x^4+1)", "0", "1"},       {"ln(abs(x-1))", "-3", "-1"}};
    for (auto [text, a, b] : faelle) {
        TTerm* T = Lies(text);
        TTerm *A = Lies(a), *B = Lies(b);
        TTerm* I = IntegralVon(T, A, B);
        ASSERT_NE(I, nullptr) << text << " von " << a << " bis " << b;
        EXPECT_TRUE(I->IstKonstant) << text << ": " << I->Text;
        const auto q = Quadratur(T, *Wert(A), *Wert(B));
        ASSERT_TRUE(q) << text;
        EXPECT_TRUE(Nahe(*Wert(I), *q, 1e-9L)) << text << " von " << a << " bis " << b << ": " << I->Text;
    }
    // Across a gap there is no value, although the substitution u = ln(x^2) maps both bounds to 0; nor
    // between bounds that depend on x.
    for (auto [text, a, b] : {std::tuple{"2cos(ln(x^2))/x", "-1", "1"},
                              {"x*ln(x)", "-1", "2"},
                              {"ln(abs(2x+1))", "-1", "1"},
                              {"x^2", "x", "1"}})
        EXPECT_EQ(IntegralVon(Lies(text), Lies(a), Lies(b)), nullptr) << text;
}

// Every substitution that succeeds is one: T(x) = E(u(x)) u'(x), also where an inverse of u was used; those
// marked must succeed (x^3 sqrt(x^2+1) through x = sqrt(u-1), as x occurs there as x^2 only), and an inverse
// that is wrong for negative x may only serve on positive bounds.
TEST_F(Integration, SubstitutionGibtDenIntegranden) {
    // clang-format off
    const std::vector<std::tuple<const char*, const char*, const char*, const char*, bool>> faelle = {
        {"x*exp(x)", "x^2", "", "", false},          {"x*exp(x)", "x^2", "1", "3", false},
        {"x^3*exp(x^2)", "x^2", "", "", true},       {"exp(sqrt(x))", "sqrt(x)", "", "", true},
        {"ln(x)/x", "ln(x)", "", "", true},          {"sin(x)*cos(x)", "sin(x)", "", "", true},
        {"x*sqrt(x^2+1)", "sqrt(x^2+1)", "", "", true}, {"exp(x)*sin(x)", "exp(x)", "-1", "2", false},
        {"x^3*sqrt(x^2+1)", "x^2+1", "", "", true},  {"x^3*sqrt(x^2+1)", "x^2+1", "-2", "1", true},
        {"x^2*exp(x^2)", "x^2", "", "", false},      {"x^2*exp(x^2)", "x^2", "1", "2", true},
        {"x^2*exp(x^2)", "x^2", "-2", "-1", false},  {"x^2*sqrt(x^2+1)", "x^2+1", "-1", "2", false}};
    // clang-format on
    for (auto [text, utext, a, b, muss] : faelle) {
        TTerm *T = Lies(text), *u = Lies(utext);
        TTerm* A = *a ? Lies(a) : nullptr;
        TTerm* B = *b ? Lies(b) : nullptr;
        TSuchknoten R;
        Substitution(T, u, A, R, B);
        EXPECT_TRUE(R.Ersatzterm || !muss) << text << " mit " << utext;
        if (!R.Ersatzterm) continue;
        TTerm* zurueck = Produkt(R.Ersatzterm->Ersetze(VariableX, u), u->Ableitung());
        for (Extended x : A ? std::vector{*Wert(A), (*Wert(A) + *Wert(B)) / 2, *Wert(B)} : Stellen) {
            const auto t = Wert(T, x);
            EXPECT_TRUE(!t || Nahe(*Wert(zurueck, x), *t)) << text << " bei " << double(x);
        }
        EXPECT_TRUE(!A || (Nahe(*Wert(R.UntereGrenzeErsatz), *Wert(u, *Wert(A))) &&
                           Nahe(*Wert(R.ObereGrenzeErsatz), *Wert(u, *Wert(B)))))
            << text;
    }
    // A parameter named like the substitution letter is not the new variable.
    TSuchknoten R;
    Substitution(Lies("u*x*exp(x^2)"), Lies("x^2"), nullptr, R, nullptr);
    EXPECT_EQ(R.Ersatzterm, nullptr);
}

// One expansion tries each factor once as f' (and, with more than two factors, the rest once too); results
// that differ only by a rational factor are hung in once; more than 20 factors are refused.
TEST_F(Integration, VersucheEinerExpansion) {
    for (auto [text, versuche] : {std::pair{"sin(x^2)*exp(x)", 2}, {"x*sin(x^2)*exp(x)", 6}}) {
        const Zeilen z = Seite([&] { SFPartSub(Lies(text), nullptr, nullptr, 2); }, true);
        EXPECT_EQ(Anzahl(z, "Partielle Integration:"), versuche) << text;
    }
    // e^x cos(x) and -cos(x) e^x from the two parts attempts, sin(ln(x)) from u = e^x.
    const Zeilen z = Seite([&] { SFPartSub(Lies("exp(x)*sin(x)"), nullptr, nullptr, 2); }, true);
    auto ergebnisse = [&](const std::string& s) { return Anzahl(z, s + "=") - Anzahl(z, s + "= ["); };
    EXPECT_EQ(ergebnisse("Partielle Integration") + ergebnisse("Substitution"), 3);
    EXPECT_EQ(Anzahl(z, "Einhängen"), 2);

    TTerm* viele = Lies("ln(x+1)");
    for (int k = 2; k <= 21; ++k) viele = Op(viele, '*', Lies("ln(x+" + std::to_string(k) + ")"));
    EXPECT_EQ(Ausnahme<ERessourcen>([&] { IntegralVon(viele, nullptr, nullptr); }), ZuVieleFaktorenText);
}

// Stufe 2 and 3 expand one layer, Stufe 4 up to four: x^n e^x needs n parts steps. The search hangs in at
// most MaxSuchknoten nodes and then ends unfound.
TEST_F(Integration, SchichtenUndKnotengrenze) {
    for (auto [text, stufe, gefunden] : {std::tuple{"x^2*exp(x)", 3, false},
                                         {"x^2*exp(x)", 4, true},
                                         {"x^4*exp(x)", 4, true},
                                         {"x^5*exp(x)", 4, false}}) {
        TTerm* T = Lies(text);
        TTerm* F = SFPartSub(T, nullptr, nullptr, stufe);
        EXPECT_EQ(F != nullptr, gefunden) << text << " Stufe " << stufe;
        EXPECT_TRUE(!F || IstStammfunktion(F, T)) << text;
    }
    TTerm* T = Lies("x^2*exp(x)*sin(x)");
    SFPartSub(T, nullptr, nullptr, 4);
    ASSERT_GT(Oberflaeche.Host.Suchzaehler, 5);
    Oberflaeche.Host.Suchzaehler = 0;
    TWechsel<Int32> grenze(MaxSuchknoten, 5);
    EXPECT_EQ(SFPartSub(T, nullptr, nullptr, 4), nullptr);
    EXPECT_EQ(Oberflaeche.Host.Suchzaehler, 5);
}

// The worked lines of a parts chain and of a substitution without and with bounds.
TEST_F(Integration, Seitentext) {
    Kommentare = true;
    const Zeilen teile = Seite([] { IntegralVon(Lies("x*exp(x)"), nullptr, nullptr); });
    EXPECT_EQ(1, Anzahl(teile, "ex·xdx : Partielle Integration mit f '(x) = ex und g(x) = x  liefert: "
                               "f(x)g(x) = ex·x und f(x)g '(x) = ex"));
    EXPECT_EQ(1, Anzahl(teile, "also: ex·xdx = ex·x - exdx"));
    EXPECT_EQ(1, Anzahl(teile, "ex·xdx = ex·x-ex = x-1·ex"));

    const Zeilen ohne = Seite([] { IntegralVon(Lies("2x*cos(x^2)"), nullptr, nullptr); });
    EXPECT_EQ(1, Anzahl(ohne, "Substitution von x2 = u in 2·x·cosx2 liefert: du/dx = u'(x) = 2·x, "
                              "d.h. 2·x·cosx2 = cosu·u'(x), d.h. 2·x·cosx2dx = cosu·du"));
    EXPECT_EQ(1, Anzahl(ohne, "also: 2·x·cosx2dx = cosudu mit u = x2"));
    EXPECT_EQ(1, Anzahl(ohne, "Mit u = x2 erhält man: "));
    EXPECT_EQ(1, Anzahl(ohne, "2·x·cosx2dx = sinx2"));

    const Zeilen mit = Seite([] { IntegralVon(Lies("2x*cos(x^2)"), Zwei, Null); });
    EXPECT_EQ(1, Anzahl(mit, "also: 202·x·cosx2dx = 40cosudu"));
    EXPECT_EQ(Anzahl(mit, "Mit "), 0);
    EXPECT_EQ(1, Anzahl(mit, "202·x·cosx2dx = -sin4"));
}

// An abort ends the search at the next poll; the switched globals are back, and no search leaves partial
// fractions behind for a later commented integral.
TEST_F(Integration, AbbruchUndGlobale) {
    Kommentare = true;
    PartialbruchVorhanden = true;
    EXPECT_EQ(SFPartSub(Lies("exp(x)*sin(x)"), nullptr, nullptr, 4), nullptr);
    EXPECT_FALSE(PartialbruchVorhanden);

    TTerm* T = Lies("ln(x+1)*ln(x+2)*ln(x+3)*ln(x+4)*ln(x+5)*ln(x+6)*ln(x+7)*ln(x+8)");
    Oberflaeche.Host.Nachrichtenaufrufe = 0;
    EXPECT_EQ(IntegralVon(T, nullptr, nullptr), nullptr);
    ASSERT_GT(Oberflaeche.Host.Nachrichtenaufrufe, 150);
    for (int64_t nach : {2, 12, 40, 150}) {
        BenutzerAbbruch = false;
        Oberflaeche.Host.Nachrichtenaufrufe = 0;
        Oberflaeche.Host.AbbruchNach = nach;
        TTerm* F = T;
        try {
            F = IntegralVon(T, nullptr, nullptr);
        } catch (const EBenutzerAbbruch&) {
            F = nullptr;
        }
        EXPECT_EQ(F, nullptr);
        EXPECT_LE(Oberflaeche.Host.Nachrichtenaufrufe, nach + 8);
    }
    EXPECT_TRUE(Kommentare);
    EXPECT_TRUE(KonstantenUeberlaufMelden);
    EXPECT_EQ(Variablenbuchstabe, 'x');
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
    EXPECT_EQ(IntegralVon(Lies("x*exp(x)"), nullptr, nullptr), nullptr);
}

} // namespace
} // namespace zol
