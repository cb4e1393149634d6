// The progress window "Information": shown while a request, test or print run is under way. Its button
// "Abbrechen" raises the abort flag that long computations poll.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zol {

class TAbbruchForm : public QDialog {
    Q_OBJECT

public:
    explicit TAbbruchForm(QWidget* parent = nullptr);
    ~TAbbruchForm() override;

    QLabel* SuchAnzahlLabel;
    QPushButton* AbbruchButton;

    // Shows the window and paints it at once. It is application-modal: while it is shown, only its
    // button acts.
    void Zeige();
    // "Abbrechen": sets BenutzerAbbruch, closes the open output line, says "Benutzer-Abbruch" and closes
    // the window. The running computation notices the flag at its next poll.
    void AbbruchButtonClick();

protected:
    // Closing the window by its frame or Escape counts as nothing: the computation goes on.
    void reject() override;
};

// The one progress window (null while none exists).
extern TAbbruchForm* AbbruchForm;

} // namespace zol
