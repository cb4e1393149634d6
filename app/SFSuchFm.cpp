#include "app/SFSuchFm.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Baumansicht.h"

namespace zol {

TSFSuchForm* SFSuchForm = nullptr;

TSFSuchForm::TSFSuchForm(QWidget* parent) : QDialog(parent) {
    SFSuchForm = this;
    setWindowTitle(QString::fromUtf8("Suche der Stammfunktion"));
    TreeView1 = new QTreeWidget(this);
    TreeView1->setHeaderHidden(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TreeView1);
    resize(400, 500);
}

TSFSuchForm::~TSFSuchForm() {
    LeereBaum(TreeView1);
    if (SFSuchForm == this) SFSuchForm = nullptr;
}

} // namespace zol
