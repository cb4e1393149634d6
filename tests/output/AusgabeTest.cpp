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

// A term that does not fit goes whole onto the next line; an object wider than the page gets a line of its
// own; a missing object writes nothing.
TEST_F(AusgabeTest, UmbruchZwischenGanzenObjekten) {
    Seitenbreite = 120;
    TTerm* T = Op(Op(Name("a"), '+', Name("b")), '+', Name("c"));
    Schreibe("f(x) = ");
    SchreibeTerm(T);
    SchreibeTerm(T);
    NeueZeile();
    Seitenbreite = 100;
    Schreibe("x");
    Schreibe("wwwwwwwwwwwwwwwwwwww");
    Schreibe("y");
    FuegeFolieAn(nullptr);
    SchreibeTerm(nullptr);
    SchreibeMenge(nullptr);
    SchreibeAuswertung(nullptr, Null, Eins);
    NeueZeile();
    EXPECT_EQ(Seitentext(),
              (std::vector<std::string>{"f(x) = a+b+c", "a+b+c", "x", "wwwwwwwwwwwwwwwwwwww", "y"}));
}

// Step blocks: labels with their line numbers, one Einzug further in per level.
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

// Texts with markup, numbers, symbol codes and indices; every term and set starts P(0.2 * 10) = 3 right of
// where it is written, brackets included.
TEST_F(AusgabeTest, TexteZahlenZeichenUndLinkerRand) {
    Schreibe("f*i<1>(x) = ");
    Schreibe(Int64{42});
    Schreibe(" ");
    Schreibe(2.5L);
    Schreibe(" ");
    SchreibeZeichen(1165);
    SchreibeMitIndex(" P", "12");
    NeueZeile();
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"f1(x) = 42 2,5 ∞ P12"});
    for (TTerm* t :
         std::vector<TTerm*>{VariableX, Op(Op(Name("a"), '+', Name("b")), '*', Name("c")), K(-3, 4)}) {
        InitialisiereAusgabe();
        SchreibeTerm(t);
        EXPECT_EQ(AktuelleZeile->Box->LinksAbstand, P(2)) << t->Text;
        EXPECT_GE(ZeichneBei(*AktuelleZeile, 0, 100).Links, P(2) - 1) << t->Text;
    }
    InitialisiereAusgabe();
    SchreibeMenge(Neu<TOperatorMenge>(Neu<TOperatorMenge>(MengeN, 'v', MengeZ), 'n', MengeQ));
    EXPECT_GE(ZeichneBei(*AktuelleZeile, 0, 100).Links, P(2) - 1);
}

// An approximation only for a value that is finite and not an integer or a real constant.
TEST_F(AusgabeTest, Naeherungen) {
    const std::pair<TTerm*, const char*> faelle[] = {
        {K(-3), ""},
        {K(1, 3), " = 0,3333"},
        {K(-7, 2), " = -3,5"},
        {ReelleKonstante(0.125L), ""},
        {Name("pi"), " = 3,1416"},
        {Op(K(1), '+', K(1, 2)), " = 1,5"},
        {Op(K(1), '/', K(0)), ""},
        {Neu<TWertTerm>(std::numeric_limits<Extended>::infinity()), ""},
        {Neu<TWertTerm>(std::numeric_limits<Extended>::quiet_NaN()), ""},
        {Neu<TWertTerm>(-0.25L), " = -0,25"},
        {nullptr, ""},
    };
    for (const auto& [t, text] : faelle) {
        InitialisiereAusgabe();
        SchreibeNaeherung(t);
        EXPECT_EQ(Offen(), text) << (t ? t->Text : "nil");
    }
}

// The term with its approximation, simplified first where that lowers the node count; assignments.
TEST_F(AusgabeTest, TermMitNaeherungUndZuweisung) {
    SchreibeTermMitNaeherungPunkt(K(1, 4));
    SchreibeTermMitNaeherung(K(5));
    SchreibeNaeherungZeile(K(1, 8));
    TTerm* T = K(2, 3);
    SchreibeUndVereinfachePunkt(T);
    EXPECT_EQ(T, K(2, 3));
    TTerm* S = Op(K(1), '+', K(2));
    SchreibeUndVereinfache(S);
    EXPECT_TRUE(S->HatWert(TBruch{3, 1}));
    NeueZeile();
    TTerm* D = K(1, 3);
    SchreibeZuweisung("x", K(2), D, true);
    TTerm* Q = Op(K(1), '/', K(4));
    TTerm* R = Q;
    SchreibeZuweisung("a", VariableX, Q, true);
    SchreibeZuweisung("b", VariableX, R, false);
    EXPECT_TRUE(Q->HatWert(TBruch{1, 4}) && R->HatWert(TBruch{1, 4}));
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"14 = 0,25.", "5 = 0,125", "23 = 0,6667.", "1+2 = 3",
                                                      "x := 2 = 13 = 0,3333", "a := x = 14 = 14 = 0,25"}));
}

TEST_F(AusgabeTest, Intervalle) {
    const std::tuple<TTerm*, TTerm*, const char*> faelle[] = {{nullptr, nullptr, "]-∞,∞["},
                                                              {K(0), K(1), "[0,1]"},
                                                              {nullptr, K(2), "]-∞,2]"},
                                                              {K(-1), nullptr, "[-1,∞["}};
    for (const auto& [a, b, text] : faelle) {
        InitialisiereAusgabe();
        SchreibeIntervall(a, b);
        EXPECT_EQ(Offen(), text);
    }
}

TEST_F(AusgabeTest, OffeneZeileBleibtAufIhrerSeite) {
    TZeilenliste seite;
    Schreibe("Rest der ersten Seite");
    SetzeZeilenliste(&seite);
    EXPECT_EQ(Zeilenliste, &seite);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
    EXPECT_EQ(seite.Anzahl(), 0);
    // Line numbers count on the current page.
    BeginneSchritt("Block", nullptr);
    BeendeSchritt("Ende", nullptr);
    EXPECT_EQ(seite.Klartext(), (std::vector<std::string>{"Block [0]", "Ende [1]"}));
    // with nothing open, changing pages adds no blank line
    SetzeZeilenliste(nullptr);
    EXPECT_EQ(seite.Anzahl(), 2);
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"Rest der ersten Seite"});
    // the same page again changes nothing
    Schreibe("offen");
    SetzeZeilenliste(nullptr);
    EXPECT_EQ(Offen(), "offen");
}

} // namespace
} // namespace zol
