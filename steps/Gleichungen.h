// Sign analysis and equations.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TIntervall;

// Whether T is non-zero and whether it is non-negative on M, each three-valued.
void UntersucheVorzeichen(TTerm* T, TIntervall* M, TWahrheitswert& UngleichNull,
                          TWahrheitswert& NichtNegativ);

// The intersection step of page 1; Zeichnen draws the page at the end (false when the area step needs the
// list only).
void BestimmungDerSchnittstellen(bool Zeichnen);

} // namespace zol
