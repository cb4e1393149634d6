// Sign analysis and equations: signs on an interval, periodic equations, term equations f(x) = g(x) and the
// intersection step.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TIntervall;
class TSListe;

// Whether T is non-zero and whether it is non-negative on M, each three-valued.
void UntersucheVorzeichen(TTerm* T, TIntervall* M, TWahrheitswert& UngleichNull,
                          TWahrheitswert& NichtNegativ);

// The solutions of u(x) = c + 2k*pi for integers k in I, into a new Liste. I itself is never changed: a
// missing bound is replaced in a window of its own ([-4; 4], [a; a+8] or [b-8; b]), and only points in that
// window are listed, at most 20.
void LoesePeriodischeGleichung(TTerm* u, TTerm* c, TIntervall* I, bool Kommentar, TSListe*& Liste);

// n := the whole part of |y| (saturated at the 32-bit limit); true when x*y <= 0 (or no number), else
// whether n >= |x|.
bool VergleicheGanzteil(Int32& n, Double x, Double y);

// The solutions of F(x) = G(x) in Bereich: through a common factor, the difference F - G and the quotient
// F / G. Only points in Bereich where F and G both have a value are listed; Liste is never nil on return.
// Status: 1 complete, 0 more solutions exist, 2 unknown.
void LoeseTermgleichung(TTerm* F, TTerm* G, TMenge* Bereich, bool Kommentar, uint8_t& Status,
                        TSListe*& Liste);

// The intersection step of page 1; Zeichnen draws the page at the end (false when the area step needs the
// list only). Without g it writes nothing.
void BestimmungDerSchnittstellen(bool Zeichnen);

} // namespace zol
