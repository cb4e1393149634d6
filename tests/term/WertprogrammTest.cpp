// The value program against the tree: generated terms of every node kind, their derivatives and
// simplified forms, at points inside, outside and on the edges of their domains, bit for bit.
#include <cmath>
#include <random>
#include <string>

#include "algebra/Vereinfachung.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "term/Wertprogramm.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class WertprogrammTest : public ZolTest {};

// A random term text of depth at most d over every function, powers, roots and the constants.
std::string Zufallsterm(std::mt19937& z, int d) {
    static const char* const blaetter[] = {"x", "x", "2", "1/3", "pi", "e", "-1", "0"};
    static const char* const funktionen[] = {"abs", "sin",  "cos",    "tan",    "cot",   "exp",
                                             "ln",  "sqrt", "arcsin", "arccos", "arctan"};
    static const char* const potenzen[] = {"^2", "^3", "^(-1)", "^(-2)", "^(1/2)", "^(2/3)", "^(-3/2)", "°3"};
    auto wahl = [&](int n) { return int(z() % unsigned(n)); };
    if (d == 0) return blaetter[wahl(8)];
    switch (wahl(5)) {
    case 0:
        return std::string(funktionen[wahl(11)]) + "(" + Zufallsterm(z, d - 1) + ")";
    case 1:
        return "(" + Zufallsterm(z, d - 1) + ")" + potenzen[wahl(8)];
    case 2:
        return "2^(" + Zufallsterm(z, d - 1) + ")";
    default:
        return "(" + Zufallsterm(z, d - 1) + std::string(1, "+-*/"[wahl(4)]) + Zufallsterm(z, d - 1) + ")";
    }
}

bool GleicheBits(Extended a, Extended b) {
    return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

TEST_F(WertprogrammTest, GibtDieWerteDesBaumsBitgenau) {
    std::mt19937 z(53);
    const Extended stellen[] = {-3, -1, -0.5L, 0, 1e-300L, 0.5L, 1, 1.5707963267948966192L, 2, 3.25L, 1e4L};
    int verglichen = 0, definiert = 0;
    for (int i = 0; i < 400; ++i) {
        // Piecewise terms in part of them; derivatives and simplified forms bring radicals, general
        // exponentials and shared subterms.
        std::string text = Zufallsterm(z, 1 + i % 4);
        if (i % 5 == 0) text += ";" + Zufallsterm(z, 2);
        TTerm* T = nullptr;
        try {
            T = Lies(text);
            if (i % 3 == 1) T = T->Ableitung();
            if (i % 3 == 2) VereinfacheTerm(T);
        } catch (const EZolFehler&) {
            continue;
        }
        if (!T) continue;
        TWertprogramm P(T);
        for (Extended x : stellen) {
            bool dT = false, dP = false;
            const Extended wT = T->Wert(x, dT), wP = P.Wert(x, dP);
            ASSERT_EQ(dT, dP) << text << " = " << T->Text << " bei " << double(x);
            ASSERT_TRUE(!dT || GleicheBits(wT, wP)) << T->Text << " bei " << double(x);
            ++verglichen;
            definiert += dT;
        }
    }
    // The comparison is not empty on either side.
    EXPECT_GT(definiert, verglichen / 4);
    EXPECT_LT(definiert, verglichen);
    // The square's short way gives the bits of square and multiply.
    for (Extended v : {-3.7L, 1e-2000L, 0.1L, 1.0000001L, 1e2466L}) {
        Extended r = 0;
        EXPECT_EQ(PotenzWert(v, {2, 1}, r), std::isfinite(GanzePotenz(v, 2)));
        EXPECT_TRUE(!std::isfinite(r) || GleicheBits(r, GanzePotenz(v, 2)));
    }
}

TEST_F(WertprogrammTest, JoinAufDerBedingungsgrenzeUndOhneTerm) {
    // x;x^2 is 0 at 0 (both branches agree there); x-1;x^2 has no value at 0, as the tree says. The
    // branches of a condition other than x take the condition's value.
    for (TTerm* T : {Lies("x;x^2"), Lies("x-1;x^2"), Lies("(x;x^2)*(1/x;2x)"),
                     static_cast<TTerm*>(Neu<TJoin>(Lies("-ln(-x)"), Lies("2x-1"), Lies("ln(x)")))}) {
        TWertprogramm P(T);
        for (Extended x : {-2.0L, 0.0L, 0.5L, 3.0L}) {
            bool dT = false, dP = false;
            const Extended wT = T->Wert(x, dT), wP = P.Wert(x, dP);
            EXPECT_EQ(dT, dP) << T->Text << " bei " << double(x);
            EXPECT_TRUE(!dT || GleicheBits(wT, wP));
        }
    }
    bool d = true;
    TWertprogramm leer(nullptr);
    leer.Wert(1, d);
    EXPECT_FALSE(d);
}

} // namespace
} // namespace zol
