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

// The pixel column of world x, not rounded.
Extended XSpalte(Extended x) {
    const TKartenDaten& K = KartenDaten;
    return ((x - K.XVon) * K.EinheitX + K.RandLinks) / CmProZoll * Ppi();
}

// Half the size of a point's cross in pixels.
Int32 Kreuzgroesse() {
    return PunktZuPixel(Schriftgroesse / 4);
}

// The part of the stroke from (x1, y1) to (x2, y2) (pixels, not rounded) that lies in Zeichenfenster, by
// cutting the parameter range of the stroke at each edge; nothing when no part does.
void StreckeImFenster(Extended x1, Extended y1, Extended x2, Extended y2) {
    if (!Endlich(x1, y1) || !Endlich(x2, y2)) return;
    if (Zeichenfenster) {
        const TRechteck& f = *Zeichenfenster;
        const Extended dx = x2 - x1, dy = y2 - y1;
        Extended t0 = 0, t1 = 1;
        // The stroke x1 + t dx stays on the inner side of an edge where p t <= q.
        auto schneide = [&](Extended p, Extended q) {
            if (p == 0) return q >= 0;
            const Extended t = q / p;
            if (p < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            return t0 <= t1;
        };
        if (!schneide(-dx, x1 - f.Links) || !schneide(dx, f.Rechts - 1 - x1) || !schneide(-dy, y1 - f.Oben) ||
            !schneide(dy, f.Unten - 1 - y1))
            return;
        const Extended ax = x1 + t0 * dx, ay = y1 + t0 * dy;
        x2 = x1 + t1 * dx;
        y2 = y1 + t1 * dy;
        x1 = ax;
        y1 = ay;
    }
    Leinwand().BewegeZu(Saettige(x1), Saettige(y1));
    Leinwand().LinieZu(Saettige(x2), Saettige(y2));
}

} // namespace

Int32 XPixel(Extended x) {
    return Saettige(XSpalte(x));
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

std::optional<TRechteck> Zeichenfenster;

TRechteck Koordinatenfenster() {
    const TKartenDaten& K = KartenDaten;
    const Int32 links = XPixel(K.XVon), rechts = XPixel(K.XBis);
    const Int32 oben = YPixel(K.YBis), unten = YPixel(K.YVon);
    // The window of a range running backwards (from zooming out by all) holds no pixel.
    if (rechts < links || unten < oben) return {links, oben, links, oben};
    return {links, oben, Saettige(Extended(rechts) + 1), Saettige(Extended(unten) + 1)};
}

bool ImZeichenfenster(Int32 x, Int32 y) {
    if (!Zeichenfenster) return true;
    const TRechteck& f = *Zeichenfenster;
    return x >= f.Links && x < f.Rechts && y >= f.Oben && y < f.Unten;
}

void Strecke(TPunkt a, TPunkt b) {
    StreckeImFenster(a.x, a.y, b.x, b.y);
}

void Linie(Extended x1, Extended y1, Extended x2, Extended y2) {
    if (!Endlich(x1, y1) || !Endlich(x2, y2)) return;
    const TKartenDaten& K = KartenDaten;
    auto zeile = [&](Extended y) {
        return ((K.YBis - y) * K.EinheitY + K.RandOben) / CmProZoll * Ppi() + SeitenY;
    };
    if (!Zeichenfenster) {
        Leinwand().BewegeZu(XPixel(x1), YPixel(y1));
        Leinwand().LinieZu(XPixel(x2), YPixel(y2));
        return;
    }
    StreckeImFenster(XSpalte(x1), zeile(y1), XSpalte(x2), zeile(y2));
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

TTintenkarte::TTintenkarte(Int32 x1, Int32 y1, Int32 x2, Int32 y2) : Links(x1), Oben(y1) {
    if (x2 < x1 || y2 < y1) return;
    Breite = Int64(x2) - x1 + 1;
    Hoehe = Int64(y2) - y1 + 1;
    Summe.assign(size_t((Breite + 1) * (Hoehe + 1)), 0);
    const TGroesse g = Leinwand().Seitengroesse();
    for (Int64 j = 0; j < Hoehe; ++j) {
        const Int64 y = Oben + j;
        Int32 zeile = 0;
        for (Int64 i = 0; i < Breite; ++i) {
            const Int64 x = Links + i;
            // Only the part on the canvas can hold black pixels.
            if (y >= 0 && y < g.Hoehe && x >= 0 && x < g.Breite &&
                Leinwand().Pixel(Int32(x), Int32(y)) == Schwarz)
                ++zeile;
            Summe[size_t((j + 1) * (Breite + 1) + i + 1)] = Summe[size_t(j * (Breite + 1) + i + 1)] + zeile;
        }
    }
}

Int32 TTintenkarte::Zaehle(Int32 x1, Int32 y1, Int32 x2, Int32 y2) const {
    if (x2 < x1 || y2 < y1) return 0;
    if (x1 < Links || y1 < Oben || Int64(x2) >= Links + Breite || Int64(y2) >= Oben + Hoehe)
        return ZaehlePixel(x1, y1, x2, y2);
    const Int64 b = Breite + 1, l = x1 - Links, o = y1 - Oben, r = Int64(x2) - Links + 1,
                u = Int64(y2) - Oben + 1;
    return Summe[size_t(u * b + r)] - Summe[size_t(o * b + r)] - Summe[size_t(u * b + l)] +
           Summe[size_t(o * b + l)];
}

void MarkierePunkt(TGrafikPunkt& P) {
    ZeichneKreuz(P);
    BeschriftePunkt(P);
}

void ZeichneKreuz(const TGrafikPunkt& P) {
    if (!Endlich(P.X, P.Y)) return;
    const Int32 h = Kreuzgroesse();
    const Int32 c = XPixel(P.X), r = YPixel(P.Y);
    Strecke({c - h, r + h}, {c + h, r - h});
    Strecke({c - h, r - h}, {c + h, r + h});
}

TRechteck BeschriftePunkt(TGrafikPunkt& P, const std::vector<TRechteck>& Texte) {
    if (!Endlich(P.X, P.Y)) return {};
    std::unique_ptr<TFolie> F = TextFolie(P.Name, static_cast<Single>(Schriftgroesse));
    if (!F) return {};
    const Int32 h = Kreuzgroesse();
    const Int32 c = XPixel(P.X), r = YPixel(P.Y);
    // The standard distance of the label's centre from the point, the label's half extents, and the room
    // around the label that holds no other ink.
    const Double R = std::max(6 * h, 8);
    const Int32 w = (F->Box->Breite + F->Box->LinksAbstand + F->Box->RechtsAbstand) / 2;
    const Int32 t = (F->Box->Oben + F->Box->Unten) / 2;
    const Int32 frei = PunktZuPixel(3);
    auto mitte = [&](Double winkel, Double abstand) {
        return TPunkt{static_cast<Int32>(Round(c + abstand * std::cos(winkel))),
                      static_cast<Int32>(Round(r - abstand * std::sin(winkel)))};
    };
    // The canvas does not change while the place is searched: its ink around the point at every distance
    // tried, read once.
    const Double weiteste = std::max(2 * R, P.Abstand > 0 ? P.Abstand : R) + 2;
    const Int32 rx = Int32(std::ceil(weiteste)) + w + frei + 2,
                ry = Int32(std::ceil(weiteste)) + t + frei + 2;
    const TTintenkarte karte(c - rx, r - ry, c + rx, r + ry);
    // The ink in a rectangle but on the point's own cross, which lies in the room of a label close to it.
    auto tinte = [&](Int32 x1, Int32 y1, Int32 x2, Int32 y2) {
        return karte.Zaehle(x1, y1, x2, y2) - karte.Zaehle(std::max(x1, c - h), std::max(y1, r - h),
                                                           std::min(x2, c + h), std::min(y2, r + h));
    };
    // Ink under the label weighs more than ink in the room around it, and a text there weighs most.
    auto kosten = [&](Double winkel, Double abstand) {
        const TPunkt m = mitte(winkel, abstand);
        const TRechteck raum{m.x - w - frei, m.y - t - frei, m.x + w + frei + 1, m.y + t + frei + 1};
        Int64 text = 0;
        for (const TRechteck& a : Texte)
            text += Int64(std::max(0, std::min(raum.Rechts, a.Rechts) - std::max(raum.Links, a.Links))) *
                    std::max(0, std::min(raum.Unten, a.Unten) - std::max(raum.Oben, a.Oben));
        const Int64 darunter = tinte(m.x - w, m.y - t, m.x + w, m.y + t);
        return tinte(raum.Links, raum.Oben, raum.Rechts - 1, raum.Unten - 1) + 63 * darunter + 4096 * text;
    };
    // From below right counter-clockwise, in steps of one pixel at that distance, to the first place without
    // ink, else the place of least ink (the first of equal ones).
    auto suche = [&](Double abstand, Double& bester) {
        bester = -M_PI / 4;
        Int64 geringste = kosten(bester, abstand);
        const Double schritt = std::atan(1 / std::sqrt(abstand * abstand - 1));
        for (Double winkel = bester; geringste > 0;) {
            winkel += schritt;
            const Int64 k = kosten(winkel, abstand);
            if (k < geringste) {
                geringste = k;
                bester = winkel;
            }
            if (winkel > 7 * M_PI / 4) break;
        }
        return geringste;
    };

    Double winkel = P.Winkel, abstand = P.Abstand > 0 ? P.Abstand : R;
    Int64 geringste = DruckModus ? kosten(winkel, abstand) : std::numeric_limits<Int64>::max();
    // Farther out only where no place at the standard distance is free, and farther away from the point it
    // names only for less under it than a curve crossing it (some 20 pixels of ink).
    const std::pair<Double, Int64> abstaende[] = {{R, 0}, {1.5 * R, 600}, {2 * R, 1800}};
    for (const auto& [a, malus] : abstaende) {
        if (geringste == 0) break;
        Double w = 0;
        const Int64 k = suche(a, w) + malus;
        if (k < geringste) {
            geringste = k;
            winkel = w;
            abstand = a;
        }
    }
    if (!DruckModus) {
        P.Winkel = winkel;
        P.Abstand = abstand;
    }

    F->ZentriereHorizontal(0);
    F->ZentriereVertikal(0);
    const TPunkt m = mitte(winkel, abstand);
    Leinwand().BewegeZu(m.x, m.y);
    F->Zeichne();
    // Centring rounds, so the drawn box may lie a pixel off the searched one.
    return {m.x - w - 1, m.y - t - 1, m.x + w + 2, m.y + t + 2};
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
