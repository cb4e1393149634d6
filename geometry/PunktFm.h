// The point dialog "Punkt": a name and three coordinates (term texts: fractions, roots and constants are
// allowed) make a point that is appended to the main window's objects and drawn; a colour can be chosen for
// the points made afterwards. Not modal.
#pragma once

#include <QDialog>

#include "plattform/Leinwand.h"

class QCheckBox;
class QColorDialog;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zol {

// The colour of new points, 0xRRGGBB; black at the start. A point gets its low 16 bits.
extern TFarbe Punktfarbe;

class TPunktForm : public QDialog {
    Q_OBJECT

public:
    explicit TPunktForm(QWidget* parent = nullptr);
    ~TPunktForm() override;

    QLineEdit* NameEdit;
    QTableWidget* OrtsvektorSG;
    QPushButton* ColorButton;
    QColorDialog* ColorDialog;
    // Without effect.
    QCheckBox* SichtbarCB;
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;

    // A confirmed colour becomes Punktfarbe.
    void ColorButtonClick();
    // Parses the three cells, makes, appends and draws the point, and closes; a cell that does not parse
    // is shown in a box, nothing is made and the dialog stays open.
    void OKButtonClick();
    void AbbrechenButtonClick();
};

// The one point dialog (null while none exists).
extern TPunktForm* PunktForm;

} // namespace zol
