// The canvas: the one drawing surface on which the layout objects are measured and drawn, the pages are
// drawn and the graph is plotted.
//
// The core draws only through the abstract TLeinwand behind the global Leinwand(). The Qt program
// implements it over a QPainter (on a page image or on the printer); tests use a canvas with fixed metrics
// that records what is drawn. Until a program installs its own, Leinwand() is a free-standing canvas that
// measures with fixed metrics and draws nothing.
//
// Coordinates are device pixels, x to the right, y downwards. Font sizes are in points; the canvas turns
// them into pixels by its pixels per inch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "term/Grundtypen.h"

namespace zol {

struct TPunkt {
    Int32 x = 0;
    Int32 y = 0;
    bool operator==(const TPunkt&) const = default;
};

struct TGroesse {
    Int32 Breite = 0;
    Int32 Hoehe = 0;
    bool operator==(const TGroesse&) const = default;
};

// A rectangle of pixels; Rechts and Unten lie just outside it.
struct TRechteck {
    Int32 Links = 0;
    Int32 Oben = 0;
    Int32 Rechts = 0;
    Int32 Unten = 0;
    bool operator==(const TRechteck&) const = default;
};

// A colour as 0xRRGGBB.
using TFarbe = uint32_t;
constexpr TFarbe Schwarz = 0x000000;
constexpr TFarbe Weiss = 0xFFFFFF;

// Style bits of a font.
using TSchriftstil = uint8_t;
constexpr TSchriftstil Fett = 1;
constexpr TSchriftstil Kursiv = 2;
constexpr TSchriftstil Unterstrichen = 4;
constexpr TSchriftstil Durchgestrichen = 8;

struct TSchrift {
    std::string Name = "Times New Roman";
    Int32 Groesse = 10; // points
    TSchriftstil Stil = 0;
    TFarbe Farbe = Schwarz;
    bool operator==(const TSchrift&) const = default;
};

// Width and height of a text in pixels; the height is that of the font's character cell.
struct TTextmass {
    Int32 Breite = 0;
    Int32 Hoehe = 0;
    bool operator==(const TTextmass&) const = default;
};

// The UTF-8 text of a character code as the layout objects write it. Codes of 1000 and above name a glyph
// of the old Symbol font (code - 1000) and are mapped to the Unicode character drawn in the text font;
// codes below 256 are Latin-1; other codes are Unicode code points.
std::string ZeichenText(uint16_t Code);

class TLeinwand {
public:
    virtual ~TLeinwand() = default;

    // Font. The canvas keeps the font as state; a backend applies it when it measures or draws.
    const TSchrift& Schrift() const { return Schrift_; }
    void SetzeSchrift(const TSchrift& s) { Schrift_ = s; }
    void SetzeSchriftname(const std::string& name) { Schrift_.Name = name; }
    void SetzeSchriftgroesse(Int32 punkte) { Schrift_.Groesse = punkte; }
    void SetzeSchriftstil(TSchriftstil stil) { Schrift_.Stil = stil; }
    void SetzeSchriftfarbe(TFarbe farbe) { Schrift_.Farbe = farbe; }

    // Pixels per inch by which the font's points are turned into pixels.
    virtual Int32 PixelProZoll() const = 0;

    // Extent of a UTF-8 text in the current font.
    virtual TTextmass Textmass(const std::string& Text) = 0;
    // Writes a UTF-8 text in the current font with the top left corner of its character cell at the pen;
    // the pen advances right by the text's width.
    virtual void SchreibeText(const std::string& Text) = 0;

    // Pen: width in pixels and position. Moving draws nothing.
    Int32 Stiftbreite() const { return Stiftbreite_; }
    void SetzeStiftbreite(Int32 breite) { Stiftbreite_ = breite; }
    TPunkt Stift() const { return Stift_; }
    void BewegeZu(Int32 x, Int32 y) { Stift_ = {x, y}; }
    void BewegeUm(Int32 dx, Int32 dy) { Stift_ = {Stift_.x + dx, Stift_.y + dy}; }

    // A line from the pen to (x, y) in black at the pen width; the pen ends at (x, y).
    virtual void LinieZu(Int32 x, Int32 y) = 0;
    // A line through the points in order; the pen does not move.
    virtual void Polylinie(const std::vector<TPunkt>& Punkte) = 0;
    // An arc of the ellipse that fills the rectangle, from StartGrad counter-clockwise through SpanneGrad
    // degrees (0 is the rightmost point, 90 the top); the pen does not move.
    virtual void Ellipsenbogen(const TRechteck& Rechteck, Int32 StartGrad, Int32 SpanneGrad) = 0;
    // Fills the rectangle with a colour.
    virtual void FuelleRechteck(const TRechteck& Rechteck, TFarbe Farbe) = 0;
    // Reads and sets single pixels; reading outside the surface gives white. A printer reads its current page
    // as drawn so far.
    virtual TFarbe Pixel(Int32 x, Int32 y) = 0;
    virtual void SetzePixel(Int32 x, Int32 y, TFarbe Farbe) = 0;
    // Size of the drawing surface (of the printable page for a printer).
    virtual TGroesse Seitengroesse() const = 0;
    // Starts a new page on a printer; false on a surface that has no pages.
    virtual bool NeueSeite() { return false; }
    // Draws what follows Faktor times as large, the point Fest staying where it is (pen positions stay in
    // the unscaled coordinates); Faktor 1 draws at full size again. A surface without drawing ignores it.
    virtual void SetzeMassstab(Double /*Faktor*/, TPunkt /*Fest*/) {}

private:
    TSchrift Schrift_;
    Int32 Stiftbreite_ = 1;
    TPunkt Stift_;
};

// The free-standing canvas: fixed metrics (96 pixels per inch; every character advances
// Round(0.5 * px) and the cell is Round(1.2 * px) high, px = points * 96 / 72), no surface.
class TFreieLeinwand : public TLeinwand {
public:
    Int32 PixelProZoll() const override { return 96; }
    TTextmass Textmass(const std::string& Text) override;
    void SchreibeText(const std::string& Text) override;
    void LinieZu(Int32 x, Int32 y) override { BewegeZu(x, y); }
    void Polylinie(const std::vector<TPunkt>&) override {}
    void Ellipsenbogen(const TRechteck&, Int32, Int32) override {}
    void FuelleRechteck(const TRechteck&, TFarbe) override {}
    TFarbe Pixel(Int32, Int32) override { return Weiss; }
    void SetzePixel(Int32, Int32, TFarbe) override {}
    TGroesse Seitengroesse() const override { return {}; }
};

// Number of characters (code points) of a UTF-8 text.
size_t AnzahlZeichen(const std::string& Text);
// The characters of a UTF-8 text, each as its own UTF-8 string.
std::vector<std::string> ZerlegeInZeichen(const std::string& Text);

// The current canvas; never null.
TLeinwand& Leinwand();
// Makes a canvas current (null restores the free-standing one); returns the previous one.
TLeinwand* SetzeLeinwand(TLeinwand* neu);

// Makes a canvas current for the lifetime of the guard and then restores the previous one.
class TLeinwandWechsel {
public:
    explicit TLeinwandWechsel(TLeinwand& neu) : Vorher(SetzeLeinwand(&neu)) {}
    ~TLeinwandWechsel() { SetzeLeinwand(Vorher); }
    TLeinwandWechsel(const TLeinwandWechsel&) = delete;
    TLeinwandWechsel& operator=(const TLeinwandWechsel&) = delete;

private:
    TLeinwand* Vorher;
};

} // namespace zol
