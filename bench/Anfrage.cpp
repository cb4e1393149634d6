// The full request over a fixed set of school functions of every kind: every step of pages 0 to 7 with
// comments, the derivatives up to f''', the area over [a; b], and then the integral from a to b (the
// antiderivative, its values at the bounds or Simpson's rule) in a second request: the step window offers one
// of the two at a time. Each function reports its time and the shares of the steps in per cent; BM_Gesamt
// runs the whole set. A request that fails is counted, not fatal.
//
// With --seiten the program writes the pages of every function instead (skripte/seitenvergleich.sh compares
// them between two commits).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <utility>

#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"

namespace {

using namespace zol;

struct TFunktion {
    const char* F;
    const char* A;
    const char* B;
};

constexpr std::array<TFunktion, 36> Funktionen = {{
    // polynomials, three of them with zeros of f or f' in trigonometric form
    {"x^2-1", "-2", "2"},
    {"x^3-3x", "-2", "2"},
    {"x^3-3x+1", "-2", "2"},
    {"2x^4-3x^3-3x^2+2x", "-1", "2"},
    {"x^4-x^3-7x^2+x+6", "-3", "3"},
    {"(x-1)(x+2)^2", "-3", "2"},
    {"1/2x^3-x", "-2", "2"},
    {"2x^4-4x^2+1", "-2", "2"},
    {"x^5-5x^3+4x", "-2", "2"},
    // rational functions: poles, removable gaps, asymptotes
    {"1/x", "1", "4"},
    {"(x^2-1)/(x-1)", "-2", "3"},
    {"x/(x^2+1)", "-2", "2"},
    {"(x^2+1)/(x^2-4)", "-1", "1"},
    {"(2x-1)/(x+3)", "0", "4"},
    {"x^2/(x-1)", "2", "5"},
    {"1/(x^2+1)", "-1", "1"},
    // e and ln, two of them without an elementary antiderivative or integrated numerically
    {"exp(x)", "-1", "1"},
    {"x*exp(-x)", "0", "3"},
    {"(x^2-1)*exp(x)", "-2", "2"},
    {"exp(-x)*sin(x)", "0", "3"},
    {"exp(x^2)", "0", "1"},
    {"ln(x)", "1", "4"},
    {"x*ln(x)", "1", "3"},
    {"ln(x^2+1)", "-1", "2"},
    // trigonometric functions on an interval
    {"sin(x)", "0", "2pi"},
    {"sin(x)+cos(x)", "0", "2pi"},
    {"x*sin(x)", "0", "pi"},
    {"sin(2x)", "-pi", "pi"},
    {"sin(x)^2", "0", "pi"},
    {"tan(x)", "-1", "1"},
    // roots
    {"sqrt(x)", "0", "4"},
    {"x*sqrt(4-x^2)", "-2", "2"},
    {"sqrt(x^2+1)", "-1", "1"},
    // abs and piecewise terms
    {"abs(x^2-1)", "-2", "2"},
    {"x*abs(x)", "-2", "2"},
    {"x;x^2", "-2", "2"},
}};

// The steps of the first request in the driver's order, with the short names of their shares.
constexpr std::array<std::pair<TSchritt, const char*>, 11> Anteile = {{
    {SchrittVereinfachen, "%Allg"},
    {SchrittNullstellen, "%Null"},
    {SchrittNaeherungsverfahren, "%Naeh"},
    {SchrittProduktzerlegung, "%Zerl"},
    {SchrittPolstellen, "%Pol"},
    {SchrittPartialbruch, "%Part"},
    {SchrittAbleitungen, "%Abl"},
    {SchrittExtremstellen, "%Extr"},
    {SchrittWendestellen, "%Wend"},
    {SchrittFlaeche, "%Flae"},
    {SchrittIntegral, "%Int"},
}};

TAnfrage Vollanfrage(const TFunktion& f) {
    return TAnfrage{.F = f.F,
                    .A = f.A,
                    .B = f.B,
                    .H = "1/2",
                    .Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle,
                                 SchrittSymmetrien, SchrittNullstellen, SchrittNaeherungsverfahren,
                                 SchrittProduktzerlegung, SchrittPolstellen, SchrittPartialbruch,
                                 SchrittAbleitungen, SchrittExtremstellen, SchrittWendestellen,
                                 SchrittFlaeche},
                    .AbleitungsGrad = 3,
                    .Kommentare = true};
}

TAnfrage Integralanfrage(const TFunktion& f) {
    return TAnfrage{
        .F = f.F, .A = f.A, .B = f.B, .Schritte = {SchrittIntegral}, .AbleitungsGrad = 3, .Kommentare = true};
}

// The two requests of one function.
struct TLauf {
    explicit TLauf(const TFunktion& f) : Voll(Vollanfrage(f)), Integral(Integralanfrage(f)) {}

    // Runs both; false when one of them ended with an error.
    bool Starte(std::string* fehler = nullptr) {
        bool ok = true;
        for (TKopfloseAnfrage* lauf : {&Voll, &Integral}) {
            try {
                lauf->Starte();
            } catch (const std::exception& e) {
                ok = false;
                if (fehler) *fehler += std::string(e.what()) + "\n";
            }
        }
        return ok;
    }

    TKopfloseAnfrage Voll, Integral;
};

void BM_Anfrage(benchmark::State& state) {
    const TFunktion& f = Funktionen[static_cast<size_t>(state.range(0))];
    state.SetLabel(std::string(f.F) + " [" + f.A + "; " + f.B + "]");
    TLauf lauf(f);
    std::array<double, SchrittAnzahl> dauer{};
    int64_t fehler = 0;
    for (auto _ : state) {
        fehler += !lauf.Starte();
        for (int s = 0; s < SchrittAnzahl; ++s)
            dauer[size_t(s)] += lauf.Voll.Dauer[size_t(s)] + lauf.Integral.Dauer[size_t(s)];
    }
    double summe = 0;
    for (double d : dauer) summe += d;
    for (const auto& [schritt, name] : Anteile)
        state.counters[name] = summe > 0 ? 100 * dauer[schritt] / summe : 0;
    state.counters["fehler"] =
        benchmark::Counter(static_cast<double>(fehler), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Anfrage)
    ->DenseRange(0, static_cast<int64_t>(Funktionen.size()) - 1)
    ->Unit(benchmark::kMillisecond);

void BM_Gesamt(benchmark::State& state) {
    int64_t fehler = 0;
    for (auto _ : state)
        for (const TFunktion& f : Funktionen) fehler += !TLauf(f).Starte();
    state.counters["fehler"] =
        benchmark::Counter(static_cast<double>(fehler), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Gesamt)->Unit(benchmark::kMillisecond);

// Every page of both requests of every function, with the messages shown and the errors that ended a
// request.
void SchreibeSeiten() {
    for (const TFunktion& f : Funktionen) {
        TLauf lauf(f);
        std::string fehler;
        lauf.Starte(&fehler);
        std::printf("=== %s [%s; %s]\n", f.F, f.A, f.B);
        for (Int32 k = 0; k <= 7; ++k) std::printf("--- Seite %d\n%s", k, lauf.Voll.Text(k).c_str());
        std::printf("--- Integral\n%s", lauf.Integral.Text(7).c_str());
        for (const TKopfloseAnfrage* l : {&lauf.Voll, &lauf.Integral})
            for (const auto& m : l->Host.Meldungen) std::printf("--- Meldung\n%s\n", m.Text.c_str());
        if (!fehler.empty()) std::printf("--- Fehler\n%s", fehler.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    zol::InitialisiereTerme();
    if (argc == 2 && std::strcmp(argv[1], "--seiten") == 0) {
        SchreibeSeiten();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
