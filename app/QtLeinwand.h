// The canvas over a QPainter, the same code for a page image and for the printer.
//
// Text is written character by character, each at the sum of the advances before it, so that a text is
// exactly as wide as its characters measured one by one (no kerning, no ligatures). Antialiasing is off
// for strokes and text, so everything drawn is pure black and pixels can be counted.
//
// Both work in the screen's units of 96 pixels per inch: on a printer the painter is scaled to the
// printer's resolution and texts are measured as on a page image, so a printed page shows what the screen
// page shows, line pitch, gaps, table cells and strokes in proportion to the type. On a printer everything
// is also drawn onto a picture of the current page at 96 pixels per inch, from which its pixels are read
// (the labels of a graph look there for a free place).
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <optional>
#include <string>
#include <unordered_map>

#include "plattform/Leinwand.h"

class QPrinter;

namespace zol {

class TQtLeinwand : public TLeinwand {
public:
    // On an image; the image is given 96 pixels per inch.
    explicit TQtLeinwand(QImage& Bild);
    // On a printer, in units of 1/96 inch scaled to the printer's resolution.
    explicit TQtLeinwand(QPrinter& Drucker);
    ~TQtLeinwand() override;
    TQtLeinwand(const TQtLeinwand&) = delete;
    TQtLeinwand& operator=(const TQtLeinwand&) = delete;

    Int32 PixelProZoll() const override;
    TTextmass Textmass(const std::string& Text) override;
    void SchreibeText(const std::string& Text) override;
    void LinieZu(Int32 x, Int32 y) override;
    void Polylinie(const std::vector<TPunkt>& Punkte) override;
    void Ellipsenbogen(const TRechteck& Rechteck, Int32 StartGrad, Int32 SpanneGrad) override;
    void FuelleRechteck(const TRechteck& Rechteck, TFarbe Farbe) override;
    TFarbe Pixel(Int32 x, Int32 y) override;
    void SetzePixel(Int32 x, Int32 y, TFarbe Farbe) override;
    TGroesse Seitengroesse() const override;
    bool NeueSeite() override;
    void SetzeMassstab(Double Faktor, TPunkt Fest) override;

    // Ends painting, so that the image can be shown or copied; the next drawing call begins again.
    void Beende();
    // The Qt font for the canvas's current font.
    const QFont& QtSchrift();

private:
    QPainter& Maler();
    // Draws with the painter of the device and, on a printer, with that of the page's picture.
    template <class Z> void Male(Z zeichne);
    void SetzeStrichstift(QPainter& p);
    const QFontMetrics& Metrik();
    Int32 Zeichenbreite(const std::string& Zeichen);

    QPaintDevice* Geraet;
    QImage* Bild = nullptr;
    QPrinter* Drucker = nullptr;
    // Device pixels per unit: 1 on an image, the printer's resolution / 96 on a printer.
    double Massstab = 1;
    // The 96-dpi image that texts are measured on while printing.
    QImage Messbild;
    QPainter Painter;
    // The transform of a line drawn smaller (SetzeMassstab), in units of 1/96 inch.
    QTransform Zeilenmassstab;
    // On a printer: the current page at 96 pixels per inch and its painter.
    QImage Seitenbild;
    QPainter Bildmaler;
    std::optional<TSchrift> Eingestellt; // the font that Schrift_ and Metrik_ were made for
    QFont Schrift_;
    std::optional<QFontMetrics> Metrik_;
    std::unordered_map<std::string, Int32> Breiten;
};

// A white page image of the given size at 96 pixels per inch.
QImage NeuesSeitenbild(int Breite, int Hoehe);

} // namespace zol
