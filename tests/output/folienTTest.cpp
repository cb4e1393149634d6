// The layout classes: boxes at creation, placement, lists and overlays, and what they draw.
#include <cstdlib>

#include "tests/output/FolienTestBasis.h"

namespace zol {
namespace {

TBox B(Int32 o, Int32 u, Int32 b, Int32 la, Int32 ra, Int32 sx, Int32 sy, Int32 ex, Int32 ey) {
    return TBox(o, u, b, la, ra, sx, sy, ex, ey);
}

// ---- points to pixels, pen ----

class PunktZuPixelTest : public FolienTest, public ::testing::WithParamInterface<std::pair<double, Int32>> {};

TEST_P(PunktZuPixelTest, RundetPixelProZollMalPunkteDurch72) {
    EXPECT_EQ(PunktZuPixel(GetParam().first), GetParam().second);
}

// At 96 pixels per inch a point is 4/3 pixel; halves round to even.
INSTANTIATE_TEST_SUITE_P(Faelle, PunktZuPixelTest,
                         ::testing::Values(std::pair{0.0, 0}, std::pair{7.5, 10}, std::pair{1.5, 2},
                                           std::pair{0.375, 0}, std::pair{1.125, 2}, std::pair{1.875, 2},
                                           std::pair{10.0, 13}, std::pair{-3.0, -4}, std::pair{72.0, 96}));

class DruckerLeinwand : public TTestLeinwand {
public:
    Int32 PixelProZoll() const override { return 600; }
};

TEST_F(FolienTest, PunktZuPixelFolgtDerAktuellenLeinwand) {
    DruckerLeinwand drucker;
    {
        TLeinwandWechsel wechsel(drucker);
        EXPECT_EQ(PunktZuPixel(72), 600);
        EXPECT_EQ(PunktZuPixel(10), Round(600 * 10 / 72.0));
    }
    EXPECT_EQ(PunktZuPixel(72), 96);
}

TEST_F(FolienTest, BewegeStiftIstRelativ) {
    L.BewegeZu(10, 20);
    BewegeStift(5, -7);
    EXPECT_EQ(L.Stift(), (TPunkt{15, 13}));
    BewegeStift(0, 0);
    EXPECT_EQ(L.Stift(), (TPunkt{15, 13}));
}

// ---- characters and texts ----

TEST_F(FolienTest, ZeichenLiegtZuAchtzigProzentUeberDerGrundlinie) {
    for (Int32 pt : {8, 10, 12, 24}) {
        TZeichen z('a', static_cast<Single>(pt));
        Int32 w = W(pt), h = H(pt), oben = static_cast<Int32>(Round(0.8 * h));
        EXPECT_EQ(z.Art, ArtZeichen);
        EXPECT_EQ(*z.Box, B(oben, h - oben, w, 0, 0, 0, -oben, w, -oben)) << pt;
        EXPECT_EQ(z.dx, 0);
        EXPECT_EQ(z.dy, -oben);
        // the font keeps the size of the last folie built
        EXPECT_EQ(L.Schrift().Groesse, pt);
    }
}

TEST_F(FolienTest, ZeichenSchreibtAmStiftUndRueckt) {
    TZeichen z('a', 10);
    ZeichneBei(z, 100, 200);
    ASSERT_EQ(L.Aufrufe.size(), 1u);
    const auto& a = L.Aufrufe[0];
    EXPECT_EQ(a.Art, TAufrufart::Text);
    EXPECT_EQ(a.Text, "a");
    // the cell's top lies 80 % of 16 pixels (rounded: 13) above the baseline
    EXPECT_EQ(a.Stift, (TPunkt{100, 187}));
    // back on the baseline, advanced by the width
    EXPECT_EQ(L.Stift(), (TPunkt{107, 200}));
    EXPECT_EQ(z.Klartext(), "a");
}

struct TCodeFall {
    uint16_t Code;
    const char* Text;
};

class ZeichenCodeTest : public FolienTest, public ::testing::WithParamInterface<TCodeFall> {};

TEST_P(ZeichenCodeTest, CodesWerdenAlsUnicodeGeschrieben) {
    EXPECT_EQ(ZeichenText(GetParam().Code), GetParam().Text);
    TZeichen z(GetParam().Code, 10);
    EXPECT_EQ(z.Box->Breite, W(10)) << "ein Zeichen breit";
    ZeichneBei(z, 0, 50);
    ASSERT_EQ(L.Aufrufe.size(), 1u);
    EXPECT_EQ(L.Aufrufe[0].Text, GetParam().Text);
    EXPECT_EQ(z.Klartext(), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZeichenCodeTest,
                         ::testing::Values(TCodeFall{1101, "ε"}, TCodeFall{1112, "π"}, TCodeFall{1123, "{"},
                                           TCodeFall{1125, "}"}, TCodeFall{1165, "∞"}, TCodeFall{1177, "±"},
                                           TCodeFall{1187, "≈"}, TCodeFall{1198, "∅"}, TCodeFall{1199, "∩"},
                                           TCodeFall{1200, "∪"}, TCodeFall{183, "·"}, TCodeFall{43, "+"},
                                           TCodeFall{45, "-"}, TCodeFall{92, "\\"}, TCodeFall{228, "ä"}));

TEST_F(FolienTest, SchriftgroesseWirdBeimZeichnenGesetztUndGerundet) {
    TAFolie gross("a", 10);
    TAFolie klein("b", 8);
    EXPECT_EQ(L.Schrift().Groesse, 8);
    ZeichneBei(gross, 0, 50);
    EXPECT_EQ(L.Aufrufe[0].Schrift.Groesse, 10);
    EXPECT_EQ(L.Schrift().Groesse, 10);
    // 6.4 points: the font gets 6, and is set again at every use because 6 differs from 6.4
    TAFolie index("c", 6.4f);
    EXPECT_EQ(L.Schrift().Groesse, 6);
    EXPECT_EQ(index.Box->Breite, W(6));
    // halves round to even
    TAFolie halb("d", 10.5f);
    EXPECT_EQ(L.Schrift().Groesse, 10);
    TAFolie halb2("d", 11.5f);
    EXPECT_EQ(L.Schrift().Groesse, 12);
}

TEST_F(FolienTest, TextfolieMisstJedesZeichen) {
    for (Int32 pt : {8, 10, 14}) {
        TAFolie t("Lösung", static_cast<Single>(pt));
        Int32 w = 6 * W(pt), h = H(pt), oben = static_cast<Int32>(Round(0.8 * h));
        EXPECT_EQ(t.Art, ArtAFolie);
        // start point raised by 0.7 of the size, end point at the top of the last cell
        EXPECT_EQ(*t.Box, B(oben, h - oben, w, 0, 0, 0, -P(0.7 * pt), w, -oben)) << pt;
        EXPECT_EQ(t.Klartext(), "Lösung");
    }
}

TEST_F(FolienTest, LeereTextfolieIstLeerUndSchreibtNichts) {
    TAFolie t("", 10);
    EXPECT_TRUE(t.Box->IstLeer());
    EXPECT_EQ(t.Box->Startpunkt.y, -P(7));
    ZeichneBei(t, 5, 5);
    EXPECT_TRUE(L.Aufrufe.empty());
    EXPECT_EQ(L.Stift(), (TPunkt{5, 5}));
}

// ---- placement ----

struct TPlatzFall {
    const char* Name;
    void (*Operation)(TFolie& f, const TFolie& F);
    TPunkt Bewegung;
};

class PlatzierungTest : public FolienTest, public ::testing::WithParamInterface<TPlatzFall> {};

// The folie: top 13, bottom 3, ink from 2 to 16, right space 1, start (0, -9), end (14, -13).
// F: top 20, bottom 6, ink from 5 to 35, start (1, -4).
TEST_P(PlatzierungTest, BewegtUm) {
    TFolie f(10), F(10);
    *f.Box = B(13, 3, 14, 2, 1, 0, -9, 14, -13);
    *F.Box = B(20, 6, 30, 5, 0, 1, -4, 35, 0);
    TBox vorher = *f.Box;
    GetParam().Operation(f, F);
    EXPECT_EQ((TPunkt{f.dx, f.dy}), GetParam().Bewegung) << GetParam().Name;
    vorher.Verschiebe(GetParam().Bewegung.x, GetParam().Bewegung.y);
    EXPECT_EQ(*f.Box, vorher);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, PlatzierungTest,
    ::testing::Values(
        // centre 2 + 14/2 = 9 to 50
        TPlatzFall{
            "ZentriereHorizontal", [](TFolie& f, const TFolie&) { f.ZentriereHorizontal(50); }, {41, 0}},
        // centre at (3 - 13) / 2 = -5 to -6
        TPlatzFall{"ZentriereVertikal", [](TFolie& f, const TFolie&) { f.ZentriereVertikal(-6); }, {0, -1}},
        TPlatzFall{"RechtsAn", [](TFolie& f, const TFolie&) { f.RechtsAn(100, 4); }, {100 - 4 - 16, 0}},
        TPlatzFall{"LinksAn", [](TFolie& f, const TFolie&) { f.LinksAn(100, 4); }, {100 + 4 - 2, 0}},
        TPlatzFall{"ObenAn", [](TFolie& f, const TFolie&) { f.ObenAn(-20, 3); }, {0, -20 + 3 + 13}},
        TPlatzFall{"UntenAn", [](TFolie& f, const TFolie&) { f.UntenAn(10, 2); }, {0, 10 - 2 - 3}},
        // F's centre 5 + 15 = 20
        TPlatzFall{"ZentriereHorizontalZu",
                   [](TFolie& f, const TFolie& F) { f.ZentriereHorizontalZu(&F); },
                   {11, 0}},
        // F's centre (6 - 20) / 2 = -7
        TPlatzFall{
            "ZentriereVertikalZu", [](TFolie& f, const TFolie& F) { f.ZentriereVertikalZu(&F); }, {0, -2}},
        TPlatzFall{"RechtsNeben", [](TFolie& f, const TFolie& F) { f.RechtsNeben(&F, 3); }, {35 + 3 - 2, 0}},
        TPlatzFall{"LinksNeben", [](TFolie& f, const TFolie& F) { f.LinksNeben(&F, 3); }, {5 - 3 - 16, 0}},
        TPlatzFall{"Unter", [](TFolie& f, const TFolie& F) { f.Unter(&F, 2); }, {0, 6 + 2 + 13}},
        TPlatzFall{"Ueber", [](TFolie& f, const TFolie& F) { f.Ueber(&F, 2); }, {0, -20 - 2 - 3}},
        TPlatzFall{"StartpunktNach", [](TFolie& f, const TFolie&) { f.StartpunktNach(7, 8); }, {7, 17}},
        TPlatzFall{"EndpunktNach", [](TFolie& f, const TFolie&) { f.EndpunktNach(0, 0); }, {-14, 13}},
        TPlatzFall{"StartpunktWie", [](TFolie& f, const TFolie& F) { f.StartpunktWie(&F); }, {1, 5}},
        TPlatzFall{"Verschiebe", [](TFolie& f, const TFolie&) { f.Verschiebe(-4, 9); }, {-4, 9}},
        // nothing is placed relative to a missing folie
        TPlatzFall{"OhneF",
                   [](TFolie& f, const TFolie&) {
                       f.RechtsNeben(nullptr, 3);
                       f.Unter(nullptr, 3);
                       f.ZentriereVertikalZu(nullptr);
                       f.StartpunktWie(nullptr);
                   },
                   {0, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FolienTest, ZentrierenRundetHalbeZurGeradenZahlUndTeiltGanzzahlig) {
    TFolie f(10);
    *f.Box = B(0, 0, 13, 0, 0, 0, 0, 0, 0); // centre 6.5 rounds to 6
    f.ZentriereHorizontal(0);
    EXPECT_EQ(f.dx, -6);
    TFolie g(10);
    *g.Box = B(3, 14, 1, 0, 0, 0, 0, 0, 0); // (3 - 14) div 2 = -5, truncated toward zero
    g.ZentriereVertikal(0);
    EXPECT_EQ(g.dy, -5);
}

TEST_F(FolienTest, PlatzierungErreichtDieVerlangtenKanten) {
    // Properties over a range of gaps: the named edge ends up where it was asked to be.
    for (Int32 abstand : {-5, 0, 1, 7}) {
        TAFolie F("Wert", 10);
        F.Verschiebe(11, -4);
        auto kante = [](const TFolie& f) { return *f.Box; };
        TAFolie a("x", 8);
        a.RechtsNeben(&F, abstand);
        EXPECT_EQ(kante(a).LinksAbstand, F.Box->LinksAbstand + F.Box->Breite + abstand);
        TAFolie b("x", 8);
        b.LinksNeben(&F, abstand);
        EXPECT_EQ(b.Box->LinksAbstand + b.Box->Breite, F.Box->LinksAbstand - abstand);
        TAFolie c("x", 8);
        c.Unter(&F, abstand);
        EXPECT_EQ(-c.Box->Oben, F.Box->Unten + abstand);
        TAFolie d("x", 8);
        d.Ueber(&F, abstand);
        EXPECT_EQ(d.Box->Unten, -F.Box->Oben - abstand);
        TAFolie e("xyz", 8);
        e.ZentriereHorizontalZu(&F);
        EXPECT_LE(
            std::abs(2 * e.Box->LinksAbstand + e.Box->Breite - (2 * F.Box->LinksAbstand + F.Box->Breite)), 2);
        e.ZentriereVertikalZu(&F);
        EXPECT_LE(std::abs((e.Box->Unten - e.Box->Oben) - (F.Box->Unten - F.Box->Oben)), 2);
    }
}

// ---- lists and overlays ----

TEST_F(FolienTest, ListeHaengtAnUndUebernimmtDieKinder) {
    TListenFolie zeile(10);
    EXPECT_EQ(zeile.Art, ArtListenFolie);
    auto ab = std::make_unique<TAFolie>("ab", 10);
    TBox erste = *ab->Box;
    zeile.FuegeAn(std::move(ab));
    // the first child's box is copied, start and end point included
    EXPECT_EQ(*zeile.Box, erste);
    zeile.FuegeAn(std::make_unique<TAFolie>("c", 10));
    // the second is attached at the right: width 14 + 7, end point 7 further than the first's right edge
    EXPECT_EQ(*zeile.Box, B(13, 3, 21, 0, 0, 0, -P(7), 21, -13));
    ASSERT_EQ(zeile.Liste.size(), 2u);
    // appended children have no box any more
    EXPECT_EQ(zeile.Liste[0]->Box, nullptr);
    EXPECT_EQ(zeile.Liste[1]->Box, nullptr);
    EXPECT_EQ(zeile.Klartext(), "abc");

    ZeichneBei(zeile, 0, 50);
    auto texte = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].Stift, (TPunkt{0, 37}));
    // the second starts where the first left the pen
    EXPECT_EQ(texte[1].Stift, (TPunkt{14, 37}));
    EXPECT_EQ(L.Stift(), (TPunkt{21, 50}));
}

TEST_F(FolienTest, ListeMitAbstaendenLegtDieLueckeZwischenDieKinder) {
    TListenFolie zeile(10);
    auto a = std::make_unique<TAFolie>("a", 10);
    a->Box->RechtsAbstand = 4;
    auto b = std::make_unique<TAFolie>("b", 10);
    b->Verschiebe(5, 0);
    zeile.FuegeAn(std::move(a));
    zeile.FuegeAn(std::move(b));
    // gap = the first's right space (4) + the second's left space (5)
    EXPECT_EQ(zeile.Box->Breite, 7 + 4 + 5 + 7);
}

TEST_F(FolienTest, ListeSetztKinderRelativZuIhremVersatz) {
    TListenFolie zeile(10);
    zeile.Verschiebe(10, 5);
    auto c = std::make_unique<TAFolie>("c", 10);
    c->Verschiebe(3, 0);
    zeile.FuegeAn(std::move(c));
    EXPECT_EQ(zeile.Liste[0]->dx, 3 - 10);
    EXPECT_EQ(zeile.Liste[0]->dy, -13 - 5);
    // drawn, the child stands where it was placed before it was appended
    ZeichneBei(zeile, 100, 100);
    EXPECT_EQ(L.Aufrufe[0].Stift, (TPunkt{103, 87}));
}

TEST_F(FolienTest, FehlendesKindWirdIgnoriert) {
    TListenFolie zeile(10);
    zeile.FuegeAn(nullptr);
    EXPECT_TRUE(zeile.Liste.empty());
    EXPECT_TRUE(zeile.Box->IstLeer());
}

TEST_F(FolienTest, SammelfolieZeichnetAlleKinderVomSelbenUrsprung) {
    TSammelFolie gruppe(10);
    EXPECT_EQ(gruppe.Art, ArtSammelFolie);
    gruppe.FuegeAn(std::make_unique<TAFolie>("ab", 10));
    auto c = std::make_unique<TAFolie>("c", 10);
    c->Verschiebe(20, 0);
    gruppe.FuegeAn(std::move(c));
    // ink from 0 to 27
    EXPECT_EQ(*gruppe.Box, B(13, 3, 27, 0, 0, 0, -P(7), 27, -13));
    EXPECT_EQ(gruppe.Vorschub, 27);

    ZeichneBei(gruppe, 0, 50);
    auto texte = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].Stift, (TPunkt{0, 37}));
    EXPECT_EQ(texte[1].Stift, (TPunkt{20, 37}));
    EXPECT_EQ(L.Stift(), (TPunkt{27, 50}));
}

TEST_F(FolienTest, SammelfolieLinksVomUrsprungRuecktUmDieGanzeBreite) {
    TSammelFolie gruppe(10);
    auto ab = std::make_unique<TAFolie>("ab", 10);
    ab->Verschiebe(-10, 0);
    ab->Box->RechtsAbstand = 2;
    gruppe.FuegeAn(std::move(ab));
    EXPECT_EQ(gruppe.Box->LinksAbstand, -10);
    // Vorschub = LinksAbstand + Breite + RechtsAbstand = -10 + 14 + 2
    EXPECT_EQ(gruppe.Vorschub, 6);
    ZeichneBei(gruppe, 30, 50);
    EXPECT_EQ(L.Aufrufe[0].Stift.x, 20);
    EXPECT_EQ(L.Stift(), (TPunkt{36, 50}));
}

TEST_F(FolienTest, VersetzteFolieKehrtAufIhreGrundlinieZurueck) {
    TAFolie t("ab", 10);
    t.Verschiebe(5, -7);
    ZeichneBei(t, 0, 100);
    EXPECT_EQ(L.Aufrufe[0].Stift, (TPunkt{5, 100 - 13 - 7}));
    // the vertical offset is undone, the horizontal one stays with the advance
    EXPECT_EQ(L.Stift(), (TPunkt{5 + 14, 100}));
}

// ---- strokes ----

struct TLinienFall {
    Int32 dx, dy;
    Single G;
    TBox Box;
};

class LinieTest : public FolienTest, public ::testing::WithParamInterface<TLinienFall> {};

// At 10 points the thickness t = P(0.5) + 2 = 3; at 30 points P(1.5) + 2 = 4.
TEST_P(LinieTest, BoxUndStrich) {
    const auto& f = GetParam();
    TLinie l(f.dx, f.dy, f.G);
    EXPECT_EQ(l.Art, ArtLinie);
    EXPECT_EQ(*l.Box, f.Box);
    ZeichneBei(l, 40, 60);
    ASSERT_EQ(L.Aufrufe.size(), 1u);
    EXPECT_EQ(L.Aufrufe[0].Art, TAufrufart::Linie);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{40, 60}, {40 + f.dx, 60 + f.dy}}));
    EXPECT_EQ(L.Aufrufe[0].Stiftbreite, P(f.G / 30.0) + 1);
}

INSTANTIATE_TEST_SUITE_P(Faelle, LinieTest,
                         ::testing::Values(TLinienFall{20, 0, 10, B(3, 0, 20, 0, 3, 0, 0, 23, 0)},
                                           // a vertical bar: no width, but not empty
                                           TLinienFall{0, 15, 10, B(3, 15, 0, 0, 3, 0, 0, 3, 15)},
                                           TLinienFall{-12, -5, 10, B(8, 3, 12, -12, 3, 0, 0, -9, -5)},
                                           TLinienFall{1, 0, 10, B(3, 0, 1, 0, 3, 0, 0, 4, 0)},
                                           TLinienFall{50, 10, 30, B(4, 10, 50, 0, 4, 0, 0, 54, 10)}));

TEST_F(FolienTest, SenkrechterStrichIstNichtLeer) {
    TLinie l(0, 0, 10);
    EXPECT_EQ(l.Box->Breite, 0);
    EXPECT_FALSE(l.Box->IstLeer()); // the thickness counts above the baseline
}

TEST_F(FolienTest, RundeUndEckigeKlammern) {
    // h = w = P(2) = 3
    TKlammer auf(20, true, false, 10);
    EXPECT_EQ(auf.Art, ArtKlammer);
    EXPECT_EQ(*auf.Box, B(23, 3, 3, 0, 0, 0, 0, 0, 20));
    ZeichneBei(auf, 50, 100);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{53, 103}, {50, 100}, {50, 80}, {53, 77}}));
    EXPECT_EQ(L.Stift(), (TPunkt{50, 100})) << "the pen does not move";

    TKlammer zu(20, false, false, 10);
    ZeichneBei(zu, 50, 100);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{47, 103}, {50, 100}, {50, 80}, {47, 77}}));

    TKlammer eckig(20, true, true, 10);
    ZeichneBei(eckig, 50, 100);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{53, 100}, {50, 100}, {50, 80}, {53, 80}}));
    TKlammer eckigZu(20, false, true, 10);
    ZeichneBei(eckigZu, 50, 100);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{47, 100}, {50, 100}, {50, 80}, {47, 80}}));
    EXPECT_EQ(L.Aufrufe[0].Stiftbreite, 1);
}

TEST_F(FolienTest, GeschweifteKlammer) {
    TGeschweifteKlammer auf(40, true, false, 10);
    EXPECT_EQ(auf.Art, ArtKlammer);
    EXPECT_EQ(*auf.Box, B(43, 3, 3, 0, 0, 0, 0, 0, 40));
    ZeichneBei(auf, 50, 100);
    // w = 3; the middle points at (40 - 3) div 2 = 18, 40 div 2 = 20 and (40 + 3) div 2 = 21
    const std::vector<TPunkt> offen{{53, 103}, {50, 100}, {50, 82}, {47, 80}, {50, 79}, {50, 60}, {53, 57}};
    EXPECT_EQ(L.Aufrufe[0].Punkte, offen);

    TGeschweifteKlammer zu(40, false, false, 10);
    ZeichneBei(zu, 50, 100);
    const auto& geschlossen = L.Aufrufe[0].Punkte;
    // the closing brace mirrors the opening one at the pen's column
    ASSERT_EQ(geschlossen.size(), offen.size());
    for (size_t i = 0; i < offen.size(); ++i) {
        EXPECT_EQ(geschlossen[i].x, 100 - offen[i].x) << i;
        EXPECT_EQ(geschlossen[i].y, offen[i].y) << i;
    }
}

TEST_F(FolienTest, Wurzelzeichen) {
    // g = P(3) = 4
    TWurzelZeichen w(30, 40, 2, 10);
    EXPECT_EQ(w.Art, ArtZeichenfigur);
    EXPECT_EQ(*w.Box, B(30, 0, 56, 0, 0, 0, -30, 56, -30));
    TRechteck tinte = ZeichneBei(w, 10, 50);
    EXPECT_EQ(L.Aufrufe[0].Punkte, (std::vector<TPunkt>{{10, 20}, {14, 20}, {18, 50}, {26, 20}, {66, 20}}));
    EXPECT_TRUE(Enthaelt(BoxBei(*w.Box, 10, 50), tinte));
}

TEST_F(FolienTest, Integralzeichen) {
    // Hoehe = P(10) = 13, Bogenbreite = P(2.5) = 3, Bogenhoehe = P(5) = 7; half height 13 div 2 + 7 = 13
    TIntegralZeichen I(10);
    EXPECT_EQ(I.Art, ArtZeichenfigur);
    EXPECT_EQ(I.Hoehe, 13);
    EXPECT_EQ(I.Bogenbreite, 3);
    EXPECT_EQ(I.Bogenhoehe, 7);
    // start point lower left, end point upper right
    EXPECT_EQ(*I.Box, B(13, 13, 6, -3, 0, -3, 13, 3, -13));

    TRechteck tinte = ZeichneBei(I, 100, 100);
    auto linien = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0].Punkte, (std::vector<TPunkt>{{100, 94}, {100, 107}}));
    auto boegen = L.AufrufeDerArt(TAufrufart::Bogen);
    ASSERT_EQ(boegen.size(), 2u);
    EXPECT_EQ(boegen[0].Rechteck, (TRechteck{100, 87, 106, 101}));
    EXPECT_EQ(boegen[0].StartGrad, 90);
    EXPECT_EQ(boegen[0].SpanneGrad, 90);
    EXPECT_EQ(boegen[1].Rechteck, (TRechteck{94, 99, 100, 113}));
    EXPECT_EQ(boegen[1].StartGrad, 270);
    EXPECT_EQ(boegen[1].SpanneGrad, 90);
    // the ink fills the box exactly
    EXPECT_EQ(tinte, BoxBei(*I.Box, 100, 100));
    EXPECT_EQ(L.Stift(), (TPunkt{100, 100}));
}

TEST_F(FolienTest, StrichbreiteWaechstMitDerGroesse) {
    for (Single g : {10.0f, 30.0f, 60.0f}) {
        TWurzelZeichen w(10, 10, 2, g);
        ZeichneBei(w, 0, 0);
        EXPECT_EQ(L.Aufrufe[0].Stiftbreite, P(g / 30.0) + 1) << g;
    }
}

TEST_F(FolienTest, StricheHabenKeinenKlartext) {
    EXPECT_EQ(TLinie(5, 0, 10).Klartext(), "");
    EXPECT_EQ(TKlammer(5, true, false, 10).Klartext(), "");
    EXPECT_EQ(TIntegralZeichen(10).Klartext(), "");
}

} // namespace
} // namespace zol
