// The globals that describe the function under study, and the first step of every request: reading and
// simplifying f, the definition range and the value table on page 0.
#pragma once

#include <string>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TIntervall;
class TSListe;

// f and g (g nil when its field is empty), the base interval [a, b] and the antiderivative or integral of
// the integral step. The step driver sets FTerm, GTerm and Integralergebnis to nil before every request.
extern TTerm* FTerm;
extern TTerm* GTerm;
extern TIntervall* ABIntervall;
extern TTerm* Integralergebnis;
// The zeros of f and the intersection points of f and g (or the zeros of f for the area without g).
extern TSListe* Nullstellenliste;
extern TSListe* Schnittstellenliste;
// Count of substitution attempts of the integration search; zeroed by the general step and the test run.
extern Int32 Substitutionszaehler;

// The general step on page 0; FText is the text of the f field.
void SchrittAllgemeines(const std::string& FText);

} // namespace zol
