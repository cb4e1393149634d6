// f as entered in every step: where a simplification changes f's range (sqrt(x)^2 = x only for x >= 0) or
// cancels a gap ((x^2-1)/(x-1)), and where f is a polynomial above the degree limit (x^25-1), the pages name
// f as entered, evaluate it only where it has a value, and the steps that say what kind of function f is
// agree with each other and with what f is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/Polynome.h"
#include "output/folienT.h"
#include "steps/Allgemeines.h"
#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using EingegebenesF = ZolTest;

enum class TArt { Polynom, GebrochenRational, Keine };

bool Hat(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

// What kind of function the pages call f, sentence by sentence; every sentence that says so must agree.
struct TAussagen {
    std::vector<std::pair<std::string, TArt>> Saetze;
};

TAussagen Aussagen(const TKopfloseAnfrage& l) {
    const std::string s0 = l.Text(0), s1 = l.Text(1), s2 = l.Text(2), s3 = l.Text(3);
    const std::tuple<const std::string*, const char*, TArt> saetze[] = {
        {&s0, "f ist Polynom (ganzrationale Funktion)", TArt::Polynom},
        {&s0, "f ist gebrochen-rationale Funktion", TArt::GebrochenRational},
        {&s0, "f ist ganz-rational (Polynom), also Definitionsbereich D = IR", TArt::Polynom},
        {&s1, "Zerlegung des Polynoms P(x)", TArt::Polynom},
        {&s1, "Ergebnis: P(x) =", TArt::Polynom},
        {&s2, "f ist Polynom, hat also keine Polstellen.", TArt::Polynom},
        {&s2, "Da f keine rationale Funktion ist", TArt::Keine},
        {&s3, "f ist ganzrational.", TArt::Polynom},
        {&s3, "f ist keine rationale Funktion", TArt::Keine},
        {&s3, "Der gekürzte Term ist ganzrational.", TArt::GebrochenRational},
    };
    TAussagen a;
    for (const auto& [seite, satz, art] : saetze)
        if (Hat(*seite, satz)) a.Saetze.push_back({satz, art});
    // Not a polynomial: said of a quotient as of anything else.
    if (Hat(s1, "f ist keine ganzrationale Funktion (Polynom)"))
        a.Saetze.push_back({"keine ganzrationale Funktion", TArt::Keine});
    return a;
}

// The steps that classify f: each sentence fits the kind f has, a sentence against polynomials also a
// quotient; no page holds a bare error of the polynomial arithmetic.
TEST_F(EingegebenesF, SchritteStimmenInDerArtVonFUeberein) {
    const std::vector<TSchritt> schritte = {SchrittVereinfachen, SchrittDefinitionsbereich,
                                            SchrittProduktzerlegung, SchrittPolstellen, SchrittPartialbruch};
    const std::pair<const char*, TArt> faelle[] = {
        {"sqrt(x)^2", TArt::Keine},
        {"sqrt(x^2)", TArt::Keine},
        {"(x^2-1)/(x-1)", TArt::GebrochenRational},
        {"x/x", TArt::GebrochenRational},
        {"ln(exp(x))", TArt::Polynom},
        {"x^25-1", TArt::Polynom},
        {"(x^2+1)^11-x", TArt::Polynom},
        {"x^3-x", TArt::Polynom},
        {"1/(x^25-1)", TArt::GebrochenRational},
        {"1/(x-2)", TArt::GebrochenRational},
    };
    for (const auto& [f, art] : faelle) {
        for (bool kommentare : {false, true}) {
            TKopfloseAnfrage l({.F = f, .Schritte = schritte, .Kommentare = kommentare});
            l.Starte();
            const TAussagen a = Aussagen(l);
            EXPECT_FALSE(a.Saetze.empty()) << f;
            for (const auto& [satz, gesagt] : a.Saetze) {
                const bool passt =
                    gesagt == art || (gesagt == TArt::Keine && satz == "keine ganzrationale Funktion" &&
                                      art == TArt::GebrochenRational);
                EXPECT_TRUE(passt) << f << ": " << satz;
            }
            for (Int32 k = 0; k <= 3; ++k)
                EXPECT_FALSE(Hat(l.Text(k), "Maximaler Grad")) << f << " Seite " << k;
        }
    }
}

// A polynomial above the degree limit: its domain is IR, it has no poles, and the factorisation says under
// its heading that f is a polynomial of its degree, above the limit.
TEST_F(EingegebenesF, PolynomUeberDemHoechstgrad) {
    for (const auto& [f, grad] : {std::pair{"x^25-1", 25}, {"(x^2+1)^11-x", 22}, {"3*x^21/2+x", 21}}) {
        TKopfloseAnfrage l(
            {.F = f, .Schritte = {SchrittDefinitionsbereich, SchrittProduktzerlegung, SchrittPolstellen}});
        l.Starte();
        EXPECT_TRUE(Hat(l.Text(0), "Definitionsbereich: D = IR\n")) << l.Text(0);
        EXPECT_TRUE(Hat(l.Text(2), "f hat keine Polstellen.")) << l.Text(2);
        const std::vector<std::string> z = l.Seiten[1].Klartext();
        const auto kopf = std::find_if(z.begin(), z.end(), [](const std::string& s) {
            return s.rfind("Zerlegung des Polynoms P(x) = ", 0) == 0 && s.ends_with(" in Faktoren:");
        });
        ASSERT_NE(kopf, z.end()) << l.Text(1);
        ASSERT_NE(kopf + 1, z.end());
        EXPECT_TRUE(Hat(kopf[1], "Grad " + std::to_string(grad)) && Hat(kopf[1], std::to_string(MaxGrad)))
            << kopf[1];
    }
    // Not simplified, the terms of a polynomial of degree 1 pass the limit on the way: the page says so under
    // the heading too.
    TKopfloseAnfrage l({.F = "x^30-x^30+x", .Schritte = {SchrittProduktzerlegung}});
    l.Starte();
    const std::vector<std::string> z = l.Seiten[1].Klartext();
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[0].rfind("Zerlegung des Polynoms P(x) = ", 0), 0u) << l.Text(1);
    EXPECT_FALSE(Hat(l.Text(1), "keine ganzrationale Funktion")) << l.Text(1);
}

// The degree of a polynomial as entered against its growth: f(2t)/f(t) tends to 2^n for the degree n; a sum
// whose leading terms may cancel leaves the degree open, and a term that is no polynomial as it stands has
// none.
TEST_F(EingegebenesF, PolynomgradWieDasWachstum) {
    for (const char* f : {"x^25-1", "(x^2+1)^11-x", "2*x^21/3+x", "(x-1)*(x+1)^20", "x^3-x", "7", "(2x)^3",
                          "(x^2-x^2+x)^4", "pi*x^2+e"}) {
        const std::optional<Int64> grad = PolynomgradWieEingegeben(Lies(f));
        ASSERT_TRUE(grad.has_value()) << f;
        if (*grad == -2) continue;
        ASSERT_GE(*grad, 0) << f;
        const Extended t = 1e3L, q = *Wert(Lies(f), 2 * t) / *Wert(Lies(f), t);
        EXPECT_TRUE(Nahe(q, std::pow(2.0L, static_cast<Extended>(*grad)), 1e-2L)) << f << " " << *grad;
    }
    EXPECT_EQ(PolynomgradWieEingegeben(Lies("x^30-x^30+x")), -2);
    EXPECT_EQ(PolynomgradWieEingegeben(Lies("0*x^3")), -1);
    for (const char* f : {"sqrt(x)^2", "1/x", "x^(1/2)", "exp(x)", "x/(x+1)", "abs(x)", "x^(-2)"})
        EXPECT_FALSE(PolynomgradWieEingegeben(Lies(f)).has_value()) << f;
}

// The steps that name f show it as entered (the value table's header, the numerical zero, the intersections,
// the integral, the graph), and f is evaluated only where f as entered has a value: a table row has a value
// exactly where f as entered has one, the numerical zero does not start where f as entered has no value at a
// bound, and no extremum or inflection point lies where f as entered is not defined on both sides.
TEST_F(EingegebenesF, SchritteNennenUndWertenFWieEingegeben) {
    for (const char* f : {"sqrt(x)^2", "(x^2-1)/(x-1)", "x/x", "ln(exp(x))", "sqrt(x^2)",
                          "x^3-3x+sqrt(x)^2-x", "x^2*sqrt(x)^2/x", "exp(2*ln(x))-1"}) {
        TKopfloseAnfrage l({.F = f,
                            .G = "1",
                            .Methode = 3,
                            .Schritte = {SchrittVereinfachen, SchrittTabelle, SchrittNaeherungsverfahren,
                                         SchrittSchnittstellen, SchrittExtremstellen, SchrittWendestellen,
                                         SchrittIntegral, SchrittGraph},
                            .Kommentare = true});
        l.Starte();
        TTerm* E = Lies(f);
        const std::string name = E->Folie(10)->Klartext();
        EXPECT_TRUE(Hat(l.Text(0), "\nxy = " + name + "\n")) << f << "\n" << l.Text(0);
        EXPECT_TRUE(Hat(l.Text(1), "Bestimmung einer Nullstelle von " + name + " mit dem")) << l.Text(1);
        EXPECT_TRUE(Hat(l.Text(1), "von f(x) = " + name + " und g(x) = ")) << l.Text(1);
        EXPECT_TRUE(Hat(l.Text(7), "J = -55" + name + "dx")) << l.Text(7);
        EXPECT_TRUE(Hat(l.Text(8), "f(x) = " + name + ";")) << l.Text(8);
        // The table over [-5, 5] with step 1/2: a value exactly where f as entered has one.
        Int32 ohne = 0;
        for (Int32 k = 0; k <= 20; ++k) ohne += !Wert(E, -5 + k / 2.0L).has_value();
        Int32 nichtDef = 0;
        const std::string s0 = l.Text(0);
        for (size_t p = s0.find("nicht def."); p != std::string::npos; p = s0.find("nicht def.", p + 1))
            ++nichtDef;
        EXPECT_EQ(nichtDef, ohne) << f;
        if (!Wert(E, -5) || !Wert(E, 5)) {
            EXPECT_TRUE(Hat(l.Text(1), " ist an einer Intervallgrenze nicht definiert.")) << l.Text(1);
            EXPECT_FALSE(Hat(l.Text(1), "Startwert ist")) << l.Text(1);
        }
        for (TSListe* liste : {Extremstellenkandidaten, Wendestellenkandidaten})
            for (Int32 i = 1; liste && i <= liste->Anzahl; ++i) {
                const Extended x = *Wert(liste->Stellen[i]->Punkt);
                for (Extended h : {-1e-6L, 0.0L, 1e-6L})
                    EXPECT_TRUE(Wert(E, x + h).has_value()) << f << " bei " << double(x + h);
            }
    }
}

} // namespace
} // namespace zol
