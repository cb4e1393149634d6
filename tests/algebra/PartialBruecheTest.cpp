// Partial fractions and integrals of rational functions: the decomposition and its coefficient tables
// recombined at sample points, antiderivatives differentiated back, definite integrals against Simpson sums,
// the level rule, poles between the bounds, and the pages.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/PartialBrueche.h"
#include "algebra/RationaleFunktion.h"
#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Integral.h"
#include "term/Mengen.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class Partialbrueche : public ZolTest {
protected:
    TTestLeinwandAktiv Aktiv;
};

TRationaleFunktion* RF(const std::string& f) {
    bool neu = false;
    return TRationaleFunktionCreateT(Lies(f), neu);
}

bool Zerlege(TRationaleFunktion* R, bool Kommentar) {
    bool vollstaendig = false;
    Partialbruchzerlegung(R->Zaehler, R->Nenner, PartialbruchNullstellen, PartialbruchQuadFaktoren,
                          PartialbruchA, PartialbruchB, PartialbruchC, vollstaendig, Kommentar);
    return vollstaendig;
}

// The fractions that the coefficient tables stand for, summed at x.
Extended Tabellenwert(Extended x) {
    Extended s = 0;
    for (Int32 i = 1; i <= PartialbruchA.Zeilen; ++i)
        for (Int32 j = 1; j <= PartialbruchA.Spalten; ++j)
            s += *Wert(PartialbruchA.a[i][j]) /
                 std::pow(x - *Wert(PartialbruchNullstellen->Stellen[i]->Punkt), j);
    for (Int32 i = 1; i <= PartialbruchB.Zeilen; ++i) {
        const Extended q =
            x * x + *Wert(PartialbruchQuadFaktoren[i].p) * x + *Wert(PartialbruchQuadFaktoren[i].q);
        for (Int32 j = 1; j <= PartialbruchB.Spalten; ++j)
            s += (*Wert(PartialbruchB.a[i][j]) * x + *Wert(PartialbruchC.a[i][j])) / std::pow(q, j);
    }
    return s;
}

TEST_F(Partialbrueche, ZerlegungErgibtFunktion) {
    struct {
        const char* f;
        Int32 nullstellen, quadratisch, spalten;
    } const faelle[] = {
        // clang-format off
        {"1/(x^2-1)", 2, 0, 1}, {"1/(x^2+1)", 0, 1, 1}, {"1/(x-1)^2", 1, 0, 2}, {"1/(x^2-2)", 2, 0, 1},
        {"(3x^2+1)/((x-1)^2*(x^2+x+1))", 1, 1, 2}, {"1/(2x^3-2x)", 3, 0, 1}, {"(x^3-x+5)/(x^2+1)^2", 0, 1, 2},
        {"(x^3+2)/((3x+6)^3*(x^2+4))", 1, 1, 3}, {"x/((x-1)*(x^2+x+1)^2*(x+3))", 2, 1, 2},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.f);
        TRationaleFunktion* R = RF(fall.f);
        ASSERT_TRUE(Zerlege(R, false) && PartialbruchVorhanden);
        EXPECT_EQ(PartialbruchA.Zeilen, fall.nullstellen);
        EXPECT_EQ(PartialbruchB.Zeilen, fall.quadratisch);
        EXPECT_EQ(PartialbruchA.Spalten, fall.spalten);
        EXPECT_TRUE(WertGleich(R->Term, PartialbruchTerm(PartialbruchNullstellen, PartialbruchQuadFaktoren,
                                                         PartialbruchA, PartialbruchB, PartialbruchC)));
        for (Extended x : {-2.7L, -0.4L, 0.6L, 1.3L, 2.9L})
            EXPECT_TRUE(Nahe(Tabellenwert(x), *Wert(R->Term, x))) << double(x);
    }
}

// Coefficients with a parameter: the decomposition sums back to f for sample values of the parameter, and a
// negative coefficient is subtracted (x - 1 - (a-1)/(x+1), not x - 1 + (-a+1)/(x+1)).
TEST_F(Partialbrueche, MitParameterOhneDoppeltesVorzeichen) {
    for (const char* f : {"(x-a)/((x+1)*(x-3))", "(a*x+1)/(x^2-1)", "(1-a)/((x-1)*(x+2))", "(x-a)/(x^2+x)",
                          "(-a*x-a)/((x-2)*(x^2+1))"}) {
        SCOPED_TRACE(f);
        TRationaleFunktion* R = RF(f);
        ASSERT_NE(R, nullptr);
        ASSERT_TRUE(Zerlege(R, false) && PartialbruchVorhanden);
        TTerm* T = PartialbruchTerm(PartialbruchNullstellen, PartialbruchQuadFaktoren, PartialbruchA,
                                    PartialbruchB, PartialbruchC);
        const TTerm* d = DoppeltesVorzeichen(T);
        EXPECT_EQ(d, nullptr) << T->Text << " bei " << (d ? d->Text : "");
        for (TTerm* a : {K(-2), K(3), K(1, 3)})
            for (Extended x : {-2.7L, -0.4L, 0.6L, 1.3L, 2.9L})
                EXPECT_TRUE(Nahe(*Wert(MitA(T, a), x), *Wert(MitA(Lies(f), a), x)))
                    << a->Text << " " << double(x);
    }
}

// No decomposition: an incomplete factorisation, a denominator beyond the size of the system, an overflow in
// the system, a numerator of too high a degree; the request's start clears what an earlier one left. A
// system that fails leaves a short account, not its ansatz and matrices.
TEST_F(Partialbrueche, KeineZerlegung) {
    const std::pair<const char*, std::string> faelle[] = {
        {"1/(x^5-x-1)", "Zerlegung nicht gelungen.\n"},
        {"1/(x^16+1)", "Partialbruch-Zerlegung von f(x) = 1x16+1\n"},
        {"1/((x^2+1000003)*(x-1000033)*(x-999983))",
         "Die Koeffizienten A,B,C, und D lassen sich mit exakten Termen nicht bestimmen:\nÜberlauf in der "
         "Bruchrechnung.\n"}};
    for (const auto& [f, zeile] : faelle) {
        const std::string text = Mitschrift([&] { Zerlege(RF(f), true); });
        EXPECT_FALSE(PartialbruchVorhanden);
        EXPECT_NE(text.find(zeile + "Partialbruch-Zerlegung nicht möglich.\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("Ansatz:"), std::string::npos) << text;
    }
    Zerlege(RF("1/(x^2-1)"), false);
    ASSERT_TRUE(PartialbruchVorhanden);
    TRationaleFunktion* R = RF("x^2/(x^2-1)");
    bool vollstaendig = true;
    EXPECT_EQ(Mitschrift([&] {
                  Partialbruchzerlegung(R->Zaehler, R->Nenner, PartialbruchNullstellen,
                                        PartialbruchQuadFaktoren, PartialbruchA, PartialbruchB, PartialbruchC,
                                        vollstaendig, true);
              }),
              "Der Grad des Zählers ist >= dem Grad des Nenners! \n");
    EXPECT_FALSE(PartialbruchVorhanden || vollstaendig);
    Zerlege(RF("1/(x^2-1)"), false);
    SetzeAnalyseZurueck();
    EXPECT_FALSE(PartialbruchVorhanden);
    EXPECT_EQ(PartialbruchA.Zeilen + PartialbruchNullstellen->Anzahl, 0);
}

TEST_F(Partialbrueche, StammfunktionenUndBestimmteIntegrale) {
    struct {
        const char* f;
        Int64 a, b;
    } const faelle[] = {
        // clang-format off
        {"1/(x^2-1)", 2, 3}, {"1/(x^2+1)", 0, 1}, {"x^3/(x^2+1)", -1, 2}, {"1/x^2", 1, 2}, {"(x+1)/(3x^2)", -2, -1},
        {"(2x+3)/(x^2+2x+5)", 0, 1}, {"(x+1)/(x^2+4x+4)", 0, 1}, {"(5x-1)/(2x^2-3x-2)", 4, 3}, {"3/(2x+1)", 0, 1},
        {"1/(x^2+1)^2", 0, 1}, {"1/(x^2+1)^3", -1, 2}, {"(3x^2+1)/((x-1)^2*(x^2+x+1))", 2, 3},
        {"x^5/(x^3-x)", 3, 2}, {"1/(2x^3-2x)", 2, 3}, {"(x^4+1)/((x^2+x+2)*(x^2+2x+3))", -1, 1},
        {"1/((x^2-3)*(x^2+x+1)*(x^2+2x+3))", 0, 1},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.f);
        TRationaleFunktion* R = RF(fall.f);
        TTerm* F = R->Integral(nullptr, nullptr, 3);
        ASSERT_NE(F, nullptr);
        EXPECT_TRUE(IstAbleitung(R->Term, F, {-3.3L, -1.7L, -0.45L, 0.3L, 0.7L, 1.8L, 2.5L, 4.6L}));
        TTerm* I = R->Integral(K(fall.a), K(fall.b), 3);
        ASSERT_NE(I, nullptr);
        EXPECT_TRUE(Nahe(Wert(I).value_or(NAN), *Simpsonsumme(R->Term, fall.a, fall.b), 1e-9L)) << I->Text;
    }
}

// Cubic denominators with one irrational real zero, which Cardano's formula writes with two cube roots: the
// coefficients are decided with the zero's relation, so the decomposition is complete and sums back to f,
// the antiderivative differentiates back to f, and the integral between bounds on one side of the pole
// agrees with Simpson's rule.
TEST_F(Partialbrueche, KubischerNennerMitIrrationalerNullstelle) {
    struct {
        const char* f;
        Int64 a, b;
    } const faelle[] = {
        // clang-format off
        {"(x+1)/(x^3+x+1)", 0, 2}, {"(-5x)/(9x^3+6x^2+1)", 0, 3}, {"8/(-5x^3-6x^2-3x+1)", -3, 0},
        {"(9x^2+2)/(-8x^3-7x^2+864)", -2, 3}, {"1/(-1/2x^3+2x^2+1/2x+3)", -1, 2}, {"(4x+1/5)/(x^3+8x+7)", 0, 2},
        {"(-3x^2+5/2)/(-3x^3-5x^2-4/5)", 0, 3}, {"(7x^2-2)/(2x^3+3x^2-6x+6)", 0, 2}, {"9x/(4x^3+x^2-1)", -2, 0},
        {"1/(7/4x^3+9x^2+1)", 0, 1}, {"(-6x-3/2)/(1/4x^3-5/2x^2+5x+8)", 0, 5}, {"7x^2/(-5x^3-4/5x^2-9)", -1, 2},
        // clang-format on
    };
    const std::vector<Extended> stellen = {-3.3L, -1.7L, -0.45L, 0.3L, 0.7L, 1.8L, 2.5L, 4.6L};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.f);
        TRationaleFunktion* R = RF(fall.f);
        ASSERT_TRUE(Zerlege(R, false) && PartialbruchVorhanden);
        EXPECT_EQ(PartialbruchA.Zeilen, 1);
        EXPECT_EQ(PartialbruchB.Zeilen, 1);
        for (Extended x : stellen)
            if (const auto w = Wert(R->Term, x)) {
                EXPECT_TRUE(Nahe(Tabellenwert(x), *w, 1e-8L)) << double(x);
            }
        TTerm* F = R->Integral(nullptr, nullptr, 3);
        ASSERT_NE(F, nullptr);
        EXPECT_TRUE(IstAbleitung(R->Term, F, stellen));
        TTerm* I = R->Integral(K(fall.a), K(fall.b), 3);
        ASSERT_NE(I, nullptr);
        EXPECT_TRUE(Nahe(Wert(I).value_or(NAN), Simpsonsumme(R->Term, fall.a, fall.b).value_or(NAN), 1e-8L));
    }
}

// Below level 3 a denominator of degree 3 or more is not integrated and nothing is written; a pole in
// [a; b] (in either order of the bounds) leaves the integral without a value.
TEST_F(Partialbrueche, StufeUndPolImIntervall) {
    Kommentare = true;
    TTerm* F = nullptr;
    EXPECT_EQ(Mitschrift([&] { F = RF("1/(x^3-x)")->Integral(nullptr, nullptr, 2); }), "\n");
    EXPECT_EQ(F, nullptr);
    Kommentare = false;
    EXPECT_NE(RF("1/(x^3-x)")->Integral(nullptr, nullptr, 3), nullptr);
    EXPECT_NE(RF("1/(x^2+x+1)")->Integral(nullptr, nullptr, 1), nullptr);
    Kommentare = true;
    struct {
        const char* f;
        Int64 a, b;
        bool unklar;
    } const pole[] = {{"1/x", -1, 1, false},
                      {"1/x", 1, -1, false},
                      {"1/x", 0, 1, false},
                      {"1/(x^3-x)", 2, -2, false},
                      {"1/((x^2-3)*(x^2+x+1)*(x^2+2x+3))", 0, 2, true}};
    for (const auto& fall : pole) {
        SCOPED_TRACE(fall.f);
        const std::string text = Mitschrift([&] { F = RF(fall.f)->Integral(K(fall.a), K(fall.b), 3); });
        EXPECT_EQ(F, nullptr);
        EXPECT_NE(
            text.find(" existiert nicht, da der Nenner im Integrationsintervall Nullstellen besitzt.\n"),
            std::string::npos)
            << text;
        EXPECT_EQ(text.find("Integrierbarkeit unklar.\n") != std::string::npos, fall.unklar) << text;
    }
}

// The step's page and the commented integrals; fragments in order.
TEST_F(Partialbrueche, Seitentexte) {
    auto inFolge = [](const std::string& text, const std::vector<std::string>& teile) {
        size_t ab = 0;
        for (const std::string& teil : teile) {
            const size_t i = text.find(teil, ab);
            EXPECT_NE(i, std::string::npos) << teil << "\nin\n" << text;
            if (i != std::string::npos) ab = i + teil.size();
        }
    };
    struct {
        const char* f;
        bool kommentare;
        std::vector<std::string> teile;
    } const schritte[] = {
        {"1/(x^2-1)",
         true,
         {"Bestimmung der Partialbruch-Zerlegung:\nPartialbruch-Zerlegung von f(x) = 1x2-1\n",
          "Ansatz: f(x) = Ax-1+Bx+1\nMultiplikation mit dem Nenner :1 = A·x+1 + B·x-1\n"
          "Ausmultiplizieren ergibt: A+B·x+A-B\nKoeffizientenvergleich mit 1 ergibt ein LGS für A, und B\n",
          "Eindeutige Lösung",
          " A =12,  B =-12, \nErgebnis der Partialbruch-Zerlegung: f(x) = 12x-1-12x+1\n"}},
        {"(x^2-1)/(x-2)",
         true,
         {"Rest 3", "Partialbruch-Zerlegung von r(x) = 3x-2\n", "Ansatz: r(x) = Ax-2\n",
          "Ergebnis der Partialbruch-Zerlegung: r(x) = 3x-2\nErgebnis der Partialbruch-Zerlegung: f(x) = "
          "x+2+3x-2"}},
        {"x^3/(x^2-1)",
         false,
         {"Bestimmung der Partialbruch-Zerlegung:\nErgebnis der Partialbruch-Zerlegung: "
          "f(x) = x+12x-1+12x+1\n"}},
        {"(x+2)/(x-1)^3", false, {"Ergebnis der Partialbruch-Zerlegung: f(x) = 1x-12+3x-13\n"}},
        {"x^5/((x-1)^2*(x+2))", false, {"Ergebnis der Partialbruch-Zerlegung: f(x) = x2+3+"}},
        {"x^2+3", false, {"f ist ganzrational.\n"}},
        {"sin(x)", true, {"f ist keine rationale Funktion, hat also keine Partialbruchzerlegung.\n"}},
    };
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.f);
        TKopfloseAnfrage lauf(
            TAnfrage{.F = s.f, .Schritte = {SchrittPartialbruch}, .Kommentare = s.kommentare});
        lauf.Starte();
        inFolge(lauf.Text(3), s.teile);
        // The result that the page states for f is the polynomial part and the partial fractions, and f.
        if (PartialbruchVorhanden) {
            TTerm* T = PartialbruchTerm(
                PartialbruchNullstellen, PartialbruchQuadFaktoren, PartialbruchA, PartialbruchB,
                PartialbruchC,
                IstNullPolynom(PartialbruchPolynomteil) ? nullptr : PolynomToTerm(PartialbruchPolynomteil));
            EXPECT_TRUE(WertGleich(FTerm, T));
            inFolge(lauf.Text(3),
                    {"Ergebnis der Partialbruch-Zerlegung: f(x) = " + Mitschrift([T] { SchreibeTerm(T); })});
        }
    }

    Kommentare = true;
    inFolge(
        Mitschrift([] { RF("(2x+3)/(x^2+2x+5)")->Integral(nullptr, nullptr, 3); }),
        {"2·x+3x2+2·x+5 dx = 2·x+2x2+2·x+5+1x2+2·x+5 dx\n", "2·x+2x2+2·x+5 dx = lnx2+2·x+5\n",
         "1x2+2·x+5 dx = (quadratische Ergänzung) 1x+12+4 dx\n",
         "Substitution von x+1 = u, dx = du  ergibt  (mit k = 2) :1u2+k2 du = 1k·arctanuk = 12·arctanx+12\n",
         "2·x+3x2+2·x+5 dx = lnx2+2·x+5+12·arctanx+12\n"});
    // The decomposed fraction is named f only where it is f: not a remainder, nor a substituted integrand.
    TKopfloseAnfrage(TAnfrage{.F = "1/(x^3-x)"}).Starte();
    Kommentare = true;
    for (const auto& [integrand, name] : {std::pair<TTerm*, const char*>{FTerm, "von f(x) = "},
                                          {Lies("(x^4+1)/(x^3-x)"), "von r(x) = "},
                                          {Lies("1/(sin(x)*(2+cos(x)))"), "von r(u) = "}}) {
        const std::string text = Mitschrift([&] { IntegralVon(integrand, nullptr, nullptr); });
        inFolge(text, {name, "Ansatz: " + std::string(name).substr(4),
                       "Zerlegung: " + std::string(name).substr(4)});
    }
    // The decomposition just made is taken up again.
    Zerlege(RF("1/(x^3-x)"), false);
    const std::string text = Mitschrift([] { RF("1/(x^3-x)")->Integral(nullptr, nullptr, 3); });
    inFolge(text, {"Berechnung von 1x3-x dx\nAus der Partialbruch-Zerlegung ergibt sich:\n"});
    EXPECT_EQ(text.find("Ansatz"), std::string::npos);
}

} // namespace
} // namespace zol
