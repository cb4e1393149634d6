// The rational normal form P1*P2^k/P3^m and the exponential normal forms A*Basis^B over one table of parsed
// terms and raw trees: the dispatcher's kind, the form against the input's values, the derivative against
// the difference quotient, the symmetry against f(-x), the zeros put back with their multiplicities and none
// missed; the rational form's invariant; integrals; the comment lines and the derivative's warning.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "algebra/ExponentialNormalform.h"
#include "algebra/RationaleNormalform.h"
#include "output/Ausgabe.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzelzahlen.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

using RationaleUndExponentialformen = PolynomTest;

bool Teilt(const TPolynom& D, const TPolynom& P) {
    TPolynom Q, R;
    PDurch(P, D, Q, R, false);
    return IstNullPolynom(R);
}

// Every zero makes f 0 (so none lies at a gap of f), |f| grows like |x - z|^multiplicity, and with Status
// wahr every sign change of f between points 0.01 apart where f is defined lies at a listed zero.
::testing::AssertionResult NullstellenWieWerte(TTerm* f, TSListe* L, uint8_t Status) {
    std::vector<Extended> z;
    for (Int32 i = 1; L && i <= L->Anzahl; ++i) {
        const Extended x = *Wert(L->Stellen[i]->Punkt);
        auto w = Wert(f, x), w1 = Wert(f, x + 1e-3L), w2 = Wert(f, x + 2e-3L);
        if (!w || !Nahe(*w, 0, 1e-12L) || !w1 || !w2)
            return ::testing::AssertionFailure()
                   << "keine Nullstelle von " << f->Text << " bei " << double(x);
        const Extended grad = std::log2(std::fabs(*w2 / *w1));
        if (std::fabs(grad - L->Stellen[i]->Vielfachheit) > 0.1L)
            return ::testing::AssertionFailure()
                   << f->Text << " bei " << double(x) << ": Ordnung " << double(grad);
        z.push_back(x);
    }
    for (int i = -400; Status == wahr && i < 400; ++i) {
        auto a = Wert(f, i / 100.0L), m = Wert(f, (i + 0.5L) / 100), b = Wert(f, (i + 1) / 100.0L);
        if (!a || !m || !b || *a * *b >= 0) continue;
        bool gefunden = false;
        for (Extended x : z) gefunden |= x >= i / 100.0L && x <= (i + 1) / 100.0L;
        if (!gefunden)
            return ::testing::AssertionFailure()
                   << f->Text << " wechselt bei " << i / 100.0 << " das Vorzeichen";
    }
    return ::testing::AssertionSuccess();
}

TEST_F(RationaleUndExponentialformen, FormenWieWerte) {
    TTerm *xp1 = Op(X(), '+', K(1)), *xm1 = Op(X(), '-', K(1));
    const std::vector<std::pair<TTerm*, std::string>> faelle = {
        {Lies("x^2-1"), "PT"},
        {Lies("1/x"), "RNF"},
        {Lies("2^x"), "ANF"},
        {Lies("x*exp(x^2)"), "ENF"},
        {Lies("exp(x)+exp(2x)"), "nil"},
        {Lies("x+exp(x)"), "nil"},
        {Lies("2^x*3^x"), "nil"},
        {Lies("1/(x-1)^3"), "RNF"},
        {Lies("(x^2-1)/(x-1)"), "PT"},
        {Lies("(x+1)^2*(x+1)^3"), "RNF"},
        {Lies("(x-2)*(x+1)^3"), "RNF"},
        {Lies("x/(x^2+1)"), "RNF"},
        {Lies("(x^2-4)/(x+2)^2"), "RNF"},
        {Lies("(x-1)^2/((x-1)^3*(x+3))"), "RNF"},
        {Lies("((x-1)/(x+1))^2"), "RNF"},
        {Lies("x^2/(x^2-1)^2"), "RNF"},
        {Lies("(x^2+2x+1)^2/(x+1)^3"), "PT"},
        {Lies("(x^2-1)^2/(x-1)"), "RNF"},
        {Lies("(x^2+1)^3/x"), "RNF"},
        {Lies("(x-1)^2*(x+3)/((x-1)*(x+3))^2"), "RNF"},
        // Raw trees: a cancelled factor must not come back; a power of exponent 0 over a constant ends.
        {Op(Op(Op(xm1, '*', Pot(xp1, 2)), '*', Op(K(1), '/', xm1)), '*', Op(K(1), '/', Op(X(), '+', K(2)))),
         "RNF"},
        {Op(Pot(X(), 0), '/', K(2)), "PT"},
        {Op(Pot(xp1, -2), '/', X()), "RF"},
        {Op(X(), '/', Pot(xp1, -1)), "RF"},
        {Op(Pot(xp1, 3), '/', Pot(Op(X(), '*', xp1), 2)), "RNF"},
        {Lies("exp(x)+exp(x)"), "ENF"},
        {Lies("x*exp(1/x)"), "ENF"},
        {Lies("(x*exp(x))^(-1)"), "ENF"},
        {Lies("x*2^(x^2)"), "ANF"},
        {Lies("(1/2)^x/(x-1)"), "ANF"},
        {Lies("exp(-x^2)*x^3"), "ENF"},
        {Lies("(x^2-1)*exp(x)/(x+2)"), "ENF"},
        {Lies("x*exp(x)-exp(x)"), "ENF"},
        {Lies("1^x"), "ENF"},
        {Op(Pot(Op(StandardFunktionTerm("exp", X()), '*', xp1), -2), '*', Lies("exp(2x)")), "ENF"},
    };
    for (const auto& [T, kennung] : faelle) {
        bool neu = false;
        TNormalform* f = Normalform(T, neu);
        ASSERT_EQ(f ? f->Kennung : "nil", kennung) << T->Text;
        if (!f) continue;
        EXPECT_TRUE(WertGleich(T, f->Term)) << T->Text;
        TNormalform* d = f->Ableitung();
        ASSERT_TRUE(d && d->Term) << T->Text;
        EXPECT_TRUE(IstAbleitung(d->Term, T, {-2.3L, -0.6L, 0.45L, 1.7L, 3.1L})) << T->Text;
        TWahrheitswert achse = unklar, punkt = unklar;
        f->Symmetrie(achse, punkt, false);
        EXPECT_TRUE(SymmetrieWieWerte(T, achse, punkt));
        TSListe* L = nullptr;
        uint8_t status = unklar;
        f->Nullstellen(IntervallR, L, false, status);
        EXPECT_TRUE(NullstellenWieWerte(f->Term, L, status));
        if (auto* r = dynamic_cast<TRationaleNormalform*>(f)) {
            TPolynom G;
            PGGT(r->P2, r->P3, G);
            EXPECT_TRUE(r->k >= 0 && r->m >= 0 && (r->k == 0) == PGleich(r->P2, EinsPolynom) &&
                        (r->m == 0) == PGleich(r->P3, EinsPolynom))
                << T->Text;
            EXPECT_TRUE(PGleich(r->P3, EinsPolynom) || !Teilt(r->P3, r->P2)) << T->Text;
            EXPECT_TRUE(r->m > r->k || G.Grad == 0) << T->Text;
        }
    }
    // A power far beyond the degree limit is built at once from its exponent; a factor with unknown zeros
    // leaves the zero list open.
    bool neu = false;
    auto* e = dynamic_cast<TExponentialNormalform*>(Normalform(Lies("exp(x)^1000000000"), neu));
    ASSERT_TRUE(e && e->B->Term->Text == "(1000000000*x)") << (e ? e->Term->Text : "nil");
    TSListe* L = nullptr;
    uint8_t status = wahr;
    Normalform(Lies("(x^2+a)*(x+1)^2"), neu)->Nullstellen(IntervallR, L, false, status);
    EXPECT_EQ(status, unklar);
}

// The coefficients of P are polynomials in ln(a) with rational coefficients: no quotient by ln(a).
::testing::AssertionResult KoeffizientenPolynomeInLn(const TPolynom& P) {
    for (Int32 i = 0; i <= P.Grad; ++i) {
        TWurzelzahl z, n;
        if (!AlsWurzelbruch(P.Koeff[i], z, n) || !n.IstRational())
            return ::testing::AssertionFailure() << "Koeffizient " << P.Koeff[i]->Text;
    }
    return ::testing::AssertionSuccess();
}

// R(x) * a^x with a base other than e: ln(a) counts as one constant when cancelling, so each of the first
// three derivatives is a reduced form whose coefficients are polynomials in ln(a), and agrees with the
// difference quotient of the one before. The first derivative of (x/(x^2+1)) * 2^x is
// ((ln2*x^3 - x^2 + ln2*x + 1)/(x^2+1)^2) * 2^x, that of (1/(x+1)) * 2^x has the denominator (x+1)^2.
TEST_F(RationaleUndExponentialformen, AbleitungenZuAnderenBasen) {
    const char* const faelle[] = {"(x/(x^2+1))*2^x",
                                  "(1/(x+1))*2^x",
                                  "x*2^x",
                                  "2^x/(x^2+1)",
                                  "(x^2-1)/(x^2+1)*3^(x^2)",
                                  "(1/2)^x/(x-1)",
                                  "(x+2)/(x^2-4x+5)*(5/3)^(2x)",
                                  "x^2*10^(1/x)"};
    const std::vector<Extended> stellen = {-2.3L, -0.6L, 0.45L, 1.7L, 2.9L};
    for (const char* text : faelle) {
        bool neu = false;
        TNormalform* f = Normalform(Lies(text), neu);
        ASSERT_TRUE(f && f->Kennung == "ANF") << text;
        for (int k = 1; k <= 3; ++k) {
            auto* d = dynamic_cast<TExponentialNormalform*>(f->Ableitung());
            ASSERT_NE(d, nullptr) << text << " " << k;
            EXPECT_TRUE(IstAbleitung(d->Term, f->Term, stellen)) << text << " " << k;
            TPolynom G;
            PGGT(d->A->Zaehler, d->A->Nenner, G);
            EXPECT_EQ(G.Grad, 0) << text << " " << k << ": " << d->Term->Text;
            EXPECT_TRUE(KoeffizientenPolynomeInLn(d->A->Zaehler)) << text << " " << k;
            f = d;
        }
    }
    EXPECT_TRUE(Meldungen().empty());

    bool neu = false;
    auto* d = dynamic_cast<TExponentialNormalform*>(Normalform(Lies("(x/(x^2+1))*2^x"), neu)->Ableitung());
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(PGleich(d->A->Nenner, PolZ({1, 0, 2, 0, 1})));
    const Extended ln2 = std::log(2.0L);
    for (Extended t : Proben())
        EXPECT_TRUE(Nahe(Summenwert(d->A->Zaehler, t), ln2 * t * t * t - t * t + ln2 * t + 1)) << double(t);
    d = dynamic_cast<TExponentialNormalform*>(Normalform(Lies("(1/(x+1))*2^x"), neu)->Ableitung());
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(PGleich(d->A->Nenner, PolZ({1, 2, 1})));
}

// Cancelling where the numerator's coefficients hold ln(2): the common factor x + 1 goes. Roots are no such
// constant: x^2 - 2 and x - sqrt(2) keep their common factor.
TEST_F(RationaleUndExponentialformen, KuerzenMitLogarithmus) {
    TTerm* L = Lies("ln(2)");
    // ln2*x^2 + (1 - ln2)*x + 1 - 2*ln2 = (ln2*(x - 2) + 1) * (x + 1), over (x + 1) * (x + 3).
    TPolynom Z, N = PolZ({3, 4, 1});
    Z.Grad = 2;
    Z.Koeff[2] = L;
    Z.Koeff[1] = Differenz(Eins, L);
    Z.Koeff[0] = Differenz(Eins, Produkt(Zwei, L));
    const TPolynom Z0 = Z, N0 = N;
    TPolynom G;
    PGGT(Z, N, G);
    EXPECT_TRUE(PGleich(G, PolZ({1, 1})));
    Int32 flag = -1;
    PKuerze(Z, N, flag);
    EXPECT_TRUE(flag == 0 && Z.Grad == 1 && PGleich(N, PolZ({3, 1})));
    EXPECT_TRUE(KoeffizientenPolynomeInLn(Z));
    for (Extended t : Proben())
        EXPECT_TRUE(Nahe(Summenwert(Z, t) / Summenwert(N, t), Summenwert(Z0, t) / Summenwert(N0, t)));

    TPolynom W = PolZ({-2, 0, 1}), V;
    V.Grad = 1;
    V.Koeff[1] = Eins;
    V.Koeff[0] = Lies("sqrt(2)")->Negation();
    PKuerze(W, V, flag);
    EXPECT_TRUE(flag == 0 && W.Grad == 1 && V.Grad == 0) << PolynomToTerm(W)->Text;
}

// Substitution of P3 or P2, else the rational function; with bounds the antiderivative is evaluated, and not
// across a gap. At Stufe 2 without a substitution there is no result.
TEST_F(RationaleUndExponentialformen, Integral) {
    bool neu = false;
    EXPECT_EQ(Normalform(Lies("x/(x^2+1)"), neu)->Integral(nullptr, nullptr, 2), nullptr);
    for (const char* text : {"1/(x+1)^2", "(2x+1)*(x^2+x-3)^4", "(x^3-1)/(x-2)^2", "x/(x^2+1)"}) {
        TTerm* T = Lies(text);
        TNormalform* f = Normalform(T, neu);
        TTerm* F = f->Integral(nullptr, nullptr, 3);
        ASSERT_NE(F, nullptr) << text;
        EXPECT_TRUE(IstAbleitung(T, F, {-0.6L, 0.45L, 1.7L, 3.1L})) << text << ": " << F->Text;
        TTerm* I = f->Integral(K(3), K(4), 3);
        ASSERT_NE(I, nullptr) << text;
        EXPECT_TRUE(Nahe(*Wert(I), *Wert(F, 4) - *Wert(F, 3))) << text;
    }
    EXPECT_EQ(Normalform(Lies("1/(x+1)^2"), neu)->Integral(K(-2), K(0), 3), nullptr);
}

// The comment lines of symmetry and zeros; a derivative beyond the degree limit is a warning and nil.
TEST_F(RationaleUndExponentialformen, KommentareUndWarnung) {
    TTestLeinwandAktiv aktiv;
    InitialisiereAusgabe();
    Seitenbreite = 4000;
    bool neu = false;
    TWahrheitswert a, p;
    TNormalform* rnf = Normalform(Lies("(x-2)*(x+1)^3"), neu);
    rnf->Symmetrie(a, p, true);
    TSListe* L = nullptr;
    uint8_t status = unklar;
    rnf->Nullstellen(IntervallR, L, true, status);
    Normalform(Lies("x*exp(x)"), neu)->Nullstellen(IntervallR, L, true, status);
    const std::vector<std::string> text = Seitentext();
    InitialisiereAusgabe();
    auto zeile = [&](const std::string& s) { return std::find(text.begin(), text.end(), s) != text.end(); };
    EXPECT_TRUE(zeile("Die Symmetrie von x-2·x+13 ist zu der des Polynoms -x-2·-x+13 äquivalent."));
    EXPECT_TRUE(zeile("Das sind die Nullstellen von x-2 und x+1 zusammen."));
    EXPECT_TRUE(zeile("Das sind die Nullstellen von x da Exponentialfunktionen stets >0 sind."));
    EXPECT_EQ(Normalform(Lies("x^20*exp(x^2)"), neu)->Ableitung(), nullptr);
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Warnung: Kann Exponential-Normalform nicht ableiten\r\n"
                                                    "Maximaler Grad von Polynomen überschritten."});
}

} // namespace
} // namespace zol
