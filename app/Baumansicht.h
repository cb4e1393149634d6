// Tree views that may hold very deep trees (a term or the term store thousands of levels deep): filled,
// expanded and emptied without exhausting the stack.
#pragma once

class QTreeWidget;
class QTreeWidgetItem;

namespace zol {

// Expanding goes this many levels deep; deeper nodes stay closed until the user opens them. The view's
// layout descends one call per expanded level.
constexpr int AufklappTiefe = 2000;

// Expands the view's first top node with its descendants (down to AufklappTiefe) and selects it.
void KlappeErstenKnotenAuf(QTreeWidget* Baum);
// Deletes every node of the view from the leaves upwards (deleting a node deletes its children
// recursively).
void LeereBaum(QTreeWidget* Baum);
// Deletes a node that is in no view, with its descendants, from the leaves upwards.
void LoescheKnoten(QTreeWidgetItem* Knoten);

} // namespace zol
