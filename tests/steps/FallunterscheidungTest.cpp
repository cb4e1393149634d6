// The zeros by the sign cases of abs and piecewise parts: a condition written in two shapes (or as -c) is one
// case distinction, so the limit of nested distinctions is not spent on the same condition twice.
#include <gtest/gtest.h>

#include <cmath>

#include "steps/Fallunterscheidung.h"
#include "steps/Nullstel.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Fallunterscheidung = ZolTest;

TEST_F(Fallunterscheidung, BedingungInAndererGestaltIstDieselbe) {
    // abs(c) - 2*sign(c) + abs(x-10) + abs(x+10) - 20 with c = 6 - 9x^2: on [-2; 2] the last three parts
    // cancel, and the zeros are those of c - 2 = 0 where c > 0, x = -2/3 and x = 2/3. The sign is written
    // with the condition in another shape, or as -c with its branches swapped.
    struct Fall {
        const char* Bedingung;
        Int64 Links, Rechts;
    };
    for (const Fall& fall : {Fall{"6-9x^2", -1, 1}, Fall{"9x^2-6", 1, -1}}) {
        SCOPED_TRACE(fall.Bedingung);
        TTerm* vorzeichen = Neu<TJoin>(K(fall.Links), K(fall.Rechts), Lies(fall.Bedingung), false);
        TTerm* t = Op(Op(Op(Op(Lies("abs(-9x^2+6)"), '-', Op(K(2), '*', vorzeichen)), '+', Lies("abs(x-10)")),
                         '+', Lies("abs(x+10)")),
                      '-', K(20));
        TSListe* L = nullptr;
        uint8_t status = unklar;
        ASSERT_TRUE(NullstellenNachFaellen(t, Iv(K(-2), false, K(2), false), L, false, status));
        EXPECT_EQ(status, wahr);
        ASSERT_EQ(L->Anzahl, 2);
        for (Extended x : Werte(L)) {
            EXPECT_TRUE(Nahe(std::fabs(x), 2.0L / 3)) << double(x);
            auto w = Wert(t, x);
            ASSERT_TRUE(w);
            EXPECT_LT(std::fabs(*w), 1e-12L);
        }
    }
}

} // namespace
} // namespace zol
