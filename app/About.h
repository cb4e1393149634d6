// The about box: the program's picture, stored as JPEG data in the program and decoded through libjpeg,
// with the name "ZOL" in white on it. Its timer closes it.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QTimer;

namespace zol {

// The resource that holds the picture.
extern const char* const AboutBildRessource;

class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);
    ~TAboutForm() override;

    // The decoded picture, shown at its own size (null when the data cannot be decoded).
    QImage Bild;
    QLabel* AboutImage;
    QLabel* ZOLLabel;
    // 10 ms, off at the start.
    QTimer* Timer1;

    // Switches the timer off and closes the window.
    void Timer1Timer();
};

// The one about box (null while none exists).
extern TAboutForm* AboutForm;

} // namespace zol
