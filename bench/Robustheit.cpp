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
#include <random>
#include <string>
#include <vector>

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

// Requests as users of the program make them: school functions of every kind, with and without interval,
// g and comments, every step chosen; one in twenty a linear system. The generator's seed is fixed, and
// std::mt19937 gives the same numbers on every platform, so the set is the same on every run.
class TErzeuger {
public:
    explicit TErzeuger(uint32_t saat) : Zufall(saat) {}

    TAnfrage Anfrage() {
        TAnfrage a;
        a.Kommentare = Muenze(50);
        if (Muenze(5)) {
            a.LGS = true;
            const int m = Zahl(2, 4), n = Zahl(2, 4);
            for (int i = 0; i < m; ++i) {
                a.Matrix.emplace_back();
                for (int j = 0; j < n; ++j) a.Matrix.back().push_back(std::to_string(Zahl(-5, 5)));
                a.Rechts.push_back({std::to_string(Zahl(-9, 9))});
            }
            return a;
        }
        a.F = Funktion();
        if (Muenze(60)) {
            a.A = Muenze(20) ? "-pi" : std::to_string(-Zahl(0, 5));
            a.B = Muenze(20) ? "2pi" : std::to_string(Zahl(1, 6));
        }
        const char* weiten[] = {"1/2", "1", "1/4", "0,2"};
        a.H = weiten[Zahl(0, 3)];
        if (Muenze(40)) a.G = Polynom(Zahl(0, 2));
        a.Methode = Zahl(1, 3);
        if (Muenze(30)) a.Startwert = std::to_string(Zahl(-3, 3));
        a.AbleitungsGrad = Zahl(1, 3);
        for (int s = SchrittVereinfachen; s <= SchrittWendestellen; ++s) a.Schritte.push_back(TSchritt(s));
        const TSchritt seite7[] = {SchrittStammfunktion, SchrittIntegral, SchrittFlaeche};
        a.Schritte.push_back(seite7[Zahl(0, 2)]);
        a.Schritte.push_back(SchrittGraph);
        return a;
    }

private:
    std::mt19937 Zufall;

    int Zahl(int von, int bis) { return von + int(Zufall() % uint32_t(bis - von + 1)); }
    bool Muenze(int prozent) { return Zahl(1, 100) <= prozent; }

    // A coefficient other than 0: an integer, a fraction or a decimal.
    std::string Koeffizient() {
        const int art = Zahl(1, 10);
        const std::string vz = Muenze(35) ? "-" : "";
        if (art <= 7) return vz + std::to_string(Zahl(1, 9));
        if (art <= 9) return vz + std::to_string(Zahl(1, 7)) + "/" + std::to_string(Zahl(2, 5));
        return vz + std::to_string(Zahl(0, 3)) + ",5";
    }
    // c*x^k written as a user does: 3x^2, -x, 1/2x^3, 7.
    std::string Glied(const std::string& c, int k) {
        if (k == 0) return c;
        const std::string x = k == 1 ? "x" : "x^" + std::to_string(k);
        if (c == "1") return x;
        if (c == "-1") return "-" + x;
        return c + x;
    }
    std::string Polynom(int grad) {
        std::string p = Glied(Koeffizient(), grad);
        for (int k = grad - 1; k >= 0; --k) {
            if (!Muenze(60)) continue;
            const std::string c = Koeffizient();
            p += (c[0] == '-' ? "" : "+") + Glied(c, k);
        }
        return p;
    }
    std::string Linear() { return "x" + std::string(Muenze(50) ? "-" : "+") + std::to_string(Zahl(1, 4)); }
    std::string Funktion() {
        switch (Zahl(0, 11)) {
        case 0:
            return Polynom(Zahl(1, 5));
        case 1:
            return "(" + Linear() + ")(" + Linear() + ")^" + std::to_string(Zahl(1, 3));
        case 2:
            return "(" + Polynom(Zahl(0, 3)) + ")/(" + Polynom(Zahl(1, 3)) + ")";
        case 3: {
            const std::string formen[] = {"(" + Polynom(Zahl(1, 2)) + ")e^(" + Koeffizient() + "x)",
                                          "e^(" + Polynom(Zahl(1, 2)) + ")",
                                          Koeffizient() + "e^x+" + std::to_string(Zahl(1, 5))};
            return formen[Zahl(0, 2)];
        }
        case 4: {
            const std::string formen[] = {"ln(" + Polynom(Zahl(1, 2)) + ")", "(" + Polynom(1) + ")ln(x)",
                                          "ln(x)/x"};
            return formen[Zahl(0, 2)];
        }
        case 5: {
            const std::string formen[] = {"sqrt(" + Polynom(Zahl(1, 2)) + ")", "(" + Polynom(1) + ")sqrt(x)",
                                          "(" + Polynom(Zahl(1, 2)) + ")°3"};
            return formen[Zahl(0, 2)];
        }
        case 6: {
            const std::string formen[] = {Koeffizient() + "sin(" + std::to_string(Zahl(1, 3)) + "x)+" +
                                              std::to_string(Zahl(0, 2)),
                                          "sin(x)cos(x)",
                                          "tan(x)",
                                          "x*sin(x)",
                                          "sin(x)^2",
                                          "cos(" + Linear() + ")"};
            return formen[Zahl(0, 5)];
        }
        case 7:
            return "abs(" + Polynom(Zahl(1, 3)) + ")";
        case 8: {
            const std::string formen[] = {Koeffizient() + "*2^x+" + std::to_string(Zahl(1, 5)), "3^(x-1)",
                                          "0,5^x"};
            return formen[Zahl(0, 2)];
        }
        case 9: {
            const std::string formen[] = {"x^2e^(-x)", "(e^x-1)/(e^x+1)", "x/ln(x)",
                                          "(" + Polynom(1) + ")/e^x"};
            return formen[Zahl(0, 3)];
        }
        case 10:
            return "(" + Polynom(Zahl(1, 2)) + ")^" + std::to_string(Zahl(2, 4));
        default: {
            const std::string formen[] = {"sqrt(x)/(" + Linear() + ")", "x*sqrt(4-x^2)",
                                          "1/(" + Polynom(Zahl(2, 4)) + ")"};
            return formen[Zahl(0, 2)];
        }
        }
    }
};

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
