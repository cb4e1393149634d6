// The term parser: a recursive parser by splitting at the last operator of lowest precedence.
#include "term/TermParser.h"

#include <algorithm>
#include <limits>

#include "plattform/Leinwand.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

// "°" in UTF-8; the parser treats the two bytes as one operator.
constexpr char GradErstesByte = '\xC2';
constexpr char GradZweitesByte = '\xB0';
// The root operator in the split record.
constexpr char Wurzeloperator = 'o';

const char* const FehltText = "Term-Angabe fehlt.";
const char* const KlammerText = "Klammerung ungültig.";
const char* const UngueltigText = "Basis oder Exponent ungültig.";
const char* const GrenzText = "Term zu lang oder zu tief geklammert.";
const char* const RadikalText = "Radikal ungültig.";
const char* const BetragText =
    "Betragsstriche | kennt die Eingabe nicht: der Betrag wird abs(...) geschrieben, etwa abs(x^2-4).";

// What is wrong when an operator of the text lacks an operand: Rechts for the one after it.
std::string OperandFehlt(char op, bool Rechts) {
    const std::string zeichen = op == Wurzeloperator ? "°" : std::string(1, op);
    if (!Rechts) return "Vor dem Zeichen " + zeichen + " fehlt ein Term.";
    if (op == '^')
        return "Nach dem Zeichen ^ fehlt der Exponent. Ein negativer Exponent steht in Klammern, etwa "
               "x^(-1).";
    if (op == Wurzeloperator) return "Nach dem Zeichen ° fehlt der Wurzelexponent.";
    return "Nach dem Zeichen " + zeichen +
           " fehlt ein Term. Ein Vorzeichen nach einem Rechenzeichen steht in Klammern, etwa 2*(-3).";
}

// The beginning of every message about the text S of one recursion level.
std::string Praefix(const std::string& S) {
    return "Term: " + S + " syntaktisch nicht OK" + "\n\r";
}

[[noreturn]] void Fehler(const std::string& S, const std::string& was) {
    throw ETermFehler(Praefix(S) + was);
}

bool IstGradzeichen(const std::string& S, size_t i) {
    return S[i] == GradErstesByte && i + 1 < S.size() && S[i + 1] == GradZweitesByte;
}

// The pairs of character classes between which a "*" is implied.
bool MalEinfuegen(Int32 code) {
    switch (code) {
    case 12:
    case 13:
    case 14:
    case 21:
    case 31:
    case 34:
    case 51:
    case 52:
    case 53:
    case 54:
        return true;
    default:
        return false;
    }
}

std::string OhneLeerzeichen(const std::string& text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ') s += c;
    return s;
}

std::string MitImpliziterMultiplikation(const std::string& s) {
    std::string S;
    S.reserve(s.size() + s.size() / 2);
    for (size_t i = 0; i < s.size(); ++i) {
        S += s[i];
        if (i + 1 < s.size() && MalEinfuegen(10 * Zeichenklasse(s[i]) + Zeichenklasse(s[i + 1]))) S += '*';
    }
    return S;
}

// The number of UTF-8 characters (bytes that do not continue a character).
size_t Zeichenzahl(const std::string& S) {
    size_t n = 0;
    for (char c : S)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

Int32 GroessteKlammertiefe(const std::string& S) {
    Int32 tiefe = 0, groesste = 0;
    for (char c : S) {
        if (c == '(')
            groesste = std::max(groesste, ++tiefe);
        else if (c == ')')
            --tiefe;
    }
    return groesste;
}

// A signed 32-bit decimal integer: an optional sign and at least one digit, nothing else.
bool LiesGanzzahl(const std::string& s, Int32& n) {
    size_t i = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    if (i == s.size()) return false;
    Int64 betrag = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        betrag = betrag * 10 + (s[i] - '0');
        if (betrag > Int64(std::numeric_limits<Int32>::max()) + 1) return false;
    }
    if (negativ) betrag = -betrag;
    if (betrag > std::numeric_limits<Int32>::max()) return false;
    n = static_cast<Int32>(betrag);
    return true;
}

bool IstFunktionsname(const std::string& name) {
    static const char* const namen[] = {"abs", "exp",  "ln",     "sin",    "cos",   "tan",
                                        "cot", "sqrt", "arcsin", "arccos", "arctan"};
    for (const char* n : namen)
        if (name == n) return true;
    return false;
}

// What a pupil most likely meant by an operand S that is no number, name or function; empty when nothing
// more can be said than that S is not understood.
std::string Hinweis(const std::string& S) {
    static const char* const Potenz = "Eine Potenz wird mit ^ geschrieben, etwa x^2.";
    static const char* const Mal = "Das Malzeichen ist *.";
    static const char* const Geteilt = "Geteilt wird mit / geschrieben.";
    static const std::pair<const char*, const char*> zeichen[] = {
        {"\u00B2", Potenz},
        {"\u00B3", Potenz},
        {"\u221A", "Die Wurzel wird sqrt(...) geschrieben, etwa sqrt(x)."},
        {"\u03C0", "Die Kreiszahl wird pi geschrieben."},
        {"\u00B7", Mal},
        {"\u00D7", Mal},
        {"\u22C5", Mal},
        {"\u00F7", Geteilt},
        {":", Geteilt},
        {"\u2212", "Das Minuszeichen ist -."},
        {"=", "Einzugeben ist nur der Term, ohne Gleichheitszeichen: x^2-1 statt f(x)=x^2-1."},
        {".", "Dezimalzahlen werden mit Komma geschrieben, etwa 1,5."},
    };
    for (const auto& [z, text] : zeichen)
        if (S.find(z) != std::string::npos) return text;
    const bool nurBuchstaben = std::all_of(
        S.begin(), S.end(), [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
    if (nurBuchstaben && S.size() >= 2) {
        // Longer names first, so that arcsinx names arcsin and not sin.
        static const char* const namen[] = {"arcsin", "arccos", "arctan", "sqrt", "abs", "exp",
                                            "sin",    "cos",    "tan",    "cot",  "ln"};
        for (const char* n : namen)
            if (S.rfind(n, 0) == 0)
                return std::string("Das Argument einer Funktion steht in Klammern, etwa ") + n + "(x).";
        return "Zwischen zwei Buchstaben steht ein Malzeichen, etwa a*x.";
    }
    // Another character beyond ASCII, named when it is whole (a stray byte is not shown).
    for (const std::string& z : ZerlegeInZeichen(S))
        if (z.size() >= 2 && static_cast<unsigned char>(z[0]) >= 0xC2)
            return "Das Zeichen " + z + " kennt die Eingabe nicht.";
    return "";
}

// The radical constant of the text inside "Rad(" and ")"; S is the whole operand.
TTerm* RadikalAusText(const std::string& S, const std::string& text) {
    TRadikal r;
    try {
        StrToRadikal(text, r);
    } catch (const ETermFehler&) {
        Fehler(S, RadikalText);
    }
    return RadikalKonstante(r);
}

// T folded; a fold that meets a value that does not exist or overflows leaves no usable base
// or exponent.
TTerm* Gefaltet(TTerm* T, const std::string& S) {
    try {
        Kumuliere(T);
    } catch (const ENichtExistenz&) {
        Fehler(S, UngueltigText);
    } catch (const ERessourcen&) {
        Fehler(S, UngueltigText);
    }
    return T;
}

// The fraction of a term that is an exact rational constant.
bool AlsBruch(TTerm* T, TBruch& b) {
    if (!T || !T->IstRational()) return false;
    BruchVonKonstante(T, b);
    return true;
}

TTerm* Negiert(TTerm* T) {
    if (IstRationaleKonstante(T)) return T->Negation();
    return OperatorTerm(MinusEins, T, '*');
}

// The root of index r (a folded rational) of basis: an integer r >= 1 is the index of a root, another
// positive rational r gives the power 1/r; anything else is no index.
TTerm* WurzelMitIndex(TTerm* basis, const TBruch& r, const std::string& S) {
    if (r.Zaehler <= 0) Fehler(S, UngueltigText);
    if (r.Nenner == 1) {
        if (r.Zaehler > std::numeric_limits<Int32>::max()) Fehler(S, UngueltigText);
        return WurzelTerm(basis, static_cast<Int32>(r.Zaehler));
    }
    TBruch kehrwert;
    Brueche::Kehrwert(r, kehrwert);
    return PotenzTerm(basis, kehrwert);
}

TTerm* Lies(const std::string& S);

TTerm* LiesPotenz(const std::string& S, const std::string& links, const std::string& rechts, char op) {
    if (op == '^' && links == "e") return StandardFunktionTerm("exp", Lies(rechts));
    TTerm* basis = Lies(links);
    Int32 n = 0;
    if (LiesGanzzahl(rechts, n)) {
        if (op == '^') return PotenzTerm(basis, TBruch{n, 1});
        if (n < 1) Fehler(S, UngueltigText);
        return WurzelTerm(basis, n);
    }
    TTerm* exponent = Gefaltet(Lies(rechts), S);
    TBruch e;
    if (AlsBruch(exponent, e)) {
        Brueche::Kuerze(e);
        if (op == '^') return PotenzTerm(basis, e);
        return WurzelMitIndex(basis, e, S);
    }
    if (op == Wurzeloperator) Fehler(S, UngueltigText);
    TBruch a;
    if (AlsBruch(Gefaltet(basis, S), a)) return Neu<TAllgemeineExponentialFunktion>(a, exponent);
    Fehler(S, UngueltigText);
}

// A text without operator at depth 0: parentheses, a letter, a function, pi, a digit or a number.
TTerm* LiesOperand(const std::string& S) {
    if (S.front() == '(' && S.back() == ')') {
        if (S.size() == 2) Fehler(S, "Leere Klammern.");
        return Lies(S.substr(1, S.size() - 2));
    }
    if (S.size() == 1 && ((S[0] >= 'A' && S[0] <= 'Z') || (S[0] >= 'a' && S[0] <= 'z')))
        return S[0] == 'x' ? VariableX : BenannteKonstante(S);
    const size_t auf = S.find('(');
    if (auf != std::string::npos && S.back() == ')') {
        const std::string name = S.substr(0, auf);
        const std::string argument = S.substr(auf + 1, S.size() - auf - 2);
        if (name == "Rad") return RadikalAusText(S, argument);
        if (argument.empty()) Fehler(S, "Leere Klammern.");
        if (!IstFunktionsname(name)) Fehler(S, "Unbekannter Funktionsbezeichner: " + name);
        return StandardFunktionTerm(name, Lies(argument));
    }
    if (S == "pi") return KonstantePi();
    if (S.size() == 1 && S[0] >= '0' && S[0] <= '4') {
        TTerm* const ziffern[] = {Null, Eins, Zwei, Drei, Vier};
        return ziffern[S[0] - '0'];
    }
    TBruch b;
    Int32 fehler = 0;
    Brueche::StrToBruch(S, b, fehler);
    if (fehler != 0) Fehler(S, Hinweis(S));
    return RationaleKonstante(b);
}

// The position of the last operator of one precedence class at depth 0.
struct TTrennstelle {
    size_t Position = std::string::npos;
    size_t Laenge = 1;
    char Operator = 0;
    bool Gefunden() const { return Position != std::string::npos; }
};

// One recursion level: S is free of blanks and has its multiplications inserted.
TTerm* Lies(const std::string& S) {
    if (S.empty()) throw ETermFehler(FehltText);
    Int32 tiefe = 0;
    TTrennstelle semikolon, strich, punkt, hoch;
    for (size_t i = 0; i < S.size(); ++i) {
        const char c = S[i];
        if (c == '(') {
            ++tiefe;
        } else if (c == ')') {
            if (--tiefe < 0) Fehler(S, KlammerText);
        } else if (tiefe == 0) {
            if (c == ';')
                semikolon = {i, 1, c};
            else if (c == '+' || c == '-')
                strich = {i, 1, c};
            else if (c == '*' || c == '/')
                punkt = {i, 1, c};
            else if (c == '^')
                hoch = {i, 1, c};
            else if (IstGradzeichen(S, i))
                hoch = {i++, 2, Wurzeloperator};
        }
    }
    if (tiefe != 0) Fehler(S, KlammerText);

    const TTrennstelle& t = semikolon.Gefunden() ? semikolon
                            : strich.Gefunden()  ? strich
                            : punkt.Gefunden()   ? punkt
                                                 : hoch;
    if (!t.Gefunden()) return LiesOperand(S);
    const std::string links = S.substr(0, t.Position);
    const std::string rechts = S.substr(t.Position + t.Laenge);
    // Only a leading minus stands without a left operand.
    if (rechts.empty()) Fehler(S, OperandFehlt(t.Operator, true));
    if (links.empty() && !(t.Operator == '-' && t.Position == 0)) Fehler(S, OperandFehlt(t.Operator, false));
    switch (t.Operator) {
    case ';': {
        TTerm* T1 = Lies(links);
        TTerm* T2 = Lies(rechts);
        return Neu<TJoin>(T1, VariableX, T2);
    }
    case '+':
    case '-':
    case '*':
    case '/': {
        TTerm* T2 = Lies(rechts);
        if (t.Position == 0 && t.Operator == '-') return Negiert(T2);
        TTerm* T1 = Lies(links);
        return OperatorTerm(T1, T2, t.Operator);
    }
    default:
        return LiesPotenz(S, links, rechts, t.Operator);
    }
}

} // namespace

Int32 Zeichenklasse(char c) {
    if (c >= '0' && c <= '9') return 1;
    if (c == 'x') return 3;
    if (c >= 'a' && c <= 'z') return 2;
    if (c == '(') return 4;
    if (c == ')') return 5;
    return 0;
}

TTerm* TermAusString(const std::string& text) {
    const std::string S = MitImpliziterMultiplikation(OhneLeerzeichen(text));
    if (S.empty()) throw ETermFehler(FehltText);
    // The recursion follows the parentheses and the operators; both are bounded before it starts.
    if (Zeichenzahl(S) > MaxTermlaenge || GroessteKlammertiefe(S) > MaxKlammertiefe) Fehler(S, GrenzText);
    if (S.find('|') != std::string::npos) Fehler(S, BetragText);
    return Lies(S);
}

} // namespace zol
