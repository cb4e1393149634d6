#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "term/Fehler.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Parser = ZolTest;

// The beginning of every message about the text S.
std::string P(const std::string& S) {
    return "Term: " + S + " syntaktisch nicht OK\n\r";
}

const std::string Fehlt = "Term-Angabe fehlt.";
const std::string Klammer = "Klammerung ungültig.";
const std::string Ungueltig = "Basis oder Exponent ungültig.";
const std::string Grenze = "Term zu lang oder zu tief geklammert.";

// The parse as a comparable text: the canonical text of the term, or "!" and the error message.
std::string Ergebnis(const std::string& eingabe) {
    try {
        TTerm* T = TermAusString(eingabe);
        return T ? T->Text : "nil";
    } catch (const ETermFehler& f) {
        return "!" + f.Meldung;
    }
}

struct TFall {
    const char* eingabe;
    std::string erwartet;
};

std::string Fehler(const std::string& meldung) {
    return "!" + meldung;
}

// Runs a table; cases that reach work still to be built are collected and reported as a skip.
void PruefeTabelle(const std::vector<TFall>& faelle, std::vector<std::string>& offen) {
    for (const TFall& f : faelle) {
        try {
            EXPECT_EQ(Ergebnis(f.eingabe), f.erwartet) << "Eingabe: " << f.eingabe;
        } catch (const ENochNichtGebaut& fehlt) {
            offen.push_back(std::string(f.eingabe) + " (" + fehlt.what() + ")");
        }
        AlleTermeFreigeben();
    }
}

#define PRUEFE_TABELLE(faelle)                                                                               \
    do {                                                                                                     \
        std::vector<std::string> offen;                                                                      \
        PruefeTabelle(faelle, offen);                                                                        \
        if (!offen.empty()) {                                                                                \
            std::string liste;                                                                               \
            for (const auto& o : offen) liste += "\n  " + o;                                                 \
            GTEST_SKIP() << "Fälle, die noch nicht gebaute Teile erreichen:" << liste;                       \
        }                                                                                                    \
    } while (false)

TEST_F(Parser, Zeichenklassen) {
    struct Klasse {
        char c;
        Int32 klasse;
    };
    const Klasse faelle[] = {
        {'0', 1}, {'5', 1}, {'9', 1}, {'a', 2}, {'e', 2}, {'w', 2}, {'y', 2},    {'z', 2},
        {'x', 3}, {'(', 4}, {')', 5}, {'A', 0}, {'X', 0}, {',', 0}, {'+', 0},    {'-', 0},
        {'*', 0}, {'/', 0}, {'^', 0}, {';', 0}, {'.', 0}, {' ', 0}, {'\xC2', 0}, {'\xB0', 0},
    };
    for (const auto& f : faelle) EXPECT_EQ(Zeichenklasse(f.c), f.klasse) << "Zeichen " << int(f.c);
}

TEST_F(Parser, GrundformenUndFehler) {
    const std::vector<TFall> faelle = {
        // Leaves.
        {"x", "x"},
        {"  x  ", "x"},
        {"e", "e"},
        {"a", "a"},
        {"Q", "Q"},
        {"pi", "pi"},
        {"7", "7"},
        {"2,5", "(5/2)"},
        {"0,50", "(1/2)"},
        {"3,", "3"},
        {",5", "(1/2)"},
        {"-3", "(-3)"},
        {"-2,5", "(-5/2)"},
        // Operators build plain operator terms without folding.
        {"1+1", "(1+1)"},
        {"x+1", "(x+1)"},
        {"x-1", "(x-1)"},
        {"x*x", "(x*x)"},
        {"x/2", "(x/2)"},
        {"-x+1", "(((-1)*x)+1)"},
        {"-x", "((-1)*x)"},
        {"-(x+1)", "((-1)*(x+1))"},
        {"-x*2", "((-1)*(x*2))"},
        {"(x)", "x"},
        {"((x+1))", "(x+1)"},
        // Left associativity: the split is at the last operator of lowest precedence.
        {"a-b-c", "((a-b)-c)"},
        {"8/4/2", "((8/4)/2)"},
        {"1-2+3", "((1-2)+3)"},
        {"1+2*3", "(1+(2*3))"},
        {"1*2+3", "((1*2)+3)"},
        {"2^3^2", "((2^3)^2)"},
        {"x^2*3", "((x^2)*3)"},
        {"a;b;c", "((a;b);c)"},
        {"x;x^2", "(x;(x^2))"},
        {"x+1;x-1", "((x+1);(x-1))"},
        // Implicit multiplication.
        {"2x", "(2*x)"},
        {"2 x", "(2*x)"},
        {"2(x+1)", "(2*(x+1))"},
        {"x(x+1)", "(x*(x+1))"},
        {"(x+1)(x-1)", "((x+1)*(x-1))"},
        {"(x+1)2", "((x+1)*2)"},
        {"(x+1)a", "((x+1)*a)"},
        {"(x+1)x", "((x+1)*x)"},
        {"2sin(x)", "(2*sin(x))"},
        {"sin(x)cos(x)", "(sin(x)*cos(x))"},
        {"2pi", "(2*pi)"},
        {"a2", "(a*2)"},
        {"x2", "(x*2)"},
        {"2a", "(2*a)"},
        {"3x^2", "(3*(x^2))"},
        // Functions.
        {"sin(x)", "sin(x)"},
        {"sqrt(x+1)", "sqrt((x+1))"},
        {"abs(x)", "abs(x)"},
        {"ln(x)", "ln(x)"},
        {"arcsin(x)", "arcsin(x)"},
        {"arccos(x)", "arccos(x)"},
        {"arctan(x)", "arctan(x)"},
        {"tan(x)", "tan(x)"},
        {"cot(x)", "cot(x)"},
        {"exp(x)", "exp(x)"},
        {"e^x", "exp(x)"},
        {"e^(x+1)", "exp((x+1))"},
        {"sin(cos(x))", "sin(cos(x))"},
        // Integer exponents and root indices are taken as written.
        {"x^2", "(x^2)"},
        {"x^0", "(x^0)"},
        {"x^(-1)", "(x^(-1))"},
        {"x°2", "(x°2)"},
        {"x°3", "(x°3)"},
        {"x°1", "(x°1)"},
        {"(x+1)°3", "((x+1)°3)"},
        // Errors.
        {"", Fehler(Fehlt)},
        {"   ", Fehler(Fehlt)},
        {"2*-3", Fehler(Fehlt)},
        {"x^-1", Fehler(Fehlt)},
        {"--x", Fehler(Fehlt)},
        {"+x", Fehler(Fehlt)},
        {"x+", Fehler(Fehlt)},
        {";x", Fehler(Fehlt)},
        {"x;", Fehler(Fehlt)},
        {"()", Fehler(Fehlt)},
        {"x°", Fehler(Fehlt)},
        {"(x", Fehler(P("(x") + Klammer)},
        {"x)", Fehler(P("x)") + Klammer)},
        {")x(", Fehler(P(")*x*(") + Klammer)},
        {"( 2x", Fehler(P("(2*x") + Klammer)},
        {"1+sin(x", Fehler(P("1+sin(x") + Klammer)},
        {"1.5", Fehler(P("1.5"))},
        {"sin(1.5)", Fehler(P("1.5"))},
        {"ax", Fehler(P("ax"))},
        {"xa", Fehler(P("xa"))},
        {"ab", Fehler(P("ab"))},
        {"1,2x,", Fehler(P("x,"))},
        {"co(x)", Fehler(P("co(x)") + "Unbekannter Funktionsbezeichner: co")},
        {"a(x)", Fehler(P("a(x)") + "Unbekannter Funktionsbezeichner: a")},
        {"Sin(x)", Fehler(P("Sin(x)") + "Unbekannter Funktionsbezeichner: Sin")},
        {"1+sinus(x)", Fehler(P("sinus(x)") + "Unbekannter Funktionsbezeichner: sinus")},
        {"x°0", Fehler(P("x°0") + Ungueltig)},
        {"x°-2", Fehler(Fehlt)},
        {"x\xB0"
         "2",
         Fehler(P("x\xB0"
                  "2"))},
        {"99999999999999999999", Fehler(P("99999999999999999999"))},
    };
    PRUEFE_TABELLE(faelle);
}

// Exponents and indices that are not integers are folded first.
TEST_F(Parser, GefalteteExponentenUndIndizes) {
    const std::vector<TFall> faelle = {
        {"x^(1+1)", "(x^2)"},
        {"x^(2)", "(x^2)"},
        {"x^(0,5)", "(x^(1/2))"},
        {"x^(-0,5)", "(x^(-1/2))"},
        {"x^x", Fehler(P("x^x") + Ungueltig)},
        {"x^pi", Fehler(P("x^pi") + Ungueltig)},
        {"pi^x", Fehler(P("pi^x") + Ungueltig)},
        {"x^(1/0)", Fehler(P("x^(1/0)") + Ungueltig)},
        // Roots: an integer index >= 1 is the index, another positive rational r gives the power 1/r.
        {"x°(2)", "(x°2)"},
        {"x°(1+2)", "(x°3)"},
        {"x°(0,5)", "(x^2)"},
        {"x°(1,5)", "(x^(2/3))"},
        {"x°(-2)", Fehler(P("x°(-2)") + Ungueltig)},
        {"x°(-0,5)", Fehler(P("x°(-0,5)") + Ungueltig)},
        {"x°(1-1)", Fehler(P("x°(1-1)") + Ungueltig)},
        {"2°x", Fehler(P("2°x") + Ungueltig)},
        {"x°pi", Fehler(P("x°pi") + Ungueltig)},
        {"x°(1/0)", Fehler(P("x°(1/0)") + Ungueltig)},
        {"x°3000000000", Fehler(P("x°3000000000") + Ungueltig)},
    };
    PRUEFE_TABELLE(faelle);
}

// Kumuliere folds the constant quotient 1/2 into the rational constant 1/2.
bool QuotientWirdGefaltet() {
    TTerm* q = OperatorTerm(Eins, Zwei, '/');
    Kumuliere(q);
    const bool gefaltet = IstRationaleKonstante(q);
    AlleTermeFreigeben();
    return gefaltet;
}

// Quotients as exponents, root indices and bases (the input x^(1/2) is the power with exponent 1/2).
TEST_F(Parser, GefalteteQuotienten) {
    if (!QuotientWirdGefaltet())
        GTEST_SKIP() << "Kumuliere faltet den konstanten Quotienten 1/2 nicht zur rationalen Konstanten";
    const std::vector<TFall> faelle = {
        {"x^(1/2)", "(x^(1/2))"}, {"x^(2/4)", "(x^(1/2))"},
        {"x°(4/2)", "(x°2)"},     {"x°(1/2)", "(x^2)"},
        {"x°(3/2)", "(x^(2/3))"}, {"x°(2/(-3))", Fehler(P("x°(2/(-3))") + Ungueltig)},
        {"(1/3)^x", "((1/3)^x)"},
    };
    PRUEFE_TABELLE(faelle);
}

TEST_F(Parser, AllgemeineExponentialfunktionen) {
    const std::vector<TFall> faelle = {
        {"2^x", "(2^x)"},
        {"0,5^x", "((1/2)^x)"},
        {"(1+1)^x", "(2^x)"},
        {"2^(x+1)", "(2^(x+1))"},
        {"0^x", Fehler("Basis einer Exponentialfunktion muß > 0 sein.")},
        {"(-2)^x", Fehler("Basis einer Exponentialfunktion muß > 0 sein.")},
    };
    PRUEFE_TABELLE(faelle);
}

TEST_F(Parser, GemeinsameUndGespeicherteKonstanten) {
    TTerm* const ziffern[] = {Null, Eins, Zwei, Drei, Vier};
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(TermAusString(std::to_string(i)), ziffern[i]) << i;
    EXPECT_EQ(TermAusString("x"), VariableX);
    EXPECT_EQ(TermAusString("-1"), MinusEins);
    EXPECT_EQ(TermAusString("0,5"), EinHalb);

    TTerm* sieben = TermAusString("7");
    ASSERT_TRUE(IstRationaleKonstante(sieben));
    EXPECT_EQ(sieben, RationaleKonstante(TBruch{7, 1}));
    TTerm* fuenfHalbe = TermAusString("2,5");
    ASSERT_TRUE(IstRationaleKonstante(fuenfHalbe));
    EXPECT_EQ(AlsRationaleKonstante(fuenfHalbe)->Bruch.Zaehler, 5);
    EXPECT_EQ(AlsRationaleKonstante(fuenfHalbe)->Bruch.Nenner, 2);

    // 1/2 stays the operator term; its text is that of the constant 1/2.
    TTerm* halb = TermAusString("1/2");
    EXPECT_EQ(halb->Kennung, "OpTerm");
    EXPECT_NE(halb, EinHalb);
    // Parsed terms are the store's terms: the same text twice is one object.
    EXPECT_EQ(TermAusString("x^2+1"), TermAusString("x ^ 2 + 1"));
    EXPECT_EQ(TermAusString("2x"), OperatorTerm(Zwei, VariableX, '*'));
}

TEST_F(Parser, Klassen) {
    struct Klasse {
        const char* eingabe;
        uint8_t rang;
        const char* kennung;
    };
    const Klasse faelle[] = {
        {"x", RangVariable, "x"},        {"3", RangRational, "3"},        {"b", RangBenannt, "b"},
        {"x+1", RangOperator, "OpTerm"}, {"x;1", RangJoin, "Join"},       {"x^3", RangPotenz, "Potenz"},
        {"x°3", RangWurzel, "Wurzel"},   {"sin(x)", RangStandard, "sin"}, {"e^x", RangStandard, "exp"},
    };
    for (const auto& f : faelle) {
        try {
            TTerm* T = TermAusString(f.eingabe);
            EXPECT_EQ(T->Typrang, f.rang) << f.eingabe;
            EXPECT_EQ(T->Kennung, f.kennung) << f.eingabe;
        } catch (const ENochNichtGebaut& fehlt) {
            ADD_FAILURE() << f.eingabe << ": " << fehlt.what();
        }
    }
}

// A parsed piecewise term has the condition x and its branches in order; the values of the parsed term
// agree with the term built by hand.
TEST_F(Parser, StueckweiseTerme) {
    auto* J = static_cast<TJoin*>(TermAusString("x-1;x+1"));
    ASSERT_TRUE(IstJoin(J));
    EXPECT_EQ(J->Bedingung, VariableX);
    EXPECT_EQ(J->T1->Text, "(x-1)");
    EXPECT_EQ(J->T2->Text, "(x+1)");
    EXPECT_FALSE(J->Stetig);

    auto* verschachtelt = static_cast<TJoin*>(TermAusString("a;b;c"));
    ASSERT_TRUE(IstJoin(verschachtelt));
    EXPECT_TRUE(IstJoin(verschachtelt->T1));
    EXPECT_EQ(verschachtelt->T2->Text, "c");
}

TEST_F(Parser, RadikaleWerdenErkannt) {
    // "Rad" is a known name: its argument goes to the reader of radicals, not to the function list.
    EXPECT_EQ(TermAusString("Rad(2,2;0,1)")->Text, "Rad(2,2;0,1)");
}

TEST_F(Parser, TiefeUndLaengeSindBegrenzt) {
    auto geklammert = [](int tiefe) { return std::string(tiefe, '(') + "x" + std::string(tiefe, ')'); };
    EXPECT_EQ(TermAusString(geklammert(MaxKlammertiefe)), VariableX);
    const std::string zuTief = geklammert(MaxKlammertiefe + 1);
    EXPECT_EQ(Ergebnis(zuTief), Fehler(P(zuTief) + Grenze));
    // Far deeper nesting, balanced or not, is refused the same way instead of exhausting the stack.
    const std::string sehrTief = std::string(200000, '(') + "x";
    EXPECT_EQ(Ergebnis(sehrTief), Fehler(P(sehrTief) + Grenze));

    // The length counts after the blanks are removed and the "*" inserted; "°" is one character.
    std::string lang(MaxTermlaenge, '1');
    EXPECT_EQ(Ergebnis(lang), Fehler(P(lang)));
    EXPECT_EQ(Ergebnis(lang + "1"), Fehler(P(lang + "1") + Grenze));
    std::string mitBlanks = std::string(3 * MaxTermlaenge, ' ') + "x";
    EXPECT_EQ(TermAusString(mitBlanks), VariableX);
    std::string grade;
    for (size_t i = 0; i < MaxTermlaenge / 2; ++i) grade += "\xB0\xB0";
    EXPECT_EQ(Ergebnis(grade), Fehler(P(grade)));
    std::string zweiX;
    for (size_t i = 0; i < MaxTermlaenge / 3 + 1; ++i) zweiX += "2x";
    const std::string mitMal = Ergebnis(zweiX);
    EXPECT_EQ(mitMal.substr(mitMal.size() - Grenze.size()), Grenze);
}

// A long chain of operators parses into the left-nested term. (Building a term costs time quadratic in
// its depth, so the chain stays well below the length limit.)
TEST_F(Parser, LangeKetteIstLinksgeschachtelt) {
    std::string kette = "1";
    for (int i = 0; i < 999; ++i) kette += "-1";
    TTerm* T = TermAusString(kette);
    ASSERT_TRUE(IstOperatorTerm(T));
    EXPECT_EQ(T->Knotenzahl, 999);
    bool definiert = false;
    EXPECT_EQ(T->Wert(0, definiert), -998.0L);
    EXPECT_TRUE(definiert);
    // The innermost operation is the first one of the text.
    TTerm* innen = T;
    while (IstOperatorTerm(AlsOperatorTerm(innen)->T1)) innen = AlsOperatorTerm(innen)->T1;
    EXPECT_EQ(innen->Text, "(1-1)");
}

// A random term over the input syntax, nested at most `tiefe` levels.
std::string ZufallsTerm(std::mt19937& zufall, int tiefe) {
    auto wahl = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(zufall); };
    static const char* const blaetter[] = {"x", "x", "2", "0", "7", "2,5", "a", "e", "pi", "(1/2)", "(-1)"};
    static const char* const namen[] = {"sin", "cos", "ln", "exp", "sqrt", "abs", "arctan", "tan"};
    static const char* const operatoren[] = {"+", "-", "*", "/", "^", "\u00b0", ";"};
    if (tiefe <= 0 || wahl(4) == 0) return blaetter[wahl(std::size(blaetter))];
    switch (wahl(5)) {
    case 0:
        return "(" + ZufallsTerm(zufall, tiefe - 1) + ")";
    case 1:
        return std::string(namen[wahl(std::size(namen))]) + "(" + ZufallsTerm(zufall, tiefe - 1) + ")";
    case 2:
        return "-" + ZufallsTerm(zufall, tiefe - 1);
    default:
        return ZufallsTerm(zufall, tiefe - 1) + operatoren[wahl(std::size(operatoren))] +
               ZufallsTerm(zufall, tiefe - 1);
    }
}

// Random texts over the input alphabet, and random terms with random edits: each yields a term or a
// term error, or reaches the degree limit of polynomials, nothing else.
TEST_F(Parser, ZufallstexteGebenTermOderTermfehler) {
    const std::vector<std::string> alphabet = {
        "0",      "1",   "2",    "3",    "4",    "5",   "9",     "x",    "x",     "x",   "a",
        "e",      "pi",  "(",    "(",    ")",    ")",   "+",     "-",    "*",     "/",   "^",
        "\u00b0", ";",   ",",    ".",    " ",    "A",   "R",     "sin(", "sqrt(", "ln(", "exp(",
        "abs(",   "co(", "Rad(", "\xC2", "\xB0", "1/0", "(1/2)", "(-1)", "e^",    "x^",  "Q",
    };
    std::mt19937 zufall(20240508u);
    auto wahl = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(zufall); };
    int terme = 0, termfehler = 0, nochNichtGebaut = 0, gradgrenze = 0;
    const int runden = 30000;
    for (int runde = 0; runde < runden; ++runde) {
        std::string text;
        if (runde % 2 == 0) {
            for (size_t i = wahl(25); i > 0; --i) text += alphabet[wahl(alphabet.size())];
        } else {
            text = ZufallsTerm(zufall, 4);
            // Up to three edits: a piece of the alphabet inserted, a byte deleted or a byte replaced.
            for (size_t k = wahl(4); k > 0 && !text.empty(); --k) {
                const size_t stelle = wahl(text.size());
                switch (wahl(3)) {
                case 0:
                    text.insert(stelle, alphabet[wahl(alphabet.size())]);
                    break;
                case 1:
                    text.erase(stelle, 1);
                    break;
                default:
                    text[stelle] = alphabet[wahl(alphabet.size())][0];
                }
            }
        }
        try {
            TTerm* T = TermAusString(text);
            ASSERT_NE(T, nullptr) << text;
            EXPECT_FALSE(T->Text.empty()) << text;
            ++terme;
        } catch (const ETermFehler& f) {
            EXPECT_FALSE(f.Meldung.empty()) << text;
            ++termfehler;
        } catch (const ENochNichtGebaut&) {
            // An operation that later work builds (such as the value of a branch at 0).
            ++nochNichtGebaut;
        } catch (const EZolFehler& f) {
            // A function caches its argument's normal form, whose polynomials end at degree 20.
            EXPECT_EQ(f.Meldung, "Maximaler Grad von Polynomen überschritten.") << text;
            ++gradgrenze;
        } catch (const std::exception& f) {
            ADD_FAILURE() << "Eingabe \"" << text << "\": " << f.what();
        }
        if (runde % 100 == 99) AlleTermeFreigeben();
    }
    EXPECT_GT(terme, runden / 10);
    EXPECT_GT(termfehler, runden / 10);
    RecordProperty("Terme", terme);
    RecordProperty("Termfehler", termfehler);
    RecordProperty("NochNichtGebaut", nochNichtGebaut);
    RecordProperty("Gradgrenze", gradgrenze);
}

} // namespace
