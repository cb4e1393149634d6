// Requests that once ran away or took long: simplifications of awkward inputs, value tables at irrational
// points, a long value table, and the time from "Abbrechen" to the end of a request; and a fixed generated
// set of requests with every step, with its time and the process's memory.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "bench/Erzeuger.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "tests/hilfe/KopfloseAnfrage.h"

namespace {

using namespace zol;

struct TFall {
    const char* F;
    const char* A;
    const char* B;
    const char* H;
    bool Tabelle;
};

// Simplification alone (no table), and a value table of one row at an irrational point.
constexpr std::array<TFall, 7> Faelle = {{
    {"(6x^3-5x^2+5)^7", "", "", "1", false},
    {"x^21+x+2+e/t", "", "", "1", false},
    {"(x(1+z)-h/r)^7^x", "", "", "1", false},
    {"8*x*x^20-x^22", "", "", "1", false},
    {"(6x^2-3)/(8x^3-6/7x^2-5x+1)", "", "", "1", false},
    {"x^8+x^7+x^6+x^5+x^4+x^3+x^2+x", "1/2-pi", "1/2-pi", "1", true},
    {"(-8x^3+8x)/(9x^2+7/2)", "3-pi", "3-pi", "1", true},
}};

TAnfrage Anfrage(const TFall& f) {
    TAnfrage a{.F = f.F, .A = f.A, .B = f.B, .H = f.H, .Schritte = {SchrittVereinfachen}};
    if (f.Tabelle) a.Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle};
    return a;
}

void Lauf(TKopfloseAnfrage& lauf, int64_t& fehler) {
    try {
        lauf.Starte();
    } catch (const std::exception&) {
        ++fehler;
    }
}

void BM_LangsameEingabe(benchmark::State& state) {
    const TFall& f = Faelle[static_cast<size_t>(state.range(0))];
    state.SetLabel(f.Tabelle ? std::string(f.F) + " at " + f.A : std::string(f.F));
    TKopfloseAnfrage lauf(Anfrage(f));
    int64_t fehler = 0;
    for (auto _ : state) Lauf(lauf, fehler);
    state.counters["fehler"] =
        benchmark::Counter(static_cast<double>(fehler), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LangsameEingabe)
    ->DenseRange(0, static_cast<int64_t>(Faelle.size()) - 1)
    ->Unit(benchmark::kMillisecond);

// A value table of state.range(0) rows: x^2 - 1 from -20 with the step 1/200 (beyond the row limit, the
// message alone).
void BM_Wertetabelle(benchmark::State& state) {
    const int64_t zeilen = state.range(0);
    TKopfloseAnfrage lauf(TAnfrage{.F = "x^2-1",
                                   .A = "-20",
                                   .B = "-20+" + std::to_string(zeilen - 1) + "/200",
                                   .H = "1/200",
                                   .Schritte = {SchrittTabelle}});
    int64_t fehler = 0;
    for (auto _ : state) Lauf(lauf, fehler);
    state.counters["fehler"] =
        benchmark::Counter(static_cast<double>(fehler), benchmark::Counter::kAvgIterations);
    state.counters["meldungen"] = static_cast<double>(lauf.Host.Meldungen.size());
}
BENCHMARK(BM_Wertetabelle)->Arg(1000)->Arg(40001)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Abbrechen" pressed state.range(0) ms into a request that works long on its value table (800 rows at
// irrational points); the time until the request has ended (the longest and the mean over the iterations).
void BM_Abbruchlatenz(benchmark::State& state) {
    TKopfloseAnfrage lauf(
        TAnfrage{.F = "(6x^2-3)/(8x^3-6/7x^2-5x+1)",
                 .A = "-pi",
                 .B = "400",
                 .H = "1/2",
                 .Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle}});
    lauf.Host.EchteUhr = true;
    double laengste = 0, summe = 0;
    int64_t abgebrochen = 0;
    for (auto _ : state) {
        // The store of the run before is emptied first, so that the time counts from the request's work.
        AlleTermeFreigeben();
        const int64_t klick = lauf.Host.Millisekunden() + state.range(0);
        lauf.Host.AbbruchUm = klick;
        try {
            lauf.Starte();
        } catch (const EBenutzerAbbruch&) {
            ++abgebrochen;
        } catch (const std::exception&) {
        }
        const double latenz = static_cast<double>(std::max<int64_t>(lauf.Host.Millisekunden() - klick, 0));
        laengste = std::max(laengste, latenz);
        summe += latenz;
    }
    state.counters["latenz_max_ms"] = laengste;
    state.counters["latenz_mittel_ms"] = summe / static_cast<double>(state.iterations());
    state.counters["abgebrochen"] =
        benchmark::Counter(static_cast<double>(abgebrochen), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Abbruchlatenz)->Arg(50)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(5);

// ---- A generated set of requests ----

constexpr int Anfragenzahl = 2000;

// The resident size of the process now and at its peak, and the allocator's bytes in use, in MB.
double RssMB() {
    long seiten = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &seiten, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1048576.0;
}
double SpitzeRssMB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;
}
double HeapMB() {
    return double(mallinfo2().uordblks) / 1048576.0;
}

// The whole set once: its time, the slowest request, the requests that ended with an error, and the memory
// (the peak counts from the start of the process: run this benchmark alone,
// --benchmark_filter=Anfragenmenge).
void BM_Anfragenmenge(benchmark::State& state) {
    TErzeuger erzeuger(20240601);
    std::vector<TAnfrage> anfragen;
    for (int i = 0; i < Anfragenzahl; ++i) anfragen.push_back(erzeuger.Anfrage());
    double langsamste = 0;
    int langsamsteNr = 0;
    int64_t fehler = 0;
    for (auto _ : state) {
        for (int i = 0; i < Anfragenzahl; ++i) {
            TKopfloseAnfrage lauf(anfragen[size_t(i)]);
            const auto anfang = std::chrono::steady_clock::now();
            Lauf(lauf, fehler);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang).count();
            if (ms > langsamste) langsamste = ms, langsamsteNr = i;
        }
    }
    state.SetLabel("langsamste: Nr. " + std::to_string(langsamsteNr) +
                   ", f = " + anfragen[size_t(langsamsteNr)].F);
    state.counters["langsamste_ms"] = langsamste;
    state.counters["fehler"] = double(fehler);
    state.counters["rss_spitze_mb"] = SpitzeRssMB();
    state.counters["rss_danach_mb"] = RssMB();
    state.counters["heap_danach_mb"] = HeapMB();
}
BENCHMARK(BM_Anfragenmenge)->Unit(benchmark::kSecond)->Iterations(1);

// Prints the set (ZOL08_ANFRAGEN_ZEIGEN set): one line per request, to find one by its number.
[[maybe_unused]] const bool Gezeigt = [] {
    if (!std::getenv("ZOL08_ANFRAGEN_ZEIGEN")) return false;
    TErzeuger erzeuger(20240601);
    for (int i = 0; i < Anfragenzahl; ++i) {
        const TAnfrage a = erzeuger.Anfrage();
        std::printf("%d\t%s\t%s\t%s\t%s\t%s\n", i, a.LGS ? "LGS" : a.F.c_str(), a.A.c_str(), a.B.c_str(),
                    a.H.c_str(), a.G.c_str());
    }
    return true;
}();

} // namespace
