// Drawing in world coordinates: the mapping of real x and y onto the pixels of the current canvas by
// KartenDaten, and the primitives built on it (line, arrow, label and a marked point whose label goes where
// it covers the least ink). The graph and the geometry drawings use them.
//
// One unit of x is EinheitX cm long, the point (XVon, YBis) lies RandLinks cm from the left and RandOben cm
// from the top edge, and the canvas's pixels per inch turn cm into pixels; rows are offset by SeitenY.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output/Grafikdaten.h"
#include "plattform/Leinwand.h"
#include "term/Grundtypen.h"

namespace zol {

// Pixel column and row of world x and y. The result saturates to the range of Int32; callers draw nothing
// for a coordinate that is not finite.
Int32 XPixel(Extended x);
Int32 YPixel(Extended y);
// World x and y of a pixel column and row.
Double XWelt(Int32 Spalte);
Double YWelt(Int32 Zeile);

// The pixels that the strokes and dots of a drawing stay in; none while only the canvas limits them. The
// graph sets it to its coordinate window.
extern std::optional<TRechteck> Zeichenfenster;
// The coordinate window of KartenDaten in pixels: from the corner (XVon, YBis) to the corner (XBis, YVon),
// both included.
TRechteck Koordinatenfenster();
// Whether a pixel lies in Zeichenfenster (every pixel while none is set).
bool ImZeichenfenster(Int32 x, Int32 y);
// A stroke between two pixels with the canvas pen: its part within Zeichenfenster.
void Strecke(TPunkt a, TPunkt b);

// A line from (x1, y1) to (x2, y2) with the canvas pen, its part within Zeichenfenster; nothing when a
// coordinate is not finite.
void Linie(Extended x1, Extended y1, Extended x2, Extended y2);
// A line with an arrow head at (x2, y2) whose strokes reach 0.2 cm back along the shaft; nothing for an
// arrow of length 0.
void Pfeil(Extended x1, Extended y1, Extended x2, Extended y2);
// The text (with markup) at Schriftgroesse, its box's left and bottom edges at the point.
void Beschriftung(const std::string& Text, Extended x, Extended y);
// The number of black pixels of the canvas in the closed rectangle; 0 when it is empty. Pixels outside
// the canvas are not black.
Int32 ZaehlePixel(Int32 x1, Int32 y1, Int32 x2, Int32 y2);

// The black pixels of a rectangle of the canvas, read once, from which ZaehlePixel's count of any closed
// rectangle within it comes in four lookups (a table of sums from the top left corner).
class TTintenkarte {
public:
    // The canvas within the closed rectangle, as it is now.
    TTintenkarte(Int32 x1, Int32 y1, Int32 x2, Int32 y2);
    // ZaehlePixel(x1, y1, x2, y2) while the canvas is unchanged; by ZaehlePixel for a rectangle that reaches
    // beyond the map.
    Int32 Zaehle(Int32 x1, Int32 y1, Int32 x2, Int32 y2) const;

private:
    Int64 Links, Oben, Breite = 0, Hoehe = 0;
    // Summe[(y + 1) * (Breite + 1) + x + 1]: the black pixels of the map left of and above (x, y), inclusive.
    std::vector<Int32> Summe;
};
// A cross at the point and its name beside it (ZeichneKreuz, then BeschriftePunkt).
void MarkierePunkt(TGrafikPunkt& P);
// The cross of a marked point, within Zeichenfenster.
void ZeichneKreuz(const TGrafikPunkt& P);
// The name of a marked point beside it, where no ink and none of the given texts' cells lies within 3 points
// of its box (ink on the point's own cross does not count); returns the box (empty when nothing was drawn).
// On the screen the place is searched, starting below right and turning counter-clockwise at the standard
// distance, then farther out, until such a place is found (else the place where the least lies there, a
// text weighing most, then ink under the name), and stored in P.Winkel and P.Abstand. While printing the
// stored place is used where it is free on the paper too; where it is not (the printed graph is smaller, and
// the numbers of the axes lie closer), the place is searched in the same way on the paper, and the stored one
// is kept.
TRechteck BeschriftePunkt(TGrafikPunkt& P, const std::vector<TRechteck>& Texte = {});

// Sets the ranges of K, around their centres and at K's scale, to the largest that fit a drawing of
// Breite x Hoehe pixels at Ppi pixels per inch (3 pixels to spare).
void PasseAusschnittAn(TKartenDaten& K, Int32 Breite, Int32 Hoehe, Int32 Ppi);
// Sets the units of K so that its ranges fill a drawing of Breite x Hoehe pixels.
void PasseMassstabAn(TKartenDaten& K, Int32 Breite, Int32 Hoehe, Int32 Ppi);
// True when the drawing of K (ranges and margins) fits Breite x Hoehe pixels at Ppi pixels per inch.
bool PasstInBild(const TKartenDaten& K, Int32 Breite, Int32 Hoehe, Int32 Ppi);

} // namespace zol
