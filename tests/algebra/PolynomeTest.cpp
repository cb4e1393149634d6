// Polynomial arithmetic: records and constants, sum, product, division, powers, gcd and lcm, cancelling,
// derivative and antiderivative, values, substitutions and powers of factors.
#include <complex>

#include "algebra/Polynome.h"
#include "output/Ausgabe.h"
#include "term/Fehler.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"

namespace zol {
namespace {

using Polynome = PolynomTest;

// ---- Records and constants ----

TEST_F(Polynome, NeuerDatensatzIstDasNullpolynom) {
    TPolynom P;
    EXPECT_EQ(P.Grad, 0);
    for (Int32 i = 0; i <= MaxGrad; ++i) EXPECT_EQ(P.Koeff[i], Null) << i;
    EXPECT_TRUE(IstNullPolynom(P));
}

TEST_F(Polynome, Konstanten) {
    struct Fall {
        const char* Name;
        const TPolynom& P;
        Int32 Grad;
        Extended (*f)(Extended);
    };
    const Fall faelle[] = {
        {"0", NullPolynom, 0, [](Extended) -> Extended { return 0; }},
        {"1", EinsPolynom, 0, [](Extended) -> Extended { return 1; }},
        {"x", XPolynom, 1, [](Extended t) { return t; }},
        {"x^2", XQuadratPolynom, 2, [](Extended t) { return t * t; }},
        {"1-x^2", EinsMinusXQuadratPolynom, 2, [](Extended t) { return 1 - t * t; }},
    };
    for (const Fall& f : faelle) {
        EXPECT_TRUE(Getrimmt(f.P)) << f.Name;
        EXPECT_EQ(f.P.Grad, f.Grad) << f.Name;
        EXPECT_TRUE(IstRationalesPolynom(f.P)) << f.Name;
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(Summenwert(f.P, t), f.f(t))) << f.Name;
    }
    EXPECT_TRUE(IstNullPolynom(NullPolynom));
    EXPECT_FALSE(IstNullPolynom(EinsPolynom));
    // The constants survive the end of a request.
    AlleTermeFreigeben();
    EXPECT_EQ(EinsMinusXQuadratPolynom.Koeff[2], MinusEins);
    EXPECT_EQ(XPolynom.Koeff[1], Eins);
}

TEST_F(Polynome, InitialisierungIstWiederholbar) {
    InitialisierePolynome();
    InitialisiereTerme();
    EXPECT_TRUE(PGleich(XQuadratPolynom, PolZ({0, 0, 1})));
    EXPECT_TRUE(PGleich(EinsMinusXQuadratPolynom, PolZ({1, 0, -1})));
}

// ---- Sum and difference ----

TEST_F(Polynome, SummeUndDifferenzKuerzenDenGrad) {
    TPolynom R;
    PPlus(PolZ({1, 0, 1}), PolZ({0, 0, -1}), R);
    EXPECT_TRUE(Getrimmt(R));
    EXPECT_TRUE(PGleich(R, EinsPolynom));
    PPlus(XPolynom, PolZ({0, -1}), R);
    EXPECT_TRUE(Getrimmt(R));
    EXPECT_EQ(R.Grad, 0);
    EXPECT_TRUE(IstNullPolynom(R));
    PMinus(PolZ({3, 2, 5}), PolZ({3, 2, 5}), R);
    EXPECT_TRUE(IstNullPolynom(R));
}

TEST_F(Polynome, SummeUndDifferenzPunktweise) {
    TZufallsPolynome z(11);
    for (int n = 0; n < 30; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 8)), Q = z.Polynom(z.Grad(0, 8)), S, D;
        PPlus(P, Q, S);
        PMinus(P, Q, D);
        EXPECT_TRUE(Getrimmt(S));
        EXPECT_TRUE(Getrimmt(D));
        for (Extended t : Proben()) {
            EXPECT_TRUE(Nahe(Summenwert(S, t), Summenwert(P, t) + Summenwert(Q, t)));
            EXPECT_TRUE(Nahe(Summenwert(D, t), Summenwert(P, t) - Summenwert(Q, t)));
        }
        // The result may be one of the inputs.
        TPolynom R = P;
        PPlus(R, Q, R);
        EXPECT_TRUE(PGleich(R, S));
    }
}

// ---- Product ----

TEST_F(Polynome, ProduktPunktweise) {
    TZufallsPolynome z(12);
    for (int n = 0; n < 30; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 10)), Q = z.Polynom(z.Grad(0, 10)), R;
        PMal(P, Q, R);
        EXPECT_EQ(R.Grad, P.Grad + Q.Grad);
        EXPECT_TRUE(Getrimmt(R));
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(Summenwert(R, t), Summenwert(P, t) * Summenwert(Q, t)));
        PMal(Q, P, Q);
        EXPECT_TRUE(PGleich(Q, R)) << "kommutativ, Ergebnis = Eingabe";
    }
}

TEST_F(Polynome, ProduktMitNull) {
    TPolynom R = XPolynom;
    PMal(PolZ({1, 2, 3}), NullPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R));
    PMal(NullPolynom, PolZ({1, 2, 3}), R);
    EXPECT_TRUE(IstNullPolynom(R));
}

TEST_F(Polynome, GradGrenzeBeimProdukt) {
    TZufallsPolynome z(13);
    TPolynom P10 = z.Polynom(10), Q10 = z.Polynom(10), P11 = z.Polynom(11), R;
    ASSERT_NO_THROW(PMal(P10, Q10, R));
    EXPECT_EQ(R.Grad, 20);
    EXPECT_TRUE(Wohlgeformt(R));
    R = P10;
    try {
        PMal(P11, Q10, R);
        ADD_FAILURE() << "Grad 21 ohne Fehler";
    } catch (const EZolFehler& e) {
        EXPECT_STREQ(e.what(), "Maximaler Grad von Polynomen überschritten.");
    }
    EXPECT_TRUE(IstNullPolynom(R)) << "das Ergebnis bleibt das Nullpolynom";
}

// ---- Division ----

TEST_F(Polynome, DivisionBeispiele) {
    struct Fall {
        const char* Name;
        TPolynom Z, N, Q, R;
    };
    const Fall faelle[] = {
        {"(x^2-1):(x-1)", PolZ({-1, 0, 1}), PolZ({-1, 1}), PolZ({1, 1}), NullPolynom},
        {"x:x^2", XPolynom, XQuadratPolynom, NullPolynom, XPolynom},
        {"(x^3+2):(x+1)", PolZ({2, 0, 0, 1}), PolZ({1, 1}), PolZ({1, -1, 1}), PolZ({1})},
        {"(2x^2+3x):2", PolZ({0, 3, 2}), PolZ({2}), Pol({{0, 1}, {3, 2}, {1, 1}}), NullPolynom},
        {"0:(x+5)", NullPolynom, PolZ({5, 1}), NullPolynom, NullPolynom},
        {"(x^4+1):(x^2+1)", PolZ({1, 0, 0, 0, 1}), PolZ({1, 0, 1}), PolZ({-1, 0, 1}), PolZ({2})},
    };
    for (const Fall& f : faelle) {
        TPolynom Q, R;
        PDurch(f.Z, f.N, Q, R, false);
        EXPECT_TRUE(PGleich(Q, f.Q)) << f.Name;
        EXPECT_TRUE(PGleich(R, f.R)) << f.Name;
        EXPECT_TRUE(Getrimmt(Q)) << f.Name;
        EXPECT_TRUE(Getrimmt(R)) << f.Name;
    }
}

TEST_F(Polynome, DivisionMitRestPunktweise) {
    TZufallsPolynome z(14);
    for (int n = 0; n < 40; ++n) {
        TPolynom Z = z.Polynom(z.Grad(0, 12)), N = z.Polynom(z.Grad(0, 6)), Q, R, QN, Probe;
        PDurch(Z, N, Q, R, false);
        EXPECT_TRUE(Getrimmt(Q));
        EXPECT_TRUE(Getrimmt(R));
        EXPECT_TRUE(IstNullPolynom(R) || R.Grad < N.Grad) << "Rest vom Grad " << R.Grad;
        // Z = Q * N + R exactly.
        PMal(Q, N, QN);
        PPlus(QN, R, Probe);
        EXPECT_TRUE(PGleich(Probe, Z));
    }
}

TEST_F(Polynome, DivisionDurchEinenFaktorGehtAuf) {
    TZufallsPolynome z(15);
    for (int n = 0; n < 20; ++n) {
        TPolynom A = z.Polynom(z.Grad(0, 7)), B = z.Polynom(z.Grad(0, 7)), P, Q, R;
        PMal(A, B, P);
        PDurch(P, B, Q, R, false);
        EXPECT_TRUE(IstNullPolynom(R));
        EXPECT_TRUE(PGleich(Q, A));
    }
}

TEST_F(Polynome, DivisionDurchNullpolynom) {
    TPolynom nullen = PolZ({0, 0, 0}); // untrimmed zero
    for (const TPolynom& N : {NullPolynom, nullen}) {
        TPolynom Q, R;
        try {
            PDurch(PolZ({1, 1}), N, Q, R, false);
            ADD_FAILURE() << "keine Ausnahme";
        } catch (const ETermFehler& e) {
            EXPECT_STREQ(e.what(), "Division durch Nullpolynom");
        }
    }
}

TEST_F(Polynome, DivisionUngekuerzterEingaben) {
    // Leading zero coefficients on both sides are dropped first.
    TPolynom Z = PolZ({-1, 0, 1, 0, 0}), N = PolZ({-1, 1, 0}), Q, R;
    PDurch(Z, N, Q, R, false);
    EXPECT_TRUE(PGleich(Q, PolZ({1, 1})));
    EXPECT_TRUE(IstNullPolynom(R));
}

TEST_F(Polynome, DivisionErgebnisDarfEingabeSein) {
    TPolynom Z = PolZ({-1, 0, 1}), N = PolZ({-1, 1}), R;
    PDurch(Z, N, Z, R, false);
    EXPECT_TRUE(PGleich(Z, PolZ({1, 1})));
    Z = PolZ({-1, 0, 1});
    PDurch(Z, N, R, N, false);
    EXPECT_TRUE(PGleich(R, PolZ({1, 1})));
    EXPECT_TRUE(IstNullPolynom(N));
}

// ---- Power ----

TEST_F(Polynome, PotenzNullIstEins) {
    TPolynom R;
    PHoch(PolZ({3, 1, 4}), 0, R);
    EXPECT_TRUE(PGleich(R, EinsPolynom));
    PHoch(EinsPolynom, 7, R);
    EXPECT_TRUE(PGleich(R, EinsPolynom));
    PHoch(NullPolynom, 3, R);
    EXPECT_TRUE(IstNullPolynom(R));
}

TEST_F(Polynome, PotenzPunktweise) {
    TZufallsPolynome z(16);
    for (Int32 n = 1; n <= 6; ++n) {
        TPolynom P = z.Polynom(z.Grad(1, 3)), R;
        PHoch(P, n, R);
        EXPECT_EQ(R.Grad, n * P.Grad);
        for (Extended t : Proben())
            EXPECT_TRUE(Nahe(Summenwert(R, t), std::pow(Summenwert(P, t), Extended(n))));
    }
}

TEST_F(Polynome, PotenzBinomialkoeffizienten) {
    TPolynom R;
    PHoch(PolZ({1, 1}), 6, R);
    EXPECT_TRUE(PGleich(R, PolZ({1, 6, 15, 20, 15, 6, 1})));
}

TEST_F(Polynome, PotenzUeberGrad20) {
    TPolynom R;
    EXPECT_NO_THROW(PHoch(PolZ({1, 1}), 20, R));
    EXPECT_THROW(PHoch(PolZ({1, 1}), 21, R), EZolFehler);
    EXPECT_THROW(PHoch(PolZ({0, 0, 1}), 11, R), EZolFehler);
}

// ---- gcd and lcm ----

TEST_F(Polynome, GGTBeispiele) {
    TPolynom R;
    PGGT(PolZ({-1, 0, 1}), PolZ({-2, 2}), R);
    EXPECT_TRUE(PGleich(R, PolZ({-1, 1})));
    PGGT(PolZ({1, 0, 1}), XPolynom, R);
    EXPECT_TRUE(PGleich(R, EinsPolynom));
    PGGT(NullPolynom, XPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R));
    PGGT(XPolynom, NullPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R));
}

TEST_F(Polynome, GGTTeiltBeideUndIstNormiert) {
    TZufallsPolynome z(17);
    for (int n = 0; n < 25; ++n) {
        TPolynom A = z.Polynom(z.Grad(0, 4)), B = z.Polynom(z.Grad(0, 4)), C = z.Polynom(z.Grad(0, 4));
        TPolynom P, Q, G, q, r;
        PMal(A, C, P);
        PMal(B, C, Q);
        PGGT(P, Q, G);
        EXPECT_TRUE(Getrimmt(G));
        EXPECT_TRUE(G.Koeff[G.Grad]->HatWert(BruchEins)) << "normiert";
        PDurch(P, G, q, r, false);
        EXPECT_TRUE(IstNullPolynom(r)) << "teilt P";
        PDurch(Q, G, q, r, false);
        EXPECT_TRUE(IstNullPolynom(r)) << "teilt Q";
        // The common factor C divides the gcd.
        EXPECT_GE(G.Grad, C.Grad);
        PDurch(G, C, q, r, false);
        EXPECT_TRUE(IstNullPolynom(r)) << "C teilt den ggT";
    }
}

TEST_F(Polynome, KGV) {
    TPolynom P = PolZ({-1, 0, 1}), Q = PolZ({-2, 1, 1}), R, G, q, r; // (x-1)(x+1), (x-1)(x+2)
    PKGV(P, Q, R);
    PGGT(P, Q, G);
    EXPECT_EQ(R.Grad, P.Grad + Q.Grad - G.Grad);
    PDurch(R, P, q, r, false);
    EXPECT_TRUE(IstNullPolynom(r));
    PDurch(R, Q, q, r, false);
    EXPECT_TRUE(IstNullPolynom(r));
    for (Extended t : {-1.0L, 1.0L, -2.0L}) EXPECT_TRUE(Nahe(Summenwert(R, t), 0)) << double(t);
    PKGV(NullPolynom, Q, R);
    EXPECT_TRUE(IstNullPolynom(R));
}

// ---- Cancelling ----

TEST_F(Polynome, KuerzenBeispiele) {
    TPolynom Z = PolZ({-2, 2}), N = PolZ({-1, 0, 1});
    Int32 flag = -1;
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(Z, PolZ({2})));
    EXPECT_TRUE(PGleich(N, PolZ({1, 1})));
    EXPECT_EQ(flag, 0);

    Z = PolZ({1, 1});
    N = PolZ({3});
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(Z, PolZ({1, 1})));
    EXPECT_TRUE(PGleich(N, PolZ({3})));
    EXPECT_EQ(flag, 1);

    Z = NullPolynom;
    N = PolZ({1, 7});
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(N, EinsPolynom));
    EXPECT_EQ(flag, 0);

    Z = PolZ({4, 6});
    N = EinsPolynom;
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(Z, PolZ({4, 6}))) << "neben 1 bleibt alles";
    EXPECT_EQ(flag, 1);
}

TEST_F(Polynome, KuerzenMachtKoeffizientenGanzUndTeilerfremd) {
    TPolynom Z = Pol({{1, 2}, {1, 2}}), N = Pol({{-1, 3}, {0, 1}, {1, 3}});
    Int32 flag = -1;
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(Z, PolZ({3})));
    EXPECT_TRUE(PGleich(N, PolZ({-2, 2})));
    EXPECT_EQ(flag, 0);

    Z = PolZ({4, 6});
    N = PolZ({2, 0, 8});
    PKuerze(Z, N, flag);
    EXPECT_TRUE(PGleich(Z, PolZ({2, 3})));
    EXPECT_TRUE(PGleich(N, PolZ({1, 0, 4})));
    EXPECT_EQ(flag, 1);
}

TEST_F(Polynome, GekuerztePaareHabenDenselbenWert) {
    TZufallsPolynome z(18);
    for (int n = 0; n < 25; ++n) {
        TPolynom A = z.Polynom(z.Grad(0, 4)), B = z.Polynom(z.Grad(1, 4)), C = z.Polynom(z.Grad(0, 3));
        TPolynom Z, N;
        PMal(A, C, Z);
        PMal(B, C, N);
        const TPolynom Z0 = Z, N0 = N;
        Int32 flag = -1;
        PKuerze(Z, N, flag);
        for (Extended t : Proben()) {
            const Extended n0 = Summenwert(N0, t), n1 = Summenwert(N, t);
            if (std::fabs(n0) < 1e-6L || std::fabs(n1) < 1e-6L) continue;
            EXPECT_TRUE(Nahe(Summenwert(Z0, t) / n0, Summenwert(Z, t) / n1, 1e-8L));
        }
        // What remains has integer coefficients and no common polynomial factor.
        TPolynom G;
        PGGT(Z, N, G);
        EXPECT_EQ(G.Grad, 0);
        for (const TPolynom* P : {&Z, &N})
            for (Int32 i = 0; i <= P->Grad; ++i)
                EXPECT_EQ(AlsRationaleKonstante(P->Koeff[i])->Bruch.Nenner, 1);
        if (C.Grad > 0) {
            EXPECT_EQ(flag, 0);
        }
    }
}

// ---- Derivative and antiderivative ----

TEST_F(Polynome, AbleitungUndStammfunktion) {
    TZufallsPolynome z(19);
    for (int n = 0; n < 25; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 19)), S, A, D;
        PStammfunktion(P, S);
        EXPECT_EQ(S.Grad, P.Grad + 1);
        EXPECT_TRUE(S.Koeff[0]->IstNull()) << "Konstante 0";
        PAbleitung(S, A);
        EXPECT_TRUE(PGleich(A, P)) << "die Ableitung der Stammfunktion";
        // The derivative against a symmetric difference quotient.
        PAbleitung(P, D);
        EXPECT_TRUE(Getrimmt(D));
        for (Extended t : {-0.7L, 0.2L, 0.9L}) {
            const Extended h = 1e-5L;
            const Extended dq = (PWert(P, t + h) - PWert(P, t - h)) / (2 * h);
            EXPECT_TRUE(Nahe(PWert(D, t), dq, 1e-5L)) << "Grad " << P.Grad;
        }
    }
}

TEST_F(Polynome, AbleitungUndStammfunktionRandfaelle) {
    TPolynom R;
    PAbleitung(PolZ({5}), R);
    EXPECT_TRUE(IstNullPolynom(R));
    PStammfunktion(NullPolynom, R);
    EXPECT_TRUE(IstNullPolynom(R)) << "Stammfunktion von 0";
    EXPECT_TRUE(Getrimmt(R));
    TZufallsPolynome z(20);
    EXPECT_NO_THROW(PStammfunktion(z.Polynom(19), R));
    try {
        PStammfunktion(z.Polynom(20), R);
        ADD_FAILURE() << "Grad 21 ohne Fehler";
    } catch (const EZolFehler& e) {
        EXPECT_STREQ(e.what(), "Maximaler Grad von Polynomen überschritten.");
    }
}

// ---- Values ----

TEST_F(Polynome, HornerGegenTermwert) {
    TZufallsPolynome z(21);
    for (int n = 0; n < 20; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 15));
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(P, t), Summenwert(P, t)));
    }
    // Coefficients that are not rational.
    TPolynom P = PolZ({1, 0, 2});
    P.Koeff[1] = KonstantePi();
    for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(P, t), 1 + 3.14159265358979323846L * t + 2 * t * t));
}

TEST_F(Polynome, ExakterWert) {
    TZufallsPolynome z(22);
    const TBruch stellen[] = {{0, 1}, {1, 1}, {-3, 2}, {2, 3}, {-5, 4}};
    for (int n = 0; n < 15; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 6));
        for (const TBruch& t : stellen) {
            TBruch w;
            PWertRational(P, t, w);
            EXPECT_TRUE(Nahe(Extended(w.Zaehler) / Extended(w.Nenner),
                             PWert(P, Extended(t.Zaehler) / Extended(t.Nenner))));
        }
    }
    // x^2 - 2x + 1 has the exact zero 1.
    TBruch w{7, 1};
    PWertRational(PolZ({1, -2, 1}), BruchEins, w);
    EXPECT_EQ(w.Zaehler, 0);
    TPolynom P = PolZ({1, 1});
    P.Koeff[0] = KonstantePi();
    try {
        PWertRational(P, BruchEins, w);
        ADD_FAILURE() << "keine Ausnahme";
    } catch (const ETermGoToStart& e) {
        EXPECT_STREQ(e.what(), "Koeffizienten müssen rational sein!");
    }
}

// ---- Construction ----

TEST_F(Polynome, KonstantePolynome) {
    TPolynom R = XPolynom;
    KonstantesPolynom(K(3, 4), R);
    EXPECT_EQ(R.Grad, 0);
    EXPECT_TRUE(R.Koeff[0]->HatWert(TBruch{3, 4}));
    EXPECT_TRUE(Wohlgeformt(R));
    KonstantesPolynom(KonstantePi(), R);
    EXPECT_EQ(R.Koeff[0], KonstantePi());
    BruchPolynom(TBruch{-5, 2}, R);
    EXPECT_TRUE(PGleich(R, Pol({{-5, 2}})));
    try {
        KonstantesPolynom(VariableX, R);
        ADD_FAILURE() << "keine Ausnahme";
    } catch (const EZolFehler& e) {
        EXPECT_STREQ(e.what(), "konstanten Term erwartet");
    }
}

TEST_F(Polynome, AusText) {
    TPolynom R;
    PAusString("1,(-2),(3/4)", R);
    EXPECT_TRUE(PGleich(R, Pol({{1, 1}, {-2, 1}, {3, 4}})));
    PAusString("0,0,0", R);
    EXPECT_EQ(R.Grad, 2) << "nicht gekürzt";
    EXPECT_TRUE(Wohlgeformt(R));
    PAusString("(6/8)", R);
    EXPECT_TRUE(PGleich(R, Pol({{3, 4}})));
    // 21 coefficients fit, 22 do not.
    std::string text = "1";
    for (int i = 0; i < 20; ++i) text += ",1";
    PAusString(text, R);
    EXPECT_EQ(R.Grad, 20);
    try {
        PAusString(text + ",1", R);
        ADD_FAILURE() << "22 Koeffizienten ohne Fehler";
    } catch (const EZolFehler& e) {
        EXPECT_STREQ(e.what(), "Maximaler Grad von Polynomen überschritten.");
    }
    EXPECT_THROW(PAusString("1,a", R), ETermFehler);
    EXPECT_THROW(PAusString("", R), ETermFehler);
    EXPECT_THROW(PAusString("1,", R), ETermFehler);
}

// ---- Predicates ----

TEST_F(Polynome, Praedikate) {
    EXPECT_TRUE(IstMonom(PolZ({0, 0, 0, 3})));
    EXPECT_TRUE(IstMonom(PolZ({5})));
    EXPECT_FALSE(IstMonom(PolZ({1, 0, 0, 3})));
    EXPECT_TRUE(IstRationalesPolynom(Pol({{1, 2}, {3, 1}})));
    TPolynom P = PolZ({1, 1});
    P.Koeff[1] = KonstantePi();
    EXPECT_FALSE(IstRationalesPolynom(P));
    EXPECT_TRUE(PGleich(PolZ({1, 2}), Pol({{2, 2}, {4, 2}})));
    EXPECT_FALSE(PGleich(PolZ({1, 2}), PolZ({1, 2, 0})));
    EXPECT_FALSE(PGleich(PolZ({1, 2}), PolZ({1, 3})));
    EXPECT_TRUE(IstNullPolynom(PolZ({0})));
    EXPECT_FALSE(IstNullPolynom(PolZ({0, 1})));
}

// ---- Symmetry, normalising, scaling ----

TEST_F(Polynome, Symmetrie) {
    struct Fall {
        TPolynom P;
        bool Gerade, Ungerade;
    };
    const Fall faelle[] = {
        {PolZ({1, 0, 3, 0, -1}), true, false},
        {PolZ({0, 2, 0, -1}), false, true},
        {PolZ({1, 1}), false, false},
        {PolZ({4}), true, false},
        {NullPolynom, true, true},
    };
    for (const Fall& f : faelle) {
        bool g = false, u = false;
        PSymmetrie(f.P, g, u);
        EXPECT_EQ(g, f.Gerade);
        EXPECT_EQ(u, f.Ungerade);
        // The property behind the answer.
        for (Extended t : Proben()) {
            if (g) {
                EXPECT_TRUE(Nahe(PWert(f.P, -t), PWert(f.P, t)));
            }
            if (u) {
                EXPECT_TRUE(Nahe(PWert(f.P, -t), -PWert(f.P, t)));
            }
        }
    }
}

TEST_F(Polynome, Normieren) {
    struct Fall {
        TPolynom P;
        bool Geaendert;
        TBruch Faktor;
    };
    const Fall faelle[] = {
        {PolZ({4, 0, 2}), true, {1, 2}},  {Pol({{1, 1}, {-1, 3}}), true, {3, 1}},
        {PolZ({1, 0, 1}), false, {1, 1}}, {PolZ({-7, -1}), false, {1, 1}},
        {PolZ({6}), false, {1, 1}},
    };
    for (const Fall& f : faelle) {
        TPolynom P = f.P;
        TTerm* faktor = nullptr;
        bool geaendert = !f.Geaendert;
        PNormiere(P, faktor, geaendert);
        EXPECT_EQ(geaendert, f.Geaendert);
        ASSERT_NE(faktor, nullptr) << "Faktor immer gesetzt";
        EXPECT_TRUE(faktor->HatWert(f.Faktor));
        if (f.P.Grad > 0) {
            const Extended leit = TermWert(P.Koeff[P.Grad], 0);
            EXPECT_TRUE(leit == 1 || leit == -1);
        }
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(P, t), PWert(f.P, t) * TermWert(faktor, 0)));
    }
}

TEST_F(Polynome, Erweitern) {
    TPolynom P = Pol({{1, 3}, {0, 1}, {1, 2}});
    PErweitere(P, false);
    EXPECT_TRUE(PGleich(P, PolZ({2, 0, 3})));
    P = PolZ({2, 4});
    PErweitere(P, false);
    EXPECT_TRUE(PGleich(P, PolZ({2, 4})));
    P.Koeff[1] = KonstantePi();
    EXPECT_THROW(PErweitere(P, false), ETermGoToStart);
}

// ---- Substitutions ----

TEST_F(Polynome, PvonIX) {
    TZufallsPolynome z(23);
    for (int n = 0; n < 25; ++n) {
        TPolynom P = z.Polynom(z.Grad(0, 12)), R, I;
        PvonIX(P, R, I);
        EXPECT_TRUE(Getrimmt(R));
        EXPECT_TRUE(Getrimmt(I));
        for (Extended t : Proben()) {
            // P(it) directly from the coefficients.
            std::complex<Extended> s = 0, it(0, t), potenz = 1;
            for (Int32 k = 0; k <= P.Grad; ++k, potenz *= it) s += TermWert(P.Koeff[k], 0) * potenz;
            EXPECT_TRUE(Nahe(PWert(R, t * t), s.real()));
            EXPECT_TRUE(Nahe(t * PWert(I, t * t), s.imag()));
        }
    }
}

TEST_F(Polynome, QuadratSubstitution) {
    TPolynom Q;
    EXPECT_TRUE(PQuadratSubstitution(PolZ({4, 0, -5, 0, 1}), Q, false));
    EXPECT_TRUE(PGleich(Q, PolZ({4, -5, 1})));
    EXPECT_TRUE(PQuadratSubstitution(PolZ({3}), Q, false));
    EXPECT_TRUE(PGleich(Q, PolZ({3})));
    EXPECT_FALSE(PQuadratSubstitution(PolZ({0, 1, 0, 1}), Q, false));
    EXPECT_FALSE(PQuadratSubstitution(PolZ({1, 1, 1}), Q, false));
    TZufallsPolynome z(24);
    for (int n = 0; n < 10; ++n) {
        TPolynom P, B = z.Polynom(z.Grad(0, 10));
        PQuadratSubstitution(B, Q, false);
        // Build P(x) = B(x^2) and substitute back.
        for (Int32 j = 0; j <= B.Grad; ++j) P.Koeff[2 * j] = B.Koeff[j];
        P.Grad = 2 * B.Grad;
        ASSERT_TRUE(PQuadratSubstitution(P, Q, false));
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(Q, t * t), PWert(P, t)));
    }
}

TEST_F(Polynome, Substitution) {
    struct Fall {
        TPolynom P;
        Int32 k;
        TPolynom Q;
    };
    const Fall faelle[] = {
        {PolZ({0, 0, 0, 0, 1, 0, 1}), 1, PolZ({0, 0, 0, 0, 1, 0, 1})}, // x^4 + x^6: lowest exponent, not gcd
        {PolZ({1, 0, 0, -3, 0, 0, 1}), 3, PolZ({1, -3, 1})},
        {PolZ({0, 0, 0, 0, 0, 2}), 5, PolZ({0, 2})},
        {PolZ({7}), 1, PolZ({7})},
        {PolZ({1, 1, 1}), 1, PolZ({1, 1, 1})},
    };
    for (const Fall& f : faelle) {
        TPolynom Q;
        EXPECT_EQ(PSubstitution(f.P, Q, false), f.k);
        EXPECT_TRUE(PGleich(Q, f.Q));
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(Q, std::pow(t, Extended(f.k))), PWert(f.P, t)));
    }
}

// ---- Powers of factors ----

TEST_F(Polynome, LinearfaktorHoch) {
    const TBruch stellen[] = {{2, 1}, {-1, 2}, {0, 1}, {3, 4}};
    for (const TBruch& a : stellen) {
        const Extended av = Extended(a.Zaehler) / Extended(a.Nenner);
        for (Int32 n = 0; n <= 7; ++n) {
            TPolynom R, L, V;
            PLinearfaktorHoch(RationaleKonstante(a), n, R);
            EXPECT_TRUE(Wohlgeformt(R));
            EXPECT_EQ(R.Grad, n);
            for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(R, t), std::pow(t - av, Extended(n))));
            // The same as the power of x - a.
            L.Grad = 1;
            L.Koeff[1] = Eins;
            L.Koeff[0] = RationaleKonstante(a)->Negation();
            PHoch(L, n, V);
            EXPECT_TRUE(PGleich(R, V));
        }
    }
    TPolynom R;
    EXPECT_NO_THROW(PLinearfaktorHoch(Eins, 20, R));
    EXPECT_THROW(PLinearfaktorHoch(Eins, 21, R), EZolFehler);
}

TEST_F(Polynome, QuadFaktorHoch) {
    TPolynom R;
    for (Int32 n = 0; n <= 5; ++n) {
        PQuadFaktorHoch(K(-2), K(5), n, R);
        EXPECT_EQ(R.Grad, 2 * n);
        for (Extended t : Proben()) EXPECT_TRUE(Nahe(PWert(R, t), std::pow(t * t - 2 * t + 5, Extended(n))));
    }
    EXPECT_THROW(PQuadFaktorHoch(Eins, Eins, 11, R), EZolFehler);
}

// ---- Completing the square ----

TEST_F(Polynome, QuadratischeErgaenzung) {
    struct Fall {
        TBruch a, b, c;
        char Buchstabe; // the current variable letter
    };
    const Fall faelle[] = {
        {{1, 1}, {2, 1}, {5, 1}, 'x'},                                  // a > 0, 4ac - b^2 > 0
        {{1, 1}, {-2, 1}, {-3, 1}, 'x'},                                // a > 0, 4ac - b^2 < 0
        {{1, 1}, {2, 1}, {1, 1}, 'x'},                                  // a > 0, 4ac - b^2 = 0
        {{-1, 1}, {2, 1}, {-5, 1}, 'x'},                                // a < 0, > 0
        {{-2, 1}, {4, 1}, {6, 1}, 'x'},                                 // a < 0, < 0
        {{-1, 1}, {2, 1}, {-1, 1}, 'x'},                                // a < 0, = 0
        {{2, 1}, {0, 1}, {8, 1}, 'x'},                                  // no shift: v is x
        {{-1, 1}, {0, 1}, {4, 1}, 'x'},  {{1, 2}, {1, 1}, {1, 1}, 'u'}, // the next letter after u is v
        {{3, 1}, {-5, 1}, {1, 1}, 'x'},
    };
    const auto wert = [](const TBruch& b) { return Extended(b.Zaehler) / Extended(b.Nenner); };
    for (const Fall& f : faelle) {
        TWechsel<char> buchstabe(Variablenbuchstabe, f.Buchstabe);
        const Extended a = wert(f.a), b = wert(f.b), c = wert(f.c);
        Extended D = -999;
        TTerm *u = nullptr, *Q = nullptr, *S = nullptr, *r = nullptr, *T = nullptr;
        QuadratischeErgaenzung(RationaleKonstante(f.a), RationaleKonstante(f.b), RationaleKonstante(f.c), D,
                               u, Q, S, r, T);
        ASSERT_TRUE(u && Q && S && r && T);
        EXPECT_TRUE(Nahe(D, 4 * a * c - b * b));
        const Extended rWert = TermWert(r, 0);
        EXPECT_TRUE(Nahe(rWert * rWert, std::fabs(4 * a * c - b * b) / (4 * a * a)));
        if (b / (2 * a) < 0) {
            EXPECT_TRUE(HatOperator(u, "-")) << u->Text;
        }
        // T in the variable v.
        TTerm* v = f.b.Zaehler == 0 ? static_cast<TTerm*>(VariableX)
                                    : BenannteKonstante(std::string(1, NaechsterVariablenname(f.Buchstabe)));
        if (v != VariableX) {
            EXPECT_NE(T->Text.find(v->Text), std::string::npos) << T->Text;
        }
        // k by the value of r (a root of a rational need not be rational).
        TTerm* Tx = T->Ersetze(BenannteKonstante("k"), ReelleKonstante(rWert));
        if (v != VariableX) Tx = Tx->Ersetze(v, u);
        for (Extended t : Proben()) {
            EXPECT_TRUE(Nahe(TermWert(u, t), t + b / (2 * a)));
            const Extended quadratisch = (a * t * t + b * t + c) / std::fabs(a);
            EXPECT_TRUE(Nahe(TermWert(S, t), quadratisch)) << S->Text;
            EXPECT_TRUE(Nahe(TermWert(Tx, t), quadratisch)) << T->Text;
            EXPECT_TRUE(Nahe(TermWert(Q, t), quadratisch)) << Q->Text;
        }
    }
}

} // namespace
} // namespace zol
