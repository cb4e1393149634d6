// Powers and roots: folding rules of BildePotenz, exact roots of rationals, values, derivatives and
// antiderivatives against values, equations substituted back, recognition of rational powers.
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

using Potenzen = ZolTest;

TEST_F(Potenzen, BildePotenzFaltet) {
    TTerm* x = X();
    TTerm* betrag = StandardFunktionTerm("abs", x);
    const std::tuple<const char*, TTerm*, TTerm*> faelle[] = {
        {"x^1", Potenz(x, BruchEins), x},
        {"5^0", Potenz(K(5), BruchNull), Eins},
        {"(x^2)^3", Potenz(Pot(x, 2), TBruch{3, 1}), Pot(x, 6)},
        {"(x°2)^4", Potenz(WurzelTerm(x, 2), TBruch{4, 1}), Pot(x, 2)},
        {"8^(2/3)", Potenz(K(8), TBruch{2, 3}), Vier},
        {"(1/8)^(-1/3)", Potenz(K(1, 8), TBruch{-1, 3}), Zwei},
        {"(2/3)^-2", Potenz(K(2, 3), TBruch{-2, 1}), K(9, 4)},
        {"2^(1/2) ohne Radikale", Potenz(Zwei, BruchEinHalb), Pot(Zwei, 1, 2)},
        // An even inner exponent: the base's sign is lost, so |x|.
        {"(x^2)^(1/2) ist |x|", Potenz(Pot(x, 2), BruchEinHalb), betrag},
        {"(x^2)^(3/2) ist |x|^3", Potenz(Pot(x, 2), TBruch{3, 2}), Pot(betrag, 3)},
        {"(x^2)^(-1) ohne abs", Potenz(Pot(x, 2), TBruch{-1, 1}), Pot(x, -2)},
        {"(x^4)^(1/2)", Potenz(Pot(x, 4), BruchEinHalb), Pot(x, 2)},
    };
    for (const auto& [name, ergebnis, erwartet] : faelle) EXPECT_EQ(ergebnis, erwartet) << name;
    EXPECT_THROW(Potenz(K(-8), TBruch{1, 3}), ENichtExistenz);
    // With radicals: 2^(5/2) = 4 * 2^(1/2).
    TTerm* w = PotenzRadikal(Zwei, TBruch{5, 2});
    ASSERT_TRUE(IstRadikalKonstante(w));
    EXPECT_EQ(w->Text, "Rad(2,2;0,4)");
    EXPECT_TRUE(Nahe(*Wert(w), std::pow(2.0L, 2.5L)));
}

// Huge integer exponents are evaluated by repeated squaring, without overflowing to a value.
TEST_F(Potenzen, Werte) {
    TTerm* x = X();
    const std::tuple<TTerm*, Extended, std::optional<Extended>> faelle[] = {
        {Pot(x, 1, 3), -8, std::nullopt},
        {Pot(x, 1, 3), 8, 2},
        {Pot(x, -2), 0, std::nullopt},
        {Pot(x, 0), 0, 1},
        {Pot(x, -1, 2), 0, std::nullopt},
        {Pot(x, -3), 2, 0.125L},
        {Pot(x, 1000000000000LL), 1, 1},
        {Pot(x, 1000000000000LL), 0.5L, 0},
        {Pot(x, 1000000000000LL), 2, std::nullopt},
        {Pot(x, -1000000000000LL), 0.5L, std::nullopt},
    };
    for (const auto& [t, an, soll] : faelle) {
        auto w = Wert(t, an);
        ASSERT_EQ(w.has_value(), soll.has_value()) << t->Text << " bei " << double(an);
        EXPECT_TRUE(!w || Nahe(*w, *soll, 1e-15L)) << t->Text;
    }
}

TEST_F(Potenzen, AbleitungUndStammfunktionGegenWerte) {
    TTerm* x = X();
    const std::vector<TTerm*> basen = {x, Op(Op(Zwei, '*', x), '+', Eins), Op(Pot(x, 2), '+', Eins)};
    for (TTerm* b : basen)
        for (TBruch e : {TBruch{-2, 1}, {-1, 1}, {1, 2}, {2, 3}, {3, 1}, {1, 1}, {0, 1}, {-3, 2}}) {
            TTerm* p = PotenzTerm(b, e);
            EXPECT_TRUE(IstAbleitung(p->Ableitung(), p, {-1.7L, -0.4L, 0.3L, 1.1L, 2.6L}, 1e-5L)) << p->Text;
        }
    for (TTerm* t : {Pot(x, 3), Pot(x, -2), Pot(x, 1, 2), Pot(Drei, 2), Pot(x, 2, 3)}) {
        TTerm* F = t->Integral(nullptr, nullptr);
        ASSERT_NE(F, nullptr) << t->Text;
        EXPECT_TRUE(IstAbleitung(t, F, {0.5L, 1.5L, 3.0L})) << t->Text;
    }
    // The inverse of x^3 is x^(1/3); x^0 has none.
    EXPECT_EQ(Pot(x, 3)->Umkehrfunktion(), Pot(x, 1, 3));
    EXPECT_EQ(Pot(x, 0)->Umkehrfunktion(), nullptr);
}

// Every solution substituted back gives the right-hand side; x^0 = 1 holds everywhere (status falsch).
TEST_F(Potenzen, GleichungenUndNullstellen) {
    TTerm* x = X();
    const std::tuple<TTerm*, TTerm*, uint8_t, int> faelle[] = {
        {Pot(x, 2), Vier, wahr, 2},
        {Pot(x, 2), MinusEins, wahr, 0},
        {Pot(x, -1), Vier, wahr, 1},
        {Pot(x, 3), K(-8), wahr, 1},
        {Pot(x, -2), K(1, 9), wahr, 2},
        {Pot(x, 1, 2), Drei, wahr, 1},
        {Pot(x, 1, 2), MinusEins, wahr, 0},
        {Pot(x, -1), Null, wahr, 0},
        {Pot(Op(x, '-', Eins), 2), K(9), wahr, 2},
        {Pot(x, 0), Eins, falsch, 0},
        {Pot(x, 0), Drei, wahr, 0},
    };
    for (const auto& [t, c, status, anzahl] : faelle) {
        TSListe* liste = nullptr;
        uint8_t s = 9;
        static_cast<TTTerm*>(t)->LoeseGleichung(c, MengeR, false, s, liste);
        EXPECT_EQ(s, status) << t->Text << " = " << c->Text;
        ASSERT_EQ(liste->Anzahl, anzahl) << t->Text << " = " << c->Text;
        for (Extended l : Werte(liste)) EXPECT_TRUE(Nahe(*Wert(t, l), *Wert(c), 1e-12L)) << t->Text;
    }
    // x^2 = 0 is a double zero; x^0 and negative powers have none.
    TSListe* liste = nullptr;
    uint8_t status;
    static_cast<TTTerm*>(Pot(x, 2))->LoeseGleichung(Null, MengeR, false, status, liste);
    ASSERT_EQ(liste->Anzahl, 1);
    EXPECT_EQ(liste->Stellen[1]->Vielfachheit, 2);
    for (TTerm* t : {Pot(x, 0), Pot(x, -1), Pot(Op(x, '+', Eins), -2)}) {
        static_cast<TTTerm*>(t)->Nullstellen(MengeR, liste, false, status);
        EXPECT_TRUE(status == wahr && liste->Anzahl == 0) << t->Text;
    }
}

} // namespace
