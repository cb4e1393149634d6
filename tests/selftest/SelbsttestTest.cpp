// The self-test: the set parser against membership, HoleFeld, the shipped case files without deviation
// (also with Stellen 10), and a fixture of deliberately wrong cases.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "output/Ausgabe.h"
#include "selftest/Test.h"
#include "selftest/Testordner.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/MengenParser.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class Selbsttest : public ZolTest {
protected:
    // Runs item i with the f field's text T and returns the page's lines joined by line feeds.
    std::string Lauf(Int32 i, const std::string& T = "") {
        TZeilenliste seite;
        SetzeZeilenliste(&seite);
        TWechsel<Int32> auswahl(TestAuswahl, i);
        TesteProzedur(T);
        NeueZeile();
        SetzeZeilenliste(nullptr);
        std::string text;
        for (const std::string& z : seite.Klartext()) text += z + "\n";
        return text;
    }
};

// The fixture folder of wrong cases, given as ZOL08_TESTS for the lifetime of the guard.
class TFixturordner {
public:
    TFixturordner() : Pfad(std::filesystem::temp_directory_path() / ("zol44_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(Pfad);
        setenv("ZOL08_TESTS", Pfad.c_str(), 1);
    }
    ~TFixturordner() {
        unsetenv("ZOL08_TESTS");
        std::filesystem::remove_all(Pfad);
    }
    void Datei(const std::string& name, const std::string& inhalt) {
        std::ofstream(Pfad / (name + ".txt"), std::ios::binary) << inhalt;
    }
    std::filesystem::path Pfad;
};

TEST_F(Selbsttest, MengenGleichenIhrerMitgliedschaft) {
    // Each set text against a membership rule at sample points from -3 to 3 in steps of 1/4.
    struct Fall {
        const char* text;
        bool (*enthaelt)(double);
    };
    const Fall faelle[] = {
        {"]0;1]", [](double x) { return x > 0 && x <= 1; }},
        {"[;5[", [](double x) { return x < 5; }},
        {"[2;]", [](double x) { return x >= 2; }},
        {"[0;1]n[1/2;3]v{-2}", [](double x) { return (x >= 0.5 && x <= 1) || x == -2; }},
        {"R\\{0}", [](double x) { return x != 0; }},
        {"R\\[-1;1]\\{2}", [](double x) { return (x < -1 || x > 1) && x != 2; }},
        {"R\\([-1;1]\\{0})", [](double x) { return x < -1 || x > 1 || x == 0; }},
        {"Z n [-2;1/2]", [](double x) { return x == -2 || x == -1 || x == 0; }},
        {"{ 1 ; 2 ; 1/2 }", [](double x) { return x == 1 || x == 2 || x == 0.5; }},
        {"((N))", [](double x) { return x >= 1 && x == int(x); }},
        {"]-1;1[v[1;2[", [](double x) { return x > -1 && x < 2; }},
    };
    for (const Fall& f : faelle) {
        TMenge* M = StrToMenge(f.text);
        TMenge* A = M;
        MengenAuswerten(A);
        for (int k = -12; k <= 12; ++k) {
            TTerm* x = K(k, 4);
            EXPECT_EQ(M->Enthaelt(x), f.enthaelt(k / 4.0)) << f.text << " bei " << k << "/4";
            EXPECT_EQ(A->Enthaelt(x), f.enthaelt(k / 4.0)) << f.text << " ausgewertet bei " << k << "/4";
        }
    }
}

TEST_F(Selbsttest, MengenFehlerMitIhrenMeldungen) {
    const std::string P = " syntaktisch nicht OK\n\r";
    const std::pair<const char*, std::string> faelle[] = {
        {"  ", "Mengen-Angabe fehlt."},
        {"L", "Menge: L" + P + "unbekannte Standardmenge."},
        {"[0;1", "Menge: [0;1" + P + "Klammerung ungültig."},
        {"(R))", "Menge: (R))" + P + "Klammerung ungültig."},
        {"{1;x+}", "Term: x+" + P + "Nach dem Zeichen + fehlt ein Term."},
        {"{1;;2}", "Term-Angabe fehlt."},
        {"R\\", "Mengen-Angabe fehlt."},
        {"RxR", "Menge: RxR" + P},
        {"{1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21}",
         "Menge: {1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21}" + P + "mehr als 20 Elemente."},
    };
    for (const auto& [text, meldung] : faelle)
        EXPECT_EQ(Ausnahme<ETermFehler>([&] { StrToMenge(text); }).substr(0, meldung.size()), meldung)
            << text;
    // A long chain of operators and deep brackets end without exhausting the stack.
    std::string kette = "R";
    for (int i = 0; i < 2000; ++i) kette += "v{1}";
    EXPECT_TRUE(StrToMenge(kette)->Enthaelt(K(1)));
    const std::string tief = std::string(600, '(') + "R" + std::string(600, ')');
    EXPECT_NE(Ausnahme<ETermFehler>([&] { StrToMenge(tief); }).find("Klammerung ungültig."),
              std::string::npos);
}

TEST_F(Selbsttest, HoleFeld) {
    const std::tuple<const char*, const char*, const char*> faelle[] = {
        {"a=", "f=sin(a=1;b);a=2", "1"}, {"b=", "f=x^2;a=1;b=2", "2"},         {"N=", "f=x;N=", ""},
        {"g=", "f=x;a=1", ""},           {"f=", "f=max(x;1);a=0", "max(x;1)"}, {"S=", "S=1,2", "1,2"},
    };
    for (const auto& [key, zeile, wert] : faelle) {
        std::string w = "alt";
        HoleFeld(key, zeile, w);
        EXPECT_EQ(w, wert) << key << " in " << zeile;
    }
}

TEST_F(Selbsttest, PolTrigNormalformMitTeilen) {
    // Item 15 and the procedure without a chosen item write the parts in s and c before the term.
    for (const auto& [item, schluss] : {std::pair{15, "Term = "}, std::pair{-1, "PTNF: "}}) {
        const std::string text = Lauf(item, "x*sin(x)+cos(x)");
        size_t pos = 0;
        for (const char* zeile : {"P = ", "Q = ", "PolTrigNormalform: ", schluss}) {
            pos = text.find(zeile, pos);
            EXPECT_NE(pos, std::string::npos) << zeile << " in " << text;
        }
    }
    EXPECT_NE(Lauf(15, "sin(x)/cos(x)").find("keine PolTrigNormalform"), std::string::npos);
}

// Every shipped file runs through its procedure without a deviation or a failure, with Stellen 4 and 10.
TEST_F(Selbsttest, MitgelieferteDateienOhneAbweichung) {
    for (uint8_t stellen : {uint8_t(4), uint8_t(10)}) {
        TWechsel<uint8_t> s(Stellen, stellen);
        for (Int32 i : {6, 20, 21, 22, 23, 28, 29, 30, 31, 33, 34}) {
            const std::string text = Lauf(i);
            EXPECT_EQ(text.find("nicht OK"), std::string::npos) << i << ":\n" << text;
            EXPECT_EQ(text.find("angeblich"), std::string::npos) << i << ":\n" << text;
            EXPECT_EQ(text.find("gleich?"), std::string::npos) << i << ":\n" << text;
            EXPECT_EQ(text.find("konnte nicht zerlegt"), std::string::npos) << i << ":\n" << text;
            EXPECT_TRUE(Meldungen().empty()) << i << ": " << (Meldungen().empty() ? "" : Meldungen().back());
            Oberflaeche.Host.Meldungen.clear();
        }
    }
}

// One wrong case beside right ones in each compared file: exactly the wrong cases report, with the texts
// the user reads; item 28 keeps item 6's corrections in Result.txt.
TEST_F(Selbsttest, NurDieFalschenFaelleMelden) {
    TFixturordner ordner;
    ordner.Datei("ZerlegungTest",
                 "\"Kopf\r\nf=((1*(x+2))*(x-1));\r\n f=kein Fall\r\n\r\nf=((1*(x-2))*(x-1));\r\n");
    ordner.Datei("NSTest", "f=x^2-1;N=-1(1-fach),1(1-fach)\nf=x^2-4;a=0;N=2(2-fach)\nf=x-1;N=1(1-fach)");
    ordner.Datei("SymmetrieTest",
                 "f=x^2;ASym=wahr;PSym=falsch\nf=x^3;ASym=wahr;PSym=wahr\nf=x;ASym=ja;PSym=wahr");
    ordner.Datei("IntegralTest", "f=x;a=0;b=2;I=2\nf=x^2;a=0;b=3;I=8\nf=1/x;a=-1;b=1;I=");
    ordner.Datei("PrimfaktorenTest", "f=12");
    const std::string zerlegung = Lauf(6);
    EXPECT_NE(zerlegung.find("x2-3·x+2 = 1·x-2·x-1 ergab 1·x-1·x-2 nicht OK!"), std::string::npos)
        << zerlegung;
    EXPECT_EQ(zerlegung.find("x2+x-2 = 1·x+2·x-1 ergab"), std::string::npos) << zerlegung;
    Lauf(28);
    std::ifstream result(ordner.Pfad / "Result.txt", std::ios::binary);
    const std::string korrektur((std::istreambuf_iterator<char>(result)), std::istreambuf_iterator<char>());
    EXPECT_EQ(korrektur, "f=((1*(x-1))*(x-2));\r\n");

    const std::string ns = Lauf(22);
    EXPECT_NE(ns.find("Nullstellen von x2-4 in [0;∞[:2(1-fach) statt 2(2-fach) nicht OK!"), std::string::npos)
        << ns;
    EXPECT_EQ(ns.find(" nicht OK!"), ns.rfind(" nicht OK!")) << ns;
    const std::string sym = Lauf(33);
    EXPECT_NE(sym.find(" Achsensymmetrie von x3 ist angeblich falsch statt wahr"), std::string::npos) << sym;
    EXPECT_NE(sym.find(" Achsensymmetrie von x ist angeblich falsch statt ja"), std::string::npos) << sym;
    EXPECT_EQ(sym.find("Punktsymmetrie"), std::string::npos) << sym;
    EXPECT_EQ(sym.find("Alles OK!"), std::string::npos) << sym;
    EXPECT_TRUE(Meldungen().empty());
    const std::string integral = Lauf(30);
    EXPECT_NE(integral.find(" = 9 statt 8 nicht OK"), std::string::npos) << integral;
    EXPECT_EQ(integral.find(" nicht OK"), integral.rfind(" nicht OK")) << integral;
    EXPECT_EQ(integral.find("alle OK"), std::string::npos) << integral;
}

// Item 29 computes the points of intersection of every case anew: the same two cases agree in either order,
// and a wrong expectation is reported.
TEST_F(Selbsttest, FlaechenInJederReihenfolge) {
    TFixturordner ordner;
    const std::string a = "f=x^2-1;a=-2;b=2;S=-2,-1,1,2;A=4\n";
    const std::string b = "f=x;g=x^3;a=0;b=1;S=0,1;A=0,25\n";
    for (const std::string& inhalt : {a + b, b + a, a + "f=x;a=0;b=1;S=0,1;A=1\n"}) {
        ordner.Datei("FlaechenTest", inhalt);
        const std::string text = Lauf(29);
        const bool falsch = inhalt.find("A=1\n") != std::string::npos;
        EXPECT_EQ(text.find(" statt S=0,1, A=1 nicht OK") != std::string::npos, falsch) << text;
        EXPECT_EQ(text.find(" nicht OK"), text.rfind(" nicht OK")) << text;
        EXPECT_NE(text.find("Flächeninhalt zwischen dem Graphen von f(x) = x2-1 und der x-Achse   in   "
                            "[-2;2] S=-2,-1,1,2 A=4 OK"),
                  std::string::npos)
            << text;
    }
}

// Item 17 writes the four parts of the rational-trigonometric form, their quotient and its term.
// The complex roots of a real part that is a piecewise term and an imaginary part with a parameter: the
// substitution tried on the polar form replaces x by a constant in a power of the piecewise term. All eight
// roots are written, and no warning ends the procedure.
TEST_F(Selbsttest, KomplexeWurzelnMitJoinUndParameter) {
    const std::string text = Lauf(3, "2;2;y");
    for (int n = 1; n <= 8; ++n)
        EXPECT_NE(text.find(std::to_string(n) + "-te Wurzel : "), std::string::npos) << n << "\n" << text;
    EXPECT_TRUE(Meldungen().empty()) << Meldungen().front();
}

TEST_F(Selbsttest, RatTrigNormalformMitIhrenTeilen) {
    const std::string text = Lauf(17, "(x*cos(x)+1)/(x^2+sin(x))");
    for (const char* zeile :
         {"\nP = 1\n", "\nQ = x\n", "\nR = s+x2\n", "\nS = 0\n", "\nRatTrigNormalform: ", "\nTerm = "})
        EXPECT_NE(text.find(zeile), std::string::npos) << zeile << " in " << text;
    EXPECT_NE(Lauf(17, "sin(x)/cos(x^2)").find("keine RatTrigNormalform"), std::string::npos);
}

} // namespace
} // namespace zol
