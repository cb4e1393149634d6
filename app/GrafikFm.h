// The graph settings window "Grafik": the steps of the pan buttons, the zoom factor, the grid and the fill
// pattern of areas. OK takes the numbers and the grid into the settings of the graph (app/Grafik.h); the
// fill pattern takes effect as soon as it is chosen. Not modal.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zol {

class TGrafikForm : public QDialog {
    Q_OBJECT

public:
    explicit TGrafikForm(QWidget* parent = nullptr);
    ~TGrafikForm() override;

    QLineEdit* DeltaXEdit;
    QLineEdit* DeltaYEdit;
    QLineEdit* ZoomEdit;
    QCheckBox* GitterCB;
    QGroupBox* MusterRG;
    // The six patterns of MusterRG; the id of a button is its item.
    QButtonGroup* MusterGruppe;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Takes the settings and closes; a text that is no number, or a zoom factor outside ]0; 100[, is
    // refused with a message box and the window stays open.
    void OKBtnClick();
    void CancelBtnClick();
};

// The one settings window (null while none exists).
extern TGrafikForm* GrafikForm;

} // namespace zol
