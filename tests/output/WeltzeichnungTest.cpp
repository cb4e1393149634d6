// Drawing in world coordinates on a test canvas: the mapping and its inverse, saturation, arrows, pixel
// counts, the label search of a marked point (and its reuse when printing), the fit of range and scale,
// and the list of marked points.
#include <algorithm>
#include <cmath>
#include <limits>

#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Weltzeichnung.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

constexpr Int32 Breite = 981, Hoehe = 623;

class WeltzeichnungTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Schriftgroesse = 10;
        SeitenY = 0;
        DruckModus = false;
    }
    void TearDown() override {
        SeitenY = 0;
        DruckModus = false;
        ZolTest::TearDown();
    }
    TTestLeinwandAktiv Bild{Breite, Hoehe};
    TTestLeinwand& L = Bild.Leinwand;

    void Schwaerze(Int32 links, Int32 oben, Int32 rechts, Int32 unten) {
        L.FuelleRechteck({links, oben, rechts, unten}, Schwarz);
    }
    // One world unit in pixels of the test canvas.
    static Extended Pixel(Extended cm) { return cm / 2.54L * 96; }
};

TEST_F(WeltzeichnungTest, PixelDerStartwerte) {
    EXPECT_EQ(XPixel(-10), 57);
    EXPECT_EQ(XPixel(0), 435);
    EXPECT_EQ(YPixel(10), 57);
    SeitenY = 300;
    EXPECT_EQ(YPixel(10), 357);
    EXPECT_EQ(YPixel(0), 300 + Round(Pixel(11.5L)));
}

TEST_F(WeltzeichnungTest, WeltUndPixelSindUmkehrungen) {
    const TKartenDaten karten[] = {
        TKartenDaten{},
        {-3, 4, -0.5L, 0.5L, 0.7L, 2, 2.5L, 0.2L},
        {1000, 1010, -1e6L, 1e6L, 1.5L, 1.5L, 1, 1e-5L},
    };
    for (const TKartenDaten& k : karten) {
        KartenDaten = k;
        SeitenY = 40;
        const Extended halbX = 0.5L * 2.54L / (96 * k.EinheitX), halbY = 0.5L * 2.54L / (96 * k.EinheitY);
        for (int i = 0; i <= 100; ++i) {
            const Extended x = k.XVon + (k.XBis - k.XVon) * i / 100;
            const Extended y = k.YVon + (k.YBis - k.YVon) * i / 100;
            EXPECT_NEAR(XWelt(XPixel(x)), x, halbX * 1.0001L) << x;
            EXPECT_NEAR(YWelt(YPixel(y)), y, halbY * 1.0001L) << y;
        }
    }
}

TEST_F(WeltzeichnungTest, FerneUndUngueltigeKoordinaten) {
    constexpr Int32 min = std::numeric_limits<Int32>::min(), max = std::numeric_limits<Int32>::max();
    EXPECT_EQ(XPixel(1e30L), max);
    EXPECT_EQ(XPixel(-1e30L), min);
    EXPECT_EQ(YPixel(-1e30L), max);
    SeitenY = 1000;
    EXPECT_EQ(YPixel(-1e30L), max);
    const Extended nan = std::nanl(""), inf = INFINITY;
    Linie(0, 0, nan, 1);
    Linie(inf, 0, 1, 1);
    Pfeil(0, 0, 0, inf);
    Beschriftung("P", nan, 0);
    TGrafikPunkt P{0, nan, "P", 0};
    MarkierePunkt(P);
    EXPECT_TRUE(L.Aufrufe.empty());
}

TEST_F(WeltzeichnungTest, PfeilspitzeLiegtZweiMillimeterZurueck) {
    Pfeil(1, 1, 1, 1);
    EXPECT_TRUE(L.Aufrufe.empty());
    // Horizontal, vertical and diagonal arrows, at 1 cm per unit.
    const Extended pfeile[][4] = {{0, 0, 5, 0}, {2, -3, 2, 4}, {-4, -4, 1, 1}, {3, 2, -1, -1}};
    for (const auto& a : pfeile) {
        L.Aufrufe.clear();
        Pfeil(a[0], a[1], a[2], a[3]);
        const auto linien = L.AufrufeDerArt(TAufrufart::Linie);
        ASSERT_EQ(linien.size(), 3u);
        const TPunkt spitze{XPixel(a[2]), YPixel(a[3])};
        const Extended d = std::hypot(a[2] - a[0], a[3] - a[1]);
        // The shaft's direction on the screen (rows grow downwards).
        const Extended ux = (a[2] - a[0]) / d, uy = -(a[3] - a[1]) / d;
        for (size_t i = 1; i <= 2; ++i) {
            EXPECT_EQ(linien[i].Punkte[1], spitze);
            const Extended dx = linien[i].Punkte[0].x - spitze.x, dy = linien[i].Punkte[0].y - spitze.y;
            EXPECT_NEAR(dx * ux + dy * uy, -Pixel(0.2L), 1.0);
            EXPECT_NEAR(std::fabs(dx * uy - dy * ux), Pixel(0.2L), 1.0);
        }
    }
}

TEST_F(WeltzeichnungTest, ZaehltNurSchwarzeBildpunkteImBild) {
    Schwaerze(10, 10, 20, 15); // 10 x 5
    Schwaerze(0, 0, 3, 2);     // 3 x 2 at the corner
    EXPECT_EQ(ZaehlePixel(0, 0, 100, 100), 56);
    EXPECT_EQ(ZaehlePixel(15, 12, 15, 12), 1);
    EXPECT_EQ(ZaehlePixel(-50, -50, 1, 0), 2);
    EXPECT_EQ(ZaehlePixel(20, 0, 10, 100), 0);
    EXPECT_EQ(ZaehlePixel(std::numeric_limits<Int32>::min(), 0, std::numeric_limits<Int32>::max(), 0), 3);
    L.FuelleRechteck({0, 0, Breite, Hoehe}, Weiss);
    EXPECT_EQ(ZaehlePixel(-10, -10, Breite + 10, Hoehe + 10), 0);
}

// The centre of the cells of the label's texts.
struct TMarke {
    TPunkt Mitte;
};

TMarke Beschriftet(const TTestLeinwand& L) {
    const auto texte = L.AufrufeDerArt(TAufrufart::Text);
    EXPECT_FALSE(texte.empty());
    if (texte.empty()) return {};
    TRechteck r{texte[0].Stift.x, texte[0].Stift.y, texte[0].Stift.x, texte[0].Stift.y};
    for (const auto& t : texte) {
        r.Links = std::min(r.Links, t.Stift.x);
        r.Oben = std::min(r.Oben, t.Stift.y);
        r.Rechts = std::max(r.Rechts, t.Stift.x + t.Mass.Breite);
        r.Unten = std::max(r.Unten, t.Stift.y + t.Mass.Hoehe);
    }
    return {{(r.Links + r.Rechts) / 2, (r.Oben + r.Unten) / 2}};
}

TEST_F(WeltzeichnungTest, BeschriftungOhneTinteUntenRechts) {
    TGrafikPunkt P{2, 3, "P", 1.0};
    MarkierePunkt(P);
    EXPECT_DOUBLE_EQ(P.Winkel, -M_PI / 4);
    const TPunkt c{XPixel(2), YPixel(3)};
    const auto kreuz = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(kreuz.size(), 2u);
    for (const auto& s : kreuz) {
        EXPECT_EQ(s.Punkte[0].x + s.Punkte[1].x, 2 * c.x);
        EXPECT_EQ(s.Punkte[0].y + s.Punkte[1].y, 2 * c.y);
    }
    const TMarke m = Beschriftet(L);
    EXPECT_GT(m.Mitte.x, c.x + 5);
    EXPECT_GT(m.Mitte.y, c.y + 5);
}

TEST_F(WeltzeichnungTest, BeschriftungWeichtDerTinteAus) {
    const TPunkt c{XPixel(0), YPixel(0)};
    // Ink everywhere around the point but above it.
    Schwaerze(c.x - 60, c.y - 4, c.x + 60, c.y + 60);
    Schwaerze(c.x - 60, c.y - 60, c.x - 8, c.y);
    Schwaerze(c.x + 8, c.y - 60, c.x + 60, c.y);
    TGrafikPunkt P{0, 0, "N*i<1>", 0};
    MarkierePunkt(P);
    EXPECT_GT(P.Winkel, M_PI / 4);
    EXPECT_LT(P.Winkel, 3 * M_PI / 4);
    const TMarke m = Beschriftet(L);
    EXPECT_LT(m.Mitte.y, c.y - 5);
    EXPECT_NEAR(m.Mitte.x, c.x, 8);
}

TEST_F(WeltzeichnungTest, RingsumTinteNimmtDenWinkelMitDerWenigstenTinte) {
    const TPunkt c{XPixel(0), YPixel(0)};
    Schwaerze(c.x - 80, c.y - 80, c.x + 80, c.y + 80);
    // A thinner patch of ink just left of the point, as large as the label: a grid of white holes.
    for (Int32 y = c.y - 12; y < c.y + 12; y += 2)
        for (Int32 x = c.x - 24; x < c.x - 12; x += 2) L.FuelleRechteck({x, y, x + 1, y + 1}, Weiss);
    TGrafikPunkt P{0, 0, "Q", 0};
    MarkierePunkt(P);
    EXPECT_GT(P.Winkel, -M_PI / 4);
    EXPECT_LE(P.Winkel, 7 * M_PI / 4 + 0.1);
    EXPECT_NEAR(std::cos(P.Winkel), -1, 0.06);
}

TEST_F(WeltzeichnungTest, DruckenNimmtDenGespeichertenWinkel) {
    DruckModus = true;
    const TPunkt c{XPixel(1), YPixel(1)};
    Schwaerze(0, 0, Breite, Hoehe);
    TGrafikPunkt P{1, 1, "E", M_PI / 2};
    MarkierePunkt(P);
    EXPECT_DOUBLE_EQ(P.Winkel, M_PI / 2);
    const TMarke m = Beschriftet(L);
    // R = 6h at h = 3 pixels: straight above the point.
    EXPECT_NEAR(m.Mitte.x, c.x, 2);
    EXPECT_NEAR(m.Mitte.y, c.y - 18, 2);
}

TEST_F(WeltzeichnungTest, AusschnittUndMassstabPassenInsBild) {
    TKartenDaten k;
    EXPECT_FALSE(PasstInBild(k, Breite, Hoehe, 96)); // the start values are 18.5 cm high
    PasseAusschnittAn(k, Breite, Hoehe, 96);
    EXPECT_NEAR((k.XVon + k.XBis) / 2, 0, 1e-12);
    EXPECT_NEAR((k.YVon + k.YBis) / 2, 1.5, 1e-12);
    EXPECT_EQ(k.EinheitX, 1);
    EXPECT_TRUE(PasstInBild(k, Breite, Hoehe, 96));
    EXPECT_FALSE(PasstInBild(k, Breite - 4, Hoehe, 96));
    EXPECT_FALSE(PasstInBild(k, Breite, Hoehe - 4, 96));

    TKartenDaten m{-1, 3, 0, 2, 1, 1, 1, 1};
    PasseMassstabAn(m, Breite, Hoehe, 96);
    EXPECT_EQ(m.XVon, -1);
    EXPECT_TRUE(PasstInBild(m, Breite, Hoehe, 96));
    EXPECT_FALSE(PasstInBild(m, Breite - 4, Hoehe - 4, 96));
}

TEST_F(WeltzeichnungTest, HoechstensFuenfzehnPunkteMitWert) {
    MerkePunkt("A", std::nan(""), 1);
    MerkePunkt("B", 1, INFINITY);
    EXPECT_EQ(Grafikpunkte.Anzahl, 0);
    for (int i = 1; i <= 15; ++i) MerkePunkt("P" + std::to_string(i), i, -i);
    EXPECT_EQ(Grafikpunkte.Anzahl, 15);
    EXPECT_FALSE(Grafikpunkte.Voll);
    MerkePunkt("P16", 16, -16);
    EXPECT_EQ(Grafikpunkte.Anzahl, 15);
    EXPECT_TRUE(Grafikpunkte.Voll);
    EXPECT_EQ(Grafikpunkte.Punkte[15].Name, "P15");

    Grafikpunkte = TGrafikpunktliste{};
    DruckModus = true;
    MerkePunkt("P", 1, 1);
    EXPECT_EQ(Grafikpunkte.Anzahl, 0);
}

} // namespace
} // namespace zol
