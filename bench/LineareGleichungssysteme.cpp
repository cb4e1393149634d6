// Solving linear systems. The solver alone: random integer systems of 5, 10 and 15 unknowns (entries -9..9,
// an integer solution) and a 5 x 5 system with entries a + b*sqrt(2) + c*sqrt(3) (a, b, c in -3..3), without
// comments. The linear-systems step of the main window (reading the grids, solving, typesetting the page):
// integer systems of 5, 10 and 15 unknowns with comments and without, and systems with rational entries
// (denominators up to 7) and with entries (a + b*sqrt(2) + c*sqrt(3))/d (d up to 3), each with a solution of
// integers -3..3. Each reports the share of systems solved.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>

#include <gmpxx.h>

#include "algebra/LineareGleichungssysteme.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/KopfloseAnfrage.h"

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

// ---- the step of the main window ----

enum class TArt { Ganz, Brueche, Wurzeln };

// The grids of the seed's system: entries of the kind, b = A*x0 with x0 of integers -3..3.
TAnfrage Gitter(TArt Art, Int32 n, unsigned Saat, bool Kommentare) {
    std::mt19937 zufall(Saat);
    auto zahl = [&](int a, int b) { return Int64(std::uniform_int_distribution<int>(a, b)(zufall)); };
    TAnfrage anfrage{.Kommentare = Kommentare, .LGS = true};
    std::vector<Int64> x0;
    for (Int32 j = 0; j < n; ++j) x0.push_back(zahl(-3, 3));
    for (Int32 i = 0; i < n; ++i) {
        // The rational part and the coefficients of sqrt(2) and sqrt(3) of the right side.
        std::array<mpq_class, 3> rechts{};
        anfrage.Matrix.emplace_back();
        for (Int32 j = 0; j < n; ++j) {
            const Int64 d = Art == TArt::Ganz ? 1 : zahl(1, Art == TArt::Brueche ? 7 : 3);
            const int grenze = Art == TArt::Wurzeln ? 3 : 9;
            std::array<Int64, 3> k = {zahl(-grenze, grenze), 0, 0};
            if (Art == TArt::Wurzeln) k = {k[0], zahl(-3, 3), zahl(-3, 3)};
            std::string text = "(" + std::to_string(k[0]) + "+(" + std::to_string(k[1]) + ")*sqrt(2)+(" +
                               std::to_string(k[2]) + ")*sqrt(3))/" + std::to_string(d);
            if (Art != TArt::Wurzeln) text = std::to_string(k[0]) + "/" + std::to_string(d);
            anfrage.Matrix.back().push_back(text);
            for (size_t t = 0; t < 3; ++t) rechts[t] += mpq_class(k[t] * x0[size_t(j)], d);
        }
        for (mpq_class& r : rechts) r.canonicalize();
        anfrage.Rechts.push_back({"(" + rechts[0].get_str() + ")+(" + rechts[1].get_str() + ")*sqrt(2)+(" +
                                  rechts[2].get_str() + ")*sqrt(3)"});
    }
    return anfrage;
}

void Schritt(benchmark::State& state, TArt Art) {
    InitialisiereTerme();
    const Int32 n = Int32(state.range(0));
    const bool kommentare = state.range(1) != 0;
    std::array<TKopfloseAnfrage, 8> laeufe{
        TKopfloseAnfrage(Gitter(Art, n, 1, kommentare)), TKopfloseAnfrage(Gitter(Art, n, 2, kommentare)),
        TKopfloseAnfrage(Gitter(Art, n, 3, kommentare)), TKopfloseAnfrage(Gitter(Art, n, 4, kommentare)),
        TKopfloseAnfrage(Gitter(Art, n, 5, kommentare)), TKopfloseAnfrage(Gitter(Art, n, 6, kommentare)),
        TKopfloseAnfrage(Gitter(Art, n, 7, kommentare)), TKopfloseAnfrage(Gitter(Art, n, 8, kommentare))};
    size_t lauf = 0;
    int64_t geloest = 0;
    for (auto _ : state) {
        TKopfloseAnfrage& anfrage = laeufe[lauf++ % laeufe.size()];
        try {
            anfrage.Starte();
            geloest += anfrage.Text().find("Eindeutige Lösung") != std::string::npos;
        } catch (const EZolFehler&) {
        }
    }
    AlleTermeFreigeben();
    state.counters["geloest"] =
        benchmark::Counter(static_cast<double>(geloest), benchmark::Counter::kAvgIterations);
}

void BM_SchrittGanzzahlig(benchmark::State& state) {
    Schritt(state, TArt::Ganz);
}
BENCHMARK(BM_SchrittGanzzahlig)
    ->ArgsProduct({{5, 10, 15}, {0, 1}})
    ->ArgNames({"n", "Kommentare"})
    ->Unit(benchmark::kMillisecond);

void BM_SchrittBrueche(benchmark::State& state) {
    Schritt(state, TArt::Brueche);
}
BENCHMARK(BM_SchrittBrueche)
    ->ArgsProduct({{5, 10, 15}, {0, 1}})
    ->ArgNames({"n", "Kommentare"})
    ->Unit(benchmark::kMillisecond);

void BM_SchrittWurzeln(benchmark::State& state) {
    Schritt(state, TArt::Wurzeln);
}
BENCHMARK(BM_SchrittWurzeln)
    ->ArgsProduct({{5, 10, 15}, {0, 1}})
    ->ArgNames({"n", "Kommentare"})
    ->Unit(benchmark::kMillisecond);

} // namespace
