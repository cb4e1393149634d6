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
    // The bottom of each drawn line's box: the pen's y plus the part below the baseline.
    std::vector<Int32> Unterkanten(const std::vector<Int32>& hoehen, size_t ab = 0) {
        std::vector<Int32> y;
        for (size_t i = 0; i < Log.size(); ++i) y.push_back(Log[i].Stift.y + hoehen[ab + i] / 3);
        return y;
    }
};

// ---- making a page current ----

TEST_F(SeitenTest, BildWirdZielMitSchriftGroesseUndWeisserFlaeche) {
    const TSchrift schrift{"Arial", 14, Fett, Schwarz};
    L.SetzeSchrift(schrift);
    TTestLeinwand bild(977, 665);
    bild.SetzePixel(5, 5, Schwarz);
    SeitenY = 123;
    AktiviereSeite(&bild, false);
    EXPECT_EQ(&Leinwand(), &bild);
    EXPECT_EQ(bild.Schrift(), schrift);
    EXPECT_EQ(Seitenbreite, 977);
    EXPECT_EQ(Seitenhoehe, 665);
    auto flaechen = bild.AufrufeDerArt(TAufrufart::Rechteck);
    ASSERT_EQ(flaechen.size(), 1u);
    EXPECT_EQ(flaechen[0].Rechteck, (TRechteck{0, -2, 977, 665}));
    EXPECT_EQ(flaechen[0].Farbe, Weiss);
    EXPECT_EQ(bild.Pixel(5, 5), Weiss);
    EXPECT_EQ(SeitenY, 123);
    // null changes nothing
    AktiviereSeite(nullptr, false);
    EXPECT_EQ(&Leinwand(), &bild);
    SetzeLeinwand(&L);
}

TEST_F(SeitenTest, BeimDruckenWirdDieDruckerleinwandZiel) {
    const TSchrift schrift{"Times New Roman", 12, Kursiv, Schwarz};
    L.SetzeSchrift(schrift);
    TDruckLeinwand drucker(4000, 6000);
    TTestLeinwand bild(977, 665);
    Druckerleinwand = &drucker;
    DruckModus = true;
    Seitenbreite = 4000;
    Seitenhoehe = 6000;
    SeitenY = 777;
    AktiviereSeite(&bild, false);
    EXPECT_EQ(&Leinwand(), &drucker);
    EXPECT_EQ(drucker.Schrift(), schrift);
    EXPECT_EQ(Seitenbreite, 4000);
    EXPECT_EQ(Seitenhoehe, 6000);
    EXPECT_EQ(SeitenY, 777);
    EXPECT_TRUE(bild.Aufrufe.empty());
    EXPECT_TRUE(drucker.Aufrufe.empty());
    EXPECT_EQ(drucker.Seite, 1);
    SetzeLeinwand(&L);
}

TEST_F(SeitenTest, GraphBeginntBeimDruckenEineNeueSeiteWennErNichtPasst) {
    // At 96 pixels per inch: with the start values the graph is (10 + 7) * 1 + 1.5 = 18.5 cm, 699.2 pixels
    // high; with 0.5 cm per y unit it is 17 * 0.5 + 1.5 = 10 cm, 377.95 pixels.
    struct Fall {
        Extended EinheitY;
        Int32 SeitenY;
        bool Graph;
        bool NeueSeite;
    };
    const Fall faelle[] = {
        {1, 5, true, false},     //
        {1, 100, true, false},   // 799.2 <= 800
        {1, 101, true, true},    // 800.2 > 800
        {1, 700, false, false},  // not the graph
        {0.5, 422, true, false}, // 799.95
        {0.5, 423, true, true},  // 800.95
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.EinheitY << " / " << f.SeitenY);
        TWechsel<TKartenDaten> karte(KartenDaten, TKartenDaten{});
        KartenDaten.EinheitY = f.EinheitY;
        TDruckLeinwand drucker(600, 800);
        Druckerleinwand = &drucker;
        DruckModus = true;
        Seitenhoehe = 800;
        SeitenY = f.SeitenY;
        TTestLeinwand bild;
        AktiviereSeite(&bild, f.Graph);
        EXPECT_EQ(drucker.Seite, f.NeueSeite ? 2 : 1);
        EXPECT_EQ(SeitenY, f.NeueSeite ? 5 : f.SeitenY);
        SetzeLeinwand(&L);
    }
}

TEST_F(SeitenTest, GraphAufDemBildschirmBrichtNichtUm) {
    TDruckLeinwand bild(981, 623);
    SeitenY = 600;
    AktiviereSeite(&bild, true);
    EXPECT_EQ(bild.Seite, 1);
    EXPECT_EQ(SeitenY, 600);
    EXPECT_EQ(Seitenhoehe, 623);
    SetzeLeinwand(&L);
}

// ---- drawing ----

TEST_F(SeitenTest, ZeilenabstandIstHoehePlusZehnMindestensZwanzig) {
    struct Fall {
        std::vector<Int32> Hoehen;
        std::vector<Int32> Unten; // the bottoms, computed by hand from SeitenY = 5
    };
    const Fall faelle[] = {
        {{12}, {25}}, // a 12 pixel line advances 20
        {{30}, {45}}, // a 30 pixel line advances 40
        {{12, 30, 19, 20, 0}, {25, 65, 85, 115, 135}},
        {{60, 3}, {75, 95}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Hoehen.size());
        InitialisiereAusgabe();
        Log.clear();
        Seitenhoehe = 665;
        SeitenY = 400;
        Zeilen(f.Hoehen);
        ZeichneSeite(0);
        EXPECT_EQ(Unterkanten(f.Hoehen), f.Unten);
        for (const auto& g : Log) EXPECT_EQ(g.Stift.x, 10);
        EXPECT_EQ(SeitenY, f.Unten.back());
    }
}

TEST_F(SeitenTest, BildschirmHoertBeiDerErstenZeileAufDieDenUnterrandErreicht) {
    TTestLeinwand bild(977, 665);
    AktiviereSeite(&bild, false);
    // 50 lines of 10 pixels, pitch 20: the bottoms are 5 + 20 k; 5 + 20 * 33 = 665 reaches the bottom.
    const std::vector<Int32> hoehen(50, 10);
    Zeilen(hoehen);
    ZeichneSeite(0);
    ASSERT_EQ(Log.size(), 32u);
    EXPECT_EQ(Unterkanten(hoehen).back(), 645);

    // Scrolled: the same number of lines from line 10 on, starting at the top again.
    Log.clear();
    ZeichneSeite(10);
    ASSERT_EQ(Log.size(), 32u);
    EXPECT_EQ(Unterkanten(hoehen, 10).front(), 25);

    // Near the end: only the lines that are there.
    Log.clear();
    ZeichneSeite(45);
    EXPECT_EQ(Log.size(), 5u);
    Log.clear();
    ZeichneSeite(50);
    EXPECT_TRUE(Log.empty());
    Log.clear();
    ZeichneSeite(-3);
    EXPECT_EQ(Log.size(), 32u);
    SetzeLeinwand(&L);
}

TEST_F(SeitenTest, DruckerBeginntEineNeueSeiteWennEineZeileDenUnterrandUeberschreitet) {
    TDruckLeinwand drucker(600, 100);
    TTestLeinwand bild;
    Druckerleinwand = &drucker;
    DruckModus = true;
    Seitenhoehe = 100;
    SeitenY = 5;
    AktiviereSeite(&bild, false);
    // Lines of 30 pixels, pitch 40: 45 and 85 fit; 125 passes 100, so that line starts page 2 with its
    // bottom at 30 + 5.
    const std::vector<Int32> hoehen(5, 30);
    Zeilen(hoehen);
    // Printing draws the whole page list whatever line is asked for.
    ZeichneSeite(3);
    EXPECT_EQ(Unterkanten(hoehen), (std::vector<Int32>{45, 85, 35, 75, 35}));
    std::vector<Int32> seiten;
    for (const auto& g : Log) seiten.push_back(g.Seite);
    EXPECT_EQ(seiten, (std::vector<Int32>{1, 1, 2, 2, 3}));
    EXPECT_EQ(SeitenY, 35);

    // The next page list continues where the last one ended.
    Log.clear();
    TZeilenliste zweite;
    SetzeZeilenliste(&zweite);
    AktiviereSeite(&bild, false);
    Zeilen({30});
    ZeichneSeite(0);
    ASSERT_EQ(Log.size(), 1u);
    EXPECT_EQ(Log[0].Stift.y + 10, 75);
    EXPECT_EQ(Log[0].Seite, 3);
    SetzeZeilenliste(nullptr);
    SetzeLeinwand(&L);
}

TEST_F(SeitenTest, ZeileGenauAmUnterrandBleibtAufDerDruckseite) {
    TDruckLeinwand drucker(600, 85);
    Druckerleinwand = &drucker;
    DruckModus = true;
    Seitenhoehe = 85;
    SeitenY = 5;
    AktiviereSeite(nullptr, false);
    Zeilen({30, 30});
    ZeichneSeite(0);
    EXPECT_EQ(drucker.Seite, 1);
    EXPECT_EQ(SeitenY, 85);
    SetzeLeinwand(&L);
}

TEST_F(SeitenTest, GeschriebeneZeilenStehenMitIhrerUnterkanteAufSeitenY) {
    TTestLeinwand bild(977, 665);
    AktiviereSeite(&bild, false);
    Einrueckung = 15; // 20 pixels
    SchreibeZeile("eins");
    Einrueckung = 0;
    SchreibeZeile("zwei");
    Trennlinie();
    SchreibeZeile("drei");
    bild.Aufrufe.clear();
    ZeichneSeite(0);
    auto texte = bild.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(texte.size(), 3u);
    const Int32 h = H(10);
    // 16 pixel lines advance 20; the rule closes the open (empty) line first and is a line of its own.
    EXPECT_EQ(texte[0].Text, "eins");
    EXPECT_EQ(texte[0].Stift.x, 10 + 20);
    EXPECT_EQ(texte[0].Stift.y + h, 25);
    EXPECT_EQ(texte[1].Stift.x, 10);
    EXPECT_EQ(texte[1].Stift.y + h, 45);
    EXPECT_EQ(texte[2].Stift.y + h, 105);
    auto linien = bild.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0].Punkte[0], (TPunkt{10, 85}));
    EXPECT_EQ(linien[0].Punkte[1], (TPunkt{10 + 977, 85}));
    SetzeLeinwand(&L);
}

// ---- value table ----

class WertetabelleTest : public SeitenTest {
protected:
    TIntervall* Intervall(TTerm* a, TTerm* b) {
        return Neu<TIntervall>(TRand{a, a == nullptr}, TRand{b, b == nullptr});
    }
    static std::string Text(TTerm* T) { return T->Folie(10)->Klartext(); }

    // The table's lines, drawn on a tall page, with the rules of each row.
    struct TRegel {
        TPunkt Von, Bis;
    };
    std::vector<TZeichenaufruf> Zeichne(TTestLeinwand& bild) {
        AktiviereSeite(&bild, false);
        bild.Aufrufe.clear();
        ZeichneSeite(0);
        return bild.AufrufeDerArt(TAufrufart::Linie);
    }
};

TEST_F(WertetabelleTest, NullBisEinsMitSchrittEinHalb) {
    TTerm* f = PotenzTerm(VariableX, 2);
    SchreibeWertetabelle(f, Intervall(Null, Eins), K(1, 2));
    // The open line is closed first, then the header and three rows.
    const std::vector<std::string> erwartet = {
        "",
        "x" + std::string("y = ") + Text(f),
        "0" + std::string("0"),
        Text(K(1, 2)) + " = 0,5" + Text(K(1, 4)) + " = 0,25",
        "1" + std::string("1"),
    };
    EXPECT_EQ(Seitentext(), erwartet);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

TEST_F(WertetabelleTest, WinzigeSchrittweiteLaesstSichAbbrechen) {
    // A step of 10^-9 over [0; 1] would give a billion rows; the abort button ends the table.
    Oberflaeche.Host.AbbruchNach = 50;
    EXPECT_THROW(SchreibeWertetabelle(VariableX, Intervall(Null, Eins), K(1, 1000000000)), EBenutzerAbbruch);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 50);
}

TEST_F(WertetabelleTest, TabelleIstLiniertUndDieZeilenBeruehrenSich) {
    TTerm* f = PotenzTerm(VariableX, 2);
    SchreibeWertetabelle(f, Intervall(Null, Eins), K(1, 2));
    TTestLeinwand bild(977, 2000);
    auto linien = Zeichne(bild);
    auto texte = bild.AufrufeDerArt(TAufrufart::Text);

    std::vector<TZeichenaufruf> senkrecht, waagerecht;
    for (const auto& l : linien)
        if (l.Punkte[0].x == l.Punkte[1].x) senkrecht.push_back(l);
    ASSERT_FALSE(senkrecht.empty());
    // The rules across the table start at the first vertical rule (fraction bars lie inside the cells).
    for (const auto& l : linien)
        if (l.Punkte[0].y == l.Punkte[1].y && l.Punkte[0].x == senkrecht[0].Punkte[0].x)
            waagerecht.push_back(l);
    // Four rows: three vertical rules each, a rule across every top and one across the bottom.
    ASSERT_EQ(senkrecht.size(), 12u);
    ASSERT_EQ(waagerecht.size(), 5u);

    const Int32 x1 = senkrecht[0].Punkte[0].x, x2 = senkrecht[1].Punkte[0].x, x3 = senkrecht[2].Punkte[0].x;
    for (size_t zeile = 0; zeile < 4; ++zeile) {
        SCOPED_TRACE(zeile);
        const auto& a = senkrecht[3 * zeile];
        // the columns line up in every row
        EXPECT_EQ(a.Punkte[0].x, x1);
        EXPECT_EQ(senkrecht[3 * zeile + 1].Punkte[0].x, x2);
        EXPECT_EQ(senkrecht[3 * zeile + 2].Punkte[0].x, x3);
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(senkrecht[3 * zeile + k].Punkte[0].y, a.Punkte[0].y);
            EXPECT_EQ(senkrecht[3 * zeile + k].Punkte[1].y, a.Punkte[1].y);
        }
        // the rule across the top spans the three vertical rules
        EXPECT_EQ(waagerecht[zeile].Punkte[0], a.Punkte[0]);
        EXPECT_EQ(waagerecht[zeile].Punkte[1].x, x3);
        // the next row begins where this one ends, without a gap
        if (zeile + 1 < 4) {
            const Int32 naechste = senkrecht[3 * zeile + 3].Punkte[0].y;
            EXPECT_LE(naechste, a.Punkte[1].y);
            EXPECT_GE(naechste, a.Punkte[1].y - 5);
        }
    }
    // the bottom rule closes the last row
    EXPECT_EQ(waagerecht[4].Punkte[0], senkrecht[9].Punkte[1]);
    EXPECT_EQ(waagerecht[4].Punkte[1].x, x3);

    // Every text lies between the rules of its column and inside its row, 20 pixels right of the rule.
    for (const auto& t : texte) {
        const bool links = t.Stift.x < x2;
        EXPECT_GE(t.Stift.x, (links ? x1 : x2) + 20) << t.Text;
        EXPECT_LE(t.Stift.x + t.Mass.Breite, links ? x2 - 20 : x3 - 20) << t.Text;
    }
    EXPECT_EQ(texte.front().Text, "x");
    EXPECT_EQ(texte.front().Stift.x, x1 + 20);
    EXPECT_GT(texte.front().Stift.y, senkrecht[0].Punkte[0].y);
    EXPECT_LT(texte.front().Stift.y + texte.front().Mass.Hoehe, senkrecht[0].Punkte[1].y);
    SetzeLeinwand(&L);
}

TEST_F(WertetabelleTest, SpaltenSindSoBreitWieIhreBreitesteZelle) {
    TTerm* f = PotenzTerm(VariableX, 2);
    SchreibeWertetabelle(f, Intervall(Null, Eins), K(1, 2));
    TTestLeinwand bild(977, 2000);
    auto linien = Zeichne(bild);
    const Int32 x1 = linien[1].Punkte[0].x; // after the top rule of the header row
    const Int32 x2 = linien[2].Punkte[0].x;
    const Int32 x3 = linien[3].Punkte[0].x;
    // The widest x cell is "1/2 = 0,5" and the widest y cell "1/4 = 0,25", each built the same way here.
    auto breite = [](std::unique_ptr<TFolie> a, const std::string& s) {
        TListenFolie z(10);
        z.FuegeAn(std::move(a));
        z.FuegeAn(TextFolie(s, 10));
        return z.Box->LinksAbstand + z.Box->Breite + z.Box->RechtsAbstand;
    };
    EXPECT_EQ(x2 - x1, breite(K(1, 2)->Folie(10), " = 0,5") + 40);
    EXPECT_EQ(x3 - x2, breite(K(1, 4)->Folie(10), " = 0,25") + 40);
    SetzeLeinwand(&L);
}

TEST_F(WertetabelleTest, UndefinierterWertHeisstNichtDef) {
    TTerm* f = PotenzTerm(VariableX, -1);
    SchreibeWertetabelle(f, Intervall(MinusEins, Eins), Eins);
    auto text = Seitentext();
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(text[2], Text(MinusEins) + Text(MinusEins));
    EXPECT_EQ(text[3], "0nicht def.");
    EXPECT_EQ(text[4], "11");
}

TEST_F(WertetabelleTest, NichtsBeiUnendlichemRandOderSchrittOhnePositivenWert) {
    struct Fall {
        TTerm* a;
        TTerm* b;
        TTerm* h;
    };
    const Fall faelle[] = {
        {nullptr, Eins, EinHalb},   {Null, nullptr, EinHalb},          {Null, Eins, Null},
        {Null, Eins, MinusEinHalb}, {Null, Eins, Op(Eins, '/', Null)},
    };
    for (const auto& f : faelle) {
        InitialisiereAusgabe();
        Schreibe("offen");
        SchreibeWertetabelle(VariableX, Intervall(f.a, f.b), f.h);
        EXPECT_EQ(Zeilenliste->Anzahl(), 0);
        EXPECT_EQ(AktuelleZeile->Klartext(), "offen");
    }
}

TEST_F(WertetabelleTest, LeeresIntervallHatNurDieKopfzeile) {
    SchreibeWertetabelle(VariableX, Intervall(Eins, Null), EinHalb);
    auto text = Seitentext();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[1], "xy = x");
}

// ---- point of a curve ----

class KurvenpunktTest : public SeitenTest {
protected:
    // Writes the point; the graph's MerkePunkt is checked on its own below.
    void Schreibe(const std::string& text, Int32& nr, TTerm* x, char b, const std::string& wort, Double y) {
        try {
            SchreibeKurvenpunkt(text, nr, x, b, wort, y);
        } catch (const ENochNichtGebaut&) {
        }
    }
    static std::string Text(TTerm* T) { return T->Folie(10)->Klartext(); }
    static std::string Markup(const std::string& s) { return TextFolie(s, 10)->Klartext(); }
};

TEST_F(KurvenpunktTest, PunktMitBlattAlsX) {
    Int32 nr = 0;
    Schreibe("Hochpunkt gefunden:", nr, Zwei, 'H', "Hochpunkt", 2.5);
    EXPECT_EQ(nr, 1);
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{
                                "Hochpunkt gefunden:",
                                "f(" + Text(Zwei) + ") = " + Markup("2,5 ; Hochpunkt H *i<1>(2|2,5)"),
                            }));
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

TEST_F(KurvenpunktTest, PunktMitZusammengesetztemXZeigtDessenWert) {
    Int32 nr = 4;
    TTerm* x = Op(Eins, '+', EinHalb);
    ASSERT_GT(x->Knotenzahl, 0);
    Schreibe("", nr, x, 'T', "Tiefpunkt", -0.25);
    EXPECT_EQ(nr, 5);
    auto text = Seitentext();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[1], "f(" + Text(x) + ") = f(1,5 ) = " + Markup("-0,25 ; Tiefpunkt T *i<5>(1,5|-0,25)"));
    // the number is an index of the letter
    auto& zeile = dynamic_cast<TListenFolie&>(*Zeilenliste->Zeilen[1]);
    bool index = false;
    for (const auto& teil : zeile.Liste) {
        auto* l = dynamic_cast<TListenFolie*>(teil.get());
        if (!l) continue;
        for (const auto& s : l->Liste)
            if (s->Klartext() == "5" && s->Groesse < 10) index = true;
    }
    EXPECT_TRUE(index);
}

TEST_F(KurvenpunktTest, XOhneWertSchliesstDieZeileUndMerktNichts) {
    Int32 nr = 0;
    TTerm* x = Op(Eins, '/', Null);
    bool d = true;
    x->Wert(0, d);
    ASSERT_FALSE(d);
    // MerkePunkt is not reached, so nothing is raised whatever the graph does.
    EXPECT_NO_THROW(SchreibeKurvenpunkt("Punkt:", nr, x, 'P', "Punkt", 1));
    EXPECT_EQ(nr, 1);
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Punkt:", "f(" + Text(x)}));
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

TEST_F(KurvenpunktTest, PunktGehtAnDieGrafik) {
    TWechsel<TGrafikpunktliste> liste(Grafikpunkte, TGrafikpunktliste{});
    Int32 nr = 2;
    try {
        SchreibeKurvenpunkt("", nr, EinHalb, 'W', "Wendepunkt", 0.75);
    } catch (const ENochNichtGebaut&) {
        GTEST_SKIP() << "MerkePunkt kommt mit der Grafik";
    }
    ASSERT_EQ(Grafikpunkte.Anzahl, 1);
    EXPECT_EQ(Grafikpunkte.Punkte[1].Name, "W*i<3>");
    EXPECT_EQ(Grafikpunkte.Punkte[1].X, 0.5);
    EXPECT_EQ(Grafikpunkte.Punkte[1].Y, 0.75);
}

} // namespace
} // namespace zol
