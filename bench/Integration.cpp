// The symbolic integration of fourteen integrands: parts, substitution, directly integrable terms and terms
// without an elementary antiderivative, whose search ends unfound. Each iteration parses f anew in an emptied
// store, so nothing is reused from a cache. A run that fails is counted, not fatal. Beside it Simpson's rule
// with 10^6 subintervals, the integral step's fallback.
#include <benchmark/benchmark.h>

#include <array>
#include <exception>

#include "steps/Allgemeines.h"
#include "steps/Integral.h"
#include "steps/Numerik.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace {

using namespace zol;

constexpr std::array<const char*, 14> Integranden = {
    "x*exp(x)",   "x^2*exp(x)",  "x*sin(x)",  "exp(x)*sin(x)", "ln(x)",    "x*ln(x)",  "ln(x)/x",
    "x*exp(x^2)", "2x*cos(x^2)", "x/(x^2+1)", "x*sqrt(x^2+1)", "exp(x^2)", "sin(x)/x", "sqrt(1+x^3)",
};

struct TZaehler {
    int64_t Gefunden = 0;
    int64_t Fehler = 0;
};

void Integriere(const char* f, TZaehler& z) {
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    try {
        z.Gefunden += IntegralVon(TermAusString(f), nullptr, nullptr) != nullptr;
    } catch (const std::exception&) {
        ++z.Fehler;
    }
}

// One integrand per argument.
void BM_IntegralVon(benchmark::State& state) {
    InitialisiereTerme();
    TTestOberflaecheAktiv host;
    const char* f = Integranden[static_cast<size_t>(state.range(0))];
    state.SetLabel(f);
    TZaehler z;
    for (auto _ : state) Integriere(f, z);
    auto proLauf = [](int64_t n) {
        return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations);
    };
    state.counters["gefunden"] = proLauf(z.Gefunden);
    state.counters["fehler"] = proLauf(z.Fehler);
}
BENCHMARK(BM_IntegralVon)->DenseRange(0, static_cast<int64_t>(Integranden.size()) - 1);

// e^(x^2) over [0; 1] with 10^6 subintervals.
void BM_Simpsonregel(benchmark::State& state) {
    InitialisiereTerme();
    TTestOberflaecheAktiv host;
    AlleTermeFreigeben();
    TTerm* f = TermAusString("exp(x^2)");
    TTerm* b = TermAusString("1");
    for (auto _ : state) benchmark::DoNotOptimize(Simpsonregel(f, Null, b, 1000000));
}
BENCHMARK(BM_Simpsonregel)->Unit(benchmark::kMillisecond);

} // namespace
