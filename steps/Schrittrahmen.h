// The frame around the steps of a request after the general one: their work is bounded, each step's and all
// of them together, and a failure inside a step ends only that step.
#pragma once

#include <functional>
#include <string>

#include "term/Arbeit.h"
#include "term/Fehler.h"
#include "term/Grundtypen.h"

namespace zol {

// The steps of work (term/Arbeit.h) one step may take, its searches and nested searches included, and those
// all later steps of one request may take together.
constexpr Int64 Schrittbudget = 3000000;
constexpr Int64 Anfragebudget = 8000000;

// While it lives, the later steps of a request share Anfragebudget steps of work.
class TAnfragerahmen {
public:
    TAnfragerahmen();

private:
    TArbeitsbudget Budget;
};

// The sentence on an overflow of the exact arithmetic: "Die Zahlen werden für die exakte Rechnung zu groß
// (Überlauf in der Bruchrechnung).", after the words a step put before the overflow's message ("Schritt:
// Extremstellen-Bestimmung nicht OK! ").
std::string UeberlaufSatz(const EUeberlauf& e);
// The line of an error on a page: UeberlaufSatz for an overflow, the message otherwise.
std::string Fehlertext(const EZolFehler& e);

// Runs Schritt within Schrittbudget steps of work. An error it raises (a spent budget, the request's memory
// budget, an overflow, a missing value) ends the step: its message becomes the last line of the current page,
// which is drawn, and the request goes on with the next step; an overflow gives the sentence of
// UeberlaufSatz, with "Der Schritt wird abgebrochen: " before it where the step added no words of its own. A
// term error (an input the user must mend) and an abort by the user pass.
void FuehreSchrittAus(const std::function<void()>& Schritt);

// Runs Teil, a part of a step that can fail on its own (the symmetry, the value table, the definition range's
// details): an error that FuehreSchrittAus would end the step with ends only the part, with its message on
// the current page (an overflow with the sentence of UeberlaufSatz), and the step goes on; the indentation is
// restored. No budget of its own. True when Teil ran to its end.
bool FuehreTeilAus(const std::function<void()>& Teil);

} // namespace zol
