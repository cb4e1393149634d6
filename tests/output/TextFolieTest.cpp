// The inline markup of texts: "*i<...>" for an index, "*u<...>" for an underlined stretch.
#include "tests/output/FolienTestBasis.h"

namespace zol {
namespace {

class TextFolieTest : public FolienTest {
protected:
    // Draws the text's folie with the pen at (100, 100) and returns the texts written.
    std::vector<TZeichenaufruf> Texte(TFolie& f) {
        ZeichneBei(f, 100, 100);
        return L.AufrufeDerArt(TAufrufart::Text);
    }
};

struct TKlartextFall {
    const char* Text;
    uint8_t Art;          // kind of the result
    const char* Klartext; // what it shows
};

class MarkupTest : public TextFolieTest, public ::testing::WithParamInterface<TKlartextFall> {};

TEST_P(MarkupTest, ErgebnisUndKlartext) {
    auto f = TextFolie(GetParam().Text, 10);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Art, GetParam().Art);
    EXPECT_EQ(f->Klartext(), GetParam().Klartext);
    // the plain text is what is drawn, in order
    EXPECT_EQ((Texte(*f), L.GeschriebenerText()), GetParam().Klartext);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, MarkupTest,
    ::testing::Values(
        TKlartextFall{"abc", ArtAFolie, "abc"},
        // four characters: the asterisk does not stand before the last three, so this is plain text
        TKlartextFall{"*i<>", ArtAFolie, "*i<>"}, TKlartextFall{"a*i<>", ArtAFolie, "a*i<>"},
        TKlartextFall{"x*i<n", ArtAFolie, "x*i<n"},
        // the first asterisk is a multiplication sign: the whole text is plain, later markup included
        TKlartextFall{"2*x", ArtAFolie, "2*x"}, TKlartextFall{"a*b+c*i<n>", ArtAFolie, "a*b+c*i<n>"},
        // a letter other than i or u: the whole text plainly
        TKlartextFall{"a*b<c>", ArtAFolie, "a*b<c>"}, TKlartextFall{"*I<x>", ArtAFolie, "*I<x>"},
        // the smallest markup
        TKlartextFall{"*i<x>", ArtSammelFolie, "x"},
        // an inner pair of angle brackets is counted: the whole a<b>c is the index
        TKlartextFall{"*i<a<b>c>", ArtSammelFolie, "a<b>c"},
        TKlartextFall{"a*i<n>+b*i<n>", ArtSammelFolie, "an+bn"},
        TKlartextFall{"f(x*i<n-1>)", ArtSammelFolie, "f(xn-1)"},
        TKlartextFall{"*u<Erweiterte Matrix:>   ", ArtSammelFolie, "Erweiterte Matrix:   "},
        TKlartextFall{"Lösung*i<1>", ArtSammelFolie, "Lösung1"},
        // nested markup
        TKlartextFall{"x*i<a*i<b>>", ArtSammelFolie, "xab"},
        // an inner text with another letter is shown plainly
        TKlartextFall{"*i<a*q<b>>", ArtSammelFolie, "a*q<b>"},
        // a suffix with unclosed markup becomes plain text
        TKlartextFall{"a*i<n>b*i<c", ArtSammelFolie, "anb*i<c"},
        // an empty index
        TKlartextFall{"*i<>b", ArtSammelFolie, "b"}));

TEST_F(TextFolieTest, UngeschlosseneMarkupErgibtNichts) {
    // "x*i<n" would be plain text: the asterisk must stand before the last three characters
    for (const char* text : {"x*i<nn", "*u<abc", "*i<a<b>", "a*i<n>>"}) {
        auto f = TextFolie(text, 10);
        if (std::string(text) == "a*i<n>>") {
            // closed at the first ">", the rest is a plain suffix
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->Klartext(), "an>");
        } else {
            EXPECT_EQ(f, nullptr) << text;
        }
    }
}

TEST_F(TextFolieTest, IndexOhneVortextBeginntAmUrsprung) {
    auto f = TextFolie("*i<n>", 10);
    EXPECT_EQ(f->Box->LinksAbstand, 0);
    auto texte = Texte(*f);
    ASSERT_EQ(texte.size(), 1u);
    // top P(4) = 5 above the baseline, at 0.8 of the size
    EXPECT_EQ(texte[0].Stift, (TPunkt{100, 100 - P(4)}));
    EXPECT_EQ(texte[0].Schrift.Groesse, 8);
}

TEST_F(TextFolieTest, IndizesSitzenTiefUndKleiner) {
    auto f = TextFolie("a*i<n>+b*i<n>", 10);
    auto t = Texte(*f);
    ASSERT_EQ(t.size(), 4u);
    // "a" at the origin, its cell top 13 above the baseline
    EXPECT_EQ(t[0].Text, "a");
    EXPECT_EQ(t[0].Stift, (TPunkt{100, 87}));
    EXPECT_EQ(t[0].Schrift.Groesse, 10);
    // the index right of "a" with the gap P(2) = 3, its top P(4) = 5 above the baseline
    EXPECT_EQ(t[1].Text, "n");
    EXPECT_EQ(t[1].Stift, (TPunkt{100 + W(10) + P(2), 100 - P(4)}));
    EXPECT_EQ(t[1].Schrift.Groesse, 8);
    // the suffix right of the index with the gap P(3) = 4, back on the line
    const Int32 suffix = 100 + W(10) + P(2) + W(8) + P(3);
    EXPECT_EQ(t[2].Text, "+b");
    EXPECT_EQ(t[2].Stift, (TPunkt{suffix, 87}));
    EXPECT_EQ(t[3].Text, "n");
    EXPECT_EQ(t[3].Stift, (TPunkt{suffix + 2 * W(10) + P(2), 100 - P(4)}));
    // the index sits below the top of the line's text
    EXPECT_GT(t[1].Stift.y, t[0].Stift.y);
}

TEST_F(TextFolieTest, IndexInKlammern) {
    auto t = Texte(*TextFolie("f(x*i<n-1>)", 10));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].Text, "f(x");
    EXPECT_EQ(t[1].Text, "n-1");
    EXPECT_EQ(t[1].Stift.x, 100 + 3 * W(10) + P(2));
    EXPECT_EQ(t[2].Text, ")");
    EXPECT_EQ(t[2].Stift.x, t[1].Stift.x + 3 * W(8) + P(3));
    EXPECT_EQ(t[2].Stift.y, t[0].Stift.y);
}

TEST_F(TextFolieTest, VerschachtelterIndexWirdNochKleiner) {
    auto t = Texte(*TextFolie("x*i<a*i<b>>", 10));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].Schrift.Groesse, 8);
    // 0.8 * 8 = 6.4 points, the font rounds to 6
    EXPECT_EQ(t[2].Schrift.Groesse, 6);
    EXPECT_GT(t[2].Stift.x, t[1].Stift.x);
}

TEST_F(TextFolieTest, UnterstreichungUnterDemText) {
    auto f = TextFolie("*u<Erweiterte Matrix:>   ", 10);
    ZeichneBei(*f, 100, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto linien = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(t.size(), 2u);
    ASSERT_EQ(linien.size(), 1u);
    const Int32 breite = 18 * W(10);
    EXPECT_EQ(t[0].Text, "Erweiterte Matrix:");
    EXPECT_EQ(t[0].Stift, (TPunkt{100, 87}));
    // the line is as long as the text and lies directly below the text's bottom (3 below the baseline),
    // its thickness t = 3 above its own baseline
    EXPECT_EQ(linien[0].Punkte, (std::vector<TPunkt>{{100, 106}, {100 + breite, 106}}));
    // the three blanks follow plainly
    EXPECT_EQ(t[1].Text, "   ");
    EXPECT_EQ(t[1].Stift, (TPunkt{100 + breite + P(3), 87}));
    // the order of the children: inner, underline, suffix
    ASSERT_EQ(static_cast<TSammelFolie&>(*f).Liste.size(), 3u);
    EXPECT_EQ(static_cast<TSammelFolie&>(*f).Liste[1]->Art, ArtLinie);
}

TEST_F(TextFolieTest, UnterstreichungNachVortext) {
    auto f = TextFolie("Text *u<wichtig> mehr", 10);
    ZeichneBei(*f, 0, 50);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto linien = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(t.size(), 3u);
    const Int32 innen = 5 * W(10) + P(3);
    EXPECT_EQ(t[1].Text, "wichtig");
    EXPECT_EQ(t[1].Stift.x, innen);
    ASSERT_EQ(linien.size(), 1u);
    // centred under the text: the text's centre 39 + 24.5 rounds to 64, the line's own 24.5 to 24 (halves
    // to even), so the line stands one pixel right
    EXPECT_EQ(linien[0].Punkte[0].x, innen + 1);
    EXPECT_EQ(linien[0].Punkte[1].x - linien[0].Punkte[0].x, 7 * W(10));
    EXPECT_EQ(t[2].Stift.x, innen + 7 * W(10) + P(3));
    EXPECT_EQ(f->Klartext(), "Text wichtig mehr");
}

TEST_F(TextFolieTest, TinteLiegtInDerBox) {
    for (const char* text : {"a*i<n>+b*i<n>", "*u<Erweiterte Matrix:>   ", "f(x*i<n-1>)", "x*i<a*i<b>>"}) {
        auto f = TextFolie(text, 10);
        TRechteck tinte = ZeichneBei(*f, 200, 100);
        EXPECT_TRUE(Enthaelt(BoxBei(*f->Box, 200, 100), tinte)) << text;
    }
}

TEST_F(TextFolieTest, GroesseDerTeile) {
    // The prefix and suffix are at the size given, the index at 0.8 of it.
    for (Single g : {10.0f, 15.0f, 20.0f}) {
        auto t = Texte(*TextFolie("a*i<b>c", g));
        ASSERT_EQ(t.size(), 3u);
        EXPECT_EQ(t[0].Schrift.Groesse, Round(g));
        EXPECT_EQ(t[1].Schrift.Groesse, Round(0.8 * g));
        EXPECT_EQ(t[2].Schrift.Groesse, Round(g));
    }
}

} // namespace
} // namespace zol
