#include "output/Grafikdaten.h"

#include <cmath>

#include "output/Ausgabe.h"

namespace zol {

TKartenDaten KartenDaten;
TGrafikpunktliste Grafikpunkte;

void MerkePunkt(const std::string& Name, Double X, Double Y) {
    // A print run draws the points of the screen run.
    if (DruckModus) return;
    // A point without a value has no place on the graph.
    if (!std::isfinite(X) || !std::isfinite(Y)) return;
    Grafikpunkte.Voll = Grafikpunkte.Anzahl >= MaxGrafikpunkte;
    if (Grafikpunkte.Voll) return;
    Grafikpunkte.Anzahl += 1;
    Grafikpunkte.Punkte[size_t(Grafikpunkte.Anzahl)] = TGrafikPunkt{X, Y, Name, 0};
}

} // namespace zol
