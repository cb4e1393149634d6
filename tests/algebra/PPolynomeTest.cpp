// Polynomials in s with polynomial coefficients in x, checked against their values at sample points (x, s).
#include <cmath>

#include "algebra/NormalFormen.h"
#include "algebra/PPolynome.h"
#include "algebra/WurzelNormalformen.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

using PPolynomTest = PolynomTest;

Extended PPWert(const TPPolynom& P, Extended x, Extended s) {
    Extended w = 0;
    for (Int32 i = 0; i <= P.Grad; ++i)
        w += Summenwert(P.Koeff[i], x) * std::pow(s, static_cast<Extended>(i));
    return w;
}

TPPolynom Zufall(TZufallsPolynome& z, Int32 grad) {
    TPPolynom P;
    for (Int32 i = 0; i <= grad; ++i) P.Koeff[i] = z.Polynom(z.Grad(0, 2));
    P.Grad = grad;
    return P;
}

TEST_F(PPolynomTest, ArithmetikNachWerten) {
    TZufallsPolynome z(38);
    int teilbar = 0;
    for (int fall = 0; fall < 30; ++fall) {
        TPPolynom P = Zufall(z, z.Grad(0, 3)), Q = Zufall(z, z.Grad(0, 3)), S, D, M, F;
        PPPlus(P, Q, S);
        PPMinus(P, Q, D);
        PPMal(P, Q, M);
        TPolynom f = z.Polynom(z.Grad(0, 2)), faktor;
        PPAusPolynomX(f, F);
        PPMal(F, Q, F);
        bool teilt = false;
        PPDurch(F, Q, teilt, faktor);
        teilbar += teilt;
        if (!teilt) faktor = f;
        for (Extended x : {-1.5L, 0.5L, 2.0L})
            for (Extended s : {-2.0L, 0.25L, 1.5L}) {
                EXPECT_TRUE(Nahe(PPWert(S, x, s), PPWert(P, x, s) + PPWert(Q, x, s)));
                EXPECT_TRUE(Nahe(PPWert(D, x, s), PPWert(P, x, s) - PPWert(Q, x, s)));
                EXPECT_TRUE(Nahe(PPWert(M, x, s), PPWert(P, x, s) * PPWert(Q, x, s)));
                EXPECT_TRUE(Nahe(Summenwert(faktor, x) * PPWert(Q, x, s), PPWert(F, x, s)));
            }
        EXPECT_TRUE(IstNullPPolynom(D) || !IstNullPolynom(D.Koeff[D.Grad]));
        // The content divides every coefficient.
        TPolynom c, q, rest;
        PPInhalt(M, c);
        for (Int32 i = 0; i <= M.Grad && !IstNullPolynom(c); ++i) {
            PDurch(M.Koeff[i], c, q, rest, false);
            EXPECT_TRUE(IstNullPolynom(rest));
        }
    }
    EXPECT_GT(teilbar, 5);
}

// P(w/g) and P(F*w) at sample points.
TEST_F(PPolynomTest, Transformationen) {
    TZufallsPolynome z(7);
    for (int fall = 0; fall < 10; ++fall) {
        const TPPolynom P = Zufall(z, z.Grad(1, 4));
        TPPolynom E = P, A = P;
        const TPolynom F = z.Polynom(z.Grad(0, 2));
        TransformiereDurchEinklammern(E, K(3, 2));
        TransformiereDurchAusklammern(A, F);
        for (Extended x : {-1.5L, 0.5L, 2.0L})
            for (Extended s : {-2.0L, 0.25L, 1.5L}) {
                EXPECT_TRUE(Nahe(PPWert(E, x, s), PPWert(P, x, s / 1.5L)));
                EXPECT_TRUE(Nahe(PPWert(A, x, s), PPWert(P, x, Summenwert(F, x) * s)));
            }
    }
}

TEST_F(PPolynomTest, TeilbarkeitGradUndEinsetzen) {
    // P = Faktor * Q only with a factor in x alone; the content of 2x*s + 2x is the monic x.
    struct {
        TPPolynom P, Q;
        bool teilt;
    } faelle[3];
    TPPolynom s1, zweiX;
    PPAusPolynomS(PolZ({1, 1}), s1);
    faelle[0] = {s1, s1, true};
    PPAusPolynomX(PolZ({0, 2}), zweiX);
    PPMal(zweiX, s1, faelle[1].P);
    faelle[1].Q = s1;
    faelle[1].teilt = false;
    PPMal(SPPolynom, SPPolynom, faelle[2].P);
    faelle[2].Q = SPPolynom;
    faelle[2].teilt = false;
    for (auto& f : faelle) {
        bool teilt = true;
        TPolynom faktor;
        PPDurch(f.P, f.Q, teilt, faktor);
        EXPECT_EQ(teilt, f.teilt);
    }
    EXPECT_EQ(PPMinGrad(NullPPolynom), 20);
    EXPECT_EQ(PPMinGrad(faelle[2].P), 2);
    EXPECT_TRUE(IstPPMonom(faelle[2].P) && !IstPPMonom(EinsMinusSQuadratPPolynom));
    // Degree 11 times degree 10 in s exceeds the limit.
    TPPolynom hoch = NullPPolynom, r;
    hoch.Grad = 11;
    hoch.Koeff[11] = EinsPolynom;
    TPPolynom zehn = hoch;
    zehn.Koeff[11] = NullPolynom;
    zehn.Grad = 10;
    zehn.Koeff[10] = EinsPolynom;
    EXPECT_THROW(PPMal(hoch, zehn, r), EGradUeberschritten);
    // Put in for s, and as a term in x and s.
    TPPolynom P = EinsMinusSQuadratPPolynom;
    PPMinus(P, faelle[1].P, P);
    TTerm* t = Lies("sqrt(x+1)");
    TTerm* eingesetzt = PPEinsetzen(P, t);
    TTerm* alsTerm = PPAlsTerm(P)->Ersetze(BenannteKonstante("s"), K(3, 2));
    for (Extended x : {0.0L, 0.5L, 3.0L}) {
        EXPECT_TRUE(Nahe(*Wert(eingesetzt, x), PPWert(P, x, std::sqrt(x + 1))));
        EXPECT_TRUE(Nahe(*Wert(alsTerm, x), PPWert(P, x, 1.5L)));
    }
}

} // namespace
} // namespace zol
