// The step-choice window "Schritte": which analysis steps a request runs, and a few step parameters.
// Its OK action turns the check boxes into the step flags, shows the main window's sheets of the chosen
// steps and rebuilds the main window's step list. The choice survives a restart in the INI file.
#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "app/HauptfensterZugang.h"
#include "plattform/Oberflaeche.h"
#include "steps/Schrittflags.h"
#include "term/Grundtypen.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zol {

class TIniDatei;

// The main window's step-list item of each step, by its index there; -1 while the step is not chosen.
// An entry is valid only while the step's flag is set.
extern std::array<Int32, SchrittAnzahl> Schrittlisteneintraege;

// The caption of a step's item in the step list.
const char* Schrittlistentext(TSchritt schritt);

// The fifteen bits of the stored step mask.
constexpr Int32 SchrittmaskeBits = 0x7FFF;

class TSchritteForm : public QDialog {
    Q_OBJECT

public:
    // `hauptfenster` receives the sheet visibility and the step list; it may be null (no main window).
    // Reads the INI file and applies the stored choice.
    explicit TSchritteForm(THauptfensterZugang* hauptfenster, QWidget* parent = nullptr);
    ~TSchritteForm() override;

    QCheckBox* VereinfachenCB;
    QCheckBox* DefinitionsbereichCB;
    QCheckBox* WertetabelleCB;
    QCheckBox* SymmetrienCB;
    QLineEdit* HEdit;
    QCheckBox* NullstellenCB;
    QCheckBox* NaeherungsverfahrenCB;
    QRadioButton* HalbierungsverfahrenRB;
    QRadioButton* RegulaFalsiRB;
    QRadioButton* NewtonVerfahrenRB;
    QLineEdit* EpsilonEdit;
    QComboBox* x0ComboBox;
    QCheckBox* SchnittstellenCB;
    QGroupBox* PolynomeGB;
    QCheckBox* ProduktZerlegungCB;
    QCheckBox* PolstellenCB;
    QCheckBox* PartialBruchCB;
    QSpinBox* AbleitungsGradSE;
    QCheckBox* ExtremStellenCB;
    QCheckBox* WendestellenCB;
    QCheckBox* IntegralCB;
    QGroupBox* IntegraltypRG;
    QButtonGroup* IntegraltypGruppe;
    QCheckBox* GraphCB;
    QPushButton* AllesButton;
    QPushButton* OKButton;
    QPushButton* AbbrechenButton;

    // The chosen item of "Integraltyp" (0 antiderivative, 1 definite integral, 2 area).
    Int32 Integraltyp() const;
    // The checked method of the numerical zero: 1 bisection, 2 regula falsi, 3 Newton.
    Int32 Naeherungsmethode() const;
    void SetzeIntegraltyp(Int32 index);

    // Reads the mask, "HTerm" and "IntegralTyp" from the INI file, then applies the mask.
    void FormCreate();
    // Sets the check boxes from a stored mask and runs the OK action.
    void SchritteAusMaske(Int32 maske);
    // The mask to store: the check boxes, bit 10 from AbleitungsGrad, bit 13 from IntegralCB.
    Int32 Schrittmaske() const;
    // Writes "HTerm", "Schritte" and "IntegralTyp".
    void SchreibeIni(TIniDatei& ini) const;

    void OKButtonClick();
    void AbbrechenButtonClick();
    void AllesButtonClick();
    void IntegralCBClick();
    void NaeherungsverfahrenCBClick();

    // Rebuilds the main window's step list from the chosen steps.
    void SchrittlisteAufbauen();
    // Unticks the step-list item of every chosen step (start of a request).
    void SchrittlisteZuruecksetzen();
    // Ticks the step-list item of a step; nothing when the step is not chosen.
    void SchrittAbhaken(Int32 schritt);

private:
    THauptfensterZugang* Hauptfenster;
};

// The one step-choice window (null while none exists).
extern TSchritteForm* SchritteForm;

// The text of an edit field of the step-choice window (step width, accuracy, Newton's start value); empty
// for any other field and while no step-choice window exists.
std::string SchrittfensterEingabe(TEingabefeld feld);

// Writes the INI file when the main window closes: the main window's four inputs, then the keys of the
// step-choice window, in the order of the file's table. A failure is shown as a warning box; the caller
// closes anyway.
bool SchreibeIniDatei(const std::string& FTerm, const std::string& GTerm, const std::string& ATerm,
                      const std::string& BTerm);

} // namespace zol
