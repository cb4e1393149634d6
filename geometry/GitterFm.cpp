#include "geometry/GitterFm.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "term/TermParser.h"

namespace zol {

namespace {

// The editor of the cell being edited: a line edit on the viewport (a closed one waits hidden for its
// deletion); null when no cell is being edited.
const QLineEdit* OffenerEditor(const QTableWidget* Gitter) {
    for (const QLineEdit* editor : Gitter->viewport()->findChildren<QLineEdit*>())
        if (!editor->isHidden()) return editor;
    return nullptr;
}

// Installs the observer's event filter on every cell editor it creates.
class TBeobachteterDelegat : public QStyledItemDelegate {
public:
    TBeobachteterDelegat(QObject* beobachter, QObject* eltern)
        : QStyledItemDelegate(eltern), Beobachter(beobachter) {}
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
        if (editor != nullptr) editor->installEventFilter(Beobachter);
        return editor;
    }

private:
    QObject* Beobachter;
};

} // namespace

QTableWidget* NeuesGitter(int Zeilen, int Spalten, QWidget* Eltern, QObject* Tastenbeobachter) {
    auto* g = new QTableWidget(Zeilen, Spalten, Eltern);
    if (Tastenbeobachter != nullptr) g->setItemDelegate(new TBeobachteterDelegat(Tastenbeobachter, g));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setDefaultSectionSize(64);
    g->verticalHeader()->setDefaultSectionSize(24);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEditTriggers(QAbstractItemView::AllEditTriggers);
    FormeGitter(g, Zeilen, Spalten);
    return g;
}

void FormeGitter(QTableWidget* Gitter, int Zeilen, int Spalten) {
    Gitter->setRowCount(Zeilen);
    Gitter->setColumnCount(Spalten);
    Gitter->setFixedSize(Spalten * Gitter->horizontalHeader()->defaultSectionSize() + 10,
                         Zeilen * Gitter->verticalHeader()->defaultSectionSize() + 10);
}

void FormeDreierGitter(QTableWidget* Gitter, bool Zeile) {
    if ((Gitter->columnCount() == 3) == Zeile) return;
    BeendeBearbeitung(Gitter);
    QString texte[3];
    for (int i = 0; i < 3; ++i) texte[i] = Zellentext(Gitter, Zeile ? i : 0, Zeile ? 0 : i);
    Gitter->clearContents();
    FormeGitter(Gitter, Zeile ? 1 : 3, Zeile ? 3 : 1);
    for (int i = 0; i < 3; ++i) SetzeZellentext(Gitter, Zeile ? 0 : i, Zeile ? i : 0, texte[i]);
}

QString Zellentext(const QTableWidget* Gitter, int Zeile, int Spalte) {
    const QLineEdit* editor = OffenerEditor(Gitter);
    if (editor != nullptr) {
        const QModelIndex zelle = Gitter->indexAt(editor->geometry().center());
        if (zelle.row() == Zeile && zelle.column() == Spalte) return editor->text();
    }
    const QTableWidgetItem* zelle = Gitter->item(Zeile, Spalte);
    return zelle != nullptr ? zelle->text() : QString();
}

void SetzeZellentext(QTableWidget* Gitter, int Zeile, int Spalte, const QString& Text) {
    if (QTableWidgetItem* zelle = Gitter->item(Zeile, Spalte))
        zelle->setText(Text);
    else
        Gitter->setItem(Zeile, Spalte, new QTableWidgetItem(Text));
}

std::array<TTerm*, 3> LiesTerme(const QTableWidget* Gitter, bool Zeile) {
    std::array<TTerm*, 3> terme{};
    for (int i = 0; i < 3; ++i)
        terme[size_t(i)] = TermAusString(Zellentext(Gitter, Zeile ? 0 : i, Zeile ? i : 0).toStdString());
    return terme;
}

void BeendeBearbeitung(QTableWidget* Gitter) {
    // Leaving the current cell commits and closes its editor.
    if (OffenerEditor(Gitter) != nullptr) Gitter->setCurrentIndex(QModelIndex());
}

} // namespace zol
