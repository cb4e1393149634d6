// Linear terms m*x + n, recognised through the polynomial normal form.
#include <string>

#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class Linear : public ZolTest {
protected:
    void TearDown() override {
        AlleTermeFreigeben();
        ZolTest::TearDown();
    }
};

Extended W(TTerm* T) {
    bool d = true;
    return T->Wert(0, d);
}

TEST_F(Linear, TermeErstenGrades) {
    struct Fall {
        const char* Text;
        Extended m, n;
    };
    const Fall faelle[] = {
        {"3*x+1", 3, 1},
        {"x", 1, 0},
        {"-x", -1, 0},
        {"x/4-2", 0.25L, -2},
        {"2*(x-3)", 2, -6},
        {"(x^2-1)/(x+1)", 1, -1},
        {"x^2-(x-1)*(x+1)+x", 1, 1},
        {"(1-x)*2/3", -2.0L / 3, 2.0L / 3},
    };
    for (const Fall& f : faelle) {
        TTerm* T = TermAusString(f.Text);
        TTerm *m = nullptr, *n = nullptr;
        ASSERT_TRUE(IstLinear(T, m, n)) << f.Text;
        ASSERT_TRUE(m && n) << f.Text;
        EXPECT_TRUE(m->IstKonstant && n->IstKonstant) << f.Text;
        EXPECT_NEAR(double(W(m)), double(f.m), 1e-15) << f.Text;
        EXPECT_NEAR(double(W(n)), double(f.n), 1e-15) << f.Text;
        // m*x + n has the values of T.
        for (Extended x : {-2.0L, 0.5L, 3.0L}) {
            bool d = true;
            const Extended t = T->Wert(x, d);
            if (d) {
                EXPECT_NEAR(double(W(m) * x + W(n)), double(t), 1e-12) << f.Text;
            }
        }
    }
}

TEST_F(Linear, AndereTermeSindNichtLinear) {
    for (const char* text : {"x^2", "5", "0*x+2", "1/x", "x^(1/2)", "x-x", "x;2*x"}) {
        TTerm* T = TermAusString(text);
        TTerm* m = Eins;
        TTerm* n = Eins;
        EXPECT_FALSE(IstLinear(T, m, n)) << text;
        // Nothing is written back.
        EXPECT_EQ(m, Eins);
        EXPECT_EQ(n, Eins);
    }
}

// The form of a term that caches one is used; the question builds nothing further.
TEST_F(Linear, GespeicherteForm) {
    TTerm* T = TermAusString("2*x+3");
    T->HoleNormalform();
    ASSERT_NE(T->Normalform, nullptr);
    TTerm *m = nullptr, *n = nullptr;
    EXPECT_TRUE(IstLinear(T, m, n));
    EXPECT_TRUE(m->HatWert(TBruch{2, 1}));
    EXPECT_TRUE(n->HatWert(TBruch{3, 1}));
}

} // namespace
} // namespace zol
