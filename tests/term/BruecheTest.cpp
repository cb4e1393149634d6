// Exact fractions: arithmetic against 128-bit cross products, overflow and division by zero reported, never
// wrapped; gcd, lcm and cancelling at the ends of the 64-bit range; text and reading.
#include <gtest/gtest.h>

#include <limits>

#include "term/Brueche.h"
#include "term/Fehler.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;
using namespace zol::Brueche;

namespace {

constexpr Int64 Max = std::numeric_limits<Int64>::max();
constexpr Int64 Min = std::numeric_limits<Int64>::min();

bool IstNormal(const TBruch& b) {
    return b.Nenner > 0 && ggT(b.Zaehler, b.Nenner) == 1;
}

// Results that fit although the naive cross products do not are exact and reduced; overflow and division
// by zero raise with their message and leave the result as it was.
TEST(Brueche, ExaktOderGemeldet) {
    const std::tuple<TBruch, TBruch, char, TBruch> exakt[] = {
        {{-2, 3}, {3, -4}, '*', {1, 2}},       {{1, 2}, {-1, 4}, '/', {-2, 1}},
        {{Max, 2}, {Max, 2}, '-', {0, 1}},     {{Max, 3}, {3, Max}, '*', {1, 1}},
        {{Max - 1, 2}, {1, 2}, '+', {Max, 2}}, {{Min, 1}, {1, 1}, '*', {Min, 1}}};
    for (const auto& [a, b, op, erwartet] : exakt) {
        TBruch r{99, 98};
        Verknuepfe(a, b, op, r);
        EXPECT_TRUE(r.Zaehler == erwartet.Zaehler && r.Nenner == erwartet.Nenner && IstNormal(r))
            << a.Zaehler << op;
    }
    const std::tuple<TBruch, TBruch, char> ueberlauf[] = {{{Max, 1}, {1, 1}, '+'},
                                                          {{Min, 1}, {1, 1}, '-'},
                                                          {{1, Max}, {1, Max - 1}, '+'},
                                                          {{Min, 1}, {-1, 1}, '*'}};
    for (const auto& [a, b, op] : ueberlauf) {
        TBruch r{7, 1};
        EXPECT_EQ(Ausnahme<ERessourcen>([&] { Verknuepfe(a, b, op, r); }), "Überlauf in der Bruchrechnung.")
            << a.Zaehler << op << b.Zaehler;
        EXPECT_EQ(r.Zaehler, 7);
    }
    TBruch r{5, 1}, b{1, Min}, x0{3, 0};
    EXPECT_THROW(Hoch({2, 1}, 63, r), ERessourcen);
    EXPECT_THROW(kgV(Max, Max - 1), ERessourcen);
    EXPECT_THROW(ggT(Min, 0), ERessourcen);
    EXPECT_THROW(Kuerze(b), ERessourcen);
    EXPECT_THROW(Hoch({0, 1}, -1, r), ENichtExistenz);
    EXPECT_THROW(Kuerze(x0), ENichtExistenz);
    EXPECT_EQ(Ausnahme<ENichtExistenz>([&] { Kehrwert({0, 3}, r); }), "Division durch Null.");
    EXPECT_EQ(r.Zaehler, 5);
}

// Powers by repeated squaring agree with repeated multiplication; large exponents of 1 and -1 end at once.
TEST(Brueche, HochGegenWiederholteMultiplikation) {
    for (const TBruch& b : {TBruch{-2, 3}, TBruch{3, 2}, TBruch{0, 1}}) {
        TBruch produkt = BruchEins;
        for (Int64 n = 0; n <= 12; ++n) {
            TBruch r, negativ, kehr;
            Hoch(b, n, r);
            EXPECT_TRUE(Gleich(r, produkt) && IstNormal(r)) << b.Zaehler << "/" << b.Nenner << "^" << n;
            if (b.Zaehler != 0) Hoch(b, -n, negativ), Kehrwert(produkt, kehr);
            EXPECT_TRUE(b.Zaehler == 0 || Gleich(negativ, kehr));
            Mal(produkt, b, produkt);
        }
    }
    TBruch r;
    Hoch({-1, 1}, Max, r);
    EXPECT_EQ(r.Zaehler, -1);
    Hoch({2, 1}, 62, r);
    EXPECT_EQ(r.Zaehler, Int64(1) << 62);
}

// gcd, lcm and cancelling at the ends of the range; comparison exact where 64-bit cross products would
// wrap, also with a negative denominator.
TEST(Brueche, GrenzenDesBereichs) {
    const std::tuple<Int64, Int64, Int64, Int64> faelle[] = {
        {0, 5, 5, 0}, {-12, 18, 6, -36}, {-4, -6, 2, 12}, {Min, 2, 2, Min}, {Max, Max, Max, Max}};
    for (const auto& [a, b, ggt, kgv] : faelle)
        EXPECT_TRUE(ggT(a, b) == ggt && kgV(a, b) == kgv) << a << "," << b;
    TBruch k{Min, Min};
    Kuerze(k);
    EXPECT_TRUE(k.Zaehler == 1 && k.Nenner == 1);
    EXPECT_TRUE(Kleiner({Max - 1, Max}, {Max, Max - 1}) && !Kleiner({Max, Max - 1}, {Max - 1, Max}));
    EXPECT_TRUE(Kleiner({Min, 1}, {Max, 1}) && Kleiner({1, -2}, {1, 3}) && Gleich({-3, -6}, {1, 2}));
    EXPECT_FALSE(Gleich({Max, Max - 1}, {Max - 1, Max - 2}));
}

// Every written fraction reads back as itself; a zero denominator is refused; the text has no length limit.
TEST(Brueche, TextUndLesen) {
    TBruch r;
    Int32 fehler;
    for (Int64 z = -30; z <= 30; ++z)
        for (Int64 n = 1; n <= 12; ++n) {
            TBruch b{z, n};
            Kuerze(b);
            StrToBruch(BruchToStr(b), r, fehler);
            EXPECT_TRUE(fehler == 0 && Gleich(r, b)) << BruchToStr(b);
        }
    for (const char* falsch : {"3/0", "1.5", "", "2/x", "99999999999999999999"}) {
        r = {42, 43};
        StrToBruch(falsch, r, fehler);
        EXPECT_TRUE(fehler != 0 && r.Zaehler == 42) << falsch;
    }
    StrToBruch("-0,5", r, fehler);
    EXPECT_TRUE(fehler == 0 && Gleich(r, {-1, 2}));
    StrToBruch(std::string(300, '0') + "7", r, fehler);
    EXPECT_TRUE(fehler == 0 && r.Zaehler == 7);
}

// The gcd of g*x and g*y for coprime x and y is g, whether the products need 128 bits, 64 bits or fewer, and
// for powers of 2 and odd numbers alike; with 0 it is the other number. A fraction cancelled by such a g is
// the fraction x/y.
TEST(Brueche, GgTUeberDieWortgrenzeHinweg) {
    using U = unsigned __int128;
    const U zwei64 = U(1) << 64;
    const std::tuple<U, U, U> faelle[] = {
        {1, 1, 1},
        {6, 35, 64},
        {U(1) << 40, 3, 1},
        {(U(1) << 61) - 1, 1000003, 999983},
        {zwei64 - 59, 2, 3},
        {zwei64 + 13, 7, 1ULL << 50},
        {U(Max), 9, 10},
        {12, zwei64 * 5 + 1, 5},
        {U(1), (U(1) << 126) - 1, zwei64 + 1},
    };
    for (const auto& [g, x, y] : faelle) {
        EXPECT_TRUE(ggTBetraege(g * x, g * y) == g) << double(g) << " " << double(x) << " " << double(y);
        EXPECT_TRUE(ggTBetraege(g * y, g * x) == g);
        EXPECT_TRUE(ggTBetraege(g * x, 0) == g * x && ggTBetraege(0, g * y) == g * y);
    }
    EXPECT_TRUE(ggTBetraege(0, 0) == 0);
    for (Int64 g : {Int64(3), Int64(1) << 31, Max / 5}) {
        for (const auto& [z, n] : {std::pair<Int64, Int64>{-4, 5}, {2, 3}, {5, 1}}) {
            TBruch r;
            Mal({z, 1}, {g, g * n}, r);
            EXPECT_TRUE(r.Zaehler == z && r.Nenner == n) << g << " " << z << "/" << n;
        }
    }
}

} // namespace
