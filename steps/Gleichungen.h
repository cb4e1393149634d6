// Sign analysis and equations.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TIntervall;

// Whether T is non-zero and whether it is non-negative on M, each three-valued.
void UntersucheVorzeichen(TTerm* T, TIntervall* M, TWahrheitswert& UngleichNull,
                          TWahrheitswert& NichtNegativ);

} // namespace zol
