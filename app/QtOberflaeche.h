// The host of the Qt program: message boxes, the event loop, a monotonic clock, the debug line channel,
// and what the steps read from or tick in the windows.
#pragma once

#include <QElapsedTimer>

#include "plattform/Oberflaeche.h"

class QWidget;

namespace zol {

class THauptForm;

class TQtOberflaeche : public TOberflaeche {
public:
    // The inputs are read from `haupt` (f, g, a, b) and from the step-choice window (the step width, the
    // accuracy, the method and the start value of the numerical zero).
    explicit TQtOberflaeche(THauptForm* haupt);

    // A modal box with an OK button over the active window: "Warnung" or "Information".
    void Meldung(TMeldungsart art, const std::string& text) override;
    void VerarbeiteNachrichten() override;
    void DebugAusgabe(const std::string& text) override;
    int64_t Millisekunden() override;
    // One line over a fresh connection; gives up after a second, so a silent listener never hangs the
    // program.
    bool SendeZeile(const std::string& host, uint16_t port, const std::string& text) override;
    std::string Eingabe(TEingabefeld feld) override;
    int Naeherungsmethode() override;
    // `eintrag` is the step (its index among the step flags); its item in the step list is ticked.
    void SchrittAbhaken(int eintrag) override;
    void ZeigeSuchzaehler(int64_t zaehler) override;

private:
    THauptForm* Haupt;
    QElapsedTimer Uhr;
};

// The least width of a message box: its whole title with the program's name, as the window manager writes it,
// and the title bar's buttons. A box of a short message ("Benutzer-Abbruch") is no narrower, so that its
// title is not cut.
int Meldungsbreite(const QWidget& Fenster);

// Installs a host for the lifetime of the guard and then restores the previous one.
class TOberflaecheWechsel {
public:
    explicit TOberflaecheWechsel(TOberflaeche& neu) : Vorher(SetzeOberflaeche(&neu)) {}
    ~TOberflaecheWechsel() { SetzeOberflaeche(Vorher); }
    TOberflaecheWechsel(const TOberflaecheWechsel&) = delete;
    TOberflaecheWechsel& operator=(const TOberflaecheWechsel&) = delete;

private:
    TOberflaeche* Vorher;
};

} // namespace zol
