// Linear systems: every solution put back into the system, the rank against an elimination modulo primes,
// pivot choice, row-operation labels, the worked page and the limits of size and of 64-bit fractions.
#include <random>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/Nullentscheidung.h"
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
// directions (-1 when there is no solution).
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
                EXPECT_EQ(Nullheit(T), TNullheit::Null) << name << " Zeile " << i << " k=" << wert->Text;
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
        {"pi singulär", {{"pi", "1", "e"}, {"2*pi", "2", "2*e"}}, 1, true},
        // Row 2 is sqrt(3) times row 1.
        {"Wurzeln", {{"sqrt(2)+1", "sqrt(3)", "1"}, {"sqrt(6)+sqrt(3)", "3", "sqrt(3)"}}, 1, true},
        {"Wurzeln unerfüllbar", {{"sqrt(2)+1", "sqrt(3)", "1"}, {"sqrt(6)+sqrt(3)", "3", "1"}}, 1, false},
        {"Kubikwurzeln",
         {{"2^(1/3)", "1", "1"}, {"4^(1/3)", "2^(1/3)", "2^(1/3)"}, {"1", "1", "0"}},
         2,
         true},
    };
    for (const Fall& f : faelle) {
        const Int32 n = Int32(f.Ab[0].size()) - 1;
        const TLGSMatrix A = Matrix(f.Ab, 1, n), b = Matrix(f.Ab, n + 1, n + 1);
        EXPECT_EQ(Stufen(A), f.Rang) << f.Name;
        EXPECT_EQ(Stufen(Matrix(f.Ab, 1, n + 1)) > f.Rang, !f.Loesbar) << f.Name;
        EXPECT_EQ(LoeseUndPruefe(A, b, f.Name), f.Loesbar ? n - f.Rang : -1) << f.Name;
    }
}

// ---- an independent rank: Gaussian elimination modulo primes p in which 2 and 3 have square roots ----

using Modzahl = uint64_t;

Modzahl ModHoch(Modzahl b, Modzahl e, Modzahl p) {
    Modzahl r = 1;
    for (b %= p; e; e >>= 1, b = b * b % p)
        if (e & 1) r = r * b % p;
    return r;
}

// a + b*sqrt(2) + c*sqrt(3) + d*sqrt(6) with small integers.
struct TWurzel23 {
    Int64 a, b, c, d;
    TWurzel23 operator*(const TWurzel23& y) const {
        return {a * y.a + 2 * b * y.b + 3 * c * y.c + 6 * d * y.d,
                a * y.b + b * y.a + 3 * (c * y.d + d * y.c), a * y.c + c * y.a + 2 * (b * y.d + d * y.b),
                a * y.d + d * y.a + b * y.c + c * y.b};
    }
    TWurzel23 operator+(const TWurzel23& y) const { return {a + y.a, b + y.b, c + y.c, d + y.d}; }
    TTerm* Term() const {
        return Op(Op(Op(K(a), '+', Op(K(b), '*', Pot(K(2), 1, 2))), '+', Op(K(c), '*', Pot(K(3), 1, 2))), '+',
                  Op(K(d), '*', Pot(K(6), 1, 2)));
    }
};

// The largest rank modulo three primes p = 3 mod 4 near 10^9 with sqrt(2) and sqrt(3) mapped to square
// roots modulo p; no rank modulo p exceeds the true one, and for large p they agree.
Int32 ModularerRang(const std::vector<std::vector<TWurzel23>>& M) {
    Int32 best = 0;
    Int32 primzahlen = 0;
    for (Modzahl p = 1000000007; primzahlen < 3; p += 4) {
        bool prim = p % 4 == 3;
        for (Modzahl t = 3; prim && t * t <= p; t += 2) prim = p % t != 0;
        const Modzahl w2 = ModHoch(2, (p + 1) / 4, p), w3 = ModHoch(3, (p + 1) / 4, p);
        if (!prim || w2 * w2 % p != 2 || w3 * w3 % p != 3) continue;
        ++primzahlen;
        auto mod = [p](Int64 v) { return Modzahl((v % Int64(p) + Int64(p)) % Int64(p)); };
        std::vector<std::vector<Modzahl>> R;
        for (const auto& zeile : M) {
            R.emplace_back();
            for (const TWurzel23& z : zeile)
                R.back().push_back((mod(z.a) + mod(z.b) * w2 + mod(z.c) * w3 % p + mod(z.d) * (w2 * w3 % p)) %
                                   p);
        }
        Int32 rang = 0;
        for (size_t s = 0; s < R[0].size() && size_t(rang) < R.size(); ++s) {
            size_t q = size_t(rang);
            while (q < R.size() && R[q][s] == 0) ++q;
            if (q == R.size()) continue;
            std::swap(R[q], R[size_t(rang)]);
            const Modzahl inv = ModHoch(R[size_t(rang)][s], p - 2, p);
            for (size_t i = size_t(rang) + 1; i < R.size(); ++i) {
                const Modzahl f = R[i][s] * inv % p;
                for (size_t j = s; j < R[i].size(); ++j)
                    R[i][j] = (R[i][j] + (p - f) * R[size_t(rang)][j]) % p;
            }
            ++rang;
        }
        best = std::max(best, rang);
    }
    return best;
}

// Random systems over the integers (entries -9..9 and two-digit) with an integer solution, and rank-deficient
// ones over sqrt(2) and sqrt(3) (products of an m x k and a k x n matrix), solvable or not: the rank agrees
// with the modular one, each solution satisfies the system, and the entries of the solution stay short.
TEST_F(LGS, ZufaelligeSystemeGegenModularenRang) {
    std::mt19937 zufall(51);
    auto zahl = [&](int grenze) {
        return Int64(std::uniform_int_distribution<int>(-grenze, grenze)(zufall));
    };
    struct Art {
        Int32 Zeilen, Spalten, Rang;
        bool Wurzeln;
        int Grenze;
    };
    const Art arten[] = {{5, 5, 5, false, 9},  {10, 10, 10, false, 9}, {15, 15, 15, false, 9},
                         {7, 7, 7, false, 99}, {13, 13, 13, false, 9}, {5, 5, 3, true, 3},
                         {4, 6, 3, true, 3},   {6, 4, 2, true, 3},     {5, 5, 5, true, 2}};
    for (const Art& art : arten)
        for (int runde = 0; runde < 2; ++runde) {
            auto eintrag = [&] {
                return TWurzel23{zahl(art.Grenze), art.Wurzeln ? zahl(art.Grenze) : 0,
                                 art.Wurzeln ? zahl(art.Grenze) : 0, 0};
            };
            std::vector<std::vector<TWurzel23>> B(size_t(art.Zeilen)), C(size_t(art.Rang)), Ab;
            for (auto& z : B) z.resize(size_t(art.Rang));
            for (auto& z : C) z.resize(size_t(art.Spalten));
            for (auto& z : B)
                for (auto& e : z) e = art.Rang == art.Zeilen ? TWurzel23{} : eintrag();
            for (auto& z : C)
                for (auto& e : z) e = eintrag();
            // Full rank: A = C itself; otherwise A = B*C. b = A*x0 in the first round, arbitrary in the
            // second.
            std::vector<Int64> x0(size_t(art.Spalten));
            for (Int64& x : x0) x = zahl(5);
            TLGSMatrix A = NeueLGSMatrix(art.Zeilen, art.Spalten), b = NeueLGSMatrix(art.Zeilen, 1);
            for (Int32 i = 0; i < art.Zeilen; ++i) {
                Ab.emplace_back();
                TWurzel23 rechts{};
                for (Int32 j = 0; j < art.Spalten; ++j) {
                    TWurzel23 e{};
                    if (art.Rang == art.Zeilen) e = C[size_t(i)][size_t(j)];
                    for (Int32 k = 0; art.Rang < art.Zeilen && k < art.Rang; ++k)
                        e = e + B[size_t(i)][size_t(k)] * C[size_t(k)][size_t(j)];
                    A.a[i + 1][j + 1] = e.Term();
                    rechts = rechts + e * TWurzel23{x0[size_t(j)], 0, 0, 0};
                    Ab.back().push_back(e);
                }
                if (runde == 1) rechts = eintrag();
                b.a[i + 1][1] = rechts.Term();
                Ab.back().push_back(rechts);
            }
            const std::string name = std::to_string(art.Zeilen) + "x" + std::to_string(art.Spalten) +
                                     (art.Wurzeln ? " Wurzeln" : "") + " Runde " + std::to_string(runde);
            std::vector<std::vector<TWurzel23>> nurA = Ab;
            for (auto& z : nurA) z.pop_back();
            const Int32 rang = ModularerRang(nurA), rangErweitert = ModularerRang(Ab);
            EXPECT_EQ(Stufen(A), rang) << name;
            const Int32 frei = LoeseUndPruefe(A, b, name);
            EXPECT_EQ(frei, rangErweitert > rang ? -1 : art.Spalten - rang) << name;
            TLGSMatrix X;
            LoeseLGS(A, b, X, false);
            for (Int32 j = 1; j <= X.Zeilen && X.Spalten > 0; ++j) {
                EXPECT_LT(X.a[j][1]->Text.size(), 400u) << name;
                if (rang == art.Spalten && runde == 0) {
                    EXPECT_TRUE(X.a[j][1]->HatWert({x0[size_t(j - 1)], 1})) << name;
                }
            }
        }
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

// The page of a request, and the message it ended with ("" when none).
std::pair<std::string, std::string> Seite(const TGittertexte& A, const TGittertexte& b,
                                          bool kommentare = true) {
    TKopfloseAnfrage anfrage(TAnfrage{.Kommentare = kommentare, .LGS = true, .Matrix = A, .Rechts = b});
    try {
        anfrage.Starte();
    } catch (const EZolFehler& e) {
        return {anfrage.Text(), e.Meldung};
    }
    return {anfrage.Text(), ""};
}

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

TEST_F(LGS, BeispieleAlsSeitentext) {
    // The row operation divides by the content 3 of the new row and says so.
    EXPECT_EQ(Seite({{"2", "1"}, {"1", "-1"}}, {{"3"}, {"0"}}).first,
              "Lösung des Linearen Gleichungssystems:(2 1; 1 -1) * x = (3; 0)\n"
              "Erweiterte Matrix:   (2 1 | 3; 1 -1 | 0)\n"
              "(1 -1 | 0 : [2]; 2 1 | 3 : [1])   (1 -1 | 0; 0 1 | 1 : ([2]-2[1]):3)   \n\n"
              "Rang des Gleichungssystems: 2\n"
              "Eindeutige Lösung: x = (1; 1)\n\n\n\n");
    const std::string unerfuellbar = Seite({{"1", "1"}, {"2", "2"}}, {{"1"}, {"3"}}).first;
    EXPECT_TRUE(Enthaelt(unerfuellbar, "\nGleichungssystem unerfüllbar\n\n\nRang des Gleichungssystems: 1\n"))
        << unerfuellbar;
    // Blank cells are 0, rows of the right side beyond the coefficients' are not read; the free variables
    // are numbered as back substitution meets them. The result lines stand also without comments.
    for (bool kommentare : {true, false})
        EXPECT_TRUE(Enthaelt(
            Seite({{"1", " ", "1"}}, {{"1"}, {"7"}}, kommentare).first,
            "Rang des Gleichungssystems: 1\nAllgemeine Lösung: x = (1; 0; 0)+k1(0; 1; 0)+k2(-1; 0; 1)"));
    // An entry whose zero cannot be decided is no pivot: the rank is open where it depends on it (rows 1
    // and 2 are equal when u = ln(6)-ln(2)-ln(3) is 0), and not where it does not.
    const char* u = "ln(6)-ln(2)-ln(3)";
    const std::string offen = Seite({{u, "1"}, {"0", "1"}}, {{"1"}, {"1"}}, false).first;
    EXPECT_TRUE(Enthaelt(offen, "Rang des Gleichungssystems: nicht bestimmbar\nOb ")) << offen;
    EXPECT_FALSE(Enthaelt(offen, "Lösung:")) << offen;
    const std::string zwei = Seite({{u, "1", "0"}, {"0", "0", "1"}}, {{"1"}, {"1"}}, false).first;
    EXPECT_TRUE(Enthaelt(zwei, "Rang des Gleichungssystems: 2\nAllgemeine Lösung")) << zwei;
    // Entries near 10^9 whose solution leaves 64 bits end with the message, and the page says so, without the
    // elimination's matrices.
    const auto [seite, meldung] =
        Seite({{"1000000007", "3", "5"}, {"2", "1000000009", "7"}, {"11", "13", "1000000021"}},
              {{"1"}, {"2"}, {"3"}});
    EXPECT_EQ(meldung, "Überlauf in der Bruchrechnung.");
    EXPECT_TRUE(Enthaelt(seite, "wegen eines Überlaufs nicht gelöst")) << seite;
    EXPECT_FALSE(Enthaelt(seite, "Lösung:") || Enthaelt(seite, "Erweiterte Matrix")) << seite;
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
    EXPECT_TRUE(Enthaelt(Seite(A, b).first,
                         "Eindeutige Lösung: x = (1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12; 13; 14; 15)"));
    A.push_back(A.back());
    b.push_back(b.back());
    const std::string zuGross =
        "Das Gleichungssystem ist zu groß (höchstens 15 Gleichungen mit 15 Unbekannten).";
    EXPECT_EQ(Seite(A, b).second, zuGross);
    TLGSMatrix M{.Zeilen = 16, .Spalten = 2};
    auto meldung = [](auto f) {
        try {
            f();
        } catch (const EZolFehler& e) {
            return e.Meldung;
        }
        return std::string("keine");
    };
    EXPECT_EQ(meldung([&] { Zeilenstufenform(M, false); }), zuGross);
    EXPECT_EQ(meldung([&] { LoeseLGS(M, M, M, false); }), zuGross);
}

} // namespace
} // namespace zol
