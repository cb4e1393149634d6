// The trigonometric normal form against long double values: forms, derivatives, integrals and zeros.
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/TrigNormalFormen.h"
#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

class TrigNormalform : public PolynomTest {};

constexpr Extended Pi = std::numbers::pi_v<Extended>;

TTNF* TNF(const std::string& text) {
    bool neu = false;
    auto* F = static_cast<TTNF*>(TTrigonometrischeNormalformCreateT(Lies(text), neu));
    EXPECT_TRUE(!F || neu) << text;
    return F;
}

// (A(s) + B(s)c)/(C(s) + D(s)c) from the polynomials.
std::optional<Extended> FormWert(const TTNF* F, Extended x) {
    const Extended s = std::sin(x), c = std::cos(x);
    const Extended n = Summenwert(F->C, s) + Summenwert(F->D, s) * c;
    if (std::fabs(n) < 1e-12L) return std::nullopt;
    return (Summenwert(F->A, s) + Summenwert(F->B, s) * c) / n;
}

const std::vector<Extended> Stellen = {-2.9L, -2.2L, -1.3L, -0.7L, 0.2L, 0.9L, 1.4L, 2.6L, 3.1L};

// Forms of the examples and of products and quotients of sin(kx), cos(kx), tan(x) with k up to 4.
std::vector<std::string> Formbeispiele() {
    std::vector<std::string> t = {"sin(2x)",
                                  "cos(2x)",
                                  "sin(x)*cos(x)",
                                  "tan(x)*cos(x)",
                                  "(1-sin(x)^2)/cos(x)",
                                  "sin(x)^0",
                                  "sin(x)^(-2)",
                                  "sin(x)^2+cos(x)^2",
                                  "(1-cos(x))/sin(x)",
                                  "sin(-3x)/(2+cos(x))",
                                  "1/(sin(x)+cos(x))",
                                  "tan(x)^3-tan(x)"};
    const std::vector<std::string> f = {"sin(", "cos(", "tan("};
    for (int k = 1; k <= 4; ++k)
        for (const auto& a : f)
            for (const auto& b : f) {
                const std::string u = a + std::to_string(k) + "x)", v = b + std::to_string(5 - k) + "x)";
                t.push_back(u + "*" + v);
                if (b != "tan(") t.push_back(u + "/(2+" + v + ")");
            }
    return t;
}

TEST_F(TrigNormalform, FormTermUndPolynomeHabenDieWerteDerEingabe) {
    for (const std::string& text : Formbeispiele()) {
        SCOPED_TRACE(text);
        TTerm* T = Lies(text);
        TTNF* F = TNF(text);
        ASSERT_TRUE(F) << text;
        EXPECT_TRUE(WertGleich(T, F->Term)) << text << " -> " << F->Term->Text;
        for (Extended x : Stellen) {
            const auto soll = Wert(T, x), ist = FormWert(F, x);
            if (soll && std::fabs(*soll) < 1e6L && ist) {
                EXPECT_TRUE(Nahe(*ist, *soll, 1e-9L)) << text << " bei " << double(x);
            }
        }
        EXPECT_TRUE(IstAbleitung(F->Ableitung()->Term, T, Stellen)) << text;
    }
}

TEST_F(TrigNormalform, KuerzenLaesstPolynomeInSinStehen) {
    // Forms equal to a polynomial in s collapse to q/1.
    for (const char* text : {"tan(x)*cos(x)", "sin(x)^2+cos(x)^2", "sin(2x)/cos(x)", "(1-cos(x)^2)/sin(x)"}) {
        TTNF* F = TNF(text);
        ASSERT_TRUE(F) << text;
        EXPECT_TRUE(IstNullPolynom(F->B) && IstNullPolynom(F->D) && PGleich(F->C, EinsPolynom)) << text;
    }
    TTNF* F = TNF("(1-sin(x)^2)/cos(x)");
    EXPECT_TRUE(IstNullPolynom(F->A) && PGleich(F->B, EinsPolynom) && PGleich(F->C, EinsPolynom))
        << F->Term->Text;
}

TEST_F(TrigNormalform, OhneFormEndenSofort) {
    for (const char* text : {"sin(x)^(1/2)", "cot(x)", "1/(sin(x)-sin(x))", "sin(x)+1/0",
                             "(sin(x)^2+cos(x)^2+1)^1000000000000"}) {
        bool neu = true;
        EXPECT_EQ(Normalform(Lies(text), neu), nullptr) << text;
    }
    // No trigonometric form, but a polynomial-trigonometric one.
    for (const char* text : {"sin(x/2)", "x*sin(x)", "sin(100000x)", "sin(7x)^3"}) {
        bool neu = false;
        TNormalform* F = Normalform(Lies(text), neu);
        EXPECT_TRUE(F && F->Kennung == KennungPTNF) << text;
    }
    bool neu = false;
    TNormalform* eins = Normalform(Lies("(sin(x)^2+cos(x)^2)^1000000000000"), neu);
    ASSERT_TRUE(eins);
    EXPECT_TRUE(WertGleich(eins->Term, K(1)));
    TTNF *s = nullptr, *c = nullptr;
    SinCosxPlusB(K(1), s, c);
    EXPECT_TRUE(WertGleich(s->Term, Lies("sin(x+1)")));
    EXPECT_TRUE(WertGleich(c->Term, Lies("cos(x+1)")));
}

// Simpson's rule with n intervals.
Extended Simpson(TTerm* f, Extended a, Extended b, int n = 20000) {
    const Extended h = (b - a) / n;
    Extended s = *Wert(f, a) + *Wert(f, b);
    for (int i = 1; i < n; ++i) s += (i % 2 ? 4 : 2) * *Wert(f, a + i * h);
    return s * h / 3;
}

TEST_F(TrigNormalform, SonderfaelleDerIntegrale) {
    struct Fall {
        const char* f;
        Int64 a, b; // in tenths
    };
    for (const Fall& fall : std::vector<Fall>{{"sin(x)^2", -30, 10},
                                              {"3cos(x)^2", 5, 40},
                                              {"sin(x)*cos(x)", -40, 20},
                                              {"1/sin(x)^2", 5, 30},
                                              {"1/(2cos(x)^2)", -10, 12},
                                              {"tan(x)", -10, 15},
                                              {"cos(x)/(2sin(x))", 2, 30},
                                              {"5-5sin(x)^2", 20, 60}}) {
        TTNF* F = TNF(fall.f);
        ASSERT_TRUE(F) << fall.f;
        TTerm* S = F->Integral(nullptr, nullptr, 0);
        ASSERT_TRUE(S) << fall.f;
        EXPECT_TRUE(IstAbleitung(Lies(fall.f), S, Stellen)) << fall.f << " -> " << S->Text;
        TTerm* I = F->Integral(K(fall.a, 10), K(fall.b, 10), 0);
        ASSERT_TRUE(I) << fall.f;
        EXPECT_TRUE(Nahe(*Wert(I), Simpson(Lies(fall.f), fall.a / 10.0L, fall.b / 10.0L), 1e-8L)) << fall.f;
    }
    // No value across a pole, and none through the substitution beyond ]-pi; pi[.
    EXPECT_EQ(TNF("1/cos(x)^2")->Integral(K(0), K(2), 5), nullptr);
    EXPECT_EQ(TNF("tan(x)")->Integral(K(-2), K(1), 5), nullptr);
    EXPECT_EQ(TNF("1/(2+cos(x))")->Integral(K(0), K(4), 5), nullptr);
    EXPECT_EQ(TNF("1/(2+cos(x))")->Integral(nullptr, nullptr, 4), nullptr);
    // The silent inner integration restores the comment option on every exit.
    Kommentare = true;
    TNF("1/(2+cos(x))")->Integral(nullptr, nullptr, 5);
    EXPECT_TRUE(Kommentare);
}

TEST_F(TrigNormalform, SubstitutionTanHalb) {
    // Bounds on one side of every pole (1 + sin(x) + cos(x) vanishes at -pi/2).
    const std::tuple<const char*, Int64, Int64> faelle[] = {
        {"1/(2+cos(x))", -2, 3}, {"sin(x)/(1+sin(x)+cos(x))", -1, 3}, {"1/(3+sin(x))", -2, 3}};
    for (const auto& [f, a, b] : faelle) {
        TTNF* F = TNF(f);
        TTerm* S = F->Integral(nullptr, nullptr, 5);
        ASSERT_TRUE(S) << f;
        EXPECT_TRUE(IstAbleitung(Lies(f), S, {-2.5L, -1, 0.3L, 2})) << f;
        TTerm* I = F->Integral(K(a), K(b), 5);
        ASSERT_TRUE(I) << f;
        EXPECT_TRUE(Nahe(*Wert(I), Simpson(Lies(f), a, b), 1e-8L)) << f;
    }
    EXPECT_EQ(TNF("sin(x)/(1+sin(x)+cos(x))")->Integral(K(-2), K(3), 5), nullptr);
    Kommentare = true;
    TTNF* F = TNF("1/(2+cos(x))");
    F->Integral(nullptr, nullptr, 5);
    const std::string text = ::testing::PrintToString(Seitentext());
    for (const char* teil :
         {"Substitution: x = 2arctan(u) bzw. u = tan", "und führt auf:", "Rücksubstitution von u durch tan"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil << " in " << text;
    EXPECT_EQ(Variablenbuchstabe, 'x');
}

// The zeros against a fine sign scan over I: every found zero is one, and each sign change holds one.
void PruefeNullstellen(const char* f, Extended a, Extended b, TMenge* M) {
    TTNF* F = TNF(f);
    ASSERT_TRUE(F) << f;
    TSListe* L = nullptr;
    uint8_t status = unklar;
    F->Nullstellen(M, L, false, status);
    EXPECT_EQ(status, wahr) << f;
    const std::vector<Extended> z = Werte(L);
    for (Extended x : z) {
        EXPECT_TRUE(x > a - 1e-12L && x <= b + 1e-12L) << f << " " << double(x);
        const auto w = Wert(F->Term, x);
        EXPECT_TRUE(w && std::fabs(*w) < 1e-9L) << f << " bei " << double(x);
    }
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const Extended u = a + (b - a) * i / n, v = a + (b - a) * (i + 1) / n;
        const auto wu = Wert(F->Term, u), wv = Wert(F->Term, v);
        // A sign change across a gap or a pole of the form is none of the numerator.
        const Extended nu = Summenwert(F->C, std::sin(u)) + Summenwert(F->D, std::sin(u)) * std::cos(u);
        const Extended nv = Summenwert(F->C, std::sin(v)) + Summenwert(F->D, std::sin(v)) * std::cos(v);
        if (i == 0 || !wu || !wv || *wu * *wv >= 0 || nu * nv <= 0) continue;
        bool gefunden = false;
        for (Extended x : z) gefunden |= x >= u - 1e-12L && x <= v + 1e-12L;
        EXPECT_TRUE(gefunden) << f << " Vorzeichenwechsel bei " << double(u);
    }
}

TEST_F(TrigNormalform, NullstellenGegenVorzeichenwechsel) {
    for (const char* f : {"sin(x)*cos(x)", "sin(x)+cos(x)", "(1-cos(x))/sin(x)", "cos(2x)",
                          "2sin(x)^2-sin(x)", "sin(x)^3*(1+cos(x))", "cos(x)^2-cos(x)/2", "1+2cos(x)",
                          "sin(x)-cos(x)*sin(x)^2", "tan(x)-1", "sin(3x)/(2+cos(x))"}) {
        PruefeNullstellen(f, -Pi, Pi, Iv(Op(K(-1), '*', Lies("pi")), true, Lies("pi"), false));
        PruefeNullstellen(f, 0, 10, Iv(K(0), false, K(10), false));
    }
    // The squared equation's false roots are dropped; the removable gap is no zero.
    TSListe* L = nullptr;
    uint8_t status = unklar;
    TNF("sin(x)+cos(x)")
        ->Nullstellen(Iv(Op(K(-1), '*', Lies("pi")), true, Lies("pi"), false), L, false, status);
    EXPECT_EQ(Werte(L).size(), 2u);
    TNF("(1-cos(x))/sin(x)")->Nullstellen(Iv(K(-3), false, K(3), false), L, false, status);
    EXPECT_EQ(L->Anzahl, 0);
    // Over the whole line the list cannot hold every zero.
    TNF("sin(x)*cos(x)")->Nullstellen(IntervallR, L, false, status);
    EXPECT_EQ(status, falsch);
}

TEST_F(TrigNormalform, KommentierteNullstellensuche) {
    TSListe* L = nullptr;
    uint8_t status = unklar;
    SucheNullstellen(Lies("sin(x)+cos(x)"), Iv(K(-3), false, K(3), false), L, true, status);
    const std::string text = ::testing::PrintToString(Seitentext());
    for (const char* teil : {"-periodisch; daher kann man sich auf das Intervall ]-π;π] beschränken.",
                             " | quadrieren", "Rücksubstitution", "Probe:", " erfüllt die Gleichung  nicht."})
        EXPECT_NE(text.find(teil), std::string::npos) << teil << " in " << text;
}

} // namespace
} // namespace zol
