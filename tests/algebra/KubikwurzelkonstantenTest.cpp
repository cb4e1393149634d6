// The form of constants with Cardano's cube roots: the relations u^3, v^3 and u*v hold exactly (the zero put
// into its cubic is 0), a denominator in u and v leaves, and every form has the value of its term.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "algebra/Kubikwurzelkonstanten.h"
#include "algebra/Vereinfachung.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Kubikwurzelkonstanten = ZolTest;

// Every divisor in T is rational.
bool NurRationaleDivisoren(TTerm* T) {
    if (auto* o = AlsOperatorTerm(T))
        return (o->Operator != '/' || IstRationaleKonstante(o->T2)) && NurRationaleDivisoren(o->T1) &&
               NurRationaleDivisoren(o->T2);
    if (auto* p = AlsPotenzTerm(T)) return p->Exponent.Zaehler > 0 && NurRationaleDivisoren(p->Argument);
    return true;
}

// y^3 + p*y + q = 0 with one real zero y = u - v, u = (-q/2 + w)^(1/3), v = (q/2 + w)^(1/3), w = sqrt(q^2/4 +
// p^3/27), u*v = p/3.
TEST_F(Kubikwurzelkonstanten, CardanosNullstelleUndIhreRelationen) {
    struct Fall {
        const char *p, *q;
    };
    for (const Fall& fall : {Fall{"1", "1"}, Fall{"2", "-5"}, Fall{"41/27", "7/3"}, Fall{"3", "-1/2"}}) {
        SCOPED_TRACE(std::string(fall.p) + ", " + fall.q);
        const std::string p = std::string("(") + fall.p + ")", q = std::string("(") + fall.q + ")";
        const std::string w = "sqrt(" + q + "^2/4+" + p + "^3/27)";
        const std::string u = "(-" + q + "/2+" + w + ")^(1/3)", v = "(" + q + "/2+" + w + ")^(1/3)";
        const std::string y = "(" + u + "-" + v + ")";
        TTerm* null = Kubikwurzelform(Lies(y + "^3+" + p + "*" + y + "+" + q));
        ASSERT_TRUE(null);
        EXPECT_TRUE(null->IstNull()) << null->Text;
        TTerm* produkt = Kubikwurzelform(Lies(u + "*" + v));
        ASSERT_TRUE(produkt && IstRationaleKonstante(produkt));
        EXPECT_TRUE(Nahe(*Wert(produkt), *Wert(Lies(p + "/3"))));
        // A denominator in u and v leaves; a power of y above the square does not stay.
        for (const std::string& t : {"1/(" + y + "+1)", y + "^5-" + y + "/(" + u + "+2)", y + "^2*" + u}) {
            TTerm* T = Lies(t);
            TTerm* F = Kubikwurzelform(T);
            ASSERT_TRUE(F) << t;
            EXPECT_TRUE(NurRationaleDivisoren(F)) << F->Text;
            EXPECT_TRUE(Nahe(*Wert(F), *Wert(T), 1e-12L)) << F->Text;
        }
    }
}

TEST_F(Kubikwurzelkonstanten, NurKubikwurzelnUndImVereinfacher) {
    for (const char* t : {"pi*(1+sqrt(2))^(1/3)", "2^(1/3)+1", "sqrt(2)+sqrt(3)", "(1+sqrt(2))^(1/4)"}) {
        TTerm* T = Lies(t);
        TTerm* F = MoeglicheKubikwurzelkonstante(T) ? Kubikwurzelform(T) : nullptr;
        EXPECT_EQ(F, nullptr) << t << " -> " << F->Text;
    }
    // The simplifier takes the form: Cardano's zero of x^3 + x + 1 put into it gives 0.
    const std::string y = "((-1/2+sqrt(93)/18)^(1/3)-(1/2+sqrt(93)/18)^(1/3))";
    TTerm* T = Lies(y + "^3+" + y + "+1");
    VereinfacheKonstantenTerm(T);
    EXPECT_TRUE(T->IstNull()) << T->Text;
}

} // namespace
} // namespace zol
