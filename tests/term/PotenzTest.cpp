#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

class Potenzen : public ZolTest {
protected:
    static Extended W(TTerm* t, Extended x, bool& d) { return t->Wert(x, d); }
};

TEST_F(Potenzen, BildePotenzFaltet) {
    TTerm* x = X();
    struct Fall {
        const char* name;
        TTerm* ergebnis;
        TTerm* erwartet;
    };
    const Fall faelle[] = {
        {"x^1", Potenz(x, BruchEins), x},
        {"5^0", Potenz(K(5), BruchNull), Eins},
        {"1^(1/2)", Potenz(Eins, BruchEinHalb), Eins},
        {"(x^2)^3", Potenz(Pot(x, 2), TBruch{3, 1}), Pot(x, 6)},
        {"(x°2)^4", Potenz(WurzelTerm(x, 2), TBruch{4, 1}), Pot(x, 2)},
        {"sqrt(x)^4 bleibt", Potenz(StandardFunktionTerm("sqrt", x), TBruch{4, 1}),
         Pot(StandardFunktionTerm("sqrt", x), 4)},
        {"4^(1/2)", Potenz(Vier, BruchEinHalb), Zwei},
        {"8^(2/3)", Potenz(K(8), TBruch{2, 3}), Vier},
        {"(1/8)^(-1/3)", Potenz(K(1, 8), TBruch{-1, 3}), Zwei},
        {"(4/9)^(1/2)", Potenz(K(4, 9), BruchEinHalb), K(2, 3)},
        {"(2/3)^-2", Potenz(K(2, 3), TBruch{-2, 1}), K(9, 4)},
        {"2^(1/2) ohne Radikale", Potenz(Zwei, BruchEinHalb), Pot(Zwei, 1, 2)},
        {"(x^2)^(1/2) ist |x|", Potenz(Pot(x, 2), BruchEinHalb), StandardFunktionTerm("abs", x)},
        {"(x^2)^(3/2) ist |x|^3", Potenz(Pot(x, 2), TBruch{3, 2}), Pot(StandardFunktionTerm("abs", x), 3)},
        {"(x^2)^(-1) bleibt ohne abs", Potenz(Pot(x, 2), TBruch{-1, 1}), Pot(x, -2)},
        {"(x^4)^(1/2)", Potenz(Pot(x, 4), BruchEinHalb), Pot(x, 2)},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.ergebnis, f.erwartet) << f.name << ": " << f.ergebnis->Text;
    EXPECT_THROW(Potenz(K(-8), TBruch{1, 3}), ENichtExistenz);
    EXPECT_EQ(Potenz(nullptr, BruchZwei), nullptr);
}

TEST_F(Potenzen, RadikaleDurchBildePotenz) {
    TTerm* w2 = PotenzRadikal(Zwei, BruchEinHalb);
    ASSERT_TRUE(IstRadikalKonstante(w2));
    EXPECT_EQ(w2->Text, "Rad(2,2;0,1)");
    TTerm* w8 = PotenzRadikal(K(8), BruchEinHalb);
    ASSERT_TRUE(IstRadikalKonstante(w8));
    EXPECT_EQ(w8->Text, "Rad(2,2;0,2)");
    bool d;
    EXPECT_NEAR(double(w8->Wert(0, d)), std::sqrt(8.0), 1e-15);
    // 2^(5/2) = 4 * 2^(1/2); 2^(-1/2) = (1/2) * 2^(1/2).
    EXPECT_EQ(PotenzRadikal(Zwei, TBruch{5, 2})->Text, "Rad(2,2;0,4)");
    EXPECT_EQ(PotenzRadikal(Zwei, TBruch{-1, 2})->Text, "Rad(2,2;0,(1/2))");
}

TEST_F(Potenzen, ExakteWurzeln) {
    struct Fall {
        TBruch r;
        Int32 n;
        const char* text;
    };
    const Fall faelle[] = {
        {{9, 4}, 2, "(3/2)"},          {{-8, 1}, 3, "(-2)"},         {{8, 1}, 2, "Rad(2,2;0,2)"},
        {{1, 2}, 2, "Rad(2,2;0,(1/2))"}, {{4, 1}, 6, "Rad(2,6;0,0,1)"}, {{1, 4}, 3, "Rad(2,3;0,0,0,0,(1/4))"},
        {{0, 1}, 5, "0"},              {{1000000, 1}, 3, "100"},     {{-2, 27}, 3, "Rad(2,3;0,(-1/3))"},
    };
    for (const auto& f : faelle) {
        TTerm* w = WurzelAusRationalerZahl(f.r, f.n);
        ASSERT_NE(w, nullptr) << f.text;
        EXPECT_EQ(w->Text, f.text);
        // The root taken to the n-th power gives the number back.
        bool d;
        Extended v = w->Wert(0, d);
        Extended r = static_cast<Extended>(f.r.Zaehler) / f.r.Nenner;
        EXPECT_NEAR(double(std::pow(v, f.n)), double(r), 1e-12) << f.text;
    }
    EXPECT_EQ(WurzelAusRationalerZahl({-4, 1}, 2), nullptr);
    EXPECT_EQ(WurzelAusRationalerZahl({4, 1}, 0), nullptr);
    // The radicand 5 * (2^61 - 1) leaves the 64-bit range.
    EXPECT_THROW(WurzelAusRationalerZahl({5, 2305843009213693951LL}, 2), ENichtExistenz);
}

TEST_F(Potenzen, ZieheWurzelAusTermen) {
    TTerm* x = X();
    TTerm* betrag = StandardFunktionTerm("abs", x);
    EXPECT_EQ(ZieheWurzel(Pot(x, 2), 2), betrag);
    EXPECT_EQ(ZieheWurzel(Pot(x, 4), 2), Pot(x, 2));
    EXPECT_EQ(ZieheWurzel(Pot(x, -2), 2), Pot(betrag, -1));
    EXPECT_EQ(ZieheWurzel(WurzelTerm(x, 2), 3), WurzelTerm(x, 6));
    EXPECT_EQ(ZieheWurzel(x, 1), x);
    EXPECT_EQ(ZieheWurzel(Op(x, '+', Eins), 3), WurzelTerm(Op(x, '+', Eins), 3));
    EXPECT_EQ(ZieheWurzel(K(9), 2), Drei);
}

TEST_F(Potenzen, Werte) {
    TTerm* x = X();
    struct Fall {
        TTerm* t;
        Extended x;
        bool definiert;
        Extended wert;
    };
    const Fall faelle[] = {
        {Pot(x, 1, 3), -8, false, 0},     {Pot(x, 1, 3), 8, true, 2},      {Pot(x, -2), 0, false, 0},
        {Pot(x, 0), 0, true, 1},          {Pot(x, 2, 3), 0, true, 0},      {Pot(x, -1, 2), 0, false, 0},
        {Pot(x, 3), -2, true, -8},        {Pot(x, -3), 2, true, 0.125L},   {Pot(x, 1000000000000LL), 1, true, 1},
        {Pot(x, 1000000000000LL), 0.5L, true, 0}, {Pot(x, 1000000000000LL), 2, false, 0},
        {Pot(x, -1000000000000LL), 0.5L, false, 0},
    };
    for (const auto& f : faelle) {
        bool d = !f.definiert;
        Extended w = W(f.t, f.x, d);
        EXPECT_EQ(d, f.definiert) << f.t->Text << " bei " << double(f.x);
        if (f.definiert) {
            EXPECT_NEAR(double(w), double(f.wert), 1e-15) << f.t->Text;
        }
    }
}

TEST_F(Potenzen, AbleitungGegenDifferenzenquotient) {
    TTerm* x = X();
    std::vector<TTerm*> basen = {x, Op(Op(Zwei, '*', x), '+', Eins), Op(Pot(x, 2), '+', Eins), Op(x, '-', Drei)};
    const TBruch exponenten[] = {{-2, 1}, {-1, 1}, {1, 2}, {2, 3}, {3, 1}, {2, 1}, {1, 1}, {0, 1}, {-3, 2}};
    const Extended stellen[] = {-1.7L, -0.4L, 0.3L, 1.1L, 2.6L, 4.2L};
    int geprueft = 0;
    for (TTerm* b : basen)
        for (const TBruch& e : exponenten) {
            TTerm* p = PotenzTerm(b, e);
            TTerm* a = p->Ableitung();
            for (Extended t : stellen) {
                const Extended h = 1e-6L;
                bool d1, d2, d3;
                Extended links = p->Wert(t - h, d1), rechts = p->Wert(t + h, d2);
                Extended abl = a->Wert(t, d3);
                if (!d1 || !d2) continue;
                ASSERT_TRUE(d3) << a->Text << " bei " << double(t);
                Extended dq = (rechts - links) / (2 * h);
                EXPECT_NEAR(double(abl), double(dq), 1e-5 * (1 + std::fabs(double(dq)))) << p->Text << " bei " << double(t);
                ++geprueft;
            }
        }
    EXPECT_GT(geprueft, 120);
    EXPECT_EQ(Pot(x, 3)->Ableitung(), Op(K(3), '*', Pot(x, 2)));
    EXPECT_EQ(Pot(x, 2)->Ableitung(), Op(Zwei, '*', x));
    EXPECT_EQ(Pot(x, 1)->Ableitung(), Eins);
    EXPECT_EQ(Pot(Drei, 1, 2)->Ableitung(), Null);
}

TEST_F(Potenzen, GleichheitOrdnungUmkehrung) {
    TTerm* x = X();
    TTerm* a = Pot(x, 2);
    EXPECT_TRUE(a->IstGleich(Pot(x, 4, 2)));
    EXPECT_FALSE(a->IstGleich(Pot(x, 3)));
    EXPECT_TRUE(Pot(x, 2)->IstKleiner(Pot(x, 3)));
    EXPECT_FALSE(Pot(x, 3)->IstKleiner(Pot(x, 2)));
    EXPECT_TRUE(Pot(x, 2)->IstKleiner(Pot(Op(x, '+', Eins), 2)) != Pot(Op(x, '+', Eins), 2)->IstKleiner(Pot(x, 2)));
    EXPECT_FALSE(Pot(x, 2)->IstKleiner(Op(x, '+', Eins)));
    EXPECT_TRUE(Op(x, '+', Eins)->IstKleiner(Pot(x, 2)));
    EXPECT_TRUE(Pot(x, 2)->IstKleiner(WurzelTerm(x, 2)));
    // The inverse of x^3 is x^(1/3); x^0 has none.
    EXPECT_EQ(Pot(x, 3)->Umkehrfunktion(), Pot(x, 1, 3));
    EXPECT_EQ(Pot(x, 0)->Umkehrfunktion(), nullptr);
    // Replacing x by a number folds the power.
    EXPECT_EQ(Pot(x, 2)->Ersetze(x, Drei), K(9));
    EXPECT_EQ(Pot(x, 2)->Einsetzen(K(-2)), Vier);
    EXPECT_EQ(Pot(x, 2)->Ersetze(Pot(x, 2), Zwei), Zwei);
}

TEST_F(Potenzen, GleichungenUndIhreLoesungen) {
    TTerm* x = X();
    struct Fall {
        TTerm* t;
        TTerm* c;
        uint8_t status;
        int anzahl;
    };
    const Fall faelle[] = {
        {Pot(x, 2), Vier, wahr, 2},
        {Pot(x, 2), MinusEins, wahr, 0},
        {Pot(x, -1), Vier, wahr, 1},
        {Pot(x, 3), K(-8), wahr, 1},
        {Pot(x, -2), K(1, 9), wahr, 2},
        {Pot(x, -2), K(-1, 9), wahr, 0},
        {Pot(x, 1, 2), Drei, wahr, 1},
        {Pot(x, 1, 2), MinusEins, wahr, 0},
        {Pot(x, 2), Null, wahr, 1},
        {Pot(x, -1), Null, wahr, 0},
        {Pot(Op(x, '-', Eins), 2), K(9), wahr, 2},
        {Pot(x, 0), Eins, falsch, 0},
        {Pot(x, 0), Drei, wahr, 0},
    };
    for (const auto& f : faelle) {
        TSListe* liste = nullptr;
        uint8_t status = 9;
        static_cast<TTTerm*>(f.t)->LoeseGleichung(f.c, MengeR, false, status, liste);
        ASSERT_NE(liste, nullptr) << f.t->Text;
        EXPECT_EQ(status, f.status) << f.t->Text << " = " << f.c->Text;
        ASSERT_EQ(liste->Anzahl, f.anzahl) << f.t->Text << " = " << f.c->Text;
        bool d;
        Extended c = f.c->Wert(0, d);
        for (Int32 i = 1; i <= liste->Anzahl; ++i) {
            Extended s = liste->Stellen[i]->Punkt->Wert(0, d);
            bool dt;
            EXPECT_NEAR(double(f.t->Wert(s, dt)), double(c), 1e-12) << f.t->Text;
            EXPECT_TRUE(dt);
        }
    }
    // x^2 = 0 is a double zero.
    TSListe* liste = nullptr;
    uint8_t status;
    static_cast<TTTerm*>(Pot(x, 2))->LoeseGleichung(Null, MengeR, false, status, liste);
    ASSERT_EQ(liste->Anzahl, 1);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 2);
}

TEST_F(Potenzen, NullstellenOhneNullstellen) {
    TTerm* x = X();
    for (TTerm* t : {Pot(x, 0), Pot(x, -1), Pot(Op(x, '+', Eins), -2)}) {
        TSListe* liste = nullptr;
        uint8_t status = 9;
        static_cast<TTTerm*>(t)->Nullstellen(MengeR, liste, false, status);
        EXPECT_EQ(status, wahr) << t->Text;
        ASSERT_NE(liste, nullptr);
        EXPECT_EQ(liste->Anzahl, 0);
    }
}

TEST_F(Potenzen, RationalePotenzenErkennen) {
    struct Fall {
        TTerm* t;
        bool ok;
        Int64 basis;
        TBruch e;
    };
    const Fall faelle[] = {
        {K(8), true, 2, {3, 1}},          {K(1, 8), true, 2, {-3, 1}},   {K(12), true, 12, {1, 1}},
        {K(36), true, 6, {2, 1}},         {Eins, true, 1, {0, 1}},        {K(2, 3), false, 0, {}},
        {K(-4), false, 0, {}},            {Pot(Vier, 1, 2), true, 2, {1, 1}},
        {WurzelTerm(K(8), 3), true, 2, {1, 1}},
        {OperatorTerm(Zwei, Pot(Zwei, 1, 2), '*'), true, 2, {3, 2}},
        {OperatorTerm(Pot(Zwei, 1, 2), Pot(Drei, 1, 2), '*'), true, 6, {1, 2}},
        {OperatorTerm(Zwei, Drei, '+'), false, 0, {}},
        {VariableX, false, 0, {}},
    };
    for (const auto& f : faelle) {
        Int64 b = 0;
        TBruch e;
        EXPECT_EQ(IstRationalePotenz(f.t, b, e), f.ok) << f.t->Text;
        if (f.ok) {
            EXPECT_EQ(b, f.basis) << f.t->Text;
            EXPECT_TRUE(Brueche::Gleich(e, f.e)) << f.t->Text << " " << Brueche::BruchToStr(e);
        }
    }
}

TEST_F(Potenzen, FaltungVonPotenzenMitKumuliere) {
    TTerm* x = X();
    TTerm* t = Pot(Pot(x, 2), 1, 2);
    Kumuliere(t);
    EXPECT_EQ(t, StandardFunktionTerm("abs", x));
    TTerm* u = Op(Pot(StandardFunktionTerm("sqrt", x), 2), '+', Pot(Vier, 1, 2));
    Kumuliere(u);
    EXPECT_EQ(u, Op(x, '+', Zwei)) << u->Text;
}

TEST_F(Potenzen, StammfunktionAbgeleitetErgibtIntegrand) {
    TTerm* x = X();
    std::vector<TTerm*> terme = {Pot(x, 3), Pot(x, -2), Pot(x, 1, 2), Pot(Drei, 2), Pot(x, 2, 3)};
    for (TTerm* t : terme) {
        TTerm* F = t->Integral(nullptr, nullptr);
        ASSERT_NE(F, nullptr) << t->Text;
        TTerm* f = F->Ableitung();
        for (Extended s : {0.5L, 1.5L, 3.0L}) {
            bool d1, d2;
            EXPECT_NEAR(double(f->Wert(s, d1)), double(t->Wert(s, d2)), 1e-12) << t->Text;
        }
    }
}

} // namespace
