// The window "Term-Baum" with its tree view. It is created at start-up; nothing shows or fills it.
#pragma once

#include <QDialog>

class QTreeWidget;

namespace zol {

class TTermBaumForm : public QDialog {
    Q_OBJECT

public:
    explicit TTermBaumForm(QWidget* parent = nullptr);
    ~TTermBaumForm() override;

    QTreeWidget* TermBaumView;
};

// The one term-tree window (null while none exists).
extern TTermBaumForm* TermBaumForm;

} // namespace zol
