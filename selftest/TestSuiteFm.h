// The window "Test-Suite" of the regression test suite: the file of term strings, the file of the result
// stream, "Testen" and "Als Lösung übernehmen". The main window's "TestSuite" button shows it; nothing
// shows that button.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zol {

class TTestSuiteForm : public QDialog {
    Q_OBJECT

public:
    explicit TTestSuiteForm(QWidget* parent = nullptr);
    ~TTestSuiteForm() override;

    QLineEdit* TestSuiteEdit;
    QLineEdit* ResultStreamEdit;
    QPushButton* TestenButton;
    QPushButton* UebernehmenButton;

    // Compare with the stored stream, or store the stream as the reference (selftest/TestSuite.h). Neither
    // acts while a request, a test or a suite run is under way.
    void TestenButtonClick();
    void UebernehmenButtonClick();
};

// The one suite window (null while none exists).
extern TTestSuiteForm* TestSuiteForm;

} // namespace zol
