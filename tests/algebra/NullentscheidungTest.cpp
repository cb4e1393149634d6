// Whether a constant is 0: against its value, and on products of radical sums against their expansion.
#include <cmath>
#include <random>
#include <string>

#include "algebra/Nullentscheidung.h"
#include "algebra/Polynome.h"
#include "output/Ausgabe.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "term/Wurzelzahlen.h"
#include "tests/hilfe/TestLeinwand.h"
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

// The real zero of a cubic with one real zero, written by Cardano's formula with two cube roots of
// conjugate radicands: P(r) is 0, and so is r's minimal relation over any expansion of it; P'(r), r - (a
// near value) and P(r) moved by a millionth are not. The constants of partial fractions over such a zero are
// built this way.
TEST_F(Nullentscheidung, CardanosNullstelle) {
    const struct {
        const char* R; // the zero
        const char* P; // its cubic, in r
    } faelle[] = {
        // x^3 + x + 1, x^3 - 3x - 4 (u*v = 1), 9x^3 + 6x^2 + 1, -5x^3 - 6x^2 - 3x + 1
        {"((sqrt(837)-27)/54)^(1/3)-((sqrt(837)+27)/54)^(1/3)", "r^3+r+1"},
        {"(2+sqrt(3))^(1/3)+(2-sqrt(3))^(1/3)", "r^3-3r-4"},
        {"-((97-9*sqrt(113))/1458)^(1/3)-((97+9*sqrt(113))/1458)^(1/3)-2/9", "9r^3+6r^2+1"},
        {"((39+5*sqrt(61))/250)^(1/3)-((5*sqrt(61)-39)/250)^(1/3)-2/5", "-5r^3-6r^2-3r+1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.R);
        const std::string r = std::string("(") + f.R + ")";
        auto mitR = [&](std::string t) {
            for (size_t i = t.find('r'); i != std::string::npos; i = t.find('r', i + r.size()))
                t.replace(i, 1, r);
            return Lies(t);
        };
        TTerm* P = mitR(f.P);
        ASSERT_TRUE(Nahe(1 + Wert(P).value_or(NAN), 1, 1e-15L));
        EXPECT_EQ(Nullheit(P), TNullheit::Null);
        EXPECT_EQ(Nullheit(Op(P, '+', K(1, 1000000))), TNullheit::NichtNull);
        const Extended w = Wert(Lies(r)).value_or(NAN);
        EXPECT_EQ(Nullheit(Op(Lies(r), '-', K(Int64(std::round(w * 1e6)), 1000000))), TNullheit::NichtNull);
        // (r^2 + 1) * (1 / (r^2 + 1)) - 1 and r^5 over its reduction: the inverse and the relation.
        TTerm* Q = mitR("r^2+1");
        EXPECT_EQ(Nullheit(Op(Op(Q, '*', Op(K(1), '/', Q)), '-', K(1))), TNullheit::Null);
        EXPECT_EQ(Nullheit(Op(Op(mitR("r^6"), '/', Q), '-', Op(mitR("r^6"), '/', Q))), TNullheit::Null);
    }
}

// Roots of numbers that are not rational, as powers of one root: X^(2/3) is X^(1/3) squared, 8X^(1/3) is
// (512X)^(1/3), the cube roots of two conjugates multiply to a rational, inverses of sums in one cube root
// or in such a pair are exact; a difference of roots that is not 0 is not taken for 0.
TEST_F(Nullentscheidung, WurzelnIrrationalerZahlen) {
    const struct {
        const char* T;
        TNullheit Erwartet;
    } faelle[] = {
        {"(3+sqrt(5))^(2/3)-(3+sqrt(5))^(1/3)*(3+sqrt(5))^(1/3)", TNullheit::Null},
        {"(3+sqrt(5))^(4/3)-(3+sqrt(5))*(3+sqrt(5))^(1/3)", TNullheit::Null},
        {"8*(3+sqrt(5))^(1/3)-(1536+512*sqrt(5))^(1/3)", TNullheit::Null},
        {"(3+sqrt(5))^(1/3)*(3-sqrt(5))^(1/3)-4^(1/3)", TNullheit::Null},
        {"(7+sqrt(2))^(-1/3)*(7+sqrt(2))^(1/3)-1", TNullheit::Null},
        {"1/(1+(2+sqrt(7))^(1/3)+(2+sqrt(7))^(2/3))*(1+(2+sqrt(7))^(1/3)+(2+sqrt(7))^(2/3))-1",
         TNullheit::Null},
        {"1/(1+(2+sqrt(3))^(1/3)+(2-sqrt(3))^(1/3))-((1-sqrt(3))*(2+sqrt(3))^(1/"
         "3)+(1+sqrt(3))*(2-sqrt(3))^(1/3))/2",
         TNullheit::Null},
        {"sqrt(2+sqrt(3))^2-2-sqrt(3)", TNullheit::Null},
        {"(3+sqrt(5))^(1/3)-(3-sqrt(5))^(1/3)-1", TNullheit::NichtNull},
    };
    for (const auto& f : faelle) {
        TTerm* T = Lies(f.T);
        ASSERT_TRUE(Wert(T)) << f.T;
        EXPECT_EQ(Nullheit(T), f.Erwartet) << f.T;
        // Never against the value.
        EXPECT_NE(Nullheit(T), std::fabs(*Wert(T)) < 1e-15 ? TNullheit::NichtNull : TNullheit::Null) << f.T;
    }
}

// A constant that stays undecided is never shown in its internal text form: a page shows a small one
// typeset and names a large one, and the message of a division names the divisor.
TEST_F(Nullentscheidung, UnentschiedenOhneTermtext) {
    const std::string klein = "ln(6)-ln(2)-ln(3)";
    std::string gross = "(" + klein + ")*(0";
    for (int i = 1; i <= 12; ++i) gross += "+" + std::to_string(i) + "*pi^" + std::to_string(i);
    gross += ")";
    for (const std::string& t : {klein, gross}) {
        SCOPED_TRACE(t);
        TTerm* T = Lies(t);
        ASSERT_EQ(Nullheit(T), TNullheit::Unklar);
        const std::string seite = Mitschrift([&] { SchreibeUnklarObNull(T, "der Leitkoeffizient"); });
        const std::string gesetzt = Mitschrift([&] { SchreibeTerm(T); });
        EXPECT_EQ(seite, (T->Knotenzahl <= 30 ? "Ob " + gesetzt.substr(0, gesetzt.size() - 1)
                                              : std::string("Ob der Leitkoeffizient")) +
                             " gleich 0 ist, lässt sich nicht entscheiden.\n\n");
        // x^2 divided by T*x + 1.
        TPolynom N;
        N.Grad = 1;
        N.Koeff[1] = T;
        N.Koeff[0] = Eins;
        TPolynom Z;
        Z.Grad = 2;
        Z.Koeff[2] = Eins;
        TPolynom Q, R;
        const std::string meldung = Ausnahme<ETermGoToStart>([&] { PDurch(Z, N, Q, R, false); });
        EXPECT_EQ(meldung, "Ob der Leitkoeffizient des Divisors gleich 0 ist, lässt sich nicht entscheiden.");
        for (const std::string& text : {seite, meldung}) {
            EXPECT_EQ(text.find(T->Text), std::string::npos) << text;
            EXPECT_EQ(text.find("^("), std::string::npos) << text;
        }
    }
    EXPECT_GT(Lies(gross)->Knotenzahl, 30);
}

} // namespace
} // namespace zol
