// The data of the graph that the core shares with it: the one world-to-pixel mapping of graph and geometry
// drawings, and the points that the analysis steps mark for the graph.
//
// They live in the core because the core writes and reads them: the point writers of the steps hand their
// points to MerkePunkt, and the page of the graph reserves its printed height from KartenDaten.
#pragma once

#include <array>
#include <string>

#include "term/Grundtypen.h"

namespace zol {

// The mapping of world coordinates to the pixels of a drawing: the shown ranges of x and y, the margins in
// cm between the image's left and top edge and the point (XVon, YBis), and the length in cm of one unit.
struct TKartenDaten {
    Extended XVon = -10;
    Extended XBis = 10;
    Extended YVon = -7;
    Extended YBis = 10;
    Extended RandLinks = 1.5L;
    Extended RandOben = 1.5L;
    Extended EinheitX = 1;
    Extended EinheitY = 1;
};

extern TKartenDaten KartenDaten;

// A marked point: world coordinates, its name (may hold the index markup "*i<...>"), and the direction of
// its label from the point in radians and the distance of the label's centre in pixels (0: the standard
// distance), found on the screen and reused when printing.
struct TGrafikPunkt {
    Double X = 0;
    Double Y = 0;
    std::string Name;
    Double Winkel = 0;
    Double Abstand = 0;
};

constexpr Int32 MaxGrafikpunkte = 15;

// The marked points of one request: Punkte[1..Anzahl] (index 0 is unused), and the flag that a point had
// to be dropped because the list was full.
struct TGrafikpunktliste {
    std::array<TGrafikPunkt, MaxGrafikpunkte + 1> Punkte;
    Int32 Anzahl = 0;
    bool Voll = false;
};

extern TGrafikpunktliste Grafikpunkte;

// Appends a point to Grafikpunkte for the graph; nothing while printing and nothing for a point without a
// value. A point beyond the fifteenth is dropped and sets the full flag.
void MerkePunkt(const std::string& Name, Double X, Double Y);

} // namespace zol
