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
#include "steps/Allgemeines.h"
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

TTerm* Vereinfacht(TTerm* t) {
    TTerm* r = t;
    VereinfacheTerm(r);
    return r;
}

// Polynomials, rational constants, like terms and powers come out in their canonical form, quotients with
// fewer nodes, all with the value kept; simplified once, a term is handed back at once, and so is its result.
TEST_F(Vereinfachung, KanonischeErgebnisse) {
    // clang-format off
    const std::pair<const char*, const char*> faelle[] = {
        {"x+x", "(2*x)"}, {"3*x+2*x", "(5*x)"}, {"x-x", "0"}, {"2*x/4", "((1/2)*x)"}, {"x^2*x^3", "(x^5)"},
        {"x^(-1)*x^2", "x"}, {"(x-1)*(x+1)*x+x", "(x^3)"}, {"(x^2-1)/(x-1)", "(x+1)"},
        {"(x^3-8)/(x-2)", "(((x^2)+(2*x))+4)"}, {"(2*x+2)/(x+1)", "2"}, {"1/2+1/3", "(5/6)"}, {"(1/2)^(-2)", "4"},
        {"8^(2/3)", "4"}, {"x^(1/2)*x^(1/2)", "x"}, {"2*x^(1/2)-x^(1/2)", "(x^(1/2))"}, {"2^(1/2)*2^(1/2)", "2"},
        {"pi+pi", "(2*pi)"},
        // The root form of this sum writes it as a polynomial times the root.
        {"x*(x+1)^(1/2)+(x+1)^(1/2)", nullptr},
        // Quotients lose nodes; their written form belongs to the rational forms.
        {"1/x+1/x", nullptr}, {"(x+1)/(x+1)^2", nullptr}, {"x^2/x^5", nullptr}, {"x/(2*x^2)", nullptr},
        {"1/(x-1)-1/(x+1)", nullptr}, {"(x^2+2*x+1)/(x^2-1)", nullptr}, {"(1/x)^2*x^3", nullptr},
    };
    // clang-format on
    for (const auto& [eingabe, ergebnis] : faelle) {
        TTerm* t = Lies(eingabe);
        TTerm* r = Vereinfacht(t);
        EXPECT_TRUE(ergebnis ? r->Text == ergebnis : r->Knotenzahl < t->Knotenzahl)
            << eingabe << " -> " << r->Text;
        EXPECT_TRUE(WertGleich(t, r) && r->Knotenzahl <= t->Knotenzahl && (r->Zustand & TermVereinfacht))
            << eingabe;
        const size_t vorher = AnfrageArena().Anzahl();
        EXPECT_TRUE(t->Vereinfacht == r && Vereinfacht(t) == r && Vereinfacht(r) == r) << eingabe;
        EXPECT_EQ(AnfrageArena().Anzahl(), vorher) << eingabe;
        AlleTermeFreigeben();
    }
    // A term marked simplified stays as it is.
    TTerm* t = Lies("x+x");
    t->Zustand |= TermVereinfacht;
    EXPECT_EQ(Vereinfacht(t), t);
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

// Constants simplify to their value, through the constant path and the general one alike; pi stays with its
// factor collected; a radical constant that is a rational power becomes that power, another one stays.
TEST_F(Vereinfachung, Konstanten) {
    const std::pair<TTerm*, TBruch> faelle[] = {
        {Op(Op(K(1, 2), '+', K(1, 3)), '*', Zwei), {5, 3}},
        {Op(PotenzTerm(K(9), TBruch{1, 2}), '-', PotenzTerm(K(27), TBruch{1, 3})), {0, 1}}};
    for (const auto& [eingabe, wert] : faelle) {
        TTerm *r = eingabe, *s = eingabe;
        VereinfacheKonstantenTerm(r);
        EXPECT_TRUE(r->HatWert(wert) && eingabe->Vereinfacht == r) << eingabe->Text << " -> " << r->Text;
        VereinfacheTerm(s);
        EXPECT_EQ(s, r);
    }
    TTerm* p = Op(Op(KonstantePi(), '+', KonstantePi()), '*', K(3, 2));
    TTerm* r = p;
    VereinfacheKonstantenTerm(r);
    EXPECT_TRUE(WertGleich(p, r) && r->Knotenzahl < p->Knotenzahl) << r->Text;
    TRadikal summe = Einzelradikal(BruchEins, 1, 2, 2);
    summe.Polynom.Koeff[0] = Eins;
    const std::pair<TRadikal, const char*> radikale[] = {
        {Einzelradikal(BruchMinusEins, 1, 2, 2), "((-1)*(2^(1/2)))"},
        {Einzelradikal(BruchEins, 2, 3, 3), "(3^(2/3))"},
        {Einzelradikal(TBruch{4, 1}, 0, 1, 1), "4"},
        {summe, nullptr}};
    for (const auto& [radikal, ergebnis] : radikale) {
        TTerm* k = RadikalKonstante(radikal);
        TTerm* v = k;
        VereinfacheKonstantenTerm(v);
        EXPECT_TRUE(WertGleich(k, v)) << k->Text;
        EXPECT_EQ(v->Text, ergebnis ? ergebnis : k->Text) << k->Text;
    }
}

// A transformation by s = x^11 + 1 maps back through the eleventh root, which undoes s only for x >= 0: the
// root form of the transformed term must not make the result lose the values for x < 0.
TEST_F(Vereinfachung, TransformationBehaeltDieWerte) {
    TTerm* d = Lies("-110/(x^11+1)^2*x^9+242*x^20/(x^11+1)^3")->Ableitung();
    EXPECT_TRUE(WertGleich(d, Vereinfacht(d)));
}

// ---- User abort ----

TEST_F(Vereinfachung, AbbruchEndetMitEBenutzerAbbruch) {
    for (int n : {1, 5}) {
        Oberflaeche.Host.Nachrichtenaufrufe = 0;
        Oberflaeche.Host.AbbruchNach = n;
        BenutzerAbbruch = false;
        // Roots of two indices and radicands: no normal form, so the simplifier collects subterms.
        TTerm* t = Lies("x^(1/2)*x^(1/3)+(x+1)^(1/2)");
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
    // After the abort the list routines collect nothing.
    BenutzerAbbruch = true;
    TTerm* liste[MaxTeilterme + 1] = {};
    Int32 anzahl = 0;
    SammleTeilterme(Lies("(x+1)*(x+2)"), liste, anzahl, true);
    Faktoren(Lies("(x+1)*(x+2)"), liste, anzahl);
    EXPECT_EQ(anzahl, 0);
    // Without the abort the same term is simplified.
    Oberflaeche.Host.AbbruchNach = 0;
    BenutzerAbbruch = false;
    TTerm* t = Lies("x^(1/2)*x^(1/2)+x^(1/2)");
    EXPECT_TRUE(WertGleich(t, Vereinfacht(t)));
}

// ---- Exhausted limits ----

TEST_F(Vereinfachung, UeberlaufInEinerKonstanten) {
    const Int64 gross = Int64(1) << 62;
    TTerm* t = Op(K(gross), '+', K(gross));
    TTerm* r = t;
    VereinfacheKonstantenTerm(r);
    const std::vector<std::string> meldung = {
        "Information: Vereinfachung einer Konstanten abgebrochen:\r\nÜberlauf in der Bruchrechnung."};
    EXPECT_EQ(Meldungen(), meldung);
    // The value reached stays; the term is not taken for simplified further.
    bool d = true;
    EXPECT_TRUE(Nahe(r->Wert(0, d), 2 * Extended(gross)));
    EXPECT_TRUE(d);
    EXPECT_EQ(t->Vereinfacht, nullptr);
    TTerm* s = t;
    VereinfacheKonstantenTerm(s);
    EXPECT_EQ(Meldungen(), meldung);
    // Another overflow of the same request is not shown again; the next request shows it.
    for (const size_t anzahl : {1u, 2u}) {
        TTerm* u = Op(K(gross), '*', K(Int64(anzahl) + 2));
        VereinfacheKonstantenTerm(u);
        EXPECT_EQ(Meldungen().size(), anzahl);
        SetzeAnalyseZurueck();
    }
}

// A transformation whose form would divide by the zero polynomial is no candidate: the sum keeps its value.
TEST_F(Vereinfachung, TransformationDurchNullpolynom) {
    TTerm* arctan = StandardFunktionTerm("arctan", Op(Op(X(), '+', Eins), '/', Lies("sqrt(2)")));
    TTerm* t = Op(StandardFunktionTerm("ln", Lies("x^2+2x+3")), '+',
                  Op(Op(Null, '*', Lies("sqrt(2)")), '*', arctan));
    EXPECT_TRUE(WertGleich(t, Vereinfacht(t)));
}

// A substitution candidate whose polynomials would be divided by a coefficient not known to be 0 or not
// (ln(6) - ln(2) - ln(3) before pi^2, with pi as the variable) is no candidate: the constant is simplified
// without it, to its own value, instead of ending the work that asked for it.
TEST_F(Vereinfachung, KandidatMitUnentscheidbaremTeiler) {
    for (const char* t : {"1/((ln(6)-ln(2)-ln(3))*pi^2+pi+1)", "(pi+2)/((ln(6)-ln(2)-ln(3))*pi^3+pi-5)"}) {
        TTerm* T = Lies(t);
        TTerm* r = T;
        EXPECT_NO_THROW(VereinfacheKonstantenTerm(r)) << t;
        EXPECT_TRUE(WertGleich(T, r)) << t;
    }
}

// ---- The list routines ----

TEST_F(Vereinfachung, ZuVieleFaktoren) {
    TTerm* t = Op(VariableX, '+', Eins);
    for (int i = 1; i <= 20; ++i) t = Op(t, '*', Op(VariableX, '+', K(i + 1)));
    TTerm* liste[MaxFaktoren + 1] = {};
    Int32 anzahl = 0;
    EXPECT_EQ(Ausnahme<ERessourcen>([&] { Faktoren(t, liste, anzahl); }), ZuVieleFaktorenText);
    // Twenty are fine.
    anzahl = 0;
    Faktoren(static_cast<TOperatorTerm*>(t)->T1, liste, anzahl);
    EXPECT_EQ(anzahl, 20);
}

} // namespace
} // namespace zol
