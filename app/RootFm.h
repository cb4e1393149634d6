// The term-store window "RootForm": the binary tree of the unique-term store, each node with the term's
// address and canonical text.
#pragma once

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace zol {

class TTermKnoten;

class TRootForm : public QDialog {
    Q_OBJECT

public:
    explicit TRootForm(QWidget* parent = nullptr);
    ~TRootForm() override;

    QTreeWidget* RootView;

    // Shows the store as it is now: RootView is emptied and built from Termspeicher, its first node
    // expanded and selected.
    void ZeigeTermspeicher();
    void FormShow();
    // Appends the node of Knoten below Eltern (null: as a top node of RootView): the low 32 bits of the
    // term's address as 8 hexadecimal digits followed by its Text; below it "links" with the left subtree
    // and "rechts" with the right one, each only where it exists. Works without recursion.
    void BaueSpeicherBaum(QTreeWidgetItem* Eltern, TTermKnoten* Knoten);

protected:
    void showEvent(QShowEvent* ereignis) override;
};

// The one term-store window (null while none exists).
extern TRootForm* RootForm;

} // namespace zol
