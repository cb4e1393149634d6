// The host: everything the core needs of the program around it.
//
// The Qt program implements it with message boxes, its event loop and its windows; tests use a recording
// host. The core never includes a window header: where a step reads an edit field or ticks a step-list
// item, it goes through the global Oberflaeche.
#pragma once

#include <cstdint>
#include <string>

namespace zol {

enum class TMeldungsart { Information, Warnung };

// The edit fields that steps read: f, g, a, b of the main window; the step width, the accuracy of the
// numerical zero and Newton's start value of the step-choice window.
enum class TEingabefeld { FTerm, GTerm, ATerm, BTerm, HTerm, Epsilon, Startwert };

class TOberflaeche {
public:
    virtual ~TOberflaeche() = default;

    // Modal box with an OK button.
    virtual void Meldung(TMeldungsart art, const std::string& text) = 0;
    // Lets the event loop run once (long computations call it at intervals).
    virtual void VerarbeiteNachrichten() = 0;
    // A line for the debugger output.
    virtual void DebugAusgabe(const std::string& text) = 0;
    // Milliseconds of a monotonic clock.
    virtual int64_t Millisekunden() = 0;
    // Sends one line (CR LF appended) over its own TCP connection; false when that fails.
    virtual bool SendeZeile(const std::string& host, uint16_t port, const std::string& text) = 0;

    // The text of an edit field of the main window.
    virtual std::string Eingabe(TEingabefeld feld) = 0;
    // The method of the numerical zero chosen in the step-choice window: 1 bisection, 2 regula falsi,
    // 3 Newton.
    virtual int Naeherungsmethode() = 0;
    // Ticks item `eintrag` of the main window's step list.
    virtual void SchrittAbhaken(int eintrag) = 0;
    // Shows the counter of the integration search.
    virtual void ZeigeSuchzaehler(int64_t zaehler) = 0;
};

// A host without windows: messages and debug lines go to standard error, the clock is steady_clock,
// inputs are empty, the method is bisection, and lines are sent over a plain socket.
class TKonsolenOberflaeche : public TOberflaeche {
public:
    void Meldung(TMeldungsart art, const std::string& text) override;
    void VerarbeiteNachrichten() override {}
    void DebugAusgabe(const std::string& text) override;
    int64_t Millisekunden() override;
    bool SendeZeile(const std::string& host, uint16_t port, const std::string& text) override;
    std::string Eingabe(TEingabefeld) override { return ""; }
    int Naeherungsmethode() override { return 1; }
    void SchrittAbhaken(int) override {}
    void ZeigeSuchzaehler(int64_t) override {}
};

// The current host; never null (a console host until the program installs its own).
TOberflaeche& Oberflaeche();
// Installs a host (null restores the console host); returns the previous one.
TOberflaeche* SetzeOberflaeche(TOberflaeche* neu);

// Sends one line over a fresh TCP connection, giving up after timeoutMs for connect and send.
bool SendeTcpZeile(const std::string& host, uint16_t port, const std::string& text, int timeoutMs);

} // namespace zol
