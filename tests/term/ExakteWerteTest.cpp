#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "steps/Gleichungen.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
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

Wert_t W(TTerm* T, Extended x = 0) {
    bool d = false;
    const Extended w = T ? T->Wert(x, d) : 0;
    return d ? Wert_t(w) : std::nullopt;
}
bool Nahe(Extended a, Extended b, Extended eps = 1e-15L) {
    return std::fabs(a - b) <= eps * (1 + std::fabs(b));
}
bool OhneFunktion(TTerm* T) {
    for (const char* f : {"sin", "cos", "tan", "cot", "arc"})
        if (T->Text.find(f) != std::string::npos) return false;
    return true;
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
            EXPECT_TRUE(Nahe(*W(s), std::sin(a)) && Nahe(*W(c), std::cos(a))) << s->Text << ", " << c->Text;
            EXPECT_TRUE(OhneFunktion(s) && OhneFunktion(c)) << s->Text << ", " << c->Text;
            // The quadrant of the angle taken modulo 2*pi.
            const Extended m = std::fmod(std::fmod(Extended(Z) / N, 2) + 2, 2);
            EXPECT_EQ(Quadrant(r), Int32(std::floor(2 * m)) + 1);
            bool dt = false, dc = false;
            TTerm* t = TangensVonPiVielfachem(r, dt);
            TTerm* k = KotangensVonPiVielfachem(r, dc);
            const bool tanPol = (2 * Z) % N == 0 && ((2 * Z) / N) % 2 != 0, cotPol = Z % N == 0;
            EXPECT_EQ(t == nullptr, tanPol);
            EXPECT_EQ(dt, !tanPol);
            EXPECT_EQ(k == nullptr, cotPol);
            EXPECT_EQ(dc, !cotPol);
            if (t) {
                EXPECT_TRUE(Nahe(*W(t), std::tan(a), 1e-14L) && OhneFunktion(t)) << t->Text;
            }
            if (k) {
                EXPECT_TRUE(Nahe(*W(k), 1 / std::tan(a), 1e-14L) && OhneFunktion(k)) << k->Text;
            }
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
    EXPECT_TRUE(Nahe(*W(SinusVonPiVielfachem({INT64_MAX, 6})), std::sin(Pi * (INT64_MAX % 12) / 6)));
    // A long chain of half angles ends at once: every level of nested roots is rewritten once.
    EXPECT_TRUE(OhneFunktion(SinusVonPiVielfachem({1, Int64(1) << 62})));
}

// Special values in every accepted written form, as a multiple of pi of arcsin (arctan); nan: none.
struct TUmkehrfall {
    const char* Wert;
    Extended Arkussinus, Arkustangens;
};
constexpr Extended Keiner = NAN;
const TUmkehrfall Umkehrfaelle[] = {
    {"0", 0, 0},
    {"1", 0.5L, 0.25L},
    {"1/2", 1 / 6.0L, Keiner},
    {"sqrt(2)/2", 0.25L, Keiner},
    {"(1/2)*sqrt(2)", 0.25L, Keiner},
    {"sqrt(1/2)", 0.25L, Keiner},
    {"1/sqrt(2)", 0.25L, Keiner},
    {"2^(-1/2)", 0.25L, Keiner},
    {"Rad(2,2;0,1/2)", 0.25L, Keiner},
    {"sqrt(3)/2", 1 / 3.0L, Keiner},
    {"sqrt(3/4)", 1 / 3.0L, Keiner},
    {"sqrt(3)", Keiner, 1 / 3.0L},
    {"3^(1/2)", Keiner, 1 / 3.0L},
    {"sqrt(3)/3", Keiner, 1 / 6.0L},
    {"1/sqrt(3)", Keiner, 1 / 6.0L},
    {"sqrt(1/3)", Keiner, 1 / 6.0L},
    {"2", Keiner, Keiner},
};

TEST_F(ExakteWerte, UmkehrfunktionenAnSonderwerten) {
    for (const auto& f : Umkehrfaelle)
        for (const char* vz : {"", "-"}) {
            const std::string text = std::string(vz) + "(" + f.Wert + ")";
            SCOPED_TRACE(text);
            const Extended v = *W(TermAusString(text)), s = *vz ? -1 : 1;
            TTerm* as = ExakterArkussinus(TermAusString(text));
            TTerm* ac = ExakterArkuskosinus(TermAusString(text));
            TTerm* at = ExakterArkustangens(TermAusString(text));
            if (std::fabs(v) > 1) {
                EXPECT_EQ(as, nullptr);
                EXPECT_EQ(ac, nullptr);
            } else {
                ASSERT_TRUE(as && ac);
                EXPECT_EQ(OhneFunktion(as), !std::isnan(f.Arkussinus)) << as->Text;
                EXPECT_EQ(OhneFunktion(ac), !std::isnan(f.Arkussinus)) << ac->Text;
                EXPECT_TRUE(Nahe(*W(as), std::asin(v)) && Nahe(*W(ac), std::acos(v)));
                if (OhneFunktion(as)) {
                    EXPECT_TRUE(Nahe(*W(as), s * f.Arkussinus * Pi));
                }
            }
            EXPECT_EQ(OhneFunktion(at), !std::isnan(f.Arkustangens)) << at->Text;
            EXPECT_TRUE(Nahe(*W(at), std::atan(v)));
        }
}

TEST_F(ExakteWerte, FunktionAnIhrerUmkehrung) {
    TTerm* u = Op(X(), '+', K(1));
    for (const char* f : {"sin", "cos", "tan"}) {
        bool d = false;
        TTerm* T = StandardFunktionTerm(std::string("arc") + f, u);
        TTerm* w = f[0] == 's' ? ExakterSinus(T) : f[0] == 'c' ? ExakterKosinus(T) : ExakterTangens(T, d);
        EXPECT_EQ(w, u) << f;
        T = StandardFunktionTerm(f, u);
        w = f[0] == 's'   ? ExakterArkussinus(T)
            : f[0] == 'c' ? ExakterArkuskosinus(T)
                          : ExakterArkustangens(T);
        EXPECT_EQ(w, u) << f;
    }
    // For constants only where the inverse gives the argument back: arcsin(sin(3)) is pi - 3, not 3.
    for (const char* s :
         {"arcsin(sin(3))", "arccos(cos(-1))", "arctan(tan(2))", "sin(arcsin(2))", "cos(arccos(-3))"}) {
        TTerm* T = TermAusString(s);
        const Wert_t vorher = W(T);
        TTerm* E = Einfach(s);
        EXPECT_EQ(W(E).has_value(), vorher.has_value()) << s << " -> " << E->Text;
        if (vorher) {
            EXPECT_TRUE(Nahe(*W(E), *vorher)) << s << " -> " << E->Text;
        }
    }
}

TEST_F(ExakteWerte, ExponentialUndLogarithmus) {
    const std::vector<std::pair<const char*, const char*>> paare = {
        {"exp(2*ln(3))", "9"},   {"exp(1)", "e"}, {"ln(e)", "1"}, {"exp(ln(5/7))", "5/7"},
        {"ln(exp(3/2))", "3/2"}, {"exp(0)", "1"}, {"ln(1)", "0"}, {"e^(ln(2)/2)", "2^(1/2)"},
    };
    for (const auto& [a, b] : paare)
        EXPECT_TRUE(Einfach(a)->IstGleich(Einfach(b))) << a << " -> " << Einfach(a)->Text;
    EXPECT_EQ(ExakterLogarithmus(Null), nullptr);
    EXPECT_EQ(ExakterLogarithmus(MinusEins), nullptr);
    TTerm* ln9 = ExakterLogarithmus(Pot(K(3), 2));
    EXPECT_TRUE(ln9->IstGleich(Produkt(Zwei, StandardFunktionTerm("ln", Drei)))) << ln9->Text;
    // ln(x^2) = 2*ln(|x|) keeps the negative x; ln(x^3) = 3*ln(x) is undefined there as well.
    for (Int64 z : {2, 3, -2})
        for (Extended x : {-2.5L, 0.75L, 4.0L}) {
            TTerm* L = ExakterLogarithmus(Pot(X(), z));
            const Wert_t soll = x > 0 || z % 2 == 0 ? Wert_t(std::log(std::pow(x, z))) : std::nullopt;
            EXPECT_EQ(W(L, x).has_value(), soll.has_value()) << L->Text << " bei " << double(x);
            if (soll) {
                EXPECT_TRUE(Nahe(*W(L, x), *soll)) << L->Text;
            }
        }
    // exp(2*ln(-3)) has no value and keeps it.
    EXPECT_FALSE(W(Einfach("exp(2*ln(-3))")).has_value());
}

TEST_F(ExakteWerte, BetragNachDemVorzeichen) {
    for (const char* s : {"-3", "pi-4", "pi-3", "e-3", "0", "sqrt(2)-3/2", "-pi", "pi", "e"}) {
        TTerm* T = TermAusString(s);
        TTerm* B = ExakterBetrag(T);
        EXPECT_FALSE(IstStandardFunktion(B, "abs")) << s;
        EXPECT_TRUE(Nahe(*W(B), std::fabs(*W(T)))) << s << " -> " << B->Text;
    }
    EXPECT_TRUE(IstStandardFunktion(ExakterBetrag(TermAusString("sqrt(-4)")), "abs"));
    try {
        for (const char* s : {"x^2+1", "-x^2-1", "x^3", "x^2-1", "x-5"}) {
            TTerm* T = TermAusString(s);
            TTerm* B = ExakterBetrag(T);
            for (Extended x : {-3.5L, -1.0L, 0.25L, 2.0L, 7.0L})
                EXPECT_TRUE(Nahe(*W(B, x), std::fabs(*W(T, x)))) << s << " -> " << B->Text;
        }
    } catch (const ENochNichtGebaut& e) {
        GTEST_SKIP() << "Polynome brauchen " << e.Meldung;
    }
}

TEST_F(ExakteWerte, VorzeichenVonKonstanten) {
    struct TFall {
        const char* T;
        TWahrheitswert U, N;
    };
    for (const TFall& f : {TFall{"pi", wahr, wahr},
                           {"e", wahr, wahr},
                           {"-3", wahr, falsch},
                           {"0", falsch, wahr},
                           {"sqrt(-4)", unklar, unklar},
                           {"2-sqrt(3)", wahr, wahr},
                           {"1-pi", wahr, falsch}}) {
        TWahrheitswert U = unklar, N = unklar;
        UntersucheVorzeichen(TermAusString(f.T), IntervallR, U, N);
        EXPECT_EQ(U, f.U) << f.T;
        EXPECT_EQ(N, f.N) << f.T;
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
            EXPECT_TRUE(Nahe(std::pow(*W(w), n), q, 1e-14L)) << w->Text;
            // Rational exactly when numerator and denominator are perfect n-th powers.
            auto perfekt = [n](Int64 m) {
                const Int64 a = std::llround(std::pow(std::fabs(Extended(m)), 1.0L / n));
                return std::fabs(std::pow(Extended(a), n) - std::fabs(Extended(m))) < 0.5L;
            };
            EXPECT_EQ(IstRationaleKonstante(w), perfekt(r.Zaehler) && perfekt(r.Nenner)) << w->Text;
        }
    // Beyond the radicals' index the root node of the constant.
    EXPECT_TRUE(IstWurzel(WurzelAusRationalerZahl(BruchEinHalb, 22)));
    try {
        WurzelAusRationalerZahl({5, 2305843009213693951LL}, 2);
        ADD_FAILURE();
    } catch (const ENichtExistenz& e) {
        EXPECT_EQ(e.Meldung, "Überlauf in Wurzelberechnung");
    }
}

TEST_F(ExakteWerte, ZieheWurzelAusPotenzen) {
    const TBruch exponenten[] = {{2, 1}, {3, 1}, {4, 1}, {-2, 1}, {6, 1}, {2, 3}, {4, 3}, {1, 2}, {-4, 5}};
    for (const TBruch& e : exponenten)
        for (Int32 n : {2, 3, 4}) {
            TTerm* P = Pot(X(), e.Zaehler, e.Nenner);
            TTerm* R = ZieheWurzel(P, n);
            for (Extended x : {-2.5L, -1.0L, 0.5L, 3.0L}) {
                const Wert_t p = W(P, x);
                if (!p || *p < 0) continue;
                ASSERT_TRUE(W(R, x)) << R->Text << " bei " << double(x);
                EXPECT_TRUE(Nahe(*W(R, x), std::pow(*p, 1.0L / n))) << R->Text << " bei " << double(x);
            }
        }
    // An index below 1 gives nil; nested roots keep their nesting where the index product leaves 32 bits.
    for (TTerm* T : {X(), Pot(X(), 2), K(4), WurzelTerm(X(), 2)}) EXPECT_EQ(ZieheWurzel(T, 0), nullptr);
    TTerm* innen = WurzelTerm(X(), 1 << 20);
    EXPECT_EQ(ZieheWurzel(innen, 1 << 12), WurzelTerm(innen, 1 << 12));
    EXPECT_EQ(ZieheWurzel(innen, 4), WurzelTerm(X(), 1 << 22));
}

TEST_F(ExakteWerte, WurzelknotenWertGleichheitErsetzen) {
    TTerm* w3 = WurzelTerm(X(), 3);
    EXPECT_FALSE(W(w3, -8));
    EXPECT_TRUE(Nahe(*W(w3, 8), 2));
    EXPECT_EQ(w3->Einsetzen(K(27)), Drei);
    EXPECT_EQ(WurzelTerm(X(), 2)->Einsetzen(K(-4)), nullptr);
    // A radicand without a real root keeps its node, which has no value.
    TTerm* r = WurzelTerm(X(), 2)->Ersetze(VariableX, K(-4));
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(W(r));
    std::vector<TTerm*> terme = {w3, WurzelTerm(X(), 2), WurzelTerm(K(2), 2),
                                 WurzelTerm(Op(X(), '+', K(1)), 3), X()};
    for (TTerm* a : terme)
        for (TTerm* b : terme)
            EXPECT_EQ(a->IstKleiner(b) + b->IstKleiner(a) + a->IstGleich(b), 1) << a->Text << b->Text;
}

TEST_F(ExakteWerte, KonstantenOhneWertBleibenOhneWert) {
    for (const char* s : {"tan(pi/2)+1", "ln(0)", "sqrt(-4)", "arcsin(2)", "(-8)^(1/2)", "2*ln(-1)",
                          "cot(0)+1", "(-4)°2", "tan(3*pi/2)"})
        EXPECT_FALSE(W(Einfach(s))) << s << " -> " << Einfach(s)->Text;
    for (const auto& [s, v] : std::vector<std::pair<const char*, const char*>>{{"sin(pi/6)+cos(pi/3)", "1"},
                                                                               {"tan(pi/4)*cot(pi/4)", "1"},
                                                                               {"sin(7*pi/6)", "-1/2"},
                                                                               {"cos(-pi/3)", "1/2"},
                                                                               {"arccos(1/2)", "pi/3"},
                                                                               {"tan(-pi/3)^2", "3"},
                                                                               {"tan(arctan(2)+3*pi)", "2"},
                                                                               {"cos(1+pi)+cos(1)", "0"}})
        EXPECT_TRUE(Einfach(s)->IstGleich(Einfach(v))) << s << " -> " << Einfach(s)->Text;
}

} // namespace
