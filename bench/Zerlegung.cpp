// Factorisation of quartics with large constant terms (the fit over the divisors of a_0 after a rational root
// test that finds nothing) and of a degree-6 product of three quadratic factors found by the p, q search.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>

#include "algebra/PolynomZerlegungen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace {

using namespace zol;

TPolynom Polynom(std::initializer_list<Int64> k) {
    TPolynom P;
    Int32 i = 0;
    for (Int64 z : k) P.Koeff[i++] = RationaleKonstante(TBruch{z, 1});
    P.Grad = i - 1;
    return P;
}

void Zerlege(benchmark::State& state, std::initializer_list<Int64> koeffizienten) {
    InitialisiereTerme();
    int64_t vollstaendig = 0;
    for (auto _ : state) {
        AlleTermeFreigeben();
        TZerlegung Z;
        PZerlegung(Polynom(koeffizienten), Z, false);
        vollstaendig += Z.Vollstaendig;
        benchmark::DoNotOptimize(Z.Liste);
    }
    AlleTermeFreigeben();
    state.counters["vollstaendig"] =
        benchmark::Counter(static_cast<double>(vollstaendig), benchmark::Counter::kAvgIterations);
}

// (x^2 + x + 1000003)(x^2 + 2x + 1000033): a_0 near 10^12 with two prime factors near 10^6.
void BM_ViertenGradZweiPrimfaktoren(benchmark::State& state) {
    constexpr Int64 p = 1000003, q = 1000033;
    Zerlege(state, {p * q, q + 2 * p, p + q + 2, 3, 1});
}
BENCHMARK(BM_ViertenGradZweiPrimfaktoren)->Unit(benchmark::kMillisecond);

// (x^2 + x + 2)(x^2 + 2x + 999999999999999989): a prime near 10^18 as the larger factor's q.
void BM_ViertenGradGrosseKonstante(benchmark::State& state) {
    constexpr Int64 q = 999999999999999989;
    Zerlege(state, {2 * q, q + 4, q + 4, 3, 1});
}
BENCHMARK(BM_ViertenGradGrosseKonstante)->Unit(benchmark::kMillisecond);

// x^4 + x^3 + x + 897612484786617600 (103,680 divisors), irreducible: the rational root test runs to its
// budget, then every divisor is screened for the fit and none passes.
void BM_ViertenGradVieleTeiler(benchmark::State& state) {
    Zerlege(state, {897612484786617600, 1, 0, 1, 1});
}
BENCHMARK(BM_ViertenGradVieleTeiler)->Unit(benchmark::kMillisecond);

// (x^2 + x + 1)(x^2 + x + 2)(x^2 + 2x + 3): no rational zero, nothing through P(ix), the p, q search.
void BM_QuadFaktorSucheGradSechs(benchmark::State& state) {
    Zerlege(state, {6, 13, 20, 17, 11, 4, 1});
}
BENCHMARK(BM_QuadFaktorSucheGradSechs)->Unit(benchmark::kMillisecond);

} // namespace
