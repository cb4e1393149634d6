// The main window and the step driver: a request from "Start" to the pages, the driver's order and page
// rules, term errors and other failures, user abort, the mode switch, scrolling, printing into a PDF, no
// re-entry, the test run, the grids, the font, help, the INI file and the Qt host.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "algebra/PartialBrueche.h"
#include "app/Abbruch.h"
#include "app/Grafik.h"
#include "app/HauptFm.h"
#include "app/IniDatei.h"
#include "app/QtOberflaeche.h"
#include "app/Schritte.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Weltzeichnung.h"
#include "output/Seiten.h"
#include "plattform/Leinwand.h"
#include "selftest/Test.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

namespace fs = std::filesystem;

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

class HauptFmTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Schrittflags.fill(false);
        AbleitungsGrad = 0;
        DruckModus = false;
        Haupt = std::make_unique<THauptForm>();
        Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
        Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
    }

    void TearDown() override {
        Abbruch.reset();
        Schritte.reset();
        Haupt.reset();
        Schrittflags.fill(false);
        ZolTest::TearDown();
    }

    // Chooses steps as the step window's OK action would: flags, sheets and step list.
    void Waehle(const std::vector<TSchritt>& schritte) {
        Schrittflags.fill(false);
        for (TSchritt s : schritte) Schrittflags[size_t(s)] = true;
        AbleitungsGrad = Schrittflags[SchrittAbleitungen] ? 1 : 0;
        Schritte->SchrittlisteAufbauen();
    }

    // Stand-ins for every step: each logs its call and writes it as a line onto the current page (the
    // general step parses f like the real one and writes ZeilenAllgemeines lines), and draws the page.
    void SetzeStandIns() {
        TSchrittfunktionen& f = Haupt->Schrittfunktionen;
        auto zeile = [this](const std::string& s) {
            Protokoll.push_back(s);
            SchreibeZeile(s);
            ZeichneSeite(0);
        };
        auto ohne = [zeile](const char* name) { return [zeile, name] { zeile(name); }; };
        auto mitFlag = [zeile](const char* name) {
            return [zeile, name](bool b) { zeile(std::string(name) + (b ? "(true)" : "(false)")); };
        };
        auto integral = [zeile](const char* name) {
            return [zeile, name](TTerm* a, TTerm* b) {
                zeile(std::string(name) + "(" + (a ? a->Text : "nil") + "," + (b ? b->Text : "nil") + ")");
            };
        };
        f.Allgemeines = [this](const std::string& text) {
            Protokoll.push_back("Allgemeines(" + text + ")");
            FTerm = TermAusString(text);
            SchreibeZeile("Eingegebener Funktionsterm:");
            for (int i = 1; i < ZeilenAllgemeines; ++i) SchreibeZeile("Zeile " + std::to_string(i));
            ZeichneSeite(0);
        };
        f.Nullstellen = [mitFlag](bool b) {
            mitFlag("Nullstellen")(b);
            Nullstellenliste = NeueLeereListe();
        };
        f.EineNullstelle = ohne("EineNullstelle");
        f.Schnittstellen = mitFlag("Schnittstellen");
        f.Polynomzerlegung = ohne("Polynomzerlegung");
        f.Polstellen = ohne("Polstellen");
        f.Partialbrueche = ohne("Partialbrueche");
        f.Ableitungen = mitFlag("Ableitungen");
        f.Extremstellen = ohne("Extremstellen");
        f.Wendestellen = ohne("Wendestellen");
        f.Integral = integral("Integral");
        f.Flaecheninhalt = integral("Flaecheninhalt");
        f.Graph = ohne("Graph");
        f.LGS = [this, zeile](const TGittertexte& A, const TGittertexte& b) {
            zeile("LGS " + std::to_string(A.size()) + "x" + std::to_string(A.empty() ? 0 : A[0].size()) +
                  " b" + std::to_string(b.size()));
            LetzteMatrix = A;
        };
        f.Test = [this](const std::string& text) {
            Protokoll.push_back("Test(" + text + ")");
            SchreibeZeile("Testausgabe");
            ZeichneSeite(0);
        };
    }

    std::vector<std::string> Seite(Int32 k) const {
        const TZeilenliste* l = Haupt->Seitenlisten[size_t(k)].get();
        return l != nullptr ? l->Klartext() : std::vector<std::string>{};
    }

    void Start(const char* f) {
        Haupt->FTermEdit->clear();
        QTest::keyClicks(Haupt->FTermEdit, Q(f));
        QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);
    }

    // Page k has no lines and a white image.
    bool Leer(Int32 k) const {
        QImage weiss = Haupt->Seitenbilder[size_t(k)]->Bild.copy();
        weiss.fill(Qt::white);
        return Haupt->Seitenlisten[size_t(k)] == nullptr && Haupt->Seitenbilder[size_t(k)]->Bild == weiss;
    }

    bool Abgehakt(TSchritt s) const {
        Int32 i = Schrittlisteneintraege[size_t(s)];
        return i >= 0 && Haupt->SchritteLV->item(i)->checkState() == Qt::Checked;
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TSchritteForm> Schritte;
    std::unique_ptr<TAbbruchForm> Abbruch;
    std::vector<std::string> Protokoll;
    int ZeilenAllgemeines = 1;
    TGittertexte LetzteMatrix;
};

// ---- one request ----

TEST_F(HauptFmTest, EineAnfrageFuelltSeite0UndDieStatuszeile) {
    SetzeStandIns();
    ZeilenAllgemeines = 3;
    Start("x^2-4");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x^2-4)"}));
    EXPECT_EQ(Seite(0), std::vector<std::string>({"Eingegebener Funktionsterm:", "Zeile 1", "Zeile 2"}));
    EXPECT_TRUE(Haupt->DruckenButton->isEnabled() && !Abbruch->isVisible());
    EXPECT_TRUE(
        std::regex_match(Haupt->StatusPanel0->text().toStdString(), std::regex("AllocMemSize:[0-9]+")));
    EXPECT_FALSE(Leer(0));
    for (int k = 1; k < Seitenanzahl; ++k) EXPECT_EQ(Haupt->Seitenlisten[size_t(k)], nullptr) << k;
}

// A term error shows the warning and keeps the pages written so far; each later chosen sheet says in one
// line why it is empty; any other error of the general step ends the request with its message as a page
// line, and printing stays off; in a later step it ends that step so, and the next step runs.
TEST_F(HauptFmTest, TermfehlerUndAndereFehler) {
    SetzeStandIns();
    Waehle({SchrittAbleitungen, SchrittExtremstellen, SchrittWendestellen});
    Haupt->Schrittfunktionen.Extremstellen = [this] {
        Protokoll.push_back("Extremstellen");
        SchreibeZeile("vor dem Fehler");
        TermAusString("");
    };
    Start("x^3");
    EXPECT_EQ(Meldungen(), std::vector<std::string>(
                               {"Warnung: Arbeitsschritte sind nicht ausführbar:\n\rTerm-Angabe fehlt."}));
    EXPECT_EQ(Protokoll,
              std::vector<std::string>({"Allgemeines(x^3)", "Ableitungen(true)", "Extremstellen"}));
    EXPECT_EQ(Seite(4), std::vector<std::string>({"Ableitungen(true)"}));
    EXPECT_EQ(Seite(5), std::vector<std::string>({"vor dem Fehler"}));
    EXPECT_EQ(Seite(6),
              std::vector<std::string>({"Wendestellen: nicht ausgeführt, weil die Anfrage im Schritt "
                                        "„Extremstellen“ endete: Term-Angabe fehlt."}));
    EXPECT_EQ(Haupt->Seitenlisten[7], nullptr);
    EXPECT_TRUE(Abgehakt(SchrittAbleitungen) && !Abgehakt(SchrittExtremstellen) && !Abbruch->isVisible());
    Start("(x");
    ASSERT_EQ(Meldungen().size(), 2u);
    EXPECT_EQ(Meldungen()[1].rfind(
                  "Warnung: Arbeitsschritte sind nicht ausführbar:\n\rTerm: (x syntaktisch nicht OK", 0),
              0u);
    Haupt->Schrittfunktionen.Allgemeines = [](const std::string&) {
        throw ERessourcen("Zu viele Faktoren in x");
    };
    Start("x^2-4");
    EXPECT_EQ(Seite(0), std::vector<std::string>({"Zu viele Faktoren in x"}));
    EXPECT_EQ(Meldungen().size(), 2u);
    EXPECT_FALSE(Haupt->DruckenButton->isEnabled() || Haupt->Beschaeftigt());
    SetzeStandIns();
    Haupt->Schrittfunktionen.Extremstellen = [] { throw ERessourcen("Überlauf in der Bruchrechnung."); };
    Protokoll.clear();
    Start("x^3");
    EXPECT_EQ(Seite(5), std::vector<std::string>({"Überlauf in der Bruchrechnung."}));
    EXPECT_EQ(Protokoll.back(), "Wendestellen");
}

// Bounds a > b: the message box, and no step runs; the pages of the request before are emptied.
TEST_F(HauptFmTest, UmgekehrtesIntervallStartetKeinenSchritt) {
    SetzeStandIns();
    Waehle({SchrittNullstellen, SchrittGraph});
    Start("x^3-3x");
    ASSERT_FALSE(Seite(1).empty());
    Haupt->AEdit->setText(Q("3"));
    Haupt->BEdit->setText(Q("1"));
    Protokoll.clear();
    Start("x^3-3x");
    EXPECT_TRUE(Protokoll.empty());
    EXPECT_EQ(Meldungen(), std::vector<std::string>{
                               "Information: Arbeitsschritte nicht ausgeführt, da a > b (a = 3, b = 1)."});
    EXPECT_TRUE(Seite(0).empty());
    for (Int32 k = 1; k < Seitenanzahl; ++k) EXPECT_TRUE(Seite(k).empty()) << k;
    EXPECT_FALSE(Abgehakt(SchrittNullstellen) || Abbruch->isVisible());
    Haupt->BEdit->setText(Q("4"));
    Start("x^3-3x");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x^3-3x)", "Nullstellen(true)", "Graph"}));
}

// ---- the driver's order and page rules ----

// The driver runs the chosen steps in its fixed order, each onto the page of its sheet, page 1 prepared once;
// the area takes the zeros without g and the intersections with g, computed silently unless their own step
// ran in this request.
TEST_F(HauptFmTest, TreiberReihenfolgeUndSeiten) {
    const std::tuple<std::vector<TSchritt>, const char*, std::vector<std::string>> faelle[] = {
        {{SchrittGraph, SchrittStammfunktion, SchrittWendestellen, SchrittExtremstellen, SchrittAbleitungen,
          SchrittPartialbruch, SchrittPolstellen, SchrittProduktzerlegung, SchrittSchnittstellen,
          SchrittNaeherungsverfahren, SchrittNullstellen},
         "x",
         {"Nullstellen(true)", "EineNullstelle", "Schnittstellen(true)", "Polynomzerlegung", "Polstellen",
          "Partialbrueche", "Ableitungen(true)", "Extremstellen", "Wendestellen", "Integral(nil,nil)",
          "Graph"}},
        {{SchrittFlaeche}, "", {"Nullstellen(false)", "Flaecheninhalt(1,2)"}},
        {{SchrittFlaeche}, "x", {"Schnittstellen(false)", "Flaecheninhalt(1,2)"}},
        {{SchrittSchnittstellen, SchrittFlaeche}, "x", {"Schnittstellen(true)", "Flaecheninhalt(1,2)"}},
    };
    SetzeStandIns();
    auto allgemein = Haupt->Schrittfunktionen.Allgemeines;
    Haupt->Schrittfunktionen.Allgemeines = [allgemein](const std::string& f) {
        allgemein(f);
        ABIntervall = Iv(TermAusString("1"), false, TermAusString("2"), false);
    };
    for (const auto& [schritte, g, aufrufe] : faelle) {
        Waehle(schritte);
        Haupt->GTermEdit->setText(Q(g));
        Protokoll.clear();
        Start("x^2");
        std::vector<std::string> erwartet = {"Allgemeines(x^2)"};
        erwartet.insert(erwartet.end(), aufrufe.begin(), aufrufe.end());
        EXPECT_EQ(Protokoll, erwartet);
        for (TSchritt s : schritte) EXPECT_TRUE(Abgehakt(s)) << int(s);
        if (aufrufe.back() != "Graph") {
            EXPECT_EQ(Seite(7).back(), "Flaecheninhalt(1,2)");
            continue;
        }
        EXPECT_EQ(Seite(1), std::vector<std::string>(aufrufe.begin(), aufrufe.begin() + 4));
        for (Int32 k = 2; k <= 8; ++k)
            EXPECT_EQ(Seite(k), std::vector<std::string>{aufrufe[size_t(k) + 2]}) << k;
    }
}

// Every request starts from empty globals and an empty store; without g the area takes the zeros as its
// intersections; the next request unticks the steps first.
TEST_F(HauptFmTest, AnfrageBeginntLeer) {
    SetzeStandIns();
    Waehle({SchrittNullstellen, SchrittFlaeche});
    PartialbruchVorhanden = true;
    Haupt->Schrittfunktionen.Allgemeines = [this](const std::string&) {
        Protokoll.push_back(FTerm == nullptr && Integralergebnis == nullptr && Termspeicher == nullptr &&
                                    !PartialbruchVorhanden
                                ? "leer"
                                : "alt");
        FTerm = Integralergebnis = TermAusString("x^2");
    };
    TSListe* bei = nullptr;
    Haupt->Schrittfunktionen.Flaecheninhalt = [&bei](TTerm*, TTerm*) { bei = Schnittstellenliste; };
    Start("x^2");
    EXPECT_TRUE(Abgehakt(SchrittNullstellen));
    EXPECT_TRUE(bei != nullptr && bei == Nullstellenliste);
    Haupt->Schrittfunktionen.Nullstellen = [](bool) { throw ETermFehler("aus"); };
    Start("x^2");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"leer", "Nullstellen(true)", "leer"}));
    EXPECT_FALSE(Abgehakt(SchrittNullstellen));
}

// A term error of several lines in a later step leaves each later sheet its line with the message's lines
// on lines of their own: the parser's sentences do not run together.
TEST_F(HauptFmTest, MehrzeiligerTermfehlerBehaeltSeineZeilen) {
    SetzeStandIns();
    Waehle({SchrittExtremstellen, SchrittWendestellen});
    Haupt->Schrittfunktionen.Extremstellen = [] { TermAusString("(x"); };
    Start("x^3");
    ASSERT_EQ(Meldungen().size(), 1u);
    const std::string meldung = Meldungen()[0];
    const size_t umbruch = meldung.rfind("\n\r");
    ASSERT_NE(umbruch, std::string::npos);
    EXPECT_EQ(Seite(6),
              std::vector<std::string>({"Wendestellen: nicht ausgeführt, weil die Anfrage im Schritt "
                                        "„Extremstellen“ endete: Term: (x syntaktisch nicht OK",
                                        meldung.substr(umbruch + 2)}));
}

// ---- user abort ----

TEST_F(HauptFmTest, BenutzerabbruchHaeltDenTreiberNachDemSchritt) {
    SetzeStandIns();
    Waehle({SchrittNullstellen, SchrittPolstellen, SchrittGraph});
    Haupt->Schrittfunktionen.Nullstellen = [this](bool) {
        Protokoll.push_back("Nullstellen");
        SchreibeZeile("halb fertig");
        // The user presses "Abbrechen" while the step lets the event loop run.
        ASSERT_TRUE(Abbruch->isVisible());
        EXPECT_TRUE(Abbruch->windowTitle() == Q("Information") &&
                    Abbruch->AbbruchButton->text() == Q("Abbrechen"));
        EXPECT_EQ(Abbruch->windowModality(), Qt::ApplicationModal);
        QTest::mouseClick(Abbruch->AbbruchButton, Qt::LeftButton);
    };
    Start("x^2");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x^2)", "Nullstellen"}));
    // The button closed the open line; the driver wrote its line and stopped.
    ASSERT_FALSE(Seite(1).empty());
    EXPECT_TRUE(Seite(1).front() == "halb fertig" && Seite(1).back() == "Abbruch durch Benutzer");
    for (Int32 k : {2, int(SeiteGraph)})
        EXPECT_EQ(Seite(k), std::vector<std::string>({Haupt->PageControl1->tabText(k).toStdString() +
                                                      ": nicht ausgeführt, weil die Anfrage im Schritt "
                                                      "„Nullstellen“ endete: Abbruch durch Benutzer"}));
    EXPECT_EQ(Meldungen(), std::vector<std::string>({"Warnung: Benutzer-Abbruch"}));
    EXPECT_FALSE(Abbruch->isVisible());
    // The next request starts without the flag.
    Protokoll.clear();
    Haupt->Schrittfunktionen.Nullstellen = [this](bool) { Protokoll.push_back("Nullstellen"); };
    Start("x^2");
    EXPECT_EQ(Protokoll,
              std::vector<std::string>({"Allgemeines(x^2)", "Nullstellen", "Polstellen", "Graph"}));
}

// The numerical zero closes with "Abbruch durch Benutzer" when it notices the abort; the driver then stops
// without writing the line a second time.
TEST_F(HauptFmTest, AbbruchDesNaeherungsverfahrensStehtEinmalAufDerSeite) {
    Waehle({SchrittNaeherungsverfahren, SchrittPolstellen});
    Oberflaeche.Host.Eingaben = {{TEingabefeld::Epsilon, "0,0001"}, {TEingabefeld::Startwert, "0"}};
    Oberflaeche.Host.Methode = 3;
    Oberflaeche.Host.AbbruchNach = 3;
    Start("x^3-2*x+2");
    const std::vector<std::string> seite = Seite(1);
    EXPECT_EQ(std::count(seite.begin(), seite.end(), "Abbruch durch Benutzer"), 1);
    EXPECT_EQ(Seite(2).size(), 1u);
}

// ---- mode switch ----

// Switching the subject keeps each subject's result: the analysis pages stay while a linear system is
// solved on the sheet "Lösung", which comes to the front, and come back as they were; "Drucken" prints
// what the subject shows, with the inputs of its own last request.
TEST_F(HauptFmTest, UmschaltenAufLineareGleichungenUndZurueck) {
    SetzeStandIns();
    Schritte->NullstellenCB->setChecked(true);
    Schritte->AbleitungsGradSE->setValue(2);
    Schritte->GraphCB->setChecked(true);
    Schritte->OKButtonClick();
    Start("x^2");
    ASSERT_FALSE(Leer(0) || Leer(1));
    std::vector<std::vector<std::string>> analyse;
    for (Int32 k = 0; k < Seitenanzahl; ++k) analyse.push_back(Seite(k));
    const QImage bild0 = Haupt->Seitenbilder[0]->Bild.copy();
    QTabWidget* pc = Haupt->PageControl1;
    auto drucke = [this] {
        Protokoll.clear();
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString::fromStdString((Ordner.Pfad() / "fach.pdf").string()));
        return Haupt->Drucke(drucker);
    };
    Haupt->Vektorrechnung1->trigger();
    EXPECT_EQ(pc->tabText(0), Q("Lösung"));
    EXPECT_TRUE(Leer(0) && !Haupt->DruckenButton->isEnabled() && pc->isTabVisible(int(TBlatt::LGS)));
    Haupt->ZeilenUpDown->SetzePosition(3);
    Haupt->ZeilenUpDownClick();
    Haupt->MatrixGrid->setItem(0, 0, new QTableWidgetItem(Q("1/2")));
    pc->setCurrentIndex(int(TBlatt::LGS));
    Protokoll.clear();
    Start("x^3");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"LGS 3x2 b3"}));
    EXPECT_EQ(Seite(0), std::vector<std::string>({"LGS 3x2 b3"}));
    EXPECT_EQ(pc->currentIndex(), int(TBlatt::Allgemeines));
    ASSERT_EQ(LetzteMatrix.size(), 3u);
    EXPECT_EQ(LetzteMatrix[0], std::vector<std::string>({"1/2", ""}));
    ASSERT_TRUE(drucke());
    EXPECT_EQ(Protokoll, std::vector<std::string>({"LGS 3x2 b3"}));
    Haupt->Funktionen1->trigger();
    EXPECT_TRUE(pc->isTabVisible(int(TBlatt::Graph)) && Haupt->DruckenButton->isEnabled());
    EXPECT_FALSE(pc->isTabVisible(int(TBlatt::Polstellen)) || pc->isTabVisible(int(TBlatt::LGS)));
    for (Int32 k = 0; k < Seitenanzahl; ++k) EXPECT_EQ(Seite(k), analyse[size_t(k)]) << k;
    EXPECT_EQ(Haupt->Seitenbilder[0]->Bild, bild0);
    ASSERT_TRUE(drucke());
    EXPECT_EQ(Protokoll.front(), "Allgemeines(x^2)");
    Haupt->Vektorrechnung1->trigger();
    EXPECT_EQ(Seite(0), std::vector<std::string>({"LGS 3x2 b3"}));
}

// The step list belongs to the analysis: the linear-systems subject hides it, and its requests leave the
// ticks alone, which switching back keeps; the step window closes with the switch, so that its OK cannot
// show the analysis sheets there.
TEST_F(HauptFmTest, SchrittlisteGehoertZurAnalyseUndBehaeltIhreHaken) {
    SetzeStandIns();
    Schritte->NullstellenCB->setChecked(true);
    Schritte->AbleitungsGradSE->setValue(1);
    Schritte->GraphCB->setChecked(true);
    Schritte->OKButtonClick();
    Haupt->show();
    Start("x^2");
    const std::vector<TSchritt> gelaufen = {SchrittNullstellen, SchrittAbleitungen, SchrittGraph};
    for (TSchritt s : gelaufen) ASSERT_TRUE(Abgehakt(s)) << s;
    const QRect ort = Haupt->FTermEdit->geometry();
    Schritte->show();
    Haupt->Vektorrechnung1->trigger();
    EXPECT_FALSE(Haupt->SchritteLV->isVisible() || Schritte->isVisible());
    // The input fields stay where they were.
    QApplication::processEvents();
    EXPECT_EQ(Haupt->FTermEdit->geometry(), ort);
    Start("");
    EXPECT_EQ(Protokoll.back(), "LGS 2x2 b2");
    Haupt->Funktionen1->trigger();
    EXPECT_TRUE(Haupt->SchritteLV->isVisible());
    EXPECT_EQ(Haupt->SchritteLV->count(), 3);
    for (TSchritt s : gelaufen) EXPECT_TRUE(Abgehakt(s)) << s;
    // A request of the analysis starts them afresh.
    Haupt->Schrittfunktionen.Ableitungen = [](bool) { throw ETermFehler("Abbruch"); };
    Start("x^2");
    EXPECT_TRUE(Abgehakt(SchrittNullstellen));
    EXPECT_FALSE(Abgehakt(SchrittAbleitungen) || Abgehakt(SchrittGraph));
}

// The sheet of a step that is no longer chosen is hidden and cannot be reached by keyboard; the next
// request leaves it without the text of the earlier one.
TEST_F(HauptFmTest, BlaetterNichtGewaehlterSchritteSindUnerreichbarUndLeer) {
    SetzeStandIns();
    Schritte->AbleitungsGradSE->setValue(1);
    Schritte->GraphCB->setChecked(true);
    Schritte->OKButtonClick();
    Start("x^3");
    ASSERT_EQ(Seite(4), std::vector<std::string>({"Ableitungen(true)"}));
    Schritte->AbleitungsGradSE->setValue(0);
    Schritte->OKButtonClick();
    QTabWidget* pc = Haupt->PageControl1;
    EXPECT_FALSE(pc->isTabVisible(int(TBlatt::Ableitungen)) || pc->isTabEnabled(int(TBlatt::Ableitungen)));
    pc->setCurrentIndex(0);
    QTest::keyClick(pc, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pc->currentIndex(), int(TBlatt::Graph));
    Start("x^3");
    EXPECT_TRUE(Leer(4));
    EXPECT_FALSE(Leer(SeiteGraph));
}

// The step list shows every step a request can have (all but two of the three integral kinds) whole, without
// scrolling.
TEST_F(HauptFmTest, SchrittlisteZeigtAlleSchritte) {
    for (Int32 i = 0; i < SchrittAnzahl; ++i)
        if (i != SchrittStammfunktion && i != SchrittIntegral)
            Haupt->FuegeSchrittHinzu(Schrittlistentext(TSchritt(i)));
    Haupt->show();
    QApplication::processEvents();
    QListWidget* liste = Haupt->SchritteLV;
    for (int i = 0; i < liste->count(); ++i) {
        const QRect r = liste->visualItemRect(liste->item(i));
        EXPECT_TRUE(liste->viewport()->rect().contains(r) &&
                    r.width() >= QFontMetrics(liste->font()).horizontalAdvance(liste->item(i)->text()))
            << liste->item(i)->text().toStdString();
    }
}

// ---- scrolling ----

// The window opens as large as its page images where the screen has room, and fits a laptop's 1366 x 768,
// where the sheets scroll.
TEST_F(HauptFmTest, FensterPasstAufDenBildschirm) {
    const QSize voll = Haupt->Startgroesse({1920, 1200});
    EXPECT_TRUE(voll == Haupt->sizeHint() && voll.height() > GraphbildHoehe) << voll.height();
    EXPECT_LE(Haupt->Startgroesse({1366, 768}).height(), 768 - 48);
}

// On a laptop's screen of 1366 x 768 each sheet has one vertical scroll bar: a page of lines its line bar,
// the page as high as the sheet shows it; the graph the bar of its image, with the pan and zoom buttons in
// view below it. After "Zoom +" the drawing lies in view as a whole, the x-axis's arrow with it.
TEST_F(HauptFmTest, AufDemLaptopEineBildlaufleisteJeBlatt) {
    SetzeStandIns();
    Haupt->Schrittfunktionen.Graph = DoGraph;
    ZeilenAllgemeines = 60;
    Waehle({SchrittAbleitungen, SchrittGraph});
    for (TBlatt b : {TBlatt::Ableitungen, TBlatt::Graph}) Haupt->SetzeBlattSichtbar(b, true);
    Haupt->resize(Haupt->Startgroesse({1366, 768}));
    Haupt->show();
    QApplication::processEvents();
    Start("x^3-3x");
    QApplication::processEvents();
    auto senkrechteLeisten = [&] {
        int n = 0;
        for (QScrollBar* l : Haupt->findChildren<QScrollBar*>())
            n += l->isVisible() && l->orientation() == Qt::Vertical;
        return n;
    };
    auto imFenster = [&](QWidget* w, QRect r) {
        return QRect(QPoint(0, 0), Haupt->size())
            .contains(QRect(w->mapTo(Haupt.get(), r.topLeft()), r.size()));
    };
    for (TBlatt b : {TBlatt::Allgemeines, TBlatt::Ableitungen, TBlatt::Graph}) {
        Haupt->PageControl1->setCurrentIndex(int(b));
        QApplication::processEvents();
        EXPECT_EQ(senkrechteLeisten(), 1) << int(b);
    }
    // The page of lines ends where its sheet does; the bar moves on by the lines shown.
    TSeitenbild* seite = Haupt->Seitenbilder[0];
    EXPECT_TRUE(Haupt->Seitenbildhoehe() < SeitenbildHoehe && seite->height() == Haupt->Seitenbildhoehe());
    EXPECT_TRUE(imFenster(seite, seite->rect()));
    Haupt->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(Haupt->ScrollBar1->pageStep(), SichtbareZeilen(*Haupt->Seitenlisten[0], 0, seite->height()));
    EXPECT_EQ(Seite(0).size(), 60u);

    Haupt->PageControl1->setCurrentIndex(int(TBlatt::Graph));
    QApplication::processEvents();
    for (QToolButton* k : {Haupt->LinksBtn, Haupt->RechtsBtn, Haupt->ObenBtn, Haupt->UntenBtn,
                           Haupt->ZoomInBtn, Haupt->ZoomOutBtn})
        EXPECT_TRUE(k->isVisible() && imFenster(k, k->rect())) << k->text().toStdString();
    QTest::mouseClick(Haupt->ZoomInBtn, Qt::LeftButton);
    QApplication::processEvents();
    const TKartenDaten& K = KartenDaten;
    QWidget* sicht = Haupt->GraphRahmen->viewport();
    TSeitenbild* graph = Haupt->Seitenbilder[SeiteGraph];
    for (QPoint p : {QPoint(XPixel(K.XBis), YPixel(0)), QPoint(XPixel(K.XVon), YPixel(K.YVon)),
                     QPoint(XPixel(0), YPixel(K.YBis))})
        EXPECT_TRUE(sicht->rect().contains(graph->mapTo(sicht, p))) << p.x() << "," << p.y();
    EXPECT_EQ(graph->Bild.pixel(XPixel(K.XBis), YPixel(0)) & 0xFFFFFF, 0u);
}

// The page stops at line 0 and where its last line stands at the bottom, 60 - 32 = 28 (a sheet scrolled
// further would show fewer lines, at the end none); an arrow moves one line, a click on the track as many as
// the page shows: (665 - 5) / 20 of these lines, less the one that would reach the bottom; the wheel over
// the page scrolls as over the bar.
TEST_F(HauptFmTest, BlaetternZeilenweiseSeitenweiseUndMitDemRad) {
    SetzeStandIns();
    ZeilenAllgemeines = 60;
    Start("x");
    Haupt->PageControl1->setCurrentIndex(0);
    const QImage oben = Haupt->Seitenbilder[0]->Bild.copy();
    QScrollBar* bar = Haupt->ScrollBar1;
    EXPECT_TRUE(bar->maximum() == 28 && bar->pageStep() == 32);
    for (auto [code, position, anfang] : {std::tuple{2, 0, 0},
                                          {1, 0, 1},
                                          {3, 0, 28},
                                          {2, 0, 0},
                                          {1, 0, 1},
                                          {8, 500, 28},
                                          {3, 0, 28},
                                          {1, 0, 28},
                                          {0, 0, 27}}) {
        Haupt->ScrollBar1Scroll(code, position);
        EXPECT_EQ(Haupt->Seitenanfang[0], anfang) << code << "," << position;
    }
    Haupt->ScrollBar1Scroll(8, 0);
    EXPECT_EQ(Haupt->Seitenbilder[0]->Bild, oben);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_TRUE(Haupt->Seitenanfang[0] == 1 && bar->value() == 1);
    EXPECT_NE(Haupt->Seitenbilder[0]->Bild, oben);
    // A thumb dragged and let go shows the page from where it was let go.
    bar->setSliderDown(true);
    bar->setSliderPosition(20);
    bar->setSliderDown(false);
    EXPECT_TRUE(Haupt->Seitenanfang[0] == 20 && bar->value() == 20);
    for (QWidget* w : {static_cast<QWidget*>(Haupt->Seitenbilder[0]), static_cast<QWidget*>(bar)}) {
        Haupt->ScrollBar1Scroll(8, 0);
        QWheelEvent rad(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &rad);
        EXPECT_EQ(Haupt->Seitenanfang[0], QApplication::wheelScrollLines());
    }
    // Sheets without lines, and a page never prepared, have nothing to scroll.
    Haupt->PageControl1->setTabVisible(int(TBlatt::LGS), true);
    for (int blatt : {int(TBlatt::LGS), int(TBlatt::Polstellen)}) {
        Haupt->PageControl1->setCurrentIndex(blatt);
        Haupt->ScrollBar1Scroll(1, 0);
    }
    EXPECT_EQ(Haupt->Seitenanfang[2], 0);
}

// ---- printing ----

// The output of a poppler tool run on a PDF file.
QByteArray Poppler(const char* programm, const QStringList& argumente) {
    QProcess p;
    p.start(Q(programm), argumente);
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

// A request with every step (Newton's method too) printed into an A4 PDF with margins of 15 mm: every page
// line once, so each heading once although four steps share one page; the graph, wider than the page at its
// screen scale, printed smaller with the scale stated, and all ink within the margins, the left and right
// margins of a text page equal. The print run uses the inputs of the last screen request and leaves the
// screen pages as they were; on the test sheet the test is printed.
TEST_F(HauptFmTest, DruckJederAbschnittEinmalUndAllesInnerhalbDerRaender) {
    Schritte->AllesButtonClick();
    for (QCheckBox* k : {Schritte->NaeherungsverfahrenCB, Schritte->ProduktZerlegungCB}) k->setChecked(true);
    Schritte->OKButtonClick();
    Oberflaeche.Host.Methode = 3;
    Haupt->AEdit->setText(Q("-3"));
    Haupt->BEdit->setText(Q("3"));
    Start("x^3-3x");
    const TZeilenliste* liste0 = Haupt->Seitenlisten[0].get();
    const QImage bild0 = Haupt->Seitenbilder[0]->Bild.copy();
    Haupt->FTermEdit->setText(Q("x^5"));
    const QString pdf = QString::fromStdString((Ordner.Pfad() / "druck.pdf").string());
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pdf);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    ASSERT_TRUE(Haupt->Drucke(drucker));
    EXPECT_TRUE(Haupt->Seitenlisten[0].get() == liste0 && Haupt->Seitenbilder[0]->Bild == bild0);
    const QString text = QString::fromUtf8(Poppler("pdftotext", {pdf, "-"}));
    for (const char* kopf : {"Allgemeines:", "Bestimmung der Nullstellen:", "mit dem Newton-Verfahren:",
                             "Ergebnis: P(x) = x", "Bestimmung von Extremstellen",
                             "Bestimmung von Wendestellen:", "Graph :", "Verkleinert, damit der Graph"})
        EXPECT_EQ(text.count(Q(kopf)), 1) << kopf;
    EXPECT_FALSE(text.contains(Q("x 5")));
    const int seiten = text.count(QChar('\f'));
    // The ink of the first and the last (graph) page at 40 dots per inch: 15 mm are 23.6 dots.
    for (int seite : {1, seiten}) {
        const QString bild = QString::fromStdString((Ordner.Pfad() / "seite").string());
        Poppler("pdftoppm", {"-r", "40", "-gray", "-singlefile", "-f", QString::number(seite), "-l",
                             QString::number(seite), pdf, bild});
        const QImage b(bild + ".pgm");
        ASSERT_FALSE(b.isNull());
        int links = b.width(), rechts = -1, oben = b.height(), unten = -1;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (qGray(b.pixel(x, y)) < 128)
                    links = std::min(links, x), rechts = std::max(rechts, x), oben = std::min(oben, y),
                    unten = std::max(unten, y);
        const double rand = 15 / 25.4 * 40;
        EXPECT_TRUE(links >= rand - 1 && rechts <= b.width() - rand && oben >= rand - 1 &&
                    unten <= b.height() - rand)
            << seite << ": " << links << " " << rechts << " " << oben << " " << unten;
        if (seite == 1) {
            EXPECT_NEAR(links, b.width() - 1 - rechts, 1.5);
        }
    }
    // On the test sheet the test is printed.
    SetzeStandIns();
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
    ASSERT_TRUE(Haupt->Drucke(drucker));
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Test(x^5)", "Test(x^5)"}));
}

// ---- no re-entry ----

TEST_F(HauptFmTest, WaehrendEinerAnfrageStartetNichtsAnderes) {
    SetzeStandIns();
    ZeilenAllgemeines = 40;
    Waehle({SchrittNullstellen});
    int laeufe = 0;
    bool gedruckt = true;
    Haupt->Schrittfunktionen.Nullstellen = [&](bool) {
        ++laeufe;
        EXPECT_TRUE(Haupt->Beschaeftigt());
        QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);
        Haupt->TestButtonClick();
        QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString::fromStdString((Ordner.Pfad() / "nie.pdf").string()));
        gedruckt = Haupt->Drucke(drucker);
        Haupt->PageControl1->setCurrentIndex(0);
        Haupt->ScrollBar1Scroll(8, 5);
    };
    Start("x");
    EXPECT_TRUE(laeufe == 1 && !gedruckt && !fs::exists(Ordner.Pfad() / "nie.pdf"));
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x)"}));
    EXPECT_EQ(Haupt->Seitenanfang[0], 0);
    EXPECT_FALSE(Haupt->PageControl1->isTabVisible(int(TBlatt::Test)) || Haupt->Beschaeftigt());
}

// ---- the test run ----

TEST_F(HauptFmTest, AltTImFFeldStartetDenTest) {
    // With an empty f field the chosen procedure fails with its message; the progress window closes.
    TWechsel<Int32> auswahl(TestAuswahl, 0);
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(Meldungen(), std::vector<std::string>({"Warnung: Test misslungen! Term-Angabe fehlt."}));
    EXPECT_FALSE(Abbruch->isVisible());
    SetzeStandIns();
    QTest::keyClicks(Haupt->FTermEdit, Q("12"));
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Test(12)"}));
    EXPECT_EQ(Haupt->PageControl1->currentIndex(), int(TBlatt::Test));
    // The key did not reach the field; a plain T is typed.
    EXPECT_EQ(Haupt->FTermEdit->text(), Q("12"));
    EXPECT_EQ(Seite(SeiteTest), std::vector<std::string>({"Testausgabe"}));
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T);
    EXPECT_EQ(Haupt->FTermEdit->text(), Q("12t"));
}

// After "Start" the window has the keyboard again and the field that had it last keeps it, whether the
// request ended well, with a term error's message or with another error; the progress window was shown in
// between, and the mouse's click on "Start" took the focus.
TEST_F(HauptFmTest, NachStartHatDasLetzteFeldDieTastatur) {
    SetzeStandIns();
    Haupt->show();
    Haupt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Haupt.get()));
    const struct {
        QLineEdit* THauptForm::*Feld;
        const char* F;
    } faelle[] = {
        {&THauptForm::GTermEdit, "x^2"},
        {&THauptForm::AEdit, "x+"},
        {&THauptForm::FTermEdit, ""},
        {&THauptForm::BEdit, "x^2"},
    };
    for (const auto& fall : faelle) {
        QLineEdit* feld = Haupt.get()->*fall.Feld;
        for (QLineEdit* e : {Haupt->FTermEdit, Haupt->GTermEdit, Haupt->AEdit, Haupt->BEdit}) e->clear();
        Haupt->FTermEdit->setText(Q(fall.F));
        QTest::mouseClick(feld, Qt::LeftButton);
        QTest::keyClicks(feld, Q("1"));
        bool abbruchfensterGezeigt = false;
        Haupt->Schrittfunktionen.Allgemeines = [&](const std::string& text) {
            abbruchfensterGezeigt = Abbruch->isVisible();
            FTerm = TermAusString(text);
            if (text.empty()) throw std::runtime_error("kein Term");
        };
        QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(abbruchfensterGezeigt && !Abbruch->isVisible()) << fall.F;
        EXPECT_EQ(QApplication::activeWindow(), Haupt.get()) << fall.F;
        EXPECT_EQ(QApplication::focusWidget(), feld) << fall.F;
        QTest::keyClicks(QApplication::focusWidget(), Q("2"));
        EXPECT_TRUE(feld->text().endsWith(Q("12"))) << fall.F;
    }
}

// ---- the Qt host ----

TEST_F(HauptFmTest, DerQtHost) {
    TQtOberflaeche host(Haupt.get());
    // A message box with its title, the text without the carriage return, and OK.
    QString titel, text;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        titel = box->windowTitle();
        if (auto* l = box->findChild<QLabel*>("qt_msgbox_label")) text = l->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    host.Meldung(TMeldungsart::Warnung, "Arbeitsschritte sind nicht ausführbar:\n\rTerm-Angabe fehlt.");
    EXPECT_EQ(titel, Q("Warnung"));
    EXPECT_EQ(text, Q("Arbeitsschritte sind nicht ausführbar:\nTerm-Angabe fehlt."));
}

// A box of a short message is as wide as its whole title with the program's name and the title bar's
// buttons need: the window manager does not cut it ("War… OL08").
TEST_F(HauptFmTest, KurzeMeldungBehaeltIhrenTitel) {
    TQtOberflaeche host(Haupt.get());
    for (const auto art : {TMeldungsart::Warnung, TMeldungsart::Information}) {
        int breite = 0, noetig = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            breite = box->width();
            QFont fett = box->font();
            fett.setBold(true);
            noetig = QFontMetrics(fett).horizontalAdvance(box->windowTitle() + Q(" — ") +
                                                          QGuiApplication::applicationDisplayName()) +
                     120;
            QTest::keyClick(box, Qt::Key_Return);
        });
        host.Meldung(art, "Benutzer-Abbruch");
        EXPECT_GE(breite, noetig);
    }
}

// ---- the linear system ----

TEST_F(HauptFmTest, StartLoestDasGetippteSystemAufDemBlattLoesung) {
    TWechsel<bool> kommentare(Kommentare, true);
    Haupt->show();
    Haupt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Haupt.get()));
    Haupt->Vektorrechnung1->trigger();
    Haupt->PageControl1->setCurrentIndex(int(TBlatt::LGS));
    Haupt->ZeilenUpDown->SetzePosition(3);
    Haupt->ZeilenUpDownClick();
    Haupt->SpaltenUpDown->SetzePosition(3);
    Haupt->SpaltenUpDownClick();
    // 2x + y + 3z = 1, x - y + 4z = 2, 3x + 2y + z = 3, typed cell by cell; Tab moves on to the next cell.
    const std::pair<QTableWidget*, std::vector<const char*>> eingaben[] = {
        {Haupt->MatrixGrid, {"2", "1", "3", "1", "-1", "4", "3", "2", "1"}}, {Haupt->BGrid, {"1", "2", "3"}}};
    for (const auto& [gitter, texte] : eingaben) {
        gitter->setFocus();
        gitter->setCurrentCell(0, 0);
        for (const char* t : texte) {
            QTest::keyClicks(QApplication::focusWidget(), Q(t));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    QTest::mouseClick(Haupt->StartButton, Qt::LeftButton);

    EXPECT_EQ(Haupt->PageControl1->tabText(0), Q("Lösung"));
    const std::vector<std::string> seite = Seite(0);
    ASSERT_FALSE(seite.empty());
    EXPECT_EQ(seite[0], "Lösung des Linearen Gleichungssystems:(2 1 3; 1 -1 4; 3 2 1) * x = (1; 2; 3)");
    // x = 11/4, y = -9/4, z = -3/4 (a fraction reads as its numerator and denominator).
    EXPECT_NE(std::find(seite.begin(), seite.end(), "Eindeutige Lösung: x = (114; -94; -34)"), seite.end());
}

} // namespace
} // namespace zol
