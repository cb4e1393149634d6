// The options window "Optionen": comments, indent of nested steps, decimals of real results, Cardano's
// formulas, the number of Simpson subintervals and the listener of the debug lines. Its OK action copies
// the controls into the option globals that the steps read. The options are not stored between runs.
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zol {

class TAufAb;

// The Simpson subintervals stay within these bounds (the arrows and the edit alike).
constexpr long long SimpsonMinimum = 2;
constexpr long long SimpsonMaximum = 2147483646;
// The indent of nested steps in points.
constexpr int EinzugMaximum = 200;

class TOptionenForm : public QDialog {
    Q_OBJECT

public:
    // Creates the controls with their design values and runs FormCreate.
    explicit TOptionenForm(QWidget* parent = nullptr);
    ~TOptionenForm() override;

    QCheckBox* KommentarCB;
    QLineEdit* EinzugEdit;
    // The decimals 0 to 18: one spin box is edit and arrows alike, so the number cannot leave its range.
    QSpinBox* StellenEdit;
    QCheckBox* CardanoCB;
    QLineEdit* TeilIntervalleEdit;
    // Positions 1 to 9, not bound to the edit.
    TAufAb* TeilintervalleUpDown;
    QGroupBox* DebugGB;
    QLineEdit* RemoteHostEdit;
    QLineEdit* RemotePortEdit;
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;

    // The OK action without the debug listener, then Einzug := 30 with its edit, and Kommentare from the
    // check box.
    void FormCreate();
    // The edit shows Einzug.
    void FormActivate();
    // Applies the controls in order: Kommentare, CardanoAnwenden, Stellen, SimpsonTeilintervalle; the
    // window closes; Einzug; the debug host and port. A count that is no whole number from 2 to
    // 2147483646 stops the action with a box, the window staying open; a port outside 1 to 65535 keeps the
    // old port, with a box.
    void OKButtonClick();
    void AbbrechenButtonClick();
    // The up arrow multiplies SimpsonTeilintervalle by 10, the down arrow divides it by 10, within the
    // bounds; the edit shows the result. The edit is not read.
    void TeilintervalleUpDownClick(bool hoch);

protected:
    bool event(QEvent* ereignis) override;

private:
    void OKAktion(bool mitDebugZiel);
};

// The one options window (null while none exists).
extern TOptionenForm* OptionenForm;

} // namespace zol
