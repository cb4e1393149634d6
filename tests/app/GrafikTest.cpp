// The graph: curves, areas, axes and marked points on a test canvas; the graph step; the range window, the
// settings window, pan and zoom, and printing on the real windows (offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QButtonGroup>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Abbruch.h"
#include "app/Grafik.h"
#include "app/GrafikFm.h"
#include "app/HauptFm.h"
#include "app/Hilfe.h"
#include "app/Karten.h"
#include "app/Schritte.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "output/Weltzeichnung.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

Extended F(TTerm* T, Extended x, bool& d) {
    d = false;
    const Extended y = T->Wert(x, d);
    d = d && std::isfinite(y);
    return y;
}

// The graph settings back at their start values.
void GrafikStartwerte() {
    DeltaX = DeltaY = 1;
    Zoom = 10;
    Gitter = true;
    Fuellmuster = 4;
}

// ---- on a test canvas ----

class GraphTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        GrafikStartwerte();
        Schriftgroesse = 10;
        SeitenY = 0;
        Schrittflags.fill(false);
        SetzeZeilenliste(&Seite);
    }
    void TearDown() override {
        SetzeZeilenliste(nullptr);
        Schrittflags.fill(false);
        GrafikStartwerte();
        ZolTest::TearDown();
    }
    TTestLeinwandAktiv Bild{GraphbildBreite, GraphbildHoehe};
    TTestLeinwand& L = Bild.Leinwand;
    TZeilenliste Seite;

    bool Schwarz(Int32 c, Int32 r) { return L.Pixel(c, r) == zol::Schwarz; }
    // The black pixels in the window's rows.
    std::vector<TPunkt> Tinte() {
        std::vector<TPunkt> p;
        for (Int32 r = 0; r < GraphbildHoehe; ++r)
            for (Int32 c = 0; c < GraphbildBreite; ++c)
                if (Schwarz(c, r)) p.push_back({c, r});
        return p;
    }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& a : L.AufrufeDerArt(TAufrufart::Text)) t.push_back(a.Text);
        return t;
    }
    bool Geschrieben(const std::string& s) const {
        const auto t = Texte();
        return std::find(t.begin(), t.end(), s) != t.end();
    }
};

TEST_F(GraphTest, KurvenpunkteLiegenAufDerKurve) {
    for (const char* text : {"x^3-3x", "x^2/4-3", "(x+1)/(x-2)", "x^(1/2)*3"}) {
        L.FuelleRechteck({0, 0, GraphbildBreite, GraphbildHoehe}, Weiss);
        TTerm* f = TermAusString(text);
        ZeichneKurve(f);
        const auto tinte = Tinte();
        ASSERT_GT(tinte.size(), 200u) << text;
        for (const TPunkt& p : tinte) {
            // Some x of the pixel's width lies on the curve within one row.
            Extended naechste = 1e9;
            for (int i = 0; i <= 40; ++i) {
                bool d = false;
                const Extended y = F(f, XWelt(p.x) + (XWelt(p.x + 1) - XWelt(p.x)) * i / 40, d);
                if (d) naechste = std::min(naechste, std::fabs(YWelt(p.y) - y));
            }
            ASSERT_LT(naechste, 1.5 * 2.54 / 96) << text << " bei " << p.x << "," << p.y;
        }
        const TPunkt letzter = LetzterKurvenpunkt;
        EXPECT_TRUE(Schwarz(letzter.x, letzter.y)) << text;
    }
}

TEST_F(GraphTest, EinPolVerbindetDieAesteNicht) {
    ZeichneKurve(TermAusString("1/x"));
    const Int32 oben = YPixel(KartenDaten.YBis), unten = YPixel(KartenDaten.YVon);
    Int32 pol = 0;
    while (XWelt(pol + 1) <= 0) ++pol;
    for (Int32 c = pol - 1; c <= pol + 1; ++c)
        for (Int32 r = oben; r <= unten; ++r) EXPECT_FALSE(Schwarz(c, r)) << c << "," << r;
    // Both branches are there.
    EXPECT_TRUE(Schwarz(XPixel(1), YPixel(1)) || Schwarz(XPixel(1) + 1, YPixel(1)));
    EXPECT_TRUE(Schwarz(XPixel(-1), YPixel(-1)) || Schwarz(XPixel(-1) - 1, YPixel(-1)));
}

class MusterTest : public GraphTest, public ::testing::WithParamInterface<int> {};

TEST_P(MusterTest, SchraffurLiegtNurZwischenFUndG) {
    const Int32 m = GetParam();
    struct TFall {
        const char* f;
        const char* g;
        Double xa, xb;
    };
    const TFall faelle[] = {{"x^3-3x", "0", -1.7, 1.7}, {"x^2/4-3", "2-x/2", -8, 4}};
    // A pixel of tolerance in x and y, and the 3 x 3 dots reach one pixel beyond their centre.
    const Extended px = 2.54L / 96 * 2;
    for (const TFall& fall : faelle) {
        L.FuelleRechteck({0, 0, GraphbildBreite, GraphbildHoehe}, Weiss);
        TTerm* f = TermAusString(fall.f);
        TTerm* g = TermAusString(fall.g);
        SchraffiereFlaeche(m, f, g, fall.xa, fall.xb, -7, 10);
        const auto tinte = Tinte();
        EXPECT_GT(tinte.size(), 100u) << fall.f << " Muster " << m;
        for (const TPunkt& p : tinte) {
            const Extended x = XWelt(p.x), y = YWelt(p.y);
            ASSERT_GE(x, fall.xa - px);
            ASSERT_LE(x, fall.xb + px);
            bool d1, d2;
            Extended unten = 1e9, oben = -1e9;
            for (Extended dx : {-px, 0.0L, px}) {
                const Extended a = F(f, x + dx, d1), b = F(g, x + dx, d2);
                unten = std::min({unten, a, b});
                oben = std::max({oben, a, b});
            }
            ASSERT_GT(y, unten - px) << fall.f << " Muster " << m << " bei " << p.x << "," << p.y;
            ASSERT_LT(y, oben + px) << fall.f << " Muster " << m << " bei " << p.x << "," << p.y;
        }
    }
}

TEST_P(MusterTest, KeineFlaecheWoFKeinenWertHat) {
    // x^(1/2) has no value left of 0; its value there would count as 0, above g = -1.
    SchraffiereFlaeche(GetParam(), TermAusString("x^(1/2)"), TermAusString("-1"), -5, 5, -7, 10);
    for (const TPunkt& p : Tinte()) ASSERT_GE(XWelt(p.x), -2 * 2.54 / 96);
    EXPECT_FALSE(Tinte().empty());
}

INSTANTIATE_TEST_SUITE_P(SechsMuster, MusterTest, ::testing::Range(2, 8));

// The x tick labels as numbers, in drawing order.
std::vector<Extended> Zahlen(const TTestLeinwand& L, Int32 zeile) {
    std::vector<Extended> z;
    for (const auto& a : L.AufrufeDerArt(TAufrufart::Text)) {
        if (a.Stift.y != zeile) continue;
        std::string s = a.Text;
        std::replace(s.begin(), s.end(), ',', '.');
        z.push_back(std::strtold(s.c_str(), nullptr));
    }
    return z;
}

TEST_F(GraphTest, TeilungNachDerEinheit) {
    const struct {
        Extended Einheit;
        Extended Abstand;
    } faelle[] = {{1, 1}, {0.2L, 5}, {5, 0.2L}, {0.03L, 20}, {40, 0.05L}};
    for (const auto& fall : faelle) {
        L.Aufrufe.clear();
        KartenDaten = TKartenDaten{};
        KartenDaten.EinheitX = fall.Einheit;
        PasseAusschnittAn(KartenDaten, GraphbildBreite, GraphbildHoehe, 96);
        const TKartenDaten& K = KartenDaten;
        ZeichneKoordinatensystem(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis);
        const std::vector<Extended> z = Zahlen(L, YPixel(0) + 3);
        ASSERT_GE(z.size(), 4u) << fall.Einheit;
        for (size_t i = 1; i < z.size(); ++i) {
            // The label of 0 is left out.
            const Extended d = z[i] - z[i - 1];
            EXPECT_NEAR(d, z[i - 1] < 0 && z[i] > 0 ? 2 * fall.Abstand : fall.Abstand, 1e-9) << fall.Einheit;
        }
        // Ticks 0.5 to 2 cm apart.
        EXPECT_GE(fall.Abstand * fall.Einheit, 0.5L);
        EXPECT_LE(fall.Abstand * fall.Einheit, 2);
    }
}

TEST_F(GraphTest, AchsenMitPfeilspitzenNamenUndGitter) {
    const TKartenDaten& K = KartenDaten;
    ZeichneKoordinatensystem(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis);
    const Int32 s = PunktZuPixel(10 / 3);
    const TPunkt x2{XPixel(K.XBis), YPixel(0)}, y2{XPixel(0), YPixel(K.YBis)};
    const auto spitzen = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(spitzen.size(), 2u);
    EXPECT_EQ(spitzen[0].Punkte, (std::vector<TPunkt>{{x2.x - s, x2.y - s}, x2, {x2.x - s, x2.y + s}}));
    EXPECT_EQ(spitzen[1].Punkte, (std::vector<TPunkt>{{y2.x - s, y2.y + s}, y2, {y2.x + s, y2.y + s}}));
    EXPECT_TRUE(Geschrieben("x"));
    EXPECT_TRUE(Geschrieben("y"));
    EXPECT_TRUE(Schwarz(XPixel(3), YPixel(-2)));

    L.FuelleRechteck({0, 0, GraphbildBreite, GraphbildHoehe}, Weiss);
    Gitter = false;
    ZeichneKoordinatensystem(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis);
    EXPECT_TRUE(Tinte().empty());
}

TEST_F(GraphTest, UnbrauchbareEinheitenZeichnenKeineTeilung) {
    for (Extended e : {0.0L, -1.0L, 1e-300L, 1e300L, Extended(NAN)}) {
        L.Aufrufe.clear();
        KartenDaten.EinheitX = KartenDaten.EinheitY = e;
        ZeichneKoordinatensystem(-10, 0, 10, -7, 0, 10);
        EXPECT_EQ(Texte(), (std::vector<std::string>{"x", "y"})) << e;
    }
}

// ---- the graph step ----

TEST_F(GraphTest, UeberschriftKurvenUndNamen) {
    FTerm = TermAusString("x^2-4");
    DoGraph();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Graph : f(x) = x2-4"}));
    EXPECT_TRUE(Geschrieben("G"));
    EXPECT_TRUE(Geschrieben("f"));
    EXPECT_EQ(GTerm, Null);

    L.Aufrufe.clear();
    Seite.Zeilen.clear();
    Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = "20";
    DoGraph();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Graphen : f(x) = x2-4;  g(x) = 20"}));
    // g lies above the window: no pixel, no name.
    EXPECT_FALSE(Geschrieben("g"));
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
}

TEST_F(GraphTest, FehlerEndenInDerMeldung) {
    FTerm = TermAusString("x");
    Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = "x+";
    EXPECT_NO_THROW(DoGraph());
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Warnung);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text.rfind("Fehler bei DoGraph:\n\r", 0), 0u);
}

TEST_F(GraphTest, PunkteImFensterUndDieVolleListe) {
    FTerm = TermAusString("x");
    MerkePunkt("A", 10, 0); // on the bound
    MerkePunkt("B", 11, 0); // outside
    MerkePunkt("C", 0, -7.5);
    DoGraph();
    EXPECT_TRUE(Geschrieben("A"));
    EXPECT_FALSE(Geschrieben("B"));
    EXPECT_FALSE(Geschrieben("C"));
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());

    for (int i = 4; i <= 16; ++i) MerkePunkt("P", i / 10.0, 0);
    DoGraph();
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Information);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text,
              "Punkt-Liste ist voll. Nicht alle Punkte konnten gezeichnet werden.");
}

TEST_F(GraphTest, FlaecheZwischenDenSchnittstellen) {
    FTerm = TermAusString("4-x^2");
    Schnittstellenliste->Anzahl = 0;
    Schnittstellenliste->FuegeHinzu(K(-1), 1);
    Schnittstellenliste->FuegeHinzu(K(3, 2), 1);
    DoGraph();
    const auto ohne = Tinte();
    L.FuelleRechteck({0, 0, GraphbildBreite, GraphbildHoehe}, Weiss);
    L.Aufrufe.clear();
    Schrittflags[SchrittFlaeche] = true;
    DoGraph();
    // The bound lines from f down to the x-axis.
    auto linien = L.AufrufeDerArt(TAufrufart::Linie);
    auto senkrecht = [&](Extended x, Extended y) {
        const TPunkt a{XPixel(x), YPixel(y)}, b{XPixel(x), YPixel(0)};
        return std::any_of(linien.begin(), linien.end(),
                           [&](const auto& l) { return l.Punkte[0] == a && l.Punkte[1] == b; });
    };
    EXPECT_TRUE(senkrecht(-1, 3));
    EXPECT_TRUE(senkrecht(1.5L, 1.75L));
    // The dots lie between the bounds.
    int punkte = 0;
    for (const TPunkt& p : Tinte()) {
        if (std::find(ohne.begin(), ohne.end(), p) != ohne.end()) continue;
        ++punkte;
        ASSERT_TRUE(p.x >= XPixel(-1) && p.x <= XPixel(1.5L)) << p.x;
    }
    EXPECT_GT(punkte, 100);
}

// ---- the windows ----

class GrafikTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        GrafikStartwerte();
        Schrittflags.fill(false);
        DruckModus = false;
        Haupt = std::make_unique<THauptForm>();
        Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
        Karte = std::make_unique<TKarteForm>(Haupt.get());
        Grafik = std::make_unique<TGrafikForm>(Haupt.get());
        Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
        TSchrittfunktionen& s = Haupt->Schrittfunktionen;
        s.Allgemeines = [](const std::string& text) { FTerm = TermAusString(text); };
        // The zeros, extrema and inflection points of x^3-3x, marked as the steps mark them.
        s.Nullstellen = [](bool) {
            Nullstellenliste->Anzahl = 0;
            for (const char* x : {"-(3^(1/2))", "0", "3^(1/2)"}) {
                TTerm* t = TermAusString(x);
                Nullstellenliste->FuegeHinzu(t, 1);
                bool d;
                MerkePunkt("N*i<" + std::to_string(Nullstellenliste->Anzahl) + ">", double(F(t, 0, d)), 0);
            }
        };
        s.Extremstellen = [] {
            MerkePunkt("H", -1, 2);
            MerkePunkt("T", 1, -2);
        };
        s.Wendestellen = [] { MerkePunkt("W", 0, 0); };
        s.Flaecheninhalt = [](TTerm*, TTerm*) {};
    }
    void TearDown() override {
        Abbruch.reset();
        Grafik.reset();
        Karte.reset();
        Schritte.reset();
        Haupt.reset();
        Schrittflags.fill(false);
        GrafikStartwerte();
        ZolTest::TearDown();
    }

    void Waehle(std::initializer_list<TSchritt> schritte) {
        Schrittflags.fill(false);
        for (TSchritt s : schritte) Schrittflags[size_t(s)] = true;
        Schritte->SchrittlisteAufbauen();
    }
    void Start(const char* f) {
        Haupt->FTermEdit->setText(Q(f));
        Haupt->StartButtonClick();
    }
    const QImage& Graphbild() { return Haupt->Seitenbilder[SeiteGraph]->Bild; }
    int SchwarzeImGraph() {
        Haupt->Seitenbilder[SeiteGraph]->Zeige();
        int n = 0;
        for (int r = 0; r < Graphbild().height(); ++r)
            for (int c = 0; c < Graphbild().width(); ++c) n += (Graphbild().pixel(c, r) & 0xFFFFFF) == 0;
        return n;
    }
    std::vector<std::string> Meldungen() const {
        std::vector<std::string> m;
        for (const auto& x : Oberflaeche.Host.Meldungen) m.push_back(x.Text);
        return m;
    }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TSchritteForm> Schritte;
    std::unique_ptr<TKarteForm> Karte;
    std::unique_ptr<TGrafikForm> Grafik;
    std::unique_ptr<TAbbruchForm> Abbruch;
};

TEST_F(GrafikTest, GraphMitPunktenUndFlaeche) {
    Waehle({SchrittNullstellen, SchrittExtremstellen, SchrittWendestellen, SchrittFlaeche, SchrittGraph});
    Start("x^3-3x");
    ASSERT_EQ(Grafikpunkte.Anzahl, 6);
    EXPECT_TRUE(Meldungen().empty());
    Haupt->Seitenbilder[SeiteGraph]->Zeige();
    const QImage& bild = Graphbild();
    // A cross at every point, and dots inside the area left of 0.
    KartenDaten = TKartenDaten{};
    for (Int32 i = 1; i <= Grafikpunkte.Anzahl; ++i) {
        const TGrafikPunkt& P = Grafikpunkte.Punkte[size_t(i)];
        EXPECT_EQ(bild.pixel(XPixel(P.X) + 2, YPixel(P.Y) + 2) & 0xFFFFFF, 0u) << P.Name;
    }
    int punkte = 0;
    for (Int32 c = XPixel(-1.6); c < XPixel(-0.3); ++c)
        for (Int32 r = YPixel(0.5); r < YPixel(0.1); ++r) punkte += (bild.pixel(c, r) & 0xFFFFFF) == 0;
    EXPECT_GT(punkte, 30);
    if (const char* pfad = std::getenv("ZOL_GRAFIKBILD")) {
        Haupt->PageControl1->setCurrentIndex(SeiteGraph);
        Haupt->resize(Haupt->sizeHint());
        Haupt->show();
        QApplication::processEvents();
        Haupt->grab().save(QString::fromUtf8(pfad));
    }
}

TEST_F(GrafikTest, AbgelehnteEingabenLassenDieKarteWieSieIst) {
    struct TFall {
        QLineEdit* TKarteForm::*Feld;
        const char* Text;
        const char* Meldung;
    };
    const TFall faelle[] = {
        {&TKarteForm::EXEdit, "0", "Maßstab darf nicht 0 sein!"},
        {&TKarteForm::EYEdit, "0,0", "Maßstab darf nicht 0 sein!"},
        {&TKarteForm::EYEdit, "-1", "Maßstab muss positiv sein!"},
        {&TKarteForm::AEdit, "10", "Von-Wert muss kleiner als Bis-Wert sein!"},
        {&TKarteForm::DEdit, "-8", "Von-Wert muss kleiner als Bis-Wert sein!"},
        {&TKarteForm::PAEdit, "abc", "Numerische Eingabe erwartet."},
        {&TKarteForm::BEdit, "", "Numerische Eingabe erwartet."},
        {&TKarteForm::EXEdit, "inf", "Numerische Eingabe erwartet."},
        {&TKarteForm::CEdit, "1e99999", "Numerische Eingabe erwartet."},
        {&TKarteForm::DEdit, "1,2,3", "Numerische Eingabe erwartet."},
    };
    for (const TFall& fall : faelle) {
        for (QPushButton* TKarteForm::*knopf :
             {&TKarteForm::OKButton, &TKarteForm::BereichButton, &TKarteForm::MassstabButton}) {
            Karte->show();
            (Karte.get()->*fall.Feld)->setText(Q(fall.Text));
            const QString a = Karte->AEdit->text(), ex = Karte->EXEdit->text();
            Oberflaeche.Host.Meldungen.clear();
            (Karte.get()->*knopf)->click();
            EXPECT_EQ(Meldungen(), std::vector<std::string>{fall.Meldung}) << fall.Text;
            EXPECT_TRUE(Karte->isVisible()) << fall.Text;
            EXPECT_EQ(Karte->AEdit->text(), a);
            EXPECT_EQ(Karte->EXEdit->text(), ex);
            EXPECT_EQ(KartenDaten.XVon, -10);
            EXPECT_EQ(KartenDaten.EinheitX, 1);
            EXPECT_EQ(KartenDaten.EinheitY, 1);
            EXPECT_EQ(KartenDaten.YBis, 10);
            Karte->AbbrechenButton->click();
        }
    }
}

TEST_F(GrafikTest, KarteNimmtKommaUndPunktUndZeichnetNeu) {
    Waehle({SchrittGraph});
    Start("x^2");
    Karte->show();
    EXPECT_EQ(Karte->PAEdit->text(), Q("1,500"));
    EXPECT_EQ(Karte->CEdit->text(), Q("-7,000"));
    // The start values are too high for the image.
    Karte->OKButton->click();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Grafik zu groß. Bereich oder Maßstab anpassen!"});
    EXPECT_TRUE(Karte->isVisible());

    Oberflaeche.Host.Meldungen.clear();
    Karte->BereichButton->click();
    EXPECT_EQ(KartenDaten.YVon, -7);
    Karte->PAEdit->setText(Q(" 1.25"));
    Karte->EXEdit->setText(Q("0,5"));
    Karte->MassstabButton->click();
    EXPECT_TRUE(Meldungen().empty());
    Karte->OKButton->click();
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_FALSE(Karte->isVisible());
    EXPECT_EQ(KartenDaten.RandLinks, 1.25L);
    EXPECT_TRUE(PasstInBild(KartenDaten, GraphbildBreite, GraphbildHoehe, 96));
    EXPECT_FALSE(PasstInBild(KartenDaten, GraphbildBreite - 5, GraphbildHoehe - 5, 96));
    EXPECT_GT(SchwarzeImGraph(), 500);
}

TEST_F(GrafikTest, DirekthilfeZeigtDasThemaDesFelds) {
    const struct {
        QLineEdit* TKarteForm::*Feld;
        int Kontext;
        const char* Titel;
    } faelle[] = {{&TKarteForm::BEdit, 1009, "Ausschnitt aus der xy-Ebene"},
                  {&TKarteForm::PDEdit, 1010, "Ränder"},
                  {&TKarteForm::EYEdit, 1011, "Einheiten"}};
    Karte->show();
    for (const auto& fall : faelle) {
        QLineEdit* feld = Karte.get()->*fall.Feld;
        QContextMenuEvent rechtsklick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                      feld->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(feld, &rechtsklick);
        EXPECT_EQ(Karte->Hilfekontext, fall.Kontext);
        EXPECT_TRUE(Karte->KartePopUp->isVisible());
        Karte->KartePopUp->close();
        Karte->Direkthilfe1->trigger();
        ASSERT_TRUE(Karte->Hilfefenster);
        EXPECT_TRUE(Karte->Hilfefenster->isVisible());
        const QString text = Karte->Hilfefenster->findChild<QLabel*>()->text();
        EXPECT_TRUE(text.contains(Q(fall.Titel))) << fall.Kontext;
        EXPECT_FALSE(text.contains(Q("<a name"))) << fall.Kontext;
        Karte->Hilfefenster->close();
    }
    Karte->AbbrechenButton->click();
}

TEST_F(GrafikTest, EinstellungenNurMitGueltigemZoom) {
    Grafik->show();
    for (const char* z : {"0", "100", "-5", "150"}) {
        Oberflaeche.Host.Meldungen.clear();
        Grafik->ZoomEdit->setText(Q(z));
        Grafik->OKBtn->click();
        EXPECT_EQ(Meldungen(), std::vector<std::string>{"Zoom-Faktor muss zwischen 0 und 100 liegen."}) << z;
        EXPECT_TRUE(Grafik->isVisible());
    }
    Oberflaeche.Host.Meldungen.clear();
    Grafik->ZoomEdit->setText(Q("12,5"));
    Grafik->DeltaXEdit->setText(Q("x"));
    Grafik->OKBtn->click();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Numerische Eingabe erwartet."});
    EXPECT_EQ(Zoom, 10);

    Grafik->DeltaXEdit->setText(Q("2.5"));
    Grafik->GitterCB->setChecked(false);
    Grafik->MusterGruppe->button(1)->click();
    EXPECT_EQ(Fuellmuster, 1);
    Grafik->OKBtn->click();
    EXPECT_FALSE(Grafik->isVisible());
    EXPECT_EQ(Zoom, 12.5L);
    EXPECT_EQ(DeltaX, 2.5L);
    EXPECT_FALSE(Gitter);
}

TEST_F(GrafikTest, VerschiebenUndZoomen) {
    Waehle({SchrittGraph});
    Start("x^3-3x");
    const TKartenDaten vorher = KartenDaten;
    DeltaX = 2;
    Haupt->RechtsBtn->click();
    EXPECT_EQ(KartenDaten.XVon, vorher.XVon + 2);
    EXPECT_EQ(KartenDaten.XBis, vorher.XBis + 2);
    Haupt->LinksBtn->click();
    Haupt->ObenBtn->click();
    EXPECT_EQ(KartenDaten.YBis, vorher.YBis + 1);
    Haupt->UntenBtn->click();
    EXPECT_EQ(KartenDaten.EinheitX, vorher.EinheitX);
    EXPECT_EQ(KartenDaten.XVon, vorher.XVon);

    Haupt->ZoomInBtn->click();
    EXPECT_NEAR(KartenDaten.EinheitX, 1.1, 1e-15);
    EXPECT_NEAR((KartenDaten.XVon + KartenDaten.XBis) / 2, 0, 1e-12);
    EXPECT_NEAR((KartenDaten.YVon + KartenDaten.YBis) / 2, 1.5, 1e-12);
    EXPECT_TRUE(PasstInBild(KartenDaten, GraphbildBreite, GraphbildHoehe, 96));

    Zoom = 50;
    for (int i = 0; i < 200; ++i) Haupt->ZoomOutBtn->click();
    EXPECT_GT(KartenDaten.EinheitX, 0);
    EXPECT_GT(SchwarzeImGraph(), 0);
    for (int i = 0; i < 400; ++i) Haupt->ZoomInBtn->click();
    EXPECT_TRUE(std::isfinite(KartenDaten.EinheitY));
    EXPECT_GT(SchwarzeImGraph(), 0);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GrafikTest, DruckenNimmtDiePunkteUndWinkelDesBildschirms) {
    Waehle({SchrittNullstellen, SchrittExtremstellen, SchrittWendestellen, SchrittGraph});
    Start("x^3-3x");
    ASSERT_EQ(Grafikpunkte.Anzahl, 6);
    // An angle that no search on the printer would keep.
    Grafikpunkte.Punkte[4].Winkel = 2.0;
    const TGrafikpunktliste vorher = Grafikpunkte;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString((Ordner.Pfad() / "graph.pdf").string()));
    ASSERT_TRUE(Haupt->Drucke(drucker));
    ASSERT_EQ(Grafikpunkte.Anzahl, 6);
    for (Int32 i = 1; i <= 6; ++i) {
        EXPECT_EQ(Grafikpunkte.Punkte[size_t(i)].Name, vorher.Punkte[size_t(i)].Name);
        EXPECT_EQ(Grafikpunkte.Punkte[size_t(i)].Winkel, vorher.Punkte[size_t(i)].Winkel);
    }
    EXPECT_TRUE(Meldungen().empty());
}

} // namespace
} // namespace zol
