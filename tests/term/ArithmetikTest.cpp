#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

class Arithmetik : public ZolTest {
protected:
    static const std::vector<Extended>& Proben() {
        static const std::vector<Extended> p = {-2.5L, -1, -0.3L, 0, 0.7L, 1, 2, 3.25L};
        return p;
    }
    // Equal values wherever both are defined, and defined at the same points.
    static void ErwarteGleicheWerte(TTerm* a, TTerm* b, const std::string& was) {
        for (Extended x : Proben()) {
            bool da = false, db = false;
            Extended wa = a->Wert(x, da), wb = b->Wert(x, db);
            EXPECT_EQ(da, db) << was << " bei x=" << double(x);
            if (da && db) {
                EXPECT_NEAR(double(wa), double(wb), 1e-9 * (1 + std::fabs(double(wb)))) << was;
            }
        }
    }
};

TEST_F(Arithmetik, GesetzeInIhrerReihenfolge) {
    TTerm* x = X();
    TTerm* x1 = Op(x, '+', Eins);
    struct Fall {
        const char* name;
        TTerm* ergebnis;
        TTerm* erwartet;
    };
    const Fall faelle[] = {
        {"0*T", Produkt(Null, x1), Null},
        {"0+T", Summe(Null, x1), x1},
        {"0-T", Differenz(Null, x1), x1->Negation()},
        {"0/T", Quotient(Null, x1), Null},
        {"0/0 (Gesetz 1 vor 3)", Quotient(Null, Null), Null},
        {"0+(-3) (Gesetz 1 vor 8)", Summe(Null, K(-3)), K(-3)},
        {"1*T", Produkt(Eins, x1), x1},
        {"T*0", Produkt(x1, Null), Null},
        {"T+0", Summe(x1, Null), x1},
        {"T-0", Differenz(x1, Null), x1},
        {"T/0", Quotient(x, Null), Op(x, '/', Null)},
        {"T*1", Produkt(x1, Eins), x1},
        {"T/1", Quotient(x1, Eins), x1},
        {"1/2+1/3", Summe(EinHalb, EinDrittel), K(5, 6)},
        {"2+(-3) (Gesetz 5 vor 8)", Summe(Zwei, K(-3)), MinusEins},
        {"3/4 / (-3/2)", Quotient(K(3, 4), K(-3, 2)), K(-1, 2)},
        {"x+(-3)", Summe(x, K(-3)), Op(x, '-', Drei)},
        {"x-(-3)", Differenz(x, K(-3)), Op(x, '+', Drei)},
        {"x*(-3) bleibt", Produkt(x, K(-3)), Op(x, '*', K(-3))},
        {"x+x", Summe(x, x), Op(Zwei, '*', x)},
        {"x-x", Differenz(x, x), Null},
        {"x/x", Quotient(x, x), Eins},
        {"x*x", Produkt(x, x), Pot(x, 2)},
        {"x+1 sonst", Summe(x, Eins), x1},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.ergebnis, f.erwartet) << f.name;
    // The rational law gives the shared constant for 1/2 + 1/2.
    EXPECT_EQ(Summe(EinHalb, EinHalb), Eins);
    EXPECT_EQ(ArOp(nullptr, x, '+'), nullptr);
    EXPECT_EQ(ArOp(x, nullptr, '*'), nullptr);
    EXPECT_EQ(ArOp(nullptr, nullptr, '/'), nullptr);
}

TEST_F(Arithmetik, ExponentialGesetze) {
    TTerm* x = X();
    TTerm* e1 = StandardFunktionTerm("exp", x);
    TTerm* e2 = StandardFunktionTerm("exp", Op(Zwei, '*', x));
    EXPECT_EQ(Produkt(e1, e2), StandardFunktionTerm("exp", Op(x, '+', Op(Zwei, '*', x))));
    // Only a product of two exp terms is joined.
    EXPECT_EQ(Summe(e1, e2), Op(e1, '+', e2));
    auto* a1 = Neu<TAllgemeineExponentialFunktion>(TBruch{2, 1}, x);
    auto* a2 = Neu<TAllgemeineExponentialFunktion>(TBruch{4, 2}, Pot(x, 2));
    auto* a3 = Neu<TAllgemeineExponentialFunktion>(TBruch{3, 1}, x);
    TTerm* p = Produkt(a1, a2);
    ASSERT_TRUE(IstAllgemeineExponentialFunktion(p));
    EXPECT_EQ(static_cast<TFunktion*>(p)->Argument, Op(x, '+', Pot(x, 2)));
    EXPECT_EQ(p->Text, "(2^(x+(x^2)))");
    EXPECT_EQ(Produkt(a1, a3), Op(a1, '*', a3));
    EXPECT_THROW(Neu<TAllgemeineExponentialFunktion>(TBruch{0, 1}, x), ETermFehler);
    EXPECT_THROW(Neu<TAllgemeineExponentialFunktion>(TBruch{-2, 1}, x), ETermFehler);
}

TEST_F(Arithmetik, ErgebnisHatDenWertDerVerknuepfung) {
    TTerm* x = X();
    std::vector<TTerm*> terme = {Null,        Eins,          MinusEins,     K(-2),
                                 K(7, 3),     x,             Pot(x, 2),     Op(x, '+', Eins),
                                 Op(Zwei, '*', x), Op(x, '-', K(3)), Pot(x, 1, 2), Pot(Op(x, '-', Eins), -1)};
    const char ops[] = {'+', '-', '*', '/'};
    for (TTerm* a : terme)
        for (TTerm* b : terme)
            for (char op : ops) {
                TTerm* r = ArOp(a, b, op);
                ASSERT_NE(r, nullptr);
                for (Extended t : Proben()) {
                    bool da, db, dr;
                    Extended va = a->Wert(t, da), vb = b->Wert(t, db);
                    if (!da || !db) continue;
                    if (op == '/' && vb == 0) continue;
                    Extended erwartet = op == '+' ? va + vb : op == '-' ? va - vb : op == '*' ? va * vb : va / vb;
                    Extended vr = r->Wert(t, dr);
                    ASSERT_TRUE(dr) << a->Text << op << b->Text << " bei " << double(t);
                    EXPECT_NEAR(double(vr), double(erwartet), 1e-12 * (1 + std::fabs(double(erwartet))))
                        << a->Text << op << b->Text << " = " << r->Text;
                }
            }
}

TEST_F(Arithmetik, DividiereDurchFaktor) {
    TTerm* x = X();
    TTerm* x1 = Op(x, '+', Eins);
    struct Fall {
        TTerm* t;
        TTerm* f;
        TTerm* erwartet;
    };
    const Fall teilbar[] = {
        {Pot(x, 3), x, Pot(x, 2)},
        {Op(Op(Zwei, '*', x), '+', Op(Vier, '*', x)), x, K(6)},
        {Op(x, '*', x1), x1, x},
        {Op(x1, '/', x), x1, Op(Eins, '/', x)},
        {Pot(x, 3), Pot(x, 2), x},
        {x1, x1, Eins},
    };
    for (const auto& f : teilbar) {
        TTerm* q = DividiereDurchFaktor(f.t, f.f);
        ASSERT_NE(q, nullptr) << f.t->Text << " / " << f.f->Text;
        EXPECT_EQ(q, f.erwartet) << q->Text;
        ErwarteGleicheWerte(Produkt(q, f.f), f.t, f.t->Text);
    }
    // (x+1)^3 / (x+1) by the power rule.
    TTerm* kubik = Pot(x1, 3);
    TTerm* q = DividiereDurchFaktor(kubik, x1);
    ASSERT_NE(q, nullptr);
    ErwarteGleicheWerte(Produkt(q, x1), kubik, "(x+1)^3");
    EXPECT_EQ(DividiereDurchFaktor(x1, x), nullptr);
    EXPECT_EQ(DividiereDurchFaktor(Op(x, '/', x1), x1), nullptr);
    EXPECT_EQ(DividiereDurchFaktor(Pot(x, 2), Pot(x, 3)), nullptr);
}

TEST_F(Arithmetik, VorzeichenUndOperatoren) {
    TTerm* x = X();
    EXPECT_TRUE(HatOperator(Op(x, '+', Eins), "+-"));
    EXPECT_FALSE(HatOperator(Op(x, '*', Eins), "+-"));
    EXPECT_FALSE(HatOperator(x, "+-*/"));
    EXPECT_TRUE(HatNegativesVorzeichen(K(-1, 2)));
    EXPECT_FALSE(HatNegativesVorzeichen(K(1, 2)));
    EXPECT_TRUE(HatNegativesVorzeichen(Op(Op(K(-2), '*', x), '*', x)));
    EXPECT_FALSE(HatNegativesVorzeichen(Op(x, '*', K(-2))));
    EXPECT_FALSE(HatNegativesVorzeichen(Op(K(-2), '+', x)));
    EXPECT_EQ(KonstantePi(), BenannteKonstante("pi"));
    TTerm* neu = NeueBruchkonstante(2, 4);
    EXPECT_NE(neu, EinHalb);
    EXPECT_TRUE(neu->IstGleich(EinHalb));
}

TEST_F(Arithmetik, KumuliereErreichtEinenFixpunktUndErhaeltDenWert) {
    TTerm* x = X();
    std::vector<TTerm*> terme = {
        Op(Op(x, '+', Zwei), '+', Drei),
        Op(Op(Zwei, '*', x), '+', Op(Vier, '*', x)),
        Op(Op(Drei, '*', x), '*', Op(Zwei, '*', x)),
        Op(Op(Op(Eins, '+', Eins), '*', x), '-', Op(K(6), '*', Pot(x, 2))),
        Op(Pot(Op(Zwei, '+', Eins), 2), '+', x),
        Op(Op(K(4), '*', x), '/', Op(K(6), '*', Pot(x, 3))),
        Pot(Pot(x, 2), 3),
        Pot(Op(Zwei, '*', x), 2),
        Op(Op(K(1, 2), '*', x), '+', Op(K(1, 3), '*', x)),
        Op(Op(x, '-', K(5)), '-', Op(x, '+', K(-2))),
    };
    for (TTerm* t : terme) {
        const std::string text = t->Text;
        // Remember the values before the in-place folding.
        std::vector<std::pair<bool, Extended>> vorher;
        for (Extended p : Proben()) {
            bool d;
            Extended w = t->Wert(p, d);
            vorher.push_back({d, w});
        }
        TTerm* k = t;
        Kumuliere(k);
        EXPECT_TRUE(k->Zustand & TermKumuliert) << text;
        EXPECT_LE(k->Knotenzahl, t->Knotenzahl) << text;
        for (size_t i = 0; i < Proben().size(); ++i) {
            bool d;
            Extended w = k->Wert(Proben()[i], d);
            EXPECT_EQ(d, vorher[i].first) << text << " -> " << k->Text;
            if (d) {
                EXPECT_NEAR(double(w), double(vorher[i].second), 1e-9 * (1 + std::fabs(double(w)))) << text;
            }
        }
        TTerm* nochmal = k;
        Kumuliere(nochmal);
        EXPECT_EQ(nochmal, k) << text;
    }
    TTerm* t = Op(Op(x, '+', Zwei), '+', Drei);
    Kumuliere(t);
    EXPECT_EQ(t, Op(x, '+', K(5)));
    // The common factor is split off; collecting like terms is left to the normal forms.
    TTerm* s = Op(Op(Zwei, '*', x), '+', Op(Vier, '*', x));
    Kumuliere(s);
    EXPECT_EQ(s, Op(Zwei, '*', Op(x, '+', Op(Zwei, '*', x)))) << s->Text;
}

TEST_F(Arithmetik, FaltungTeiltNichtDurchNull) {
    TTerm* x = X();
    // A quotient whose divisor has the factor 0 stays unfolded.
    TTerm* t = Op(Op(Zwei, '*', x), '/', Op(Null, '*', x));
    TTerm* k = t;
    EXPECT_NO_THROW(Kumuliere(k));
    // 0 to a negative power is not folded.
    TTerm* p = Pot(Op(Null, '+', Null), -1);
    TTerm* q = p;
    EXPECT_NO_THROW(Kumuliere(q));
    bool d = true;
    q->Wert(1, d);
    EXPECT_FALSE(d);
}

TEST_F(Arithmetik, KAKundKMKZerlegen) {
    TTerm* x = X();
    TTerm* t = Op(Op(x, '+', Drei), '-', Pot(Op(Eins, '+', Eins), 2));
    TTerm* rest;
    TBruch c;
    KAK(t, rest, c);
    // T = Rest + C.
    EXPECT_TRUE(Brueche::Gleich(c, TBruch{-1, 1})) << Brueche::BruchToStr(c);
    ErwarteGleicheWerte(Summe(rest, RationaleKonstante(c)), t, "KAK");
    TTerm* u = Op(Op(K(6), '*', x), '+', Op(K(9), '*', Pot(x, 2)));
    TBruch f;
    KMK(u, rest, f);
    EXPECT_TRUE(Brueche::Gleich(f, TBruch{3, 1}));
    ErwarteGleicheWerte(Produkt(RationaleKonstante(f), rest), u, "KMK");
}

} // namespace
