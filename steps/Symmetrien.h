// Symmetry of graphs: to the y-axis (even function) and to the origin (odd function).
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// Decides both symmetries of T three-valuedly and, with Kommentar, writes the reasoning.
void UntersucheSymmetrie(TTerm* T, TWahrheitswert& Achse, TWahrheitswert& Punkt, bool Kommentar);

// The symmetry step on page 0, for FTerm; started by the general step.
void BestimmungVonSymmetrien();

} // namespace zol
