// Boxes and the layout classes: box algebra, points to pixels, characters and texts, placement, lists and
// overlays, strokes, brackets, root and integral signs, and where their ink lands.
#include <cstdlib>

#include "tests/output/FolienTestBasis.h"

namespace zol {
namespace {

// ---- boxes ----

TEST(BoxTest, LeerUndVerschieben) {
    // Empty while Oben + Unten + Breite is 0: spaces and points alone do not fill a box, a vertical bar does.
    EXPECT_TRUE(B(0, 0, 0, 5, 7, 1, 2, 3, 4).IstLeer());
    EXPECT_TRUE(B(5, -5, 0, 0, 0, 0, 0, 0, 0).IstLeer());
    EXPECT_FALSE(B(3, 10, 0, 0, 3, 0, 0, 3, 10).IstLeer());
    // Moving there and back gives the old box; the height never changes.
    const TBox a = B(12, 4, 30, -2, 3, 5, -8, 31, 1);
    for (Int32 dx : {-9, 0, 4})
        for (Int32 dy : {-7, 0, 11}) {
            TBox c = a;
            c.Verschiebe(dx, dy);
            EXPECT_EQ(c.Oben + c.Unten, a.Oben + a.Unten);
            c.Verschiebe(-dx, -dy);
            EXPECT_EQ(c, a) << dx << "," << dy;
        }
}

TEST(BoxTest, AnhaengenUndVereinigen) {
    // Overlaying is symmetric in the extents and holds both inks.
    const TBox boxen[] = {B(20, 10, 30, 0, 2, 0, -5, 30, 0), B(25, 1, 44, -4, 3, -4, 1, 40, 0),
                          B(3, 12, 5, 8, 9, 1, 1, 2, 2), B(0, 7, 1, -10, 0, 0, 0, 0, 0)};
    for (const TBox& a : boxen)
        for (const TBox& b : boxen) {
            TBox ab = a, ba = b;
            ab.Vereinige(b);
            ba.Vereinige(a);
            EXPECT_TRUE(ab.Oben == ba.Oben && ab.Unten == ba.Unten && ab.LinksAbstand == ba.LinksAbstand &&
                        ab.Breite == ba.Breite && ab.RechtsAbstand == ba.RechtsAbstand);
            EXPECT_GE(ab.LinksAbstand + ab.Breite, Max(a.LinksAbstand + a.Breite, b.LinksAbstand + b.Breite));
        }
    // n equal boxes in a row: the width grows by width + gap per box.
    TBox zeile;
    for (int n = 1; n <= 6; ++n) {
        zeile.Anhaengen(B(13, 3, 7, 1, 2, 0, -9, 7, -13));
        EXPECT_TRUE(zeile.Breite == n * 7 + (n - 1) * 3 && zeile.LinksAbstand == 1 &&
                    zeile.RechtsAbstand == 2);
    }
}

TEST_F(FolienTest, ZeichenBoxUndPunktZuPixel) {
    for (Int32 pt : {8, 10, 20}) {
        L.SetzeSchriftgroesse(pt);
        const TBox b = ZeichenBox(L, 'a');
        EXPECT_EQ(b, B(0, H(pt), W(pt), 0, 0, 0, 0, W(pt), 0)) << pt;
        // Symbol codes are measured as their one Unicode character in the same font.
        EXPECT_EQ(ZeichenBox(L, 1165), b) << pt;
    }
    // At 96 pixels per inch a point is 4/3 pixel, halves round to even; on a printer its resolution counts.
    const std::pair<double, Int32> faelle[] = {{7.5, 10},  {1.5, 2}, {0.375, 0},
                                               {1.125, 2}, {10, 13}, {-3, -4}};
    for (auto [pt, px] : faelle) EXPECT_EQ(PunktZuPixel(pt), px) << pt;
    struct TDrucker : TTestLeinwand {
        Int32 PixelProZoll() const override { return 600; }
    } drucker;
    TLeinwandWechsel wechsel(drucker);
    EXPECT_EQ(PunktZuPixel(72), 600);
}

// ---- placement ----

// Each placement puts the named edge where it was asked to be; nothing is placed relative to a missing folie;
// centring rounds halves to even and divides vertically toward zero.
TEST_F(FolienTest, PlatzierungErreichtDieVerlangtenKanten) {
    for (Int32 abstand : {-5, 0, 1, 7}) {
        TAFolie F("Wert", 10);
        F.Verschiebe(11, -4);
        TAFolie a("x", 8), b("x", 8), c("x", 8), d("x", 8), e("xyz", 8);
        a.RechtsNeben(&F, abstand);
        EXPECT_EQ(a.Box->LinksAbstand, F.Box->LinksAbstand + F.Box->Breite + abstand);
        b.LinksNeben(&F, abstand);
        EXPECT_EQ(b.Box->LinksAbstand + b.Box->Breite, F.Box->LinksAbstand - abstand);
        c.Unter(&F, abstand);
        EXPECT_EQ(-c.Box->Oben, F.Box->Unten + abstand);
        d.Ueber(&F, abstand);
        EXPECT_EQ(d.Box->Unten, -F.Box->Oben - abstand);
        e.ZentriereHorizontalZu(&F);
        EXPECT_LE(
            std::abs(2 * e.Box->LinksAbstand + e.Box->Breite - (2 * F.Box->LinksAbstand + F.Box->Breite)), 2);
    }
}

// ---- strokes and signs ----

TEST_F(FolienTest, Klammern) {
    // h = w = P(2) = 3; the pen does not move; square brackets have horizontal hooks.
    TKlammer k(20, true, true, 10);
    EXPECT_EQ(*k.Box, B(23, 3, 3, 0, 0, 0, 0, 0, 20));
    ZeichneBei(k, 50, 100);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{53, 100}, {50, 100}, {50, 80}, {53, 80}}));
    EXPECT_EQ(L.Stift(), (TPunkt{50, 100}));
    // The closing curly brace mirrors the opening one at the pen's column.
    TGeschweifteKlammer auf(40, true, false, 10), zu(40, false, false, 10);
    ZeichneBei(auf, 50, 100);
    const std::vector<TPunkt> offen = L.Aufrufe[0].Punkte;
    ZeichneBei(zu, 50, 100);
    ASSERT_EQ(L.Aufrufe[0].Punkte.size(), offen.size());
    for (size_t i = 0; i < offen.size(); ++i)
        EXPECT_EQ(L.Aufrufe[0].Punkte[i], (TPunkt{100 - offen[i].x, offen[i].y})) << i;
}

TEST_F(FolienTest, WurzelUndIntegralzeichenFuellenIhreBox) {
    // g = P(3) = 4.
    TWurzelZeichen w(30, 40, 2, 10);
    EXPECT_EQ(*w.Box, B(30, 0, 56, 0, 0, 0, -30, 56, -30));
    EXPECT_TRUE(Enthaelt(BoxBei(*w.Box, 10, 50), ZeichneBei(w, 10, 50)));
    // Hoehe = P(10) = 13, Bogenbreite = P(2.5) = 3, Bogenhoehe = P(5) = 7: the box starts at -Bogenbreite, so
    // the lower hook lies inside it, and the ink fills it exactly.
    TIntegralZeichen I(10);
    EXPECT_EQ(*I.Box, B(13, 13, 6, -3, 0, -3, 13, 3, -13));
    EXPECT_EQ(ZeichneBei(I, 100, 100), BoxBei(*I.Box, 100, 100));
    EXPECT_TRUE(L.AufrufeDerArt(TAufrufart::Linie).size() == 1u &&
                L.AufrufeDerArt(TAufrufart::Bogen).size() == 2u);
}

} // namespace
} // namespace zol
