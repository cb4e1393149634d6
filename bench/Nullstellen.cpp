// The general zero finder over twenty functions on the whole line: polynomials through the term's own
// zeros and the polynomial form, quotients, piecewise terms, and terms without a normal form through
// substitution. Each iteration parses f anew in an emptied store, so nothing is reused from a cache. A search
// that fails is counted, not fatal. Then the zeros step of high powers, whose multiplicities are checked
// against the structure of f, in a request with the antiderivative after it.
#include <benchmark/benchmark.h>

#include <array>
#include <exception>

#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/TestOberflaeche.h"

namespace {

using namespace zol;

constexpr std::array<const char*, 20> Funktionen = {
    // polynomials
    "x^2-1",
    "x^3-3x+2",
    "x^4-5x^2+4",
    "(x-1)^2*(x+3)*(x^2+1)",
    "2x^3-x^2-2x+1",
    "x^5-x^3",
    "x^3-6x^2+11x-6",
    "6x^4-x^3-25x^2+4x+4",
    "x^3+x+1",
    "x^6-1",
    // quotients
    "(x^2-4)/(x^2+1)",
    "(x-1)*(x+2)/(x-1)",
    "(x-3)^2/(x-2)",
    "1/(x^2-1)",
    // piecewise terms
    "x^2-1;x-2",
    "x^3-x;x^2-4",
    // substitution with back-substitution
    "x^(2/3)-3x^(1/3)+2",
    "x^(4/3)-5x^(2/3)+4",
    "x^(2/9)-3x^(1/9)+2",
    "(x^(1/3)+x^(2/3))^(1/5)-x^(2/3)-1",
};

struct TZaehler {
    int64_t Fehler = 0;
    int64_t Punkte = 0;
};

void Suche(const char* f, TZaehler& z) {
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    try {
        TSListe* L = nullptr;
        uint8_t status = unklar;
        SucheNullstellen(TermAusString(f), IntervallR, L, false, status);
        z.Punkte += L->Anzahl;
    } catch (const std::exception&) {
        ++z.Fehler;
    }
}

void Melde(benchmark::State& state, const TZaehler& z) {
    auto proLauf = [](int64_t n) {
        return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations);
    };
    state.counters["nullstellen"] = proLauf(z.Punkte);
    state.counters["fehler"] = proLauf(z.Fehler);
}

// One function per argument.
void BM_SucheNullstellenJeFunktion(benchmark::State& state) {
    InitialisiereTerme();
    TTestOberflaecheAktiv host;
    const char* f = Funktionen[static_cast<size_t>(state.range(0))];
    state.SetLabel(f);
    TZaehler z;
    for (auto _ : state) Suche(f, z);
    Melde(state, z);
}
BENCHMARK(BM_SucheNullstellenJeFunktion)->DenseRange(0, static_cast<int64_t>(Funktionen.size()) - 1);

// All twenty in one iteration.
void BM_SucheNullstellenAlle(benchmark::State& state) {
    InitialisiereTerme();
    TTestOberflaecheAktiv host;
    TZaehler z;
    for (auto _ : state)
        for (const char* f : Funktionen) Suche(f, z);
    Melde(state, z);
}
BENCHMARK(BM_SucheNullstellenAlle);

constexpr std::array<const char*, 6> HohePotenzen = {
    "x^400", "x^1000", "x^1000+x^999", "-x^224x", "(x-1)^30*(x+2)^40", "sin(x)^200*(x^2-2x+1)"};

// One function per argument: the zeros step and the antiderivative, as a request.
void BM_HohePotenzen(benchmark::State& state) {
    InitialisiereTerme();
    const char* f = HohePotenzen[static_cast<size_t>(state.range(0))];
    state.SetLabel(f);
    TKopfloseAnfrage lauf(TAnfrage{.F = f, .Schritte = {SchrittNullstellen, SchrittStammfunktion}});
    int64_t fehler = 0;
    for (auto _ : state) {
        try {
            lauf.Starte();
        } catch (const std::exception&) {
            ++fehler;
        }
    }
    state.counters["fehler"] =
        benchmark::Counter(static_cast<double>(fehler), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HohePotenzen)
    ->DenseRange(0, static_cast<int64_t>(HohePotenzen.size()) - 1)
    ->Unit(benchmark::kMillisecond);

} // namespace
