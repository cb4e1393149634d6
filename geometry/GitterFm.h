// The small string grids of the geometry dialogs: cells without fixed rows or columns, editable at once,
// and the text of a cell read the way the user sees it, an open cell editor included.
#pragma once

#include <QString>

class QObject;
class QTableWidget;
class QWidget;

namespace zol {

// A grid of the given shape, 64 pixels per column and 24 per row, sized to fit. A cell editor keeps its key
// releases (they do not reach the window); with a Tastenbeobachter, that object's event filter sees them.
QTableWidget* NeuesGitter(int Zeilen, int Spalten, QWidget* Eltern, QObject* Tastenbeobachter = nullptr);
// New shape; the grid is resized to rows x row height + 10 and columns x column width + 10 pixels.
void FormeGitter(QTableWidget* Gitter, int Zeilen, int Spalten);
// The text of a cell: that of its editor while it is being edited, else the cell's own.
QString Zellentext(const QTableWidget* Gitter, int Zeile, int Spalte);
void SetzeZellentext(QTableWidget* Gitter, int Zeile, int Spalte, const QString& Text);
// Ends an open cell editor, keeping what it holds, so that the program can write the cells.
void BeendeBearbeitung(QTableWidget* Gitter);

} // namespace zol
