#include "geometry/ProjektionFm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <charconv>

#include "app/HauptFm.h"
#include "app/Karten.h"
#include "geometry/GitterFm.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "plattform/Leinwand.h"
#include "plattform/Oberflaeche.h"

namespace zol {

TProjektionForm* ProjektionForm = nullptr;

namespace {

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

// The preview: x and y from -2 to 2, margins of 1 cm, 1 cm per unit.
const TKartenDaten Dreibeinansicht{-2, 2, -2, 2, 1, 1, 1, 1};
constexpr int Dreibeingroesse = 227; // 6 cm at 96 pixels per inch

const char* const Vorgaben[7] = {"Benutzerdefinierte Projektion",
                                 "Orthogonale Projektion in die xy-Ebene  (Grundriß)",
                                 "Orthogonale Projektion in die yz-Ebene  (Aufriß)",
                                 "Orthogonale Projektion in die xz-Ebene  (Kreuzriß)",
                                 "Schrägbild",
                                 "Kavaliersperspektive",
                                 "Militärperspektive"};

// v into a grid: row 0 when it has 3 columns, else column 0.
void SchreibeVektor(QTableWidget* Gitter, const TRaumvektor& v) {
    BeendeBearbeitung(Gitter);
    const bool zeile = Gitter->columnCount() == 3;
    for (int i = 0; i < 3; ++i)
        SetzeZellentext(Gitter, zeile ? 0 : i, zeile ? i : 0,
                        QString::fromStdString(Dezimaltext(v[size_t(i)])));
}

} // namespace

std::string Dezimaltext(Extended Wert) {
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, Wert);
    if (fehler != std::errc()) return "0";
    std::string s;
    // "1e+30" as "1e30", which reads back.
    for (const char* z = puffer; z != ende; ++z)
        if (*z != '+') s += *z == '.' ? ',' : *z;
    return s;
}

bool LiesVektor(const QTableWidget* Gitter, TRaumvektor& v) {
    const bool zeile = Gitter->columnCount() == 3;
    if (zeile ? Gitter->rowCount() < 1 : Gitter->rowCount() < 3 || Gitter->columnCount() < 1) return false;
    for (int i = 0; i < 3; ++i)
        if (!LiesDezimalzahl(Zellentext(Gitter, zeile ? 0 : i, zeile ? i : 0).toStdString(), v[size_t(i)]))
            return false;
    return true;
}

TProjektionForm::TProjektionForm(QWidget* parent) : QDialog(parent) {
    ProjektionForm = this;
    setWindowTitle(Text("Projektion"));
    setModal(false);

    TypRG = new QGroupBox(Text("Projektionstyp:"), this);
    TypGruppe = new QButtonGroup(this);
    auto* typen = new QVBoxLayout(TypRG);
    for (int i = 0; i < 2; ++i) {
        auto* knopf = new QRadioButton(Text(i == 0 ? "Parallelprojektion" : "Zentralprojektion"), TypRG);
        TypGruppe->addButton(knopf, i);
        typen->addWidget(knopf);
    }
    TypGruppe->button(Parallelprojektion)->setChecked(true);

    RichtungLabel = new QLabel(Text("Richtungsvektor:"), this);
    RichtungSG = NeuesGitter(3, 1, this, this);
    StuetzpunktSG = NeuesGitter(1, 3, this, this);
    xAchseSG = NeuesGitter(3, 1, this, this);
    yAchseSG = NeuesGitter(3, 1, this, this);
    auto* vektoren = new QGridLayout;
    vektoren->addWidget(RichtungLabel, 0, 0, Qt::AlignTop);
    vektoren->addWidget(RichtungSG, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    vektoren->addWidget(new QLabel(Text("Stützpunkt:"), this), 1, 0, Qt::AlignTop);
    vektoren->addWidget(StuetzpunktSG, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    vektoren->addWidget(new QLabel(Text("xAchse:"), this), 2, 0, Qt::AlignTop);
    vektoren->addWidget(xAchseSG, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    vektoren->addWidget(new QLabel(Text("yAchse:"), this), 3, 0, Qt::AlignTop);
    vektoren->addWidget(yAchseSG, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    vektoren->setColumnMinimumWidth(1, 3 * 64 + 10);

    ProjektionenRG = new QGroupBox(Text("Vordefinierte Projektionen"), this);
    ProjektionenGruppe = new QButtonGroup(this);
    auto* vorgaben = new QVBoxLayout(ProjektionenRG);
    for (int i = 0; i < 7; ++i) {
        auto* knopf = new QRadioButton(Text(Vorgaben[i]), ProjektionenRG);
        ProjektionenGruppe->addButton(knopf, i);
        vorgaben->addWidget(knopf);
    }

    DreibeinImage = new TSeitenbild(Dreibeingroesse, Dreibeingroesse, this);
    UebernehmenButton = new QPushButton(Text("Übernehmen"), this);
    AbbrechenButton = new QPushButton(Text("Abbrechen"), this);
    // Enter in a grid must not press a button.
    for (QPushButton* k : {UebernehmenButton, AbbrechenButton}) k->setAutoDefault(false);

    auto* links = new QVBoxLayout;
    links->addWidget(TypRG);
    links->addLayout(vektoren);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(ProjektionenRG);
    rechts->addWidget(DreibeinImage, 0, Qt::AlignHCenter);
    rechts->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addLayout(links);
    oben->addSpacing(12);
    oben->addLayout(rechts);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(UebernehmenButton);
    knoepfe->addWidget(AbbrechenButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addLayout(knoepfe);

    connect(TypGruppe, &QButtonGroup::idClicked, this, [this] { Sicher([this] { TypRGClick(); }); });
    connect(ProjektionenGruppe, &QButtonGroup::idClicked, this,
            [this](int id) { Sicher([this, id] { ProjektionenRGClick(id); }); });
    connect(UebernehmenButton, &QPushButton::clicked, this,
            [this] { Sicher([this] { UebernehmenButtonClick(); }); });
    connect(AbbrechenButton, &QPushButton::clicked, this,
            [this] { Sicher([this] { AbbrechenButtonClick(); }); });
}

TProjektionForm::~TProjektionForm() {
    if (&Leinwand() == &DreibeinImage->Leinwand) SetzeLeinwand(nullptr);
    if (ProjektionForm == this) ProjektionForm = nullptr;
}

void TProjektionForm::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    // Only when the dialog becomes visible, not when it is restored from the task bar.
    if (!ereignis->spontaneous()) Sicher([this] { FormShow(); });
}

void TProjektionForm::keyReleaseEvent(QKeyEvent* ereignis) {
    Sicher([this] { FormKeyUp(); });
    QDialog::keyReleaseEvent(ereignis);
}

bool TProjektionForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyRelease) Sicher([this] { FormKeyUp(); });
    return QDialog::eventFilter(objekt, ereignis);
}

void TProjektionForm::FormShow() {
    SicherungsProjektion = AktuelleProjektion;
    GetProjektion();
    if (IsValid(false)) ZeigeDreibein(false);
}

void TProjektionForm::TypRGClick() {
    const bool zentral = TypGruppe->checkedId() == Zentralprojektion;
    FormeDreierGitter(RichtungSG, zentral);
    RichtungLabel->setText(Text(zentral ? "Zentrum:" : "Richtungsvektor:"));
}

void TProjektionForm::GetProjektion() {
    const TProjektion& p = AktuelleProjektion;
    TypGruppe->button(p.Typ == Zentralprojektion ? Zentralprojektion : Parallelprojektion)->setChecked(true);
    // Checking a button sends no click; the grid is reshaped here.
    TypRGClick();
    SchreibeVektor(RichtungSG, p.Richtung);
    SchreibeVektor(StuetzpunktSG, p.Stuetzpunkt);
    SchreibeVektor(xAchseSG, p.xAchse);
    SchreibeVektor(yAchseSG, p.yAchse);
}

bool TProjektionForm::IsValid(bool Melden) {
    TProjektion p;
    if (!LiesVektor(RichtungSG, p.Richtung) || !LiesVektor(StuetzpunktSG, p.Stuetzpunkt) ||
        !LiesVektor(xAchseSG, p.xAchse) || !LiesVektor(yAchseSG, p.yAchse))
        return false;
    const char* grund = nullptr;
    if (IstNullvektor(p.xAchse))
        grund = "xAchse kann nicht vom Nullvektor aufgespannt werden!";
    else if (IstNullvektor(p.yAchse))
        grund = "yAchse kann nicht vom Nullvektor aufgespannt werden!";
    else if (IstKollinear(p.xAchse, p.yAchse))
        grund = "xAchse und yAchse dürfen nicht kollinear sein!";
    else if (TypGruppe->checkedId() != Zentralprojektion && IstNullvektor(p.Richtung))
        grund = "Projektionsrichtung einer Parallelprojektion darf nicht der Nullvektor sein!";
    else if (IstKomplanar(p.Richtung, p.yAchse, p.xAchse))
        grund = "Projektionsrichtung darf nicht parallel zur Bildebene sein!";
    if (grund == nullptr) return true;
    if (Melden) Oberflaeche().Meldung(TMeldungsart::Information, grund);
    return false;
}

bool TProjektionForm::SetProjektion(bool Melden) {
    if (!IsValid(Melden)) return false;
    TProjektion p;
    p.Typ = TypGruppe->checkedId() == Zentralprojektion ? Zentralprojektion : Parallelprojektion;
    LiesVektor(RichtungSG, p.Richtung);
    LiesVektor(StuetzpunktSG, p.Stuetzpunkt);
    LiesVektor(xAchseSG, p.xAchse);
    LiesVektor(yAchseSG, p.yAchse);
    AktuelleProjektion = p;
    ZeigeDreibein(Melden);
    return true;
}

void TProjektionForm::ProjektionenRGClick(int Eintrag) {
    if (Eintrag < 0 || Eintrag > int(VordefinierteProjektionen.size())) return;
    AktuelleProjektion = Eintrag == 0 ? SicherungsProjektion : VordefinierteProjektionen[size_t(Eintrag - 1)];
    GetProjektion();
    if (IsValid(true)) ZeigeDreibein(true);
}

void TProjektionForm::FormKeyUp() {
    SetProjektion(false);
}

void TProjektionForm::UebernehmenButtonClick() {
    // One warning at most for the tripod and the objects together.
    TProjektionsmeldung meldung(true);
    if (!SetProjektion(true)) return;
    if (HauptForm != nullptr) HauptForm->ZeichneGeometrischeObjekte();
    meldung.Abschliessen();
    accept();
}

void TProjektionForm::AbbrechenButtonClick() {
    AktuelleProjektion = SicherungsProjektion;
    QDialog::reject();
}

void TProjektionForm::reject() {
    Sicher([this] { AbbrechenButtonClick(); });
}

void TProjektionForm::ZeigeDreibein(bool Melden) {
    TSeitenbild* bild = DreibeinImage;
    bild->Leinwand.SetzeSchrift(Leinwand().Schrift());
    TLeinwandWechsel ziel(bild->Leinwand);
    TWechsel<TKartenDaten> ansicht(KartenDaten, Dreibeinansicht);
    TWechsel<Int32> zeile(SeitenY, 0);
    TProjektionsmeldung meldung(Melden);
    Leinwand().FuelleRechteck({0, 0, bild->Bild.width(), bild->Bild.height()}, Weiss);
    const TRaumvektor o{0, 0, 0}, x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
    ZeichneBeschriftung(x, " x");
    ZeichneBeschriftung(y, " y");
    ZeichneBeschriftung(z, " z");
    ZeichneStrecke(o, x);
    ZeichneStrecke(o, y);
    ZeichneStrecke(o, z);
    bild->Zeige();
    meldung.Abschliessen();
}

} // namespace zol
