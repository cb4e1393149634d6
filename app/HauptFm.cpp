// The main window: its controls, menus and the handlers that do not run a request.
#include "app/HauptFm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include "app/Grafik.h"
#include "app/GrafikFm.h"
#include "app/Hilfe.h"
#include "app/IniDatei.h"
#include "app/Karten.h"
#include "app/Optionen.h"
#include "app/Schritte.h"
#include "app/Struktur.h"
#include "geometry/GeradeFm.h"
#include "geometry/ProjektionFm.h"
#include "geometry/PunktFm.h"
#include "geometry/Vektoren.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Weltzeichnung.h"
#include "plattform/Leinwand.h"
#include "selftest/TestFm.h"
#include "selftest/TestSuiteFm.h"
#include "steps/Allgemeines.h"
#include "term/Fehler.h"

namespace zol {

THauptForm* HauptForm = nullptr;

// ---- page image ----

TSeitenbild::TSeitenbild(int breite, int hoehe, QWidget* parent)
    : QWidget(parent), Bild(NeuesSeitenbild(breite, hoehe)), Leinwand(Bild) {
    setFixedSize(breite, hoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSeitenbild::SetzeGroesse(int breite, int hoehe) {
    if (Bild.width() == breite && Bild.height() == hoehe) return;
    // The canvas keeps pointing at Bild; only its painting must end before the picture is replaced.
    Leinwand.Beende();
    Bild = NeuesSeitenbild(breite, hoehe);
    setFixedSize(breite, hoehe);
}

void TSeitenbild::Zeige() {
    Leinwand.Beende();
    update();
}

void TSeitenbild::paintEvent(QPaintEvent*) {
    // The event loop runs between drawing calls only, so the canvas can end its painting here; its next
    // drawing call begins again.
    Leinwand.Beende();
    QPainter p(this);
    p.drawImage(0, 0, Bild);
}

// ---- up-down control ----

TAufAb::TAufAb(QLineEdit* partner, int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent), Partner(partner), Min(minimum), Max(maximum), Wert(position) {
    HochKnopf = new QToolButton(this);
    HochKnopf->setArrowType(Qt::UpArrow);
    RunterKnopf = new QToolButton(this);
    RunterKnopf->setArrowType(Qt::DownArrow);
    for (QToolButton* k : {HochKnopf, RunterKnopf}) {
        k->setFixedSize(18, 12);
        k->setAutoRepeat(true);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(HochKnopf);
    layout->addWidget(RunterKnopf);
    connect(HochKnopf, &QToolButton::clicked, this, [this] { Schritt(1); });
    connect(RunterKnopf, &QToolButton::clicked, this, [this] { Schritt(-1); });
    SetzePosition(position);
}

void TAufAb::SetzePosition(int position) {
    Wert = std::clamp(position, Min, Max);
    if (Partner != nullptr) Partner->setText(QString::number(Wert));
}

void TAufAb::Schritt(int d) {
    int alt = Wert;
    SetzePosition(Wert + d);
    if (Wert != alt) emit Geklickt(d > 0);
}

// ---- construction ----

namespace {

// The frame of a page image. The graph's scrolls where the window is smaller than its image (a screen of 768
// rows). A page of lines does not scroll here, as its own scroll bar moves it by lines: its image takes the
// frame's height, which the frame reports. The frame asks for the whole image's size, so that the window
// opens as large as the page images where the screen has room.
class TBlattRahmen : public QScrollArea {
public:
    TBlattRahmen(QWidget* blatt, QWidget* parent, std::function<void(int)> hoehe = {})
        : QScrollArea(parent), Hoehe(std::move(hoehe)) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(blatt);
        if (Hoehe) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    QSize sizeHint() const override { return widget()->sizeHint(); }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    bool viewportEvent(QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Resize && Hoehe) Hoehe(viewport()->height());
        return QScrollArea::viewportEvent(ereignis);
    }

private:
    std::function<void(int)> Hoehe;
};

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

QLabel* Beschriftung(const char* s, QWidget* eltern) {
    return new QLabel(Text(s), eltern);
}

// A string grid: no fixed rows or columns, editable, with the cell sizes of the design.
QTableWidget* NeuesGitter(int zeilen, int spalten, QWidget* eltern) {
    auto* g = new QTableWidget(zeilen, spalten, eltern);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setDefaultSectionSize(64);
    g->verticalHeader()->setDefaultSectionSize(24);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEditTriggers(QAbstractItemView::AllEditTriggers);
    return g;
}

} // namespace

THauptForm::THauptForm(QWidget* parent) : QMainWindow(parent) {
    HauptForm = this;
    Drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Margins of a handout, the same on every side; the page set-up can change them.
    Drucker->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    BaueOberflaeche();
    FormCreate();
}

THauptForm::~THauptForm() {
    // The fields go with the window's children, whose focus changes may still be reported.
    disconnect(Fokuswache);
    // Neither the current page nor the current canvas may outlive the window.
    for (const auto& liste : Seitenlisten)
        if (liste && Zeilenliste == liste.get()) SetzeZeilenliste(nullptr);
    if (Anderes.Liste && Zeilenliste == Anderes.Liste.get()) SetzeZeilenliste(nullptr);
    for (TSeitenbild* bild : Seitenbilder)
        if (bild != nullptr && &Leinwand() == &bild->Leinwand) SetzeLeinwand(nullptr);
    if (&Leinwand() == &VektorenImage->Leinwand) SetzeLeinwand(nullptr);
    if (HauptForm == this) HauptForm = nullptr;
}

QSize THauptForm::Startgroesse(const QSize& Verfuegbar) const {
    const QSize platz = Verfuegbar - QSize(16, 48);
    QSize groesse = sizeHint();
    // A sheet that scrolls up and down needs room for its scroll bar beside the page.
    if (groesse.height() > platz.height())
        groesse.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return groesse.boundedTo(platz).expandedTo(minimumSizeHint());
}

void THauptForm::BaueOberflaeche() {
    // The caption is the mode.
    setWindowTitle(Text("Funktionen"));

    auto* zentrum = new QWidget(this);
    auto* layout = new QVBoxLayout(zentrum);
    layout->setContentsMargins(6, 6, 6, 2);
    layout->setSpacing(6);
    layout->addWidget(BaueEingabebereich());

    BaueBlaetter();
    ScrollBar1 = new QScrollBar(Qt::Vertical, zentrum);
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    // Shown on the sheets of lines only; its room stays, so that the sheets do not change their width.
    QSizePolicy leiste = ScrollBar1->sizePolicy();
    leiste.setRetainSizeWhenHidden(true);
    ScrollBar1->setSizePolicy(leiste);
    auto* seitenzeile = new QHBoxLayout;
    seitenzeile->setSpacing(2);
    seitenzeile->addWidget(PageControl1);
    seitenzeile->addWidget(ScrollBar1);
    layout->addLayout(seitenzeile, 1);
    setCentralWidget(zentrum);

    StatusBar1 = new QStatusBar(this);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel0);
    setStatusBar(StatusBar1);

    BaueMenues();

    FontDialog = new QFontDialog(this);
    FontDialog->setWindowTitle(Text("Schriftart"));
    FontDialog->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    if (auto* knoepfe = FontDialog->findChild<QDialogButtonBox*>()) {
        QPushButton* uebernehmen = knoepfe->addButton(Text("Übernehmen"), QDialogButtonBox::ApplyRole);
        connect(uebernehmen, &QPushButton::clicked, this, [this] { FontDialogApply(); });
    }

    connect(StartButton, &QPushButton::clicked, this, [this] { StartButtonClick(); });
    connect(TestButton, &QPushButton::clicked, this, [this] { TestButtonClick(); });
    connect(EndeButton, &QPushButton::clicked, this, [this] { EndeButtonClick(); });
    connect(DruckenButton, &QPushButton::clicked, this, [this] { DruckenButtonClick(); });
    connect(StrukturButton, &QPushButton::clicked, this, [this] { StrukturButtonClick(); });
    connect(TestSuiteButton, &QPushButton::clicked, this, [this] { TestSuiteButtonClick(); });
    connect(ScrollBar1, &QScrollBar::actionTriggered, this, [this](int aktion) {
        switch (aktion) {
        case QAbstractSlider::SliderSingleStepSub:
            ScrollBar1Scroll(0, ScrollBar1->sliderPosition());
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            ScrollBar1Scroll(1, ScrollBar1->sliderPosition());
            break;
        case QAbstractSlider::SliderPageStepSub:
            ScrollBar1Scroll(2, ScrollBar1->sliderPosition());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            ScrollBar1Scroll(3, ScrollBar1->sliderPosition());
            break;
        case QAbstractSlider::SliderMove:
            // A move without a drag (the wheel) ends where it stops.
            if (!ScrollBar1->isSliderDown()) ScrollBar1Scroll(8, ScrollBar1->sliderPosition());
            break;
        default:
            break;
        }
        // The bar shows the first line actually drawn; a thumb being dragged stays under the mouse until it
        // is let go, or the drag would be undone at every move.
        Int32 seite = AktiveSeite();
        if (seite >= 0 && !ScrollBar1->isSliderDown())
            ScrollBar1->setSliderPosition(Seitenanfang[size_t(seite)]);
    });
    connect(ScrollBar1, &QScrollBar::sliderReleased, this, [this] {
        ScrollBar1Scroll(8, ScrollBar1->sliderPosition());
        AktualisiereScrollBar();
    });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == int(TBlatt::LGS)) LGSSheetShow();
        AktualisiereScrollBar();
    });
    AktualisiereScrollBar();
    FTermEdit->installEventFilter(this);
    // The input field that had the keyboard last gets it back after a request (a cell's editor counts as its
    // grid).
    Fokuswache = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* jetzt) {
        for (QWidget* w = jetzt; w != nullptr && w != this; w = w->parentWidget())
            for (QWidget* feld : {static_cast<QWidget*>(FTermEdit), static_cast<QWidget*>(GTermEdit),
                                  static_cast<QWidget*>(AEdit), static_cast<QWidget*>(BEdit),
                                  static_cast<QWidget*>(MatrixGrid), static_cast<QWidget*>(BGrid)})
                if (w == feld) {
                    LetztesEingabefeld = feld;
                    return;
                }
    });

    auto* hilfeTaste = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(hilfeTaste, &QShortcut::activated, this, [this] {
        // The f field's help context is the input syntax.
        ZeigeHilfe(FTermEdit->hasFocus() ? HilfeAnker(FTermEdit->property("Hilfekontext").toInt())
                                         : QString());
    });
}

QWidget* THauptForm::BaueEingabebereich() {
    auto* bereich = new QWidget(this);
    FTermEdit = new QLineEdit(bereich);
    FTermEdit->setProperty("Hilfekontext", 1001);
    GTermEdit = new QLineEdit(bereich);
    AEdit = new QLineEdit(bereich);
    BEdit = new QLineEdit(bereich);
    for (QLineEdit* e : {AEdit, BEdit}) e->setFixedWidth(80);
    QFont eingabeSchrift = FTermEdit->font();
    eingabeSchrift.setPointSize(eingabeSchrift.pointSize() + 1);
    for (QLineEdit* e : {FTermEdit, GTermEdit, AEdit, BEdit}) e->setFont(eingabeSchrift);

    StartButton = new QPushButton(Text("Start"), bereich);
    TestButton = new QPushButton(Text("Testen"), bereich);
    TestButton->setEnabled(false);
    EndeButton = new QPushButton(Text("Ende"), bereich);
    DruckenButton = new QPushButton(Text("Drucken"), bereich);
    DruckenButton->setEnabled(false);
    StrukturButton = new QPushButton(Text("Struktur"), bereich);
    StrukturButton->setVisible(false);
    TestSuiteButton = new QPushButton(Text("TestSuite"), bereich);
    TestSuiteButton->setVisible(false);
    for (QPushButton* k : {StartButton, TestButton, EndeButton, DruckenButton}) k->setMinimumWidth(90);

    // The step list runs in columns, so that all chosen steps fit. It is disabled (only the program
    // ticks it), but its items keep the normal text colour so that the ticks stay readable.
    SchritteLV = new QListWidget(bereich);
    SchritteLV->setFlow(QListView::TopToBottom);
    SchritteLV->setWrapping(true);
    SchritteLV->setResizeMode(QListView::Adjust);
    SchritteLV->setFixedSize(326, 112);
    // Two columns of eight rows hold the most steps a request can have (fifteen), with no scroll bar to
    // take a row's room.
    SchritteLV->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SchritteLV->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SchritteLV->setGridSize(QSize(161, 13));
    QPalette listenfarben = SchritteLV->palette();
    for (QPalette::ColorRole rolle : {QPalette::Text, QPalette::WindowText})
        listenfarben.setColor(QPalette::Disabled, rolle, listenfarben.color(QPalette::Active, rolle));
    listenfarben.setColor(QPalette::Disabled, QPalette::Base,
                          listenfarben.color(QPalette::Active, QPalette::Base));
    SchritteLV->setPalette(listenfarben);
    SchritteLV->setEnabled(false);

    auto* eingaben = new QGridLayout;
    eingaben->setHorizontalSpacing(6);
    eingaben->setVerticalSpacing(6);
    eingaben->addWidget(Beschriftung("f(x) =", bereich), 0, 0);
    eingaben->addWidget(FTermEdit, 0, 1);
    eingaben->addWidget(Beschriftung("g(x) =", bereich), 1, 0);
    eingaben->addWidget(GTermEdit, 1, 1);
    auto* intervall = new QHBoxLayout;
    intervall->setSpacing(6);
    intervall->addWidget(Beschriftung("Basis-Intervall (leerlassen, wenn unendlich):", bereich));
    intervall->addSpacing(8);
    intervall->addWidget(Beschriftung("a =", bereich));
    intervall->addWidget(AEdit);
    intervall->addSpacing(8);
    intervall->addWidget(Beschriftung("b =", bereich));
    intervall->addWidget(BEdit);
    intervall->addStretch();
    eingaben->addLayout(intervall, 2, 1);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->setSpacing(5);
    for (QPushButton* k :
         {StartButton, TestButton, DruckenButton, EndeButton, StrukturButton, TestSuiteButton})
        knoepfe->addWidget(k);
    knoepfe->addStretch();

    auto* liste = new QVBoxLayout;
    liste->setSpacing(2);
    SchritteLabel = Beschriftung("Arbeitsschritte:", bereich);
    liste->addWidget(SchritteLabel);
    // The list belongs to the analysis; in the other subject it is hidden and its room stays empty, so that
    // nothing moves.
    for (QWidget* w : {static_cast<QWidget*>(SchritteLabel), static_cast<QWidget*>(SchritteLV)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
    liste->addWidget(SchritteLV);
    liste->addStretch();

    auto* zeile = new QHBoxLayout(bereich);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(14);
    zeile->addLayout(eingaben, 1);
    zeile->addLayout(liste);
    zeile->addLayout(knoepfe);
    return bereich;
}

void THauptForm::BaueBlaetter() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setDocumentMode(false);
    const char* const titel[12] = {"Allgemeines",  "Nullstellen etc.",
                                   "Polstellen",   "Partialbruch-Zerlegung",
                                   "Ableitungen",  "Extremstellen",
                                   "Wendestellen", "Integral",
                                   "Graph",        "Test",
                                   "LGS",          "Vektoren"};
    for (int i = 0; i < 12; ++i) {
        auto* blatt = new QWidget(PageControl1);
        blatt->setObjectName(QString::fromUtf8(titel[i]));
        blatt->setAutoFillBackground(true);
        Blaetter[size_t(i)] = blatt;
        // The graph sheet's image scrolls in a frame of its own, above its buttons.
        if (i < Seitenanzahl && i != SeiteGraph)
            PageControl1->addTab(
                new TBlattRahmen(blatt, PageControl1, [this](int hoehe) { SichtbareSeitenhoehe(hoehe); }),
                Text(titel[i]));
        else
            PageControl1->addTab(blatt, Text(titel[i]));
    }

    // Pages 0 to 7 and 9: the page image alone.
    for (int k = 0; k < Seitenanzahl; ++k) {
        if (k == SeiteGraph) continue;
        QWidget* blatt = Blaetter[size_t(k)];
        // The sheet is paper-white around the page image, so that no band shows below it.
        QPalette papier = blatt->palette();
        papier.setColor(QPalette::Window, Qt::white);
        blatt->setPalette(papier);
        auto* bild = new TSeitenbild(SeitenbildBreite, SeitenbildHoehe, blatt);
        auto* l = new QVBoxLayout(blatt);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(bild, 0, Qt::AlignLeft | Qt::AlignTop);
        Seitenbilder[size_t(k)] = bild;
    }

    // The graph sheet: its image, which scrolls where the window is smaller, and below it the six pan and
    // zoom buttons, always in view.
    {
        QWidget* blatt = Blaetter[size_t(TBlatt::Graph)];
        auto* flaeche = new QWidget;
        QPalette papier = flaeche->palette();
        papier.setColor(QPalette::Window, Qt::white);
        flaeche->setPalette(papier);
        flaeche->setAutoFillBackground(true);
        auto* bild = new TSeitenbild(GraphbildBreite, GraphbildHoehe, flaeche);
        auto* bl = new QVBoxLayout(flaeche);
        bl->setContentsMargins(0, 0, 0, 0);
        bl->addWidget(bild, 0, Qt::AlignLeft | Qt::AlignTop);
        GraphRahmen = new TBlattRahmen(flaeche, blatt);
        Seitenbilder[SeiteGraph] = bild;
        auto neuerKnopf = [blatt](Qt::ArrowType pfeil, const char* text, const char* hinweis) {
            auto* k = new QToolButton(blatt);
            if (pfeil != Qt::NoArrow) k->setArrowType(pfeil);
            k->setText(Text(text));
            k->setToolTip(Text(hinweis));
            k->setToolButtonStyle(pfeil != Qt::NoArrow ? Qt::ToolButtonTextBesideIcon
                                                       : Qt::ToolButtonTextOnly);
            k->setMinimumWidth(86);
            return k;
        };
        LinksBtn = neuerKnopf(Qt::LeftArrow, "Links", "Ausschnitt nach links verschieben");
        RechtsBtn = neuerKnopf(Qt::RightArrow, "Rechts", "Ausschnitt nach rechts verschieben");
        ObenBtn = neuerKnopf(Qt::UpArrow, "Oben", "Ausschnitt nach oben verschieben");
        UntenBtn = neuerKnopf(Qt::DownArrow, "Unten", "Ausschnitt nach unten verschieben");
        ZoomInBtn = neuerKnopf(Qt::NoArrow, "Zoom +", "vergrößern");
        ZoomOutBtn = neuerKnopf(Qt::NoArrow, "Zoom −", "verkleinern");
        auto* knoepfe = new QHBoxLayout;
        knoepfe->setSpacing(6);
        for (QToolButton* k : {LinksBtn, RechtsBtn, ObenBtn, UntenBtn})
            connect(k, &QToolButton::clicked, this, [this, k] { VerschiebenBtnClick(k); });
        for (QToolButton* k : {ZoomInBtn, ZoomOutBtn})
            connect(k, &QToolButton::clicked, this, [this, k] { ZoomBtnClick(k); });
        for (QToolButton* k : {LinksBtn, RechtsBtn, ObenBtn, UntenBtn, ZoomInBtn, ZoomOutBtn}) {
            knoepfe->addWidget(k);
        }
        knoepfe->addStretch();
        auto* l = new QVBoxLayout(blatt);
        l->setContentsMargins(0, 0, 0, 4);
        l->setSpacing(4);
        l->addWidget(GraphRahmen, 1);
        l->addLayout(knoepfe);
    }

    // The linear-systems sheet: the coefficient matrix, the right-hand side and their sizes.
    {
        QWidget* blatt = Blaetter[size_t(TBlatt::LGS)];
        MatrixGrid = NeuesGitter(2, 2, blatt);
        BGrid = NeuesGitter(2, 1, blatt);
        ZeilenEdit = new QLineEdit(blatt);
        SpaltenEdit = new QLineEdit(blatt);
        for (QLineEdit* e : {ZeilenEdit, SpaltenEdit}) {
            e->setReadOnly(true);
            e->setFixedWidth(36);
            e->setAlignment(Qt::AlignRight);
        }
        ZeilenUpDown = new TAufAb(ZeilenEdit, 2, 15, 2, blatt);
        SpaltenUpDown = new TAufAb(SpaltenEdit, 2, 15, 2, blatt);
        connect(ZeilenUpDown, &TAufAb::Geklickt, this, [this] { ZeilenUpDownClick(); });
        connect(SpaltenUpDown, &TAufAb::Geklickt, this, [this] { SpaltenUpDownClick(); });

        auto* groessen = new QHBoxLayout;
        groessen->setSpacing(4);
        groessen->addWidget(Beschriftung("Zeilen:", blatt));
        groessen->addWidget(ZeilenEdit);
        groessen->addWidget(ZeilenUpDown);
        groessen->addSpacing(20);
        groessen->addWidget(Beschriftung("Spalten:", blatt));
        groessen->addWidget(SpaltenEdit);
        groessen->addWidget(SpaltenUpDown);
        groessen->addStretch();

        auto* gitter = new QGridLayout;
        gitter->setHorizontalSpacing(16);
        gitter->addWidget(Beschriftung("Koeffizientenmatrix A:", blatt), 0, 0);
        gitter->addWidget(Beschriftung("rechte Seite b:", blatt), 0, 1);
        gitter->addWidget(MatrixGrid, 1, 0, Qt::AlignLeft | Qt::AlignTop);
        gitter->addWidget(BGrid, 1, 1, Qt::AlignLeft | Qt::AlignTop);
        gitter->setColumnStretch(2, 1);

        auto* l = new QVBoxLayout(blatt);
        l->setContentsMargins(12, 12, 12, 12);
        l->setSpacing(10);
        l->addLayout(groessen);
        l->addLayout(gitter);
        l->addStretch();
        PasseGitterAn();
    }

    // The vectors sheet: the geometric objects and their drawing, whose image has the graph image's size, so
    // that the range window's size check holds for both. The sheet is hidden and does not widen the window.
    {
        QWidget* blatt = Blaetter[size_t(TBlatt::Vektoren)];
        blatt->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        GeometrischeObjekteLB = new QListWidget(blatt);
        GeometrischeObjekteLB->setFixedWidth(200);
        AddButton = new QPushButton(Text("Hinzufügen"), blatt);
        KoordinatensystemCB = new QCheckBox(Text("Koordinatensystem zeichnen"), blatt);
        KoordinatensystemCB->setChecked(true);
        VektorenImage = new TSeitenbild(GraphbildBreite, GraphbildHoehe, blatt);
        AddPUM = new QMenu(blatt);
        for (const char* eintrag : {"Punkt", "Strecke", "Vektor", "Pfeil", "Gerade", "Ebene"}) {
            QAction* a = AddPUM->addAction(Text(eintrag));
            if (std::string(eintrag) == "Punkt")
                connect(a, &QAction::triggered, this, [this] { Punkt1Click(); });
            if (std::string(eintrag) == "Gerade")
                connect(a, &QAction::triggered, this, [this] { Gerade1Click(); });
        }
        connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });

        auto* links = new QVBoxLayout;
        links->addWidget(Beschriftung("Objekte:", blatt));
        links->addWidget(GeometrischeObjekteLB, 1);
        links->addWidget(AddButton);
        links->addWidget(KoordinatensystemCB);
        auto* l = new QHBoxLayout(blatt);
        l->setContentsMargins(8, 8, 8, 8);
        l->addLayout(links);
        l->addWidget(VektorenImage, 0, Qt::AlignLeft | Qt::AlignTop);
        l->addStretch();
    }

    SetzeBlattSichtbar(TBlatt::Test, false);
    SetzeBlattSichtbar(TBlatt::Vektoren, false);
    // The wheel over a page scrolls it as over the scroll bar.
    for (TSeitenbild* bild : Seitenbilder) bild->installEventFilter(this);
}

void THauptForm::BaueMenues() {
    QMenuBar* leiste = menuBar();
    SachgebietMenu = leiste->addMenu(Text("Sachgebiet"));
    Funktionen1 = SachgebietMenu->addAction(Text("Funktionen"));
    Vektorrechnung1 = SachgebietMenu->addAction(Text("Lineare Gleichungen"));
    Schritte1 = leiste->addAction(Text("Schritte"));
    Optionen1 = leiste->addAction(Text("Optionen"));
    Font1 = leiste->addAction(Text("Font"));
    GraphMenu = leiste->addMenu(Text("Graph"));
    Grafik1 = GraphMenu->addAction(Text("Grafik"));
    Karte1 = GraphMenu->addAction(Text("Karte"));
    Projektion1 = GraphMenu->addAction(Text("Projektion"));
    DruckerMenu = leiste->addMenu(Text("Drucker"));
    Auswahl1 = DruckerMenu->addAction(Text("Auswahl"));
    Hilfe1 = leiste->addAction(Text("Hilfe"));
    Test1 = leiste->addAction(Text("Test"));

    connect(Funktionen1, &QAction::triggered, this, [this] { Funktionen1Click(); });
    connect(Vektorrechnung1, &QAction::triggered, this, [this] { Vektorrechnung1Click(); });
    connect(Schritte1, &QAction::triggered, this, [this] { Schritte1Click(); });
    connect(Optionen1, &QAction::triggered, this, [this] { Optionen1Click(); });
    connect(Font1, &QAction::triggered, this, [this] { Font1Click(); });
    connect(Grafik1, &QAction::triggered, this, [this] { GrafikClick(); });
    connect(Karte1, &QAction::triggered, this, [this] { KarteClick(); });
    connect(Projektion1, &QAction::triggered, this, [this] { ProjektionClick(); });
    connect(Auswahl1, &QAction::triggered, this, [this] { Auswahl1Click(); });
    connect(Hilfe1, &QAction::triggered, this, [this] { Hilfe1Click(); });
    connect(Test1, &QAction::triggered, this, [this] { Test1Click(); });
}

void THauptForm::FormCreate() {
    Schriftgroesse = 10;
    TLeinwand& leinwand = Leinwand();
    leinwand.SetzeSchriftname("Times New Roman");
    leinwand.SetzeSchriftgroesse(Schriftgroesse);
    QFont ausgabe(QString::fromUtf8("Times New Roman"));
    ausgabe.setPointSize(Schriftgroesse);
    FontDialog->setCurrentFont(ausgabe);
    // The window's own canvas starts with the window's font.
    LeinwandSchrift = font();

    TIniDatei ini(IniDateiPfad());
    FTermEdit->setText(QString::fromStdString(ini.LiesString("Terme", "FTerm", "")));
    GTermEdit->setText(QString::fromStdString(ini.LiesString("Terme", "GTerm", "")));
    AEdit->setText(QString::fromStdString(ini.LiesString("Terme", "ATerm", "")));
    BEdit->setText(QString::fromStdString(ini.LiesString("Terme", "BTerm", "")));
    FTermEdit->setFocus();
}

// ---- THauptfensterZugang ----

void THauptForm::SetzeBlattSichtbar(TBlatt blatt, bool sichtbar) {
    // A hidden sheet is disabled as well, so that the keyboard cannot reach it either.
    PageControl1->setTabVisible(int(blatt), sichtbar);
    PageControl1->setTabEnabled(int(blatt), sichtbar);
}

void THauptForm::LeereSchrittliste() {
    SchritteLV->clear();
}

Int32 THauptForm::FuegeSchrittHinzu(const std::string& text) {
    auto* eintrag = new QListWidgetItem(QString::fromStdString(text), SchritteLV);
    eintrag->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    eintrag->setCheckState(Qt::Unchecked);
    return Int32(SchritteLV->count() - 1);
}

void THauptForm::SetzeSchrittAbgehakt(Int32 eintrag, bool abgehakt) {
    if (QListWidgetItem* e = SchritteLV->item(eintrag))
        e->setCheckState(abgehakt ? Qt::Checked : Qt::Unchecked);
}

// ---- handlers without a request ----

void THauptForm::closeEvent(QCloseEvent* ereignis) {
    SchreibeIniDatei(FTermEdit->text().toStdString(), GTermEdit->text().toStdString(),
                     AEdit->text().toStdString(), BEdit->text().toStdString());
    ereignis->accept();
}

bool THauptForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The graph's image scrolls in its frame.
    if (ereignis->type() == QEvent::Wheel && qobject_cast<TSeitenbild*>(objekt) != nullptr &&
        objekt != Seitenbilder[SeiteGraph]) {
        QApplication::sendEvent(ScrollBar1, ereignis);
        return true;
    }
    if (objekt == FTermEdit && ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_T && (taste->modifiers() & Qt::AltModifier)) {
            TestButtonClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void THauptForm::EndeButtonClick() {
    close();
}

bool THauptForm::ModusFunktionen() const {
    return windowTitle() == Text("Funktionen");
}

Int32 THauptForm::AktiveSeite() const {
    int index = PageControl1->currentIndex();
    return (index >= 0 && index < Seitenanzahl) ? Int32(index) : -1;
}

void THauptForm::WechsleModus() {
    // Page 0 shows the subject's own result; the analysis pages 1 to 8 are hidden in the other subject and
    // stay as they are.
    auto& liste = Seitenlisten[0];
    if (liste && Zeilenliste == liste.get()) SetzeZeilenliste(nullptr);
    std::swap(liste, Anderes.Liste);
    TSeitenbild* bild = Seitenbilder[0];
    bild->Leinwand.Beende();
    if (Anderes.Bild.isNull()) Anderes.Bild = NeuesSeitenbild(SeitenbildBreite, Bildhoehe);
    bild->Bild.swap(Anderes.Bild);
    std::swap(Seitenanfang[0], Anderes.Anfang);
    // The other subject's page was drawn at the height the window had then.
    PasseSeitenbildAn(0);
    // "Drucken" prints what the subject shows, with the inputs of its own last request.
    std::swap(LetzteEingaben, Anderes.Eingaben);
    const bool druckbar = DruckenButton->isEnabled();
    DruckenButton->setEnabled(Anderes.Druckbar);
    Anderes.Druckbar = druckbar;
    bild->Zeige();
    AktualisiereScrollBar();
}

void THauptForm::Vektorrechnung1Click() {
    if (!ModusFunktionen()) return;
    setWindowTitle(Text("Vektorrechnung"));
    Schritte1->setEnabled(false);
    GraphMenu->menuAction()->setEnabled(false);
    PageControl1->setTabText(int(TBlatt::Allgemeines), Text("Lösung"));
    for (int k = 1; k <= SeiteGraph; ++k) SetzeBlattSichtbar(TBlatt(k), false);
    SetzeBlattSichtbar(TBlatt::LGS, true);
    SchritteLabel->hide();
    SchritteLV->hide();
    // The step choice is the analysis's too: its OK would show the analysis sheets here.
    if (SchritteForm != nullptr) SchritteForm->hide();
    WechsleModus();
}

void THauptForm::Funktionen1Click() {
    const bool wechsel = !ModusFunktionen();
    setWindowTitle(Text("Funktionen"));
    Schritte1->setEnabled(true);
    GraphMenu->menuAction()->setEnabled(true);
    PageControl1->setTabText(int(TBlatt::Allgemeines), Text("Allgemeines"));
    SchritteLabel->show();
    SchritteLV->show();
    // The step window's OK action shows the sheets of the chosen steps, hides the LGS sheet and rebuilds
    // the step list; the steps of the last request that are still chosen keep their ticks.
    if (SchritteForm != nullptr) {
        std::array<bool, SchrittAnzahl> abgehakt{};
        for (size_t i = 0; i < SchrittAnzahl; ++i) {
            const QListWidgetItem* e = Schrittlisteneintraege[i] >= 0 && Schrittflags[i]
                                           ? SchritteLV->item(Schrittlisteneintraege[i])
                                           : nullptr;
            abgehakt[i] = e != nullptr && e->checkState() == Qt::Checked;
        }
        SchritteForm->OKButtonClick();
        for (size_t i = 0; i < SchrittAnzahl; ++i)
            if (abgehakt[i]) SchritteForm->SchrittAbhaken(Int32(i));
    }
    if (wechsel) WechsleModus();
}

QFont THauptForm::Seitenschrift() const {
    const TSchrift& s = Leinwand().Schrift();
    QFont f(QString::fromStdString(s.Name));
    // The family the pages are drawn in (a substitute where the named one is missing), which the font
    // dialog can select.
    f.setFamily(QFontInfo(f).family());
    // The pages' size, not the canvas's: that is the size of whatever was drawn last (an exponent, a label).
    f.setPointSize(Schriftgroesse);
    f.setBold(s.Stil & Fett);
    f.setItalic(s.Stil & Kursiv);
    f.setUnderline(s.Stil & Unterstrichen);
    f.setStrikeOut(s.Stil & Durchgestrichen);
    return f;
}

void THauptForm::Font1Click() {
    FontDialog->setCurrentFont(Seitenschrift());
    if (FontDialog->exec() != QDialog::Accepted) return;
    LeinwandSchrift = FontDialog->selectedFont();
    // OK also gives the output the chosen font, as "Übernehmen" does.
    FontDialogApply();
}

void THauptForm::FontDialogApply() {
    const QFont f = FontDialog->currentFont();
    TSchrift s;
    s.Name = f.family().toStdString();
    s.Groesse = f.pointSize() > 0 ? f.pointSize() : Schriftgroesse;
    s.Stil = TSchriftstil((f.bold() ? Fett : 0) | (f.italic() ? Kursiv : 0) |
                          (f.underline() ? Unterstrichen : 0) | (f.strikeOut() ? Durchgestrichen : 0));
    s.Farbe = Leinwand().Schrift().Farbe;
    Leinwand().SetzeSchrift(s);
    // Takes effect at the next request.
    Schriftgroesse = s.Groesse;
}

void THauptForm::Schritte1Click() {
    if (SchritteForm == nullptr) return;
    SchritteForm->show();
    SchritteForm->raise();
    SchritteForm->activateWindow();
}

void THauptForm::Optionen1Click() {
    if (OptionenForm == nullptr) return;
    OptionenForm->show();
    OptionenForm->raise();
    OptionenForm->activateWindow();
}

void THauptForm::StrukturButtonClick() {
    if (StrukturForm == nullptr) return;
    // New work of the user's: an abort of an earlier request does not end it.
    BenutzerAbbruch = false;
    try {
        StrukturForm->show();
        const std::pair<TTerm*, const char*> terme[] = {{FTerm, "eingegebener Term"},
                                                        {Ableitung1, "1. Ableitung"},
                                                        {Ableitung2, "2. Ableitung"},
                                                        {Ableitung3, "3. Ableitung"},
                                                        {Integralergebnis, "Stammfunktion"}};
        for (const auto& [T, beschriftung] : terme)
            if (T != nullptr) StrukturForm->FuegeHinzu(T, beschriftung);
        if (!StrukturForm->VerfuegbareTerme.empty())
            StrukturForm->ZeigeTermStruktur(StrukturForm->VerfuegbareTerme.front());
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, e.what());
    }
}

void THauptForm::GrafikClick() {
    if (GrafikForm == nullptr) return;
    GrafikForm->show();
    GrafikForm->raise();
    GrafikForm->activateWindow();
}

void THauptForm::KarteClick() {
    if (KarteForm != nullptr) KarteForm->exec();
}

void THauptForm::ProjektionClick() {
    if (ProjektionForm == nullptr) return;
    ProjektionForm->show();
    ProjektionForm->raise();
    ProjektionForm->activateWindow();
}

// The test window, non-modal; the choice it keeps is the procedure that Alt+T runs.
void THauptForm::Test1Click() {
    if (TestForm == nullptr) return;
    TestForm->show();
    TestForm->raise();
}

void THauptForm::TestSuiteButtonClick() {
    if (TestSuiteForm == nullptr) return;
    TestSuiteForm->show();
    TestSuiteForm->raise();
    TestSuiteForm->activateWindow();
}

void THauptForm::Punkt1Click() {
    if (PunktForm == nullptr) return;
    PunktForm->show();
    PunktForm->raise();
    PunktForm->activateWindow();
}

void THauptForm::Gerade1Click() {
    if (GeradeForm == nullptr) return;
    GeradeForm->show();
    GeradeForm->raise();
    GeradeForm->activateWindow();
}

void THauptForm::VerschiebenBtnClick(QToolButton* knopf) {
    if (Laeuft) return;
    TKartenDaten& K = KartenDaten;
    // The steps are cm of the drawing, so the scale stays.
    const Extended dx = DeltaX / K.EinheitX, dy = DeltaY / K.EinheitY;
    if (knopf == RechtsBtn) {
        K.XVon += dx;
        K.XBis += dx;
    } else if (knopf == LinksBtn) {
        K.XVon -= dx;
        K.XBis -= dx;
    } else if (knopf == ObenBtn) {
        K.YVon += dy;
        K.YBis += dy;
    } else if (knopf == UntenBtn) {
        K.YVon -= dy;
        K.YBis -= dy;
    }
    ZeichneGraphNeu();
}

void THauptForm::ZoomBtnClick(QToolButton* knopf) {
    if (Laeuft) return;
    TKartenDaten& K = KartenDaten;
    // The factor lies in ]0; 100[ (the settings window refuses others), so the units stay positive.
    const Extended faktor = knopf == ZoomInBtn ? 1 + Zoom / 100 : 1 - Zoom / 100;
    K.EinheitX *= faktor;
    K.EinheitY *= faktor;
    TSeitenbild* bild = Seitenbilder[SeiteGraph];
    // The drawing fills the part of the image in view, so that it is seen whole after the zoom.
    const QSize sichtbar = SichtbareGraphgroesse();
    PasseAusschnittAn(K, sichtbar.width(), sichtbar.height(), bild->Leinwand.PixelProZoll());
    if (ZeichneGraphNeu()) {
        GraphRahmen->horizontalScrollBar()->setValue(0);
        GraphRahmen->verticalScrollBar()->setValue(0);
    }
}

QSize THauptForm::SichtbareGraphgroesse() const {
    const QSize bild = Seitenbilder[SeiteGraph]->Bild.size();
    return GraphRahmen->isVisible() ? bild.boundedTo(GraphRahmen->viewport()->size()) : bild;
}

void THauptForm::Auswahl1Click() {
    if (PrinterSetupDialog1 == nullptr) {
        PrinterSetupDialog1 = new QPageSetupDialog(Drucker.get(), this);
        PrinterSetupDialog1->setWindowTitle(Text("Druckereinrichtung"));
    }
    PrinterSetupDialog1->exec();
}

void THauptForm::ZeigeHilfe(const QString& anker) {
    if (HilfeForm == nullptr) HilfeForm = new THilfeForm(this);
    HilfeForm->Zeige(anker);
}

void THauptForm::Hilfe1Click() {
    ZeigeHilfe(QString());
}

void THauptForm::LGSSheetShow() {
    PasseGitterAn();
}

void THauptForm::PasseGitterAn() {
    auto passe = [](QTableWidget* g, bool breite) {
        g->setFixedHeight(g->rowCount() * g->verticalHeader()->defaultSectionSize() + 10);
        if (breite) g->setFixedWidth(g->columnCount() * g->horizontalHeader()->defaultSectionSize() + 10);
        g->viewport()->update();
    };
    passe(MatrixGrid, true);
    passe(BGrid, false);
    BGrid->setFixedWidth(BGrid->columnCount() * BGrid->horizontalHeader()->defaultSectionSize() + 10);
}

void THauptForm::ZeilenUpDownClick() {
    MatrixGrid->setRowCount(ZeilenUpDown->Position());
    BGrid->setRowCount(ZeilenUpDown->Position());
    PasseGitterAn();
}

void THauptForm::SpaltenUpDownClick() {
    MatrixGrid->setColumnCount(SpaltenUpDown->Position());
    PasseGitterAn();
}

void THauptForm::AddButtonClick() {
    AddPUM->popup(AddButton->mapToGlobal(QPoint(40, 10)));
}

void THauptForm::ZeichneGeometrischeObjekte() {
    TSeitenbild* bild = VektorenImage;
    bild->Leinwand.SetzeSchrift(Leinwand().Schrift());
    TLeinwandWechsel ziel(bild->Leinwand);
    TWechsel<Int32> zeile(SeitenY, 0);
    // Labels search their place on the image even while a print run waits for the event loop.
    TWechsel<bool> bildschirm(DruckModus, false);
    TProjektionsmeldung meldung(true);
    Leinwand().FuelleRechteck({0, 0, bild->Bild.width(), bild->Bild.height()}, Weiss);
    if (KoordinatensystemCB->isChecked()) Vektoren::ZeichneAchsen();
    for (int i = 0; i < GeometrischeObjekteLB->count(); ++i) {
        auto* objekt = static_cast<Vektoren::TGeometrischesObjekt*>(
            GeometrischeObjekteLB->item(i)->data(Qt::UserRole).value<void*>());
        if (objekt != nullptr) objekt->Zeichne();
    }
    bild->Zeige();
    meldung.Abschliessen();
}

void THauptForm::FuegeObjektHinzu(Vektoren::TGeometrischesObjekt* Objekt) {
    auto* eintrag = new QListWidgetItem(QString::fromStdString(Objekt->Name), GeometrischeObjekteLB);
    eintrag->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(Objekt)));
}

TGittertexte THauptForm::Gittertexte(const QTableWidget* gitter) const {
    TGittertexte texte(size_t(gitter->rowCount()));
    for (int r = 0; r < gitter->rowCount(); ++r)
        for (int c = 0; c < gitter->columnCount(); ++c) {
            const QTableWidgetItem* zelle = gitter->item(r, c);
            texte[size_t(r)].push_back(zelle != nullptr ? zelle->text().toStdString() : std::string());
        }
    return texte;
}

} // namespace zol
