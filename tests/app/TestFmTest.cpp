// The test window and the test run from the main window: the items and their captions, the INI choice,
// the menu entry, and Alt+T running the chosen procedure onto the test sheet.
#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/Abbruch.h"
#include "app/HauptFm.h"
#include "app/IniDatei.h"
#include "app/Schritte.h"
#include "output/Seiten.h"
#include "selftest/Test.h"
#include "selftest/TestFm.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class TestFmTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        testhilfe::SchreibeDatei(Ordner.Pfad() / "zol08.INI", "[Test]\r\nTestRG=32\r\n");
        Haupt = std::make_unique<THauptForm>();
        Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
        Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
        Test = std::make_unique<TTestForm>(Haupt.get());
    }
    void TearDown() override {
        Test.reset();
        Abbruch.reset();
        Schritte.reset();
        Haupt.reset();
        TestAuswahl = 0;
        ZolTest::TearDown();
    }
    std::vector<std::string> Testseite(const char* f) {
        Haupt->FTermEdit->setText(QString::fromUtf8(f));
        QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
        const TZeilenliste* l = Haupt->Seitenlisten[SeiteTest].get();
        return l ? l->Klartext() : std::vector<std::string>{};
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TSchritteForm> Schritte;
    std::unique_ptr<TAbbruchForm> Abbruch;
    std::unique_ptr<TTestForm> Test;
};

TEST_F(TestFmTest, FensterMitSeinen36Punkten) {
    ASSERT_EQ(Test->TestGruppe->buttons().size(), 36);
    EXPECT_EQ(Test->TestGruppe->button(29)->text(), QString::fromUtf8("Teste Flächeninhalte"));
    // The INI choice, the menu entry, and OK closing the window with the choice kept.
    EXPECT_EQ(Test->Auswahl(), 32);
    EXPECT_EQ(TestAuswahl, 32);
    Test->close();
    ASSERT_TRUE(Haupt->Test1->isEnabled());
    Haupt->Test1->trigger();
    EXPECT_TRUE(Test->isVisible());
    Test->TestGruppe->button(26)->click();
    QTest::mouseClick(Test->CloseButton, Qt::LeftButton);
    EXPECT_FALSE(Test->isVisible());
    EXPECT_EQ(TestAuswahl, 26);
    Haupt->close();
    EXPECT_NE(testhilfe::LiesDatei(Ordner.Pfad() / "zol08.INI").find("TestRG=26"), std::string::npos);
}

TEST_F(TestFmTest, AltTSchreibtDenGewaehltenTestAufSeite9) {
    const auto seite = Testseite("R\\{0}");
    ASSERT_EQ(seite.size(), 2u);
    EXPECT_EQ(seite[0], "IR\\{0} = (nach Vereinfachung) IR\\{0}");
    EXPECT_EQ(seite[1].substr(0, 2), " [");
    EXPECT_TRUE(Haupt->PageControl1->isTabVisible(int(TBlatt::Test)));
    // The zeros of the shipped file (the folder beside the program) without a deviation.
    Test->TestGruppe->button(22)->click();
    const auto ns = Testseite("");
    ASSERT_GT(ns.size(), 5u);
    for (const std::string& z : ns) EXPECT_EQ(z.find("nicht OK"), std::string::npos) << z;
    EXPECT_TRUE(Meldungen().empty());
    // A two-part input where one is needed.
    Test->TestGruppe->button(26)->click();
    Testseite("x");
    EXPECT_EQ(Meldungen(), std::vector<std::string>({"Information: Join erwartet!"}));
}

} // namespace
} // namespace zol
