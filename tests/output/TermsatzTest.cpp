// Typesetting of terms and sets: what is written, and where brackets appear.
#include "output/Termsatz.h"

#include "algebra/LineareGleichungssysteme.h"
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
    {"x - (a + b)", [] { return Op(X(), '-', Op(Name("a"), '+', Name("b"))); }, "x-(a+b)"},
    {"a - (b - c)", [] { return Op(Name("a"), '-', Op(Name("b"), '-', Name("c"))); }, "a-(b-c)"},
    {"a + (-3)", [] { return Op(Name("a"), '+', K(-3)); }, "a+(-3)"},
    {"a * ((-1) * x)", [] { return Op(Name("a"), '*', Op(K(-1), '*', X())); }, "a·(-x)"},
    {"a + (-2) * x", [] { return Op(Name("a"), '+', Op(K(-2), '*', X())); }, "a+(-2·x)"},
    {"a + ((-2) * x - b)", [] { return Op(Name("a"), '+', Op(Op(K(-2), '*', X()), '-', Name("b"))); },
     "a+(-2·x-b)"},
    {"a + ((-3 + x) + b)", [] { return Op(Name("a"), '+', Op(Op(K(-3), '+', X()), '+', Name("b"))); },
     "a+(-3+x+b)"},
    {"a + (2 * x - b)", [] { return Op(Name("a"), '+', Op(Op(K(2), '*', X()), '-', Name("b"))); }, "a+2·x-b"},
    {"(-1) * (a + b)", [] { return Op(K(-1), '*', Op(Name("a"), '+', Name("b"))); }, "-(a+b)"},
    {"(a + b) * c", [] { return Op(Op(Name("a"), '+', Name("b")), '*', Name("c")); }, "(a+b)·c"},
    {"(x + 1)^2", [] { return Pot(Op(X(), '+', K(1)), 2); }, "(x+1)^2"},
    {"(2 * x)^3", [] { return Pot(Op(K(2), '*', X()), 3); }, "(2·x)^3"},
    {"(-2)^2", [] { return Pot(K(-2), 2); }, "(-2)^2"},
    {"sin(x)^2", [] { return Pot(Fkt("sin", X()), 2); }, "sin(x)^2"},
    {"abs(x - 1)", [] { return Fkt("abs", Op(X(), '-', K(1))); }, "|x-1|"},
    {"sqrt(x + 1)", [] { return Fkt("sqrt", Op(X(), '+', K(1))); }, "√x+1"},
    {"exp(2 * x)", [] { return Fkt("exp", Op(K(2), '*', X())); }, "e^2^·^x"},
    {"2^(x + 1)",
     []() -> TTerm* {
         return Neu<TAllgemeineExponentialFunktion>(TBruch{2, 1}, Op(X(), '+', K(1)));
     },
     "2x+1"},
};

// Every case reads as given, its plain text is the reading without brackets, bars, root signs and exponent
// marks, and its ink lies in its box (brackets reach one pixel beyond with their hooks at most).
TEST_F(TermsatzTest, LesartKlammernUndTinte) {
    for (const auto& fall : SatzFaelle) {
        AlleTermeFreigeben();
        std::unique_ptr<TFolie> F = Satz(fall.Baue());
        ASSERT_NE(F, nullptr) << fall.Beschreibung;
        EXPECT_EQ(Lesart(*F), fall.Lesart) << fall.Beschreibung;
        std::string ohne;
        for (const std::string& z : ZerlegeInZeichen(fall.Lesart))
            if (z != "(" && z != ")" && z != "|" && z != "√" && z != "^") ohne += z;
        EXPECT_EQ(F->Klartext(), ohne) << fall.Beschreibung;
        EXPECT_TRUE(Enthaelt(BoxBei(*F->Box, 0, 100), ZeichneBei(*F, 0, 100), 1)) << fall.Beschreibung;
    }
}

// 1 + sqrt(2) counts as a sum, -sqrt(2) as negative: both are bracketed after a sign.
TEST_F(TermsatzTest, RadikalkonstantenWerdenNachVorzeichenGeklammert) {
    TRadikal summe = Einzelradikal(BruchEins, 1, 2, 2);
    summe.Polynom.Koeff[0] = Eins;
    const std::string s = Lesart(*Satz(Op(Name("a"), '*', RadikalKonstante(summe))));
    EXPECT_TRUE(s.substr(0, 4) == "a·(" && s.back() == ')') << s;
    const std::string n =
        Lesart(*Satz(Op(Name("a"), '+', RadikalKonstante(Einzelradikal(BruchMinusEins, 1, 2, 2)))));
    EXPECT_TRUE(n.substr(0, 3) == "a+(" && n.back() == ')') << n;
}

// A constant power with a fractional exponent reads as the radical constant that the radicals' own power
// arithmetic makes of it: one number is never a root in one place and a power in another. A variable base
// keeps its exponent.
TEST_F(TermsatzTest, KonstantePotenzWieIhrRadikal) {
    const std::tuple<Int64, Int64, Int64> faelle[] = {{3, 1, 2}, {2, 3, 2},  {3, -1, 2}, {2, 2, 3},
                                                      {5, 7, 4}, {7, -5, 3}, {6, 1, 15}};
    for (const auto& [b, z, n] : faelle) {
        AlleTermeFreigeben();
        TTerm* p = Pot(K(b), z, n);
        ASSERT_TRUE(IstPotenz(p)) << b << "^" << z << "/" << n;
        const std::string potenz = Lesart(*Satz(p));
        EXPECT_EQ(potenz, Lesart(*RadikalKonstanteAusTerm(p)->Folie(10))) << b << "^" << z << "/" << n;
        EXPECT_NE(potenz.find("√"), std::string::npos) << potenz;
    }
    EXPECT_EQ(Lesart(*Satz(Pot(X(), 1, 2))), "x^1^2");
}

// Radical constants read as the sum of their rational coefficients times powers of the root (fraction bars
// are not read: 12 is 1/2).
TEST_F(TermsatzTest, RadikalkonstanteAlsSummeDerPotenzenDerWurzel) {
    const std::pair<const char*, const char*> faelle[] = {{"2,2;1,3", "1+3·√2"},
                                                          {"2,2;1,(-1)", "1-√2"},
                                                          {"2,2;0,(-1)", "-√2"},
                                                          {"3,2;0,(1/2)", "12·√3"},
                                                          {"2,3;(-1/2),0,4", "-12+4·√^32^2"},
                                                          {"5,4;0,0,0,1", "√^45^3"},
                                                          {"1,1;(-3/4)", "-34"},
                                                          {"7,2;0", "0"}};
    for (const auto& [innen, lesart] : faelle) {
        TRadikal r;
        StrToRadikal(innen, r);
        EXPECT_EQ(Lesart(*RadikalKonstante(r)->Folie(10)), lesart) << innen;
    }
}

// T1 and T2 that agree at 0 give three rows, with the middle one simplified; otherwise two. The condition c
// replaces x in the branches; one brace stands left of everything.
TEST_F(TermsatzTest, StueckweiseTermeMitZweiOderDreiZeilen) {
    TTerm* c = Op(X(), '+', K(1));
    const std::pair<TJoin*, const char*> faelle[] = {
        {Neu<TJoin>(X(), c, Op(X(), '*', X())), "x+1 für x+1 < 00 für x+1 = 0x+1·x+1 für x+1 > 0"},
        {Neu<TJoin>(K(1), c, X()), "1 für x+1 < 0x+1 für x+1 > 0"},
        {Neu<TJoin>(Op(X(), '+', K(1)), X(), Op(K(1), '+', X())), "x+1 für x < 01 für x = 01+x für x > 0"},
    };
    for (const auto& [J, text] : faelle) {
        auto F = JoinFolie(J, 10);
        EXPECT_EQ(F->Klartext(), text);
        ZeichneBei(*F, 0, 100);
        std::vector<TZeichenaufruf> klammer;
        for (const auto& k : L.AufrufeDerArt(TAufrufart::Polylinie))
            if (k.Punkte.size() == 7) klammer.push_back(k);
        ASSERT_EQ(klammer.size(), 1u);
        for (const auto& a : L.AufrufeDerArt(TAufrufart::Text))
            EXPECT_GT(a.Stift.x, klammer[0].Punkte[1].x) << a.Text;
    }
}

// ---- sets ----

// Sets read with their brackets: a difference on the right of a difference, and unions and differences
// inside an intersection or a union where the order matters, are bracketed.
TEST_F(TermsatzTest, Mengen) {
    auto M = [](TMenge* a, char op, TMenge* b) -> TMenge* { return Neu<TOperatorMenge>(a, op, b); };
    TIMenge* kette = Neu<TIMenge>(Iv(nullptr, true, K(0), true));
    kette->Anhaengen(Iv(K(1), false, K(2), true));
    kette->Anhaengen(Iv(K(3), true, nullptr, true));
    const std::pair<TMenge*, const char*> faelle[] = {
        {LeereMenge, "∅"},
        {MengeN, "IN"},
        {Neu<TStelle>(K(2), 1), "{2}"},
        {Liste({K(-1), X(), K(3)}), "{-1;x;3}"},
        {Liste({}), "{}"},
        {Iv(K(0), true, K(1), false), "]0;1]"},
        {Iv(K(2), false, nullptr, false), "[2;∞["},
        {M(MengeN, 'n', M(MengeZ, 'v', MengeQ)), "IN∩(Z∪Q)"},
        {M(M(MengeN, 'v', MengeZ), 'n', MengeQ), "(IN∪Z)∩Q"},
        {M(MengeN, 'v', M(MengeZ, 'n', MengeQ)), "IN∪Z∩Q"},
        {M(MengeN, 'v', M(MengeZ, '\\', MengeQ)), "IN∪(Z\\Q)"},
        {M(M(MengeN, '\\', MengeZ), 'n', MengeQ), "(IN\\Z)∩Q"},
        {M(MengeN, '\\', M(MengeZ, 'v', MengeQ)), "IN\\Z∪Q"},
        {M(M(MengeN, '\\', MengeZ), '\\', MengeQ), "IN\\Z\\Q"},
        {M(MengeN, '\\', M(MengeZ, '\\', MengeQ)), "IN\\(Z\\Q)"},
        {kette, "]-∞;0[∪[1;2[∪]3;∞["},
    };
    for (const auto& [menge, lesart] : faelle) {
        auto F = menge->Folie(10);
        ASSERT_NE(F, nullptr) << lesart;
        EXPECT_EQ(Lesart(*F), lesart);
        EXPECT_TRUE(Enthaelt(BoxBei(*F->Box, 0, 100), ZeichneBei(*F, 0, 100), 1)) << lesart;
    }
}

// A row label: a factor 1 is left out, one that is a sum stands in brackets before its row number.
TEST_F(TermsatzTest, ZeilenmarkeKlammertSummenfaktoren) {
    TTerm* summe = Op(X(), '+', K(1));
    const std::pair<TZeilenOperation, const char*> faelle[] = {
        {{3, 2, Eins, summe}, "[3]+(x+1)[2]"},
        {{3, 2, summe, Op(K(-2), '*', summe)}, "(x+1)[3]-2·(x+1)[2]"},
        {{3, 2, K(2), Op(K(-1), '*', X())}, "2[3]-x[2]"},
        {{2, 1, Eins, K(-1)}, "[2]-[1]"},
        {{2, 0, Eins, nullptr}, "[2]"},
        {{0, 1, nullptr, K(-3)}, "-3[1]"},
    };
    for (const auto& [marke, lesart] : faelle) {
        L.Aufrufe.clear();
        EXPECT_EQ(Lesart(*ZeilenMarkenFolie(marke, 10)), lesart);
    }
}

} // namespace
} // namespace zol
