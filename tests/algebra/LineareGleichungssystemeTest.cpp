// Linear systems: every solution put back into the system, the rank against an elimination modulo primes,
// pivot choice, row-operation labels, the worked page read back row by row, and the limits of size and of
// 64-bit fractions.
#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <regex>
#include <sstream>

#include "algebra/LineareGleichungssysteme.h"
#include "algebra/LineareGleichungssysteme_Intern.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzelzahlen.h"
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
    // Row 2 becomes [2]-2[1] = (0, 3 | 3): its numbers are small, so it is not divided by its content.
    EXPECT_EQ(Seite({{"2", "1"}, {"1", "-1"}}, {{"3"}, {"0"}}).first,
              "Lösung des Linearen Gleichungssystems:(2 1; 1 -1) * x = (3; 0)\n"
              "Erweiterte Matrix:   (2 1 | 3; 1 -1 | 0)\n"
              "(1 -1 | 0 : [2]; 2 1 | 3 : [1])   (1 -1 | 0; 0 3 | 3 : [2]-2[1])   \n\n"
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

// ---- the worked elimination read back from its page ----

// An extended matrix of a page, "(a b | c : label; ...)": each row's entries as fractions and its label.
struct TSeitenmatrix {
    std::vector<std::vector<mpq_class>> Zeilen;
    std::vector<std::string> Marken;
    size_t Stelle = 0;
};

std::vector<std::string> Teile(const std::string& text, const std::string& trenner) {
    std::vector<std::string> r;
    size_t a = 0;
    for (size_t e; (e = text.find(trenner, a)) != std::string::npos; a = e + trenner.size())
        r.push_back(text.substr(a, e - a));
    r.push_back(text.substr(a));
    return r;
}

// The text with each matrix that the page broke into blocks of columns ("Spalten i bis j:(...)", each on a
// line of its own, and the labels in a block "Zeilenumformungen:( : label; ; ...)" where they do not fit
// beside the last) joined back into one "(...)": row by row the blocks' rows side by side. Nothing when the
// blocks of a matrix do not follow each other column after column from column 1, or differ in their number of
// rows. Bloecke counts the blocks.
std::optional<std::string> BloeckeVereint(const std::string& text, size_t& Bloecke) {
    static const std::regex kopf(R"(^(?:Spalten (\d+) bis (\d+)|Zeilenumformungen):\()");
    std::string r;
    Bloecke = 0;
    size_t a = 0;
    for (size_t s; (s = text.find("Spalten 1 bis ", a)) != std::string::npos;) {
        r += text.substr(a, s - a);
        std::vector<std::string> zeilen;
        size_t naechste = 1, e = s;
        for (std::smatch t; std::regex_search(text.cbegin() + std::ptrdiff_t(e), text.cend(), t, kopf);) {
            const bool marken = !t[1].matched;
            if (!marken && (std::stoul(t[1]) != naechste || std::stoul(t[2]) < naechste)) return std::nullopt;
            if (!marken) naechste = std::stoul(t[2]) + 1;
            size_t z = e + size_t(t.length(0)), ende = z;
            for (int tiefe = 1; ende < text.size() && tiefe > 0; ++ende)
                tiefe += text[ende] == '(' ? 1 : text[ende] == ')' ? -1 : 0;
            const std::vector<std::string> teile = Teile(text.substr(z, ende - 1 - z), "; ");
            if (zeilen.empty()) zeilen.resize(teile.size());
            if (teile.size() != zeilen.size()) return std::nullopt;
            for (size_t i = 0; i < teile.size(); ++i)
                zeilen[i] += (zeilen[i].empty() || marken ? "" : " ") + teile[i];
            ++Bloecke;
            e = ende;
            // The next block of the same matrix begins its own line.
            if (marken || e >= text.size() || text[e] != '\n' ||
                text.compare(e + 1, 14, "Spalten 1 bis ") == 0)
                break;
            ++e;
        }
        r += "(";
        for (size_t i = 0; i < zeilen.size(); ++i) r += (i ? "; " : "") + zeilen[i];
        r += ")";
        a = e;
    }
    return r + text.substr(a);
}

std::string BloeckeVereint(const std::string& text) {
    size_t bloecke = 0;
    return BloeckeVereint(text, bloecke).value_or("Blöcke folgen nicht aufeinander");
}

// Every extended matrix of the text in order; false in Gelesen when an entry is no fraction.
std::vector<TSeitenmatrix> ErweiterteMatrizen(const std::string& text, bool& Gelesen) {
    std::vector<TSeitenmatrix> r;
    Gelesen = true;
    for (size_t a = text.find('('); a != std::string::npos; a = text.find('(', a + 1)) {
        size_t e = a;
        for (int tiefe = 0; e < text.size(); ++e)
            if (text[e] == '(') {
                ++tiefe;
            } else if (text[e] == ')' && --tiefe == 0) {
                break;
            }
        const std::string innen = text.substr(a + 1, e - a - 1);
        if (innen.find(" | ") == std::string::npos) continue;
        TSeitenmatrix m;
        m.Stelle = a;
        for (const std::string& zeile : Teile(innen, "; ")) {
            const size_t d = zeile.find(" : ");
            m.Marken.push_back(d == std::string::npos ? "" : zeile.substr(d + 3));
            std::istringstream werte(zeile.substr(0, d));
            m.Zeilen.emplace_back();
            for (std::string w; werte >> w;) {
                if (w == "|") continue;
                mpq_class q;
                Gelesen = Gelesen && q.set_str(w, 10) == 0 && q.get_den() != 0;
                q.canonicalize();
                m.Zeilen.back().push_back(q);
            }
        }
        r.push_back(std::move(m));
        a = e;
    }
    return r;
}

// The row a label makes of the matrix before: g[j] +- f[k], divided by d where it says ":d"; nothing for a
// label that does not read so.
std::optional<std::vector<mpq_class>> NachMarke(const std::string& marke, const TSeitenmatrix& vorher) {
    static const std::regex form(R"(^\(?(-?\d*)\[(\d+)\](?:([+-])(\d*)\[(\d+)\])?\)?(?::(\d+))?$)");
    std::smatch t;
    if (!std::regex_match(marke, t, form)) return std::nullopt;
    auto faktor = [](const std::string& s) { return mpq_class(s.empty() ? "1" : s == "-" ? "-1" : s, 10); };
    const size_t j = std::stoul(t[2]);
    if (j < 1 || j > vorher.Zeilen.size()) return std::nullopt;
    std::vector<mpq_class> zeile = vorher.Zeilen[j - 1];
    for (mpq_class& x : zeile) x *= faktor(t[1]);
    if (t[5].matched) {
        const size_t k = std::stoul(t[5]);
        if (k < 1 || k > vorher.Zeilen.size()) return std::nullopt;
        const mpq_class f = faktor(t[4]) * (t[3] == "-" ? -1 : 1);
        for (size_t s = 0; s < zeile.size(); ++s) zeile[s] += f * vorher.Zeilen[k - 1][s];
    }
    if (t[6].matched)
        for (mpq_class& x : zeile) x /= mpq_class(t[6].str(), 10);
    return zeile;
}

// Each matrix after the first of a page: a row with a label is what its label makes of the matrix written
// before, a row without one is that matrix's row. Matrizen gets how many there are.
::testing::AssertionResult ZeilenFolgenIhrenMarken(const std::string& text, size_t& Matrizen) {
    bool gelesen = false;
    const std::vector<TSeitenmatrix> m = ErweiterteMatrizen(text, gelesen);
    Matrizen = m.size();
    if (!gelesen) return ::testing::AssertionFailure() << "ein Eintrag ist kein Bruch";
    for (size_t n = 1; n < m.size(); ++n)
        for (size_t i = 0; i < m[n].Zeilen.size(); ++i) {
            const std::string& marke = m[n].Marken[i];
            const auto soll =
                marke.empty() ? std::optional(m[n - 1].Zeilen.at(i)) : NachMarke(marke, m[n - 1]);
            if (!soll || *soll != m[n].Zeilen[i])
                return ::testing::AssertionFailure()
                       << "Matrix " << n << ", Zeile " << i + 1 << " : " << marke;
        }
    return ::testing::AssertionSuccess();
}

// The number of rows that are not 0 when the matrix is in echelon form with them on top, -1 otherwise.
Int32 Stufenzahl(const TSeitenmatrix& M) {
    Int32 stufen = 0;
    size_t vorige = 0;
    for (size_t i = 0; i < M.Zeilen.size(); ++i) {
        size_t j = 0;
        while (j < M.Zeilen[i].size() && M.Zeilen[i][j] == 0) ++j;
        if (j == M.Zeilen[i].size()) continue;
        if ((stufen > 0 && j <= vorige) || size_t(stufen) != i) return -1;
        vorige = j;
        ++stufen;
    }
    return stufen;
}

std::string Vektortext(const std::vector<Int64>& x) {
    std::string r = "(";
    for (size_t j = 0; j < x.size(); ++j) r += (j ? "; " : "") + std::to_string(x[j]);
    return r + ")";
}

// A system of m equations in n unknowns for the grids: integer entries -Grenze..Grenze (or fractions with
// denominators 1..Nenner), of rank Rang (the last rows sums of two earlier ones), with b = A*x0 for x0 of
// integers -3..3; and its rows scaled to integers for the modular rank.
struct TRationalesSystem {
    TGittertexte A, b;
    std::vector<Int64> x0;
    std::vector<std::vector<TWurzel23>> Ganz;
};

TRationalesSystem RationalesSystem(unsigned saat, Int32 m, Int32 n, Int32 Rang, int Grenze, int Nenner = 1) {
    std::mt19937 zufall(saat);
    auto zahl = [&](int a, int b) { return Int64(std::uniform_int_distribution<int>(a, b)(zufall)); };
    TRationalesSystem S;
    for (Int32 j = 0; j < n; ++j) S.x0.push_back(zahl(-3, 3));
    std::vector<std::vector<mpq_class>> A(size_t(m), std::vector<mpq_class>(size_t(n), mpq_class(0)));
    for (Int32 i = 0; i < m; ++i)
        for (Int32 j = 0; j < n; ++j) {
            auto& a = A[size_t(i)][size_t(j)];
            if (i < Rang) {
                a = mpq_class(zahl(-Grenze, Grenze), zahl(1, Nenner));
                a.canonicalize();
            } else {
                a = A[size_t(i - Rang)][size_t(j)] + A[size_t((i + 1) % Rang)][size_t(j)];
            }
        }
    for (const auto& zeile : A) {
        mpq_class rechts = 0;
        mpz_class l = 1;
        for (size_t j = 0; j < zeile.size(); ++j) {
            rechts += zeile[j] * S.x0[j];
            l = lcm(l, zeile[j].get_den());
        }
        S.A.emplace_back();
        S.Ganz.emplace_back();
        for (const mpq_class& a : zeile) {
            S.A.back().push_back(a.get_str());
            S.Ganz.back().push_back({mpq_class(a * l).get_num().get_si(), 0, 0, 0});
        }
        S.b.push_back({rechts.get_str()});
        S.Ganz.back().push_back({mpq_class(rechts * l).get_num().get_si(), 0, 0, 0});
    }
    return S;
}

Int32 RangOhneRechteSeite(std::vector<std::vector<TWurzel23>> Ab) {
    for (auto& z : Ab) z.pop_back();
    return ModularerRang(Ab);
}

// The worked pages of integer and rational systems, small to 15 x 15 and of lower rank: each matrix follows
// from the one before by its labels, the rank is the modular one, and the solution stands on the page.
TEST_F(LGS, GerechneteZeilenFolgenIhrenMarken) {
    struct Fall {
        const char* Name;
        TRationalesSystem S;
        Int32 Rang;
        // The line that the further rows are too large stands on the page (true: from the first row on).
        bool ZuGross;
        // The entries are integers, so the page's text reads back (a fraction's text is its numerator and
        // denominator side by side).
        bool Lesbar = true;
    };
    // The first row operation gives (0, 6*10^10 | 6*10^10): it is divided by its content.
    const TRationalesSystem gross{{{"1", "100000"}, {"300000", "90000000000"}},
                                  {{"100001"}, {"90000300000"}},
                                  {1, 1},
                                  {{{1, 0, 0, 0}, {100000, 0, 0, 0}, {100001, 0, 0, 0}},
                                   {{300000, 0, 0, 0}, {90000000000, 0, 0, 0}, {90000300000, 0, 0, 0}}}};
    // [2] - 2^30*[1] has entries near 2^71 without a common factor: the rows are too large to show from
    // there on, the solution (1, -1, 2) is small.
    const Int64 p40 = Int64(1) << 40, p30 = Int64(1) << 30;
    TRationalesSystem zuGross;
    zuGross.x0 = {1, -1, 2};
    const std::vector<std::vector<Int64>> z = {{1, p40, 3 * p40 + 1}, {p30, 1, 1}, {5, 7, 11}};
    for (const auto& zeile : z) {
        zuGross.A.emplace_back();
        zuGross.Ganz.emplace_back();
        Int64 rechts = 0;
        for (size_t j = 0; j < 3; ++j) {
            zuGross.A.back().push_back(std::to_string(zeile[j]));
            zuGross.Ganz.back().push_back({zeile[j], 0, 0, 0});
            rechts += zeile[j] * zuGross.x0[j];
        }
        zuGross.b.push_back({std::to_string(rechts)});
        zuGross.Ganz.back().push_back({rechts, 0, 0, 0});
    }
    const Fall faelle[] = {
        {"2x2", RationalesSystem(1, 2, 2, 2, 3), 2, false},
        {"Inhalt", gross, 2, false},
        {"5x5", RationalesSystem(2, 5, 5, 5, 9), 5, false},
        {"6x6 Rang 3", RationalesSystem(3, 6, 6, 3, 9), 3, false},
        {"7x7 Brüche", RationalesSystem(4, 7, 7, 7, 9, 7), 7, false, false},
        {"12x12", RationalesSystem(5, 12, 12, 12, 9), 12, false},
        {"15x15", RationalesSystem(7, 15, 15, 15, 9), 15, false},
        {"14x14 Rang 11", RationalesSystem(9, 14, 14, 11, 9), 11, false},
        // Minors of two-digit entries leave 64 bits from about the tenth row on.
        {"12x12 zweistellig", RationalesSystem(6, 12, 12, 12, 99), 12, true},
        {"15x15 zweistellig", RationalesSystem(8, 15, 15, 15, 99), 15, true},
        {"zu groß", zuGross, 3, true},
    };
    const std::string zuGrossZeile = "\nDie weiteren Zeilen sind zu groß, um sie zu zeigen.\n";
    for (const Fall& f : faelle) {
        const auto [roh, meldung] = Seite(f.S.A, f.S.b);
        const std::string seite = BloeckeVereint(roh);
        EXPECT_EQ(meldung, "") << f.Name;
        size_t matrizen = 0;
        if (f.Lesbar) {
            EXPECT_TRUE(ZeilenFolgenIhrenMarken(seite, matrizen)) << f.Name << "\n" << seite;
        }
        EXPECT_TRUE(Enthaelt(seite, "Erweiterte Matrix:")) << f.Name;
        EXPECT_EQ(RangOhneRechteSeite(f.S.Ganz), f.Rang) << f.Name;
        EXPECT_TRUE(Enthaelt(seite, "Rang des Gleichungssystems: " + std::to_string(f.Rang) + "\n"))
            << f.Name;
        const Int32 n = Int32(f.S.x0.size());
        if (f.Rang == n)
            EXPECT_TRUE(Enthaelt(seite, "Eindeutige Lösung: x = " + Vektortext(f.S.x0))) << f.Name << "\n"
                                                                                         << seite;
        else
            EXPECT_TRUE(Enthaelt(seite, "Allgemeine Lösung: x = ")) << f.Name;
        // The line stands once where it stands, after the last worked matrix.
        const size_t zeile = seite.find(zuGrossZeile);
        EXPECT_EQ(zeile != std::string::npos, f.ZuGross) << f.Name << "\n" << seite;
        bool gelesen = false;
        const auto matrizenStellen = ErweiterteMatrizen(seite, gelesen);
        if (zeile != std::string::npos) {
            EXPECT_EQ(seite.find(zuGrossZeile, zeile + 1), std::string::npos) << f.Name;
            EXPECT_LT(matrizenStellen.back().Stelle, zeile) << f.Name;
        } else if (f.Lesbar) {
            // Every step stands on the page: the last matrix is the echelon form.
            ASSERT_FALSE(matrizenStellen.empty()) << f.Name;
            EXPECT_EQ(Stufenzahl(matrizenStellen.back()), f.Rang) << f.Name << "\n" << seite;
        }
        // Without comments the same rank and solution.
        const std::string ohne = Seite(f.S.A, f.S.b, false).first;
        const size_t rang = ohne.find("Rang des");
        EXPECT_TRUE(rang != std::string::npos && seite.find(ohne.substr(rang)) != std::string::npos)
            << f.Name << "\n"
            << ohne;
    }
}

// What Schreiben writes on a page Breite pixels wide, as text, and the right edge of its widest line.
struct TSeitenbreite {
    std::string Text;
    Int32 Rechts = 0;
    std::string Breiteste;
    // The height of each line of text.
    std::vector<std::pair<std::string, Int32>> Zeilen;
};

TSeitenbreite SeiteBei(Int32 Breite, const std::function<void()>& Schreiben) {
    TWechsel<Int32> breite(Seitenbreite, Breite);
    TWechsel<bool> kommentare(Kommentare, true);
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    try {
        Schreiben();
    } catch (const EZolFehler&) {
    }
    NeueZeile();
    SetzeZeilenliste(nullptr);
    TSeitenbreite r;
    for (const auto& zeile : seite.Zeilen) {
        r.Text += zeile->Klartext() + "\n";
        if (zeile->Box) r.Zeilen.emplace_back(zeile->Klartext(), zeile->Box->Oben + zeile->Box->Unten);
        if (zeile->Box && zeile->Art != ArtLinie &&
            zeile->Box->LinksAbstand + zeile->Box->Breite > r.Rechts) {
            r.Rechts = zeile->Box->LinksAbstand + zeile->Box->Breite;
            r.Breiteste = zeile->Klartext();
        }
    }
    return r;
}

std::string OhneLeerraum(std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\n'; });
    return s;
}

// Worked systems and echelon forms whose matrices are wider than a screen page or the paper: on a page of
// either width no line reaches past where it would be drawn smaller than the readable size, and the blocks
// that a wide matrix is broken into, joined again, give every cell and label of the page that an unbounded
// width shows, in order.
TEST_F(LGS, BreiteMatrizenInSpaltenbloeckenVollstaendigUndLesbar) {
    struct Fall {
        const char* Name;
        TRationalesSystem S;
        // The system as the matrix window's echelon form of the extended matrix, or the linear-systems step.
        bool Matrixfenster;
    };
    const Fall faelle[] = {
        {"12x12 zweistellig", RationalesSystem(6, 12, 12, 12, 99), false},
        {"15x15 dreistellig", RationalesSystem(31, 15, 15, 15, 999), false},
        {"15x15 einstellig", RationalesSystem(7, 15, 15, 15, 9), false},
        {"15x15 Brüche", RationalesSystem(32, 15, 15, 15, 9, 7), false},
        {"Matrixfenster 15x16 zweistellig", RationalesSystem(33, 15, 15, 15, 99), true},
        {"Matrixfenster 12x13 einstellig", RationalesSystem(34, 12, 12, 12, 9), true},
    };
    // A screen page, the paper of A4 with margins of 15 mm, a narrow window.
    const Int32 breiten[] = {977, 660, 420};
    // Labels too wide to stand beside the last block stand in a block of their own somewhere.
    bool eigeneMarken = false;
    for (const Fall& f : faelle) {
        auto schreibe = [&f] {
            if (!f.Matrixfenster) return SchrittLGS(f.S.A, f.S.b);
            TGittertexte Ab = f.S.A;
            for (size_t i = 0; i < Ab.size(); ++i) Ab[i].push_back(f.S.b[i][0]);
            TLGSMatrix M = Matrix(Ab, 1, Int32(Ab[0].size()));
            Schreibe("Matrix :");
            MatrixAusgeben(M);
            Zeilenstufenform(M, true);
        };
        const std::string ganz = SeiteBei(1000000, schreibe).Text;
        size_t gebrochen = 0;
        for (Int32 breite : breiten) {
            const TSeitenbreite seite = SeiteBei(breite, schreibe);
            const std::string name = f.Name + std::string(" auf ") + std::to_string(breite);
            EXPECT_LE(seite.Rechts, (breite - 20) / Mindestmassstab) << name << "\n" << seite.Breiteste;
            size_t bloecke = 0;
            const std::optional<std::string> vereint = BloeckeVereint(seite.Text, bloecke);
            ASSERT_TRUE(vereint) << name << "\n" << seite.Text;
            const std::string a = OhneLeerraum(*vereint), b = OhneLeerraum(ganz);
            const size_t d = size_t(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
            EXPECT_EQ(a, b) << name << " ab " << d << ": " << a.substr(d > 40 ? d - 40 : 0, 120) << "\nstatt "
                            << b.substr(d > 40 ? d - 40 : 0, 120);
            gebrochen += bloecke;
            eigeneMarken = eigeneMarken || seite.Text.find("\nZeilenumformungen:(") != std::string::npos;
            // The gap written after a worked matrix goes with the line break where the matrix fills the
            // line: no line holds blanks alone.
            for (const auto& [text, hoehe] : seite.Zeilen)
                EXPECT_FALSE(!text.empty() && OhneLeerraum(text).empty()) << name << "\n" << seite.Text;
            // A block of labels is as high as the block of columns before it: each label stands level with
            // its row.
            for (size_t i = 1; i < seite.Zeilen.size(); ++i) {
                if (seite.Zeilen[i].first.rfind("Zeilenumformungen:(", 0) != 0) continue;
                EXPECT_EQ(seite.Zeilen[i].second, seite.Zeilen[i - 1].second) << name;
            }
        }
        EXPECT_GT(gebrochen, 0u) << f.Name;
    }
    EXPECT_TRUE(eigeneMarken);
    // The coefficients' system of a partial fraction decomposition on the screen page.
    TKopfloseAnfrage lauf({.F = "1/(x^12-1)", .Schritte = {SchrittPartialbruch}, .Kommentare = true});
    ASSERT_NO_THROW(lauf.Starte());
    size_t bloecke = 0;
    EXPECT_TRUE(BloeckeVereint(lauf.Text(3), bloecke));
    EXPECT_GT(bloecke, 0u);
    for (const auto& zeile : lauf.Seiten[3].Zeilen) {
        if (zeile->Art == ArtLinie) continue;
        EXPECT_LE(zeile->Box->LinksAbstand + zeile->Box->Breite, (977 - 20) / Mindestmassstab)
            << zeile->Klartext();
    }
}

// What Zeilenstufenform with comments writes, as the matrix window has it, and the message it ended with.
std::pair<std::string, std::string> Stufenseite(TLGSMatrix M) {
    TZeilenliste seite;
    SetzeZeilenliste(&seite);
    std::string meldung;
    try {
        Zeilenstufenform(M, true);
    } catch (const EZolFehler& e) {
        meldung = e.Meldung;
    }
    NeueZeile();
    SetzeZeilenliste(nullptr);
    std::string text;
    for (const std::string& z : seite.Klartext()) text += z + "\n";
    return {text, meldung};
}

// The matrix window's echelon form with comments of 12 x 12 to 15 x 15 integer matrices, of full and of
// lower rank: the worked matrices follow their labels, and the last one, after "Zeilenstufenform: ", is in
// echelon form with as many steps as the modular rank. Two-digit entries give a form whose rows leave 64
// bits: the rows are shown while they fit, then the line that says so, then the overflow.
TEST_F(LGS, ZeilenstufenformMitKommentarGrosserMatrizen) {
    const struct {
        Int32 Zeilen, Spalten, Rang;
        int Grenze;
    } faelle[] = {{12, 12, 12, 9}, {12, 13, 12, 9}, {15, 15, 15, 9}, {14, 15, 9, 9}, {15, 15, 15, 99}};
    unsigned saat = 20;
    for (const auto& f : faelle) {
        const TRationalesSystem S = RationalesSystem(++saat, f.Zeilen, f.Spalten - 1, f.Rang, f.Grenze);
        TGittertexte Ab = S.A;
        for (size_t i = 0; i < Ab.size(); ++i) Ab[i].push_back(S.b[i][0]);
        const std::string name = std::to_string(f.Zeilen) + "x" + std::to_string(f.Spalten);
        const auto [roh, meldung] = Stufenseite(Matrix(Ab, 1, f.Spalten));
        const std::string seite = BloeckeVereint(roh);
        size_t matrizen = 0;
        EXPECT_TRUE(ZeilenFolgenIhrenMarken(seite, matrizen)) << name << "\n" << seite;
        if (f.Grenze > 9) {
            EXPECT_EQ(meldung, "Überlauf in der Bruchrechnung.") << name;
            EXPECT_TRUE(Enthaelt(seite, "\nDie weiteren Zeilen sind zu groß, um sie zu zeigen.\n")) << name;
            continue;
        }
        EXPECT_EQ(meldung, "") << name;
        const size_t ende = seite.rfind("Zeilenstufenform: ");
        ASSERT_NE(ende, std::string::npos) << name;
        bool gelesen = false;
        const auto letzte = ErweiterteMatrizen(seite.substr(ende), gelesen);
        ASSERT_TRUE(gelesen && letzte.size() == 1) << name;
        EXPECT_EQ(Stufenzahl(letzte[0]), ModularerRang(S.Ganz)) << name;
    }
}

// Systems of 7 to 15 unknowns over the rationals (denominators up to 7) and over Q(sqrt(2), sqrt(3)) whose
// solution is small, of full and of lower rank: solved without overflow, the solution put back exactly,
// the rank the modular one, a unique solution the one the system was built from.
TEST_F(LGS, BruecheUndWurzelnMitKleinerLoesung) {
    struct Art {
        Int32 n, Rang;
        bool Wurzeln;
    };
    const Art arten[] = {{7, 7, false},  {9, 9, true},    {11, 11, false}, {11, 8, false},
                         {13, 13, true}, {15, 15, false}, {15, 15, true},  {7, 4, true}};
    unsigned saat = 40;
    for (const Art& art : arten) {
        std::mt19937 zufall(++saat);
        auto zahl = [&](int a, int b) { return Int64(std::uniform_int_distribution<int>(a, b)(zufall)); };
        // Entries z/d with z = a + b*sqrt(2) + c*sqrt(3) + e*sqrt(6); rows beyond the rank are sums of two
        // earlier ones. Each row is kept over a common denominator for the modular rank.
        struct TZeile {
            std::vector<TWurzel23> z;
            Int64 d = 1;
        };
        std::vector<TZeile> zeilen;
        std::vector<Int64> x0;
        for (Int32 j = 0; j < art.n; ++j) x0.push_back(zahl(-3, 3));
        for (Int32 i = 0; i < art.n; ++i) {
            TZeile zeile;
            if (i < art.Rang) {
                zeile.d = zahl(1, art.Wurzeln ? 3 : 7);
                for (Int32 j = 0; j < art.n; ++j)
                    zeile.z.push_back(art.Wurzeln
                                          ? TWurzel23{zahl(-3, 3), zahl(-3, 3), zahl(-3, 3), zahl(-1, 1)}
                                          : TWurzel23{zahl(-9, 9), 0, 0, 0});
            } else {
                const TZeile& a = zeilen[size_t(i - art.Rang)];
                const TZeile& b = zeilen[size_t((i + 1) % art.Rang)];
                zeile.d = a.d * b.d;
                for (Int32 j = 0; j < art.n; ++j)
                    zeile.z.push_back(a.z[size_t(j)] * TWurzel23{b.d, 0, 0, 0} +
                                      b.z[size_t(j)] * TWurzel23{a.d, 0, 0, 0});
            }
            zeilen.push_back(zeile);
        }
        TLGSMatrix A = NeueLGSMatrix(art.n, art.n), b = NeueLGSMatrix(art.n, 1);
        std::vector<std::vector<TWurzel23>> ganz;
        for (Int32 i = 1; i <= art.n; ++i) {
            const TZeile& zeile = zeilen[size_t(i - 1)];
            TWurzel23 rechts{};
            for (Int32 j = 1; j <= art.n; ++j) {
                A.a[i][j] = Op(zeile.z[size_t(j - 1)].Term(), '/', K(zeile.d));
                VereinfacheTerm(A.a[i][j]);
                rechts = rechts + zeile.z[size_t(j - 1)] * TWurzel23{x0[size_t(j - 1)], 0, 0, 0};
            }
            b.a[i][1] = Op(rechts.Term(), '/', K(zeile.d));
            VereinfacheTerm(b.a[i][1]);
            ganz.push_back(zeile.z);
        }
        const std::string name = std::to_string(art.n) + "x" + std::to_string(art.n) +
                                 (art.Wurzeln ? " Wurzeln" : " Brüche") + " Rang " + std::to_string(art.Rang);
        const Int32 rang = ModularerRang(ganz);
        EXPECT_EQ(rang, art.Rang) << name;
        Int32 frei = -2;
        ASSERT_NO_THROW(frei = LoeseUndPruefe(A, b, name)) << name;
        EXPECT_EQ(frei, art.n - rang) << name;
        if (frei != 0) continue;
        TLGSMatrix X;
        LoeseLGS(A, b, X, false);
        for (Int32 j = 1; j <= art.n; ++j) EXPECT_TRUE(X.a[j][1]->HatWert({x0[size_t(j - 1)], 1})) << name;
    }
}

// Numbers of any length: 128-bit coefficients of either sign come over whole, a product with the inverse is
// 1 also far beyond 128 bits, and the terms take what fits 64 bits.
TEST_F(LGS, LangeZahlenUndIhreKehrwerte) {
    const Int128 eins = 1;
    const struct {
        Int128 Wert;
        const char* Text;
    } werte[] = {{0, "0"},
                 {-1, "-1"},
                 {(eins << 63) - 1, "9223372036854775807"},
                 {-(eins << 63), "-9223372036854775808"},
                 {(eins << 64) + 5, "18446744073709551621"},
                 {-(eins << 100) + 3, "-1267650600228229401496703205373"},
                 {-((eins << 126) + 1), "-85070591730234615865843651857942052865"}};
    for (const auto& w : werte) {
        TWurzelzahl z(TGrossbruch{w.Wert, 7});
        mpq_class soll(std::string(w.Text) + "/7");
        soll.canonicalize();
        EXPECT_EQ(TLGSZahl(z).Rational(), soll) << w.Text;
    }
    mpq_class gross("123456789012345678901234567890123456789/98765432109876543210987", 10);
    gross.canonicalize();
    for (const char* text : {"1+sqrt(2)", "3*sqrt(2)-2*sqrt(3)+sqrt(6)/5", "7*2^(1/3)", "2-sqrt(3)", "1/3"}) {
        TWurzelzahl w;
        ASSERT_TRUE(AlsWurzelzahl(Lies(text), w)) << text;
        const TLGSZahl z = TLGSZahl(w).Mal(gross);
        TLGSZahl inverse;
        ASSERT_TRUE(z.Kehrwert(inverse)) << text;
        const TLGSZahl produkt = z * inverse;
        EXPECT_TRUE(produkt.IstRational() && produkt.Rational() == 1) << text;
        EXPECT_EQ(z.AlsTerm(), nullptr) << text;
        TTerm* t = TLGSZahl(w).Mal(mpq_class(Int64(1) << 58)).AlsTerm();
        ASSERT_NE(t, nullptr) << text;
        EXPECT_EQ(Nullheit(Op(t, '-', Op(Lies(text), '*', K(Int64(1) << 58)))), TNullheit::Null) << text;
    }
    // Cube roots leave one prime after the other by the cofactor of their norm, square roots by their
    // conjugates; a prime under a sixth root (or under a square and a cube root) does not leave so.
    for (const char* text : {"1+2^(1/3)+sqrt(3)", "2^(1/3)+4^(1/3)+1", "3^(1/3)-5^(2/3)+7*15^(1/3)",
                             "1+2^(1/3)+3^(1/3)+sqrt(5)", "5^(2/3)-sqrt(7)"}) {
        TWurzelzahl w, kehrwert;
        ASSERT_TRUE(AlsWurzelzahl(Lies(text), w)) << text;
        ASSERT_TRUE(w.Kehrwert(kehrwert)) << text;
        const TWurzelzahl eins = w * kehrwert;
        EXPECT_TRUE(eins.IstRational() && eins.Rational().Zaehler == 1 && eins.Rational().Nenner == 1)
            << text;
        TLGSZahl inverse;
        ASSERT_TRUE(TLGSZahl(w).Kehrwert(inverse)) << text;
        const TLGSZahl produkt = TLGSZahl(w) * inverse;
        EXPECT_TRUE(produkt.IstRational() && produkt.Rational() == 1) << text;
    }
    TWurzelzahl w;
    ASSERT_TRUE(AlsWurzelzahl(Lies("1+2^(1/6)"), w));
    TLGSZahl inverse;
    EXPECT_FALSE(TLGSZahl(w).Kehrwert(inverse));
}

} // namespace
} // namespace zol
