// The rational-trigonometric normal form against long double values: forms, reductions, derivatives, zeros
// and the dispatcher's choice among the trigonometric kinds.
#include <cmath>
#include <string>
#include <vector>

#include "algebra/RatTrigNormalform.h"
#include "output/Ausgabe.h"
#include "term/Mengen.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

class RatTrigNormalform : public PolynomTest {
protected:
    void SetUp() override {
        PolynomTest::SetUp();
        InitialisiereAusgabe();
    }
    void TearDown() override {
        InitialisiereAusgabe();
        PolynomTest::TearDown();
    }
};

TRTNF* RTNF(const char* text) {
    bool neu = false;
    TNormalform* F = TRatTrigNormalformCreateT(Lies(text), neu);
    EXPECT_TRUE(!F || (neu && F->Kennung == KennungRTNF)) << text;
    return static_cast<TRTNF*>(F);
}

// Away from the poles of the table's terms.
const std::vector<Extended> Stellen = {-2.9L, -1.3L, -0.7L, 0.2L, 0.9L, 1.4L, 2.6L};

TEST_F(RatTrigNormalform, FormUndAbleitungHabenDieWerteDerEingabe) {
    for (const char* text :
         {"1/sin(x)", "sin(x)^(-2)", "x/sin(x)", "(x*sin(x))/(x^2+cos(x))", "(sin(2x)+x)/(1+cos(x)^2)",
          "1/(x+sin(x))-x/cos(x)", "sin(x^2)/(x^2+1)-cos(x^2)/x", "(x^2+2+cos(3x))^(-3)*sin(x)", "x/(x+1)+sin(x)",
          "cos(x-x)*x/sin(x)", "(x^2-1)*sin(x)/((x+1)*sin(x)^2)", "(sin(x)+x)^(-1)*(x*sin(x)+x^2)"}) {
        TRTNF* F = RTNF(text);
        ASSERT_TRUE(F) << text;
        EXPECT_TRUE(WertGleich(Lies(text), F->Term)) << text << " -> " << F->Term->Text;
        EXPECT_TRUE(IstAbleitung(F->Ableitung()->Term, F->Term, Stellen)) << text;
    }
}

// The denominator after the reduction, as the polynomial in s with constant coefficients it must be.
TEST_F(RatTrigNormalform, KuerzenBisZumNenner) {
    const struct {
        const char* text;
        Int32 nennergrad; // the reduced denominator is s^nennergrad, or 1 for 0
    } faelle[] = {{"(x*sin(x))/x", 0},      {"sin(x)/sin(x)", 0},     {"(x*sin(x)+x^2)/(sin(x)+x)", 0},
                  {"(x*cos(x))/cos(x)", 0}, {"sin(x)^3/sin(x)^5", 2}, {"(x^2-1)*sin(x)/((x+1)*sin(x)^2)", 1},
                  {"1/sin(x)", 1},          {"sin(x)^(-2)", 2}};
    for (const auto& f : faelle) {
        TRTNF* F = RTNF(f.text);
        ASSERT_TRUE(F) << f.text;
        TPPolynom s;
        s.Grad = f.nennergrad;
        s.Koeff[f.nennergrad] = EinsPolynom;
        EXPECT_TRUE(PPGleich(F->Nenner->P, s) && IstNullPPolynom(F->Nenner->Q))
            << f.text << " -> " << F->Term->Text;
        EXPECT_TRUE(WertGleich(Lies(f.text), F->Term)) << f.text;
    }
    // A check of the reduction past the degree limit (x^15 * x^10) leaves the quotient as it is.
    TRTNF* F = RTNF("(x^15+cos(x))/(1+x^10*cos(x))");
    ASSERT_TRUE(F);
    EXPECT_TRUE(WertGleich(Lies("(x^15+cos(x))/(1+x^10*cos(x))"), F->Term));
}

TEST_F(RatTrigNormalform, OhneFormUndOhneAusnahme) {
    for (const char* text :
         {"sin(x)/cos(x^2)", "sin(x)^(1/2)", "x/(sin(x)^2+cos(x)^2-1)", "(x*(sin(x)^2+cos(x)^2-1))^(-1)",
          "sin(x+1)/sin(x)", "sin(25x)/x", "(x+sin(x))^(-1000000000000)", "x/sin(x)^21", "tan(x)/x",
          "exp(x)/sin(x)", "sqrt(x)*sin(x)"}) {
        bool neu = true;
        TNormalform* F = nullptr;
        EXPECT_EQ(Ausnahme<std::exception>([&] { F = TRatTrigNormalformCreateT(Lies(text), neu); }),
                  "keine Ausnahme")
            << text;
        EXPECT_EQ(F, nullptr) << text;
    }
    // The derivative raises the degree limit as it is.
    EXPECT_EQ(Ausnahme<EGradUeberschritten>([] { RTNF("x/sin(x)^20")->Ableitung(); }),
              "Maximaler Grad von Polynomen überschritten.");
}

// The zeros in [a; b]: zeros of the numerator where the denominator is not 0; with a complete list, every
// sign change of the quotient that is no sign change of the denominator holds one.
void PruefeNullstellen(const char* text, Extended a, Extended b, uint8_t statusSoll) {
    SCOPED_TRACE(text);
    TRTNF* F = RTNF(text);
    ASSERT_TRUE(F);
    TSListe* L = nullptr;
    uint8_t status = 9;
    F->Nullstellen(Iv(ReelleKonstante(a), false, ReelleKonstante(b), false), L, false, status);
    EXPECT_EQ(status, statusSoll);
    const std::vector<Extended> z = Werte(L);
    for (Extended x : z) {
        EXPECT_TRUE(x >= a && x <= b) << double(x);
        EXPECT_LT(std::fabs(*Wert(F->Zaehler->Term, x)), 1e-9L) << double(x);
        EXPECT_GT(std::fabs(*Wert(F->Nenner->Term, x)), 1e-9L) << double(x);
    }
    if (statusSoll != wahr) return;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const Extended u = a + (b - a) * i / n, v = a + (b - a) * (i + 1) / n;
        const auto fu = Wert(F->Term, u), fv = Wert(F->Term, v);
        if (!fu || !fv || *fu * *fv >= 0 || *Wert(F->Nenner->Term, u) * *Wert(F->Nenner->Term, v) <= 0)
            continue;
        bool gefunden = false;
        for (Extended x : z) gefunden |= x >= u - 1e-12L && x <= v + 1e-12L;
        EXPECT_TRUE(gefunden) << "Vorzeichenwechsel bei " << double(u);
    }
}

TEST_F(RatTrigNormalform, NullstellenDesZaehlersOhneLuecken) {
    PruefeNullstellen("sin(x)/x", -4, 4, wahr);
    PruefeNullstellen("(x^2-1)/(x+sin(x))", -4, 4, wahr);
    PruefeNullstellen("sin(2x)/(x*(x-1))", -4, 4, wahr);
    PruefeNullstellen("cos(x^2)/(x-sin(x^2))", 0, 3, falsch);
    // Of sin(x)/x on [-4; 4] the zeros -pi and pi; 0 is a gap, and the comment says so.
    TSListe* L = nullptr;
    uint8_t status = unklar;
    RTNF("sin(x)/x")->Nullstellen(Iv(K(-4), false, K(4), false), L, true, status);
    const std::vector<Extended> z = Werte(L);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_TRUE(Nahe(z[0], -M_PIl) && Nahe(z[1], M_PIl));
    EXPECT_NE(::testing::PrintToString(Seitentext()).find("0 ist Definitionslücke von f und scheidet aus."),
              std::string::npos);
}

TEST_F(RatTrigNormalform, DerVerteilerWaehltDieErsteTrigonometrischeArt) {
    const struct {
        const char* text;
        const char* kennung;
    } faelle[] = {{"sin(x)*cos(x)", KennungTNF}, {"1/sin(x)", KennungTNF},
                  {"x*sin(x)", KennungPTNF},     {"sin(x^2)+x", KennungPTNF},
                  {"x/sin(x)", KennungRTNF},     {"sin(x^2)/x", KennungRTNF},
                  {"1/(x+cos(x))", KennungRTNF}, {"x/(sin(x)^2+cos(x)^2-1)", "keine"}};
    for (const auto& f : faelle) {
        bool neu = false;
        TNormalform* F = Normalform(Lies(f.text), neu);
        EXPECT_EQ(F ? F->Kennung : std::string("keine"), f.kennung) << f.text;
    }
}

} // namespace
} // namespace zol
