// The polynomial-trigonometric normal form against long double values: forms, derivatives and zeros.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "algebra/PolTrigNormalform.h"
#include "output/Ausgabe.h"
#include "term/Mengen.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

// Every test starts and leaves an empty page.
class PolTrigNormalform : public PolynomTest {
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

TPTNF* PTNF(TTerm* T) {
    bool neu = false;
    auto* F = static_cast<TPTNF*>(TPolTrigNormalformCreateT(T, neu));
    EXPECT_TRUE(!F || neu) << T->Text;
    return F;
}

// P(x, s) + Q(x, s)*c from the parts, s and c of the argument's value.
Extended Teilwert(const TPTNF* F, Extended x) {
    const Extended p = Summenwert(F->Argument, x), s = std::sin(p), c = std::cos(p);
    Extended P = 0, Q = 0;
    for (Int32 k = 0; k <= F->P.Grad; ++k) P += Summenwert(F->P.Koeff[k], x) * std::pow(s, Extended(k));
    for (Int32 k = 0; k <= F->Q.Grad; ++k) Q += Summenwert(F->Q.Koeff[k], x) * std::pow(s, Extended(k));
    return P + Q * c;
}

const std::vector<Extended> Stellen = {-2.9L, -1.3L, -0.7L, 0.2L, 0.9L, 1.4L, 2.6L, 3.1L};

TEST_F(PolTrigNormalform, FormUndAbleitungHabenDieWerteDerEingabe) {
    for (const char* text :
         {"x*sin(x)", "sin(x+1)*cos(x)", "x+sin(2x)+sin(x)", "x*sin(x+1)+cos(x)^2", "(x^2+1)*cos(x^2)",
          "sin(2x+1)*cos(4x+2)-x", "sin(3-x)*cos(x-3)", "sin(x/2+1)*sin(x)", "x/3+sin(x)", "x-cos(2x+2)*x",
          "sin(-x)*cos(2x)^2", "(x*sin(x)-cos(x))^3", "sin(25x)+x^2", "cos(x-x)*sin(x)+x"}) {
        TTerm* T = Lies(text);
        TPTNF* F = PTNF(T);
        ASSERT_TRUE(F) << text;
        EXPECT_TRUE(WertGleich(Lies(text), F->Term)) << text << " -> " << F->Term->Text;
        for (Extended x : Stellen) EXPECT_TRUE(Nahe(Teilwert(F, x), *Wert(F->Term, x), 1e-9L)) << text;
        EXPECT_TRUE(IstAbleitung(F->Ableitung()->Term, F->Term, Stellen)) << text;
    }
    // Forms cached on subterms do not change the result: sin(7x) keeps its argument 7x.
    TTerm* hoch = Lies("sin(7x)^3");
    AlleSubNormalformen(hoch);
    ASSERT_TRUE(PTNF(hoch));
    EXPECT_TRUE(WertGleich(hoch, PTNF(hoch)->Term));
    // x/c is read as x*(1/c), a term of its own: the quotient, which other terms may share, stays.
    TTerm* T = Lies("x/3+sin(x)");
    ASSERT_TRUE(PTNF(T));
    EXPECT_EQ(T->Text, "((x/3)+sin(x))");
    EXPECT_TRUE(SpeicherStimmig());
}

TEST_F(PolTrigNormalform, OhneFormUndOhneAusnahme) {
    for (const char* text : {"sin(x)*cos(x^2)", "sin(x)/cos(x)", "x+sin(2x)+sin(3x)", "x/0+sin(x)",
                             "sin(x)^(1/2)", "x*exp(x)+sin(x)", "tan(x)*x", "x*sin(x)^21",
                             "(x*(sin(x)^2+cos(x)^2))^1000000000000", "sin(x)^21*cos(x)-sin(x)^21*cos(x)"}) {
        bool neu = true;
        TNormalform* F = nullptr;
        EXPECT_EQ(Ausnahme<std::exception>([&] { F = TPolTrigNormalformCreateT(Lies(text), neu); }),
                  "keine Ausnahme")
            << text;
        EXPECT_EQ(F, nullptr) << text;
    }
    // A trigonometric form beyond the limit leaves the polynomial-trigonometric one its chance.
    bool neu = false;
    TNormalform* F = Normalform(Lies("sin(25x)+x"), neu);
    ASSERT_TRUE(F);
    EXPECT_EQ(F->Kennung, KennungPTNF);
    // The derivative raises the degree limit as it is.
    EXPECT_EQ(Ausnahme<EGradUeberschritten>([] { PTNF(Lies("x*sin(x)^20"))->Ableitung(); }),
              "Maximaler Grad von Polynomen überschritten.");
}

// The zeros of the form in [a; b] (or in M): each one a zero in the set, and each sign change of a fine scan
// holds one.
void PruefeNullstellen(const char* text, TMenge* M, Extended a, Extended b, uint8_t statusSoll) {
    SCOPED_TRACE(text);
    TPTNF* F = PTNF(Lies(text));
    ASSERT_TRUE(F);
    TSListe* L = nullptr;
    uint8_t status = 9;
    F->Nullstellen(M, L, false, status);
    EXPECT_EQ(status, statusSoll);
    const std::vector<Extended> z = Werte(L);
    for (size_t i = 0; i < z.size(); ++i) {
        EXPECT_TRUE(M->Enthaelt(L->Stellen[i + 1]->Punkt)) << double(z[i]);
        EXPECT_LT(std::fabs(*Wert(F->Term, z[i])), 1e-9L) << double(z[i]);
    }
    if (statusSoll != wahr) return;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const Extended u = a + (b - a) * i / n, v = a + (b - a) * (i + 1) / n;
        if (!M->Enthaelt(ReelleKonstante(u)) || *Wert(F->Term, u) * *Wert(F->Term, v) >= 0) continue;
        bool gefunden = false;
        for (Extended x : z) gefunden |= x >= u - 1e-12L && x <= v + 1e-12L;
        EXPECT_TRUE(gefunden) << "Vorzeichenwechsel bei " << double(u);
    }
}

TEST_F(PolTrigNormalform, NullstellenLinearerArgumenteVollstaendig) {
    TIntervall* I = Iv(K(0), false, K(10), false);
    for (const char* text :
         {"sin(x+1)", "sin(x)*cos(x+1)", "2sin(x+1)*cos(x+1)", "sin(2x+1)*cos(4x+2)", "sin(3-x)*cos(x-3)",
          "sin(x/2)+sin(x)", "sin(x/2+1)*cos(x/2+1)", "sin(-2x+1)^2-1/4"})
        PruefeNullstellen(text, I, 0, 10, wahr);
    // Of sin(x + 1) on [0; 10] three zeros; on the pieces [0; 1] and [5; 6] one.
    TSListe* L = nullptr;
    uint8_t status = unklar;
    PTNF(Lies("sin(x+1)"))->Nullstellen(I, L, false, status);
    EXPECT_EQ(L->Anzahl, 3);
    TMenge* Stuecke = MengenOperation(Iv(K(0), false, K(1), false), Iv(K(5), false, K(6), false), 'v');
    PruefeNullstellen("sin(x+1)", Stuecke, 0, 6, wahr);
    PTNF(Lies("sin(x+1)"))->Nullstellen(Stuecke, L, false, status);
    EXPECT_EQ(L->Anzahl, 1);
}

TEST_F(PolTrigNormalform, AndereArgumenteUndRaten) {
    // Another argument: the zeros found are zeros in the set.
    PruefeNullstellen("cos(x^2)", Iv(K(0), false, K(3), false), 0, 3, falsch);
    // Guessing stays in the set, stops at a full list without a message, and says so under Kommentare.
    PruefeNullstellen("x-sin(x)", Iv(K(1), false, K(10), false), 1, 10, unklar);
    PruefeNullstellen("x*sin(12x)", IntervallR, -7, 7, unklar);
    TSListe* L = nullptr;
    uint8_t status = wahr;
    Kommentare = true;
    PTNF(Lies("x*sin(12x)"))->Nullstellen(IntervallR, L, false, status);
    EXPECT_EQ(L->Anzahl, MaxStellen);
    EXPECT_TRUE(Meldungen().empty());
    PTNF(Lies("x+sin(2x)+sin(x)"))->Nullstellen(Iv(K(-1), false, K(1), false), L, false, status);
    EXPECT_EQ(Werte(L), std::vector<Extended>{0});
    EXPECT_NE(::testing::PrintToString(Seitentext()).find("Durch Raten findet man einige Lösungen."),
              std::string::npos);
}

// Guessing finds every multiple k*pi/12 of its candidates in the set where the form vanishes, and no other.
TEST_F(PolTrigNormalform, RatenFindetJedeNullstelleUnterDenKandidaten) {
    const Extended pi = std::acos(Extended(-1));
    TIntervall* M = Iv(Lies("-2*pi"), false, Lies("2*pi"), false);
    for (const char* text :
         {"x*sin(x)", "x*cos(2x)", "(x-pi/3)*(sin(x)-1)", "x^2*sin(x)*cos(x)", "x*sin(x)+1"}) {
        SCOPED_TRACE(text);
        TPTNF* F = PTNF(Lies(text));
        ASSERT_TRUE(F);
        std::vector<Extended> soll;
        for (int k = -24; k <= 24; ++k) {
            const int r = std::abs(k) % 12;
            if (r == 1 || r == 5 || r == 7 || r == 11) continue;
            if (std::fabs(*Wert(F->Term, k * pi / 12)) < 1e-12L) soll.push_back(k * pi / 12);
        }
        TSListe* L = nullptr;
        uint8_t status = 9;
        F->Nullstellen(M, L, false, status);
        std::vector<Extended> ist = Werte(L);
        std::sort(ist.begin(), ist.end());
        ASSERT_EQ(ist.size(), soll.size());
        for (size_t i = 0; i < ist.size(); ++i) EXPECT_NEAR(double(ist[i]), double(soll[i]), 1e-12);
    }
}

TEST_F(PolTrigNormalform, KommentierteRuecksubstitution) {
    TSListe* L = nullptr;
    uint8_t status = unklar;
    PTNF(Lies("2sin(x+1)*cos(x+1)"))->Nullstellen(Iv(K(0), false, K(4), false), L, true, status);
    const std::string text = ::testing::PrintToString(Seitentext());
    for (const char* teil :
         {"Substitution von x+1 durch x führt auf:", "Rücksubstitution: Auflösung der Gleichung"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil << " in " << text;
}

} // namespace
} // namespace zol
