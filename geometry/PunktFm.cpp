#include "geometry/PunktFm.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/HauptFm.h"
#include "geometry/GitterFm.h"
#include "geometry/Vektoren.h"

namespace zol {

TFarbe Punktfarbe = 0;
TPunktForm* PunktForm = nullptr;

TPunktForm::TPunktForm(QWidget* parent) : QDialog(parent) {
    PunktForm = this;
    setWindowTitle(QString::fromUtf8("Punkt"));
    setModal(false);

    NameEdit = new QLineEdit(QString::fromUtf8("A"), this);
    NameEdit->setFixedWidth(80);
    OrtsvektorSG = NeuesGitter(1, 3, this);
    ColorButton = new QPushButton(QString::fromUtf8("wählen.."), this);
    ColorDialog = new QColorDialog(this);
    ColorDialog->setOption(QColorDialog::DontUseNativeDialog);
    SichtbarCB = new QCheckBox(QString::fromUtf8("sichtbar"), this);
    SichtbarCB->setChecked(true);
    OKButton = new QPushButton(QString::fromUtf8("OK"), this);
    AbbrechenButton = new QPushButton(QString::fromUtf8("Abbrechen"), this);
    for (QPushButton* k : {ColorButton, OKButton, AbbrechenButton}) k->setAutoDefault(false);

    auto* felder = new QGridLayout;
    felder->addWidget(new QLabel(QString::fromUtf8("Name:"), this), 0, 0);
    felder->addWidget(NameEdit, 0, 1, Qt::AlignLeft);
    felder->addWidget(new QLabel(QString::fromUtf8("Koordinaten:"), this), 1, 0);
    felder->addWidget(OrtsvektorSG, 1, 1, Qt::AlignLeft);
    felder->addWidget(new QLabel(QString::fromUtf8("Farbe:"), this), 2, 0);
    auto* farbe = new QHBoxLayout;
    farbe->addWidget(ColorButton);
    farbe->addWidget(SichtbarCB);
    farbe->addStretch();
    felder->addLayout(farbe, 2, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKButton);
    knoepfe->addWidget(AbbrechenButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);

    connect(ColorButton, &QPushButton::clicked, this, [this] { Sicher([this] { ColorButtonClick(); }); });
    connect(OKButton, &QPushButton::clicked, this, [this] { Sicher([this] { OKButtonClick(); }); });
    connect(AbbrechenButton, &QPushButton::clicked, this, [this] { AbbrechenButtonClick(); });
}

TPunktForm::~TPunktForm() {
    if (PunktForm == this) PunktForm = nullptr;
}

void TPunktForm::ColorButtonClick() {
    ColorDialog->setCurrentColor(QColor::fromRgb(QRgb(Punktfarbe)));
    if (ColorDialog->exec() == QDialog::Accepted) Punktfarbe = ColorDialog->selectedColor().rgb() & 0xFFFFFF;
}

void TPunktForm::OKButtonClick() {
    const auto [x, y, z] = LiesTerme(OrtsvektorSG, true);
    // A point without image under the current projection is reported once, with the drawing.
    TProjektionsmeldung meldung(true);
    auto* punkt = Vektoren::NeuesObjekt<Vektoren::TPunkt>(NameEdit->text().toStdString(), x, y, z);
    punkt->Farbe = uint16_t(Punktfarbe & 0xFFFF);
    if (HauptForm != nullptr) {
        HauptForm->FuegeObjektHinzu(punkt);
        HauptForm->ZeichneGeometrischeObjekte();
    }
    meldung.Abschliessen();
    accept();
}

void TPunktForm::AbbrechenButtonClick() {
    reject();
}

} // namespace zol
