// Drawing in world coordinates on a test canvas: the mapping and its inverse, saturation, arrows, pixel
// counts, the label search of a marked point and its reuse when printing, and the list of marked points.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "output/Ausgabe.h"
#include "output/Weltzeichnung.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

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
    TTestLeinwandAktiv Bild{981, 623};
    TTestLeinwand& L = Bild.Leinwand;

    void Schwaerze(Int32 links, Int32 oben, Int32 rechts, Int32 unten) {
        L.FuelleRechteck({links, oben, rechts, unten}, Schwarz);
    }
    // The centre of the cells of the texts drawn.
    TPunkt Textmitte() const {
        TRechteck r{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
        for (const auto& t : L.AufrufeDerArt(TAufrufart::Text)) {
            r = {std::min(r.Links, t.Stift.x), std::min(r.Oben, t.Stift.y),
                 std::max(r.Rechts, t.Stift.x + t.Mass.Breite), std::max(r.Unten, t.Stift.y + t.Mass.Hoehe)};
        }
        return {(r.Links + r.Rechts) / 2, (r.Oben + r.Unten) / 2};
    }
};

constexpr Extended CmInPixeln = 96 / 2.54L;

TEST_F(WeltzeichnungTest, PixelUndWeltSindUmkehrungen) {
    EXPECT_EQ(XPixel(-10), 57);
    EXPECT_EQ(XPixel(0), 435);
    EXPECT_EQ(YPixel(10), 57);
    SeitenY = 300;
    EXPECT_EQ(YPixel(10), 357);
    for (const TKartenDaten& k : {TKartenDaten{}, TKartenDaten{-3, 4, -0.5L, 0.5L, 0.7L, 2, 2.5L, 0.2L},
                                  TKartenDaten{1000, 1010, -1e6L, 1e6L, 1.5L, 1.5L, 1, 1e-5L}}) {
        KartenDaten = k;
        const Extended halbX = 0.5L / (CmInPixeln * k.EinheitX), halbY = 0.5L / (CmInPixeln * k.EinheitY);
        for (int i = 0; i <= 100; ++i) {
            const Extended x = k.XVon + (k.XBis - k.XVon) * i / 100, y = k.YVon + (k.YBis - k.YVon) * i / 100;
            EXPECT_NEAR(XWelt(XPixel(x)), x, halbX * 1.0001L) << x;
            EXPECT_NEAR(YWelt(YPixel(y)), y, halbY * 1.0001L) << y;
        }
    }
}

TEST_F(WeltzeichnungTest, FerneUndUngueltigeKoordinaten) {
    constexpr Int32 max = std::numeric_limits<Int32>::max();
    EXPECT_EQ(XPixel(1e30L), max);
    EXPECT_EQ(XPixel(-1e30L), std::numeric_limits<Int32>::min());
    SeitenY = 1000;
    EXPECT_EQ(YPixel(-1e30L), max);
    const Extended nan = std::nanl("");
    Linie(0, 0, nan, 1);
    Pfeil(0, 0, 0, INFINITY);
    Pfeil(1, 1, 1, 1);
    Beschriftung("P", nan, 0);
    TGrafikPunkt P{0, nan, "P", 0};
    MarkierePunkt(P);
    EXPECT_TRUE(L.Aufrufe.empty());
}

TEST_F(WeltzeichnungTest, PfeilspitzeLiegtZweiMillimeterZurueck) {
    for (const auto& a :
         {std::array<Extended, 4>{0, 0, 5, 0}, {2, -3, 2, 4}, {-4, -4, 1, 1}, {3, 2, -1, -1}}) {
        L.Aufrufe.clear();
        Pfeil(a[0], a[1], a[2], a[3]);
        const auto linien = L.AufrufeDerArt(TAufrufart::Linie);
        ASSERT_EQ(linien.size(), 3u);
        const TPunkt spitze{XPixel(a[2]), YPixel(a[3])};
        const Extended d = std::hypot(a[2] - a[0], a[3] - a[1]);
        const Extended ux = (a[2] - a[0]) / d, uy = -(a[3] - a[1]) / d; // rows grow downwards
        for (size_t i = 1; i <= 2; ++i) {
            EXPECT_EQ(linien[i].Punkte[1], spitze);
            const Extended dx = linien[i].Punkte[0].x - spitze.x, dy = linien[i].Punkte[0].y - spitze.y;
            EXPECT_NEAR(dx * ux + dy * uy, -0.2L * CmInPixeln, 1.0);
            EXPECT_NEAR(std::fabs(dx * uy - dy * ux), 0.2L * CmInPixeln, 1.0);
        }
    }
}

TEST_F(WeltzeichnungTest, ZaehltNurSchwarzeBildpunkteImBild) {
    Schwaerze(10, 10, 20, 15);
    Schwaerze(0, 0, 3, 2);
    EXPECT_EQ(ZaehlePixel(0, 0, 100, 100), 56);
    EXPECT_EQ(ZaehlePixel(-50, -50, 1, 0), 2);
    EXPECT_EQ(ZaehlePixel(20, 0, 10, 100), 0);
    EXPECT_EQ(ZaehlePixel(std::numeric_limits<Int32>::min(), 0, std::numeric_limits<Int32>::max(), 0), 3);
}

// A map of the ink counts every closed rectangle as ZaehlePixel does: within it by its table of sums, and
// also for rectangles that reach beyond it or the canvas, are empty or reversed. The canvas holds scattered
// pixels and blocks at its edges.
TEST_F(WeltzeichnungTest, TintenkarteZaehltWieZaehlePixel) {
    uint32_t zufall = 12345;
    auto naechste = [&](Int32 bis) { return Int32((zufall = zufall * 1103515245u + 12345u) >> 8) % bis; };
    for (int i = 0; i < 400; ++i) {
        const Int32 x = naechste(981), y = naechste(623);
        L.SetzePixel(x, y, Schwarz);
    }
    Schwaerze(0, 0, 12, 9);
    Schwaerze(970, 600, 981, 623);
    Schwaerze(400, 300, 430, 310);
    const std::array<std::array<Int32, 4>, 4> karten = {
        {{-20, -30, 120, 80}, {380, 280, 470, 340}, {900, 560, 1000, 700}, {0, 0, 980, 622}}};
    for (const auto& k : karten) {
        const TTintenkarte karte(k[0], k[1], k[2], k[3]);
        for (int j = 0; j < 300; ++j) {
            const Int32 x1 = k[0] - 5 + naechste(k[2] - k[0] + 10), x2 = x1 - 3 + naechste(60);
            const Int32 y1 = k[1] - 5 + naechste(k[3] - k[1] + 10), y2 = y1 - 3 + naechste(40);
            ASSERT_EQ(karte.Zaehle(x1, y1, x2, y2), ZaehlePixel(x1, y1, x2, y2))
                << x1 << "," << y1 << " " << x2 << "," << y2;
        }
    }
}

TEST_F(WeltzeichnungTest, BeschriftungOhneTinteUntenRechts) {
    TGrafikPunkt P{2, 3, "P", 1.0};
    MarkierePunkt(P);
    EXPECT_DOUBLE_EQ(P.Winkel, -M_PI / 4);
    const TPunkt c{XPixel(2), YPixel(3)};
    EXPECT_GT(Textmitte().x, c.x + 5);
    EXPECT_GT(Textmitte().y, c.y + 5);
}

TEST_F(WeltzeichnungTest, BeschriftungWeichtDerTinteAus) {
    const TPunkt c{XPixel(0), YPixel(0)};
    // Ink all around the point but straight above it.
    Schwaerze(c.x - 60, c.y - 4, c.x + 60, c.y + 60);
    Schwaerze(c.x - 60, c.y - 60, c.x - 8, c.y);
    Schwaerze(c.x + 8, c.y - 60, c.x + 60, c.y);
    TGrafikPunkt P{0, 0, "N*i<1>", 0};
    MarkierePunkt(P);
    EXPECT_GT(P.Winkel, M_PI / 4);
    EXPECT_LT(P.Winkel, 3 * M_PI / 4);
    EXPECT_LT(Textmitte().y, c.y - 5);
    EXPECT_NEAR(Textmitte().x, c.x, 8);
}

// A label keeps 3 points (4 pixels) from other ink and from the cells of the texts it is given: ink or a
// text closer to its place below right moves it, ink or a text farther off or ink on the point's own cross
// does not. While printing, the stored place is kept where the paper
// has no ink there, and searched anew (without storing it) where it has.
TEST_F(WeltzeichnungTest, BeschriftungHaeltAbstandZurTinte) {
    TGrafikPunkt P{0, 0, "N*i<1>", 0};
    const TPunkt c{XPixel(0), YPixel(0)};
    MarkierePunkt(P);
    ASSERT_DOUBLE_EQ(P.Winkel, -M_PI / 4);
    // The label's cells: the letter's and the index's.
    TRechteck zelle{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const auto& t : L.AufrufeDerArt(TAufrufart::Text))
        zelle = {std::min(zelle.Links, t.Stift.x), std::min(zelle.Oben, t.Stift.y),
                 std::max(zelle.Rechts, t.Stift.x + t.Mass.Breite),
                 std::max(zelle.Unten, t.Stift.y + t.Mass.Hoehe)};
    const struct {
        TRechteck Tinte;
        bool Weicht;
        bool Text = false;
    } faelle[] = {
        {{zelle.Rechts + 2, zelle.Oben, zelle.Rechts + 6, zelle.Unten}, true},
        {{zelle.Links, zelle.Unten + 2, zelle.Rechts, zelle.Unten + 6}, true},
        {{zelle.Links + 4, zelle.Oben - 5, zelle.Rechts, zelle.Oben - 2}, true},
        {{zelle.Rechts + 12, zelle.Oben, zelle.Rechts + 20, zelle.Unten}, false},
        {{zelle.Links, zelle.Unten + 12, zelle.Rechts, zelle.Unten + 20}, false},
        // the point's own cross and the curve through it
        {{c.x - 3, c.y - 3, c.x + 4, c.y + 4}, false},
        {{zelle.Rechts + 2, zelle.Oben, zelle.Rechts + 6, zelle.Unten}, true, true},
        {{zelle.Links - 30, zelle.Oben - 2, zelle.Rechts, zelle.Oben + 1}, true, true},
        {{zelle.Rechts + 12, zelle.Oben, zelle.Rechts + 20, zelle.Unten}, false, true},
    };
    for (const auto& fall : faelle) {
        for (bool drucken : {false, true}) {
            L.FuelleRechteck({0, 0, 981, 623}, Weiss);
            L.Aufrufe.clear();
            if (!fall.Text) Schwaerze(fall.Tinte.Links, fall.Tinte.Oben, fall.Tinte.Rechts, fall.Tinte.Unten);
            TWechsel<bool> druck(DruckModus, drucken);
            TGrafikPunkt Q{0, 0, "N*i<1>", -M_PI / 4};
            ZeichneKreuz(Q);
            const TRechteck kasten =
                BeschriftePunkt(Q, fall.Text ? std::vector<TRechteck>{fall.Tinte} : std::vector<TRechteck>{});
            const TPunkt m = Textmitte(),
                         vorher{(zelle.Links + zelle.Rechts) / 2, (zelle.Oben + zelle.Unten) / 2};
            EXPECT_EQ(m != vorher, fall.Weicht) << fall.Tinte.Links << " " << drucken;
            // The cells at a new place hold no ink and no text within 3 pixels; the box returned holds them.
            const Int32 bw = (zelle.Rechts - zelle.Links) / 2 + 3, bh = (zelle.Unten - zelle.Oben) / 2 + 3;
            if (fall.Weicht) {
                EXPECT_EQ(ZaehlePixel(m.x - bw, m.y - bh, m.x + bw, m.y + bh), 0) << fall.Tinte.Links;
                const TRechteck& a = fall.Tinte;
                EXPECT_TRUE(m.x + bw < a.Links || m.x - bw >= a.Rechts || m.y + bh < a.Oben ||
                            m.y - bh >= a.Unten);
            }
            EXPECT_TRUE(kasten.Links <= m.x - bw + 3 && kasten.Rechts >= m.x + bw - 3 &&
                        kasten.Oben <= m.y - bh + 3 && kasten.Unten >= m.y + bh - 3);
            // Only the screen stores the place it found.
            EXPECT_EQ(Q.Winkel == -M_PI / 4, drucken || !fall.Weicht) << fall.Tinte.Links << " " << drucken;
        }
    }
}

TEST_F(WeltzeichnungTest, HoechstensFuenfzehnPunkteMitWert) {
    MerkePunkt("A", std::nan(""), 1);
    MerkePunkt("B", 1, INFINITY);
    for (int i = 1; i <= 16; ++i) {
        EXPECT_FALSE(Grafikpunkte.Voll);
        MerkePunkt("P" + std::to_string(i), i, -i);
    }
    EXPECT_EQ(Grafikpunkte.Anzahl, 15);
    EXPECT_TRUE(Grafikpunkte.Voll);
    EXPECT_EQ(Grafikpunkte.Punkte[1].Name, "P1");
    EXPECT_EQ(Grafikpunkte.Punkte[15].Name, "P15");
    Grafikpunkte = TGrafikpunktliste{};
    DruckModus = true;
    MerkePunkt("P", 1, 1);
    EXPECT_EQ(Grafikpunkte.Anzahl, 0);
}

} // namespace
} // namespace zol
