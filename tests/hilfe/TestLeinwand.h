// A canvas for tests with fixed metrics and a record of every drawing call, so that layout tests are exact
// on any machine and need no fonts.
//
// Metrics: 96 pixels per inch; for a font of pt points, px = pt * 96 / 72 (not rounded); every character
// advances Round(0.5 * px) pixels and the character cell is Round(1.2 * px) high. So at 10 points a
// character is 7 pixels wide and 16 high, at 8 points 5 wide and 13 high.
//
// Pixels: the surface holds only what FuelleRechteck and SetzePixel put there (white at the start);
// texts and strokes are recorded, not rasterised.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "plattform/Leinwand.h"

namespace zol {

enum class TAufrufart { Text, Linie, Polylinie, Bogen, Rechteck, Pixel };

struct TZeichenaufruf {
    TAufrufart Art;
    TPunkt Stift;               // pen position when the call was made
    Int32 Stiftbreite = 0;      // pen width when the call was made
    TSchrift Schrift;           // font when the call was made
    std::string Text;           // Text: the text written
    TTextmass Mass;             // Text: its extent
    std::vector<TPunkt> Punkte; // Linie: start and end; Polylinie: the points; Pixel: the pixel
    TRechteck Rechteck;         // Bogen, Rechteck
    Int32 StartGrad = 0;        // Bogen
    Int32 SpanneGrad = 0;       // Bogen
    TFarbe Farbe = Schwarz;     // Rechteck, Pixel
};

class TTestLeinwand : public TLeinwand {
public:
    explicit TTestLeinwand(Int32 breite = 800, Int32 hoehe = 600);

    // Advance of one character and cell height at a font size in points.
    static Int32 Zeichenbreite(Int32 punkte);
    static Int32 Zeichenhoehe(Int32 punkte);

    std::vector<TZeichenaufruf> Aufrufe;
    // Off: nothing is recorded, the pixels are kept all the same (a graph sets many of them).
    bool Aufzeichnen = true;

    // The texts written, in order, concatenated.
    std::string GeschriebenerText() const;
    // The calls of one kind.
    std::vector<TZeichenaufruf> AufrufeDerArt(TAufrufart art) const;
    // The smallest rectangle (Rechts and Unten inclusive here) that holds all recorded ink: text cells,
    // stroke end points and the points of the arcs; a rectangle with Rechts < Links when nothing was drawn.
    TRechteck Tintenbereich() const;

    Int32 PixelProZoll() const override { return 96; }
    TTextmass Textmass(const std::string& Text) override;
    void SchreibeText(const std::string& Text) override;
    void LinieZu(Int32 x, Int32 y) override;
    void Polylinie(const std::vector<TPunkt>& Punkte) override;
    void Ellipsenbogen(const TRechteck& Rechteck, Int32 StartGrad, Int32 SpanneGrad) override;
    void FuelleRechteck(const TRechteck& Rechteck, TFarbe Farbe) override;
    TFarbe Pixel(Int32 x, Int32 y) override;
    void SetzePixel(Int32 x, Int32 y, TFarbe Farbe) override;
    TGroesse Seitengroesse() const override { return Groesse; }
    // Recorded coordinates and text extents are those drawn: scaled about the fixed point.
    void SetzeMassstab(Double Faktor, TPunkt Fest) override { Faktor_ = Faktor, Fest_ = Fest; }

private:
    TZeichenaufruf Aufruf(TAufrufart art) const;
    TPunkt Abbild(TPunkt p) const;
    TRechteck Abbild(const TRechteck& r) const;
    Double Faktor_ = 1;
    TPunkt Fest_;
    void Merke(const TZeichenaufruf& a) {
        if (Aufzeichnen) Aufrufe.push_back(a);
    }
    TGroesse Groesse;
    std::vector<TFarbe> Bild;
};

// Makes a test canvas current for the lifetime of the object.
class TTestLeinwandAktiv {
public:
    explicit TTestLeinwandAktiv(Int32 breite = 800, Int32 hoehe = 600)
        : Leinwand(breite, hoehe), Wechsel(Leinwand) {}
    TTestLeinwand Leinwand;

private:
    TLeinwandWechsel Wechsel;
};

// What lauf writes, on a page of its own drawn on a test canvas: its lines as plain text, each followed by a
// line feed (the line lauf leaves open is ended first, as an empty line when it is empty).
std::string Mitschrift(const std::function<void()>& lauf);

} // namespace zol
