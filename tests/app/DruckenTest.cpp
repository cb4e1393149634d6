// Printing: page lists drawn through the Qt canvas on a QPrinter into a PDF file, with page breaks.
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
        AlleTermeFreigeben();
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
        AlleTermeFreigeben();
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

    // Pages needed for n lines of height h on pages Hoehe pixels high, the first beginning at 5: the first
    // page holds the lines whose bottom 5 + j (h + 10) is at most Hoehe; a later page begins with a line
    // whose bottom is at h + 5, and holds the lines whose bottom h + 5 + (j - 1)(h + 10) is at most Hoehe.
    static int ErwarteteSeiten(int n, int h, int Hoehe) {
        const int erste = (Hoehe - 5) / (h + 10);
        const int weitere = (Hoehe - h - 5) / (h + 10) + 1;
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

TEST_F(DruckenTest, SeitenlisteMitSeitenumbruechenInEinePdfDatei) {
    TZeilenliste liste;
    Int32 hoehe = 0, zeilenhoehe = 0;
    Drucke(Drucker, [&] {
        EXPECT_TRUE(DruckModus);
        EXPECT_EQ(SeitenY, 5);
        hoehe = Seitenhoehe;
        Gruppe(liste, 150, "A");
        EXPECT_EQ(&Leinwand(), Druckerleinwand);
        // measured on the printer: far more pixels than on the screen
        zeilenhoehe = liste.Zeilen[0]->Box->Oben + liste.Zeilen[0]->Box->Unten;
    });
    ASSERT_GT(zeilenhoehe, 20);
    for (const auto& z : liste.Zeilen) ASSERT_EQ(z->Box->Oben + z->Box->Unten, zeilenhoehe);
    const int erwartet = ErwarteteSeiten(150, zeilenhoehe, hoehe);
    ASSERT_GT(erwartet, 1);
    EXPECT_EQ(Seitenzahl(), erwartet);
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
