// The free-standing canvas, UTF-8 characters and the symbol codes.
#include <gtest/gtest.h>

#include "output/folienT.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

// Without a canvas the free one measures with the test canvas's metrics and draws nothing.
TEST(LeinwandTest, FreieLeinwandMisstUndZeichnetNichts) {
    TTestLeinwand a;
    TLeinwand* vorher = SetzeLeinwand(&a);
    EXPECT_EQ(SetzeLeinwand(nullptr), &a);
    TLeinwand& l = Leinwand();
    ASSERT_NE(dynamic_cast<TFreieLeinwand*>(&l), nullptr);
    TSchrift alt = l.Schrift();
    l.SetzeSchrift(TSchrift{});
    EXPECT_EQ(l.Textmass("abc"),
              (TTextmass{3 * TTestLeinwand::Zeichenbreite(10), TTestLeinwand::Zeichenhoehe(10)}));
    auto f = BruchFolie(std::make_unique<TAFolie>("1", 10), std::make_unique<TAFolie>("2", 10));
    l.BewegeZu(0, 0);
    f->Zeichne();
    EXPECT_EQ(l.Stift().x, f->Box->LinksAbstand + f->Box->Breite + f->Box->RechtsAbstand);
    EXPECT_EQ(l.Pixel(0, 0), Weiss);
    EXPECT_FALSE(l.NeueSeite());
    l.SetzeSchrift(alt);
    SetzeLeinwand(vorher);
}

// Every code gives exactly one character.
TEST(LeinwandTest, Symbolcodes) {
    for (uint16_t code = 1; code < 1300; ++code) EXPECT_EQ(AnzahlZeichen(ZeichenText(code)), 1u) << code;
}

} // namespace
} // namespace zol
