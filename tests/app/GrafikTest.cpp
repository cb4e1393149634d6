// The graph: curves, areas and axes on a test canvas; the graph step; the range and settings windows, pan
// and zoom, and printing on the real windows (offscreen).
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/Abbruch.h"
#include "app/Grafik.h"
#include "app/GrafikFm.h"
#include "app/HauptFm.h"
#include "app/Karten.h"
#include "app/Schritte.h"
#include "output/Weltzeichnung.h"
#include "steps/Allgemeines.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
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

// f(x), with d whether it has a value.
Extended W(TTerm* f, Extended x, bool& d) {
    const Extended y = f->Wert(x, d);
    d = d && std::isfinite(y);
    return y;
}

constexpr Extended Px = 2.54L / 96; // one pixel in units at 1 cm per unit

// The messages shown since the last call, as "W: text" (warning) or "I: text" (information).
std::vector<std::string> Gezeigt(TTestOberflaeche& host) {
    std::vector<std::string> m;
    for (const auto& x : host.Meldungen)
        m.push_back((x.Art == TMeldungsart::Warnung ? "W: " : "I: ") + x.Text);
    host.Meldungen.clear();
    return m;
}

class GraphTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Schrittflags.fill(false);
        Gitter = true;
        SeitenY = 0;
        Schriftgroesse = 10;
        DruckModus = false;
        SetzeZeilenliste(&Seite);
    }
    void TearDown() override {
        SetzeZeilenliste(nullptr);
        Gitter = true;
        ZolTest::TearDown();
    }
    TTestLeinwandAktiv Bild{GraphbildBreite, GraphbildHoehe};
    TTestLeinwand& L = Bild.Leinwand;
    TZeilenliste Seite;

    std::vector<TPunkt> Tinte() {
        std::vector<TPunkt> p;
        for (Int32 r = 0; r < GraphbildHoehe; ++r)
            for (Int32 c = 0; c < GraphbildBreite; ++c)
                if (L.Pixel(c, r) == Schwarz) p.push_back({c, r});
        return p;
    }
    void Leere() {
        L.FuelleRechteck({0, 0, GraphbildBreite, GraphbildHoehe}, Weiss);
        L.Aufrufe.clear();
    }
    bool Geschrieben(const std::string& s) const {
        const auto t = L.AufrufeDerArt(TAufrufart::Text);
        return std::any_of(t.begin(), t.end(), [&](const auto& a) { return a.Text == s; });
    }
};

TEST_F(GraphTest, KurvenpunkteLiegenAufDerKurveUndEinPolVerbindetNichts) {
    for (const char* text : {"x^3-3x", "1/x", "x^(1/2)*3"}) {
        Leere();
        TTerm* f = TermAusString(text);
        ZeichneKurve(f);
        const auto tinte = Tinte();
        ASSERT_GT(tinte.size(), 200u) << text;
        for (const TPunkt& p : tinte) {
            // Some x of the pixel's width lies on the curve within one row.
            Extended abstand = 1e9;
            for (int i = 0; i <= 40; ++i) {
                bool d = false;
                const Extended y = W(f, XWelt(p.x) + (XWelt(p.x + 1) - XWelt(p.x)) * i / 40, d);
                if (d) abstand = std::min(abstand, std::fabs(YWelt(p.y) - y));
            }
            ASSERT_LT(abstand, 1.5 * Px) << text << " bei " << p.x << "," << p.y;
            // No pixel in the pole's column or its neighbours joins the branches.
            if (text[0] == '1') {
                ASSERT_GT(std::fabs(XWelt(p.x) + Px / 2), 1.5 * Px) << p.x;
            }
        }
        EXPECT_EQ(L.Pixel(LetzterKurvenpunkt.x, LetzterKurvenpunkt.y), Schwarz);
    }
}

class MusterTest : public GraphTest, public ::testing::WithParamInterface<int> {};

TEST_P(MusterTest, SchraffurLiegtNurZwischenFUndG) {
    // x^(1/2) has no value left of 0, where its value would count as 0, above g.
    for (const auto& [ft, gt] : {std::pair{"x^3-3x", "x/2"}, {"x^(1/2)", "-1-x/4"}}) {
        Leere();
        TTerm* f = TermAusString(ft);
        TTerm* g = TermAusString(gt);
        SchraffiereFlaeche(GetParam(), f, g, -1.8, 2.5, -7, 10);
        const auto tinte = Tinte();
        EXPECT_GT(tinte.size(), 100u) << ft;
        // A dot reaches one pixel beyond its test point.
        for (const TPunkt& p : tinte) {
            const Extended x = XWelt(p.x), y = YWelt(p.y);
            ASSERT_TRUE(x > -1.8 - 2 * Px && x < 2.5 + 2 * Px) << ft << " " << p.x;
            bool d1 = false, d2 = false;
            Extended unten = 1e9, oben = -1e9;
            for (Extended dx : {-2 * Px, 0.0L, 2 * Px}) {
                const Extended a = W(f, x + dx, d1), b = W(g, x + dx, d2);
                if (d1 && d2) unten = std::min({unten, a, b}), oben = std::max({oben, a, b});
            }
            ASSERT_TRUE(y > unten - 2 * Px && y < oben + 2 * Px) << ft << " bei " << p.x << "," << p.y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SechsMuster, MusterTest, ::testing::Range(2, 8));

TEST_F(GraphTest, TeilungNachDerEinheit) {
    // Unit in cm, tick step in units; 0 has no label.
    for (const auto& [einheit, abstand] :
         {std::pair{1.0L, 1.0L}, {0.2L, 5.0L}, {5.0L, 0.2L}, {0.03L, 20.0L}}) {
        Leere();
        KartenDaten = TKartenDaten{};
        KartenDaten.EinheitX = einheit;
        PasseAusschnittAn(KartenDaten, GraphbildBreite, GraphbildHoehe, 96);
        const TKartenDaten& K = KartenDaten;
        ZeichneKoordinatensystem(K.XVon, 0, K.XBis, K.YVon, 0, K.YBis);
        std::vector<Extended> z;
        for (const auto& a : L.AufrufeDerArt(TAufrufart::Text)) {
            std::string s = a.Text;
            std::replace(s.begin(), s.end(), ',', '.');
            if (a.Stift.y == YPixel(0) + 3) z.push_back(std::strtold(s.c_str(), nullptr));
        }
        ASSERT_GE(z.size(), 4u) << einheit;
        for (size_t i = 1; i < z.size(); ++i)
            EXPECT_NEAR(z[i] - z[i - 1], (z[i - 1] < 0 && z[i] > 0 ? 2 : 1) * abstand, 1e-9) << einheit;
        EXPECT_EQ(L.Pixel(XPixel(2 * abstand), YPixel(2)), Schwarz) << einheit; // a grid dot
    }
    // No step for these units, and so no labels and no grid; the names stay.
    for (Extended e : {0.0L, -1.0L, 1e-300L, 1e300L, Extended(NAN)}) {
        Leere();
        KartenDaten.EinheitX = KartenDaten.EinheitY = e;
        ZeichneKoordinatensystem(-10, 0, 10, -7, 0, 10);
        EXPECT_EQ(L.GeschriebenerText(), "xy") << e;
    }
    Leere();
    KartenDaten = TKartenDaten{};
    Gitter = false;
    ZeichneKoordinatensystem(-10, 0, 10, -7, 0, 10);
    EXPECT_TRUE(Tinte().empty());
}

TEST_F(GraphTest, DerGraphSchrittMitKurvenPunktenUndMeldungen) {
    FTerm = TermAusString("x^2-4");
    MerkePunkt("A", 10, 0); // on the bound
    MerkePunkt("B", 11, 0); // outside
    DoGraph();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Graph : f(x) = x2-4"}));
    EXPECT_TRUE(Geschrieben("G") && Geschrieben("f") && Geschrieben("A") && !Geschrieben("B"));
    EXPECT_TRUE(Gezeigt(Oberflaeche.Host).empty());

    // g lies above the window: no pixel, no name; the sixteenth point gives the box.
    Seite.Zeilen.clear();
    L.Aufrufe.clear();
    Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = "20";
    for (int i = 3; i <= 16; ++i) MerkePunkt("P", i / 10.0, 0);
    DoGraph();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Graphen : f(x) = x2-4;  g(x) = 20"}));
    EXPECT_FALSE(Geschrieben("g"));
    EXPECT_EQ(
        Gezeigt(Oberflaeche.Host),
        std::vector<std::string>{"I: Punkt-Liste ist voll. Nicht alle Punkte konnten gezeichnet werden."});

    Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = "x+";
    EXPECT_NO_THROW(DoGraph());
    const auto fehler = Gezeigt(Oberflaeche.Host);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0].rfind("W: Fehler bei DoGraph:\n\r", 0), 0u);
}

// A function with a parameter has no numbers as values: the page says in a sentence, naming its parameters,
// why its curve is missing, and no pixel of it is drawn, or only where a case of it holds no parameter; a
// function without one beside it is drawn as before.
TEST_F(GraphTest, EinParameterLaesstDieKurveMitSatzAus) {
    const std::string ohneA = "enthält den Parameter a und hat daher keine Zahlen als Werte.";
    const struct {
        const char *F, *G;
        std::vector<std::string> Saetze;
        std::vector<Extended> MitTinte, OhneTinte; // x where f's curve has ink, where it has none
    } faelle[] = {
        {"x^2-2*a*x", "", {"Der Graph von f wird nicht gezeichnet: f " + ohneA}, {}, {-1.3L, 1.3L}},
        {"x^2-2*a*x", "x+1", {"Der Graph von f wird nicht gezeichnet: f " + ohneA}, {}, {1.3L}},
        {"x-1",
         "k*x^2+b",
         {"Der Graph von g wird nicht gezeichnet: g enthält die Parameter k und b und hat daher keine Zahlen "
          "als Werte."},
         {1.3L},
         {}},
        {"a/x",
         "a",
         {"Der Graph von f wird nicht gezeichnet: f " + ohneA,
          "Der Graph von g wird nicht gezeichnet: g " + ohneA},
         {},
         {1.3L}},
        {"x^2;a*x",
         "",
         {"Der Graph von f wird nur dort gezeichnet, wo f Zahlen als Werte hat: f enthält den Parameter a."},
         {-1.3L},
         {1.3L}},
        {"x^2-2*x", "x+1", {}, {-1.3L, 1.3L}, {}},
    };
    // Ink on the curve of T at x (off the axes and the grid dots; a steep curve's column spans some rows).
    auto tinte = [&](TTerm* T, Extended x) {
        bool d = false;
        const Extended y = W(T, x, d);
        int n = 0;
        if (d)
            for (Int32 r = YPixel(y) - 6; r <= YPixel(y) + 6; ++r) n += L.Pixel(XPixel(x), r) == Schwarz;
        return n > 0;
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::string(fall.F) + " ; " + fall.G);
        Leere();
        Seite.Zeilen.clear();
        SeitenY = 0;
        FTerm = TermAusString(fall.F);
        Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = fall.G;
        DoGraph();
        EXPECT_TRUE(Gezeigt(Oberflaeche.Host).empty());
        const std::vector<std::string> zeilen = Seitentext();
        ASSERT_EQ(zeilen.size(), fall.Saetze.size() + 1);
        EXPECT_EQ(std::vector<std::string>(zeilen.begin() + 1, zeilen.end()), fall.Saetze);
        // A curve that is drawn somewhere is named.
        EXPECT_EQ(Geschrieben("f"), !fall.MitTinte.empty());
        for (Extended x : fall.MitTinte) EXPECT_TRUE(tinte(FTerm, x)) << x;
        TTerm* g = *fall.G ? TermAusString(fall.G) : nullptr;
        const bool gGezeichnet = g && !EnthaeltParameter(g);
        EXPECT_EQ(Geschrieben("g"), gGezeichnet);
        if (g) {
            EXPECT_EQ(tinte(g, 1.3L), gGezeichnet);
        }
        // No ink in the column of x but the x-axis and g's curve.
        for (Extended x : fall.OhneTinte) {
            const Int32 c = XPixel(x);
            bool d = false;
            const Int32 rg = gGezeichnet ? YPixel(W(g, x, d)) : -100;
            for (Int32 r = 0; r < GraphbildHoehe; ++r) {
                if (r != YPixel(0) && std::abs(r - rg) > 2) {
                    EXPECT_NE(L.Pixel(c, r), Schwarz) << x << " " << r;
                }
            }
        }
    }
}

// Everything the graph step draws but its texts stays in the coordinate window: the area's fill and its
// bound lines where the interval reaches beyond the window, the curves, the axes with ticks and arrow heads,
// the grid and the crosses of points on the window's edge. An axis outside the window is left out with its
// numbers and name. The fill leaves every text free.
TEST_F(GraphTest, AllesGezeichneteBleibtImKoordinatenfenster) {
    const struct {
        const char *F, *G;
        std::vector<const char*> Stellen; // the area's points, first and last its bounds
        TKartenDaten Karte;
        bool XAchse, YAchse;
    } faelle[] = {
        {"x^3-2x^2-x+2", "", {"-5", "-1", "1", "2", "5"}, {-3, 3, -3, 3}, true, true},
        {"x^3-3x", "x+2", {"-2", "2"}, {-10, 10, 1, 10}, false, true},
        {"x^3-3x", "x+2", {"-3", "3"}, {-2.5L, 2.5L, -1, 3}, true, true},
        {"x^2", "", {"-1", "3"}, {1.5L, 8, 2, 9, 1.5L, 1.5L, 0.5L, 0.5L}, false, false},
        {"x^2-10", "-x-2", {"-3", "2"}, {-4, 4, -9, -1}, false, true},
    };
    for (const auto& fall : faelle) {
        for (Int32 muster = 0; muster <= 5; ++muster) {
            SCOPED_TRACE(std::string(fall.F) + " " + fall.G + " Muster " + std::to_string(muster));
            TWechsel<Int32> fuellung(Fuellmuster, muster);
            auto zeichne = [&](bool flaeche) {
                Leere();
                Seite.Zeilen.clear();
                SeitenY = 0;
                KartenDaten = fall.Karte;
                Schrittflags[SchrittFlaeche] = flaeche;
                FTerm = TermAusString(fall.F);
                Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = fall.G;
                Flaechenstellen = NeueLeereListe();
                for (const char* x : fall.Stellen) Flaechenstellen->FuegeHinzu(TermAusString(x), 1);
                Grafikpunkte = TGrafikpunktliste{};
                MerkePunkt("P", static_cast<Double>(fall.Karte.XVon), static_cast<Double>(fall.Karte.YBis));
                MerkePunkt("Q", static_cast<Double>(fall.Karte.XBis), static_cast<Double>(fall.Karte.YVon));
                DoGraph();
                EXPECT_TRUE(Gezeigt(Oberflaeche.Host).empty());
            };
            zeichne(false);
            const std::vector<TPunkt> ohneFlaeche = Tinte();
            zeichne(true);
            const TRechteck f = Koordinatenfenster();
            ASSERT_LT(f.Links, f.Rechts);
            auto drinnen = [&](TPunkt p) {
                return p.x >= f.Links && p.x < f.Rechts && p.y >= f.Oben && p.y < f.Unten;
            };
            int striche = 0;
            // The heading is drawn before the first curve's pixels.
            const auto kurve = std::find_if(L.Aufrufe.begin(), L.Aufrufe.end(),
                                            [](const auto& a) { return a.Art == TAufrufart::Pixel; });
            for (const auto& a : std::vector<TZeichenaufruf>(kurve, L.Aufrufe.end())) {
                if (a.Art == TAufrufart::Text) continue;
                for (TPunkt p : a.Punkte) ASSERT_TRUE(drinnen(p)) << p.x << "," << p.y;
                striche += a.Art != TAufrufart::Pixel;
            }
            const std::vector<TPunkt> tinte = Tinte();
            EXPECT_GT(tinte.size(), ohneFlaeche.size() + 50);
            EXPECT_GE(striche, (fall.XAchse ? 3 : 0) + (fall.YAchse ? 3 : 0) + 4);
            // The names of the axes (the heading writes an x too, far above).
            const auto texte = L.AufrufeDerArt(TAufrufart::Text);
            auto name = [&](const char* n) {
                return std::any_of(texte.begin(), texte.end(),
                                   [&](const auto& a) { return a.Text == n && a.Stift.y > f.Oben - 20; });
            };
            EXPECT_EQ(name("x"), fall.XAchse);
            EXPECT_EQ(name("y"), fall.YAchse);
            // The fill sets no pixel in the cells of the texts: the axes' numbers and names, the names of the
            // curves and points (where the curves may pass).
            for (const auto& t : texte) {
                if (t.Stift.y < f.Oben - 20) continue;
                for (TPunkt p : tinte) {
                    if (p.x >= t.Stift.x && p.x < t.Stift.x + t.Mass.Breite && p.y >= t.Stift.y &&
                        p.y < t.Stift.y + t.Mass.Hoehe) {
                        ASSERT_TRUE(std::find(ohneFlaeche.begin(), ohneFlaeche.end(), p) != ohneFlaeche.end())
                            << t.Text << " " << p.x << "," << p.y;
                    }
                }
            }
        }
    }
}

// ---- the windows ----

class GrafikTest : public ZolTest {
protected:
    void SetUp() override {
        ZolTest::SetUp();
        Schrittflags.fill(false);
        Haupt = std::make_unique<THauptForm>();
        Schritte = std::make_unique<TSchritteForm>(Haupt.get(), Haupt.get());
        Karte = std::make_unique<TKarteForm>(Haupt.get());
        Grafik = std::make_unique<TGrafikForm>(Haupt.get());
        Abbruch = std::make_unique<TAbbruchForm>(Haupt.get());
        // The points of x^3-3x, marked as the steps mark them, and its zeros for the area.
        TSchrittfunktionen& s = Haupt->Schrittfunktionen;
        s.Allgemeines = [](const std::string& text) { FTerm = TermAusString(text); };
        s.Nullstellen = [](bool) {
            Nullstellenliste->Anzahl = 0;
            for (const char* x : {"-(3^(1/2))", "0", "3^(1/2)"}) {
                Nullstellenliste->FuegeHinzu(TermAusString(x), 1);
                bool d;
                const Int32 n = Nullstellenliste->Anzahl;
                MerkePunkt("N*i<" + std::to_string(n) + ">", W(Nullstellenliste->Stellen[n]->Punkt, 0, d), 0);
            }
        };
        s.Extremstellen = [] {
            MerkePunkt("H*i<1>", -1, 2);
            MerkePunkt("T*i<1>", 1, -2);
        };
        s.Wendestellen = [] { MerkePunkt("W*i<1>", 0, 0); };
        // The area step states the area between the zeros.
        s.Flaecheninhalt = [](TTerm*, TTerm*) { Flaechenstellen = Schnittstellenliste; };
    }
    void TearDown() override {
        Abbruch.reset();
        Grafik.reset();
        Karte.reset();
        Schritte.reset();
        Haupt.reset();
        Schrittflags.fill(false);
        DeltaX = DeltaY = 1;
        Zoom = 10;
        Gitter = true;
        Fuellmuster = 4;
        ZolTest::TearDown();
    }

    void Start(std::initializer_list<TSchritt> schritte, const char* f = "x^3-3x") {
        Schrittflags.fill(false);
        for (TSchritt s : schritte) Schrittflags[size_t(s)] = true;
        Schritte->SchrittlisteAufbauen();
        // As the step window's OK does: the graph sheet is shown (and with it its buttons enabled).
        Haupt->SetzeBlattSichtbar(TBlatt::Graph, true);
        Haupt->FTermEdit->setText(Q(f));
        Haupt->StartButtonClick();
        Haupt->Seitenbilder[SeiteGraph]->Zeige();
    }
    bool Schwarz(Int32 c, Int32 r) const {
        return (Haupt->Seitenbilder[SeiteGraph]->Bild.pixel(c, r) & 0xFFFFFF) == 0;
    }
    std::vector<std::string> Meldungen() { return Gezeigt(Oberflaeche.Host); }

    testhilfe::TTempOrdner Ordner;
    testhilfe::TIniUmgebung Umgebung{Ordner.Pfad() / "zol08.INI"};
    std::unique_ptr<THauptForm> Haupt;
    std::unique_ptr<TSchritteForm> Schritte;
    std::unique_ptr<TKarteForm> Karte;
    std::unique_ptr<TGrafikForm> Grafik;
    std::unique_ptr<TAbbruchForm> Abbruch;
};

TEST_F(GrafikTest, GraphMitPunktenUndFlaeche) {
    Start({SchrittNullstellen, SchrittExtremstellen, SchrittWendestellen, SchrittFlaeche, SchrittGraph});
    ASSERT_EQ(Grafikpunkte.Anzahl, 6);
    EXPECT_TRUE(Meldungen().empty());
    // Dots in the area between the first and the last zero.
    int punkte = 0;
    for (Int32 c = XPixel(-1.6); c < XPixel(-0.3); ++c)
        for (Int32 r = YPixel(0.5); r < YPixel(0.1); ++r) punkte += Schwarz(c, r);
    EXPECT_GT(punkte, 30);
}

// A heading taller than the top margin (a function by cases) lowers the drawing: every grid dot of the top
// row under it stands alone, with no ink of the heading within two pixels.
TEST_F(GrafikTest, HoheUeberschriftLiegtUeberDemGitter) {
    Start({SchrittGraph}, "x^2;2x");
    for (int i = -10; i <= -5; ++i) {
        const Int32 c = XPixel(i), r = YPixel(KartenDaten.YBis);
        int tinte = 0;
        for (int dc = -2; dc <= 2; ++dc)
            for (int dr = -2; dr <= 2; ++dr) tinte += Schwarz(c + dc, r + dr);
        EXPECT_EQ(tinte, 1) << i;
    }
}

// The line that says why a curve with a parameter is missing lowers the drawing, with a tall heading above it
// (a function by cases): both stay clear of the top row of grid dots.
TEST_F(GrafikTest, SatzZumParameterLiegtUeberDemGitter) {
    Start({SchrittGraph}, "x^2;a*x");
    ASSERT_EQ(Haupt->Seitenlisten[SeiteGraph]->Zeilen.size(), 2u);
    for (int i = -10; i <= 10; ++i) {
        if (i == 0) continue; // the y-axis' arrow
        const Int32 c = XPixel(i), r = YPixel(KartenDaten.YBis);
        int tinte = 0;
        for (int dc = -2; dc <= 2; ++dc)
            for (int dr = -2; dr <= 2; ++dr) tinte += Schwarz(c + dc, r + dr);
        EXPECT_EQ(tinte, 1) << i;
    }
}

TEST_F(GrafikTest, AbgelehnteEingabenLassenDieKarteWieSieIst) {
    const struct {
        QLineEdit* TKarteForm::*Feld;
        const char* Text;
        const char* Meldung;
    } faelle[] = {
        {&TKarteForm::EXEdit, "0", "I: Maßstab darf nicht 0 sein!"},
        {&TKarteForm::EYEdit, "-1", "I: Maßstab muss positiv sein!"},
        {&TKarteForm::AEdit, "10", "I: Von-Wert muss kleiner als Bis-Wert sein!"},
        {&TKarteForm::PAEdit, "abc", "W: Numerische Eingabe erwartet."},
        {&TKarteForm::EXEdit, "inf", "W: Numerische Eingabe erwartet."},
    };
    for (const auto& fall : faelle) {
        for (QPushButton* k : {Karte->OKButton, Karte->BereichButton, Karte->MassstabButton}) {
            Karte->show();
            (Karte.get()->*fall.Feld)->setText(Q(fall.Text));
            const QString a = Karte->AEdit->text(), ex = Karte->EXEdit->text();
            k->click();
            EXPECT_EQ(Meldungen(), std::vector<std::string>{fall.Meldung}) << fall.Text;
            EXPECT_TRUE(Karte->isVisible());
            EXPECT_TRUE(Karte->AEdit->text() == a && Karte->EXEdit->text() == ex) << fall.Text;
            const TKartenDaten& K = KartenDaten;
            EXPECT_TRUE(K.XVon == -10 && K.YBis == 10 && K.EinheitX == 1 && K.EinheitY == 1) << fall.Text;
            Karte->AbbrechenButton->click();
        }
    }
}

TEST_F(GrafikTest, KarteNimmtKommaUndPunktUndZeichnetNeu) {
    Start({SchrittGraph});
    Karte->show();
    EXPECT_EQ(Karte->CEdit->text(), Q("-7,000"));
    // The start values fit the image: the graph is drawn down to the lower end of the y-axis.
    Karte->OKButton->click();
    EXPECT_TRUE(Meldungen().empty() && !Karte->isVisible());
    EXPECT_TRUE(Schwarz(XPixel(0), YPixel(-7)));
    Karte->show();
    Karte->EYEdit->setText(Q("1,1"));
    Karte->OKButton->click();
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"I: Grafik zu groß. Bereich oder Maßstab anpassen!"});
    Karte->BereichButton->click();
    EXPECT_EQ(KartenDaten.YVon, -7);
    Karte->PAEdit->setText(Q(" 1.25"));
    Karte->EXEdit->setText(Q("0,5"));
    Karte->MassstabButton->click();
    Karte->OKButton->click();
    EXPECT_TRUE(Meldungen().empty());
    EXPECT_FALSE(Karte->isVisible());
    EXPECT_EQ(KartenDaten.RandLinks, 1.25L);
    // The range and scale fill the image.
    EXPECT_TRUE(PasstInBild(KartenDaten, GraphbildBreite, GraphbildHoehe, 96));
    EXPECT_FALSE(PasstInBild(KartenDaten, GraphbildBreite - 5, GraphbildHoehe - 5, 96));
}

TEST_F(GrafikTest, EinstellungenVerschiebenUndZoomen) {
    Start({SchrittGraph});
    Grafik->show();
    for (const char* z : {"0", "100", "-5", "x"}) {
        Grafik->ZoomEdit->setText(Q(z));
        Grafik->OKBtn->click();
        EXPECT_EQ(Meldungen().size(), 1u) << z;
    }
    Grafik->ZoomEdit->setText(Q("50"));
    Grafik->DeltaXEdit->setText(Q("2,5"));
    Grafik->GitterCB->setChecked(false);
    Grafik->MusterGruppe->button(1)->click();
    EXPECT_EQ(Fuellmuster, 1);
    // The grid point (-5|5) is gone as soon as OK is pressed.
    EXPECT_TRUE(Schwarz(XPixel(-5), YPixel(5)));
    Grafik->OKBtn->click();
    EXPECT_TRUE(!Grafik->isVisible() && Zoom == 50 && DeltaX == 2.5L && !Gitter);
    EXPECT_FALSE(Schwarz(XPixel(-5), YPixel(5)));

    const TKartenDaten vorher = KartenDaten;
    Haupt->RechtsBtn->click();
    EXPECT_TRUE(KartenDaten.XVon == vorher.XVon + 2.5L && KartenDaten.XBis == vorher.XBis + 2.5L);
    Haupt->ObenBtn->click();
    EXPECT_EQ(KartenDaten.YBis, vorher.YBis + 1);
    Haupt->LinksBtn->click();
    Haupt->UntenBtn->click();
    EXPECT_TRUE(KartenDaten.XVon == vorher.XVon && KartenDaten.EinheitX == 1 && KartenDaten.EinheitY == 1);
    Haupt->ZoomInBtn->click();
    EXPECT_NEAR(KartenDaten.EinheitX, 1.5, 1e-15);
    EXPECT_NEAR((KartenDaten.YVon + KartenDaten.YBis) / 2, 1.5, 1e-12);
    EXPECT_TRUE(PasstInBild(KartenDaten, GraphbildBreite, GraphbildHoehe, 96));
    // Far out and far in: every redraw ends.
    for (int i = 0; i < 200; ++i) Haupt->ZoomOutBtn->click();
    EXPECT_GT(KartenDaten.EinheitX, 0);
    for (int i = 0; i < 400; ++i) Haupt->ZoomInBtn->click();
    EXPECT_TRUE(std::isfinite(KartenDaten.EinheitY) && Meldungen().empty());
    // An abort left over from an earlier request does not end a redraw (parsing g takes over 64 steps of
    // work, and so polls).
    BenutzerAbbruch = true;
    Oberflaeche.Host.UhrTakt = 50;
    std::string g = "0";
    for (int i = 1; i <= 40; ++i) g += "+" + std::to_string(i) + "x^" + std::to_string(i);
    Oberflaeche.Host.Eingaben[TEingabefeld::GTerm] = g;
    Haupt->RechtsBtn->click();
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(GrafikTest, DruckenNimmtDiePunkteUndWinkelDesBildschirms) {
    Start({SchrittNullstellen, SchrittExtremstellen, SchrittWendestellen, SchrittGraph});
    ASSERT_EQ(Grafikpunkte.Anzahl, 6);
    // An angle that a search on the printer (which reads only white) would not keep.
    Grafikpunkte.Punkte[4].Winkel = 2.0;
    const TGrafikpunktliste vorher = Grafikpunkte;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString((Ordner.Pfad() / "graph.pdf").string()));
    ASSERT_TRUE(Haupt->Drucke(drucker));
    ASSERT_EQ(Grafikpunkte.Anzahl, 6);
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(Grafikpunkte.Punkte[i].Winkel, vorher.Punkte[i].Winkel);
    EXPECT_TRUE(Meldungen().empty());
}

// The boxes of the words on the printed pages of a PDF file (pdftotext -bbox), page by page.
struct TWort {
    double Links, Oben, Rechts, Unten;
    std::string Text;
};
std::vector<std::vector<TWort>> WoerterJeSeite(const QString& pdf) {
    QProcess p;
    p.start(Q("pdftotext"), {Q("-bbox"), pdf, Q("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    std::vector<std::vector<TWort>> seiten;
    static const QRegularExpression marke(
        Q(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    for (auto it = marke.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(Q("<page"))) {
            seiten.emplace_back();
        } else if (!seiten.empty()) {
            seiten.back().push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                                     m.captured(3).toDouble(), m.captured(4).toDouble(),
                                     m.captured(5).toStdString()});
        }
    }
    return seiten;
}

// On paper the names of the points stand clear of the axes' numbers and of each other: no two words of the
// graph's page overlap, whether the graph is printed at the screen's scale or smaller (where the numbers lie
// closer to the points than on the screen).
TEST_F(GrafikTest, GedruckteNamenUeberdeckenKeineZahlen) {
    for (const TKartenDaten& karte : {TKartenDaten{}, TKartenDaten{-3, 3, -3, 3}}) {
        KartenDaten = karte;
        Start({SchrittNullstellen, SchrittExtremstellen, SchrittWendestellen, SchrittGraph});
        ASSERT_EQ(Grafikpunkte.Anzahl, 6);
        const QString pdf = QString::fromStdString((Ordner.Pfad() / "namen.pdf").string());
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(Haupt->Drucke(drucker));
        const auto seiten = WoerterJeSeite(pdf);
        const auto graph = std::find_if(seiten.begin(), seiten.end(), [](const auto& w) {
            return std::any_of(w.begin(), w.end(), [](const TWort& x) { return x.Text == "Graph"; });
        });
        ASSERT_NE(graph, seiten.end());
        const std::vector<TWort>& w = *graph;
        for (const char* name : {"N", "H", "T", "W", "-1", "2"})
            EXPECT_TRUE(std::any_of(w.begin(), w.end(), [&](const TWort& x) { return x.Text == name; }))
                << name;
        for (size_t i = 0; i < w.size(); ++i)
            for (size_t j = i + 1; j < w.size(); ++j) {
                const double breite = std::min(w[i].Rechts, w[j].Rechts) - std::max(w[i].Links, w[j].Links);
                const double hoehe = std::min(w[i].Unten, w[j].Unten) - std::max(w[i].Oben, w[j].Oben);
                EXPECT_FALSE(breite > 0 && hoehe > 0)
                    << karte.XVon << ": " << w[i].Text << " auf " << w[j].Text << " bei " << w[i].Links << ","
                    << w[i].Oben;
            }
    }
}

} // namespace
} // namespace zol
