#include "app/Karten.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/HauptFm.h"
#include "app/Hilfe.h"
#include "output/Ausgabe.h"
#include "output/Weltzeichnung.h"
#include "plattform/Oberflaeche.h"

namespace zol {

TKarteForm* KarteForm = nullptr;

bool LiesDezimalzahl(const std::string& Text, Extended& Wert) {
    const size_t a = Text.find_first_not_of(" \t");
    if (a == std::string::npos) return false;
    std::string s = Text.substr(a, Text.find_last_not_of(" \t") - a + 1);
    for (char& z : s)
        if (z == ',') z = '.';
    if (s[0] == '+') s.erase(0, 1);
    // Only digits, one sign, separators and an exponent; no "inf" or "nan".
    if (s.empty() || s.find_first_not_of("0123456789.-eE") != std::string::npos) return false;
    Extended v = 0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (fehler != std::errc() || ende != s.data() + s.size() || !std::isfinite(v)) return false;
    Wert = v;
    return true;
}

std::string FestkommaText(Extended Wert) {
    char puffer[128];
    std::snprintf(puffer, sizeof puffer, "%.3Lf", Wert);
    std::string s = puffer;
    for (char& z : s)
        if (z == '.') z = ',';
    return s;
}

namespace {

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

// The graph image's size and pixels per inch, which the drawing must fit.
struct TBildmass {
    Int32 Breite = GraphbildBreite;
    Int32 Hoehe = GraphbildHoehe;
    Int32 Ppi = 96;
};

TBildmass Graphbild() {
    TBildmass m;
    if (HauptForm == nullptr) return m;
    TSeitenbild* bild = HauptForm->Seitenbilder[SeiteGraph];
    m.Breite = bild->Bild.width();
    m.Hoehe = bild->Bild.height();
    m.Ppi = bild->Leinwand.PixelProZoll();
    return m;
}

// The reason why K cannot be drawn, or an empty text.
std::string Einwand(const TKartenDaten& K) {
    if (K.EinheitX == 0 || K.EinheitY == 0) return "Maßstab darf nicht 0 sein!";
    if (!(K.EinheitX > 0) || !(K.EinheitY > 0)) return "Maßstab muss positiv sein!";
    if (!(K.XVon < K.XBis) || !(K.YVon < K.YBis)) return "Von-Wert muss kleiner als Bis-Wert sein!";
    return {};
}

} // namespace

TKarteForm::TKarteForm(QWidget* parent) : QDialog(parent) {
    KarteForm = this;
    setWindowTitle(Text("Karte"));
    setModal(true);

    auto neuesFeld = [this](const char* text, int kontext) {
        auto* e = new QLineEdit(Text(text), this);
        e->setFixedWidth(90);
        e->setProperty("Hilfekontext", kontext);
        return e;
    };
    AEdit = neuesFeld("-10", 1009);
    BEdit = neuesFeld("10", 1009);
    CEdit = neuesFeld("-7", 1009);
    DEdit = neuesFeld("10", 1009);
    PAEdit = neuesFeld("1,5", 1010);
    PDEdit = neuesFeld("1,5", 1010);
    EXEdit = neuesFeld("1,0", 1011);
    EYEdit = neuesFeld("1,0", 1011);

    AusschnittGB = new QGroupBox(Text("Ausschnitt aus der xy-Ebene"), this);
    auto* bereich = new QGridLayout(AusschnittGB);
    bereich->addWidget(new QLabel(Text("Gezeichnet werden soll der Graph im Ausschnitt :  Von x ="), this), 0,
                       0);
    bereich->addWidget(AEdit, 0, 1);
    bereich->addWidget(new QLabel(Text("bis x = "), this), 0, 2);
    bereich->addWidget(BEdit, 0, 3);
    bereich->addWidget(new QLabel(Text("und: Von y = "), this), 1, 0, Qt::AlignRight);
    bereich->addWidget(CEdit, 1, 1);
    bereich->addWidget(new QLabel(Text("bis y = "), this), 1, 2);
    bereich->addWidget(DEdit, 1, 3);

    UmrechnungGB = new QGroupBox(Text("Umrechnung von reellen Koordinaten in cm der Zeichenfläche"), this);
    auto* umrechnung = new QGridLayout(UmrechnungGB);
    umrechnung->addWidget(new QLabel(Text("Rand links (cm):"), this), 0, 0);
    umrechnung->addWidget(PAEdit, 0, 1);
    umrechnung->addWidget(new QLabel(Text("Rand oben (cm):"), this), 0, 2);
    umrechnung->addWidget(PDEdit, 0, 3);
    umrechnung->addWidget(new QLabel(Text("Einheit x (cm):"), this), 1, 0);
    umrechnung->addWidget(EXEdit, 1, 1);
    umrechnung->addWidget(new QLabel(Text("Einheit y (cm):"), this), 1, 2);
    umrechnung->addWidget(EYEdit, 1, 3);
    umrechnung->setColumnStretch(4, 1);

    OKButton = new QPushButton(Text("OK"), this);
    OKButton->setDefault(true);
    AbbrechenButton = new QPushButton(Text("Abbrechen"), this);
    BereichButton = new QPushButton(Text("Ausschnitt anpassen"), this);
    MassstabButton = new QPushButton(Text("Maßstab anpassen"), this);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {OKButton, AbbrechenButton, BereichButton, MassstabButton}) {
        k->setAutoDefault(k == OKButton);
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AusschnittGB);
    layout->addWidget(UmrechnungGB);
    layout->addLayout(knoepfe);

    KartePopUp = new QMenu(this);
    Direkthilfe1 = KartePopUp->addAction(Text("Direkthilfe"));
    connect(Direkthilfe1, &QAction::triggered, this, [this] { Direkthilfe1Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(AbbrechenButton, &QPushButton::clicked, this, [this] { AbbrechenButtonClick(); });
    connect(BereichButton, &QPushButton::clicked, this, [this] { BereichButtonClick(); });
    connect(MassstabButton, &QPushButton::clicked, this, [this] { MassstabButtonClick(); });
    // A right click anywhere in the window asks for the context help of the control under the mouse.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        if (w != KartePopUp) w->installEventFilter(this);

    FormCreate();
}

TKarteForm::~TKarteForm() {
    if (KarteForm == this) KarteForm = nullptr;
}

void TKarteForm::FormCreate() {
    TKartenDaten K;
    if (GetData(K)) KartenDaten = K;
}

void TKarteForm::FormActivate() {
    SetData(KartenDaten);
}

void TKarteForm::showEvent(QShowEvent* ereignis) {
    FormActivate();
    QDialog::showEvent(ereignis);
}

bool TKarteForm::GetData(TKartenDaten& K) {
    const std::pair<QLineEdit*, Extended*> felder[] = {
        {AEdit, &K.XVon},       {BEdit, &K.XBis},      {CEdit, &K.YVon},      {DEdit, &K.YBis},
        {PAEdit, &K.RandLinks}, {PDEdit, &K.RandOben}, {EXEdit, &K.EinheitX}, {EYEdit, &K.EinheitY}};
    for (const auto& [feld, wert] : felder) {
        if (!LiesDezimalzahl(feld->text().toStdString(), *wert)) {
            Oberflaeche().Meldung(TMeldungsart::Warnung, "Numerische Eingabe erwartet.");
            feld->setFocus();
            return false;
        }
    }
    const std::string einwand = Einwand(K);
    if (einwand.empty()) return true;
    Oberflaeche().Meldung(TMeldungsart::Information, einwand);
    return false;
}

void TKarteForm::SetData(const TKartenDaten& K) {
    const std::pair<QLineEdit*, Extended> felder[] = {
        {AEdit, K.XVon},       {BEdit, K.XBis},      {CEdit, K.YVon},      {DEdit, K.YBis},
        {PAEdit, K.RandLinks}, {PDEdit, K.RandOben}, {EXEdit, K.EinheitX}, {EYEdit, K.EinheitY}};
    for (const auto& [feld, wert] : felder) feld->setText(QString::fromStdString(FestkommaText(wert)));
}

void TKarteForm::OKButtonClick() {
    TKartenDaten K;
    if (!GetData(K)) return;
    const TBildmass bild = Graphbild();
    if (!PasstInBild(K, bild.Breite, bild.Hoehe, bild.Ppi)) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Grafik zu groß. Bereich oder Maßstab anpassen!");
        return;
    }
    KartenDaten = K;
    // New work of the user's (the graph or the geometry): an abort of an earlier request does not end it.
    BenutzerAbbruch = false;
    if (HauptForm != nullptr && !HauptForm->ZeichneGraphNeu() && !HauptForm->VektorenImage->isHidden()) {
        try {
            HauptForm->ZeichneGeometrischeObjekte();
        } catch (const std::exception& e) {
            Oberflaeche().Meldung(TMeldungsart::Warnung, e.what());
        }
    }
    accept();
}

void TKarteForm::AbbrechenButtonClick() {
    reject();
}

void TKarteForm::BereichButtonClick() {
    TKartenDaten K;
    if (!GetData(K)) return;
    const TBildmass bild = Graphbild();
    PasseAusschnittAn(K, bild.Breite, bild.Hoehe, bild.Ppi);
    for (const auto& [feld, wert] : {std::pair{AEdit, K.XVon}, std::pair{BEdit, K.XBis},
                                     std::pair{CEdit, K.YVon}, std::pair{DEdit, K.YBis}})
        feld->setText(QString::fromStdString(FestkommaText(wert)));
}

void TKarteForm::MassstabButtonClick() {
    TKartenDaten K;
    if (!GetData(K)) return;
    const TBildmass bild = Graphbild();
    PasseMassstabAn(K, bild.Breite, bild.Hoehe, bild.Ppi);
    EXEdit->setText(QString::fromStdString(FestkommaText(K.EinheitX)));
    EYEdit->setText(QString::fromStdString(FestkommaText(K.EinheitY)));
}

bool TKarteForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::ContextMenu || !objekt->isWidgetType())
        return QDialog::eventFilter(objekt, ereignis);
    // The nearest control with a help context: the one clicked or one of its parents.
    Hilfekontext = 0;
    for (QWidget* w = static_cast<QWidget*>(objekt); w != nullptr && Hilfekontext == 0;
         w = w->parentWidget()) {
        Hilfekontext = w->property("Hilfekontext").toInt();
        if (w == this) break;
    }
    KartePopUp->popup(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
    return true;
}

void TKarteForm::Direkthilfe1Click() {
    if (Hilfekontext == 0) return;
    Hilfefenster = ZeigeHilfePopup(Hilfekontext, QCursor::pos(), this);
}

} // namespace zol
