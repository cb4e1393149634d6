// Polynomials, checked as a mathematician would: values of sums, products and powers, Z = Q·N + R, the gcd
// divides both and is monic, cancelled pairs keep their values, derivative against the difference quotient
// and the antiderivative differentiated back, Horner against the term values, P(ix) against complex
// arithmetic; the degree limit and the messages of invalid input.
#include <complex>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/Polynome.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

using Polynome = PolynomTest;

const char* const Gradmeldung = "Maximaler Grad von Polynomen überschritten.";

TEST_F(Polynome, SummeDifferenzProduktUndPotenzPunktweise) {
    TZufallsPolynome z(11);
    for (int n = 0; n < 30; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 10)), Q = z.Polynom(z.Grad(0, 10)), S, D, M;
        PPlus(P, Q, S);
        PMinus(P, Q, D);
        PMal(P, Q, M);
        EXPECT_TRUE(Getrimmt(S) && Getrimmt(D) && Getrimmt(M));
        EXPECT_EQ(M.Grad, P.Grad + Q.Grad);
        for (Extended t : Proben()) {
            EXPECT_TRUE(Nahe(Summenwert(S, t), Summenwert(P, t) + Summenwert(Q, t)));
            EXPECT_TRUE(Nahe(Summenwert(D, t), Summenwert(P, t) - Summenwert(Q, t)));
            EXPECT_TRUE(Nahe(Summenwert(M, t), Summenwert(P, t) * Summenwert(Q, t)));
        }
        // The result may be one of the inputs.
        PMal(Q, P, Q);
        EXPECT_TRUE(PGleich(Q, M));
    }
    for (Int32 n = 0; n <= 6; ++n) {
        TPolynom P = z.Polynom(z.Grad(1, 3)), R;
        PHoch(P, n, R);
        EXPECT_EQ(R.Grad, n * P.Grad);
        for (Extended t : Proben())
            EXPECT_TRUE(Nahe(Summenwert(R, t), std::pow(Summenwert(P, t), Extended(n))));
    }
    // Cancelling leading terms lowers the degree.
    TPolynom R;
    PPlus(PolZ({1, 0, 1}), PolZ({0, 0, -1}), R);
    EXPECT_TRUE(Getrimmt(R) && PGleich(R, EinsPolynom));
}

TEST_F(Polynome, GradGrenze) {
    TZufallsPolynome z(13);
    TPolynom R = EinsPolynom;
    ASSERT_NO_THROW(PMal(z.Polynom(10), z.Polynom(10), R));
    EXPECT_TRUE(R.Grad == 20 && Wohlgeformt(R));
    R = NullPolynom;
    EXPECT_EQ(Ausnahme<EZolFehler>([&] { PMal(z.Polynom(11), z.Polynom(10), R); }), Gradmeldung);
    EXPECT_TRUE(IstNullPolynom(R));
    EXPECT_NO_THROW(PHoch(PolZ({1, 1}), 20, R));
    EXPECT_THROW(PHoch(PolZ({0, 0, 1}), 11, R), EZolFehler);
    EXPECT_NO_THROW(PStammfunktion(z.Polynom(19), R));
    EXPECT_THROW(PStammfunktion(z.Polynom(20), R), EZolFehler);
    EXPECT_NO_THROW(PLinearfaktorHoch(Eins, 20, R));
    EXPECT_THROW(PLinearfaktorHoch(Eins, 21, R), EZolFehler);
    EXPECT_THROW(PQuadFaktorHoch(Eins, Eins, 11, R), EZolFehler);
}

TEST_F(Polynome, DivisionMitRest) {
    TZufallsPolynome z(14);
    for (int n = 0; n < 40; ++n) {
        TPolynom Z = z.Polynom(z.Grad(0, 12)), N = z.Polynom(z.Grad(0, 6)), Q, R, QN, Probe, A, q, r;
        PDurch(Z, N, Q, R, false);
        EXPECT_TRUE(Getrimmt(Q) && Getrimmt(R));
        EXPECT_TRUE(IstNullPolynom(R) || R.Grad < N.Grad) << "Rest vom Grad " << R.Grad;
        PMal(Q, N, QN);
        PPlus(QN, R, Probe);
        EXPECT_TRUE(PGleich(Probe, Z));
        // A product divided by a factor leaves no remainder.
        PMal(Z, N, A);
        PDurch(A, N, q, r, false);
        EXPECT_TRUE(IstNullPolynom(r) && PGleich(q, Z));
    }
    // Leading zero coefficients are dropped first; the result may be an input.
    TPolynom Z = PolZ({-1, 0, 1, 0, 0}), N = PolZ({-1, 1, 0}), R;
    PDurch(Z, N, Z, R, false);
    EXPECT_TRUE(PGleich(Z, PolZ({1, 1})) && IstNullPolynom(R));
    for (const TPolynom& nullen : {NullPolynom, PolZ({0, 0, 0})})
        EXPECT_EQ(Ausnahme<ETermFehler>([&] {
                      PDurch(PolZ({1, 1}), nullen, Z, R, false);
                  }),
                  "Division durch Nullpolynom");
}

TEST_F(Polynome, GgtUndKgvTeilenUndWerdenGeteilt) {
    TZufallsPolynome z(17);
    for (int n = 0; n < 25; ++n) {
        TPolynom A = z.Polynom(z.Grad(0, 4)), B = z.Polynom(z.Grad(0, 4)), C = z.Polynom(z.Grad(0, 4));
        TPolynom P, Q, G, V, q, r;
        PMal(A, C, P);
        PMal(B, C, Q);
        PGGT(P, Q, G);
        PKGV(P, Q, V);
        EXPECT_TRUE(Getrimmt(G) && G.Koeff[G.Grad]->HatWert(BruchEins)) << "normiert";
        // The gcd divides both and the common factor C divides the gcd; both divide the lcm.
        for (auto [a, b] : {std::pair{&P, &G}, {&Q, &G}, {&G, &C}, {&V, &P}, {&V, &Q}}) {
            PDurch(*a, *b, q, r, false);
            EXPECT_TRUE(IstNullPolynom(r));
        }
        EXPECT_EQ(V.Grad, P.Grad + Q.Grad - G.Grad);
    }
    TPolynom R;
    PGGT(NullPolynom, XPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R));
    PKGV(NullPolynom, XPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R));
}

// Z/N has the values of Z0/N0 where neither denominator is near 0, integer coefficients and no common
// factor.
::testing::AssertionResult GekuerztMitWerten(const TPolynom& Z0, const TPolynom& N0, const TPolynom& Z,
                                             const TPolynom& N) {
    for (Extended t : Proben()) {
        const Extended n0 = Summenwert(N0, t), n1 = Summenwert(N, t);
        if (std::fabs(n0) < 1e-6L || std::fabs(n1) < 1e-6L) continue;
        auto r = Nahe(Summenwert(Z0, t) / n0, Summenwert(Z, t) / n1, 1e-8L);
        if (!r) return r << " bei " << double(t);
    }
    TPolynom G;
    PGGT(Z, N, G);
    if (G.Grad != 0) return ::testing::AssertionFailure() << "gemeinsamer Faktor vom Grad " << G.Grad;
    for (const TPolynom* P : {&Z, &N})
        for (Int32 i = 0; i <= P->Grad; ++i)
            if (AlsRationaleKonstante(P->Koeff[i])->Bruch.Nenner != 1)
                return ::testing::AssertionFailure() << "kein ganzzahliger Koeffizient";
    return ::testing::AssertionSuccess();
}

TEST_F(Polynome, GekuerztePaareBehaltenIhreWerte) {
    TZufallsPolynome z(18);
    for (int n = 0; n < 25; ++n) {
        TPolynom A = z.Polynom(z.Grad(0, 4)), B = z.Polynom(z.Grad(1, 4)), C = z.Polynom(z.Grad(0, 3));
        TPolynom Z, N;
        PMal(A, C, Z);
        PMal(B, C, N);
        const TPolynom Z0 = Z, N0 = N;
        Int32 flag = -1;
        PKuerze(Z, N, flag);
        // What remains has integer coefficients and no common factor; the flag tells whether one went.
        EXPECT_TRUE(GekuerztMitWerten(Z0, N0, Z, N));
        EXPECT_TRUE(C.Grad == 0 || flag == 0);
    }
    // Only the constant 1 beside: nothing changes, flag 1.
    TPolynom Z = PolZ({4, 6}), N = EinsPolynom;
    Int32 flag = -1;
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(Z, PolZ({4, 6})) && flag == 1);
}

// Planted common factors in polynomials with three-digit fractions, where the remainders of Euclid's
// algorithm over 64-bit fractions overflow: the gcd is monic, divides both, the planted factor divides it and
// the cofactors are coprime; cancelling keeps the values and leaves coprime integer polynomials.
TEST_F(Polynome, GgtUndKuerzenMitGrossenBruechen) {
    std::mt19937 gen(581);
    auto zufall = [&](Int32 grad) {
        std::uniform_int_distribution<Int64> z(-999, 999), n(1, 12);
        TPolynom P;
        for (Int32 i = 0; i <= grad; ++i) {
            TBruch b{z(gen), n(gen)};
            while (i == grad && b.Zaehler == 0) b.Zaehler = z(gen);
            P.Koeff[i] = RationaleKonstante(b);
        }
        P.Grad = grad;
        return P;
    };
    const std::tuple<Int32, Int32, Int32> grade[] = {{4, 3, 3},  {6, 6, 4},  {8, 5, 2}, {3, 9, 6},
                                                     {2, 2, 10}, {10, 9, 1}, {5, 7, 0}};
    for (const auto& [ga, gb, gc] : grade)
        for (int n = 0; n < 6; ++n) {
            SCOPED_TRACE(std::to_string(ga) + " " + std::to_string(gb) + " " + std::to_string(gc));
            const TPolynom A = zufall(ga), B = zufall(gb), C = zufall(gc);
            TPolynom P, Q, G, p, q, r, eins;
            PMal(A, C, P);
            PMal(B, C, Q);
            ASSERT_NO_THROW(PGGT(P, Q, G));
            EXPECT_TRUE(Getrimmt(G) && G.Koeff[G.Grad]->HatWert(BruchEins)) << "normiert";
            for (auto [a, b] : {std::pair{&P, &p}, {&Q, &q}}) {
                PDurch(*a, G, *b, r, false);
                EXPECT_TRUE(IstNullPolynom(r)) << "der ggT teilt nicht";
            }
            PDurch(G, C, r, r, false);
            EXPECT_TRUE(IstNullPolynom(r)) << "der geplante Faktor teilt den ggT nicht";
            PGGT(p, q, eins);
            EXPECT_EQ(eins.Grad, 0) << "Kofaktoren nicht teilerfremd";

            TPolynom Z = P, N = Q;
            Int32 flag = -1;
            ASSERT_NO_THROW(PKuerze(Z, N, flag));
            EXPECT_EQ(Z.Grad + Q.Grad, N.Grad + P.Grad);
            EXPECT_EQ(flag, G.Grad > 0 ? 0 : 1);
            EXPECT_TRUE(GekuerztMitWerten(P, Q, Z, N));
        }
}

// The polynomial with the coefficients' texts, constant term first.
TPolynom AusTexten(const std::vector<std::string>& texte) {
    TPolynom P;
    P.Grad = Int32(texte.size()) - 1;
    for (size_t i = 0; i < texte.size(); ++i) P.Koeff[i] = Lies(texte[i]);
    return P;
}

// Gcds over roots: P = A*C and Q = B*C with coprime A and B. The gcd is monic, divides both and has C's
// degree, and C divides it. A proof of coprimality that disregards a relation between the roots, a root
// index, or a leading coefficient that vanishes modulo the prime used would give 1 where C is not constant.
TEST_F(Polynome, GgtUeberWurzeln) {
    struct TFall {
        const char* Name;
        std::vector<std::string> A, B, C;
    };
    const TFall faelle[] = {
        {"sqrt(6) ist sqrt(2)*sqrt(3)", {"-sqrt(2)", "1"}, {"-sqrt(3)", "1"}, {"-sqrt(2)*sqrt(3)", "1"}},
        {"konjugierte Faktoren", {"-sqrt(2)", "1"}, {"sqrt(2)", "1"}, {"1", "sqrt(3)", "1"}},
        {"teilerfremd", {"-2", "0", "1"}, {"-sqrt(3)", "1"}, {"1"}},
        {"teilerfremd, zwei Wurzeln", {"1", "sqrt(5)", "2"}, {"sqrt(7)", "0", "1"}, {"3"}},
        {"Kubikwurzel", {"2^(2/3)", "2^(1/3)", "1"}, {"-1", "1"}, {"-2^(1/3)", "1"}},
        {"Wurzeln verschiedener Ordnung", {"-sqrt(2)", "1"}, {"1", "1"}, {"-sqrt(2)-2^(1/3)", "1"}},
        {"Kubikwurzel teilerfremd", {"-2", "0", "0", "1"}, {"-2^(2/3)", "1"}, {"1"}},
        {"Brueche", {"1/2", "-sqrt(3)/5"}, {"2/7", "1"}, {"sqrt(5)/7", "1/3"}},
        {"Quadrat und Wurzel", {"-sqrt(3)", "1"}, {"1", "0", "1"}, {"3", "-2*sqrt(3)", "1"}},
        // Leading coefficients divisible by the first primes where 3 and 2 have square roots: their images
        // lose the common factor.
        {"Leitkoeffizient durch p teilbar, sqrt(3)", {"1", "1"}, {"3", "1"}, {"-sqrt(3)", "2147483579"}},
        {"Leitkoeffizient durch p teilbar, sqrt(2)", {"1", "1"}, {"3", "1"}, {"-sqrt(2)", "2147481143"}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TPolynom A = AusTexten(f.A), B = AusTexten(f.B), C = AusTexten(f.C);
        TPolynom P, Q, G, q, r;
        PMal(A, C, P);
        PMal(B, C, Q);
        ASSERT_NO_THROW(PGGT(P, Q, G));
        EXPECT_EQ(G.Grad, C.Grad);
        EXPECT_TRUE(Getrimmt(G) && G.Koeff[G.Grad]->HatWert(BruchEins)) << "normiert";
        for (const TPolynom* X : {&P, &Q}) {
            PDurch(*X, G, q, r, false);
            EXPECT_TRUE(IstNullPolynom(r)) << "der ggT teilt nicht";
        }
        PDurch(G, C, q, r, false);
        EXPECT_TRUE(IstNullPolynom(r)) << "der gemeinsame Faktor teilt den ggT nicht";
    }
}

TEST_F(Polynome, AbleitungStammfunktionUndWerte) {
    TZufallsPolynome z(19);
    for (int n = 0; n < 25; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 19)), S, A, D;
        PStammfunktion(P, S);
        PAbleitung(S, A);
        EXPECT_TRUE(S.Koeff[0]->IstNull() && PGleich(A, P));
        PAbleitung(P, D);
        EXPECT_TRUE(Getrimmt(D));
        for (Extended t : {-0.7L, 0.2L, 0.9L}) {
            const Extended h = 1e-5L;
            EXPECT_TRUE(Nahe(PWert(D, t), (PWert(P, t + h) - PWert(P, t - h)) / (2 * h), 1e-5L)) << P.Grad;
        }
        // Horner against the plain sum; the exact value at rational points against the real one.
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(P, t), Summenwert(P, t)));
        for (const TBruch& t : {TBruch{0, 1}, TBruch{-3, 2}, TBruch{2, 3}}) {
            TBruch w;
            PWertRational(P, t, w);
            EXPECT_TRUE(Nahe(Extended(w.Zaehler) / w.Nenner, PWert(P, Extended(t.Zaehler) / t.Nenner)));
        }
    }
    TPolynom R;
    PStammfunktion(NullPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R) && Getrimmt(R));
    // Coefficients that are not rational: values yes, exact values no.
    TPolynom P = PolZ({1, 0, 2});
    P.Koeff[1] = KonstantePi();
    for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(P, t), 1 + 3.14159265358979323846L * t + 2 * t * t));
    TBruch w;
    EXPECT_EQ(Ausnahme<ETermGoToStart>([&] { PWertRational(P, BruchEins, w); }),
              "Koeffizienten müssen rational sein!");
    EXPECT_THROW(PErweitere(P, false), ETermGoToStart);
}

TEST_F(Polynome, AusTextUndKonstanten) {
    TPolynom R;
    PAusString("1,(-2),(3/4)", R);
    EXPECT_TRUE(PGleich(R, Pol({{1, 1}, {-2, 1}, {3, 4}})));
    PAusString("0,0,0", R);
    EXPECT_TRUE(R.Grad == 2 && Wohlgeformt(R)) << "nicht gekürzt";
    // 21 coefficients fit, 22 do not; an unreadable coefficient is a term error.
    std::string text = "1";
    for (int i = 0; i < 20; ++i) text += ",1";
    PAusString(text, R);
    EXPECT_EQ(R.Grad, 20);
    EXPECT_EQ(Ausnahme<EZolFehler>([&] { PAusString(text + ",1", R); }), Gradmeldung);
    for (const char* falsch : {"1,a", "", "1,"}) EXPECT_THROW(PAusString(falsch, R), ETermFehler) << falsch;
    EXPECT_EQ(Ausnahme<EZolFehler>([&] { KonstantesPolynom(VariableX, R); }), "konstanten Term erwartet");
}

TEST_F(Polynome, SymmetrieNormierenErweitern) {
    const std::tuple<TPolynom, bool, bool> symmetrie[] = {{PolZ({1, 0, 3, 0, -1}), true, false},
                                                          {PolZ({0, 2, 0, -1}), false, true},
                                                          {PolZ({1, 1}), false, false},
                                                          {NullPolynom, true, true}};
    for (const auto& [P, gerade, ungerade] : symmetrie) {
        bool g = !gerade, u = !ungerade;
        PSymmetrie(P, g, u);
        EXPECT_TRUE(g == gerade && u == ungerade);
        for (Extended t : Proben()) {
            EXPECT_TRUE(!g || Nahe(PWert(P, -t), PWert(P, t)));
            EXPECT_TRUE(!u || Nahe(PWert(P, -t), -PWert(P, t)));
        }
    }
    // Normed: leading coefficient 1 or -1, and the factor, always set, gives the polynomial back.
    const std::tuple<TPolynom, bool, TBruch> normieren[] = {{Pol({{1, 1}, {-1, 3}}), true, {3, 1}},
                                                            {PolZ({-7, -1}), false, {1, 1}}};
    for (const auto& [P0, geaendert, faktor] : normieren) {
        TPolynom P = P0;
        TTerm* f = nullptr;
        bool g = !geaendert;
        PNormiere(P, f, g);
        ASSERT_NE(f, nullptr);
        EXPECT_TRUE(g == geaendert && f->HatWert(faktor));
        EXPECT_TRUE(P.Grad == 0 || std::fabs(*Wert(P.Koeff[P.Grad])) == 1);
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(P, t), PWert(P0, t) * *Wert(f)));
    }
    TPolynom P = Pol({{1, 3}, {0, 1}, {1, 2}});
    PErweitere(P, false);
    EXPECT_TRUE(PGleich(P, PolZ({2, 0, 3})));
}

TEST_F(Polynome, Substitutionen) {
    TZufallsPolynome z(23);
    for (int n = 0; n < 25; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 12)), R, I, Q, B = z.Polynom(z.Grad(0, 10)), P2;
        // P(it) = R(t^2) + i t I(t^2), against complex arithmetic.
        PvonIX(P, R, I);
        for (Extended t : Proben()) {
            std::complex<Extended> s = 0, it(0, t), potenz = 1;
            for (Int32 k = 0; k <= P.Grad; ++k, potenz *= it) s += *Wert(P.Koeff[k]) * potenz;
            EXPECT_TRUE(Nahe(PWert(R, t * t), s.real()) && Nahe(t * PWert(I, t * t), s.imag()));
        }
        // B(x^2) has Q = B back.
        for (Int32 j = 0; j <= B.Grad; ++j) P2.Koeff[2 * j] = B.Koeff[j];
        P2.Grad = 2 * B.Grad;
        ASSERT_TRUE(PQuadratSubstitution(P2, Q, false));
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(Q, t * t), PWert(P2, t)));
    }
    TPolynom Q;
    EXPECT_FALSE(PQuadratSubstitution(PolZ({0, 1, 0, 1}), Q, false));
    // x^k replaced for the lowest exponent k present (not the gcd of the exponents).
    const std::pair<TPolynom, Int32> faelle[] = {{PolZ({0, 0, 0, 0, 1, 0, 1}), 1},
                                                 {PolZ({1, 0, 0, -3, 0, 0, 1}), 3},
                                                 {PolZ({0, 0, 0, 0, 0, 2}), 5},
                                                 {PolZ({7}), 1}};
    for (const auto& [P, k] : faelle) {
        EXPECT_EQ(PSubstitution(P, Q, false), k);
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(Q, std::pow(t, Extended(k))), PWert(P, t)));
    }
}

// a x^2 + b x + c = |a| (u^2 ± r^2) with u = x + b/(2a); S, Q and T (in the next letter v, with k = r) have
// the values of the quadratic over |a|.
TEST_F(Polynome, QuadratischeErgaenzung) {
    const std::tuple<TBruch, TBruch, TBruch, char> faelle[] = {
        {{1, 1}, {2, 1}, {5, 1}, 'x'},   {{1, 1}, {-2, 1}, {-3, 1}, 'x'}, {{1, 1}, {2, 1}, {1, 1}, 'x'},
        {{-1, 1}, {2, 1}, {-5, 1}, 'x'}, {{-2, 1}, {4, 1}, {6, 1}, 'x'},  {{2, 1}, {0, 1}, {8, 1}, 'x'},
        {{1, 2}, {1, 1}, {1, 1}, 'u'},   {{3, 1}, {-5, 1}, {1, 1}, 'x'}};
    const auto wert = [](const TBruch& b) { return Extended(b.Zaehler) / Extended(b.Nenner); };
    for (const auto& [fa, fb, fc, buchstabe] : faelle) {
        TWechsel<char> letter(Variablenbuchstabe, buchstabe);
        const Extended a = wert(fa), b = wert(fb), c = wert(fc);
        Extended D = -999;
        TTerm *u = nullptr, *Q = nullptr, *S = nullptr, *r = nullptr, *T = nullptr;
        QuadratischeErgaenzung(RationaleKonstante(fa), RationaleKonstante(fb), RationaleKonstante(fc), D, u,
                               Q, S, r, T);
        ASSERT_TRUE(u && Q && S && r && T);
        EXPECT_TRUE(Nahe(D, 4 * a * c - b * b));
        const Extended rw = *Wert(r);
        EXPECT_TRUE(Nahe(rw * rw, std::fabs(4 * a * c - b * b) / (4 * a * a)));
        TTerm* v = fb.Zaehler == 0 ? static_cast<TTerm*>(VariableX)
                                   : BenannteKonstante(std::string(1, NaechsterVariablenname(buchstabe)));
        TTerm* Tx = T->Ersetze(BenannteKonstante("k"), ReelleKonstante(rw));
        if (v != VariableX) Tx = Tx->Ersetze(v, u);
        for (Extended t : Proben()) {
            const Extended quadratisch = (a * t * t + b * t + c) / std::fabs(a);
            EXPECT_TRUE(Nahe(*Wert(u, t), t + b / (2 * a)));
            EXPECT_TRUE(Nahe(*Wert(S, t), quadratisch) && Nahe(*Wert(Q, t), quadratisch)) << S->Text;
            EXPECT_TRUE(Nahe(*Wert(Tx, t), quadratisch)) << T->Text;
        }
    }
}

} // namespace
} // namespace zol
