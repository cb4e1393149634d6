#include "tests/hilfe/TestLeinwand.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "output/Ausgabe.h"

namespace zol {

namespace {
double PixelDerSchrift(Int32 punkte) {
    return punkte * 96.0 / 72.0;
}
} // namespace

TTestLeinwand::TTestLeinwand(Int32 breite, Int32 hoehe)
    : Groesse{breite, hoehe}, Bild(static_cast<size_t>(std::max(breite, 0)) * std::max(hoehe, 0), Weiss) {}

Int32 TTestLeinwand::Zeichenbreite(Int32 punkte) {
    return static_cast<Int32>(Round(0.5 * PixelDerSchrift(punkte)));
}

Int32 TTestLeinwand::Zeichenhoehe(Int32 punkte) {
    return static_cast<Int32>(Round(1.2 * PixelDerSchrift(punkte)));
}

TZeichenaufruf TTestLeinwand::Aufruf(TAufrufart art) const {
    TZeichenaufruf a;
    a.Art = art;
    a.Stift = Abbild(Stift());
    a.Stiftbreite = Stiftbreite();
    a.Schrift = Schrift();
    return a;
}

TPunkt TTestLeinwand::Abbild(TPunkt p) const {
    return {Fest_.x + static_cast<Int32>(std::lround((p.x - Fest_.x) * Faktor_)),
            Fest_.y + static_cast<Int32>(std::lround((p.y - Fest_.y) * Faktor_))};
}

TRechteck TTestLeinwand::Abbild(const TRechteck& r) const {
    const TPunkt a = Abbild(TPunkt{r.Links, r.Oben}), b = Abbild(TPunkt{r.Rechts, r.Unten});
    return {a.x, a.y, b.x, b.y};
}

TTextmass TTestLeinwand::Textmass(const std::string& Text) {
    return {static_cast<Int32>(AnzahlZeichen(Text)) * Zeichenbreite(Schrift().Groesse),
            Zeichenhoehe(Schrift().Groesse)};
}

void TTestLeinwand::SchreibeText(const std::string& Text) {
    TZeichenaufruf a = Aufruf(TAufrufart::Text);
    a.Text = Text;
    const TTextmass mass = Textmass(Text);
    a.Mass = {static_cast<Int32>(std::lround(mass.Breite * Faktor_)),
              static_cast<Int32>(std::lround(mass.Hoehe * Faktor_))};
    Merke(a);
    BewegeUm(mass.Breite, 0);
}

void TTestLeinwand::LinieZu(Int32 x, Int32 y) {
    TZeichenaufruf a = Aufruf(TAufrufart::Linie);
    a.Punkte = {Abbild(Stift()), Abbild(TPunkt{x, y})};
    Merke(a);
    BewegeZu(x, y);
}

void TTestLeinwand::Polylinie(const std::vector<TPunkt>& Punkte) {
    TZeichenaufruf a = Aufruf(TAufrufart::Polylinie);
    for (const TPunkt& p : Punkte) a.Punkte.push_back(Abbild(p));
    Merke(a);
}

void TTestLeinwand::Ellipsenbogen(const TRechteck& Rechteck, Int32 StartGrad, Int32 SpanneGrad) {
    TZeichenaufruf a = Aufruf(TAufrufart::Bogen);
    a.Rechteck = Abbild(Rechteck);
    a.StartGrad = StartGrad;
    a.SpanneGrad = SpanneGrad;
    Merke(a);
}

void TTestLeinwand::FuelleRechteck(const TRechteck& Rechteck, TFarbe Farbe) {
    if (Aufzeichnen) {
        TZeichenaufruf a = Aufruf(TAufrufart::Rechteck);
        a.Rechteck = Abbild(Rechteck);
        a.Farbe = Farbe;
        Merke(a);
    }
    const Int32 links = std::max(Rechteck.Links, 0), rechts = std::min(Rechteck.Rechts, Groesse.Breite);
    const Int32 oben = std::max(Rechteck.Oben, 0), unten = std::min(Rechteck.Unten, Groesse.Hoehe);
    if (links >= rechts || oben >= unten) return;
    // The first row filled, the others copied from it (a page is cleared this way at every step).
    auto zeile = [&](Int32 y) {
        return Bild.data() + static_cast<std::ptrdiff_t>(y) * Groesse.Breite + links;
    };
    std::fill_n(zeile(oben), rechts - links, Farbe);
    for (Int32 y = oben + 1; y < unten; ++y)
        std::memcpy(zeile(y), zeile(oben), sizeof(TFarbe) * static_cast<size_t>(rechts - links));
}

TFarbe TTestLeinwand::Pixel(Int32 x, Int32 y) {
    if (x < 0 || y < 0 || x >= Groesse.Breite || y >= Groesse.Hoehe) return Weiss;
    return Bild[static_cast<size_t>(y) * Groesse.Breite + x];
}

void TTestLeinwand::SetzePixel(Int32 x, Int32 y, TFarbe Farbe) {
    if (Aufzeichnen) {
        TZeichenaufruf a = Aufruf(TAufrufart::Pixel);
        a.Punkte = {Abbild(TPunkt{x, y})};
        a.Farbe = Farbe;
        Merke(a);
    }
    if (x < 0 || y < 0 || x >= Groesse.Breite || y >= Groesse.Hoehe) return;
    Bild[static_cast<size_t>(y) * Groesse.Breite + x] = Farbe;
}

std::string TTestLeinwand::GeschriebenerText() const {
    std::string text;
    for (const auto& a : Aufrufe)
        if (a.Art == TAufrufart::Text) text += a.Text;
    return text;
}

std::vector<TZeichenaufruf> TTestLeinwand::AufrufeDerArt(TAufrufart art) const {
    std::vector<TZeichenaufruf> auswahl;
    for (const auto& a : Aufrufe)
        if (a.Art == art) auswahl.push_back(a);
    return auswahl;
}

TRechteck TTestLeinwand::Tintenbereich() const {
    TRechteck r{1, 1, 0, 0};
    bool leer = true;
    auto nimm = [&](Int32 x, Int32 y) {
        if (leer) {
            r = {x, y, x, y};
            leer = false;
            return;
        }
        r.Links = std::min(r.Links, x);
        r.Rechts = std::max(r.Rechts, x);
        r.Oben = std::min(r.Oben, y);
        r.Unten = std::max(r.Unten, y);
    };
    for (const auto& a : Aufrufe) {
        switch (a.Art) {
        case TAufrufart::Text:
            nimm(a.Stift.x, a.Stift.y);
            nimm(a.Stift.x + a.Mass.Breite, a.Stift.y + a.Mass.Hoehe);
            break;
        case TAufrufart::Linie:
        case TAufrufart::Polylinie:
        case TAufrufart::Pixel:
            for (const auto& p : a.Punkte) nimm(p.x, p.y);
            break;
        case TAufrufart::Bogen: {
            // Every point of the arc at whole degrees.
            double mx = (a.Rechteck.Links + a.Rechteck.Rechts) / 2.0;
            double my = (a.Rechteck.Oben + a.Rechteck.Unten) / 2.0;
            double rx = (a.Rechteck.Rechts - a.Rechteck.Links) / 2.0;
            double ry = (a.Rechteck.Unten - a.Rechteck.Oben) / 2.0;
            for (Int32 g = 0; g <= std::abs(a.SpanneGrad); ++g) {
                double w = (a.StartGrad + (a.SpanneGrad < 0 ? -g : g)) * M_PI / 180.0;
                nimm(static_cast<Int32>(std::lround(mx + rx * std::cos(w))),
                     static_cast<Int32>(std::lround(my - ry * std::sin(w))));
            }
            break;
        }
        case TAufrufart::Rechteck:
            break;
        }
    }
    return r;
}

std::string Mitschrift(const std::function<void()>& lauf) {
    TTestLeinwandAktiv aktiv;
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    lauf();
    NeueZeile();
    SetzeZeilenliste(nullptr);
    std::string text;
    for (const std::string& z : seite.Klartext()) text += z + "\n";
    return text;
}

} // namespace zol
