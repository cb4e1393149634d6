// Terms whose polynomials would exceed degree 20 have no normal form; simplifying them is not an error.
#include <gtest/gtest.h>

#include <cmath>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Gradgrenze = ZolTest;

TEST_F(Gradgrenze, KeineNormalformUndVereinfachungBehaeltDenWert) {
    for (const char* text : {"x^25+1", "(x^7+1)^3", "(x^11-x)*(x^10+2)", "1/(x^21-1)"}) {
        TTerm* T = TermAusString(text);
        bool neu = true;
        EXPECT_EQ(Normalform(T, neu), nullptr) << text;
        EXPECT_FALSE(neu);
        EXPECT_TRUE(T->Zustand & KeineNormalform) << text;
        TTerm* V = T;
        ASSERT_NO_THROW(VereinfacheTerm(V)) << text;
        for (Extended x : {-1.1L, 0.3L, 0.9L}) {
            bool d1, d2;
            Extended a = T->Wert(x, d1), b = V->Wert(x, d2);
            EXPECT_EQ(d1, d2) << text;
            if (d1 && d2) {
                EXPECT_NEAR(double(a), double(b), 1e-9 * (1 + std::fabs(double(a)))) << text;
            }
        }
    }
    // The degree limit itself stays in force where a polynomial is really computed.
    bool neu = false;
    EXPECT_THROW(TPolynomTermCreateT(TermAusString("x^21"), neu), EGradUeberschritten);
}

} // namespace
