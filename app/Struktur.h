// The term-structure window "Term-Struktur": a list of terms, the chosen one typeset and as a tree of its
// parts. The main window's "Struktur" fills it with f, its derivatives and its antiderivative.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "term/TermManager.h"

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zol {

class TTerm;
class TSeitenbild;

// The height of the strip below the formula that the drawing leaves alone.
constexpr int FormelbildRand = 15;

class TStrukturForm : public QDialog {
    Q_OBJECT

public:
    explicit TStrukturForm(QWidget* parent = nullptr);
    ~TStrukturForm() override;

    QListWidget* VerfuegbareTermeLB;
    TSeitenbild* FormelImage;
    QTreeWidget* StrukturView;
    // The terms of the list box's lines, in the same order. Emptied with the list box whenever the term
    // store is emptied, so that no entry outlives its term.
    std::vector<TTerm*> VerfuegbareTerme;

    // An empty list.
    void FormCreate();
    // Appends T and its caption as a new line.
    void FuegeHinzu(TTerm* T, const std::string& Beschriftung);
    // Shows the term of the clicked line; a failure is shown in a box.
    void VerfuegbareTermeLBClick();
    // Draws T at 10 points into FormelImage and builds its tree in StrukturView, expanded and selected.
    void ZeigeTermStruktur(TTerm* T);
    // Appends the node of T below Eltern (null: as a top node of StrukturView) with the nodes of its parts
    // below it. A class without a node text adds nothing. Works without recursion, so a deep term cannot
    // exhaust the stack.
    void BaueStrukturBaum(QTreeWidgetItem* Eltern, TTerm* T);

private:
    void LeereTermliste();
    TTermfreigabeBeobachter Freigabe;
};

// The one structure window (null while none exists).
extern TStrukturForm* StrukturForm;

} // namespace zol
