// The general step run headless over twenty school functions: input, simplification, definition range and
// value table (and, in the second benchmark, symmetry). A run that fails is counted, not fatal.
#include <benchmark/benchmark.h>

#include <array>
#include <exception>
#include <memory>
#include <vector>

#include "term/Fehler.h"
#include "tests/hilfe/KopfloseAnfrage.h"

namespace {

using namespace zol;

constexpr std::array<const char*, 20> Schulfunktionen = {
    // polynomials
    "x^2-1",
    "x^3-3x",
    "2x^4-4x^2+1",
    "(x-1)(x+2)^2",
    "1/2x^3-x",
    // rational functions
    "1/x",
    "(x^2-1)/(x-1)",
    "x/(x^2+1)",
    "(x^2+1)/(x^2-4)",
    "(2x-1)/(x+3)",
    // roots
    "sqrt(x)",
    "sqrt(x^2+1)",
    "x*sqrt(4-x^2)",
    // exponentials
    "exp(x)",
    "x*exp(-x)",
    "(x^2-1)*exp(x)",
    // trigonometric terms
    "sin(x)",
    "sin(x)+cos(x)",
    "x*sin(x)",
    "tan(x)",
};

struct TZaehler {
    int64_t Fehler = 0;
};

void Lauf(TKopfloseAnfrage& lauf, TZaehler& z) {
    try {
        lauf.Starte();
    } catch (const std::exception&) {
        ++z.Fehler;
    }
}

TAnfrage Anfrage(const char* f, bool mitSymmetrie) {
    TAnfrage a{.F = f,
               .A = "-2",
               .B = "2",
               .H = "1/2",
               .Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle}};
    if (mitSymmetrie) a.Schritte.push_back(SchrittSymmetrien);
    return a;
}

void Melde(benchmark::State& state, const TZaehler& z) {
    state.counters["fehler"] =
        benchmark::Counter(static_cast<double>(z.Fehler), benchmark::Counter::kAvgIterations);
}

// One school function per argument.
void BM_AllgemeinesJeFunktion(benchmark::State& state) {
    const char* f = Schulfunktionen[static_cast<size_t>(state.range(0))];
    state.SetLabel(f);
    TKopfloseAnfrage lauf(Anfrage(f, false));
    TZaehler z;
    for (auto _ : state) Lauf(lauf, z);
    Melde(state, z);
}
BENCHMARK(BM_AllgemeinesJeFunktion)->DenseRange(0, static_cast<int64_t>(Schulfunktionen.size()) - 1);

// All twenty functions in one iteration, every sub-step of page 0 chosen.
void BM_AllgemeinesAlleFunktionen(benchmark::State& state) {
    std::vector<std::unique_ptr<TKopfloseAnfrage>> laeufe;
    for (const char* f : Schulfunktionen)
        laeufe.push_back(std::make_unique<TKopfloseAnfrage>(Anfrage(f, true)));
    TZaehler z;
    for (auto _ : state)
        for (auto& lauf : laeufe) Lauf(*lauf, z);
    Melde(state, z);
}
BENCHMARK(BM_AllgemeinesAlleFunktionen);

} // namespace
