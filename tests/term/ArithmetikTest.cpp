// Term arithmetic: the laws in their order, results against the values of the operation, division by a
// factor, the folding passes (value kept, fixed point, no division by zero), KAK/KMK, linear terms.
#include <gtest/gtest.h>

#include <vector>

#include "term/Funktionen.h"
#include "term/Punktlisten.h"
#include "term/Rundungsschranke.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Arithmetik = ZolTest;

TEST_F(Arithmetik, ErgebnisHatDenWertDerVerknuepfung) {
    TTerm* x = X();
    const std::vector<TTerm*> terme = {Null,
                                       Eins,
                                       K(-2),
                                       K(7, 3),
                                       x,
                                       Pot(x, 2),
                                       Op(x, '+', Eins),
                                       Op(Zwei, '*', x),
                                       Pot(x, 1, 2),
                                       Pot(Op(x, '-', Eins), -1)};
    for (TTerm* a : terme)
        for (TTerm* b : terme)
            for (char op : {'+', '-', '*', '/'}) {
                TTerm* r = ArOp(a, b, op);
                ASSERT_NE(r, nullptr);
                for (Extended t : {-2.5L, -0.3L, 0.0L, 0.7L, 2.0L, 3.25L}) {
                    auto va = Wert(a, t), vb = Wert(b, t);
                    if (!va || !vb || (op == '/' && *vb == 0)) continue;
                    const Extended soll = op == '+'   ? *va + *vb
                                          : op == '-' ? *va - *vb
                                          : op == '*' ? *va * *vb
                                                      : *va / *vb;
                    auto vr = Wert(r, t);
                    ASSERT_TRUE(vr) << a->Text << op << b->Text << " = " << r->Text << " bei " << double(t);
                    EXPECT_TRUE(Nahe(*vr, soll, 1e-12L)) << a->Text << op << b->Text << " = " << r->Text;
                }
            }
}

TEST_F(Arithmetik, DividiereDurchFaktorGibtDenKofaktor) {
    TTerm* x = X();
    TTerm* x1 = Op(x, '+', Eins);
    const std::pair<TTerm*, TTerm*> teilbar[] = {
        {Pot(x, 3), x},         {Op(Op(Zwei, '*', x), '+', Op(Vier, '*', x)), x},
        {Op(x, '*', x1), x1},   {Op(x1, '/', x), x1},
        {Pot(x, 3), Pot(x, 2)}, {x1, x1},
        {Pot(x1, 3), x1}};
    for (auto [t, f] : teilbar) {
        TTerm* q = DividiereDurchFaktor(t, f);
        ASSERT_NE(q, nullptr) << t->Text << " / " << f->Text;
        EXPECT_TRUE(WertGleich(t, Produkt(q, f))) << t->Text;
    }
    EXPECT_EQ(DividiereDurchFaktor(x1, x), nullptr);
    EXPECT_EQ(DividiereDurchFaktor(Op(x, '/', x1), x1), nullptr);
    EXPECT_EQ(DividiereDurchFaktor(Pot(x, 2), Pot(x, 3)), nullptr);
}

TEST_F(Arithmetik, KumuliereErhaeltDenWertUndErreichtEinenFixpunkt) {
    TTerm* x = X();
    const std::vector<TTerm*> terme = {
        Op(Op(x, '+', Zwei), '+', Drei),
        Op(Op(Zwei, '*', x), '+', Op(Vier, '*', x)),
        Op(Op(Drei, '*', x), '*', Op(Zwei, '*', x)),
        Op(Op(Op(Eins, '+', Eins), '*', x), '-', Op(K(6), '*', Pot(x, 2))),
        Op(Pot(Op(Zwei, '+', Eins), 2), '+', x),
        Op(Op(K(4), '*', x), '/', Op(K(6), '*', Pot(x, 3))),
        Pot(Pot(x, 2), 3),
        Op(Op(x, '-', K(5)), '-', Op(x, '+', K(-2))),
    };
    const Extended proben[] = {-2.5L, -1, -0.3L, 0, 0.7L, 1, 2, 3.25L};
    for (TTerm* t : terme) {
        // The values before the folding, which works in place.
        const std::string text = t->Text;
        const Int32 knoten = t->Knotenzahl;
        std::vector<std::optional<Extended>> vorher;
        for (Extended p : proben) vorher.push_back(Wert(t, p));
        TTerm* k = t;
        Kumuliere(k);
        EXPECT_TRUE(k->Zustand & TermKumuliert) << text;
        EXPECT_LE(k->Knotenzahl, knoten) << text;
        for (size_t i = 0; i < std::size(proben); ++i) {
            auto w = Wert(k, proben[i]);
            ASSERT_EQ(w.has_value(), vorher[i].has_value()) << text << " -> " << k->Text;
            EXPECT_TRUE(!w || Nahe(*w, *vorher[i])) << text << " -> " << k->Text;
        }
        TTerm* nochmal = k;
        Kumuliere(nochmal);
        EXPECT_EQ(nochmal, k) << text;
    }
    // Folding does not divide by zero.
    TTerm* k = Op(Op(Zwei, '*', x), '/', Op(Null, '*', x));
    EXPECT_NO_THROW(Kumuliere(k));
    TTerm* q = Pot(Op(Null, '+', Null), -1);
    EXPECT_NO_THROW(Kumuliere(q));
    EXPECT_FALSE(Wert(q, 1));
    // (x^2)^(1/2) folds to |x|, sqrt(x)^2 + 4^(1/2) to x + 2.
    TTerm* t = Pot(Pot(x, 2), 1, 2);
    Kumuliere(t);
    EXPECT_EQ(t, StandardFunktionTerm("abs", x));
    TTerm* u = Op(Pot(StandardFunktionTerm("sqrt", x), 2), '+', Pot(Vier, 1, 2));
    Kumuliere(u);
    EXPECT_EQ(u, Op(x, '+', Zwei)) << u->Text;
}

// T = Rest + C and T = F * Rest; a power that folds to a constant counts as constant.
TEST_F(Arithmetik, KAKundKMKZerlegen) {
    TTerm* x = X();
    TTerm* t = Op(Op(x, '+', Drei), '-', Pot(Op(Eins, '+', Eins), 2));
    TTerm* rest;
    TBruch c;
    KAK(t, rest, c);
    EXPECT_TRUE(Brueche::Gleich(c, TBruch{-1, 1})) << Brueche::BruchToStr(c);
    EXPECT_TRUE(WertGleich(t, Summe(rest, RationaleKonstante(c))));
    TTerm* u = Op(Op(K(6), '*', x), '+', Op(K(9), '*', Pot(x, 2)));
    KMK(u, rest, c);
    EXPECT_TRUE(Brueche::Gleich(c, TBruch{3, 1}));
    EXPECT_TRUE(WertGleich(u, Produkt(RationaleKonstante(c), rest)));
}

// m*x + n has the values of the term; other terms are not linear and nothing is written back.
TEST_F(Arithmetik, LineareTerme) {
    for (const char* text : {"3*x+1", "-x", "x/4-2", "2*(x-3)", "(x^2-1)/(x+1)", "x^2-(x-1)*(x+1)+x"}) {
        TTerm* T = Lies(text);
        TTerm *m = nullptr, *n = nullptr;
        ASSERT_TRUE(IstLinear(T, m, n)) << text;
        ASSERT_TRUE(m && n && m->IstKonstant && n->IstKonstant) << text;
        EXPECT_TRUE(WertGleich(T, Op(Op(m, '*', X()), '+', n))) << text;
    }
    for (const char* text : {"x^2", "5", "0*x+2", "1/x", "x^(1/2)", "x-x", "x;2*x"}) {
        TTerm *m = Eins, *n = Eins;
        EXPECT_FALSE(IstLinear(Lies(text), m, n)) << text;
        EXPECT_TRUE(m == Eins && n == Eins) << text;
    }
}

} // namespace

// Terms that are 0 wherever they have a value leave rounding noise within their bound; terms that are not 0,
// however small, stay outside it.
TEST_F(Arithmetik, RundungsschrankeTrenntNullVonKleinenWerten) {
    const std::pair<const char*, bool> faelle[] = {
        {"sin(x)^2+cos(x)^2-1", true},
        {"(x+1/3)^2-x^2-2/3*x-1/9", true},
        {"e^(ln(x))-x", true},
        {"sqrt(x)^2-x", true},
        {"cos(x)*sin(x)*cos(x)*(1-sin(x)^2)^(-3/2)-sin(x)*(1-sin(x)^2)^(-1/2)", true},
        {"sin(x)^2+cos(x)^2-1;e^(ln(x))-x", true},
        {"sin(x)^2+cos(x)^2-1+x/10^14", false},
        {"(x-1)^3", false},
        {"e^(-40*x)", false},
        {"(x+1/3)^2-x^2-2/3*x-1/9+1/10^13", false}};
    for (const auto& [f, null] : faelle)
        for (Extended x : {0.3L, 1.7L, 2.9L, 40.1L}) {
            TTerm* T = Lies(f);
            auto w = Wert(T, x);
            ASSERT_TRUE(w) << f;
            EXPECT_EQ(IstRundungsnull(T, x, 0, *w), null) << f << " at " << double(x) << ": " << double(*w);
        }
}
