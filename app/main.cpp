// ZOL08: start-up. The program reads no command line.
#include <QApplication>
#include <QMainWindow>

#include "term/Terme.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zol::InitialisiereTerme();
    QApplication::setApplicationName("ZOL08");
    QMainWindow fenster;
    fenster.setWindowTitle("ZOL08");
    fenster.resize(1000, 750);
    fenster.show();
    return app.exec();
}
