// The gcd and the cancelling of polynomials with a common factor whose Euclidean remainders over 64-bit
// fractions overflow: the integer gcd alone, PGGT on term coefficients, and the reduced derivative of a
// rational function with a repeated cubic factor in its denominator.
#include <benchmark/benchmark.h>

#include <random>

#include "algebra/Ganzzahlpolynome.h"
#include "algebra/Polynome.h"
#include "algebra/RationaleFunktion.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"

namespace {

using namespace zol;

TGanzPolynom Zufall(std::mt19937_64& gen, size_t grad, Int64 schranke) {
    std::uniform_int_distribution<Int64> v(-schranke, schranke);
    TGanzPolynom p(grad + 1);
    for (Int64& c : p) c = v(gen);
    while (p.back() == 0) p.back() = v(gen);
    return p;
}

TGanzPolynom Mal(const TGanzPolynom& a, const TGanzPolynom& b) {
    TGanzPolynom r(a.size() + b.size() - 1, 0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) r[i + j] += a[i] * b[j];
    return r;
}

// A * C and B * C with A, B of degree grad and C of degree grad / 2, coefficients up to 1000.
void Paar(Int64 grad, TGanzPolynom& P, TGanzPolynom& Q) {
    std::mt19937_64 gen(58);
    const TGanzPolynom C = Zufall(gen, size_t(grad / 2), 1000);
    P = Mal(Zufall(gen, size_t(grad), 1000), C);
    Q = Mal(Zufall(gen, size_t(grad), 1000), C);
}

TPolynom AlsPolynom(const TGanzPolynom& p) {
    TPolynom P;
    for (size_t i = 0; i < p.size(); ++i) P.Koeff[i] = RationaleKonstante(TBruch{p[i], 1});
    P.Grad = Int32(p.size()) - 1;
    return P;
}

void BM_GanzGGT(benchmark::State& state) {
    TGanzPolynom P, Q, G;
    Paar(state.range(0), P, Q);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GanzGGT(P, Q, G));
        benchmark::DoNotOptimize(G.data());
    }
}
BENCHMARK(BM_GanzGGT)->Arg(4)->Arg(8)->Arg(12)->Unit(benchmark::kMicrosecond);

void BM_PGGT(benchmark::State& state) {
    InitialisiereTerme();
    TGanzPolynom p, q;
    Paar(state.range(0), p, q);
    for (auto _ : state) {
        AlleTermeFreigeben();
        TPolynom G;
        PGGT(AlsPolynom(p), AlsPolynom(q), G);
        benchmark::DoNotOptimize(G.Grad);
    }
    AlleTermeFreigeben();
}
BENCHMARK(BM_PGGT)->Arg(4)->Arg(8)->Arg(12)->Unit(benchmark::kMicrosecond);

// (-3 + 2x + 4x^2 - x^3)^(-2) / (2x^3 - 2x^2 + 6x + 6): the form and its reduced derivative.
void BM_RationaleAbleitung(benchmark::State& state) {
    InitialisiereTerme();
    for (auto _ : state) {
        AlleTermeFreigeben();
        bool neu = false;
        TRationaleFunktion* F =
            TRationaleFunktionCreateT(TermAusString("(-3+2x+4x^2-x^3)^(-2)/(2x^3-2x^2+6x+6)"), neu);
        benchmark::DoNotOptimize(F->Ableitung());
    }
    AlleTermeFreigeben();
}
BENCHMARK(BM_RationaleAbleitung)->Unit(benchmark::kMicrosecond);

} // namespace
