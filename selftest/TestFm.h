// The test window "Zu testen": the choice of the test procedure that Alt+T in the f field runs.
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace zol {

class TIniDatei;

class TTestForm : public QDialog {
    Q_OBJECT

public:
    explicit TTestForm(QWidget* parent = nullptr);
    ~TTestForm() override;

    // "Test-Prozeduren": the 36 items in two columns.
    QGroupBox* TestRG;
    QButtonGroup* TestGruppe;
    QPushButton* CloseButton;

    // Chooses the item stored in the INI file (section "Test", key "TestRG", default 0).
    void FormCreate();
    // Closes the window; the choice stays.
    void CloseButtonClick();
    // The chosen item, -1 when none is chosen.
    int Auswahl() const;
    // Chooses item i (none outside 0 .. 35).
    void Waehle(int i);
    // Writes the chosen item into the INI file.
    void SchreibeIni(TIniDatei& ini) const;
};

// The one test window (null while none exists).
extern TTestForm* TestForm;

} // namespace zol
