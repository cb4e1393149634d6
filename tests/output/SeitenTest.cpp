// Output pages: the target made current, the line pitch, the screen cut-off and the printer's page breaks;
// the ruled value table; the named point of a curve.
#include <cmath>

#include "output/Grafikdaten.h"
#include "output/Seiten.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "tests/output/SatzTestBasis.h"

namespace zol {
namespace {

// A test canvas with pages: NeueSeite counts them.
class TDruckLeinwand : public TTestLeinwand {
public:
    using TTestLeinwand::TTestLeinwand;
    Int32 Seite = 1;
    bool NeueSeite() override {
        ++Seite;
        return true;
    }
};

struct TGezeichnet {
    TPunkt Stift;
    Int32 Seite;
};

// A line of a given height that records where the pen stood when it was drawn, and on which page.
class TMesszeile : public TFolie {
public:
    TMesszeile(Int32 oben, Int32 unten, std::vector<TGezeichnet>& log) : TFolie(10), Log(log) {
        Box->Oben = oben;
        Box->Unten = unten;
        Box->Breite = 5;
    }

protected:
    void ZeichneHier() override {
        auto* d = dynamic_cast<TDruckLeinwand*>(&Leinwand());
        Log.push_back({Leinwand().Stift(), d ? d->Seite : 0});
    }

private:
    std::vector<TGezeichnet>& Log;
};

class SeitenTest : public SatzTest {
protected:
    void TearDown() override {
        // A test may have left a canvas of its own current.
        SetzeLeinwand(&L);
        DruckModus = false;
        Druckerleinwand = nullptr;
        SeitenY = 0;
        Seitenhoehe = 665;
        SatzTest::TearDown();
    }

    std::vector<TGezeichnet> Log;

    // Lines with the given heights; 2/3 of each lies above the baseline.
    void Zeilen(const std::vector<Int32>& hoehen) {
        for (Int32 h : hoehen) Zeilenliste->FuegeAn(std::make_unique<TMesszeile>(h - h / 3, h / 3, Log));
    }
    // The bottom of each drawn line's box (all of height h): the pen's y plus the part below the baseline.
    std::vector<Int32> Unterkanten(Int32 h) {
        std::vector<Int32> y;
        for (const auto& g : Log) y.push_back(g.Stift.y + h / 3);
        return y;
    }
};

// A page image becomes the target with the current font, its size and a white surface; printing, the
// printer's canvas does, and the graph starts a new sheet when it does not fit on the rest of this one: at 96
// pixels per inch it is 1.5 + (10 + 7) * 1 + 0.5 (the labels below) = 19 cm, 718.1 pixels high, on a page
// 800 high.
TEST_F(SeitenTest, SeiteWirdZielUndGraphBrichtUm) {
    const TSchrift schrift{"Arial", 14, Fett, Schwarz};
    L.SetzeSchrift(schrift);
    TTestLeinwand bild(977, 665);
    bild.SetzePixel(5, 5, Schwarz);
    AktiviereSeite(&bild, false);
    EXPECT_TRUE(&Leinwand() == &bild && bild.Schrift() == schrift && bild.Pixel(5, 5) == Weiss);
    EXPECT_TRUE(Seitenbreite == 977 && Seitenhoehe == 665);
    for (auto [seitenY, graph, neu] : {std::tuple{81, true, false}, {82, true, true}, {700, false, false}}) {
        TDruckLeinwand drucker(600, 800);
        Druckerleinwand = &drucker;
        DruckModus = true;
        Seitenhoehe = 800;
        SeitenY = seitenY;
        AktiviereSeite(&bild, graph);
        EXPECT_TRUE(&Leinwand() == &drucker && drucker.Schrift() == schrift);
        EXPECT_TRUE(drucker.Seite == (neu ? 2 : 1) && SeitenY == (neu ? 5 : seitenY)) << seitenY;
        SetzeLeinwand(&L);
    }
}

// Scrolled to its end, a screen page draws its last line and is as full as it can be: drawn from the last
// start, the page shows the last line, and drawn from one line earlier it does not; a list that fits stays at
// 0, and a last line higher than the page is where it stops.
TEST_F(SeitenTest, LetzterSeitenanfangZeigtDieLetzteZeile) {
    const struct {
        std::vector<Int32> Hoehen;
        Int32 Seite;
    } faelle[] = {
        {std::vector<Int32>(60, 10), 665},
        {std::vector<Int32>(33, 10), 665},
        {std::vector<Int32>(32, 10), 665},
        {{12, 30, 19, 20, 0, 300, 8, 50, 0, 0, 0, 0}, 200},
        {{40, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 100},
        {{10, 10, 900}, 665},
        {{}, 665},
        {{5}, 665},
        {{100, 100, 100, 100, 100, 100, 0}, 430},
    };
    for (const auto& f : faelle) {
        InitialisiereAusgabe();
        TTestLeinwand bild(977, f.Seite);
        AktiviereSeite(&bild, false);
        Log.clear();
        Zeilen(f.Hoehen);
        const Int32 anzahl = Int32(f.Hoehen.size());
        const Int32 ende = LetzterSeitenanfang(*Zeilenliste, f.Seite);
        // The lines drawn from a start: does the page show the last line?
        auto zeigtLetzte = [&](Int32 ab) {
            Log.clear();
            ZeichneSeite(ab);
            return ab + Int32(Log.size()) == anzahl;
        };
        const std::string fall = std::to_string(anzahl) + " Zeilen auf " + std::to_string(f.Seite);
        EXPECT_TRUE(ende >= 0 && ende <= std::max(anzahl - 1, 0)) << fall;
        if (anzahl == 0) continue;
        // A last line higher than the page is shown by none: the page stops at it.
        if (!zeigtLetzte(anzahl - 1)) {
            EXPECT_EQ(ende, anzahl - 1) << fall;
            continue;
        }
        EXPECT_TRUE(zeigtLetzte(ende)) << fall;
        // The scroll bar counts the lines shown as the drawing does.
        EXPECT_EQ(SichtbareZeilen(*Zeilenliste, ende, f.Seite) + ende, anzahl) << fall;
        EXPECT_TRUE(ende == 0 || !zeigtLetzte(ende - 1)) << fall;
    }
}

// Lines stand with their bottoms on SeitenY, each advancing its height plus 10, at least 20; the screen
// stops before the first line that reaches its bottom; the printer starts a new sheet with a line that
// passes the bottom (a line ending exactly there stays) and prints every line once, whatever line is asked
// and however often the page is drawn (steps that share a page each draw it).
TEST_F(SeitenTest, ZeilenabstandBildschirmendeUndSeitenumbruch) {
    Zeilen({12, 30, 19, 20, 0});
    SeitenY = 400;
    ZeichneSeite(0);
    std::vector<Int32> unten;
    const Int32 hoehen[] = {12, 30, 19, 20, 0};
    for (size_t i = 0; i < Log.size(); ++i) unten.push_back(Log[i].Stift.y + hoehen[i] / 3);
    EXPECT_EQ(unten, (std::vector<Int32>{25, 65, 85, 115, 135}));
    for (const auto& g : Log) EXPECT_EQ(g.Stift.x, 10);

    InitialisiereAusgabe();
    TTestLeinwand bild(977, 665);
    AktiviereSeite(&bild, false);
    // 50 lines of 10 pixels: the bottoms are 5 + 20 k; 5 + 20 * 33 = 665 reaches the bottom.
    Zeilen(std::vector<Int32>(50, 10));
    for (auto [ab, anzahl, erste] :
         {std::tuple{0, 32u, 25}, {10, 32u, 25}, {45, 5u, 25}, {50, 0u, 0}, {-3, 32u, 25}}) {
        Log.clear();
        ZeichneSeite(ab);
        EXPECT_EQ(Log.size(), anzahl) << ab;
        EXPECT_TRUE(Log.empty() || Unterkanten(10).front() == erste) << ab;
    }

    InitialisiereAusgabe();
    Log.clear();
    TDruckLeinwand drucker(600, 100);
    Druckerleinwand = &drucker;
    DruckModus = true;
    Seitenhoehe = 100;
    SeitenY = 5;
    AktiviereSeite(&bild, false);
    // Lines of 30, pitch 40: 45 and 85 fit, 125 passes 100 and starts sheet 2 with its bottom at 35; 85 fits.
    Zeilen(std::vector<Int32>(5, 30));
    ZeichneSeite(3);
    EXPECT_EQ(Unterkanten(30), (std::vector<Int32>{45, 85, 35, 75, 35}));
    std::vector<Int32> seiten;
    for (const auto& g : Log) seiten.push_back(g.Seite);
    EXPECT_EQ(seiten, (std::vector<Int32>{1, 1, 2, 2, 3}));
    EXPECT_EQ(SeitenY, 35);
    Zeilen(std::vector<Int32>(2, 30));
    ZeichneSeite(0);
    ZeichneSeite(0);
    EXPECT_EQ(Unterkanten(30), (std::vector<Int32>{45, 85, 35, 75, 35, 75, 35}));
}

// The graph on paper shrinks, both axes alike, to the largest drawing that fits between the left edge and
// the end of the rules and on one page, with room for the line that states the scale; a drawing that fits
// keeps its scale.
TEST_F(SeitenTest, GedruckterGraphPasstAufDieSeite) {
    TWechsel<TKartenDaten> karte(KartenDaten, KartenDaten);
    TWechsel<Int32> breite(Seitenbreite, 0), hoehe(Seitenhoehe, 0);
    const Extended ppcm = 96 / 2.54L;
    // x from -10 to 10, y from -7 to 10, units in cm, page width and height in pixels.
    for (auto [ex, ey, b, h] : {std::tuple{1.0L, 1.0L, 660, 1000},
                                {1.0L, 1.0L, 1000, 1000},
                                {2.0L, 0.5L, 660, 1000},
                                {1.0L, 3.0L, 660, 1000},
                                {0.5L, 0.5L, 660, 1000}}) {
        KartenDaten.EinheitX = ex;
        KartenDaten.EinheitY = ey;
        Seitenbreite = b;
        Seitenhoehe = h;
        const TDruckgraph D = Druckgraph();
        const TKartenDaten& K = KartenDaten;
        // The right end with its 1 cm of room, and the bottom with 0.5 cm, in pixels.
        const Extended rechts = (K.RandLinks + 20 * ex * D.Faktor + 1) * ppcm;
        const Extended unten = (K.RandOben + 17 * ey * D.Faktor + 0.5L) * ppcm + D.Massstabzeile;
        SCOPED_TRACE(::testing::Message() << ex << " " << ey << " " << b << " " << h);
        EXPECT_TRUE(D.Faktor > 0 && D.Faktor <= 1);
        EXPECT_TRUE(rechts <= b + 10.001L && unten <= h - 5 + 0.001L) << rechts << " " << unten;
        EXPECT_NEAR(D.Hoehe, unten, 1);
        // Largest: one of the two limits is reached, or the scale is kept with no scale line.
        if (D.Faktor < 1)
            EXPECT_TRUE(std::fabs(rechts - (b + 10)) < 0.01L || std::fabs(unten - (h - 5)) < 0.01L);
        else
            EXPECT_EQ(D.Massstabzeile, 0);
    }
}

// A line wider than the page (indent included) is drawn smaller, ending where written lines wrap, with its
// bottom on SeitenY and the next line below it, but never below the readable 70 %: a line wider still runs
// past the edge. A line that fits and a rule keep their size.
TEST_F(SeitenTest, ZuBreiteZeileWirdGanzUndKleinerGezeichnet) {
    for (auto [breite, zeichen, einzug] : {std::tuple{977, 300, 0}, {660, 100, 40}, {977, 120, 0}}) {
        InitialisiereAusgabe();
        TTestLeinwand bild(breite, 665);
        AktiviereSeite(&bild, false);
        Einrueckung = einzug;
        SchreibeZeile(std::string(size_t(zeichen), 'x'));
        Einrueckung = 0;
        SchreibeZeile("y");
        Trennlinie();
        ZeichneSeite(0);
        const auto texte = bild.AufrufeDerArt(TAufrufart::Text);
        const auto regel = bild.AufrufeDerArt(TAufrufart::Linie).back();
        ASSERT_EQ(texte.size(), 2u);
        const Int32 rechts = texte[0].Stift.x + texte[0].Mass.Breite;
        const Int32 zeile = 7 * zeichen + PunktZuPixel(einzug);
        const bool passt = zeile < breite - 20;
        const double faktor = passt ? 1.0 : std::max((breite - 20.0) / zeile, 0.7);
        SCOPED_TRACE(::testing::Message() << breite << " " << zeichen);
        EXPECT_EQ(texte[0].Text, std::string(size_t(zeichen), 'x'));
        EXPECT_TRUE(passt ? rechts < breite - 10 : std::abs(rechts - (10 + faktor * zeile)) <= 2) << rechts;
        EXPECT_GE(texte[0].Mass.Hoehe, bild.Textmass("x").Hoehe * 7 / 10);
        EXPECT_LT(texte[0].Stift.y + texte[0].Mass.Hoehe, texte[1].Stift.y);
        EXPECT_EQ(texte[1].Mass, bild.Textmass("y"));
        EXPECT_EQ(regel.Punkte[1].x - regel.Punkte[0].x, breite);
    }
}

// ---- value table ----

class WertetabelleTest : public SeitenTest {
protected:
    TIntervall* Intervall(TTerm* a, TTerm* b) { return Iv(a, a == nullptr, b, b == nullptr); }
    static std::string Text(TTerm* T) { return T->Folie(10)->Klartext(); }
};

// The open line is closed first, then the header and three rows.
TEST_F(WertetabelleTest, NullBisEinsMitSchrittEinHalb) {
    TTerm* f = PotenzTerm(VariableX, 2);
    SchreibeWertetabelle(f, Intervall(Null, Eins), K(1, 2));
    EXPECT_EQ(Seitentext(),
              (std::vector<std::string>{"", "xy = " + Text(f), "00",
                                        Text(K(1, 2)) + " = 0,5" + Text(K(1, 4)) + " = 0,25", "11"}));
}

// "nicht def." where y has no value; nothing at all for an infinite bound or a step without positive value;
// a step of 10^-9 can be aborted.
TEST_F(WertetabelleTest, Sonderfaelle) {
    SchreibeWertetabelle(PotenzTerm(VariableX, -1), Intervall(MinusEins, Eins), Eins);
    EXPECT_EQ(Seitentext()[3], "0nicht def.");
    const std::tuple<TTerm*, TTerm*, TTerm*> nichts[] = {{nullptr, Eins, EinHalb},
                                                         {Null, Eins, Null},
                                                         {Null, Eins, MinusEinHalb},
                                                         {Null, Eins, Op(Eins, '/', Null)}};
    for (const auto& [a, b, h] : nichts) {
        InitialisiereAusgabe();
        Schreibe("offen");
        SchreibeWertetabelle(VariableX, Intervall(a, b), h);
        EXPECT_TRUE(Zeilenliste->Anzahl() == 0 && AktuelleZeile->Klartext() == "offen");
    }
    Oberflaeche.Host.AbbruchNach = 50;
    EXPECT_THROW(SchreibeWertetabelle(VariableX, Intervall(Null, Eins), K(1, 1000000000)), EBenutzerAbbruch);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 50);
}

// A term and values too wide for the page: the y cells go on several rows, so that no row of the table is
// wider than the page allows at the readable size, and each row reads as the row of a page without a limit.
TEST_F(WertetabelleTest, LangeTermeUndWerteStehenAufMehrerenZeilenIhrerZelle) {
    const char* terme[] = {
        "(x^5+3x^4-2x^3+x^2-7x+1)/(x^4+2x^2+5)+sin(x)^2*e^(x/3)-ln(x^2+1)*sqrt(x^2+4)+arctan(x)/"
        "(x^2+3)+x^7-x^6",
        "sqrt(x+7)*x^3+ln(x+3)*sqrt(x+11)-e^(x/3)*sin(x)^2+arctan(x)*sqrt(x+5)+ln(x+6)*sqrt(x+13)*cos(x)",
    };
    auto tabelle = [](TTerm* f, Int32 breite) {
        TWechsel<Int32> seite(Seitenbreite, breite);
        InitialisiereAusgabe();
        SchreibeWertetabelle(f, Iv(K(-2), false, K(2), false), K(1));
        std::vector<std::pair<std::string, TBox>> zeilen;
        for (const auto& zeile : Zeilenliste->Zeilen) {
            std::string text = zeile->Klartext();
            std::erase(text, ' ');
            zeilen.emplace_back(text, zeile->Box ? *zeile->Box : TBox{});
        }
        return zeilen;
    };
    for (const char* text : terme) {
        TTerm* f = Lies(text);
        const auto ganz = tabelle(f, 1000000);
        bool gestapelt = false;
        for (Int32 breite : {977, 660, 420}) {
            SCOPED_TRACE(::testing::Message() << text << " auf " << breite);
            const auto zeilen = tabelle(f, breite);
            ASSERT_EQ(zeilen.size(), ganz.size());
            for (size_t i = 0; i < zeilen.size(); ++i) {
                EXPECT_EQ(zeilen[i].first, ganz[i].first);
                EXPECT_LE(zeilen[i].second.LinksAbstand + zeilen[i].second.Breite,
                          (breite - 20) / Mindestmassstab)
                    << zeilen[i].first;
                gestapelt |= zeilen[i].second.Oben + zeilen[i].second.Unten >
                             ganz[i].second.Oben + ganz[i].second.Unten + 10;
            }
        }
        EXPECT_TRUE(gestapelt) << text;
    }
}

// A point whose x has no value closes its line and hands nothing to the graph.
TEST_F(SeitenTest, KurvenpunktOhneWert) {
    TWechsel<TGrafikpunktliste> liste(Grafikpunkte, TGrafikpunktliste{});
    TTerm* ohneWert = Op(Eins, '/', Null);
    Int32 nr = 4;
    EXPECT_NO_THROW(SchreibeKurvenpunkt("Punkt:", nr, ohneWert, 'P', "Punkt", 1));
    EXPECT_TRUE(nr == 5 && Grafikpunkte.Anzahl == 0 && AktuelleZeile->Liste.empty());
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Punkt:", "f(" + ohneWert->Folie(10)->Klartext()}));
}

} // namespace
} // namespace zol
