// The line dialog "Gerade": a support point (name and three coordinates) and either a direction vector or
// a second point make a line that is appended to the main window's objects and drawn; a colour can be
// chosen for the lines made afterwards. Not modal.
#pragma once

#include <QDialog>

#include "plattform/Leinwand.h"

class QButtonGroup;
class QCheckBox;
class QColorDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zol {

// The colour of new lines, 0xRRGGBB; black at the start. A line's support point gets its low 16 bits.
extern TFarbe Geradenfarbe;

class TGeradeForm : public QDialog {
    Q_OBJECT

public:
    explicit TGeradeForm(QWidget* parent = nullptr);
    ~TGeradeForm() override;

    QGroupBox* StuetzpunktGB;
    QLineEdit* ANameEdit;
    QTableWidget* AOrtsvektorSG;
    QLineEdit* NameEdit;
    QGroupBox* AngabeGB;
    QGroupBox* AngabeRG;
    // "Richtungsvektor" (id 0), "zweiter Punkt" (id 1).
    QButtonGroup* AngabeGruppe;
    QLabel* AngabeLabel;
    QLineEdit* Name2Edit;
    QTableWidget* Koordinaten2SG;
    QPushButton* ColorButton;
    QColorDialog* ColorDialog;
    // Without effect.
    QCheckBox* SichtbarCB;
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;

    // The shape of Koordinaten2SG and the label for the chosen kind: a column for the direction vector, a
    // row for the second point.
    void AngabeRGClick();
    // A confirmed colour becomes Geradenfarbe.
    void ColorButtonClick();
    // Parses all six cells, makes the support point and the line (its direction the vector, or the support
    // point minus the second point), appends and draws the line, and closes; a cell that does not parse is
    // shown in a box, nothing is made and the dialog stays open.
    void OKButtonClick();
    void AbbrechenButtonClick();
};

// The one line dialog (null while none exists).
extern TGeradeForm* GeradeForm;

} // namespace zol
