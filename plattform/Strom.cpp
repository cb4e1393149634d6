#include "plattform/Strom.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "term/Fehler.h"

namespace zol {

namespace {
template <class T> void SchreibeLE(TStrom& s, T v) {
    uint8_t b[sizeof(T)];
    auto u = static_cast<std::make_unsigned_t<T>>(v);
    for (size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<uint8_t>(u >> (8 * i));
    s.Schreibe(b, sizeof b);
}

template <class T> T LiesLE(TStrom& s) {
    uint8_t b[sizeof(T)];
    s.LiesGenau(b, sizeof b);
    std::make_unsigned_t<T> u = 0;
    for (size_t i = 0; i < sizeof(T); ++i) u |= static_cast<std::make_unsigned_t<T>>(b[i]) << (8 * i);
    return static_cast<T>(u);
}
} // namespace

void TStrom::LiesGenau(void* ziel, size_t n) {
    if (Lies(ziel, n) != n) throw EZolFehler("Lesefehler im Datenstrom.");
}

void TStrom::SchreibeInt32(int32_t v) { SchreibeLE(*this, v); }
void TStrom::SchreibeInt64(int64_t v) { SchreibeLE(*this, v); }
uint8_t TStrom::LiesByte() {
    uint8_t b;
    LiesGenau(&b, 1);
    return b;
}
int32_t TStrom::LiesInt32() { return LiesLE<int32_t>(*this); }
int64_t TStrom::LiesInt64() { return LiesLE<int64_t>(*this); }

// An extended value is stored as the 8 bytes of a double: portable and exact for every value read back
// into a double.
void TStrom::SchreibeExtended(long double v) {
    double d = static_cast<double>(v);
    int64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    SchreibeInt64(bits);
}

long double TStrom::LiesExtended() {
    int64_t bits = LiesInt64();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

size_t TSpeicherStrom::Lies(void* ziel, size_t n) {
    if (Pos >= Daten.size()) return 0;
    size_t k = std::min<uint64_t>(n, Daten.size() - Pos);
    std::memcpy(ziel, Daten.data() + Pos, k);
    Pos += k;
    return k;
}

void TSpeicherStrom::Schreibe(const void* quelle, size_t n) {
    if (Pos + n > Daten.size()) Daten.resize(Pos + n);
    std::memcpy(Daten.data() + Pos, quelle, n);
    Pos += n;
}

TDateiStrom::TDateiStrom(const std::string& name, TDateiModus modus) {
    Datei = std::fopen(name.c_str(), modus == TDateiModus::Lesen ? "rb" : "wb");
    if (!Datei) throw EZolFehler("Datei kann nicht geöffnet werden: " + name);
}

TDateiStrom::~TDateiStrom() {
    if (Datei) std::fclose(Datei);
}

void TDateiStrom::Schliesse() {
    std::FILE* d = Datei;
    Datei = nullptr;
    if (d && std::fclose(d) != 0) throw EZolFehler("Schreibfehler im Datenstrom.");
}

size_t TDateiStrom::Lies(void* ziel, size_t n) { return std::fread(ziel, 1, n, Datei); }

void TDateiStrom::Schreibe(const void* quelle, size_t n) {
    if (std::fwrite(quelle, 1, n, Datei) != n) throw EZolFehler("Schreibfehler im Datenstrom.");
}

uint64_t TDateiStrom::Position() { return static_cast<uint64_t>(std::ftell(Datei)); }

void TDateiStrom::Positioniere(uint64_t position) { std::fseek(Datei, static_cast<long>(position), SEEK_SET); }

uint64_t TDateiStrom::Groesse() {
    long alt = std::ftell(Datei);
    std::fseek(Datei, 0, SEEK_END);
    long g = std::ftell(Datei);
    std::fseek(Datei, alt, SEEK_SET);
    return static_cast<uint64_t>(g);
}

} // namespace zol
