#include "selftest/TestSuiteFm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/HauptFm.h"
#include "selftest/TestSuite.h"

namespace zol {

TTestSuiteForm* TestSuiteForm = nullptr;

namespace {

// Runs a suite action as a run of the main window, which keeps other runs out while it lasts.
void AlsLauf(const std::function<void()>& aktion) {
    if (HauptForm != nullptr)
        HauptForm->FuehreTestSuiteAus(aktion);
    else
        aktion();
}

} // namespace

TTestSuiteForm::TTestSuiteForm(QWidget* parent) : QDialog(parent) {
    TestSuiteForm = this;
    setWindowTitle(QString::fromUtf8("Test-Suite"));
    setModal(false);
    TestSuiteEdit = new QLineEdit(QString::fromUtf8("Test1.txt"), this);
    ResultStreamEdit = new QLineEdit(QString::fromUtf8("Result1.tst"), this);
    TestenButton = new QPushButton(QString::fromUtf8("Testen"), this);
    UebernehmenButton = new QPushButton(QString::fromUtf8("Als Lösung übernehmen"), this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(new QLabel(QString::fromUtf8("Datei mit den zu testenden Term-Strings:"), this), 0, 0,
                      1, 2);
    layout->addWidget(TestSuiteEdit, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QString::fromUtf8("Datei mit den Test-Resultaten:"), this), 2, 0, 1, 2);
    layout->addWidget(ResultStreamEdit, 3, 0, 1, 2);
    layout->addWidget(TestenButton, 4, 0);
    layout->addWidget(UebernehmenButton, 4, 1);
    resize(360, 170);

    connect(TestenButton, &QPushButton::clicked, this, [this] { TestenButtonClick(); });
    connect(UebernehmenButton, &QPushButton::clicked, this, [this] { UebernehmenButtonClick(); });
}

TTestSuiteForm::~TTestSuiteForm() {
    if (TestSuiteForm == this) TestSuiteForm = nullptr;
}

void TTestSuiteForm::TestenButtonClick() {
    const std::string terme = TestSuiteEdit->text().toStdString();
    const std::string resultate = ResultStreamEdit->text().toStdString();
    AlsLauf([&] { TesteTestSuite(terme, resultate); });
}

void TTestSuiteForm::UebernehmenButtonClick() {
    const std::string terme = TestSuiteEdit->text().toStdString();
    const std::string resultate = ResultStreamEdit->text().toStdString();
    AlsLauf([&] { UebernehmeTestSuite(terme, resultate); });
}

} // namespace zol
