#include "output/folienT.h"

#include <cstdlib>

namespace zol {

namespace {

Int32 RundeI(Extended v) {
    return static_cast<Int32>(Round(v));
}

// Sets the canvas font to the folie's size when it differs; it is not set back afterwards.
void SchriftgroesseAnpassen(Single Groesse) {
    if (static_cast<Single>(Leinwand().Schrift().Groesse) != Groesse)
        Leinwand().SetzeSchriftgroesse(RundeI(Groesse));
}

// Pen width of every stroke.
Int32 Strichbreite(Single Groesse) {
    return PunktZuPixel(Groesse / 30.0) + 1;
}

bool HatBox(const TFolie* F) {
    return F && F->Box;
}

} // namespace

Int32 PunktZuPixel(Double pt) {
    return RundeI(Leinwand().PixelProZoll() * pt / 72.0);
}

void BewegeStift(Int32 dx, Int32 dy) {
    if (dx != 0 || dy != 0) Leinwand().BewegeUm(dx, dy);
}

// ---- TFolie ----

TFolie::TFolie(uint8_t art, Single groesse) : TFolie0(art), Box(std::make_unique<TBox>()), Groesse(groesse) {}

void TFolie::Zeichne() {
    GeheZuStart();
    ZeichneHier();
    GeheZurueck();
}

void TFolie::GeheZuStart() {
    BewegeStift(dx, dy);
}

void TFolie::GeheZurueck() {
    if (dy != 0) BewegeStift(0, -dy);
}

void TFolie::Verschiebe(Int32 x, Int32 y) {
    dx += x;
    dy += y;
    if (Box) Box->Verschiebe(x, y);
}

void TFolie::ZentriereHorizontal(Int32 x) {
    if (Box) Verschiebe(x - RundeI(Box->LinksAbstand + Box->Breite / 2.0L), 0);
}

void TFolie::ZentriereVertikal(Int32 y) {
    if (Box) Verschiebe(0, y + (Box->Oben - Box->Unten) / 2);
}

void TFolie::RechtsAn(Int32 x, Int32 Abstand) {
    if (Box) Verschiebe(x - Abstand - (Box->LinksAbstand + Box->Breite), 0);
}

void TFolie::LinksAn(Int32 x, Int32 Abstand) {
    if (Box) Verschiebe(x + Abstand - Box->LinksAbstand, 0);
}

void TFolie::ObenAn(Int32 y, Int32 Abstand) {
    if (Box) Verschiebe(0, y + Abstand + Box->Oben);
}

void TFolie::UntenAn(Int32 y, Int32 Abstand) {
    if (Box) Verschiebe(0, y - Abstand - Box->Unten);
}

void TFolie::ZentriereHorizontalZu(const TFolie* F) {
    if (HatBox(F)) ZentriereHorizontal(RundeI(F->Box->LinksAbstand + F->Box->Breite / 2.0L));
}

void TFolie::ZentriereVertikalZu(const TFolie* F) {
    if (HatBox(F)) ZentriereVertikal((F->Box->Unten - F->Box->Oben) / 2);
}

void TFolie::RechtsNeben(const TFolie* F, Int32 Abstand) {
    if (HatBox(F)) LinksAn(F->Box->LinksAbstand + F->Box->Breite, Abstand);
}

void TFolie::LinksNeben(const TFolie* F, Int32 Abstand) {
    if (HatBox(F)) RechtsAn(F->Box->LinksAbstand, Abstand);
}

void TFolie::Unter(const TFolie* F, Int32 Abstand) {
    if (HatBox(F)) ObenAn(F->Box->Unten, Abstand);
}

void TFolie::Ueber(const TFolie* F, Int32 Abstand) {
    if (HatBox(F)) UntenAn(-F->Box->Oben, Abstand);
}

void TFolie::StartpunktNach(Int32 x, Int32 y) {
    if (Box) Verschiebe(x - Box->Startpunkt.x, y - Box->Startpunkt.y);
}

void TFolie::EndpunktNach(Int32 x, Int32 y) {
    if (Box) Verschiebe(x - Box->Endpunkt.x, y - Box->Endpunkt.y);
}

void TFolie::StartpunktWie(const TFolie* F) {
    if (HatBox(F)) StartpunktNach(F->Box->Startpunkt.x, F->Box->Startpunkt.y);
}

// ---- characters and texts ----

TZeichen::TZeichen(uint16_t code, Single groesse) : TFolie(ArtZeichen, groesse), Code(code) {
    SchriftgroesseAnpassen(Groesse);
    *Box = ZeichenBox(Leinwand(), Code);
    // 80 % of the character cell lies above the baseline.
    Verschiebe(0, -RundeI(0.8L * Box->Unten));
}

void TZeichen::ZeichneHier() {
    SchriftgroesseAnpassen(Groesse);
    Leinwand().SchreibeText(ZeichenText(Code));
}

TAFolie::TAFolie(const std::string& text, Single groesse) : TFolie(ArtAFolie, groesse), Text(text) {
    SchriftgroesseAnpassen(Groesse);
    for (const std::string& zeichen : ZerlegeInZeichen(Text)) {
        TBox b = TextZeichenBox(Leinwand(), zeichen);
        Box->Oben = Max(Box->Oben, b.Oben);
        Box->Unten = Max(Box->Unten, b.Unten);
        Box->Breite += b.Breite;
        Box->Endpunkt.x += b.Endpunkt.x;
        Box->Endpunkt.y = b.Endpunkt.y;
    }
    Verschiebe(0, -RundeI(0.8L * Box->Unten));
    Box->Startpunkt.y = -PunktZuPixel(0.7 * Groesse);
}

void TAFolie::ZeichneHier() {
    SchriftgroesseAnpassen(Groesse);
    if (!Text.empty()) Leinwand().SchreibeText(Text);
}

// ---- lists ----

TListenFolie::TListenFolie(uint8_t art, Single groesse) : TFolie(art, groesse) {}

void TListenFolie::FuegeAn(std::unique_ptr<TFolie> Kind) {
    if (!Kind) return;
    if (Kind->Box) ErweitereBox(*Kind->Box);
    Kind->Verschiebe(-dx, -dy);
    Kind->Box.reset();
    Liste.push_back(std::move(Kind));
}

void TListenFolie::ErweitereBox(const TBox& b) {
    if (Box) Box->Anhaengen(b);
}

std::string TListenFolie::Klartext() const {
    std::string text;
    for (const auto& kind : Liste) text += kind->Klartext();
    return text;
}

void TListenFolie::ZeichneHier() {
    for (const auto& kind : Liste) kind->Zeichne();
}

void TSammelFolie::ErweitereBox(const TBox& b) {
    if (!Box) return;
    Box->Vereinige(b);
    Vorschub = Box->LinksAbstand + Box->Breite + Box->RechtsAbstand;
}

void TSammelFolie::ZeichneHier() {
    TPunkt ursprung = Leinwand().Stift();
    for (const auto& kind : Liste) {
        kind->Zeichne();
        Leinwand().BewegeZu(ursprung.x, ursprung.y);
    }
    BewegeStift(Vorschub, 0);
}

// ---- strokes ----

TLinie::TLinie(Int32 strichX, Int32 strichY, Single groesse)
    : TFolie(ArtLinie, groesse), StrichX(strichX), StrichY(strichY),
      Dicke(static_cast<Single>(PunktZuPixel(groesse / 20.0) + 2)) {
    Int32 t = RundeI(Dicke);
    if (StrichY >= 0) {
        Box->Oben = t;
        Box->Unten = StrichY;
    } else {
        Box->Oben = t - StrichY;
        Box->Unten = t;
    }
    Box->Breite = std::abs(StrichX);
    Box->LinksAbstand = StrichX < 1 ? StrichX : 0;
    Box->RechtsAbstand = t;
    Box->Startpunkt = {0, 0};
    Box->Endpunkt = {StrichX + t, StrichY};
}

void TLinie::ZeichneHier() {
    Leinwand().SetzeStiftbreite(Strichbreite(Groesse));
    TPunkt p = Leinwand().Stift();
    Leinwand().LinieZu(p.x + StrichX, p.y + StrichY);
}

TKlammer::TKlammer(Int32 hoehe, bool oeffnend, bool eckig, Single groesse)
    : TFolie(ArtKlammer, groesse), Hoehe(hoehe), Oeffnend(oeffnend), Eckig(eckig) {
    Int32 h = PunktZuPixel(0.2 * Groesse);
    *Box = TBox(Hoehe + h, h, h, 0, 0, 0, 0, 0, Hoehe);
}

void TKlammer::ZeichneHier() {
    Int32 w = PunktZuPixel(0.2 * Groesse);
    Int32 s = Oeffnend ? w : -w;
    Int32 a = std::abs(s);
    Leinwand().SetzeStiftbreite(Strichbreite(Groesse));
    auto [x, y] = Leinwand().Stift();
    if (Eckig) {
        Leinwand().Polylinie({{x + s, y}, {x, y}, {x, y - Hoehe}, {x + s, y - Hoehe}});
    } else {
        Leinwand().Polylinie({{x + s, y + a}, {x, y}, {x, y - Hoehe}, {x + s, y - Hoehe - a}});
    }
}

void TGeschweifteKlammer::ZeichneHier() {
    Int32 w = PunktZuPixel(0.2 * Groesse);
    Int32 s = Oeffnend ? w : -w;
    Int32 a = std::abs(s);
    Leinwand().SetzeStiftbreite(Strichbreite(Groesse));
    auto [x, y] = Leinwand().Stift();
    // The tip points away from the hooks, so the closing brace is the mirror image of the opening one.
    Leinwand().Polylinie({{x + s, y + a},
                          {x, y},
                          {x, y - (Hoehe - a) / 2},
                          {x - s, y - Hoehe / 2},
                          {x, y - (Hoehe + a) / 2},
                          {x, y - Hoehe},
                          {x + s, y - Hoehe - a}});
}

TWurzelZeichen::TWurzelZeichen(Int32 hoehe, Int32 breite, Int32 index, Single groesse)
    : TFolie(ArtZeichenfigur, groesse), Hoehe(hoehe), Breite(breite), Index(index) {
    Int32 g = PunktZuPixel(0.3 * Groesse);
    *Box = TBox(Hoehe, 0, Breite + 4 * g, 0, 0, 0, -Hoehe, Breite + 4 * g, -Hoehe);
}

void TWurzelZeichen::ZeichneHier() {
    Int32 g = PunktZuPixel(0.3 * Groesse);
    Leinwand().SetzeStiftbreite(Strichbreite(Groesse));
    auto [x, y] = Leinwand().Stift();
    Leinwand().Polylinie({{x, y - Hoehe},
                          {x + g, y - Hoehe},
                          {x + 2 * g, y},
                          {x + 4 * g, y - Hoehe},
                          {x + 4 * g + Breite, y - Hoehe}});
}

TIntegralZeichen::TIntegralZeichen(Single groesse)
    : TFolie(ArtZeichenfigur, groesse), Hoehe(PunktZuPixel(Groesse)),
      Bogenbreite(PunktZuPixel(0.25 * Groesse)), Bogenhoehe(PunktZuPixel(0.5 * Groesse)) {
    Int32 halb = Hoehe / 2 + Bogenhoehe;
    // The lower hook reaches Bogenbreite left of the stem, so the ink spans -Bogenbreite .. Bogenbreite;
    // the start point (lower left) and end point (upper right) are the corners of that box.
    *Box = TBox(halb, halb, 2 * Bogenbreite, -Bogenbreite, 0, -Bogenbreite, halb, Bogenbreite, -halb);
}

void TIntegralZeichen::ZeichneHier() {
    Int32 A = Bogenbreite, B = Bogenhoehe, H2 = Hoehe / 2;
    Leinwand().SetzeStiftbreite(Strichbreite(Groesse));
    auto [x, y] = Leinwand().Stift();
    Leinwand().BewegeZu(x, y - H2);
    Leinwand().LinieZu(x, y + H2 + 1);
    Leinwand().BewegeZu(x, y);
    // Upper hook: from the top point of its ellipse counter-clockwise to the left point.
    Leinwand().Ellipsenbogen({x, y - H2 - B, x + 2 * A, y - H2 + B}, 90, 90);
    // Lower hook: from the bottom point counter-clockwise to the right point.
    Leinwand().Ellipsenbogen({x - 2 * A, y + H2 - B, x, y + H2 + B}, 270, 90);
}

// ---- builders ----

namespace {

// A text part of a markup: its own markup when closed, else the text plainly.
std::unique_ptr<TFolie> TeilFolie(const std::string& Text, Single G) {
    std::unique_ptr<TFolie> f = TextFolie(Text, G);
    if (!f) f = std::make_unique<TAFolie>(Text, G);
    return f;
}

} // namespace

std::unique_ptr<TFolie> TextFolie(const std::string& Text, Single G) {
    const size_t n = Text.size();
    const size_t p = Text.find('*');
    // Markup has the form "*", a letter, "<" with the asterisk before the last three characters; only
    // the first asterisk is examined.
    if (p == std::string::npos || p + 4 >= n || Text[p + 2] != '<') return std::make_unique<TAFolie>(Text, G);
    const char art = Text[p + 1];
    if (art != 'i' && art != 'u') return std::make_unique<TAFolie>(Text, G);

    size_t ende = std::string::npos;
    int tiefe = 1;
    for (size_t k = p + 3; k < n; ++k) {
        if (Text[k] == '<') {
            ++tiefe;
        } else if (Text[k] == '>' && --tiefe == 0) {
            ende = k;
            break;
        }
    }
    if (ende == std::string::npos) return nullptr;

    const std::string vorText = Text.substr(0, p);
    const std::string innenText = Text.substr(p + 3, ende - (p + 3));
    const std::string nachText = Text.substr(ende + 1);

    std::unique_ptr<TFolie> vor;
    if (!vorText.empty()) vor = std::make_unique<TAFolie>(vorText, G);

    std::unique_ptr<TFolie> innen, strich;
    if (art == 'i') {
        innen = TeilFolie(innenText, static_cast<Single>(0.8 * G));
        if (vor) innen->RechtsNeben(vor.get(), PunktZuPixel(0.2 * G));
        innen->ObenAn(-PunktZuPixel(0.4 * G), 0);
    } else {
        innen = TeilFolie(innenText, G);
        if (vor) innen->RechtsNeben(vor.get(), PunktZuPixel(0.3 * G));
        strich = std::make_unique<TLinie>(innen->Box->Breite, 0, G);
        strich->ZentriereHorizontalZu(innen.get());
        strich->Unter(innen.get(), 0);
    }

    std::unique_ptr<TFolie> nach;
    if (!nachText.empty()) {
        nach = TeilFolie(nachText, G);
        nach->RechtsNeben(innen.get(), PunktZuPixel(0.3 * G));
    }

    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(vor));
    gruppe->FuegeAn(std::move(innen));
    gruppe->FuegeAn(std::move(strich));
    gruppe->FuegeAn(std::move(nach));
    return gruppe;
}

namespace {

// The final moves of brackets and bars: start point to (r, -r), then r further right.
void SetzeEingerueckt(TSammelFolie& gruppe, Single G) {
    Int32 r = PunktZuPixel(0.7 * G);
    gruppe.StartpunktNach(r, -r);
    gruppe.Verschiebe(r, 0);
}

} // namespace

std::unique_ptr<TSammelFolie> KlammerFolie(std::unique_ptr<TFolie> F, bool Eckig, Single G) {
    if (!HatBox(F.get())) return nullptr;
    Int32 H = F->Box->Oben + F->Box->Unten;
    Int32 abstand = PunktZuPixel(0.2 * G);
    auto auf = std::make_unique<TKlammer>(H, true, Eckig, G);
    auf->ZentriereVertikalZu(F.get());
    auf->LinksNeben(F.get(), abstand);
    auto zu = std::make_unique<TKlammer>(H, false, Eckig, G);
    zu->ZentriereVertikalZu(F.get());
    zu->RechtsNeben(F.get(), abstand);

    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(F));
    gruppe->FuegeAn(std::move(auf));
    gruppe->FuegeAn(std::move(zu));
    SetzeEingerueckt(*gruppe, G);
    return gruppe;
}

std::unique_ptr<TSammelFolie> BetragFolie(std::unique_ptr<TFolie> F, bool, Single G) {
    if (!HatBox(F.get())) return nullptr;
    Int32 r = PunktZuPixel(0.7 * G);
    F->StartpunktNach(r, -r);
    Int32 H = F->Box->Oben + F->Box->Unten;
    Int32 abstand = PunktZuPixel(0.2 * G);
    auto links = std::make_unique<TLinie>(0, H, G);
    links->ZentriereVertikalZu(F.get());
    links->LinksNeben(F.get(), abstand);
    auto rechts = std::make_unique<TLinie>(0, H, G);
    rechts->ZentriereVertikalZu(F.get());
    rechts->RechtsNeben(F.get(), abstand);

    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(F));
    gruppe->FuegeAn(std::move(links));
    gruppe->FuegeAn(std::move(rechts));
    SetzeEingerueckt(*gruppe, G);
    return gruppe;
}

std::unique_ptr<TSammelFolie> BruchFolie(std::unique_ptr<TFolie> Z, std::unique_ptr<TFolie> N) {
    if (!HatBox(Z.get())) Z.reset();
    if (!HatBox(N.get())) N.reset();
    if (!Z && !N) return nullptr;
    const Single G = Z ? Z->Groesse : N->Groesse;
    Int32 breite = Max(Z ? Z->Box->Breite : 0, N ? N->Box->Breite : 0);
    Int32 hoehe = PunktZuPixel(0.45 * G);
    auto strich = std::make_unique<TLinie>(breite, 0, G);
    strich->ZentriereVertikal(-hoehe);
    if (Z) {
        Z->ZentriereHorizontalZu(strich.get());
        Z->Ueber(strich.get(), PunktZuPixel(0.1 * G));
    }
    if (N) {
        N->ZentriereHorizontalZu(strich.get());
        N->Unter(strich.get(), PunktZuPixel(0.2 * G));
    }

    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(Z));
    gruppe->FuegeAn(std::move(N));
    gruppe->FuegeAn(std::move(strich));
    gruppe->Box->Startpunkt = {0, -hoehe};
    gruppe->Box->Endpunkt = {gruppe->Box->Breite, -hoehe};
    return gruppe;
}

std::unique_ptr<TSammelFolie> WurzelFolie(std::unique_ptr<TFolie> F, Int32 n) {
    if (!HatBox(F.get())) return nullptr;
    const Single G = F->Groesse;
    const Int32 g = PunktZuPixel(0.1 * G);
    const TBox f = *F->Box;
    auto zeichen = std::make_unique<TWurzelZeichen>(f.Oben + f.Unten + 3 * g, f.Breite + 3 * g, 2, G);
    zeichen->EndpunktNach(f.Endpunkt.x + g, -f.Oben);
    zeichen->Verschiebe(0, -3 * g);

    std::unique_ptr<TFolie> index;
    if (n != 2) {
        index = std::make_unique<TAFolie>(std::to_string(n), static_cast<Single>(Round(G / 1.5)));
        index->LinksAn(zeichen->Box->Startpunkt.x, 0);
        index->UntenAn(zeichen->Box->Startpunkt.y, g);
    }

    auto gruppe = std::make_unique<TSammelFolie>(G);
    gruppe->FuegeAn(std::move(zeichen));
    gruppe->Box->Startpunkt.y = f.Startpunkt.y;
    gruppe->FuegeAn(std::move(F));
    gruppe->FuegeAn(std::move(index));
    gruppe->LinksAn(0, 0);
    return gruppe;
}

std::unique_ptr<TSammelFolie> GeschweifteKlammerFolie(std::unique_ptr<TFolie> A, std::unique_ptr<TFolie> B,
                                                      std::unique_ptr<TFolie> C) {
    std::unique_ptr<TFolie>* zeilen[] = {&A, &B, &C};
    const TFolie* erste = nullptr;
    for (auto* z : zeilen) {
        if (!HatBox(z->get())) z->reset();
        if (!erste) erste = z->get();
    }
    if (!erste) return nullptr;
    const Single G = erste->Groesse;
    // These gaps are pixels taken directly from the size.
    const Int32 d = RundeI(G);
    const Int32 e = RundeI(2.0L * G);

    auto gruppe = std::make_unique<TSammelFolie>(G);
    for (auto* z : zeilen) {
        if (!*z) continue;
        (*z)->Unter(gruppe.get(), d);
        (*z)->LinksAn(e, 0);
        gruppe->FuegeAn(std::move(*z));
    }
    gruppe->ZentriereVertikal(-RundeI(1.036L * G));
    auto klammer =
        std::make_unique<TGeschweifteKlammer>(gruppe->Box->Oben + gruppe->Box->Unten, true, false, G);
    klammer->LinksNeben(gruppe.get(), e);
    klammer->ZentriereVertikalZu(gruppe.get());
    gruppe->FuegeAn(std::move(klammer));
    gruppe->Verschiebe(RundeI(1.506L * G), RundeI(0.6L * G));
    return gruppe;
}

} // namespace zol
