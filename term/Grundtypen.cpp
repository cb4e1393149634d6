#include "term/Grundtypen.h"

#include <cmath>

namespace zol {

const char* const WahrheitswertNamen[3] = {"falsch", "wahr", "unklar"};

TWahrheitswert Und(TWahrheitswert a, TWahrheitswert b) {
    if (a == unklar || b == unklar) return unklar;
    if (a == falsch) return falsch;
    return b != falsch ? wahr : falsch;
}

TWahrheitswert WahrWennBeide(TWahrheitswert a, TWahrheitswert b) {
    return a == wahr && b == wahr ? wahr : unklar;
}

TWahrheitswert WahrWennEines(TWahrheitswert a, TWahrheitswert b) {
    return a == wahr || b == wahr ? wahr : unklar;
}

// llrint rounds in the current mode (to nearest, halves to even) straight to an integer, which is cheap.
Int64 Round(Extended v) { return static_cast<Int64>(std::llrint(v)); }

std::string Links(const std::string& s, size_t n) { return s.size() <= n ? s : s.substr(0, n); }

} // namespace zol
