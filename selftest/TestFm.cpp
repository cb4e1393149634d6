#include "selftest/TestFm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/IniDatei.h"
#include "app/RootFm.h"
#include "app/Struktur.h"
#include "selftest/Test.h"

namespace zol {

TTestForm* TestForm = nullptr;

TTestForm::TTestForm(QWidget* parent) : QDialog(parent) {
    TestForm = this;
    setWindowTitle(QString::fromUtf8("Zu testen"));
    setModal(false);

    TestRG = new QGroupBox(QString::fromUtf8("Test-Prozeduren"), this);
    TestGruppe = new QButtonGroup(this);
    auto* spalten = new QGridLayout(TestRG);
    constexpr int ProSpalte = (TestprozedurAnzahl + 1) / 2;
    for (int i = 0; i < TestprozedurAnzahl; ++i) {
        auto* knopf = new QRadioButton(QString::fromUtf8(TestBeschriftungen[i]), TestRG);
        TestGruppe->addButton(knopf, i);
        spalten->addWidget(knopf, i % ProSpalte, i / ProSpalte);
    }
    connect(TestGruppe, &QButtonGroup::idToggled, this, [](int id, bool an) {
        if (an) TestAuswahl = id;
    });

    CloseButton = new QPushButton(QString::fromUtf8("OK"), this);
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TestRG);
    layout->addLayout(knoepfe);
    FormCreate();

    TestFenster.StrukturEintragen = [](TTerm* T, const std::string& Beschriftung) {
        if (StrukturForm != nullptr) StrukturForm->FuegeHinzu(T, Beschriftung);
    };
    TestFenster.TermspeicherZeigen = [] {
        if (RootForm == nullptr) return;
        RootForm->ZeigeTermspeicher();
        if (RootForm->isHidden()) RootForm->show();
    };
}

TTestForm::~TTestForm() {
    if (TestForm != this) return;
    TestForm = nullptr;
    TestFenster = TTestFenster();
}

void TTestForm::FormCreate() {
    TIniDatei ini(IniDateiPfad());
    Waehle(ini.LiesInteger("Test", "TestRG", 0));
}

void TTestForm::CloseButtonClick() {
    close();
}

int TTestForm::Auswahl() const {
    return TestGruppe->checkedId();
}

void TTestForm::Waehle(int i) {
    if (QAbstractButton* knopf = TestGruppe->button(i)) {
        knopf->setChecked(true);
    } else if (QAbstractButton* gewaehlt = TestGruppe->checkedButton()) {
        TestGruppe->setExclusive(false);
        gewaehlt->setChecked(false);
        TestGruppe->setExclusive(true);
    }
    TestAuswahl = i;
}

void TTestForm::SchreibeIni(TIniDatei& ini) const {
    ini.SchreibeInteger("Test", "TestRG", Auswahl());
}

} // namespace zol
