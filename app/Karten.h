// The range window "Karte": the shown part of the xy-plane and the conversion of world coordinates into cm
// of the drawing (margins and units). It edits a copy; KartenDaten changes only on an accepted "OK", which
// redraws the graph. Modal.
#pragma once

#include <QDialog>
#include <QPointer>

#include <string>

#include "output/Grafikdaten.h"
#include "term/Grundtypen.h"

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zol {

// Reads a decimal number written with a comma or a point ("1,5", "1.5", "-2", "1e3"); false for anything
// else, a value that is not finite included.
bool LiesDezimalzahl(const std::string& Text, Extended& Wert);
// Fixed-point text with 3 decimals and a decimal comma.
std::string FestkommaText(Extended Wert);

class TKarteForm : public QDialog {
    Q_OBJECT

public:
    // Reads the design texts into KartenDaten.
    explicit TKarteForm(QWidget* parent = nullptr);
    ~TKarteForm() override;

    QGroupBox* AusschnittGB;
    QLineEdit* AEdit; // XVon
    QLineEdit* BEdit; // XBis
    QLineEdit* CEdit; // YVon
    QLineEdit* DEdit; // YBis
    QGroupBox* UmrechnungGB;
    QLineEdit* PAEdit; // RandLinks
    QLineEdit* PDEdit; // RandOben
    QLineEdit* EXEdit; // EinheitX
    QLineEdit* EYEdit; // EinheitY
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;
    QPushButton* BereichButton;
    QPushButton* MassstabButton;
    QMenu* KartePopUp;
    QAction* Direkthilfe1;

    void FormCreate();
    void FormActivate();
    // The edits into K; false, after the message box, when a text is no number or the data are refused
    // (a unit of 0 or below, an empty range).
    bool GetData(TKartenDaten& K);
    // K into the edits.
    void SetData(const TKartenDaten& K);
    void OKButtonClick();
    void AbbrechenButtonClick();
    void BereichButtonClick();
    void MassstabButtonClick();
    void Direkthilfe1Click();

    // The help context remembered by the last right click (0: none).
    int Hilfekontext = 0;
    // The pop-up of the last "Direkthilfe", while it is open.
    QPointer<QWidget> Hilfefenster;

protected:
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// The one range window (null while none exists).
extern TKarteForm* KarteForm;

} // namespace zol
