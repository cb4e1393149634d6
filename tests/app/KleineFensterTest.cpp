// The options window with its arrows and its OK action; the small windows: structure trees and list, the
// term-store tree, the matrix window, the about box with its JPEG picture; with the main window: the
// structure button, the comment box read at every request, the font dialog's OK, and the user abort.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <tuple>
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
#include "output/Protokoll.h"
#include "plattform/Leinwand.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
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
        SetzeZeilenliste(&Seite);
        Optionen = std::make_unique<TOptionenForm>();
    }
    void TearDown() override {
        Matrix.reset();
        Root.reset();
        Struktur.reset();
        Optionen.reset();
        SetzeZeilenliste(nullptr);
        std::tie(Kommentare, CardanoAnwenden, Stellen, SimpsonTeilintervalle, Einzug, DebugHost, DebugPort) =
            Vorher;
        ZolTest::TearDown();
    }
    // The one message since the last call ("" for none).
    std::string EineMeldung() {
        const auto& m = Oberflaeche.Host.Meldungen;
        std::string text = m.empty() ? "" : m.size() == 1 ? m[0].Text : "?";
        Oberflaeche.Host.Meldungen.clear();
        return text;
    }
    void Klicke(QWidget* knopf, int n = 1) {
        for (int i = 0; i < n; ++i) QTest::mouseClick(knopf, Qt::LeftButton);
    }

    std::tuple<bool, bool, uint8_t, Int64, Int32, std::string, uint16_t> Vorher{
        Kommentare, CardanoAnwenden, Stellen, SimpsonTeilintervalle, Einzug, DebugHost, DebugPort};
    TZeilenliste Seite;
    std::unique_ptr<TOptionenForm> Optionen;
    std::unique_ptr<TStrukturForm> Struktur = std::make_unique<TStrukturForm>();
    std::unique_ptr<TRootForm> Root = std::make_unique<TRootForm>();
    std::unique_ptr<TMatrixForm> Matrix = std::make_unique<TMatrixForm>();
};

// ---- options window ----

TEST_F(KleineFensterTest, DiePfeileBleibenInIhrenGrenzen) {
    QToolButton* runter = Optionen->TeilintervalleUpDown->RunterKnopf;
    QToolButton* hoch = Optionen->TeilintervalleUpDown->HochKnopf;
    // Positions 1 and 9 are the stops.
    Klicke(runter, 9);
    EXPECT_EQ(SimpsonTeilintervalle, 10);
    Klicke(hoch, 20);
    EXPECT_EQ(SimpsonTeilintervalle, 1000000000);
    // From a typed value the arrows never leave 2 .. 2147483646.
    const std::tuple<const char*, bool, Int64> getippt[] = {
        {"7", false, 2}, {"2000000000", true, 2147483646}, {"35", false, 3}};
    for (auto [text, nachOben, erwartet] : getippt) {
        Optionen->TeilintervalleUpDown->SetzePosition(5);
        Optionen->TeilIntervalleEdit->setText(Q(text));
        Optionen->OKButtonClick();
        Klicke(nachOben ? hoch : runter);
        EXPECT_EQ(SimpsonTeilintervalle, erwartet) << text;
    }
}

TEST_F(KleineFensterTest, OKMitUnlesbarerAnzahlBehaeltSieUndLaesstDasFensterOffen) {
    Optionen->show();
    Optionen->KommentarCB->setChecked(false);
    Optionen->CardanoCB->setChecked(false);
    Optionen->StellenEdit->setValue(7);
    for (const char* text : {"abc", "1", "2147483647", "-10", ""}) {
        Optionen->TeilIntervalleEdit->setText(Q(text));
        Optionen->EinzugEdit->setText(Q("50"));
        Klicke(Optionen->OKButton);
        EXPECT_EQ(EineMeldung(),
                  "Die Anzahl der Teilintervalle muss eine ganze Zahl von 2 bis 2147483646 sein.");
        // What comes before the count is applied, the count and what follows it not.
        EXPECT_TRUE(!Kommentare && !CardanoAnwenden && Stellen == 7) << text;
        EXPECT_EQ(SimpsonTeilintervalle, 1000000);
        EXPECT_EQ(Einzug, 30);
        EXPECT_TRUE(Optionen->isVisible());
    }
    Optionen->TeilIntervalleEdit->setText(Q(" 2147483646 "));
    Klicke(Optionen->OKButton);
    EXPECT_EQ(EineMeldung(), "");
    EXPECT_EQ(SimpsonTeilintervalle, 2147483646);
    EXPECT_EQ(Einzug, 50);
    EXPECT_FALSE(Optionen->isVisible());
}

TEST_F(KleineFensterTest, EinzugUndDebugZielNachDerAnzahl) {
    // Einzug: the leading integer within 0 .. 200; without one the old value stays.
    const std::pair<const char*, Int32> einzug[] = {
        {"25abc", 25}, {"abc", 25},  {"-5", 0},
        {"999", 200},  {" 12 ", 12}, {"", 12},
        {"+7", 7},     {"-", 7},     {"99999999999999999999999", 200}};
    for (auto [text, erwartet] : einzug) {
        Optionen->EinzugEdit->setText(Q(text));
        Optionen->OKButtonClick();
        EXPECT_EQ(Einzug, erwartet) << text;
    }
    Optionen->RemoteHostEdit->setText(Q("rechner.schule"));
    Optionen->RemotePortEdit->setText(Q("6001"));
    Optionen->OKButtonClick();
    EXPECT_EQ(EineMeldung(), "");
    EXPECT_TRUE(DebugHost == "rechner.schule" && DebugPort == 6001);
    for (const char* port : {"0", "65536", "x", ""}) {
        Optionen->RemotePortEdit->setText(Q(port));
        Optionen->OKButtonClick();
        EXPECT_EQ(DebugPort, 6001) << port;
        EXPECT_EQ(EineMeldung(), "Der Remote Port muss eine ganze Zahl von 1 bis 65535 sein.");
    }
    // "Abbrechen" applies nothing.
    Optionen->StellenEdit->setValue(11);
    Optionen->AbbrechenButtonClick();
    EXPECT_EQ(Stellen, 4);
}

// ---- small windows ----

TEST_F(KleineFensterTest, StrukturbaumNachDenKlassen) {
    const std::pair<const char*, std::vector<std::string>> faelle[] = {
        {"(x+1)°3", {"WURZEL", "  SUMME", "    x", "    1", "  Grad:3"}},
        {"2^x", {"Exponentialfunktion mit Basis 2", "  x"}},
        {"x^(-1/3)", {"POTENZ", "  x", "  Exponent:(-1/3)"}},
    };
    for (const auto& [eingabe, baum] : faelle) {
        Struktur->ZeigeTermStruktur(TermAusString(eingabe));
        EXPECT_EQ(Baumzeilen(Struktur->StrukturView), baum) << eingabe;
        QTreeWidgetItem* erster = Struktur->StrukturView->topLevelItem(0);
        EXPECT_TRUE(Struktur->StrukturView->currentItem() == erster && erster->isExpanded());
    }
    // A piecewise term has no node; a term thousands of levels deep has one node per level.
    Struktur->StrukturView->clear();
    Struktur->BaueStrukturBaum(nullptr, Op(Neu<TJoin>(Eins, VariableX, Zwei), '+', X()));
    EXPECT_EQ(Baumzeilen(Struktur->StrukturView), std::vector<std::string>({"SUMME", "  x"}));
    TTerm* T = X();
    for (int i = 0; i < 6000; ++i) T = Op(T, '-', Eins);
    Struktur->BaueStrukturBaum(Struktur->StrukturView->topLevelItem(0), T);
    const std::vector<std::string> zeilen = Baumzeilen(Struktur->StrukturView);
    ASSERT_EQ(zeilen.size(), 3u + 2 * 6000);
    EXPECT_EQ(zeilen[2 + 6000], std::string(2 * 6001, ' ') + "x");
}

TEST_F(KleineFensterTest, SpeicherbaumFolgtDemSpeicher) {
    Root->ZeigeTermspeicher();
    EXPECT_EQ(Root->RootView->topLevelItemCount(), 0);
    TermAusString("(x+1)*(x-2)/x^3");
    Root->show();
    // The root shows the address and the text of its term.
    const QString wurzel = Root->RootView->topLevelItem(0)->text(0);
    EXPECT_EQ(wurzel.left(8),
              QString("%1").arg(quint32(std::uintptr_t(Termspeicher->Term)), 8, 16, QChar('0')).toUpper());
    EXPECT_EQ(wurzel.mid(8).toStdString(), Termspeicher->Term->Text);
    const size_t zeilen = Baumzeilen(Root->RootView).size();
    // Ascending constants hang in one chain, a node and its "rechts" line each in the view.
    for (int i = 5; i < 3005; ++i) Bruchkonstante(i, 1);
    Root->ZeigeTermspeicher();
    EXPECT_EQ(Baumzeilen(Root->RootView).size(), zeilen + 2 * 3000);
}

TEST_F(KleineFensterTest, MatrixAufDieSeiteUndFehlerOhneAusgabe) {
    auto berechne = [this](const std::vector<std::vector<const char*>>& zellen) {
        Matrix->MatrixGrid->clear();
        Matrix->MatrixGrid->setRowCount(int(zellen.size()));
        Matrix->MatrixGrid->setColumnCount(int(zellen[0].size()));
        for (size_t r = 0; r < zellen.size(); ++r)
            for (size_t c = 0; c < zellen[r].size(); ++c)
                if (zellen[r][c] != nullptr)
                    Matrix->MatrixGrid->setItem(int(r), int(c), new QTableWidgetItem(Q(zellen[r][c])));
        Seite.Zeilen.clear();
        Matrix->show();
        QTest::mouseClick(Matrix->Button1, Qt::LeftButton);
        return Seite.Klartext();
    };
    const std::vector<std::string> seite = berechne({{"2", "1", "3"}, {"1", "-1", "0"}});
    EXPECT_FALSE(Matrix->isVisible());
    ASSERT_GE(seite.size(), 2u);
    EXPECT_EQ(seite.front().rfind("Matrix :", 0), 0u) << seite.front();
    EXPECT_EQ(seite.back().rfind("Zeilenstufenform: ", 0), 0u) << seite.back();
    // An empty cell is 0; cells are simplified.
    EXPECT_EQ(berechne({{"4/2", "1", "3"}, {"1", "-1", nullptr}}), seite);
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());

    std::string parser;
    try {
        TermAusString("2*(x");
    } catch (const ETermFehler& e) {
        parser = e.Meldung;
    }
    EXPECT_TRUE(berechne({{"1", "2*(x"}, {"3", "4"}}).empty());
    EXPECT_TRUE(Matrix->isVisible());
    EXPECT_EQ(EineMeldung(), parser);
    std::vector<std::vector<const char*>> gross(16, std::vector<const char*>(2, "1"));
    EXPECT_TRUE(berechne(gross).empty());
    EXPECT_EQ(EineMeldung(), "Höchstens 15 Zeilen und 15 Spalten.");
    gross.assign(15, std::vector<const char*>(15, "x"));
    EXPECT_FALSE(berechne(gross).empty());
    // An abort left over from an earlier request does not end the window's own computation.
    BenutzerAbbruch = true;
    Oberflaeche.Host.UhrTakt = 50;
    EXPECT_EQ(berechne({{"2", "1", "3"}, {"1", "-1", "0"}}), seite);
    EXPECT_EQ(EineMeldung(), "");
    // A 12 x 12 matrix of digits: every worked row fits, the echelon form ends the page.
    std::mt19937 zufall(12);
    std::vector<std::string> ziffern;
    for (int i = 0; i < 144; ++i) ziffern.push_back(std::to_string(int(zufall() % 19) - 9));
    std::vector<std::vector<const char*>> zwoelf(12);
    for (int i = 0; i < 144; ++i) zwoelf[size_t(i / 12)].push_back(ziffern[size_t(i)].c_str());
    const std::vector<std::string> stufen = berechne(zwoelf);
    EXPECT_EQ(EineMeldung(), "");
    ASSERT_FALSE(stufen.empty());
    // The form follows the words, on the next line where it is wider than the rest of theirs.
    size_t ende = stufen.size();
    while (ende > 0 && stufen[ende - 1].rfind("Zeilenstufenform: ", 0) != 0) --ende;
    ASSERT_GT(ende, 0u);
    const std::string form =
        stufen[ende - 1].size() > 18 || ende == stufen.size() ? stufen[ende - 1].substr(18) : stufen[ende];
    EXPECT_TRUE(form.front() == '(' && std::count(form.begin(), form.end(), ';') == 11) << form;
    for (const std::string& zeile : stufen) EXPECT_EQ(zeile.find("zu groß"), std::string::npos) << zeile;
}

TEST_F(KleineFensterTest, AboutbildDurchLibjpegUndZeitgeber) {
    TAboutForm about;
    ASSERT_EQ(about.Bild.size(), QSize(320, 200));
    // Our picture is a blue gradient, dark at the top: the colour channels are in their order.
    const QColor oben = about.Bild.pixelColor(300, 5), unten = about.Bild.pixelColor(300, 195);
    EXPECT_GT(oben.blue(), oben.red() + 40);
    EXPECT_GT(unten.blue(), oben.blue());
    // Qt's own decoder, where present, reads the same picture.
    QFile datei(Q(AboutBildRessource));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray daten = datei.readAll();
    const QImage qt = QImage::fromData(daten, "JPEG").convertToFormat(QImage::Format_RGB888);
    for (int y = 0; !qt.isNull() && y < qt.height(); y += 7)
        for (int x = 0; x < qt.width(); x += 7)
            ASSERT_LE(std::abs(qGray(qt.pixel(x, y)) - qGray(about.Bild.pixel(x, y))), 3) << x << "," << y;
    // Data that is no JPEG picture gives a null image and libjpeg's message; the program goes on.
    std::string fehler;
    EXPECT_TRUE(JpegDekodieren(QByteArray("kein Bild"), &fehler).isNull());
    EXPECT_FALSE(fehler.empty());

    about.show();
    about.Timer1->start();
    QTRY_VERIFY_WITH_TIMEOUT(!about.isVisible(), 2000);
    EXPECT_FALSE(about.Timer1->isActive());
}

// ---- with the main window ----

class ImHauptfensterTest : public KleineFensterTest {
protected:
    void SetUp() override {
        KleineFensterTest::SetUp();
        Schrittflags.fill(false);
        Schrittflags[SchrittVereinfachen] = true;
    }
    void TearDown() override {
        Abbruch.reset();
        Schritte.reset();
        Haupt.reset();
        Schrittflags.fill(false);
        KleineFensterTest::TearDown();
    }
    std::vector<std::string> Start(const char* f) {
        Haupt->FTermEdit->setText(Q(f));
        QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);
        return Haupt->Seitenlisten[0]->Klartext();
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt = std::make_unique<THauptForm>();
    std::unique_ptr<TSchritteForm> Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
    std::unique_ptr<TAbbruchForm> Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
};

TEST_F(ImHauptfensterTest, StrukturknopfZeigtDieTermeDerAnfrage) {
    Start("x^2");
    Haupt->StrukturButtonClick();
    Haupt->StrukturButtonClick();
    EXPECT_TRUE(Struktur->isVisible());
    ASSERT_EQ(Struktur->VerfuegbareTermeLB->count(), 2);
    EXPECT_EQ(Struktur->VerfuegbareTermeLB->item(1)->text(), Q("eingegebener Term"));
    EXPECT_EQ(Struktur->VerfuegbareTerme, std::vector<TTerm*>({FTerm, FTerm}));
    EXPECT_EQ(Baumzeilen(Struktur->StrukturView),
              std::vector<std::string>({"POTENZ", "  x", "  Exponent:2"}));
    // The next request empties the store, and with it the list.
    Start("x^2");
    EXPECT_EQ(Struktur->VerfuegbareTermeLB->count(), 0);
    EXPECT_TRUE(Struktur->VerfuegbareTerme.empty());
}

TEST_F(ImHauptfensterTest, KommentarkaestchenZaehltOhneOK) {
    ASSERT_TRUE(Haupt->Optionen1->isEnabled());
    Haupt->Optionen1->trigger();
    EXPECT_TRUE(Optionen->isVisible() && !Optionen->isModal());
    Schrittflags[SchrittDefinitionsbereich] = true;
    const std::vector<std::string> mit = Start("1/(x^2-4)");
    Optionen->KommentarCB->setChecked(false);
    const std::vector<std::string> ohne = Start("1/(x^2-4)");
    // Without comments the page is shorter, and each of its lines stands on the commented page.
    EXPECT_LT(ohne.size(), mit.size());
    for (const std::string& zeile : ohne)
        EXPECT_NE(std::find(mit.begin(), mit.end(), zeile), mit.end()) << zeile;
}

TEST_F(ImHauptfensterTest, OKImSchriftdialogGibtDerAusgabeDieSchrift) {
    for (auto [groesse, ok] : {std::pair{13, true}, std::pair{20, false}}) {
        QTimer::singleShot(0, Haupt.get(), [this, groesse, ok] {
            QFont f(Q("DejaVu Sans"));
            f.setPointSize(groesse);
            Haupt->FontDialog->setCurrentFont(f);
            ok ? Haupt->FontDialog->accept() : Haupt->FontDialog->reject();
        });
        Haupt->Font1Click();
        EXPECT_EQ(Schriftgroesse, 13);
        EXPECT_EQ(Leinwand().Schrift().Groesse, 13);
        EXPECT_EQ(Haupt->EigeneLeinwandSchrift().pointSize(), 13);
    }
    // The dialog offers the pages' size, whatever size the last exponent drawn left on the canvas: OK with
    // nothing changed keeps it.
    Leinwand().SetzeSchriftgroesse(8);
    QTimer::singleShot(0, Haupt.get(), [this] { Haupt->FontDialog->accept(); });
    Haupt->Font1Click();
    EXPECT_EQ(Schriftgroesse, 13);
    Schriftgroesse = 10;
    Leinwand().SetzeSchrift(TSchrift{});
}

TEST_F(ImHauptfensterTest, LangeWertetabelleWirdDurchDenZeitgeberAbgebrochen) {
    Schrittflags[SchrittTabelle] = true;
    Oberflaeche.Host.Eingaben = {
        {TEingabefeld::ATerm, "0"}, {TEingabefeld::BTerm, "99,9"}, {TEingabefeld::HTerm, "1/10"}};
    // The event loop runs at every poll; once the table is well under way a timer presses "Abbrechen".
    int aufrufe = 0;
    bool gedrueckt = false;
    Oberflaeche.Host.BeiNachrichten = [&] {
        if (++aufrufe == 100)
            QTimer::singleShot(0, Abbruch.get(), [&] {
                gedrueckt = Abbruch->isVisible();
                QTest::mouseClick(Abbruch->AbbruchButton, Qt::LeftButton);
            });
        QApplication::processEvents();
    };
    const std::vector<std::string> seite = Start("x");
    Oberflaeche.Host.BeiNachrichten = nullptr;
    EXPECT_TRUE(gedrueckt && BenutzerAbbruch);
    EXPECT_FALSE(Abbruch->isVisible());
    EXPECT_EQ(Oberflaeche.Host.Meldungen.at(0).Art, TMeldungsart::Warnung);
    EXPECT_EQ(EineMeldung(), "Benutzer-Abbruch");
    // The page keeps what was written before and ends with the abort, before the table's 1000 rows.
    ASSERT_GE(seite.size(), 3u);
    EXPECT_EQ(seite[1].rfind("Eingegebener Funktionsterm", 0), 0u) << seite[1];
    EXPECT_EQ(seite.back(), "Abbruch durch Benutzer");
    EXPECT_LT(aufrufe, 1000);
}

} // namespace
} // namespace zol
