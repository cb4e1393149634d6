// The unique-term store: shared constants instead of stored ones, one object per term, the tree's shape
// by the search orders, keys that stay as inserted, emptying that keeps the shared constants.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "algebra/NormalFormen.h"
#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
#include "steps/Allgemeines.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Speicher = ZolTest;

Int32 AnzahlKnoten(TTermKnoten* k) {
    return k ? 1 + AnzahlKnoten(k->Links) + AnzahlKnoten(k->Rechts) : 0;
}

// The node at the end of a path of 'L' and 'R' steps from the root; nil when the path leaves the tree.
TTermKnoten* KnotenAuf(const std::string& pfad) {
    TTermKnoten* k = Termspeicher;
    for (char c : pfad) {
        if (!k) return nullptr;
        k = c == 'L' ? k->Links : k->Rechts;
    }
    return k;
}

TRadikal Radikal(Int64 radikand, Int32 index, std::vector<TTerm*> koeffizienten) {
    TRadikal r;
    r.Radikand = radikand;
    r.Wurzelexponent = index;
    r.Polynom.Grad = static_cast<Int32>(koeffizienten.size()) - 1;
    for (Int32 i = 0; i <= MaxGrad; ++i)
        r.Polynom.Koeff[i] = i <= r.Polynom.Grad ? koeffizienten[static_cast<size_t>(i)] : Null;
    return r;
}

// A fraction is reduced before it is looked up (10/14 is 5/7, 6/2 the shared 3); a zero denominator raises.
TEST_F(Speicher, GekuerzteKonstanten) {
    EXPECT_EQ(K(6, 2), Drei);
    EXPECT_EQ(K(-4, -8), EinHalb);
    EXPECT_EQ(Bruchkonstante(10, 14), K(5, 7));
    EXPECT_THROW(Bruchkonstante(1, 0), ENichtExistenz);
    // A radical constant of rational value is found by the rational builder.
    EXPECT_EQ(K(5, 3), RadikalKonstante(Radikal(1, 1, {Neu<TRationaleKonstante>(TBruch{5, 3})})));
}

// A radical is found by its coefficients' values, whatever objects hold them; radicals that differ in one
// coefficient only are distinct terms.
TEST_F(Speicher, RadikaleNachIhrenKoeffizienten) {
    auto bruch = [](Int64 z, Int64 n) { return Neu<TRationaleKonstante>(TBruch{z, n}); };
    TTerm* a = RadikalKonstante(Radikal(2, 2, {K(3), K(5, 7)}));
    EXPECT_EQ(RadikalKonstante(Radikal(2, 2, {bruch(3, 1), bruch(5, 7)})), a);
    EXPECT_EQ(RadikalKonstante(Radikal(2, 2, {bruch(6, 2), bruch(-10, -14)})), a);
    std::set<TTerm*> verschieden;
    for (Int64 b = 1; b <= 40; ++b) verschieden.insert(RadikalKonstante(Radikal(2, 2, {K(3), K(b, 7)})));
    EXPECT_EQ(verschieden.size(), 40u);
    EXPECT_EQ(verschieden.count(a), 1u);
    EXPECT_TRUE(SpeicherStimmig());
}

// Two piecewise terms with different conditions share their text; sums built over them must stay apart.
TEST_F(Speicher, GleicherSchluesselMitAnderenKindernIstEinAndererTerm) {
    TTerm* x = VariableX;
    TTerm* quadrat = OperatorTerm(x, x, '*');
    TJoin* j1 = Neu<TJoin>(x, OperatorTerm(x, Eins, '-'), quadrat);
    TJoin* j2 = Neu<TJoin>(x, OperatorTerm(x, Eins, '+'), quadrat);
    ASSERT_EQ(j1->Text, j2->Text);
    ASSERT_EQ(j1->Knotenzahl, j2->Knotenzahl);
    TTerm* s1 = OperatorTerm(j1, x, '+');
    TTerm* s2 = OperatorTerm(j2, x, '+');
    EXPECT_NE(s1, s2);
    EXPECT_EQ(static_cast<TOperatorTerm*>(s1)->T1, j1);
    EXPECT_EQ(static_cast<TOperatorTerm*>(s2)->T1, j2);
    EXPECT_EQ(OperatorTerm(j1, x, '+'), s1);
    EXPECT_EQ(OperatorTerm(j2, x, '+'), s2);
}

// Real constants of equal text are two objects, and so are the terms built over them.
TEST_F(Speicher, ReelleKonstantenMitGleichemText) {
    TTerm* r1 = ReelleKonstante(1.00001L);
    TTerm* r2 = ReelleKonstante(1.00002L);
    ASSERT_EQ(r1->Text, r2->Text) << "Stellen=" << int(Stellen);
    TTerm* p1 = OperatorTerm(OperatorTerm(r1, VariableX, '*'), Eins, '+');
    TTerm* p2 = OperatorTerm(OperatorTerm(r2, VariableX, '*'), Eins, '+');
    EXPECT_NE(p1, p2);
    EXPECT_TRUE(Nahe(*Wert(p2, 1), 2.00002L, 1e-15L));
    EXPECT_EQ(OperatorTerm(OperatorTerm(r1, VariableX, '*'), Eins, '+'), p1);
}

// A term changed in place later (as the folding passes do) must not break the paths through its node.
TEST_F(Speicher, PfadeBleibenNachAenderungAmOrtGueltig) {
    TTerm* x = VariableX;
    std::vector<std::function<TTerm*()>> bauer;
    for (Int64 i = 1; i <= 6; ++i) {
        bauer.push_back([x, i] { return OperatorTerm(x, K(i), '+'); });
        bauer.push_back([x, i] { return OperatorTerm(K(i), x, '*'); });
        bauer.push_back([x, i] { return OperatorTerm(OperatorTerm(x, K(i), '-'), x, '/'); });
        bauer.push_back([x, i] { return PotenzTerm(OperatorTerm(x, K(i), '+'), i); });
    }
    std::vector<TTerm*> vorher;
    for (auto& b : bauer) vorher.push_back(b());
    // Change several terms in place: a new child, a rebuilt text and a new node count.
    auto* geaendert = static_cast<TOperatorTerm*>(OperatorTerm(x, K(3), '+'));
    geaendert->T2 = K(99);
    geaendert->Aktualisiere();
    ASSERT_EQ(geaendert->Text, "(x+99)");
    auto* quotient = static_cast<TOperatorTerm*>(vorher[2]);
    quotient->T1 = VariableX;
    quotient->Aktualisiere();
    quotient->Knotenzahl = 1;
    ASSERT_EQ(quotient->Text, "(x/x)");
    const Int32 knoten = AnzahlKnoten(Termspeicher);
    for (size_t i = 0; i < bauer.size(); ++i) {
        if (vorher[i] == geaendert || vorher[i] == quotient) continue;
        // A term over the changed one asks for its old child, which the store now builds anew.
        if (TPotenz* p = AlsPotenzTerm(vorher[i]); p && p->Argument == geaendert) continue;
        EXPECT_EQ(bauer[i](), vorher[i]) << vorher[i]->Text;
    }
    EXPECT_EQ(AnzahlKnoten(Termspeicher), knoten);
    // The changed term no longer has the children asked for: the builder makes the term asked for.
    TTerm* neu = OperatorTerm(x, K(3), '+');
    EXPECT_NE(neu, geaendert);
    EXPECT_EQ(neu->Text, "(x+3)");
    EXPECT_EQ(OperatorTerm(x, K(3), '+'), neu);
    // The changed term's present structure is another key; it is built anew as well.
    TTerm* neunundneunzig = OperatorTerm(x, K(99), '+');
    EXPECT_NE(neunundneunzig, geaendert);
    EXPECT_EQ(OperatorTerm(x, K(99), '+'), neunundneunzig);
}

TEST_F(Speicher, AlleTermeFreigebenLeertAllesUndBehaeltDieGemeinsamenKonstanten) {
    TNormalform* dauerhaft = nullptr;
    {
        DauerhaftAnlegen guard;
        dauerhaft = Neu<TNormalform>();
    }
    dauerhaft->Kennung = "PT";
    dauerhaft->Referenzen = 1;
    TTerm* summe = OperatorTerm(VariableX, K(5, 7), '+');
    summe->Normalform = dauerhaft;
    StandardFunktionTerm("exp", PotenzTerm(summe, 3));
    ReelleKonstante(2.5L);
    BenannteKonstante("pi");
    // What a request caches on the shared constants is dropped again.
    Null->Vereinfacht = summe;
    Null->Zustand |= KeineNormalform;
    VariableX->Vereinfacht = summe;
    ASSERT_GT(AnfrageArena().Anzahl(), 0u);

    AlleTermeFreigeben();
    EXPECT_TRUE(Termspeicher == nullptr && AnfrageArena().Anzahl() == 0u && dauerhaft->Referenzen == 0);
    EXPECT_TRUE(Null->Vereinfacht == Null && VariableX->Vereinfacht == VariableX);
    EXPECT_EQ(Null->Zustand, TermVereinfacht | TermKumuliert);
    // The store works as before; emptying twice is harmless.
    EXPECT_EQ(OperatorTerm(VariableX, K(5, 7), '+')->Text, "(x+(5/7))");
    AlleTermeFreigeben();
    AlleTermeFreigeben();
    EXPECT_EQ(Termspeicher, nullptr);
    // A long chain to the right (increasing constants) is freed without recursion.
    for (Int64 i = 5; i < 3005; ++i) K(i);
    EXPECT_EQ(KnotenAuf(std::string(2999, 'R'))->Term, K(3004));
    AlleTermeFreigeben();
    EXPECT_EQ(Termspeicher, nullptr);
}

TEST_F(Speicher, GefalteteGemeinsameKonstantenBehaltenIhreFormNachDerAnfrage) {
    // 2 - 1 and x*1 fold to the shared 1 and x, whose attached forms the folding releases while the
    // request runs; afterwards the forms are attached again with their counts.
    for (TTerm* faktor : {static_cast<TTerm*>(Zwei), static_cast<TTerm*>(VariableX)}) {
        TTerm* T = faktor == Zwei ? OperatorTerm(Zwei, Eins, '-') : OperatorTerm(VariableX, Eins, '*');
        Kumuliere(T);
        ASSERT_TRUE(T == Eins || T == VariableX) << T->Text;
        TTerm* gemeinsam = T;
        AlleTermeFreigeben();
        ASSERT_NE(gemeinsam->Normalform, nullptr);
        EXPECT_EQ(gemeinsam->Normalform->Referenzen, 0) << gemeinsam->Text;
    }
}

} // namespace

namespace {

// The terms reachable from the store's tree and from the request's results, each once.
std::vector<TTerm*> ErreichbareTerme() {
    std::vector<TTerm*> offen{FTerm, Ableitung1, Ableitung2, Ableitung3, Integralergebnis}, terme;
    std::vector<TTermKnoten*> knoten;
    if (TTermKnoten* w = Termspeicher) knoten.push_back(w);
    while (!knoten.empty()) {
        TTermKnoten* k = knoten.back();
        knoten.pop_back();
        offen.push_back(k->Term);
        for (TTermKnoten* kind : {k->Links, k->Rechts})
            if (kind) knoten.push_back(kind);
    }
    std::unordered_set<TTerm*> gesehen;
    while (!offen.empty()) {
        TTerm* T = offen.back();
        offen.pop_back();
        if (!T || !gesehen.insert(T).second) continue;
        terme.push_back(T);
        if (auto* o = AlsOperatorTerm(T)) offen.insert(offen.end(), {o->T1, o->T2});
        if (auto* j = AlsJoin(T)) offen.insert(offen.end(), {j->T1, j->T2, j->Bedingung});
        if (auto* f = dynamic_cast<TFunktion*>(T)) offen.push_back(f->Argument);
    }
    return terme;
}

// A term of the same kind newly built from T's present children; nil for a leaf.
TTerm* NeuGebaut(TTerm* T) {
    if (auto* o = AlsOperatorTerm(T)) return Neu<TOperatorTerm>(o->T1, o->Operator, o->T2);
    if (auto* j = AlsJoin(T)) return Neu<TJoin>(j->T1, j->T2, j->Bedingung, j->Stetig);
    if (auto* p = AlsPotenzTerm(T)) return Neu<TPotenz>(p->Argument, p->Exponent);
    if (auto* w = AlsWurzel(T)) return Neu<TWurzel>(w->Argument, w->Grad);
    if (auto* a = AlsAllgemeineExponentialFunktion(T))
        return Neu<TAllgemeineExponentialFunktion>(a->Basis, a->Argument);
    if (auto* f = AlsStandardFunktion(T)) return Neu<TStandardFunktion>(f->Kennung, f->Argument);
    return nullptr;
}

} // namespace

// A term's text is what its present children give: after requests that build, substitute and simplify
// terms, complete piecewise antiderivatives after their construction (e^x;1 is shifted to be continuous) and
// write exact zeros with roots and arccos, every term reachable from the store and the request's results
// has the text of a term newly built from its children.
TEST_F(Speicher, TextFolgtAusDenKindern) {
    const TAnfrage anfragen[] = {
        {.F = "exp(x);1", .Schritte = {SchrittStammfunktion}},
        {.F = "x*abs(x)", .A = "-2", .B = "2", .Schritte = {SchrittFlaeche}},
        {.F = "cos(2x)+2cos(x)", .A = "0", .B = "2pi", .Schritte = {SchrittNullstellen, SchrittFlaeche}},
        {.F = "(x^2+1)/(x^2-4)",
         .Schritte = {SchrittNullstellen, SchrittPartialbruch, SchrittAbleitungen, SchrittWendestellen},
         .AbleitungsGrad = 3},
        {.F = "x^3+x+1", .A = "-2", .B = "2", .Schritte = {SchrittNullstellen, SchrittFlaeche}},
        {.F = "2^x*sqrt(x)+(x^2-1)°3", .Schritte = {SchrittAbleitungen}, .AbleitungsGrad = 2},
    };
    for (const TAnfrage& a : anfragen) {
        SCOPED_TRACE(a.F);
        TKopfloseAnfrage lauf(a);
        lauf.Starte();
        const std::vector<TTerm*> terme = ErreichbareTerme();
        EXPECT_GT(terme.size(), 5u);
        for (TTerm* T : terme) {
            TTerm* neu = NeuGebaut(T);
            ASSERT_TRUE(!neu || T->Text == neu->Text) << T->Text << " / " << neu->Text;
        }
    }
}
