// The root and radical forms: their terms against the term's values, derivatives against difference
// quotients, zeros put back and complete against a fine sign scan, the worked zeros and the mended limits.
#include <cmath>
#include <string>

#include "algebra/WurzelNormalformen.h"
#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Nullstel.h"
#include "term/Mengen.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

using WurzelNormalformTest = PolynomTest;

std::vector<Extended> Stellen() {
    std::vector<Extended> s;
    for (Extended x = -3.3L; x < 8; x += 0.37L) s.push_back(x);
    return s;
}

// f and g agree wherever both have a value, and g has one at most points where f has (a form may cancel a
// gap of f or, rationalised, gain one).
::testing::AssertionResult GleichWoDefiniert(TTerm* f, TTerm* g) {
    int beide = 0, nurF = 0;
    for (Extended x : Stellen()) {
        auto wf = Wert(f, x), wg = Wert(g, x);
        if (wf && !wg) ++nurF;
        if (!wf || !wg) continue;
        ++beide;
        if (auto n = Nahe(*wf, *wg); !n) return n << " bei x = " << double(x) << ": " << g->Text;
    }
    if (nurF > 1 || beide == 0) return ::testing::AssertionFailure() << g->Text << " fehlt an " << nurF;
    return ::testing::AssertionSuccess();
}

TNormalform* Form(const char* text, bool radikal) {
    TTerm* t = Lies(text);
    return radikal ? TRadikalNormformCreateT(t) : TWurzelNormformCreateT(t);
}

TEST_F(WurzelNormalformTest, FormenNachWertenUndAbleitungen) {
    // 0: no form, 1: the root form only, 2: both.
    const std::pair<const char*, int> faelle[] = {{"sqrt(x)", 2},
                                                  {"sqrt(x^2*(x+1))", 2},
                                                  {"sqrt(x^4*(x+1))", 2},
                                                  {"sqrt(x)+sqrt(4x)", 2},
                                                  {"sqrt(x)*sqrt(x)", 2},
                                                  {"x-sqrt(x+2)", 2},
                                                  {"1/(1+sqrt(x))", 2},
                                                  {"sqrt(x)*sqrt(x+1)", 1},
                                                  {"(x-1)/(sqrt(x)-1)", 2},
                                                  {"sqrt(1-x)", 2},
                                                  {"x*sqrt(x-1)", 2},
                                                  {"(sqrt(x)+1)^(-2)", 2},
                                                  {"x^(2/3)-3*x^(1/3)+2", 1},
                                                  {"sqrt(x^2+1)/(x-sqrt(x^2+1))", 2},
                                                  {"(x+1)^(3/4)*(x+1)^(1/4)", 1},
                                                  {"(2+x)°3/((x+2)°3+1)", 2},
                                                  {"sqrt(x)/sqrt(x+1)", 0},
                                                  {"sqrt(x)+sqrt(-x)", 0},
                                                  {"1/(sqrt(x+1)-sqrt(x))", 0},
                                                  {"x^(21/2)", 0},
                                                  {"(sqrt(x)+1)^21", 0},
                                                  {"x^(1/16)", 0},
                                                  {"sqrt(x)+sin(x)", 0}};
    for (const auto& [text, art] : faelle) {
        for (bool radikal : {false, true}) {
            TTerm* t = Lies(text);
            TNormalform* F = Form(text, radikal);
            ASSERT_EQ(F != nullptr, art == 2 || (art == 1 && !radikal)) << text << radikal;
            if (!F) continue;
            EXPECT_TRUE(GleichWoDefiniert(t, F->Term)) << text << radikal;
            const Int32 n =
                radikal ? static_cast<TRadikalNormalform*>(F)->n : static_cast<TWurzelNormalform*>(F)->n;
            const Int32 grad = radikal ? static_cast<TRadikalNormalform*>(F)->Z.Grad
                                       : static_cast<TWurzelNormalform*>(F)->Z.Grad;
            EXPECT_TRUE(grad < n || grad == 0) << text << radikal;
            TNormalform* A = F->Ableitung();
            EXPECT_EQ(A->Kennung, F->Kennung) << text;
            EXPECT_TRUE(IstAbleitung(A->Term, t, {0.37L, 1.3L, 2.9L, 5.5L})) << text << radikal;
        }
        AlleTermeFreigeben();
    }
    // Factors leave the root by even powers of linear factors only; proportional radicands unite.
    EXPECT_EQ(static_cast<TWurzelNormalform*>(Form("sqrt(x^2*(x+1))", false))->R.Grad, 3);
    EXPECT_EQ(static_cast<TWurzelNormalform*>(Form("sqrt(x^4*(x+1))", false))->R.Grad, 1);
    EXPECT_TRUE(IstPPMonom(static_cast<TRadikalNormalform*>(Form("sqrt(x)+sqrt(4x)", true))->Z));
    EXPECT_EQ(static_cast<TRadikalNormalform*>(Form("sqrt(x)*sqrt(x)", true))->Z.Grad, 0);
    // 1/(1 + sqrt(x)) rationalised: the numerator is a multiple of 1 - sqrt(x).
    auto* r = static_cast<TRadikalNormalform*>(Form("1/(1+sqrt(x))", true));
    EXPECT_TRUE(r->N.Grad > 0 && TermVerschwindetIn(PPEinsetzen(r->Z, Lies("sqrt(x)")), Eins));
}

// Factors leave the root as F with F^n * R' = R; an even power of a linear factor only by an even quotient.
// The arithmetic of radical forms has the values of the operation, with a denominator free of the root.
TEST_F(WurzelNormalformTest, RadikandUndArithmetik) {
    const std::tuple<TPolynom, Int32, Int32> radikanden[] = {{PolZ({0, 0, 0, 0, 1, 1}), 2, 1},
                                                             {PolZ({0, 0, 1, 1}), 2, 3},
                                                             {PolZ({-2, 1, -6, 3, -6, 3, -2, 1}), 2, 3},
                                                             {PolZ({1, -6, 15, -20, 15, -6, 1}), 3, 0},
                                                             {PolZ({0, -1, 3, -3, 1}), 3, 4},
                                                             {PolZ({1, 0, 0, 0, 0, 1}), 2, 5}};
    for (const auto& [R, n, grad] : radikanden) {
        TPolynom rest = R, F, Fn, produkt;
        KlammerePAusWurzel(rest, n, F);
        EXPECT_EQ(rest.Grad, grad) << PolynomToTerm(R)->Text;
        PHoch(F, n, Fn);
        PMal(Fn, rest, produkt);
        for (Extended x : Proben()) EXPECT_TRUE(Nahe(Summenwert(produkt, x), Summenwert(R, x))) << double(x);
    }
    const char* formen[] = {"x+sqrt(x)", "1-2*sqrt(x)", "sqrt(4x)/(x+1)", "3"};
    for (const char* a : formen)
        for (const char* b : formen)
            for (char op : {'+', '-', '*', '/'}) {
                auto* A = static_cast<TRadikalNormalform*>(Form(a, true));
                auto* B = static_cast<TRadikalNormalform*>(Form(b, true));
                bool ok = false;
                TRadikalNormalform* E = RaOp(A, B, op, ok);
                ASSERT_TRUE(ok && E) << a << op << b;
                EXPECT_TRUE(GleichWoDefiniert(Op(A->Term, op, B->Term), E->Term)) << a << op << b;
            }
    // For the radicand x the root form is cancelled as a rational function of the root.
    EXPECT_TRUE(PPGleich(static_cast<TWurzelNormalform*>(Form("(x-1)/(sqrt(x)-1)", false))->N, EinsPPolynom));
}

// The zeros of both forms in [a; b]: each one a zero of the term, and with Status 1 every sign change and
// every zero a fine scan finds is listed.
TEST_F(WurzelNormalformTest, NullstellenEingesetztUndVollstaendig) {
    struct Fall {
        const char* f;
        Int64 a, b;
        int anzahl;
    } faelle[] = {
        {"sqrt(x)-2", -5, 10, 1},        {"x^(2/3)-3*x^(1/3)+2", -5, 10, 2},   {"x-sqrt(x+2)", -5, 10, 1},
        {"x*sqrt(x-1)", -5, 10, 1},      {"(x^2-4)*sqrt(x)/(x-1)", -5, 10, 2}, {"sqrt(x^3)-x", -5, 10, 2},
        {"x-sqrt(x+2)", 3, 10, 0},       {"1/(1+sqrt(x))-1/2", 0, 4, -1},      {"sqrt(x^2+1)-2", -5, 5, 2},
        {"(x-1)*sqrt(x^2-4)", -5, 5, 2}, {"x^11-sqrt(x+1)", -1, 2, 0}};
    for (const Fall& fall : faelle) {
        TTerm* t = Lies(fall.f);
        for (bool radikal : {false, true}) {
            TNormalform* F = Form(fall.f, radikal);
            if (!F) continue;
            TSListe* L = nullptr;
            uint8_t status = 9;
            F->Nullstellen(Iv(K(fall.a), false, K(fall.b), false), L, false, status);
            for (Extended x : Werte(L)) {
                EXPECT_TRUE(x >= fall.a && x <= fall.b && Wert(t, x) && std::fabs(*Wert(t, x)) < 1e-12L)
                    << fall.f << " bei " << double(x);
            }
            if (fall.anzahl >= 0 && status == wahr) {
                EXPECT_EQ(L->Anzahl, fall.anzahl) << fall.f << radikal;
            }
            EXPECT_TRUE(status == wahr || fall.anzahl <= 0) << fall.f << radikal;
            if (status != wahr) continue;
            const int schritte = 3000;
            std::optional<Extended> vorher;
            for (int i = 0; i <= schritte; ++i) {
                const Extended x = fall.a + (fall.b - fall.a) * Extended(i) / schritte;
                auto w = Wert(t, x);
                if (w && vorher && (*w == 0 || (*w > 0) != (*vorher > 0))) {
                    bool gelistet = false;
                    for (Extended z : Werte(L)) gelistet |= std::fabs(z - x) < 0.01L;
                    EXPECT_TRUE(gelistet) << fall.f << " wechselt das Vorzeichen bei " << double(x);
                }
                vorher = w;
            }
        }
        AlleTermeFreigeben();
    }
}

TEST_F(WurzelNormalformTest, DurchgerechneteNullstellen) {
    TTestLeinwandAktiv leinwand;
    const std::pair<const char*, const char*> faelle[] = {
        {"sqrt(x)-2",
         "beide Seiten mit 2 potenzieren führt auf:\n4 = x\n#1-fache  Nullstelle der ürsprünglichen "
         "Funktion bei 4"},
        {"x^(2/3)-3*x^(1/3)+2", "führt auf x2-3·x+2 = 0.#Rücksubstitution:# x = 8 ergibt eine Lösung.# x = 1 "
                                "ergibt eine Lösung."},
        {"x*sqrt(x-1)", "Das Polynom x kann ausgeklammert werden.# In 0 ist der Term nicht definiert.#Die "
                        "Wurzel kann ausgeklammert werden."},
        {"x^(2/3)*(x-1)", "Die 2-te Potenz der Wurzel kann ausgeklammert werden\n"}};
    for (const auto& [f, texte] : faelle) {
        TZeilenliste seite;
        SetzeZeilenliste(&seite);
        TSListe* L = nullptr;
        uint8_t status = 9;
        Form(f, false)->Nullstellen(IntervallR, L, true, status);
        NeueZeile();
        SetzeZeilenliste(nullptr);
        std::string text;
        for (const std::string& z : seite.Klartext()) text += z + "\n";
        const std::string t = texte;
        for (size_t a = 0, e = 0; e != std::string::npos; a = e + 1) {
            e = t.find('#', a);
            EXPECT_NE(text.find(t.substr(a, e - a)), std::string::npos) << f << ":\n" << text;
        }
    }
    // Headless, through the zeros step.
    for (const auto& [f, nullstelle, zeile] :
         {std::tuple{"sqrt(x)-2", 4.0L, "N1(4 | 0)"},
          std::tuple{"x-sqrt(x+2)", 2.0L, " Einsetzen von -1 zeigt, dass dies keine Lösung ist."}}) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = {SchrittNullstellen}, .Kommentare = true});
        lauf.Starte();
        EXPECT_EQ(Werte(Nullstellenliste), std::vector<Extended>{nullstelle}) << f;
        EXPECT_NE(lauf.Text(1).find(zeile), std::string::npos) << lauf.Text(1);
    }
}

// No quotient: the warning for a divisor without inverse, none for the divisor 0; the forms of terms whose
// arithmetic would exceed the limits do not exist, and no exception leaves the dispatcher.
TEST_F(WurzelNormalformTest, GrenzenUndKeinQuotient) {
    EXPECT_EQ(TRadikalNormformCreateT(Lies("1/(sqrt(x*x)-x)")), nullptr);
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Quotient der Radikal-Normalformen existiert nicht\r\n");
    bool ok = true;
    auto* a = static_cast<TRadikalNormalform*>(Form("sqrt(x)", true));
    TPPolynom null;
    EXPECT_EQ(RaNFDurch(a, Neu<TRadikalNormalform>(null, EinsPolynom, a->R, 2), ok), nullptr);
    EXPECT_FALSE(ok);
    // In a whole request the larger terms ask again: the warning comes once.
    TKopfloseAnfrage lauf({.F = "x/(sqrt(x^2-2x+1)-x+1)+sqrt(x)", .Schritte = {SchrittVereinfachen}});
    lauf.Starte();
    EXPECT_EQ(lauf.Host.Meldungen.size(), 1u);
    TTerm* s = Lies("sqrt(x)");
    EXPECT_EQ(TWurzelNormformCreateT(Op(Eins, '/', Op(s, '-', s))), nullptr);
    EXPECT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    for (const char* text :
         {"(sqrt(x)+x^10)^3", "sqrt(x^21+1)*sqrt(x)", "(x^(1/15)+1)^(-1)", "sqrt(x^20+1)^2*x"}) {
        bool neu = false;
        EXPECT_NO_THROW(Normalform(Lies(text), neu)) << text;
    }
}

} // namespace
} // namespace zol
