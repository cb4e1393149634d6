// Operator terms: derived fields, values with undefined points, derivatives and antiderivatives against
// values, equality and order, substitution, inverses, equations and zeros substituted back, the
// definition range from the operands, symmetry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "output/Ausgabe.h"
#include "steps/Nullstel.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/NurTerm.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using OperatorTerme = ZolTest;

TTTerm* TT(TTerm* t) {
    return static_cast<TTTerm*>(t);
}

TEST_F(OperatorTerme, WerteMitUndefiniertenStellen) {
    TTerm* a = BenannteKonstante("a");
    const std::tuple<TTerm*, Extended, std::optional<Extended>> faelle[] = {
        {Op(X(), '-', K(1, 2)), 2, 1.5L},
        {Op(Op(X(), '-', Eins), '/', X()), 2, 0.5L},
        {Op(Op(X(), '-', Eins), '/', X()), 0, std::nullopt},
        {Op(Eins, '/', Op(X(), '*', X())), -2, 0.25L},
        {Op(X(), '*', a), 0, std::nullopt},
        {Op(Op(X(), '/', X()), '+', Eins), 0, std::nullopt},
        // A result beyond the range of the reals is no value.
        {Op(Op(X(), '*', X()), '*', Op(X(), '*', X())), 1e3000L, std::nullopt},
    };
    for (const auto& [t, an, soll] : faelle) EXPECT_EQ(Wert(t, an), soll) << t->Text << " bei " << double(an);
    auto* ohne = Neu<TOperatorTerm>(X(), '+', Eins);
    ohne->T2 = nullptr;
    EXPECT_FALSE(Wert(ohne, 1));
    EXPECT_EQ(ohne->Einsetzen(Eins), nullptr);
}

TEST_F(OperatorTerme, AbleitungenUndStammfunktionenGegenWerte) {
    TTerm* q = Op(X(), '*', X());
    TTerm* x1 = Op(X(), '+', Eins);
    TTerm* x2 = Op(X(), '-', Zwei);
    TTerm* s = Op(Zwei, '*', x1);
    const std::vector<TTerm*> terme = {
        Op(q, '-', Op(q, '*', X())),
        Op(Op(x1, '*', x2), '*', Op(q, '+', Drei)),
        Op(Op(K(1, 3), '*', Op(q, '*', X())), '-', Op(K(-2, 5), '*', x1)),
        Op(Op(x2, '/', Drei), '*', Op(K(2), '*', x1)),
        Op(s, '/', q),
        // Quotients with a constant numerator go through the term arithmetic and powers.
        Op(K(-5, 2), '/', X()),
        Op(Drei, '/', PotenzTerm(s, 3)),
        Op(Zwei, '/', PotenzTerm(s, TBruch{1, 2})),
        Op(Zwei, '/', Op(q, '+', Eins)),
    };
    for (TTerm* f : terme) EXPECT_TRUE(IstAbleitung(f->Ableitung(), f, {-2.5L, -1, 0, 0.5L, 1.75L, 3}));
    // Antiderivatives differentiated back give the integrand.
    const std::pair<TTerm*, std::vector<Extended>> integranden[] = {
        {Op(Op(X(), '/', Vier), '-', Drei), {-1, 0.5L, 2}},
        {Op(Eins, '/', Op(Op(Zwei, '*', X()), '+', Eins)), {-3, 0, 2}},
        {Op(Drei, '/', PotenzTerm(Op(Op(Zwei, '*', X()), '+', Eins), 3)), {-3, 0, 2}},
        {Op(K(5), '/', StandardFunktionTerm("abs", x2)), {-1, 1, 3, 6}},
        {Op(Zwei, '/', WurzelTerm(Op(Op(Drei, '*', X()), '+', Eins), 3)), {0.5L, 2, 7}},
        {Op(Drei, '/', StandardFunktionTerm("sqrt", X())), {0.25L, 1, 9}},
        {Op(Eins, '/', StandardFunktionTerm("sqrt", Op(Op(q, '+', Op(Zwei, '*', X())), '+', K(5)))),
         {-4, 0, 3}},
        {Op(Eins, '/', StandardFunktionTerm("sqrt", Op(q, '-', Vier))), {2.5L, 3, 8}},
        {Op(Zwei, '/', StandardFunktionTerm("sqrt", Op(Vier, '-', q))), {-1.5L, 0, 1.9L}},
    };
    for (const auto& [f, stellen] : integranden) {
        TTerm* F = f->Integral(nullptr, nullptr);
        ASSERT_NE(F, nullptr) << f->Text;
        EXPECT_TRUE(IstAbleitung(f, F, stellen)) << F->Text;
    }
    // Definite integrals are the values of the integral.
    const std::tuple<TTerm*, TTerm*, TTerm*, Extended> bestimmt[] = {
        {Op(X(), '+', Eins), Null, Eins, 1.5L},
        {Op(Eins, '/', Op(Op(Zwei, '*', X()), '+', Eins)), Eins, Zwei, std::log(5.0L / 3.0L) / 2},
        {Op(Eins, '/', StandardFunktionTerm("sqrt", Op(Vier, '-', q))), MinusEins, Eins,
         std::numbers::pi_v<Extended> / 3},
    };
    for (const auto& [f, a, b, soll] : bestimmt) {
        TTerm* I = f->Integral(a, b);
        ASSERT_TRUE(I && I->IstKonstant) << f->Text;
        EXPECT_TRUE(Nahe(*Wert(I), soll, 1e-12L)) << f->Text;
    }
    // A nowhere defined integrand, or one with a gap inside the bounds, ends the step.
    for (auto [f, a, b] :
         {std::tuple{Op(Eins, '/', StandardFunktionTerm("sqrt", Op(Op(MinusEins, '*', q), '-', Eins))),
                     (TTerm*)nullptr, (TTerm*)nullptr},
          std::tuple{Op(Eins, '/', StandardFunktionTerm("sqrt", Op(q, '-', Vier))), K(-5), K(5)}}) {
        EXPECT_EQ(Ausnahme<ETermGoToStart>([&] { f->Integral(a, b); }), "Arbeitsschritt nicht ausführbar")
            << f->Text;
    }
}

TEST_F(OperatorTerme, ErsetzenEinsetzenUmkehrenNegieren) {
    TTerm* s = Op(X(), '+', Eins);
    TTerm* f = Op(Op(s, '*', s), '-', Op(X(), '/', Drei));
    EXPECT_EQ(f->Ersetze(s, X()), Op(Op(X(), '*', X()), '-', Op(X(), '/', Drei)));
    // f(g) has at a the value of f at g(a).
    for (TTerm* g : std::vector<TTerm*>{Drei, Op(X(), '*', X()), Op(Op(Zwei, '*', X()), '-', Eins)}) {
        TTerm* fg = f->Ersetze(X(), g);
        for (Extended a : {-1.5L, 0.0L, 2.0L})
            EXPECT_TRUE(Nahe(*Wert(fg, a), *Wert(f, *Wert(g, a)))) << fg->Text;
    }
    // A divisor that becomes 0 gives no term.
    EXPECT_EQ(Op(Eins, '/', X())->Einsetzen(Null), nullptr);
    // f(g(y)) = y for the inverse g; terms without one give nil.
    const std::vector<TTerm*> umkehrbar = {Op(Op(Zwei, '*', X()), '+', Drei), Op(K(5), '/', s),
                                           Op(Drei, '-', X()),
                                           Op(K(-3, 2), '*', Op(K(1, 2), '-', Op(X(), '/', K(5)))),
                                           Op(Op(Drei, '/', Op(Zwei, '*', s)), '-', K(1, 3))};
    for (TTerm* t : umkehrbar) {
        TTerm* g = t->Umkehrfunktion();
        ASSERT_NE(g, nullptr) << t->Text;
        for (Extended y : {-2.5L, 0.75L, 3.0L, 10.0L}) {
            auto gy = Wert(g, y);
            EXPECT_TRUE(!gy || Nahe(*Wert(t, *gy), y, 1e-12L)) << t->Text << ", " << g->Text;
        }
    }
    for (TTerm* t : {Op(X(), '*', X()), Op(Null, '*', X()), Op(X(), '/', Null), Op(Zwei, '+', Drei)})
        EXPECT_EQ(t->Umkehrfunktion(), nullptr) << t->Text;
    EXPECT_EQ(Op(MinusEins, '*', s)->Negation(), s);
    EXPECT_EQ(Op(s, '/', MinusEins)->Negation(), s);
    EXPECT_EQ(Op(K(-2, 2), '*', X())->Negation(), X());
}

// Equations undone through the constant operand, each solution substituted back; c*u = C and u/c = C with
// c of value 0 need no division.
TEST_F(OperatorTerme, Gleichungen) {
    TSListe* liste = nullptr;
    uint8_t status = 9;
    const std::tuple<TTerm*, TTerm*, uint8_t, Int32> faelle[] = {
        {Op(X(), '*', Drei), K(-5), wahr, 1},
        {Op(Drei, '+', X()), K(1, 2), wahr, 1},
        {Op(Drei, '-', X()), K(7), wahr, 1},
        {Op(Zwei, '/', X()), K(-1, 4), wahr, 1},
        {Op(X(), '/', K(3, 5)), Vier, wahr, 1},
        {Op(Op(Zwei, '*', X()), '+', Eins), K(6), wahr, 1},
        {Op(K(4), '/', Op(X(), '-', Eins)), Zwei, wahr, 1},
        {Op(Null, '*', X()), Null, falsch, 0},
        {Op(Null, '*', X()), Drei, wahr, 0},
        {Op(X(), '*', Op(Zwei, '-', Zwei)), Null, falsch, 0},
        {Op(X(), '/', Null), Drei, wahr, 0},
        {Op(X(), '/', Null), Null, wahr, 0},
        {Op(Null, '/', X()), Null, falsch, 0},
        {Op(Drei, '/', X()), Null, wahr, 0},
        // Without a constant operand no rule applies.
        {Op(X(), '*', X()), Vier, unklar, 0},
    };
    for (const auto& [t, c, s, anzahl] : faelle) {
        TT(t)->LoeseGleichung(c, IntervallR, false, status, liste);
        EXPECT_EQ(status, s) << t->Text << " = " << c->Text;
        ASSERT_EQ(liste->Anzahl, anzahl) << t->Text << " = " << c->Text;
        for (Extended l : Werte(liste))
            EXPECT_TRUE(s != wahr || Nahe(*Wert(t, l), *Wert(c), 1e-15L)) << t->Text;
    }
    // The right-hand side handed to the operand.
    auto* u = Neu<TAttrappe>();
    TT(Op(u, '-', Drei))->LoeseGleichung(Zwei, IntervallR, false, status, liste);
    TT(Op(Drei, '-', u))->LoeseGleichung(Zwei, IntervallR, false, status, liste);
    ASSERT_EQ(u->RechteSeiten.size(), 2u);
    EXPECT_TRUE(u->RechteSeiten[0]->HatWert(TBruch{5, 1}) && u->RechteSeiten[1]->HatWert(TBruch{1, 1}));
}

TEST_F(OperatorTerme, Nullstellen) {
    TSListe* liste = nullptr;
    uint8_t status = 9;
    // A factor 0 makes the product vanish for every x: no point is listed.
    TT(Op(Null, '*', X()))->Nullstellen(IntervallR, liste, false, status);
    EXPECT_TRUE(status == falsch && liste->Anzahl == 0);
    // Operands without solving operations: the warning and no zeros.
    TT(Op(Neu<TNurTerm>(), '+', X()))->Nullstellen(IntervallR, liste, false, status);
    EXPECT_EQ(liste->Anzahl, 0);
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Warnung: Term: NurT kann keine Nullstellen suchen."});
}

// A factor that divides every summand is split off, also where the cofactor is as large as the term: every
// zero found makes the term 0 put in exactly, has the multiplicity its derivatives give, the zeros known in
// advance are among them, and a list said to be complete misses no sign change on [-5, 5].
TEST_F(OperatorTerme, NullstellenNachAbspaltenEinesFaktors) {
    // {term, the zeros it has (at least), whether they are all}
    const std::tuple<const char*, std::vector<Extended>, bool> faelle[] = {
        {"x^3-x", {-1, 0, 1}, true},    {"x^3*exp(x)-x", {0}, false},
        {"x^2*e^x-x", {0}, false},      {"x*ln(x+2)-x", {0, std::numbers::e_v<Extended> - 2}, true},
        {"x^4*cos(x)-x^2", {0}, false}, {"x^5-x^3", {-1, 0, 1}, true},
        {"x^3+x", {0}, true},           {"(x-1)^3*sin(x)-(x-1)^2", {1}, false},
    };
    for (const auto& [text, erwartet, alle] : faelle) {
        TTerm* f = Lies(text);
        TSListe* liste = nullptr;
        uint8_t status = unklar;
        TT(f)->Nullstellen(IntervallR, liste, false, status);
        ASSERT_NE(liste, nullptr) << text;
        const std::vector<Extended> gefunden = Werte(liste);
        for (Int32 i = 1; i <= liste->Anzahl; ++i) {
            TTerm* x0 = liste->Stellen[i]->Punkt;
            EXPECT_TRUE(TermVerschwindetIn(f, x0)) << text << " in " << x0->Text;
            const Int32 m = liste->Stellen[i]->Vielfachheit;
            if (m > 0) {
                EXPECT_EQ(VielfachheitDurchAbleitungen(f, x0, m + 1), m) << text << " in " << x0->Text;
            }
        }
        for (Extended z : erwartet)
            EXPECT_TRUE(std::any_of(gefunden.begin(), gefunden.end(), [z](Extended g) { return Nahe(g, z); }))
                << text << " ohne " << double(z);
        EXPECT_EQ(status == wahr, alle) << text;
        if (status != wahr) continue;
        for (Extended a = -5; a < 5; a += 0.01L) {
            const auto fa = Wert(f, a), fb = Wert(f, a + 0.01L);
            if (!fa || !fb || (*fa < 0) == (*fb < 0) || *fa == 0 || *fb == 0) continue;
            EXPECT_TRUE(std::any_of(gefunden.begin(), gefunden.end(),
                                    [a](Extended g) { return a - 1e-9L <= g && g <= a + 0.01L + 1e-9L; }))
                << text << " wechselt das Vorzeichen bei " << double(a);
        }
    }
}

// A quotient is defined on a set exactly where its divisor has no zero in it.
TEST_F(OperatorTerme, QuotientDefiniertWoDerDivisorKeineNullstelleHat) {
    EXPECT_EQ(TT(Op(Eins, '/', X()))->IstDefiniertAuf(MengeR), falsch);
    EXPECT_EQ(TT(Op(Eins, '/', X()))->IstDefiniertAuf(Iv(Eins, false, Drei, false)), wahr);
    EXPECT_EQ(TT(Op(Eins, '/', X()))->IstDefiniertAuf(Iv(MinusEins, false, Eins, false)), falsch);
}

} // namespace
