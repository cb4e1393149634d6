// Solving linear systems: random integer systems of 5, 10 and 15 unknowns (entries -9..9, an integer
// solution) and a 5 x 5 system with entries a + b*sqrt(2) + c*sqrt(3) (a, b, c in -3..3), without comments.
#include <benchmark/benchmark.h>

#include <random>

#include "algebra/LineareGleichungssysteme.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace {

using namespace zol;

TTerm* Zahl(Int64 z) {
    return RationaleKonstante(TBruch{z, 1});
}

// The system of the seed; with Wurzeln the entries are radical sums. The right side is A*(1, 2, ..., n).
void Baue(Int32 n, bool Wurzeln, unsigned Saat, TLGSMatrix& A, TLGSMatrix& b) {
    std::mt19937 zufall(Saat);
    std::uniform_int_distribution<int> ziffer(Wurzeln ? -3 : -9, Wurzeln ? 3 : 9);
    A = NeueLGSMatrix(n, n);
    b = NeueLGSMatrix(n, 1);
    for (Int32 i = 1; i <= n; ++i) {
        TTerm* rechts = Null;
        for (Int32 j = 1; j <= n; ++j) {
            TTerm* e = Zahl(ziffer(zufall));
            if (Wurzeln) {
                e = Summe(e, Produkt(Zahl(ziffer(zufall)), WurzelAusRationalerZahl(TBruch{2, 1}, 2)));
                e = Summe(e, Produkt(Zahl(ziffer(zufall)), WurzelAusRationalerZahl(TBruch{3, 1}, 2)));
            }
            A.a[i][j] = e;
            rechts = Summe(rechts, Produkt(e, Zahl(j)));
        }
        b.a[i][1] = rechts;
    }
}

void Loese(benchmark::State& state, bool Wurzeln) {
    InitialisiereTerme();
    const Int32 n = Int32(state.range(0));
    unsigned saat = 0;
    int64_t geloest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        AlleTermeFreigeben();
        TLGSMatrix A, b, X;
        Baue(n, Wurzeln, ++saat % 8, A, b);
        state.ResumeTiming();
        try {
            LoeseLGS(A, b, X, false);
            geloest += X.Spalten == 1;
        } catch (const EZolFehler&) {
        }
    }
    AlleTermeFreigeben();
    state.counters["geloest"] =
        benchmark::Counter(static_cast<double>(geloest), benchmark::Counter::kAvgIterations);
}

void BM_GanzzahligeSysteme(benchmark::State& state) {
    Loese(state, false);
}
BENCHMARK(BM_GanzzahligeSysteme)->Arg(5)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);

void BM_WurzelSystem(benchmark::State& state) {
    Loese(state, true);
}
BENCHMARK(BM_WurzelSystem)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace
