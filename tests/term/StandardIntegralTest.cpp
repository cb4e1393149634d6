#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "output/Ausgabe.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using StandardIntegral = ZolTest;
const auto Sf = [](const char* name, const char* u) { return StandardFunktionTerm(name, Lies(u)); };

// The page as text, the open line included.
std::string Seite() {
    std::string text;
    for (const auto& z : Seitentext()) text += z + "\n";
    return text + AktuelleZeile->Klartext();
}

TEST_F(StandardIntegral, StammfunktionenAbgeleitetUndBestimmteIntegrale) {
    auto pruefe = [](TTerm* f, TTerm* a, TTerm* b) {
        TTerm* F = f->Integral(nullptr, nullptr);
        ASSERT_NE(F, nullptr) << f->Text;
        int geprueft = 0;
        for (Extended x : {-3.3L, -0.45L, -0.1L, 0.3L, 0.7L, 1.8L, 2.5L, 3.1L, 4.6L, 5.5L}) {
            auto w = Wert(f, x), d = Differenzenquotient(F, x);
            if (w && d) {
                EXPECT_TRUE(++geprueft && Nahe(*d, *w, 1e-6L)) << F->Text << " bei " << x;
            }
        }
        EXPECT_GE(geprueft, 2) << F->Text;
        if (!a) return;
        const Extended wa = *Wert(a), wb = *Wert(b), soll = *Simpsonsumme(f, wa, wb);
        EXPECT_TRUE(Nahe(Wert(f->Integral(a, b)).value_or(NAN), soll, 1e-9L)) << f->Text << " " << wa;
        EXPECT_TRUE(!Wert(F, wa) || !Wert(F, wb) || Nahe(*Wert(F, wb) - *Wert(F, wa), soll, 1e-9L));
    };
    for (const char* name :
         {"abs", "sin", "cos", "tan", "cot", "exp", "ln", "sqrt", "arcsin", "arccos", "arctan"})
        for (const char* u : {"x", "3x+1", "2-x/2", "1/2"}) pruefe(Sf(name, u), nullptr, nullptr);
    // The square root of a quadratic in each sign case; a bound on the other branch takes that branch.
    // clang-format off
    const std::tuple<const char*, const char*, TTerm*, TTerm*> bestimmt[] = {
        {"sin", "3x+1", Null, Zwei}, {"abs", "x-2", Null, Drei}, {"tan", "x", MinusEins, Eins},
        {"cot", "2-x/2", Eins, Drei}, {"arccos", "3x+1", K(-1, 2), K(-1, 10)}, {"exp", "1/2", Null, Zwei},
        {"sqrt", "x^2+1", Null, Zwei}, {"sqrt", "x^2+2x+5", K(-3), Eins}, {"sqrt", "x^2", K(-1), Zwei},
        {"sqrt", "4x^2+4x+1", K(-3), Zwei}, {"sqrt", "x^2-4", K(5, 2), Drei}, {"sqrt", "x^2-4", K(-3), K(-5, 2)},
        {"sqrt", "4x^2-4x-3", K(-3), K(-1)}, {"sqrt", "4-x^2", MinusEins, Eins}, {"sqrt", "-2x^2+2x+1", Null, Eins}};
    // clang-format on
    for (const auto& [name, u, a, b] : bestimmt) pruefe(Sf(name, u), a, b);
}

TEST_F(StandardIntegral, NichtDefinierteIntegrandenUndKommentare) {
    const std::tuple<const char*, const char*, TTerm*, TTerm*, std::string> fehler[] = {
        {"sqrt", "-x^2+4", K(-3), Eins, "Integrand nicht auf dem ganzen Intervall [-3;1] definiert."},
        {"sqrt", "x^2-4", Eins, Drei, "Integrand nicht auf dem ganzen Intervall [1;3] definiert."},
        {"sqrt", "-x^2", MinusEins, Eins, "Integrand nicht auf dem ganzen Intervall [-1;1] definiert."},
        {"sqrt", "-x^2-1", nullptr, nullptr, "Integrand auf keinem echten Intervall definiert."},
        {"tan", "x", Null, Zwei, "Integrand nicht auf dem ganzen Intervall [0;2] definiert."},
        {"cot", "x-1", Eins, Zwei, "Integrand nicht auf dem ganzen Intervall [1;2] definiert."}};
    for (const auto& [name, u, a, b, zeile] : fehler)
        for (bool kommentare : {false, true}) {
            InitialisiereAusgabe();
            Kommentare = kommentare;
            EXPECT_THROW(Sf(name, u)->Integral(a, b), ETermGoToStart) << u;
            EXPECT_EQ(Seite().find("\n" + zeile + "\n") != std::string::npos, kommentare) << u;
            EXPECT_EQ(Kommentare, kommentare);
        }
    // Comments off write nothing, and so does an integrand that cannot be integrated.
    InitialisiereAusgabe();
    Kommentare = false;
    EXPECT_TRUE(Sf("sin", "3x+1")->Integral(nullptr, nullptr));
    Kommentare = true;
    EXPECT_FALSE(Sf("sin", "x^2")->Integral(nullptr, nullptr));
    EXPECT_EQ(Seite(), "");
    // An abort inside leaves the option as it was.
    BenutzerAbbruch = true;
    EXPECT_THROW(Sf("arctan", "3x+1")->Integral(nullptr, nullptr), EBenutzerAbbruch);
    EXPECT_TRUE(Kommentare);
    BenutzerAbbruch = false;
    // Only a quadratic with an x-term is substituted.
    for (auto [u, substituiert] : {std::pair{"x^2+1", false}, {"x^2+2x+5", true}}) {
        InitialisiereAusgabe();
        Sf("sqrt", u)->Integral(nullptr, nullptr);
        EXPECT_EQ(Seite().find("\nSubstitution von x+1 = u, dx = du  ergibt:  = ") != std::string::npos,
                  substituiert);
    }
}

} // namespace
