// The normal-form base, the dispatcher and the polynomial normal form: which terms are polynomials, the
// form's term against its input, forms that do not exist (degree limit, constants without value), caching and
// reference counts, derivative, antiderivative and symmetry against values.
#include <cmath>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "term/Arena.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

using NormalFormen = PolynomTest;

// The term and the polynomial have the same value at every sample point where the term has one.
::testing::AssertionResult GleicheWerte(TTerm* term, const TPolynom& P) {
    for (Extended t : Proben()) {
        auto w = Wert(term, t);
        if (!w) continue;
        auto r = Nahe(*w, Summenwert(P, t));
        if (!r) return r << " bei x = " << double(t) << " für " << term->Text;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(NormalFormen, PolynomeInVielenFormen) {
    // clang-format off
    const std::pair<const char*, Int32> faelle[] = {
        {"7", 0}, {"3*x^3-2*x+5", 3}, {"(x-1)*(x-2)*(x-3)*(x+4)", 4}, {"x*(x*(x*(x+1)+2)+3)", 4}, {"((x+1)^2)^3", 6},
        {"x^0", 0}, {"1/2*x^2+2/3*x-3/4", 2}, {"(x/2+1/3)^2", 2}, {"(x^3-8)/(x-2)", 2}, {"(6*x^2+4*x)/2", 2},
        {"x-x", 0}, {"x^20", 20}, {"(x-pi)*(x+pi)/2", 2},
    };
    // clang-format on
    for (const auto& [text, grad] : faelle) {
        TTerm* t = Lies(text);
        bool neu = false;
        TPolynomTerm* form = TPolynomTermCreateT(t, neu);
        ASSERT_NE(form, nullptr) << text;
        EXPECT_TRUE(form->P.Grad == grad && Getrimmt(form->P)) << text;
        // The input and the form's term have the values of the polynomial.
        EXPECT_TRUE(GleicheWerte(t, form->P) && GleicheWerte(form->Term, form->P)) << text;
        AlleTermeFreigeben();
    }
    // Polynomials written back as terms read as the same polynomials, simplified.
    TZufallsPolynome zufall(7);
    for (int i = 0; i < 40; ++i) {
        TPolynom P = zufall.Polynom(zufall.Grad(0, 8));
        TTerm* t = PolynomToTerm(P);
        EXPECT_TRUE(GleicheWerte(t, P) && t->Vereinfacht == t) << t->Text;
        bool neu = false;
        AlleSubNormalformen(t);
        TPolynomTerm* form = TPolynomTermCreateT(t, neu);
        ASSERT_NE(form, nullptr) << t->Text;
        EXPECT_TRUE(PGleich(form->P, P)) << t->Text;
    }
    EXPECT_EQ(PolynomToTerm(PolZ({-2, 3, -1}))->Text, "((((-1)*(x^2))+(3*x))-2)");
}

TEST_F(NormalFormen, KeinePolynome) {
    for (const char* text : {"1/x", "x^(1/2)", "(x^2+1)/(x-1)", "x/(x+1)*2", "x°2", "sqrt(x)", "exp(x)",
                             "sin(x)", "x;x^2", "2^x"}) {
        bool neu = true;
        EXPECT_EQ(TPolynomTermCreateT(Lies(text), neu), nullptr) << text;
        EXPECT_FALSE(neu) << text;
        AlleTermeFreigeben();
    }
    bool neu = false;
    EXPECT_THROW(TPolynomTermCreateT(Op(X(), '/', Op(X(), '-', X())), neu), ETermFehler);
    // Huge exponents end at once: of a polynomial of degree 0 through its coefficient, else at the limit.
    TPolynomTerm* form = TPolynomTermCreateT(PotenzTerm(Op(X(), '-', X()), TBruch{1000000000000LL, 1}), neu);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(IstNullPolynom(form->P));
    EXPECT_THROW(TPolynomTermCreateT(PotenzTerm(X(), TBruch{1000000000000LL, 1}), neu), EZolFehler);
}

// A constant without a value (1/0, 0^-1, 7^70 beyond the exact range) has no form and raises nothing; a
// parameter keeps its form.
TEST_F(NormalFormen, KonstanteOhneWertHatKeineForm) {
    for (TTerm* t : {Op(Eins, '/', Null), Pot(Op(Null, '+', Null), -1), Pot(K(7), 70)}) {
        bool neu = true;
        EXPECT_EQ(TPolynomTermCreateT(t, neu), nullptr) << t->Text;
        EXPECT_EQ(TRationaleFunktionCreateT(t, neu), nullptr) << t->Text;
        EXPECT_EQ(TPolynomTermCreateT(Op(X(), '*', t), neu), nullptr) << t->Text;
        EXPECT_EQ(Normalform(t, neu), nullptr) << t->Text;
    }
    bool neu = true;
    EXPECT_NE(TPolynomTermCreateT(Op(BenannteKonstante("a"), '*', Zwei), neu), nullptr);
}

// Terms whose polynomials would exceed degree 20 have no normal form; simplifying them is no error and
// keeps the value. Where a polynomial is really computed the limit stays in force.
TEST_F(NormalFormen, JenseitsDerGradgrenzeKeineForm) {
    for (const char* text : {"x^25+1", "(x^7+1)^3", "(x^11-x)*(x^10+2)", "1/(x^21-1)"}) {
        TTerm* T = Lies(text);
        bool neu = true;
        EXPECT_EQ(Normalform(T, neu), nullptr) << text;
        EXPECT_TRUE(T->Zustand & KeineNormalform) << text;
        TTerm* V = T;
        ASSERT_NO_THROW(VereinfacheTerm(V)) << text;
        EXPECT_TRUE(WertGleich(T, V) && WertGleich(V, T)) << text;
    }
    bool neu = false;
    EXPECT_THROW(TPolynomTermCreateT(Lies("x^21"), neu), EGradUeberschritten);
}

// The dispatcher: constants and polynomials get "PT", quotients a rational form, all with the input's values;
// ln has none, mixed kinds and piecewise terms none and are marked, and the mark carries over.
TEST_F(NormalFormen, Dispatcher) {
    // clang-format off
    const std::pair<TTerm*, std::string> faelle[] = {
        {Zwei, "PT"}, {Bruchkonstante(-3, 4), "PT"}, {BenannteKonstante("pi"), "PT"}, {ReelleKonstante(2.5L), "PT"},
        {BenannteKonstante("a"), "PT"}, {Lies("(x+1)*(x-1)"), "PT"}, {Lies("(x^2-1)/(x-1)"), "PT"},
        {Lies("x/2+x/3"), "PT"}, {Lies("(2*x)/(4*x)"), "PT"}, {Lies("1/x"), "RF"}, {Lies("(x+1)/(x-1)"), "RF"},
        {Lies("x^(-2)"), "RF"}, {Lies("1/(x^2+1)+x"), "RF"},
    };
    // clang-format on
    for (const auto& [t, kennung] : faelle) {
        bool neu = false;
        TNormalform* f = Normalform(t, neu);
        ASSERT_NE(f, nullptr) << t->Text;
        EXPECT_TRUE(f->Kennung == kennung || (kennung == "RF" && f->Kennung == "RNF"))
            << t->Text << ": " << f->Kennung;
        EXPECT_TRUE(WertGleich(t, f->Term)) << t->Text;
        EXPECT_TRUE(kennung != "PT" || f->Term->Knotenzahl <= std::max(t->Knotenzahl, 7)) << t->Text;
    }
    bool neu = true;
    TTerm* ln = StandardFunktionTerm("ln", VariableX);
    EXPECT_EQ(Normalform(ln, neu), nullptr);
    EXPECT_FALSE(ln->Zustand & KeineNormalform);
    TTerm* gemischt = Op(StandardFunktionTerm("exp", VariableX), '+', StandardFunktionTerm("sin", VariableX));
    TTerm* j = Lies("x;x^2");
    for (TTerm* t : {gemischt, j, Op(j, '+', VariableX)}) {
        EXPECT_EQ(Normalform(t, neu), nullptr) << t->Text;
        EXPECT_TRUE(t->Zustand & KeineNormalform) << t->Text;
    }
    // A second call returns at once: nothing is built.
    const size_t vorher = AnfrageArena().Anzahl();
    EXPECT_EQ(Normalform(gemischt, neu), nullptr);
    EXPECT_EQ(AnfrageArena().Anzahl(), vorher);
}

// A form is built once and counted; releasing clears it. The forms of 0, 1 and x stay across requests.
TEST_F(NormalFormen, CacheUndReferenzen) {
    TTerm* t = Lies("(x+1)^2-x");
    t->HoleNormalform();
    TNormalform* f = t->Normalform;
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Referenzen, 1);
    const size_t vorher = AnfrageArena().Anzahl();
    t->HoleNormalform();
    bool neu = true;
    EXPECT_EQ(TPolynomTermCreateT(t, neu), f);
    EXPECT_FALSE(neu);
    EXPECT_EQ(AnfrageArena().Anzahl(), vorher);
    t->Freigeben();
    EXPECT_TRUE(f->Referenzen == 0 && t->Normalform == nullptr);
    // A term that caches a rational function form is no polynomial for the polynomial builder.
    TTerm* u = Lies("x^2+2");
    u->Normalform = Neu<TRationaleFunktion>(Pol({{2, 1}, {0, 1}, {1, 1}}), EinsPolynom);
    EXPECT_EQ(TPolynomTermCreateT(u, neu), nullptr);
    TNormalform* x = VariableX->Normalform;
    ASSERT_NE(x, nullptr);
    Zwei->HoleNormalform();
    AlleTermeFreigeben();
    EXPECT_EQ(AnfrageArena().Anzahl(), 0u);
    EXPECT_EQ(Zwei->Normalform, nullptr);
    EXPECT_EQ(VariableX->Normalform, x);
    EXPECT_TRUE(Null->Normalform->Term == Null &&
                PGleich(static_cast<TPolynomTerm*>(Eins->Normalform)->P, EinsPolynom));
}

// The form's derivative is PAbleitung's and agrees with the difference quotient; the antiderivative is 0 at
// 0 and differentiates back; between rational bounds the integral is rational and the difference.
TEST_F(NormalFormen, AbleitungUndIntegral) {
    TZufallsPolynome zufall(11);
    const TBruch grenzen[][2] = {{{0, 1}, {1, 1}}, {{-1, 2}, {3, 1}}, {{2, 1}, {-1, 3}}, {{-5, 4}, {-5, 4}}};
    for (int i = 0; i < 25; ++i) {
        TPolynom P = zufall.Polynom(zufall.Grad(0, 9)), A, S;
        auto* form = Neu<TPolynomTerm>(P);
        auto* ableitung = dynamic_cast<TPolynomTerm*>(form->Ableitung());
        ASSERT_NE(ableitung, nullptr);
        PAbleitung(P, A);
        EXPECT_TRUE(PGleich(ableitung->P, A));
        EXPECT_TRUE(IstAbleitung(ableitung->Term, form->Term, {-1.5L, 0.25L, 2.0L}));
        TTerm* F = form->Integral(nullptr, nullptr, 0);
        ASSERT_NE(F, nullptr);
        EXPECT_TRUE(Nahe(*Wert(F, 0), 0));
        EXPECT_TRUE(IstAbleitung(form->Term, F, {-1.5L, 0.25L, 2.0L})) << F->Text;
        PStammfunktion(P, S);
        for (const auto& g : grenzen) {
            TTerm* I = form->Integral(RationaleKonstante(g[0]), RationaleKonstante(g[1]), 0);
            ASSERT_TRUE(I && IstRationaleKonstante(I));
            const Extended a = Extended(g[0].Zaehler) / g[0].Nenner, b = Extended(g[1].Zaehler) / g[1].Nenner;
            EXPECT_TRUE(Nahe(*Wert(I), Summenwert(S, b) - Summenwert(S, a))) << I->Text;
        }
    }
}

} // namespace
} // namespace zol
