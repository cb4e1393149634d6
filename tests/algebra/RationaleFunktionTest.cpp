// The rational function normal form: recognition, cancelling, conversion of cached forms, the arithmetic
// against values, derivative and symmetry.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/TermParser.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class RationaleFunktionen : public PolynomTest {};

TRationaleFunktion* RF(const std::string& text) {
    bool neu = false;
    return TRationaleFunktionCreateT(Lies(text), neu);
}

// The value of Z/N at t, from the polynomials; nothing where N is 0.
bool QuotientWert(const TRationaleFunktion* F, Extended t, Extended& w) {
    const Extended n = Summenwert(F->Nenner, t);
    if (n == 0) return false;
    w = Summenwert(F->Zaehler, t) / n;
    return true;
}

// The form has the values of f wherever f has one.
::testing::AssertionResult WerteWie(const TRationaleFunktion* F,
                                    const std::function<bool(Extended, Extended&)>& f) {
    for (Extended t : Proben()) {
        Extended soll = 0, ist = 0;
        if (!f(t, soll)) continue;
        if (!QuotientWert(F, t, ist)) return ::testing::AssertionFailure() << "kein Wert bei " << double(t);
        auto r = Nahe(ist, soll);
        if (!r) return r << " bei x = " << double(t);
        bool d = true;
        const Extended termwert = F->Term->Wert(t, d);
        if (!d) return ::testing::AssertionFailure() << "Term ohne Wert bei " << double(t);
        r = Nahe(termwert, soll);
        if (!r) return r << " (Term " << F->Term->Text << ") bei x = " << double(t);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult WerteWie(const TRationaleFunktion* F, TTerm* term) {
    return WerteWie(F, [term](Extended t, Extended& w) {
        bool d = true;
        w = term->Wert(t, d);
        return d;
    });
}

// Numerator and denominator have no common factor.
::testing::AssertionResult Gekuerzt(const TRationaleFunktion* F) {
    TPolynom G;
    PGGT(F->Zaehler, F->Nenner, G);
    if (G.Grad > 0) return ::testing::AssertionFailure() << "gemeinsamer Teiler vom Grad " << G.Grad;
    return ::testing::AssertionSuccess();
}

// Quotients of polynomials in many forms: the values of the term, cancelled, trimmed, a constant denominator
// is 1; a quotient by the zero polynomial and terms of other kinds have none.
TEST_F(RationaleFunktionen, TermeAlsQuotienten) {
    for (const char* text : {"1/x", "x/(x^2+1)", "1/(x-1)+1/(x+1)", "(x^2-4)/(x^2-x-2)", "x^(-3)*(x+1)^2",
                             "(x+1/x)^3", "2/(3*x)-x/6", "(x^2-1)/(x-1)", "1/(1/x)", "((x-1)/(x+2))^(-2)",
                             "(x/2+1)/(x/3-1)", "(2*x+2)/2", "5"}) {
        TTerm* t = Lies(text);
        bool neu = false;
        TRationaleFunktion* F = TRationaleFunktionCreateT(t, neu);
        ASSERT_NE(F, nullptr) << text;
        EXPECT_TRUE(neu && WerteWie(F, t) && Gekuerzt(F) && Getrimmt(F->Zaehler) && Getrimmt(F->Nenner))
            << text;
        EXPECT_TRUE(F->Nenner.Grad > 0 || PGleich(F->Nenner, EinsPolynom)) << text;
        AlleTermeFreigeben();
    }
    EXPECT_EQ(RF("(x^2-1)/(x-1)")->Term->Text, "(x+1)");
    for (const char* text : {"x^(1/2)", "exp(x)", "x;1", "x^2+x^(1/3)", "x/0", "1/(x-x)", "(x+1)/(0*x)"})
        EXPECT_EQ(RF(text), nullptr) << text;
    EXPECT_EQ(RationaleFunktionToTerm(XPolynom, NullPolynom), nullptr);
    EXPECT_EQ(RationaleFunktionToTerm(PolZ({2, 4}), PolZ({2}))->Text, "((2*x)+1)");
}

// Cached forms: PT becomes P over 1, RF is handed back, RNF P1 * P2^k / P3^m is multiplied out, not
// cancelled; any other kind gives nil.
TEST_F(RationaleFunktionen, GespeicherteFormen) {
    bool neu = false;
    TTerm* p = Lies("x^2-3");
    p->HoleNormalform();
    ASSERT_EQ(p->Normalform->Kennung, "PT");
    TRationaleFunktion* F = TRationaleFunktionCreateT(p, neu);
    EXPECT_TRUE(neu && PGleich(F->Zaehler, PolZ({-3, 0, 1})) && PGleich(F->Nenner, EinsPolynom));
    TTerm* q = Lies("(1/x)/(x+1)");
    q->HoleNormalform();
    ASSERT_EQ(q->Normalform->Kennung, "RF");
    EXPECT_EQ(TRationaleFunktionCreateT(q, neu), q->Normalform);
    EXPECT_FALSE(neu);
    auto* rnf = Neu<TRationaleNormalform>(PolZ({2}), PolZ({1, 1}), PolZ({1, 1}), 2, 1);
    TTerm* r = Lies("2*(x+1)^2/(x+1)");
    r->Normalform = rnf;
    F = TRationaleFunktionCreateT(r, neu);
    EXPECT_TRUE(neu && PGleich(F->Zaehler, PolZ({2, 4, 2})) && PGleich(F->Nenner, PolZ({1, 1})));
    auto* anders = Neu<TNormalform>();
    anders->Kennung = "ENF";
    TTerm* e = Lies("x+5");
    e->Normalform = anders;
    EXPECT_EQ(TRationaleFunktionCreateT(e, neu), nullptr);
}

// ---- Arithmetic ----

TEST_F(RationaleFunktionen, ArithmetikGegenWerte) {
    const char* const terme[] = {"1/x", "(x+1)/(x-2)", "x^2/(x^2+1)", "3*x-1", "(x-1)/(x+3)^2", "2"};
    struct Op {
        const char* Name;
        std::function<TRationaleFunktion*(TRationaleFunktion*, TRationaleFunktion*)> Form;
        std::function<Extended(Extended, Extended)> Wert;
    };
    const Op ops[] = {
        {"+", RFPlus, [](Extended a, Extended b) { return a + b; }},
        {"-", RFMinus, [](Extended a, Extended b) { return a - b; }},
        {"*", RFMal, [](Extended a, Extended b) { return a * b; }},
        {"/", RFDurch, [](Extended a, Extended b) { return a / b; }},
    };
    for (const char* ta : terme)
        for (const char* tb : terme)
            for (const Op& op : ops) {
                TRationaleFunktion* a = RF(ta);
                TRationaleFunktion* b = RF(tb);
                ASSERT_TRUE(a && b);
                TRationaleFunktion* c = op.Form(a, b);
                ASSERT_NE(c, nullptr);
                EXPECT_EQ(c->Kennung, "RF");
                EXPECT_TRUE(Gekuerzt(c)) << ta << op.Name << tb;
                EXPECT_TRUE(WerteWie(c,
                                     [&](Extended t, Extended& w) {
                                         Extended wa, wb;
                                         if (!QuotientWert(a, t, wa) || !QuotientWert(b, t, wb)) return false;
                                         if (*op.Name == '/' && wb == 0) return false;
                                         w = op.Wert(wa, wb);
                                         return true;
                                     }))
                    << ta << " " << op.Name << " " << tb;
            }
    EXPECT_EQ(Ausnahme<ETermFehler>([] { RFDurch(RF("(x+1)/(x-2)"), RFNull()); }),
              "Division durch Nullpolynom");
}

// ---- Slots ----

// The last two overflowed the fractions of the cancelling by Euclid's algorithm.
TEST_F(RationaleFunktionen, AbleitungGegenDifferenzenquotient) {
    for (const char* text : {"1/x", "(x+1)/(x-2)", "x^2/(x^2+1)", "x^3-2*x", "(x-1)/(x+3)^2", "1/(x^2+x+1)^2",
                             "((x*x)^(-1)+(x-1))/(x-2)^4", "(3+x-3x^2)/((x-2)^2*(x+3)^2)"}) {
        TRationaleFunktion* F = RF(text);
        ASSERT_NE(F, nullptr) << text;
        auto* A = dynamic_cast<TRationaleFunktion*>(F->Ableitung());
        ASSERT_NE(A, nullptr) << text;
        EXPECT_TRUE(Gekuerzt(A)) << text;
        for (Extended t : {-1.75L, 0.5L, 2.5L}) {
            Extended w0, w1, d;
            const Extended h = 1e-6L;
            if (!QuotientWert(F, t - h, w0) || !QuotientWert(F, t + h, w1) || !QuotientWert(A, t, d))
                continue;
            EXPECT_TRUE(Nahe(d, (w1 - w0) / (2 * h), 1e-6L)) << text << " bei " << double(t);
        }
    }
}

// Denominators with repeated factors of degree 3 and more: the remainders of Euclid's algorithm over
// fractions overflowed in the cancelling, while the reduced derivatives have small coefficients. The first
// and second derivative against the difference quotients, reduced; (-3+2x+4x^2-x^3)^(-2)/(2x^3-2x^2+6x+6)
// has the reduced derivative (-9x^5 + 36x^4 - 35x^3 + 25x^2 + 72x + 3) / N of degree 15 whose largest
// coefficient is 6894, up to a common factor. The second derivatives where they stay within the degree limit.
TEST_F(RationaleFunktionen, AbleitungenGrosserNennerGekuerzt) {
    // Each with the number of derivatives that stay within the degree limit.
    const std::pair<const char*, int> faelle[] = {{"(-3+2x+4x^2-x^3)^(-2)/(2x^3-2x^2+6x+6)", 1},
                                                  {"(x^3-7x+5)^(-3)*(x^2+x+3)^(-1)", 1},
                                                  {"(4x^4-3x^3+x-11)^(-2)/(5x^2-3)", 1},
                                                  {"(x^3+2x^2-9)^2/((x^4-5x+1)^3*(x^2-2))", 1},
                                                  {"(7x^3-x+13)/((3x^3+5x^2-x+2)^2*(x^3-4x-9))", 1},
                                                  {"(x^2-3x+7)^(-2)/(x^2+5)", 2},
                                                  {"(2x^3-x+4)^(-2)*(x-5)^(-1)", 2}};
    for (const auto& [text, grad] : faelle) {
        TRationaleFunktion* F = RF(text);
        ASSERT_NE(F, nullptr) << text;
        TRationaleFunktion* A[3] = {F, nullptr, nullptr};
        for (int k = 1; k <= grad; ++k) {
            ASSERT_NO_THROW(A[k] = dynamic_cast<TRationaleFunktion*>(A[k - 1]->Ableitung()))
                << text << " " << k;
            ASSERT_NE(A[k], nullptr) << text;
            EXPECT_TRUE(Gekuerzt(A[k])) << text << " " << k;
            for (Extended t : {-1.75L, 0.5L, 2.5L}) {
                Extended w0, w1, d;
                const Extended h = 1e-5L;
                if (!QuotientWert(A[k - 1], t - h, w0) || !QuotientWert(A[k - 1], t + h, w1) ||
                    !QuotientWert(A[k], t, d))
                    continue;
                EXPECT_TRUE(Nahe(d, (w1 - w0) / (2 * h), 1e-5L)) << text << " " << k << " bei " << double(t);
            }
        }
    }
    TRationaleFunktion* A =
        dynamic_cast<TRationaleFunktion*>(RF("(-3+2x+4x^2-x^3)^(-2)/(2x^3-2x^2+6x+6)")->Ableitung());
    ASSERT_TRUE(A && A->Zaehler.Grad == 5 && A->Nenner.Grad == 15);
    const Int64 soll[] = {3, 72, 25, -35, 36, -9};
    TBruch faktor, z, n, groesster = BruchNull;
    Brueche::Durch(AlsRationaleKonstante(A->Zaehler.Koeff[0])->Bruch, TBruch{soll[0], 1}, faktor);
    for (Int32 i = 0; i <= 5; ++i) {
        Brueche::Mal(faktor, TBruch{soll[i], 1}, z);
        EXPECT_TRUE(Brueche::Gleich(AlsRationaleKonstante(A->Zaehler.Koeff[i])->Bruch, z)) << i;
    }
    for (Int32 i = 0; i <= 15; ++i) {
        n = AlsRationaleKonstante(A->Nenner.Koeff[i])->Bruch;
        if (n.Zaehler < 0) Brueche::Negativ(n, n);
        if (Brueche::Kleiner(groesster, n)) groesster = n;
    }
    Brueche::Durch(groesster, faktor.Zaehler < 0 ? TBruch{-faktor.Zaehler, faktor.Nenner} : faktor, n);
    EXPECT_TRUE(Brueche::Gleich(n, TBruch{6894, 1})) << Brueche::BruchToStr(n);
}

// The symmetry of x/(x^2 + 1) is that of (-x)*(x^2 + 1): with comments a sentence, then the polynomial's.
TEST_F(RationaleFunktionen, Symmetrie) {
    const std::tuple<const char*, TWahrheitswert, TWahrheitswert> faelle[] = {
        {"x/(x^2+1)", falsch, wahr},
        {"1/(x^2+1)", wahr, falsch},
        {"1/(x+1)", falsch, falsch},
        {"1/x^3", falsch, wahr},
        {"(x^2+1)/(x^4-3)", wahr, falsch}};
    for (const auto& [text, achse, punkt] : faelle) {
        TWahrheitswert a = unklar, p = unklar;
        RF(text)->Symmetrie(a, p, false);
        EXPECT_TRUE(a == achse && p == punkt) << text;
    }
    TTestLeinwandAktiv aktiv;
    InitialisiereAusgabe();
    Seitenbreite = 4000;
    TWahrheitswert a, p;
    RF("x/(x^2+1)")->Symmetrie(a, p, true);
    const std::vector<std::string> text = Seitentext();
    InitialisiereAusgabe();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0].rfind("Die Symmetrie von ", 0), 0u) << text[0];
    EXPECT_NE(text[0].find(" ist zu der des Polynoms "), std::string::npos) << text[0];
    EXPECT_EQ(text[0].substr(text[0].size() - std::string(" äquivalent.").size()), " äquivalent.");
    EXPECT_NE(text[1].find("ist es symmetrisch zum Ursprung."), std::string::npos) << text[1];
    EXPECT_TRUE(Einrueckung == 0 && !Kommentare);
}

} // namespace
} // namespace zol
