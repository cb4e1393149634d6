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

// The sum k·x^k for k = 1 .. n, with + and - in turn.
TTerm* LangeSumme(Int64 n, Int64 erstes = 1) {
    TTerm* T = Op(K(erstes), '*', Pot(X(), erstes));
    for (Int64 k = erstes + 1; k < erstes + n; ++k) T = Op(T, k % 2 ? '+' : '-', Op(K(k), '*', Pot(X(), k)));
    return T;
}

struct TLangeFormel {
    const char* Beschreibung;
    TTerm* (*Baue)();
};

const TLangeFormel LangeFormeln[] = {
    {"sum", [] { return LangeSumme(40); }},
    {"sum of 4200 terms, longer than the nesting that is looked into", [] { return LangeSumme(4200); }},
    {"factor times sum", [] { return Op(K(3), '*', LangeSumme(40)); }},
    {"sum subtracted", [] { return Op(X(), '-', LangeSumme(40)); }},
    {"abs of a sum", [] { return StandardFunktionTerm("abs", LangeSumme(40)); }},
    {"sine of a sum", [] { return StandardFunktionTerm("sin", LangeSumme(40)); }},
    {"power of a sum", [] { return Pot(LangeSumme(40), 3); }},
    {"sum of products of sums",
     [] { return Op(Op(LangeSumme(12), '*', LangeSumme(12, 20)), '+', Op(K(-2), '*', LangeSumme(30))); }},
    // Parts too wide at several levels of nesting: each is tried whole once, then broken.
    {"bracketed products of sums, nested",
     [] {
         TTerm* T = LangeSumme(3);
         for (Int64 i = 1; i <= 5; ++i) T = Op(LangeSumme(6, 3 * i), '-', Op(T, '*', LangeSumme(5, 2 * i)));
         return T;
     }},
    {"power of a product of sums in a sum",
     [] { return Op(LangeSumme(8), '+', Pot(Op(LangeSumme(15), '*', Op(X(), '-', LangeSumme(15, 7))), 2)); }},
};

// A formula too wide for a line of its own is broken at its sums and products, inside brackets, bars and
// arguments where it must: no line reaches past the page, together the lines read exactly as the formula
// does whole, brackets and exponents included, and each line after the first stands Fortsetzungseinzug
// further in and begins with the operator sign it was broken at.
TEST_F(AusgabeTest, LangeFormelWirdAnIhrenRechenzeichenUmbrochen) {
    for (const auto& fall : LangeFormeln) {
        SCOPED_TRACE(fall.Beschreibung);
        AlleTermeFreigeben();
        InitialisiereAusgabe();
        Seitenbreite = 400;
        TTerm* T = fall.Baue();
        const std::string ganz = Lesart(*T->Folie(10));
        Schreibe("A = ");
        SchreibeTermZeile(T);
        const auto& zeilen = Zeilenliste->Zeilen;
        ASSERT_GT(zeilen.size(), 2u);
        std::string gelesen;
        for (size_t i = 0; i < zeilen.size(); ++i) {
            const TBox& box = *zeilen[i]->Box;
            EXPECT_LT(box.LinksAbstand + box.Breite, Seitenbreite - 20) << i;
            const std::string zeile = Lesart(*zeilen[i]);
            gelesen += zeile;
            if (i == 0) continue;
            EXPECT_GE(box.LinksAbstand, PunktZuPixel(Fortsetzungseinzug())) << i;
            const std::string anfang = ZerlegeInZeichen(zeile).front();
            EXPECT_TRUE(anfang == "+" || anfang == "-" || anfang == "·") << zeile;
        }
        EXPECT_EQ(gelesen, "A = " + ganz);
    }
}

// A long point list is broken between its points, each line after the first beginning with ";".
TEST_F(AusgabeTest, LangeListeWirdZwischenIhrenPunktenUmbrochen) {
    Seitenbreite = 400;
    TSListe* L =
        Liste({LangeSumme(4), LangeSumme(4, 5), LangeSumme(4, 9), LangeSumme(4, 13), LangeSumme(4, 17)});
    const std::string ganz = Lesart(*L->Folie(10));
    SchreibeMengeZeile(L);
    ASSERT_GT(Zeilenliste->Anzahl(), 1);
    std::string gelesen;
    for (const auto& zeile : Zeilenliste->Zeilen) {
        EXPECT_LT(zeile->Box->LinksAbstand + zeile->Box->Breite, Seitenbreite - 20);
        const std::string text = Lesart(*zeile);
        EXPECT_TRUE(gelesen.empty() ? text.front() == '{' : text.front() == ';') << text;
        gelesen += text;
    }
    EXPECT_EQ(gelesen, ganz);
}

// In a chain of equations the line is broken before an "=": the term after it goes whole onto a
// continuation line that begins with the "=", when it fits there.
TEST_F(AusgabeTest, GleichungsketteBrichtVorDemGleichheitszeichen) {
    Seitenbreite = 400;
    Schreibe("A");
    Schreibe(" = ");
    SchreibeTerm(LangeSumme(4));
    Schreibe(" = ");
    SchreibeTerm(LangeSumme(5, 10));
    NeueZeile();
    const auto text = Seitentext();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0].substr(0, 4), "A = ");
    EXPECT_EQ(text[0].back(), '4');
    EXPECT_EQ(text[1].substr(0, 3), " = ");
    EXPECT_GE(Zeilenliste->Zeilen[1]->Box->LinksAbstand, PunktZuPixel(Fortsetzungseinzug()));
    // A term that fits on the open line is not moved.
    InitialisiereAusgabe();
    Schreibe("A = ");
    SchreibeTermZeile(LangeSumme(3));
    EXPECT_EQ(Seitentext().size(), 1u);
}

// A message of several lines keeps its line breaks on the page: its sentences do not run together, and no
// control character is written. A message is written without markup, word by word so that it wraps.
TEST_F(AusgabeTest, MeldungMitZeilenumbruechen) {
    const std::string P = "Term: |x| syntaktisch nicht OK";
    const std::string R = "Betragsstriche | kennt die Eingabe nicht";
    for (const std::string umbruch : {"\n\r", "\r\n", "\n"}) {
        InitialisiereAusgabe();
        SchreibeZeile(P + umbruch + R);
        SchreibeMeldung("Grund: " + P + umbruch + R + " x*i<2>");
        NeueZeile();
        EXPECT_EQ(Seitentext(), (std::vector<std::string>{P, R, "Grund: " + P, R + " x*i<2>"}));
    }
    InitialisiereAusgabe();
    Seitenbreite = 200;
    SchreibeMeldung(P + " " + R);
    NeueZeile();
    const auto zeilen = Seitentext();
    EXPECT_GT(zeilen.size(), 2u);
    std::string ganz;
    for (const auto& z : zeilen) ganz += z;
    EXPECT_EQ(ganz, P + " " + R);
    for (const auto& z : Zeilenliste->Zeilen) EXPECT_LT(z->Box->LinksAbstand + z->Box->Breite, 200 - 20);
    // A plain text too wide for a line of its own wraps between its words too; a text that fits stays whole.
    InitialisiereAusgabe();
    Seitenbreite = 200;
    SchreibeZeile(P + " " + R);
    SchreibeZeile("Kurz und gut.");
    const auto text = Seitentext();
    ASSERT_GT(text.size(), 3u);
    EXPECT_EQ(text.back(), "Kurz und gut.");
    for (const auto& z : Zeilenliste->Zeilen) EXPECT_LT(z->Box->LinksAbstand + z->Box->Breite, 200 - 20);
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

// Short limits are centred at the foot and head of the integral sign; when one is long, both stand right of
// the sign, so that what follows the integral begins right after the limits instead of half a limit away
// from an empty sign.
// The brackets in a typeset line, counted through its groups.
Int32 Klammern(const TFolie& F) {
    Int32 n = F.Art == ArtKlammer ? 1 : 0;
    if (const auto* liste = dynamic_cast<const TListenFolie*>(&F))
        for (const auto& kind : liste->Liste) n += Klammern(*kind);
    return n;
}

// A sum after an integral sign is its integrand, bracketed in front of "dx"; a product or a power is not, and
// a sum written anywhere else is not either.
TEST_F(AusgabeTest, SummeAlsIntegrandInKlammern) {
    const std::tuple<const char*, bool, bool> faelle[] = {
        {"x^3-3*x", true, true},   {"x^2+1", true, true},   {"-x+2", true, true},
        {"3*x*e^x", true, false},  {"x^3", true, false},    {"(x^2-1)/(x-2)", true, false},
        {"x^3-3*x", false, false}, {"sin(x)", true, false},
    };
    for (const auto& [text, nachZeichen, geklammert] : faelle) {
        SCOPED_TRACE(::testing::Message() << text << (nachZeichen ? " nach dem Integralzeichen" : " allein"));
        InitialisiereAusgabe();
        if (nachZeichen) SchreibeIntegralzeichen(K(0), K(1));
        const Int32 vorher = Klammern(*AktuelleZeile);
        TTerm* T = Lies(text);
        SchreibeTerm(T);
        Schreibe(" dx");
        const Int32 eigene = Klammern(*T->Folie(10));
        EXPECT_EQ(Klammern(*AktuelleZeile) - vorher - eigene, geklammert ? 2 : 0);
        // Only the term right after the sign is its integrand.
        SchreibeTerm(T);
        EXPECT_EQ(Klammern(*AktuelleZeile) - vorher - 2 * eigene, geklammert ? 2 : 0);
    }
}

TEST_F(AusgabeTest, LangeIntegralgrenzenStehenRechtsVomZeichen) {
    const std::tuple<const char*, TTerm* (*)(), TTerm* (*)(), bool> faelle[] = {
        {"-2 to 2", [] { return K(-2); }, [] { return K(2); }, false},
        {"0 to a long sum", [] { return K(0); }, [] { return LangeSumme(5); }, true},
        {"a long sum to 1", [] { return LangeSumme(5); }, [] { return K(1); }, true},
    };
    for (const auto& [name, a, b, seitlich] : faelle) {
        SCOPED_TRACE(name);
        InitialisiereAusgabe();
        SchreibeIntegralzeichen(a(), b());
        ZeichneBei(*AktuelleZeile, 0, 100);
        const auto linien = L.AufrufeDerArt(TAufrufart::Linie);
        ASSERT_EQ(linien.size(), 1u);
        const Int32 stiel = linien[0].Punkte[0].x;
        Int32 links = std::numeric_limits<Int32>::max(), rechts = 0, obenUnten = 0, untenOben = 1 << 20;
        for (const auto& t : L.AufrufeDerArt(TAufrufart::Text)) {
            links = std::min(links, t.Stift.x);
            rechts = std::max(rechts, t.Stift.x + t.Mass.Breite);
            if (t.Stift.y < 100) obenUnten = std::max(obenUnten, t.Stift.y + t.Mass.Hoehe);
            if (t.Stift.y > 100) untenOben = std::min(untenOben, t.Stift.y);
        }
        const TBox& box = *AktuelleZeile->Box;
        if (seitlich) {
            EXPECT_GT(links, stiel);
            EXPECT_LE(box.LinksAbstand + box.Breite + box.RechtsAbstand, rechts + 1);
        } else {
            EXPECT_LT(links, stiel);
        }
        // The limits do not run into each other.
        EXPECT_TRUE(obenUnten > 0 && untenOben < (1 << 20));
        EXPECT_LE(obenUnten, untenOben);
    }
}

// The text cells drawn, each as its rectangle (right and bottom exclusive).
std::vector<TRechteck> Textzellen(const std::vector<TZeichenaufruf>& Aufrufe, size_t ab = 0) {
    std::vector<TRechteck> r;
    for (size_t i = ab; i < Aufrufe.size(); ++i)
        if (Aufrufe[i].Art == TAufrufart::Text && Aufrufe[i].Text.find_first_not_of(' ') != std::string::npos)
            r.push_back({Aufrufe[i].Stift.x, Aufrufe[i].Stift.y, Aufrufe[i].Stift.x + Aufrufe[i].Mass.Breite,
                         Aufrufe[i].Stift.y + Aufrufe[i].Mass.Hoehe});
    return r;
}

// What follows an evaluation bracket or an integral sign on its line: after short limits it stands behind
// them; after a long limit it follows the sign as after short ones ("= ..." is not pushed to the limit's far
// end) where it passes the limit, and stands behind the limits where it would run into one. Nothing that
// follows overlaps what the sign and its limits drew.
TEST_F(AusgabeTest, WasGrenzenFolgtStehtAmZeichen) {
    auto bruchturm = [] { return Op(K(1), '/', Op(K(1), '/', Op(K(1), '/', Op(X(), '+', K(2))))); };
    const struct {
        const char* Name;
        bool Integral;
        TTerm* (*A)();
        TTerm* (*B)();
        // What follows is a tall term rather than " = 1/4".
        bool Hoch;
        // The "=" stands left of the limits' far end.
        bool AmZeichen;
    } faelle[] = {
        {"short limits", false, [] { return K(-2); }, [] { return K(2); }, false, false},
        {"long lower limit", false, [] { return LangeSumme(5); }, [] { return K(2); }, false, true},
        {"long upper limit", false, [] { return K(-2); }, [] { return LangeSumme(5); }, false, true},
        {"both long", false, [] { return LangeSumme(5); }, [] { return LangeSumme(6); }, false, true},
        // The tower reaches down into the lower limit: "=" and the term stand behind the limits together.
        {"long lower limit, tall term", false, [] { return LangeSumme(5); }, [] { return K(2); }, true,
         false},
        {"long upper limit, tall term", false, [] { return K(-2); }, [] { return LangeSumme(5); }, true,
         true},
        {"integral, long upper limit, tall term", true, [] { return K(0); }, [] { return LangeSumme(5); },
         true, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        // The calls that the sign and its limits make, drawn alone first.
        size_t gruppe = 0;
        for (const bool folgt : {false, true}) {
            InitialisiereAusgabe();
            L.Aufrufe.clear();
            if (f.Integral)
                SchreibeIntegralzeichen(f.A(), f.B());
            else
                SchreibeAuswertung(Op(Op(K(1, 4), '*', Pot(X(), 4)), '-', X()), f.A(), f.B());
            if (folgt) {
                Schreibe(" = ");
                if (f.Hoch)
                    SchreibeTerm(bruchturm());
                else
                    SchreibeTerm(K(1, 4));
            }
            ZeichneBei(*AktuelleZeile, 0, 300);
            if (!folgt) {
                gruppe = L.Aufrufe.size();
                continue;
            }
            const std::vector<TRechteck> zeichen =
                Textzellen({L.Aufrufe.begin(), L.Aufrufe.begin() + gruppe});
            const std::vector<TRechteck> danach = Textzellen(L.Aufrufe, gruppe);
            ASSERT_FALSE(danach.empty());
            Int32 ende = 0;
            for (const TRechteck& z : zeichen) ende = std::max(ende, z.Rechts);
            for (const TRechteck& d : danach)
                for (const TRechteck& z : zeichen)
                    EXPECT_FALSE(d.Links < z.Rechts && z.Links < d.Rechts && d.Oben < z.Unten &&
                                 z.Oben < d.Unten)
                        << d.Links << "," << d.Oben << " in " << z.Links << "," << z.Oben << "-" << z.Rechts
                        << "," << z.Unten;
            EXPECT_EQ(danach.front().Links < ende, f.AmZeichen) << danach.front().Links << " / " << ende;
            // The line's box holds all that was drawn, and goes on behind what follows.
            const TBox& box = *AktuelleZeile->Box;
            for (const TRechteck& d : danach) EXPECT_LE(d.Rechts, box.LinksAbstand + box.Breite + 1);
            EXPECT_GE(box.LinksAbstand + box.Breite + 1, ende);
        }
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

// An interval is written in one form, as an interval set reads: "[a;b]", infinite ends open.
TEST_F(AusgabeTest, Intervalle) {
    const std::tuple<TTerm*, TTerm*, const char*> faelle[] = {{nullptr, nullptr, "]-∞;∞["},
                                                              {K(0), K(1), "[0;1]"},
                                                              {nullptr, K(2), "]-∞;2]"},
                                                              {K(-1), nullptr, "[-1;∞["}};
    for (const auto& [a, b, text] : faelle) {
        InitialisiereAusgabe();
        SchreibeIntervall(a, b);
        EXPECT_EQ(Offen(), text);
        auto menge = Iv(a, a == nullptr, b, b == nullptr)->Folie(10);
        EXPECT_EQ(Lesart(*AktuelleZeile), Lesart(*menge));
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
