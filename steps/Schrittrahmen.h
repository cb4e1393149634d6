// The frame around the steps of a request after the general one: their work is bounded, each step's and all
// of them together, and a failure inside a step ends only that step.
#pragma once

#include <functional>
#include <string>

#include "term/Arbeit.h"
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

// Runs Schritt within Schrittbudget steps of work. An error it raises (a spent budget, the request's memory
// budget, an overflow, a missing value) ends the step: its message becomes the last line of the current page,
// which is drawn, and the request goes on with the next step. A term error (an input the user must mend) and
// an abort by the user pass.
void FuehreSchrittAus(const std::function<void()>& Schritt);

// Runs Teil, a part of a step that can fail on its own (the symmetry, the value table, the definition range's
// details): an error that FuehreSchrittAus would end the step with ends only the part, with its message on
// the current page, and the step goes on; the indentation is restored. No budget of its own. True when Teil
// ran to its end.
bool FuehreTeilAus(const std::function<void()>& Teil);

} // namespace zol
