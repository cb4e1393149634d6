#include "app/Abbruch.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"

namespace zol {

TAbbruchForm* AbbruchForm = nullptr;

TAbbruchForm::TAbbruchForm(QWidget* parent) : QDialog(parent) {
    AbbruchForm = this;
    setWindowTitle(QString::fromUtf8("Information"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* zeile1 = new QLabel(QString::fromUtf8("ZOL hat die gewählten Arbeitsschritte gestartet."), this);
    auto* zeile2 = new QLabel(QString::fromUtf8("Bitte etwas Geduld."), this);
    SuchAnzahlLabel = new QLabel(this);
    AbbruchButton = new QPushButton(QString::fromUtf8("Abbrechen"), this);
    AbbruchButton->setAutoDefault(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(AbbruchButton);
    knoepfe->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->addWidget(zeile1);
    layout->addWidget(zeile2);
    layout->addWidget(SuchAnzahlLabel);
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
    setFixedSize(sizeHint());

    connect(AbbruchButton, &QPushButton::clicked, this, [this] { AbbruchButtonClick(); });
}

TAbbruchForm::~TAbbruchForm() {
    if (AbbruchForm == this) AbbruchForm = nullptr;
}

void TAbbruchForm::Zeige() {
    SuchAnzahlLabel->clear();
    show();
    raise();
    // Painted at once: the computation that follows may not let the event loop run for a while.
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TAbbruchForm::AbbruchButtonClick() {
    BenutzerAbbruch = true;
    // The running computation notices the flag at its next poll; here the open line is closed, the abort
    // is reported, and then the window closes whatever happened.
    try {
        NeueZeile();
    } catch (const std::exception& e) {
        Oberflaeche().DebugAusgabe(std::string("Abbrechen: ") + e.what());
    }
    try {
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Benutzer-Abbruch");
    } catch (...) {
    }
    hide();
}

void TAbbruchForm::reject() {}

} // namespace zol
