#include "app/MatrixFm.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"
#include "term/Fehler.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

TMatrixForm* MatrixForm = nullptr;

TMatrixForm::TMatrixForm(QWidget* parent) : QDialog(parent) {
    MatrixForm = this;
    setWindowTitle(QString::fromUtf8("Matrix"));
    setModal(false);
    MatrixGrid = new QTableWidget(3, 3, this);
    MatrixGrid->horizontalHeader()->hide();
    MatrixGrid->verticalHeader()->hide();
    MatrixGrid->horizontalHeader()->setDefaultSectionSize(64);
    MatrixGrid->verticalHeader()->setDefaultSectionSize(24);
    MatrixGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    Button1 = new QPushButton(QString::fromUtf8("Berechnen"), this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(new QLabel(QString::fromUtf8("A :"), this), 0, 0, Qt::AlignTop);
    layout->addWidget(MatrixGrid, 0, 1);
    layout->addWidget(Button1, 1, 1, Qt::AlignRight);
    resize(300, 180);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

TMatrixForm::~TMatrixForm() {
    if (MatrixForm == this) MatrixForm = nullptr;
}

void TMatrixForm::Button1Click() {
    const int zeilen = MatrixGrid->rowCount(), spalten = MatrixGrid->columnCount();
    if (zeilen > MatrixHoechstmass || spalten > MatrixHoechstmass) {
        Oberflaeche().Meldung(TMeldungsart::Information, "Höchstens 15 Zeilen und 15 Spalten.");
        return;
    }
    // New work of the user's: an abort of an earlier request does not end it, its overflow is shown.
    BenutzerAbbruch = false;
    KonstantenUeberlaufGemeldet = false;
    try {
        // Every cell is read before anything is written, so a cell that does not parse leaves the page
        // as it was.
        TLGSMatrix M = NeueLGSMatrix(zeilen, spalten);
        for (int r = 0; r < zeilen; ++r)
            for (int c = 0; c < spalten; ++c) {
                const QTableWidgetItem* zelle = MatrixGrid->item(r, c);
                const std::string text =
                    zelle != nullptr ? zelle->text().trimmed().toStdString() : std::string();
                TTerm* T = text.empty() ? Null : TermAusString(text);
                Kumuliere(T);
                M.a[r + 1][c + 1] = T;
            }
        Schreibe("Matrix :");
        MatrixAusgeben(M);
        Zeilenstufenform(M, true);
        // The last matrix stands on the open line; it goes onto the page.
        NeueZeile();
        close();
    } catch (const ETermFehler& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, e.Meldung);
    } catch (const std::exception& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, e.what());
    }
}

} // namespace zol
