// The Qt canvas on an image and on a printer: fonts, metrics, strokes, pixels, and formulas whose ink lands
// inside their boxes.
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>

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
        for (Int32 y = r.Oben; y <= r.Unten; ++y) {
            for (Int32 x = r.Links; x <= r.Rechts; ++x) n += L.Pixel(x, y) == Schwarz;
        }
        return n;
    }
};

TEST_F(QtLeinwandTest, TimesNewRomanWirdZuEinerSerifenschrift) {
    L.SetzeSchrift(TSchrift{});
    QFontInfo info(L.QtSchrift());
    EXPECT_EQ(info.family().toStdString(), "Liberation Serif");
    // 10 points at 96 pixels per inch are 13 pixels
    EXPECT_EQ(info.pixelSize(), 13);
}

TEST_F(QtLeinwandTest, FehlendeSchriftFaelltOhneFehlerZurueck) {
    L.SetzeSchriftname("Symbol");
    TTextmass a = L.Textmass("abc");
    L.SetzeSchriftname("Eine Schrift, die es nicht gibt");
    TTextmass b = L.Textmass("abc");
    EXPECT_GT(a.Breite, 0);
    EXPECT_GT(b.Breite, 0);
    EXPECT_GT(b.Hoehe, 0);
    L.BewegeZu(10, 10);
    EXPECT_NO_THROW(L.SchreibeText("abc"));
    EXPECT_GT(Schwarze({10, 10, 10 + b.Breite, 10 + b.Hoehe}), 0);
}

TEST_F(QtLeinwandTest, BildHat96PixelProZoll) {
    EXPECT_EQ(L.PixelProZoll(), 96);
    EXPECT_EQ(L.Seitengroesse(), (TGroesse{400, 200}));
    EXPECT_EQ(PunktZuPixel(72), 96);
    EXPECT_EQ(PunktZuPixel(10), 13);
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

TEST_F(QtLeinwandTest, TextStehtUnterDemStiftUndDerStiftRueckt) {
    L.SetzeSchrift(TSchrift{"Times New Roman", 20, 0, Schwarz});
    TTextmass m = L.Textmass("Hg");
    L.BewegeZu(50, 40);
    L.SchreibeText("Hg");
    EXPECT_EQ(L.Stift(), (TPunkt{50 + m.Breite, 40}));
    int innen = Schwarze({50, 40, 50 + m.Breite, 40 + m.Hoehe});
    EXPECT_GT(innen, 20);
    // nothing outside the text's cell
    EXPECT_EQ(Schwarze({0, 0, 399, 199}), innen);
}

TEST_F(QtLeinwandTest, SymbolcodesHabenTinte) {
    for (uint16_t code : {1101, 1112, 1165, 1177, 1187, 1198, 1199, 1200}) {
        Bild.fill(Qt::white);
        L.BewegeZu(10, 10);
        L.SchreibeText(ZeichenText(code));
        EXPECT_GT(Schwarze({0, 0, 399, 199}), 5) << code;
    }
}

TEST_F(QtLeinwandTest, OhneKantenglaettungNurSchwarzUndWeiss) {
    L.SetzeSchrift(TSchrift{"Times New Roman", 24, Kursiv, Schwarz});
    L.BewegeZu(10, 10);
    L.SchreibeText("Schräge Linien ∫");
    L.SetzeStiftbreite(3);
    L.BewegeZu(10, 100);
    L.LinieZu(390, 130);
    L.Ellipsenbogen({200, 50, 300, 190}, 0, 270);
    L.Beende();
    for (int y = 0; y < Bild.height(); ++y) {
        for (int x = 0; x < Bild.width(); ++x) {
            QRgb p = Bild.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << x << "," << y;
        }
    }
}

TEST_F(QtLeinwandTest, LinieVomStiftUndStiftAmEnde) {
    L.SetzeStiftbreite(1);
    L.BewegeZu(20, 30);
    L.LinieZu(120, 30);
    EXPECT_EQ(L.Stift(), (TPunkt{120, 30}));
    EXPECT_EQ(Schwarze({20, 30, 119, 30}), 100);
    EXPECT_EQ(Schwarze({0, 0, 399, 29}), 0);
    EXPECT_EQ(Schwarze({0, 31, 399, 199}), 0);
    // a wider pen covers more rows
    L.SetzeStiftbreite(5);
    L.BewegeZu(20, 100);
    L.LinieZu(120, 100);
    EXPECT_GE(Schwarze({20, 95, 120, 105}), 4 * 100);
}

TEST_F(QtLeinwandTest, PolylinieBewegtDenStiftNicht) {
    L.BewegeZu(5, 5);
    L.Polylinie({{50, 50}, {100, 50}, {100, 150}});
    EXPECT_EQ(L.Stift(), (TPunkt{5, 5}));
    EXPECT_EQ(L.Pixel(75, 50), Schwarz);
    EXPECT_EQ(L.Pixel(100, 100), Schwarz);
    EXPECT_EQ(L.Pixel(75, 100), Weiss);
}

TEST_F(QtLeinwandTest, ViertelbogenLiegtInSeinemQuadranten) {
    // The quarter from the top point counter-clockwise to the left point of the ellipse in
    // (100..200, 50..150).
    L.Ellipsenbogen({100, 50, 200, 150}, 90, 90);
    int oben_links = Schwarze({100, 50, 150, 100});
    EXPECT_GT(oben_links, 60);
    EXPECT_EQ(Schwarze({0, 0, 399, 199}), oben_links);
    EXPECT_EQ(L.Pixel(150, 50), Schwarz);
    EXPECT_EQ(L.Pixel(100, 100), Schwarz);
}

TEST_F(QtLeinwandTest, PixelLesenUndSetzen) {
    EXPECT_EQ(L.Pixel(3, 4), Weiss);
    L.SetzePixel(3, 4, Schwarz);
    L.SetzePixel(5, 6, 0x123456);
    EXPECT_EQ(L.Pixel(3, 4), Schwarz);
    EXPECT_EQ(L.Pixel(5, 6), 0x123456u);
    EXPECT_EQ(Schwarze({0, 0, 399, 199}), 1);
    // outside the image: white
    EXPECT_EQ(L.Pixel(-1, 0), Weiss);
    EXPECT_EQ(L.Pixel(400, 0), Weiss);
    L.FuelleRechteck({10, 20, 30, 25}, Schwarz);
    EXPECT_EQ(Schwarze({0, 0, 399, 199}), 1 + 20 * 5);
    L.FuelleRechteck({0, 0, 400, 200}, Weiss);
    EXPECT_EQ(Schwarze({0, 0, 399, 199}), 0);
}

TEST_F(QtLeinwandTest, DruckerMitSeinerAufloesung) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath("seite.pdf"));
    {
        TQtLeinwand d(drucker);
        TLeinwandWechsel wechsel(d);
        EXPECT_EQ(d.PixelProZoll(), drucker.logicalDpiX());
        EXPECT_GT(d.PixelProZoll(), 96);
        EXPECT_GT(d.Seitengroesse().Breite, 0);
        EXPECT_GT(d.Seitengroesse().Hoehe, d.Seitengroesse().Breite);
        // points scale with the printer's resolution
        EXPECT_EQ(PunktZuPixel(72), d.PixelProZoll());
        auto f = BruchFolie(std::make_unique<TAFolie>("x+1", 10), std::make_unique<TAFolie>("2", 10));
        EXPECT_GT(f->Box->Breite, 3 * 7);
        d.BewegeZu(200, 400);
        f->Zeichne();
        EXPECT_TRUE(d.NeueSeite());
        EXPECT_EQ(d.Pixel(0, 0), Weiss);
    }
    EXPECT_GT(std::filesystem::file_size(ordner.filePath("seite.pdf").toStdString()), 100u);
}

// A fraction, a root and an integral sign drawn side by side: every black pixel lies inside the box of the
// object that drew it (widened by the stroke width), each box holds ink, and the image is kept as an
// artefact.
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
            if (L.Pixel(px, y) != Schwarz) continue;
            bool drin = false;
            for (const TRechteck& r : boxen)
                drin = drin || (px >= r.Links && px <= r.Rechts && y >= r.Oben && y <= r.Unten);
            if (!drin) ++ausserhalb;
        }
    }
    EXPECT_EQ(ausserhalb, 0);

    // The strokes of the integral sign reach every edge of its box.
    const TRechteck& integral = boxen[2];
    EXPECT_GT(Schwarze({integral.Links, integral.Oben, integral.Links + 2 * rand, integral.Unten}), 0);
    EXPECT_GT(Schwarze({integral.Rechts - 2 * rand, integral.Oben, integral.Rechts, integral.Unten}), 0);
    EXPECT_GT(Schwarze({integral.Links, integral.Oben, integral.Rechts, integral.Oben + 2 * rand}), 0);
    EXPECT_GT(Schwarze({integral.Links, integral.Unten - 2 * rand, integral.Rechts, integral.Unten}), 0);
}

} // namespace
} // namespace zol
