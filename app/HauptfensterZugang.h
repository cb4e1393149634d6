// What the step-choice window needs of the main window: the visibility of its sheets and its step list.
// The main window implements it; tests use a recording stand-in.
#pragma once

#include <string>

#include "term/Grundtypen.h"

namespace zol {

// The sheets of the main window's tab control, in their order there (pages 0 to 9, then LGS and vectors).
enum class TBlatt : int {
    Allgemeines = 0,
    Nullstellen = 1,
    Polstellen = 2,
    Partialbruch = 3,
    Ableitungen = 4,
    Extremstellen = 5,
    Wendestellen = 6,
    Integral = 7,
    Graph = 8,
    Test = 9,
    LGS = 10,
    Vektoren = 11,
};

class THauptfensterZugang {
public:
    virtual ~THauptfensterZugang() = default;

    // Shows or hides the tab of a sheet.
    virtual void SetzeBlattSichtbar(TBlatt blatt, bool sichtbar) = 0;
    // Removes every item of the step list.
    virtual void LeereSchrittliste() = 0;
    // Appends an unticked item with the given caption; returns its index in the list.
    virtual Int32 FuegeSchrittHinzu(const std::string& text) = 0;
    // Ticks or unticks the item with the given index.
    virtual void SetzeSchrittAbgehakt(Int32 eintrag, bool abgehakt) = 0;
};

} // namespace zol
