// Complex pairs against std::complex, and the written zeros of quadratics.
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

using KomplexeZahlen = ZolTest;
using Komplex = std::complex<long double>;

Komplex Wert(TKomplex z) {
    bool d = false;
    return {z.Re->Wert(0, d), z.Im->Wert(0, d)};
}

TEST_F(KomplexeZahlen, RechnenWieStdComplex) {
    std::vector<TKomplex> zahlen{KNull, KEins, KI};
    for (TTerm* re : {K(-3), K(1, 2), K(2)})
        for (TTerm* im : {K(0), K(-4, 3), K(1)}) zahlen.push_back({re, im});
    for (TKomplex a : zahlen) {
        const std::string was = a.Re->Text + "+i" + a.Im->Text;
        auto nahe = [&](TKomplex c, Komplex z) { EXPECT_LT(double(std::abs(Wert(c) - z)), 1e-15) << was; };
        nahe({KBetrag(a), Null}, std::abs(Wert(a)));
        for (TKomplex b : zahlen) {
            TKomplex c;
            KPlus(a, b, c);
            nahe(c, Wert(a) + Wert(b));
            KMinus(a, b, c);
            nahe(c, Wert(a) - Wert(b));
            KMal(a, b, c);
            nahe(c, Wert(a) * Wert(b));
            EXPECT_EQ(KGleich(a, b), Wert(a) == Wert(b)) << was;
        }
        // The principal roots.
        for (Int32 n = 1; n <= 4; ++n) {
            TKomplex w;
            KWurzel(a, n, w);
            nahe(w, std::pow(Wert(a), 1.0L / n));
        }
    }
    // 0 has the argument 0.
    TTerm *r = nullptr, *phi = nullptr;
    KPolarform(KNull, r, phi);
    EXPECT_TRUE(r->IstNull() && phi->IstNull());
}

TEST_F(KomplexeZahlen, NullstellenQuadratisch) {
    // P from its coefficients c0, c1, c2; the leading coefficient is divided out first.
    auto zeilen = [](const char* koeffizienten) {
        InitialisiereAusgabe();
        TPolynom P;
        PAusString(koeffizienten, P);
        KomplexeNullstellenQuadratisch(P);
        return Seitentext();
    };
    EXPECT_EQ(zeilen("9/2,6,2"), std::vector<std::string>{"Doppelte Nullstelle bei -32"});
    // Another degree writes nothing.
    EXPECT_TRUE(zeilen("1,0,0,1").empty());
    const std::vector<std::string> paar = zeilen("5,2,1");
    InitialisiereAusgabe();
    EXPECT_EQ(paar, (std::vector<std::string>{"x1 = -1+(0+i2)", "x2 = -1-(0+i2)"}));
}

} // namespace
} // namespace zol
