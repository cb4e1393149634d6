// The exact gcd of integer polynomials, checked as a mathematician would: the gcd divides both, the
// cofactors multiply back and are coprime, a planted common factor divides the gcd; on inputs whose
// Euclidean remainders over 64-bit fractions overflow, on inputs made for unlucky primes, and on exact
// division and the primitive multiple of fractions.
#include <random>
#include <vector>

#include "algebra/Ganzzahlpolynome.h"
#include "term/Brueche.h"
#include "term/Fehler.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using I128 = __int128;
using Ganzzahlpolynome = ZolTest;

std::vector<I128> Mal(const TGanzPolynom& a, const TGanzPolynom& b) {
    std::vector<I128> r(a.size() + b.size() - 1, 0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) r[i + j] += I128(a[i]) * b[j];
    return r;
}

// The product when every coefficient fits 64 bits; empty otherwise.
TGanzPolynom MalWennPasst(const TGanzPolynom& a, const TGanzPolynom& b) {
    TGanzPolynom r;
    for (I128 c : Mal(a, b)) {
        if (c > INT64_MAX || c < -INT64_MAX) return {};
        r.push_back(Int64(c));
    }
    return r;
}

TGanzPolynom Zufall(std::mt19937_64& gen, size_t grad, Int64 schranke) {
    std::uniform_int_distribution<Int64> v(-schranke, schranke);
    TGanzPolynom p(grad + 1);
    for (Int64& c : p) c = v(gen);
    while (p.back() == 0) p.back() = v(gen);
    return p;
}

// Euclid's algorithm over 64-bit fractions with each remainder made monic, as a reference for what
// overflows: true when it ends, false when a fraction overflowed.
bool EuklidUeberBruechenEndet(const TGanzPolynom& P, const TGanzPolynom& Q) {
    using B = std::vector<TBruch>;
    auto normiert = [](B a) {
        const TBruch l = a.back();
        for (TBruch& c : a) Brueche::Durch(c, l, c);
        return a;
    };
    B a, b;
    for (Int64 c : P) a.push_back({c, 1});
    for (Int64 c : Q) b.push_back({c, 1});
    try {
        b = normiert(b);
        while (b.size() > 1) {
            while (a.size() >= b.size()) {
                const TBruch q = a.back();
                const size_t s = a.size() - b.size();
                for (size_t j = 0; j < b.size(); ++j) {
                    TBruch t;
                    Brueche::Mal(q, b[j], t);
                    Brueche::Minus(a[s + j], t, a[s + j]);
                }
                a.pop_back();
                while (!a.empty() && a.back().Zaehler == 0) a.pop_back();
            }
            if (a.empty()) return true;
            std::swap(a, b);
            b = normiert(b);
        }
    } catch (const ERessourcen&) {
        return false;
    }
    return true;
}

// G is the gcd of P and Q: primitive, positive leading coefficient, divides both with coprime cofactors
// that multiply back.
::testing::AssertionResult IstGGT(const TGanzPolynom& G, const TGanzPolynom& P, const TGanzPolynom& Q) {
    if (G.empty() || G.back() <= 0 || GanzInhalt(G) != 1)
        return ::testing::AssertionFailure() << "nicht primitiv mit positivem Leitkoeffizienten";
    TGanzPolynom p, q, eins;
    if (!GanzDurch(P, G, p) || !GanzDurch(Q, G, q)) return ::testing::AssertionFailure() << "teilt nicht";
    for (auto [a, b] : {std::pair{&P, &p}, {&Q, &q}}) {
        const std::vector<I128> probe = Mal(G, *b);
        if (probe != std::vector<I128>(a->begin(), a->end()))
            return ::testing::AssertionFailure() << "Kofaktor mal ggT ist nicht das Polynom";
    }
    if (!GanzGGT(p, q, eins) || eins != TGanzPolynom{1})
        return ::testing::AssertionFailure() << "Kofaktoren nicht teilerfremd";
    return ::testing::AssertionSuccess();
}

TEST_F(Ganzzahlpolynome, GeplanterFaktorTeiltDenGGT) {
    struct TFall {
        size_t GradA, GradB, GradC;
        Int64 Schranke, SchrankeC;
    };
    const TFall faelle[] = {{3, 2, 2, 9, 9},       {6, 5, 4, 30, 30},    {8, 8, 4, 1000, 50},
                            {10, 9, 10, 99, 99},   {12, 7, 3, 10000, 7}, {5, 5, 15, 3, 3},
                            {1, 1, 18, 1000, 100}, {0, 9, 6, 100, 1000}, {9, 9, 2, 1000000, 1000000}};
    std::mt19937_64 gen(58);
    int ueberlaufen = 0, faelleGesamt = 0;
    for (const TFall& f : faelle)
        for (int n = 0; n < 12; ++n) {
            const TGanzPolynom A = Zufall(gen, f.GradA, f.Schranke), B = Zufall(gen, f.GradB, f.Schranke),
                               C = Zufall(gen, f.GradC, f.SchrankeC);
            const TGanzPolynom P = MalWennPasst(A, C), Q = MalWennPasst(B, C);
            if (P.empty() || Q.empty()) continue;
            ++faelleGesamt;
            if (!EuklidUeberBruechenEndet(P, Q)) ++ueberlaufen;
            TGanzPolynom G, rest;
            ASSERT_TRUE(GanzGGT(P, Q, G)) << f.GradA << " " << f.GradB << " " << f.GradC;
            EXPECT_TRUE(IstGGT(G, P, Q));
            TGanzPolynom c = C;
            for (Int64& k : c) k /= GanzInhalt(C);
            EXPECT_TRUE(GanzDurch(G, c, rest)) << "der geplante Faktor teilt den ggT nicht";
            // The gcd does not depend on the order of its arguments.
            TGanzPolynom H;
            ASSERT_TRUE(GanzGGT(Q, P, H));
            EXPECT_EQ(G, H);
        }
    // The table holds the hard kind: for many of its cases Euclid's remainders over fractions overflow.
    EXPECT_GT(faelleGesamt, 80);
    EXPECT_GT(ueberlaufen, faelleGesamt / 3);
}

TEST_F(Ganzzahlpolynome, UngluecklicheModuln) {
    // The largest primes below 2^31: modulo them x - 1 - k*p equals x - 1, so the gcd looks larger there.
    const Int64 p1 = 2147483647, p2 = 2147483629, p3 = 2147483587;
    const TGanzPolynom C = {3, -1, 2}; // 2x^2 - x + 3
    struct TFall {
        TGanzPolynom A, B, G;
    };
    const TFall faelle[] = {
        {{-1, 1}, {-1 - p1, 1}, {1}},
        {{-1, 1}, {-1 - p1 * p2, 1}, {1}},
        {MalWennPasst(C, {-1, 1}), MalWennPasst(C, {-1 - p1, 1}), C},
        {MalWennPasst({1, 1}, {-1, 1}), MalWennPasst({1, 1}, {-1 - p2 * p3, 1}), {1, 1}},
        {MalWennPasst({-1, 0, 1}, {1, 1}), MalWennPasst({-1 - p1, 0, 1}, {1, 1}), {1, 1}},
        // A constant, a coprime pair, equal polynomials, one dividing the other.
        {{6}, C, {1}},
        {{1, 1}, {2, 1}, {1}},
        {{-4, 0, 2}, {-4, 0, 2}, {-2, 0, 1}},
        {C, MalWennPasst(C, {5, 7}), C},
    };
    for (const TFall& f : faelle) {
        ASSERT_FALSE(f.A.empty() || f.B.empty());
        TGanzPolynom G;
        ASSERT_TRUE(GanzGGT(f.A, f.B, G));
        EXPECT_EQ(G, f.G);
        EXPECT_TRUE(IstGGT(G, f.A, f.B));
    }
    TGanzPolynom G;
    EXPECT_FALSE(GanzGGT({}, C, G));
}

TEST_F(Ganzzahlpolynome, ExakteDivision) {
    const TGanzPolynom C = {3, -1, 2};
    TGanzPolynom Q;
    struct TFall {
        TGanzPolynom P, D;
        bool Teilt;
    };
    const TFall faelle[] = {
        {MalWennPasst(C, {-7, 0, 0, 5}), C, true},
        {MalWennPasst(C, {-7, 0, 0, 5}), {-7, 0, 0, 5}, true},
        {{}, C, true},
        {{1, 0, 2}, C, false}, // the same degree, not a multiple
        {{3, -1}, C, false},   // a lower degree
        {{6, -2, 4}, {3, -1, 4}, false},
        {{2, 4}, {1, 3}, false}, // rational quotient 4/3 at the top, not integral
        {{1, 2}, {}, false},
    };
    for (const TFall& f : faelle) {
        EXPECT_EQ(GanzDurch(f.P, f.D, Q), f.Teilt);
        if (f.Teilt && !f.P.empty()) {
            EXPECT_EQ(Mal(Q, f.D), std::vector<I128>(f.P.begin(), f.P.end()));
        }
    }
}

TEST_F(Ganzzahlpolynome, PrimitivesVielfachesVonBruechen) {
    struct TFall {
        std::vector<TBruch> Koeff;
        TGanzPolynom Soll;
    };
    const Int64 g = Int64(1) << 62;
    const TFall faelle[] = {
        {{{1, 2}, {1, 3}, {1, 1}}, {3, 2, 6}},
        {{{-4, 1}, {6, 1}, {2, 1}}, {-2, 3, 1}},
        {{{0, 1}, {3, 7}}, {0, 1}},
        {{{1, g}, {1, g - 1}}, {g - 1, g}},
        // The lcm of three denominators near 2^62 leaves 128 bits.
        {{{1, g - 1}, {1, g - 3}, {1, g - 5}}, {}},
        {{{1, 1}, {0, 1}}, {}},
    };
    for (const TFall& f : faelle) {
        TGanzPolynom P;
        EXPECT_EQ(PrimitivesVielfaches(f.Koeff, P), !f.Soll.empty());
        if (f.Soll.empty()) continue;
        EXPECT_EQ(P, f.Soll);
        EXPECT_EQ(GanzInhalt(P), 1);
    }
}

} // namespace
} // namespace zol
