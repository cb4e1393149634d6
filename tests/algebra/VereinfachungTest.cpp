// The simplification driver: canonical results for what the built normal forms and laws cover, values kept,
// each term simplified once, the passes and their limits, the user abort, an exhausted limit in a constant,
// the list routines and the traces.
#include <cmath>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Arena.h"
#include "term/Fehler.h"
#include "term/Radikale.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class Vereinfachung : public PolynomTest {};

TTerm* T(const std::string& text) {
    return TermAusString(text);
}

TTerm* Vereinfacht(TTerm* t) {
    TTerm* r = t;
    VereinfacheTerm(r);
    return r;
}

// r has the value of t wherever t has one.
::testing::AssertionResult WertGleich(TTerm* t, TTerm* r) {
    for (Extended x : {-2.5L, -0.75L, 0.0L, 0.4L, 1.0L, 2.25L, 5.0L}) {
        bool dt = true, dr = true;
        const Extended wt = t->Wert(x, dt);
        if (!dt) continue;
        const Extended wr = r->Wert(x, dr);
        if (!dr) return ::testing::AssertionFailure() << r->Text << " ohne Wert bei " << double(x);
        auto n = Nahe(wr, wt);
        if (!n) return n << " bei x = " << double(x) << ": " << t->Text << " -> " << r->Text;
    }
    return ::testing::AssertionSuccess();
}

// ---- Results ----

// Polynomials, rational constants, like terms and powers come out in their canonical form.
TEST_F(Vereinfachung, KanonischeErgebnisse) {
    struct Fall {
        const char* Eingabe;
        const char* Ergebnis;
    };
    const Fall faelle[] = {
        {"x+x", "(2*x)"},
        {"x*x", "(x^2)"},
        {"3*x+2*x", "(5*x)"},
        {"x-x", "0"},
        {"(3/4)*x-x/4", "((1/2)*x)"},
        {"2*x/4", "((1/2)*x)"},
        {"x^2*x^3", "(x^5)"},
        {"x^(-1)*x^2", "x"},
        {"(x+1)*(x-1)", "((x^2)-1)"},
        {"(x-1)*(x+1)*x+x", "(x^3)"},
        {"(x^2-1)/(x-1)", "(x+1)"},
        {"(x^3-8)/(x-2)", "(((x^2)+(2*x))+4)"},
        {"x/x", "1"},
        {"(2*x+2)/(x+1)", "2"},
        {"1/2+1/3", "(5/6)"},
        {"2^3", "8"},
        {"(1/2)^(-2)", "4"},
        {"4^(1/2)", "2"},
        {"8^(2/3)", "4"},
        {"x^(1/2)*x^(1/2)", "x"},
        {"(x^(1/2))^2", "x"},
        {"2*x^(1/2)-x^(1/2)", "(x^(1/2))"},
        {"x^(1/3)*x^(1/3)*x^(1/3)", "x"},
        {"2^(1/2)*2^(1/2)", "2"},
        {"pi+pi", "(2*pi)"},
        {"x*(x+1)^(1/2)+(x+1)^(1/2)", "((x+1)^(3/2))"},
    };
    for (const Fall& f : faelle) {
        TTerm* t = T(f.Eingabe);
        TTerm* r = Vereinfacht(t);
        EXPECT_EQ(r->Text, f.Ergebnis) << f.Eingabe;
        EXPECT_TRUE(WertGleich(t, r)) << f.Eingabe;
        EXPECT_LE(r->Knotenzahl, t->Knotenzahl) << f.Eingabe;
        EXPECT_TRUE(r->Zustand & TermVereinfacht) << f.Eingabe;
        AlleTermeFreigeben();
    }
}

// Quotients keep their value and lose nodes (their written form belongs to the rational forms).
TEST_F(Vereinfachung, QuotientenBehaltenIhrenWert) {
    for (const char* text : {"1/x+1/x", "(x+1)/(x+1)^2", "x^2/x^5", "x/(2*x^2)", "1/(x-1)-1/(x+1)",
                             "(x^2+2*x+1)/(x^2-1)", "(1/x)^2*x^3"}) {
        TTerm* t = T(text);
        TTerm* r = Vereinfacht(t);
        EXPECT_TRUE(WertGleich(t, r)) << text;
        EXPECT_LT(r->Knotenzahl, t->Knotenzahl) << text << " -> " << r->Text;
        AlleTermeFreigeben();
    }
}

// Random polynomials written out as products and sums come back as the polynomial itself.
TEST_F(Vereinfachung, ZufallsprodukteWerdenAusmultipliziert) {
    TZufallsPolynome zufall(5);
    for (int i = 0; i < 20; ++i) {
        TPolynom A = zufall.Polynom(zufall.Grad(1, 3)), B = zufall.Polynom(zufall.Grad(0, 3));
        TTerm* t = Op(Op(PolynomToTerm(A), '*', PolynomToTerm(B)), '-', PolynomToTerm(B));
        TPolynom P, Q;
        PMal(A, B, P);
        PMinus(P, B, Q);
        TTerm* r = Vereinfacht(t);
        EXPECT_TRUE(WertGleich(t, r)) << t->Text;
        EXPECT_EQ(r, PolynomToTerm(Q)) << t->Text << " -> " << r->Text;
        AlleTermeFreigeben();
    }
}

// ---- Once only ----

TEST_F(Vereinfachung, EinmalVereinfachtBleibtVereinfacht) {
    for (const char* text : {"3*x+2*x", "(x^2-1)/(x-1)", "x^(1/2)+x^(1/2)", "(x+1)^5", "1/2+1/3"}) {
        TTerm* t = T(text);
        TTerm* r = Vereinfacht(t);
        EXPECT_EQ(t->Vereinfacht, r) << text;
        const size_t vorher = AnfrageArena().Anzahl();
        // The same object again, without any work.
        EXPECT_EQ(Vereinfacht(t), r) << text;
        EXPECT_EQ(Vereinfacht(r), r) << text;
        EXPECT_EQ(AnfrageArena().Anzahl(), vorher) << text;
        AlleTermeFreigeben();
    }
    // A term marked simplified stays as it is.
    TTerm* t = T("x+x");
    t->Zustand |= TermVereinfacht;
    EXPECT_EQ(Vereinfacht(t), t);
    EXPECT_EQ(t->Vereinfacht, nullptr);
}

// A term with a normal form does not reach the passes, even when the form's term is larger: it stays.
TEST_F(Vereinfachung, NormalformEntscheidetAllein) {
    TTerm* t = T("(x+1)^5");
    TTerm* r = Vereinfacht(t);
    EXPECT_EQ(r, t);
    ASSERT_NE(t->Normalform, nullptr);
    EXPECT_GT(t->Normalform->Term->Knotenzahl, t->Knotenzahl);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 0);
    // Without a normal form the passes run and let the event loop run.
    Vereinfacht(T("x^(1/2)+x"));
    EXPECT_GT(Oberflaeche.Host.Nachrichtenaufrufe, 0);
}

TEST_F(Vereinfachung, Konstanten) {
    struct Fall {
        TTerm* Eingabe;
        TBruch Wert;
    };
    const Fall faelle[] = {
        {Op(Op(K(1, 2), '+', K(1, 3)), '*', Zwei), {5, 3}},
        {Op(PotenzTerm(Zwei, TBruch{1, 2}), '*', PotenzTerm(Zwei, TBruch{1, 2})), {2, 1}},
        {Op(PotenzTerm(K(9), TBruch{1, 2}), '-', PotenzTerm(K(27), TBruch{1, 3})), {0, 1}},
        {Op(Op(K(7), '/', K(3)), '-', Op(K(1), '/', K(3))), {2, 1}},
    };
    for (const Fall& f : faelle) {
        TTerm* r = f.Eingabe;
        VereinfacheKonstantenTerm(r);
        EXPECT_TRUE(r->HatWert(f.Wert)) << f.Eingabe->Text << " -> " << r->Text;
        EXPECT_EQ(f.Eingabe->Vereinfacht, r);
        TTerm* s = f.Eingabe;
        VereinfacheTerm(s);
        EXPECT_EQ(s, r);
    }
    // pi stays, with its factor collected.
    TTerm* p = Op(Op(KonstantePi(), '+', KonstantePi()), '*', K(3, 2));
    TTerm* r = p;
    VereinfacheKonstantenTerm(r);
    EXPECT_TRUE(WertGleich(p, r));
    EXPECT_LT(r->Knotenzahl, p->Knotenzahl) << r->Text;
}

// A radical constant that is a rational power becomes that power; another one stays.
TEST_F(Vereinfachung, RadikalkonstantenAlsPotenz) {
    struct Fall {
        TRadikal Radikal;
        const char* Ergebnis;
    };
    TRadikal summe = Einzelradikal(BruchEins, 1, 2, 2);
    summe.Polynom.Koeff[0] = Eins;
    const Fall faelle[] = {
        {Einzelradikal(BruchEins, 1, 2, 2), "(2^(1/2))"},
        {Einzelradikal(BruchMinusEins, 1, 2, 2), "((-1)*(2^(1/2)))"},
        {Einzelradikal(BruchEins, 2, 3, 3), "(3^(2/3))"},
        {Einzelradikal(TBruch{4, 1}, 0, 1, 1), "4"},
        {Einzelradikal(TBruch{-1, 1}, 0, 1, 1), "(-1)"},
        {summe, nullptr},
    };
    for (const Fall& f : faelle) {
        TTerm* k = RadikalKonstante(f.Radikal);
        TTerm* r = k;
        VereinfacheKonstantenTerm(r);
        EXPECT_TRUE(WertGleich(k, r)) << k->Text;
        EXPECT_EQ(r->Text, f.Ergebnis ? f.Ergebnis : k->Text) << k->Text;
        EXPECT_EQ(k->Vereinfacht, r);
    }
    // Other terms are left as they are.
    EXPECT_EQ(RadikalKonstanteAlsPotenz(Zwei), Zwei);
    TTerm* x = VariableX;
    EXPECT_EQ(RadikalKonstanteAlsPotenz(x), x);
}

// ---- Limits of the passes ----

// A chain of n additions of 1 to x^(1/2).
TTerm* Kette(int n) {
    TTerm* t = PotenzTerm(VariableX, TBruch{1, 2});
    for (int i = 0; i < n; ++i) t = Op(t, '+', Eins);
    return t;
}

TEST_F(Vereinfachung, SubstitutionHoechstens30Knoten) {
    TTerm* t30 = Kette(29);
    ASSERT_EQ(t30->Knotenzahl, 30);
    TTerm* r = t30;
    VereinfacheTermDurchSubstitution(r);
    EXPECT_GT(Oberflaeche.Host.Nachrichtenaufrufe, 0);
    EXPECT_TRUE(WertGleich(t30, r));
    EXPECT_LT(r->Knotenzahl, 30) << r->Text;
    Oberflaeche.Host.Nachrichtenaufrufe = 0;
    TTerm* t31 = Kette(30);
    ASSERT_EQ(t31->Knotenzahl, 31);
    r = t31;
    VereinfacheTermDurchSubstitution(r);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 0);
    EXPECT_EQ(r, t31);
    // Not for a text with X.
    TTerm* mitX = Op(Kette(2), '+', BenannteKonstante("X"));
    r = mitX;
    VereinfacheTermDurchSubstitution(r);
    EXPECT_EQ(r, mitX);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 0);
}

TEST_F(Vereinfachung, TransformationNichtMitT) {
    TTerm* t = Op(PotenzTerm(Op(VariableX, '+', Eins), TBruch{1, 2}), '+', BenannteKonstante("T"));
    TTerm* r = t;
    VereinfacheTermDurchTransformation(r);
    EXPECT_EQ(r, t);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 0);
    TTerm* ohne = Op(PotenzTerm(Op(VariableX, '+', Eins), TBruch{1, 2}), '+', BenannteKonstante("a"));
    r = ohne;
    VereinfacheTermDurchTransformation(r);
    EXPECT_GT(Oberflaeche.Host.Nachrichtenaufrufe, 0);
    EXPECT_TRUE(WertGleich(ohne, r));
}

// T(x) = G(fi(x)) with psi the inverse of fi: the transformed term at u is T at psi(u).
TEST_F(Vereinfachung, Transformation) {
    struct Fall {
        TTerm *t, *fi, *psi;
    };
    TTerm* x = VariableX;
    const Fall faelle[] = {
        {Op(PotenzTerm(Op(x, '+', Eins), TBruch{1, 2}), '+', x), Op(x, '+', Eins), Op(x, '-', Eins)},
        {Op(PotenzTerm(Op(Zwei, '*', x), TBruch{1, 3}), '*', x), Op(Zwei, '*', x), Op(x, '/', Zwei)},
        {Op(Op(x, '-', Drei), '/', x), Op(x, '-', Drei), Op(x, '+', Drei)},
    };
    for (const Fall& f : faelle) {
        TTerm* g = Transformation(f.t, f.fi, f.psi);
        EXPECT_EQ(g->Text.find('T'), std::string::npos) << g->Text;
        for (Extended u : {0.5L, 1.5L, 4.0L}) {
            bool d1 = true, d2 = true, d3 = true;
            const Extended p = f.psi->Wert(u, d1);
            const Extended soll = f.t->Wert(p, d2);
            if (!d1 || !d2) continue;
            EXPECT_TRUE(Nahe(g->Wert(u, d3), soll)) << g->Text;
            EXPECT_TRUE(d3);
        }
        // And back.
        EXPECT_TRUE(WertGleich(f.t, Transformation(g, f.psi, f.fi)));
    }
}

// ---- User abort ----

TEST_F(Vereinfachung, AbbruchEndetMitEBenutzerAbbruch) {
    for (int n : {1, 2, 5}) {
        Oberflaeche.Host.Nachrichtenaufrufe = 0;
        Oberflaeche.Host.AbbruchNach = n;
        BenutzerAbbruch = false;
        TTerm* t = T("x^(1/2)*x^(1/2)+x^(1/2)");
        TTerm* r = t;
        EXPECT_THROW(VereinfacheTerm(r), EBenutzerAbbruch) << n;
        // Nothing half done passes for simplified.
        EXPECT_EQ(t->Vereinfacht, nullptr);
        EXPECT_FALSE(t->Zustand & TermVereinfacht);
        AlleTermeFreigeben();
    }
    // A constant as well.
    Oberflaeche.Host.AbbruchNach = 1;
    BenutzerAbbruch = false;
    TTerm* c = Op(PotenzTerm(Zwei, TBruch{1, 2}), '+', PotenzTerm(Drei, TBruch{1, 2}));
    TTerm* r = c;
    EXPECT_THROW(VereinfacheKonstantenTerm(r), EBenutzerAbbruch);
    EXPECT_EQ(c->Vereinfacht, nullptr);
    EXPECT_FALSE(c->Zustand & TermVereinfacht);
    // Without the abort the same term is simplified.
    Oberflaeche.Host.AbbruchNach = 0;
    BenutzerAbbruch = false;
    TTerm* t = T("x^(1/2)*x^(1/2)+x^(1/2)");
    EXPECT_TRUE(WertGleich(t, Vereinfacht(t)));
}

TEST_F(Vereinfachung, NachAbbruchSammelnDieListenNichts) {
    BenutzerAbbruch = true;
    TTerm* liste[MaxTeilterme + 1] = {};
    Int32 anzahl = 0;
    SammleTeilterme(T("(x+1)*(x+2)"), liste, anzahl, true);
    EXPECT_EQ(anzahl, 0);
    Faktoren(T("(x+1)*(x+2)"), liste, anzahl);
    EXPECT_EQ(anzahl, 0);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 2);
}

// ---- Exhausted limits ----

TEST_F(Vereinfachung, UeberlaufInEinerKonstanten) {
    const Int64 gross = Int64(1) << 62;
    TTerm* t = Op(K(gross), '+', K(gross));
    TTerm* r = t;
    VereinfacheKonstantenTerm(r);
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Information);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text,
              "Vereinfachung einer Konstanten abgebrochen:\r\nÜberlauf in der Bruchrechnung.");
    // The value reached stays; the term is not taken for simplified further.
    bool d = true;
    EXPECT_TRUE(Nahe(r->Wert(0, d), 2 * Extended(gross)));
    EXPECT_TRUE(d);
    EXPECT_EQ(t->Vereinfacht, nullptr);
    TTerm* s = t;
    VereinfacheKonstantenTerm(s);
    EXPECT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);

    // Deeper in: operands simplified before the overflow keep their simplified form.
    Oberflaeche.Host.Meldungen.clear();
    TTerm* pi = KonstantePi();
    TTerm* u =
        Op(Op(Op(Eins, '+', Eins), '*', pi), '+', Op(Op(K(gross), '*', pi), '+', Op(K(gross), '*', pi)));
    TTerm* v = u;
    VereinfacheKonstantenTerm(v);
    EXPECT_GE(Oberflaeche.Host.Meldungen.size(), 1u);
    for (const auto& m : Oberflaeche.Host.Meldungen)
        EXPECT_EQ(m.Text.rfind("Vereinfachung einer Konstanten abgebrochen:\r\n", 0), 0u) << m.Text;
    EXPECT_TRUE(WertGleich(Op(Op(Zwei, '*', pi), '+', Op(K(4), '*', Op(K(gross / 2), '*', pi))), v));
}

// ---- The list routines ----

TEST_F(Vereinfachung, SammleTeilterme) {
    TTerm* t = T("(x+1)*(x+1)^2+2*x");
    TTerm* liste[MaxTeilterme + 1] = {};
    Int32 anzahl = 0;
    SammleTeilterme(t, liste, anzahl, false);
    std::vector<std::string> texte;
    for (Int32 i = 1; i <= anzahl; ++i) texte.push_back(liste[i]->Text);
    // Both operands first, then each one's own parts; each term once; the root and rational constants not.
    EXPECT_EQ(texte, (std::vector<std::string>{"((x+1)*((x+1)^2))", "(2*x)", "(x+1)", "((x+1)^2)", "x"}));
    anzahl = 0;
    SammleTeilterme(t, liste, anzahl, true);
    EXPECT_EQ(anzahl, 7);
    // At most 20; the rest is dropped without a message.
    anzahl = 0;
    SammleTeilterme(Kette(40), liste, anzahl, true);
    EXPECT_EQ(anzahl, MaxTeilterme);
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
}

TEST_F(Vereinfachung, Faktoren) {
    for (const char* text : {"(2*x)*(3*(x+1))", "x*(x-1)*(x+2)*(x-3)", "(1/2)*x^2*(4*(x+1))", "5", "x+1"}) {
        TTerm* t = T(text);
        TTerm* liste[MaxFaktoren + 1] = {};
        Int32 anzahl = 0;
        Faktoren(t, liste, anzahl);
        ASSERT_GE(anzahl, 1) << text;
        TTerm* produkt = liste[1];
        for (Int32 i = 2; i <= anzahl; ++i) {
            EXPECT_FALSE(HatOperator(liste[i], "*")) << text << ": " << liste[i]->Text;
            EXPECT_FALSE(liste[i]->IstKonstant) << text << ": " << liste[i]->Text;
            produkt = Op(produkt, '*', liste[i]);
        }
        EXPECT_TRUE(WertGleich(t, produkt)) << text;
        AlleTermeFreigeben();
    }
    TTerm* liste[MaxFaktoren + 1] = {};
    Int32 anzahl = 0;
    Faktoren(T("(2*x)*(3*(x+1))"), liste, anzahl);
    ASSERT_EQ(anzahl, 2);
    EXPECT_EQ(liste[1]->Text, "(6*x)");
    EXPECT_EQ(liste[2]->Text, "(x+1)");
}

TEST_F(Vereinfachung, ZuVieleFaktoren) {
    TTerm* t = Op(VariableX, '+', Eins);
    for (int i = 1; i <= 20; ++i) t = Op(t, '*', Op(VariableX, '+', K(i + 1)));
    TTerm* liste[MaxFaktoren + 1] = {};
    Int32 anzahl = 0;
    try {
        Faktoren(t, liste, anzahl);
        ADD_FAILURE() << "21 Faktoren";
    } catch (const ERessourcen& e) {
        EXPECT_EQ(e.Meldung, "Zu viele Faktoren in " + t->Text);
    }
    // Twenty are fine.
    anzahl = 0;
    Faktoren(static_cast<TOperatorTerm*>(t)->T1, liste, anzahl);
    EXPECT_EQ(anzahl, 20);
}

// ---- Traces ----

class VereinfachungAusgabe : public Vereinfachung {
protected:
    void SetUp() override {
        Vereinfachung::SetUp();
        InitialisiereAusgabe();
        Seitenbreite = 4000;
        Einzug = 10;
    }
    void TearDown() override {
        ProtokollVereinfachung = false;
        InitialisiereAusgabe();
        Vereinfachung::TearDown();
    }
    TTestLeinwandAktiv Aktiv;
};

TEST_F(VereinfachungAusgabe, Protokoll) {
    TTerm* t = T("3*x+2*x");
    Vereinfacht(t);
    EXPECT_TRUE(Seitentext().empty());
    AlleTermeFreigeben();
    ProtokollVereinfachung = true;
    t = T("3*x+2*x");
    Vereinfacht(t);
    const std::vector<std::string> text = Seitentext();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front().rfind("VereinfacheTerm:", 0), 0u) << text.front();
    EXPECT_EQ(text.back().rfind("VereinfacheTerm=", 0), 0u) << text.back();
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
}

TEST_F(VereinfachungAusgabe, ProtokollNachAbbruchWiederAmAnfang) {
    ProtokollVereinfachung = true;
    Oberflaeche.Host.AbbruchNach = 1;
    TTerm* t = T("x^(1/2)*x^(1/2)+x^(1/2)");
    EXPECT_THROW(Vereinfacht(t), EBenutzerAbbruch);
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
}

TEST_F(VereinfachungAusgabe, TracePolynom) {
    TracePolynom(PolZ({-1, 0, 1}));
    TracePolynomLn(PolZ({2, 3}));
    EXPECT_EQ(Seitentext(), std::vector<std::string>{"x2-13·x+2"});
}

} // namespace
} // namespace zol
