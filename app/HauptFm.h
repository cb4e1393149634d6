// The main window: the inputs f, g, a and b, the buttons, the step list, the tab sheets with the output
// pages 0 to 9, the linear-systems grids and the vectors sheet, the scroll bar and the menus. "Start" runs
// one request: the step driver runs every chosen step in a fixed order, each onto the page of its sheet.
#pragma once

#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "algebra/LineareGleichungssysteme.h"
#include "app/HauptfensterZugang.h"
#include "app/QtLeinwand.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Grundtypen.h"

class QAction;
class QCheckBox;
class QFontDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPageSetupDialog;
class QPrinter;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace zol {

class TTerm;
class THilfeForm;
namespace Vektoren {
class TGeometrischesObjekt;
}

// Number of output pages: 0 to 8 for the steps, 9 for the self-test.
constexpr Int32 Seitenanzahl = 10;
constexpr Int32 SeiteGraph = 8;
constexpr Int32 SeiteTest = 9;

// The size of the page images: the graph's and every other page's. The graph image holds the drawing of
// the range window's start values at 96 pixels per inch (17 units of 1 cm below a margin of 1.5 cm, 700
// rows) with the label of the lowest tick. A page of lines is less high where the window shows less of it.
constexpr int SeitenbildBreite = 977;
constexpr int SeitenbildHoehe = 665;
constexpr int GraphbildBreite = 981;
constexpr int GraphbildHoehe = 710;

// A page image: a picture of fixed size with the canvas that draws on it.
class TSeitenbild : public QWidget {
    Q_OBJECT

public:
    TSeitenbild(int breite, int hoehe, QWidget* parent = nullptr);

    // Gives the picture a new size (white) when it has another one.
    void SetzeGroesse(int breite, int hoehe);
    // Ends the canvas's painting and shows the picture as it is.
    void Zeige();

    QImage Bild;
    TQtLeinwand Leinwand;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

// An up-down control: two arrow buttons that step a number shown in a read-only edit.
class TAufAb : public QWidget {
    Q_OBJECT

public:
    TAufAb(QLineEdit* partner, int minimum, int maximum, int position, QWidget* parent = nullptr);

    int Position() const { return Wert; }
    void SetzePosition(int position);
    int Minimum() const { return Min; }
    int Maximum() const { return Max; }

    QToolButton* HochKnopf;
    QToolButton* RunterKnopf;

signals:
    // After a click that changed the position; hoch for the up arrow.
    void Geklickt(bool hoch);

private:
    void Schritt(int d);
    QLineEdit* Partner;
    int Min, Max, Wert;
};

// The calls of the step driver, in the order of its table. They default to the steps themselves; tests
// put stand-ins in their place to watch the driver.
struct TSchrittfunktionen {
    std::function<void(const std::string&)> Allgemeines;
    std::function<void(bool)> Nullstellen;
    std::function<void()> EineNullstelle;
    std::function<void(bool)> Schnittstellen;
    std::function<void()> Polynomzerlegung;
    std::function<void()> Polstellen;
    std::function<void()> Partialbrueche;
    std::function<void(bool)> Ableitungen;
    std::function<void()> Extremstellen;
    std::function<void()> Wendestellen;
    std::function<void(TTerm*, TTerm*)> Integral;
    std::function<void(TTerm*, TTerm*)> Flaecheninhalt;
    std::function<void()> Graph;
    std::function<void(const TGittertexte&, const TGittertexte&)> LGS;
    std::function<void(const std::string&)> Test;

    // The steps themselves.
    static TSchrittfunktionen Standard();
};

// The inputs of a request. A print run uses those of the last screen request.
struct TAnfrageEingaben {
    std::string F, G, A, B, H, Epsilon, Startwert;
    Int32 Naeherungsmethode = 1;
    bool Funktionen = true;
    TGittertexte Matrix, Rechts;
};

class THauptForm : public QMainWindow, public THauptfensterZugang {
    Q_OBJECT

public:
    // Creates the controls as designed, sets the output font and reads the inputs from the INI file.
    explicit THauptForm(QWidget* parent = nullptr);
    ~THauptForm() override;

    // The size the window opens at on a screen whose free area is Verfuegbar: its full size, or less with
    // room for the window's frame where the screen is smaller (the sheets then scroll).
    QSize Startgroesse(const QSize& Verfuegbar) const;

    // ---- controls ----
    QLineEdit* FTermEdit;
    QLineEdit* GTermEdit;
    QLineEdit* AEdit;
    QLineEdit* BEdit;
    QPushButton* StartButton;
    QPushButton* TestButton;
    QPushButton* EndeButton;
    QPushButton* DruckenButton;
    QPushButton* StrukturButton;
    QPushButton* TestSuiteButton;
    QScrollBar* ScrollBar1;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel0;
    QLabel* SchritteLabel;
    QListWidget* SchritteLV;
    QTabWidget* PageControl1;
    // The sheets in tab order (index = TBlatt).
    std::array<QWidget*, 12> Blaetter{};
    // The output pages 0 to 9.
    std::array<TSeitenbild*, Seitenanzahl> Seitenbilder{};
    // The frame in which the graph's image scrolls.
    QScrollArea* GraphRahmen = nullptr;
    QToolButton* LinksBtn;
    QToolButton* RechtsBtn;
    QToolButton* ObenBtn;
    QToolButton* UntenBtn;
    QToolButton* ZoomInBtn;
    QToolButton* ZoomOutBtn;
    QTableWidget* MatrixGrid;
    QTableWidget* BGrid;
    QLineEdit* ZeilenEdit;
    TAufAb* ZeilenUpDown;
    QLineEdit* SpaltenEdit;
    TAufAb* SpaltenUpDown;
    QListWidget* GeometrischeObjekteLB;
    QPushButton* AddButton;
    QMenu* AddPUM;
    QCheckBox* KoordinatensystemCB;
    TSeitenbild* VektorenImage;
    QFontDialog* FontDialog;
    QPageSetupDialog* PrinterSetupDialog1 = nullptr;
    // Menus: "Sachgebiet" with "Funktionen" and "Lineare Gleichungen", "Schritte", "Optionen", "Font",
    // "Graph" with "Grafik", "Karte", "Projektion", "Drucker" with "Auswahl", "Hilfe", "Test".
    QMenu* SachgebietMenu;
    QAction* Funktionen1;
    QAction* Vektorrechnung1;
    QAction* Schritte1;
    QAction* Optionen1;
    QAction* Font1;
    QMenu* GraphMenu;
    QAction* Grafik1;
    QAction* Karte1;
    QAction* Projektion1;
    QMenu* DruckerMenu;
    QAction* Auswahl1;
    QAction* Hilfe1;
    QAction* Test1;

    // The calls of the step driver.
    TSchrittfunktionen Schrittfunktionen = TSchrittfunktionen::Standard();

    // ---- pages ----
    // The line list of each page (null until the page is first prepared) and its first line on screen.
    std::array<std::unique_ptr<TZeilenliste>, Seitenanzahl> Seitenlisten;
    std::array<Int32, Seitenanzahl> Seitenanfang{};

    // ---- handlers ----
    void FormCreate();
    void FormShow() {}
    void StartButtonClick();
    void TestButtonClick();
    void EndeButtonClick();
    void DruckenButtonClick();
    // Scroll codes: 0 line up, 1 line down, 2 page up, 3 page down, 8 end of a thumb drag (to Position).
    void ScrollBar1Scroll(int code, int position);
    void Funktionen1Click();
    void Vektorrechnung1Click();
    void Font1Click();
    void FontDialogApply();
    void Schritte1Click();
    void Optionen1Click();
    void GrafikClick();
    void KarteClick();
    void ProjektionClick();
    void Test1Click();
    void TestSuiteButtonClick();
    void Punkt1Click();
    void Gerade1Click();
    void Auswahl1Click();
    void Hilfe1Click();
    void StrukturButtonClick();
    void VerschiebenBtnClick(QToolButton* knopf);
    void ZoomBtnClick(QToolButton* knopf);
    void LGSSheetShow();
    void ZeilenUpDownClick();
    void SpaltenUpDownClick();
    void AddButtonClick();
    // Draws onto a white VektorenImage the axes (when KoordinatensystemCB is set) and every object of
    // GeometrischeObjekteLB in list order, through the current projection.
    void ZeichneGeometrischeObjekte();
    // Appends an object to GeometrischeObjekteLB: its name as the item's text, the object attached.
    void FuegeObjektHinzu(Vektoren::TGeometrischesObjekt* Objekt);

    // Prepares page k: its image becomes the output target and a new empty line list the current page.
    // Without mitGraph page 8 is prepared for lines alone (on paper it needs no room for a graph).
    void BereiteSeiteVor(Int32 k, bool mitGraph = true);
    // Draws the graph again after its range or scale changed: when the graph step is chosen and the graph
    // image is not hidden (an inactive sheet counts), page 8 is prepared and the graph step runs. False when
    // nothing was drawn (another step not chosen, or a request is under way).
    bool ZeichneGraphNeu();
    // The step driver.
    void FuehreSchritteAus();
    // Prints onto a printer that is set up already (the print dialog was confirmed): the request, or the
    // test on the test sheet, runs again with the printer as target. The screen pages stay as they were.
    // False when nothing was printed because a request, test or print run is under way.
    bool Drucke(QPrinter& drucker);
    // Runs a run of the regression test suite, which writes onto the current page (the test sheet's before
    // any page exists, and in place of the graph): no other run starts meanwhile, the progress window can
    // abort it, and the page is shown from its first line afterwards. False, with nothing run, while a run
    // is under way.
    bool FuehreTestSuiteAus(const std::function<void()>& lauf);

    // True while a request, test or print run is under way; the buttons that would start another one
    // then do nothing.
    bool Beschaeftigt() const { return Laeuft; }
    bool DruckLaeuft() const { return Drucken; }
    // The text of an input: the edit field (the step width from the step-choice window), or while
    // printing the one the last screen request used.
    std::string Eingabe(TEingabefeld feld) const;
    // The method of the numerical zero in the step-choice window (1 without it), or while printing the one
    // the last screen request used.
    Int32 Naeherungsmethode() const;
    // The mode: true for "Funktionen", false for "Vektorrechnung".
    bool ModusFunktionen() const;
    // The index of the page shown on the active sheet, or -1 when the sheet has no page.
    Int32 AktiveSeite() const;
    // The font of the window's own canvas, which a confirmed font dialog sets.
    const QFont& EigeneLeinwandSchrift() const { return LeinwandSchrift; }
    // The font the pages use, which the font dialog starts with.
    QFont Seitenschrift() const;
    // The height of the images of the pages of lines: the height their sheets show, at most
    // SeitenbildHoehe.
    int Seitenbildhoehe() const { return Bildhoehe; }
    // The part of the graph's image in view (all of it while the window is not shown).
    QSize SichtbareGraphgroesse() const;

    // ---- THauptfensterZugang ----
    void SetzeBlattSichtbar(TBlatt blatt, bool sichtbar) override;
    void LeereSchrittliste() override;
    Int32 FuegeSchrittHinzu(const std::string& text) override;
    void SetzeSchrittAbgehakt(Int32 eintrag, bool abgehakt) override;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void BaueOberflaeche();
    QWidget* BaueEingabebereich();
    void BaueBlaetter();
    void BaueMenues();
    // One request, without the check for a run under way.
    void FuehreAnfrageAus();
    void FuehreTestAus();
    // Stops the driver after a step that the user aborted.
    void PruefeAbbruch();
    // Whether a chosen step writes onto page k (1 to 8).
    bool SeiteGewaehlt(Int32 k) const;
    // After a request that ended early in the step Schritt: every page of a chosen step that did not run
    // gets one line saying why. The second form lets no failure out.
    void MeldeAusgelasseneSeiten(const std::string& grund);
    void MeldeAusgelasseneSeitenSicher(const std::string& grund);
    void HakeAb(Int32 schritt);
    void ZeigeSpeicher();
    // Closes the progress window and gives the keyboard back to the main window: to the input field that
    // had it last, else to f(x) (the matrix in the linear-systems subject, where the sheets take it when the
    // grids are not shown).
    void SchliesseAbbruchfenster();
    // Draws the current page from line 0 after a failed request, without letting a second failure out.
    void ZeichneNachFehler();
    // Shows every page image as drawn and sets the scroll bar to the active page.
    void ZeigeSeiten();
    // Empties pages von to bis: no lines, a white image, the first line 0.
    void LeereSeiten(Int32 von, Int32 bis);
    // After a change of mode: page 0, the inputs to print and "Drucken" change places with the other
    // subject's; the analysis pages stay.
    void WechsleModus();
    // Sets the scroll bar to the active page, and shows it only on a sheet of lines.
    void AktualisiereScrollBar();
    // A sheet of lines shows hoehe pixels: the images of these pages take that height (at once, or after a
    // request under way).
    void SichtbareSeitenhoehe(int hoehe);
    void PasseSeitenbilderAn();
    // Gives page k's image the current height, where it has another, and draws it again from its first line
    // shown.
    void PasseSeitenbildAn(Int32 k);
    void MerkeEingaben();
    TGittertexte Gittertexte(const QTableWidget* gitter) const;
    void PasseGitterAn();
    void ZeigeHilfe(const QString& anker);

    // The input field (edit or grid) that had the keyboard last.
    QPointer<QWidget> LetztesEingabefeld;
    // The height of the images of the pages of lines, and the height their sheets show.
    int Bildhoehe = SeitenbildHoehe;
    int GezeigteHoehe = SeitenbildHoehe;
    QMetaObject::Connection Fokuswache;
    QFont LeinwandSchrift;
    THilfeForm* HilfeForm = nullptr;
    std::unique_ptr<QPrinter> Drucker;
    TAnfrageEingaben LetzteEingaben;
    bool Laeuft = false;
    bool Drucken = false;
    // The step list's caption of the step under way in the driver ("Allgemeines" first), null outside.
    const char* Schritt = nullptr;
    // The subject not shown: its page 0 (lines, picture, first line), the inputs of its last request and
    // whether it can be printed; they change places with the shown subject's at every switch.
    struct TSachgebiet {
        std::unique_ptr<TZeilenliste> Liste;
        QImage Bild;
        Int32 Anfang = 0;
        TAnfrageEingaben Eingaben;
        bool Druckbar = false;
    };
    TSachgebiet Anderes;
};

// The one main window (null while none exists).
extern THauptForm* HauptForm;

// Prepares page k of the main window (see THauptForm::BereiteSeiteVor).
void BereiteSeiteVor(Int32 k);
// The step driver of the main window.
void FuehreSchritteAus();

} // namespace zol
