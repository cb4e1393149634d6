// The term parser: the canonical text or the message of every input form, folded exponents and root
// indices, and the limits on length and depth.
#include <gtest/gtest.h>

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

const std::string Fehlt = "!Term-Angabe fehlt.";
const std::string Klammer = "Klammerung ungültig.";
const std::string Ungueltig = "Basis oder Exponent ungültig.";
const std::string Grenze = "Term zu lang oder zu tief geklammert.";
// An operator without its operand: what is missing, after or before which sign.
const std::string Exponent =
    "Nach dem Zeichen ^ fehlt der Exponent. Ein negativer Exponent steht in Klammern, etwa x^(-1).";
const std::string Komma = "Dezimalzahlen werden mit Komma geschrieben, etwa 1,5.";
const std::string Potenz = "Eine Potenz wird mit ^ geschrieben, etwa x^2.";
std::string Argument(const std::string& f) {
    return "Das Argument einer Funktion steht in Klammern, etwa " + f + "(x).";
}
std::string Nach(const std::string& op) {
    return "Nach dem Zeichen " + op +
           " fehlt ein Term. Ein Vorzeichen nach einem Rechenzeichen steht in Klammern, etwa 2*(-3).";
}

// The parse as a comparable text: the canonical text of the term, or "!" and the error message.
std::string Ergebnis(const std::string& eingabe) {
    try {
        TTerm* T = TermAusString(eingabe);
        return T ? T->Text : "nil";
    } catch (const ETermFehler& f) {
        return "!" + f.Meldung;
    }
}

std::string F(const std::string& meldung) {
    return "!" + meldung;
}

TEST_F(Parser, FormenUndMeldungen) {
    using TFaelle = std::vector<std::pair<const char*, std::string>>;
    // Leaves; operators build plain operator terms without folding, split at the last operator of lowest
    // precedence (left associative); implicit multiplication; functions, e^ is exp; "Rad" is read as a
    // radical.
    // clang-format off
    const TFaelle formen = {
        {"  x  ", "x"}, {"pi", "pi"}, {"2,5", "(5/2)"}, {"0,50", "(1/2)"}, {"3,", "3"}, {",5", "(1/2)"},
        {"-2,5", "(-5/2)"}, {"1+1", "(1+1)"}, {"-x+1", "(((-1)*x)+1)"}, {"-(x+1)", "((-1)*(x+1))"},
        {"-x*2", "((-1)*(x*2))"}, {"((x+1))", "(x+1)"}, {"a-b-c", "((a-b)-c)"}, {"8/4/2", "((8/4)/2)"},
        {"1+2*3", "(1+(2*3))"}, {"2^3^2", "((2^3)^2)"}, {"a;b;c", "((a;b);c)"}, {"x+1;x-1", "((x+1);(x-1))"},
        {"2 x", "(2*x)"}, {"x(x+1)", "(x*(x+1))"}, {"(x+1)(x-1)", "((x+1)*(x-1))"}, {"(x+1)a", "((x+1)*a)"},
        {"2sin(x)", "(2*sin(x))"}, {"sin(x)cos(x)", "(sin(x)*cos(x))"}, {"a2", "(a*2)"}, {"3x^2", "(3*(x^2))"},
        {"sqrt(x+1)", "sqrt((x+1))"}, {"arccos(x)", "arccos(x)"}, {"e^(x+1)", "exp((x+1))"},
        {"Rad(2,2;0,1)", "Rad(2,2;0,1)"},
    };
    // Integer exponents and root indices as written, others folded first: a root index >= 1 is the index,
    // another positive rational r gives the power 1/r; general exponentials.
    const TFaelle exponenten = {
        {"x^0", "(x^0)"}, {"x^(-1)", "(x^(-1))"}, {"x°1", "(x°1)"}, {"(x+1)°3", "((x+1)°3)"},
        {"x^(1+1)", "(x^2)"}, {"x^(-0,5)", "(x^(-1/2))"}, {"x^(2/4)", "(x^(1/2))"}, {"x°(1+2)", "(x°3)"},
        {"x°(0,5)", "(x^2)"}, {"x°(1,5)", "(x^(2/3))"}, {"x°(4/2)", "(x°2)"}, {"x°(3/2)", "(x^(2/3))"},
        {"2^x", "(2^x)"}, {"0,5^x", "((1/2)^x)"}, {"(1+1)^x", "(2^x)"}, {"(1/3)^x", "((1/3)^x)"},
        {"0^x", F("Basis einer Exponentialfunktion muß > 0 sein.")},
        {"(-2)^x", F("Basis einer Exponentialfunktion muß > 0 sein.")},
    };
    // Errors; a fold that fails, or an exponent or index that is no number, is the base-or-exponent message.
    const TFaelle fehler = {
        {"", Fehlt}, {"   ", Fehlt}, {"2*-3", F(P("2*") + Nach("*"))}, {"x^-1", F(P("x^") + Exponent)},
        {"x^^2", F(P("x^") + Exponent)}, {"--x", F(P("-") + Nach("-"))}, {"x+", F(P("x+") + Nach("+"))},
        {"+x", F(P("+x") + "Vor dem Zeichen + fehlt ein Term.")}, {";x", F(P(";x") + "Vor dem Zeichen ; fehlt ein Term.")},
        {"()", F(P("()") + "Leere Klammern.")}, {"sin()", F(P("sin()") + "Leere Klammern.")},
        {"x°", F(P("x°") + "Nach dem Zeichen ° fehlt der Wurzelexponent.")},
        {"|x^2-4|", F(P("|x^2-4|") + "Betragsstriche | kennt die Eingabe nicht: der Betrag wird abs(...) geschrieben, etwa abs(x^2-4).")},
        {"(x", F(P("(x") + Klammer)}, {"x)", F(P("x)") + Klammer)}, {")x(", F(P(")*x*(") + Klammer)},
        {"( 2x", F(P("(2*x") + Klammer)}, {"1+sin(x", F(P("1+sin(x") + Klammer)}, {"1.5", F(P("1.5") + Komma)},
        {"sin(1.5)", F(P("1.5") + Komma)},
        {"ax", F(P("ax") + "Zwischen zwei Buchstaben steht ein Malzeichen, etwa a*x.")},
        {"1,2x,", F(P("x,"))}, {"x²-4", F(P("x²") + Potenz)}, {"x³", F(P("x³") + Potenz)},
        {"2π", F(P("2π") + "Die Kreiszahl wird pi geschrieben.")}, {"sin x", F(P("sinx") + Argument("sin"))},
        {"arcsinx", F(P("arcsinx") + Argument("arcsin"))}, {"sin^2(x)", F(P("sin") + Argument("sin"))},
        {"x:2", F(P("x:2") + "Geteilt wird mit / geschrieben.")}, {"2·x", F(P("2·x") + "Das Malzeichen ist *.")},
        {"√x", F(P("√x") + "Die Wurzel wird sqrt(...) geschrieben, etwa sqrt(x).")},
        {"x€", F(P("x€") + "Das Zeichen € kennt die Eingabe nicht.")},
        {"f(x)=x^2", F(P("f(x)=x") + "Einzugeben ist nur der Term, ohne Gleichheitszeichen: x^2-1 statt f(x)=x^2-1.")},
        {"co(x)", F(P("co(x)") + "Unbekannter Funktionsbezeichner: co")},
        {"Sin(x)", F(P("Sin(x)") + "Unbekannter Funktionsbezeichner: Sin")},
        {"1+sinus(x)", F(P("sinus(x)") + "Unbekannter Funktionsbezeichner: sinus")},
        {"x\2602", F(P("x\2602"))}, {"99999999999999999999", F(P("99999999999999999999"))},
        {"x°0", F(P("x°0") + Ungueltig)}, {"x^x", F(P("x^x") + Ungueltig)}, {"pi^x", F(P("pi^x") + Ungueltig)},
        {"x^(1/0)", F(P("x^(1/0)") + Ungueltig)}, {"x°(-2)", F(P("x°(-2)") + Ungueltig)},
        {"x°(1-1)", F(P("x°(1-1)") + Ungueltig)}, {"2°x", F(P("2°x") + Ungueltig)},
        {"x°(1/0)", F(P("x°(1/0)") + Ungueltig)}, {"x°(2/(-3))", F(P("x°(2/(-3))") + Ungueltig)},
        {"x°3000000000", F(P("x°3000000000") + Ungueltig)},
    };
    // clang-format on
    for (const TFaelle* gruppe : {&formen, &exponenten, &fehler})
        for (const auto& [eingabe, erwartet] : *gruppe) {
            EXPECT_EQ(Ergebnis(eingabe), erwartet) << "Eingabe: " << eingabe;
            AlleTermeFreigeben();
        }
}

TEST_F(Parser, TiefeUndLaengeSindBegrenzt) {
    auto geklammert = [](int tiefe) { return std::string(tiefe, '(') + "x" + std::string(tiefe, ')'); };
    EXPECT_EQ(TermAusString(geklammert(MaxKlammertiefe)), VariableX);
    const std::string zuTief = geklammert(MaxKlammertiefe + 1);
    EXPECT_EQ(Ergebnis(zuTief), F(P(zuTief) + Grenze));
    // Far deeper nesting, balanced or not, is refused the same way instead of exhausting the stack.
    const std::string sehrTief = std::string(200000, '(') + "x";
    EXPECT_EQ(Ergebnis(sehrTief), F(P(sehrTief) + Grenze));
    // The length counts after the blanks are removed and the "*" inserted; "°" is one character.
    std::string lang(MaxTermlaenge, '1');
    EXPECT_EQ(Ergebnis(lang), F(P(lang)));
    EXPECT_EQ(Ergebnis(lang + "1"), F(P(lang + "1") + Grenze));
    EXPECT_EQ(TermAusString(std::string(3 * MaxTermlaenge, ' ') + "x"), VariableX);
    std::string grade;
    for (size_t i = 0; i < MaxTermlaenge / 2; ++i) grade += "\xB0\xB0";
    EXPECT_EQ(Ergebnis(grade), F(P(grade)));
    std::string zweiX;
    for (size_t i = 0; i < MaxTermlaenge / 3 + 1; ++i) zweiX += "2x";
    const std::string mitMal = Ergebnis(zweiX);
    EXPECT_EQ(mitMal.substr(mitMal.size() - Grenze.size()), Grenze);
    // A long chain of operators parses into the left-nested term with its value.
    std::string kette = "1";
    for (int i = 0; i < 999; ++i) kette += "-1";
    TTerm* T = TermAusString(kette);
    EXPECT_EQ(T->Knotenzahl, 999);
    EXPECT_EQ(Wert(T), -998.0L);
}

} // namespace
