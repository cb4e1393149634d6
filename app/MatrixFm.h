// The matrix window "Matrix": the matrix A in a grid, brought to row echelon form with comments on the
// current output page. Nothing in the program shows it.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace zol {

// The grid may have at most this many rows and columns.
constexpr int MatrixHoechstmass = 15;

class TMatrixForm : public QDialog {
    Q_OBJECT

public:
    explicit TMatrixForm(QWidget* parent = nullptr);
    ~TMatrixForm() override;

    QTableWidget* MatrixGrid;
    QPushButton* Button1;

    // "Berechnen": every cell parsed and simplified (an empty one is 0); then "Matrix :", the matrix and
    // its row echelon form with comments go onto the current page, and the window closes. A grid beyond
    // 15 rows or columns, or a cell that does not parse, is reported in a box and nothing is written; the
    // window stays open.
    void Button1Click();
};

// The one matrix window (null while none exists).
extern TMatrixForm* MatrixForm;

} // namespace zol
