// The self-test: one of 36 test procedures, chosen in the test window, runs on the text of the f field or
// over the cases of a test file, and writes onto the current page (page 9).
#pragma once

#include <functional>
#include <string>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

constexpr Int32 TestprozedurAnzahl = 36;

// The captions of the test window's items, in item order.
extern const char* const TestBeschriftungen[TestprozedurAnzahl];

// The chosen item; outside 0 .. 35 the check of the polynomial-trigonometric normal form runs.
extern Int32 TestAuswahl;

// What two procedures need of the windows: a term added to the structure window with its caption, and the
// term-store window rebuilt and shown. Empty functions do nothing.
struct TTestFenster {
    std::function<void(TTerm*, const std::string&)> StrukturEintragen;
    std::function<void()> TermspeicherZeigen;
};
extern TTestFenster TestFenster;

// Runs the chosen procedure with T (the text of the f field) and writes its time. Any exception ends the
// run with the warning "Test misslungen! " and its message; the time line is then not written.
void TesteProzedur(const std::string& T);

// The field Key of a test line: from the first occurrence of Key up to the first ";" outside parentheses
// (or the end of the line), the text after its first "="; empty when Key does not occur.
void HoleFeld(const std::string& Key, const std::string& Zeile, std::string& Wert);

} // namespace zol
