// The extrema step of page 5, and the sign-change test that it shares with the inflection step.
#pragma once

#include <string>
#include <vector>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TSListe;

void BestimmungVonExtremstellen();

// The numbers of the curve points found so far in one step run.
struct TPunktzaehler {
    Int32 Tief = 0;
    Int32 Hoch = 0;
    Int32 Wende = 0;
};

// Whether D (f' for an extremum, f'' for an inflection point, Wende) changes its sign at the candidate
// Kandidaten[i] (value x, f(x) = y): D is evaluated at two simple test points within 1.5 of x that no other
// candidate and no definition gap separates from x. A change of sign gives the curve point; a value that
// is 0 or undefined gives no verdict.
void UntersucheVorzeichenwechsel(TTerm* D, bool Wende, TSListe* Kandidaten, Int32 i, Extended x, Extended y,
                                 TPunktzaehler& Zaehler);

// A candidate x0 where f or x0 holds a parameter: decided by the exact value of D (f'' for an extremum, f'''
// for an inflection point, Wende) at x0 where that is a number other than 0, with the curve point written
// as terms; otherwise the line says that the kind of the point is not decided for every value.
void ParameterKurvenpunkt(TTerm* D, bool Wende, TTerm* x0, TPunktzaehler& Zaehler);

// The candidates of an extrema or inflection step: the zeros of D (f' or f'') in the interval of the
// request, without the definition gaps of f. Written as the step's search; Status as SucheNullstellen. Offen
// gets the zeros found whose place in the interval is open for some values of the parameter.
void SucheKandidaten(TTerm* D, TSListe*& Kandidaten, uint8_t& Status, std::vector<TTerm*>& Offen);
// The zeros of the derivative named Ableitung ("f '") that the search found but whose place in the interval
// is open for some values of the parameter, where no comment named them.
void SchreibeOffeneKandidaten(const std::vector<TTerm*>& Offen, const std::string& Ableitung);

// Adds to Kandidaten (sorted by value afterwards) the points of the interval where D (f' for an extremum,
// f'' for an inflection point, Wende) has no value although f has one on both sides nearby, and for an
// inflection point f' has a value or one limit from both sides; each such point also goes into Knicke, and
// a line names them. Points that are not inner points of f's range are named and dropped. Status stops
// being wahr when not every such point was found.
void FuegeKnickstellenHinzu(TTerm* D, bool Wende, TSListe*& Kandidaten, TSListe*& Knicke, uint8_t& Status);

// The value w of D at x, set to 0 when it is 0 up to rounding: decided exactly by putting in x as a fraction
// where the term gives a rational constant, else by the rounding bound (x itself off by up to Fehler).
void RundungsnullAlsNull(TTerm* D, Extended x, Extended Fehler, Extended& w);

// The value of T at x; false where T has none.
bool WertBei(TTerm* T, Extended x, Extended& Wert);

} // namespace zol
