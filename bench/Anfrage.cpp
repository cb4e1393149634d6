// The full request over a fixed set of school functions of every kind: every step of pages 0 to 7 with
// comments, the derivatives up to f''', the area over [a; b], and then the integral from a to b (the
// antiderivative, its values at the bounds or Simpson's rule) in a second request: the step window offers one
// of the two at a time. Each function reports its time and the shares of the steps in per cent; BM_Gesamt
// runs the whole set. A request that fails is counted, not fatal.
//
// BM_Schulmenge runs a fixed generated set of school requests on [-2; 2] with every step and comments
// (bench/Erzeuger.h), followed by requests that once took long: the median, the 99th percentile and the
// maximum of the times of single requests, and the steps' shares. With --zeiten the program writes the time
// of every request of that set and its slowest step instead; with --zeiten and numbers, of those requests
// only (to profile them).
//
// With --seiten the program writes the pages of every function and of every request of the set instead, with
// a checksum of each request's graph (skripte/seitenvergleich.sh compares them between two commits).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "bench/Erzeuger.h"
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

constexpr std::array<TFunktion, 45> Funktionen = {{
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
    // once slow: areas with many or with Cardano zeros, integrals by Simpson's rule, gaps and abs
    {"cos(2x)+2cos(x)", "0", "2pi"},
    {"cos(x)^2-sin(x)", "0", "2pi"},
    {"x^3+x+1", "-2", "2"},
    {"x^3-2x-5", "0", "3"},
    {"e^x/x", "1", "3"},
    {"e^(-x^2)", "-2", "2"},
    {"sin(x)/x", "-pi", "pi"},
    {"abs(x^2-4)", "-3", "3"},
    {"e^(-x)sin(x)", "-1", "pi"},
}};

// The short name of each step's share, by step; none for the symmetry, which runs inside the general step.
constexpr std::array<const char*, SchrittAnzahl> Kurznamen = {
    "%Allg", "%Def", "%Tab",  nullptr, "%Null",  "%Naeh", "%Schn", "%Zerl",  "%Pol",
    "%Part", "%Abl", "%Extr", "%Wend", "%Stamm", "%Int",  "%Flae", "%Graph",
};

// The steps of the first request in the driver's order.
constexpr std::array<TSchritt, 11> ErsteAnfrageSchritte = {
    SchrittVereinfachen,     SchrittNullstellen,   SchrittNaeherungsverfahren,
    SchrittProduktzerlegung, SchrittPolstellen,    SchrittPartialbruch,
    SchrittAbleitungen,      SchrittExtremstellen, SchrittWendestellen,
    SchrittFlaeche,          SchrittIntegral,
};

// The share of each of the steps in the time of all, as the benchmark's counters.
void SetzeAnteile(benchmark::State& state, const std::array<double, SchrittAnzahl>& dauer,
                  std::span<const TSchritt> schritte) {
    double summe = 0;
    for (double d : dauer) summe += d;
    for (TSchritt schritt : schritte)
        state.counters[Kurznamen[schritt]] = summe > 0 ? 100 * dauer[schritt] / summe : 0;
}

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
    SetzeAnteile(state, dauer, ErsteAnfrageSchritte);
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

// ---- The generated set ----

constexpr int Schulanfragenzahl = 1000;

// Requests that once took long, with every step, the area and comments on [-2; 2].
constexpr std::array<const char*, 9> EinstLangsame = {{
    "sqrt(1,53x^3-462x^2+1)",
    "((-2x^4+6x^3+6x+5)/(-5x+4))°2",
    "sqrt(-2x^3+5,24x^2-169x)",
    "(6x^3-5,46x^2-2/6x+5)^70",
    "(-2x^2+x)^(1/3)",
    "(3x^2+708x+8)°3",
    "(-9x^2+6)°3",
    "(3x^3+x^2+2x+3)^4",
    "(-4x^3+4x+7)^3",
}};

std::vector<TAnfrage> Schulmenge() {
    TErzeuger erzeuger(20240601);
    std::vector<TAnfrage> menge;
    for (int i = 0; i < Schulanfragenzahl; ++i) menge.push_back(erzeuger.Schulanfrage());
    for (const char* f : EinstLangsame) {
        TAnfrage a{.F = f, .A = "-2", .B = "2", .AbleitungsGrad = 3, .Kommentare = true};
        for (int s = SchrittVereinfachen; s <= SchrittWendestellen; ++s) a.Schritte.push_back(TSchritt(s));
        a.Schritte.push_back(SchrittFlaeche);
        a.Schritte.push_back(SchrittGraph);
        menge.push_back(a);
    }
    return menge;
}

// Every step that has a share of its own.
std::vector<TSchritt> AlleSchritte() {
    std::vector<TSchritt> schritte;
    for (int s = 0; s < SchrittAnzahl; ++s)
        if (Kurznamen[size_t(s)]) schritte.push_back(TSchritt(s));
    return schritte;
}

// One run of a request of the set: its time in ms (0 and a counted error when it failed) and the seconds of
// its steps.
struct TMessung {
    double Ms = 0;
    // The processor time of the process (the helper threads of Simpson's rule included).
    double ProzessorMs = 0;
    std::array<double, SchrittAnzahl> Dauer{};
    bool Fehler = false;
};

TMessung Miss(const TAnfrage& anfrage) {
    TKopfloseAnfrage lauf(anfrage);
    TMessung m;
    const auto anfang = std::chrono::steady_clock::now();
    const std::clock_t prozessor = std::clock();
    try {
        lauf.Starte();
    } catch (const std::exception&) {
        m.Fehler = true;
    }
    m.Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang).count();
    m.ProzessorMs = 1000.0 * double(std::clock() - prozessor) / CLOCKS_PER_SEC;
    m.Dauer = lauf.Dauer;
    return m;
}

// The value below which the share q of the sorted times lies (the nearest rank).
double Quantil(const std::vector<double>& sortiert, double q) {
    if (sortiert.empty()) return 0;
    const size_t rang = size_t(std::max(1.0, std::ceil(q * double(sortiert.size()))));
    return sortiert[std::min(rang, sortiert.size()) - 1];
}

void BM_Schulmenge(benchmark::State& state) {
    const std::vector<TAnfrage> menge = Schulmenge();
    std::vector<double> zeiten(menge.size());
    std::array<double, SchrittAnzahl> dauer{};
    int64_t fehler = 0;
    size_t langsamste = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < menge.size(); ++i) {
            const TMessung m = Miss(menge[i]);
            zeiten[i] = m.Ms;
            fehler += m.Fehler;
            for (int s = 0; s < SchrittAnzahl; ++s) dauer[size_t(s)] += m.Dauer[size_t(s)];
            if (zeiten[i] > zeiten[langsamste]) langsamste = i;
        }
    }
    std::vector<double> sortiert = zeiten;
    std::sort(sortiert.begin(), sortiert.end());
    state.SetLabel("langsamste: Nr. " + std::to_string(langsamste) + ", f = " + menge[langsamste].F);
    state.counters["median_ms"] = Quantil(sortiert, 0.5);
    state.counters["p99_ms"] = Quantil(sortiert, 0.99);
    state.counters["max_ms"] = sortiert.back();
    SetzeAnteile(state, dauer, AlleSchritte());
    state.counters["fehler"] = double(fehler);
}
BENCHMARK(BM_Schulmenge)->Unit(benchmark::kSecond)->Iterations(1);

// The time of every request of the set (wall clock and processor), its step that took longest and that step's
// time, one line each; with numbers given, of those requests only (to profile them).
void SchreibeZeiten(const std::vector<size_t>& nummern) {
    const std::vector<TAnfrage> menge = Schulmenge();
    for (size_t i = 0; i < menge.size(); ++i) {
        if (!nummern.empty() && std::find(nummern.begin(), nummern.end(), i) == nummern.end()) continue;
        const TMessung m = Miss(menge[i]);
        const auto laengster = std::max_element(m.Dauer.begin(), m.Dauer.end());
        const char* kurz = Kurznamen[size_t(laengster - m.Dauer.begin())];
        const char* name = kurz ? kurz + 1 : "-";
        std::printf("%zu\t%.3f\t%.3f\t%s\t%.3f\t%s%s\n", i, m.Ms, m.ProzessorMs, name, *laengster * 1000,
                    menge[i].F.c_str(), m.Fehler ? "\t(Fehler)" : "");
    }
}

// A checksum of the graph sheet's pixels (FNV-1a), so that the pages compared show a changed graph too.
uint64_t Bildsumme(TTestLeinwand& bild) {
    const TGroesse g = bild.Seitengroesse();
    uint64_t summe = 14695981039346656037ULL;
    for (Int32 y = 0; y < g.Hoehe; ++y)
        for (Int32 x = 0; x < g.Breite; ++x) summe = (summe ^ bild.Pixel(x, y)) * 1099511628211ULL;
    return summe;
}

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
    const std::vector<TAnfrage> menge = Schulmenge();
    for (size_t i = 0; i < menge.size(); ++i) {
        TKopfloseAnfrage lauf(menge[i]);
        std::printf("=== Nr. %zu: %s, g = %s [%s; %s]\n", i, menge[i].F.c_str(), menge[i].G.c_str(),
                    menge[i].A.c_str(), menge[i].B.c_str());
        try {
            lauf.Starte();
        } catch (const std::exception& e) {
            std::printf("--- Fehler\n%s\n", e.what());
        }
        for (Int32 k = 0; k <= 8; ++k) std::printf("--- Seite %d\n%s", k, lauf.Text(k).c_str());
        for (const auto& m : lauf.Host.Meldungen) std::printf("--- Meldung\n%s\n", m.Text.c_str());
        std::printf("--- Grafik %016llx\n", static_cast<unsigned long long>(Bildsumme(lauf.Graphbild)));
    }
}

} // namespace

int main(int argc, char** argv) {
    zol::InitialisiereTerme();
    if (argc == 2 && std::strcmp(argv[1], "--seiten") == 0) {
        SchreibeSeiten();
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--zeiten") == 0) {
        std::vector<size_t> nummern;
        for (int i = 2; i < argc; ++i) nummern.push_back(size_t(std::strtoul(argv[i], nullptr, 10)));
        SchreibeZeiten(nummern);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
