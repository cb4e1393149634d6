// The exact real zeros of polynomials, with their explanation.
#pragma once

#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TMenge;
class TSListe;

// The zeros of P in Bereich into Liste. Status: 0 further zeros exist, 1 all found, 2 unclear. With
// Kommentar each step is explained.
void PNullstellen(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar);

} // namespace zol
