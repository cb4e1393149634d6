// The step-choice window: the stored mask through the window and back, the OK action with its sheets and
// step list, "Alles", "Abbrechen" and the enabling rules.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <map>
#include <memory>

#include "app/IniDatei.h"
#include "app/Schritte.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

namespace fs = std::filesystem;
using testhilfe::LiesDatei;
using testhilfe::SchreibeDatei;

// Records what the step window does to the main window. Sheets start as in the main window's design.
class TTestHauptfenster : public THauptfensterZugang {
public:
    struct TEintrag {
        std::string Text;
        bool Abgehakt;
    };
    std::map<TBlatt, bool> Sichtbar;
    std::vector<TEintrag> Liste;

    TTestHauptfenster() {
        for (int b = 0; b <= int(TBlatt::Vektoren); ++b) Sichtbar[TBlatt(b)] = true;
        Sichtbar[TBlatt::Test] = false;
        Sichtbar[TBlatt::Vektoren] = false;
    }
    void SetzeBlattSichtbar(TBlatt blatt, bool sichtbar) override { Sichtbar[blatt] = sichtbar; }
    void LeereSchrittliste() override { Liste.clear(); }
    Int32 FuegeSchrittHinzu(const std::string& text) override {
        Liste.push_back({text, false});
        return Int32(Liste.size()) - 1;
    }
    void SetzeSchrittAbgehakt(Int32 eintrag, bool abgehakt) override {
        Liste.at(size_t(eintrag)).Abgehakt = abgehakt;
    }

    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : Liste) t.push_back(e.Text);
        return t;
    }
};

const char* const AlleListentexte[SchrittAnzahl] = {
    "Vereinfachen", "Definitionsbereich", "Wertetabelle",   "Symmetrien",
    "Nullstellen",  "Näherungsverfahren", "Schnittstellen", "Produktzerlegung",
    "Polstellen",   "Partialbrüche",      "Ableitungen",    "Extremstellen",
    "Wendestellen", "Stammfunktion",      "Integral",       "FlächenInhalt",
    "Graph"};

class SchritteTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Schrittflags.fill(false);
        AbleitungsGrad = 0;
    }

    fs::path Datei() const { return Ordner.Pfad() / "zol08.INI"; }

    // Creates the window as at start-up, reading the INI file of this test.
    std::unique_ptr<TSchritteForm> Erzeuge() { return std::make_unique<TSchritteForm>(&Haupt); }

    // Closes the program as the main window will: writes the file, then reads it back.
    TIniDatei Schliessen() {
        EXPECT_TRUE(SchreibeIniDatei("x^2", "", "", ""));
        return TIniDatei(Datei());
    }

    // The flags, the sheets and the step list must follow the chosen steps after every OK action.
    void PruefeFolgen() {
        const auto& f = Schrittflags;
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Nullstellen], f[4] || f[5] || f[6] || f[7]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Polstellen], f[8]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Partialbruch], f[9]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Ableitungen], f[10]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Extremstellen], f[11]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Wendestellen], f[12]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Integral], f[13] || f[14] || f[15]);
        EXPECT_EQ(Haupt.Sichtbar[TBlatt::Graph], f[16]);
        EXPECT_FALSE(Haupt.Sichtbar[TBlatt::LGS]);
        EXPECT_TRUE(Haupt.Sichtbar[TBlatt::Allgemeines]);
        EXPECT_EQ(f[10], AbleitungsGrad > 0);
        EXPECT_LE(int(f[13]) + int(f[14]) + int(f[15]), 1);
        std::vector<std::string> erwartet;
        for (int i = 0; i < SchrittAnzahl; ++i) {
            if (!f[size_t(i)]) continue;
            ASSERT_GE(Schrittlisteneintraege[size_t(i)], 0);
            EXPECT_EQ(Haupt.Liste.at(size_t(Schrittlisteneintraege[size_t(i)])).Text, AlleListentexte[i]);
            erwartet.push_back(AlleListentexte[i]);
        }
        EXPECT_EQ(Haupt.Texte(), erwartet);
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    TTestHauptfenster Haupt;
};

// Mask 0 clears every box, "Vereinfachen" too, though it is set in the design; the design step width stays;
// the enabling rules hold although no handler fired; closing right away stores nothing chosen.
TEST_F(SchritteTest, ErsterStartOhneDateiWaehltNichts) {
    auto f = Erzeuge();
    for (QCheckBox* k : f->findChildren<QCheckBox*>())
        EXPECT_FALSE(k->isChecked()) << k->text().toStdString();
    for (bool flag : Schrittflags) EXPECT_FALSE(flag);
    EXPECT_TRUE(AbleitungsGrad == 0 && f->HEdit->text() == QString::fromUtf8("1/2") && f->Integraltyp() == 0);
    PruefeFolgen();
    TIniDatei ini = Schliessen();
    EXPECT_TRUE(ini.LiesInteger("Schritte", "Schritte", -1) == 0 &&
                ini.LiesInteger("Schritte", "IntegralTyp", -1) == 0);
    EXPECT_TRUE(ini.LiesString("Terme", "HTerm", "") == "1/2" &&
                ini.LiesString("Terme", "FTerm", "") == "x^2");
}

TEST_F(SchritteTest, JedeMaskeKommtUeberDasFensterZurueck) {
    auto f = Erzeuge();
    for (Int32 maske = 0; maske <= SchrittmaskeBits; ++maske) {
        f->SchritteAusMaske(maske);
        ASSERT_EQ(f->Schrittmaske(), maske);
        ASSERT_EQ(AbleitungsGrad, (maske >> 10) & 1);
        ASSERT_EQ(f->IntegraltypRG->isEnabled(), ((maske >> 13) & 1) != 0);
        ASSERT_EQ(f->RegulaFalsiRB->isEnabled(), ((maske >> 5) & 1) != 0);
    }
}

TEST_F(SchritteTest, Bit10StelltGrad1Her) {
    SchreibeDatei(Datei(), "[Schritte]\nSchritte=1024\n");
    auto f = Erzeuge();
    EXPECT_TRUE(f->AbleitungsGradSE->value() == 1 && AbleitungsGrad == 1);
    PruefeFolgen();
    // A chosen degree 3 is stored as bit 10 only and comes back as 1.
    f->AbleitungsGradSE->setValue(3);
    f->OKButton->click();
    EXPECT_EQ(AbleitungsGrad, 3);
    EXPECT_EQ(Schliessen().LiesInteger("Schritte", "Schritte", -1), 1024);
    auto neu = Erzeuge();
    EXPECT_EQ(AbleitungsGrad, 1);
    EXPECT_EQ(neu->AbleitungsGradSE->value(), 1);
    // The bit follows the applied degree, not the edit field.
    neu->AbleitungsGradSE->setValue(0);
    EXPECT_EQ(neu->Schrittmaske(), 1 << 10);
    neu->OKButton->click();
    neu->AbleitungsGradSE->setValue(3);
    EXPECT_EQ(neu->Schrittmaske(), 0);
}

// "Alles" sets every step but the four it leaves alone, which keep their stored choice; closing stores it.
TEST_F(SchritteTest, AllesDannSchliessen) {
    SchreibeDatei(Datei(), "[Schritte]\nSchritte=" + std::to_string(1 << 5) + "\n");
    auto f = Erzeuge();
    f->show();
    f->AllesButton->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(AbleitungsGrad == 3 && f->Integraltyp() == 1 && Schrittflags[SchrittIntegral]);
    EXPECT_TRUE(Schrittflags[SchrittNaeherungsverfahren] && !Schrittflags[SchrittTabelle]);
    PruefeFolgen();
    TIniDatei ini = Schliessen();
    EXPECT_EQ(ini.LiesInteger("Schritte", "Schritte", -1), 0x7F1B | (1 << 5));
    EXPECT_EQ(ini.LiesInteger("Schritte", "IntegralTyp", -1), 1);
}

TEST_F(SchritteTest, AbbrechenBehaeltDieFlagsDieDateiDieKaestchen) {
    auto f = Erzeuge();
    f->GraphCB->click();
    f->OKButton->click();
    ASSERT_TRUE(Schrittflags[SchrittGraph]);
    f->show();
    f->GraphCB->click();
    f->PolstellenCB->click();
    f->AbleitungsGradSE->setValue(2);
    f->AbbrechenButton->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(Schrittflags[SchrittGraph]);
    EXPECT_FALSE(Schrittflags[SchrittPolstellen]);
    EXPECT_EQ(AbleitungsGrad, 0);
    EXPECT_EQ(Haupt.Texte(), std::vector<std::string>{"Graph"});
    // The file stores the boxes as they are, the degree as last applied.
    EXPECT_EQ(Schliessen().LiesInteger("Schritte", "Schritte", -1), 1 << 8);
}

TEST_F(SchritteTest, GespeicherteWerteAusserhalbIhresBereichs) {
    struct TFall {
        const char* Inhalt;
        Int32 Maske;
        Int32 Typ;
        const char* HTerm;
    };
    const TFall faelle[] = {
        {"[Schritte]\nSchritte=-1\nIntegralTyp=3\n", 0x7FFF, 0, "1/2"},
        {"[Schritte]\nSchritte=98305\nIntegralTyp=-1\n", 1, 0, "1/2"}, // bits 15 and 16 do not count
        {"[Schritte]\nSchritte=viel\nIntegralTyp=zwei\n", 0, 0, "1/2"},
        {"[schritte]\nschritte=$2000\nintegraltyp=2\n[terme]\nhterm=0,25\n", 0x2000, 2, "0,25"},
        {"[Terme]\nHTerm=\n", 0, 0, ""}, // written empty, read as written
    };
    for (const TFall& fall : faelle) {
        SchreibeDatei(Datei(), fall.Inhalt);
        auto f = Erzeuge();
        EXPECT_EQ(f->Schrittmaske(), fall.Maske) << fall.Inhalt;
        EXPECT_EQ(f->Integraltyp(), fall.Typ) << fall.Inhalt;
        EXPECT_EQ(f->HEdit->text().toStdString(), fall.HTerm) << fall.Inhalt;
    }
}

TEST_F(SchritteTest, SchliessenBehaeltDenRestDerDatei) {
    const std::string alt = "; meine Einstellungen\n[Terme]\nFTerm=x;x^2\nHTerm=1/4\n[Test]\nTestRG=12\n";
    SchreibeDatei(Datei(), alt);
    auto f = Erzeuge();
    EXPECT_EQ(f->HEdit->text(), QString::fromUtf8("1/4"));
    // A line break in an edit's text is removed before it is written.
    f->HEdit->setText(QString::fromUtf8("1/\n8"));
    EXPECT_TRUE(SchreibeIniDatei("x^3", "2\r\nx", "-1", ""));
    EXPECT_EQ(LiesDatei(Datei()), "; meine Einstellungen\n[Terme]\nFTerm=x^3\nHTerm=1/8\nGTerm=2x\nATerm=-1\n"
                                  "BTerm=\n[Test]\nTestRG=12\n\n[Schritte]\nSchritte=0\nIntegralTyp=0\n");
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
}

} // namespace
} // namespace zol
