// The output API: lines and their wrapping, step blocks, headings, texts, terms, sets, approximations,
// evaluation brackets and integral signs, and the page's plain text.
#include <functional>
#include <limits>

#include "algebra/Vereinfachung.h"
#include "term/Mengen.h"
#include "tests/output/SatzTestBasis.h"

namespace zol {
namespace {

using AusgabeTest = SatzTest;

// A term with a fixed value, to test what is written for values that are not finite.
class TWertTerm : public TTerm {
public:
    explicit TWertTerm(Extended w) : W(w) {
        Kennung = "Wert";
        Text = "w";
        Typrang = RangStandard;
        Knotenzahl = 1;
        IstKonstant = true;
    }
    Extended W;
    Extended Wert(Extended, bool& d) override { return d = true, W; }
    TTerm* Einsetzen(TTerm*) override { return this; }
    bool IstGleich(TTerm* T) override { return T == this; }
    bool IstKleiner(TTerm*) override { return false; }
    TTerm* Ableitung() override { return Null; }
    std::unique_ptr<TFolie> Folie(Single G) override { return std::make_unique<TAFolie>("w", G); }
};

std::string Offen() {
    return AktuelleZeile->Klartext();
}

TEST_F(AusgabeTest, AnfangszustandUndLeereZeilen) {
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
    EXPECT_EQ(Schriftgroesse, 10);
    EXPECT_EQ(Schachtelungstiefe, 0);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
    EXPECT_EQ(AktuelleZeile->Groesse, 10.0f);
    Schreibe("a");
    NeueZeile();
    NeueZeile();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"a", ""}));
    ASSERT_EQ(Zeilenliste->Anzahl(), 2);
    EXPECT_TRUE(Zeilenliste->Zeilen[1]->Box->IstLeer());
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

TEST_F(AusgabeTest, ZeilenumbruchBeiSeitenbreiteWenigerZwanzig) {
    // Ten characters are 70 pixels at 10 points; an indent of 15 points is 20 pixels.
    struct Fall {
        Int32 Einrueckung;
        Int32 Seitenbreite;
        bool Umbruch;
    };
    const Fall faelle[] = {
        {0, 160, true},   // 140 = 160 - 20
        {0, 161, false},  // 140 < 141
        {0, 100, true},   //
        {15, 180, true},  // 20 + 140 = 180 - 20
        {15, 181, false}, //
        {15, 161, true},  // the indent counts
    };
    for (const auto& f : faelle) {
        InitialisiereAusgabe();
        Einrueckung = f.Einrueckung;
        Seitenbreite = f.Seitenbreite;
        Schreibe("aaaaaaaaaa");
        Schreibe("bbbbbbbbbb");
        SCOPED_TRACE(testing::Message() << f.Einrueckung << " / " << f.Seitenbreite);
        if (f.Umbruch) {
            EXPECT_EQ(Seitentext(), std::vector<std::string>{"aaaaaaaaaa"});
            EXPECT_EQ(Offen(), "bbbbbbbbbb");
            // the closed line took the indent
            EXPECT_EQ(Zeilenliste->Zeilen[0]->dx, P(f.Einrueckung));
        } else {
            EXPECT_EQ(Zeilenliste->Anzahl(), 0);
            EXPECT_EQ(Offen(), "aaaaaaaaaabbbbbbbbbb");
        }
    }
}

TEST_F(AusgabeTest, UmbruchNurZwischenGanzenTermen) {
    Seitenbreite = 120;
    TTerm* T = Op(Op(Name("a"), '+', Name("b")), '+', Name("c"));
    Schreibe("f(x) = ");
    SchreibeTerm(T);
    SchreibeTerm(T);
    NeueZeile();
    // The second term did not fit beside the first; it is whole on the next line.
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"f(x) = a+b+c", "a+b+c"}));
}

TEST_F(AusgabeTest, ZuBreiteFolieBekommtEineZeileFuerSich) {
    Seitenbreite = 100;
    Schreibe("x");
    Schreibe("wwwwwwwwwwwwwwwwwwww"); // 140 pixels, wider than the page
    Schreibe("y");
    NeueZeile();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"x", "wwwwwwwwwwwwwwwwwwww", "y"}));
}

TEST_F(AusgabeTest, FehlendeFolieSchreibtNichts) {
    FuegeFolieAn(nullptr);
    Schreibe("*i<offen");
    SchreibeTerm(nullptr);
    SchreibeMenge(nullptr);
    SchreibeAuswertung(nullptr, Null, Eins);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
}

TEST_F(AusgabeTest, SchrittblockeMitZeilennummern) {
    BeginneSchritt("Schritt", nullptr);
    SchreibeZeile("eins");
    SchreibeZeile("zwei");
    SchreibeZeile("drei");
    BeendeSchritt("Ende", nullptr);
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"Schritt [0]", "eins", "zwei", "drei", "Ende [4]"}));
    const Int32 einzug = P(10);
    const Int32 erwartet[] = {0, einzug, einzug, einzug, 0};
    for (Int32 i = 0; i < 5; ++i) EXPECT_EQ(Zeilenliste->Zeilen[i]->dx, erwartet[i]) << i;
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
}

TEST_F(AusgabeTest, VerschachtelteSchrittblocke) {
    Einzug = 15;
    SchreibeZeile("davor");
    BeginneSchritt("A:", VariableX);
    EXPECT_EQ(Schachtelungstiefe, 1);
    SchreibeZeile("a");
    BeginneSchritt("B:", nullptr);
    EXPECT_EQ(Schachtelungstiefe, 2);
    EXPECT_EQ(Einrueckung, 30);
    SchreibeZeile("b");
    BeendeSchritt("B=", Eins);
    EXPECT_EQ(Schachtelungstiefe, 1);
    BeendeSchritt("A=", nullptr);
    EXPECT_EQ(Schachtelungstiefe, 0);
    EXPECT_EQ(Seitentext(),
              (std::vector<std::string>{"davor", "A:x [1]", "a", "B: [3]", "b", "B=1 [5]", "A= [6]"}));
    const Int32 erwartet[] = {0, 0, 20, 20, 40, 20, 0};
    for (Int32 i = 0; i < 7; ++i) EXPECT_EQ(Zeilenliste->Zeilen[i]->dx, erwartet[i]) << i;
}

TEST_F(AusgabeTest, EinrueckenUndAusruecken) {
    Schreibe("a");
    Einruecken();
    EXPECT_EQ(Einrueckung, 10);
    EXPECT_EQ(Schachtelungstiefe, 1);
    Schreibe("b");
    Ausruecken();
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Zeilenliste->Zeilen[0]->dx, 0);
    EXPECT_EQ(Zeilenliste->Zeilen[1]->dx, P(10));
}

TEST_F(AusgabeTest, Ueberschriften) {
    const std::pair<Int32, Single> faelle[] = {{1, 20}, {2, 15}, {3, 12}, {4, 12}, {5, 12},
                                               {6, 12}, {7, 10}, {0, 10}, {-1, 10}};
    for (const auto& [stufe, groesse] : faelle) {
        InitialisiereAusgabe();
        SchreibeUeberschrift(stufe, "Titel *i<ohne> Auszeichnung");
        ASSERT_EQ(Zeilenliste->Anzahl(), 1) << stufe;
        auto* zeile = dynamic_cast<TListenFolie*>(Zeilenliste->Zeilen[0].get());
        ASSERT_NE(zeile, nullptr);
        ASSERT_EQ(zeile->Liste.size(), 1u);
        auto* text = dynamic_cast<TAFolie*>(zeile->Liste[0].get());
        ASSERT_NE(text, nullptr) << stufe;
        EXPECT_FLOAT_EQ(text->Groesse, groesse) << stufe;
        // no markup: the text as it is
        EXPECT_EQ(text->Text, "Titel *i<ohne> Auszeichnung");
        EXPECT_EQ(zeile->Box->Oben + zeile->Box->Unten, H(static_cast<Int32>(groesse))) << stufe;
        EXPECT_TRUE(AktuelleZeile->Liste.empty());
    }
}

TEST_F(AusgabeTest, TexteZahlenUndZeichen) {
    Schreibe("f*i<1>(x) = ");
    Schreibe(Int64{42});
    Schreibe(" ");
    Schreibe(2.5L);
    Schreibe(" ");
    Schreibe(0.5);
    Schreibe(" ");
    SchreibeZeichen(1165);
    SchreibeZeichen(1177);
    SchreibeMitIndex(" P", "12");
    NeueZeile();
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"f1(x) = 42 2,5 0,5 ∞± P12"});
    ZeichneBei(*Zeilenliste->Zeilen[0], 0, 100);
    std::vector<std::pair<std::string, Int32>> groessen;
    for (const auto& t : L.AufrufeDerArt(TAufrufart::Text)) groessen.push_back({t.Text, t.Schrift.Groesse});
    // the indices at 0.8 of the size
    EXPECT_NE(std::find(groessen.begin(), groessen.end(), std::make_pair(std::string("1"), 8)),
              groessen.end());
    EXPECT_NE(std::find(groessen.begin(), groessen.end(), std::make_pair(std::string("12"), 8)),
              groessen.end());
}

TEST_F(AusgabeTest, Unterstrichen) {
    SchreibeUnterstrichenZeile("Ergebnis");
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"Ergebnis"});
    ZeichneBei(*Zeilenliste->Zeilen[0], 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto s = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(t.size(), 1u);
    ASSERT_EQ(s.size(), 1u);
    // a line under the whole word
    EXPECT_EQ(s[0].Punkte[0].y, s[0].Punkte[1].y);
    EXPECT_GE(s[0].Punkte[0].y, t[0].Stift.y + t[0].Mass.Hoehe);
    EXPECT_EQ(s[0].Punkte[1].x - s[0].Punkte[0].x, t[0].Mass.Breite);
}

TEST_F(AusgabeTest, TermeUndMengenMitLinkemRand) {
    // Every term and set starts P(0.2 * 10) = 3 right of where it is written, brackets included.
    std::vector<std::function<void()>> schreiber = {
        [] { SchreibeTerm(VariableX); },
        [] { SchreibeTerm(Op(Op(Name("a"), '+', Name("b")), '*', Name("c"))); },
        [] { SchreibeTerm(K(-3, 4)); },
        [] { SchreibeMenge(MengeR); },
        [] { SchreibeMenge(Neu<TOperatorMenge>(Neu<TOperatorMenge>(MengeN, 'v', MengeZ), 'n', MengeQ)); },
    };
    for (size_t i = 0; i < schreiber.size(); ++i) {
        InitialisiereAusgabe();
        schreiber[i]();
        EXPECT_EQ(AktuelleZeile->Box->LinksAbstand, P(2)) << i;
        TRechteck tinte = ZeichneBei(*AktuelleZeile, 0, 100);
        EXPECT_GE(tinte.Links, P(2) - 1) << i;
    }
}

TEST_F(AusgabeTest, TextTermText) {
    SchreibeTextTermTextZeile("f(x) = ", Op(VariableX, '-', K(1)), " für alle x");
    SchreibeTextTermZeile("g(x) = ", K(2));
    SchreibeTextTermZeile("nur Text", nullptr);
    SchreibeTermZeile(Name("pi"));
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"f(x) = x-1 für alle x", "g(x) = 2", "nur Text", "π"}));
}

TEST_F(AusgabeTest, Naeherungen) {
    struct Fall {
        const char* Beschreibung;
        TTerm* (*Baue)();
        const char* Text;
    };
    const Fall faelle[] = {
        {"ganze Zahl", [] { return K(3); }, ""},
        {"negative ganze Zahl", [] { return K(-3); }, ""},
        {"Bruch", [] { return K(1, 3); }, " = 0,3333"},
        {"negativer Bruch", [] { return K(-7, 2); }, " = -3,5"},
        {"reelle Konstante", [] { return ReelleKonstante(0.125L); }, ""},
        {"pi", [] { return Name("pi"); }, " = 3,1416"},
        {"Summe", [] { return Op(K(1), '+', K(1, 2)); }, " = 1,5"},
        {"ohne Wert", [] { return Op(K(1), '/', K(0)); }, ""},
        {"nicht endlich",
         []() -> TTerm* { return Neu<TWertTerm>(std::numeric_limits<Extended>::infinity()); }, ""},
        {"keine Zahl", []() -> TTerm* { return Neu<TWertTerm>(std::numeric_limits<Extended>::quiet_NaN()); },
         ""},
        {"endlich", []() -> TTerm* { return Neu<TWertTerm>(-0.25L); }, " = -0,25"},
    };
    for (const auto& f : faelle) {
        InitialisiereAusgabe();
        SchreibeNaeherung(f.Baue());
        EXPECT_EQ(Offen(), f.Text) << f.Beschreibung;
    }
    InitialisiereAusgabe();
    SchreibeNaeherung(nullptr);
    EXPECT_EQ(Offen(), "");
}

TEST_F(AusgabeTest, TermMitNaeherung) {
    SchreibeTermMitNaeherungPunkt(K(1, 4));
    SchreibeTermMitNaeherung(K(5));
    SchreibeNaeherungZeile(K(1, 8));
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"14 = 0,25.", "5 = 0,125"}));
}

TEST_F(AusgabeTest, SchreibeUndVereinfacheEinfacheKonstante) {
    TTerm* T = K(2, 3);
    SchreibeUndVereinfachePunkt(T);
    EXPECT_EQ(T, K(2, 3));
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"23 = 0,6667."});
}

TEST_F(AusgabeTest, SchreibeUndVereinfacheSumme) {
    TTerm* T = Op(K(1), '+', K(2));
    SchreibeUndVereinfache(T);
    EXPECT_TRUE(T->HatWert(TBruch{3, 1}));
    // the simplified value follows; an integer has no approximation
    EXPECT_EQ(Offen(), "1+2 = 3");
}

TEST_F(AusgabeTest, ZuweisungEinfacheKonstante) {
    TTerm* T = K(1, 3);
    SchreibeZuweisung("x", K(2), T, true);
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"x := 2 = 13 = 0,3333"});
    InitialisiereAusgabe();
    SchreibeZuweisung("x", K(2), T, false);
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
    EXPECT_EQ(Offen(), "");
}

TEST_F(AusgabeTest, ZuweisungMitVereinfachung) {
    TTerm* T = Op(K(1), '/', K(4));
    TTerm* U = T;
    SchreibeZuweisung("a", VariableX, T, true);
    SchreibeZuweisung("b", VariableX, U, false);
    EXPECT_TRUE(T->HatWert(TBruch{1, 4}));
    EXPECT_TRUE(U->HatWert(TBruch{1, 4}));
    // a fraction over a fraction reads the same in plain text; the node count fell, so it is written twice
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"a := x = 14 = 14 = 0,25"});
}

TEST_F(AusgabeTest, Intervalle) {
    struct Fall {
        TTerm* (*a)();
        TTerm* (*b)();
        const char* Text;
    };
    const Fall faelle[] = {
        {[]() -> TTerm* { return nullptr; }, []() -> TTerm* { return nullptr; }, "]-∞,∞["},
        {[] { return K(0); }, [] { return K(1); }, "[0,1]"},
        {[]() -> TTerm* { return nullptr; }, [] { return K(2); }, "]-∞,2]"},
        {[] { return K(-1); }, []() -> TTerm* { return nullptr; }, "[-1,∞["},
    };
    for (const auto& f : faelle) {
        InitialisiereAusgabe();
        SchreibeIntervall(f.a(), f.b());
        EXPECT_EQ(Offen(), f.Text);
    }
}

TEST_F(AusgabeTest, Auswertungsklammer) {
    SchreibeAuswertung(Op(VariableX, '*', VariableX), K(0), K(1));
    EXPECT_EQ(Offen(), "01x·x");
    EXPECT_EQ(AktuelleZeile->Box->LinksAbstand, P(2));
    ZeichneBei(*AktuelleZeile, 0, 100);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(k.size(), 2u);
    // square brackets: horizontal hooks
    EXPECT_EQ(k[0].Punkte[0].y, k[0].Punkte[1].y);
    EXPECT_EQ(k[1].Punkte[0].y, k[1].Punkte[1].y);
    const Int32 unten = k[1].Punkte[1].y, oben = k[1].Punkte[2].y, rechts = k[1].Punkte[1].x;
    std::vector<TZeichenaufruf> grenzen;
    for (const auto& t : L.AufrufeDerArt(TAufrufart::Text))
        if (t.Schrift.Groesse == 8) grenzen.push_back(t);
    ASSERT_EQ(grenzen.size(), 2u);
    // the lower limit below the bracket, the upper above, both right of it
    EXPECT_EQ(grenzen[0].Text, "0");
    EXPECT_GE(grenzen[0].Stift.y, unten);
    EXPECT_EQ(grenzen[1].Text, "1");
    EXPECT_LE(grenzen[1].Stift.y + grenzen[1].Mass.Hoehe, oben);
    EXPECT_GT(grenzen[0].Stift.x, rechts);
    EXPECT_GT(grenzen[1].Stift.x, rechts);
}

TEST_F(AusgabeTest, AuswertungsklammerOhneGrenzen) {
    SchreibeAuswertung(VariableX, nullptr, nullptr);
    EXPECT_EQ(Offen(), "x");
    ZeichneBei(*AktuelleZeile, 0, 100);
    EXPECT_EQ(L.AufrufeDerArt(TAufrufart::Polylinie).size(), 2u);
}

TEST_F(AusgabeTest, Integralzeichen) {
    SchreibeIntegralzeichen(K(0), Name("pi"));
    SchreibeTerm(VariableX);
    EXPECT_EQ(Offen(), "0πx");
    EXPECT_EQ(AktuelleZeile->Box->LinksAbstand, P(2));
    ZeichneBei(*AktuelleZeile, 0, 100);
    auto stamm = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(stamm.size(), 1u);
    EXPECT_EQ(L.AufrufeDerArt(TAufrufart::Bogen).size(), 2u);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(t.size(), 3u);
    const Int32 H2 = P(10) / 2, A = P(2.5), halb = H2 + P(5), g = P(2);
    const Int32 grundlinie = stamm[0].Punkte[0].y + H2;
    const Int32 x = stamm[0].Punkte[0].x;
    // lower limit: centred on the lower left corner, its top g below it
    EXPECT_EQ(t[0].Text, "0");
    EXPECT_EQ(t[0].Schrift.Groesse, 8);
    EXPECT_LE(std::abs(2 * t[0].Stift.x + t[0].Mass.Breite - 2 * (x - A)), 1);
    EXPECT_EQ(t[0].Stift.y, grundlinie + halb + g);
    // upper limit: centred on the upper right corner, its bottom g above it
    EXPECT_EQ(t[1].Text, "π");
    EXPECT_LE(std::abs(2 * t[1].Stift.x + t[1].Mass.Breite - 2 * (x + A)), 1);
    EXPECT_EQ(t[1].Stift.y + t[1].Mass.Hoehe, grundlinie - halb - g);
    // the integrand follows right of the sign
    EXPECT_GT(t[2].Stift.x, x + A);
}

TEST_F(AusgabeTest, Trennlinie) {
    Seitenbreite = 500;
    Schreibe("a");
    Trennlinie();
    Schreibe("b");
    NeueZeile();
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"a", "", "b"}));
    auto* linie = dynamic_cast<TLinie*>(Zeilenliste->Zeilen[1].get());
    ASSERT_NE(linie, nullptr);
    EXPECT_EQ(linie->StrichX, 500);
    EXPECT_EQ(linie->StrichY, 0);
}

TEST_F(AusgabeTest, SchriftgroesseDerNeuenZeilen) {
    Schriftgroesse = 12;
    NeueZeile();
    EXPECT_EQ(AktuelleZeile->Groesse, 12.0f);
    Schreibe("a");
    ZeichneBei(*AktuelleZeile, 0, 100);
    ASSERT_EQ(L.AufrufeDerArt(TAufrufart::Text).size(), 1u);
    EXPECT_EQ(L.AufrufeDerArt(TAufrufart::Text)[0].Schrift.Groesse, 12);
}

TEST_F(AusgabeTest, OffeneZeileBleibtAufIhrerSeite) {
    TZeilenliste seite;
    Schreibe("Rest der ersten Seite");
    SetzeZeilenliste(&seite);
    EXPECT_EQ(Zeilenliste, &seite);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
    EXPECT_EQ(seite.Anzahl(), 0);
    SchreibeZeile("zweite Seite");
    EXPECT_EQ(seite.Klartext(), std::vector<std::string>{"zweite Seite"});
    // with nothing open, changing pages adds no blank line
    SetzeZeilenliste(nullptr);
    EXPECT_EQ(seite.Anzahl(), 1);
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"Rest der ersten Seite"});
    // the same page again changes nothing
    Schreibe("offen");
    SetzeZeilenliste(nullptr);
    EXPECT_EQ(Offen(), "offen");
}

TEST_F(AusgabeTest, ZeilennummerZaehltAufDerAktuellenSeite) {
    SchreibeZeile("erste Seite");
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    BeginneSchritt("Block", nullptr);
    BeendeSchritt("Ende", nullptr);
    EXPECT_EQ(seite.Klartext(), (std::vector<std::string>{"Block [0]", "Ende [1]"}));
    SetzeZeilenliste(nullptr);
}

} // namespace
} // namespace zol
