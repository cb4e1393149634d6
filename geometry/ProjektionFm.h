// The projection dialog "Projektion": the type, the projection's vectors in four grids, six presets and
// the saved projection, and a preview of the coordinate tripod. Every key-up sets the projection when the
// grids hold a valid one (silently); "Übernehmen" redraws the objects of the main window with it,
// "Abbrechen" restores the projection that was current when the dialog was opened. Not modal.
#pragma once

#include <QDialog>

#include <string>

#include "geometry/Projektionen.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zol {

class TSeitenbild;

// The text of a number: decimal comma, the shortest that reads back as the same value.
std::string Dezimaltext(Extended Wert);
// Three numbers from a grid: from row 0 when it has 3 columns, else from column 0. "0,707" and "0.707"
// read; false for an empty cell or anything else.
bool LiesVektor(const QTableWidget* Gitter, TRaumvektor& v);

class TProjektionForm : public QDialog {
    Q_OBJECT

public:
    explicit TProjektionForm(QWidget* parent = nullptr);
    ~TProjektionForm() override;

    QGroupBox* TypRG;
    // "Parallelprojektion" (id 0), "Zentralprojektion" (id 1).
    QButtonGroup* TypGruppe;
    QLabel* RichtungLabel;
    QTableWidget* RichtungSG;
    QTableWidget* StuetzpunktSG;
    QTableWidget* xAchseSG;
    QTableWidget* yAchseSG;
    QGroupBox* ProjektionenRG;
    // Item k is button k: 0 the saved projection, 1 to 6 the presets.
    QButtonGroup* ProjektionenGruppe;
    TSeitenbild* DreibeinImage;
    QPushButton* UebernehmenButton;
    QPushButton* AbbrechenButton;

    // Saves the current projection, shows it and its tripod.
    void FormShow();
    // The shape and label of RichtungSG for the chosen type.
    void TypRGClick();
    // AktuelleProjektion into the type and the grids.
    void GetProjektion();
    // The grids hold a valid projection; otherwise, when Melden is set, the reason in a box.
    bool IsValid(bool Melden);
    // The grids into AktuelleProjektion and the tripod, when they are valid (checked as by IsValid).
    bool SetProjektion(bool Melden);
    void ProjektionenRGClick(int Eintrag);
    void FormKeyUp();
    void UebernehmenButtonClick();
    void AbbrechenButtonClick();
    // The tripod of AktuelleProjektion; a point that cannot be projected is reported only when Melden is
    // set.
    void ZeigeDreibein(bool Melden);

    // Escape and the window's close button cancel as "Abbrechen" does.
    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyReleaseEvent(QKeyEvent* ereignis) override;
    // The key releases of the cell editors, which keep them from the window.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// The one projection dialog (null while none exists).
extern TProjektionForm* ProjektionForm;

} // namespace zol
