// The formula builders (brackets, bars, fractions, roots, curly braces) and the inline markup of texts
// ("*i<...>" an index, "*u<...>" underlined): what is drawn where, and the ink inside the boxes.
#include "tests/output/FolienTestBasis.h"

namespace zol {
namespace {

std::unique_ptr<TFolie> Text(const char* t, Single g = 10) {
    return std::make_unique<TAFolie>(t, g);
}

// At 10 points: a character is 7 wide and 16 high, 13 of it above the baseline; P(2) = 3, P(7) = 9.

// Each builder's box as designed and its ink inside it; the parts where they belong.
TEST_F(FolienTest, KlammernBetragBruchWurzel) {
    struct Fall {
        std::unique_ptr<TFolie> F;
        TBox Box;
    };
    Fall faelle[] = {
        // Brackets 3 from the text, reaching 3 above and below its cell; bars 3 left and right of its ink.
        {KlammerFolie(Text("ab"), false, 10), B(16, 6, 26, 12, 0, 18, -9, 35, 19)},
        {BetragFolie(Text("ab"), true, 10), B(14, 5, 20, 15, 3, 18, -9, 38, 5)},
        // Start and end point at the height of the bar, P(4.5) = 6 above the baseline.
        {BruchFolie(Text("1"), Text("23")), B(25, 14, 14, 0, 3, 0, -6, 14, -6)},
        {WurzelFolie(Text("ab"), 2), B(16, 3, 33, 0, 0, 0, -9, 32, -13)},
    };
    for (auto& f : faelle) {
        EXPECT_EQ(*f.F->Box, f.Box) << f.F->Klartext();
        EXPECT_TRUE(Enthaelt(BoxBei(*f.F->Box, 0, 100), ZeichneBei(*f.F, 0, 100))) << f.F->Klartext();
    }
    // Around a fraction the brackets grow with it.
    auto bruch = BruchFolie(Text("1"), Text("2"));
    const TBox innen = *bruch->Box;
    auto g = KlammerFolie(std::move(bruch), false, 10);
    EXPECT_EQ(g->Box->Oben + g->Box->Unten, innen.Oben + innen.Unten + 2 * P(2));
    // The bar is as wide as the wider part; both parts are centred on it, above and below.
    for (const char* z : {"1", "12345"})
        for (const char* n : {"1", "1234"}) {
            auto f = BruchFolie(Text(z), Text(n));
            ZeichneBei(*f, 0, 100);
            auto teile = L.AufrufeDerArt(TAufrufart::Text);
            auto balken = L.AufrufeDerArt(TAufrufart::Linie)[0].Punkte;
            EXPECT_EQ(balken[1].x - balken[0].x, std::max(teile[0].Mass.Breite, teile[1].Mass.Breite));
            for (const auto& teil : teile)
                EXPECT_LE(std::abs(2 * teil.Stift.x + teil.Mass.Breite - (balken[0].x + balken[1].x)), 2);
            EXPECT_TRUE(teile[0].Stift.y + teile[0].Mass.Hoehe < balken[0].y &&
                        teile[1].Stift.y > balken[0].y);
        }
    // A root's index at two thirds of the size, its left edge at the sign's start, its bottom P(1) above it.
    auto w = WurzelFolie(Text("ab"), 3);
    EXPECT_TRUE(Enthaelt(BoxBei(*w->Box, 0, 100), ZeichneBei(*w, 0, 100)));
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto zeichen = L.AufrufeDerArt(TAufrufart::Polylinie)[0].Punkte;
    ASSERT_EQ(t.size(), 2u);
    EXPECT_TRUE(t[1].Schrift.Groesse == 7 && w->Klartext() == "ab3");
    EXPECT_EQ(t[1].Stift, (TPunkt{zeichen[0].x, zeichen[0].y - P(1) - H(7)}));
}

// Nothing is placed relative to a missing folie; a builder without its main part gives nothing.
TEST_F(FolienTest, FehlendeTeile) {
    EXPECT_EQ(KlammerFolie(nullptr, false, 10), nullptr);
    EXPECT_EQ(BetragFolie(nullptr, false, 10), nullptr);
    EXPECT_EQ(WurzelFolie(nullptr, 3), nullptr);
    EXPECT_EQ(BruchFolie(nullptr, nullptr), nullptr);
    EXPECT_EQ(GeschweifteKlammerFolie(nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(BruchFolie(Text("12"), nullptr)->Klartext(), "12");
    EXPECT_EQ(BruchFolie(nullptr, Text("3", 8))->Groesse, 8.0f);
    auto ohneA = GeschweifteKlammerFolie(nullptr, Text("b", 12), Text("c"));
    EXPECT_TRUE(ohneA->Groesse == 12.0f && ohneA->Klartext() == "bc");
}

// ---- markup ----

TEST_F(FolienTest, MarkupErgebnisUndKlartext) {
    const std::tuple<const char*, uint8_t, const char*> faelle[] = {
        // The asterisk must stand before the last three characters; the first asterisk being a
        // multiplication sign, or a letter other than i or u, makes the whole text plain.
        {"*i<>", ArtAFolie, "*i<>"},
        {"a*b+c*i<n>", ArtAFolie, "a*b+c*i<n>"},
        {"*I<x>", ArtAFolie, "*I<x>"},
        {"*i<x>", ArtSammelFolie, "x"},
        // An inner pair of angle brackets is counted; markup nests; an inner text with another letter and a
        // suffix with unclosed markup are plain.
        {"*i<a<b>c>", ArtSammelFolie, "a<b>c"},
        {"*u<Erweiterte Matrix:>   ", ArtSammelFolie, "Erweiterte Matrix:   "},
        {"x*i<a*i<b>>", ArtSammelFolie, "xab"},
        {"*i<a*q<b>>", ArtSammelFolie, "a*q<b>"},
        {"a*i<n>b*i<c", ArtSammelFolie, "anb*i<c"},
    };
    for (const auto& [text, art, klar] : faelle) {
        auto f = TextFolie(text, 10);
        ASSERT_NE(f, nullptr) << text;
        EXPECT_EQ(f->Art, art) << text;
        EXPECT_EQ(f->Klartext(), klar);
        // The plain text is what is drawn, in order, and the ink lies in the box.
        TRechteck tinte = ZeichneBei(*f, 200, 100);
        EXPECT_EQ(L.GeschriebenerText(), klar);
        EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 200, 100), tinte)) << text;
    }
    // Unclosed markup gives nothing.
    for (const char* text : {"x*i<nn", "*u<abc", "*i<a<b>"}) EXPECT_EQ(TextFolie(text, 10), nullptr) << text;
}

TEST_F(FolienTest, IndexUndUnterstreichung) {
    auto f = TextFolie("a*i<n>+b*i<n>", 10);
    ZeichneBei(*f, 100, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(t.size(), 4u);
    // The index at 0.8 of the size, P(2) right of the text before it, its top P(4) above the baseline; the
    // suffix P(3) right of the index, back on the line.
    EXPECT_EQ(t[1].Stift, (TPunkt{100 + W(10) + P(2), 100 - P(4)}));
    EXPECT_TRUE(t[0].Schrift.Groesse == 10 && t[1].Schrift.Groesse == 8 && t[2].Schrift.Groesse == 10);
    EXPECT_EQ(t[2].Stift, (TPunkt{t[1].Stift.x + W(8) + P(3), t[0].Stift.y}));
    // A nested index is smaller again: 0.8 * 8 = 6.4 points, the font rounds to 6.
    ZeichneBei(*TextFolie("x*i<a*i<b>>", 10), 100, 100);
    EXPECT_EQ(L.AufrufeDerArt(TAufrufart::Text)[2].Schrift.Groesse, 6);
}

} // namespace
} // namespace zol
