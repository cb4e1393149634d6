#include "app/TermBaumFm.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Baumansicht.h"

namespace zol {

TTermBaumForm* TermBaumForm = nullptr;

TTermBaumForm::TTermBaumForm(QWidget* parent) : QDialog(parent) {
    TermBaumForm = this;
    setWindowTitle(QString::fromUtf8("Term-Baum"));
    TermBaumView = new QTreeWidget(this);
    TermBaumView->setHeaderHidden(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TermBaumView);
    resize(400, 500);
}

TTermBaumForm::~TTermBaumForm() {
    LeereBaum(TermBaumView);
    if (TermBaumForm == this) TermBaumForm = nullptr;
}

} // namespace zol
