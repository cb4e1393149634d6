// Linear systems: every solution put back into the system, the rank against the echelon form, pivot choice,
// row-operation labels, the worked page and the limits of size and of 64-bit fractions.
#include <random>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/Vereinfachung.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using LGS = ZolTest;

// Columns von..bis (from 1) of the texts.
TLGSMatrix Matrix(const TGittertexte& texte, Int32 von, Int32 bis) {
    TLGSMatrix M = NeueLGSMatrix(Int32(texte.size()), bis - von + 1);
    for (Int32 i = 1; i <= M.Zeilen; ++i)
        for (Int32 j = 1; j <= M.Spalten; ++j)
            M.a[i][j] = TermAusString(texte[size_t(i - 1)][size_t(von + j - 2)]);
    return M;
}

// Solves, puts x = X1 + sum k_s*X(s+1) back at several values of each k, and returns the number of
// directions (-1 when unsolvable).
Int32 LoeseUndPruefe(const TLGSMatrix& A, const TLGSMatrix& b, const std::string& name) {
    TLGSMatrix X;
    LoeseLGS(A, b, X, false);
    if (X.Spalten == 0) return -1;
    for (TTerm* wert : {K(0), K(1), K(-2), K(1, 3)})
        for (Int32 frei = 0; frei < X.Spalten; ++frei)
            for (Int32 i = 1; i <= A.Zeilen; ++i) {
                TTerm* T = b.a[i][1]->Negation();
                for (Int32 j = 1; j <= A.Spalten; ++j) {
                    TTerm* x = X.a[j][1];
                    for (Int32 s = 1; s < X.Spalten; ++s)
                        x = Summe(x, Produkt(frei == 0 || s == frei ? wert : K(5), X.a[j][s + 1]));
                    T = Summe(T, Produkt(A.a[i][j], x));
                }
                VereinfacheTerm(T);
                EXPECT_TRUE(T->IstNull())
                    << name << " Zeile " << i << " k=" << wert->Text << " frei " << frei;
            }
    return X.Spalten - 1;
}

// The rows of the echelon form that are not zero; their leading columns must rise.
Int32 Stufen(TLGSMatrix M) {
    Zeilenstufenform(M, false);
    Int32 n = 0, vorige = 0;
    for (Int32 i = 1; i <= M.Zeilen; ++i) {
        Int32 j = 1;
        while (j <= M.Spalten && M.a[i][j]->IstNull()) ++j;
        if (j > M.Spalten) continue;
        EXPECT_TRUE(j > vorige && ++n == i) << "keine Stufe in Zeile " << i;
        vorige = j;
    }
    return n;
}

TEST_F(LGS, LoesungenErfuellenDasSystemUndDerRangStimmt) {
    struct Fall {
        const char* Name;
        TGittertexte Ab; // the right side last
        Int32 Rang;
        bool Loesbar;
    };
    const Fall faelle[] = {
        {"eindeutig", {{"2", "1", "3"}, {"1", "-1", "0"}}, 2, true},
        {"eine Gleichung", {{"1", "1", "1", "1"}}, 1, true},
        {"unerfüllbar", {{"1", "1", "1"}, {"2", "2", "3"}}, 1, false},
        {"Nullspalte", {{"1", "0", "2", "1"}, {"2", "0", "1", "1"}}, 2, true},
        {"Brüche", {{"1/2", "1/3", "1"}, {"1/4", "-2/5", "7/3"}}, 2, true},
        {"überbestimmt", {{"1", "1", "2"}, {"1", "-1", "0"}, {"2", "0", "2"}}, 2, true},
        {"widersprüchlich", {{"1", "1", "2"}, {"1", "-1", "0"}, {"2", "0", "3"}}, 2, false},
        {"Nullmatrix", {{"0", "0", "0"}, {"0", "0", "0"}}, 0, true},
        {"Nullmatrix, b nicht 0", {{"0", "0", "0"}, {"0", "0", "1"}}, 0, false},
        {"Lücken",
         {{"1", "2", "3", "4", "1"}, {"2", "4", "7", "9", "3"}, {"0", "0", "1", "1", "1"}},
         2,
         true},
        {"pi", {{"pi", "1", "1"}, {"1", "1", "0"}}, 2, true},
    };
    for (const Fall& f : faelle) {
        const Int32 n = Int32(f.Ab[0].size()) - 1;
        const TLGSMatrix A = Matrix(f.Ab, 1, n), b = Matrix(f.Ab, n + 1, n + 1);
        EXPECT_EQ(Stufen(A), f.Rang) << f.Name;
        EXPECT_EQ(Stufen(Matrix(f.Ab, 1, n + 1)) > f.Rang, !f.Loesbar) << f.Name;
        EXPECT_EQ(LoeseUndPruefe(A, b, f.Name), f.Loesbar ? n - f.Rang : -1) << f.Name;
    }
}

// The message an operation ends with.
template <class F> std::string Meldung(F f) {
    try {
        f();
    } catch (const EZolFehler& e) {
        return e.Meldung;
    }
    return "keine";
}

// From size 8 on the fraction-free rows leave 64 bits and are divided by the gcd of their entries.
TEST_F(LGS, ZufaelligeSystemeMitBekannterLoesung) {
    std::mt19937 zufall(24);
    std::uniform_int_distribution<int> ziffer(-9, 9), loesung(-5, 5);
    for (Int32 n = 1; n <= 8; ++n)
        for (int wiederholung = 0; wiederholung < 6; ++wiederholung) {
            TLGSMatrix A = NeueLGSMatrix(n, n), b = NeueLGSMatrix(n, 1), X;
            std::vector<Int64> x0(size_t(n + 1));
            for (Int32 j = 1; j <= n; ++j) x0[size_t(j)] = loesung(zufall);
            for (Int32 i = 1; i <= n; ++i) {
                Int64 summe = 0;
                for (Int32 j = 1; j <= n; ++j) {
                    const int a = ziffer(zufall);
                    A.a[i][j] = K(a);
                    summe += a * x0[size_t(j)];
                }
                b.a[i][1] = K(summe);
            }
            const std::string name = std::to_string(n) + "x" + std::to_string(n);
            if (LoeseUndPruefe(A, b, name) != 0) continue;
            LoeseLGS(A, b, X, false);
            for (Int32 j = 1; j <= n; ++j) EXPECT_TRUE(X.a[j][1]->HatWert({x0[size_t(j)], 1})) << name;
        }
    // 1*[2] - p*[1] of these rows needs about 124 bits, also after dividing by every common factor.
    const TGittertexte Ab = {{"4611686018427387847", "1", "1"}, {"1", "4611686018427387817", "2"}};
    TLGSMatrix X;
    EXPECT_EQ(Meldung([&] { LoeseLGS(Matrix(Ab, 1, 2), Matrix(Ab, 3, 3), X, false); }),
              "Überlauf in der Bruchrechnung.");
}

TEST_F(LGS, PivotwahlVergleichtVolle64Bit) {
    const Int64 p32 = Int64(1) << 32;
    const struct {
        TBruch a, b;
        bool Besser;
    } faelle[] = {{{1, 1}, {2, 1}, true},        {{1, 1}, {-1, 1}, true},
                  {{-1, 1}, {1, 1}, false},      {{1, p32 + 3}, {1, 5}, false},
                  {{p32 + 1, 1}, {2, 1}, false}, {{1 << 20, 1}, {(1 << 20) + 1, 1}, true}};
    for (const auto& f : faelle)
        EXPECT_EQ(PivotBesser(RationaleKonstante(f.a), RationaleKonstante(f.b)), f.Besser)
            << f.a.Zaehler << "/" << f.a.Nenner << " gegen " << f.b.Zaehler << "/" << f.b.Nenner;
}

std::string Seite(const TGittertexte& A, const TGittertexte& b) {
    TAnfrage anfrage{.Kommentare = true, .LGS = true, .Matrix = A, .Rechts = b};
    return AllgemeinesAlsText(anfrage);
}

TEST_F(LGS, BeispieleAlsSeitentext) {
    EXPECT_EQ(Seite({{"2", "1"}, {"1", "-1"}}, {{"3"}, {"0"}}),
              "Lösung des Linearen Gleichungssystems:(2 1; 1 -1) * x = (3; 0)\n"
              "Erweiterte Matrix:   (2 1 | 3; 1 -1 | 0)\n"
              "(1 -1 | 0 : [2]; 2 1 | 3 : [1])   (1 -1 | 0; 0 3 | 3 : [2]-2[1])   \n\n"
              "Rang des Gleichungssystems: 2\n"
              "Eindeutige Lösung: x = (1; 1)\n\n\n\n");
    const std::string unerfuellbar = Seite({{"1", "1"}, {"2", "2"}}, {{"1"}, {"3"}});
    EXPECT_NE(unerfuellbar.find("\nGleichungssystem unerfüllbar\n\n\nRang des Gleichungssystems: 1\n"),
              std::string::npos)
        << unerfuellbar;
    // Blank cells are 0, rows of the right side beyond the coefficients' are not read; the free variables
    // are numbered as back substitution meets them.
    EXPECT_NE(Seite({{"1", " ", "1"}}, {{"1"}, {"7"}})
                  .find("Allgemeine Lösung: x = (1; 0; 0)+k1(0; 1; 0)+k2(-1; 0; 1)"),
              std::string::npos);
}

TEST_F(LGS, FuenfzehnGleichungenGelingenSechzehnNicht) {
    // 2x_i - x_(i-1) - x_(i+1) = b_i with the solution x_i = i.
    TGittertexte A(15, std::vector<std::string>(15, "")), b(15, {"0"});
    for (size_t i = 0; i < 15; ++i) {
        A[i][i] = "2";
        if (i > 0) A[i][i - 1] = "-1";
        if (i < 14) A[i][i + 1] = "-1";
    }
    b[14][0] = "16";
    EXPECT_NE(Seite(A, b).find("Eindeutige Lösung: x = (1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12; 13; 14; 15)"),
              std::string::npos);
    A.push_back(A.back());
    b.push_back(b.back());
    const std::string zuGross =
        "Das Gleichungssystem ist zu groß (höchstens 15 Gleichungen mit 15 Unbekannten).";
    EXPECT_EQ(Meldung([&] { Seite(A, b); }), zuGross);
    TLGSMatrix M{.Zeilen = 16, .Spalten = 2};
    EXPECT_EQ(Meldung([&] { Zeilenstufenform(M, false); }), zuGross);
    EXPECT_EQ(Meldung([&] { LoeseLGS(M, M, M, false); }), zuGross);
}

} // namespace
} // namespace zol
