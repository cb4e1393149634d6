// Whether a constant is 0: against its value, and on products of radical sums against their expansion.
#include <cmath>
#include <random>

#include "algebra/Nullentscheidung.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "term/Wurzelzahlen.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Nullentscheidung = ZolTest;

// A decision never contradicts the value: "0" only where the value vanishes, "not 0" only where it does
// not. The zeros of radicals are decided; identities of other functions may stay open.
TEST_F(Nullentscheidung, StimmtMitDemWertUeberein) {
    const struct {
        const char* T;
        bool Entschieden;
    } faelle[] = {
        {"(sqrt(2)+1)*sqrt(3)-sqrt(6)-sqrt(3)", true},
        {"2^(1/3)*4^(1/3)-2", true},
        {"1/(sqrt(2)-1)-sqrt(2)-1", true},
        {"(sqrt(5)+sqrt(3))^2-8-2*sqrt(15)", true},
        {"pi*(sqrt(2)*sqrt(3)-sqrt(6))", true},
        {"10^20*(sqrt(2)-sqrt(2))", true},
        {"(3/4)^(1/2)-sqrt(3)/2", true},
        {"sqrt(2)-665857/470832", true},
        {"3^(1/3)+5^(1/4)-7^(1/5)", true},
        {"sin(1)^2+cos(1)^2-1", true},
        {"1/(pi-3)-7", true},
        {"ln(6)-ln(2)-ln(3)", false},
        {"sqrt(3+2*sqrt(2))-1-sqrt(2)", false},
    };
    for (const auto& f : faelle) {
        TTerm* T = TermAusString(f.T);
        const Extended v = Wert(T).value_or(NAN);
        const TNullheit n = Nullheit(T);
        EXPECT_NE(n, std::fabs(v) < 1e-15 ? TNullheit::NichtNull : TNullheit::Null) << f.T;
        EXPECT_EQ(n != TNullheit::Unklar, f.Entschieden) << f.T;
    }
    EXPECT_EQ(Nullheit(TermAusString("1/(sqrt(2)*sqrt(2)-2)")), TNullheit::OhneWert);
}

// Products of sums of roots against their expansion: the difference is 0, the expansion has the product's
// value, and a tiny offset is not 0. A sum of square roots times its inverse is 1.
TEST_F(Nullentscheidung, ProdukteGegenIhreEntwicklung) {
    std::mt19937 zufall(51);
    std::uniform_int_distribution<int> zahl(-4, 4), wahl(0, 4);
    const char* wurzeln[] = {"sqrt(2)", "sqrt(3)", "sqrt(6)", "2^(1/3)", "(5/3)^(1/2)"};
    for (int runde = 0; runde < 40; ++runde) {
        TTerm* P = K(1);
        for (int i = 0; i < 3; ++i)
            P = Op(P, '*',
                   Op(K(zahl(zufall)), '+', Op(K(zahl(zufall)), '*', TermAusString(wurzeln[wahl(zufall)]))));
        TWurzelzahl Z, I;
        ASSERT_TRUE(AlsWurzelzahl(P, Z)) << P->Text;
        TTerm* E = Z.AlsTerm();
        const double p = double(Wert(P).value_or(NAN));
        EXPECT_NEAR(double(Wert(E).value_or(NAN)), p, 1e-12 * (1 + std::fabs(p))) << P->Text;
        EXPECT_EQ(Nullheit(Op(P, '-', E)), TNullheit::Null) << P->Text;
        EXPECT_EQ(Nullheit(Op(Op(P, '-', E), '+', K(1, 1000000000))), TNullheit::NichtNull) << P->Text;
        if (!Z.IstNull() && Z.Kehrwert(I)) {
            EXPECT_EQ(Nullheit(Op(Op(P, '*', I.AlsTerm()), '-', K(1))), TNullheit::Null) << P->Text;
        }
    }
}

} // namespace
} // namespace zol
