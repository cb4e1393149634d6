#include "app/Hilfe.h"

#include <QHBoxLayout>
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
