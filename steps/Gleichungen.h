// Sign analysis and equations.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TIntervall;
class TSListe;

// Whether T is non-zero and whether it is non-negative on M, each three-valued.
void UntersucheVorzeichen(TTerm* T, TIntervall* M, TWahrheitswert& UngleichNull,
                          TWahrheitswert& NichtNegativ);

// The solutions of u(x) = c + 2k*pi for integers k in I, into a new Liste.
void LoesePeriodischeGleichung(TTerm* u, TTerm* c, TIntervall* I, bool Kommentar, TSListe*& Liste);

// The intersection step of page 1; Zeichnen draws the page at the end (false when the area step needs the
// list only).
void BestimmungDerSchnittstellen(bool Zeichnen);

} // namespace zol
