// The regression test suite through its window beside the main window: a stored reference compares OK,
// changed term strings give their lines, a failed store keeps the old reference, and both buttons use the
// files of the test folder whatever the current directory.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Abbruch.h"
#include "app/HauptFm.h"
#include "output/Ausgabe.h"
#include "selftest/TestSuiteFm.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using testhilfe::LiesDatei;
using testhilfe::SchreibeDatei;

class TestSuiteFmTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        setenv("ZOL08_TESTS", Ordner.Pfad().c_str(), 1);
        Haupt = std::make_unique<THauptForm>();
        Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
        Suite = std::make_unique<TTestSuiteForm>(Haupt.get());
    }
    void TearDown() override {
        Suite.reset();
        Abbruch.reset();
        Haupt.reset();
        unsetenv("ZOL08_TESTS");
        ZolTest::TearDown();
    }
    // The messages of one click, and the lines the click left on the page.
    std::vector<std::string> Klicke(QPushButton* knopf) {
        Oberflaeche.Host.Meldungen.clear();
        const size_t vorher = Seitentext().size();
        QTest::mouseClick(knopf, Qt::LeftButton);
        const std::vector<std::string> text = Seitentext();
        Zeilen.assign(text.begin() + long(std::min(vorher, text.size())), text.end());
        return Meldungen();
    }
    void Terme(const std::string& inhalt) { SchreibeDatei(Ordner.Pfad() / "Test1.txt", inhalt); }

    testhilfe::TTempOrdner Ordner;
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TAbbruchForm> Abbruch;
    std::unique_ptr<TTestSuiteForm> Suite;
    std::vector<std::string> Zeilen;
    const std::vector<std::string> OK{"Information: Testergebnisse OK"};
};

TEST_F(TestSuiteFmTest, GespeicherteLoesungVergleichtOhneUnterschied) {
    Haupt->TestSuiteButtonClick();
    EXPECT_TRUE(Suite->isVisible());
    EXPECT_FALSE(Haupt->TestSuiteButton->isVisible());
    // Radical zeros (x^2 - 2) are stored with the store's warning and read back equal.
    Terme("x^2-2\r\n(x^3-x)/(x^2+4)\n3x-1\n");
    const auto gespeichert = Klicke(Suite->UebernehmenButton);
    EXPECT_FALSE(gespeichert.empty());
    for (const std::string& m : gespeichert)
        EXPECT_EQ(m, "Warnung: Store für Radikal-Konstanten nicht geprüft!");
    // Both buttons take the files of the test folder, whatever the current directory.
    const auto arbeitsordner = std::filesystem::current_path();
    testhilfe::TTempOrdner anderer;
    std::filesystem::current_path(anderer.Pfad());
    const auto ergebnis = Klicke(Suite->TestenButton);
    std::filesystem::current_path(arbeitsordner);
    EXPECT_EQ(ergebnis, OK);
    EXPECT_TRUE(Zeilen.empty());
    // An empty file stores an empty stream, which compares OK.
    Terme("");
    EXPECT_TRUE(Klicke(Suite->UebernehmenButton).empty());
    EXPECT_EQ(LiesDatei(Ordner.Pfad() / "Result1.tst"), "");
    EXPECT_EQ(Klicke(Suite->TestenButton), OK);
}

TEST_F(TestSuiteFmTest, GeaenderteTermeGebenIhreZeilen) {
    Terme("x^2-4\nx\n");
    Klicke(Suite->UebernehmenButton);
    // One zero more: the count differs, and no point is compared.
    Terme("x^2+4\nx\n");
    EXPECT_TRUE(Klicke(Suite->TestenButton).empty());
    ASSERT_FALSE(Zeilen.empty());
    EXPECT_EQ(Zeilen[0].rfind("Termkonstruktion differeriert: ", 0), 0u) << Zeilen[0];
    EXPECT_NE(std::find(Zeilen.begin(), Zeilen.end(), "Anzahl der Nullstellen differiert: 0 statt 2"),
              Zeilen.end());
    // The same count: after the first difference of the run, only the first point of a list is compared.
    Terme("x^2-9\nx\n");
    Klicke(Suite->TestenButton);
    EXPECT_EQ(
        std::count_if(Zeilen.begin(), Zeilen.end(),
                      [](const std::string& z) { return z.rfind("Nullstelle differeriert: ", 0) == 0; }),
        1);
    // A reference with more lines than the term file.
    Terme("x^2-4\n");
    EXPECT_EQ(
        Klicke(Suite->TestenButton),
        std::vector<std::string>{"Warnung: TestSuite misslungen:Resultatdatei enthält weitere Einträge."});
}

TEST_F(TestSuiteFmTest, MisslungenesSpeichernLaesstDieLoesungStehen) {
    Terme("x^2-4\n");
    Klicke(Suite->UebernehmenButton);
    const std::string vorher = LiesDatei(Ordner.Pfad() / "Result1.tst");
    Terme("x^2-4\nx+\n");
    EXPECT_EQ(
        Klicke(Suite->UebernehmenButton),
        std::vector<std::string>{"Warnung: TestSuite mit s = x+ misslungen:Termstring s = x+ ungültig."});
    EXPECT_EQ(LiesDatei(Ordner.Pfad() / "Result1.tst"), vorher);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Ordner.Pfad()), {}), 2);
    // While another run is under way, neither button acts.
    Haupt->FuehreTestSuiteAus([&] { EXPECT_TRUE(Klicke(Suite->TestenButton).empty()); });
}

} // namespace
} // namespace zol
