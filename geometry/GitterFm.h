// Helpers of the geometry dialogs: the small string grids (cells without fixed rows or columns, editable
// at once, a cell's text read the way the user sees it, an open cell editor included), the terms typed into
// them, and the guard of the dialogs' handlers.
#pragma once

#include <QString>

#include <array>
#include <exception>

#include "plattform/Oberflaeche.h"

class QObject;
class QTableWidget;
class QWidget;

namespace zol {

class TTerm;

// A grid of the given shape, 64 pixels per column and 24 per row, sized to fit. A cell editor keeps its key
// releases (they do not reach the window); with a Tastenbeobachter, that object's event filter sees them.
QTableWidget* NeuesGitter(int Zeilen, int Spalten, QWidget* Eltern, QObject* Tastenbeobachter = nullptr);
// New shape; the grid is resized to rows x row height + 10 and columns x column width + 10 pixels.
void FormeGitter(QTableWidget* Gitter, int Zeilen, int Spalten);
// Makes a grid of three cells one row (Zeile) or one column, resized as above; the texts move with the
// cells.
void FormeDreierGitter(QTableWidget* Gitter, bool Zeile);
// The text of a cell: that of its editor while it is being edited, else the cell's own.
QString Zellentext(const QTableWidget* Gitter, int Zeile, int Spalte);
void SetzeZellentext(QTableWidget* Gitter, int Zeile, int Spalte, const QString& Text);
// Ends an open cell editor, keeping what it holds, so that the program can write the cells.
void BeendeBearbeitung(QTableWidget* Gitter);

// The terms of the three cells of row 0 (Zeile) or of column 0, all parsed before any is used; a text
// that does not parse raises the parser's exception ("Term-Angabe fehlt." for an empty cell).
std::array<TTerm*, 3> LiesTerme(const QTableWidget* Gitter, bool Zeile);

// Runs a handler; what it raises is shown as a warning instead of reaching the event loop.
template <class F> void Sicher(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, e.what());
    }
}

} // namespace zol
