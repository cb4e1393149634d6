#include "app/About.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include "app/JpegBild.h"

// The picture lives in the resources of the window library; a static library must register them.
static void LadeAboutressourcen() {
    Q_INIT_RESOURCE(About);
}

namespace zol {

const char* const AboutBildRessource = ":/about/zol.jpg";
TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    AboutForm = this;
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    LadeAboutressourcen();
    QFile datei(QString::fromUtf8(AboutBildRessource));
    if (datei.open(QIODevice::ReadOnly)) Bild = JpegDekodieren(datei.readAll());

    AboutImage = new QLabel(this);
    AboutImage->setPixmap(QPixmap::fromImage(Bild));
    AboutImage->setFixedSize(Bild.isNull() ? QSize(320, 200) : Bild.size());
    AboutImage->setAutoFillBackground(true);
    QPalette grund = AboutImage->palette();
    grund.setColor(QPalette::Window, QColor(0x0b, 0x2a, 0x6b));
    AboutImage->setPalette(grund);
    ZOLLabel = new QLabel(QString::fromUtf8("ZOL"), AboutImage);
    QFont schrift = ZOLLabel->font();
    schrift.setPointSize(28);
    schrift.setBold(true);
    ZOLLabel->setFont(schrift);
    ZOLLabel->setAutoFillBackground(false);
    QPalette farben = ZOLLabel->palette();
    farben.setColor(QPalette::WindowText, Qt::white);
    ZOLLabel->setPalette(farben);
    ZOLLabel->adjustSize();
    ZOLLabel->move(16, 10);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AboutImage);
    setFixedSize(sizeHint());

    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TAboutForm::~TAboutForm() {
    if (AboutForm == this) AboutForm = nullptr;
}

void TAboutForm::Timer1Timer() {
    Timer1->stop();
    close();
}

} // namespace zol
