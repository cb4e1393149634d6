// The term simplification driver: the one entry through which the system simplifies terms.
#pragma once

namespace zol {

class TTerm;

// Replaces T by its simplified form.
void VereinfacheTerm(TTerm*& T);
// The same for a constant term.
void VereinfacheKonstantenTerm(TTerm*& T);
// The bottom-up pass: every subterm simplified through its normal form.
void VereinfacheTermRekursiv(TTerm*& T);

} // namespace zol
