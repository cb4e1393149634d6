// Output pages: making a target current, drawing a page's lines (with page breaks on the printer), and
// the writers that build several lines at once: the value table and the named point of a curve.
#pragma once

#include <string>

#include "term/Grundtypen.h"

namespace zol {

class TLeinwand;
class TTerm;
class TIntervall;

// Makes Bild (the canvas of a sheet's page image) the current target; when printing, the printer canvas
// takes over instead. IstGraph marks the graph sheet, whose printed height may start a new page.
void AktiviereSeite(TLeinwand* Bild, bool IstGraph);
// Draws Zeilenliste from line ab on (on screen) or whole with page breaks (printing).
void ZeichneSeite(Int32 ab);
// The value table of f over I with step h.
void SchreibeWertetabelle(TTerm* f, TIntervall* I, TTerm* h);
// A named point of the curve, also handed to the graph.
void SchreibeKurvenpunkt(const std::string& Text, Int32& Nr, TTerm* x, char Buchstabe, const std::string& Wort,
                         Double y);

} // namespace zol
