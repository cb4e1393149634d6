// The normal-form base, the dispatcher and the polynomial normal form: which terms are polynomials, the
// term of a form against its input, caching and reference counts, derivative, antiderivative and symmetry.
#include <cmath>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/RationaleFunktion.h"
#include "output/Ausgabe.h"
#include "term/Arena.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class NormalFormen : public PolynomTest {};

TTerm* T(const std::string& text) {
    return TermAusString(text);
}

// The term and the polynomial have the same value at every sample point where the term has one.
::testing::AssertionResult GleicheWerte(TTerm* term, const TPolynom& P) {
    for (Extended t : Proben()) {
        bool d = true;
        const Extended w = term->Wert(t, d);
        if (!d) continue;
        auto r = Nahe(w, Summenwert(P, t));
        if (!r) return r << " bei x = " << double(t) << " für " << term->Text;
    }
    return ::testing::AssertionSuccess();
}

// a has the values of b wherever b has one.
::testing::AssertionResult GleicheWerte(TTerm* a, TTerm* b) {
    for (Extended t : Proben()) {
        bool da = true, db = true;
        const Extended wa = a->Wert(t, da), wb = b->Wert(t, db);
        if (!db) continue;
        if (!da)
            return ::testing::AssertionFailure() << "nicht definiert bei " << double(t) << ": " << a->Text;
        auto r = Nahe(wa, wb);
        if (!r) return r << " bei x = " << double(t) << ": " << a->Text << " / " << b->Text;
    }
    return ::testing::AssertionSuccess();
}

// ---- Recognition ----

TEST_F(NormalFormen, PolynomeInVielenFormen) {
    struct Fall {
        const char* Text;
        Int32 Grad;
    };
    const Fall faelle[] = {
        {"x", 1},
        {"7", 0},
        {"x^2-1", 2},
        {"3*x^3-2*x+5", 3},
        {"(x+1)*(x-1)", 2},
        {"(x-1)*(x-2)*(x-3)*(x+4)", 4},
        {"x*(x*(x*(x+1)+2)+3)", 4},
        {"((x+1)^2)^3", 6},
        {"(2*x-1)^5", 5},
        {"x^0", 0},
        {"x^1*x^1", 2},
        {"1/2*x^2+2/3*x-3/4", 2},
        {"(x/2+1/3)^2", 2},
        {"(x^2-1)/(x-1)", 1},
        {"(x^3-8)/(x-2)", 2},
        {"(6*x^2+4*x)/2", 2},
        {"x-x", 0},
        {"x^20", 20},
        {"(x+pi)^2", 2},
        {"(x-pi)*(x+pi)/2", 2},
    };
    for (const Fall& f : faelle) {
        TTerm* t = T(f.Text);
        const bool gespeichert = t->Normalform != nullptr;
        bool neu = false;
        TPolynomTerm* form = TPolynomTermCreateT(t, neu);
        ASSERT_NE(form, nullptr) << f.Text;
        EXPECT_EQ(neu, !gespeichert) << f.Text;
        EXPECT_EQ(form->Kennung, "PT");
        EXPECT_EQ(form->Referenzen, 0);
        EXPECT_EQ(form->P.Grad, f.Grad) << f.Text;
        EXPECT_TRUE(Getrimmt(form->P)) << f.Text;
        EXPECT_TRUE(GleicheWerte(t, form->P)) << f.Text;
        // The term of the form is the input again.
        EXPECT_TRUE(GleicheWerte(form->Term, form->P)) << f.Text;
        AlleTermeFreigeben();
    }
}

TEST_F(NormalFormen, KeinePolynome) {
    const char* const faelle[] = {
        "1/x",     "x^(-1)", "x^(1/2)", "(x^2+1)/(x-1)", "x/(x+1)*2", "x°2",
        "sqrt(x)", "exp(x)", "sin(x)",  "x;x^2",         "2^x",
    };
    for (const char* text : faelle) {
        bool neu = true;
        TTerm* t = nullptr;
        try {
            t = T(text);
        } catch (const ENochNichtGebaut&) {
            ADD_FAILURE() << text << " lässt sich nicht bauen";
            continue;
        }
        EXPECT_EQ(TPolynomTermCreateT(t, neu), nullptr) << text;
        EXPECT_FALSE(neu) << text;
        AlleTermeFreigeben();
    }
    bool neu = true;
    EXPECT_EQ(TPolynomTermCreateT(nullptr, neu), nullptr);
}

TEST_F(NormalFormen, DivisionDurchDasNullpolynom) {
    TTerm* x = VariableX;
    bool neu = false;
    EXPECT_THROW(TPolynomTermCreateT(Op(x, '/', Op(x, '-', x)), neu), ETermFehler);
}

TEST_F(NormalFormen, GradgrenzeGehtDurch) {
    bool neu = false;
    EXPECT_THROW(TPolynomTermCreateT(T("x^21"), neu), EZolFehler);
    EXPECT_THROW(TPolynomTermCreateT(T("(x^11)*(x^10)"), neu), EZolFehler);
}

TEST_F(NormalFormen, GrosseExponentenEndenSofort) {
    bool neu = false;
    // A huge exponent of a polynomial of degree 0 is raised through its coefficient.
    TTerm* nullHoch = PotenzTerm(Op(VariableX, '-', VariableX), TBruch{1000000000000LL, 1});
    TPolynomTerm* form = TPolynomTermCreateT(nullHoch, neu);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(IstNullPolynom(form->P));
    TTerm* einsHoch = PotenzTerm(Op(Op(VariableX, '-', VariableX), '+', Eins), TBruch{1000000000000LL, 1});
    form = TPolynomTermCreateT(einsHoch, neu);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(PGleich(form->P, EinsPolynom));
    EXPECT_THROW(TPolynomTermCreateT(PotenzTerm(VariableX, TBruch{1000000000000LL, 1}), neu), EZolFehler);
}

// A constant without an exact value has no normal form and raises nothing.
TEST_F(NormalFormen, KonstanteOhneWert) {
    bool neu = false;
    TTerm* ohneWert = PotenzTerm(Op(Null, '+', Null), TBruch{-1, 1});
    EXPECT_EQ(TPolynomTermCreateT(ohneWert, neu), nullptr);
    EXPECT_EQ(TPolynomTermCreateT(Op(VariableX, '*', ohneWert), neu), nullptr);
    TTerm* zuGross = PotenzTerm(K(7), TBruch{70, 1});
    EXPECT_EQ(TPolynomTermCreateT(zuGross, neu), nullptr);
    EXPECT_EQ(Normalform(ohneWert, neu), nullptr);
}

TEST_F(NormalFormen, GespeicherteFormEntscheidet) {
    TTerm* t = T("x^2+1");
    bool neu = false;
    // A cached polynomial form is handed back.
    t->HoleNormalform();
    ASSERT_NE(t->Normalform, nullptr);
    ASSERT_EQ(t->Normalform->Kennung, "PT");
    EXPECT_EQ(TPolynomTermCreateT(t, neu), t->Normalform);
    EXPECT_FALSE(neu);
    // A term that caches a rational function form is no polynomial for this builder.
    TTerm* u = T("x^2+2");
    u->Normalform = Neu<TRationaleFunktion>(Pol({{2, 1}, {0, 1}, {1, 1}}), EinsPolynom);
    neu = true;
    EXPECT_EQ(TPolynomTermCreateT(u, neu), nullptr);
    EXPECT_FALSE(neu);
}

// ---- Polynomials as terms ----

TEST_F(NormalFormen, PolynomToTerm) {
    EXPECT_EQ(PolynomToTerm(NullPolynom), Null);
    EXPECT_EQ(PolynomToTerm(EinsPolynom), Eins);
    EXPECT_EQ(PolynomToTerm(XPolynom), VariableX);
    // Monomials from the highest power down, left-associated; a negative coefficient after the first is
    // subtracted; a coefficient 1 is left out.
    TTerm* t = PolynomToTerm(PolZ({-2, 3, -1}));
    EXPECT_EQ(t->Text, "((((-1)*(x^2))+(3*x))-2)");
    EXPECT_EQ(PolynomToTerm(PolZ({1, 0, 0, 1}))->Text, "((x^3)+1)");
    EXPECT_EQ(PolynomToTerm(Pol({{-1, 2}, {1, 1}}))->Text, "(x-(1/2))");
    EXPECT_EQ(PolynomToTerm(PolZ({5}))->Text, "5");
    // Gaps and a trailing zero coefficient.
    TPolynom P = PolZ({0, 0, 4, 0, -1});
    EXPECT_EQ(PolynomToTerm(P)->Text, "(((-1)*(x^4))+(4*(x^2)))");
}

TEST_F(NormalFormen, PolynomToTermHatDieWerteDesPolynoms) {
    TZufallsPolynome zufall(7);
    for (int i = 0; i < 40; ++i) {
        TPolynom P = zufall.Polynom(zufall.Grad(0, 8));
        TTerm* t = PolynomToTerm(P);
        EXPECT_TRUE(GleicheWerte(t, P));
        // Rational coefficients are simplified, so is the term.
        EXPECT_TRUE(t->Zustand & TermVereinfacht) << t->Text;
        EXPECT_EQ(t->Vereinfacht, t) << t->Text;
        // Read back, it is the same polynomial.
        bool neu = false;
        AlleSubNormalformen(t);
        TPolynomTerm* form = TPolynomTermCreateT(t, neu);
        ASSERT_NE(form, nullptr) << t->Text;
        EXPECT_TRUE(PGleich(form->P, P)) << t->Text;
    }
}

// ---- The dispatcher ----

TEST_F(NormalFormen, KonstanteOhneWertHatKeinePolynomform) {
    // 1/0 and 0^-1 have no value anywhere: no polynomial stands for them. A parameter keeps its form.
    for (TTerm* t : {OperatorTerm(Eins, Null, '/'), PotenzTerm(Null, TBruch{-1, 1})}) {
        bool neu = true;
        EXPECT_EQ(TPolynomTermCreateT(t, neu), nullptr) << t->Text;
        EXPECT_EQ(TRationaleFunktionCreateT(t, neu), nullptr) << t->Text;
    }
    bool neu = true;
    TTerm* mitParameter = OperatorTerm(BenannteKonstante("a"), Zwei, '*');
    EXPECT_NE(TPolynomTermCreateT(mitParameter, neu), nullptr);
}

TEST_F(NormalFormen, KonstantenHabenEinPolynomVomGradNull) {
    std::vector<TTerm*> konstanten = {Zwei, Bruchkonstante(-3, 4), BenannteKonstante("pi"),
                                      ReelleKonstante(2.5L), BenannteKonstante("a")};
    for (TTerm* k : konstanten) {
        bool neu = true;
        TNormalform* f = Normalform(k, neu);
        ASSERT_NE(f, nullptr) << k->Text;
        EXPECT_EQ(f->Kennung, "PT");
        EXPECT_FALSE(neu);
        EXPECT_EQ(static_cast<TPolynomTerm*>(f)->P.Grad, 0);
        EXPECT_TRUE(GleicheWerte(f->Term, k));
    }
}

TEST_F(NormalFormen, PolynomeWerdenPolynomformen) {
    for (const char* text : {"x^2-1", "(x+1)*(x-1)", "(x^2-1)/(x-1)", "x/2+x/3", "(2*x)/(4*x)"}) {
        TTerm* t = T(text);
        bool neu = false;
        TNormalform* f = Normalform(t, neu);
        ASSERT_NE(f, nullptr) << text;
        EXPECT_EQ(f->Kennung, "PT") << text;
        EXPECT_TRUE(neu) << text;
        EXPECT_TRUE(GleicheWerte(f->Term, t)) << text;
        EXPECT_LE(f->Term->Knotenzahl, std::max(t->Knotenzahl, 7)) << text;
    }
}

TEST_F(NormalFormen, QuotientenHabenEineRationaleForm) {
    for (const char* text : {"1/x", "(x+1)/(x-1)", "x^(-2)", "1/(x^2+1)+x"}) {
        TTerm* t = T(text);
        bool neu = false;
        TNormalform* f = Normalform(t, neu);
        ASSERT_NE(f, nullptr) << text;
        const std::string kennung = f->Kennung;
        EXPECT_TRUE(kennung == "RF" || kennung == "RNF") << text << ": " << kennung;
        EXPECT_TRUE(GleicheWerte(f->Term, t)) << text;
    }
}

TEST_F(NormalFormen, OhneNormalform) {
    bool neu = true;
    // ln: nil, and not marked.
    TTerm* ln = StandardFunktionTerm("ln", VariableX);
    EXPECT_EQ(Normalform(ln, neu), nullptr);
    EXPECT_FALSE(ln->Zustand & KeineNormalform);
    // exp and sin mixed: nil and marked.
    TTerm* gemischt = Op(StandardFunktionTerm("exp", VariableX), '+', StandardFunktionTerm("sin", VariableX));
    EXPECT_EQ(Normalform(gemischt, neu), nullptr);
    EXPECT_TRUE(gemischt->Zustand & KeineNormalform);
    EXPECT_FALSE(neu);
    // A second call returns at once: nothing is built.
    const size_t vorher = AnfrageArena().Anzahl();
    EXPECT_EQ(Normalform(gemischt, neu), nullptr);
    EXPECT_EQ(AnfrageArena().Anzahl(), vorher);
    // A piecewise term has no normal form.
    TTerm* j = T("x;x^2");
    EXPECT_EQ(Normalform(j, neu), nullptr);
    EXPECT_TRUE(j->Zustand & KeineNormalform);
    // The mark of a part carries over to an operator term built from it.
    TTerm* mitJoin = Op(j, '+', VariableX);
    EXPECT_TRUE(mitJoin->Zustand & KeineNormalform);
    EXPECT_EQ(Normalform(mitJoin, neu), nullptr);
}

// ---- Caching and reference counts ----

TEST_F(NormalFormen, HoleNormalformBautNurEinmal) {
    TTerm* t = T("(x+1)^2-x");
    EXPECT_EQ(t->Normalform, nullptr);
    t->HoleNormalform();
    TNormalform* f = t->Normalform;
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Referenzen, 1);
    const size_t vorher = AnfrageArena().Anzahl();
    t->HoleNormalform();
    EXPECT_EQ(t->Normalform, f);
    EXPECT_EQ(AnfrageArena().Anzahl(), vorher);
    bool neu = true;
    EXPECT_EQ(TPolynomTermCreateT(t, neu), f);
    EXPECT_FALSE(neu);
    EXPECT_EQ(AnfrageArena().Anzahl(), vorher);
    // Releasing lowers the count and clears the cache.
    t->Freigeben();
    EXPECT_EQ(f->Referenzen, 0);
    EXPECT_EQ(t->Normalform, nullptr);
}

TEST_F(NormalFormen, FormenDerGemeinsamenTerme) {
    struct Fall {
        TTerm* Term;
        TPolynom P;
    };
    const Fall faelle[] = {{Null, NullPolynom}, {Eins, EinsPolynom}, {VariableX, XPolynom}};
    for (const Fall& f : faelle) {
        auto* form = dynamic_cast<TPolynomTerm*>(f.Term->Normalform);
        ASSERT_NE(form, nullptr) << f.Term->Text;
        EXPECT_EQ(form->Kennung, "PT");
        EXPECT_EQ(form->Referenzen, 0);
        EXPECT_EQ(form->Term, f.Term);
        EXPECT_TRUE(PGleich(form->P, f.P));
    }
    // A request's forms go with the request; the attached ones stay.
    TNormalform* x = VariableX->Normalform;
    Zwei->HoleNormalform();
    ASSERT_NE(Zwei->Normalform, nullptr);
    T("x^2+3")->HoleNormalform();
    EXPECT_GT(AnfrageArena().Anzahl(), 0u);
    AlleTermeFreigeben();
    EXPECT_EQ(AnfrageArena().Anzahl(), 0u);
    EXPECT_EQ(Zwei->Normalform, nullptr);
    EXPECT_EQ(VariableX->Normalform, x);
    EXPECT_EQ(Null->Normalform->Term, Null);
}

TEST_F(NormalFormen, AlleSubNormalformen) {
    TTerm* t = T("(x+1)*(x-1)^2+(x+1)/x");
    AlleSubNormalformen(t);
    // Every operator and function node carries a form.
    std::vector<TTerm*> offen = {t};
    int knoten = 0;
    while (!offen.empty()) {
        TTerm* u = offen.back();
        offen.pop_back();
        ++knoten;
        EXPECT_NE(u->Normalform, nullptr) << u->Text;
        if (auto* o = AlsOperatorTerm(u)) {
            offen.push_back(o->T1);
            offen.push_back(o->T2);
        } else if (auto* p = AlsPotenzTerm(u)) {
            offen.push_back(p->Argument);
        }
    }
    EXPECT_EQ(knoten, 14);
    // A piecewise term is not descended into.
    auto* j = static_cast<TJoin*>(T("x^2-1;x+2"));
    TTerm* mit = Op(j, '*', T("x+3"));
    AlleSubNormalformen(mit);
    EXPECT_EQ(j->T1->Normalform, nullptr);
    EXPECT_EQ(j->T2->Normalform, nullptr);
    EXPECT_NE(static_cast<TOperatorTerm*>(mit)->T2->Normalform, nullptr);
    EXPECT_TRUE(j->Zustand & KeineNormalform);
}

// ---- Slots of the polynomial form ----

TEST_F(NormalFormen, AbleitungWiePAbleitung) {
    TZufallsPolynome zufall(11);
    for (int i = 0; i < 25; ++i) {
        TPolynom P = zufall.Polynom(zufall.Grad(0, 9));
        auto* form = Neu<TPolynomTerm>(P);
        auto* ableitung = dynamic_cast<TPolynomTerm*>(form->Ableitung());
        ASSERT_NE(ableitung, nullptr);
        EXPECT_EQ(ableitung->Kennung, "PT");
        TPolynom A;
        PAbleitung(P, A);
        EXPECT_TRUE(PGleich(ableitung->P, A));
        // Against the difference quotient of the form's term.
        for (Extended t : {-1.5L, 0.25L, 2.0L}) {
            const Extended h = 1e-6L;
            const Extended dq = (TermWert(form->Term, t + h) - TermWert(form->Term, t - h)) / (2 * h);
            EXPECT_TRUE(Nahe(TermWert(ableitung->Term, t), dq, 1e-6L)) << form->Term->Text;
        }
    }
}

TEST_F(NormalFormen, StammfunktionAbgeleitetGibtDasPolynom) {
    TZufallsPolynome zufall(13);
    for (int i = 0; i < 25; ++i) {
        TPolynom P = zufall.Polynom(zufall.Grad(0, 9));
        auto* form = Neu<TPolynomTerm>(P);
        TTerm* F = form->Integral(nullptr, nullptr, 0);
        ASSERT_NE(F, nullptr);
        TPolynom S;
        PStammfunktion(P, S);
        EXPECT_TRUE(GleicheWerte(F, S));
        EXPECT_TRUE(Nahe(TermWert(F, 0), 0));
        TTerm* f = F->Ableitung();
        EXPECT_TRUE(GleicheWerte(f, P)) << F->Text;
    }
}

TEST_F(NormalFormen, BestimmtesIntegralIstDieDifferenzDerStammfunktion) {
    TZufallsPolynome zufall(17);
    const TBruch grenzen[][2] = {{{0, 1}, {1, 1}}, {{-1, 2}, {3, 1}}, {{2, 1}, {-1, 3}}, {{-5, 4}, {-5, 4}}};
    for (int i = 0; i < 15; ++i) {
        TPolynom P = zufall.Polynom(zufall.Grad(0, 8));
        auto* form = Neu<TPolynomTerm>(P);
        TPolynom S;
        PStammfunktion(P, S);
        for (const auto& g : grenzen) {
            TTerm* I = form->Integral(RationaleKonstante(g[0]), RationaleKonstante(g[1]), 0);
            ASSERT_NE(I, nullptr);
            // The value of a polynomial with rational coefficients between rational bounds is rational.
            EXPECT_TRUE(IstRationaleKonstante(I)) << I->Text;
            const Extended a = Extended(g[0].Zaehler) / g[0].Nenner, b = Extended(g[1].Zaehler) / g[1].Nenner;
            EXPECT_TRUE(Nahe(TermWert(I, 0), Summenwert(S, b) - Summenwert(S, a))) << I->Text;
        }
    }
}

TEST_F(NormalFormen, SymmetrieGeraderUndUngeraderPolynome) {
    struct Fall {
        TPolynom P;
        TWahrheitswert Achse, Punkt;
    };
    const Fall faelle[] = {
        {PolZ({1, 0, -3, 0, 2}), wahr, falsch},
        {PolZ({0, 2, 0, -1}), falsch, wahr},
        {PolZ({1, 1}), falsch, falsch},
        {PolZ({0, 0, 1, 1}), falsch, falsch},
        {NullPolynom, wahr, wahr},
        {PolZ({5}), wahr, falsch},
        {XPolynom, falsch, wahr},
    };
    for (const Fall& f : faelle) {
        auto* form = Neu<TPolynomTerm>(f.P);
        TWahrheitswert achse = unklar, punkt = unklar;
        form->Symmetrie(achse, punkt, false);
        EXPECT_EQ(achse, f.Achse) << form->Term->Text;
        EXPECT_EQ(punkt, f.Punkt) << form->Term->Text;
        // The graph agrees: f(-x) = f(x) resp. f(-x) = -f(x).
        for (Extended t : {0.5L, 1.25L, 3.0L}) {
            const Extended a = Summenwert(f.P, t), b = Summenwert(f.P, -t);
            if (f.Achse == wahr) {
                EXPECT_TRUE(Nahe(a, b));
            }
            if (f.Punkt == wahr) {
                EXPECT_TRUE(Nahe(a, -b));
            }
        }
    }
}

class NormalformKommentare : public NormalFormen {
protected:
    void SetUp() override {
        NormalFormen::SetUp();
        InitialisiereAusgabe();
        Seitenbreite = 2000;
    }
    void TearDown() override {
        Kommentare = false;
        InitialisiereAusgabe();
        NormalFormen::TearDown();
    }
    TTestLeinwandAktiv Aktiv;
};

// The comment flag decides, whatever the option.
TEST_F(NormalformKommentare, SymmetrieKommentiertNurMitKommentar) {
    auto* form = Neu<TPolynomTerm>(PolZ({1, 0, 1}));
    TWahrheitswert a, p;
    Kommentare = true;
    form->Symmetrie(a, p, false);
    EXPECT_TRUE(Seitentext().empty());
    EXPECT_TRUE(Kommentare);
    Kommentare = false;
    form->Symmetrie(a, p, true);
    EXPECT_FALSE(Kommentare);
    EXPECT_EQ(Seitentext(),
              std::vector<std::string>{
                  "Da das Polynom x2+1 nur gerade Exponenten hat, ist es symmetrisch zur y-Achse."});
}

// The base form knows nothing.
TEST_F(NormalFormen, Basisform) {
    auto* f = Neu<TNormalform>();
    EXPECT_EQ(f->Kennung, "nil");
    EXPECT_EQ(f->Term, nullptr);
    EXPECT_EQ(f->Referenzen, 0);
    TWahrheitswert a = wahr, p = wahr;
    f->Symmetrie(a, p, false);
    EXPECT_EQ(a, unklar);
    EXPECT_EQ(p, unklar);
    TNormalform* d = f->Ableitung();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Kennung, "nil");
    EXPECT_EQ(f->Integral(nullptr, nullptr, 1), nullptr);
    TSListe* liste = Neu<TSListe>();
    uint8_t status = wahr;
    f->Nullstellen(IntervallR, liste, false, status);
    EXPECT_EQ(status, unklar);
    EXPECT_EQ(liste->Anzahl, 0);
}

} // namespace
} // namespace zol
