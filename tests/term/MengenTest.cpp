// Sets: membership at the ends, every set operation against membership, complements and chains, the point
// in an interval, the simple number between two reals, point lists (full list, merging, sorting).
#include <gtest/gtest.h>

#include <vector>

#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

class Mengen : public ZolTest {
protected:
    // The sample points -3, -5/2, ..., 3.
    static std::vector<TTerm*> Proben() {
        std::vector<TTerm*> p;
        for (Int64 z = -6; z <= 6; ++z) p.push_back(K(z, 2));
        return p;
    }
};

// All intervals with bounds from {-inf, -1, 0, 1, 2, inf} and both kinds of ends, standard sets, a chain
// and a point list, combined by every operator: each result holds exactly the right sample points.
TEST_F(Mengen, MengenoperationenStimmenMitZugehoerigkeitUeberein) {
    std::vector<TMenge*> mengen = {RohneNull, MengeR, LeereMenge, Liste({K(0), K(3, 2), K(-3)})};
    TTerm* werte[] = {nullptr, K(-1), K(0), K(1), K(2)};
    for (TTerm* a : werte)
        for (TTerm* b : werte)
            for (int offen = 0; offen < 4; ++offen) {
                TIntervall* iv = Iv(a, offen & 1, b, offen & 2);
                if (!IstLeeresIntervall(iv)) mengen.push_back(iv);
            }
    TIMenge* zwei = Neu<TIMenge>(Iv(nullptr, true, K(-1), false));
    zwei->Anhaengen(Iv(K(1), true, K(2), false));
    mengen.push_back(zwei);
    int geprueft = 0;
    for (TMenge* a : mengen)
        for (TMenge* b : mengen)
            for (char op : {'n', 'v', '\\'}) {
                TMenge* e = MengenOperation(a, b, op);
                ASSERT_NE(e, nullptr);
                for (TTerm* x : Proben()) {
                    const bool inA = a->Enthaelt(x), inB = b->Enthaelt(x);
                    const bool soll = op == 'n' ? inA && inB : op == 'v' ? inA || inB : inA && !inB;
                    ASSERT_EQ(e->Enthaelt(x), soll) << op << " bei " << x->Text;
                    ++geprueft;
                }
            }
    EXPECT_GT(geprueft, 10000);
    // An expression evaluated in place is a plain set with the same points.
    TMenge* m = Neu<TOperatorMenge>(MengeR, '\\', Iv(K(0), false, K(1), false));
    MengenAuswerten(m);
    EXPECT_EQ(dynamic_cast<TOperatorMenge*>(m), nullptr);
    for (TTerm* x : Proben()) EXPECT_EQ(m->Enthaelt(x), *Wert(x) < 0 || *Wert(x) > 1) << x->Text;
}

TEST_F(Mengen, KomplementeUndKetten) {
    TIntervall* i = Iv(K(0), false, K(1), false);
    TMenge* k = IntervallKomplement(i);
    for (TTerm* x : Proben()) EXPECT_NE(k->Enthaelt(x), i->Enthaelt(x)) << x->Text;
    EXPECT_EQ(IntervallKomplement(IntervallR), LeereMenge);
    // The complement of the empty chain (nil) is all of R.
    TIMenge* alles = IMengenKomplement(nullptr);
    ASSERT_NE(alles, nullptr);
    for (TTerm* x : Proben()) EXPECT_TRUE(alles->Enthaelt(x));
    EXPECT_EQ(IMengenKomplement(Neu<TIMenge>(IntervallR)), nullptr);
    TIMenge* ohneNull = IMengenKomplement(RohneNull);
    for (TTerm* x : Proben()) EXPECT_EQ(ohneNull->Enthaelt(x), x->IstNull()) << x->Text;
    // [0;1[ and [1;2] join to one interval; ]0;1[ and ]1;2[ stay a chain of two.
    EXPECT_NE(dynamic_cast<TIntervall*>(
                  MengenOperation(Iv(K(0), false, K(1), true), Iv(K(1), false, K(2), false), 'v')),
              nullptr);
    auto* kette =
        dynamic_cast<TIMenge*>(MengenOperation(Iv(K(0), true, K(1), true), Iv(K(1), true, K(2), true), 'v'));
    ASSERT_TRUE(kette && kette->Naechste);
    EXPECT_EQ(kette->Naechste->Naechste, nullptr);
}

TEST_F(Mengen, PunktImIntervallIstDieEinfachsteZahlDarin) {
    const std::pair<TIntervall*, TBruch> faelle[] = {
        {Iv(K(1), true, K(2), true), {3, 2}},        {Iv(K(5), false, K(7), false), {5, 1}},
        {Iv(nullptr, true, K(-3), true), {-4, 1}},   {Iv(K(1, 3), false, K(1, 2), false), {1, 2}},
        {Iv(K(-1), false, K(1), false), {0, 1}},     {Iv(K(3), true, nullptr, true), {4, 1}},
        {Iv(K(2, 7), true, K(2, 6), true), {3, 10}}, {Iv(K(2, 3), false, K(4, 6), false), {2, 3}},
    };
    for (const auto& [i, erwartet] : faelle) {
        TTerm* p = PunktImIntervall(i);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(ImIntervall(p, i) && p->HatWert(erwartet)) << p->Text;
    }
    EXPECT_EQ(PunktImIntervall(Iv(K(1), false, K(1), true)), nullptr);
    // A bound far beyond the integers of 64 bits (its value overflows even a double): a point inside, found
    // without converting the bound to an integer.
    for (const char* grenze : {"-e^1311", "e^1311", "-10^30", "10^30/7"}) {
        for (TIntervall* i : {Iv(nullptr, true, Lies(grenze), true), Iv(Lies(grenze), true, nullptr, true)}) {
            TTerm* p = PunktImIntervall(i);
            ASSERT_NE(p, nullptr) << grenze;
            EXPECT_TRUE(ImIntervall(p, i)) << grenze << " " << p->Text;
        }
    }
    // A narrow interval answers at once with a point inside.
    TIntervall* eng = Iv(K(1), true, K(1000001, 1000000), true);
    TTerm* mitte = PunktImIntervall(eng);
    ASSERT_NE(mitte, nullptr);
    EXPECT_TRUE(ImIntervall(mitte, eng));
    EXPECT_NEAR(double(EinfacheZahlZwischen(0.3L, 0.7L)), 0.4, 1e-12);
    EXPECT_NEAR(double(EinfacheZahlZwischen(1.2L, 3.5L)), 2, 1e-12);
    for (int i = -50; i < 50; ++i)
        for (int j = 1; j < 30; j += 7) {
            const Extended a = i / 7.0L, b = a + j / 1000.0L, r = EinfacheZahlZwischen(a, b);
            EXPECT_TRUE(a < r && r < b) << double(a);
        }
}

TEST_F(Mengen, Punktlisten) {
    // Equal points merge, adding or taking the larger multiplicity.
    TSListe* liste = nullptr;
    StelleEinfuegen(Neu<TStelle>(K(2), 2), liste, false);
    StelleEinfuegen(Neu<TStelle>(K(4, 2), 1), liste, false);
    ASSERT_EQ(liste->Anzahl, 1);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 3);
    StelleEinfuegen(Neu<TStelle>(K(2), 5), liste, true);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 5);
    // A 21st point is refused with the message; an equal point still merges into the full list.
    liste = nullptr;
    for (Int64 i = 1; i <= 20; ++i) StelleEinfuegen(Neu<TStelle>(K(i), 1), liste, false);
    EXPECT_TRUE(Meldungen().empty());
    StelleEinfuegen(Neu<TStelle>(K(21), 1), liste, false);
    liste->FuegeHinzu(K(22), 1);
    EXPECT_EQ(liste->Anzahl, 20);
    EXPECT_EQ(Meldungen(),
              std::vector<std::string>(2, "Information: Liste voll. Einfügen nicht mehr möglich."));
    StelleEinfuegen(Neu<TStelle>(K(20), 1), liste, false);
    EXPECT_EQ(liste->Stellen[20]->Vielfachheit, 2);
    // Sorting by value ascends; by node count (all 0) the order stays.
    TSListe* s = Liste({K(3), K(-1), K(1, 2), K(-7, 3), K(0)});
    SortiereSListe(s, true);
    EXPECT_EQ(Werte(s), (std::vector<Extended>{-7.0L / 3, -1, 0, 0.5L, 3}));
    TTerm* a[] = {nullptr, K(5), K(1), K(3)};
    SortiereTerme(a, 3, false);
    EXPECT_TRUE(a[1] == K(5) && a[3] == K(3));
    // The union takes the larger multiplicity and leaves its inputs as they were.
    TSListe* l1 = Liste({K(1), K(2)});
    l1->Stellen[2]->Vielfachheit = 3;
    TSListe* l2 = Liste({K(2), K(5)});
    l2->Stellen[1]->Vielfachheit = 4;
    TSListe* v = SListenVereinigung(l1, l2);
    ASSERT_EQ(v->Anzahl, 3);
    EXPECT_EQ(v->Stellen[2]->Vielfachheit, 4);
    EXPECT_TRUE(l1->Stellen[2]->Vielfachheit == 3 && l1->Anzahl == 2);
}

} // namespace
