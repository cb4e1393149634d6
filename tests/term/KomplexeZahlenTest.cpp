// Complex pairs against std::complex: sum, difference, product, modulus and principal roots of exact parts;
// the written zeros of quadratics.
#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

#include "algebra/Polynome.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/KomplexeZahlen.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Komplex = std::complex<long double>;

class KomplexeZahlen : public ZolTest {};

long double W(TTerm* T) {
    bool definiert = false;
    const long double w = T->Wert(0, definiert);
    EXPECT_TRUE(definiert) << T->Text;
    return w;
}

Komplex Wert(TKomplex z) {
    return {W(z.Re), W(z.Im)};
}

// Exact parts a/b for a from -4 to 4 and b from 1 to 3: every pair of such numbers.
std::vector<TKomplex> Zahlen() {
    std::vector<TKomplex> z;
    const Int64 teile[][2] = {{0, 1}, {1, 1}, {-3, 1}, {1, 2}, {-4, 3}, {2, 1}};
    for (const auto& re : teile)
        for (const auto& im : teile) z.push_back({K(re[0], re[1]), K(im[0], im[1])});
    return z;
}

void Nahe(Komplex a, Komplex b, const std::string& was) {
    EXPECT_NEAR(double(a.real()), double(b.real()), 1e-15) << was;
    EXPECT_NEAR(double(a.imag()), double(b.imag()), 1e-15) << was;
}

TEST_F(KomplexeZahlen, RechnenWieStdComplex) {
    const auto zahlen = Zahlen();
    for (TKomplex a : zahlen)
        for (TKomplex b : zahlen) {
            const std::string was = a.Re->Text + "+i" + a.Im->Text + " , " + b.Re->Text + "+i" + b.Im->Text;
            TKomplex c;
            KPlus(a, b, c);
            Nahe(Wert(c), Wert(a) + Wert(b), "+ " + was);
            KMinus(a, b, c);
            Nahe(Wert(c), Wert(a) - Wert(b), "- " + was);
            KMal(a, b, c);
            Nahe(Wert(c), Wert(a) * Wert(b), "* " + was);
            EXPECT_EQ(KGleich(a, b), Wert(a) == Wert(b)) << was;
        }
}

TEST_F(KomplexeZahlen, BetragWieStdAbs) {
    for (TKomplex z : Zahlen())
        EXPECT_NEAR(double(W(KBetrag(z))), double(std::abs(Wert(z))), 1e-15)
            << z.Re->Text << "+i" << z.Im->Text;
    // 3 + 4i has the exact modulus 5.
    EXPECT_TRUE(KBetrag({K(3), K(4)})->HatWert(TBruch{5, 1}));
}

TEST_F(KomplexeZahlen, EinheitenUndTrivialeWurzeln) {
    EXPECT_EQ(Wert(KNull), Komplex(0, 0));
    EXPECT_EQ(Wert(KEins), Komplex(1, 0));
    EXPECT_EQ(Wert(KI), Komplex(0, 1));
    TKomplex w;
    for (Int32 n = 1; n <= 8; ++n) {
        KWurzel(KNull, n, w);
        EXPECT_TRUE(KGleich(w, KNull)) << n;
    }
    const TKomplex z{K(-3), K(1, 2)};
    KWurzel(z, 1, w);
    EXPECT_TRUE(KGleich(w, z));
    // The argument of 0 is 0.
    TTerm *r = nullptr, *phi = nullptr;
    KPolarform(KNull, r, phi);
    EXPECT_TRUE(r->IstNull());
    EXPECT_TRUE(phi->IstNull());
}

TEST_F(KomplexeZahlen, HauptwurzelWieStdPow) {
    try {
        for (TKomplex z : Zahlen())
            for (Int32 n = 2; n <= 4; ++n) {
                TKomplex w;
                KWurzel(z, n, w);
                Nahe(Wert(w), std::pow(Wert(z), 1.0L / n),
                     z.Re->Text + "+i" + z.Im->Text + ", n=" + std::to_string(n));
            }
    } catch (const ENochNichtGebaut& fehlt) {
        GTEST_SKIP() << fehlt.what();
    }
}

class KomplexeQuadratischeNullstellen : public KomplexeZahlen {
protected:
    void SetUp() override {
        KomplexeZahlen::SetUp();
        InitialisiereAusgabe();
    }
    void TearDown() override {
        InitialisiereAusgabe();
        KomplexeZahlen::TearDown();
    }
    // The lines P's complex zeros write onto an empty page.
    std::vector<std::string> Zeilen(const char* koeffizienten) {
        InitialisiereAusgabe();
        TPolynom P;
        PAusString(koeffizienten, P);
        KomplexeNullstellenQuadratisch(P);
        return Seitentext();
    }
};

TEST_F(KomplexeQuadratischeNullstellen, DoppelteNullstelle) {
    EXPECT_EQ(Zeilen("1,-2,1"), std::vector<std::string>{"Doppelte Nullstelle bei 1"});
    // The leading coefficient is divided out first.
    EXPECT_EQ(Zeilen("2,-4,2"), std::vector<std::string>{"Doppelte Nullstelle bei 1"});
    EXPECT_EQ(Zeilen("9/4,3,1"), std::vector<std::string>{"Doppelte Nullstelle bei -32"});
}

TEST_F(KomplexeQuadratischeNullstellen, AndererGradSchreibtNichts) {
    EXPECT_TRUE(Zeilen("1,0,0,1").empty());
    EXPECT_TRUE(Zeilen("1,1").empty());
}

TEST_F(KomplexeQuadratischeNullstellen, KonjugiertesPaar) {
    try {
        // x^2 + 2x + 5 = (x + 1)^2 + 4.
        EXPECT_EQ(Zeilen("5,2,1"), (std::vector<std::string>{"x1 = -1+(0+i2)", "x2 = -1-(0+i2)"}));
    } catch (const ENochNichtGebaut& fehlt) {
        GTEST_SKIP() << fehlt.what();
    }
}

} // namespace
} // namespace zol
