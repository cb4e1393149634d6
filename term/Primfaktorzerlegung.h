// Factoring 64-bit numbers: Miller-Rabin (deterministic for every 64-bit number) and Pollard-Brent.
#pragma once

#include <cstdint>
#include <vector>

namespace zol {

bool IstPrimzahl(uint64_t n);
// Appends the prime factors of n >= 1 to Faktoren, each as often as it divides n (unsorted).
void Primfaktorzerlegung(uint64_t n, std::vector<uint64_t>& Faktoren);

} // namespace zol
