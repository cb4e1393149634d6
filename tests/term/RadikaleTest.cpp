// Exact arithmetic with radicals, checked against long double values and against its own algebra.
#include <gtest/gtest.h>

#include <cmath>

#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

// The radical of the text between "Rad(" and ")", and back.
TRadikal Rad(const std::string& text) {
    TRadikal r;
    StrToRadikal(text, r);
    return r;
}
std::string Innen(const TRadikal& r) {
    const std::string s = RadikalToStr(r);
    return s.substr(4, s.size() - 5);
}
TRadikalKonstante* Konstante(const TRadikal& r) {
    return Neu<TRadikalKonstante>(r);
}
Extended W(const TRadikal& r) {
    bool d;
    return Konstante(r)->Wert(0, d);
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

// Rows of one family share a radical with each other; family '*' is rational and shares with all.
const std::pair<char, const char*> Zeilen[] = {
    {'*', "1,1;(3/4)"},        {'*', "1,1;(-5)"},    {'A', "2,2;0,1"},      {'A', "8,2;1,1"},
    {'A', "2,4;0,1,1"},        {'A', "4,4;(1/2),1"}, {'B', "3,2;0,1"},      {'B', "12,2;2,(1/3)"},
    {'B', "3,4;1,1,1,(-1)"},   {'C', "2,3;0,1"},     {'C', "2,3;1,0,(-1)"}, {'C', "16,3;0,(2/7)"},
    {'D', "5,2;(-7/3),(2/5)"}, {'D', "125,2;0,1"},
};

TEST_F(Radikale, WertDesErgebnissesIstDasErgebnisDerWerte) {
    for (const auto& [fa, ta] : Zeilen)
        for (const auto& [fb, tb] : Zeilen)
            for (char op : {'+', '-', '*', '/'}) {
                const TRadikal a = Rad(ta), b = Rad(tb);
                TRadikal r;
                bool erfolg = false;
                ROp(a, b, op, r, erfolg);
                EXPECT_TRUE(erfolg || (fa != fb && fa != '*' && fb != '*')) << ta << op << tb;
                if (!erfolg) continue;
                const Extended x = W(a), y = W(b);
                const Extended e = op == '+' ? x + y : op == '-' ? x - y : op == '*' ? x * y : x / y;
                const Extended groesse = std::max({std::fabs(e), std::fabs(x), std::fabs(y), 1.0L});
                EXPECT_LE(std::fabs(W(r) - e), 1e-15L * groesse) << ta << op << tb;
                EXPECT_LT(r.Polynom.Grad, r.Wurzelexponent) << ta << op << tb;
                EXPECT_TRUE(RGleich(Rad(Innen(r)), r)) << RadikalToStr(r);
            }
}

TEST_F(Radikale, KoerpergesetzeGeltenExakt) {
    const TRadikal z[] = {Rad("2,2;0,1"), Rad("8,2;1,1"), Rad("2,4;(1/3),1,1,(-2)"), Rad("4,4;0,1"),
                          Rad("1,1;(3/4)")};
    auto null = [](const TRadikal& r) { return Konstante(r)->IstNull(); };
    for (const auto& a : z)
        for (const auto& b : z)
            for (const auto& c : z) {
                EXPECT_TRUE(null(R(R(R(a, '+', b), '-', b), '-', a)));
                EXPECT_TRUE(null(R(R(a, '*', b), '-', R(b, '*', a))));
                EXPECT_TRUE(null(R(R(R(a, '*', b), '*', c), '-', R(a, '*', R(b, '*', c)))));
                EXPECT_TRUE(null(R(R(a, '*', R(b, '+', c)), '-', R(R(a, '*', b), '+', R(a, '*', c)))));
                // The quotient times the divisor is the dividend.
                EXPECT_TRUE(null(R(R(R(a, '/', b), '*', b), '-', a))) << Innen(a) << " / " << Innen(b);
            }
}

TEST_F(Radikale, PotenzenWieWiederholteProdukte) {
    for (const char* text : {"2,2;0,1", "2,2;1,1", "2,3;(1/2),1,(-1)", "3,4;0,0,1", "1,1;(-2/3)"}) {
        TRadikal produkt = RadikalEins, p, q;
        for (Int32 k = 0; k <= 9; ++k, produkt = R(produkt, '*', Rad(text))) {
            RHoch(Rad(text), k, p);
            EXPECT_TRUE(RGleich(p, produkt)) << text << "^" << k << ": " << RadikalToStr(p);
            RHoch(Rad(text), -k, q);
            EXPECT_TRUE(RGleich(q, R(RadikalEins, '/', produkt))) << text << "^-" << k;
        }
    }
    // Squaring ends a huge exponent at once: exactly, or with the overflow.
    TRadikal r;
    RHoch(Rad("1,1;(-1)"), INT32_MIN, r);
    EXPECT_TRUE(Konstante(r)->HatWert(BruchEins));
    try {
        RHoch(Rad("2,2;1,1"), INT32_MAX, r);
        ADD_FAILURE() << "kein Überlauf";
    } catch (const ERessourcen& e) {
        EXPECT_EQ(e.Meldung, "Überlauf in der Radikalrechnung.");
    }
    // Without a quotient: the warning, then no power.
    EXPECT_THROW(RHoch(Rad("2,2;0"), -1, r), ENichtExistenz);
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Quotient der Radikale existiert nicht\n\r");
}

TEST_F(Radikale, TexteLesen) {
    // Index or radicand 1 is the rational P(R); trailing zeros drop; the degree may reach 20.
    EXPECT_EQ(Innen(Rad("5,1;1,2")), "1,1;11");
    EXPECT_EQ(Innen(Rad("1,3;1,2,(3/6)")), "1,1;(7/2)");
    EXPECT_EQ(Innen(Rad("2,2;(4/-6),+3,0")), "2,2;(-2/3),3");
    EXPECT_EQ(Rad("7,15;1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21").Polynom.Grad, 20);
    EXPECT_EQ(TermAusString("Rad(2,2;0,1)"), RadikalKonstante(RadikalWurzel2));
    for (const std::string innen : {"0,2;1", "-2,2;1", "2,0;1", "2,16;1", "2,2", "2;2,1", "2,2;", "2,2;1,,2",
                                    "2,2;a", "2,2;1/0", "x,2;1", "99999999999999999999,2;1", "",
                                    "2,2;1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22",
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
    // Indices that do not divide each other have no common radical, for the product too.
    TRadikal r;
    bool erfolg = true;
    for (char op : {'+', '*', '/'}) {
        ROp(RadikalWurzel2, Rad("2,3;0,1"), op, r, erfolg);
        EXPECT_FALSE(erfolg) << op;
    }
    ROp(RadikalWurzel2, RadikalWurzel3, '+', r, erfolg);
    EXPECT_FALSE(erfolg);
    // Each start-up radical is the signed square root of the number beside it.
    const TRadikal* start[] = {&RadikalNull,           &RadikalEins,
                               &RadikalWurzel2,        &RadikalMinusWurzel2,
                               &RadikalHalbeWurzel2,   &RadikalMinusHalbeWurzel2,
                               &RadikalWurzel3,        &RadikalMinusWurzel3,
                               &RadikalHalbeWurzel3,   &RadikalMinusHalbeWurzel3,
                               &RadikalDrittelWurzel3, &RadikalMinusDrittelWurzel3};
    const Extended q[] = {0, 1, 2, -2, .5, -.5, 3, -3, .75, -.75, 1 / 3.0L, -1 / 3.0L};
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(double(W(*start[i])), double(std::copysign(std::sqrt(std::fabs(q[i])), q[i])), 1e-15)
            << i;
}

// A radicand that is an n-th power gives a rational number, up to the largest powers of 64 bits; one more
// or one less than the power stays a root of its index.
TEST_F(Radikale, PotenzAlsRadikandGibtEineZahl) {
    const std::pair<Int64, Int32> faelle[] = {{3037000499, 2}, {2097151, 3}, {55108, 4}, {6208, 5}, {1448, 6},
                                              {511, 7},        {3, 13},      {2, 11},    {12, 2},   {7, 15}};
    for (const auto& [wurzel, n] : faelle) {
        Int64 potenz = 1;
        for (Int32 i = 0; i < n; ++i) potenz *= wurzel;
        for (Int64 d : {Int64(0), Int64(1), Int64(-1)}) {
            const TRadikal r =
                R(Rad(std::to_string(potenz + d) + "," + std::to_string(n) + ";0,1"), '*', Rad("1,1;1"));
            SCOPED_TRACE(std::to_string(potenz + d) + " " + std::to_string(n));
            if (d == 0)
                EXPECT_EQ(Innen(r), "1,1;" + std::to_string(wurzel));
            else
                EXPECT_EQ(r.Wurzelexponent, n);
        }
    }
}

// Radicals have an index of at most 15; higher roots stay exact root terms and powers.
TEST_F(Radikale, IndexGrenze) {
    EXPECT_EQ(RadikalKonstanteAusTerm(WurzelTerm(Zwei, 22)), nullptr);
    EXPECT_TRUE(IstPotenz(PotenzRadikal(Zwei, TBruch{1, 16})));
    EXPECT_TRUE(IstPotenz(PotenzRadikal(K(2, 3), TBruch{1, 22})));
}

TEST_F(Radikale, TermarithmetikUndProtokoll) {
    TTerm* w2 = RadikalKonstante(RadikalWurzel2);
    EXPECT_EQ(Summe(w2, StandardFunktionTerm("sqrt", K(8))), RadikalKonstante(Rad("2,2;0,3")));
    EXPECT_EQ(Produkt(w2, WurzelTerm(Drei, 2)), RadikalKonstante(Rad("6,2;0,1")));
    EXPECT_EQ(PotenzRadikal(RadikalKonstante(Rad("2,2;1,1")), TBruch{2, 1}),
              RadikalKonstante(Rad("2,2;3,2")));
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    ProtokollRadikal = true;
    R(RadikalWurzel2, '+', Rad("8,2;0,1"));
    ProtokollRadikal = false;
    EXPECT_EQ(Seitentext(), (std::vector<std::string>{"ROp(+) [0]", "a=Rad(2,2;0,1)", "b=Rad(8,2;0,1)",
                                                      "ROp=Rad(2,2;0,3) [3]"}));
    SetzeZeilenliste(nullptr);
}

} // namespace
