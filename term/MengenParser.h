// The set parser: the text of a set as the test cases write it (standard sets N, Z, Q, R; element lists in
// braces; intervals with brackets turned outwards for open ends; parentheses; the operators n, v and \)
// becomes an unevaluated set object.
#pragma once

#include <string>

namespace zol {

class TMenge;

// Brace lists hold at most this many elements.
constexpr int MaxMengenElemente = 20;

// The set of the text s. Blanks are dropped first. Difference binds loosest and intersection tightest;
// equal operators group from the left. Every error raises ETermFehler; the result is never nil.
TMenge* StrToMenge(const std::string& s);

} // namespace zol
