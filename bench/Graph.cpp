// The graph on an offscreen page image: a steep polynomial drawn column by column, and fifteen marked points
// whose labels search for a place without ink. Both should take well under a second.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cstdlib>
#include <string>

#include "app/Grafik.h"
#include "app/HauptFm.h"
#include "app/QtLeinwand.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Weltzeichnung.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"

namespace {

using namespace zol;

// A steep polynomial: its values jump by hundreds of rows between neighbouring columns near the edges.
constexpr const char* Steil = "x^9/1000-x^7/20+x^3-x";

struct TBild {
    QImage Bild = NeuesSeitenbild(GraphbildBreite, GraphbildHoehe);
    TQtLeinwand Leinwand{Bild};
    TLeinwandWechsel Wechsel{Leinwand};
};

void SteilesPolynom(benchmark::State& state) {
    AlleTermeFreigeben();
    TTerm* f = TermAusString(Steil);
    TBild b;
    for (auto _ : state) {
        ZeichneKurve(f);
        benchmark::DoNotOptimize(LetzterKurvenpunkt);
    }
}
BENCHMARK(SteilesPolynom)->Unit(benchmark::kMillisecond);

void FuenfzehnPunkte(benchmark::State& state) {
    AlleTermeFreigeben();
    TTerm* f = TermAusString(Steil);
    TBild b;
    ZeichneKurve(f);
    const TKartenDaten& K = KartenDaten;
    ZeichneKoordinatensystem(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis);
    for (auto _ : state) {
        // Points on the curve and on the axes, where the labels must move away from ink.
        for (int i = 0; i < 15; ++i) {
            bool d = false;
            const double x = -7 + i;
            TGrafikPunkt P{x, i % 2 ? 0.0 : double(f->Wert(x, d)), "P*i<" + std::to_string(i + 1) + ">", 0};
            MarkierePunkt(P);
        }
    }
}
BENCHMARK(FuenfzehnPunkte)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication anwendung(argc, argv);
    zol::InitialisiereTerme();
    zol::InitialisiereAusgabe();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
