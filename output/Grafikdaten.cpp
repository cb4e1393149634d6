#include "output/Grafikdaten.h"

#include "term/Fehler.h"

namespace zol {

TKartenDaten KartenDaten;
TGrafikpunktliste Grafikpunkte;

// Comes with the graph.
void MerkePunkt(const std::string&, Double, Double) {
    NochNichtGebaut("MerkePunkt");
}

} // namespace zol
