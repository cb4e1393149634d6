// The formula builders: brackets, absolute-value bars, fractions, roots and curly braces.
#include "tests/output/FolienTestBasis.h"

namespace zol {
namespace {

TBox B(Int32 o, Int32 u, Int32 b, Int32 la, Int32 ra, Int32 sx, Int32 sy, Int32 ex, Int32 ey) {
    return TBox(o, u, b, la, ra, sx, sy, ex, ey);
}

std::unique_ptr<TFolie> Text(const char* t, Single g = 10) {
    return std::make_unique<TAFolie>(t, g);
}

// At 10 points: a character is 7 wide and 16 high, 13 of it above the baseline; P(2) = 3, P(7) = 9.

TEST_F(FolienTest, KlammerFolie) {
    auto f = KlammerFolie(Text("ab"), false, 10);
    ASSERT_NE(f, nullptr);
    // brackets of height 16 + 2 * 3, 3 wide, 3 from the text; the group moved right by 9 + 9
    EXPECT_EQ(*f->Box, B(16, 6, 26, 12, 0, 18, -9, 35, 19));
    EXPECT_EQ(f->Klartext(), "ab");

    TRechteck tinte = ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(t.size(), 1u);
    ASSERT_EQ(k.size(), 2u);
    EXPECT_EQ(t[0].Stift, (TPunkt{18, 87}));
    // the strokes span the text's cell (87 to 103); the hooks reach 3 further
    EXPECT_EQ(k[0].Punkte, (std::vector<TPunkt>{{15, 106}, {12, 103}, {12, 87}, {15, 84}}));
    EXPECT_EQ(k[1].Punkte, (std::vector<TPunkt>{{32, 106}, {35, 103}, {35, 87}, {32, 84}}));
    EXPECT_EQ(L.Stift(), (TPunkt{38, 100}));
    EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 0, 100), tinte));
}

TEST_F(FolienTest, EckigeKlammerFolie) {
    auto f = KlammerFolie(Text("ab"), true, 10);
    ZeichneBei(*f, 0, 100);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(k.size(), 2u);
    EXPECT_EQ(k[0].Punkte, (std::vector<TPunkt>{{15, 103}, {12, 103}, {12, 87}, {15, 87}}));
    EXPECT_EQ(k[1].Punkte, (std::vector<TPunkt>{{32, 103}, {35, 103}, {35, 87}, {32, 87}}));
}

TEST_F(FolienTest, KlammernUmHoheFolien) {
    // Around a fraction the brackets grow with it and stay centred on it.
    auto bruch = BruchFolie(Text("1"), Text("2"));
    const TBox innen = *bruch->Box;
    auto f = KlammerFolie(std::move(bruch), false, 10);
    EXPECT_EQ(f->Box->Oben + f->Box->Unten, innen.Oben + innen.Unten + 2 * P(2));
    ZeichneBei(*f, 0, 100);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(k.size(), 2u);
    EXPECT_EQ(k[0].Punkte[1].y - k[0].Punkte[2].y, innen.Oben + innen.Unten);
}

TEST_F(FolienTest, BetragFolie) {
    auto f = BetragFolie(Text("ab"), true, 10);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(*f->Box, B(14, 5, 20, 15, 3, 18, -9, 38, 5));
    TRechteck tinte = ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto s = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(t.size(), 1u);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(t[0].Stift, (TPunkt{18, 87}));
    // bars of the text's height, 3 left and right of its ink
    EXPECT_EQ(s[0].Punkte, (std::vector<TPunkt>{{15, 89}, {15, 105}}));
    EXPECT_EQ(s[1].Punkte, (std::vector<TPunkt>{{35, 89}, {35, 105}}));
    EXPECT_EQ(L.Stift(), (TPunkt{38, 100}));
    EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 0, 100), tinte));
    // the flag is not used
    EXPECT_EQ(*BetragFolie(Text("ab"), false, 10)->Box, *f->Box);
}

TEST_F(FolienTest, BruchFolie) {
    auto f = BruchFolie(Text("1"), Text("23"));
    ASSERT_NE(f, nullptr);
    // start and end point at the height of the bar, P(4.5) = 6 above the baseline
    EXPECT_EQ(*f->Box, B(25, 14, 14, 0, 3, 0, -6, 14, -6));
    EXPECT_EQ(f->Klartext(), "123");
    TRechteck tinte = ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto s = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(t.size(), 2u);
    ASSERT_EQ(s.size(), 1u);
    // the bar as wide as the wider part; its box (3 thick) is centred 6 above the baseline
    EXPECT_EQ(s[0].Punkte, (std::vector<TPunkt>{{0, 95}, {14, 95}}));
    // the numerator centred (3.5 rounds to 4, 7 - 4 = 3) with its bottom P(1) = 1 above the bar's box
    EXPECT_EQ(t[0].Stift, (TPunkt{3, 75}));
    EXPECT_EQ(t[0].Stift.y + H(10), 95 - 3 - P(1));
    // the denominator with its top P(2) = 3 below the bar
    EXPECT_EQ(t[1].Stift, (TPunkt{0, 95 + P(2)}));
    EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 0, 100), tinte));
}

TEST_F(FolienTest, BruchFolieZentriertDenSchmalerenTeil) {
    for (const char* z : {"1", "12", "123", "12345"}) {
        for (const char* n : {"1", "1234"}) {
            auto f = BruchFolie(Text(z), Text(n));
            ZeichneBei(*f, 0, 100);
            auto t = L.AufrufeDerArt(TAufrufart::Text);
            auto s = L.AufrufeDerArt(TAufrufart::Linie);
            Int32 balken = s[0].Punkte[1].x - s[0].Punkte[0].x;
            EXPECT_EQ(balken, std::max(t[0].Mass.Breite, t[1].Mass.Breite));
            for (const auto& teil : t) {
                Int32 mitte2 = 2 * teil.Stift.x + teil.Mass.Breite;
                EXPECT_LE(std::abs(mitte2 - (s[0].Punkte[0].x + s[0].Punkte[1].x)), 2) << z << "/" << n;
            }
            // numerator above, denominator below the bar
            EXPECT_LT(t[0].Stift.y + t[0].Mass.Hoehe, s[0].Punkte[0].y);
            EXPECT_GT(t[1].Stift.y, s[0].Punkte[0].y);
        }
    }
}

TEST_F(FolienTest, BruchFolieNimmtDieGroesseDesZaehlers) {
    auto f = BruchFolie(Text("1", 20), Text("2", 10));
    EXPECT_EQ(f->Groesse, 20.0f);
    ZeichneBei(*f, 0, 100);
    // bar thickness from 20 points: stroke P(20/30) + 1 = 2
    EXPECT_EQ(L.AufrufeDerArt(TAufrufart::Linie)[0].Stiftbreite, 2);
}

TEST_F(FolienTest, WurzelFolieQuadratwurzel) {
    auto f = WurzelFolie(Text("ab"), 2);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(*f->Box, B(16, 3, 33, 0, 0, 0, -9, 32, -13));
    EXPECT_EQ(f->Klartext(), "ab");
    TRechteck tinte = ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto w = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(t.size(), 1u) << "no index for n = 2";
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(t[0].Stift, (TPunkt{18, 87}));
    // g = P(1) = 1: the sign is 16 + 3 high and its bar 14 + 3 wide, 3g above the text's top
    EXPECT_EQ(w[0].Punkte, (std::vector<TPunkt>{{0, 84}, {4, 84}, {8, 103}, {16, 84}, {33, 84}}));
    // the bar covers the text, the sign reaches down to the text's bottom
    EXPECT_LE(w[0].Punkte[3].x, t[0].Stift.x);
    EXPECT_GE(w[0].Punkte[4].x, t[0].Stift.x + t[0].Mass.Breite);
    EXPECT_EQ(w[0].Punkte[2].y, t[0].Stift.y + t[0].Mass.Hoehe);
    EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 0, 100), tinte));
}

TEST_F(FolienTest, WurzelFolieMitIndex) {
    auto f = WurzelFolie(Text("ab"), 3);
    EXPECT_EQ(f->Klartext(), "ab3");
    TRechteck tinte = ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto w = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(t.size(), 2u);
    // the index at two thirds of the size, rounded to whole points: 7
    EXPECT_EQ(t[1].Text, "3");
    EXPECT_EQ(t[1].Schrift.Groesse, 7);
    // its left edge at the sign's start point, its bottom g = 1 above it
    EXPECT_EQ(t[1].Stift.x, w[0].Punkte[0].x);
    EXPECT_EQ(t[1].Stift.y + H(7), w[0].Punkte[0].y - P(1));
    EXPECT_EQ(f->Box->Oben, 100 - t[1].Stift.y);
    EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 0, 100), tinte));
}

TEST_F(FolienTest, GeschweifteKlammerMitZweiZeilen) {
    auto f = GeschweifteKlammerFolie(Text("a"), nullptr, Text("c"));
    ASSERT_NE(f, nullptr);
    // start point from the first row, end point from the brace, both moved with the group
    EXPECT_EQ(*f->Box, B(28, 20, 30, 12, 0, 35, -21, 12, 59));
    EXPECT_EQ(f->Klartext(), "ac");
    TRechteck tinte = ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(t.size(), 2u);
    ASSERT_EQ(k.size(), 1u);
    // rows 10 pixels apart (d = 10), left edges at e = 20 from the stack's origin
    EXPECT_EQ(t[0].Stift, (TPunkt{35, 75}));
    EXPECT_EQ(t[1].Stift, (TPunkt{35, 75 + H(10) + 10}));
    // the brace spans the stack from the first row's top to the last row's bottom
    EXPECT_EQ(k[0].Punkte,
              (std::vector<TPunkt>{{15, 120}, {12, 117}, {12, 98}, {9, 96}, {12, 95}, {12, 75}, {15, 72}}));
    EXPECT_EQ(k[0].Punkte[5].y, t[0].Stift.y);
    EXPECT_EQ(k[0].Punkte[1].y, t[1].Stift.y + H(10));
    // the brace's tip reaches its width w = 3 left of the box
    TRechteck box = BoxBei(*f->Box, 0, 100);
    EXPECT_EQ(tinte.Links, box.Links - P(2));
    tinte.Links = box.Links;
    EXPECT_TRUE(Enthaelt(box, tinte));
}

TEST_F(FolienTest, GeschweifteKlammerMitDreiZeilen) {
    auto f = GeschweifteKlammerFolie(Text("a"), Text("bb"), Text("c"));
    EXPECT_EQ(f->Klartext(), "abbc");
    ZeichneBei(*f, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(t.size(), 3u);
    for (size_t i = 1; i < t.size(); ++i) {
        // each row below the previous with the gap Round(G) = 10, all with the same left edge
        EXPECT_EQ(t[i].Stift.y, t[i - 1].Stift.y + H(10) + 10);
        EXPECT_EQ(t[i].Stift.x, t[0].Stift.x);
    }
    EXPECT_EQ(k[0].Punkte[5].y, t[0].Stift.y);
    EXPECT_EQ(k[0].Punkte[1].y, t[2].Stift.y + H(10));
    // the brace stands e = 20 left of the rows (its box is 3 wide)
    EXPECT_EQ(t[0].Stift.x - k[0].Punkte[1].x, 20 + P(2));
}

TEST_F(FolienTest, FehlendeTeile) {
    // Nothing is placed relative to a missing folie; a builder without its main part gives nothing.
    EXPECT_EQ(KlammerFolie(nullptr, false, 10), nullptr);
    EXPECT_EQ(BetragFolie(nullptr, false, 10), nullptr);
    EXPECT_EQ(WurzelFolie(nullptr, 3), nullptr);
    EXPECT_EQ(BruchFolie(nullptr, nullptr), nullptr);
    EXPECT_EQ(GeschweifteKlammerFolie(nullptr, nullptr, nullptr), nullptr);

    auto nurZaehler = BruchFolie(Text("12"), nullptr);
    ASSERT_NE(nurZaehler, nullptr);
    EXPECT_EQ(nurZaehler->Klartext(), "12");
    EXPECT_EQ(nurZaehler->Liste.size(), 2u);
    auto nurNenner = BruchFolie(nullptr, Text("3", 8));
    ASSERT_NE(nurNenner, nullptr);
    EXPECT_EQ(nurNenner->Groesse, 8.0f);

    auto ohneA = GeschweifteKlammerFolie(nullptr, Text("b", 12), Text("c"));
    ASSERT_NE(ohneA, nullptr);
    EXPECT_EQ(ohneA->Groesse, 12.0f);
    EXPECT_EQ(ohneA->Klartext(), "bc");
}

TEST_F(FolienTest, BauerUebernehmenDieFolienUndVerwerfenIhreBoxen) {
    auto f = KlammerFolie(WurzelFolie(BruchFolie(Text("1"), Text("x")), 2), false, 10);
    // the whole nest is owned by the outer group; only the outer box remains
    std::vector<const TFolie*> offen{f.get()};
    int folien = 0;
    while (!offen.empty()) {
        const TFolie* g = offen.back();
        offen.pop_back();
        ++folien;
        if (g != f.get()) {
            EXPECT_EQ(g->Box, nullptr);
        }
        if (auto* liste = dynamic_cast<const TListenFolie*>(g)) {
            for (const auto& kind : liste->Liste) offen.push_back(kind.get());
        }
    }
    // bracket group (3) + root group (2) + fraction group (3) + 1 outer
    EXPECT_EQ(folien, 1 + 3 + 2 + 3 - 1 + 1);
    EXPECT_EQ(f->Klartext(), "1x");
}

} // namespace
} // namespace zol
