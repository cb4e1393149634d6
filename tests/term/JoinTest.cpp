// Piecewise terms: continuity, values by the condition's sign, derivative against values, equality and
// order, substitution, zeros and equations on the right side of the condition, typesetting, comments, and
// their place in the request's arena.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Termsatz.h"
#include "output/folienT.h"
#include "term/Arena.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/NurTerm.h"
#include "tests/hilfe/TestLeinwand.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Joins = ZolTest;

// T1 for a negative and T2 for a positive value of the condition.
TJoin* J(TTerm* T1, TTerm* Bedingung, TTerm* T2) {
    return Neu<TJoin>(T1, Bedingung, T2);
}

// The branches apply to the value of the condition: for c = x - 1 the branch c*c below 1, c + 10 above.
TEST_F(Joins, WerteNachDemVorzeichenDerBedingung) {
    TJoin* j = J(Op(X(), '*', X()), Op(X(), '-', Eins), Op(X(), '+', K(10)));
    for (Extended x : {-2.0L, 0.0L, 0.999L, 1.001L, 3.0L}) {
        const Extended c = x - 1;
        EXPECT_TRUE(Nahe(*Wert(j, x), c < 0 ? c * c : c + 10, 1e-12L)) << double(x);
    }
    EXPECT_FALSE(Wert(j, 1));
    // A condition or a branch without value makes the term undefined there.
    EXPECT_FALSE(Wert(J(X(), Op(Eins, '/', X()), X()), 0));
    EXPECT_FALSE(Wert(J(Op(Eins, '/', Op(X(), '+', Eins)), X(), X()), -1));
    // The sign function.
    TJoin* s = static_cast<TJoin*>(Lies("-1;1"));
    EXPECT_FALSE(Wert(s, 0));
    EXPECT_TRUE(Wert(s, -1e-9L) == -1 && Wert(s, 1e-9L) == 1);
    TTerm* p = Lies("x;x^2");
    for (Extended x : {-1.0L, 2.0L, 0.0L, -1e-3L, 1e-3L})
        EXPECT_TRUE(Nahe(*Wert(p, x), x < 0 ? x : x * x)) << double(x);
}

TEST_F(Joins, AbleitungGegenWerte) {
    // Unsimplified branches; not continuous at 0, where it has no value.
    TJoin* j = J(X(), X(), Op(X(), '*', X()));
    TTerm* d = j->Ableitung();
    ASSERT_TRUE(IstJoin(d));
    EXPECT_FALSE(static_cast<TJoin*>(d)->Stetig);
    EXPECT_FALSE(Wert(d, 0));
    EXPECT_TRUE(IstAbleitung(d, j, {-2.0L, -0.5L, 0.25L, 3.0L}));
    // Another condition: the chain rule multiplies by its derivative.
    TJoin* k = J(Op(X(), '*', X()), Op(Drei, '*', X()), Op(X(), '*', Op(X(), '*', X())));
    EXPECT_TRUE(IstAbleitung(k->Ableitung(), k, {-2.0L, -0.5L, 0.25L, 1.5L}, 1e-5L));
}

TEST_F(Joins, EinsetzenUndErsetzen) {
    TJoin* j = J(Op(X(), '*', X()), X(), Op(X(), '+', Eins));
    // A constant goes into the branch of its sign; at 0 a continuous term has its common value.
    EXPECT_EQ(Wert(j->Einsetzen(Drei)), 4);
    EXPECT_EQ(Wert(j->Einsetzen(K(-2))), 4);
    EXPECT_EQ(J(X(), X(), X())->Einsetzen(Null), Null);
    EXPECT_EQ(J(MinusEins, X(), Eins)->Einsetzen(Null), nullptr);
    EXPECT_EQ(j->Einsetzen(BenannteKonstante("a")), nullptr);
    // A term of x: the same branches under the condition put in, both kept.
    for (TTerm* neu : {Op(X(), '+', Eins), Op(Zwei, '*', X())}) {
        for (TTerm* e : {j->Einsetzen(neu), j->Ersetze(X(), neu)}) {
            ASSERT_TRUE(IstJoin(e));
            EXPECT_EQ(static_cast<TJoin*>(e)->Bedingung, neu);
            for (Extended x : {-3.0L, -0.25L, 0.25L, 2.0L})
                EXPECT_EQ(Wert(e, x), Wert(j, *Wert(neu, x))) << double(x);
        }
    }
    // x by a constant: the branch of its sign with the constant put in; 0 for a discontinuous term: itself.
    EXPECT_EQ(j->Ersetze(X(), MinusEins)->Text, "((-1)*(-1))");
    EXPECT_EQ(j->Ersetze(X(), Null), j);
    EXPECT_EQ(J(Op(X(), '*', X()), X(), X())->Ersetze(X(), Null)->Text, "(0*0)");
    EXPECT_EQ(j->Ersetze(Op(X(), '*', X()), Drei), j);
    // A named constant in the condition replaced by a constant chooses the branch.
    TTerm* a = BenannteKonstante("a");
    TJoin* mitA = J(Op(X(), '*', X()), a, Op(X(), '+', Eins));
    EXPECT_EQ(Wert(mitA->Ersetze(a, MinusEins), 7), 1);
    EXPECT_EQ(Wert(mitA->Ersetze(a, Zwei), 7), 3);
    // A letter standing for a variable has no value to choose by: the condition becomes that letter, and
    // replacing it back gives the term again.
    TTerm* inA = j->Ersetze(X(), a);
    ASSERT_TRUE(IstJoin(inA));
    EXPECT_EQ(static_cast<TJoin*>(inA)->Bedingung, a);
    EXPECT_TRUE(inA->Ersetze(a, X())->IstGleich(j));
    EXPECT_TRUE(Meldungen().empty());
    // A constant without value: the information and no result.
    EXPECT_EQ(j->Ersetze(X(), Op(Eins, '/', Null)), nullptr);
    EXPECT_EQ(Meldungen(), std::vector<std::string>{
                               "Information: Substitution für Joins nur in Spezialfällen realisiert!"});
}

// x replaced by a constant c inside every kind of term that holds a piecewise part: the result has the value
// of the term at c, and there is none exactly where the term has no value at c (a power that does not exist
// counts as none). x replaced by a letter and the letter by x again gives the term's values back.
TEST_F(Joins, ErsetzenInTermenMitJoins) {
    std::vector<TTerm*> terme = {WurzelTerm(Lies("x;x^2+1"), 3)};
    for (const char* text : {"x*sqrt(x;1)", "(x;x+2)^3", "(x;1)^(1/2)-x", "sin(x;2x)+x", "2^(x;1)",
                             "(x;2)/(x^2+1)", "(x;(x;x^2))^2", "exp((-1;1)*x)", "ln(x^2+1;x+1)"})
        terme.push_back(Lies(text));
    TTerm* ohneWert = Op(Eins, '/', Null);
    TTerm* konstanten[] = {K(-2), K(-1, 2), K(3, 2), Op(Zwei, '*', BenannteKonstante("pi")), ohneWert};
    TTerm* t = BenannteKonstante("t");
    for (TTerm* f : terme) {
        const std::string& text = f->Text;
        for (TTerm* c : konstanten) {
            TTerm* r = nullptr;
            try {
                r = f->Ersetze(X(), c);
            } catch (const ENichtExistenz&) {
                r = nullptr;
            }
            const std::optional<Extended> wc = Wert(c);
            const std::optional<Extended> soll = wc ? Wert(f, *wc) : std::nullopt;
            const std::optional<Extended> ist = r ? Wert(r) : std::nullopt;
            ASSERT_EQ(soll.has_value(), ist.has_value()) << text << " at " << c->Text;
            if (soll) {
                EXPECT_TRUE(Nahe(*ist, *soll)) << text << " at " << c->Text;
            }
        }
        TTerm* inT = f->Ersetze(X(), t);
        ASSERT_NE(inT, nullptr) << text;
        TTerm* zurueck = inT->Ersetze(t, X());
        ASSERT_NE(zurueck, nullptr) << text;
        EXPECT_TRUE(WertGleich(f, zurueck)) << text;
    }
}

// Branch solutions become equations for the condition, each kept on its side of 0; the statuses combine.
TEST_F(Joins, ZweigloesungenAufIhrerSeiteDerBedingung) {
    auto* links = Neu<TAttrappe>("l", std::vector<Int64>{-3, 2, 0}, wahr);
    auto* rechts = Neu<TAttrappe>("r", std::vector<Int64>{-1, 4}, unklar);
    TSListe* L = nullptr;
    uint8_t status = wahr;
    J(links, X(), rechts)->Nullstellen(IntervallR, L, false, status);
    EXPECT_EQ(Werte(L), (std::vector<Extended>{-3, 4}));
    EXPECT_EQ(status, unklar);
    J(links, X(), rechts)->LoeseGleichung(K(7), IntervallR, false, status, L);
    EXPECT_EQ(Werte(L), (std::vector<Extended>{-3, 4}));
    ASSERT_FALSE(links->RechteSeiten.empty());
    EXPECT_EQ(links->RechteSeiten.back()->Text, "7");
    auto* beide = Neu<TAttrappe>("b", std::vector<Int64>{-3, 4}, wahr);
    J(beide, X(), beide)->Nullstellen(Iv(K(0), false, K(10), false), L, false, status);
    EXPECT_EQ(Werte(L), std::vector<Extended>{4});
    // Branches without solving operations: the warnings, nothing found, status unclear.
    TJoin* nur = J(Neu<TNurTerm>(), X(), X());
    nur->Nullstellen(IntervallR, L, false, status);
    EXPECT_TRUE(L->Anzahl == 0 && status == unklar);
    nur->LoeseGleichung(Eins, IntervallR, false, status, L);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Warnung: Term: NurT kann keine Nullstellen suchen.",
                                                     "Warnung: Term: NurT kann keine Gleichungen lösen."}));
}

// Every zero and solution found is one of the term (a missing right-hand side: the zeros); where the
// condition is 0 a continuous term with the value there has one.
TEST_F(Joins, NullstellenUndGleichungenEingesetzt) {
    auto L = [](const char* text) { return static_cast<TJoin*>(Lies(text)); };
    const std::tuple<TJoin*, TTerm*, std::vector<Extended>> faelle[] = {
        {L("x-1;x+1"), nullptr, {}}, {L("x+1;x-1"), nullptr, {-1, 1}},
        {L("x+1;x-1"), Drei, {4}},   {L("x+1;x-1"), K(-3), {-4}},
        {L("x+1;x+1"), Eins, {0}},   {L("-1;1"), Null, {}},
        {L("x;x"), nullptr, {0}},    {L("1;1"), nullptr, {}},
        {L("x;x^2"), nullptr, {0}},  {J(X(), Op(X(), '-', Zwei), X()), nullptr, {2}},
    };
    for (const auto& [j, c, loesungen] : faelle) {
        TSListe* liste = nullptr;
        uint8_t status = unklar;
        if (c)
            j->LoeseGleichung(c, IntervallR, false, status, liste);
        else
            j->Nullstellen(IntervallR, liste, false, status);
        EXPECT_EQ(Werte(liste), loesungen) << j->Text;
        EXPECT_EQ(status, wahr) << j->Text;
        for (Extended l : Werte(liste)) EXPECT_EQ(Wert(j, l), Wert(c ? c : Null)) << j->Text;
    }
}

// The definition range stays undetermined.
TEST_F(Joins, DefinitionsbereichUndIntegral) {
    TJoin* j = J(X(), X(), Op(X(), '*', X()));
    TMenge* D = MengeR;
    uint8_t status = wahr;
    j->BestimmeDefinitionsbereich(D, status, false);
    EXPECT_TRUE(D == LeereMenge && status == unklar);
    EXPECT_EQ(j->IstDefiniertAuf(IntervallR), unklar);
}

// With comments the solving operations explain the two cases, indented below their first line.
TEST_F(Joins, Kommentare) {
    TTestLeinwandAktiv leinwand;
    InitialisiereAusgabe();
    TJoin* j = J(Op(X(), '+', Eins), X(), Op(X(), '-', Eins));
    TSListe* L = nullptr;
    uint8_t status = unklar;
    TMenge* D = nullptr;
    j->Nullstellen(IntervallR, L, true, status);
    j->LoeseGleichung(Drei, IntervallR, true, status, L);
    j->BestimmeDefinitionsbereich(D, status, true);
    const auto z = Seitentext();
    InitialisiereAusgabe();
    for (const char* zeile : {"Dazu sind die Nullstellen beider Fälle zu untersuchen.",
                              "Das sind die Lösungen beider Fälle zusammen.",
                              "Definitionsbereich von Joins sind noch nicht implementiert."})
        EXPECT_NE(std::find(z.begin(), z.end(), zeile), z.end()) << zeile;
    EXPECT_EQ(Einrueckung, 0);
}

} // namespace
