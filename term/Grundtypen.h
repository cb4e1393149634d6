// Basic types shared by the whole system.
#pragma once

#include <cstdint>
#include <string>

namespace zol {

using Extended = long double;
using Int64 = int64_t;
using Int32 = int32_t;
using Single = float;
using Double = double;

// Three-valued truth: 0 false, 1 true, 2 unclear.
using TWahrheitswert = uint8_t;
constexpr TWahrheitswert falsch = 0;
constexpr TWahrheitswert wahr = 1;
constexpr TWahrheitswert unklar = 2;

// Names of the three values, for output.
extern const char* const WahrheitswertNamen[3];

TWahrheitswert Und(TWahrheitswert a, TWahrheitswert b);
TWahrheitswert WahrWennBeide(TWahrheitswert a, TWahrheitswert b);
TWahrheitswert WahrWennEines(TWahrheitswert a, TWahrheitswert b);

// Round half to even, as the program's Round does.
Int64 Round(Extended v);

// The first n bytes of s (texts cut this way are ASCII).
std::string Links(const std::string& s, size_t n);

} // namespace zol
