// The rational root test on cubics with large coefficients: leading and constant coefficients that are
// highly composite numbers near 10^9 (1344 divisors each), large 64-bit primes, and numbers with about
// 100,000 divisors, where the search ends at its candidate budget.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>

#include "algebra/PolynomNullstellen.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace {

using namespace zol;

TPolynom Kubik(std::initializer_list<Int64> k) {
    TPolynom P;
    Int32 i = 0;
    for (Int64 z : k) P.Koeff[i++] = RationaleKonstante(TBruch{z, 1});
    P.Grad = i - 1;
    return P;
}

void Rate(benchmark::State& state, std::initializer_list<Int64> koeffizienten) {
    InitialisiereTerme();
    int64_t gefunden = 0;
    for (auto _ : state) {
        AlleTermeFreigeben();
        TTerm* r = nullptr;
        NullstelleRaten(Kubik(koeffizienten), r, false);
        gefunden += r != nullptr;
        benchmark::DoNotOptimize(r);
    }
    AlleTermeFreigeben();
    state.counters["gefunden"] =
        benchmark::Counter(static_cast<double>(gefunden), benchmark::Counter::kAvgIterations);
}

// 735134400 = 2^6*3^3*5^2*7*11*13*17 and 931170240 = 2^6*3^2*5*7*11*13*17*19, 1344 divisors each.
constexpr Int64 HochZusammengesetzt1 = 735134400;
constexpr Int64 HochZusammengesetzt2 = 931170240;

// Small middle coefficients: the bound on the zeros cuts most candidates off.
void BM_RatenKleineMitte(benchmark::State& state) {
    Rate(state, {HochZusammengesetzt2, 1, 1, HochZusammengesetzt1});
}
BENCHMARK(BM_RatenKleineMitte)->Unit(benchmark::kMillisecond);

// A middle coefficient of 10^18: every pair of divisors is a candidate (about 3.6 million, none a zero).
void BM_RatenAlleTeilerpaare(benchmark::State& state) {
    Rate(state, {HochZusammengesetzt2, 1, 1'000'000'000'000'000'000, HochZusammengesetzt1});
}
BENCHMARK(BM_RatenAlleTeilerpaare)->Unit(benchmark::kMillisecond);

// The zero -19/735134400 has the largest denominator, so it is found in the last round of the search.
void BM_RatenGroessterNenner(benchmark::State& state) {
    // (735134400 x + 19)(x^2 + 10^9) expanded.
    Rate(state, {19'000'000'000, 735134400'000'000'000, 19, HochZusammengesetzt1});
}
BENCHMARK(BM_RatenGroessterNenner)->Unit(benchmark::kMillisecond);

// Primes near 2^63: factoring, no trial division up to the square root.
void BM_RatenGrossePrimzahlen(benchmark::State& state) {
    Rate(state, {INT64_C(9223372036854775783), 3, 5, INT64_C(9223372036854775643)});
}
BENCHMARK(BM_RatenGrossePrimzahlen)->Unit(benchmark::kMillisecond);

// 897612484786617600 has 103680 divisors: about 10^10 pairs, the search stops at its budget.
void BM_RatenBudget(benchmark::State& state) {
    Rate(state,
         {INT64_C(897612484786617600), 1, INT64_C(1'000'000'000'000'000'000), INT64_C(897612484786617600)});
}
BENCHMARK(BM_RatenBudget)->Unit(benchmark::kMillisecond);

} // namespace
