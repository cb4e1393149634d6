#include "algebra/Ganzzahlpolynome.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "term/Primfaktorzerlegung.h"

namespace zol {

namespace {

using U64 = uint64_t;
using U128 = unsigned __int128;
using I128 = __int128;

constexpr I128 I128Min = I128(U128(1) << 127);

// Primes below 2^31, so that the product of two residues fits 64 bits. A prime is unlucky for P and Q when
// their gcd modulo it has a higher degree than over the integers; it then divides a resultant of the
// cofactors, below 2^3400 for degree 20 and 64-bit coefficients, so at most 110 of these primes are unlucky
// for any input.
constexpr size_t Primzahlanzahl = 160;

// The moduli of the Chinese remainder theorem stay below 2^126: the residues in symmetric form fit 128 bits.
constexpr U128 Modulgrenze = U128(1) << 126;

U64 MalMod(U64 a, U64 b, U64 p) {
    return a * b % p;
}

U64 HochMod(U64 a, U64 e, U64 p) {
    U64 r = 1;
    for (a %= p; e > 0; e >>= 1, a = MalMod(a, a, p))
        if (e & 1) r = MalMod(r, a, p);
    return r;
}

// The inverse of a modulo the prime p (a not divisible by p).
U64 InversMod(U64 a, U64 p) {
    return HochMod(a, p - 2, p);
}

// The largest primes below 2^31, descending.
const std::vector<U64>& Primzahlen() {
    static const std::vector<U64> liste = [] {
        std::vector<U64> l;
        for (U64 n = (U64(1) << 31) - 1; l.size() < Primzahlanzahl; n -= 2)
            if (IstPrimzahl(n)) l.push_back(n);
        return l;
    }();
    return liste;
}

U64 Rest(Int64 a, U64 p) {
    const Int64 r = a % Int64(p);
    return U64(r < 0 ? r + Int64(p) : r);
}

std::vector<U64> Modulo(const TGanzPolynom& P, U64 p) {
    std::vector<U64> r(P.size());
    for (size_t i = 0; i < P.size(); ++i) r[i] = Rest(P[i], p);
    return r;
}

void Trimme(std::vector<U64>& A) {
    while (!A.empty() && A.back() == 0) A.pop_back();
}

// The monic gcd of A and B modulo p; their leading coefficients are not divisible by p.
std::vector<U64> GGTModulo(std::vector<U64> A, std::vector<U64> B, U64 p) {
    while (!B.empty()) {
        const U64 inv = InversMod(B.back(), p);
        // A := A mod B; each round cancels A's leading coefficient exactly.
        while (A.size() >= B.size()) {
            const U64 q = MalMod(A.back(), inv, p);
            const size_t s = A.size() - B.size();
            for (size_t j = 0; j < B.size(); ++j) A[s + j] = (A[s + j] + p - MalMod(q, B[j], p)) % p;
            A.back() = 0;
            Trimme(A);
        }
        std::swap(A, B);
    }
    const U64 inv = InversMod(A.back(), p);
    for (U64& a : A) a = MalMod(a, inv, p);
    return A;
}

U128 Betrag(I128 a) {
    return a < 0 ? U128(0) - U128(a) : U128(a);
}

U128 GGT(U128 a, U128 b) {
    while (b != 0) {
        const U128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// P / D in 128 bits: false when D does not divide P over the integers or a number leaves 128 bits.
bool Teile(const TGanzPolynom& P, const TGanzPolynom& D, std::vector<I128>& Q) {
    Q.clear();
    if (D.empty()) return false;
    if (P.empty()) return true;
    if (P.size() < D.size()) return false;
    const size_t n = D.size() - 1;
    std::vector<I128> R(P.begin(), P.end());
    Q.assign(P.size() - n, 0);
    const I128 leit = D.back();
    for (size_t k = Q.size(); k-- > 0;) {
        const I128 r = R[k + n];
        if (r == I128Min || r % leit != 0) return false;
        const I128 q = r / leit;
        Q[k] = q;
        for (size_t j = 0; j <= n; ++j) {
            I128 t;
            if (__builtin_mul_overflow(q, I128(D[j]), &t) || __builtin_sub_overflow(R[k + j], t, &R[k + j]))
                return false;
        }
    }
    for (size_t j = 0; j < n; ++j)
        if (R[j] != 0) return false;
    return true;
}

bool PasstInInt64(I128 a) {
    return a <= std::numeric_limits<Int64>::max() && a >= -std::numeric_limits<Int64>::max();
}

// The primitive part of H (residues modulo M read in symmetric form), with a positive leading
// coefficient; false when a coefficient does not fit 64 bits.
bool PrimitiverKandidat(const std::vector<U128>& H, U128 M, TGanzPolynom& G) {
    std::vector<I128> c(H.size());
    U128 inhalt = 0;
    for (size_t i = 0; i < H.size(); ++i) {
        c[i] = H[i] > M / 2 ? -I128(M - H[i]) : I128(H[i]);
        inhalt = GGT(inhalt, Betrag(c[i]));
    }
    if (inhalt == 0 || c.back() == 0) return false;
    const I128 teiler = c.back() < 0 ? -I128(inhalt) : I128(inhalt);
    G.assign(c.size(), 0);
    for (size_t i = 0; i < c.size(); ++i) {
        const I128 g = c[i] / teiler;
        if (!PasstInInt64(g)) return false;
        G[i] = Int64(g);
    }
    return true;
}

// P divided by its content (the zero polynomial stays zero).
TGanzPolynom Primitiv(const TGanzPolynom& P) {
    const Int64 inhalt = GanzInhalt(P);
    TGanzPolynom R = P;
    if (inhalt > 1)
        for (Int64& c : R) c /= inhalt;
    return R;
}

} // namespace

Int64 GanzInhalt(const TGanzPolynom& P) {
    U128 g = 0;
    for (Int64 c : P) g = GGT(g, Betrag(c));
    // Only coefficients of -2^63 alone have a content beyond Int64.
    return g > U128(std::numeric_limits<Int64>::max()) ? 0 : Int64(g);
}

bool PrimitivesVielfaches(const std::vector<TBruch>& Koeff, TGanzPolynom& P) {
    if (Koeff.empty() || Koeff.back().Zaehler == 0) return false;
    I128 kgv = 1;
    for (const TBruch& b : Koeff) {
        const I128 n = b.Nenner < 0 ? -I128(b.Nenner) : I128(b.Nenner);
        if (n == 0) return false;
        if (__builtin_mul_overflow(kgv / I128(GGT(U128(kgv), U128(n))), n, &kgv)) return false;
    }
    std::vector<I128> c(Koeff.size());
    U128 inhalt = 0;
    for (size_t i = 0; i < Koeff.size(); ++i) {
        if (__builtin_mul_overflow(I128(Koeff[i].Zaehler), kgv / I128(Koeff[i].Nenner), &c[i])) return false;
        inhalt = GGT(inhalt, Betrag(c[i]));
    }
    TGanzPolynom R(c.size());
    for (size_t i = 0; i < c.size(); ++i) {
        const I128 g = c[i] / I128(inhalt);
        if (!PasstInInt64(g)) return false;
        R[i] = Int64(g);
    }
    P = std::move(R);
    return true;
}

bool GanzDurch(const TGanzPolynom& P, const TGanzPolynom& D, TGanzPolynom& Quotient) {
    std::vector<I128> q;
    if (!Teile(P, D, q)) return false;
    TGanzPolynom r(q.size());
    for (size_t i = 0; i < q.size(); ++i) {
        if (!PasstInInt64(q[i])) return false;
        r[i] = Int64(q[i]);
    }
    Quotient = std::move(r);
    return true;
}

bool GanzGGT(const TGanzPolynom& P, const TGanzPolynom& Q, TGanzPolynom& G) {
    if (P.empty() || Q.empty() || P.back() == 0 || Q.back() == 0) return false;
    if (GanzInhalt(P) == 0 || GanzInhalt(Q) == 0) return false;
    const TGanzPolynom A = Primitiv(P), B = Primitiv(Q);
    if (A.size() == 1 || B.size() == 1) {
        G = {1};
        return true;
    }
    // The gcd's leading coefficient divides l; the images modulo p are scaled to l, so that they are the
    // images of one integer polynomial, l / lc(gcd) times the gcd.
    const Int64 l = GanzInhalt({A.back(), B.back()});
    size_t grad = std::min(A.size(), B.size());
    std::vector<U128> H;
    U128 M = 0;
    std::vector<I128> rest;
    TGanzPolynom verworfen;
    for (U64 p : Primzahlen()) {
        if (Rest(A.back(), p) == 0 || Rest(B.back(), p) == 0) continue;
        std::vector<U64> g = GGTModulo(Modulo(A, p), Modulo(B, p), p);
        if (g.size() == 1) {
            G = {1};
            return true;
        }
        // A higher degree than seen before: an unlucky prime.
        if (g.size() > grad) continue;
        const U64 lp = Rest(l, p);
        for (U64& c : g) c = MalMod(c, lp, p);
        if (g.size() < grad || M == 0 || M > Modulgrenze / p) {
            // A lower degree makes every earlier prime unlucky; a full modulus starts afresh.
            grad = g.size();
            H.assign(g.begin(), g.end());
            M = p;
        } else {
            // x = H (mod M) and x = g (mod p): x = H + M * ((g - H) / M mod p).
            const U64 mInv = InversMod(U64(M % p), p);
            for (size_t i = 0; i < H.size(); ++i) {
                const U64 t = MalMod((g[i] + p - U64(H[i] % p)) % p, mInv, p);
                H[i] += M * t;
            }
            M *= p;
        }
        // A candidate that failed before fails again.
        TGanzPolynom kandidat;
        if (!PrimitiverKandidat(H, M, kandidat) || kandidat == verworfen) continue;
        if (Teile(A, kandidat, rest) && Teile(B, kandidat, rest)) {
            G = std::move(kandidat);
            return true;
        }
        verworfen = std::move(kandidat);
    }
    return false;
}

} // namespace zol
