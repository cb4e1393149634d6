#include "app/Baumansicht.h"

#include <QTreeWidget>

#include <vector>

namespace zol {

void KlappeErstenKnotenAuf(QTreeWidget* Baum) {
    QTreeWidgetItem* erster = Baum->topLevelItem(0);
    if (erster == nullptr) return;
    Baum->expandRecursively(Baum->model()->index(0, 0), AufklappTiefe);
    Baum->setCurrentItem(erster);
}

void LoescheKnoten(QTreeWidgetItem* Knoten) {
    if (Knoten == nullptr) return;
    // Pre-order; taken back to front, each node is a leaf and the last child of its parent.
    std::vector<QTreeWidgetItem*> folge;
    std::vector<QTreeWidgetItem*> stapel{Knoten};
    while (!stapel.empty()) {
        QTreeWidgetItem* k = stapel.back();
        stapel.pop_back();
        folge.push_back(k);
        for (int i = k->childCount() - 1; i >= 0; --i) stapel.push_back(k->child(i));
    }
    for (auto it = folge.rbegin(); it != folge.rend(); ++it) {
        if (*it != Knoten) {
            QTreeWidgetItem* eltern = (*it)->parent();
            eltern->takeChild(eltern->childCount() - 1);
        }
        delete *it;
    }
}

void LeereBaum(QTreeWidget* Baum) {
    // Taken out of the view first, so that removing the nodes one by one does not touch the view.
    std::vector<QTreeWidgetItem*> oben;
    while (Baum->topLevelItemCount() > 0) oben.push_back(Baum->takeTopLevelItem(0));
    for (QTreeWidgetItem* wurzel : oben) LoescheKnoten(wurzel);
}

} // namespace zol
