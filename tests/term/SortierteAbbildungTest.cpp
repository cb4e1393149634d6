// The sorted vector that holds a number's coefficients against std::map: random entries and erasures, the
// same entries in the same order.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "term/Wurzelzahlen.h"

using namespace zol;

namespace {

TEST(SortierteAbbildung, StimmtMitStdMapUeberein) {
    for (const int schluesselraum : {3, 40, 1000}) {
        SCOPED_TRACE(schluesselraum);
        TSortierteAbbildung<int, int> abbildung;
        std::map<int, int> referenz;
        std::mt19937 zufall{unsigned(schluesselraum)};
        for (int i = 0; i < 5000; ++i) {
            const int k = int(zufall() % unsigned(schluesselraum));
            auto [it, neu] = abbildung.emplace(k, i);
            auto [r, rneu] = referenz.emplace(k, i);
            ASSERT_EQ(neu, rneu);
            ASSERT_EQ(it->first, k);
            ASSERT_EQ(it->second, r->second);
            // An entry found again is taken out half of the time, as a coefficient that adds up to 0 is.
            if (!neu && zufall() % 2) {
                abbildung.erase(it);
                referenz.erase(r);
            }
            ASSERT_EQ(abbildung.size(), referenz.size());
        }
        auto r = referenz.begin();
        for (const auto& [k, v] : abbildung) {
            ASSERT_NE(r, referenz.end());
            EXPECT_EQ(k, r->first);
            EXPECT_EQ(v, r->second);
            ++r;
        }
        EXPECT_EQ(r, referenz.end());
    }
}

} // namespace
