#include "app/QtOberflaeche.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <cstdio>

#include "app/Abbruch.h"
#include "app/HauptFm.h"
#include "app/Schritte.h"

namespace zol {

TQtOberflaeche::TQtOberflaeche(THauptForm* haupt) : Haupt(haupt) {
    Uhr.start();
}

void TQtOberflaeche::Meldung(TMeldungsart art, const std::string& text) {
    QWidget* eltern = QApplication::activeModalWidget();
    if (eltern == nullptr) eltern = QApplication::activeWindow();
    if (eltern == nullptr) eltern = Haupt;
    // Messages may carry the old line break "\n\r"; a box shows one line break for it.
    const QString inhalt = QString::fromStdString(text).remove(QLatin1Char('\r'));
    const bool warnung = art == TMeldungsart::Warnung;
    QMessageBox box(warnung ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromUtf8(warnung ? "Warnung" : "Information"), inhalt, QMessageBox::Ok, eltern);
    // The box sizes itself to its text when it is shown; a row of its layout keeps it wide enough.
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout()))
        raster->addItem(new QSpacerItem(Meldungsbreite(box), 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                        raster->rowCount(), 0, 1, raster->columnCount());
    box.exec();
}

int Meldungsbreite(const QWidget& Fenster) {
    // The window manager writes the title with the program's name after it, in a bold face, and needs room
    // for its buttons beside it.
    QFont schrift = Fenster.font();
    schrift.setBold(true);
    const QString titel =
        Fenster.windowTitle() + QString::fromUtf8(" — ") + QGuiApplication::applicationDisplayName();
    return QFontMetrics(schrift).horizontalAdvance(titel) * 5 / 4 + 160;
}

void TQtOberflaeche::VerarbeiteNachrichten() {
    QApplication::processEvents();
}

void TQtOberflaeche::DebugAusgabe(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

int64_t TQtOberflaeche::Millisekunden() {
    return Uhr.elapsed();
}

bool TQtOberflaeche::SendeZeile(const std::string& host, uint16_t port, const std::string& text) {
    return SendeTcpZeile(host, port, text, 1000);
}

std::string TQtOberflaeche::Eingabe(TEingabefeld feld) {
    if (Haupt != nullptr) return Haupt->Eingabe(feld);
    return SchrittfensterEingabe(feld);
}

int TQtOberflaeche::Naeherungsmethode() {
    if (Haupt != nullptr) return Haupt->Naeherungsmethode();
    return SchritteForm != nullptr ? SchritteForm->Naeherungsmethode() : 1;
}

void TQtOberflaeche::SchrittAbhaken(int eintrag) {
    if (SchritteForm != nullptr) SchritteForm->SchrittAbhaken(eintrag);
}

void TQtOberflaeche::ZeigeSuchzaehler(int64_t zaehler) {
    if (AbbruchForm == nullptr) return;
    AbbruchForm->SuchAnzahlLabel->setText(QString::number(zaehler));
    // The progress window shows the count at once, not at the next run of the event loop.
    AbbruchForm->SuchAnzahlLabel->repaint();
}

} // namespace zol
