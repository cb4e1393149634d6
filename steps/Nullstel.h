// The general zero finder and the zeros and poles steps.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;

// The zeros of T in Bereich. Status: 1 the list is complete, 0 more zeros exist, 2 unknown.
void SucheNullstellen(TTerm* T, TMenge* Bereich, TSListe*& Liste, bool Kommentar, uint8_t& Status);

// The zeros step of page 1; Zeichnen draws the page at the end (false when the area step needs the list
// only).
void BestimmungDerNullstellen(bool Zeichnen);
// The poles step of page 2.
void BestimmungDerPolstellen();

} // namespace zol
