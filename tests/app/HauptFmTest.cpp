// The main window and the step driver: a request from "Start" to the pages, the driver's order and page
// rules, term errors and other failures, user abort, the mode switch, scrolling, printing into a PDF, no
// re-entry, the test run, the grids, the font, the INI file and the Qt host.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "algebra/PartialBrueche.h"
#include "app/Abbruch.h"
#include "app/HauptFm.h"
#include "app/Hilfe.h"
#include "app/IniDatei.h"
#include "app/QtOberflaeche.h"
#include "app/Schritte.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "plattform/Leinwand.h"
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
    void Waehle(std::initializer_list<TSchritt> schritte) {
        Schrittflags.fill(false);
        for (TSchritt s : schritte) Schrittflags[size_t(s)] = true;
        if (Schrittflags[SchrittAbleitungen]) AbleitungsGrad = 1;
        Schritte->SchrittlisteAufbauen();
    }

    // Stand-ins for every step: each writes a line with its name (and argument) onto the current page,
    // draws the page as the steps do, and logs the call. The general step parses f like the real one.
    void SetzeStandIns() {
        TSchrittfunktionen& f = Haupt->Schrittfunktionen;
        f.Allgemeines = [this](const std::string& text) {
            Protokoll.push_back("Allgemeines(" + text + ")");
            FTerm = TermAusString(text);
            SchreibeZeile("Eingegebener Funktionsterm:");
            for (int i = 1; i < ZeilenAllgemeines; ++i) SchreibeZeile("Zeile " + std::to_string(i));
            ZeichneSeite(0);
        };
        auto mitFlag = [this](const char* name) {
            return [this, name](bool b) {
                std::string s = std::string(name) + (b ? "(true)" : "(false)");
                Protokoll.push_back(s);
                SchreibeZeile(s);
                ZeichneSeite(0);
            };
        };
        auto ohne = [this](const char* name) {
            return [this, name] {
                Protokoll.push_back(name);
                SchreibeZeile(name);
                ZeichneSeite(0);
            };
        };
        f.Nullstellen = [this](bool b) {
            Protokoll.push_back(b ? "Nullstellen(true)" : "Nullstellen(false)");
            SchreibeZeile(b ? "Nullstellen(true)" : "Nullstellen(false)");
            Nullstellenliste = Neu<TSListe>();
        };
        f.EineNullstelle = ohne("EineNullstelle");
        f.Schnittstellen = mitFlag("Schnittstellen");
        f.Polynomzerlegung = ohne("Polynomzerlegung");
        f.Polstellen = ohne("Polstellen");
        f.Partialbrueche = ohne("Partialbrueche");
        f.Ableitungen = mitFlag("Ableitungen");
        f.Extremstellen = ohne("Extremstellen");
        f.Wendestellen = ohne("Wendestellen");
        auto integral = [this](const char* name) {
            return [this, name](TTerm* a, TTerm* b) {
                std::string s =
                    std::string(name) + "(" + (a ? a->Text : "nil") + "," + (b ? b->Text : "nil") + ")";
                Protokoll.push_back(s);
                SchreibeZeile(s);
            };
        };
        f.Integral = integral("Integral");
        f.Flaecheninhalt = integral("Flaecheninhalt");
        f.Graph = ohne("Graph");
        f.LGS = [this](const TGittertexte& A, const TGittertexte& b) {
            std::string s = "LGS " + std::to_string(A.size()) + "x" +
                            std::to_string(A.empty() ? 0 : A[0].size()) + " b" + std::to_string(b.size());
            Protokoll.push_back(s);
            SchreibeZeile(s);
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

    std::vector<std::string> Warnungen() const {
        std::vector<std::string> w;
        for (const auto& m : Oberflaeche.Host.Meldungen)
            if (m.Art == TMeldungsart::Warnung) w.push_back(m.Text);
        return w;
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

// ---- design ----

TEST_F(HauptFmTest, EntwurfDesFensters) {
    EXPECT_EQ(Haupt->windowTitle(), Q("Funktionen"));
    EXPECT_TRUE(Haupt->ModusFunktionen());
    EXPECT_EQ(HauptForm, Haupt.get());
    EXPECT_EQ(Haupt->StartButton->text(), Q("Start"));
    EXPECT_EQ(Haupt->TestButton->text(), Q("Testen"));
    EXPECT_FALSE(Haupt->TestButton->isEnabled());
    EXPECT_EQ(Haupt->EndeButton->text(), Q("Ende"));
    EXPECT_EQ(Haupt->DruckenButton->text(), Q("Drucken"));
    EXPECT_FALSE(Haupt->DruckenButton->isEnabled());
    EXPECT_TRUE(Haupt->StrukturButton->isHidden());
    EXPECT_TRUE(Haupt->TestSuiteButton->isHidden());
    EXPECT_FALSE(Haupt->SchritteLV->isEnabled());
    EXPECT_EQ(Haupt->FTermEdit->property("Hilfekontext").toInt(), 1001);

    const char* const titel[12] = {"Allgemeines",  "Nullstellen etc.",
                                   "Polstellen",   "Partialbruch-Zerlegung",
                                   "Ableitungen",  "Extremstellen",
                                   "Wendestellen", "Integral",
                                   "Graph",        "Test",
                                   "LGS",          "Vektoren"};
    ASSERT_EQ(Haupt->PageControl1->count(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Haupt->PageControl1->tabText(i), Q(titel[i])) << i;
    EXPECT_FALSE(Haupt->PageControl1->isTabVisible(int(TBlatt::Test)));
    EXPECT_FALSE(Haupt->PageControl1->isTabVisible(int(TBlatt::Vektoren)));
    // The step window applied mask 0 (no INI file): only the first sheet is left.
    for (int i = 1; i <= 8; ++i) EXPECT_FALSE(Haupt->PageControl1->isTabVisible(i)) << i;
    EXPECT_FALSE(Haupt->PageControl1->isTabVisible(int(TBlatt::LGS)));

    for (int k = 0; k < Seitenanzahl; ++k) {
        const QImage& b = Haupt->Seitenbilder[size_t(k)]->Bild;
        if (k == SeiteGraph) {
            EXPECT_EQ(b.size(), QSize(981, 623));
        } else {
            EXPECT_EQ(b.size(), QSize(977, 665)) << k;
        }
    }
    for (QToolButton* k : {Haupt->LinksBtn, Haupt->RechtsBtn, Haupt->ObenBtn, Haupt->UntenBtn,
                           Haupt->ZoomInBtn, Haupt->ZoomOutBtn})
        EXPECT_EQ(k->parentWidget(), Haupt->Blaetter[size_t(TBlatt::Graph)]);
    EXPECT_EQ(Haupt->MatrixGrid->rowCount(), 2);
    EXPECT_EQ(Haupt->MatrixGrid->columnCount(), 2);
    EXPECT_EQ(Haupt->BGrid->rowCount(), 2);
    EXPECT_EQ(Haupt->BGrid->columnCount(), 1);
    EXPECT_EQ(Haupt->ZeilenEdit->text(), Q("2"));
    EXPECT_EQ(Haupt->SpaltenEdit->text(), Q("2"));
    EXPECT_TRUE(Haupt->ZeilenEdit->isReadOnly());
    EXPECT_EQ(Haupt->AddButton->text(), Q("Hinzufügen"));
    EXPECT_EQ(Haupt->KoordinatensystemCB->text(), Q("Koordinatensystem zeichnen"));
    EXPECT_TRUE(Haupt->KoordinatensystemCB->isChecked());
    QStringList pum;
    for (QAction* a : Haupt->AddPUM->actions()) pum << a->text();
    EXPECT_EQ(pum, QStringList({"Punkt", "Strecke", "Vektor", "Pfeil", "Gerade", "Ebene"}));

    QStringList menues;
    for (QAction* a : Haupt->menuBar()->actions()) menues << a->text();
    EXPECT_EQ(menues, QStringList({"Sachgebiet", "Schritte", "Optionen", "Font", "Graph", "Drucker", "Hilfe",
                                   "Test"}));
    EXPECT_EQ(Haupt->Funktionen1->text(), Q("Funktionen"));
    EXPECT_EQ(Haupt->Vektorrechnung1->text(), Q("Lineare Gleichungen"));
    EXPECT_EQ(Haupt->Grafik1->text(), Q("Grafik"));
    EXPECT_EQ(Haupt->Karte1->text(), Q("Karte"));
    EXPECT_EQ(Haupt->Projektion1->text(), Q("Projektion"));
    EXPECT_EQ(Haupt->Auswahl1->text(), Q("Auswahl"));

    // The output font.
    EXPECT_EQ(Schriftgroesse, 10);
    EXPECT_EQ(Leinwand().Schrift().Name, "Times New Roman");
    EXPECT_EQ(Leinwand().Schrift().Groesse, 10);
    EXPECT_EQ(Haupt->FontDialog->currentFont().pointSize(), 10);
}

// ---- one request ----

TEST_F(HauptFmTest, FehlerDesAllgemeinenSchrittsStehtAufSeite0) {
    // An error that is not a term error ends the request with its message as a page line.
    Haupt->Schrittfunktionen.Allgemeines = [](const std::string&) { throw ERessourcen("Zu viele Faktoren in x"); };
    Start("x^2-4");
    EXPECT_EQ(Seite(0), std::vector<std::string>({"Zu viele Faktoren in x"}));
    EXPECT_TRUE(Warnungen().empty());
    // The driver did not finish: printing stays off.
    EXPECT_FALSE(Haupt->DruckenButton->isEnabled());
    EXPECT_FALSE(Abbruch->isVisible());
    EXPECT_FALSE(Haupt->Beschaeftigt());
}

TEST_F(HauptFmTest, EineAnfrageFuelltSeite0UndDieStatuszeile) {
    SetzeStandIns();
    ZeilenAllgemeines = 3;
    Start("x^2-4");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x^2-4)"}));
    EXPECT_EQ(Seite(0), std::vector<std::string>({"Eingegebener Funktionsterm:", "Zeile 1", "Zeile 2"}));
    ASSERT_NE(FTerm, nullptr);
    EXPECT_EQ(FTerm->Text, TermAusString("x^2-4")->Text);
    EXPECT_TRUE(Haupt->DruckenButton->isEnabled());
    EXPECT_FALSE(Abbruch->isVisible());
    EXPECT_TRUE(
        std::regex_match(Haupt->StatusPanel0->text().toStdString(), std::regex("AllocMemSize:[0-9]+")))
        << Haupt->StatusPanel0->text().toStdString();
    // The page image shows the drawn lines: something black left of x = 200 near the top.
    const QImage& bild = Haupt->Seitenbilder[0]->Bild;
    bool schwarz = false;
    for (int y = 0; y < 40 && !schwarz; ++y)
        for (int x = 0; x < 200 && !schwarz; ++x) schwarz = (bild.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_TRUE(schwarz);
    // Only page 0 was prepared.
    for (int k = 1; k < Seitenanzahl; ++k) EXPECT_EQ(Haupt->Seitenlisten[size_t(k)], nullptr) << k;
}

TEST_F(HauptFmTest, TermfehlerZeigtDieWarnungUndLaesstDieFruherenSeiten) {
    SetzeStandIns();
    Waehle({SchrittAbleitungen, SchrittExtremstellen, SchrittWendestellen});
    // The extrema step meets a term it cannot read.
    Haupt->Schrittfunktionen.Extremstellen = [this] {
        Protokoll.push_back("Extremstellen");
        SchreibeZeile("vor dem Fehler");
        TermAusString("x+");
    };
    Start("x^3");
    EXPECT_EQ(Warnungen(),
              std::vector<std::string>({"Arbeitsschritte sind nicht ausführbar:\n\rTerm-Angabe fehlt."}));
    EXPECT_EQ(Protokoll,
              std::vector<std::string>({"Allgemeines(x^3)", "Ableitungen(true)", "Extremstellen"}));
    EXPECT_EQ(Seite(0), std::vector<std::string>({"Eingegebener Funktionsterm:"}));
    EXPECT_EQ(Seite(4), std::vector<std::string>({"Ableitungen(true)"}));
    EXPECT_EQ(Seite(5), std::vector<std::string>({"vor dem Fehler"}));
    EXPECT_EQ(Haupt->Seitenlisten[6], nullptr);
    EXPECT_TRUE(Abgehakt(SchrittAbleitungen));
    EXPECT_FALSE(Abgehakt(SchrittExtremstellen));
    EXPECT_FALSE(Abgehakt(SchrittWendestellen));
    EXPECT_FALSE(Abbruch->isVisible());
}

TEST_F(HauptFmTest, UnlesbaresFZeigtDieWarnungDesParsers) {
    SetzeStandIns();
    Start("x^2");
    ASSERT_TRUE(Warnungen().empty());
    Start("x+");
    ASSERT_EQ(Warnungen().size(), 1u);
    EXPECT_EQ(Warnungen()[0], "Arbeitsschritte sind nicht ausführbar:\n\rTerm-Angabe fehlt.");
    Start("(x");
    ASSERT_EQ(Warnungen().size(), 2u);
    EXPECT_EQ(
        Warnungen()[1].rfind("Arbeitsschritte sind nicht ausführbar:\n\rTerm: (x syntaktisch nicht OK", 0),
        0u)
        << Warnungen()[1];
}

TEST_F(HauptFmTest, AndereFehlerStehenAlsZeileAufDerSeite) {
    SetzeStandIns();
    Waehle({SchrittPolstellen, SchrittGraph});
    Haupt->Schrittfunktionen.Polstellen = [] {
        SchreibeZeile("Polstellen");
        throw ERessourcen("Liste voll.");
    };
    Start("1/x");
    EXPECT_TRUE(Warnungen().empty());
    EXPECT_EQ(Seite(2), std::vector<std::string>({"Polstellen", "Liste voll."}));
    // The request ended there.
    EXPECT_EQ(Haupt->Seitenlisten[SeiteGraph], nullptr);
    EXPECT_FALSE(Haupt->DruckenButton->isEnabled());
}

TEST_F(HauptFmTest, DieStepsHakenIhreEintraegeAb) {
    SetzeStandIns();
    Waehle({SchrittNullstellen, SchrittPolstellen, SchrittStammfunktion, SchrittGraph});
    Start("x^2");
    for (TSchritt s : {SchrittNullstellen, SchrittPolstellen, SchrittStammfunktion, SchrittGraph})
        EXPECT_TRUE(Abgehakt(s)) << int(s);
    // The next request unticks them first.
    Haupt->Schrittfunktionen.Nullstellen = [](bool) { throw ETermFehler("aus"); };
    Start("x^2");
    for (TSchritt s : {SchrittNullstellen, SchrittPolstellen, SchrittStammfunktion, SchrittGraph})
        EXPECT_FALSE(Abgehakt(s)) << int(s);
}

// ---- the driver's order and page rules ----

struct TTreiberfall {
    const char* Name;
    std::vector<TSchritt> Schritte;
    const char* G;
    std::vector<std::string> Aufrufe;                               // after the general step
    std::vector<std::pair<Int32, std::vector<std::string>>> Seiten; // pages 1 to 8 that were prepared
};

void PrintTo(const TTreiberfall& fall, std::ostream* os) {
    *os << fall.Name;
}

class TreiberTest : public HauptFmTest, public ::testing::WithParamInterface<TTreiberfall> {};

TEST_P(TreiberTest, ReihenfolgeUndSeiten) {
    const TTreiberfall& fall = GetParam();
    SetzeStandIns();
    Waehle({});
    for (TSchritt s : fall.Schritte) Schrittflags[size_t(s)] = true;
    if (Schrittflags[SchrittAbleitungen]) AbleitungsGrad = 1;
    Schritte->SchrittlisteAufbauen();
    Haupt->GTermEdit->setText(Q(fall.G));
    Haupt->AEdit->setText(Q("1"));
    Haupt->BEdit->setText(Q("2"));
    // The general step sets the interval as the real one does.
    auto allgemein = Haupt->Schrittfunktionen.Allgemeines;
    Haupt->Schrittfunktionen.Allgemeines = [allgemein](const std::string& f) {
        allgemein(f);
        ABIntervall = Neu<TIntervall>(TRand{TermAusString("1"), false}, TRand{TermAusString("2"), false});
    };
    Start("x^2");
    std::vector<std::string> erwartet = {"Allgemeines(x^2)"};
    erwartet.insert(erwartet.end(), fall.Aufrufe.begin(), fall.Aufrufe.end());
    EXPECT_EQ(Protokoll, erwartet);
    std::vector<bool> vorbereitet(Seitenanzahl, false);
    for (const auto& [k, zeilen] : fall.Seiten) {
        EXPECT_EQ(Seite(k), zeilen) << "Seite " << k;
        vorbereitet[size_t(k)] = true;
    }
    for (Int32 k = 1; k < Seitenanzahl; ++k) {
        if (!vorbereitet[size_t(k)]) {
            EXPECT_EQ(Haupt->Seitenlisten[size_t(k)], nullptr) << "Seite " << k;
        }
    }
    for (TSchritt s : fall.Schritte) EXPECT_TRUE(Abgehakt(s)) << int(s);
    EXPECT_TRUE(Haupt->DruckenButton->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Fall, TreiberTest,
    ::testing::Values(
        TTreiberfall{"NullstellenUndNaeherung",
                     {SchrittNullstellen, SchrittNaeherungsverfahren},
                     "",
                     {"Nullstellen(true)", "EineNullstelle"},
                     {{1, {"Nullstellen(true)", "EineNullstelle"}}}},
        TTreiberfall{
            "NurNaeherung", {SchrittNaeherungsverfahren}, "", {"EineNullstelle"}, {{1, {"EineNullstelle"}}}},
        TTreiberfall{"SchnittUndProduktOhneNullstellen",
                     {SchrittSchnittstellen, SchrittProduktzerlegung},
                     "x",
                     {"Schnittstellen(true)", "Polynomzerlegung"},
                     {{1, {"Schnittstellen(true)", "Polynomzerlegung"}}}},
        // Page 1 is prepared once: the numerical zero is not wiped by the intersection step.
        TTreiberfall{"NaeherungUndSchnitt",
                     {SchrittNaeherungsverfahren, SchrittSchnittstellen},
                     "x",
                     {"EineNullstelle", "Schnittstellen(true)"},
                     {{1, {"EineNullstelle", "Schnittstellen(true)"}}}},
        TTreiberfall{
            "AlleSchritteInIhrerReihenfolge",
            {SchrittGraph, SchrittStammfunktion, SchrittWendestellen, SchrittExtremstellen,
             SchrittAbleitungen, SchrittPartialbruch, SchrittPolstellen, SchrittProduktzerlegung,
             SchrittSchnittstellen, SchrittNaeherungsverfahren, SchrittNullstellen},
            "x",
            {"Nullstellen(true)", "EineNullstelle", "Schnittstellen(true)", "Polynomzerlegung", "Polstellen",
             "Partialbrueche", "Ableitungen(true)", "Extremstellen", "Wendestellen", "Integral(nil,nil)",
             "Graph"},
            {{1, {"Nullstellen(true)", "EineNullstelle", "Schnittstellen(true)", "Polynomzerlegung"}},
             {2, {"Polstellen"}},
             {3, {"Partialbrueche"}},
             {4, {"Ableitungen(true)"}},
             {5, {"Extremstellen"}},
             {6, {"Wendestellen"}},
             {7, {"Integral(nil,nil)"}},
             {8, {"Graph"}}}},
        TTreiberfall{
            "BestimmtesIntegral", {SchrittIntegral}, "", {"Integral(1,2)"}, {{7, {"Integral(1,2)"}}}},
        // The area without g and without the zeros step computes the zeros silently.
        TTreiberfall{"FlaecheOhneG",
                     {SchrittFlaeche},
                     "",
                     {"Nullstellen(false)", "Flaecheninhalt(1,2)"},
                     {{7, {"Nullstellen(false)", "Flaecheninhalt(1,2)"}}}},
        TTreiberfall{"FlaecheOhneGNachNullstellen",
                     {SchrittNullstellen, SchrittFlaeche},
                     "",
                     {"Nullstellen(true)", "Flaecheninhalt(1,2)"},
                     {{1, {"Nullstellen(true)"}}, {7, {"Flaecheninhalt(1,2)"}}}},
        TTreiberfall{"FlaecheMitG",
                     {SchrittFlaeche},
                     "x",
                     {"Schnittstellen(false)", "Flaecheninhalt(1,2)"},
                     {{7, {"Schnittstellen(false)", "Flaecheninhalt(1,2)"}}}},
        // The intersection list of this request is reused.
        TTreiberfall{"FlaecheNachSchnittstellen",
                     {SchrittSchnittstellen, SchrittFlaeche},
                     "x",
                     {"Schnittstellen(true)", "Flaecheninhalt(1,2)"},
                     {{1, {"Schnittstellen(true)"}}, {7, {"Flaecheninhalt(1,2)"}}}}),
    [](const ::testing::TestParamInfo<TTreiberfall>& info) { return std::string(info.param.Name); });

TEST_F(HauptFmTest, FlaecheOhneGNimmtDieNullstellenlisteAlsSchnittstellen) {
    SetzeStandIns();
    Waehle({SchrittFlaeche});
    TSListe* bei = nullptr;
    Haupt->Schrittfunktionen.Flaecheninhalt = [&bei](TTerm*, TTerm*) { bei = Schnittstellenliste; };
    Start("x^2-1");
    ASSERT_NE(Nullstellenliste, nullptr);
    EXPECT_EQ(bei, Nullstellenliste);
}

TEST_F(HauptFmTest, AnfrageSetztDieGlobalenZurueck) {
    SetzeStandIns();
    Waehle({SchrittNullstellen});
    PartialbruchVorhanden = true;
    Haupt->Schrittfunktionen.Allgemeines = [this](const std::string&) {
        Protokoll.push_back(FTerm == nullptr && GTerm == nullptr && Integralergebnis == nullptr ? "leer"
                                                                                                : "alt");
        EXPECT_FALSE(PartialbruchVorhanden);
        EXPECT_EQ(Termspeicher, nullptr);
        FTerm = TermAusString("x^2");
        Integralergebnis = FTerm;
    };
    Start("x^2");
    Start("x^2");
    EXPECT_EQ(Protokoll,
              std::vector<std::string>({"leer", "Nullstellen(true)", "leer", "Nullstellen(true)"}));
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
        QTest::mouseClick(Abbruch->AbbruchButton, Qt::LeftButton);
    };
    Start("x^2");
    EXPECT_TRUE(BenutzerAbbruch);
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x^2)", "Nullstellen"}));
    // The button closed the open line; the driver wrote its line and stopped.
    std::vector<std::string> seite1 = Seite(1);
    ASSERT_FALSE(seite1.empty());
    EXPECT_EQ(seite1.front(), "halb fertig");
    EXPECT_EQ(seite1.back(), "Abbruch durch Benutzer");
    EXPECT_EQ(Haupt->Seitenlisten[2], nullptr);
    EXPECT_EQ(Warnungen(), std::vector<std::string>({"Benutzer-Abbruch"}));
    EXPECT_FALSE(Abbruch->isVisible());
    // The next request starts without the flag.
    Protokoll.clear();
    Haupt->Schrittfunktionen.Nullstellen = [this](bool) { Protokoll.push_back("Nullstellen"); };
    Start("x^2");
    EXPECT_EQ(Protokoll,
              std::vector<std::string>({"Allgemeines(x^2)", "Nullstellen", "Polstellen", "Graph"}));
}

TEST_F(HauptFmTest, AbbruchknopfSetztDieMarkeUndSchliesst) {
    Abbruch->Zeige();
    EXPECT_TRUE(Abbruch->isVisible());
    EXPECT_EQ(Abbruch->windowTitle(), Q("Information"));
    EXPECT_EQ(Abbruch->AbbruchButton->text(), Q("Abbrechen"));
    EXPECT_EQ(Abbruch->windowModality(), Qt::ApplicationModal);
    Abbruch->AbbruchButtonClick();
    EXPECT_TRUE(BenutzerAbbruch);
    EXPECT_FALSE(Abbruch->isVisible());
    EXPECT_EQ(Warnungen(), std::vector<std::string>({"Benutzer-Abbruch"}));
}

// ---- mode switch ----

TEST_F(HauptFmTest, UmschaltenAufLineareGleichungenUndZurueck) {
    SetzeStandIns();
    Waehle({SchrittNullstellen, SchrittAbleitungen, SchrittGraph});
    Schritte->NullstellenCB->setChecked(true);
    Schritte->AbleitungsGradSE->setValue(2);
    Schritte->GraphCB->setChecked(true);
    Schritte->OKButtonClick();
    QTabWidget* pc = Haupt->PageControl1;
    ASSERT_TRUE(pc->isTabVisible(int(TBlatt::Nullstellen)));

    Haupt->Vektorrechnung1->trigger();
    EXPECT_EQ(Haupt->windowTitle(), Q("Vektorrechnung"));
    EXPECT_FALSE(Haupt->ModusFunktionen());
    EXPECT_FALSE(Haupt->Schritte1->isEnabled());
    EXPECT_FALSE(Haupt->GraphMenu->menuAction()->isEnabled());
    EXPECT_EQ(pc->tabText(0), Q("Lösung"));
    EXPECT_TRUE(pc->isTabVisible(0));
    for (int k = 1; k <= 8; ++k) EXPECT_FALSE(pc->isTabVisible(k)) << k;
    EXPECT_TRUE(pc->isTabVisible(int(TBlatt::LGS)));

    // Only the linear system runs, on page 0, whatever steps are chosen.
    Haupt->ZeilenUpDown->SetzePosition(3);
    Haupt->ZeilenUpDownClick();
    Haupt->MatrixGrid->setItem(0, 0, new QTableWidgetItem(Q("1/2")));
    Start("x^2");
    EXPECT_EQ(Protokoll, std::vector<std::string>({"LGS 3x2 b3"}));
    EXPECT_EQ(Seite(0), std::vector<std::string>({"LGS 3x2 b3"}));
    for (int k = 1; k < Seitenanzahl; ++k) EXPECT_EQ(Haupt->Seitenlisten[size_t(k)], nullptr) << k;
    ASSERT_EQ(LetzteMatrix.size(), 3u);
    EXPECT_EQ(LetzteMatrix[0], std::vector<std::string>({"1/2", ""}));

    Haupt->Funktionen1->trigger();
    EXPECT_EQ(Haupt->windowTitle(), Q("Funktionen"));
    EXPECT_TRUE(Haupt->Schritte1->isEnabled());
    EXPECT_TRUE(Haupt->GraphMenu->menuAction()->isEnabled());
    EXPECT_EQ(pc->tabText(0), Q("Allgemeines"));
    EXPECT_TRUE(pc->isTabVisible(int(TBlatt::Nullstellen)));
    EXPECT_TRUE(pc->isTabVisible(int(TBlatt::Ableitungen)));
    EXPECT_TRUE(pc->isTabVisible(int(TBlatt::Graph)));
    EXPECT_FALSE(pc->isTabVisible(int(TBlatt::Polstellen)));
    EXPECT_FALSE(pc->isTabVisible(int(TBlatt::LGS)));
    EXPECT_EQ(Haupt->SchritteLV->count(), 3);
}

TEST_F(HauptFmTest, GittergroessenFolgenDenAufAbKnoepfen) {
    QTableWidget* a = Haupt->MatrixGrid;
    QTableWidget* b = Haupt->BGrid;
    const int zh = a->verticalHeader()->defaultSectionSize();
    const int sb = a->horizontalHeader()->defaultSectionSize();
    Haupt->PageControl1->setTabVisible(int(TBlatt::LGS), true);
    Haupt->PageControl1->setCurrentIndex(int(TBlatt::LGS));
    EXPECT_EQ(a->height(), 2 * zh + 10);
    EXPECT_EQ(a->width(), 2 * sb + 10);

    for (int i = 0; i < 3; ++i) QTest::mouseClick(Haupt->ZeilenUpDown->HochKnopf, Qt::LeftButton);
    EXPECT_EQ(Haupt->ZeilenEdit->text(), Q("5"));
    EXPECT_EQ(a->rowCount(), 5);
    EXPECT_EQ(b->rowCount(), 5);
    EXPECT_EQ(a->height(), 5 * zh + 10);
    EXPECT_EQ(b->height(), 5 * zh + 10);

    for (int i = 0; i < 20; ++i) QTest::mouseClick(Haupt->SpaltenUpDown->HochKnopf, Qt::LeftButton);
    EXPECT_EQ(Haupt->SpaltenEdit->text(), Q("15"));
    EXPECT_EQ(a->columnCount(), 15);
    EXPECT_EQ(b->columnCount(), 1);
    EXPECT_EQ(a->width(), 15 * sb + 10);
    for (int i = 0; i < 20; ++i) QTest::mouseClick(Haupt->SpaltenUpDown->RunterKnopf, Qt::LeftButton);
    EXPECT_EQ(a->columnCount(), 2);
    for (int i = 0; i < 20; ++i) QTest::mouseClick(Haupt->ZeilenUpDown->RunterKnopf, Qt::LeftButton);
    EXPECT_EQ(a->rowCount(), 2);
}

// ---- scrolling ----

TEST_F(HauptFmTest, BlaetternHaeltBeiZeile0UndBeiDerLetztenZeile) {
    SetzeStandIns();
    ZeilenAllgemeines = 60;
    Start("x");
    ASSERT_EQ(Seite(0).size(), 60u);
    Haupt->PageControl1->setCurrentIndex(0);
    const QImage oben = Haupt->Seitenbilder[0]->Bild.copy();
    EXPECT_EQ(Haupt->ScrollBar1->maximum(), 59);

    Haupt->ScrollBar1Scroll(0, 0);
    EXPECT_EQ(Haupt->Seitenanfang[0], 0);
    Haupt->ScrollBar1Scroll(2, 0);
    EXPECT_EQ(Haupt->Seitenanfang[0], 0);
    EXPECT_EQ(Haupt->Seitenbilder[0]->Bild, oben);

    Haupt->ScrollBar1Scroll(1, 0);
    EXPECT_EQ(Haupt->Seitenanfang[0], 1);
    EXPECT_NE(Haupt->Seitenbilder[0]->Bild, oben);
    for (int i = 0; i < 100; ++i) Haupt->ScrollBar1Scroll(i % 2 ? 1 : 3, 0);
    EXPECT_EQ(Haupt->Seitenanfang[0], 59);
    Haupt->ScrollBar1Scroll(8, 7);
    EXPECT_EQ(Haupt->Seitenanfang[0], 7);
    Haupt->ScrollBar1Scroll(8, 500);
    EXPECT_EQ(Haupt->Seitenanfang[0], 59);
    Haupt->ScrollBar1Scroll(5, 3);
    EXPECT_EQ(Haupt->Seitenanfang[0], 59);
    Haupt->ScrollBar1Scroll(8, 0);
    EXPECT_EQ(Haupt->Seitenbilder[0]->Bild, oben);

    // The bar itself: a click on its down arrow moves one line.
    Haupt->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Haupt->Seitenanfang[0], 1);
    EXPECT_EQ(Haupt->ScrollBar1->value(), 1);
    Haupt->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Haupt->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Haupt->Seitenanfang[0], 0);
    EXPECT_EQ(Haupt->ScrollBar1->value(), 0);
}

TEST_F(HauptFmTest, BlaetternAufBlaetternOhneZeilenTutNichts) {
    SetzeStandIns();
    Waehle({SchrittGraph});
    Start("x");
    Haupt->PageControl1->setCurrentIndex(SeiteGraph);
    Haupt->ScrollBar1Scroll(1, 0);
    EXPECT_EQ(Haupt->Seitenanfang[SeiteGraph], 0);
    Haupt->PageControl1->setTabVisible(int(TBlatt::LGS), true);
    Haupt->PageControl1->setCurrentIndex(int(TBlatt::LGS));
    Haupt->ScrollBar1Scroll(1, 0);
    // A page never prepared has nothing to scroll.
    Haupt->PageControl1->setCurrentIndex(int(TBlatt::Polstellen));
    Haupt->ScrollBar1Scroll(1, 0);
    EXPECT_EQ(Haupt->Seitenanfang[2], 0);
}

// ---- printing ----

TEST_F(HauptFmTest, DruckenInEinePdfLaesstDieBildschirmseitenWieSieWaren) {
    SetzeStandIns();
    ZeilenAllgemeines = 150;
    Waehle({SchrittAbleitungen});
    Start("x^3");
    Haupt->PageControl1->setCurrentIndex(0);
    Haupt->ScrollBar1Scroll(8, 12);
    const auto seite0 = Seite(0);
    const auto seite4 = Seite(4);
    const TZeilenliste* liste0 = Haupt->Seitenlisten[0].get();
    const QImage bild0 = Haupt->Seitenbilder[0]->Bild.copy();
    const QImage bild4 = Haupt->Seitenbilder[4]->Bild.copy();
    TLeinwand* leinwand = &Leinwand();
    TZeilenliste* aktuell = Zeilenliste;
    const Int32 breite = Seitenbreite, hoehe = Seitenhoehe;

    // The print run uses the inputs of the last screen request.
    Haupt->FTermEdit->setText(Q("x^5"));
    Protokoll.clear();
    const fs::path pdf = Ordner.Pfad() / "druck.pdf";
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(Haupt->Drucke(drucker));
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x^3)", "Ableitungen(true)"}));

    const std::string inhalt = testhilfe::LiesDatei(pdf);
    ASSERT_GT(inhalt.size(), 100u);
    EXPECT_EQ(inhalt.substr(0, 5), "%PDF-");
    // 150 lines do not fit on one sheet.
    const std::regex seite("/Type\\s*/Page[^s]");
    const auto seiten =
        std::distance(std::sregex_iterator(inhalt.begin(), inhalt.end(), seite), std::sregex_iterator());
    EXPECT_GE(seiten, 2);

    EXPECT_EQ(Seite(0), seite0);
    EXPECT_EQ(Seite(4), seite4);
    EXPECT_EQ(Haupt->Seitenlisten[0].get(), liste0);
    EXPECT_EQ(Haupt->Seitenanfang[0], 12);
    EXPECT_EQ(Haupt->Seitenbilder[0]->Bild, bild0);
    EXPECT_EQ(Haupt->Seitenbilder[4]->Bild, bild4);
    EXPECT_EQ(&Leinwand(), leinwand);
    EXPECT_EQ(Zeilenliste, aktuell);
    EXPECT_EQ(Seitenbreite, breite);
    EXPECT_EQ(Seitenhoehe, hoehe);
    EXPECT_FALSE(DruckModus);
    EXPECT_FALSE(Haupt->DruckLaeuft());
    EXPECT_EQ(Haupt->FTermEdit->text(), Q("x^5"));
    // Scrolling still works on the kept page.
    Haupt->ScrollBar1Scroll(1, 0);
    EXPECT_EQ(Haupt->Seitenanfang[0], 13);
}

TEST_F(HauptFmTest, DruckenAufDemTestblattDrucktDenTest) {
    SetzeStandIns();
    QTest::keyClicks(Haupt->FTermEdit, Q("5"));
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
    ASSERT_EQ(Protokoll, std::vector<std::string>({"Test(5)"}));
    Haupt->PageControl1->setCurrentIndex(SeiteTest);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString((Ordner.Pfad() / "test.pdf").string()));
    ASSERT_TRUE(Haupt->Drucke(drucker));
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Test(5)", "Test(5)"}));
    EXPECT_EQ(Seite(SeiteTest), std::vector<std::string>({"Testausgabe"}));
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
        Haupt->StartButtonClick();
        Haupt->TestButtonClick();
        QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString::fromStdString((Ordner.Pfad() / "nie.pdf").string()));
        gedruckt = Haupt->Drucke(drucker);
        Haupt->PageControl1->setCurrentIndex(0);
        Haupt->ScrollBar1Scroll(1, 0);
        Haupt->ScrollBar1Scroll(8, 5);
    };
    Start("x");
    EXPECT_EQ(laeufe, 1);
    EXPECT_FALSE(gedruckt);
    EXPECT_FALSE(fs::exists(Ordner.Pfad() / "nie.pdf"));
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Allgemeines(x)"}));
    EXPECT_EQ(Haupt->Seitenanfang[0], 0);
    EXPECT_FALSE(Haupt->PageControl1->isTabVisible(int(TBlatt::Test)));
    EXPECT_FALSE(Haupt->Beschaeftigt());
}

// ---- the test run ----

TEST_F(HauptFmTest, AltTImFFeldStartetDenTest) {
    SetzeStandIns();
    QTest::keyClicks(Haupt->FTermEdit, Q("12"));
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(Protokoll, std::vector<std::string>({"Test(12)"}));
    // The key did not reach the field.
    EXPECT_EQ(Haupt->FTermEdit->text(), Q("12"));
    EXPECT_TRUE(Haupt->PageControl1->isTabVisible(int(TBlatt::Test)));
    EXPECT_EQ(Seite(SeiteTest), std::vector<std::string>({"Testausgabe"}));
    EXPECT_TRUE(Haupt->DruckenButton->isEnabled());
    EXPECT_FALSE(Abbruch->isVisible());
    EXPECT_TRUE(Haupt->StatusPanel0->text().startsWith(Q("AllocMemSize:")));
    // A plain T is typed.
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T);
    EXPECT_EQ(Haupt->FTermEdit->text(), Q("12t"));
}

TEST_F(HauptFmTest, EinFehlschlagenderTestSagtTestNichtOK) {
    // The test procedures come later: their entry fails.
    QTest::keyClick(Haupt->FTermEdit, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(Warnungen(), std::vector<std::string>({"Test nicht OK"}));
    EXPECT_FALSE(Abbruch->isVisible());
    EXPECT_FALSE(Haupt->DruckenButton->isEnabled());
    EXPECT_TRUE(Haupt->StatusPanel0->text().startsWith(Q("AllocMemSize:")));
}

// ---- font ----

TEST_F(HauptFmTest, UebernehmenImSchriftdialogSetztDieAusgabeschrift) {
    QFont f(Q("DejaVu Sans"));
    f.setPointSize(14);
    f.setBold(true);
    Haupt->FontDialog->setCurrentFont(f);
    Haupt->FontDialogApply();
    EXPECT_EQ(Schriftgroesse, 14);
    EXPECT_EQ(Leinwand().Schrift().Groesse, 14);
    EXPECT_EQ(Leinwand().Schrift().Name, Haupt->FontDialog->currentFont().family().toStdString());
    EXPECT_TRUE(Leinwand().Schrift().Stil & Fett);
    // The dialog has its Apply button.
    bool uebernehmen = false;
    for (QPushButton* k : Haupt->FontDialog->findChildren<QPushButton*>())
        uebernehmen = uebernehmen || k->text() == Q("Übernehmen");
    EXPECT_TRUE(uebernehmen);
    // The next request's pages measure with the new size.
    SetzeStandIns();
    Start("x");
    EXPECT_EQ(Leinwand().Schrift().Groesse, 14);
    Schriftgroesse = 10;
    Leinwand().SetzeSchriftgroesse(10);
    Leinwand().SetzeSchriftname("Times New Roman");
    Leinwand().SetzeSchriftstil(0);
}

// ---- INI file ----

TEST_F(HauptFmTest, EingabenKommenAusDerIniDateiUndGehenDorthinZurueck) {
    Abbruch.reset();
    Schritte.reset();
    Haupt.reset();
    testhilfe::SchreibeDatei(Ordner.Pfad() / "zol08.INI",
                             "[Terme]\nFTerm=x^2-4\nGTerm=2x\nATerm=-1\nBTerm=3\n[Schritte]\nSchritte=16\n");
    Haupt = std::make_unique<THauptForm>();
    Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
    EXPECT_EQ(Haupt->FTermEdit->text(), Q("x^2-4"));
    EXPECT_EQ(Haupt->GTermEdit->text(), Q("2x"));
    EXPECT_EQ(Haupt->AEdit->text(), Q("-1"));
    EXPECT_EQ(Haupt->BEdit->text(), Q("3"));
    // Mask 16: the zeros step; its sheet and list item.
    EXPECT_TRUE(Haupt->PageControl1->isTabVisible(int(TBlatt::Nullstellen)));
    ASSERT_EQ(Haupt->SchritteLV->count(), 1);
    EXPECT_EQ(Haupt->SchritteLV->item(0)->text(), Q("Nullstellen"));

    Haupt->FTermEdit->setText(Q("sin(x)"));
    Haupt->BEdit->clear();
    Haupt->show();
    QTest::mouseClick(Haupt->EndeButton, Qt::LeftButton);
    EXPECT_FALSE(Haupt->isVisible());
    TIniDatei ini(Ordner.Pfad() / "zol08.INI");
    EXPECT_EQ(ini.LiesString("Terme", "FTerm", "?"), "sin(x)");
    EXPECT_EQ(ini.LiesString("Terme", "GTerm", "?"), "2x");
    EXPECT_EQ(ini.LiesString("Terme", "ATerm", "?"), "-1");
    EXPECT_EQ(ini.LiesString("Terme", "BTerm", "?"), "");
    EXPECT_EQ(ini.LiesInteger("Schritte", "Schritte", -1), 16);
}

// ---- the Qt host ----

TEST_F(HauptFmTest, DerQtHostLiestDieFelderUndHaktAb) {
    TQtOberflaeche host(Haupt.get());
    Haupt->FTermEdit->setText(Q("x^2"));
    Haupt->GTermEdit->setText(Q("x+1"));
    Haupt->AEdit->setText(Q("-2"));
    Haupt->BEdit->setText(Q("ü"));
    Schritte->HEdit->setText(Q("1/4"));
    EXPECT_EQ(host.Eingabe(TEingabefeld::FTerm), "x^2");
    EXPECT_EQ(host.Eingabe(TEingabefeld::GTerm), "x+1");
    EXPECT_EQ(host.Eingabe(TEingabefeld::ATerm), "-2");
    EXPECT_EQ(host.Eingabe(TEingabefeld::BTerm), "ü");
    EXPECT_EQ(host.Eingabe(TEingabefeld::HTerm), "1/4");

    Waehle({SchrittVereinfachen, SchrittTabelle});
    host.SchrittAbhaken(SchrittTabelle);
    EXPECT_TRUE(Abgehakt(SchrittTabelle));
    EXPECT_FALSE(Abgehakt(SchrittVereinfachen));
    // A step that is not chosen has no item.
    host.SchrittAbhaken(SchrittGraph);
    EXPECT_EQ(Haupt->SchritteLV->count(), 2);

    host.ZeigeSuchzaehler(4711);
    EXPECT_EQ(Abbruch->SuchAnzahlLabel->text(), Q("4711"));

    const int64_t t0 = host.Millisekunden();
    QTest::qWait(20);
    EXPECT_GE(host.Millisekunden() - t0, 15);
    // A port nobody listens on: the line is refused at once.
    EXPECT_FALSE(host.SendeZeile("127.0.0.1", 1, "x"));
}

TEST_F(HauptFmTest, DerQtHostZeigtEineMeldungMitOK) {
    TQtOberflaeche host(Haupt.get());
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

// ---- help ----

TEST_F(HauptFmTest, HilfeZeigtDieDeutscheHilfe) {
    Haupt->Hilfe1->trigger();
    auto* hilfe = Haupt->findChild<THilfeForm*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->isVisible());
    const QString text = hilfe->Browser->toPlainText();
    for (const char* thema : {"Eingabe von Termen", "Die Arbeitsschritte", "Optionen und Schrift",
                              "Der Graph", "Lineare Gleichungssysteme", "Blättern und Drucken"})
        EXPECT_TRUE(text.contains(Q(thema))) << thema;
    hilfe->close();
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
    fs::create_directories("artefakte");
    Haupt->Seitenbilder[0]->Bild.save("artefakte/LGS_Loesung.png");
}

} // namespace
} // namespace zol
