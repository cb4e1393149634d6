// Printing: page lists drawn through the Qt canvas on a QPrinter into a PDF file, in screen units with page
// breaks; a run cut short prints nothing and restores everything.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/Drucken.h"
#include "app/QtLeinwand.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "term/TermManager.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class DruckenTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        InitialisiereAusgabe();
        ASSERT_TRUE(Ordner.isValid());
        Drucker.setOutputFormat(QPrinter::PdfFormat);
        Drucker.setOutputFileName(Datei());
        Drucker.setPageSize(QPageSize(QPageSize::A4));
        Bildschirm.SetzeSchrift(TSchrift{});
        AktiviereSeite(&Bildschirm, false);
    }
    void TearDown() override {
        SetzeZeilenliste(nullptr);
        InitialisiereAusgabe();
        SetzeLeinwand(nullptr);
        Seitenbreite = 977;
        Seitenhoehe = 665;
        ZolTest::TearDown();
    }

    QString Datei() const { return Ordner.filePath("ausgabe.pdf"); }

    // One step group: its page made current, n lines written, the page drawn.
    void Gruppe(TZeilenliste& liste, int n, const std::string& name) {
        SetzeZeilenliste(&liste);
        AktiviereSeite(&Bildschirm, false);
        for (int i = 1; i <= n; ++i) SchreibeZeile(name + " Zeile " + std::to_string(i));
        ZeichneSeite(0);
    }

    QTemporaryDir Ordner;
    QPrinter Drucker{QPrinter::HighResolution};
    QImage Bild = NeuesSeitenbild(977, 665);
    TQtLeinwand Bildschirm{Bild};
};

// A print run works in the screen's units of 1/96 inch: the printer canvas reports 96 pixels per inch and
// the A4 page within its margins (less the two margins of the rules), and a line is as high as on the
// screen.
TEST_F(DruckenTest, SeitenlisteInBildschirmeinheitenMitSeitenumbruechen) {
    TZeilenliste liste, bildschirm;
    Gruppe(bildschirm, 1, "A");
    Int32 breite = 0, hoehe = 0;
    Drucke(Drucker, [&] {
        EXPECT_TRUE(DruckModus && SeitenY == 5 && Leinwand().PixelProZoll() == 96);
        breite = Seitenbreite;
        hoehe = Seitenhoehe;
        Gruppe(liste, 150, "A");
        EXPECT_EQ(&Leinwand(), Druckerleinwand);
    });
    EXPECT_TRUE(breite > 650 && breite <= 794 && hoehe > 950 && hoehe <= 1123) << breite << " x " << hoehe;
    const Int32 zeilenhoehe = bildschirm.Zeilen[0]->Box->Oben + bildschirm.Zeilen[0]->Box->Unten;
    for (const auto& z : liste.Zeilen) ASSERT_EQ(z->Box->Oben + z->Box->Unten, zeilenhoehe);
}

TEST_F(DruckenTest, AbgebrochenerLaufGibtDenFehlerWeiterUndStelltAllesWiederHer) {
    TZeilenliste liste;
    EXPECT_THROW(Drucke(Drucker,
                        [&] {
                            Gruppe(liste, 3, "A");
                            throw std::runtime_error("Abbruch");
                        }),
                 std::runtime_error);
    // nothing printed
    EXPECT_FALSE(QFile::exists(Datei()));
    EXPECT_FALSE(DruckModus);
    EXPECT_EQ(Druckerleinwand, nullptr);
    EXPECT_EQ(&Leinwand(), &Bildschirm);
    EXPECT_EQ(Seitenbreite, 977);
    EXPECT_EQ(Seitenhoehe, 665);
}

} // namespace
} // namespace zol
