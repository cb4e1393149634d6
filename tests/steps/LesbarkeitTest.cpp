// Long formulas on the pages of whole requests (Cardano's zeros as bounds of an area, long derivatives) stay
// readable: no line is wider than the page, so none is drawn smaller, and every text is drawn at least at
// the readable size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Lesbarkeit = ZolTest;

struct TLesbarkeitsfall {
    const char* Name;
    TAnfrage Anfrage;
};

// The page's lines drawn from the top on a canvas tall enough for all of them.
TTestLeinwand Gezeichnet(TZeilenliste& Seite) {
    Int32 hoehe = 10;
    for (const auto& zeile : Seite.Zeilen) hoehe += Zeilenvorschub(*zeile);
    TTestLeinwand bild(977, hoehe + 20);
    TLeinwandWechsel wechsel(bild);
    TWechsel<Int32> breite(Seitenbreite, 977), hoch(Seitenhoehe, hoehe + 20);
    TZeilenliste* vorher = Zeilenliste;
    SetzeZeilenliste(&Seite);
    ZeichneSeite(0);
    SetzeZeilenliste(vorher);
    return bild;
}

TEST_F(Lesbarkeit, LangeFormelnPassenAufDieSeite) {
    const TLesbarkeitsfall faelle[] = {
        {"area between x^3-3x and x+2 (Cardano bounds)",
         {.F = "x^3-3x", .G = "x+2", .A = "-2", .B = "2", .Schritte = {SchrittFlaeche}, .Kommentare = true}},
        {"area of x^3-2x-5 over [2; 3]",
         {.F = "x^3-2x-5", .A = "2", .B = "3", .Schritte = {SchrittFlaeche}, .Kommentare = true}},
        {"zeros and extrema of x^3-3x+1",
         {.F = "x^3-3x+1", .Schritte = {SchrittNullstellen, SchrittExtremstellen}, .Kommentare = true}},
        {"derivatives of a quotient",
         {.F = "(3x^2+1)/((x-1)^2*(x^2+x+1))",
          .Schritte = {SchrittAbleitungen},
          .AbleitungsGrad = 3,
          .Kommentare = true}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TKopfloseAnfrage lauf(fall.Anfrage);
        ASSERT_NO_THROW(lauf.Starte());
        Int32 zeilen = 0;
        for (Int32 k = 0; k < 8; ++k) {
            TZeilenliste& seite = k == 0 ? lauf.Seite : lauf.Seiten[size_t(k)];
            for (const auto& zeile : seite.Zeilen) {
                if (zeile->Art == ArtLinie) continue;
                ++zeilen;
                EXPECT_LT(zeile->Box->LinksAbstand + zeile->Box->Breite, 977 - 20)
                    << "page " << k << ": " << zeile->Klartext();
            }
            TTestLeinwand bild = Gezeichnet(seite);
            for (const auto& text : bild.AufrufeDerArt(TAufrufart::Text))
                EXPECT_GE(text.Mass.Hoehe, TTestLeinwand::Zeichenhoehe(text.Schrift.Groesse) * 7 / 10)
                    << "page " << k << ": " << text.Text;
        }
        EXPECT_GT(zeilen, 10);
    }
}

} // namespace
