// General exponentials a^T and roots checked against their values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using ExponentialWurzel = ZolTest;

TTTerm* T(const std::string& text) {
    return static_cast<TTTerm*>(Lies(text));
}

TEST_F(ExponentialWurzel, AbleitungenWieDifferenzenquotient) {
    std::vector<std::string> f;
    for (std::string a : {"2^", "(1/3)^", "10^"})
        for (std::string e : {"x", "(3x-1)", "(x^2)", "(1/x)"}) f.push_back(a + e);
    // root(x^2, 2) = |x| falls at -1.
    for (std::string n : {"2", "3", "4", "5"})
        for (std::string w : {"x", "2x+1", "x^2+1", "x^2", "x^3-x"}) f.push_back("(" + w + ")°" + n);
    for (const std::string& t : f)
        EXPECT_TRUE(IstAbleitung(T(t)->Ableitung(), T(t), {-2.3L, -1, -0.4L, 0.3L, 0.5L, 1.7L, 2.6L}));
}

TEST_F(ExponentialWurzel, StammfunktionenUndBestimmteIntegrale) {
    for (const char* t :
         {"2^x", "(1/3)^(3x-1)", "10^pi", "1^x", "x°2", "(2x+1)°3", "2°4", "x°5", "(x^2)°2"}) {
        TTerm* f = T(t);
        TTerm* F = f->Integral(nullptr, nullptr);
        ASSERT_TRUE(F && Wert(F, 1)) << t;
        EXPECT_TRUE(IstAbleitung(f, F, {0.2L, 1, 2.5L}));
        TTerm* I = f->Integral(K(1, 2), K(3));
        ASSERT_TRUE(I && I->IstKonstant) << t;
        EXPECT_TRUE(Nahe(*Wert(I), *Wert(F, 3) - *Wert(F, 0.5L), 1e-12L)) << t;
        EXPECT_TRUE(Nahe(*Wert(I), *Simpsonsumme(f, 0.5L, 3, 2000), 1e-10L)) << t;
    }
    // The integrand has no value on part of the bounds (the antiderivative has).
    EXPECT_EQ(T("(x-1)°3")->Integral(K(-1), K(2)), nullptr);
    EXPECT_EQ(T("1^(1/x)")->Integral(K(-1), K(1)), nullptr);
}

TEST_F(ExponentialWurzel, GleichungenProbeUndKeineLoesung) {
    // f = c with the number of solutions and the status.
    const std::vector<std::tuple<const char*, const char*, Int32, uint8_t>> faelle = {
        {"2^x", "8", 1, wahr},      {"2^(x^2)", "16", 2, wahr}, {"(1/3)^(3x-1)", "9", 1, wahr},
        {"10^x", "3", 1, wahr},     {"1^x", "1", 0, falsch},    {"1^x", "2", 0, wahr},
        {"2^x", "a", 0, unklar},    {"(x-1)°2", "3", 1, wahr},  {"(x^2+1)°3", "2", 2, wahr},
        {"(2x+1)°4", "0", 1, wahr}, {"x°2", "a", 0, unklar},    {"(x-1)°2", "-2", 0, wahr},
        {"2^x", "-1", 0, wahr},     {"2^x", "0", 0, wahr}};
    auto seite = [](const std::string& zeile) {
        return NeueZeile(), std::ranges::count(Seitentext(), zeile) > 0;
    };
    for (const auto& [text, rechts, anzahl, status] : faelle) {
        InitialisiereAusgabe();
        TTTerm* f = T(text);
        TTerm* c = Lies(rechts);
        TSListe* l = nullptr;
        uint8_t s = 7;
        f->LoeseGleichung(c, MengeR, true, s, l);
        ASSERT_EQ(l->Anzahl, anzahl) << text << " = " << rechts;
        EXPECT_EQ(s, status) << text << " = " << rechts;
        for (Extended x : Werte(l)) EXPECT_TRUE(Nahe(*Wert(f, x), *Wert(c))) << text << " bei " << x;
        EXPECT_EQ(seite("Exponentialfunktionen haben keine Werte <= 0"),
                  IstAllgemeineExponentialFunktion(f) && Wert(c) && *Wert(c) <= 0)
            << text;
    }
    TSListe* l = nullptr;
    uint8_t s = 7;
    T("(3/2)^x")->Nullstellen(MengeR, l, true, s);
    EXPECT_TRUE(seite("Exponentialfunktionen haben keine Nullstellen.") && l->Anzahl == 0 && s == wahr);
    // Definition ranges: the line on every call, and an exact range holds the points where f has a value.
    for (auto [f, zeile] : {std::pair{"x°2", "TWurzel"},
                            {"(2x-1)°3", "TWurzel"},
                            {"2^(1/x)", "TAllgemeineExponentialFunktion"}}) {
        TMenge* D = nullptr;
        T(f)->BestimmeDefinitionsbereich(D, s, false);
        EXPECT_TRUE(seite(std::string(zeile) + ".BestimmeDefinitionsbereich noch nicht implementiert.")) << f;
        for (Int64 z = -4; z <= 4 && s == wahr; ++z)
            EXPECT_EQ(D->Enthaelt(K(z, 2)), Wert(T(f), z / 2.0L).has_value()) << f << z;
    }
}

TEST_F(ExponentialWurzel, WerteDefiniertheitOrdnungSymmetrie) {
    std::vector<TTerm*> terme;
    for (const char* t : {"x°3", "x°2", "(x^2-4)°2", "(x-1)°3", "2^x", "2^(1/x)", "(1/3)^(3x-1)", "(2x+1)°4",
                          "1^x", "1^sqrt(x)", "0°2", "2^x", "2^(x+1)", "(x+1)°2", "sqrt(x)", "sin(x)", "x^2"})
        terme.push_back(Lies(t));
    for (TTerm* t : terme) {
        // Exact substitution has the value, and none where there is none (odd roots of negatives included).
        for (auto [z, n] : {std::pair{-27, 8}, {-2, 1}, {-1, 2}, {0, 1}, {1, 3}, {2, 1}, {27, 8}}) {
            TTerm* e = t->Einsetzen(K(z, n));
            const auto w = Wert(t, Extended(z) / n);
            ASSERT_EQ(e && Wert(e), w.has_value()) << t->Text << " bei " << z << "/" << n;
            EXPECT_TRUE(!w || (e->IstKonstant && Nahe(*Wert(e), *w, 1e-15L))) << t->Text;
        }
        // A decided definedness on an interval agrees with the values there.
        for (auto [a, b] : {std::pair{-1, 1}, {2, 3}, {-3, -2}, {0, 4}, {1, 5}}) {
            const TWahrheitswert d = static_cast<TTTerm*>(t)->IstDefiniertAuf(Iv(K(a), false, K(b), false));
            bool ueberall = true;
            for (int i = 0; i <= 40; ++i) ueberall &= Wert(t, a + (b - a) * i / 40.0L).has_value();
            EXPECT_TRUE(d == unklar || (d == wahr) == ueberall) << t->Text << " auf " << a << ";" << b;
        }
        // A strict order, consistent with equality (root(x, 2) = sqrt(x), two equal nodes 2^x).
        for (TTerm* b : terme) {
            EXPECT_EQ(t->IstKleiner(b) + b->IstKleiner(t) + t->IstGleich(b), 1) << t->Text << " " << b->Text;
            for (TTerm* c : terme)
                EXPECT_TRUE(!t->IstKleiner(b) || !b->IstKleiner(c) || t->IstKleiner(c)) << t->Text << c->Text;
        }
    }
    EXPECT_TRUE(T("2^x")->Einsetzen(K(-2))->HatWert({1, 4}) &&
                T("x°3")->Einsetzen(K(27, 8))->HatWert({3, 2}));
    for (TTerm* t : terme) EXPECT_TRUE(SymmetrieWieWerte(t)) << t->Text;
}

} // namespace
