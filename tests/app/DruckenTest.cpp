// Printing: page lists drawn through the Qt canvas on a QPrinter into a PDF file, in screen units with page
// breaks; a run cut short prints nothing and restores everything.
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
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

    // The number of pages of the written PDF file: its page objects.
    int Seitenzahl() const {
        QFile f(Datei());
        if (!f.open(QIODevice::ReadOnly)) return -1;
        const QString inhalt = QString::fromLatin1(f.readAll());
        return static_cast<int>(inhalt.count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
    }

    // Pages needed for n lines of height h (pitch a = h + 10, or 20 below 20) on pages Hoehe high, the first
    // beginning at 5: the first page holds the lines whose bottom 5 + j a is at most Hoehe; a later page
    // begins with a line whose bottom is at h + 5, and holds those whose bottom h + 5 + (j - 1) a is.
    static int ErwarteteSeiten(int n, int h, int Hoehe) {
        const int a = h >= 20 ? h + 10 : 20;
        const int erste = (Hoehe - 5) / a;
        const int weitere = (Hoehe - h - 5) / a + 1;
        if (n <= erste) return 1;
        return 1 + (n - erste + weitere - 1) / weitere;
    }

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
// the A4 page within its margins, a line is as high as on the screen, and 150 lines go onto as many sheets
// as their pitch gives.
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
    EXPECT_EQ(Seitenzahl(), ErwarteteSeiten(150, zeilenhoehe, hoehe));
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
