// Helpers shared by the files of the unit PolynomNullstellen.
#pragma once

#include <vector>

#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TMenge;
class TTerm;

// Drops zero leading coefficients.
void SenkeGrad(TPolynom& P);
// T lies in Bereich (nil Bereich: the whole line). A point with a parameter lies in a bounded range only for
// some of its values: it is not taken, and the search of PNullstellen that asked ends with an open status.
bool ImBereich(TTerm* T, TMenge* Bereich);
// T simplified as a constant.
TTerm* KonstantVereinfacht(TTerm* T);

enum class TVorzeichen { Negativ, Null, Positiv, Unbekannt };
// Zero when T IstNull, the sign of a rational constant's numerator, otherwise the sign of T's value.
TVorzeichen VorzeichenVon(TTerm* T);

// The real n-th root of R, simplified: for odd n and negative R the negated root of -R.
TTerm* ReelleWurzel(TTerm* R, Int32 n);
// -T, simplified.
TTerm* Negiert(TTerm* T);

// Every positive divisor of n > 0, ascending (factorised by Miller-Rabin and Pollard-Brent).
std::vector<uint64_t> Teiler(uint64_t n);

// " liegt aber nicht im angegebenen Intervall." as the end of a line.
void SchreibeAusserhalb();

} // namespace zol
