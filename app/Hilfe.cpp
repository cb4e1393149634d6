#include "app/Hilfe.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help text lives in the resources of the window library; a static library must register them.
static void LadeHilferessourcen() {
    Q_INIT_RESOURCE(Hilfe);
}

namespace zol {

THilfeForm::THilfeForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    LadeHilferessourcen();
    // The application adds its name to the title.
    setWindowTitle(QString::fromUtf8("Hilfe"));
    resize(760, 640);

    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(false);
    Browser->setSource(QUrl(QStringLiteral("qrc:/hilfe/zol.html")));

    auto* inhalt = new QPushButton(QString::fromUtf8("Inhalt"), this);
    auto* zurueck = new QPushButton(QString::fromUtf8("Zurück"), this);
    auto* schliessen = new QPushButton(QString::fromUtf8("Schließen"), this);
    zurueck->setEnabled(false);
    connect(inhalt, &QPushButton::clicked, this, [this] { Zeige(QString()); });
    connect(zurueck, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(inhalt);
    knoepfe->addWidget(zurueck);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(knoepfe);
    layout->addWidget(Browser);
}

QString HilfeAnker(int kontext) {
    switch (kontext) {
    case 1001:
        return QStringLiteral("eingabe");
    case 1009:
        return QStringLiteral("karte-ausschnitt");
    case 1010:
        return QStringLiteral("karte-raender");
    case 1011:
        return QStringLiteral("karte-einheiten");
    default:
        return {};
    }
}

QString HilfeThema(const QString& anker) {
    LadeHilferessourcen();
    QFile datei(QStringLiteral(":/hilfe/zol.html"));
    if (anker.isEmpty() || !datei.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(datei.readAll());
    const QString marke = QStringLiteral("<a name=\"%1\"></a>").arg(anker);
    const qsizetype anfang = text.indexOf(marke);
    if (anfang < 0) return {};
    const qsizetype inhalt = anfang + marke.size();
    qsizetype ende = text.indexOf(QStringLiteral("<a name="), inhalt);
    if (ende < 0) ende = text.indexOf(QStringLiteral("</body>"), inhalt);
    return text.mid(inhalt, ende < 0 ? -1 : ende - inhalt).trimmed();
}

QWidget* ZeigeHilfePopup(int kontext, const QPoint& ort, QWidget* eltern) {
    const QString thema = HilfeThema(HilfeAnker(kontext));
    if (thema.isEmpty()) return nullptr;
    auto* fenster = new QFrame(eltern, Qt::Popup);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->setFrameShape(QFrame::Box);
    auto* inhalt = new QLabel(thema, fenster);
    inhalt->setTextFormat(Qt::RichText);
    inhalt->setWordWrap(true);
    inhalt->setFixedWidth(380);
    auto* layout = new QVBoxLayout(fenster);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(inhalt);
    fenster->move(ort);
    fenster->show();
    return fenster;
}

void THilfeForm::Zeige(const QString& anker) {
    if (anker.isEmpty()) {
        Browser->setSource(QUrl(QStringLiteral("qrc:/hilfe/zol.html")));
        Browser->scrollToAnchor(QStringLiteral("inhalt"));
    } else {
        Browser->setSource(QUrl(QStringLiteral("qrc:/hilfe/zol.html#") + anker));
    }
    show();
    raise();
    activateWindow();
}

} // namespace zol
