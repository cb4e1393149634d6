// Signs against sampled values; periodic equations and the intersection step with every solution put back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "steps/Allgemeines.h"
#include "steps/Gleichungen.h"
#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Gleichungen = ZolTest;
constexpr Extended Pi = std::numbers::pi_v<Extended>;

// [a; b], open or closed; an empty text is an infinite end, both empty the shared IntervallR.
TIntervall* B(const char* a, const char* b, bool offen = false) {
    return *a || *b ? Iv(*a ? Lies(a) : nullptr, offen, *b ? Lies(b) : nullptr, offen) : IntervallR;
}

TEST_F(Gleichungen, VorzeichenWidersprichtKeinerStichprobe) {
    const std::vector<std::tuple<const char*, const char*, const char*, bool>> faelle = {
        {"x^2-1", "1", "3", 0}, {"x^2-1", "1", "3", 1}, {"x^2-1", "-1/2", "1/2", 0}, {"x^3-x", "1/2", "3", 0},
        {"(x-1)^2", "", "", 0}, {"x^2-2", "", "0", 0},  {"sqrt(x)", "0", "4", 0},    {"ln(x)", "1/2", "3", 0},
        {"ln(x)", "1", "", 0},  {"e^x-3", "", "0", 0},  {"pi-4", "", "", 0},         {"1/x", "-3", "-1", 0}};
    for (const auto& [t, a, b, offen] : faelle) {
        TTerm* T = Lies(t);
        TWahrheitswert U = unklar, N = unklar;
        UntersucheVorzeichen(T, B(a, b, offen), U, N);
        // A grid of 1/64 or finer: a zero or a change of sign, a negative value.
        const Extended von = *a ? *Wert(Lies(a)) : -64, bis = *b ? *Wert(Lies(b)) : 64;
        bool null = false, negativ = false;
        std::optional<Extended> vorige;
        for (Int32 i = offen; i <= 8192 - offen; ++i)
            if (const auto w = Wert(T, von + (bis - von) * i / 8192)) {
                null = null || std::fabs(*w) < 1e-9L || (vorige && *vorige * *w < 0);
                negativ = negativ || *w < 0;
                vorige = w;
            }
        EXPECT_TRUE(U != unklar && N != unklar && (U == wahr) != null && (N == wahr) != negativ)
            << t << " [" << a << ";" << b << "]: " << int(U) << int(N);
    }
}

TEST_F(Gleichungen, PeriodischeLoesungenImFensterOhneDasIntervallZuAendern) {
    // u, c, the interval, the number of solutions, the window written for an unbounded interval.
    const std::vector<std::tuple<const char*, const char*, const char*, const char*, Int32, const char*>>
        faelle = {{"x^2", "pi/6", "", "", 6, "[-4;4]"},     {"x^2", "pi/6", "1", "", 12, "[1;9]"},
                  {"x^2", "pi/6", "", "-1", 12, "[-9;-1]"}, {"x", "1/2", "-100", "100", 20, ""},
                  {"ln(x)", "0", "", "", 20, "[-4;4]"},     {"e^x", "0", "700", "708", 0, ""}};
    for (const auto& [u, c, a, b, anzahl, fenster] : faelle) {
        InitialisiereAusgabe();
        TIntervall* I = B(a, b);
        const TIntervall vorher = *I;
        TSListe* L = nullptr;
        LoesePeriodischeGleichung(Lies(u), Lies(c), I, true, L);
        EXPECT_TRUE(I->LinkerRand.Wert == vorher.LinkerRand.Wert &&
                    I->RechterRand.Wert == vorher.RechterRand.Wert);
        EXPECT_EQ(L->Anzahl, anzahl) << u << " in [" << a << ";" << b << "]";
        NeueZeile();
        const auto text = Seitentext();
        EXPECT_EQ(
            std::count(text.begin(), text.end(), std::string("Beschränkung auf das Intervall ") + fenster),
            *fenster ? 1 : 0);
        for (Int32 i = 1; i <= L->Anzahl; ++i) {
            TTerm* p = L->Stellen[i]->Punkt;
            const Extended w = *Wert(Lies(u), *Wert(p)) - *Wert(Lies(c));
            EXPECT_TRUE(I->Enthaelt(p) && Nahe(w, 2 * Pi * std::round(w / (2 * Pi)), 1e-12L)) << p->Text;
        }
    }
    // The whole part saturates instead of overflowing.
    Int32 n = 0;
    EXPECT_TRUE(VergleicheGanzteil(n, 2, 3.7) && n == 3 && !VergleicheGanzteil(n, 5, 3.7));
    EXPECT_TRUE(VergleicheGanzteil(n, -1, 3) && n == 0 && VergleicheGanzteil(n, 1, 1e300) && n == 2147483647);
}

// Requests with f, g and the intersection step: the points solve f = g in [a; b]; page 1 holds the texts
// ('#' between them) and not the last one.
TEST_F(Gleichungen, SchnittstellenErfuellenDieGleichung) {
    // f, g, b (a is 0 when b is given), the points, the status, the texts on page 1, a text not there.
    // clang-format off
    const std::vector<std::tuple<const char*, const char*, const char*, std::vector<Extended>, uint8_t,
                                 const char*, const char*>> faelle = {
        {"x^2*(x+1)", "3*(x+1)", "", {-std::sqrt(3.0L), -1, std::sqrt(3.0L)}, wahr,
         "Dazu gehören die Nullstellen des gemeinsamen Faktors x+1\n#die  Ausgangsgleichung durch x+1 kürzt.\n#"
         "\nGefundene Schnittstellen: \n#S1(-1 | 0)   (einfache Schnittstelle);\n#\nWeitere Schnittstellen gibt es "
         "nicht.\n", "~"},
        // -1 of the common factor is no point of x^(1/2).
        {"(x+1)*x^(1/2)", "2*(x+1)", "", {4}, wahr, "S1(4 | 10)   (einfache Schnittstelle);\n", "S2"},
        {"(x+1)^2", "(x+1)^3", "", {-1, 0}, wahr, "S1(-1 | 0)   (doppelte Schnittstelle);\n", "~"},
        {"x^2", "x+2", "5", {2}, wahr, "\nSubtraktion von x+2 führt auf:\nx2-x+2 = 0. Nach Vereinfachung ergibt sich:\n",
         "Division"},
        {"tan(pi/2)+x", "1", "", {}, wahr, "\nEs konnten keine Schnittstellen gefunden werden.\n", "~"},
        // sin(x) = 0 at infinitely many points, which x/2 = 1 of the quotient does not see.
        {"x*sin(x)", "2*sin(x)", "", {0, 2, Pi}, unklar,
         "\nDivision durch 2·sinx führt auf:\n#\nOb weitere Schnittstellen existieren, ist unklar.\n", "~"},
        {"x^2-1", "", "", {}, unklar, "Bestimmung der Nullstellen", "Schnittstellen"},
        // The same monotonic function on both sides, and the cases of an absolute value.
        {"ln(x)", "ln(2x-1)", "", {1}, wahr, "Da die äußere Funktion streng monoton ist", "~"},
        {"sqrt(x)", "sqrt(2-x)", "", {1}, wahr, "S1(1 | 1)", "~"},
        {"abs(x)", "x^2", "", {-1, 0, 1}, wahr, "\nFall x < 0: -x-x2\n#\nFall x = 0:\n", "~"},
        {"abs(x)", "x-2", "", {}, wahr, "\nWeitere Schnittstellen gibt es nicht.\n", "S1"},
        // A multiple of a logarithm as the logarithm of a power: 2 ln|x| = ln(x^2) also where x < 0.
        {"2*ln(abs(x))", "ln(x+2)", "", {-1, 2}, wahr, "S2(-1 | 0)", "~"},
        {"2*ln(x)", "ln(x+2)", "", {2}, wahr, "-1 erfüllt die Ausgangsgleichung nicht.\n", "S2"},
        // f = g everywhere: every x is a point of intersection, and none is listed.
        {"x^2", "x*x", "", {}, falsch, "allgemeingültig.\n#jedes x, an dem beide definiert sind, ist Schnittstelle.", "S1"},
    };
    // clang-format on
    for (const auto& [f, g, b, soll, status, stehen, fehlt] : faelle) {
        SCOPED_TRACE(std::string(f) + " = " + g);
        TKopfloseAnfrage lauf({.F = f, .G = g, .A = *b ? "0" : "", .B = b, .Kommentare = true});
        lauf.Anfrage.Schritte = {*g ? SchrittSchnittstellen : SchrittNullstellen, SchrittSchnittstellen};
        lauf.Starte();
        EXPECT_TRUE(!*g || Grafikpunkte.Anzahl == Schnittstellenliste->Anzahl);
        for (Int32 i = 1; *g && i <= Grafikpunkte.Anzahl; ++i) {
            const TGrafikPunkt& S = Grafikpunkte.Punkte[size_t(i)];
            EXPECT_TRUE(S.Name == "S*i<" + std::to_string(i) + ">" && Nahe(S.Y, *Wert(FTerm, S.X), 1e-9L));
        }
        EXPECT_EQ(SchnittstellenStatus, status);
        std::vector<Extended> x = Werte(Schnittstellenliste);
        std::sort(x.begin(), x.end());
        ASSERT_EQ(x.size(), soll.size());
        for (Int32 i = 1; i <= Schnittstellenliste->Anzahl; ++i) {
            const Extended p = *Wert(Schnittstellenliste->Stellen[i]->Punkt);
            EXPECT_TRUE(ABIntervall->Enthaelt(Schnittstellenliste->Stellen[i]->Punkt) &&
                        Nahe(x[size_t(i - 1)], soll[size_t(i - 1)], 1e-12L) &&
                        Nahe(*Wert(FTerm, p), *Wert(GTerm, p), 1e-12L));
        }
        const std::string seite = "\n" + lauf.Text(1), texte = stehen;
        for (size_t a = 0, e = 0; e != std::string::npos; a = e + 1) {
            e = texte.find('#', a);
            EXPECT_NE(seite.find(texte.substr(a, e - a)), std::string::npos)
                << texte.substr(a, e - a) << seite;
        }
        EXPECT_EQ(seite.find(fehlt), std::string::npos) << fehlt << seite;
    }
}

} // namespace
} // namespace zol
