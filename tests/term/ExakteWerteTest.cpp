#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "steps/Gleichungen.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Arbeit.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using ExakteWerte = ZolTest;
using Wert_t = std::optional<Extended>;
constexpr Extended Pi = std::numbers::pi_v<Extended>;

bool Nahe(Extended a, Extended b, Extended eps = 1e-15L) {
    return std::fabs(a - b) <= eps * (1 + std::fabs(b));
}
bool OhneFunktion(TTerm* T) {
    for (const char* f : {"sin", "cos", "tan", "cot", "arc"})
        if (T->Text.find(f) != std::string::npos) return false;
    return true;
}
TIntervall* Iv(Int64 a, Int64 b, bool offen = false) {
    return Neu<TIntervall>(TRand{K(a), offen}, TRand{K(b), false});
}
TTerm* Einfach(const std::string& s) {
    TTerm* T = TermAusString(s);
    VereinfacheKonstantenTerm(T);
    return T;
}

TEST_F(ExakteWerte, PiVielfacheGegenLongDouble) {
    for (Int64 N : {1, 2, 3, 4, 6, 8, 12, 16, 24})
        for (Int64 Z = -2 * N; Z <= 2 * N; ++Z) {
            SCOPED_TRACE(std::to_string(Z) + "/" + std::to_string(N));
            const TBruch r{Z, N};
            const Extended a = Z * Pi / N;
            TTerm* s = SinusVonPiVielfachem(r);
            TTerm* c = KosinusVonPiVielfachem(r);
            EXPECT_TRUE(Nahe(*Wert(s), std::sin(a)) && Nahe(*Wert(c), std::cos(a)))
                << s->Text << ", " << c->Text;
            EXPECT_TRUE(OhneFunktion(s) && OhneFunktion(c)) << s->Text << ", " << c->Text;
            // The quadrant of the angle taken modulo 2*pi.
            const Extended m = std::fmod(std::fmod(Extended(Z) / N, 2) + 2, 2);
            EXPECT_EQ(Quadrant(r), Int32(std::floor(2 * m)) + 1);
            bool dt = false, dc = false;
            TTerm* t = TangensVonPiVielfachem(r, dt);
            TTerm* k = KotangensVonPiVielfachem(r, dc);
            const bool tanPol = (2 * Z) % N == 0 && ((2 * Z) / N) % 2 != 0, cotPol = Z % N == 0;
            EXPECT_TRUE((t == nullptr) == tanPol && dt != tanPol && (k == nullptr) == cotPol && dc != cotPol);
            EXPECT_TRUE(tanPol || (Nahe(*Wert(t), std::tan(a), 1e-14L) && OhneFunktion(t))) << t->Text;
            EXPECT_TRUE(cotPol || (Nahe(*Wert(k), 1 / std::tan(a), 1e-14L) && OhneFunktion(k))) << k->Text;
        }
}

TEST_F(ExakteWerte, OhneExaktenWertBleibtDerKnoten) {
    bool d = false;
    // The node at the r given, also for an even denominator whose half angle has no exact value; any 64-bit
    // fraction.
    const std::vector<std::pair<TTerm*, const char*>> faelle = {
        {TangensVonPiVielfachem({-1, 5}, d), "tan(((-1/5)*pi))"},
        {KotangensVonPiVielfachem({1, 5}, d), "cot(((1/5)*pi))"},
        {SinusVonPiVielfachem({6, 14}), "sin(((3/7)*pi))"},
        {KosinusVonPiVielfachem({3, 20}), "cos(((3/20)*pi))"},
        {KosinusVonPiVielfachem({INT64_MAX, INT64_MAX - 2}), nullptr},
        {KotangensVonPiVielfachem({INT64_MIN + 1, INT64_MAX - 1}, d), nullptr},
    };
    for (const auto& [ist, soll] : faelle) {
        ASSERT_NE(ist, nullptr);
        EXPECT_TRUE(IstStandardFunktion(ist) && (!soll || ist->Text == soll)) << ist->Text;
    }
    // Huge numerators keep their residues: INT64_MAX is odd, INT64_MIN even.
    EXPECT_TRUE(KosinusVonPiVielfachem({INT64_MAX, 1})->HatWert(BruchMinusEins));
    EXPECT_TRUE(KosinusVonPiVielfachem({INT64_MIN, 1})->HatWert(BruchEins));
    EXPECT_EQ(TangensVonPiVielfachem({INT64_MAX, 2}, d), nullptr);
    // A long chain of half angles ends at once: every level of nested roots is rewritten once.
    EXPECT_TRUE(OhneFunktion(SinusVonPiVielfachem({1, Int64(1) << 62})));
}

// The special values of arcsin and of arctan in every accepted written form.
const std::vector<const char*> SinusWerte = {
    "0",         "1",         "1/2",      "sqrt(2)/2",      "(1/2)*sqrt(2)",
    "sqrt(1/2)", "1/sqrt(2)", "2^(-1/2)", "Rad(2,2;0,1/2)", "sqrt(3)/2",
    "sqrt(3/4)"};
const std::vector<const char*> TangensWerte = {"0",         "1",         "sqrt(3)",  "3^(1/2)",
                                               "sqrt(3)/3", "1/sqrt(3)", "sqrt(1/3)"};

TEST_F(ExakteWerte, UmkehrfunktionenAnSonderwerten) {
    std::vector<const char*> alle = SinusWerte;
    alle.insert(alle.end(), {"sqrt(3)", "sqrt(3)/3", "2", "1/3"});
    auto enthaelt = [](const std::vector<const char*>& l, const char* w) {
        return std::find(l.begin(), l.end(), std::string(w)) != l.end();
    };
    for (const char* w : alle)
        for (const char* vz : {"", "-"}) {
            const std::string text = std::string(vz) + "(" + w + ")";
            SCOPED_TRACE(text);
            const Extended v = *Wert(TermAusString(text));
            TTerm* as = ExakterArkussinus(TermAusString(text));
            TTerm* ac = ExakterArkuskosinus(TermAusString(text));
            TTerm* at = ExakterArkustangens(TermAusString(text));
            EXPECT_EQ(OhneFunktion(at), enthaelt(TangensWerte, w)) << at->Text;
            EXPECT_TRUE(Nahe(*Wert(at), std::atan(v)));
            if (std::fabs(v) > 1) {
                EXPECT_TRUE(as == nullptr && ac == nullptr);
                continue;
            }
            ASSERT_TRUE(as && ac);
            EXPECT_TRUE(OhneFunktion(as) == enthaelt(SinusWerte, w) && OhneFunktion(ac) == OhneFunktion(as))
                << as->Text << ", " << ac->Text;
            EXPECT_TRUE(Nahe(*Wert(as), std::asin(v)) && Nahe(*Wert(ac), std::acos(v)));
        }
}

// Asked again and again for the same constant (as a search that puts the constant back into arccos(x) for
// every candidate does), the exact inverses give the same term with the same steps of work from the third
// time on as the second time; in the next request, whose terms are new, they give the right values again.
TEST_F(ExakteWerte, UmkehrfunktionenWiederholtMitIhrenSchritten) {
    TTerm* (*const funktionen[])(TTerm*) = {ExakterArkussinus, ExakterArkuskosinus, ExakterArkustangens};
    Extended (*const werte[])(Extended) = {std::asin, std::acos, std::atan};
    for (int anfrage = 0; anfrage < 2; ++anfrage) {
        for (const char* text : {"1/2", "-(sqrt(3)/2)", "(sqrt(3)-1)/2", "sqrt(2)/3+1/5", "2", "1/3"}) {
            TTerm* c = TermAusString(text);
            const Extended v = *Wert(c);
            for (int f = 0; f < 3; ++f) {
                SCOPED_TRACE(std::string(text) + " " + std::to_string(f));
                std::vector<TTerm*> ergebnisse;
                std::vector<Int64> schritte;
                for (int mal = 0; mal < 4; ++mal) {
                    const Int64 anfang = Arbeitsschritte();
                    ergebnisse.push_back(funktionen[f](c));
                    schritte.push_back(Arbeitsschritte() - anfang);
                }
                EXPECT_TRUE(std::all_of(ergebnisse.begin(), ergebnisse.end(),
                                        [&](TTerm* e) { return e == ergebnisse[0]; }));
                EXPECT_TRUE(schritte[2] == schritte[1] && schritte[3] == schritte[1] &&
                            (schritte[1] > 0 || !ergebnisse[0]));
                if (std::fabs(v) > 1 && f < 2)
                    EXPECT_EQ(ergebnisse[0], nullptr);
                else
                    EXPECT_TRUE(ergebnisse[0] && Nahe(*Wert(ergebnisse[0]), werte[f](v)));
            }
        }
        AlleTermeFreigeben();
    }
}

// sin, cos and tan of a whole multiple of arcsin, arccos or arctan of a constant are written without the
// functions (sin(arccos(c)) = sqrt(1 - c^2), sin(2*arccos(c)) = 2*c*sqrt(1 - c^2), ...), with the value of
// the term as given, its sign included; outside [-1; 1] arcsin and arccos have no value and nothing is
// written.
TEST_F(ExakteWerte, TrigonometrieVonVielfachenDerUmkehrfunktionen) {
    const std::vector<const char*> konstanten = {"1/3",           "-2/7",         "(sqrt(3)-1)/2",
                                                 "(sqrt(5)-1)/2", "-(sqrt(2)/3)", "sqrt(2)/3+1/5",
                                                 "4/5",           "5/2",          "-sqrt(7)"};
    Extended (*const umkehr[])(Extended) = {std::asin, std::acos, std::atan};
    Extended (*const trig[])(Extended) = {std::sin, std::cos, std::tan};
    const char* umkehrname[] = {"arcsin", "arccos", "arctan"};
    const char* trigname[] = {"sin", "cos", "tan"};
    for (const char* c : konstanten)
        for (int u = 0; u < 3; ++u)
            for (int k : {1, 2, 3, -1, -2, 4, 6})
                for (int t = 0; t < 3; ++t) {
                    const std::string text = std::string(trigname[t]) + "(" + std::to_string(k) + "*" +
                                             umkehrname[u] + "(" + c + "))";
                    SCOPED_TRACE(text);
                    const Extended w = *Wert(TermAusString(c));
                    TTerm* T = Einfach(text);
                    if (u < 2 && std::fabs(w) > 1) {
                        EXPECT_FALSE(Wert(T).has_value()) << T->Text;
                        continue;
                    }
                    const Extended soll = trig[t](k * umkehr[u](w));
                    if (std::fabs(soll) > 1e6L) continue; // tan near a pole
                    ASSERT_TRUE(Wert(T).has_value()) << T->Text;
                    EXPECT_TRUE(Nahe(*Wert(T), soll, 1e-12L)) << T->Text;
                    EXPECT_TRUE(OhneFunktion(T)) << T->Text;
                }
    // A long constant stays in its node, and so does one whose power written out grows long: the page would
    // show far more than the node.
    for (const char* text : {"sin(6*arctan(sqrt(2)+sqrt(3)+sqrt(5)+sqrt(7)+sqrt(11)))",
                             "cos(5*arcsin(sqrt(2)/7+sqrt(3)/11+sqrt(5)/13+sqrt(7)/17))",
                             "tan(6*arccos(2^(1/3)/3+3^(1/5)/7))"}) {
        SCOPED_TRACE(text);
        TTerm* T = Einfach(text);
        EXPECT_LE(T->Knotenzahl, TermAusString(text)->Knotenzahl) << T->Text;
        EXPECT_TRUE(Nahe(*Wert(T), *Wert(TermAusString(text)), 1e-12L)) << T->Text;
    }
}

// Signs on an interval against sampled values; abs(T) is T or -T where the sign on R is known.
TEST_F(ExakteWerte, VorzeichenUndBetrag) {
    struct TFall {
        const char* T;
        TIntervall* M;
        TWahrheitswert U, N;
    };
    TIntervall* R = IntervallR;
    const TFall faelle[] = {{"pi", R, wahr, wahr},           {"e", R, wahr, wahr},
                            {"-3", R, wahr, falsch},         {"0", R, falsch, wahr},
                            {"sqrt(-4)", R, unklar, unklar}, {"2-sqrt(3)", R, wahr, wahr},
                            {"1-pi", R, wahr, falsch},       {"x^2+1", R, wahr, wahr},
                            {"-x^2-1", R, wahr, falsch},     {"x^2-1", Iv(-2, 2), falsch, falsch},
                            {"x^2-1", Iv(2, 3), wahr, wahr}, {"x^2-1", Iv(1, 3, true), wahr, wahr},
                            {"x^3", R, falsch, falsch},      {"x-5", Iv(0, 4), wahr, falsch},
                            {"x^2", R, falsch, wahr}};
    for (const TFall& f : faelle) {
        TTerm* T = TermAusString(f.T);
        TWahrheitswert U = unklar, N = unklar;
        UntersucheVorzeichen(T, f.M, U, N);
        EXPECT_EQ(U, f.U) << f.T;
        EXPECT_EQ(N, f.N) << f.T;
        if (f.M != R || !Wert(T, 0.5L)) continue;
        TTerm* B = ExakterBetrag(T);
        EXPECT_TRUE(!T->IstKonstant || !IstStandardFunktion(B, "abs")) << f.T;
        for (Extended x : {-3.5L, -1.0L, 0.25L, 2.0L, 7.0L})
            EXPECT_TRUE(Nahe(*Wert(B, x), std::fabs(*Wert(T, x)))) << f.T;
    }
}

TEST_F(ExakteWerte, WurzelnRationalerZahlen) {
    const TBruch zahlen[] = {{2, 1},          {8, 1},  {9, 4},    {1, 2},  {1, 4},   {4, 1},
                             {27, 8},         {-8, 1}, {-27, 64}, {12, 1}, {72, 25}, {1024, 1},
                             {3486784401, 1}, {1, 3},  {7, 1000}, {-5, 3}};
    for (const TBruch& r : zahlen)
        for (Int32 n = 1; n <= 16; ++n) {
            SCOPED_TRACE(Brueche::BruchToStr(r) + " Grad " + std::to_string(n));
            TTerm* w = WurzelAusRationalerZahl(r, n);
            if (r.Zaehler < 0 && n % 2 == 0) {
                EXPECT_EQ(w, nullptr);
                continue;
            }
            const Extended q = Extended(r.Zaehler) / r.Nenner;
            EXPECT_TRUE(Nahe(std::pow(*Wert(w), n), q, 1e-14L)) << w->Text;
            // Rational exactly when numerator and denominator are perfect n-th powers.
            auto perfekt = [n](Int64 m) {
                const Int64 a = std::llround(std::pow(std::fabs(Extended(m)), 1.0L / n));
                return std::fabs(std::pow(Extended(a), n) - std::fabs(Extended(m))) < 0.5L;
            };
            EXPECT_EQ(IstRationaleKonstante(w), perfekt(r.Zaehler) && perfekt(r.Nenner)) << w->Text;
        }
    // Beyond the radicals' index the root node of the constant; no root of index 0.
    EXPECT_TRUE(IstWurzel(WurzelAusRationalerZahl(BruchEinHalb, 22)));
    EXPECT_EQ(WurzelAusRationalerZahl({4, 1}, 0), nullptr);
    try {
        WurzelAusRationalerZahl({5, 2305843009213693951LL}, 2);
        ADD_FAILURE();
    } catch (const ENichtExistenz& e) {
        EXPECT_EQ(e.Meldung, "Überlauf in Wurzelberechnung");
    }
}

// a mod p in [0, p).
uint64_t Rest(Int64 a, uint64_t p) {
    const Int64 r = a % Int64(p);
    return uint64_t(r < 0 ? r + Int64(p) : r);
}

uint64_t HochMod(uint64_t b, Int64 e, uint64_t p) {
    unsigned __int128 r = 1;
    for (Int64 i = 0; i < e; ++i) r = r * b % p;
    return uint64_t(r);
}

// The root w = c * R^(g/n) of r, raised to the n-th power, is r: c^n * R^g * den(r) = num(r) * den(c)^n
// modulo three primes (exact up to a chance of 2^-150), and in value.
::testing::AssertionResult IstNteWurzel(TTerm* w, const TBruch& r, Int32 n) {
    if (!w) return ::testing::AssertionFailure() << "keine Wurzel";
    TBruch c;
    Int64 R = 1, g = 0;
    if (auto* k = AlsRationaleKonstante(w)) {
        c = k->Bruch;
    } else if (auto* rad = AlsRadikalKonstante(w)) {
        const TRadikal& x = rad->Radikal;
        g = x.Polynom.Grad;
        for (Int32 i = 0; i < g; ++i)
            if (!x.Polynom.Koeff[i]->IstNull())
                return ::testing::AssertionFailure() << "mehrgliedrig " << w->Text;
        BruchVonKonstante(x.Polynom.Koeff[g], c);
        R = x.Radikand;
        if (x.Wurzelexponent != n && g != 0) return ::testing::AssertionFailure() << "Index " << w->Text;
    } else {
        return ::testing::AssertionFailure() << "keine Konstante " << w->Text;
    }
    for (uint64_t p : {uint64_t(2305843009213693951ULL), uint64_t(1000000007), uint64_t(998244353)}) {
        const unsigned __int128 links = (unsigned __int128)HochMod(Rest(c.Zaehler, p), n, p) *
                                        HochMod(Rest(R, p), g, p) % p * Rest(r.Nenner, p) % p;
        const unsigned __int128 rechts =
            (unsigned __int128)Rest(r.Zaehler, p) * HochMod(Rest(c.Nenner, p), n, p) % p;
        if (links != rechts)
            return ::testing::AssertionFailure() << w->Text << " hoch " << n << " modulo " << p;
    }
    bool d = true;
    const Extended v = std::pow(w->Wert(0, d), Extended(n)), soll = Extended(r.Zaehler) / Extended(r.Nenner);
    if (!d || std::fabs(v - soll) > 1e-12L * std::fabs(soll))
        return ::testing::AssertionFailure() << w->Text << " hoch " << n << " = " << double(v);
    return ::testing::AssertionSuccess();
}

// Roots whose first way of writing c * R^(g/n) needs a radicand beyond 64 bits, while another degree g
// fits: the root is found, and raised to the n-th power it is the radicand. Where no way fits, the overflow.
TEST_F(ExakteWerte, WurzelnMitGrossemRadikanden) {
    const Int64 q = 100000000000000003, t = 1000000000039, u = 1000000000000037;
    const std::pair<TBruch, Int32> faelle[] = {
        {{1, 4 * q}, 3}, {{-1, 4 * q}, 3}, {{2, q}, 3},     {{-2, t}, 3},    {{3, u}, 4},     {{4, q}, 4},
        {{125, t}, 6},   {{9, t}, 5},      {{8, 9 * t}, 3}, {{5, 2 * u}, 5}, {{1, 8 * q}, 3}, {{7, 3}, 15}};
    for (const auto& [r, n] : faelle) {
        TTerm* w = nullptr;
        ASSERT_NO_THROW(w = WurzelAusRationalerZahl(r, n)) << Brueche::BruchToStr(r) << " " << n;
        EXPECT_TRUE(IstNteWurzel(w, r, n)) << Brueche::BruchToStr(r) << " " << n;
    }
    for (const auto& [r, n] :
         {std::pair{TBruch{5, 2305843009213693951LL}, 2}, {TBruch{3, 2305843009213693951LL}, 3}}) {
        try {
            WurzelAusRationalerZahl(r, n);
            ADD_FAILURE() << Brueche::BruchToStr(r) << " " << n;
        } catch (const ENichtExistenz& e) {
            EXPECT_EQ(e.Meldung, "Überlauf in Wurzelberechnung");
        }
    }
}

TEST_F(ExakteWerte, ZieheWurzelAusPotenzen) {
    const TBruch exponenten[] = {{2, 1}, {3, 1}, {4, 1}, {-2, 1}, {6, 1}, {2, 3}, {4, 3}, {1, 2}, {-4, 5}};
    for (const TBruch& e : exponenten)
        for (Int32 n : {2, 3, 4}) {
            TTerm* P = Pot(X(), e.Zaehler, e.Nenner);
            TTerm* R = ZieheWurzel(P, n);
            for (Extended x : {-2.5L, -1.0L, 0.5L, 3.0L}) {
                const Wert_t p = Wert(P, x);
                if (!p || *p < 0) continue;
                ASSERT_TRUE(Wert(R, x)) << R->Text << " bei " << double(x);
                EXPECT_TRUE(Nahe(*Wert(R, x), std::pow(*p, 1.0L / n))) << R->Text << " bei " << double(x);
            }
        }
    // An index below 1 gives nil; nested roots keep their nesting where the index product leaves 32 bits.
    for (TTerm* T : {X(), Pot(X(), 2), K(4), WurzelTerm(X(), 2)}) EXPECT_EQ(ZieheWurzel(T, 0), nullptr);
    TTerm* innen = WurzelTerm(X(), 1 << 20);
    EXPECT_EQ(ZieheWurzel(innen, 1 << 12), WurzelTerm(innen, 1 << 12));
    EXPECT_EQ(ZieheWurzel(innen, 4), WurzelTerm(X(), 1 << 22));
}

// A radicand without a real root keeps its node, which has no value (values, substitution and order of root
// nodes are checked with the general exponentials).
TEST_F(ExakteWerte, WurzelknotenOhneReelleWurzel) {
    TTerm* r = WurzelTerm(X(), 2)->Ersetze(VariableX, K(-4));
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(Wert(r));
}

// Simplified constants keep their value (or stay without one); where they reach an exact value, it is the one
// given. The inverse gives the argument back only where it is the principal value (not 3 for arcsin(sin(3))).
TEST_F(ExakteWerte, KonstantenBehaltenIhrenWert) {
    // "term" or "term=exact value", separated by "; ".
    std::stringstream faelle(
        "tan(pi/2)+1; ln(0); sqrt(-4); arcsin(2); (-8)^(1/2); 2*ln(-1); "
        "cot(0)+1; (-4)°2; tan(3*pi/2); exp(2*ln(-3)); sin(arcsin(2)); arcsin(sin(3)); "
        "arccos(cos(-1)); arctan(tan(2)); cos(arccos(-3)); sin(pi/6)+cos(pi/3)=1; "
        "tan(pi/4)*cot(pi/4)=1; sin(7*pi/6)=-1/2; cos(-pi/3)=1/2; arccos(1/2)=pi/3; "
        "tan(-pi/3)^2=3; tan(arctan(2)+3*pi)=2; cos(1+pi)+cos(1)=0; exp(2*ln(3))=9; exp(1)=e; "
        "ln(e)=1; exp(ln(5/7))=5/7; ln(exp(3/2))=3/2; e^(ln(2)/2)=2^(1/2); arcsin(sin(1))=1");
    for (std::string fall; std::getline(faelle, fall, ';');) {
        fall.erase(0, fall.find_first_not_of(' '));
        const std::string s = fall.substr(0, fall.find('=')), soll = fall.substr(s.size());
        const Wert_t vorher = Wert(TermAusString(s));
        TTerm* E = Einfach(s);
        EXPECT_EQ(Wert(E).has_value(), vorher.has_value()) << s << " -> " << E->Text;
        if (vorher) {
            EXPECT_TRUE(Nahe(*Wert(E), *vorher)) << s << " -> " << E->Text;
        }
        if (!soll.empty()) {
            EXPECT_TRUE(E->IstGleich(Einfach(soll.substr(1)))) << s << " -> " << E->Text;
        }
    }
    EXPECT_EQ(ExakterLogarithmus(Null), nullptr);
    EXPECT_EQ(ExakterLogarithmus(MinusEins), nullptr);
    EXPECT_EQ(ExakterLogarithmus(Pot(K(3), 2)), Produkt(Zwei, StandardFunktionTerm("ln", Drei)));
    // sin(arcsin(u)) = u for a non-constant u; arcsin(sin(u)) = u holds only for |u| <= pi/2 (likewise
    // arccos(cos(u)), arctan(tan(u))), so these stay.
    TTerm* u = Op(X(), '+', K(1));
    EXPECT_EQ(ExakterSinus(StandardFunktionTerm("arcsin", u)), u);
    EXPECT_NE(ExakterArkussinus(StandardFunktionTerm("sin", u)), u);
    EXPECT_NE(ExakterArkuskosinus(StandardFunktionTerm("cos", u)), u);
    EXPECT_NE(ExakterArkustangens(StandardFunktionTerm("tan", u)), u);
    // ln(w^q) simplified keeps the input's values and range on both signs of w: ln|w| for an even integer q
    // (no bars where w has one sign), ln(w) for an odd or a fractional q, whose power has no value at w < 0.
    const std::pair<const char*, bool> logarithmen[] = {
        {"ln(x^2)", true},      {"ln(x^(-2))", true},   {"ln((x-1)^4)", true},   {"ln(x^3)", false},
        {"ln(x^(2/3))", false}, {"ln(x^(4/3))", false}, {"ln((x^2+1)^2)", false}};
    for (auto [text, betrag] : logarithmen) {
        TTerm* L = TermAusString(text);
        VereinfacheTerm(L);
        EXPECT_EQ(L->Text.find("abs") != std::string::npos, betrag) << text << " -> " << L->Text;
        for (Extended x : {-2.5L, -0.4L, 0.75L, 1.6L, 4.0L}) {
            const Wert_t soll = Wert(TermAusString(text), x), ist = Wert(L, x);
            EXPECT_EQ(ist.has_value(), soll.has_value()) << L->Text << " bei " << double(x);
            if (ist && soll) {
                EXPECT_TRUE(Nahe(*ist, *soll, 1e-12L)) << L->Text << " bei " << double(x);
            }
        }
    }
}

} // namespace
