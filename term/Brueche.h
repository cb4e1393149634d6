// Exact fractions of two signed 64-bit integers.
//
// Every arithmetic result is in normal form: positive denominator, numerator and denominator coprime,
// zero as 0/1. Arithmetic is exact: a result that leaves the 64-bit range raises EUeberlauf, an ERessourcen
// ("Überlauf in der Bruchrechnung."), a zero divisor raises ENichtExistenz ("Division durch Null.").
// Comparisons are exact for every input and never raise.
#pragma once

#include <string>

#include "term/Grundtypen.h"

namespace zol {

struct TBruch {
    Int64 Zaehler = 0;
    Int64 Nenner = 1;
};

extern const TBruch BruchNull;
extern const TBruch BruchEins;
extern const TBruch BruchZwei;
extern const TBruch BruchDrei;
extern const TBruch BruchMinusEins;
extern const TBruch BruchEinHalb;
extern const TBruch BruchEinDrittel;
extern const TBruch BruchDreiViertel;

namespace Brueche {

void IntToBruch(TBruch& r, Int64 n);
// Parses "(3/4)", "3/4", "-7" or a decimal with comma "1,25" (125/100, not reduced). r is written only
// when Fehler is 0; a malformed text or a zero denominator gives a non-zero Fehler.
void StrToBruch(const std::string& s, TBruch& r, Int32& Fehler);
std::string BruchToStr(const TBruch& a);
bool Gleich(const TBruch& a, const TBruch& b);
bool Kleiner(const TBruch& a, const TBruch& b);
void Plus(const TBruch& a, const TBruch& b, TBruch& r);
void Minus(const TBruch& a, const TBruch& b, TBruch& r);
void Mal(const TBruch& a, const TBruch& b, TBruch& r);
void Durch(const TBruch& a, const TBruch& b, TBruch& r);
// '+', '-', '*', '/'; any other character leaves r untouched.
void Verknuepfe(const TBruch& a, const TBruch& b, char Op, TBruch& r);
void Hoch(const TBruch& a, Int64 n, TBruch& r);
// a * b - c with 128-bit intermediates: only the reduced result must fit (the discriminant (p/2)^2 - q of a
// quadratic whose p^2 alone does not).
void MalMinus(const TBruch& a, const TBruch& b, const TBruch& c, TBruch& r);
void Negativ(const TBruch& a, TBruch& r);
void Kehrwert(const TBruch& a, TBruch& r);
// Greatest common divisor of the magnitudes (0 for 0 and 0).
Int64 ggT(Int64 a, Int64 b);
// The same for 128-bit magnitudes: Euclid's steps in 128 bits while a number needs them, then binary steps
// in 64 bits, which are many times cheaper.
unsigned __int128 ggTBetraege(unsigned __int128 a, unsigned __int128 b);
// Least common multiple; 0 when either is 0; the sign follows the product.
Int64 kgV(Int64 a, Int64 b);
void Kuerze(TBruch& a);

} // namespace Brueche
} // namespace zol
