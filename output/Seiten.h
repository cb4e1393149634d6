// Output pages: making a target current, drawing a page's lines (with page breaks on the printer), and
// the writers that build several lines at once: the value table and the named point of a curve.
//
// A page is the line list Zeilenliste bound to a target canvas. On the screen the target is the canvas of
// the sheet's page image; while printing (DruckModus) it is the printer canvas Druckerleinwand, and the
// pages of all step groups follow each other on paper, with page breaks where a line would pass the bottom.
//
// Printing: the program sets Druckerleinwand to a canvas on the printer, Seitenbreite and Seitenhoehe to
// the printer's page, SeitenY to 5 and DruckModus on, re-runs the request, and restores everything
// afterwards (app/Drucken.h does this around a print run).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "term/Grundtypen.h"

namespace zol {

class TLeinwand;
class TTerm;
class TIntervall;
class TFolie;
class TListenFolie;
class TZeilenliste;

// The printer canvas that AktiviereSeite makes current while DruckModus is on; null outside a print run.
// When it is null while printing, the current canvas is taken as the printer.
extern TLeinwand* Druckerleinwand;

// Makes Bild (the canvas of a sheet's page image) the current target; when printing, the printer canvas
// takes over instead. IstGraph marks the graph sheet, whose printed height may start a new page.
//
// On the screen: Bild takes over the font of the current canvas and becomes Leinwand(); Seitenbreite and
// Seitenhoehe become its size; it is filled white (with 2 rows above the top). A null Bild changes nothing.
// When printing: the printer canvas takes over the font and becomes Leinwand(); page size and SeitenY stay.
// For the graph, a new printer page starts (SeitenY := 5) when its printed height (Druckgraph) would pass
// the page bottom.
void AktiviereSeite(TLeinwand* Bild, bool IstGraph);
// The graph on paper, by KartenDaten, the current canvas and the page size: both units shrink by Faktor
// (1 when the drawing fits) so that the drawing with its margins fits between the left edge and the end of
// the rules (Seitenbreite + 10) and on one page; then one line under it states the scale (Massstabzeile is
// its pitch, else 0). Hoehe is the height it takes from its top down, that line included. Absenkung lowers
// the drawing by so many pixels (below a heading taller than the top margin) and counts in both.
struct TDruckgraph {
    Extended Faktor = 1;
    Int32 Massstabzeile = 0;
    Int32 Hoehe = 0;
};
TDruckgraph Druckgraph(Int32 Absenkung = 0);
// How far ZeichneSeite moves SeitenY down for a line: its height as drawn + 10, at least 20.
Int32 Zeilenvorschub(const TFolie& Zeile);
// Draws Zeilenliste onto Leinwand(). On the screen from line ab on, with SeitenY starting at 5, until the
// first line that would reach the bottom. When printing the lines not printed yet (ab is ignored),
// continuing at SeitenY, with a new page before a line that would pass the bottom. The bottom of each line's
// box sits on SeitenY; the pitch is the line's height + 10, at least 20; the left margin is 10 pixels. A
// line wider than the page is drawn smaller, so that it ends where the written lines wrap, but not smaller
// than Mindestmassstab: what is wider still runs past the edge.
void ZeichneSeite(Int32 ab);
// The smallest factor by which a line is drawn: type of 70 % of the page's size is still read with ease.
constexpr Extended Mindestmassstab = 0.7L;
// The width a cell takes in its column.
Int32 Zellenbreite(const TFolie& F);
// One row of a ruled table as a page line: a vertical rule before each cell and after the last, as high as
// the tallest cell + 20 and centred vertically on the first cell; cell i stands 20 pixels right of its rule
// in a column Breiten[i] + 40 wide, centred vertically on the rules when Zentriert is set; a rule across the
// top and, for the last row, one across the bottom. The row's top is lowered by 15, so the rows of a table
// touch. Nothing is written unless there is one width per cell.
void SchreibeTabellenzeile(std::vector<std::unique_ptr<TListenFolie>> Zellen,
                           const std::vector<Int32>& Breiten, bool Letzte, bool Zentriert);
// The number of lines of Liste that ZeichneSeite(ab) shows on a screen page Hoehe pixels high.
Int32 SichtbareZeilen(const TZeilenliste& Liste, Int32 ab, Int32 Hoehe);
// The last line from which a screen page Hoehe pixels high is scrolled: the first from which ZeichneSeite
// shows every line to the end, so that the last line stays in view and the page is as full as it can be (0
// where the whole list fits, the last line where it alone is higher than the page).
Int32 LetzterSeitenanfang(const TZeilenliste& Liste, Int32 Hoehe);
// The most rows of a value table: a longer one takes long, fills the memory and is read by nobody.
constexpr Int64 MaxTabellenzeilen = 1000;
// The step width, as a decimal text, from which a value table over an interval Spanne long has at most
// MaxTabellenzeilen rows: the smallest of 1, 2 and 5 times a power of ten that is at least
// Spanne / (MaxTabellenzeilen - 1).
std::string Tabellenschrittweite(Extended Spanne);
// The value table of f over I with step h: a ruled table of x and f(x) with exact values and decimals,
// one page line per row, at most MaxTabellenzeilen rows. Nothing when a bound is infinite or h is not
// positive. Each row's terms are freed once its cells are typeset.
// Eingabe, when given, is f as entered: the header names it, and where it has no value (a cancelled gap) the
// cell says "nicht def." although f itself has one there.
void SchreibeWertetabelle(TTerm* f, TIntervall* I, TTerm* h, TTerm* Eingabe = nullptr);
// Writes the line Text, then the point of the curve numbered Nr + 1 (Nr is counted up) as
// "f(x) = ... = y ; Wort Buchstabe_Nr(x|y)", and hands it to the graph (MerkePunkt). When x has no value
// the point's line is closed after "f(x" and nothing goes to the graph.
void SchreibeKurvenpunkt(const std::string& Text, Int32& Nr, TTerm* x, char Buchstabe,
                         const std::string& Wort, Double y);

} // namespace zol
