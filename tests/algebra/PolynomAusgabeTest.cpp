// What the polynomial procedures write: the school division scheme, their comments, error lines and the
// message of a full factor list.
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
        Kommentare = false;
        InitialisiereAusgabe();
        PolynomTest::TearDown();
    }
    TTestLeinwandAktiv Aktiv;
};

using Zeilen = std::vector<std::string>;

// The written scheme for (x^3 + 2) : (x + 1) = x^2 - x + 1, remainder 1: the result line, then for each step
// the subtracted multiple, the rule under it and the new remainder, each step seven blanks further in. The
// rule counts only the first run of non-zero coefficients from the lowest exponent. Without the scheme and
// without the trace the procedures write nothing.
TEST_F(PolynomAusgabe, Divisionsschema) {
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
    InitialisiereAusgabe();
    TPolynom Z = PolZ({-2, 2}), N = PolZ({-1, 0, 1});
    Int32 flag = -1;
    PDurch(PolZ({-1, 0, 1}), PolZ({-1, 1}), Q, R, false);
    PKuerze(Z, N, flag);
    PGGT(PolZ({-1, 0, 1}), PolZ({-2, 2}), R);
    EXPECT_TRUE(Zeilenliste->Anzahl() == 0 && AktuelleZeile->Liste.empty());
}

// The comments of symmetry, widening and substitution; nothing where there is nothing to say or comments
// are off; the error lines of negative exponents, whose result is the zero polynomial.
TEST_F(PolynomAusgabe, KommentareUndFehlerzeilen) {
    Kommentare = true;
    bool g, u;
    PSymmetrie(PolZ({1, 0, 3, 0, 1}), g, u);
    PSymmetrie(PolZ({0, -2, 0, 1}), g, u);
    PSymmetrie(PolZ({1, 1}), g, u);
    PSymmetrie(PolZ({4}), g, u);
    TPolynom P = Pol({{1, 3}, {0, 1}, {1, 2}}), Q, R = XPolynom;
    PErweitere(P, true);
    PErweitere(P, true);
    PQuadratSubstitution(PolZ({4, 0, -5, 0, 1}), Q, true);
    PSubstitution(PolZ({1, 0, 0, -3, 0, 0, 1}), Q, true);
    EXPECT_FALSE(PQuadratSubstitution(PolZ({1, 1}), Q, true));
    EXPECT_EQ(PSubstitution(PolZ({1, 1, 1}), Q, true), 1);
    Kommentare = false;
    PSymmetrie(PolZ({1, 1}), g, u);
    PHoch(PolZ({1, 1}), -1, R);
    EXPECT_TRUE(IstNullPolynom(R) && Getrimmt(R));
    R = XPolynom;
    PLinearfaktorHoch(Eins, -2, R);
    EXPECT_TRUE(IstNullPolynom(R));
    PQuadFaktorHoch(Eins, Eins, -3, R);
    EXPECT_EQ(Seitentext(),
              (Zeilen{"Da das Polynom x4+3·x2+1 nur gerade Exponenten hat, ist es symmetrisch zur y-Achse.",
                      "Da das Polynom x3-2·x nur ungerade Exponenten hat, ist es symmetrisch zum Ursprung.",
                      "Da das Polynom x+1 gerade und ungerade Exponenten hat, ist es weder zur y-Achse, noch "
                      "zum Ursprung symmetrisch.",
                      " Nach Erweitern mit 6 ist P(x) = 3·x2+2",
                      "Das Polynom ist 2-fach quadratisch; ersetzen von x2 durch x ergibt Q(x) = x2-5·x+4",
                      "Substitution von x3 durch x ergibt Q(x) = x2-3·x+1", "Fehler: PHoch: n<0 !",
                      "Fehler: PLinearfaktorHoch: n<0 !", "Fehler: PHoch: n<0 !"}));
}

// ---- Quadratic factors ----

TEST_F(PolynomAusgabe, VolleFaktorlisteMeldetSich) {
    struct {
        TQuadFaktorListe Liste;
        TQuadFaktor Danach{Eins, Eins, 99};
    } speicher;
    Int32 anzahl = 0;
    for (Int32 i = 1; i <= MaxQuadFaktoren; ++i) FaktorEinfuegen(K(i), K(i + 100), i, speicher.Liste, anzahl);
    EXPECT_EQ(anzahl, 20);
    EXPECT_TRUE(Meldungen().empty());
    FaktorEinfuegen(K(-1), K(1), 1, speicher.Liste, anzahl);
    EXPECT_EQ(anzahl, 20);
    const std::vector<std::string> voll = {"Information: Liste voll. Einfügen nicht mehr möglich."};
    EXPECT_EQ(Meldungen(), voll);
    // Nothing was written past the end, and the entries are as they were.
    EXPECT_EQ(speicher.Danach.Vielfachheit, 99);
    for (Int32 i = 1; i <= MaxQuadFaktoren; ++i) {
        EXPECT_TRUE(speicher.Liste[i].p->HatWert(TBruch{i, 1}));
        EXPECT_EQ(speicher.Liste[i].Vielfachheit, i);
    }
    // An equal pair is still merged into a full list.
    FaktorEinfuegen(K(3), K(103), 1, speicher.Liste, anzahl);
    EXPECT_EQ(speicher.Liste[3].Vielfachheit, 4);
    EXPECT_EQ(Meldungen(), voll);
}

} // namespace
} // namespace zol
