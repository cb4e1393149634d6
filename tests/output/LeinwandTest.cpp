// The current canvas and its guard, the free-standing canvas, character codes and the test canvas itself.
#include <gtest/gtest.h>

#include <stdexcept>

#include "output/folienT.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

TEST(LeinwandTest, WechselStelltDieVorigeLeinwandWiederHer) {
    TLeinwand* anfang = &Leinwand();
    TTestLeinwand a, b;
    {
        TLeinwandWechsel wa(a);
        EXPECT_EQ(&Leinwand(), &a);
        {
            TLeinwandWechsel wb(b);
            EXPECT_EQ(&Leinwand(), &b);
        }
        EXPECT_EQ(&Leinwand(), &a);
    }
    EXPECT_EQ(&Leinwand(), anfang);
}

TEST(LeinwandTest, WechselUeberlebtAusnahmen) {
    TLeinwand* anfang = &Leinwand();
    TTestLeinwand a;
    try {
        TLeinwandWechsel w(a);
        throw std::runtime_error("Abbruch");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(&Leinwand(), anfang);
}

TEST(LeinwandTest, NullStelltDieFreieLeinwandEin) {
    TTestLeinwand a;
    TLeinwand* vorher = SetzeLeinwand(&a);
    TLeinwand* frei = SetzeLeinwand(nullptr);
    EXPECT_EQ(frei, &a);
    EXPECT_NE(&Leinwand(), &a);
    EXPECT_NE(dynamic_cast<TFreieLeinwand*>(&Leinwand()), nullptr);
    SetzeLeinwand(vorher);
}

TEST(LeinwandTest, FreieLeinwandMisstUndZeichnetNichts) {
    TLeinwand* vorher = SetzeLeinwand(nullptr);
    TLeinwand& l = Leinwand();
    ASSERT_NE(dynamic_cast<TFreieLeinwand*>(&l), nullptr);
    TSchrift alt = l.Schrift();
    l.SetzeSchrift(TSchrift{});
    EXPECT_EQ(l.PixelProZoll(), 96);
    // the same fixed metrics as the test canvas
    EXPECT_EQ(l.Textmass("abc"),
              (TTextmass{3 * TTestLeinwand::Zeichenbreite(10), TTestLeinwand::Zeichenhoehe(10)}));
    // layout works without any surface
    auto f = BruchFolie(std::make_unique<TAFolie>("1", 10), std::make_unique<TAFolie>("2", 10));
    EXPECT_GT(f->Box->Oben + f->Box->Unten, 0);
    l.BewegeZu(0, 0);
    f->Zeichne();
    l.SchreibeText("ab");
    EXPECT_EQ(l.Stift().x, f->Box->LinksAbstand + f->Box->Breite + f->Box->RechtsAbstand + 14);
    EXPECT_EQ(l.Pixel(0, 0), Weiss);
    EXPECT_EQ(l.Seitengroesse(), (TGroesse{0, 0}));
    EXPECT_FALSE(l.NeueSeite());
    l.SetzeSchrift(alt);
    SetzeLeinwand(vorher);
}

TEST(LeinwandTest, SchriftUndStiftSindZustand) {
    TTestLeinwand l;
    EXPECT_EQ(l.Schrift().Name, "Times New Roman");
    EXPECT_EQ(l.Schrift().Groesse, 10);
    l.SetzeSchriftname("Arial");
    l.SetzeSchriftgroesse(14);
    l.SetzeSchriftstil(Fett | Kursiv);
    l.SetzeSchriftfarbe(0xFF0000);
    EXPECT_EQ(l.Schrift(), (TSchrift{"Arial", 14, Fett | Kursiv, 0xFF0000}));
    l.SetzeStiftbreite(3);
    l.BewegeZu(10, 20);
    l.BewegeUm(-4, 6);
    EXPECT_EQ(l.Stiftbreite(), 3);
    EXPECT_EQ(l.Stift(), (TPunkt{6, 26}));
}

struct TZeichenFall {
    const char* Text;
    size_t Anzahl;
};

class Utf8Test : public ::testing::TestWithParam<TZeichenFall> {};

TEST_P(Utf8Test, ZeichenZaehlenUndZerlegen) {
    const std::string text = GetParam().Text;
    EXPECT_EQ(AnzahlZeichen(text), GetParam().Anzahl);
    auto teile = ZerlegeInZeichen(text);
    EXPECT_EQ(teile.size(), GetParam().Anzahl);
    std::string wieder;
    for (const auto& t : teile) wieder += t;
    EXPECT_EQ(wieder, text);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Utf8Test,
                         ::testing::Values(TZeichenFall{"", 0}, TZeichenFall{"abc", 3},
                                           TZeichenFall{"Lösung", 6}, TZeichenFall{"für x ≈ 2", 9},
                                           TZeichenFall{"∞∪∩", 3}, TZeichenFall{"\xF0\x9D\x9B\x91", 1},
                                           // stray bytes count one by one
                                           TZeichenFall{"a\xFF"
                                                        "b",
                                                        3},
                                           TZeichenFall{"\xC3", 1}, TZeichenFall{"\xE2\x88", 2}));

TEST(LeinwandTest, ZeichenTextKenntDieSymbolcodes) {
    const std::pair<uint16_t, const char*> faelle[] = {
        {1101, "ε"}, {1112, "π"}, {1123, "{"}, {1125, "}"}, {1165, "∞"}, {1177, "±"},
        {1187, "≈"}, {1198, "∅"}, {1199, "∩"}, {1200, "∪"}, {183, "·"},  {43, "+"},
        {45, "-"},   {92, "\\"},  {65, "A"},   {252, "ü"},  {1043, "+"}, {999, "ϧ"}};
    for (const auto& [code, text] : faelle) EXPECT_EQ(ZeichenText(code), text) << code;
    // every code gives exactly one character
    for (uint16_t code = 1; code < 1300; ++code) EXPECT_EQ(AnzahlZeichen(ZeichenText(code)), 1u) << code;
}

TEST(TestLeinwandTest, FesteMasse) {
    // px = pt * 96 / 72: 10 pt = 13.33 px, 8 pt = 10.67 px, 12 pt = 16 px
    EXPECT_EQ(TTestLeinwand::Zeichenbreite(10), 7);
    EXPECT_EQ(TTestLeinwand::Zeichenhoehe(10), 16);
    EXPECT_EQ(TTestLeinwand::Zeichenbreite(8), 5);
    EXPECT_EQ(TTestLeinwand::Zeichenhoehe(8), 13);
    EXPECT_EQ(TTestLeinwand::Zeichenbreite(12), 8);
    EXPECT_EQ(TTestLeinwand::Zeichenhoehe(12), 19);
    TTestLeinwand l;
    l.SetzeSchriftgroesse(12);
    EXPECT_EQ(l.Textmass("Lösung"), (TTextmass{48, 19}));
}

TEST(TestLeinwandTest, ZeichnetNurAuf) {
    TTestLeinwand l(20, 10);
    l.BewegeZu(2, 3);
    l.SchreibeText("ab");
    l.SetzeStiftbreite(2);
    l.LinieZu(10, 3);
    l.Polylinie({{0, 0}, {5, 5}});
    l.Ellipsenbogen({0, 0, 4, 4}, 0, 90);
    l.FuelleRechteck({1, 1, 3, 2}, Schwarz);
    l.SetzePixel(19, 9, 0x00FF00);
    ASSERT_EQ(l.Aufrufe.size(), 6u);
    EXPECT_EQ(l.Aufrufe[0].Art, TAufrufart::Text);
    EXPECT_EQ(l.Aufrufe[0].Stift, (TPunkt{2, 3}));
    EXPECT_EQ(l.Aufrufe[1].Punkte, (std::vector<TPunkt>{{16, 3}, {10, 3}}));
    EXPECT_EQ(l.Aufrufe[1].Stiftbreite, 2);
    EXPECT_EQ(l.Stift(), (TPunkt{10, 3}));
    EXPECT_EQ(l.GeschriebenerText(), "ab");
    // only filled rectangles and set pixels reach the surface
    EXPECT_EQ(l.Pixel(1, 1), Schwarz);
    EXPECT_EQ(l.Pixel(2, 1), Schwarz);
    EXPECT_EQ(l.Pixel(3, 1), Weiss);
    EXPECT_EQ(l.Pixel(1, 2), Weiss);
    EXPECT_EQ(l.Pixel(19, 9), 0x00FF00u);
    EXPECT_EQ(l.Pixel(20, 9), Weiss);
    l.SetzePixel(-1, 50, Schwarz); // outside: recorded, nothing set
    EXPECT_EQ(l.Aufrufe.size(), 7u);
}

} // namespace
} // namespace zol
