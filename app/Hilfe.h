// The program's help: a German HTML text shipped with the program, shown in a text browser.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace zol {

class THilfeForm : public QWidget {
    Q_OBJECT

public:
    explicit THilfeForm(QWidget* parent = nullptr);

    // Shows the help at the topic with the given anchor (the contents when empty) and brings the window to
    // the front.
    void Zeige(const QString& anker);

    QTextBrowser* Browser;
};

} // namespace zol
