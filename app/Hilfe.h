// The program's help: a German HTML text shipped with the program, shown in a text browser.
#pragma once

#include <QPoint>
#include <QString>
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

// The anchor in the help text of a control's help context (1001 the term input, 1009 the range of the
// range window, 1010 its margins, 1011 its units); empty for an unknown context.
QString HilfeAnker(int kontext);
// The HTML of one topic of the help text: from its anchor to the next one; empty when there is none.
QString HilfeThema(const QString& anker);
// Shows the topic of a help context as a pop-up at a point of the screen; it closes at the next click.
// Returns the pop-up (it deletes itself when closed), or null for an unknown context.
QWidget* ZeigeHilfePopup(int kontext, const QPoint& ort, QWidget* eltern);

} // namespace zol
