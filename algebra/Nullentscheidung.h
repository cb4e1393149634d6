// The one decision whether a constant is 0, for every place that divides by a constant coefficient, pivot or
// divisor or drops it as zero.
#pragma once

#include <string>

namespace zol {

class TTerm;

// OhneWert: a term that is not constant or has no value (a coefficient letter, a root of a negative number).
enum class TNullheit { Null, NichtNull, Unklar, OhneWert };

// Whether the constant T is 0. In this order: a rational constant by its value; a value whose error bound
// keeps it clear of 0 is not 0; the polynomial of T in prime roots and atoms (term/Wurzelzahlen) decides
// exactly where T has no atoms and proves 0 where it vanishes (also for coefficient letters: A - A); the same
// once more for T simplified. Unklar where none of these decides.
TNullheit Nullheit(TTerm* T);
// The constant T has a value, and its error bound keeps that value clear of 0: T is not 0, whatever its
// exact form.
bool SicherNichtNull(TTerm* T);
// As Nullheit, without the simplification (for the degree of every polynomial, where it would cost too
// much).
TNullheit NullheitOhneVereinfachung(TTerm* T);
inline bool IstSicherNull(TTerm* T) {
    return NullheitOhneVereinfachung(T) == TNullheit::Null;
}

// The line of a step that cannot decide whether a constant is 0. The text for a message names the constant
// (Name: "der Leitkoeffizient"); the line on a page shows T typeset, or names it when T is too large to
// read.
std::string UnklarObNullText(const std::string& Name);
void SchreibeUnklarObNull(TTerm* T, const std::string& Name);
// Before a division by the constant T: a T that is 0, or whose value lies too near 0 to decide, raises
// ETermGoToStart ("Division durch Null." or UnklarObNullText(Name)). A T without a value passes.
void PruefeTeiler(TTerm* T, const std::string& Name);

} // namespace zol
