// Sum, difference and product of complex pairs against std::complex, exact for rational parts.
#include <complex>
#include <random>

#include "term/KomplexeZahlen.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using KomplexeZahlen = ZolTest;
using C = std::complex<Extended>;

C Wert(const TKomplex& z) {
    bool d1 = true, d2 = true;
    const Extended re = z.Re->Wert(0, d1), im = z.Im->Wert(0, d2);
    EXPECT_TRUE(d1 && d2);
    return {re, im};
}

::testing::AssertionResult Nahe(C a, C b) {
    if (std::abs(a - b) <= 1e-15L * (1 + std::abs(a))) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << double(a.real()) << "+" << double(a.imag())
                                         << "i != " << double(b.real()) << "+" << double(b.imag()) << "i";
}

TEST_F(KomplexeZahlen, RechnenWieStdComplex) {
    std::mt19937 gen(126);
    std::uniform_int_distribution<Int64> z(-9, 9), n(1, 5);
    for (int i = 0; i < 200; ++i) {
        const TKomplex a{K(z(gen), n(gen)), K(z(gen), n(gen))};
        const TKomplex b{K(z(gen), n(gen)), K(z(gen), n(gen))};
        TKomplex s, d, p;
        KPlus(a, b, s);
        KMinus(a, b, d);
        KMal(a, b, p);
        EXPECT_TRUE(Nahe(Wert(s), Wert(a) + Wert(b)));
        EXPECT_TRUE(Nahe(Wert(d), Wert(a) - Wert(b)));
        EXPECT_TRUE(Nahe(Wert(p), Wert(a) * Wert(b)));
        // Rational parts stay exact rational constants.
        for (TTerm* t : {s.Re, s.Im, d.Re, d.Im, p.Re, p.Im})
            EXPECT_TRUE(IstRationaleKonstante(t)) << t->Text;
    }
}

TEST_F(KomplexeZahlen, DritteEinheitswurzelHochDrei) {
    // w = -1/2 + (sqrt(3)/2) i: w^3 = 1 and w + conj(w) = -1.
    TTerm* h = Op(ZieheWurzel(K(3), 2), '/', K(2));
    const TKomplex w{K(-1, 2), h};
    const TKomplex wQuer{K(-1, 2), Op(K(-1), '*', h)};
    TKomplex w2, w3, s;
    KMal(w, w, w2);
    KMal(w2, w, w3);
    KPlus(w, wQuer, s);
    EXPECT_TRUE(Nahe(Wert(w3), C(1, 0)));
    EXPECT_TRUE(Nahe(Wert(s), C(-1, 0)));
    EXPECT_TRUE(Nahe(Wert(w2), Wert(wQuer)));
}

} // namespace
} // namespace zol
