// Exact arithmetic with radicals, checked against long double values and against its own algebra.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

// The radical of the text between "Rad(" and ")".
TRadikal Rad(const std::string& text) {
    TRadikal r;
    StrToRadikal(text, r);
    return r;
}

std::string Innen(const TRadikal& r) {
    const std::string s = RadikalToStr(r);
    return s.substr(4, s.size() - 5);
}

Extended W(const TRadikal& r) {
    bool d;
    return Neu<TRadikalKonstante>(r)->Wert(0, d);
}

Extended W(Extended a, char op, Extended b) {
    switch (op) {
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '*':
        return a * b;
    default:
        return a / b;
    }
}

class Radikale : public ZolTest {
protected:
    // a op b, which must succeed.
    TRadikal R(const TRadikal& a, char op, const TRadikal& b) {
        TRadikal r;
        bool erfolg = false;
        ROp(a, b, op, r, erfolg);
        EXPECT_TRUE(erfolg) << RadikalToStr(a) << op << RadikalToStr(b);
        return r;
    }
};

// Rows of one family letter share a radical with each other; '*' is rational and shares with all.
struct TZeile {
    char Familie;
    const char* Text;
};
const TZeile Zeilen[] = {
    {'*', "1,1;(3/4)"},      {'*', "1,1;(-5)"},         {'A', "2,2;0,1"},   {'A', "8,2;1,1"},
    {'A', "2,2;(1/2),(-3)"}, {'A', "2,4;0,1,1"},        {'A', "4,4;0,1"},   {'B', "3,2;0,1"},
    {'B', "12,2;2,(1/3)"},   {'B', "3,4;1,1,1,(-1)"},   {'C', "2,3;0,1"},   {'C', "2,3;1,0,1"},
    {'C', "16,3;0,(2/7)"},   {'D', "5,2;(-7/3),(2/5)"}, {'D', "125,2;0,1"},
};

TEST_F(Radikale, WertDesErgebnissesIstDasErgebnisDerWerte) {
    int geprueft = 0;
    for (const TZeile& x : Zeilen)
        for (const TZeile& y : Zeilen)
            for (char op : {'+', '-', '*', '/'}) {
                const TRadikal a = Rad(x.Text), b = Rad(y.Text);
                TRadikal r;
                bool erfolg = false;
                ROp(a, b, op, r, erfolg);
                const bool verwandt = x.Familie == y.Familie || x.Familie == '*' || y.Familie == '*';
                if (verwandt) {
                    EXPECT_TRUE(erfolg) << x.Text << op << y.Text;
                }
                if (!erfolg) continue;
                ++geprueft;
                const Extended wa = W(a), wb = W(b), erwartet = W(wa, op, wb);
                const Extended groesse = std::max({std::fabs(erwartet), std::fabs(wa), std::fabs(wb), 1.0L});
                EXPECT_LE(std::fabs(W(r) - erwartet), 1e-15L * groesse) << x.Text << op << y.Text;
                EXPECT_LE(r.Polynom.Grad, r.Wurzelexponent - 1) << x.Text << op << y.Text;
            }
    EXPECT_GT(geprueft, 500);
}

TEST_F(Radikale, KoerpergesetzeGeltenExakt) {
    const std::vector<TRadikal> a = {Rad("2,2;0,1"), Rad("8,2;1,1"), Rad("2,4;(1/3),1,1,(-2)"),
                                     Rad("4,4;0,1"), Rad("1,1;(3/4)")};
    for (const auto& x : a)
        for (const auto& y : a)
            for (const auto& z : a) {
                auto nullwert = [](const TRadikal& r) { return Neu<TRadikalKonstante>(r)->IstNull(); };
                EXPECT_TRUE(nullwert(R(R(R(x, '+', y), '-', y), '-', x)));
                EXPECT_TRUE(nullwert(R(R(x, '*', y), '-', R(y, '*', x))));
                EXPECT_TRUE(nullwert(R(R(R(x, '*', y), '*', z), '-', R(x, '*', R(y, '*', z)))));
                EXPECT_TRUE(nullwert(R(R(x, '*', R(y, '+', z)), '-', R(R(x, '*', y), '+', R(x, '*', z)))));
                if (Neu<TRadikalKonstante>(y)->IstNull()) continue;
                // The quotient times the divisor is the dividend.
                EXPECT_TRUE(nullwert(R(R(R(x, '/', y), '*', y), '-', x))) << Innen(x) << " / " << Innen(y);
            }
}

TEST_F(Radikale, PotenzenWieWiederholteProdukte) {
    for (const char* text : {"2,2;0,1", "2,2;1,1", "2,3;(1/2),1,(-1)", "3,4;0,0,1", "1,1;(-2/3)"}) {
        const TRadikal a = Rad(text);
        TRadikal produkt = RadikalEins;
        for (Int32 k = 0; k <= 9; ++k) {
            TRadikal p, q;
            RHoch(a, k, p);
            EXPECT_TRUE(RGleich(p, produkt)) << text << "^" << k << ": " << RadikalToStr(p);
            // a^-k * a^k = 1.
            RHoch(a, -k, q);
            EXPECT_TRUE(Neu<TRadikalKonstante>(R(q, '*', p))->HatWert(BruchEins)) << text << "^-" << k;
            produkt = R(produkt, '*', a);
        }
    }
    // Squaring ends a huge exponent at once: exactly, or with the overflow.
    TRadikal r;
    RHoch(Rad("1,1;(-1)"), INT32_MIN, r);
    EXPECT_TRUE(Neu<TRadikalKonstante>(r)->HatWert(BruchEins));
    try {
        RHoch(Rad("2,2;1,1"), INT32_MAX, r);
        ADD_FAILURE() << "kein Überlauf";
    } catch (const ERessourcen& e) {
        EXPECT_EQ(e.Meldung, "Überlauf in der Radikalrechnung.");
    }
    EXPECT_THROW(RHoch(Rad("2,2;0"), -1, r), ENichtExistenz);
}

TEST_F(Radikale, OhneQuotientDieWarnungUndKeinErfolg) {
    TRadikal r;
    bool erfolg = true;
    RDurch(RadikalEins, Rad("2,2;0"), r, erfolg);
    EXPECT_FALSE(erfolg);
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Quotient der Radikale existiert nicht\n\r");
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Warnung);
}

TEST_F(Radikale, TextformUndZurueck) {
    for (const TZeile& x : Zeilen)
        for (const TZeile& y : Zeilen) {
            TRadikal r;
            bool erfolg;
            ROp(Rad(x.Text), Rad(y.Text), '*', r, erfolg);
            if (erfolg) {
                EXPECT_TRUE(RGleich(Rad(Innen(r)), r)) << RadikalToStr(r);
            }
        }
    struct Fall {
        const char* Text;
        const char* Gelesen;
    };
    const Fall faelle[] = {
        {"2,2;0,1", "2,2;0,1"},
        {"2,3;0,0,0,0,(1/4)", "2,3;0,0,0,0,(1/4)"},
        {"5,1;1,2", "1,1;11"},
        {"1,3;1,2,(3/6)", "1,1;(7/2)"},
        {"2,2;1,0,0", "2,2;1"},
        {"7,15;1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21",
         "7,15;1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21"},
        {"2,2;(4/-6),+3", "2,2;(-2/3),3"},
    };
    for (const auto& f : faelle) EXPECT_EQ(Innen(Rad(f.Text)), f.Gelesen) << f.Text;
    EXPECT_EQ(TermAusString("Rad(2,2;0,1)"), RadikalKonstante(RadikalWurzel2));
}

TEST_F(Radikale, UngueltigeTexteWerdenAbgewiesen) {
    const std::string zuViele = "2,2;1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22";
    for (const std::string& innen :
         std::vector<std::string>{"0,2;1", "-2,2;1", "2,0;1", "2,16;1", "2,2", "2;2,1", "2,2;", "2,2;1,,2",
                                  "2,2;a", "2,2;1/0", "x,2;1", "99999999999999999999,2;1", "", zuViele,
                                  "10,1;0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1"}) {
        const std::string S = "Rad(" + innen + ")";
        try {
            TermAusString(S);
            ADD_FAILURE() << S;
        } catch (const ETermFehler& e) {
            EXPECT_EQ(e.Meldung, "Term: " + S + " syntaktisch nicht OK\n\rRadikal ungültig.") << S;
        }
    }
}

TEST_F(Radikale, FaelleDerBeschreibung) {
    EXPECT_EQ(RadikalToStr(R(RadikalWurzel2, '+', Rad("8,2;0,1"))), "Rad(2,2;0,3)");
    TRadikal r;
    bool erfolg = true;
    ROp(RadikalWurzel2, RadikalWurzel3, '+', r, erfolg);
    EXPECT_FALSE(erfolg);
    EXPECT_EQ(RadikalToStr(R(RadikalWurzel2, '*', RadikalWurzel3)), "Rad(6,2;0,1)");
    EXPECT_EQ(RadikalToStr(R(RadikalWurzel2, '*', RadikalWurzel2)), "Rad(2,2;2)");
    EXPECT_EQ(RadikalToStr(R(RadikalWurzel2, '*', Rad("3,4;0,1"))), "Rad(12,4;0,1)");
    EXPECT_EQ(RadikalToStr(R(Rad("8,2;0,1"), '*', Rad("18,2;0,1"))), "Rad(1,1;12)");
    // Indices that do not divide each other have no common radical, for the product too.
    for (char op : {'+', '*', '/'}) {
        ROp(RadikalWurzel2, Rad("2,3;0,1"), op, r, erfolg);
        EXPECT_FALSE(erfolg) << op;
    }
    EXPECT_EQ(RadikalToStr(Einzelradikal(BruchEinHalb, 0, 1, 1)), "Rad(1,1;(1/2))");
    TSListe* liste = nullptr;
    Int64 rest = 0;
    Primfaktoren(360, liste, rest);
    ASSERT_EQ(liste->Anzahl, 3);
    EXPECT_EQ(rest, 1);
    for (Int32 i = 1; i <= 3; ++i)
        EXPECT_EQ(liste->Stellen[i]->Vielfachheit, (std::vector<Int32>{3, 2, 1})[i - 1]) << i;
    Primfaktoren(1009, liste, rest);
    EXPECT_EQ(liste->Anzahl, 0);
    EXPECT_EQ(rest, 1009);
    TRadikalKonstante* dreiViertel = RadikalKonstanteAusTerm(K(3, 4));
    EXPECT_EQ(dreiViertel->Text, "Rad(1,1;(3/4))");
    EXPECT_TRUE(dreiViertel->IstRational() && dreiViertel->IstGleich(K(3, 4)));
    EXPECT_TRUE(RadikalKonstante(Rad("2,2;1,3"))->IstKleiner(RadikalKonstante(Rad("2,2;1,4"))));
    EXPECT_FALSE(RadikalKonstante(Rad("2,2;2,3"))->IstKleiner(RadikalKonstante(Rad("2,2;1,4"))));
}

TEST_F(Radikale, RadikaleDesStarts) {
    const Extended w2 = std::sqrt(2.0L), w3 = std::sqrt(3.0L);
    const std::pair<const TRadikal*, Extended> faelle[] = {
        {&RadikalNull, 0},
        {&RadikalEins, 1},
        {&RadikalWurzel2, w2},
        {&RadikalMinusWurzel2, -w2},
        {&RadikalHalbeWurzel2, w2 / 2},
        {&RadikalMinusHalbeWurzel2, -w2 / 2},
        {&RadikalWurzel3, w3},
        {&RadikalMinusWurzel3, -w3},
        {&RadikalHalbeWurzel3, w3 / 2},
        {&RadikalMinusHalbeWurzel3, -w3 / 2},
        {&RadikalDrittelWurzel3, w3 / 3},
        {&RadikalMinusDrittelWurzel3, -w3 / 3},
    };
    for (const auto& [r, wert] : faelle) EXPECT_NEAR(double(W(*r)), double(wert), 1e-15) << RadikalToStr(*r);
}

// Radicals have an index of at most 15; higher roots stay exact root terms and powers.
TEST_F(Radikale, IndexGrenze) {
    for (Int32 n = 2; n <= 15; ++n)
        for (TBruch q : {TBruch{1, 2}, TBruch{1, 128}, TBruch{3, 4}, TBruch{12, 1}, TBruch{-125, 7}}) {
            if (q.Zaehler < 0 && n % 2 == 0) continue;
            TTerm* w = WurzelAusRationalerZahl(q, n);
            bool d;
            const Extended wert = w->Wert(0, d), zahl = static_cast<Extended>(q.Zaehler) / q.Nenner;
            EXPECT_NEAR(double(std::pow(wert, n) / zahl), 1.0, 1e-15) << n << ": " << w->Text;
        }
    TTerm* w = WurzelAusRationalerZahl(BruchEinHalb, 22);
    EXPECT_TRUE(IstWurzel(w)) << w->Text;
    EXPECT_EQ(RadikalKonstanteAusTerm(w), nullptr);
    TTerm* p = PotenzRadikal(Zwei, TBruch{1, 16});
    EXPECT_TRUE(IstPotenz(p)) << p->Text;
    EXPECT_EQ(RadikalKonstanteAusTerm(p), nullptr);
    EXPECT_TRUE(IstPotenz(PotenzRadikal(K(2, 3), TBruch{1, 22})));
}

TEST_F(Radikale, TermarithmetikMitRadikalen) {
    TTerm* w2 = RadikalKonstante(RadikalWurzel2);
    EXPECT_EQ(Summe(w2, StandardFunktionTerm("sqrt", K(8))), RadikalKonstante(Rad("2,2;0,3")));
    EXPECT_EQ(Produkt(w2, WurzelTerm(Drei, 2)), RadikalKonstante(Rad("6,2;0,1")));
    EXPECT_EQ(PotenzRadikal(RadikalKonstante(Rad("2,2;1,1")), TBruch{2, 1}),
              RadikalKonstante(Rad("2,2;3,2")));
    EXPECT_EQ(Differenz(Produkt(w2, w2), Zwei)->IstNull(), true);
}

TEST_F(Radikale, ProtokollDerOperation) {
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    ProtokollRadikal = true;
    R(RadikalWurzel2, '+', Rad("8,2;0,1"));
    TRadikal r;
    bool erfolg;
    ROp(RadikalWurzel2, RadikalWurzel3, '+', r, erfolg);
    ProtokollRadikal = false;
    SetzeZeilenliste(nullptr);
    SetzeZeilenliste(&seite);
    const std::vector<std::string> erwartet = {"ROp(+) [0]",           "a=Rad(2,2;0,1)",   "b=Rad(8,2;0,1)",
                                               "ROp=Rad(2,2;0,3) [3]", "ROp(+) [4]",       "a=Rad(2,2;0,1)",
                                               "b=Rad(3,2;0,1)",       "ROp erfolglos [7]"};
    EXPECT_EQ(Seitentext(), erwartet);
    SetzeZeilenliste(nullptr);
}

} // namespace
