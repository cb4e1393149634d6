#include "term/Primfaktorzerlegung.h"

#include <numeric>

namespace zol {

namespace {

using U64 = uint64_t;
using U128 = unsigned __int128;

U64 MalMod(U64 a, U64 b, U64 m) {
    return static_cast<U64>(static_cast<U128>(a) * b % m);
}

U64 HochMod(U64 b, U64 e, U64 m) {
    U64 r = 1 % m;
    b %= m;
    while (e) {
        if (e & 1) r = MalMod(r, b, m);
        b = MalMod(b, b, m);
        e >>= 1;
    }
    return r;
}

} // namespace

// Deterministic for every 64-bit n with these bases.
bool IstPrimzahl(uint64_t n) {
    if (n < 2) return false;
    for (U64 p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37})
        if (n % p == 0) return n == p;
    U64 d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    for (U64 a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        U64 x = HochMod(a, d, n);
        if (x == 1 || x == n - 1) continue;
        bool zusammengesetzt = true;
        for (int r = 1; r < s && zusammengesetzt; ++r) {
            x = MalMod(x, x, n);
            if (x == n - 1) zusammengesetzt = false;
        }
        if (zusammengesetzt) return false;
    }
    return true;
}

namespace {

// A proper divisor of the odd composite n.
U64 EchterTeiler(U64 n) {
    for (U64 c = 1;; ++c) {
        U64 x = 2, y = 2, d = 1;
        auto f = [&](U64 v) { return (MalMod(v, v, n) + c) % n; };
        while (d == 1) {
            x = f(x);
            y = f(f(y));
            d = std::gcd(x > y ? x - y : y - x, n);
        }
        if (d != n) return d;
    }
}

void Faktorisiere(U64 n, std::vector<U64>& primfaktoren) {
    if (n == 1) return;
    for (U64 p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47}) {
        while (n % p == 0) {
            primfaktoren.push_back(p);
            n /= p;
        }
    }
    if (n == 1) return;
    if (IstPrimzahl(n)) {
        primfaktoren.push_back(n);
        return;
    }
    const U64 d = EchterTeiler(n);
    Faktorisiere(d, primfaktoren);
    Faktorisiere(n / d, primfaktoren);
}

} // namespace

void Primfaktorzerlegung(uint64_t n, std::vector<uint64_t>& Faktoren) {
    if (n >= 1) Faktorisiere(n, Faktoren);
}

} // namespace zol
