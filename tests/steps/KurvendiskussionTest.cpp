// Symmetry verdicts against f(+-x), each derivative against the difference quotient of the one before, the
// marked extrema and inflection points against the graph nearby, and the pages of the steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/Nullentscheidung.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "steps/Allgemeines.h"
#include "steps/Extremstellen.h"
#include "steps/Nullstel.h"
#include "steps/Symmetrien.h"
#include "steps/Wendestellen.h"
#include "term/Mengen.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Kurvendiskussion = ZolTest;
constexpr TSchritt V = SchrittVereinfachen, S = SchrittSymmetrien, A = SchrittAbleitungen,
                   E = SchrittExtremstellen, W = SchrittWendestellen;

// With the answer where it is known: wahr when f is even or odd, falsch when it is neither.
TEST_F(Kurvendiskussion, SymmetrieWieDieWerte) {
    const std::pair<const char*, TWahrheitswert> faelle[] = {
        {"x^4-3x^2+1", wahr},    {"x^3-x", wahr},     {"x^3+1", falsch},   {"(x^2+1)/x", wahr},
        {"(x-1)/(x+1)", falsch}, {"x/(x^2-4)", wahr}, {"x^(1/3)", falsch}, {"(x^2+1)^(1/2)", wahr},
        {"x^2*sin(x)", wahr},    {"x;x^2", unklar},   {"-x;x", unklar},    {"0", wahr}};
    for (auto [text, bekannt] : faelle) {
        TTerm* f = Lies(text);
        TWahrheitswert achse = 7, punkt = 7;
        UntersucheSymmetrie(f, achse, punkt, false);
        EXPECT_TRUE(SymmetrieWieWerte(f, achse, punkt));
        if (bekannt == unklar) continue;
        EXPECT_TRUE(bekannt == wahr ? achse == wahr || punkt == wahr : achse == falsch && punkt == falsch)
            << text;
    }
}

// Each derivative against the difference quotient of the one before. The step stops after the degree shown
// unless the extrema need f'' or the inflection points f'' and f''' (also with that flag alone).
TEST_F(Kurvendiskussion, AbleitungenWieDifferenzenquotient) {
    for (const char* f : {"x^3-3x", "(x^2-1)/(x^2+1)", "x^(5/2)+x", "1/(x^11+1)", "x*exp(x)", "x^2*sin(3x)",
                          "x;x^3", "ln(x^2+1)"}) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = {V, A}, .AbleitungsGrad = 3});
        lauf.Starte();
        TTerm* vorige = FTerm;
        for (TTerm* d : {Ableitung1, Ableitung2, Ableitung3}) {
            ASSERT_NE(d, nullptr) << lauf.Text(4);
            EXPECT_TRUE(IstAbleitung(d, vorige, {-2.3L, -0.7L, 0.4L, 1.3L, 2.9L}, 1e-5L));
            vorige = d;
        }
    }
    // {degree, steps, derivatives computed}
    const std::tuple<Int32, std::vector<TSchritt>, int> stopps[] = {
        {1, {A}, 1}, {2, {A}, 2}, {1, {A, E}, 2}, {0, {W}, 3}};
    for (const auto& [grad, schritte, anzahl] : stopps) {
        TKopfloseAnfrage({.F = "exp(x)", .Schritte = schritte, .AbleitungsGrad = grad}).Starte();
        EXPECT_EQ((Ableitung1 != nullptr) + (Ableitung2 != nullptr) + (Ableitung3 != nullptr), anzahl)
            << grad;
    }
}

// Terms whose zero search once split factors off without end (a negative power split off leaves a cofactor
// as large as the term) or searched the same subterms again at every level, and ordinary functions whose
// steps failed on an overflow or a missing derivative: the steps end without failing, an overflow in a
// constant is shown once at most, and every candidate where the derivative has a value is a zero of it
// (exactly, or up to its error bound where a power of a root is no simpler: f'' of 1/((x^24)^(-1)*x+2) at
// (11/24)^(1/23)).
TEST_F(Kurvendiskussion, KandidatenSindNullstellenDerAbleitung) {
    // clang-format off
    const std::pair<const char*, const char*> faelle[] = {
        {"(x^2-2x)^(2/3)", "-2"}, {"tan(pi/x)", ""}, {"tan(1/x)", ""}, {"sin(sqrt(x))", ""}, {"x-sin(sqrt(x))", ""},
        {"(6x^2+3)°3", ""}, {"e^((e^x)°3)", ""}, {"1/((x^24)^(-1)*x+2)", ""}, {"(2^x+5)^70", ""},
        {"(x(x-1)^490*a-1)^490*a", ""}, {"(x^3+4)/(7x^3+3x^2-5/4x)", ""}, {"sqrt(-3/5x^2+x+7)", ""},
        {"(5/4x+7)^(-1/2)", ""}, {"sqrt(-2x^3+5,24x^2-169x)", ""}, {"((x*x)^(-1)+(x-1))/(x-2)^4", ""},
        {"sqrt(3x^4+2x^3+2/3x^2-6x-2)", ""}, {"(5x^4+1/2x^3-3/4x^2+5/4)^4", ""}};
    // clang-format on
    for (const auto& [f, a] : faelle) {
        TKopfloseAnfrage lauf({.F = f, .A = a, .B = *a ? "2" : "", .Schritte = {V, E, W}});
        lauf.Starte();
        EXPECT_EQ((lauf.Text(5) + lauf.Text(6)).find("nicht OK"), std::string::npos) << f;
        EXPECT_LE(lauf.Host.Meldungen.size(), 1u) << f;
        for (auto [liste, ableitung] :
             {std::pair{Extremstellenkandidaten, Ableitung1}, {Wendestellenkandidaten, Ableitung2}})
            for (Int32 k = 1; liste && k <= liste->Anzahl; ++k) {
                TTerm* x0 = liste->Stellen[k]->Punkt;
                if (Wert(ableitung, *Wert(x0))) {
                    EXPECT_NE(Nullheit(ableitung->Ersetze(VariableX, x0)), TNullheit::NichtNull) << f;
                }
            }
    }
}

// The cube root of a quadratic g = ax^2 + bx + c: f'' = g^(-5/3) * h / 3 with h = g*g'' - 2/3*g'^2, so the
// possible inflection points are the zeros of h in the interval where g > 0, and the step finds all of them
// (the sign cases of g, one of them empty where g keeps its sign, and the root form of each case).
TEST_F(Kurvendiskussion, WendestellenDerKubikwurzelEinesQuadrats) {
    const std::tuple<const char*, Extended, Extended, Extended> faelle[] = {
        {"(9x^2+2)°3", 9, 0, 2},       {"(x^2+1)°3", 1, 0, 1},    {"(0,5x^2+8x)°3", 0.5L, 8, 0},
        {"(2x^2+x+9)°3", 2, 1, 9},     {"(-9x^2+6)°3", -9, 0, 6}, {"(6/3x^2+3/5x+4)°3", 2, 0.6L, 4},
        {"(3x^2+708x+8)°3", 3, 708, 8}};
    for (const auto& [f, a, b, c] : faelle) {
        SCOPED_TRACE(f);
        TKopfloseAnfrage lauf({.F = f, .A = "-2", .B = "2", .Schritte = {V, W}});
        lauf.Starte();
        EXPECT_EQ(lauf.Text(6).find("konnten keine"), std::string::npos) << lauf.Text(6);
        EXPECT_EQ(lauf.Text(6).find("Möglicherweise"), std::string::npos) << lauf.Text(6);
        // h = p x^2 + q x + r.
        const Extended p = -2 * a * a / 3, q = -2 * a * b / 3, r = 2 * a * c - 2 * b * b / 3;
        std::vector<Extended> erwartet;
        const Extended d = q * q - 4 * p * r;
        for (int s : {-1, 1}) {
            const Extended x = d < 0 ? 9 : (-q + s * std::sqrt(d)) / (2 * p);
            if (std::fabs(x) < 2 && a * x * x + b * x + c > 0) erwartet.push_back(x);
        }
        std::vector<Extended> gefunden = Werte(Wendestellenkandidaten);
        std::sort(erwartet.begin(), erwartet.end());
        std::sort(gefunden.begin(), gefunden.end());
        ASSERT_EQ(gefunden.size(), erwartet.size());
        for (size_t i = 0; i < erwartet.size(); ++i) EXPECT_TRUE(Nahe(gefunden[i], erwartet[i], 1e-12L));
    }
}

// The pages read back ('#' between the texts that stand on them): the verdicts with comments and without; no
// verdict from a 0 at a test point; where f'' or f''' has no value the sign-change test decides; a point
// where f has no value on one side is no inner point.
TEST_F(Kurvendiskussion, Seiten) {
    // clang-format off
    const std::tuple<const char*, std::vector<TSchritt>, bool, Int32, const char*> faelle[] = {
        {"x^3-3x", {V, E, W}, true, 5, "f ''(1) = 6> 0, also hat f dort eine Minimalstelle. \n"
         "f(1) = -2 ; Tiefpunkt T 1(1|-2)\n#Hochpunkt H 1(-1|2)"},
        {"x^3-3x", {V, E, W}, false, 6, "f '''(0) = 6<> 0, also hat f dort eine Wendestelle. \n"
         "f(0) = 0;WendepunktW1(0|0)"},
        {"x^4", {V, E}, false, 5, ":Notwendige Bedingung: f '(xE) = 0.\n#linke Teststelle : -1\n#"
         "Also hat f ' in 0 einen Vorzeichenwechsel von - nach + und daher f dort eine Minimalstelle.\n"},
        {"x^4", {V, W}, false, 6, "f ''(1) = 12>0\nAlso hat f '' in 0 keinen Vorzeichenwechsel und daher f dort "
         "keine Wendestelle."},
        {"x^(5/2)", {E, W}, false, 6, "\n0 ist Randpunkt des Definitionsbereichs von f und scheidet aus.\n"},
        {"x^(7/3)-7/4*x^(4/3)", {E}, false, 5, "\n0 ist Randpunkt des#\nf ''(1) = 2,3333> 0"},
        {"x^2;2x^2", {E}, false, 5, "f '' in 0 nicht definiert.\n\nUntersuchung, ob f ' in 0 #T 1(0|0)"},
        {"x^3;2x^3", {W}, false, 6, "f''' in 0 nicht definiert.\n\nUntersuchung, ob f '' in 0 #W 1(0|0)"},
        {"abs(x^2-4)", {E}, false, 5, "Stellen, an denen f ' nicht definiert ist: -2, 2.\n#"
         "In -2 ist f ' nicht definiert.\n#T 1(-2|0)"},
        {"0;x^3", {E}, false, 5, "f '(-1) = 0=0\n#lässt sich so nichts aussagen."},
        // A 69-fold zero of f' at a Cardano point: f'' is 0 there by the multiplicity, the sign change decides.
        {"(x^3+x+1)^70", {E}, false, 5, ") = f ''(-0,6823 ) = 0\n#von - nach + und daher f dort eine Minimalstelle."},
        {"x^3/x", {V, E}, false, 5, "\n0 ist Definitionslücke von f und scheidet aus.\n"},
        {"x^2*sin(x)", {S}, true, 0, "Der Graph von x2·sinx ist symmetrisch zum Ursprung.\n"},
        {"x^2*sin(x)", {S}, false, 0, "y-Achse.\nDer Graph des gegebenen Terms ist symmetrisch zum Ursprung.\n"}};
    // clang-format on
    for (const auto& [f, schritte, kommentare, k, stehen] : faelle) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = schritte, .Kommentare = kommentare});
        lauf.Starte();
        const std::string seite = "\n" + lauf.Text(k), texte = stehen;
        for (size_t a = 0, e = 0; e != std::string::npos; a = e + 1) {
            e = texte.find('#', a);
            EXPECT_NE(seite.find(texte.substr(a, e - a)), std::string::npos)
                << texte.substr(a, e - a) << seite;
        }
    }
}

// Simplifying f''' over the parts it shares with f'' leaves f'' as it was: the inflection page writes the f''
// of the derivatives block. After the request every stored term still has the text it was entered under.
TEST_F(Kurvendiskussion, GeteilteTeiltermeBleiben) {
    for (const char* f :
         {"sqrt(x^2-4)", "x^2*sin(3x)", "(x^2-1)/(x^2+1)", "x*exp(x)", "(x^3-2x)/(4x^2-16)", "x/2+sin(x)"}) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = {V, A, E, W}, .AbleitungsGrad = 3});
        lauf.Starte();
        EXPECT_TRUE(SpeicherStimmig()) << f;
        const std::string wende = lauf.Text(6), kopf = "Nullstellen von f ''(x) = ";
        const size_t a = wende.find(kopf);
        ASSERT_NE(a, std::string::npos) << wende;
        const std::string zweite = wende.substr(a + kopf.size(), wende.find('\n', a) - a - kopf.size());
        EXPECT_NE((lauf.Text(4) + "\n").find(" = " + zweite + "\n"), std::string::npos)
            << zweite << lauf.Text(4);
    }
}

// Without f' or f'' the steps end through their prefix, never through a nil access.
TEST_F(Kurvendiskussion, OhneAbleitung) {
    TWechsel<std::array<bool, SchrittAnzahl>> flags(Schrittflags, {});
    Schrittflags[SchrittDefinitionsbereich] = Schrittflags[A] = true;
    FTerm = Lies("x^2");
    EXPECT_EQ(Ausnahme<EZolFehler>(BestimmungVonExtremstellen),
              "Schritt: Extremstellen-Bestimmung nicht OK! Ableitung nicht vorhanden.");
    EXPECT_EQ(Ausnahme<EZolFehler>(BestimmungVonWendestellen),
              "Schritt: Wendestellen-Bestimmung nicht OK! Ableitung nicht vorhanden.");
}

// The case terms of the sign cases of abs(c) are written as a teacher would: the branch 0 leaves no factor
// 0, the branch 1 no factor 1, a negative branch no "+ (-a)".
TEST_F(Kurvendiskussion, FalltermeOhneFaktorNullUndEins) {
    const std::pair<const char*, TSchritt> faelle[] = {{"abs(x^2-4)", SchrittWendestellen},
                                                       {"x*abs(x-2)", SchrittExtremstellen},
                                                       {"abs(x^2-1)*x", SchrittExtremstellen},
                                                       {"x^3-abs(x-1)", SchrittExtremstellen}};
    const std::regex unvereinfacht("(^|[-+·( ])[01]·|·1($|[-+·)])|\\+-|--");
    for (const auto& [f, schritt] : faelle) {
        SCOPED_TRACE(f);
        TKopfloseAnfrage lauf({.F = f, .Schritte = {schritt}, .Kommentare = true});
        ASSERT_NO_THROW(lauf.Starte());
        const Int32 seite = schritt == SchrittWendestellen ? 6 : 5;
        Int32 faelleGesehen = 0;
        for (const std::string& zeile : lauf.Seiten[size_t(seite)].Klartext()) {
            if (zeile.rfind("Fall ", 0) != 0 || zeile.find(": ") == std::string::npos) continue;
            const std::string term = zeile.substr(zeile.find(": ") + 2);
            if (term.empty()) continue;
            ++faelleGesehen;
            EXPECT_FALSE(std::regex_search(term, unvereinfacht)) << zeile;
        }
        EXPECT_GE(faelleGesehen, 2) << lauf.Text(seite);
    }
}

} // namespace
} // namespace zol
