// Radical constants typeset as the sum of their rational coefficients times powers of the root.
#include "term/Radikale.h"
#include "tests/output/SatzTestBasis.h"

namespace zol {
namespace {

using RadikalSatzTest = SatzTest;

TEST_F(RadikalSatzTest, SummeDerPotenzenDerWurzel) {
    // Fraction bars are not read: 12 is 1/2.
    const std::pair<const char*, const char*> faelle[] = {{"2,2;1,3", "1+3·√2"},
                                                          {"2,2;1,(-1)", "1-√2"},
                                                          {"2,2;0,(-1)", "-√2"},
                                                          {"3,2;0,(1/2)", "12·√3"},
                                                          {"2,3;(-1/2),0,4", "-12+4·√^32^2"},
                                                          {"5,4;0,0,0,1", "√^45^3"},
                                                          {"1,1;(-3/4)", "-34"},
                                                          {"7,2;0", "0"}};
    for (const auto& [innen, lesart] : faelle) {
        TRadikal r;
        StrToRadikal(innen, r);
        EXPECT_EQ(Lesart(*RadikalKonstante(r)->Folie(10)), lesart) << innen;
        L.Aufrufe.clear();
    }
}

} // namespace
} // namespace zol
