// The small windows around the main window: the structure window with its trees and its list, the
// term-store window, the about box with its JPEG picture, and the user abort of a long request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/Abbruch.h"
#include "app/About.h"
#include "app/HauptFm.h"
#include "app/JpegBild.h"
#include "app/MatrixFm.h"
#include "app/Optionen.h"
#include "app/RootFm.h"
#include "app/Schritte.h"
#include "app/Struktur.h"
#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

// The tree of a view as lines, two blanks of indent per level (without recursion: trees may be deep).
std::vector<std::string> Baumzeilen(const QTreeWidget* baum) {
    std::vector<std::string> zeilen;
    std::vector<std::pair<const QTreeWidgetItem*, int>> stapel;
    for (int i = baum->topLevelItemCount() - 1; i >= 0; --i) stapel.push_back({baum->topLevelItem(i), 0});
    while (!stapel.empty()) {
        auto [k, tiefe] = stapel.back();
        stapel.pop_back();
        zeilen.push_back(std::string(size_t(2 * tiefe), ' ') + k->text(0).toStdString());
        for (int i = k->childCount() - 1; i >= 0; --i) stapel.push_back({k->child(i), tiefe + 1});
    }
    return zeilen;
}

class KleineFensterTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Struktur = std::make_unique<TStrukturForm>();
        Root = std::make_unique<TRootForm>();
    }
    void TearDown() override {
        Root.reset();
        Struktur.reset();
        ZolTest::TearDown();
    }

    std::unique_ptr<TStrukturForm> Struktur;
    std::unique_ptr<TRootForm> Root;
};

// ---- structure window ----

TEST_F(KleineFensterTest, StrukturbaumNachDenKlassen) {
    struct {
        const char* eingabe;
        std::vector<std::string> baum;
    } const faelle[] = {
        {"x^2", {"POTENZ", "  x", "  Exponent:2"}},
        {"x+1", {"SUMME", "  x", "  1"}},
        {"sqrt(x)", {"sqrt", "  x"}},
        {"(x+1)°3", {"WURZEL", "  SUMME", "    x", "    1", "  Grad:3"}},
        {"2^x", {"Exponentialfunktion mit Basis 2", "  x"}},
        {"sin(x)", {"sin", "  x"}},
        {"x^(-1/3)", {"POTENZ", "  x", "  Exponent:(-1/3)"}},
        {"(x-1)/(x*x)", {"QUOTIENT", "  DIFFERENZ", "    x", "    1", "  PRODUKT", "    x", "    x"}},
    };
    for (const auto& f : faelle) {
        TTerm* T = TermAusString(f.eingabe);
        Struktur->ZeigeTermStruktur(T);
        EXPECT_EQ(Baumzeilen(Struktur->StrukturView), f.baum) << f.eingabe;
        // The whole tree is open and its first node chosen.
        QTreeWidgetItem* erster = Struktur->StrukturView->topLevelItem(0);
        EXPECT_EQ(Struktur->StrukturView->currentItem(), erster);
        EXPECT_EQ(erster->isExpanded(), erster->childCount() > 0);
    }
    // The formula stands in the picture, above the strip at the bottom that is left alone.
    const QImage& bild = Struktur->FormelImage->Bild;
    int dunkel = 0, unten = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qGray(bild.pixel(x, y)) < 128) (y < bild.height() - FormelbildRand ? dunkel : unten)++;
    EXPECT_GT(dunkel, 20);
    EXPECT_EQ(unten, 0);
}

TEST_F(KleineFensterTest, UnbekannteKlassenFehlenUndTiefeTermeGehen) {
    // A piecewise term has no node: below its parent nothing is added for it.
    TTerm* stueck = Neu<TJoin>(Eins, VariableX, Zwei);
    Struktur->BaueStrukturBaum(nullptr, Op(stueck, '+', X()));
    EXPECT_EQ(Baumzeilen(Struktur->StrukturView), std::vector<std::string>({"SUMME", "  x"}));

    // A term thousands of levels deep: one node per level, the leaves at the bottom.
    const int tiefe = 6000;
    TTerm* T = X();
    for (int i = 0; i < tiefe; ++i) T = Op(T, '-', Eins);
    Struktur->StrukturView->clear();
    Struktur->BaueStrukturBaum(nullptr, T);
    const std::vector<std::string> zeilen = Baumzeilen(Struktur->StrukturView);
    ASSERT_EQ(zeilen.size(), size_t(2 * tiefe + 1));
    EXPECT_EQ(zeilen[size_t(tiefe)], std::string(size_t(2 * tiefe), ' ') + "x");
    EXPECT_EQ(zeilen.back(), std::string(2, ' ') + "1");
}

TEST_F(KleineFensterTest, FuegeHinzuHaengtAnUndEinLeererSpeicherLeertDieListe) {
    TTerm* T = TermAusString("x^3-x");
    Struktur->FuegeHinzu(T, "eingegebener Term");
    Struktur->FuegeHinzu(T, "eingegebener Term");
    ASSERT_EQ(Struktur->VerfuegbareTermeLB->count(), 2);
    EXPECT_EQ(Struktur->VerfuegbareTerme, std::vector<TTerm*>({T, T}));
    Struktur->VerfuegbareTermeLB->setCurrentRow(1);
    Struktur->VerfuegbareTermeLBClick();
    EXPECT_EQ(Baumzeilen(Struktur->StrukturView).front(), "DIFFERENZ");
    AlleTermeFreigeben();
    EXPECT_EQ(Struktur->VerfuegbareTermeLB->count(), 0);
    EXPECT_TRUE(Struktur->VerfuegbareTerme.empty());
}

// ---- term-store window ----

TEST_F(KleineFensterTest, SpeicherbaumFolgtDemSpeicher) {
    Root->ZeigeTermspeicher();
    EXPECT_EQ(Root->RootView->topLevelItemCount(), 0);

    TermAusString("(x+1)*(x-2)/x^3");
    Root->show();
    ASSERT_EQ(Root->RootView->topLevelItemCount(), 1);
    EXPECT_EQ(Root->RootView->currentItem(), Root->RootView->topLevelItem(0));
    // Node by node: the address and the text of the stored term, "links" and "rechts" where the store has
    // them.
    std::vector<std::pair<const QTreeWidgetItem*, const TTermKnoten*>> stapel{
        {Root->RootView->topLevelItem(0), Termspeicher}};
    int knoten = 0;
    while (!stapel.empty()) {
        auto [item, k] = stapel.back();
        stapel.pop_back();
        ++knoten;
        const QString text = item->text(0);
        bool ok = false;
        EXPECT_EQ(text.left(8).toUInt(&ok, 16), quint32(reinterpret_cast<std::uintptr_t>(k->Term)));
        EXPECT_TRUE(ok && text.left(8) == text.left(8).toUpper());
        EXPECT_EQ(text.mid(8).toStdString(), k->Term->Text);
        int kind = 0;
        for (auto [seite, name] : {std::pair{k->Links, "links"}, std::pair{k->Rechts, "rechts"}}) {
            if (seite == nullptr) continue;
            ASSERT_LT(kind, item->childCount());
            const QTreeWidgetItem* s = item->child(kind++);
            EXPECT_EQ(s->text(0), Q(name));
            ASSERT_EQ(s->childCount(), 1);
            stapel.push_back({s->child(0), seite});
        }
        EXPECT_EQ(item->childCount(), kind);
    }
    int gespeichert = 0;
    for (std::vector<const TTermKnoten*> offen{Termspeicher}; !offen.empty();) {
        const TTermKnoten* k = offen.back();
        offen.pop_back();
        ++gespeichert;
        for (const TTermKnoten* kind : {k->Links, k->Rechts})
            if (kind != nullptr) offen.push_back(kind);
    }
    EXPECT_EQ(knoten, gespeichert);
    EXPECT_GE(knoten, 4);
}

TEST_F(KleineFensterTest, EinTieferSpeicherWirdGezeigtUndGeleert) {
    // Ascending constants hang in one chain: the tree is twice as deep as the store has terms.
    const int anzahl = 3000;
    for (int i = 5; i < 5 + anzahl; ++i) Bruchkonstante(i, 1);
    Root->ZeigeTermspeicher();
    const std::vector<std::string> zeilen = Baumzeilen(Root->RootView);
    EXPECT_EQ(zeilen.size(), size_t(2 * anzahl - 1));
    EXPECT_EQ(zeilen.back().find_first_not_of(' '), size_t(4 * (anzahl - 1)));
    Root->ZeigeTermspeicher();
    EXPECT_EQ(Baumzeilen(Root->RootView).size(), zeilen.size());
}

// ---- matrix window ----

class MatrixFensterTest : public KleineFensterTest {
protected:
    void SetUp() override {
        KleineFensterTest::SetUp();
        SetzeZeilenliste(&Seite);
        Matrix = std::make_unique<TMatrixForm>();
    }
    void TearDown() override {
        Matrix.reset();
        NeueZeile();
        SetzeZeilenliste(nullptr);
        KleineFensterTest::TearDown();
    }
    void Fuelle(const std::vector<std::vector<const char*>>& zellen) {
        Matrix->MatrixGrid->clear();
        Matrix->MatrixGrid->setRowCount(int(zellen.size()));
        Matrix->MatrixGrid->setColumnCount(int(zellen[0].size()));
        for (size_t r = 0; r < zellen.size(); ++r)
            for (size_t c = 0; c < zellen[r].size(); ++c)
                if (zellen[r][c] != nullptr)
                    Matrix->MatrixGrid->setItem(int(r), int(c), new QTableWidgetItem(Q(zellen[r][c])));
    }
    std::vector<std::string> Berechne() {
        Seite.Zeilen.clear();
        Matrix->show();
        QTest::mouseClick(Matrix->Button1, Qt::LeftButton);
        return Seite.Klartext();
    }

    TZeilenliste Seite;
    std::unique_ptr<TMatrixForm> Matrix;
};

TEST_F(MatrixFensterTest, ZeilenstufenformKommtAufDieSeite) {
    Fuelle({{"2", "1", "3"}, {"1", "-1", "0"}});
    const std::vector<std::string> seite = Berechne();
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
    EXPECT_FALSE(Matrix->isVisible());
    ASSERT_GE(seite.size(), 2u);
    EXPECT_EQ(seite.front().rfind("Matrix :", 0), 0u) << seite.front();
    EXPECT_EQ(seite.back().rfind("Zeilenstufenform: ", 0), 0u) << seite.back();
    // An empty cell is 0, and the cells are simplified first.
    Fuelle({{"4/2", "1", "3"}, {"1", "-1", nullptr}});
    EXPECT_EQ(Berechne(), seite);
}

TEST_F(MatrixFensterTest, FehlerLassenFensterUndSeiteWieSieWaren) {
    std::string parser;
    try {
        TermAusString("2*(x");
    } catch (const ETermFehler& e) {
        parser = e.Meldung;
    }
    ASSERT_FALSE(parser.empty());
    Fuelle({{"1", "2*(x"}, {"3", "4"}});
    EXPECT_TRUE(Berechne().empty());
    EXPECT_TRUE(Matrix->isVisible());
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, parser);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Warnung);

    for (auto [zeilen, spalten] : {std::pair{16, 2}, std::pair{2, 16}}) {
        Oberflaeche.Host.Meldungen.clear();
        Matrix->MatrixGrid->setRowCount(zeilen);
        Matrix->MatrixGrid->setColumnCount(spalten);
        EXPECT_TRUE(Berechne().empty());
        ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
        EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Höchstens 15 Zeilen und 15 Spalten.");
    }
    // 15 by 15 is allowed.
    Oberflaeche.Host.Meldungen.clear();
    Matrix->MatrixGrid->clear();
    Matrix->MatrixGrid->setRowCount(15);
    Matrix->MatrixGrid->setColumnCount(15);
    for (int i = 0; i < 15; ++i) Matrix->MatrixGrid->setItem(i, 14 - i, new QTableWidgetItem(Q("x")));
    EXPECT_FALSE(Berechne().empty());
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
}

// ---- about box ----

TEST_F(KleineFensterTest, AboutbildWirdMitLibjpegGelesen) {
    TAboutForm about;
    ASSERT_FALSE(about.Bild.isNull());
    EXPECT_EQ(about.Bild.size(), QSize(320, 200));
    // Our picture is a blue gradient, dark at the top: the colour channels are in their order.
    const QColor oben = about.Bild.pixelColor(300, 5), unten = about.Bild.pixelColor(300, 195);
    EXPECT_GT(oben.blue(), oben.red() + 40);
    EXPECT_GT(unten.blue(), oben.blue());
    // Qt's own decoder, where present, reads the same picture.
    QFile datei(Q(AboutBildRessource));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray daten = datei.readAll();
    const QImage qt = QImage::fromData(daten, "JPEG").convertToFormat(QImage::Format_RGB888);
    if (!qt.isNull()) {
        int abweichung = 0;
        for (int y = 0; y < qt.height(); y += 7)
            for (int x = 0; x < qt.width(); x += 7) {
                const QColor a = qt.pixelColor(x, y), b = about.Bild.pixelColor(x, y);
                abweichung = std::max({abweichung, std::abs(a.red() - b.red()),
                                       std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        EXPECT_LE(abweichung, 3);
    }
    // What is no JPEG picture gives a null image and libjpeg's message; the program goes on.
    std::string fehler;
    EXPECT_TRUE(JpegDekodieren(QByteArray("kein Bild, nur Text"), &fehler).isNull());
    EXPECT_FALSE(fehler.empty());
    const QImage abgeschnitten = JpegDekodieren(daten.left(daten.size() / 2));
    EXPECT_TRUE(abgeschnitten.isNull() || abgeschnitten.size() == QSize(320, 200));
    EXPECT_TRUE(JpegDekodieren(QByteArray()).isNull());
}

TEST_F(KleineFensterTest, AboutSchliesstSichDurchSeinenZeitgeber) {
    TAboutForm about;
    EXPECT_FALSE(about.Timer1->isActive());
    EXPECT_EQ(about.Timer1->interval(), 10);
    EXPECT_EQ(about.ZOLLabel->text(), Q("ZOL"));
    about.show();
    about.Timer1->start();
    QTRY_VERIFY_WITH_TIMEOUT(!about.isVisible(), 2000);
    EXPECT_FALSE(about.Timer1->isActive());
}

// ---- with the main window ----

class KleineFensterImHauptfensterTest : public KleineFensterTest {
protected:
    void SetUp() override {
        KleineFensterTest::SetUp();
        Schrittflags.fill(false);
        Haupt = std::make_unique<THauptForm>();
        Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
        Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
    }
    void TearDown() override {
        Abbruch.reset();
        Schritte.reset();
        Haupt.reset();
        Schrittflags.fill(false);
        KleineFensterTest::TearDown();
    }

    void Start(const char* f) {
        Haupt->FTermEdit->setText(Q(f));
        QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TSchritteForm> Schritte;
    std::unique_ptr<TAbbruchForm> Abbruch;
};

TEST_F(KleineFensterImHauptfensterTest, StrukturknopfZeigtDieTermeDerAnfrage) {
    Schrittflags[SchrittVereinfachen] = true;
    Start("x^2");
    Haupt->StrukturButtonClick();
    EXPECT_TRUE(Struktur->isVisible());
    ASSERT_EQ(Struktur->VerfuegbareTermeLB->count(), 1);
    EXPECT_EQ(Struktur->VerfuegbareTermeLB->item(0)->text(), Q("eingegebener Term"));
    EXPECT_EQ(Struktur->VerfuegbareTerme.front(), FTerm);
    EXPECT_EQ(Baumzeilen(Struktur->StrukturView),
              std::vector<std::string>({"POTENZ", "  x", "  Exponent:2"}));
    // The next request empties the store, and with it the list.
    Start("x^2");
    EXPECT_EQ(Struktur->VerfuegbareTermeLB->count(), 0);
}

TEST_F(KleineFensterImHauptfensterTest, LangeWertetabelleWirdDurchDenZeitgeberAbgebrochen) {
    Schrittflags[SchrittVereinfachen] = true;
    Schrittflags[SchrittTabelle] = true;
    Oberflaeche.Host.Eingaben = {
        {TEingabefeld::ATerm, "0"}, {TEingabefeld::BTerm, "100"}, {TEingabefeld::HTerm, "1/1000"}};
    // The event loop runs at every poll; once the table is well under way a timer presses "Abbrechen".
    int aufrufe = 0;
    bool gedrueckt = false;
    Oberflaeche.Host.BeiNachrichten = [&] {
        if (++aufrufe == 500)
            QTimer::singleShot(5, Abbruch.get(), [&] {
                gedrueckt = Abbruch->isVisible();
                QTest::mouseClick(Abbruch->AbbruchButton, Qt::LeftButton);
            });
        QApplication::processEvents();
    };
    Start("x");
    Oberflaeche.Host.BeiNachrichten = nullptr;
    EXPECT_TRUE(gedrueckt);
    EXPECT_TRUE(BenutzerAbbruch);
    EXPECT_FALSE(Abbruch->isVisible());
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Benutzer-Abbruch");
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Warnung);
    // The page keeps what was written before the table and ends with the abort.
    const std::vector<std::string> seite = Haupt->Seitenlisten[0]->Klartext();
    ASSERT_GE(seite.size(), 2u);
    EXPECT_EQ(seite.back(), "Abbruch durch Benutzer");
    auto steht = [&seite](const char* teil) {
        return std::any_of(seite.begin(), seite.end(),
                           [teil](const std::string& z) { return z.find(teil) != std::string::npos; });
    };
    EXPECT_TRUE(steht("Eingegebener Funktionsterm"));
    EXPECT_TRUE(steht("Wertetabelle"));
    // Far fewer polls than the table's 100001 rows.
    EXPECT_LT(aufrufe, 50000);
}

} // namespace
} // namespace zol
