// Exact zeros of polynomials: every zero put back into P with its multiplicity, the branches of the search
// over intervals that cut zeros off, the rational root test against the plain search over all candidates,
// Cardano's formulas, and the worked explanation on the page.
#include <algorithm>
#include <string>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "term/Mengen.h"
#include "term/Radikale.h"
#include "term/Termarithmetik.h"
#include "tests/algebra/PolynomTesthilfe.h"
#include "tests/hilfe/TestLeinwand.h"

namespace zol {
namespace {

class PolynomNullstellen : public PolynomTest {
protected:
    void SetUp() override {
        PolynomTest::SetUp();
        InitialisiereAusgabe();
        Seitenbreite = 4000;
    }
    void TearDown() override {
        CardanoAnwenden = true;
        InitialisiereAusgabe();
        PolynomTest::TearDown();
    }
    TTestLeinwandAktiv Aktiv;
};

struct TWert {
    Extended x;
    Int32 m;
};

TSListe* Suche(const TPolynom& P, TMenge* M, bool Kommentar, uint8_t* Status = nullptr) {
    TSListe* L = nullptr;
    uint8_t s = 9;
    PNullstellen(P, M, L, s, Kommentar);
    if (Status) *Status = s;
    return L;
}

// The points of L by ascending value, with their multiplicities, are the expected ones.
void PruefeWerte(TSListe* L, const std::vector<TWert>& erwartet) {
    std::vector<TWert> w;
    for (Int32 i = 1; i <= L->Anzahl; ++i)
        w.push_back({TermWert(L->Stellen[i]->Punkt, 0), L->Stellen[i]->Vielfachheit});
    std::sort(w.begin(), w.end(), [](const TWert& a, const TWert& b) { return a.x < b.x; });
    ASSERT_EQ(w.size(), erwartet.size());
    for (size_t i = 0; i < w.size(); ++i) {
        EXPECT_TRUE(Nahe(w[i].x, erwartet[i].x, 1e-15L)) << i;
        EXPECT_EQ(w[i].m, erwartet[i].m) << i;
    }
}

// x is a zero of P of multiplicity exactly m: for a rational x P(x) = 0 exactly and (x - r)^m divides P
// but (x - r)^(m+1) does not; otherwise by the values of P and its derivatives.
::testing::AssertionResult IstNullstelle(const TPolynom& P, TTerm* x, Int32 m) {
    if (auto* r = AlsRationaleKonstante(x)) {
        TBruch w;
        PWertRational(P, r->Bruch, w);
        TPolynom F, Q, R1, R2;
        PLinearfaktorHoch(x, m, F);
        PDurch(P, F, Q, R1, false);
        PLinearfaktorHoch(x, m + 1, F);
        PDurch(P, F, Q, R2, false);
        if (w.Zaehler == 0 && IstNullPolynom(R1) && !IstNullPolynom(R2)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << x->Text << " ist keine " << m << "-fache Nullstelle";
    }
    const Extended v = TermWert(x, 0);
    TPolynom A = P;
    for (Int32 j = 0; j <= m; ++j, PAbleitung(A, A)) {
        Extended skala = 1;
        for (Int32 i = 0; i <= A.Grad; ++i) skala += std::fabs(TermWert(A.Koeff[i], 0) * std::pow(v, i));
        if ((std::fabs(PWert(A, v)) <= 1e-10L * skala) != (j < m))
            return ::testing::AssertionFailure()
                   << x->Text << ": " << j << ". Ableitung " << double(PWert(A, v));
    }
    return ::testing::AssertionSuccess();
}

// Intervals written as "[a;b[", joined by " v "; an empty bound is infinite, an empty text the whole line.
TMenge* Bereich(const std::string& text) {
    if (text.empty()) return IntervallR;
    TIMenge* kette = nullptr;
    for (size_t anfang = 0; anfang < text.size();
         anfang = std::min(text.find(" v ", anfang), text.size()) + 3) {
        const std::string t = text.substr(anfang, text.find(" v ", anfang) - anfang);
        auto rand = [](const std::string& z, bool offen) {
            TBruch b;
            Int32 fehler = 0;
            Brueche::StrToBruch(z, b, fehler);
            return z.empty() ? UnendlichRand : TRand{K(b.Zaehler, b.Nenner), offen};
        };
        const size_t s = t.find(';');
        auto* I = Neu<TIntervall>(rand(t.substr(1, s - 1), t.front() == ']'),
                                  rand(t.substr(s + 1, t.size() - s - 2), t.back() == '['));
        if (kette)
            kette->Anhaengen(I);
        else
            kette = Neu<TIMenge>(I);
    }
    return kette->Naechste ? static_cast<TMenge*>(kette) : kette->Menge;
}

const Extended W2 = std::sqrt(2.0L);
const Extended Pi = 3.141592653589793238462643383279503L;

struct TFall {
    std::vector<Int64> Koeff; // lowest first
    const char* Bereich;
    std::vector<TWert> Erwartet;
    uint8_t Status;
};

const TFall Faelle[] = {
    // Degrees 0 and 1.
    {{3}, "", {}, wahr},
    {{3, 2}, "", {{-1.5L, 1}}, wahr},
    {{3, 2}, "[0;1]", {}, wahr},
    // The pq formula: D < 0, D = 0, D > 0, zeros on a closed and an open bound.
    {{1, 0, 1}, "", {}, wahr},
    {{1, -2, 1}, "", {{1, 2}}, wahr},
    {{6, -5, 1}, "[0;2]", {{2, 1}}, wahr},
    {{6, -5, 1}, "[0;2[", {}, wahr},
    {{-4, -2, 2}, "", {{-1, 1}, {2, 1}}, wahr},
    // a*x^n + b.
    {{-8, 0, 0, 1}, "", {{2, 1}}, wahr},
    {{8, 0, 0, 1}, "", {{-2, 1}}, wahr},
    {{16, 0, 0, 0, -1}, "]-2;5]", {{2, 1}}, wahr},
    // Factoring out x^k, and a single power.
    {{0, -1, 0, 1}, "[0;5]", {{0, 1}, {1, 1}}, wahr},
    {{0, -1, 0, 1}, "]0;5]", {{1, 1}}, wahr},
    {{0, 0, 1, 0, 1}, "", {{0, 2}}, wahr},
    {{0, 0, 0, 0, 0, 3}, "", {{0, 5}}, wahr},
    // Substitution with even and odd k: images of closed and open bounds, a set of two intervals.
    {{4, 0, -5, 0, 1}, "", {{-2, 1}, {-1, 1}, {1, 1}, {2, 1}}, wahr},
    {{4, 0, -5, 0, 1}, "]-2;1]", {{-1, 1}, {1, 1}}, wahr},
    {{4, 0, -5, 0, 1}, "[-2;1]", {{-2, 1}, {-1, 1}, {1, 1}}, wahr},
    {{4, 0, -5, 0, 1}, "];-1] v [1;3/2]", {{-2, 1}, {-1, 1}, {1, 1}}, wahr},
    {{1, 0, -2, 0, 1}, "", {{-1, 2}, {1, 2}}, wahr},
    {{8, 0, 0, 9, 0, 0, 1}, "", {{-2, 1}, {-1, 1}}, wahr},
    // Rational zeros, the quotient searched on.
    {{2, -3, -3, 2}, "", {{-1, 1}, {0.5L, 1}, {2, 1}}, wahr},
    {{-1, -1, 1, 1}, "", {{-1, 2}, {1, 1}}, wahr},
    {{-6, -1, -5, -1, 1}, "", {{-2, 1}, {3, 1}}, wahr},
    {{-1, 0, 1, 0, -1, 1}, "", {{1, 1}}, unklar}, // (x - 1)(x^4 + x + 1)
    // Through P(ix).
    {{1, 1, 2, 1, 1}, "", {}, wahr}, // (x^2 + 1)(x^2 + x + 1)
    {{1, 1, 0, 0, 1}, "", {}, unklar},
};

// Irrational zeros through the radical arithmetic.
const TFall IrrationaleFaelle[] = {
    {{-2, 0, 1}, "", {{-W2, 1}, {W2, 1}}, wahr},
    {{-2, -2, -1, 1, 1}, "", {{-W2, 1}, {W2, 1}}, wahr}, // (x^2 - 2)(x^2 + x + 1)
    {{-2, -2, -1, 1, 1}, "[0;5]", {{W2, 1}}, wahr},
    {{-1, -2, 1}, "", {{1 - W2, 1}, {1 + W2, 1}}, wahr},
    {{-2, 0, 0, 1}, "", {{std::cbrt(2.0L), 1}}, wahr},
};

// Cardano with d > 0 and with d < 0 (exact arctan, cos and sin).
const TFall CardanoFaelle[] = {
    {{1, 1, 0, 1}, "", {{-0.682327803828019327369483739711L, 1}}, wahr},
    {{1, -3, 0, 1},
     "",
     {{2 * std::cos(8 * Pi / 9), 1}, {2 * std::cos(4 * Pi / 9), 1}, {2 * std::cos(2 * Pi / 9), 1}},
     wahr},
};

// Every case of the table. Cardano's nested cube roots and cosines of ninths of pi are zeros that the
// simplifier cannot show to be exactly 0 when put back, so Exakt false checks them by value only.
template <size_t N> void PruefeFaelle(const TFall (&faelle)[N], bool Exakt = true) {
    for (const TFall& f : faelle) {
        const TPolynom P = PolZ(f.Koeff);
        SCOPED_TRACE(PolynomToTerm(P)->Text + " auf " + f.Bereich);
        TMenge* M = Bereich(f.Bereich);
        uint8_t status = 9, mitKommentar = 9;
        TSListe* L = Suche(P, M, false, &status);
        EXPECT_EQ(status, f.Status);
        PruefeWerte(L, f.Erwartet);
        for (Int32 i = 1; i <= L->Anzahl; ++i) {
            TTerm* x = L->Stellen[i]->Punkt;
            EXPECT_TRUE(M->Enthaelt(x)) << x->Text;
            EXPECT_TRUE(IstNullstelle(P, x, L->Stellen[i]->Vielfachheit));
            // Put into P and simplified as a constant, every zero gives exactly 0.
            TTerm* T = PolynomToTerm(P)->Ersetze(VariableX, x);
            VereinfacheKonstantenTerm(T);
            EXPECT_TRUE(!Exakt || T->IstNull()) << x->Text;
        }
        // With the explanation the same points come out.
        PruefeWerte(Suche(P, M, true, &mitKommentar), f.Erwartet);
        EXPECT_EQ(mitKommentar, status);
    }
}

TEST_F(PolynomNullstellen, ZweigeUndIntervalle) {
    PruefeFaelle(Faelle);
}

TEST_F(PolynomNullstellen, IrrationaleNullstellen) {
    PruefeFaelle(IrrationaleFaelle);
}

TEST_F(PolynomNullstellen, NullstellenNachCardano) {
    PruefeFaelle(CardanoFaelle, false);
}

// Lines expected on the page, in this order (others may stand between them).
::testing::AssertionResult EnthaeltZeilen(const std::vector<std::string>& erwartet) {
    NeueZeile();
    const std::vector<std::string> seite = Seitentext();
    auto it = seite.begin();
    for (const std::string& z : erwartet) {
        it = std::find(it, seite.end(), z);
        if (it++ == seite.end()) return ::testing::AssertionFailure() << "fehlt: \"" << z << "\"";
    }
    return ::testing::AssertionSuccess();
}

TEST_F(PolynomNullstellen, Seite) {
    uint8_t status = 9;
    EXPECT_EQ(Suche(NullPolynom, IntervallR, true, &status)->Anzahl, 0);
    EXPECT_EQ(status, falsch);
    Suche(PolZ({2, -3, -3, 2}), IntervallR, true);
    Suche(PolZ({4, 0, -5, 0, 1}), Bereich("]-2;5]"), true);
    Suche(PolZ({1, 0, 1}), IntervallR, true);
    Suche(PolZ({0, -1, 0, 1}), Bereich("[0;5]"), true);
    Suche(PolZ({16, 0, 0, 0, 1}), IntervallR, true);
    Suche(PolZ({1, 1, 2, 1, 1}), IntervallR, true);
    Suche(PolZ({-1, 0, 1, 0, -1, 1}), IntervallR, true);
    Suche(PolZ({1, 2, 1, 2}), IntervallR, true);
    CardanoAnwenden = false;
    // A fruitless rational search leaves an empty list, not the mark of an uncomputed one.
    EXPECT_EQ(Suche(PolZ({1, 1, 0, 1}), IntervallR, true)->Anzahl, 0);
    EXPECT_TRUE(EnthaeltZeilen({
        "Suche der Nullstellen des Polynoms: 0 in ]-∞;∞[:",
        "Konstante ist Null, d.h. Gleichung allgmeingültig.",
        "Suche der Nullstellen des Polynoms: 2·x3-3·x2-3·x+2 in ]-∞;∞[:",
        "Nullstelle -1 geraten  (Teiler des Absolutglieds;)",
        "Polynomdivision durch x+1 ergibt: ",
        "Anwendung der pq-Formel:",
        "Nach Division durch 2 erhält man x2-52·x+1 = 0",
        "Zwei einfache Nullstellen:  ",
        "Substitution von x2 durch x ergibt Q(x) = x2-5·x+4",
        "Suche der Nullstellen des Polynoms: x2-5·x+4 in [0;25]:",
        "x = 4 ergibt eine 1-fache Nullstellen bei 2 für das ursprüngliche Polynom",
        "x = 1 ergibt eine 1-fache Nullstellen bei 1 und eine 1-fache Nullstelle bei -1 für das "
        "ursprüngliche Polynom",
        "Diskriminante d=024-1 = -1<0 => keine Nullstellen",
        "P hat im angegebenen Intervall keine Nullstellen.",
        "x wird ausgeklammert ",
        " 1-fache Nullstelle bei 0 ",
        "x2 = -1 liegt aber nicht im angegebenen Intervall.",
        "Radikand negativ; Term hat keine Nullstelle.",
        "Für P(ix) findet man Nullstellen, so dass sich P(x) in x2+1·x2+x+1 zerlegen lässt, wobei der erste "
        "Faktor  keine reellen Nullstellen hat.",
        "Es müssen noch die Nullstellen des zweiten Faktors bestimmt werden.",
        "Nullstelle 1 geraten  (Teiler des Absolutglieds);",
        "Möglicherweise gibt es im angegebenen Intervall noch weitere Nullstellen.",
        "Nullstelle -12 geraten  (der Zähler teilt das Absolutglied und der Nenner den Leitterm;",
        "Mit elementaren Mitteln konnten (im angegebenen Intervall) keine Nullstellen bestimmt werden.",
    }));
}

// ---- Cardano's formulas ----

TEST_F(PolynomNullstellen, CardanoMitRationalenNullstellen) {
    const TFall faelle[] = {
        {{2, -3, 0, 1}, "d = 0, s != 0", {{-2, 1}, {1, 2}}, wahr},
        {{-1, 3, -3, 1}, "d = s = 0", {{1, 3}}, wahr},
        {{-16, 0, 0, 2}, "d > 0 nach Division durch 2", {{2, 1}}, wahr},
        {{7, 3, -3, 1}, "(x - 1)^3 + 8", {{-1, 1}}, wahr},
        {{-1, 0, 1}, "Grad 2", {}, unklar},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Bereich);
        const TPolynom P = PolZ(f.Koeff);
        TSListe* L = NeueLeereListe();
        uint8_t status = 9;
        TPolynom Q = XPolynom;
        Cardano(P, L, Q, status, true, true);
        EXPECT_EQ(status, f.Status);
        PruefeWerte(L, f.Erwartet);
        for (Int32 i = 1; i <= L->Anzahl; ++i)
            EXPECT_TRUE(IstNullstelle(P, L->Stellen[i]->Punkt, L->Stellen[i]->Vielfachheit));
        if (L->Anzahl != 1 || L->Stellen[1]->Vielfachheit != 1) {
            EXPECT_TRUE(IstNullPolynom(Q));
            continue;
        }
        // The linear factor times the quadratic factor of the complex pair is P made monic.
        TPolynom produkt;
        PLinearfaktorHoch(L->Stellen[1]->Punkt, 1, produkt);
        PMal(produkt, Q, produkt);
        ASSERT_EQ(produkt.Grad, 3);
        for (Int32 i = 0; i <= 3; ++i)
            EXPECT_TRUE(
                Nahe(TermWert(produkt.Koeff[i], 0), TermWert(P.Koeff[i], 0) / TermWert(P.Koeff[3], 0)));
    }
    EXPECT_TRUE(EnthaeltZeilen({
        "Aus d = 0 folgt: P(x) hat bei x1 = -2 eine einfache Nullstelle, und bei x2 = 1 eine doppelte "
        "Nullstelle.",
        "Aus d = 0 und s = 0 folgt: P(x) hat bei x1 = 1 eine dreifache Nullstelle.",
        "Normieren ergibt P(x) = x3-8",
        "Anwendung der Formeln von Cardano auf P(x) = x3+a·x2+b·x+c mit a = 0, b = 0 und c = -8.",
        "d := s2-4·t3 = 46656",
        "Duch Abspalten des Linearfaktors erhält man das quadratische Polynom x2+2·x+4 ohne reelle "
        "Nullstellen.",
    }));
}

// ---- The rational root test ----

// The first rational zero in the order of the plain search: q = 1..|a_n|, p = 1..|a_0|, +p/q before -p/q.
TTerm* ErsteRationaleNullstelle(const TPolynom& P) {
    TBruch an, a0;
    BruchVonKonstante(P.Koeff[P.Grad], an);
    BruchVonKonstante(P.Koeff[0], a0);
    for (Int64 q = 1; q <= std::abs(an.Zaehler); ++q)
        for (Int64 p = 1; p <= std::abs(a0.Zaehler); ++p)
            for (Int64 z : {p, -p}) {
                TBruch w;
                if (a0.Zaehler % p != 0 || an.Zaehler % q != 0) continue;
                PWertRational(P, TBruch{z, q}, w);
                if (w.Zaehler == 0) return K(z, q);
            }
    return nullptr;
}

TEST_F(PolynomNullstellen, RatenWieDieSucheUeberAlleKandidaten) {
    std::mt19937 gen(20);
    std::uniform_int_distribution<Int64> zahl(1, 6), nenner(1, 4), grad(1, 3), vorzeichen(0, 1);
    Int32 mitNullstelle = 0;
    for (int n = 0; n < 300; ++n) {
        // Linear factors b*x - a times a factor without rational zeros.
        TPolynom P = PolZ({vorzeichen(gen) + 1, 0, 1});
        for (Int64 k = grad(gen); k > 0; --k)
            PMal(P, PolZ({vorzeichen(gen) ? zahl(gen) : -zahl(gen), nenner(gen)}), P);
        TTerm* r = nullptr;
        NullstelleRaten(P, r, false);
        TTerm* erwartet = ErsteRationaleNullstelle(P);
        ASSERT_EQ(r == nullptr, erwartet == nullptr) << n;
        if (!r) continue;
        ++mitNullstelle;
        EXPECT_TRUE(r->IstGleich(erwartet)) << r->Text << " statt " << erwartet->Text;
    }
    EXPECT_GT(mitNullstelle, 250);
}

TEST_F(PolynomNullstellen, RatenMitGrossenKoeffizienten) {
    // (2x - 1)(x^2 + 10^15 x + 10^15): the candidate 10^15 leaves 128 bits, the search goes on to 1/2.
    const Int64 E = 1'000'000'000'000'000;
    TTerm* r = nullptr;
    NullstelleRaten(PolZ({-E, E, 2 * E - 1, 2}), r, false);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->HatWert(TBruch{1, 2}));
    // (x - (2^63 - 1))(x^2 + 1): the largest numerator there is.
    NullstelleRaten(PolZ({-INT64_MAX, 1, -INT64_MAX, 1}), r, false);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->HatWert(TBruch{INT64_MAX, 1}));
    // -2^63 as the constant and the leading coefficient: +2^63 is no 64-bit numerator.
    NullstelleRaten(PolZ({INT64_MIN, 0, 1, INT64_MIN}), r, false);
    EXPECT_FALSE(r);
    TPolynom P = PolZ({1, 0, 1});
    P.Koeff[1] = KonstantePi();
    EXPECT_THROW(NullstelleRaten(P, r, false), ETermGoToStart);
    // A long search polls the host and ends at an abort.
    Oberflaeche.Host.AbbruchNach = 2;
    EXPECT_THROW(NullstelleRaten(PolZ({735134400, E, 1, 931170240}), r, false), EBenutzerAbbruch);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe, 2);
}

// Zeros whose numerator or denominator has 31 bits and more, whose division steps take 64 bits and more,
// are found like any other: (q*x - p) times a factor without rational zeros has p/q as its only rational
// zero.
TEST_F(PolynomNullstellen, RatenMitLangenZaehlernUndNennern) {
    const Int64 m = 2147483647;
    const std::pair<Int64, Int64> nullstellen[] = {{m, 2}, {1, m}, {-2 * m, 1}, {5 * m, 3}, {-m, 4 * m + 1}};
    for (const auto& [p, q] : nullstellen) {
        for (const TPolynom& rest : {PolZ({1, 0, 1}), PolZ({1, 1, 1}), PolZ({3, 0, 0, 1})}) {
            TPolynom P;
            PMal(PolZ({-p, q}), rest, P);
            TTerm* r = nullptr;
            NullstelleRaten(P, r, false);
            ASSERT_TRUE(r) << p << "/" << q;
            TBruch b{p, q};
            Brueche::Kuerze(b);
            EXPECT_TRUE(r->HatWert(b)) << r->Text << " statt " << p << "/" << q;
        }
    }
}

} // namespace
} // namespace zol
