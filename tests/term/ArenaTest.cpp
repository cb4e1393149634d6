// The arena: objects built in blocks, destroyed newest first, the memory behind a mark used again without
// touching what lies before it, also where a constructor builds objects itself or throws.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <vector>

#include "term/Arena.h"

using namespace zol;

namespace {

int Lebende = 0;

// An object that counts itself and carries a pattern of its own to check for overwriting.
template <size_t N> struct TProbe : TArenaObjekt {
    explicit TProbe(uint64_t k) : Kennung(k) {
        ++Lebende;
        for (auto& b : Fuellung) b = uint8_t(k);
    }
    ~TProbe() override { --Lebende; }
    bool Heil() const {
        for (auto b : Fuellung)
            if (b != uint8_t(Kennung)) return false;
        return true;
    }
    uint64_t Kennung;
    uint8_t Fuellung[N];
};
using TKlein = TProbe<40>;
using TGross = TProbe<40000>;

// Builds another object while it is built, then throws if asked to.
struct TVerschachtelt : TArenaObjekt {
    TVerschachtelt(TArena& a, uint64_t k, bool werfen, TKlein*& inneres) {
        inneres = a.Baue<TKlein>(k);
        if (werfen) throw std::runtime_error("Abbruch im Konstruktor");
    }
};

TEST(Arena, LeerenBisZurMarkeBehaeltDasAeltereUnberuehrt) {
    struct TFall {
        int Vorher, Danach, GrossAlle;
    };
    for (const TFall f : {TFall{1, 1, 0}, TFall{10000, 30000, 0}, TFall{5000, 5000, 97}}) {
        SCOPED_TRACE(f.Vorher);
        TArena arena;
        std::vector<TProbe<40>*> alt;
        std::vector<TGross*> altGross;
        for (int i = 0; i < f.Vorher; ++i) {
            alt.push_back(arena.Baue<TKlein>(uint64_t(i)));
            if (f.GrossAlle && i % f.GrossAlle == 0) altGross.push_back(arena.Baue<TGross>(uint64_t(i)));
        }
        const int lebendVorher = Lebende;
        const TArena::TMarke marke = arena.Marke();
        for (int runde = 0; runde < 2; ++runde) {
            std::set<const void*> neu;
            for (int i = 0; i < f.Danach; ++i) {
                neu.insert(arena.Baue<TKlein>(uint64_t(1000 + i)));
                if (f.GrossAlle && i % f.GrossAlle == 0) arena.Baue<TGross>(uint64_t(i + 7));
            }
            for (auto* o : alt) EXPECT_EQ(neu.count(o), 0u);
            arena.LeerenBis(marke);
            EXPECT_EQ(Lebende, lebendVorher);
            EXPECT_EQ(arena.Anzahl(), marke.Anzahl);
            EXPECT_EQ(arena.Belegt(), marke.Bytes);
        }
        for (size_t i = 0; i < alt.size(); ++i) ASSERT_TRUE(alt[i]->Heil() && alt[i]->Kennung == i) << i;
        for (auto* g : altGross) ASSERT_TRUE(g->Heil());
        arena.Leeren();
        EXPECT_EQ(Lebende, 0);
    }
}

// What a constructor builds before it throws stays the arena's and is not overwritten by later objects; a
// mark taken while an object is being built leaves that object when the arena goes back to it.
TEST(Arena, KonstruktorMitInnerenObjekten) {
    TArena arena;
    TKlein *geworfen = nullptr, *inneres = nullptr;
    try {
        arena.Baue<TVerschachtelt>(arena, 77, true, geworfen);
    } catch (const std::runtime_error&) {
    }
    ASSERT_EQ(arena.Anzahl(), 1u);
    arena.Baue<TVerschachtelt>(arena, 78, false, inneres);
    std::vector<TKlein*> spaeter;
    for (int i = 0; i < 20000; ++i) spaeter.push_back(arena.Baue<TKlein>(uint64_t(i)));
    EXPECT_TRUE(geworfen->Heil() && geworfen->Kennung == 77);
    EXPECT_TRUE(inneres->Heil() && inneres->Kennung == 78);
    for (size_t i = 0; i < spaeter.size(); ++i) ASSERT_TRUE(spaeter[i]->Heil() && spaeter[i]->Kennung == i);

    struct TMitMarke : TArenaObjekt {
        TMitMarke(TArena& a) : Wert(123) {
            const TArena::TMarke m = a.Marke();
            for (int i = 0; i < 5000; ++i) a.Baue<TKlein>(uint64_t(i));
            a.LeerenBis(m);
        }
        int Wert;
    };
    auto* aussen = arena.Baue<TMitMarke>(arena);
    for (int i = 0; i < 5000; ++i) arena.Baue<TKlein>(uint64_t(200 + i));
    EXPECT_EQ(aussen->Wert, 123);
    arena.Leeren();
    EXPECT_EQ(Lebende, 0);
}

} // namespace
