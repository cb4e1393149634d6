// The options window: start values, the subinterval arrows, the OK action with its order and its checks,
// the comment box read at every request, and the font dialog's OK.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <string>
#include <vector>

#include "app/Abbruch.h"
#include "app/HauptFm.h"
#include "app/Optionen.h"
#include "app/Schritte.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "plattform/Leinwand.h"
#include "steps/Schrittflags.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

class OptionenTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Vorher = {Kommentare, CardanoAnwenden, Stellen, SimpsonTeilintervalle, Einzug, DebugHost, DebugPort};
        Optionen = std::make_unique<TOptionenForm>();
    }
    void TearDown() override {
        Optionen.reset();
        std::tie(Kommentare, CardanoAnwenden, Stellen, SimpsonTeilintervalle, Einzug, DebugHost, DebugPort) =
            Vorher;
        ZolTest::TearDown();
    }

    std::vector<std::string> Meldungen() const {
        std::vector<std::string> m;
        for (const auto& x : Oberflaeche.Host.Meldungen) m.push_back(x.Text);
        return m;
    }

    void Klicke(QToolButton* pfeil, int n) {
        for (int i = 0; i < n; ++i) QTest::mouseClick(pfeil, Qt::LeftButton);
    }

    std::tuple<bool, bool, uint8_t, Int64, Int32, std::string, uint16_t> Vorher;
    std::unique_ptr<TOptionenForm> Optionen;
};

TEST_F(OptionenTest, NachDemStartSteht30ImEinzug) {
    EXPECT_EQ(Einzug, 30);
    EXPECT_EQ(Optionen->EinzugEdit->text(), Q("30"));
    EXPECT_TRUE(Kommentare);
    EXPECT_EQ(SimpsonTeilintervalle, 1000000);
    EXPECT_EQ(Stellen, 4);
    // The creation does not set the debug listener.
    EXPECT_EQ(DebugHost, std::get<5>(Vorher));
    // Shown and activated, the edit shows Einzug, whatever was typed before.
    Optionen->EinzugEdit->setText(Q("77"));
    Optionen->show();
    Optionen->activateWindow();
    Optionen->FormActivate();
    EXPECT_EQ(Optionen->EinzugEdit->text(), Q("30"));
    EXPECT_EQ(Stellen, 4);
}

TEST_F(OptionenTest, DiePfeileTeilenUndMultiplizierenInnerhalbDerGrenzen) {
    QToolButton* runter = Optionen->TeilintervalleUpDown->RunterKnopf;
    QToolButton* hoch = Optionen->TeilintervalleUpDown->HochKnopf;
    Klicke(runter, 3);
    EXPECT_EQ(SimpsonTeilintervalle, 1000);
    EXPECT_EQ(Optionen->TeilIntervalleEdit->text(), Q("1000"));
    Klicke(runter, 1);
    EXPECT_EQ(SimpsonTeilintervalle, 100);
    // Position 1 is the lower stop: 10, and further clicks change nothing.
    Klicke(runter, 5);
    EXPECT_EQ(SimpsonTeilintervalle, 10);
    EXPECT_EQ(Optionen->TeilintervalleUpDown->Position(), 1);
    Klicke(hoch, 20);
    EXPECT_EQ(SimpsonTeilintervalle, 1000000000);
    EXPECT_EQ(Optionen->TeilintervalleUpDown->Position(), 9);

    // From a typed value the arrows never leave 2 .. 2147483646.
    struct {
        const char* getippt;
        bool hochKlick;
        Int64 erwartet;
    } const faelle[] = {{"7", false, 2}, {"2000000000", true, 2147483646}, {"35", false, 3}};
    for (const auto& f : faelle) {
        Optionen->TeilintervalleUpDown->SetzePosition(5);
        Optionen->TeilIntervalleEdit->setText(Q(f.getippt));
        Optionen->OKButtonClick();
        Klicke(f.hochKlick ? hoch : runter, 1);
        EXPECT_EQ(SimpsonTeilintervalle, f.erwartet) << f.getippt;
    }
}

TEST_F(OptionenTest, OKMitUnlesbarerAnzahlBehaeltSieUndLaesstDasFensterOffen) {
    Optionen->show();
    Optionen->KommentarCB->setChecked(false);
    Optionen->CardanoCB->setChecked(false);
    Optionen->StellenEdit->setValue(7);
    for (const char* text : {"abc", "1", "2147483647", "-10", ""}) {
        Oberflaeche.Host.Meldungen.clear();
        Optionen->TeilIntervalleEdit->setText(Q(text));
        Optionen->EinzugEdit->setText(Q("50"));
        QTest::mouseClick(Optionen->OKButton, Qt::LeftButton);
        EXPECT_EQ(Meldungen(),
                  std::vector<std::string>(
                      {"Die Anzahl der Teilintervalle muss eine ganze Zahl von 2 bis 2147483646 sein."}))
            << text;
        EXPECT_EQ(Oberflaeche.Host.Meldungen.front().Art, TMeldungsart::Information);
        // The options before the count are applied, the count and everything after it not.
        EXPECT_FALSE(Kommentare);
        EXPECT_FALSE(CardanoAnwenden);
        EXPECT_EQ(Stellen, 7);
        EXPECT_EQ(SimpsonTeilintervalle, 1000000);
        EXPECT_EQ(Einzug, 30);
        EXPECT_TRUE(Optionen->isVisible());
    }
    Oberflaeche.Host.Meldungen.clear();
    Optionen->TeilIntervalleEdit->setText(Q(" 2147483646 "));
    QTest::mouseClick(Optionen->OKButton, Qt::LeftButton);
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_EQ(SimpsonTeilintervalle, 2147483646);
    EXPECT_EQ(Einzug, 50);
    EXPECT_FALSE(Optionen->isVisible());
}

TEST_F(OptionenTest, EinzugIstDieFuehrendeGanzzahlInDenGrenzen) {
    struct {
        const char* text;
        Int32 erwartet;
    } const faelle[] = {
        {"25abc", 25}, {"abc", 25}, {"-5", 0}, {"999", 200}, {" 12 ", 12},
        {"", 12},      {"+7", 7},   {"-", 7},  {"200", 200}, {"99999999999999999999999999", 200}};
    for (const auto& f : faelle) {
        Optionen->EinzugEdit->setText(Q(f.text));
        Optionen->OKButtonClick();
        EXPECT_EQ(Einzug, f.erwartet) << f.text;
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(OptionenTest, DebugZielKommtAusDenFeldernUndDerPortBleibtImBereich) {
    Optionen->RemoteHostEdit->setText(Q("rechner.schule"));
    Optionen->RemotePortEdit->setText(Q("6001"));
    Optionen->OKButtonClick();
    EXPECT_EQ(DebugHost, "rechner.schule");
    EXPECT_EQ(DebugPort, 6001);
    for (const char* port : {"0", "65536", "x", "-1", ""}) {
        Oberflaeche.Host.Meldungen.clear();
        Optionen->RemotePortEdit->setText(Q(port));
        Optionen->OKButtonClick();
        EXPECT_EQ(DebugPort, 6001) << port;
        EXPECT_EQ(Meldungen(),
                  std::vector<std::string>({"Der Remote Port muss eine ganze Zahl von 1 bis 65535 sein."}));
    }
    Optionen->RemotePortEdit->setText(Q("65535"));
    Optionen->OKButtonClick();
    EXPECT_EQ(DebugPort, 65535);
}

TEST_F(OptionenTest, AbbrechenSchliesstOhneAnzuwenden) {
    Optionen->show();
    Optionen->KommentarCB->setChecked(false);
    Optionen->StellenEdit->setValue(11);
    Optionen->EinzugEdit->setText(Q("90"));
    QTest::mouseClick(Optionen->AbbrechenButton, Qt::LeftButton);
    EXPECT_FALSE(Optionen->isVisible());
    EXPECT_EQ(Stellen, 4);
    EXPECT_EQ(Einzug, 30);
    // The spin box holds its range: the decimals can never wrap in their byte.
    Optionen->StellenEdit->setValue(300);
    EXPECT_EQ(Optionen->StellenEdit->value(), 18);
}

// ---- with the main window ----

class OptionenImHauptfensterTest : public OptionenTest {
protected:
    void SetUp() override {
        OptionenTest::SetUp();
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
        OptionenTest::TearDown();
    }

    std::vector<std::string> Seite0(const char* f) {
        Haupt->FTermEdit->setText(Q(f));
        QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);
        return Haupt->Seitenlisten[0]->Klartext();
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TSchritteForm> Schritte;
    std::unique_ptr<TAbbruchForm> Abbruch;
};

TEST_F(OptionenImHauptfensterTest, DasMenueZeigtDasFensterUndDasKaestchenZaehltOhneOK) {
    ASSERT_TRUE(Haupt->Optionen1->isEnabled());
    Haupt->Optionen1->trigger();
    EXPECT_TRUE(Optionen->isVisible());
    EXPECT_FALSE(Optionen->isModal());

    Schrittflags[SchrittVereinfachen] = true;
    Schrittflags[SchrittDefinitionsbereich] = true;
    const std::vector<std::string> mit = Seite0("1/(x^2-4)");
    EXPECT_TRUE(Kommentare);
    // Cleared, without OK: the next request writes no comment lines.
    Optionen->KommentarCB->setChecked(false);
    const std::vector<std::string> ohne = Seite0("1/(x^2-4)");
    EXPECT_FALSE(Kommentare);
    EXPECT_LT(ohne.size(), mit.size());
    // Every line without comments is also on the commented page; the commented one has more.
    for (const std::string& zeile : ohne)
        EXPECT_NE(std::find(mit.begin(), mit.end(), zeile), mit.end()) << zeile;
    Optionen->KommentarCB->setChecked(true);
    EXPECT_EQ(Seite0("1/(x^2-4)"), mit);
}

TEST_F(OptionenImHauptfensterTest, OKImSchriftdialogGibtDerAusgabeDieSchrift) {
    QTimer::singleShot(0, Haupt.get(), [this] {
        QFont f(Q("DejaVu Sans"));
        f.setPointSize(13);
        Haupt->FontDialog->setCurrentFont(f);
        Haupt->FontDialog->accept();
    });
    Haupt->Font1Click();
    EXPECT_EQ(Schriftgroesse, 13);
    EXPECT_EQ(Leinwand().Schrift().Groesse, 13);
    EXPECT_EQ(Leinwand().Schrift().Name, Haupt->FontDialog->selectedFont().family().toStdString());
    EXPECT_EQ(Haupt->EigeneLeinwandSchrift().pointSize(), 13);
    // A cancelled dialog changes nothing.
    QTimer::singleShot(0, Haupt.get(), [this] {
        QFont f(Q("DejaVu Sans"));
        f.setPointSize(20);
        Haupt->FontDialog->setCurrentFont(f);
        Haupt->FontDialog->reject();
    });
    Haupt->Font1Click();
    EXPECT_EQ(Schriftgroesse, 13);
    Schriftgroesse = 10;
    Leinwand().SetzeSchrift(TSchrift{});
}

} // namespace
} // namespace zol
