// The Qt canvas on an image and on a printer: fonts, metrics, strokes, pixels, and formulas whose ink lands
// inside their boxes.
#include <QFontInfo>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/QtLeinwand.h"
#include "output/folienT.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class QtLeinwandTest : public ZolTest {
protected:
    QImage Bild = NeuesSeitenbild(400, 200);
    TQtLeinwand L{Bild};
    TLeinwandWechsel Wechsel{L};

    // Number of black pixels in the rectangle (Rechts and Unten inclusive).
    int Schwarze(const TRechteck& r) {
        int n = 0;
        for (Int32 y = r.Oben; y <= r.Unten; ++y)
            for (Int32 x = r.Links; x <= r.Rechts; ++x) n += L.Pixel(x, y) == Schwarz;
        return n;
    }
};

TEST_F(QtLeinwandTest, SchriftenUndAufloesung) {
    // "Times New Roman" becomes Liberation Serif; 10 points at 96 pixels per inch are 13 pixels.
    L.SetzeSchrift(TSchrift{});
    QFontInfo info(L.QtSchrift());
    EXPECT_EQ(info.family().toStdString(), "Liberation Serif");
    EXPECT_EQ(info.pixelSize(), 13);
    EXPECT_TRUE(L.PixelProZoll() == 96 && L.Seitengroesse() == (TGroesse{400, 200}) &&
                PunktZuPixel(10) == 13);
    // A font that does not exist falls back without an error.
    L.SetzeSchriftname("Eine Schrift, die es nicht gibt");
    TTextmass b = L.Textmass("abc");
    EXPECT_TRUE(b.Breite > 0 && b.Hoehe > 0);
    L.BewegeZu(10, 10);
    L.SchreibeText("abc");
    EXPECT_GT(Schwarze({10, 10, 10 + b.Breite, 10 + b.Hoehe}), 0);
}

TEST_F(QtLeinwandTest, TextmassIstDieSummeDerZeichen) {
    L.SetzeSchrift(TSchrift{});
    const std::string text = "f(x) = Lösung ∞";
    Int32 summe = 0;
    for (const std::string& z : ZerlegeInZeichen(text)) summe += L.Textmass(z).Breite;
    EXPECT_EQ(L.Textmass(text).Breite, summe);
    EXPECT_EQ(L.Textmass("").Breite, 0);
    // bigger type is wider and taller
    TTextmass klein = L.Textmass("Wert");
    L.SetzeSchriftgroesse(20);
    TTextmass gross = L.Textmass("Wert");
    EXPECT_GT(gross.Breite, klein.Breite);
    EXPECT_GT(gross.Hoehe, klein.Hoehe);
    EXPECT_NEAR(gross.Hoehe, 2 * klein.Hoehe, 2);
}

TEST_F(QtLeinwandTest, StricheUndPixel) {
    L.SetzeStiftbreite(1);
    L.BewegeZu(20, 30);
    L.LinieZu(120, 30);
    EXPECT_EQ(L.Stift(), (TPunkt{120, 30}));
    EXPECT_TRUE(Schwarze({20, 30, 119, 30}) == 100 && Schwarze({0, 0, 399, 29}) == 0 &&
                Schwarze({0, 31, 399, 199}) == 0);
    Bild.fill(Qt::white);
    // A polyline leaves the pen where it was.
    L.Polylinie({{50, 50}, {100, 50}, {100, 150}});
    EXPECT_EQ(L.Stift(), (TPunkt{120, 30}));
    EXPECT_TRUE(L.Pixel(75, 50) == Schwarz && L.Pixel(100, 100) == Schwarz && L.Pixel(75, 100) == Weiss);
    Bild.fill(Qt::white);
    // The quarter from the top point counter-clockwise to the left point lies in its quadrant.
    L.Ellipsenbogen({100, 50, 200, 150}, 90, 90);
    const int obenLinks = Schwarze({100, 50, 150, 100});
    EXPECT_TRUE(obenLinks > 60 && Schwarze({0, 0, 399, 199}) == obenLinks);
    Bild.fill(Qt::white);
    L.SetzePixel(5, 6, 0x123456);
    L.FuelleRechteck({10, 20, 30, 25}, Schwarz);
    EXPECT_TRUE(L.Pixel(5, 6) == 0x123456u && Schwarze({0, 0, 399, 199}) == 20 * 5 &&
                L.Pixel(-1, 0) == Weiss);
}

// A fraction, a root and an integral sign drawn side by side, without antialiasing: every pixel is black or
// white, every black pixel lies inside the box of the object that drew it (widened by the stroke width), each
// box holds ink, and the image is kept as an artefact.
TEST_F(QtLeinwandTest, TinteLiegtInDenBoxen) {
    const Single G = 24;
    L.SetzeSchrift(TSchrift{});
    std::vector<std::unique_ptr<TFolie>> folien;
    folien.push_back(BruchFolie(std::make_unique<TAFolie>("x+1", G), std::make_unique<TAFolie>("2", G)));
    folien.push_back(WurzelFolie(std::make_unique<TAFolie>("x", G), 3));
    folien.push_back(std::make_unique<TIntegralZeichen>(G));
    const Int32 rand = PunktZuPixel(G / 30.0) + 1;

    std::vector<TRechteck> boxen;
    Int32 x = 40;
    for (auto& f : folien) {
        const TBox& b = *f->Box;
        const Int32 ursprung = x - b.LinksAbstand;
        boxen.push_back({ursprung + b.LinksAbstand - rand, 100 - b.Oben - rand,
                         ursprung + b.LinksAbstand + b.Breite + rand, 100 + b.Unten + rand});
        L.BewegeZu(ursprung, 100);
        f->Zeichne();
        x += b.Breite + 60;
    }
    L.Beende();

    std::filesystem::create_directories("artefakte");
    Bild.save("artefakte/QtLeinwand_Formeln.png");

    for (size_t i = 0; i < boxen.size(); ++i) EXPECT_GT(Schwarze(boxen[i]), 30) << "Folie " << i;
    int ausserhalb = 0;
    for (int y = 0; y < Bild.height(); ++y) {
        for (int px = 0; px < Bild.width(); ++px) {
            const QRgb p = Bild.pixel(px, y) & 0xFFFFFF;
            ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << px << "," << y;
            if (p != 0) continue;
            bool drin = false;
            for (const TRechteck& r : boxen)
                drin = drin || (px >= r.Links && px <= r.Rechts && y >= r.Oben && y <= r.Unten);
            if (!drin) ++ausserhalb;
        }
    }
    EXPECT_EQ(ausserhalb, 0);
}

} // namespace
} // namespace zol
