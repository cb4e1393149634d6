// Box algebra: moving, concatenating and overlaying boxes.
#include <gtest/gtest.h>

#include "output/BoxesT.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

// Fields in declaration order: Oben, Unten, Breite, LinksAbstand, RechtsAbstand, Start x, y, End x, y.
TBox B(Int32 o, Int32 u, Int32 b, Int32 la, Int32 ra, Int32 sx, Int32 sy, Int32 ex, Int32 ey) {
    return TBox(o, u, b, la, ra, sx, sy, ex, ey);
}

TEST(BoxTest, KonstruktorNimmtDieFelderInDeklarationsreihenfolge) {
    TBox b(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(b.Oben, 1);
    EXPECT_EQ(b.Unten, 2);
    EXPECT_EQ(b.Breite, 3);
    EXPECT_EQ(b.LinksAbstand, 4);
    EXPECT_EQ(b.RechtsAbstand, 5);
    EXPECT_EQ(b.Startpunkt, (TPunkt{6, 7}));
    EXPECT_EQ(b.Endpunkt, (TPunkt{8, 9}));
}

struct TLeerFall {
    TBox Box;
    bool Leer;
};

class BoxLeerTest : public ::testing::TestWithParam<TLeerFall> {};

TEST_P(BoxLeerTest, LeerGenauWennObenUntenBreiteNullErgeben) {
    EXPECT_EQ(GetParam().Box.IstLeer(), GetParam().Leer);
}

INSTANTIATE_TEST_SUITE_P(Faelle, BoxLeerTest,
                         ::testing::Values(TLeerFall{TBox(), true},
                                           // spaces and points alone do not fill a box
                                           TLeerFall{B(0, 0, 0, 5, 7, 1, 2, 3, 4), true},
                                           // a vertical bar has no width but is not empty
                                           TLeerFall{B(3, 10, 0, 0, 3, 0, 0, 3, 10), false},
                                           // the sum counts, so 5 above and -5 below is empty
                                           TLeerFall{B(5, -5, 0, 0, 0, 0, 0, 0, 0), true},
                                           TLeerFall{B(0, 0, 1, 0, 0, 0, 0, 0, 0), false}));

struct TVerschiebeFall {
    TBox Vorher;
    Int32 dx, dy;
    TBox Nachher;
};

class BoxVerschiebeTest : public ::testing::TestWithParam<TVerschiebeFall> {};

TEST_P(BoxVerschiebeTest, Verschiebe) {
    TBox b = GetParam().Vorher;
    b.Verschiebe(GetParam().dx, GetParam().dy);
    EXPECT_EQ(b, GetParam().Nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BoxVerschiebeTest,
    ::testing::Values(
        // down by 5: less above, more below; width and right space stay
        TVerschiebeFall{B(10, 3, 20, 0, 2, 0, 0, 20, 0), 0, 5, B(5, 8, 20, 0, 2, 0, 5, 20, 5)},
        // up by 4
        TVerschiebeFall{B(10, 3, 20, 0, 2, 0, 0, 20, 0), 0, -4, B(14, -1, 20, 0, 2, 0, -4, 20, -4)},
        // right by 7 only moves the left edge and the points
        TVerschiebeFall{B(10, 3, 20, 1, 2, 1, -6, 21, 0), 7, 0, B(10, 3, 20, 8, 2, 8, -6, 28, 0)},
        TVerschiebeFall{B(10, 3, 20, 1, 2, 1, -6, 21, 0), -3, 2, B(8, 5, 20, -2, 2, -2, -4, 18, 2)},
        TVerschiebeFall{B(1, 1, 1, 1, 1, 1, 1, 1, 1), 0, 0, B(1, 1, 1, 1, 1, 1, 1, 1, 1)}));

TEST(BoxTest, VerschiebenHinUndZurueckGibtDieAlteBox) {
    TBox a = B(12, 4, 30, -2, 3, 5, -8, 31, 1);
    for (Int32 dx : {-9, 0, 4}) {
        for (Int32 dy : {-7, 0, 11}) {
            TBox b = a;
            b.Verschiebe(dx, dy);
            b.Verschiebe(-dx, -dy);
            EXPECT_EQ(b, a) << dx << "," << dy;
            // the total height never changes
            b.Verschiebe(dx, dy);
            EXPECT_EQ(b.Oben + b.Unten, a.Oben + a.Unten);
        }
    }
}

struct TZweiBoxenFall {
    const char* Name;
    TBox A, B, Ergebnis;
};

class BoxAnhaengenTest : public ::testing::TestWithParam<TZweiBoxenFall> {};

TEST_P(BoxAnhaengenTest, Anhaengen) {
    TBox a = GetParam().A;
    a.Anhaengen(GetParam().B);
    EXPECT_EQ(a, GetParam().Ergebnis) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BoxAnhaengenTest,
    ::testing::Values(
        // empty box: b is copied, start and end point included
        TZweiBoxenFall{"leer", TBox(), B(13, 3, 14, 2, 1, 0, -9, 14, -13),
                       B(13, 3, 14, 2, 1, 0, -9, 14, -13)},
        // the gap is A's right space plus B's left space; end point from B shifted by A's outer width
        TZweiBoxenFall{"zwei", B(13, 3, 14, 0, 2, 0, -9, 14, -13), B(10, 5, 7, 4, 6, 0, -7, 7, -10),
                       B(13, 5, 14 + 2 + 4 + 7, 0, 6, 0, -9, 7 + 0 + 14 + 2, -10)},
        // the taller extents win on both sides; A's left space and start point stay
        TZweiBoxenFall{"hoeher", B(5, 9, 10, 3, 0, 1, 2, 10, 0), B(20, 1, 4, 0, 0, 0, 0, 4, -20),
                       B(20, 9, 14, 3, 0, 1, 2, 4 + 3 + 10 + 0, -20)},
        // an empty b still moves the end point to A's outer right edge at b's height
        TZweiBoxenFall{"leeresB", B(13, 3, 14, 0, 2, 0, -9, 14, -13), TBox(),
                       B(13, 3, 16, 0, 0, 0, -9, 16, 0)}),
    [](const auto& info) { return std::string(info.param.Name); });

class BoxVereinigeTest : public ::testing::TestWithParam<TZweiBoxenFall> {};

TEST_P(BoxVereinigeTest, Vereinige) {
    TBox a = GetParam().A;
    a.Vereinige(GetParam().B);
    EXPECT_EQ(a, GetParam().Ergebnis) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BoxVereinigeTest,
    ::testing::Values(
        TZweiBoxenFall{"leer", TBox(), B(13, 3, 14, 2, 1, 0, -9, 14, -13),
                       B(13, 3, 14, 2, 1, 0, -9, 14, -13)},
        // b inside a: a's extents stay, b's end point is taken
        TZweiBoxenFall{"innen", B(20, 10, 30, 0, 2, 0, -5, 30, 0), B(5, 5, 10, 10, 0, 10, 0, 20, 3),
                       B(20, 10, 30, 0, 2, 0, -5, 20, 3)},
        // b reaching left of the origin and further right: left edge -4, ink right edge 40, outer 43
        TZweiBoxenFall{"weiter", B(20, 10, 30, 0, 2, 0, -5, 30, 0), B(25, 1, 44, -4, 3, -4, 1, 40, 0),
                       B(25, 10, 44, -4, 3, 0, -5, 40, 0)},
        // the right space is measured from the rightmost ink: ink ends at 30 (a), outer at 35 (b)
        TZweiBoxenFall{"abstand", B(1, 1, 30, 0, 0, 0, 0, 30, 0), B(1, 1, 20, 5, 10, 0, 0, 25, 0),
                       B(1, 1, 30, 0, 5, 0, 0, 25, 0)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(BoxTest, VereinigeIstInDenAusdehnungenSymmetrisch) {
    const TBox boxen[] = {B(20, 10, 30, 0, 2, 0, -5, 30, 0), B(25, 1, 44, -4, 3, -4, 1, 40, 0),
                          B(3, 12, 5, 8, 9, 1, 1, 2, 2), B(0, 7, 1, -10, 0, 0, 0, 0, 0)};
    for (const TBox& a : boxen) {
        for (const TBox& b : boxen) {
            TBox ab = a, ba = b;
            ab.Vereinige(b);
            ba.Vereinige(a);
            EXPECT_EQ(ab.Oben, ba.Oben);
            EXPECT_EQ(ab.Unten, ba.Unten);
            EXPECT_EQ(ab.LinksAbstand, ba.LinksAbstand);
            EXPECT_EQ(ab.Breite, ba.Breite);
            EXPECT_EQ(ab.RechtsAbstand, ba.RechtsAbstand);
            // the union holds both inks
            EXPECT_LE(ab.LinksAbstand, Min(a.LinksAbstand, b.LinksAbstand));
            EXPECT_GE(ab.LinksAbstand + ab.Breite, Max(a.LinksAbstand + a.Breite, b.LinksAbstand + b.Breite));
        }
    }
}

TEST(BoxTest, AnhaengenAddiertDieBreitenUndAbstaende) {
    // Concatenating n equal boxes: the width grows by width + gap per box.
    TBox zeichen = B(13, 3, 7, 1, 2, 0, -9, 7, -13);
    TBox zeile;
    for (int n = 1; n <= 6; ++n) {
        zeile.Anhaengen(zeichen);
        EXPECT_EQ(zeile.Breite, n * 7 + (n - 1) * (2 + 1));
        EXPECT_EQ(zeile.LinksAbstand, 1);
        EXPECT_EQ(zeile.RechtsAbstand, 2);
        EXPECT_EQ(zeile.Endpunkt.y, -13);
    }
}

TEST(BoxTest, ZeichenBoxMisstImAktuellenFont) {
    TTestLeinwand l;
    for (Int32 pt : {8, 10, 12, 20}) {
        l.SetzeSchriftgroesse(pt);
        TBox b = ZeichenBox(l, 'a');
        Int32 w = TTestLeinwand::Zeichenbreite(pt), h = TTestLeinwand::Zeichenhoehe(pt);
        EXPECT_EQ(b, B(0, h, w, 0, 0, 0, 0, w, 0)) << pt;
        // Symbol codes are measured as their one Unicode character in the same font
        EXPECT_EQ(ZeichenBox(l, 1165), b) << pt;
    }
}

TEST(BoxTest, MaxMin) {
    EXPECT_EQ(Max(-3, 2), 2);
    EXPECT_EQ(Max(5, 5), 5);
    EXPECT_EQ(Min(-3, 2), -3);
    EXPECT_EQ(Min(7, -7), -7);
}

} // namespace
} // namespace zol
