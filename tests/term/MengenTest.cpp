#include <gtest/gtest.h>

#include <functional>
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
    static TTerm* K(Int64 z, Int64 n = 1) { return Neu<TRationaleKonstante>(TBruch{z, n}); }
    static TRand R(TTerm* w, bool offen) { return TRand{w, offen}; }
    static TIntervall* I(TTerm* a, bool aOffen, TTerm* b, bool bOffen) {
        return Neu<TIntervall>(a ? R(a, aOffen) : UnendlichRand, b ? R(b, bOffen) : UnendlichRand);
    }
    static TSListe* Liste(std::initializer_list<TTerm*> punkte) {
        auto* l = Neu<TSListe>();
        l->Anzahl = 0;
        for (TTerm* p : punkte) l->FuegeHinzu(p, 1);
        return l;
    }
    // The sample points -3, -5/2, ..., 3.
    static std::vector<TTerm*> Proben() {
        std::vector<TTerm*> p;
        for (Int64 z = -6; z <= 6; ++z) p.push_back(K(z, 2));
        return p;
    }
};

TEST_F(Mengen, ZugehoerigkeitAnDenRaendern) {
    struct Fall {
        TIntervall* i;
        TTerm* t;
        bool drin;
    };
    const Fall faelle[] = {
        {I(K(1), false, K(2), false), K(1), true},  {I(K(1), true, K(2), false), K(1), false},
        {I(K(1), false, K(2), false), K(2), true},  {I(K(1), false, K(2), true), K(2), false},
        {I(K(1), true, K(2), true), K(3, 2), true}, {I(nullptr, true, K(0), true), K(-1000000), true},
        {I(nullptr, true, K(0), false), K(0), true}, {I(K(0), false, nullptr, true), K(1000000), true},
        {I(nullptr, true, nullptr, true), K(7), true}, {I(K(1), false, K(1), false), K(1), true},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.i->Enthaelt(f.t), f.drin) << f.t->Text;
}

TEST_F(Mengen, LeereIntervalle) {
    EXPECT_FALSE(IstLeeresIntervall(I(K(1), false, K(1), false)));
    EXPECT_TRUE(IstLeeresIntervall(I(K(1), false, K(1), true)));
    EXPECT_TRUE(IstLeeresIntervall(I(K(2), false, K(1), false)));
    EXPECT_FALSE(IstLeeresIntervall(I(nullptr, true, K(1), true)));
    EXPECT_TRUE(IstLeeresIntervall(IntervallSchnitt(I(K(0), false, K(3), true), I(K(3), false, K(5), false))));
}

TEST_F(Mengen, MengenoperationenStimmenMitZugehoerigkeitUeberein) {
    // All intervals with bounds from {-inf, -1, 0, 1, 2, +inf} and both kinds of ends, as intervals and
    // as chains, combined by every operator: each result contains exactly the right sample points.
    std::vector<TMenge*> mengen;
    TTerm* werte[] = {nullptr, K(-1), K(0), K(1), K(2)};
    for (TTerm* a : werte)
        for (TTerm* b : werte) {
            if (b == nullptr && a != nullptr) continue;
            for (int offen = 0; offen < 4; ++offen) {
                TIntervall* iv = a || b ? I(a, offen & 1, b, offen & 2) : IntervallR;
                if (b && !a) iv = I(nullptr, true, b, offen & 2);
                if (IstLeeresIntervall(iv)) continue;
                mengen.push_back(iv);
            }
        }
    for (TTerm* b : werte)
        if (b) mengen.push_back(I(b, true, nullptr, true));
    mengen.push_back(RohneNull);
    mengen.push_back(MengeR);
    mengen.push_back(LeereMenge);
    TIMenge* zwei = Neu<TIMenge>(I(nullptr, true, K(-1), false));
    zwei->Anhaengen(I(K(1), true, K(2), false));
    mengen.push_back(zwei);
    mengen.push_back(Liste({K(0), K(3, 2), K(-3)}));

    const char ops[] = {'n', 'v', '\\'};
    std::vector<TTerm*> proben = Proben();
    int geprueft = 0;
    for (TMenge* a : mengen)
        for (TMenge* b : mengen)
            for (char op : ops) {
                TMenge* e = MengenOperation(a, b, op);
                ASSERT_NE(e, nullptr);
                for (TTerm* x : proben) {
                    bool inA = a->Enthaelt(x), inB = b->Enthaelt(x);
                    bool erwartet = op == 'n' ? inA && inB : op == 'v' ? inA || inB : inA && !inB;
                    ASSERT_EQ(e->Enthaelt(x), erwartet) << op << " bei " << x->Text;
                    ++geprueft;
                }
            }
    EXPECT_GT(geprueft, 10000);
}

TEST_F(Mengen, KomplementUndKetten) {
    std::vector<TTerm*> proben = Proben();
    TIntervall* i = I(K(0), false, K(1), false);
    TMenge* k = IntervallKomplement(i);
    for (TTerm* x : proben) EXPECT_NE(k->Enthaelt(x), i->Enthaelt(x)) << x->Text;
    EXPECT_EQ(IntervallKomplement(IntervallR), LeereMenge);

    TIMenge* leer = nullptr;
    TIMenge* alles = IMengenKomplement(leer);
    ASSERT_NE(alles, nullptr);
    for (TTerm* x : proben) EXPECT_TRUE(alles->Enthaelt(x));
    EXPECT_EQ(IMengenKomplement(Neu<TIMenge>(IntervallR)), nullptr);

    TIMenge* ohneNull = IMengenKomplement(RohneNull);
    ASSERT_NE(ohneNull, nullptr);
    for (TTerm* x : proben) EXPECT_EQ(ohneNull->Enthaelt(x), x->IstNull()) << x->Text;

    // The union of [0;1[ and [1;2] is [0;2]; of ]0;1[ and ]1;2[ a chain of two.
    TMenge* u = MengenOperation(I(K(0), false, K(1), true), I(K(1), false, K(2), false), 'v');
    auto* ui = dynamic_cast<TIntervall*>(u);
    ASSERT_NE(ui, nullptr);
    EXPECT_TRUE(ui->LinkerRand.Wert->IstNull());
    EXPECT_TRUE(ui->RechterRand.Wert->IstGleich(K(2)));
    TMenge* getrennt = MengenOperation(I(K(0), true, K(1), true), I(K(1), true, K(2), true), 'v');
    auto* kette = dynamic_cast<TIMenge*>(getrennt);
    ASSERT_NE(kette, nullptr);
    ASSERT_NE(kette->Naechste, nullptr);
    EXPECT_EQ(kette->Naechste->Naechste, nullptr);
}

TEST_F(Mengen, PunktlistenMitIntervallen) {
    TMenge* schnitt = MengenOperation(Liste({K(1), K(2)}), I(K(0), false, K(1), false), 'n');
    auto* l = dynamic_cast<TSListe*>(schnitt);
    ASSERT_NE(l, nullptr);
    ASSERT_EQ(l->Anzahl, 1);
    EXPECT_TRUE(l->Stellen[1]->Punkt->IstGleich(K(1)));
    TMenge* vereinigt = MengenOperation(Liste({K(1), K(2)}), I(K(0), false, K(1), false), 'v');
    auto* o = dynamic_cast<TOperatorMenge*>(vereinigt);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->Operator, 'v');
    auto* rest = dynamic_cast<TSListe*>(o->Links);
    ASSERT_NE(rest, nullptr);
    ASSERT_EQ(rest->Anzahl, 1);
    EXPECT_TRUE(rest->Stellen[1]->Punkt->IstGleich(K(2)));
}

TEST_F(Mengen, MengenAuswertenErsetztDenAusdruck) {
    TMenge* m = Neu<TOperatorMenge>(MengeR, '\\', I(K(0), false, K(1), false));
    MengenAuswerten(m);
    EXPECT_EQ(dynamic_cast<TOperatorMenge*>(m), nullptr);
    for (TTerm* x : Proben()) {
        bool definiert;
        Extended w = x->Wert(0, definiert);
        EXPECT_EQ(m->Enthaelt(x), w < 0 || w > 1) << x->Text;
    }
}

TEST_F(Mengen, PunktImIntervall) {
    struct Fall {
        TIntervall* i;
        TBruch erwartet;
    };
    const Fall faelle[] = {
        {I(K(1), true, K(2), true), {3, 2}},     {I(K(5), false, K(7), false), {5, 1}},
        {I(nullptr, true, K(-3), false), {-3, 1}}, {I(nullptr, true, K(-3), true), {-4, 1}},
        {I(K(1, 3), false, K(1, 2), false), {1, 2}}, {I(K(-1), false, K(1), false), {0, 1}},
        {I(K(7, 2), true, nullptr, true), {4, 1}},  {I(K(3), true, nullptr, true), {4, 1}},
        {I(K(2, 7), true, K(2, 6), true), {3, 10}},
    };
    for (const auto& f : faelle) {
        TTerm* p = PunktImIntervall(f.i);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(ImIntervall(p, f.i)) << p->Text;
        EXPECT_TRUE(p->HatWert(f.erwartet)) << p->Text;
        // A unique constant of the store.
        EXPECT_EQ(p, RationaleKonstante(f.erwartet));
    }
    EXPECT_EQ(PunktImIntervall(I(K(1), false, K(1), true)), nullptr);
    EXPECT_EQ(PunktImIntervall(IntervallR), Null);
    TIntervall* eng = I(K(1), true, K(1000001, 1000000), true);
    TTerm* mitte = PunktImIntervall(eng);
    ASSERT_NE(mitte, nullptr);
    EXPECT_TRUE(ImIntervall(mitte, eng));
    // Touching bounds of equal value give the bound itself.
    TIntervall* punkt = I(K(2, 3), false, K(4, 6), false);
    EXPECT_TRUE(PunktImIntervall(punkt)->HatWert(TBruch{2, 3}));
}

TEST_F(Mengen, EinfacheZahlZwischen) {
    struct Fall {
        Extended a, b, erwartet;
    };
    const Fall faelle[] = {{0.3L, 0.7L, 0.4L}, {1.2L, 3.5L, 2}, {-0.5L, -0.4L, -0.49L}, {1.0L, 1.0000001L, 1.00000005L}};
    for (const auto& f : faelle) {
        Extended r = EinfacheZahlZwischen(f.a, f.b);
        EXPECT_NEAR(static_cast<double>(r), static_cast<double>(f.erwartet), 1e-12) << static_cast<double>(f.a);
        EXPECT_GT(r, f.a);
        EXPECT_LT(r, f.b);
    }
    // Always strictly between, for many pairs.
    for (int i = -50; i < 50; ++i)
        for (int j = 1; j < 30; j += 7) {
            Extended a = i / 7.0L, b = a + j / 1000.0L;
            Extended r = EinfacheZahlZwischen(a, b);
            EXPECT_GT(r, a);
            EXPECT_LT(r, b);
        }
}

TEST_F(Mengen, StellenEinfuegenMitVielfachheit) {
    TSListe* liste = nullptr;
    StelleEinfuegen(Neu<TStelle>(K(2), 2), liste, false);
    StelleEinfuegen(Neu<TStelle>(K(4, 2), 1), liste, false);
    ASSERT_EQ(liste->Anzahl, 1);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 3);
    StelleEinfuegen(Neu<TStelle>(K(2), 1), liste, true);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 3);
    StelleEinfuegen(Neu<TStelle>(K(2), 5), liste, true);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 5);
}

TEST_F(Mengen, EinundzwanzigsterPunktWirdAbgewiesen) {
    TSListe* liste = nullptr;
    for (Int64 i = 1; i <= 20; ++i) StelleEinfuegen(Neu<TStelle>(K(i), 1), liste, false);
    EXPECT_EQ(liste->Anzahl, 20);
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
    StelleEinfuegen(Neu<TStelle>(K(21), 1), liste, false);
    liste->FuegeHinzu(K(22), 1);
    EXPECT_EQ(liste->Anzahl, 20);
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 2u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Liste voll. Einfügen nicht mehr möglich.");
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Information);
    // An equal point still merges into a full list.
    StelleEinfuegen(Neu<TStelle>(K(20), 1), liste, false);
    EXPECT_EQ(liste->Stellen[20]->Vielfachheit, 2);
}

TEST_F(Mengen, SortierenIstAufsteigendUndStabil) {
    TSListe* liste = Liste({K(3), K(-1), K(1, 2), K(-7, 3), K(0)});
    SortiereSListe(liste, true);
    for (Int32 i = 1; i < liste->Anzahl; ++i) {
        bool d;
        EXPECT_LT(liste->Stellen[i]->Punkt->Wert(0, d), liste->Stellen[i + 1]->Punkt->Wert(0, d));
    }
    // By node count all are 0: the order stays.
    TTerm* a[] = {nullptr, K(5), K(1), K(3)};
    SortiereTerme(a, 3, false);
    EXPECT_TRUE(a[1]->IstGleich(K(5)));
    EXPECT_TRUE(a[3]->IstGleich(K(3)));
    SortiereTerme(a, 3, true);
    EXPECT_TRUE(a[1]->IstGleich(K(1)));
    EXPECT_TRUE(a[3]->IstGleich(K(5)));
}

TEST_F(Mengen, VereinigungVonPunktlistenNimmtDasMaximum) {
    TSListe* a = Liste({K(1), K(2)});
    a->Stellen[2]->Vielfachheit = 3;
    TSListe* b = Liste({K(2), K(5)});
    b->Stellen[1]->Vielfachheit = 4;
    TSListe* v = SListenVereinigung(a, b);
    ASSERT_EQ(v->Anzahl, 3);
    EXPECT_EQ(v->Stellen[2]->Vielfachheit, 4);
    // The inputs are left as they were.
    EXPECT_EQ(a->Stellen[2]->Vielfachheit, 3);
    EXPECT_EQ(a->Anzahl, 2);
}

} // namespace
