// The box of a layout object: its extent about the baseline, its width, the space around it and the points
// where it starts and where a following element attaches. All values are pixels relative to the object's
// origin, x to the right, y downwards.
#pragma once

#include <cstdint>

#include "plattform/Leinwand.h"
#include "term/Grundtypen.h"

namespace zol {

inline Int32 Max(Int32 a, Int32 b) {
    return a > b ? a : b;
}
inline Int32 Min(Int32 a, Int32 b) {
    return a < b ? a : b;
}

class TBox {
public:
    Int32 Oben = 0;          // extent above the baseline
    Int32 Unten = 0;         // extent below the baseline
    Int32 Breite = 0;        // width of the ink
    Int32 LinksAbstand = 0;  // from the origin to the left edge of the ink
    Int32 RechtsAbstand = 0; // space right of the ink that belongs to the box
    TPunkt Startpunkt;
    TPunkt Endpunkt; // where a following element attaches

    TBox() = default;
    TBox(Int32 oben, Int32 unten, Int32 breite, Int32 linksAbstand, Int32 rechtsAbstand, Int32 startX,
         Int32 startY, Int32 endX, Int32 endY)
        : Oben(oben), Unten(unten), Breite(breite), LinksAbstand(linksAbstand),
          RechtsAbstand(rechtsAbstand), Startpunkt{startX, startY}, Endpunkt{endX, endY} {}

    bool operator==(const TBox&) const = default;

    // A box is empty while Oben + Unten + Breite is 0.
    bool IstLeer() const { return Oben + Unten + Breite == 0; }

    // Moves the box's contents by (dx, dy) relative to the origin.
    void Verschiebe(Int32 dx, Int32 dy);
    // Horizontal concatenation: b is attached where this box goes on (after its RechtsAbstand, which is
    // negative where ink reaches past that point); the ink of both stays inside.
    void Anhaengen(const TBox& b);
    // Overlay of b drawn from the same origin.
    void Vereinige(const TBox& b);
};

// The box of one character code in the canvas's current font: Oben 0, Unten the cell height, Breite the
// advance width, end point (width, 0).
TBox ZeichenBox(TLeinwand& Leinwand, uint16_t Code);
// The same for one character given as UTF-8 text.
TBox TextZeichenBox(TLeinwand& Leinwand, const std::string& Zeichen);

} // namespace zol
