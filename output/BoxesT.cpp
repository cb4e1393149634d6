#include "output/BoxesT.h"

namespace zol {

void TBox::Verschiebe(Int32 dx, Int32 dy) {
    LinksAbstand += dx;
    Oben -= dy;
    Unten += dy;
    Startpunkt.x += dx;
    Startpunkt.y += dy;
    Endpunkt.x += dx;
    Endpunkt.y += dy;
}

void TBox::Anhaengen(const TBox& b) {
    if (IstLeer()) {
        *this = b;
        return;
    }
    Endpunkt = {b.Endpunkt.x + LinksAbstand + Breite + RechtsAbstand, b.Endpunkt.y};
    Oben = Max(Oben, b.Oben);
    Unten = Max(Unten, b.Unten);
    const Int32 tinte = Breite;
    Breite = Breite + RechtsAbstand + b.LinksAbstand + b.Breite;
    RechtsAbstand = b.RechtsAbstand;
    // Ink that reaches past where the box goes on (the long limits of an evaluation bracket) stays inside.
    if (Breite < tinte) {
        RechtsAbstand -= tinte - Breite;
        Breite = tinte;
    }
}

void TBox::Vereinige(const TBox& b) {
    if (IstLeer()) {
        *this = b;
        return;
    }
    Oben = Max(Oben, b.Oben);
    Unten = Max(Unten, b.Unten);
    Int32 rechts = Max(LinksAbstand + Breite, b.LinksAbstand + b.Breite);
    Int32 aussen = Max(LinksAbstand + Breite + RechtsAbstand, b.LinksAbstand + b.Breite + b.RechtsAbstand);
    LinksAbstand = Min(LinksAbstand, b.LinksAbstand);
    Breite = rechts - LinksAbstand;
    RechtsAbstand = aussen - rechts;
    Endpunkt = b.Endpunkt;
}

TBox TextZeichenBox(TLeinwand& Leinwand, const std::string& Zeichen) {
    TTextmass m = Leinwand.Textmass(Zeichen);
    return TBox(0, m.Hoehe, m.Breite, 0, 0, 0, 0, m.Breite, 0);
}

TBox ZeichenBox(TLeinwand& Leinwand, uint16_t Code) {
    return TextZeichenBox(Leinwand, ZeichenText(Code));
}

} // namespace zol
