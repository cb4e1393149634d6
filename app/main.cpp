// ZOL08: start-up. The program reads no command line.
#include <QApplication>
#include <QMainWindow>

#include "app/Schritte.h"
#include "term/Terme.h"

int main(int argc, char** argv) {
    using namespace zol;

    // 1. The units' initialisation in dependency order: the shared constant terms, the variable x and the
    //    standard sets.
    InitialisiereTerme();

    // 2. The polynomial constants NullPolynom, EinsPolynom, XPolynom, XQuadratPolynom and
    //    EinsMinusXQuadratPolynom are filled here once the polynomial unit exists.
    // 3. Null, Eins and VariableX get their cached polynomial normal forms here once the normal forms exist.
    // 4. The twelve radical records (RadikalNull ... RadikalMinusDrittelWurzel3) are filled here once the
    //    radical constants exist.
    // 5. NullPPolynom, EinsPPolynom, SPPolynom and EinsMinusSQuadratPPolynom are built here once the
    //    bivariate polynomials exist.
    // 6. The geometry globals (Ursprung, the three unit vectors, the axes x, y and z) are created here once
    //    the geometry unit exists.

    // 7. The application, its title, the windows in their fixed order, the help file, the event loop.
    // QApplication takes argc/argv for Qt's own use; the program itself reads no arguments.
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName("ZOL08");

    // 1 HauptForm: the main window comes with its own unit; until then a plain window stands in for it
    // (without it the step window writes into no main window, and nothing writes the INI file).
    QMainWindow hauptfenster;
    hauptfenster.setWindowTitle("ZOL08");
    hauptfenster.resize(1000, 750);
    // 2 AboutForm joins here.
    // 3 SchritteForm: reads the stored step choice and applies it.
    TSchritteForm schritteForm(nullptr, &hauptfenster);
    // 4 OptionenForm, 5 KarteForm, 6 StrukturForm, 7 GrafikForm, 8 TestSuiteForm, 9 AbbruchForm,
    // 10 MatrixForm, 11 SFSuchForm, 12 RootForm, 13 TermBaumForm, 14 TestForm, 15 AusgabeForm,
    // 16 ProjektionForm, 17 PunktForm, 18 GeradeForm join here in this order as their units are built.
    // The help file joins here with the main window's help menu.

    hauptfenster.show();
    return anwendung.exec();
}
