// The window "Suche der Stammfunktion" with its tree view. It is created at start-up; nothing shows or fills
// it.
#pragma once

#include <QDialog>

class QTreeWidget;

namespace zol {

class TSFSuchForm : public QDialog {
    Q_OBJECT

public:
    explicit TSFSuchForm(QWidget* parent = nullptr);
    ~TSFSuchForm() override;

    QTreeWidget* TreeView1;
};

// The one window of the antiderivative search (null while none exists).
extern TSFSuchForm* SFSuchForm;

} // namespace zol
