#include "output/Weltzeichnung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "output/Ausgabe.h"
#include "output/folienT.h"
#include "plattform/Leinwand.h"

namespace zol {

namespace {

constexpr Extended CmProZoll = 2.54L;

Extended Ppi() {
    return Leinwand().PixelProZoll();
}

// Round to the nearest pixel, saturated to the range of Int32 (0 for a value that is not a number).
Int32 Saettige(Extended v) {
    if (std::isnan(v)) return 0;
    constexpr Extended min = std::numeric_limits<Int32>::min();
    constexpr Extended max = std::numeric_limits<Int32>::max();
    return static_cast<Int32>(Round(std::clamp(v, min, max)));
}

bool Endlich(Extended a, Extended b) {
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

Int32 XPixel(Extended x) {
    const TKartenDaten& K = KartenDaten;
    return Saettige(((x - K.XVon) * K.EinheitX + K.RandLinks) / CmProZoll * Ppi());
}

Int32 YPixel(Extended y) {
    const TKartenDaten& K = KartenDaten;
    // Rounded before the offset is added, as the row of the drawing is offset by whole pixels.
    const Int32 r = Saettige(((K.YBis - y) * K.EinheitY + K.RandOben) / CmProZoll * Ppi());
    return Saettige(static_cast<Extended>(r) + SeitenY);
}

Double XWelt(Int32 Spalte) {
    const TKartenDaten& K = KartenDaten;
    return static_cast<Double>((Spalte / Ppi() * CmProZoll - K.RandLinks) / K.EinheitX + K.XVon);
}

Double YWelt(Int32 Zeile) {
    const TKartenDaten& K = KartenDaten;
    return static_cast<Double>(
        K.YBis - ((static_cast<Extended>(Zeile) - SeitenY) / Ppi() * CmProZoll - K.RandOben) / K.EinheitY);
}

void Linie(Extended x1, Extended y1, Extended x2, Extended y2) {
    if (!Endlich(x1, y1) || !Endlich(x2, y2)) return;
    Leinwand().BewegeZu(XPixel(x1), YPixel(y1));
    Leinwand().LinieZu(XPixel(x2), YPixel(y2));
}

void Pfeil(Extended x1, Extended y1, Extended x2, Extended y2) {
    const Extended d = std::hypot(x2 - x1, y2 - y1);
    if (d == 0 || !std::isfinite(d)) return;
    // The direction, 0.2 cm long, in world units of each axis.
    const Extended u = 0.2L * (x2 - x1) / (d * std::fabs(KartenDaten.EinheitX));
    const Extended v = 0.2L * (y2 - y1) / (d * std::fabs(KartenDaten.EinheitY));
    Linie(x1, y1, x2, y2);
    Linie(x2 - u + v, y2 - v - u, x2, y2);
    Linie(x2 - u - v, y2 - v + u, x2, y2);
}

void Beschriftung(const std::string& Text, Extended x, Extended y) {
    if (!Endlich(x, y)) return;
    std::unique_ptr<TFolie> F = TextFolie(Text, static_cast<Single>(Schriftgroesse));
    if (!F) return;
    F->LinksAn(0, 0);
    F->UntenAn(0, 0);
    Leinwand().BewegeZu(XPixel(x), YPixel(y));
    F->Zeichne();
}

Int32 ZaehlePixel(Int32 x1, Int32 y1, Int32 x2, Int32 y2) {
    // Only the part on the canvas can hold black pixels.
    const TGroesse g = Leinwand().Seitengroesse();
    const Int64 links = std::max<Int64>(x1, 0), rechts = std::min<Int64>(x2, Int64(g.Breite) - 1);
    const Int64 oben = std::max<Int64>(y1, 0), unten = std::min<Int64>(y2, Int64(g.Hoehe) - 1);
    Int32 n = 0;
    for (Int64 y = oben; y <= unten; ++y)
        for (Int64 x = links; x <= rechts; ++x)
            if (Leinwand().Pixel(Int32(x), Int32(y)) == Schwarz) ++n;
    return n;
}

void MarkierePunkt(TGrafikPunkt& P) {
    if (!Endlich(P.X, P.Y)) return;
    const Int32 h = PunktZuPixel(Schriftgroesse / 4);
    const Int32 c = XPixel(P.X), r = YPixel(P.Y);
    TLeinwand& L = Leinwand();
    L.BewegeZu(c - h, r + h);
    L.LinieZu(c + h, r - h);
    L.BewegeZu(c - h, r - h);
    L.LinieZu(c + h, r + h);

    std::unique_ptr<TFolie> F = TextFolie(P.Name, static_cast<Single>(Schriftgroesse));
    if (!F) return;
    // Distance of the label's centre from the point, and the label's half extents.
    const Double R = std::max(6 * h, 8);
    const Int32 w = (F->Box->Breite + F->Box->LinksAbstand + F->Box->RechtsAbstand) / 2;
    const Int32 t = (F->Box->Oben + F->Box->Unten) / 2;
    auto mitte = [&](Double winkel) {
        return TPunkt{static_cast<Int32>(Round(c + R * std::cos(winkel))),
                      static_cast<Int32>(Round(r - R * std::sin(winkel)))};
    };

    if (!DruckModus) {
        auto kosten = [&](Double winkel) {
            const TPunkt m = mitte(winkel);
            return ZaehlePixel(m.x - w, m.y - t, m.x + w, m.y + t);
        };
        Double bester = -M_PI / 4;
        Int32 geringste = kosten(bester);
        // One pixel at distance R.
        const Double schritt = std::atan(1 / std::sqrt(R * R - 1));
        for (Double winkel = bester; geringste > 0;) {
            winkel += schritt;
            const Int32 k = kosten(winkel);
            if (k < geringste) {
                geringste = k;
                bester = winkel;
            }
            if (winkel > 7 * M_PI / 4) break;
        }
        P.Winkel = bester;
    }

    F->ZentriereHorizontal(0);
    F->ZentriereVertikal(0);
    const TPunkt m = mitte(P.Winkel);
    L.BewegeZu(m.x, m.y);
    F->Zeichne();
}

void PasseAusschnittAn(TKartenDaten& K, Int32 Breite, Int32 Hoehe, Int32 Ppi) {
    const Extended mx = (K.XVon + K.XBis) / 2, my = (K.YVon + K.YBis) / 2;
    const Extended bx = ((Breite - 3) / Extended(Ppi) * CmProZoll - K.RandLinks) / K.EinheitX;
    const Extended by = ((Hoehe - 3) / Extended(Ppi) * CmProZoll - K.RandOben) / K.EinheitY;
    K.XVon = mx - bx / 2;
    K.XBis = mx + bx / 2;
    K.YVon = my - by / 2;
    K.YBis = my + by / 2;
}

void PasseMassstabAn(TKartenDaten& K, Int32 Breite, Int32 Hoehe, Int32 Ppi) {
    K.EinheitX = ((Breite - 3) / Extended(Ppi) * CmProZoll - K.RandLinks) / (K.XBis - K.XVon);
    K.EinheitY = ((Hoehe - 3) / Extended(Ppi) * CmProZoll - K.RandOben) / (K.YBis - K.YVon);
}

bool PasstInBild(const TKartenDaten& K, Int32 Breite, Int32 Hoehe, Int32 Ppi) {
    const Extended w = ((K.XBis - K.XVon) * K.EinheitX + K.RandLinks) / CmProZoll * Ppi;
    const Extended h = ((K.YBis - K.YVon) * K.EinheitY + K.RandOben) / CmProZoll * Ppi;
    return w <= Breite && h <= Hoehe;
}

} // namespace zol
