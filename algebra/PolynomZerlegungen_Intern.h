// Helpers shared by the files of the unit PolynomZerlegungen.
#pragma once

#include "algebra/PolynomZerlegungen.h"

namespace zol {

// The factorisation of Q with lists of its own, indented by one Einzug.
TZerlegung Verschachtelt(const TPolynom& Q, bool Kommentar);
// The factors of N join those of Z.
void Uebernimm(const TZerlegung& N, TZerlegung& Z);

} // namespace zol
