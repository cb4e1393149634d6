// Linear equation systems A*x = b with exact terms as entries, solved by Gaussian elimination to row
// echelon form. With comments every elimination step is shown as a typeset matrix whose rows carry the row
// operations that produced them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TFolie;

// Capacity of a matrix: 15 equations in 15 unknowns with their right side; a solution of 15 rows with a
// particular vector and up to 15 directions.
constexpr Int32 LGSMaxZeilen = 15;
constexpr Int32 LGSMaxSpalten = 16;
// A system has at most this many unknowns.
constexpr Int32 LGSMaxUnbekannte = 15;

// The message for a system beyond the capacity.
extern const char* const LGSZuGrossMeldung;
// The line of a worked elimination from the first row whose numbers do not fit the terms on.
extern const char* const LGSZeilenZuGrossMeldung;

// A matrix of terms, rows and columns counted from 1 (index 0 is unused). A right side is a one-column
// matrix. Entries beyond Zeilen and Spalten are not read.
struct TLGSMatrix {
    Int32 Zeilen = 0;
    Int32 Spalten = 0;
    TTerm* a[LGSMaxZeilen + 1][LGSMaxSpalten + 1] = {};
};

// A matrix of the given size filled with Null; ETermFehler (LGSZuGrossMeldung) beyond the capacity.
TLGSMatrix NeueLGSMatrix(Int32 Zeilen, Int32 Spalten);

// The label of one row: the row is g times old row j plus f times old row k, divided by Teiler when it is
// set. j = k = 0 is the empty label; a missing part has its row number 0.
struct TZeilenOperation {
    Int32 j = 0;
    Int32 k = 0;
    TTerm* g = nullptr;
    TTerm* f = nullptr;
    TTerm* Teiler = nullptr;
};

// The labels printed beside a matrix, one per row (index 0 unused).
extern TZeilenOperation ZeilenOperationen[LGSMaxZeilen + 1];
// The sign of the row permutation of the last elimination: Eins, negated at every row swap.
extern TTerm* LGSVorzeichen;

// Solves A*x = b. X gets A.Spalten rows: column 1 the particular solution, columns 2.. the directions of
// the free variables; X.Spalten = 0 when the system has no solution, or when whether an entry is 0 could
// not be decided where the rank or the solvability depends on it. Rows of b beyond A's are not read,
// missing ones count as 0. With Kommentar the worked elimination is written; with Kommentar or Ergebnis the
// rank and the solution. "Gleichungssystem unerfüllbar" is always written.
//
// A matrix of rationals and radicals is eliminated exactly with numbers of any length: each row operation
// (alpha*[i] - beta*[r]) : D keeps a row of small numbers as it is and divides a larger one by its content
// (and, fraction-free, by the previous pivot), so the entries stay as small as the minors. The worked rows
// are shown while they fit the terms; from the first that does not, a line says that the further rows are
// too large to show. Only a component of the solution beyond the terms' 64 bits raises ERessourcen
// "Überlauf in der Bruchrechnung.". Other matrices are eliminated by term arithmetic; an entry whose zero
// cannot be decided is never a pivot.
void LoeseLGS(const TLGSMatrix& A, const TLGSMatrix& b, TLGSMatrix& X, bool Kommentar, bool Ergebnis = false);
// Brings M to row echelon form in place; with Kommentar the steps and the result are written, and the entry
// whose zero could not be decided where the elimination had to stop. ERessourcen when an exact row of the
// result does not fit the terms.
void Zeilenstufenform(TLGSMatrix& M, bool Kommentar);
// One elimination step for row r from column c on: pivot search, row swap, elimination below. Returns the
// pivot column, 0 when columns c.. have no entry known not to be 0 in rows r.. (or the first column not
// known to be 0 there has none).
Int32 Eliminationsschritt(TLGSMatrix& M, Int32 r, Int32 c, bool MitMarken);
// a is the better pivot than b: the smaller denominator, then the positive sign, then (same sign) the
// smaller numerator; terms that are not rational constants by their node count.
bool PivotBesser(TTerm* a, TTerm* b);
void ZeilenTauschen(TLGSMatrix& M, Int32 i, Int32 j, bool MitMarken);
// Row i := g*row j + (row k Op c), Op '*' or '/', by term arithmetic; each entry simplified, and made 0 where
// it is decided to be.
void ZeilenKombination(TLGSMatrix& M, Int32 i, Int32 j, TTerm* g, Int32 k, TTerm* c, char Op, bool MitMarken);
// Row i := row i + f*row j.
void ZeileSubtrahieren(TLGSMatrix& M, Int32 i, Int32 j, TTerm* f, bool MitMarken);
// Column c has an entry known not to be 0 in rows r..Zeilen.
bool SpalteHatNichtNull(const TLGSMatrix& M, Int32 r, Int32 c);

bool ZeilenMarkeLeer(const TZeilenOperation& Marke);
// The labels of rows 1..n are all empty.
bool ZeilenMarkenLeer(Int32 n);
void ZeilenMarkenLoeschen();

// The matrix in brackets with centred columns; Erweitert draws a vertical line before the last column,
// MitZeilenOp sets the labels of ZeilenOperationen in a column to the right.
std::unique_ptr<TFolie> MatrixFolie(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp);
// The matrix as MatrixFolie sets it, in one piece where it is at most Platz wide drawn at Mindestmassstab
// (output/Seiten.h); a wider one in blocks of whole columns, each at most Platz wide where a column allows,
// led by its name "Spalten i bis j:" and in brackets of its own. The labels stand right of the last block,
// and the right side of an extended matrix keeps a column of the coefficients with it.
std::vector<std::unique_ptr<TFolie>> MatrixBloecke(const TLGSMatrix& M, bool Erweitert, bool MitZeilenOp,
                                                   Int32 Platz);
// One label as it stands beside its row: g[j] then - or + then |f|[k], bracketed and followed by ": Teiler"
// when the label has a divisor; null for the empty label.
std::unique_ptr<TFolie> ZeilenMarkenFolie(const TZeilenOperation& Marke, Single G);
void ZeigeMatrix(const TLGSMatrix& M);
void ZeigeErweiterteMatrix(const TLGSMatrix& M);
void ZeigeMatrixMitZeilenOp(const TLGSMatrix& M);
void MatrixAusgeben(const TLGSMatrix& M);
void MatrixMitZeilenOpAusgeben(const TLGSMatrix& M);

// The texts of a grid's cells, row by row.
using TGittertexte = std::vector<std::vector<std::string>>;

// The linear-systems step of the main window on page 0: A is the coefficient grid, b the right-hand side
// (one column). A cell of blanks counts as 0.
void SchrittLGS(const TGittertexte& A, const TGittertexte& b);

} // namespace zol
