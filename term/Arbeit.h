// Steps of work. Every term the store is asked for counts as one step; the count serves two ends.
//
// Budgets: a search (the simplifier's trials of substitutions and transformations) runs within a work
// budget of a number of steps, never of time, so that its result does not depend on the machine. When the
// budget is spent, the next step raises EBudgetErschoepft, which the search catches: it ends with the best
// form found so far, as when no further candidate is better. A budget set inside another one ends no later
// than the outer one.
//
// The searches of one request together take their steps from one supply, which the start of every request
// (AlleTermeFreigeben) fills afresh; a search never gets more than is left, and once the supply is spent no
// search starts. A piece of work that stands on its own, such as one row of a value table, can be given a
// supply of its own.
//
// Memory: the bytes the request's arena holds are bounded too. Past Speicherbudget every further step raises
// EBudgetErschoepft with the message of the memory budget, so the step that passes it ends, as does every
// later step of the request that builds terms; the next request starts with the arena emptied.
//
// Polling: every few steps the host's clock is read (which costs next to nothing); when a while has passed
// since the event loop last ran, it runs once, and a request the user has aborted ("Abbrechen") ends with
// EBenutzerAbbruch. So every loop that builds terms answers the abort promptly.
#pragma once

#include <cstddef>
#include <cstdint>

#include "term/Grundtypen.h"

namespace zol {

// Milliseconds of the host's clock between two runs of the event loop from the steps of work.
constexpr int64_t Abfrageabstand = 20;

// Counts one step of work; raises EBudgetErschoepft when the innermost budget is spent or the request's
// memory budget passed, and EBenutzerAbbruch when the user has aborted (seen at the next poll).
void Arbeitsschritt();

// The bytes the request's arena may hold.
constexpr size_t Speicherbudget = size_t(1) << 30;

// The steps counted since the program started.
Int64 Arbeitsschritte();

// The supply of a request for its searches, in steps.
constexpr Int64 Anfragevorrat = 500000;

// The steps the searches may still take.
Int64 Suchvorrat();
// Takes steps from the supply (no further than to 0).
void VerbraucheSuchvorrat(Int64 Schritte);
// Fills the supply afresh for a new request.
void FuelleSuchvorrat();

// While it lives, the searches take their steps from a supply of its own of Schritte steps.
class TEigenerSuchvorrat {
public:
    explicit TEigenerSuchvorrat(Int64 Schritte);
    ~TEigenerSuchvorrat();
    TEigenerSuchvorrat(const TEigenerSuchvorrat&) = delete;
    TEigenerSuchvorrat& operator=(const TEigenerSuchvorrat&) = delete;

private:
    Int64 Vorher;
};

// While it lives, at most Schritte further steps (and no more than any budget around it allows); the step
// past them raises EBudgetErschoepft with Meldung.
class TArbeitsbudget {
public:
    explicit TArbeitsbudget(Int64 Schritte, const char* Meldung = "Arbeitsbudget der Suche erschöpft.");
    ~TArbeitsbudget();
    TArbeitsbudget(const TArbeitsbudget&) = delete;
    TArbeitsbudget& operator=(const TArbeitsbudget&) = delete;

    bool Erschoepft() const;
    // This budget is spent, not a tighter one around it.
    bool SelbstErschoepft() const;

private:
    Int64 Grenze;
    Int64 Vorher;
    const char* VorherigeMeldung;
};

} // namespace zol
