// Factorisation: the factors multiplied back give P for a table that reaches every case, every quadratic
// factor has no real zero, an incomplete factorisation lists each factor it found once; the step's page.
#include <cmath>
#include <optional>
#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/PolynomZerlegungen.h"
#include "output/Ausgabe.h"
#include "term/Mengen.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class PolynomZerlegungen : public PolynomTest {
protected:
    TTestLeinwandAktiv Aktiv;
};

// The coefficients of P and Q agree in value.
::testing::AssertionResult GleicheWerte(const TPolynom& P, const TPolynom& Q) {
    for (Int32 i = 0; i <= std::max(P.Grad, Q.Grad); ++i)
        if (!Nahe(TermWert(P.Koeff[i], 0) + 1, TermWert(Q.Koeff[i], 0) + 1, 1e-12L))
            return ::testing::AssertionFailure()
                   << "x^" << i << ": " << P.Koeff[i]->Text << " / " << Q.Koeff[i]->Text;
    return ::testing::AssertionSuccess();
}

TEST_F(PolynomZerlegungen, FaktorenErgebenPolynom) {
    const std::pair<TPolynom, bool> faelle[] = {
        {PolZ({7}), true},
        {PolZ({-8, 0, 2}), true},                       // 2x^2 - 8
        {PolZ({1, 1, 1}), true},                        // no real zero
        {PolZ({1, -2, 1}), true},                       // double zero
        {Pol({{1, 3}, {-2, 1}, {-3, 1}}), true},        // irrational zeros
        {PolZ({0, 0, 1, 0, 1, 1}), true},               // x^2 factored out
        {PolZ({-1, 0, 0, 1}), true},                    // x^3 - 1
        {PolZ({1, 0, 0, 0, 1}), true},                  // x^4 + 1
        {PolZ({-16, 0, 0, 0, 1}), true},                // x^4 - 16
        {PolZ({6, 0, 5, 0, 1}), true},                  // (x^2 + 2)(x^2 + 3)
        {PolZ({1, 0, 1, 0, 1}), true},                  // (x^2 - x + 1)(x^2 + x + 1)
        {PolZ({4, 0, -5, 0, 1}), true},                 // zeros +-1, +-2
        {Pol({{3, 4}, {-7, 4}, {0, 1}, {1, 1}}), true}, // x^3 - 7/4 x + 3/4
        {Pol({{-1, 2}, {1, 2}, {0, 1}, {-1, 2}, {1, 2}}), true},
        {PolZ({2, -3, 0, 1}), true},      // (x - 1)^2 (x + 2)
        {PolZ({2, 3, 0, 1}), true},       // Cardano, one real zero
        {PolZ({6, 2, 5, 1, 1}), true},    // P(ix): (x^2 + 2)(x^2 + x + 3)
        {PolZ({-3, -3, -2, 1, 1}), true}, // P(ix): (x^2 - 3)(x^2 + x + 1)
        {PolZ({1, 2, 3, 2, 1}), true},    // (x^2 + x + 1)^2
        {PolZ({1000003LL * 1000033LL, 1000033LL + 2 * 1000003LL, 1000003LL + 1000033LL + 2, 3, 1}), true},
        {PolZ({3037000500LL, -3037000501LL, 1}), true},     // p^2 leaves 64 bits, (p/2)^2 - q does not
        {PolZ({-21000000000LL, -14999999986LL, 10}), true}, // (p/2)^2 - q leaves 64 bits, the zeros do not
        {PolZ({-6000000002000000000LL, -4999999997LL, 21}), true}, // (3x - 2*10^9)(7x + 3*10^9 + 1)
        {PolZ({6, 13, 20, 17, 11, 4, 1}), true},                   // (x^2 + x + 1)(x^2 + x + 2)(x^2 + 2x + 3)
        {PolZ({2, 9, 15, 17, 11, 5, 1}), true},                    // (x^2 + 3x + 1)(x^2 + x + 1)(x^2 + x + 2)
        {PolZ({-2, 0, 1, 0, -1, 2, -1, 1}), false},                // (x - 1)(x^2 + 2)(x^4 + x + 1)
    };
    for (const auto& [P, vollstaendig] : faelle) {
        SCOPED_TRACE(PolynomToTerm(P)->Text);
        TZerlegung Z;
        PZerlegung(P, Z, false);
        TPolynom Produkt, F;
        KonstantesPolynom(Z.Leitkoeffizient, Produkt);
        Int32 summe = 0;
        for (Int32 i = 1; i <= Z.Liste->Anzahl; ++i) {
            PLinearfaktorHoch(Z.Liste->Stellen[i]->Punkt, Z.Liste->Stellen[i]->Vielfachheit, F);
            PMal(Produkt, F, Produkt);
            summe += Z.Liste->Stellen[i]->Vielfachheit;
        }
        for (Int32 i = 1; i <= Z.Anzahl; ++i) {
            const TQuadFaktor& q = Z.QuadListe[i];
            EXPECT_LT(TermWert(q.p, 0) * TermWert(q.p, 0) - 4 * TermWert(q.q, 0), 0)
                << q.p->Text << ", " << q.q->Text;
            PQuadFaktorHoch(q.p, q.q, q.Vielfachheit, F);
            PMal(Produkt, F, Produkt);
            summe += 2 * q.Vielfachheit;
        }
        EXPECT_EQ(Z.Vollstaendig, vollstaendig);
        EXPECT_EQ(Z.Vollstaendig, summe == P.Grad);
        // Incomplete: the factors found divide P, so none is counted twice.
        TPolynom Q, R;
        PDurch(P, Produkt, Q, R, false);
        EXPECT_TRUE(GleicheWerte(R, NullPolynom));
        if (Z.Vollstaendig) {
            EXPECT_TRUE(GleicheWerte(Produkt, P));
        }
    }
}

// A polynomial with a parameter: its factors multiplied out give P for sample values of the parameter, and
// neither P, nor its factorisation, nor its antiderivative is written with two signs in a row (a·(x + 1/a),
// not a·(x - (-1/a))); the antiderivative differentiated back gives P.
TEST_F(PolynomZerlegungen, MitParameterOhneDoppeltesVorzeichen) {
    const char* faelle[] = {"a*x+1",         "2*x+a",     "-a*x+1",      "a*x^2+x",  "x^2-(a+1)*x",
                            "(1-a)*x^2+x",   "x^3-a*x^2", "x^2-2*a*x",   "-a/3*x+2", "(a-1)*x-a",
                            "x^2-2*a*x+a^2", "-2*a*x-4",  "x^2+(-1/a)*x"};
    for (const char* f : faelle) {
        SCOPED_TRACE(f);
        bool neu = false;
        TPolynomTerm* form = TPolynomTermCreateT(Lies(f), neu);
        ASSERT_NE(form, nullptr);
        const TPolynom& P = form->P;
        TZerlegung Z;
        PZerlegung(P, Z, false);
        ASSERT_TRUE(Z.Vollstaendig);
        TPolynom S;
        PStammfunktion(P, S);
        TTerm *Pt = PolynomToTerm(P), *Zt = Produktterm(Z, true), *St = PolynomToTerm(S);
        for (TTerm* T : {Pt, Zt, St}) {
            const TTerm* d = DoppeltesVorzeichen(T);
            EXPECT_EQ(d, nullptr) << T->Text << " bei " << (d ? d->Text : "");
        }
        for (TTerm* a : {K(-2), K(3), K(1, 2), K(-5, 3)}) {
            for (Extended x : {-1.5L, 0.7L, 2.2L}) {
                const std::optional<Extended> p = Wert(MitA(Lies(f), a), x), z = Wert(MitA(Zt, a), x);
                ASSERT_TRUE(p && z);
                EXPECT_TRUE(Nahe(*p, *z)) << a->Text << ", " << double(x);
                EXPECT_TRUE(Nahe(*Wert(MitA(Pt, a), x), *p));
                const Extended h = 1e-5L;
                const Extended ableitung = (*Wert(MitA(St, a), x + h) - *Wert(MitA(St, a), x - h)) / (2 * h);
                EXPECT_NEAR(double(ableitung), double(*p), 1e-6 * (1 + std::fabs(double(*p))));
            }
        }
    }
}

// A polynomial whose coefficients leave 64 bits when multiplied out, entered as a product of powers of
// polynomials that fit, is factorised factor by factor: the factors multiplied out give f at sample points,
// and their degrees add up to f's. Another form gives no factorisation.
TEST_F(PolynomZerlegungen, FaktorweiseWennAusmultipliziertZuGross) {
    const struct {
        const char* F;
        Int32 Grad;
    } faelle[] = {{"(x+10^12)^2", 2},         {"3*(x-10^12)*(x^2+10^12)/2", 3}, {"(10^12*x+1)^2", 2},
                  {"(x-10^6)^3*(x+10^6)", 4}, {"2*(x+10^12)^2*(x-1)", 3},       {"(3*x-10^10)*(7*x+10^9)", 2},
                  {"x*(x^2-10^12)^3", 7},     {"(x^2+x+10^10)^2*(x+10^10)", 5}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.F);
        TTerm* f = Lies(fall.F);
        TZerlegung Z;
        ASSERT_TRUE(PZerlegungFaktorweise(f, Z, false));
        EXPECT_TRUE(Z.Vollstaendig);
        Int32 grad = 0;
        for (Int32 i = 1; i <= Z.Liste->Anzahl; ++i) grad += Z.Liste->Stellen[i]->Vielfachheit;
        for (Int32 i = 1; i <= Z.Anzahl; ++i) grad += 2 * Z.QuadListe[i].Vielfachheit;
        EXPECT_EQ(grad, fall.Grad);
        TTerm* produkt = Produktterm(Z);
        for (Extended x : {-3.5L, -0.25L, 1.5L, 7.0L, 2e12L})
            EXPECT_TRUE(Nahe(*Wert(produkt, x), *Wert(f, x), 1e-12L)) << double(x) << " " << produkt->Text;
    }
    for (const char* f : {"(x+10^12)^2-1", "x^2+3*x", "x+1"}) {
        TZerlegung Z;
        EXPECT_FALSE(PZerlegungFaktorweise(Lies(f), Z, false)) << f;
    }
}

// A user abort ends the factorisation; it is not written as a failed step.
TEST_F(PolynomZerlegungen, AbbruchWirdNichtAbgefangen) {
    Oberflaeche.Host.AbbruchNach = 1;
    TZerlegung Z;
    EXPECT_THROW(PZerlegung(PolZ({6, 13, 20, 17, 11, 4, 1}), Z, false), EBenutzerAbbruch);
}

struct TSeitenfall {
    std::string F;
    bool Kommentare;
    // Fragments of page 1, in order; the first one starts the page.
    std::vector<std::string> Teile;
};

using PolynomzerlegungSchritt = ZolTest;

TEST_F(PolynomzerlegungSchritt, Seitentext) {
    const std::string keinPolynom = "f ist keine ganzrationale Funktion (Polynom), hat also keine "
                                    "Produktzerlegung in einfachere Polynome.\n";
    const TSeitenfall faelle[] = {
        {"x^3-7/4*x+3/4", false, {"Ergebnis: P(x) = x-1·x-12·x+32\n"}},
        {"x^3-7/4*x+3/4",
         true,
         {"Zerlegung des Polynoms P(x) = x3-74·x+34 in Faktoren:\n", "Polynomdivision durch x-1 ergibt: \n",
          "Zerlegung des Polynoms P(x) = 4·x2+4·x-3 in Faktoren:\n", "Ergebnis: P(x) = 4·x-12·x+32\n",
          "Ergebnis: P(x) = x-1·x-12·x+32\n"}},
        {"5",
         true,
         {"Zerlegung des Polynoms P(x) = 5 in Faktoren:\nKonstante Polynome <>0 sind nur trivial zerlegbar.\n"
          "Ergebnis: P(x) = 5\n"}},
        {"sin(x)", true, {keinPolynom}},
        {"1/x", false, {keinPolynom}},
        {"x^3-1",
         true,
         {"Zerlegung",
          "Genau eine reelle Nullstelle bei 1\nDie quadratischen Faktoren ergeben sich aus paarweise "
          "konjugierten Einheitswurzeln.\nErgebnis: P(x) = x-1·x2+x+1\n"}},
        {"x^4-16", true, {"Zerlegung", "Zwei reelle Nullstellen bei ±2\n"}},
        {"x^5+x^4+x^2", true, {"Zerlegung", "Faktor x2 wird ausgeklammert \n"}},
        {"x^4+x^3-2x^2-3x-3",
         true,
         {"Zerlegung",
          "Für P(ix) findet man Nullstellen, so dass sich P(x) in x2-3·x2+x+1 zerlegen lässt, wobei der "
          "erste Faktor  sich wiederum in \nx-3·x+3 zerlegen lässt.\nDer zweite Faktor muss weiter "
          "zerlegt werden.\n"}},
        {"x^4+x^3+5x^2+2x+6", true, {"Zerlegung", "wobei der erste Faktor  in IR unzerlegbar ist.\n"}},
        {"x^5-x^4+x^2-1", true, {"Zerlegung", "Zerlegung nicht gelungen.\nZerlegung nicht vollständig.\n"}},
        {"x^2+1099511627776*x+1",
         false,
         {"Schritt: Polynomzerlegung nicht OK! Überlauf in der Bruchrechnung.\nZerlegung nicht gelungen.\n"}},
    };
    for (const TSeitenfall& f : faelle) {
        SCOPED_TRACE(f.F);
        TKopfloseAnfrage lauf(
            TAnfrage{.F = f.F, .Schritte = {SchrittProduktzerlegung}, .Kommentare = f.Kommentare});
        lauf.Starte();
        const std::string text = lauf.Text(1);
        size_t ab = 0;
        for (const std::string& teil : f.Teile) {
            const size_t i = text.find(teil, ab);
            EXPECT_TRUE(ab == 0 ? i == 0 : i != std::string::npos) << teil << "\nin\n" << text;
            if (i != std::string::npos) ab = i + teil.size();
        }
    }
}

} // namespace
} // namespace zol
