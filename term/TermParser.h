// The term parser: turns the text of a function term into a term tree, by splitting at the operator of
// lowest precedence outside parentheses. Terms are built through the store without simplification.
#pragma once

#include <cstddef>
#include <string>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// Limits checked before any recursion: longer or deeper texts raise ETermFehler.
constexpr size_t MaxTermlaenge = 10000;
constexpr Int32 MaxKlammertiefe = 500;

// The character class of implicit multiplication: 1 a digit, 2 a lower-case letter other than x, 3 the
// letter x, 4 "(", 5 ")", 0 everything else.
Int32 Zeichenklasse(char c);

// The term of a text. Blanks are removed and implicit multiplications inserted first; every syntax error
// raises ETermFehler with a German message.
TTerm* TermAusString(const std::string& text);

} // namespace zol
