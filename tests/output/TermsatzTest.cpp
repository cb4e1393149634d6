// Typesetting of terms and sets: what is written, and where brackets appear.
#include "output/Termsatz.h"

#include "algebra/Vereinfachung.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/Wurzeln.h"
#include "tests/output/SatzTestBasis.h"

namespace zol {
namespace {

using TermsatzTest = SatzTest;

TTerm* Fkt(const char* name, TTerm* a) {
    return StandardFunktionTerm(name, a);
}

// The folie of any term, through the free functions for the classes that forward to them.
std::unique_ptr<TFolie> Satz(TTerm* T, Single G = 10) {
    if (auto* p = AlsPotenzTerm(T)) return PotenzFolie(p, G);
    if (auto* a = AlsAllgemeineExponentialFunktion(T)) return AllgemeineExponentialFolie(a, G);
    if (auto* j = AlsJoin(T)) return JoinFolie(j, G);
    return T->Folie(G);
}

struct TSatzfall {
    const char* Beschreibung;
    TTerm* (*Baue)();
    const char* Lesart;
};

// Operator terms, constants and functions read as one line with their brackets.
const TSatzfall SatzFaelle[] = {
    {"Variable", [] { return X(); }, "x"},
    {"Null", [] { return K(0); }, "0"},
    {"negative ganze Zahl", [] { return K(-3); }, "-3"},
    {"benannte Konstante", [] { return Name("a"); }, "a"},
    {"pi", [] { return Name("pi"); }, "π"},
    {"reelle Konstante", [] { return ReelleKonstante(2.5L); }, "2,5"},
    {"x - (a + b)", [] { return Op(X(), '-', Op(Name("a"), '+', Name("b"))); }, "x-(a+b)"},
    {"(a + b) - c", [] { return Op(Op(Name("a"), '+', Name("b")), '-', Name("c")); }, "a+b-c"},
    {"(a + b) + c", [] { return Op(Op(Name("a"), '+', Name("b")), '+', Name("c")); }, "a+b+c"},
    {"a + (b - c)", [] { return Op(Name("a"), '+', Op(Name("b"), '-', Name("c"))); }, "a+b-c"},
    {"a - (b - c)", [] { return Op(Name("a"), '-', Op(Name("b"), '-', Name("c"))); }, "a-(b-c)"},
    {"a + (-3)", [] { return Op(Name("a"), '+', K(-3)); }, "a+(-3)"},
    {"a - (-3)", [] { return Op(Name("a"), '-', K(-3)); }, "a-(-3)"},
    {"a * (-3)", [] { return Op(Name("a"), '*', K(-3)); }, "a·(-3)"},
    {"a * ((-1) * x)", [] { return Op(Name("a"), '*', Op(K(-1), '*', X())); }, "a·(-x)"},
    {"a + (-2) * x", [] { return Op(Name("a"), '+', Op(K(-2), '*', X())); }, "a+(-2·x)"},
    {"(-1) * x", [] { return Op(K(-1), '*', X()); }, "-x"},
    {"(-2) * x", [] { return Op(K(-2), '*', X()); }, "-2·x"},
    {"(-1) * (a + b)", [] { return Op(K(-1), '*', Op(Name("a"), '+', Name("b"))); }, "-(a+b)"},
    {"(a + b) * c", [] { return Op(Op(Name("a"), '+', Name("b")), '*', Name("c")); }, "(a+b)·c"},
    {"c * (a - b)", [] { return Op(Name("c"), '*', Op(Name("a"), '-', Name("b"))); }, "c·(a-b)"},
    {"(a - b) * (a + b)",
     [] { return Op(Op(Name("a"), '-', Name("b")), '*', Op(Name("a"), '+', Name("b"))); }, "(a-b)·(a+b)"},
    {"a * (b * c)", [] { return Op(Name("a"), '*', Op(Name("b"), '*', Name("c"))); }, "a·b·c"},
    {"(a * b) - c", [] { return Op(Op(Name("a"), '*', Name("b")), '-', Name("c")); }, "a·b-c"},
    {"pi * x", [] { return Op(Name("pi"), '*', X()); }, "π·x"},
    {"x^2", [] { return Pot(X(), 2); }, "x^2"},
    {"x^(-1)", [] { return Pot(X(), -1); }, "x^-1"},
    {"(x + 1)^2", [] { return Pot(Op(X(), '+', K(1)), 2); }, "(x+1)^2"},
    {"(2 * x)^3", [] { return Pot(Op(K(2), '*', X()), 3); }, "(2·x)^3"},
    {"(-2)^2", [] { return Pot(K(-2), 2); }, "(-2)^2"},
    {"2^x nicht, aber 2^3", [] { return Pot(K(2), 3); }, "2^3"},
    {"(x^2)^3", [] { return Pot(Pot(X(), 2), 3); }, "(x^2)^3"},
    {"a * x^2", [] { return Op(Name("a"), '*', Pot(X(), 2)); }, "a·x^2"},
    {"(a + b) * x^2", [] { return Op(Op(Name("a"), '+', Name("b")), '*', Pot(X(), 2)); }, "(a+b)·x^2"},
    {"sin(x)", [] { return Fkt("sin", X()); }, "sin(x)"},
    {"arctan(x + 1)", [] { return Fkt("arctan", Op(X(), '+', K(1))); }, "arctan(x+1)"},
    {"ln(x^2)", [] { return Fkt("ln", Pot(X(), 2)); }, "ln(x^2)"},
    {"sin(x)^2", [] { return Pot(Fkt("sin", X()), 2); }, "sin(x)^2"},
    {"abs(x - 1)", [] { return Fkt("abs", Op(X(), '-', K(1))); }, "|x-1|"},
    {"sqrt(x)", [] { return Fkt("sqrt", X()); }, "√x"},
    {"sqrt(x + 1)", [] { return Fkt("sqrt", Op(X(), '+', K(1))); }, "√x+1"},
    {"exp(x)", [] { return Fkt("exp", X()); }, "e^x"},
    {"exp(2 * x)", [] { return Fkt("exp", Op(K(2), '*', X())); }, "e^2^·^x"},
    {"exp(1)", [] { return Fkt("exp", K(1)); }, "e"},
    {"x - sin(x)", [] { return Op(X(), '-', Fkt("sin", X())); }, "x-sin(x)"},
    {"Quadratwurzel als Wurzelterm", [] { return WurzelTerm(X(), 2); }, "√x"},
    {"2^x",
     []() -> TTerm* {
         return Neu<TAllgemeineExponentialFunktion>(TBruch{2, 1}, X());
     },
     "2x"},
    {"3^1",
     []() -> TTerm* {
         return Neu<TAllgemeineExponentialFunktion>(TBruch{3, 1}, K(1));
     },
     "3"},
    {"(1/2)^1",
     []() -> TTerm* {
         return Neu<TAllgemeineExponentialFunktion>(TBruch{1, 2}, K(1));
     },
     "(12)"},
    {"2^(x + 1)",
     []() -> TTerm* {
         return Neu<TAllgemeineExponentialFunktion>(TBruch{2, 1}, Op(X(), '+', K(1)));
     },
     "2x+1"},
};

// Cases whose nested powers or functions do not typeset themselves yet are collected and the test is
// skipped after all the others were checked.
#define NOCH_OFFEN_UEBERSPRINGEN(offen)                                                                      \
    if (!(offen).empty()) GTEST_SKIP() << "noch nicht gebaut:" << (offen)

TEST_F(TermsatzTest, LesartUndKlammern) {
    std::string offen;
    for (const auto& fall : SatzFaelle) {
        AlleTermeFreigeben();
        TTerm* T = fall.Baue();
        std::unique_ptr<TFolie> F;
        try {
            F = Satz(T);
        } catch (const ENochNichtGebaut& e) {
            offen += std::string(" ") + fall.Beschreibung + " (" + e.what() + ")";
            continue;
        }
        ASSERT_NE(F, nullptr) << fall.Beschreibung;
        EXPECT_EQ(Lesart(*F), fall.Lesart) << fall.Beschreibung;
        // The plain text is the reading without brackets, bars, root signs and exponent marks.
        std::string ohne;
        for (const std::string& z : ZerlegeInZeichen(fall.Lesart))
            if (z != "(" && z != ")" && z != "|" && z != "√" && z != "^") ohne += z;
        EXPECT_EQ(F->Klartext(), ohne) << fall.Beschreibung;
    }
    NOCH_OFFEN_UEBERSPRINGEN(offen);
}

TEST_F(TermsatzTest, DieTintePasstInDieBox) {
    std::string offen;
    for (const auto& fall : SatzFaelle) {
        AlleTermeFreigeben();
        std::unique_ptr<TFolie> F;
        try {
            F = Satz(fall.Baue());
        } catch (const ENochNichtGebaut& e) {
            offen += std::string(" ") + fall.Beschreibung;
            continue;
        }
        TRechteck tinte = ZeichneBei(*F, 0, 100);
        // Brackets reach one pixel beyond the cell with their hooks at most.
        EXPECT_TRUE(Enthaelt(BoxBei(*F->Box, 0, 100), tinte, 1)) << fall.Beschreibung;
    }
    NOCH_OFFEN_UEBERSPRINGEN(offen);
}

TEST_F(TermsatzTest, DieSchriftgroesseWirdWeitergegeben) {
    auto F = Satz(Op(Op(Name("a"), '+', Name("b")), '*', Op(Name("c"), '-', X())), 20);
    ZeichneBei(*F, 0, 100);
    for (const auto& t : L.AufrufeDerArt(TAufrufart::Text)) EXPECT_EQ(t.Schrift.Groesse, 20) << t.Text;
    // Operands and signs are P(0.2 * 20) = 5 apart: the sign after "a" starts 5 right of a's cell.
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[1].Stift.x - (t[0].Stift.x + t[0].Mass.Breite), P(0.2 * 20));
}

TEST_F(TermsatzTest, VariableImAktuellenBuchstaben) {
    Variablenbuchstabe = 'u';
    EXPECT_EQ(Satz(Op(X(), '+', K(1)))->Klartext(), "u+1");
    Variablenbuchstabe = 'x';
    EXPECT_EQ(Satz(X())->Klartext(), "x");
}

TEST_F(TermsatzTest, BruecheAlsBruchstrich) {
    struct Fall {
        TTerm* (*Baue)();
        const char* Zaehler;
        const char* Nenner;
    };
    const Fall faelle[] = {
        {[] { return K(3, 4); }, "3", "4"},
        // the sign stands in the numerator
        {[] { return K(-3, 4); }, "-3", "4"},
        {[] { return Op(Op(Name("a"), '+', Name("b")), '/', Name("c")); }, "a+b", "c"},
        {[] { return Op(X(), '/', Op(X(), '-', K(1))); }, "x", "x-1"},
    };
    for (const auto& f : faelle) {
        AlleTermeFreigeben();
        auto F = Satz(f.Baue());
        ZeichneBei(*F, 0, 100);
        auto striche = L.AufrufeDerArt(TAufrufart::Linie);
        ASSERT_EQ(striche.size(), 1u) << f.Zaehler;
        EXPECT_TRUE(L.AufrufeDerArt(TAufrufart::Polylinie).empty()) << "keine Klammern um " << f.Zaehler;
        const Int32 balken = striche[0].Punkte[0].y;
        std::string oben, unten;
        for (const auto& t : L.AufrufeDerArt(TAufrufart::Text)) {
            if (t.Stift.y + t.Mass.Hoehe <= balken)
                oben += t.Text;
            else if (t.Stift.y >= balken)
                unten += t.Text;
            else
                ADD_FAILURE() << t.Text << " liegt auf dem Bruchstrich";
        }
        EXPECT_EQ(oben, f.Zaehler);
        EXPECT_EQ(unten, f.Nenner);
    }
}

TEST_F(TermsatzTest, ExponentKleinUndHochgestellt) {
    auto basis = Satz(X());
    const TBox b = *basis->Box;
    auto F = Satz(Pot(X(), 3));
    ZeichneBei(*F, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(t.size(), 2u);
    // the exponent at two thirds of the size, rounded: 7 points
    EXPECT_EQ(t[1].Schrift.Groesse, 7);
    // its bottom P(7) = 9 below the base's top, P(2) = 3 right of the base's ink
    const Int32 basisOben = 100 - b.Oben;
    EXPECT_EQ(t[1].Stift.y + H(7), basisOben + P(7));
    EXPECT_EQ(t[1].Stift.x, t[0].Stift.x + W(10) + P(2));
}

TEST_F(TermsatzTest, GebrochenerExponentAlsKleinerBruch) {
    auto F = Satz(Pot(X(), 1, 2));
    ZeichneBei(*F, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    auto s = L.AufrufeDerArt(TAufrufart::Linie);
    ASSERT_EQ(t.size(), 3u);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(t[0].Text, "x");
    EXPECT_EQ(t[1].Text, "1");
    EXPECT_EQ(t[2].Text, "2");
    EXPECT_EQ(t[1].Schrift.Groesse, 7);
    EXPECT_EQ(t[2].Schrift.Groesse, 7);
    // 1 over the bar over 2, all above the base's baseline
    EXPECT_LT(t[1].Stift.y, s[0].Punkte[0].y);
    EXPECT_GT(t[2].Stift.y, s[0].Punkte[0].y);
    EXPECT_LT(s[0].Punkte[0].y, 100);
}

TEST_F(TermsatzTest, BruchbasisEinerPotenzGeklammert) {
    auto F = Satz(Pot(K(1, 2), 3));
    ZeichneBei(*F, 0, 100);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(k.size(), 2u);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(t.size(), 3u);
    // the exponent right of the closing bracket
    EXPECT_GT(t[2].Stift.x, k[1].Punkte[1].x);
    EXPECT_EQ(t[2].Text, "3");
}

TEST_F(TermsatzTest, AllgemeineExponentialfunktionMitBruchbasis) {
    // (1/2)^x: the fraction base in brackets, x at the full size at its upper right
    auto F = Satz(Neu<TAllgemeineExponentialFunktion>(TBruch{1, 2}, X()));
    EXPECT_EQ(F->Klartext(), "12x");
    ZeichneBei(*F, 0, 100);
    auto k = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(k.size(), 2u);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[2].Text, "x");
    EXPECT_EQ(t[2].Schrift.Groesse, 10);
    // P(2) right of the closing bracket's box, which is P(2) wide to the right of its stroke
    EXPECT_EQ(t[2].Stift.x, k[1].Punkte[1].x + P(2) + P(2));
    // its bottom P(7) below the top of the bracketed base
    const Int32 basisOben = std::min(k[0].Punkte[3].y, t[0].Stift.y);
    EXPECT_EQ(t[2].Stift.y + H(10), basisOben + P(7));
}

TEST_F(TermsatzTest, Radikalkonstanten) {
    // 1 + sqrt(2) counts as a sum, -sqrt(2) as negative: both are bracketed after a sign.
    TRadikal summe = Einzelradikal(BruchEins, 1, 2, 2);
    summe.Polynom.Koeff[0] = Eins;
    TTerm* Summe = RadikalKonstante(summe);
    TTerm* Negativ = RadikalKonstante(Einzelradikal(BruchMinusEins, 1, 2, 2));
    auto F = Satz(Op(Name("a"), '*', Summe));
    const std::string s = Lesart(*F);
    EXPECT_EQ(s.substr(0, 4), "a·(") << s;
    EXPECT_EQ(s.back(), ')') << s;
    auto G = Satz(Op(Name("a"), '+', Negativ));
    const std::string n = Lesart(*G);
    EXPECT_EQ(n.substr(0, 3), "a+(") << n;
    EXPECT_EQ(n.back(), ')') << n;
}

TEST_F(TermsatzTest, WurzelMitIndex) {
    auto F = Satz(WurzelTerm(X(), 3));
    ZeichneBei(*F, 0, 100);
    auto t = L.AufrufeDerArt(TAufrufart::Text);
    ASSERT_EQ(t.size(), 2u);
    auto zeichen = L.AufrufeDerArt(TAufrufart::Polylinie);
    ASSERT_EQ(zeichen.size(), 1u);
    EXPECT_EQ(F->Klartext(), "x3");
    EXPECT_EQ(t[1].Text, "3");
    EXPECT_EQ(t[1].Schrift.Groesse, 7);
    // the index stands left of the radicand, above the root's hook
    EXPECT_LT(t[1].Stift.x, t[0].Stift.x);
    EXPECT_LT(t[1].Stift.y + t[1].Mass.Hoehe, zeichen[0].Punkte[2].y);
}

TEST_F(TermsatzTest, StueckweiseTermeMitZweiOderDreiZeilen) {
    // T1 = x and T2 = x * x agree at 0: three rows; the condition c = x + 1 replaces x in the branches.
    TTerm* c = Op(X(), '+', K(1));
    auto* stetig = Neu<TJoin>(X(), c, Op(X(), '*', X()));
    ASSERT_TRUE(stetig->Stetig);
    // T1 = 1 and T2 = x differ at 0: two rows.
    auto* sprung = Neu<TJoin>(K(1), c, X());
    ASSERT_FALSE(sprung->Stetig);

    struct Fall {
        TJoin* T;
        std::vector<std::string> Zeilen;
    };
    const Fall faelle[] = {
        {stetig, {"x+1 für x+1 < 0", "0 für x+1 = 0", "(x+1)·(x+1) für x+1 > 0"}},
        {sprung, {"1 für x+1 < 0", "x+1 für x+1 > 0"}},
    };
    for (const auto& f : faelle) {
        auto F = JoinFolie(f.T, 10);
        ASSERT_NE(F, nullptr);
        ZeichneBei(*F, 0, 100);
        // one brace left of everything
        auto klammer = L.AufrufeDerArt(TAufrufart::Polylinie);
        std::vector<TZeichenaufruf> geschweift;
        for (const auto& k : klammer)
            if (k.Punkte.size() == 7) geschweift.push_back(k);
        ASSERT_EQ(geschweift.size(), 1u);
        // The rows: texts grouped by their cell, each row left to right; the rows top to bottom.
        std::vector<std::pair<Int32, std::vector<TStueck>>> zeilen;
        for (const auto& a : L.Aufrufe) {
            if (a.Art == TAufrufart::Text) {
                EXPECT_GT(a.Stift.x, geschweift[0].Punkte[1].x) << a.Text;
                auto it = std::find_if(zeilen.begin(), zeilen.end(), [&](const auto& z) {
                    return std::abs(z.first - (a.Stift.y + a.Mass.Hoehe / 2)) < 8;
                });
                if (it == zeilen.end()) {
                    zeilen.push_back({a.Stift.y + a.Mass.Hoehe / 2, {}});
                    it = zeilen.end() - 1;
                }
                it->second.push_back({a.Stift.x, a.Text});
            } else if (a.Art == TAufrufart::Polylinie && a.Punkte.size() == 4) {
                // brackets belong to the row of their middle
                Int32 mitte = (a.Punkte[1].y + a.Punkte[2].y) / 2;
                for (auto& z : zeilen)
                    if (std::abs(z.first - mitte) < 8)
                        z.second.push_back({a.Punkte[1].x, a.Punkte[0].x > a.Punkte[1].x ? "(" : ")"});
            }
        }
        std::sort(zeilen.begin(), zeilen.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::string> gelesen;
        for (auto& z : zeilen) {
            std::stable_sort(z.second.begin(), z.second.end(),
                             [](const TStueck& a, const TStueck& b) { return a.x < b.x; });
            std::string s;
            for (const auto& st : z.second) s += st.Text;
            gelesen.push_back(s);
        }
        EXPECT_EQ(gelesen, f.Zeilen);
    }
}

TEST_F(TermsatzTest, StueckweiseMitVereinfachtemWertBeiNull) {
    // The middle row holds T1 at 0 simplified: (0 + 1) becomes 1.
    auto* J = Neu<TJoin>(Op(X(), '+', K(1)), X(), Op(K(1), '+', X()));
    ASSERT_TRUE(J->Stetig);
    auto F = JoinFolie(J, 10);
    EXPECT_EQ(F->Klartext(), "x+1 für x < 01 für x = 01+x für x > 0");
}

// ---- sets ----

TIntervall* Intervall(TTerm* a, bool aOffen, TTerm* b, bool bOffen) {
    return Neu<TIntervall>(TRand{a, aOffen}, TRand{b, bOffen});
}

TEST_F(TermsatzTest, Mengen) {
    struct Fall {
        const char* Beschreibung;
        TMenge* (*Baue)();
        const char* Lesart;
    };
    const Fall faelle[] = {
        {"leere Menge", []() -> TMenge* { return LeereMenge; }, "∅"},
        {"R", []() -> TMenge* { return MengeR; }, "IR"},
        {"N", []() -> TMenge* { return MengeN; }, "IN"},
        {"Z", []() -> TMenge* { return MengeZ; }, "Z"},
        {"Q", []() -> TMenge* { return MengeQ; }, "Q"},
        {"eine Stelle", []() -> TMenge* { return Neu<TStelle>(K(2), 1); }, "{2}"},
        {"Stellenliste",
         []() -> TMenge* {
             auto* l = Neu<TSListe>();
             l->Anzahl = 0;
             l->FuegeHinzu(K(-1), 2);
             l->FuegeHinzu(X(), 1);
             l->FuegeHinzu(K(3), 1);
             return l;
         },
         "{-1;x;3}"},
        {"leere Stellenliste",
         []() -> TMenge* {
             auto* l = Neu<TSListe>();
             l->Anzahl = 0;
             return l;
         },
         "{}"},
        {"geschlossenes Intervall", []() -> TMenge* { return Intervall(K(0), false, K(1), false); }, "[0;1]"},
        {"halboffen", []() -> TMenge* { return Intervall(K(0), true, K(1), false); }, "]0;1]"},
        {"unten unbeschränkt, oben offen", []() -> TMenge* { return Intervall(nullptr, true, K(0), true); },
         "]-∞;0["},
        {"oben unbeschränkt, Klammer nach dem Offen-Merkmal",
         []() -> TMenge* { return Intervall(K(2), false, nullptr, false); }, "[2;∞]"},
        {"Schnitt mit Vereinigung rechts",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(MengeN, 'n', Neu<TOperatorMenge>(MengeZ, 'v', MengeQ));
         },
         "IN∩(Z∪Q)"},
        {"Vereinigung links im Schnitt",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(Neu<TOperatorMenge>(MengeN, 'v', MengeZ), 'n', MengeQ);
         },
         "(IN∪Z)∩Q"},
        {"Schnitt in der Vereinigung",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(MengeN, 'v', Neu<TOperatorMenge>(MengeZ, 'n', MengeQ));
         },
         "IN∪Z∩Q"},
        {"Differenz in der Vereinigung",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(MengeN, 'v', Neu<TOperatorMenge>(MengeZ, '\\', MengeQ));
         },
         "IN∪(Z\\Q)"},
        {"Differenz im Schnitt",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(Neu<TOperatorMenge>(MengeN, '\\', MengeZ), 'n', MengeQ);
         },
         "(IN\\Z)∩Q"},
        {"Vereinigung in der Differenz",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(MengeN, '\\', Neu<TOperatorMenge>(MengeZ, 'v', MengeQ));
         },
         "IN\\Z∪Q"},
        {"Differenz links einer Differenz",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(Neu<TOperatorMenge>(MengeN, '\\', MengeZ), '\\', MengeQ);
         },
         "IN\\Z\\Q"},
        {"Differenz rechts einer Differenz",
         []() -> TMenge* {
             return Neu<TOperatorMenge>(MengeN, '\\', Neu<TOperatorMenge>(MengeZ, '\\', MengeQ));
         },
         "IN\\(Z\\Q)"},
        {"Vereinigungskette",
         []() -> TMenge* {
             auto* m = Neu<TIMenge>(Intervall(nullptr, true, K(0), true));
             m->Anhaengen(Intervall(K(1), false, K(2), true));
             m->Anhaengen(Intervall(K(3), true, nullptr, true));
             return m;
         },
         "]-∞;0[∪[1;2[∪]3;∞["},
    };
    for (const auto& f : faelle) {
        AlleTermeFreigeben();
        auto F = f.Baue()->Folie(10);
        ASSERT_NE(F, nullptr) << f.Beschreibung;
        EXPECT_EQ(Lesart(*F), f.Lesart) << f.Beschreibung;
        TRechteck tinte = ZeichneBei(*F, 0, 100);
        EXPECT_TRUE(Enthaelt(BoxBei(*F->Box, 0, 100), tinte, 1)) << f.Beschreibung;
    }
}

TEST_F(TermsatzTest, KlammernDerStelleAusDemSymbolsatz) {
    auto F = Neu<TStelle>(X(), 1)->Folie(10);
    auto* liste = dynamic_cast<TListenFolie*>(F.get());
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(liste->Liste.size(), 3u);
    auto* auf = dynamic_cast<TZeichen*>(liste->Liste[0].get());
    auto* zu = dynamic_cast<TZeichen*>(liste->Liste[2].get());
    ASSERT_NE(auf, nullptr);
    ASSERT_NE(zu, nullptr);
    EXPECT_EQ(auf->Code, 1123);
    EXPECT_EQ(zu->Code, 1125);
    // the braces of a point list are plain text
    auto* l = Neu<TSListe>();
    l->Anzahl = 0;
    l->FuegeHinzu(X(), 1);
    auto G = l->Folie(10);
    auto* gliste = dynamic_cast<TListenFolie*>(G.get());
    ASSERT_NE(gliste, nullptr);
    EXPECT_NE(dynamic_cast<TAFolie*>(gliste->Liste.front().get()), nullptr);
    EXPECT_NE(dynamic_cast<TAFolie*>(gliste->Liste.back().get()), nullptr);
}

} // namespace
} // namespace zol
