// The rational function normal form: recognition, cancelling, conversion of cached forms, the arithmetic
// against values, derivative and symmetry.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "algebra/RationaleFunktion.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/TermParser.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class RationaleFunktionen : public PolynomTest {};

TTerm* T(const std::string& text) {
    return TermAusString(text);
}

TRationaleFunktion* RF(const std::string& text) {
    bool neu = false;
    return TRationaleFunktionCreateT(T(text), neu);
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

TEST_F(RationaleFunktionen, TermeAlsQuotienten) {
    const char* const faelle[] = {
        "1/x",
        "(x+1)/(x-1)",
        "x/(x^2+1)",
        "1/(x-1)+1/(x+1)",
        "(x^2-4)/(x^2-x-2)",
        "x^(-3)*(x+1)^2",
        "(1/x)^2",
        "(x+1/x)^3",
        "2/(3*x)-x/6",
        "(x^2-1)/(x-1)",
        "1/(1/x)",
        "((x-1)/(x+2))^(-2)",
        "(x/2+1)/(x/3-1)",
        "x^2+3*x-1",
        "5",
    };
    for (const char* text : faelle) {
        TTerm* t = T(text);
        bool neu = false;
        TRationaleFunktion* F = TRationaleFunktionCreateT(t, neu);
        ASSERT_NE(F, nullptr) << text;
        EXPECT_TRUE(neu) << text;
        EXPECT_EQ(F->Kennung, "RF");
        EXPECT_EQ(F->Referenzen, 0);
        EXPECT_TRUE(WerteWie(F, t)) << text;
        EXPECT_TRUE(Gekuerzt(F)) << text;
        EXPECT_TRUE(Getrimmt(F->Zaehler)) << text;
        EXPECT_TRUE(Getrimmt(F->Nenner)) << text;
        // A constant denominator is always 1.
        if (F->Nenner.Grad == 0) {
            EXPECT_TRUE(PGleich(F->Nenner, EinsPolynom)) << text;
        }
        AlleTermeFreigeben();
    }
}

TEST_F(RationaleFunktionen, Randfaelle) {
    // The constant denominator is divided into the numerator.
    TRationaleFunktion* F = RF("(2*x+2)/2");
    ASSERT_NE(F, nullptr);
    EXPECT_TRUE(PGleich(F->Zaehler, PolZ({1, 1})));
    EXPECT_TRUE(PGleich(F->Nenner, EinsPolynom));
    // Cancelled.
    F = RF("(x^2-1)/(x-1)");
    ASSERT_NE(F, nullptr);
    EXPECT_TRUE(PGleich(F->Zaehler, PolZ({1, 1})));
    EXPECT_TRUE(PGleich(F->Nenner, EinsPolynom));
    EXPECT_EQ(F->Term->Text, "(x+1)");
    // A negative power goes to the denominator.
    F = RF("x^(-2)");
    ASSERT_NE(F, nullptr);
    EXPECT_TRUE(PGleich(F->Zaehler, EinsPolynom));
    EXPECT_TRUE(PGleich(F->Nenner, PolZ({0, 0, 1})));
    // No rational function.
    for (const char* text : {"x^(1/2)", "sqrt(x)", "exp(x)", "sin(x)", "x;1", "x^2+x^(1/3)"}) {
        EXPECT_EQ(RF(text), nullptr) << text;
    }
    bool neu = true;
    EXPECT_EQ(TRationaleFunktionCreateT(nullptr, neu), nullptr);
    EXPECT_FALSE(neu);
}

// A quotient by the zero polynomial has no value anywhere and is no rational function.
TEST_F(RationaleFunktionen, NennerNull) {
    EXPECT_EQ(RF("x/0"), nullptr);
    EXPECT_EQ(RF("1/(x-x)"), nullptr);
    EXPECT_EQ(RF("(x+1)/(0*x)"), nullptr);
    EXPECT_EQ(RationaleFunktionToTerm(XPolynom, NullPolynom), nullptr);
}

TEST_F(RationaleFunktionen, GespeicherteFormen) {
    bool neu = false;
    // A cached polynomial form becomes that polynomial over 1.
    TTerm* p = T("x^2-3");
    p->HoleNormalform();
    ASSERT_NE(p->Normalform, nullptr);
    ASSERT_EQ(p->Normalform->Kennung, "PT");
    TRationaleFunktion* F = TRationaleFunktionCreateT(p, neu);
    ASSERT_NE(F, nullptr);
    EXPECT_TRUE(neu);
    EXPECT_TRUE(PGleich(F->Zaehler, PolZ({-3, 0, 1})));
    EXPECT_TRUE(PGleich(F->Nenner, EinsPolynom));
    // A cached rational function form is handed back.
    TTerm* q = T("1/(x+1)");
    q->HoleNormalform();
    ASSERT_NE(q->Normalform, nullptr);
    ASSERT_EQ(q->Normalform->Kennung, "RF");
    EXPECT_EQ(TRationaleFunktionCreateT(q, neu), q->Normalform);
    EXPECT_FALSE(neu);
    // A cached rational normal form P1 * P2^k / P3^m is multiplied out, not cancelled.
    auto* rnf = Neu<TRationaleNormalform>();
    rnf->Kennung = "RNF";
    rnf->P1 = PolZ({2});
    rnf->P2 = PolZ({1, 1});
    rnf->k = 2;
    rnf->P3 = PolZ({1, 1});
    rnf->m = 1;
    TTerm* r = T("2*(x+1)^2/(x+1)");
    r->Normalform = rnf;
    F = TRationaleFunktionCreateT(r, neu);
    ASSERT_NE(F, nullptr);
    EXPECT_TRUE(neu);
    EXPECT_TRUE(PGleich(F->Zaehler, PolZ({2, 4, 2})));
    EXPECT_TRUE(PGleich(F->Nenner, PolZ({1, 1})));
    // Any other cached form: nil.
    auto* anders = Neu<TNormalform>();
    anders->Kennung = "ENF";
    TTerm* e = T("x+5");
    e->Normalform = anders;
    neu = true;
    EXPECT_EQ(TRationaleFunktionCreateT(e, neu), nullptr);
    EXPECT_FALSE(neu);
}

TEST_F(RationaleFunktionen, RationaleFunktionToTerm) {
    // A constant denominator divides the numerator.
    TTerm* t = RationaleFunktionToTerm(PolZ({2, 4}), PolZ({2}));
    EXPECT_EQ(t->Text, "((2*x)+1)");
    // Otherwise the quotient of the two polynomial terms, simplified when both are.
    TTerm* q = RationaleFunktionToTerm(PolZ({1}), PolZ({1, 0, 1}));
    EXPECT_EQ(q->Text, "(1/((x^2)+1))");
    EXPECT_TRUE(q->Zustand & TermVereinfacht);
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
}

TEST_F(RationaleFunktionen, GleichheitUndNeutraleElemente) {
    TRationaleFunktion* a = RF("(x+1)/(x-2)");
    TRationaleFunktion* b = RF("x^2/(x^2+1)");
    EXPECT_TRUE(RFGleich(RFMinus(RFPlus(a, b), b), a));
    EXPECT_TRUE(RFGleich(RFDurch(RFMal(a, b), b), a));
    EXPECT_TRUE(RFGleich(RFPlus(a, RFNull()), a));
    EXPECT_TRUE(RFGleich(RFMal(a, RFEins()), a));
    EXPECT_TRUE(RFGleich(RFDurch(a, a), RFEins()));
    EXPECT_TRUE(RFGleich(RFMinus(a, a), RFNull()));
    EXPECT_FALSE(RFGleich(a, b));
    // Equal as quotients though not written alike.
    EXPECT_TRUE(RFGleich(Neu<TRationaleFunktion>(PolZ({2, 2}), PolZ({-4, 2})), a));
    EXPECT_TRUE(PGleich(RFNull()->Zaehler, NullPolynom));
    EXPECT_TRUE(PGleich(RFEins()->Zaehler, EinsPolynom));
    EXPECT_THROW(RFDurch(a, RFNull()), ETermFehler);
}

// ---- Slots ----

TEST_F(RationaleFunktionen, AbleitungGegenDifferenzenquotient) {
    for (const char* text :
         {"1/x", "(x+1)/(x-2)", "x^2/(x^2+1)", "x^3-2*x", "(x-1)/(x+3)^2", "1/(x^2+x+1)^2"}) {
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

TEST_F(RationaleFunktionen, Symmetrie) {
    struct Fall {
        const char* Text;
        TWahrheitswert Achse, Punkt;
    };
    const Fall faelle[] = {
        {"x/(x^2+1)", falsch, wahr}, {"1/(x^2+1)", wahr, falsch}, {"1/(x+1)", falsch, falsch},
        {"x^2-1", wahr, falsch},     {"1/x^3", falsch, wahr},     {"(x^2+1)/(x^4-3)", wahr, falsch},
    };
    for (const Fall& f : faelle) {
        TRationaleFunktion* F = RF(f.Text);
        ASSERT_NE(F, nullptr) << f.Text;
        TWahrheitswert a = unklar, p = unklar;
        F->Symmetrie(a, p, false);
        EXPECT_EQ(a, f.Achse) << f.Text;
        EXPECT_EQ(p, f.Punkt) << f.Text;
    }
}

class RationaleFunktionKommentare : public RationaleFunktionen {
protected:
    void SetUp() override {
        RationaleFunktionen::SetUp();
        InitialisiereAusgabe();
        Seitenbreite = 4000;
        Einzug = 10;
    }
    void TearDown() override {
        Kommentare = false;
        InitialisiereAusgabe();
        RationaleFunktionen::TearDown();
    }
    TTestLeinwandAktiv Aktiv;
};

// The symmetry of x/(x^2 + 1) is that of (-x)*(x^2 + 1): a sentence, then the polynomial's, one level in.
TEST_F(RationaleFunktionKommentare, SymmetrieMitKommentar) {
    TRationaleFunktion* F = RF("x/(x^2+1)");
    ASSERT_NE(F, nullptr);
    TWahrheitswert a, p;
    F->Symmetrie(a, p, true);
    EXPECT_EQ(p, wahr);
    const std::vector<std::string> text = Seitentext();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0].rfind("Die Symmetrie von ", 0), 0u) << text[0];
    EXPECT_NE(text[0].find(" ist zu der des Polynoms "), std::string::npos) << text[0];
    EXPECT_EQ(text[0].substr(text[0].size() - std::string(" äquivalent.").size()), " äquivalent.");
    EXPECT_NE(text[1].find("ist es symmetrisch zum Ursprung."), std::string::npos) << text[1];
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_FALSE(Kommentare);
    // Without the flag nothing is written.
    InitialisiereAusgabe();
    F->Symmetrie(a, p, false);
    EXPECT_TRUE(Seitentext().empty());
}

} // namespace
} // namespace zol
