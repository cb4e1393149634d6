// The general step run headless onto page 0 and read back as plain text: input, simplification and
// classification, the definition range with removable gaps taken from the quotient as entered, the value
// table; the analysis globals and their reset.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittflags.h"
#include "term/Arena.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Allgemeines = ZolTest;
using Zeilen = std::vector<std::string>;

const std::string Unbestimmt = "Mit elementaren Mitteln können keine Definitionslücken bestimmt werden.";

bool HatZeile(const Zeilen& z, const std::string& zeile) {
    return std::find(z.begin(), z.end(), zeile) != z.end();
}
bool HatText(const Zeilen& z, const std::string& text) {
    return std::any_of(z.begin(), z.end(),
                       [&](const std::string& s) { return s.find(text) != std::string::npos; });
}
// The gaps found, ascending.
std::vector<Extended> Luecken() {
    std::vector<Extended> w = Werte(Definitionsluecken);
    std::sort(w.begin(), w.end());
    return w;
}
TEST_F(Allgemeines, EingabenUndTermfehler) {
    TKopfloseAnfrage lauf({.F = "x^2-1", .G = "2x+1", .A = "-1/2", .B = " "});
    lauf.Starte();
    const auto z = lauf.Zeilen();
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[0], "Allgemeines:");
    EXPECT_EQ(z[1].rfind("Eingegebener Funktionsterm: f(x) = ", 0), 0u) << z[1];
    // Without simplification nothing is classified, but the normal form is cached for later steps.
    EXPECT_TRUE(!HatText(z, "Normalform mit Kennung") && !IstPolynom && FTerm->Normalform != nullptr);
    EXPECT_TRUE(lauf.Host.Abgehakt.empty());
    EXPECT_EQ(Wert(GTerm, 3), 7);
    // A field of blanks is empty: unbounded.
    EXPECT_EQ(Wert(ABIntervall->LinkerRand.Wert), -0.5L);
    EXPECT_TRUE(ABIntervall->RechterRand.Wert == nullptr && !ABIntervall->LinkerRand.Offen);
    // An f that is empty or blank, and a syntax error in any field, are term errors.
    for (TAnfrage a : {TAnfrage{.F = ""}, TAnfrage{.F = "   "}, TAnfrage{.F = "x", .G = "x+*2"},
                       TAnfrage{.F = "x", .A = "(1"}, TAnfrage{.F = "x", .B = "2)"}}) {
        a.Schritte = {SchrittVereinfachen};
        EXPECT_THROW(TKopfloseAnfrage(a).Starte(), ETermFehler) << a.F << a.G << a.A << a.B;
    }
}

TEST_F(Allgemeines, KlassifikationUndDefinitionsbereich) {
    TKopfloseAnfrage lauf({.F = "x^2 - 1", .Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich}});
    lauf.Starte();
    auto z = lauf.Zeilen();
    for (const char* zeile :
         {"(Normalform mit Kennung: PT)", "f ist Polynom (ganzrationale Funktion) ",
          "Bestimmung des Definitionsbereichs:",
          "f ist ganz-rational (Polynom), also Definitionsbereich D = IR", "Definitionsbereich: D = IR"})
        EXPECT_TRUE(HatZeile(z, zeile)) << zeile << "\n" << lauf.Text();
    EXPECT_TRUE(IstPolynom && Definitionsluecken->Anzahl == 0 && DefinitionslueckenStatus == wahr);
    EXPECT_EQ(lauf.Host.Abgehakt, (std::vector<int>{SchrittVereinfachen, SchrittDefinitionsbereich}));
    EXPECT_TRUE(WertGleich(Lies("x^2-1"), FTerm));
    // IstPolynom belongs to this request only.
    TKopfloseAnfrage({.F = "x^2", .Schritte = {SchrittDefinitionsbereich}}).Starte();
    EXPECT_FALSE(IstPolynom);
    const std::pair<const char*, const char*> saetze[] = {
        {"1/x", "Die Definitionslücken sind genau die Nullstellen des Nenners:"},
        {"abs(x)", "Die Betragsfunktion ist überall definiert, also Definitionsbereich D = IR"},
        {"x*2^x", "Der Exponent ist überall definiert."},
        {"x*exp(1/x)", "Die Definitionslücken sind genau die Nullstellen der Nenner des Exponenten "},
        // A polynomial also without "Vereinfachen".
        {"x^4-2x^2", "f ist ganz-rational (Polynom), also Definitionsbereich D = IR"},
        // Without a normal form of a known kind nothing can be said about the gaps.
        {"ln(x)", Unbestimmt.c_str()}};
    for (const auto& [f, satz] : saetze) {
        TKopfloseAnfrage l({.F = f, .Schritte = {SchrittDefinitionsbereich}});
        l.Starte();
        EXPECT_TRUE(HatZeile(l.Zeilen(), satz)) << l.Text();
    }
    EXPECT_EQ(Definitionsluecken->Anzahl, -1);
    EXPECT_EQ(DefinitionslueckenStatus, unklar);
    FTerm = nullptr;
    InitialisiereAusgabe();
    BestimmungDesDefinitionsbereichs();
    NeueZeile();
    EXPECT_TRUE(HatZeile(Seitentext(), Unbestimmt));
}

// The gaps come from the quotient as entered: folding and simplification cancel a common factor, but its
// zeros stay gaps and are named removable; the entered term has no value at any of them.
TEST_F(Allgemeines, GekuerzterQuotientBehaeltSeineLuecken) {
    const std::tuple<const char*, std::vector<Extended>, std::vector<std::string>> faelle[] = {
        {"(x^2-1)/(x-1)", {1}, {"1"}},
        {"(x^2-4)/(x+2)", {-2}, {"-2"}},
        {"1/(1/x)", {0}, {"0"}},
        {"1/x", {0}, {}}};
    for (const auto& [f, luecken, hebbar] : faelle)
        for (bool vereinfachen : {false, true}) {
            std::vector<TSchritt> schritte = {SchrittDefinitionsbereich};
            if (vereinfachen) schritte.push_back(SchrittVereinfachen);
            TKopfloseAnfrage lauf({.F = f, .Schritte = schritte});
            lauf.Starte();
            const auto z = lauf.Zeilen();
            EXPECT_EQ(Luecken(), luecken) << f << "\n" << lauf.Text();
            EXPECT_TRUE(DefinitionslueckenStatus == wahr &&
                        (!vereinfachen || HatZeile(z, "f ist gebrochen-rationale Funktion ")))
                << f;
            for (const std::string& h : hebbar)
                EXPECT_TRUE(HatZeile(z, h + " ist hebbare Definitionslücke.")) << f << "\n" << lauf.Text();
            EXPECT_EQ(size_t(std::count_if(
                          z.begin(), z.end(),
                          [](const std::string& s) { return s.find("ist hebbare") != std::string::npos; })),
                      hebbar.size())
                << f;
            for (Extended x0 : luecken) EXPECT_FALSE(Wert(Lies(f), x0)) << f;
            // Later steps work on the cancelled f, which has a value at a removable gap.
            EXPECT_TRUE(hebbar.empty() || Wert(FTerm, luecken[0])) << f;
        }
    // The value table says "nicht def." at the cancelled gap.
    TKopfloseAnfrage lauf({.F = "(x^2-1)/(x-1)",
                           .A = "0",
                           .B = "2",
                           .H = "1",
                           .Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle}});
    lauf.Starte();
    for (const char* zeile : {"01", "1nicht def.", "23"})
        EXPECT_TRUE(HatZeile(lauf.Zeilen(), zeile)) << lauf.Text();
}

TEST_F(Allgemeines, Wertetabelle) {
    // Missing bounds become -5 and 5, each with its line; only chosen steps are ticked.
    TKopfloseAnfrage lauf({.F = "x", .H = "5", .Schritte = {SchrittTabelle, SchrittVereinfachen}});
    lauf.Starte();
    auto z = lauf.Zeilen();
    const auto links =
        std::find(z.begin(), z.end(), "Linker Intervallrand wurde nicht angegeben und auf -5 festgelegt.");
    EXPECT_TRUE(links < std::find(z.begin(), z.end(),
                                  "Rechter Intervallrand wurde nicht angegeben und auf 5 festgelegt."));
    EXPECT_TRUE(Wert(ABIntervall->LinkerRand.Wert) == -5 && Wert(ABIntervall->RechterRand.Wert) == 5);
    EXPECT_TRUE(HatText(z, "Wertetabelle:") && HatText(z, ", Schritteweite:"));
    EXPECT_EQ(lauf.Host.Abgehakt, (std::vector<int>{SchrittVereinfachen, SchrittTabelle}));
    EXPECT_FALSE(HatText(z, "Bestimmung des Definitionsbereichs:"));
    // A step width that is not positive or empty: the message, no table, the other steps run.
    for (const char* h : {"0", "-1", "", "x-x"}) {
        TKopfloseAnfrage l({.F = "1/x", .H = h, .Schritte = {SchrittDefinitionsbereich, SchrittTabelle}});
        l.Starte();
        z = l.Zeilen();
        ASSERT_EQ(l.Host.Meldungen.size(), 1u) << h;
        EXPECT_EQ(l.Host.Meldungen[0].Text, "Wertetabelle abgebrochen, da Schrittweite <= 0.");
        EXPECT_TRUE(!HatText(z, "Wertetabelle:") && !HatText(z, "Intervallrand")) << h;
        EXPECT_EQ(l.Host.Abgehakt, std::vector<int>{SchrittDefinitionsbereich}) << h;
    }
}

// Bounds a > b are refused before any step runs, with a message as for a bad step width: no page holds a line
// and no step is ticked. Bounds in order, equal ones, ones that rounding alone could reverse, and a missing
// or non-constant bound are left to the steps.
TEST_F(Allgemeines, UmgekehrtesIntervallWirdAbgelehnt) {
    const std::vector<TSchritt> alle = {
        SchrittVereinfachen,  SchrittDefinitionsbereich, SchrittTabelle,  SchrittNullstellen,
        SchrittExtremstellen, SchrittWendestellen,       SchrittIntegral, SchrittGraph};
    const std::tuple<const char*, const char*, bool> faelle[] = {
        {"3", "1", true},  {" pi ", "3", true}, {"-1/3", "-1/2", true},
        {"1", "3", false}, {"2", "2", false},   {"sqrt(2)^2", "2", false},
        {"", "-7", false}, {"7", "", false},    {"x+10", "1", false}};
    for (const auto& [a, b, abgelehnt] : faelle) {
        TKopfloseAnfrage l({.F = "x^3-3x", .A = a, .B = b, .Schritte = alle});
        l.Starte();
        const bool meldung = std::any_of(l.Host.Meldungen.begin(), l.Host.Meldungen.end(), [](const auto& m) {
            return m.Text.find("a > b") != std::string::npos;
        });
        EXPECT_EQ(meldung, abgelehnt) << a << " " << b;
        if (!abgelehnt) {
            EXPECT_TRUE(HatText(l.Zeilen(), "Allgemeines:")) << a << " " << b;
            continue;
        }
        ASSERT_EQ(l.Host.Meldungen.size(), 1u);
        EXPECT_EQ(l.Host.Meldungen[0].Art, TMeldungsart::Information);
        for (Int32 k = 0; k <= 8; ++k) EXPECT_EQ(l.Text(k), "") << a << " " << b << " Seite " << k;
        EXPECT_TRUE(l.Host.Abgehakt.empty());
    }
    TKopfloseAnfrage l({.F = "x", .A = "3", .B = "1", .Schritte = {SchrittTabelle}});
    l.Starte();
    ASSERT_EQ(l.Host.Meldungen.size(), 1u);
    EXPECT_EQ(l.Host.Meldungen[0].Text, "Arbeitsschritte nicht ausgeführt, da a > b (a = 3, b = 1).");
}

// A table beyond the row limit is not begun: the message names a step width whose table fits and is not
// needlessly coarse (more than 2/5 of the limit, as the next smaller width of the 1-2-5 series would not
// fit).
TEST_F(Allgemeines, LangeWertetabelle) {
    const std::tuple<const char*, const char*, const char*> zuLang[] = {
        {"-3", "3", "1/1000000"}, {"82", "1821866", "1"}, {"0", "100", "1/10"}, {"-pi", "pi", "0,001"}};
    for (const auto& [a, b, h] : zuLang) {
        TKopfloseAnfrage l({.F = "x^2", .A = a, .B = b, .H = h, .Schritte = {SchrittTabelle}});
        l.Starte();
        ASSERT_EQ(l.Host.Meldungen.size(), 1u) << a;
        const std::string m = l.Host.Meldungen[0].Text;
        EXPECT_EQ(m.rfind("Wertetabelle abgebrochen, da sie mehr als 1000 Zeilen hätte.", 0), 0u) << m;
        EXPECT_FALSE(HatText(l.Zeilen(), "Wertetabelle:"));
        const size_t von = m.find(" ab ") + 4;
        const std::string w = m.substr(von, m.find(' ', von) - von);
        const Extended zeilen = std::floor((*Wert(Lies(b)) - *Wert(Lies(a))) / *Wert(Lies(w))) + 1;
        EXPECT_TRUE(zeilen <= MaxTabellenzeilen && zeilen > MaxTabellenzeilen * 2 / 5) << w;
        TKopfloseAnfrage passend({.F = "x^2", .A = a, .B = b, .H = w, .Schritte = {SchrittTabelle}});
        passend.Starte();
        EXPECT_TRUE(passend.Host.Meldungen.empty() && HatText(passend.Zeilen(), "Wertetabelle:")) << w;
    }
}

// The rows keep no terms: a longer table over irrational points leaves the store as a shorter one does, and
// the store stays consistent.
TEST_F(Allgemeines, TabellenzeilenBehaltenKeineTerme) {
    size_t objekte[2] = {};
    for (int i : {0, 1}) {
        TKopfloseAnfrage l({.F = "(6x^2-3)/(8x^3-6/7x^2-5x+1)",
                            .A = "-pi",
                            .B = i ? "4" : "2",
                            .H = "1/2",
                            .Schritte = {SchrittTabelle}});
        l.Starte();
        EXPECT_TRUE(HatText(l.Zeilen(), "-π+") && SpeicherStimmig());
        objekte[i] = AnfrageArena().Anzahl();
    }
    EXPECT_EQ(objekte[0], objekte[1]);
}

} // namespace
