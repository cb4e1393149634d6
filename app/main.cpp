// ZOL08: start-up. The program reads no command line.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "app/Abbruch.h"
#include "app/About.h"
#include "app/GrafikFm.h"
#include "app/HauptFm.h"
#include "app/Karten.h"
#include "app/MatrixFm.h"
#include "app/Optionen.h"
#include "app/QtOberflaeche.h"
#include "app/RootFm.h"
#include "app/SFSuchFm.h"
#include "app/Schritte.h"
#include "app/Struktur.h"
#include "app/TermBaumFm.h"
#include "geometry/GeradeFm.h"
#include "geometry/ProjektionFm.h"
#include "geometry/PunktFm.h"
#include "geometry/Vektoren.h"
#include "output/Ausgabe.h"
#include "selftest/TestFm.h"
#include "selftest/TestSuiteFm.h"
#include "term/Terme.h"

int main(int argc, char** argv) {
    using namespace zol;

    // 1.-5. The units' initialisation in dependency order: the standard sets, the shared constant terms and
    //    the variable x, the polynomial constants (NullPolynom, EinsPolynom, XPolynom, XQuadratPolynom,
    //    EinsMinusXQuadratPolynom), the cached polynomial normal forms of Null, Eins and VariableX, the
    //    twelve radical records (RadikalNull ... RadikalMinusDrittelWurzel3) and the four bivariate
    //    polynomials (NullPPolynom, EinsPPolynom, SPPolynom, EinsMinusSQuadratPPolynom).
    InitialisiereTerme();
    InitialisiereAusgabe();

    // 6. The geometry globals: Ursprung, the three unit vectors, the axes x, y and z (Ursprung is projected
    //    under the projection current at the start, the xy plane).
    Vektoren::InitialisiereGeometrie();

    // 7. The application, its title, the windows in their fixed order, the help file, the event loop.
    // QApplication takes argc/argv for Qt's own use; the program itself reads no arguments.
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName("ZOL08");
    QApplication::setApplicationDisplayName("ZOL08");
    // The standard dialogs (print, font, page set-up) speak German where Qt's translation is installed.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    // 1 HauptForm: sets the output font and reads the inputs from the INI file. The host reads the
    // inputs from it and lets the event loop run during long computations.
    THauptForm hauptForm;
    TQtOberflaeche host(&hauptForm);
    TOberflaecheWechsel hostAktiv(host);
    // 2 AboutForm: decodes its picture; nothing shows it.
    TAboutForm aboutForm(&hauptForm);
    // 3 SchritteForm: reads the stored step choice and applies it to the main window's sheets and list.
    TSchritteForm schritteForm(&hauptForm, &hauptForm);
    // 4 OptionenForm: turns its design values into the option globals (not the debug listener).
    TOptionenForm optionenForm(&hauptForm);
    // 5 KarteForm: reads its design texts into KartenDaten.
    TKarteForm karteForm(&hauptForm);
    // 6 StrukturForm: an empty list of terms.
    TStrukturForm strukturForm(&hauptForm);
    // 7 GrafikForm: pan steps, zoom factor, grid and fill pattern.
    TGrafikForm grafikForm(&hauptForm);
    // 8 TestSuiteForm: the file names as designed; only the hidden "TestSuite" button shows it.
    TTestSuiteForm testSuiteForm(&hauptForm);
    // 9 AbbruchForm: the progress window.
    TAbbruchForm abbruchForm(&hauptForm);
    // 10 MatrixForm: nothing shows it.
    TMatrixForm matrixForm(&hauptForm);
    // 11 SFSuchForm, 12 RootForm, 13 TermBaumForm: nothing shows them.
    TSFSuchForm sfSuchForm(&hauptForm);
    TRootForm rootForm(&hauptForm);
    TTermBaumForm termBaumForm(&hauptForm);
    // 14 TestForm: chooses the stored test procedure.
    TTestForm testForm(&hauptForm);
    // 15 AusgabeForm has no window here: the debug line channel it owned is the host's SendeZeile above,
    //    one TCP line per step block (output/Protokoll) to the host and port that the options window sets.
    // 16 ProjektionForm.
    TProjektionForm projektionForm(&hauptForm);
    // 17 PunktForm, 18 GeradeForm.
    TPunktForm punktForm(&hauptForm);
    TGeradeForm geradeForm(&hauptForm);
    // The help is the program's own HTML help, opened by the main window's menu "Hilfe".

    hauptForm.resize(hauptForm.Startgroesse(hauptForm.screen()->availableGeometry().size()));
    hauptForm.show();
    return anwendung.exec();
}
