#include "geometry/GeradeFm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/HauptFm.h"
#include "geometry/GitterFm.h"
#include "geometry/Vektoren.h"

namespace zol {

TFarbe Geradenfarbe = 0;
TGeradeForm* GeradeForm = nullptr;

namespace {

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int Richtungsvektor = 0;
constexpr int ZweiterPunkt = 1;

} // namespace

TGeradeForm::TGeradeForm(QWidget* parent) : QDialog(parent) {
    GeradeForm = this;
    setWindowTitle(Text("Gerade"));
    setModal(false);

    StuetzpunktGB = new QGroupBox(Text("Stützpunkt"), this);
    ANameEdit = new QLineEdit(Text("A"), StuetzpunktGB);
    AOrtsvektorSG = NeuesGitter(1, 3, StuetzpunktGB);
    auto* stuetz = new QGridLayout(StuetzpunktGB);
    stuetz->addWidget(new QLabel(Text("Name:"), StuetzpunktGB), 0, 0);
    stuetz->addWidget(ANameEdit, 0, 1, Qt::AlignLeft);
    stuetz->addWidget(new QLabel(Text("Koordinaten:"), StuetzpunktGB), 1, 0);
    stuetz->addWidget(AOrtsvektorSG, 1, 1, Qt::AlignLeft);

    NameEdit = new QLineEdit(Text("g"), this);

    AngabeGB = new QGroupBox(Text("zweite Angabe"), this);
    AngabeRG = new QGroupBox(Text("Typ"), AngabeGB);
    AngabeGruppe = new QButtonGroup(this);
    auto* typen = new QVBoxLayout(AngabeRG);
    for (int i : {Richtungsvektor, ZweiterPunkt}) {
        auto* knopf =
            new QRadioButton(Text(i == Richtungsvektor ? "Richtungsvektor" : "zweiter Punkt"), AngabeRG);
        AngabeGruppe->addButton(knopf, i);
        typen->addWidget(knopf);
    }
    AngabeGruppe->button(Richtungsvektor)->setChecked(true);
    AngabeLabel = new QLabel(Text("Richtungsvektor:"), AngabeGB);
    Name2Edit = new QLineEdit(Text("u"), AngabeGB);
    Koordinaten2SG = NeuesGitter(3, 1, AngabeGB);
    auto* angabe = new QGridLayout(AngabeGB);
    angabe->addWidget(AngabeRG, 0, 0, 1, 2);
    angabe->addWidget(AngabeLabel, 1, 0);
    angabe->addWidget(Name2Edit, 1, 1, Qt::AlignLeft);
    angabe->addWidget(new QLabel(Text("Koordinaten:"), AngabeGB), 2, 0, Qt::AlignTop);
    angabe->addWidget(Koordinaten2SG, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    angabe->setColumnMinimumWidth(1, 3 * 64 + 10);
    angabe->setRowMinimumHeight(2, 3 * 24 + 10);
    for (QLineEdit* e : {ANameEdit, NameEdit, Name2Edit}) e->setFixedWidth(80);

    ColorButton = new QPushButton(Text("wählen.."), this);
    ColorDialog = new QColorDialog(this);
    ColorDialog->setOption(QColorDialog::DontUseNativeDialog);
    SichtbarCB = new QCheckBox(Text("sichtbar"), this);
    SichtbarCB->setChecked(true);
    OKButton = new QPushButton(Text("OK"), this);
    AbbrechenButton = new QPushButton(Text("Abbrechen"), this);
    for (QPushButton* k : {ColorButton, OKButton, AbbrechenButton}) k->setAutoDefault(false);

    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(Text("Name"), this));
    name->addWidget(NameEdit);
    name->addStretch();
    auto* farbe = new QHBoxLayout;
    farbe->addWidget(new QLabel(Text("Farbe:"), this));
    farbe->addWidget(ColorButton);
    farbe->addWidget(SichtbarCB);
    farbe->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StuetzpunktGB);
    layout->addLayout(name);
    layout->addWidget(AngabeGB);
    layout->addLayout(farbe);
    layout->addLayout(knoepfe);

    connect(AngabeGruppe, &QButtonGroup::idClicked, this, [this] { Sicher([this] { AngabeRGClick(); }); });
    connect(ColorButton, &QPushButton::clicked, this, [this] { Sicher([this] { ColorButtonClick(); }); });
    connect(OKButton, &QPushButton::clicked, this, [this] { Sicher([this] { OKButtonClick(); }); });
    connect(AbbrechenButton, &QPushButton::clicked, this, [this] { AbbrechenButtonClick(); });
}

TGeradeForm::~TGeradeForm() {
    if (GeradeForm == this) GeradeForm = nullptr;
}

void TGeradeForm::AngabeRGClick() {
    const bool punkt = AngabeGruppe->checkedId() == ZweiterPunkt;
    FormeDreierGitter(Koordinaten2SG, punkt);
    AngabeLabel->setText(Text(punkt ? "zweiter Punkt:" : "Richtungsvektor:"));
}

void TGeradeForm::ColorButtonClick() {
    ColorDialog->setCurrentColor(QColor::fromRgb(QRgb(Geradenfarbe)));
    if (ColorDialog->exec() == QDialog::Accepted)
        Geradenfarbe = ColorDialog->selectedColor().rgb() & 0xFFFFFF;
}

void TGeradeForm::OKButtonClick() {
    // Every cell is parsed before anything is made, so a failure leaves no support point behind.
    const bool zweiterPunkt = AngabeGruppe->checkedId() == ZweiterPunkt;
    const auto [ax, ay, az] = LiesTerme(AOrtsvektorSG, true);
    const auto [bx, by, bz] = LiesTerme(Koordinaten2SG, zweiterPunkt);
    // A point without image under the current projection is reported once, with the drawing.
    TProjektionsmeldung meldung(true);
    const std::string name2 = Name2Edit->text().toStdString();
    auto* a = Vektoren::NeuesObjekt<Vektoren::TPunkt>(ANameEdit->text().toStdString(), ax, ay, az);
    a->Farbe = uint16_t(Geradenfarbe & 0xFFFF);
    Vektoren::TGerade* gerade = nullptr;
    if (zweiterPunkt)
        gerade = Vektoren::TGerade::CreateZweiPunkte(
            NameEdit->text().toStdString(), a, Vektoren::NeuesObjekt<Vektoren::TPunkt>(name2, bx, by, bz));
    else
        gerade = Vektoren::NeuesObjekt<Vektoren::TGerade>(
            NameEdit->text().toStdString(), a, Vektoren::NeuesObjekt<Vektoren::TVektor>(name2, bx, by, bz));
    if (HauptForm != nullptr) {
        HauptForm->FuegeObjektHinzu(gerade);
        HauptForm->ZeichneGeometrischeObjekte();
    }
    meldung.Abschliessen();
    accept();
}

void TGeradeForm::AbbrechenButtonClick() {
    reject();
}

} // namespace zol
