#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"
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

TTerm* Bruch(Int64 z, Int64 n = 1) {
    return RationaleKonstante(TBruch{z, n});
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

TEST_F(Speicher, GemeinsameKonstantenStattGespeicherter) {
    struct Fall {
        Int64 z, n;
        TTerm* erwartet;
    };
    const Fall faelle[] = {{-1, 1, MinusEins}, {0, 1, Null},     {1, 1, Eins},    {2, 1, Zwei},
                           {3, 1, Drei},       {4, 1, Vier},     {1, 2, EinHalb}, {1, 3, EinDrittel},
                           {1, 4, EinViertel}, {6, 2, Drei},     {-3, -3, Eins},  {0, -5, Null},
                           {2, 8, EinViertel}, {-4, -8, EinHalb}};
    for (const auto& f : faelle) EXPECT_EQ(Bruch(f.z, f.n), f.erwartet) << f.z << "/" << f.n;
    EXPECT_EQ(Termspeicher, nullptr);

    // -1/2 and -1/3 are searched in the store like every other fraction.
    TTerm* minusHalb = Bruch(-1, 2);
    EXPECT_NE(minusHalb, MinusEinHalb);
    EXPECT_TRUE(minusHalb->HatWert(TBruch{-1, 2}));
    EXPECT_EQ(minusHalb->Text, "(-1/2)");
    EXPECT_NE(Bruch(-1, 3), MinusEinDrittel);
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 2);
}

TEST_F(Speicher, RationaleKonstantenSindEindeutigUndGekuerzt) {
    TTerm* fuenfSiebtel = Bruch(5, 7);
    EXPECT_EQ(Bruch(5, 7), fuenfSiebtel);
    EXPECT_EQ(Bruchkonstante(10, 14), fuenfSiebtel);
    EXPECT_EQ(Bruchkonstante(-5, -7), fuenfSiebtel);
    EXPECT_EQ(Bruchkonstante(1, -2), Bruch(-1, 2));
    EXPECT_EQ(fuenfSiebtel->Text, "(5/7)");
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 2);
    EXPECT_THROW(Bruchkonstante(1, 0), ENichtExistenz);
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 2);
}

TEST_F(Speicher, ZusammengesetzteTermeSindEindeutig) {
    TTerm* x = VariableX;
    TTerm* summe = OperatorTerm(x, Eins, '+');
    EXPECT_EQ(OperatorTerm(x, Eins, '+'), summe);
    TTerm* vertauscht = OperatorTerm(Eins, x, '+');
    EXPECT_NE(vertauscht, summe);
    EXPECT_EQ(OperatorTerm(Eins, x, '+'), vertauscht);
    EXPECT_NE(OperatorTerm(x, Eins, '-'), summe);

    TTerm* quadrat = PotenzTerm(x, 2);
    EXPECT_EQ(PotenzTerm(x, TBruch{2, 1}), quadrat);
    EXPECT_EQ(PotenzTerm(x, TBruch{4, 2}), quadrat);
    EXPECT_NE(PotenzTerm(x, 3), quadrat);
    EXPECT_EQ(PotenzTerm(x, TBruch{1, 2})->Text, "(x^(1/2))");
    EXPECT_EQ(PotenzTerm(x, -1)->Text, "(x^(-1))");

    TTerm* wurzel = WurzelTerm(summe, 3);
    EXPECT_EQ(WurzelTerm(summe, 3), wurzel);
    EXPECT_NE(WurzelTerm(summe, 2), wurzel);
    EXPECT_EQ(wurzel->Text, "((x+1)\u00b03)");
    EXPECT_EQ(wurzel->Kennung, "Wurzel");
    EXPECT_EQ(wurzel->Knotenzahl, 2);
    EXPECT_EQ(wurzel->Typrang, RangWurzel);

    TTerm* sinus = StandardFunktionTerm("sin", summe);
    EXPECT_EQ(StandardFunktionTerm("sin", summe), sinus);
    EXPECT_NE(StandardFunktionTerm("cos", summe), sinus);
    EXPECT_EQ(sinus->Text, "sin((x+1))");
    EXPECT_EQ(sinus->Kennung, "sin");
    EXPECT_EQ(sinus->Knotenzahl, 2);
    EXPECT_EQ(sinus->Typrang, RangStandard);
    // Only the first 6 characters of a function name count.
    EXPECT_EQ(StandardFunktionTerm("arcsinus", x), StandardFunktionTerm("arcsin", x));

    EXPECT_EQ(quadrat->Kennung, "Potenz");
    EXPECT_EQ(quadrat->Typrang, RangPotenz);
    EXPECT_EQ(quadrat->Knotenzahl, 1);
    EXPECT_EQ(quadrat->Text, "(x^2)");
}

TEST_F(Speicher, NilOperandenErgebenNilUndSpeichernNichts) {
    EXPECT_EQ(OperatorTerm(nullptr, Eins, '+'), nullptr);
    EXPECT_EQ(OperatorTerm(Eins, nullptr, '*'), nullptr);
    EXPECT_EQ(PotenzTerm(nullptr, TBruch{2, 1}), nullptr);
    EXPECT_EQ(PotenzTerm(nullptr, 3), nullptr);
    EXPECT_EQ(WurzelTerm(nullptr, 2), nullptr);
    EXPECT_EQ(StandardFunktionTerm("sin", nullptr), nullptr);
    EXPECT_EQ(Termspeicher, nullptr);
}

TEST_F(Speicher, BenannteUndReelleKonstanten) {
    TTerm* a = BenannteKonstante("abcdefgh");
    EXPECT_EQ(BenannteKonstante("abcdefxy"), a);
    EXPECT_EQ(BenannteKonstante("abcdef"), a);
    EXPECT_EQ(a->Kennung, "abcdef");
    EXPECT_EQ(a->Typrang, RangBenannt);
    EXPECT_NE(BenannteKonstante("abcde"), a);
    EXPECT_EQ(BenannteKonstante("pi"), BenannteKonstante("pi"));

    TTerm* halbReell = ReelleKonstante(0.5L);
    EXPECT_EQ(ReelleKonstante(0.5L), halbReell);
    EXPECT_NE(halbReell, EinHalb);
    EXPECT_NE(halbReell, Bruch(1, 2));
    EXPECT_EQ(halbReell->Typrang, RangReell);
    EXPECT_NE(ReelleKonstante(0.25L), halbReell);
    // A real constant and a rational constant of the same value are two objects.
    TTerm* fuenfSiebtel = Bruch(5, 7);
    EXPECT_NE(ReelleKonstante(5.0L / 7.0L), fuenfSiebtel);
    EXPECT_EQ(Bruch(5, 7), fuenfSiebtel);
}

TEST_F(Speicher, RadikalKonstanten) {
    TRadikal wurzelZwei = Radikal(2, 2, {Null, Eins});
    EXPECT_EQ(RadikalToStr(wurzelZwei), "Rad(2,2;0,1)");
    TTerm* r = RadikalKonstante(wurzelZwei);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Text, "Rad(2,2;0,1)");
    EXPECT_EQ(r->Kennung, "Rad.");
    EXPECT_EQ(r->Typrang, RangRadikal);
    EXPECT_EQ(r->Knotenzahl, 0);
    EXPECT_TRUE(r->IstKonstant);
    EXPECT_EQ(RadikalKonstante(wurzelZwei), r);
    EXPECT_EQ(RadikalKonstante(Radikal(2, 2, {Null, Eins}), "Rad(2,2;0,1)"), r);
    // Equal coefficients as other objects still make an equal record.
    EXPECT_EQ(RadikalKonstante(Radikal(
                  2, 2, {Neu<TRationaleKonstante>(TBruch{0, 1}), Neu<TRationaleKonstante>(TBruch{1, 1})})),
              r);
    TTerm* einsPlusDreiWurzelZwei = RadikalKonstante(Radikal(2, 2, {Eins, Drei}));
    EXPECT_NE(einsPlusDreiWurzelZwei, r);
    EXPECT_EQ(einsPlusDreiWurzelZwei->Text, "Rad(2,2;1,3)");
    EXPECT_NE(RadikalKonstante(Radikal(3, 2, {Null, Eins})), r);

    // A radical constant of rational value is found by the rational builder.
    TTerm* dreiViertel = RadikalKonstante(Radikal(1, 1, {Bruch(3, 4)}));
    EXPECT_EQ(dreiViertel->Text, "Rad(1,1;(3/4))");
    EXPECT_TRUE(dreiViertel->IstRational());
    EXPECT_TRUE(dreiViertel->HatWert(TBruch{3, 4}));
    EXPECT_TRUE(Bruch(3, 4)->IstGleich(dreiViertel));
    EXPECT_TRUE(dreiViertel->IstGleich(Bruch(3, 4)));
}

TEST_F(Speicher, RationalerWertFindetDieRadikalkonstante) {
    TTerm* radikal = RadikalKonstante(Radikal(1, 1, {Neu<TRationaleKonstante>(TBruch{5, 3})}));
    EXPECT_EQ(Bruch(5, 3), radikal);
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 1);
}

// The shape of the tree: composite terms by (node count, text), constants by their own kinds' rules.
TEST_F(Speicher, SuchordnungBestimmtDieBaumform) {
    TTerm* x = VariableX;
    struct Schritt {
        std::function<TTerm*()> baue;
        const char* pfad;
    };
    const std::vector<Schritt> schritte = {
        {[] { return Bruch(5, 7); }, ""},
        {[x] { return OperatorTerm(x, Eins, '+'); }, "R"},
        {[] { return Bruch(7); }, "RL"},
        {[] { return Bruch(-3, 2); }, "L"},
        {[] { return BenannteKonstante("a"); }, "RLR"},
        {[] { return BenannteKonstante("pi"); }, "RLRR"},
        {[] { return BenannteKonstante("b"); }, "RLRRL"},
        {[] { return ReelleKonstante(2.5L); }, "RLRL"},
        {[] { return ReelleKonstante(1.5L); }, "RLRLL"},
        // "(x*2)" sorts before "(x+1)" ('*' < '+'), so it goes left of it, through the constants.
        {[x] { return OperatorTerm(x, Zwei, '*'); }, "RLRRR"},
        {[x] { return OperatorTerm(OperatorTerm(x, Eins, '+'), x, '*'); }, "RR"},
        // "(x°2)" sorts after "(x+1)" and has fewer nodes than "((x+1)*x)".
        {[x] { return WurzelTerm(x, 2); }, "RRL"},
        {[] {
             return RadikalKonstante(Radikal(2, 2, {Null, Eins}));
         },
         "RLRRRL"},
        {[] {
             return RadikalKonstante(Radikal(2, 2, {Eins, Eins}));
         },
         "RLRRRLR"},
        {[] { return Bruch(2, 3); }, "LR"},
        {[] { return ReelleKonstante(-1.0L); }, "RLRLLL"},
        {[x] { return PotenzTerm(x, 2); }, "RRLL"},
        {[x] { return OperatorTerm(PotenzTerm(x, 2), Eins, '-'); }, "RRR"},
    };
    std::vector<TTerm*> gebaut;
    for (const auto& s : schritte) {
        TTerm* T = s.baue();
        gebaut.push_back(T);
        TTermKnoten* k = KnotenAuf(s.pfad);
        ASSERT_NE(k, nullptr) << T->Text << " at " << s.pfad;
        EXPECT_EQ(k->Term, T) << T->Text << " expected at " << s.pfad;
    }
    EXPECT_EQ(AnzahlKnoten(Termspeicher), static_cast<Int32>(schritte.size()));
    // Every builder retraces its path.
    for (size_t i = 0; i < schritte.size(); ++i) EXPECT_EQ(schritte[i].baue(), gebaut[i]) << gebaut[i]->Text;
    EXPECT_EQ(AnzahlKnoten(Termspeicher), static_cast<Int32>(schritte.size()));
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
    EXPECT_EQ(OperatorTerm(j1, x, '+'), s1);
}

TEST_F(Speicher, ReelleKonstantenMitGleichemTextInZusammengesetztenTermen) {
    TTerm* r1 = ReelleKonstante(1.00001L);
    TTerm* r2 = ReelleKonstante(1.00002L);
    ASSERT_NE(r1, r2);
    ASSERT_EQ(r1->Text, r2->Text) << "Stellen=" << int(Stellen);
    TTerm* x = VariableX;
    TTerm* p1 = OperatorTerm(r1, x, '*');
    TTerm* p2 = OperatorTerm(r2, x, '*');
    ASSERT_NE(p1, p2);
    bool d1 = false, d2 = false;
    EXPECT_EQ(p1->Wert(1, d1), 1.00001L);
    EXPECT_EQ(p2->Wert(1, d2), 1.00002L);
    EXPECT_TRUE(d1 && d2);
    EXPECT_EQ(OperatorTerm(r2, x, '*'), p2);
    EXPECT_EQ(OperatorTerm(r1, x, '*'), p1);
    // One level further up the same holds.
    TTerm* q1 = OperatorTerm(p1, Eins, '+');
    TTerm* q2 = OperatorTerm(p2, Eins, '+');
    EXPECT_NE(q1, q2);
    EXPECT_EQ(OperatorTerm(p2, Eins, '+'), q2);
}

// A term changed in place later (as the folding passes do) must not break the paths through its node.
TEST_F(Speicher, PfadeBleibenNachAenderungAmOrtGueltig) {
    TTerm* x = VariableX;
    std::vector<std::function<TTerm*()>> bauer;
    for (Int64 i = 1; i <= 6; ++i) {
        bauer.push_back([x, i] { return OperatorTerm(x, Bruch(i), '+'); });
        bauer.push_back([x, i] { return OperatorTerm(Bruch(i), x, '*'); });
        bauer.push_back([x, i] { return OperatorTerm(OperatorTerm(x, Bruch(i), '-'), x, '/'); });
        bauer.push_back([x, i] { return PotenzTerm(OperatorTerm(x, Bruch(i), '+'), i); });
    }
    std::vector<TTerm*> vorher;
    for (auto& b : bauer) vorher.push_back(b());
    // Change several terms in place: a new child, a rebuilt text and a new node count.
    auto* geaendert = static_cast<TOperatorTerm*>(OperatorTerm(x, Bruch(3), '+'));
    geaendert->T2 = Bruch(99);
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
    TTerm* neu = OperatorTerm(x, Bruch(3), '+');
    EXPECT_NE(neu, geaendert);
    EXPECT_EQ(neu->Text, "(x+3)");
    EXPECT_EQ(OperatorTerm(x, Bruch(3), '+'), neu);
    // The changed term's present structure is another key; it is built anew as well.
    TTerm* neunundneunzig = OperatorTerm(x, Bruch(99), '+');
    EXPECT_NE(neunundneunzig, geaendert);
    EXPECT_EQ(OperatorTerm(x, Bruch(99), '+'), neunundneunzig);
}

TEST_F(Speicher, TermEintragenNachDerOrdnung) {
    TTerm* fuenfSiebtel = Bruch(5, 7);
    TTerm* summe = OperatorTerm(VariableX, Eins, '+');
    ASSERT_EQ(AnzahlKnoten(Termspeicher), 2);
    // Already present by the order: nothing is added.
    TermEintragen(Neu<TRationaleKonstante>(TBruch{10, 14}));
    TermEintragen(Neu<TOperatorTerm>(VariableX, '+', Eins));
    TermEintragen(nullptr);
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 2);
    // A smaller rational goes left of 5/7; a named constant goes right of 5/7 and left of (x+1).
    auto* klein = Neu<TRationaleKonstante>(TBruch{-4, 1});
    TermEintragen(klein);
    EXPECT_EQ(KnotenAuf("L")->Term, klein);
    auto* name = Neu<TBenannteKonstante>("c");
    TermEintragen(name);
    EXPECT_EQ(KnotenAuf("RL")->Term, name);
    auto* produkt = Neu<TOperatorTerm>(VariableX, '*', Eins);
    TermEintragen(produkt);
    // '*' orders before '+'.
    EXPECT_EQ(KnotenAuf("RLR")->Term, produkt);
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 5);
    EXPECT_EQ(Bruch(5, 7), fuenfSiebtel);
    EXPECT_EQ(OperatorTerm(VariableX, Eins, '+'), summe);
}

TEST_F(Speicher, AlleTermeFreigebenLeertAllesUndBehaeltDieGemeinsamenKonstanten) {
    TNormalform* dauerhaft = nullptr;
    {
        DauerhaftAnlegen guard;
        dauerhaft = Neu<TNormalform>();
    }
    dauerhaft->Kennung = "PT";
    dauerhaft->Referenzen = 1;
    TTerm* summe = OperatorTerm(VariableX, Bruch(5, 7), '+');
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
    EXPECT_EQ(Termspeicher, nullptr);
    EXPECT_EQ(AnfrageArena().Anzahl(), 0u);
    EXPECT_EQ(dauerhaft->Referenzen, 0);
    EXPECT_EQ(Null->Vereinfacht, Null);
    EXPECT_EQ(Null->Zustand, TermVereinfacht | TermKumuliert);
    EXPECT_EQ(VariableX->Vereinfacht, VariableX);
    EXPECT_EQ(Null->Text, "0");
    EXPECT_EQ(VariableX->Text, "x");
    bool definiert = false;
    EXPECT_EQ(VariableX->Wert(2, definiert), 2);

    // The store works as before.
    TTerm* neu = OperatorTerm(VariableX, Bruch(5, 7), '+');
    EXPECT_EQ(neu->Text, "(x+(5/7))");
    EXPECT_EQ(AnzahlKnoten(Termspeicher), 2);
    AlleTermeFreigeben();
    AlleTermeFreigeben();
    EXPECT_EQ(Termspeicher, nullptr);
}

TEST_F(Speicher, LangeKetteWirdOhneRekursionFreigegeben) {
    // Increasing constants make a chain to the right.
    for (Int64 i = 5; i < 3005; ++i) Bruch(i);
    EXPECT_EQ(KnotenAuf(std::string(2999, 'R'))->Term, Bruch(3004));
    AlleTermeFreigeben();
    EXPECT_EQ(Termspeicher, nullptr);
}

TEST_F(Speicher, FelderDerGebautenFunktionsterme) {
    TTerm* x = VariableX;
    TTerm* a = BenannteKonstante("a");
    // Powers of x or of a named constant count as simplified.
    TTerm* p = PotenzTerm(x, TBruch{1, 2});
    EXPECT_EQ(p->Vereinfacht, p);
    EXPECT_TRUE(p->Zustand & TermVereinfacht);
    EXPECT_EQ(p->Funktionsarten, FunktionsartWurzel);
    EXPECT_EQ(p->MoeglicheNormalformen, 0x151 & 0x37f);
    EXPECT_EQ(PotenzTerm(a, 2)->Vereinfacht, PotenzTerm(a, 2));
    TTerm* summe = OperatorTerm(x, Eins, '+');
    TTerm* q = PotenzTerm(summe, -2);
    EXPECT_EQ(q->Vereinfacht, nullptr);
    EXPECT_EQ(q->MoeglicheNormalformen, 0x37f & ~(NormalformPT | NormalformPTNF));
    TTerm* konstant = PotenzTerm(OperatorTerm(Zwei, Drei, '+'), TBruch{1, 2});
    EXPECT_TRUE(konstant->IstKonstant);
    EXPECT_EQ(konstant->Funktionsarten, 0);
    EXPECT_EQ(konstant->MoeglicheNormalformen, AlleNormalformen);

    TTerm* w = WurzelTerm(x, 3);
    EXPECT_EQ(w->Vereinfacht, w);
    EXPECT_EQ(w->Funktionsarten, FunktionsartWurzel);
    EXPECT_EQ(w->MoeglicheNormalformen, NormalformWNF | NormalformRaNF);
    EXPECT_EQ(WurzelTerm(summe, 2)->Vereinfacht, nullptr);

    struct Fall {
        const char* name;
        uint8_t arten;
        uint16_t formen;
    };
    const Fall faelle[] = {
        {"sqrt", FunktionsartWurzel, NormalformWNF | NormalformRaNF},
        {"exp", FunktionsartExp, NormalformENF},
        {"ln", FunktionsartLn, 0},
        {"sin", FunktionsartTrig, NormalformTNF | NormalformPTNF | NormalformRTNF},
        {"cos", FunktionsartTrig, NormalformTNF | NormalformPTNF | NormalformRTNF},
        {"tan", FunktionsartTrig, NormalformTNF},
        {"cot", FunktionsartTrig, NormalformTNF},
        {"abs", FunktionsartTrig, 0},
        {"arcsin", FunktionsartTrig, 0},
        {"arccos", FunktionsartTrig, 0},
        {"arctan", FunktionsartTrig, 0},
    };
    for (const auto& f : faelle) {
        TTerm* t = StandardFunktionTerm(f.name, x);
        EXPECT_EQ(t->Funktionsarten, f.arten) << f.name;
        EXPECT_EQ(t->MoeglicheNormalformen, f.formen) << f.name;
        EXPECT_FALSE(t->IstKonstant);
        EXPECT_FALSE(t->Zustand & TermVereinfacht);
        TTerm* k = StandardFunktionTerm(f.name, Zwei);
        EXPECT_TRUE(k->IstKonstant);
        EXPECT_EQ(k->Funktionsarten, 0);
        EXPECT_EQ(k->MoeglicheNormalformen, AlleNormalformen);
    }
    // The argument's kinds are added.
    TTerm* verschachtelt = StandardFunktionTerm("exp", StandardFunktionTerm("sin", x));
    EXPECT_EQ(verschachtelt->Funktionsarten, FunktionsartExp | FunktionsartTrig);
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
