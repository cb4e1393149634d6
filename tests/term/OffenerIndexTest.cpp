// The open-addressing index against std::unordered_map: random insertions and erasures, with hashes that
// put many keys on one slot, so that erasing in the middle of a run must move the entries behind it.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <unordered_map>

#include "term/OffenerIndex.h"

using namespace zol;

namespace {

struct TWenigeHeime {
    size_t operator()(uint64_t k) const { return k % 7; }
};
struct TEinHeim {
    size_t operator()(uint64_t) const { return 42; }
};
struct TGuterHash {
    size_t operator()(uint64_t k) const { return std::hash<uint64_t>{}(k); }
};

template <class Hash> void VergleicheMitReferenz(uint64_t schluesselraum, int schritte, unsigned saat) {
    TOffenerIndex<uint64_t, int64_t, Hash> index;
    std::unordered_map<uint64_t, int64_t> referenz;
    std::mt19937_64 zufall(saat);
    for (int i = 0; i < schritte; ++i) {
        const uint64_t k = zufall() % schluesselraum;
        if (zufall() % 3 == 0) {
            auto it = index.find(k);
            ASSERT_EQ(it != index.end(), referenz.count(k) == 1) << "Schritt " << i;
            if (it != index.end()) index.erase(it);
            referenz.erase(k);
        } else {
            index[k] += int64_t(k) + 1;
            referenz[k] += int64_t(k) + 1;
        }
        ASSERT_EQ(index.size(), referenz.size());
    }
    // Every key of the range: found exactly when the reference has it, with its value.
    for (uint64_t k = 0; k < schluesselraum; ++k) {
        auto it = index.find(k);
        auto r = referenz.find(k);
        ASSERT_EQ(it != index.end(), r != referenz.end()) << k;
        if (r != referenz.end()) {
            EXPECT_EQ(it->second, r->second) << k;
        }
    }
}

TEST(OffenerIndex, StimmtMitUnorderedMapUeberein) {
    struct TFall {
        uint64_t Schluesselraum;
        int Schritte;
    };
    for (const TFall f : {TFall{50, 2000}, TFall{3000, 20000}, TFall{40000, 60000}}) {
        SCOPED_TRACE(f.Schluesselraum);
        VergleicheMitReferenz<TGuterHash>(f.Schluesselraum, f.Schritte, 1);
        VergleicheMitReferenz<TWenigeHeime>(f.Schluesselraum, f.Schritte, 2);
        if (f.Schluesselraum <= 3000) VergleicheMitReferenz<TEinHeim>(f.Schluesselraum, f.Schritte, 3);
    }
}

// Entries taken out newest first, as a discarded piece of work does, leave the older ones as they were.
TEST(OffenerIndex, NeuesteZuerstEntferntLaesstDieAelterenAuffindbar) {
    TOffenerIndex<uint64_t, int64_t, TWenigeHeime> index;
    for (uint64_t k = 0; k < 500; ++k) index[k] = int64_t(k);
    for (uint64_t k = 500; k < 5000; ++k) index[k] = -1;
    for (uint64_t k = 5000; k-- > 500;) index.erase(index.find(k));
    ASSERT_EQ(index.size(), 500u);
    for (uint64_t k = 0; k < 5000; ++k) {
        auto it = index.find(k);
        ASSERT_EQ(it != index.end(), k < 500) << k;
        if (k < 500) {
            EXPECT_EQ(it->second, int64_t(k));
        }
    }
}

} // namespace
