// A constant converted to a number of roots and atoms again and again (the degree and the gcd of
// polynomials ask for their coefficients' numbers each time): the same number each time, worth the
// constant's value, and each conversion after the first counts the same steps of work, so that a budget
// ends where it would have ended had the work been done again.
#include <cmath>
#include <vector>

#include "term/Arbeit.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzelzahlen.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Wurzelbruch = ZolTest;

TEST_F(Wurzelbruch, WiederholtGleichMitGleichenSchritten) {
    for (const char* text :
         {"2^(1/3)+sqrt(5)/7^(1/3)", "(sqrt(2)+sqrt(3))^3/(1+2^(1/3))", "3*ln(2)-sqrt(8)/5"}) {
        SCOPED_TRACE(text);
        TTerm* T = Lies(text);
        ASSERT_NE(T, nullptr);
        std::vector<Int64> schritte;
        std::string zaehler0, nenner0;
        for (int i = 0; i < 4; ++i) {
            TWurzelzahl z, n;
            const Int64 anfang = Arbeitsschritte();
            ASSERT_TRUE(AlsWurzelbruch(T, z, n));
            schritte.push_back(Arbeitsschritte() - anfang);
            TTerm* zt = z.AlsTerm();
            TTerm* nt = n.AlsTerm();
            if (i == 0) {
                zaehler0 = zt->Text;
                nenner0 = nt->Text;
                const auto w = Wert(T), q = Wert(Quotient(zt, nt));
                ASSERT_TRUE(w && q);
                EXPECT_NEAR(double(*q), double(*w), 1e-12 * (1 + std::fabs(double(*w))));
            } else {
                EXPECT_EQ(zt->Text, zaehler0);
                EXPECT_EQ(nt->Text, nenner0);
            }
        }
        EXPECT_EQ(schritte[2], schritte[1]);
        EXPECT_EQ(schritte[3], schritte[1]);
    }
    // The roots make the conversion build terms: the steps counted again are not none.
    TWurzelzahl z, n;
    const Int64 anfang = Arbeitsschritte();
    AlsWurzelbruch(Lies("2^(1/3)+sqrt(5)/7^(1/3)"), z, n);
    EXPECT_GT(Arbeitsschritte() - anfang, 0);
}

} // namespace
