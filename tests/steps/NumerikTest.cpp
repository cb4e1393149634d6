// The numerical zero run headless onto page 1 and read back: the iteration against the true zeros, the
// checks of the start interval and the inputs, the ends of an iteration and the abort.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "steps/Numerik.h"
#include "term/Fehler.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "term/Terme.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

const std::string Loesung = "Näherungslösung: x  ≈ ", Stop = " Näherungsverfahren abgebrochen.";

// Page 1 of a run: its lines, the rows of the iteration table as cell texts (header first), the solution
// line, and whether the step was ticked.
struct TSeite1 {
    std::vector<std::string> Zeilen;
    std::vector<std::vector<std::string>> Tabelle;
    std::string Loesungszeile;
    bool Abgehakt = false;

    bool Hat(const std::string& z) const {
        return std::find(Zeilen.begin(), Zeilen.end(), z) != Zeilen.end();
    }
    // The solution; NaN without a solution line.
    long double X() const {
        std::string z = Loesungszeile;
        std::replace(z.begin(), z.end(), ',', '.');
        return z.empty() ? NAN : std::strtold(z.c_str() + Loesung.size(), nullptr);
    }
    size_t Dezimalen() const { return Loesungszeile.size() - Loesungszeile.find(',') - 1; }
};

TSeite1 Lauf(TAnfrage a, int64_t abbruchNach = 0) {
    a.Schritte.push_back(SchrittNaeherungsverfahren);
    TKopfloseAnfrage lauf(a);
    lauf.Host.AbbruchNach = abbruchNach;
    TSeite1 s;
    try {
        lauf.Starte();
    } catch (const EBenutzerAbbruch&) {
    }
    s.Abgehakt = std::count(lauf.Host.Abgehakt.begin(), lauf.Host.Abgehakt.end(), SchrittNaeherungsverfahren);
    s.Zeilen = lauf.Seiten[1].Klartext();
    for (const std::string& z : s.Zeilen)
        if (z.rfind(Loesung, 0) == 0) s.Loesungszeile = z;
    for (const auto& zeile : lauf.Seiten[1].Zeilen) {
        std::vector<std::string> zellen;
        if (auto* reihe = dynamic_cast<const TSammelFolie*>(zeile.get()))
            for (const auto& kind : reihe->Liste)
                if (kind->Art == ArtListenFolie) zellen.push_back(kind->Klartext());
        // The value table that finds Newton's start value has two columns; the header row is left out.
        if (zellen.size() > 2 && zellen[0] != "n") s.Tabelle.push_back(zellen);
    }
    return s;
}

using Numerik = ZolTest;

const struct TFunktion {
    const char *F, *A, *B;
    long double (*f)(long double);
    long double Nullstelle;
} Funktionen[] = {
    {"x^2-2", "1", "2", [](long double x) { return x * x - 2; }, std::sqrt(2.0L)},
    {"x^3-2", "1", "2", [](long double x) { return x * x * x - 2; }, std::cbrt(2.0L)},
    {"cos(x)-x", "0", "1", [](long double x) { return std::cos(x) - x; }, 0.7390851332151606417L},
    {"e^x-3", "0", "2", [](long double x) { return std::exp(x) - 3; }, std::log(3.0L)},
};

// Every method on f over [A, B] with eps 0.0001: the solution lies within eps of the true zero, f is near 0
// there, and it has Round(3 - log10 eps) = 7 decimals.
void JedesVerfahren(const TFunktion& t) {
    for (int methode = 1; methode <= 3; ++methode) {
        SCOPED_TRACE(std::string(t.F) + " Verfahren " + std::to_string(methode));
        const TSeite1 s = Lauf({.F = t.F, .A = t.A, .B = t.B, .Methode = methode});
        EXPECT_LE(std::fabs(s.X() - t.Nullstelle), 1e-4L);
        EXPECT_LE(std::fabs(t.f(s.X())), 5e-4L);
        EXPECT_TRUE(s.Dezimalen() == 7 && s.Abgehakt);
        // Halving goes on while the width before the step is at least 2 eps.
        const long double zeilen = std::floor(std::log2((std::stold(t.B) - std::stold(t.A)) / 2e-4L)) + 2;
        EXPECT_TRUE(methode != 1 || s.Tabelle.size() == zeilen) << s.Tabelle.size();
    }
}

TEST_F(Numerik, JedesVerfahrenTrifftDieNullstelleAufEpsGenau) {
    for (const TFunktion& t : Funktionen) JedesVerfahren(t);
}

TEST_F(Numerik, PruefungenStoppenMitIhrerZeileOhneLoesung) {
    const std::pair<TAnfrage, std::string> faelle[] = {
        {{.F = "x^2-1", .A = "1", .B = "3"}, "Exakte Lösung : x = 1"},
        {{.F = "x^2-1", .A = "0", .B = "1", .Methode = 2}, "f ist an der rechten Intervallgrenze Null."},
        {{.F = "x^2+1", .A = "1", .B = "2"},
         "Die Funktion x2+1 hat an den Grenzen des Intervalls [1;2] dasselbe Vorzeichen." + Stop},
        {{.F = "1/x", .A = "0", .B = "1"},
         "Die Funktion 1x ist an einer Intervallgrenze nicht definiert." + Stop},
        {{.F = "x^2-2", .B = "2"}, "Startintervall nicht endlich." + Stop},
        {{.F = "x^2-2", .Epsilon = "abc"}, "Die Genauigkeit muss eine positive Zahl sein." + Stop},
        {{.F = "x^2-2", .Methode = 3, .Startwert = "abc"}, "Der Startwert abc ist keine Zahl." + Stop},
        {{.F = "x^3-3*x", .Methode = 3, .Startwert = "1"}, "Nach dem 1. Schritt ist f' in xn gleich Null."},
        {{.F = "x^3-3*x", .Methode = 3, .Startwert = "1"}, Stop.substr(1)},
    };
    for (const auto& [anfrage, zeile] : faelle) {
        const TSeite1 s = Lauf(anfrage);
        EXPECT_TRUE(s.Hat(zeile) && std::isnan(s.X()) && s.Tabelle.size() <= 1) << zeile;
    }
    // Bounds a > b, which a request refuses, given to the iteration itself.
    Naeherungsverfahren(Lies("x^2-2"), Iv(Lies("2"), false, Lies("1"), false), 1, 1e-4L);
    const std::vector<std::string> zeilen = Seitentext();
    EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), "Startintervall leer." + Stop), zeilen.end());
    EXPECT_TRUE(std::none_of(zeilen.begin(), zeilen.end(),
                             [](const std::string& z) { return z.rfind(Loesung, 0) == 0; }));
}

// A sign change at a pole or a jump is no zero: an interval where f's range shows the gap is refused, else
// the iteration ends with a line instead of a solution. A zero at a junction is still one.
TEST_F(Numerik, KeineLoesungAnPolOderSprung) {
    const std::string luecke = "Die Funktion 1x ist im Intervall [-1;2] nicht überall definiert." + Stop;
    const std::tuple<const char*, int, std::string> faelle[] = {
        {"1/x", 1, luecke},
        {"1/x", 2, luecke},
        {"1/x", 3, luecke},
        {"tan(x+1)", 1, "Die Funktion tanx+1 ist im Intervall [-1;2] nicht überall definiert." + Stop},
        {"x-1;x+1", 1, "wechselt dort das Vorzeichen, ohne 0 zu werden."},
        {"x-1;x+1", 2, "wechselt dort das Vorzeichen, ohne 0 zu werden."},
        {"1/x;1/x", 1, "wächst dort über alle Grenzen."},
        {"1/x;1/x", 2, "f ist bei 0 nicht definiert: dort wurde keine Nullstelle gefunden."},
        {"x;x^3", 1, Loesung},
        {"x;x^3", 2, Loesung}};
    for (const auto& [f, methode, zeile] : faelle) {
        const TSeite1 s = Lauf({.F = f, .A = "-1", .B = "2", .Methode = methode});
        const bool da = std::any_of(s.Zeilen.begin(), s.Zeilen.end(),
                                    [&](const std::string& z) { return z.find(zeile) != std::string::npos; });
        EXPECT_TRUE(da && std::isnan(s.X()) == (zeile != Loesung)) << f << " " << methode << ": " << zeile;
        EXPECT_TRUE(zeile != Loesung || std::fabs(s.X()) < 1e-3L) << f;
    }
}

TEST_F(Numerik, NewtonSuchtDenStartwertInEinerWertetabelleMitSchritt1) {
    // x^2 - 4 is 0 at the table point 2: the search stops there instead of running past the zero.
    for (auto [f, zelle, x0, c] :
         {std::tuple{"x^2-7", "2 und 3", "2", 7.0L}, std::tuple{"x^2-4", "1 und 2", "1", 4.0L}}) {
        const TSeite1 s = Lauf({.F = f, .A = "0", .B = "5", .Methode = 3, .Kommentare = true});
        EXPECT_TRUE(s.Hat(std::string("Man sieht, dass zwischen ") + zelle + " eine Nullstelle liegt.")) << f;
        EXPECT_TRUE(s.Hat(std::string("Startwert ist x0 = ") + x0 + ".")) << f;
        EXPECT_LE(std::fabs(s.X() - std::sqrt(c)), 1e-4L) << f;
    }
}

TEST_F(Numerik, TrefferZyklusUndAbbruchBeendenDieIteration) {
    EXPECT_TRUE(Lauf({.F = "2*x-1", .A = "0", .B = "1"}).Hat("Exakte Lösung: x = 0,5"));
    // Newton from 0 on x^3 - 2x + 2 jumps between 0 and 1 for ever: it ends at the step limit, saying why, or
    // at the abort that the third poll (before step 300) finds. The table shows the first 20 steps and the
    // last one, with a line for those between.
    for (auto [abbruch, schritte, zeile] :
         {std::tuple{0, MaxNaeherungsschritte,
                     "Nach 10000 Schritten ist die Genauigkeit nicht erreicht." + Stop},
          std::tuple{3, 299, std::string("Abbruch durch Benutzer")}}) {
        const TSeite1 s = Lauf({.F = "x^3-2*x+2", .Methode = 3, .Startwert = "0"}, abbruch);
        EXPECT_TRUE(s.Hat(zeile) && std::isnan(s.X())) << zeile;
        ASSERT_EQ(s.Tabelle.size(), 21u);
        EXPECT_TRUE(s.Tabelle[19][0] == "20" && s.Tabelle[20][0] == std::to_string(schritte));
        EXPECT_TRUE(s.Hat("(Schritte 21 bis " + std::to_string(schritte - 1) + " ausgelassen)"));
    }
}

TEST_F(Numerik, WinzigesEpsEndetMitAchtzehnStellenUndStellenKommtZurueck) {
    const uint8_t vorher = Stellen;
    const char* namen[] = {"Halbierungsverfahren:", "Regula-falsi-Verfahren:", "Newton-Verfahren:"};
    for (int methode = 1; methode <= 3; ++methode) {
        const TSeite1 s = Lauf({.F = "x^2-2", .A = "1", .B = "2", .Epsilon = "1e-30", .Methode = methode});
        EXPECT_EQ(s.Zeilen[0],
                  std::string("Bestimmung einer Nullstelle von x2-2 mit dem ") + namen[methode - 1]);
        EXPECT_EQ(s.Zeilen[1], "Intervall: [1;2], Genauigkeit: 1e-30");
        EXPECT_NEAR(static_cast<double>(s.X()), std::sqrt(2.0), 1e-15);
        // The solution is the x of the last row, to its 18th significant digit: 18 decimals would take more
        // digits than a number carries, so the column of x is in E notation with 17 decimals.
        EXPECT_EQ(s.Loesungszeile, Loesung + s.Tabelle.back()[methode == 3 ? 1 : 5]);
        const size_t komma = s.Loesungszeile.find(',');
        EXPECT_EQ(s.Loesungszeile.substr(s.Loesungszeile.find('E', komma)), "E+00");
        EXPECT_TRUE(s.Loesungszeile.find('E', komma) - komma - 1 == 17 && Stellen == vorher);
    }
    // An abort while the value table for Newton's start value is written leaves the step by an exception.
    const TSeite1 s = Lauf({.F = "x^2-2", .A = "1", .B = "2", .Methode = 3, .Kommentare = true}, 1);
    EXPECT_TRUE(s.Hat("Erstellen einer Wertetabelle, um einen Startwert zu finden:") && Stellen == vorher);
}

// The number a table cell reads as.
long double Zahl(std::string zelle) {
    std::replace(zelle.begin(), zelle.end(), ',', '.');
    return std::strtold(zelle.c_str(), nullptr);
}

// Every table writes its numbers in one format chosen from the decimals that eps asks for (7 for 0,0001):
// each column has exactly 7 decimals, or E notation with 7 decimals of the mantissa where one of its numbers
// is too large for them or too small to show in them; and only there. The solution is written as its column
// shows it.
TEST_F(Numerik, EinZahlformatJeTabelle) {
    const std::regex fest("-?[0-9]+,[0-9]{7}"), exponent("-?[0-9],[0-9]{7}E[-+][0-9]{2,}");
    const struct {
        const char *F, *A, *B;
        int Methode;
        const char* Startwert;
    } faelle[] = {{"x^25-1", "0", "2", 3, "automatisch suchen"},
                  {"x^2-2", "1", "2", 3, "automatisch suchen"},
                  {"x^3-2x-5", "2", "3", 1, ""},
                  {"cos(x)-x", "0", "1", 2, ""},
                  {"x^3-2x-5", "", "", 3, "2"},
                  {"x^25-1", "0", "3", 1, ""}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::string(fall.F) + " Verfahren " + std::to_string(fall.Methode));
        TAnfrage a{.F = fall.F, .A = fall.A, .B = fall.B, .Methode = fall.Methode};
        if (*fall.Startwert) a.Startwert = fall.Startwert;
        const TSeite1 s = Lauf(a);
        ASSERT_GT(s.Tabelle.size(), 1u);
        std::vector<bool> exponential;
        for (size_t j = 1; j < s.Tabelle[0].size(); ++j) {
            bool e = false, f = false, noetig = false;
            for (const auto& zeile : s.Tabelle) {
                if (zeile[j] == "nicht def.") continue;
                e = e || std::regex_match(zeile[j], exponent);
                f = f || std::regex_match(zeile[j], fest);
                const long double v = std::fabs(Zahl(zeile[j]));
                noetig = noetig || v >= 1e11L || (v != 0 && v < 5e-8L);
            }
            EXPECT_NE(e, f) << "column " << j;
            EXPECT_EQ(e, noetig) << "column " << j;
            exponential.push_back(e);
        }
        const size_t x = fall.Methode == 3 ? 1 : 5;
        if (!s.Loesungszeile.empty()) {
            EXPECT_EQ(s.Loesungszeile, Loesung + s.Tabelle.back()[x]);
        }
        // x^25 - 1: the values of f are too large for 7 decimals, the points are not.
        if (std::string(fall.F) == "x^25-1" && fall.Methode == 3) {
            EXPECT_TRUE(!exponential[0] && exponential[1]);
        }
    }
}

// A cell's number (decimal comma); NaN for "nicht def." and for text.
long double ZellenZahl(std::string z) {
    std::replace(z.begin(), z.end(), ',', '.');
    char* ende = nullptr;
    const long double v = std::strtold(z.c_str(), &ende);
    return ende && *ende == '\0' && !z.empty() ? v : NAN;
}

// Every row a long iteration shows holds the numbers of its own step: f(x_n) is f at the x_n of the row, the
// probe is f at x_n ± eps, and a regula-falsi row's x_n is the secant's zero through the row's interval ends.
// The iterations run to the step limit, so the last row stands after the line naming the rows left out.
TEST_F(Numerik, JedeGezeigteZeileGehoertZuIhremSchritt) {
    const struct {
        const char *F, *A, *B, *Startwert;
        int Methode;
        long double (*f)(long double);
    } faelle[] = {
        {"(x+3)(x+1)^3", "-2", "2", "automatisch suchen", 2,
         [](long double x) { return (x + 3) * (x + 1) * (x + 1) * (x + 1); }},
        {"(x-3)(x-1)^3", "-2", "2", "automatisch suchen", 2,
         [](long double x) { return (x - 3) * (x - 1) * (x - 1) * (x - 1); }},
        {"x^3-2*x+2", "", "", "0", 3, [](long double x) { return x * x * x - 2 * x + 2; }},
    };
    const long double eps = 1e-4L, zelle = 1e-7L;
    for (const auto& t : faelle) {
        SCOPED_TRACE(t.F);
        const TSeite1 s =
            Lauf({.F = t.F, .A = t.A, .B = t.B, .Methode = t.Methode, .Startwert = t.Startwert});
        ASSERT_EQ(s.Tabelle.size(), 21u);
        EXPECT_EQ(s.Tabelle.back()[0], std::to_string(MaxNaeherungsschritte));
        for (const std::vector<std::string>& r : s.Tabelle) {
            const size_t k = t.Methode == 3 ? 1 : 5;
            const long double x = ZellenZahl(r[k]), y = ZellenZahl(r[k + 1]), probe = ZellenZahl(r[k + 2]);
            ASSERT_FALSE(std::isnan(x) || std::isnan(y) || std::isnan(probe)) << r[0];
            // The cells carry seven decimals: f is taken where the cell's x may lie.
            const long double steigung = std::fabs(t.f(x + zelle) - t.f(x - zelle)) / (2 * zelle) + 1;
            EXPECT_NEAR(double(y), double(t.f(x)), double(steigung * zelle + zelle)) << r[0];
            const long double links = t.f(x - eps), rechts = t.f(x + eps);
            EXPECT_TRUE(std::fabs(probe - links) < steigung * zelle + zelle ||
                        std::fabs(probe - rechts) < steigung * zelle + zelle)
                << r[0];
            if (t.Methode != 2) continue;
            const long double a = ZellenZahl(r[1]), b = ZellenZahl(r[2]), fa = ZellenZahl(r[3]),
                              fb = ZellenZahl(r[4]);
            EXPECT_NEAR(double(fa), double(t.f(a)), 1e-5) << r[0];
            EXPECT_NEAR(double(fb), double(t.f(b)), 1e-5) << r[0];
            EXPECT_NEAR(double(x), double(a - fa * (b - a) / (fb - fa)), 1e-5) << r[0];
        }
    }
}
} // namespace

// Simpson's rule is exact for cubics, its error falls sixteenfold when n doubles, an odd n counts as n + 1,
// and it gives no value for n = 0, a bound without a value or a node without one.
TEST_F(Numerik, Simpsonregel) {
    auto J = [](const char* f, const char* a, const char* b, Int32 n) {
        TTerm* r = Simpsonregel(Lies(f), Lies(a), Lies(b), n);
        return r ? Wert(r) : std::nullopt;
    };
    EXPECT_TRUE(Nahe(*J("x^3-2*x^2+1", "-1", "2", 2), 0.75L, 1e-15L));
    EXPECT_TRUE(Nahe(*J("4*x^3+x", "3", "0", 2), -85.5L, 1e-15L));
    const long double e = std::exp(1.0L) - 1, f8 = *J("exp(x)", "0", "1", 8) - e,
                      f16 = *J("exp(x)", "0", "1", 16) - e;
    EXPECT_TRUE(f8 / f16 > 15.5L && f8 / f16 < 16.5L) << double(f8 / f16);
    EXPECT_EQ(*J("sin(x)", "0", "1", 7), *J("sin(x)", "0", "1", 8));
    EXPECT_FALSE(J("x", "0", "1", 0) || J("x", "0", "1", -2) || J("x", "ln(-1)", "1", 2));
    EXPECT_EQ(Ausnahme<ENichtExistenz>([&] { J("1/x", "-1", "1", 2); }),
              "Funktion nicht überall definiert. Simpsonregel abgebrochen.");
    // Many nodes, computed on several threads: the error stays below rounding, a gap in a later block ends
    // the rule, and the message loop runs every 100000 nodes, where an abort ends it.
    EXPECT_TRUE(Nahe(*J("exp(x)", "0", "1", 300000), e, 1e-15L));
    EXPECT_EQ(Ausnahme<ENichtExistenz>([&] { J("sqrt((x-1/2)^2-1/100)", "0", "1", 300000); }),
              "Funktion nicht überall definiert. Simpsonregel abgebrochen.");
    const int64_t vorher = Oberflaeche.Host.Nachrichtenaufrufe;
    J("x", "0", "1", 300000);
    EXPECT_EQ(Oberflaeche.Host.Nachrichtenaufrufe - vorher, 2);
    Oberflaeche.Host.AbbruchNach = Oberflaeche.Host.Nachrichtenaufrufe + 1;
    EXPECT_EQ(Ausnahme<EBenutzerAbbruch>([&] { J("x", "0", "1", 300000); }), "Abbruch durch Benutzer");
}

// The sparing rule gives the value of the rule with every node: on smooth functions, at kinks inside a piece
// and on a piece boundary, at ends where f is steep or its derivative unbounded, at a narrow peak, on a fast
// oscillation and on a function by cases; a node without a value ends it with the same message.
TEST_F(Numerik, SimpsonregelSparsamWieMitJedemKnoten) {
    const struct {
        const char *F, *A, *B;
    } faelle[] = {
        {"x^2", "-1", "3"},
        {"exp(-x^2)", "-2", "2"},
        {"exp(x)/x", "1", "3"},
        {"ln(x^2+1)", "-1", "2"},
        {"exp(-x)*sin(x)", "0", "3"},
        {"exp(8x)", "-2", "2"},
        {"abs(x^2-1)", "-2", "2"},
        {"x*abs(x)", "-2", "2"},
        {"abs(x-1/3)", "0", "1"},
        {"abs(2x^3+8x-1)", "-2", "2"},
        {"sqrt(4-x^2)", "-2", "2"},
        {"x*sqrt(4-x^2)", "-2", "2"},
        {"sqrt(x)", "0", "4"},
        {"(x^2-1)°3", "1", "3"},
        {"abs(x-0,9)°3", "0", "2"},
        {"1/(x^2+1/10000)", "-1", "1"},
        {"sin(50x)", "0", "3"},
        {"sin(1000x)", "0", "1"},
        {"x;x^2", "-2", "2"},
        {"tan(x)", "-1", "1"},
    };
    for (const auto& t : faelle) {
        SCOPED_TRACE(t.F);
        TTerm *f = Lies(t.F), *a = Lies(t.A), *b = Lies(t.B);
        const std::optional<Extended> jeder = Wert(Simpsonregel(f, a, b, 1000000));
        const std::optional<Extended> sparsam = Wert(SimpsonregelSparsam(f, a, b, 1000000));
        const std::optional<Extended> betrag =
            Quadratur(Lies("abs(" + std::string(t.F) + ")"), *Wert(a), *Wert(b));
        ASSERT_TRUE(jeder && sparsam && betrag);
        EXPECT_LE(std::fabs(*sparsam - *jeder), 1e-14L * std::max<Extended>(1, *betrag))
            << double(*sparsam) << " " << double(*jeder);
    }
    for (const char* f : {"1/x", "sqrt((x-1/2)^2-1/100)", "sqrt((x-0,5003)^2-1/10000000000)"})
        EXPECT_EQ(
            Ausnahme<ENichtExistenz>([&] { SimpsonregelSparsam(Lies(f), Lies("-1"), Lies("1"), 1000000); }),
            "Funktion nicht überall definiert. Simpsonregel abgebrochen.")
            << f;
}
