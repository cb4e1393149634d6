// What the polynomial procedures write: the school division scheme, their comments, error lines, the
// message of a full factor list, and the traces.
#include "algebra/Polynome.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class PolynomAusgabe : public PolynomTest {
protected:
    void SetUp() override {
        PolynomTest::SetUp();
        InitialisiereAusgabe();
        Seitenbreite = 2000;
        Einzug = 10;
        Variablenbuchstabe = 'x';
    }
    void TearDown() override {
        ProtokollPolynom = false;
        Kommentare = false;
        InitialisiereAusgabe();
        PolynomTest::TearDown();
    }
    TTestLeinwandAktiv Aktiv;
};

using Zeilen = std::vector<std::string>;

// The scheme for (x^2 - 1) : (x - 1): the result line, then for each step the subtracted multiple, the
// rule under it and the new remainder, each step seven blanks further in.
TEST_F(PolynomAusgabe, Divisionsschema) {
    TPolynom Q, R;
    PDurch(PolZ({-1, 0, 1}), PolZ({-1, 1}), Q, R, true);
    EXPECT_TRUE(PGleich(Q, PolZ({1, 1})));
    EXPECT_TRUE(IstNullPolynom(R));
    EXPECT_EQ(Seitentext(), (Zeilen{
                                "Polynomdivision:",
                                "(x2-1) : (x-1) = x+1    Rest 0",
                                "-(x2-x)",
                                "__________",
                                "       x-1",
                                "       -(x-1)",
                                "       __________",
                                "              0",
                            }));
}

TEST_F(PolynomAusgabe, DivisionsschemaMitLueckeUndRest) {
    // (x^3 + 2) : (x + 1) = x^2 - x + 1, remainder 1; the rule counts only the first run of non-zero
    // coefficients from the lowest exponent.
    TPolynom Q, R;
    PDurch(PolZ({2, 0, 0, 1}), PolZ({1, 1}), Q, R, true);
    EXPECT_TRUE(PGleich(Q, PolZ({1, -1, 1})));
    EXPECT_TRUE(PGleich(R, PolZ({1})));
    EXPECT_EQ(Seitentext(), (Zeilen{
                                "Polynomdivision:",
                                "(x3+2) : (x+1) = x2-x+1    Rest 1",
                                "-(x3+x2)",
                                "__________",
                                "       -x2+2",
                                "       -(-x2-x)",
                                "       __________",
                                "              x+2",
                                "              -(x+1)",
                                "              __________",
                                "                     1",
                            }));
}

TEST_F(PolynomAusgabe, OhneSchemaWirdNichtsGeschrieben) {
    TPolynom Q, R;
    PDurch(PolZ({-1, 0, 1}), PolZ({-1, 1}), Q, R, false);
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

TEST_F(PolynomAusgabe, SymmetrieKommentare) {
    struct Fall {
        TPolynom P;
        std::string Zeile;
    };
    const Fall faelle[] = {
        {PolZ({1, 0, 3, 0, 1}),
         "Da das Polynom x4+3·x2+1 nur gerade Exponenten hat, ist es symmetrisch zur y-Achse."},
        {PolZ({0, -2, 0, 1}),
         "Da das Polynom x3-2·x nur ungerade Exponenten hat, ist es symmetrisch zum Ursprung."},
        {PolZ({1, 1}),
         "Da das Polynom x+1 gerade und ungerade Exponenten hat, ist es weder zur y-Achse, noch zum "
         "Ursprung symmetrisch."},
    };
    Kommentare = true;
    for (const Fall& f : faelle) {
        InitialisiereAusgabe();
        bool g, u;
        PSymmetrie(f.P, g, u);
        EXPECT_EQ(Seitentext(), Zeilen{f.Zeile});
    }
    // Nothing for a constant, nothing with comments off.
    InitialisiereAusgabe();
    bool g, u;
    PSymmetrie(PolZ({4}), g, u);
    Kommentare = false;
    PSymmetrie(PolZ({1, 1}), g, u);
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

TEST_F(PolynomAusgabe, ErweiternKommentar) {
    TPolynom P = Pol({{1, 3}, {0, 1}, {1, 2}});
    PErweitere(P, true);
    EXPECT_EQ(Seitentext(), Zeilen{" Nach Erweitern mit 6 ist P(x) = 3·x2+2"});
    // Already integer: nothing to say.
    InitialisiereAusgabe();
    PErweitere(P, true);
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
}

TEST_F(PolynomAusgabe, SubstitutionsKommentare) {
    TPolynom Q;
    PQuadratSubstitution(PolZ({4, 0, -5, 0, 1}), Q, true);
    PSubstitution(PolZ({1, 0, 0, -3, 0, 0, 1}), Q, true);
    EXPECT_EQ(Seitentext(),
              (Zeilen{
                  "Das Polynom ist 2-fach quadratisch; ersetzen von x2 durch x ergibt Q(x) = x2-5·x+4",
                  "Substitution von x3 durch x ergibt Q(x) = x2-3·x+1",
              }));
    // No sentence when there is nothing to substitute.
    InitialisiereAusgabe();
    EXPECT_FALSE(PQuadratSubstitution(PolZ({1, 1}), Q, true));
    EXPECT_EQ(PSubstitution(PolZ({1, 1, 1}), Q, true), 1);
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
}

TEST_F(PolynomAusgabe, CheckP) {
    TPolynom P = PolZ({1, 1});
    checkP(P);
    P.Koeff[3] = Eins; // a coefficient above the degree
    checkP(P);
    EXPECT_EQ(Seitentext(), (Zeilen{"checkP OK für x+1", "checkP nicht OK für x+1"}));
}

TEST_F(PolynomAusgabe, NegativeExponenten) {
    TPolynom R = XPolynom;
    PHoch(PolZ({1, 1}), -1, R);
    EXPECT_TRUE(IstNullPolynom(R));
    EXPECT_TRUE(Getrimmt(R));
    R = XPolynom;
    PLinearfaktorHoch(Eins, -2, R);
    EXPECT_TRUE(IstNullPolynom(R));
    R = XPolynom;
    PQuadFaktorHoch(Eins, Eins, -3, R);
    EXPECT_TRUE(IstNullPolynom(R));
    EXPECT_EQ(Seitentext(),
              (Zeilen{"Fehler: PHoch: n<0 !", "Fehler: PLinearfaktorHoch: n<0 !", "Fehler: PHoch: n<0 !"}));
}

// ---- Quadratic factors ----

TEST_F(PolynomAusgabe, FaktorEinfuegen) {
    TQuadFaktorListe liste;
    Int32 anzahl = -1;
    FaktorEinfuegen(K(1), K(1), 1, liste, anzahl);
    EXPECT_EQ(anzahl, 1);
    FaktorEinfuegen(K(-2), K(5), 2, liste, anzahl);
    EXPECT_EQ(anzahl, 2);
    // An equal pair adds to the multiplicity.
    FaktorEinfuegen(K(2, 2), K(3, 3), 3, liste, anzahl);
    EXPECT_EQ(anzahl, 2);
    EXPECT_EQ(liste[1].Vielfachheit, 4);
    EXPECT_EQ(liste[2].Vielfachheit, 2);
    EXPECT_TRUE(liste[2].p->HatWert(TBruch{-2, 1}));
    EXPECT_TRUE(liste[2].q->HatWert(TBruch{5, 1}));
    // A list that starts at 0 counts the same way.
    TQuadFaktorListe andere;
    Int32 n0 = 0;
    FaktorEinfuegen(K(0), K(1), 1, andere, n0);
    EXPECT_EQ(n0, 1);
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
}

TEST_F(PolynomAusgabe, VolleFaktorlisteMeldetSich) {
    struct {
        TQuadFaktorListe Liste;
        TQuadFaktor Danach{Eins, Eins, 99};
    } speicher;
    Int32 anzahl = 0;
    for (Int32 i = 1; i <= MaxQuadFaktoren; ++i) FaktorEinfuegen(K(i), K(i + 100), i, speicher.Liste, anzahl);
    EXPECT_EQ(anzahl, 20);
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
    FaktorEinfuegen(K(-1), K(1), 1, speicher.Liste, anzahl);
    EXPECT_EQ(anzahl, 20);
    ASSERT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Art, TMeldungsart::Information);
    EXPECT_EQ(Oberflaeche.Host.Meldungen[0].Text, "Liste voll. Einfügen nicht mehr möglich.");
    // Nothing was written past the end, and the entries are as they were.
    EXPECT_EQ(speicher.Danach.Vielfachheit, 99);
    for (Int32 i = 1; i <= MaxQuadFaktoren; ++i) {
        EXPECT_TRUE(speicher.Liste[i].p->HatWert(TBruch{i, 1}));
        EXPECT_EQ(speicher.Liste[i].Vielfachheit, i);
    }
    // An equal pair is still merged into a full list.
    FaktorEinfuegen(K(3), K(103), 1, speicher.Liste, anzahl);
    EXPECT_EQ(speicher.Liste[3].Vielfachheit, 4);
    EXPECT_EQ(Oberflaeche.Host.Meldungen.size(), 1u);
}

// ---- Traces ----

TEST_F(PolynomAusgabe, ProtokollDerDivision) {
    ProtokollPolynom = true;
    TPolynom Q, R;
    PDurch(PolZ({-1, 0, 1}), PolZ({-1, 1}), Q, R, false);
    EXPECT_TRUE(PGleich(Q, PolZ({1, 1})));
    EXPECT_TRUE(IstNullPolynom(R));
    // Under the trace the scheme is written in any case, without the result in its first line.
    EXPECT_EQ(Seitentext(), (Zeilen{
                                "PDurch: [0]",
                                "Z=x2-1, N=x-1",
                                "Polynomdivision:",
                                "(x2-1) : (x-1) = ",
                                "-(x2-x)",
                                "__________",
                                "       x-1",
                                "       -(x-1)",
                                "       __________",
                                "              0",
                                "PDurch=x+1 [10]",
                            }));
    for (Int32 i = 1; i < 10; ++i) EXPECT_GT(Zeilenliste->Zeilen[i]->dx, Zeilenliste->Zeilen[0]->dx) << i;
    EXPECT_EQ(Zeilenliste->Zeilen[10]->dx, Zeilenliste->Zeilen[0]->dx);
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
}

TEST_F(PolynomAusgabe, ProtokollDesKuerzens) {
    ProtokollPolynom = true;
    TPolynom Z = PolZ({-2, 2}), N = PolZ({-1, 0, 1});
    Int32 flag = -1;
    PKuerze(Z, N, flag);
    EXPECT_EQ(flag, 0);
    const Zeilen text = Seitentext();
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.front(), "PKuerze:2·x-2 , x2-1");
    EXPECT_EQ(text.back(), "Kürzung = (2 , x+1)");
    // The divisions of the gcd stand one Einzug further in.
    const Int32 n = Zeilenliste->Anzahl();
    for (Int32 i = 1; i < n - 1; ++i) EXPECT_GT(Zeilenliste->Zeilen[i]->dx, Zeilenliste->Zeilen[0]->dx) << i;
    EXPECT_EQ(Zeilenliste->Zeilen[n - 1]->dx, Zeilenliste->Zeilen[0]->dx);
    EXPECT_EQ(Einrueckung, 0);
    EXPECT_EQ(Schachtelungstiefe, 0);
}

TEST_F(PolynomAusgabe, OhneProtokollSchweigenDieProzeduren) {
    TPolynom Z = PolZ({-2, 2}), N = PolZ({-1, 0, 1}), R;
    Int32 flag = -1;
    PKuerze(Z, N, flag);
    PGGT(PolZ({-1, 0, 1}), PolZ({-2, 2}), R);
    PKGV(PolZ({-1, 0, 1}), PolZ({-2, 2}), R);
    EXPECT_EQ(Zeilenliste->Anzahl(), 0);
    EXPECT_TRUE(AktuelleZeile->Liste.empty());
}

} // namespace
} // namespace zol
