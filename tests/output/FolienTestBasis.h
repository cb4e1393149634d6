// Fixture of the layout tests: a test canvas with a 10-point font is current.
#pragma once

#include <gtest/gtest.h>

#include "output/folienT.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {

class FolienTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        L.SetzeSchrift(TSchrift{});
    }
    TTestLeinwandAktiv Aktiv;
    TTestLeinwand& L = Aktiv.Leinwand;

    // Points to pixels at 96 pixels per inch, computed independently of PunktZuPixel.
    static Int32 P(double pt) { return static_cast<Int32>(Round(pt * 4.0 / 3.0)); }
    static Int32 W(Int32 pt) { return TTestLeinwand::Zeichenbreite(pt); }
    static Int32 H(Int32 pt) { return TTestLeinwand::Zeichenhoehe(pt); }

    // Draws F with the pen at (x, y) and returns the recorded ink (Rechts and Unten inclusive).
    TRechteck ZeichneBei(TFolie& F, Int32 x, Int32 y) {
        L.Aufrufe.clear();
        L.BewegeZu(x, y);
        F.Zeichne();
        return L.Tintenbereich();
    }
};

// A box from its fields in declaration order: Oben, Unten, Breite, LinksAbstand, RechtsAbstand, start x, y,
// end x, y.
inline TBox B(Int32 o, Int32 u, Int32 b, Int32 la, Int32 ra, Int32 sx, Int32 sy, Int32 ex, Int32 ey) {
    return TBox(o, u, b, la, ra, sx, sy, ex, ey);
}

// The rectangle a box covers when its folie is drawn with the pen at (x, y) (Rechts and Unten inclusive).
inline TRechteck BoxBei(const TBox& b, Int32 x, Int32 y) {
    return {x + b.LinksAbstand, y - b.Oben, x + b.LinksAbstand + b.Breite, y + b.Unten};
}

inline ::testing::AssertionResult Enthaelt(const TRechteck& aussen, const TRechteck& innen, Int32 rand = 0) {
    if (innen.Links >= aussen.Links - rand && innen.Rechts <= aussen.Rechts + rand &&
        innen.Oben >= aussen.Oben - rand && innen.Unten <= aussen.Unten + rand)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "[" << innen.Links << "," << innen.Oben << " - " << innen.Rechts << "," << innen.Unten
           << "] liegt nicht in [" << aussen.Links << "," << aussen.Oben << " - " << aussen.Rechts << ","
           << aussen.Unten << "]";
}

} // namespace zol
