// The step choice that the steps and the step driver read: one flag per step, the highest derivative to
// show and the number of Simpson subintervals. The step-choice and options windows write them.
#pragma once

#include <array>

#include "term/Grundtypen.h"

namespace zol {

// The steps in the order of the step flags (and of the main window's step list).
enum TSchritt : int {
    SchrittVereinfachen = 0,
    SchrittDefinitionsbereich = 1,
    SchrittTabelle = 2, // the value table (SchrittWertetabelle is the step itself)
    SchrittSymmetrien = 3,
    SchrittNullstellen = 4,
    SchrittNaeherungsverfahren = 5,
    SchrittSchnittstellen = 6,
    SchrittProduktzerlegung = 7,
    SchrittPolstellen = 8,
    SchrittPartialbruch = 9,
    SchrittAbleitungen = 10,
    SchrittExtremstellen = 11,
    SchrittWendestellen = 12,
    SchrittStammfunktion = 13,
    SchrittIntegral = 14,
    SchrittFlaeche = 15,
    SchrittGraph = 16,
};

constexpr int SchrittAnzahl = 17;

// Set for each chosen step; all false at start.
extern std::array<bool, SchrittAnzahl> Schrittflags;

// Highest derivative the derivatives step shows, 0 to 3 (0 at start).
extern Int32 AbleitungsGrad;

// Number of subintervals of the Simpson rule (1000000 at start).
extern Int64 SimpsonTeilintervalle;

} // namespace zol
