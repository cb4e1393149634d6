// Graph plotting on page 8: f and g with axes, the area between them and the marked points, drawn in the
// world window of KartenDaten on the current canvas.
#pragma once

#include "plattform/Leinwand.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// The settings of the graph settings window (GrafikFm): pan steps in cm, zoom factor in percent, whether
// the grid dots are drawn, and the fill pattern of areas (0 horizontal, 1 vertical, 2 rising, 3 falling
// hatching, 4 light, 5 dark dots).
extern Extended DeltaX;
extern Extended DeltaY;
extern Extended Zoom;
extern bool Gitter;
extern Int32 Fuellmuster;

// Column and row of the last pixel that the last ZeichneKurve set; (0, 0) when it set none.
extern TPunkt LetzterKurvenpunkt;

// The graph step; runs after the driver has prepared page 8. With the area step chosen it hatches the area
// that the step stated (Flaechenstellen), from its first to its last point, and nothing where the step
// stated none. Any failure ends in the warning box "Fehler bei DoGraph:" with its message; the request goes
// on.
void DoGraph();
// The axes through (x0, y0) from x1 to x2 and from y1 to y2, with arrow heads, ticks, number labels, the
// names "x" and "y", and the grid dots when Gitter is set.
void ZeichneKoordinatensystem(Extended x1, Extended x0, Extended x2, Extended y1, Extended y0, Extended y2);
// The curve of T, pixel column by pixel column across the window; where T has no value or leaves the
// window nothing is drawn.
void ZeichneKurve(TTerm* T);
// Fills the area between f and g from xa to xb, within the rows of yv to yb, with pattern m (2 to 7: the
// fill patterns 0 to 5).
void SchraffiereFlaeche(Int32 m, TTerm* f, TTerm* g, Double xa, Double xb, Double yv, Double yb);
// Whether (x, y) lies strictly between f and g of the last SchraffiereFlaeche; false where f or g has no
// value.
bool InFlaeche(Double x, Double y);

} // namespace zol
