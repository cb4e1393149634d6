// The exact real zeros of polynomials, with their explanation.
//
// PNullstellen chooses by degree and shape among the pq formula, a*x^n + b = 0, factoring out x^k, the
// substitution x^k -> z, the rational root test with division by the linear factor, Cardano's formulas
// for cubics and a last attempt through P(ix). The partial procedures search the polynomials that remain
// through PNullstellen again, each nested explanation indented by one Einzug. With Kommentar false nothing
// is written.
#pragma once

#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TMenge;
class TSListe;
class TTerm;

// The zeros of P in Bereich into a new Liste. Status: 0 further zeros exist (the zero polynomial), 1 all
// zeros in Bereich found, 2 unclear.
void PNullstellen(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar);

// The zeros of a*x^2 + b*x + c in Bereich. False when the sign of the discriminant could not be decided
// (a term without value); the list is then empty.
bool PQFormel(TTerm* a, TTerm* b, TTerm* c, TMenge* Bereich, TSListe*& Liste, bool Kommentar);

// The zeros of a_n*x^n + a_0 in Bereich; Status 1.
void NullstellenXhochN(TTerm* an, TTerm* a0, Int32 n, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                       bool Kommentar);

// P = x^k * R with k the lowest exponent of P: 0 with multiplicity k, then the zeros of R.
void NullstellenAusklammern(TPolynom P, Int32 k, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                            bool Kommentar);

// The zeros of P(x) = Q(x^k): Q is searched over the image of Bereich under x^k, and each of its zeros is
// taken back through the k-th root.
void SubstitutionNullstellen(TPolynom Q, Int32 k, TMenge* Bereich, TSListe*& Liste, uint8_t& Status,
                             bool Kommentar);

// For a rational P: a rational zero r guessed, P divided by x - r and the quotient searched. True when a
// rational zero was found; otherwise the list is empty and nothing else happened.
bool NullstellenRational(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar);

// The first rational zero p/q of the rational polynomial P (q ascending, then p ascending, +p/q before
// -p/q; p divides the constant and q the leading coefficient of P made integral), or nil. A candidate
// is decided exactly; one that would leave 128-bit arithmetic is skipped. The search polls the host and
// ends with EBenutzerAbbruch on an abort; after a fixed number of candidates it gives up with nil.
// A non-rational coefficient raises ETermGoToStart "Koeffizienten müssen rational sein!".
void NullstelleRaten(TPolynom P, TTerm*& Nullstelle, bool Kommentar);

// The zeros found through P(ix) = R(x^2) + i*x*I(x^2): for a zero z of I with R(z) = 0, x^2 + z divides P;
// its real zeros (for z < 0) and those of the quotient are the result.
void NullstellenUeberPix(TPolynom P, TMenge* Bereich, TSListe*& Liste, uint8_t& Status, bool Kommentar);

// Cardano's formulas for a cubic P (other degrees: nothing but Status 2 and QuadFaktor 0). Every real
// zero, without regard to an interval; for one real zero QuadFaktor is the monic quadratic of the complex
// pair, written out with KomplexZeigen. Status 1 when the formulas were applied.
void Cardano(TPolynom P, TSListe*& Liste, TPolynom& QuadFaktor, uint8_t& Status, bool Kommentar,
             bool KomplexZeigen);

// Number of candidates NullstelleRaten tries before it gives up.
constexpr Int64 RatenBudget = 20'000'000;

} // namespace zol
