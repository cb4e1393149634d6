// The main window's requests: page preparation, the step driver, the test run, printing and scrolling.
#include "app/HauptFm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QPushButton>

#include <malloc.h>

#include <algorithm>

#include "algebra/PartialBrueche.h"
#include "algebra/PolynomZerlegungen.h"
#include "app/Abbruch.h"
#include "app/Drucken.h"
#include "app/Grafik.h"
#include "app/Optionen.h"
#include "app/Schritte.h"
#include "output/Grafikdaten.h"
#include "output/Protokoll.h"
#include "output/Seiten.h"
#include "output/folienT.h"
#include "plattform/Leinwand.h"
#include "selftest/Test.h"
#include "steps/Ableitungen.h"
#include "steps/Allgemeines.h"
#include "steps/Extremstellen.h"
#include "steps/Gleichungen.h"
#include "steps/Integral.h"
#include "steps/Nullstel.h"
#include "steps/Numerik.h"
#include "steps/Schrittflags.h"
#include "steps/Schrittrahmen.h"
#include "steps/Wendestellen.h"
#include "term/Arena.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermManager.h"

namespace zol {

TSchrittfunktionen TSchrittfunktionen::Standard() {
    TSchrittfunktionen f;
    f.Allgemeines = SchrittAllgemeines;
    f.Nullstellen = BestimmungDerNullstellen;
    f.EineNullstelle = BestimmungEinerNullstelle;
    f.Schnittstellen = BestimmungDerSchnittstellen;
    f.Polynomzerlegung = SchrittPolynomzerlegung;
    f.Polstellen = BestimmungDerPolstellen;
    f.Partialbrueche = SchrittPartialbrueche;
    f.Ableitungen = BestimmungDerAbleitungen;
    f.Extremstellen = BestimmungVonExtremstellen;
    f.Wendestellen = BestimmungVonWendestellen;
    f.Integral = DoIntegral;
    f.Flaecheninhalt = SchrittFlaecheninhalt;
    f.Graph = DoGraph;
    f.LGS = SchrittLGS;
    f.Test = TesteProzedur;
    return f;
}

void BereiteSeiteVor(Int32 k) {
    if (HauptForm != nullptr) HauptForm->BereiteSeiteVor(k);
}

void FuehreSchritteAus() {
    if (HauptForm != nullptr) HauptForm->FuehreSchritteAus();
}

namespace {

// Marks the window busy for the lifetime of the guard.
class TLauf {
public:
    explicit TLauf(bool& laeuft) : Laeuft(laeuft) { Laeuft = true; }
    ~TLauf() { Laeuft = false; }
    TLauf(const TLauf&) = delete;
    TLauf& operator=(const TLauf&) = delete;

private:
    bool& Laeuft;
};

// The first line of the page that ends just above line ab on a page hoehe pixels high: as many lines back
// as fit, one at least.
Int32 SeiteDavor(const TZeilenliste& liste, Int32 ab, Int32 hoehe) {
    Int32 s = ab;
    while (s > 0 && SichtbareZeilen(liste, s - 1, hoehe) >= ab - s + 1) --s;
    return s == ab ? std::max<Int32>(ab - 1, 0) : s;
}

} // namespace

// ---- pages ----

void THauptForm::BereiteSeiteVor(Int32 k, bool mitGraph) {
    if (k < 0 || k >= Seitenanzahl) return;
    TSeitenbild* bild = Seitenbilder[size_t(k)];
    if (k == SeiteGraph)
        bild->SetzeGroesse(GraphbildBreite, GraphbildHoehe);
    else
        bild->SetzeGroesse(SeitenbildBreite, Bildhoehe);
    AktiviereSeite(&bild->Leinwand, k == SeiteGraph && mitGraph);
    // The new list becomes current first, so that the old one is no longer current when it goes.
    auto neu = std::make_unique<TZeilenliste>();
    SetzeZeilenliste(neu.get());
    Seitenlisten[size_t(k)] = std::move(neu);
    Seitenanfang[size_t(k)] = 0;
    ScrollBar1->setValue(0);
}

bool THauptForm::ZeichneGraphNeu() {
    TSeitenbild* bild = Seitenbilder[SeiteGraph];
    if (Laeuft || !Schrittflags[SchrittGraph] || bild->isHidden()) return false;
    // A linear system or a test since the analysis has emptied the store: the graph stays as it is.
    if (FTerm == nullptr && Seitenlisten[SeiteGraph]) {
        StatusBar1->showMessage(QString::fromUtf8("Der Graph wird nach „Start“ wieder neu gezeichnet."),
                                5000);
        return false;
    }
    TLauf lauf(Laeuft);
    // New work of the user's: an abort of an earlier request does not end it.
    BenutzerAbbruch = false;
    BereiteSeiteVor(SeiteGraph);
    Schrittfunktionen.Graph();
    bild->Zeige();
    return true;
}

void THauptForm::ZeigeSeiten() {
    for (TSeitenbild* bild : Seitenbilder) bild->Zeige();
    PasseSeitenbilderAn();
    AktualisiereScrollBar();
}

void THauptForm::SichtbareSeitenhoehe(int hoehe) {
    // Too low a page shows no line at all; the frame then cuts it.
    GezeigteHoehe = std::clamp(hoehe, 100, SeitenbildHoehe);
    if (!Laeuft) PasseSeitenbilderAn();
}

void THauptForm::PasseSeitenbilderAn() {
    if (GezeigteHoehe == Bildhoehe) return;
    Bildhoehe = GezeigteHoehe;
    for (Int32 k = 0; k < Seitenanzahl; ++k)
        if (k != SeiteGraph) PasseSeitenbildAn(k);
    AktualisiereScrollBar();
}

void THauptForm::PasseSeitenbildAn(Int32 k) {
    TSeitenbild* bild = Seitenbilder[size_t(k)];
    if (bild->Bild.height() == Bildhoehe) return;
    bild->SetzeGroesse(SeitenbildBreite, Bildhoehe);
    if (TZeilenliste* liste = Seitenlisten[size_t(k)].get()) {
        // As scrolling does; the current page and canvas stay what they were.
        TZeilenliste* aktuell = Zeilenliste;
        TLeinwandWechsel leinwand(Leinwand());
        TWechsel<Int32> breite(Seitenbreite, Seitenbreite), hoehe(Seitenhoehe, Seitenhoehe),
            y(SeitenY, SeitenY);
        try {
            AktiviereSeite(&bild->Leinwand, false);
            SetzeZeilenliste(liste);
            ZeichneSeite(Seitenanfang[size_t(k)]);
        } catch (const std::exception& e) {
            Oberflaeche().DebugAusgabe(std::string("Seitenhöhe: ") + e.what());
        }
        SetzeZeilenliste(aktuell);
    }
    bild->Zeige();
}

void THauptForm::LeereSeiten(Int32 von, Int32 bis) {
    for (Int32 k = von; k <= bis; ++k) {
        auto& liste = Seitenlisten[size_t(k)];
        if (liste && Zeilenliste == liste.get()) SetzeZeilenliste(nullptr);
        liste.reset();
        Seitenanfang[size_t(k)] = 0;
        TSeitenbild* bild = Seitenbilder[size_t(k)];
        bild->Leinwand.Beende();
        bild->Bild.fill(Qt::white);
        bild->Zeige();
    }
    AktualisiereScrollBar();
}

void THauptForm::AktualisiereScrollBar() {
    Int32 seite = AktiveSeite();
    ScrollBar1->setVisible(seite >= 0 && seite != SeiteGraph);
    const TZeilenliste* liste = seite >= 0 ? Seitenlisten[size_t(seite)].get() : nullptr;
    if (seite == SeiteGraph || liste == nullptr) {
        ScrollBar1->setRange(0, 0);
        return;
    }
    // Scrolled to its end, the page still shows its last line.
    ScrollBar1->setRange(0, LetzterSeitenanfang(*liste, Seitenbilder[size_t(seite)]->Bild.height()));
    ScrollBar1->setValue(Seitenanfang[size_t(seite)]);
    // A click on the track moves by the lines the page shows.
    ScrollBar1->setPageStep(std::max<Int32>(
        SichtbareZeilen(*liste, Seitenanfang[size_t(seite)], Seitenbilder[size_t(seite)]->Bild.height()), 1));
}

void THauptForm::ZeigeSpeicher() {
    // The allocator's count of bytes in use.
    const struct mallinfo2 info = mallinfo2();
    StatusPanel0->setText(QString::fromUtf8("AllocMemSize:") + QString::number(qulonglong(info.uordblks)));
}

void THauptForm::SchliesseAbbruchfenster() {
    if (AbbruchForm != nullptr) AbbruchForm->hide();
    // Without a window manager that hands the keyboard on, it would stay with the closed progress window or
    // message box, and keys typed into the fields would be lost.
    if (!isVisible()) return;
    auto erreichbar = [](QWidget* w) { return w != nullptr && w->isVisible() && w->isEnabled(); };
    // The solution of a linear system stands on the other sheet than its grids; the sheets then keep it.
    QWidget* feld = LetztesEingabefeld;
    if (!erreichbar(feld)) feld = ModusFunktionen() ? static_cast<QWidget*>(FTermEdit) : MatrixGrid;
    if (!erreichbar(feld)) feld = PageControl1;
    activateWindow();
    feld->setFocus(Qt::OtherFocusReason);
}

void THauptForm::ZeichneNachFehler() {
    try {
        ZeichneSeite(0);
    } catch (const std::exception& e) {
        Oberflaeche().DebugAusgabe(std::string("ZeichneSeite: ") + e.what());
    } catch (...) {
    }
}

void THauptForm::PruefeAbbruch() {
    if (BenutzerAbbruch) throw EBenutzerAbbruch("Abbruch durch Benutzer");
}

void THauptForm::HakeAb(Int32 schritt) {
    if (SchritteForm != nullptr) SchritteForm->SchrittAbhaken(schritt);
}

// ---- inputs ----

void THauptForm::MerkeEingaben() {
    LetzteEingaben.F = FTermEdit->text().toStdString();
    LetzteEingaben.G = GTermEdit->text().toStdString();
    LetzteEingaben.A = AEdit->text().toStdString();
    LetzteEingaben.B = BEdit->text().toStdString();
    LetzteEingaben.H = Eingabe(TEingabefeld::HTerm);
    LetzteEingaben.Epsilon = Eingabe(TEingabefeld::Epsilon);
    LetzteEingaben.Startwert = Eingabe(TEingabefeld::Startwert);
    LetzteEingaben.Naeherungsmethode = Naeherungsmethode();
    LetzteEingaben.Funktionen = ModusFunktionen();
    LetzteEingaben.Matrix = Gittertexte(MatrixGrid);
    LetzteEingaben.Rechts = Gittertexte(BGrid);
}

std::string THauptForm::Eingabe(TEingabefeld feld) const {
    if (Drucken) {
        switch (feld) {
        case TEingabefeld::FTerm:
            return LetzteEingaben.F;
        case TEingabefeld::GTerm:
            return LetzteEingaben.G;
        case TEingabefeld::ATerm:
            return LetzteEingaben.A;
        case TEingabefeld::BTerm:
            return LetzteEingaben.B;
        case TEingabefeld::HTerm:
            return LetzteEingaben.H;
        case TEingabefeld::Epsilon:
            return LetzteEingaben.Epsilon;
        case TEingabefeld::Startwert:
            return LetzteEingaben.Startwert;
        }
        return {};
    }
    switch (feld) {
    case TEingabefeld::FTerm:
        return FTermEdit->text().toStdString();
    case TEingabefeld::GTerm:
        return GTermEdit->text().toStdString();
    case TEingabefeld::ATerm:
        return AEdit->text().toStdString();
    case TEingabefeld::BTerm:
        return BEdit->text().toStdString();
    case TEingabefeld::HTerm:
    case TEingabefeld::Epsilon:
    case TEingabefeld::Startwert:
        return SchrittfensterEingabe(feld);
    }
    return {};
}

Int32 THauptForm::Naeherungsmethode() const {
    if (Drucken) return LetzteEingaben.Naeherungsmethode;
    return SchritteForm != nullptr ? SchritteForm->Naeherungsmethode() : 1;
}

// ---- one request ----

void THauptForm::StartButtonClick() {
    if (Laeuft) return;
    TLauf lauf(Laeuft);
    MerkeEingaben();
    FuehreAnfrageAus();
    // The solution of a linear system stands on the first sheet.
    if (!ModusFunktionen()) PageControl1->setCurrentIndex(int(TBlatt::Allgemeines));
    ZeigeSeiten();
}

void THauptForm::FuehreAnfrageAus() {
    Einrueckung = 0;
    StarteZeitmessung();
    try {
        BenutzerAbbruch = false;
        if (AbbruchForm != nullptr) AbbruchForm->Zeige();
        SetzeAnfrageZurueck();
        // The check box counts at every request, whether its window was confirmed or not.
        if (OptionenForm != nullptr) Kommentare = OptionenForm->KommentarCB->isChecked();
        // The step list and pages keep nothing of an earlier request (a print run keeps the screen's pages,
        // and the linear-systems subject leaves the analysis alone).
        const bool funktionen = Drucken ? LetzteEingaben.Funktionen : ModusFunktionen();
        if (SchritteForm != nullptr && funktionen) SchritteForm->SchrittlisteZuruecksetzen();
        if (!Drucken && funktionen) LeereSeiten(1, SeiteGraph);
        FuehreSchritteAus();
        ZeigeSpeicher();
        SchliesseAbbruchfenster();
    } catch (const ETermFehler& e) {
        Oberflaeche().Meldung(TMeldungsart::Warnung,
                              "Arbeitsschritte sind nicht ausführbar:\n\r" + e.Meldung);
        ZeichneNachFehler();
        MeldeAusgelasseneSeitenSicher(e.Meldung);
        SchliesseAbbruchfenster();
    } catch (const std::exception& e) {
        try {
            // A step that noticed the abort itself has closed its output with this line already.
            const std::vector<std::string> seite = Seitentext();
            const bool gemeldet = dynamic_cast<const EBenutzerAbbruch*>(&e) != nullptr &&
                                  std::find(seite.begin(), seite.end(), e.what()) != seite.end();
            if (!gemeldet) SchreibeZeile(e.what());
        } catch (...) {
        }
        ZeichneNachFehler();
        MeldeAusgelasseneSeitenSicher(e.what());
        SchliesseAbbruchfenster();
    } catch (...) {
        ZeichneNachFehler();
        MeldeAusgelasseneSeitenSicher("unbekannter Fehler");
        SchliesseAbbruchfenster();
    }
    // The request's peak goes back to the system, however it ended; its terms stay for the graph.
    GibFreienSpeicherZurueck();
}

void THauptForm::MeldeAusgelasseneSeitenSicher(const std::string& grund) {
    try {
        MeldeAusgelasseneSeiten(grund);
    } catch (const std::exception& e) {
        Oberflaeche().DebugAusgabe(std::string("MeldeAusgelasseneSeiten: ") + e.what());
    } catch (...) {
    }
}

void THauptForm::FuehreSchritteAus() {
    const bool funktionen = Drucken ? LetzteEingaben.Funktionen : ModusFunktionen();
    if (!DruckModus && funktionen) {
        // While printing, the points of the screen run are reused; a linear system keeps them for the
        // analysis.
        Grafikpunkte.Anzahl = 0;
        Grafikpunkte.Voll = false;
    }
    BereiteSeiteVor(0);
    const TSchrittfunktionen& s = Schrittfunktionen;
    const auto& flag = Schrittflags;
    if (funktionen) {
        FTerm = nullptr;
        GTerm = nullptr;
        Integralergebnis = nullptr;
        // A reversed interval is refused, with its message, before any step runs.
        if (!IntervallgrenzenGeordnet(Eingabe(TEingabefeld::ATerm), Eingabe(TEingabefeld::BTerm))) return;
        Schritt = "Allgemeines";
        s.Allgemeines(Eingabe(TEingabefeld::FTerm));
        PruefeAbbruch();
        TAnfragerahmen anfragerahmen;

        // Page 1 is prepared once, by the first of its steps that runs; the others append to it.
        bool seite1 = false;
        auto seite1Vorbereiten = [&] {
            if (!seite1) BereiteSeiteVor(1);
            seite1 = true;
        };
        bool nullstellenLiefen = false;
        bool schnittstellenBerechnet = false;
        if (flag[SchrittNullstellen]) {
            seite1Vorbereiten();
            Schritt = Schrittlistentext(SchrittNullstellen);
            FuehreSchrittAus([&] { s.Nullstellen(true); });
            nullstellenLiefen = true;
            HakeAb(SchrittNullstellen);
            PruefeAbbruch();
        }
        if (flag[SchrittNaeherungsverfahren]) {
            seite1Vorbereiten();
            Schritt = Schrittlistentext(SchrittNaeherungsverfahren);
            FuehreSchrittAus(s.EineNullstelle);
            HakeAb(SchrittNaeherungsverfahren);
            PruefeAbbruch();
        }
        if (flag[SchrittSchnittstellen]) {
            seite1Vorbereiten();
            Schritt = Schrittlistentext(SchrittSchnittstellen);
            FuehreSchrittAus([&] { s.Schnittstellen(true); });
            schnittstellenBerechnet = true;
            HakeAb(SchrittSchnittstellen);
            PruefeAbbruch();
        }
        if (flag[SchrittProduktzerlegung]) {
            seite1Vorbereiten();
            Schritt = Schrittlistentext(SchrittProduktzerlegung);
            FuehreSchrittAus(s.Polynomzerlegung);
            HakeAb(SchrittProduktzerlegung);
            PruefeAbbruch();
        }
        if (flag[SchrittPolstellen]) {
            BereiteSeiteVor(2);
            Schritt = Schrittlistentext(SchrittPolstellen);
            FuehreSchrittAus(s.Polstellen);
            HakeAb(SchrittPolstellen);
            PruefeAbbruch();
        }
        if (flag[SchrittPartialbruch]) {
            BereiteSeiteVor(3);
            Schritt = Schrittlistentext(SchrittPartialbruch);
            FuehreSchrittAus(s.Partialbrueche);
            HakeAb(SchrittPartialbruch);
            PruefeAbbruch();
        }
        if (flag[SchrittAbleitungen]) {
            BereiteSeiteVor(4);
            Schritt = Schrittlistentext(SchrittAbleitungen);
            FuehreSchrittAus([&] { s.Ableitungen(true); });
            HakeAb(SchrittAbleitungen);
            PruefeAbbruch();
        }
        if (flag[SchrittExtremstellen]) {
            BereiteSeiteVor(5);
            Schritt = Schrittlistentext(SchrittExtremstellen);
            FuehreSchrittAus(s.Extremstellen);
            HakeAb(SchrittExtremstellen);
            PruefeAbbruch();
        }
        if (flag[SchrittWendestellen]) {
            BereiteSeiteVor(6);
            Schritt = Schrittlistentext(SchrittWendestellen);
            FuehreSchrittAus(s.Wendestellen);
            HakeAb(SchrittWendestellen);
            PruefeAbbruch();
        }
        if (flag[SchrittStammfunktion] || flag[SchrittIntegral] || flag[SchrittFlaeche]) {
            BereiteSeiteVor(7);
            TTerm* a = ABIntervall != nullptr ? ABIntervall->LinkerRand.Wert : nullptr;
            TTerm* b = ABIntervall != nullptr ? ABIntervall->RechterRand.Wert : nullptr;
            Schritt = Schrittlistentext(flag[SchrittIntegral]        ? SchrittIntegral
                                        : flag[SchrittStammfunktion] ? SchrittStammfunktion
                                                                     : SchrittFlaeche);
            if (flag[SchrittIntegral]) {
                FuehreSchrittAus([&] { s.Integral(a, b); });
                HakeAb(SchrittIntegral);
            } else if (flag[SchrittStammfunktion]) {
                FuehreSchrittAus([&] { s.Integral(nullptr, nullptr); });
                HakeAb(SchrittStammfunktion);
            } else {
                // The area needs the intersection points, or the zeros of f when there is no g; they are
                // computed silently unless this request computed them already.
                FuehreSchrittAus([&] {
                    if (!schnittstellenBerechnet) {
                        TStilleSeite still;
                        if (!Eingabe(TEingabefeld::GTerm).empty()) {
                            s.Schnittstellen(false);
                        } else {
                            if (!nullstellenLiefen) s.Nullstellen(false);
                            Schnittstellenliste = Nullstellenliste;
                            SchnittstellenStatus = NullstellenlisteStatus;
                        }
                        PruefeAbbruch();
                    }
                    s.Flaecheninhalt(a, b);
                });
                HakeAb(SchrittFlaeche);
            }
            PruefeAbbruch();
        }
        if (flag[SchrittGraph]) {
            BereiteSeiteVor(SeiteGraph);
            Schritt = Schrittlistentext(SchrittGraph);
            FuehreSchrittAus(s.Graph);
            HakeAb(SchrittGraph);
            PruefeAbbruch();
        }
    } else {
        const TGittertexte& matrix = Drucken ? LetzteEingaben.Matrix : Gittertexte(MatrixGrid);
        const TGittertexte& rechts = Drucken ? LetzteEingaben.Rechts : Gittertexte(BGrid);
        s.LGS(matrix, rechts);
    }
    Schritt = nullptr;
    DruckenButton->setEnabled(true);
}

bool THauptForm::SeiteGewaehlt(Int32 k) const {
    const auto& flag = Schrittflags;
    switch (k) {
    case 1:
        return flag[SchrittNullstellen] || flag[SchrittNaeherungsverfahren] || flag[SchrittSchnittstellen] ||
               flag[SchrittProduktzerlegung];
    case 2:
        return flag[SchrittPolstellen];
    case 3:
        return flag[SchrittPartialbruch];
    case 4:
        return flag[SchrittAbleitungen];
    case 5:
        return flag[SchrittExtremstellen];
    case 6:
        return flag[SchrittWendestellen];
    case 7:
        return flag[SchrittStammfunktion] || flag[SchrittIntegral] || flag[SchrittFlaeche];
    case SeiteGraph:
        return flag[SchrittGraph];
    default:
        return false;
    }
}

void THauptForm::MeldeAusgelasseneSeiten(const std::string& grund) {
    if (Schritt == nullptr || !(Drucken ? LetzteEingaben.Funktionen : ModusFunktionen())) return;
    // Each line of the message on a line of its own, as the message box shows it.
    const std::string warum =
        std::string(": nicht ausgeführt, weil die Anfrage im Schritt „") + Schritt + "“ endete: " + grund;
    Schritt = nullptr;
    // The step that ended may have left its blocks indented.
    TWechsel<Int32> einrueckung(Einrueckung, 0);
    for (Int32 k = 1; k <= SeiteGraph; ++k) {
        if (!SeiteGewaehlt(k) || Seitenlisten[size_t(k)]) continue;
        // The sheet's name first: on paper the lines of several sheets follow each other.
        const std::string text = PageControl1->tabText(int(k)).toStdString() + warum;
        // The line alone needs no room for a graph.
        BereiteSeiteVor(k, false);
        SchreibeMeldung(text);
        NeueZeile();
        ZeichneSeite(0);
    }
}

// ---- one test run ----

void THauptForm::TestButtonClick() {
    if (Laeuft) return;
    TLauf lauf(Laeuft);
    MerkeEingaben();
    FuehreTestAus();
    PageControl1->setCurrentIndex(int(TBlatt::Test));
    ZeigeSeiten();
}

void THauptForm::FuehreTestAus() {
    SetzeBlattSichtbar(TBlatt::Test, true);
    try {
        BereiteSeiteVor(SeiteTest);
        Substitutionszaehler = 0;
        BenutzerAbbruch = false;
        if (AbbruchForm != nullptr) AbbruchForm->Zeige();
        Einrueckung = 0;
        SetzeAnfrageZurueck();
        Schrittfunktionen.Test(Eingabe(TEingabefeld::FTerm));
        ZeigeSpeicher();
        ZeichneSeite(0);
        SchliesseAbbruchfenster();
        DruckenButton->setEnabled(true);
    } catch (...) {
        ZeigeSpeicher();
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Test nicht OK");
        ZeichneNachFehler();
        // The progress window closes also after a failed test.
        SchliesseAbbruchfenster();
    }
    GibFreienSpeicherZurueck();
}

// ---- the regression test suite ----

bool THauptForm::FuehreTestSuiteAus(const std::function<void()>& lauf) {
    if (Laeuft) return false;
    TLauf l(Laeuft);
    Int32 seite = -1;
    for (Int32 k = 0; k < Seitenanzahl; ++k)
        if (Seitenlisten[size_t(k)] && Seitenlisten[size_t(k)].get() == Zeilenliste) seite = k;
    // Before any page exists, and in place of the graph's picture, the lines go onto the test sheet.
    if (seite < 0 || seite == SeiteGraph) {
        seite = SeiteTest;
        SetzeBlattSichtbar(TBlatt::Test, true);
        if (!Seitenlisten[SeiteTest]) BereiteSeiteVor(SeiteTest);
        SetzeZeilenliste(Seitenlisten[SeiteTest].get());
        PageControl1->setCurrentIndex(int(TBlatt::Test));
    }
    TSeitenbild* bild = Seitenbilder[size_t(seite)];
    AktiviereSeite(&bild->Leinwand, false);
    if (AbbruchForm != nullptr) AbbruchForm->Zeige();
    try {
        lauf();
    } catch (...) {
        // The suite reports its own failures; nothing may leave the button's slot.
    }
    // The page is shown anew from its first line.
    Seitenanfang[size_t(seite)] = 0;
    AktiviereSeite(&bild->Leinwand, false);
    ZeichneNachFehler();
    SchliesseAbbruchfenster();
    ZeigeSeiten();
    return true;
}

// ---- printing ----

void THauptForm::DruckenButtonClick() {
    if (Laeuft) return;
    QPrintDialog dialog(Drucker.get(), this);
    dialog.setWindowTitle(QString::fromUtf8("Drucken"));
    // A cancelled dialog prints nothing.
    if (dialog.exec() != QDialog::Accepted) return;
    Drucke(*Drucker);
}

bool THauptForm::Drucke(QPrinter& drucker) {
    if (Laeuft) return false;
    TLauf lauf(Laeuft);
    // The screen pages stay as they are: their lists and first lines are put aside for the print run,
    // which prepares pages of its own, and come back afterwards.
    std::array<std::unique_ptr<TZeilenliste>, Seitenanzahl> bildschirm;
    for (size_t k = 0; k < bildschirm.size(); ++k) bildschirm[k] = std::move(Seitenlisten[k]);
    const auto anfang = Seitenanfang;
    TZeilenliste* aktuell = Zeilenliste;
    const bool test = PageControl1->currentIndex() == int(TBlatt::Test);
    bool gedruckt = true;
    try {
        TWechsel<bool> drucken(Drucken, true);
        zol::Drucke(drucker, [this, test] {
            if (test)
                FuehreTestAus();
            else
                FuehreAnfrageAus();
        });
    } catch (const std::exception& e) {
        gedruckt = false;
        Oberflaeche().Meldung(TMeldungsart::Warnung, std::string("Drucken nicht möglich:\n") + e.what());
    } catch (...) {
        gedruckt = false;
    }
    // Back to the screen: the current page was one of the print run's, which go now.
    SetzeZeilenliste(aktuell);
    for (size_t k = 0; k < bildschirm.size(); ++k) Seitenlisten[k] = std::move(bildschirm[k]);
    Seitenanfang = anfang;
    ZeigeSeiten();
    return gedruckt;
}

// ---- scrolling ----

void THauptForm::ScrollBar1Scroll(int code, int position) {
    if (Laeuft) return;
    const Int32 seite = AktiveSeite();
    // The graph has no lines to scroll, and the LGS and vectors sheets have no page.
    if (seite < 0 || seite == SeiteGraph) return;
    TZeilenliste* liste = Seitenlisten[size_t(seite)].get();
    if (liste == nullptr) return;
    TSeitenbild* bild = Seitenbilder[size_t(seite)];
    Int32& anfang = Seitenanfang[size_t(seite)];
    // Scrolled to its end, the page still shows its last line.
    const Int32 letzte = LetzterSeitenanfang(*liste, bild->Bild.height());
    try {
        AktiviereSeite(&bild->Leinwand, false);
        SetzeZeilenliste(liste);
        ScrollBar1->setMaximum(letzte);
        const Int32 hoehe = bild->Bild.height();
        switch (code) {
        case 0:
        case 1:
            anfang = std::clamp<Int32>(anfang + (code == 0 ? -1 : 1), 0, letzte);
            break;
        case 2:
            anfang = SeiteDavor(*liste, anfang, hoehe);
            break;
        case 3:
            // On by the lines the page shows.
            anfang =
                std::min<Int32>(anfang + std::max<Int32>(SichtbareZeilen(*liste, anfang, hoehe), 1), letzte);
            break;
        case 8:
            anfang = std::clamp<Int32>(position, 0, letzte);
            break;
        default:
            break;
        }
        ZeichneSeite(anfang);
        // The bar shows the first line drawn.
        ScrollBar1->setValue(anfang);
        ScrollBar1->setPageStep(std::max<Int32>(SichtbareZeilen(*liste, anfang, hoehe), 1));
    } catch (const std::exception& e) {
        Oberflaeche().DebugAusgabe(std::string("Blättern: ") + e.what());
    }
    bild->Zeige();
}

} // namespace zol
