// The term simplification driver: the one entry through which the system simplifies terms.
#pragma once

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

constexpr Int32 MaxTeilterme = 20;

// Replaces T by its simplified form.
void VereinfacheTerm(TTerm*& T);
// The same for a constant term.
void VereinfacheKonstantenTerm(TTerm*& T);
// Collects the distinct proper subterms of T into Liste[1..Anzahl] (at most MaxTeilterme), rational
// constants only with MitKonstanten.
void SammleTeilterme(TTerm* T, TTerm** Liste, Int32& Anzahl, bool MitKonstanten);
// The bottom-up pass: every subterm simplified through its normal form.
void VereinfacheTermRekursiv(TTerm*& T);

} // namespace zol
