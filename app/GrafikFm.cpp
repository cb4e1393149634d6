#include "app/GrafikFm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/Grafik.h"
#include "app/HauptFm.h"
#include "app/Karten.h"
#include "plattform/Oberflaeche.h"

namespace zol {

TGrafikForm* GrafikForm = nullptr;

namespace {

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

TGrafikForm::TGrafikForm(QWidget* parent) : QDialog(parent) {
    GrafikForm = this;
    setWindowTitle(Text("Grafik"));
    setModal(false);

    DeltaXEdit = new QLineEdit(Text("1"), this);
    DeltaYEdit = new QLineEdit(Text("1"), this);
    ZoomEdit = new QLineEdit(Text("10"), this);
    auto* zahlen = new QGridLayout;
    const char* const texte[3][2] = {{"Verschieben in x-Richtung um jeweils", "cm"},
                                     {"Verschieben in y-Richtung um jeweils", "cm"},
                                     {"Zoom-Faktor in Prozent:", "%"}};
    QLineEdit* const felder[3] = {DeltaXEdit, DeltaYEdit, ZoomEdit};
    for (int i = 0; i < 3; ++i) {
        felder[i]->setFixedWidth(70);
        zahlen->addWidget(new QLabel(Text(texte[i][0]), this), i, 0);
        zahlen->addWidget(felder[i], i, 1);
        zahlen->addWidget(new QLabel(Text(texte[i][1]), this), i, 2);
    }
    zahlen->setColumnStretch(3, 1);

    GitterCB = new QCheckBox(Text("Gitter zeichnen"), this);
    GitterCB->setChecked(true);

    MusterRG = new QGroupBox(Text("Füllmuster von Flächen"), this);
    MusterGruppe = new QButtonGroup(this);
    auto* muster = new QVBoxLayout(MusterRG);
    const char* const namen[6] = {
        "horizontal schraffieren",     "vertikal schrafieren", "rechts steigend schraffieren",
        "links steigend schraffieren", "hell gepunktet",       "dunkel gepunktet"};
    for (int i = 0; i < 6; ++i) {
        auto* knopf = new QRadioButton(Text(namen[i]), MusterRG);
        MusterGruppe->addButton(knopf, i);
        muster->addWidget(knopf);
    }
    MusterGruppe->button(4)->setChecked(true);
    Fuellmuster = 4;
    // The graph reads the pattern as it is chosen.
    connect(MusterGruppe, &QButtonGroup::idToggled, this, [](int id, bool gewaehlt) {
        if (gewaehlt) Fuellmuster = id;
    });

    OKBtn = new QPushButton(Text("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(Text("Abbrechen"), this);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(zahlen);
    layout->addWidget(GitterCB);
    layout->addWidget(MusterRG);
    layout->addLayout(knoepfe);
}

TGrafikForm::~TGrafikForm() {
    if (GrafikForm == this) GrafikForm = nullptr;
}

void TGrafikForm::OKBtnClick() {
    Extended dx = 0, dy = 0, zoom = 0;
    if (!LiesDezimalzahl(DeltaXEdit->text().toStdString(), dx) ||
        !LiesDezimalzahl(DeltaYEdit->text().toStdString(), dy) ||
        !LiesDezimalzahl(ZoomEdit->text().toStdString(), zoom)) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Numerische Eingabe erwartet.");
        return;
    }
    // Zooming out by 100 % or more would leave no positive unit.
    if (!(zoom > 0 && zoom < 100)) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Zoom-Faktor muss zwischen 0 und 100 liegen.");
        return;
    }
    Gitter = GitterCB->isChecked();
    DeltaX = dx;
    DeltaY = dy;
    Zoom = zoom;
    // The grid and the fill pattern show at once on a graph that is drawn.
    if (HauptForm != nullptr) HauptForm->ZeichneGraphNeu();
    close();
}

void TGrafikForm::CancelBtnClick() {
    close();
}

} // namespace zol
