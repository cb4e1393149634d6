// Terms with a one-letter parameter: every result a step states holds for each of the sample values a = -2,
// 0 and 3 (a zero put back in, its multiplicity, a curve point against its neighbours, an intersection, a
// symmetry, an integral against a quadrature), a list called complete misses no zero of any sample, the
// points that hold for every value are listed, and no page calls a parameter a point where f is undefined.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "steps/Allgemeines.h"
#include "steps/Nullstel.h"
#include "steps/Symmetrien.h"
#include "term/Mengen.h"
#include "term/Parameter.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

using Parameter = ZolTest;
using E = Extended;
const std::vector<Int64> Stichproben = {-2, 0, 3};

// T with the value p put in for each of the parameters a, b and k; nil where that has no value (a^(-1) for
// a = 0).
TTerm* Setze(TTerm* T, Int64 p) {
    try {
        for (const char* n : {"a", "b", "k"}) T = T ? T->Ersetze(BenannteKonstante(n), K(p)) : nullptr;
        return T;
    } catch (const EZolFehler&) {
        return nullptr;
    }
}

// The value of T at x; nothing for a T that is nil or has none.
std::optional<Extended> W(TTerm* T, Extended x = 0) {
    return T ? Wert(T, x) : std::nullopt;
}

// The n-th derivative of T.
TTerm* Ableitung(TTerm* T, Int32 n) {
    for (Int32 k = 0; k < n && T; ++k) T = T->Ableitung();
    return T;
}

bool Null(std::optional<E> w) {
    return w && std::fabs(*w) < 1e-9L;
}

// The texts no page with a parameter may show: a parameter taken for a point without a value, raw errors.
void KeinFalscherText(const std::string& Seite, const std::string& Fall) {
    for (const char* t :
         {"Fehler:", "Randpunkt", "nicht definiert", "Einsetzungen nicht erlaubt", "Konstante ohne Wert"})
        EXPECT_EQ(Seite.find(t), std::string::npos) << Fall << ": " << t << "\n" << Seite;
}

// h changes its sign between l and r by tending to 0, not at a pole: |h| is small where bisection ends.
bool Nullstelle(TTerm* h, E l, E r) {
    std::optional<E> hl = W(h, l);
    for (int i = 0; i < 80 && hl; ++i) {
        const E m = (l + r) / 2;
        const std::optional<E> hm = W(h, m);
        if (!hm) return false;
        if ((*hm < 0) == (*hl < 0))
            l = m, hl = hm;
        else
            r = m;
    }
    const std::optional<E> w = W(h, (l + r) / 2);
    return w && std::fabs(*w) < 1e-6L;
}

// The points of L as zeros of h in [l; r] for every sample: each point put in gives 0, its multiplicity m is
// the order of the first derivative of h that is not 0 there, a complete list (Status wahr) misses no change
// of sign of h, and each term of Muss equals a point of the list for every sample.
void PruefeNullstellen(TTerm* h, TSListe* L, TWahrheitswert Status, E l, E r, const std::vector<TTerm*>& Muss,
                       const std::string& Fall) {
    for (Int64 p : Stichproben) {
        TTerm* hp = Setze(h, p);
        std::vector<E> punkte;
        for (Int32 i = 1; i <= L->Anzahl; ++i) {
            const std::optional<E> x0 = W(Setze(L->Stellen[i]->Punkt, p));
            // A point such as -1/a exists only where it has a value.
            if (!x0) continue;
            punkte.push_back(*x0);
            EXPECT_TRUE(Null(W(hp, *x0)) && *x0 >= l - 1e-12L && *x0 <= r + 1e-12L)
                << Fall << ", a = " << p << ": " << double(*x0);
            const Int32 m = L->Stellen[i]->Vielfachheit;
            for (Int32 k = 1; k <= m; ++k)
                EXPECT_EQ(Null(W(Ableitung(hp, k), *x0)), k < m)
                    << Fall << ", a = " << p << ": " << m << "-fach bei " << double(*x0);
        }
        if (Status == wahr) {
            bool nullfunktion = true;
            for (E x : {-1.3L, 0.7L, 2.9L}) nullfunktion &= Null(W(hp, x));
            EXPECT_FALSE(nullfunktion)
                << Fall << ", a = " << p << ": vollständig, aber jedes x ist Nullstelle";
            const E links = std::max(l, E(-10)), rechts = std::min(r, E(10));
            std::optional<E> vorher;
            for (int i = 0; i <= 4000; ++i) {
                const E x = links + (rechts - links) * (i + 0.3183L) / 4001;
                const std::optional<E> w = W(hp, x);
                if (w && vorher && (*w < 0) != (*vorher < 0) &&
                    Nullstelle(hp, x - (rechts - links) / 4001, x)) {
                    bool genannt = false;
                    for (E x0 : punkte) genannt |= std::fabs(x0 - x) < (rechts - links) / 2000;
                    EXPECT_TRUE(genannt) << Fall << ", a = " << p << ": Nullstelle fehlt bei " << double(x);
                }
                vorher = w;
            }
        }
        for (TTerm* m : Muss) {
            const std::optional<E> soll = W(Setze(m, p));
            bool da = !soll;
            for (E x0 : punkte) da |= soll && std::fabs(x0 - *soll) < 1e-12L;
            EXPECT_TRUE(da) << Fall << ", a = " << p << ": " << m->Text << " fehlt";
        }
    }
}

std::pair<E, E> Grenzen() {
    const std::optional<E> l =
        ABIntervall->LinkerRand.Wert ? Wert(ABIntervall->LinkerRand.Wert) : std::nullopt;
    const std::optional<E> r =
        ABIntervall->RechterRand.Wert ? Wert(ABIntervall->RechterRand.Wert) : std::nullopt;
    return {l ? *l : -INFINITY, r ? *r : INFINITY};
}

TEST_F(Parameter, NullstellenGeltenFuerJedenWert) {
    struct TFall {
        const char *F, *A, *B;
        std::vector<const char*> Muss;
    };
    const std::vector<TFall> faelle = {{"x-a", "", "", {"a"}},
                                       {"x-a", "-5", "5", {}},
                                       {"x+a", "1", "4", {}},
                                       {"2*x-a", "1", "4", {}},
                                       {"x^2-2*a*x", "", "", {"0", "2*a"}},
                                       {"x^2-2*a*x", "-5", "5", {"0"}},
                                       {"x*(x-k)", "-5", "5", {"0"}},
                                       {"x*(x-k)", "", "", {"0", "k"}},
                                       {"x^2-a^2", "", "", {"a", "-a"}},
                                       {"a*x^2+x", "", "", {"0"}},
                                       {"x^4-2*a*x^2", "", "", {"0"}},
                                       {"x^3-a*x", "-5", "5", {"0"}},
                                       {"a*x^3", "", "", {"0"}},
                                       {"a/x", "", "", {}},
                                       {"(x-1)/(x-a)", "", "", {}},
                                       {"a*x", "-5", "5", {"0"}},
                                       {"a*x-a", "", "", {"1"}},
                                       {"x^3-a", "", "", {}},
                                       {"a^2*x^2+a^2", "", "", {}}};
    for (const TFall& f : faelle) {
        TKopfloseAnfrage lauf(
            {.F = f.F, .A = f.A, .B = f.B, .Schritte = {SchrittNullstellen}, .Kommentare = true});
        lauf.Starte();
        const std::string fall = std::string(f.F) + " in [" + f.A + ";" + f.B + "]";
        KeinFalscherText(lauf.Text(1), fall);
        std::vector<TTerm*> muss;
        for (const char* m : f.Muss) muss.push_back(Lies(m));
        const auto [l, r] = Grenzen();
        PruefeNullstellen(Lies(f.F), Nullstellenliste, NullstellenlisteStatus, l, r, muss, fall);
    }
}

TEST_F(Parameter, SchnittstellenGeltenFuerJedenWert) {
    struct TFall {
        const char *F, *G, *A, *B;
        std::vector<const char*> Muss;
    };
    const std::vector<TFall> faelle = {{"6*x", "a", "", "", {"a/6"}},
                                       {"6*x", "a", "-5", "5", {}},
                                       {"x^2", "a*x", "", "", {"0", "a"}},
                                       {"x^2", "a^2", "-5", "5", {}}};
    for (const TFall& f : faelle) {
        TKopfloseAnfrage lauf({.F = f.F,
                               .G = f.G,
                               .A = f.A,
                               .B = f.B,
                               .Schritte = {SchrittSchnittstellen},
                               .Kommentare = true});
        lauf.Starte();
        const std::string fall = std::string(f.F) + " = " + f.G + " in [" + f.A + ";" + f.B + "]";
        KeinFalscherText(lauf.Text(1), fall);
        std::vector<TTerm*> muss;
        for (const char* m : f.Muss) muss.push_back(Lies(m));
        const auto [l, r] = Grenzen();
        PruefeNullstellen(Lies(std::string(f.F) + "-(" + f.G + ")"), Schnittstellenliste,
                          SchnittstellenStatus, l, r, muss, fall);
    }
}

size_t Vorkommen(const std::string& Text, const std::string& Teil) {
    size_t n = 0;
    for (size_t i = Text.find(Teil); i != std::string::npos; i = Text.find(Teil, i + 1)) ++n;
    return n;
}

// Zeros (of f, f', f'' or f - g) found in terms of the parameter whose place in [a; b] holds only for some
// values: each is a zero for every sample where it has a value, the page says once for each that its place
// is open, with comments and without, and no sentence on it says that none was found.
TEST_F(Parameter, GefundeneStellenOffenerLageStehenAlsGefunden) {
    struct TFall {
        const char *F, *G, *A, *B;
        TSchritt Schritt;
        // The term whose zeros the step searches, and how many of them have an open place.
        const char* H;
        size_t Offen;
    };
    const std::vector<TFall> faelle = {
        {"x-a", "", "-5", "5", SchrittNullstellen, "x-a", 1},
        {"x^2-2*a*x", "", "-5", "5", SchrittNullstellen, "x^2-2*a*x", 1},
        {"x+a", "", "0", "1", SchrittNullstellen, "x+a", 1},
        {"a*x+1", "", "-5", "5", SchrittNullstellen, "a*x+1", 1},
        {"x^2-a^2", "", "-5", "5", SchrittNullstellen, "x^2-a^2", 2},
        {"x*(x-k)", "", "-5", "5", SchrittNullstellen, "x*(x-k)", 1},
        {"6*x", "a", "-5", "5", SchrittSchnittstellen, "6*x-a", 1},
        // a is found in the equation cancelled by x.
        {"x^2", "a*x", "-5", "5", SchrittSchnittstellen, "x^2-a*x", 1},
        {"x^2-2*a*x", "", "-5", "5", SchrittExtremstellen, "2*x-2*a", 1},
        {"x^3-3*a*x^2", "", "-5", "5", SchrittWendestellen, "6*x-6*a", 1},
    };
    const std::vector<std::string> keine = {"Keine Lösungen gefunden",
                                            "keine Nullstellen bestimmt",
                                            "keine Extremstellen von f bestimmt",
                                            "keine Wendestellen von f bestimmt",
                                            "keine Schnittstellen gefunden",
                                            "keine Nullstellen im angegebenen Intervall"};
    const int seite[] = {0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 5, 6};
    for (const TFall& f : faelle) {
        for (const bool kommentare : {false, true}) {
            TKopfloseAnfrage lauf(
                {.F = f.F, .G = f.G, .A = f.A, .B = f.B, .Schritte = {f.Schritt}, .Kommentare = kommentare});
            lauf.Starte();
            const std::string text = lauf.Text(seite[f.Schritt]);
            const std::string fall = std::string(f.F) + (*f.G ? std::string(" = ") + f.G : "") +
                                     ", Schritt " + std::to_string(f.Schritt) +
                                     (kommentare ? " mit Kommentaren" : "");
            for (const std::string& k : keine)
                EXPECT_EQ(text.find(k), std::string::npos) << fall << "\n" << text;
            EXPECT_EQ(Vorkommen(text, " im angegebenen Intervall liegt, wird hier nicht"), f.Offen)
                << fall << "\n"
                << text;
        }
        TTerm* h = Lies(f.H);
        TOffeneLoesungen offen;
        TSListe* liste = nullptr;
        uint8_t status = unklar;
        SucheNullstellen(h, ABIntervall, liste, false, status);
        ASSERT_EQ(offen.Punkte.size(), f.Offen) << f.H;
        for (TTerm* p : offen.Punkte)
            for (Int64 s : Stichproben) {
                const std::optional<E> x0 = W(Setze(p, s));
                if (!x0) continue;
                EXPECT_TRUE(Null(W(Setze(h, s), *x0))) << f.H << ", a = " << s << ": " << double(*x0);
            }
    }
}

// A strict extremum of f, or a change of sign of f'' (Wende), at x0.
bool Kurvenpunkt(TTerm* f, E x0, bool Wende, bool Minimum) {
    const E h = 1e-3L;
    TTerm* g = Wende ? Ableitung(f, 2) : f;
    const std::optional<E> l = W(g, x0 - h), m = W(g, x0), r = W(g, x0 + h);
    if (!l || !m || !r) return false;
    if (Wende) return (*l < 0 && *r > 0) || (*l > 0 && *r < 0);
    return Minimum ? *l > *m && *r > *m : *l < *m && *r < *m;
}

TEST_F(Parameter, KurvenpunkteGeltenFuerJedenWert) {
    struct TFall {
        const char* F;
        bool Wende;
        // The kind of point that lies at 0 for every value and must be named; "keine" is false for some
        // value.
        const char* Muss;
    };
    const std::vector<TFall> faelle = {{"x^2-a^2", false, "also hat f dort eine Minimalstelle"},
                                       {"a*x^2+x", false, nullptr},
                                       {"a*x^3", true, nullptr},
                                       {"x^3-a*x", true, "also hat f dort eine Wendestelle"},
                                       {"x^4-2*a*x^2", false, nullptr}};
    for (const TFall& f : faelle) {
        TKopfloseAnfrage lauf({.F = f.F,
                               .A = "-5",
                               .B = "5",
                               .Schritte = {f.Wende ? SchrittWendestellen : SchrittExtremstellen},
                               .Kommentare = true});
        lauf.Starte();
        const std::string seite = lauf.Text(f.Wende ? 6 : 5);
        KeinFalscherText(seite, f.F);
        EXPECT_EQ(seite.find("inneren Punkten des Definitionsbereichs keine"), std::string::npos) << seite;
        TSListe* K = f.Wende ? Wendestellenkandidaten : Extremstellenkandidaten;
        // Each claim of a kind is borne by a candidate that is such a point for every sample where it exists
        // (-2/(3a) for a = 0 does not).
        for (const std::string art :
             {"also hat f dort eine Minimalstelle", "also hat f dort eine Maximalstelle",
              "also hat f dort eine Wendestelle"}) {
            Int32 behauptet = 0, belegt = 0;
            for (size_t s = seite.find(art); s != std::string::npos; s = seite.find(art, s + 1)) ++behauptet;
            for (Int32 i = 1; i <= K->Anzahl; ++i) {
                bool immer = true;
                for (Int64 p : Stichproben) {
                    const std::optional<E> x0 = W(Setze(K->Stellen[i]->Punkt, p));
                    immer &= !x0 || Kurvenpunkt(Setze(Lies(f.F), p), *x0, f.Wende,
                                                art == "also hat f dort eine Minimalstelle");
                }
                belegt += immer;
            }
            EXPECT_LE(behauptet, belegt) << f.F << ": " << art << "\n" << seite;
            if (f.Muss && art == f.Muss) {
                EXPECT_GE(behauptet, 1) << f.F << "\n" << seite;
            }
        }
    }
}

TEST_F(Parameter, VereinfachungGiltFuerJedenWert) {
    for (const char* f : {"abs(x-a)", "x+a-a", "(x^2-a^2)/(x-a)", "abs(a*x)", "sqrt((x-a)^2)"}) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = {SchrittVereinfachen}});
        lauf.Starte();
        for (Int64 p : Stichproben) {
            TTerm *eingegeben = Setze(Lies(f), p), *vereinfacht = Setze(FTerm, p);
            for (E x = -4.9L; x < 5; x += 0.7L) {
                const std::optional<E> w = W(eingegeben, x), v = W(vereinfacht, x);
                EXPECT_TRUE(!w || (v && Nahe(*v, *w)))
                    << f << " = " << FTerm->Text << ", a = " << p << ", x = " << double(x);
            }
        }
    }
}

TEST_F(Parameter, SymmetrieGiltFuerJedenWert) {
    for (const char* f : {"x-a", "x^2-2*a*x", "x^3-a*x", "a*x^2+1", "1/(x-a)", "a*x^2+x"}) {
        TWahrheitswert achse = unklar, punkt = unklar;
        UntersucheSymmetrie(Lies(f), achse, punkt, false);
        for (Int64 p : Stichproben)
            EXPECT_TRUE(SymmetrieWieWerte(Setze(Lies(f), p), achse, punkt)) << f << ", a = " << p;
    }
}

TEST_F(Parameter, IntegralIstDasDerStichproben) {
    for (const char* f : {"x-a", "x^2-a^2", "x*(x-k)", "a*x^3+x"}) {
        TKopfloseAnfrage lauf(
            {.F = f, .A = "-2", .B = "3", .Schritte = {SchrittIntegral}, .Kommentare = true});
        lauf.Starte();
        KeinFalscherText(lauf.Text(7), f);
        ASSERT_NE(Integralergebnis, nullptr) << f << "\n" << lauf.Text(7);
        for (Int64 p : Stichproben) {
            // Simpson's rule is exact for these cubics.
            TTerm* fp = Setze(Lies(f), p);
            const E simpson = 5.0L / 6 * (*Wert(fp, -2) + 4 * *Wert(fp, 0.5L) + *Wert(fp, 3));
            EXPECT_TRUE(Nahe(*W(Setze(Integralergebnis, p)), simpson)) << f << ", a = " << p;
        }
    }
}

// The area between f and the x-axis splits at the zeros of f: where a zero with a parameter lies in [a; b]
// for some values only, no area is stated (|F(b) - F(a)| is not the area of x + a on [0; 1] for a = -1/2).
TEST_F(Parameter, KeinFlaecheninhaltOhneAlleSchnittstellen) {
    for (const char* f : {"x+a", "2*x-a", "x-k+1"})
        for (const auto& [a, b] : {std::pair{"0", "1"}, {"1", "4"}, {"-3", "-1"}})
            for (bool kommentare : {false, true}) {
                TKopfloseAnfrage lauf(
                    {.F = f, .A = a, .B = b, .Schritte = {SchrittFlaeche}, .Kommentare = kommentare});
                lauf.Starte();
                const std::string seite = lauf.Text(7);
                EXPECT_EQ(seite.find("Der gesuchte Flächeninhalt"), std::string::npos) << f << "\n" << seite;
                EXPECT_NE(seite.find("Der Flächeninhalt konnte nicht bestimmt werden."), std::string::npos)
                    << f << "\n"
                    << seite;
            }
}

TEST_F(Parameter, DreiwertigeAntwortenGeltenFuerJedenWert) {
    struct TFall {
        const char *T, *P, *A, *B;
        TWahrheitswert Definiert, Drin;
    };
    const std::vector<TFall> faelle = {
        {"x-2*a", "0", "-5", "5", wahr, wahr},        {"1/(x-a)", "0", "-5", "5", unklar, wahr},
        {"1/x", "0", "", "", falsch, wahr},           {"x", "a", "", "", wahr, wahr},
        {"x", "a", "-5", "5", wahr, unklar},          {"sqrt(x)", "a", "", "", unklar, wahr},
        {"x^2+1", "-1/(2*a)", "0", "", wahr, unklar}, {"x", "7", "-5", "5", wahr, falsch},
        {"(x^2+a*x)/x", "0", "", "", falsch, wahr}};
    for (const TFall& f : faelle) {
        TTerm *T = Lies(f.T), *P = Lies(f.P);
        TIntervall* M = *f.A || *f.B
                            ? Iv(*f.A ? Lies(f.A) : nullptr, false, *f.B ? Lies(f.B) : nullptr, false)
                            : IntervallR;
        const TWahrheitswert d = DefiniertBei(T, P), drin = LiegtIn(P, M);
        EXPECT_EQ(d, f.Definiert) << f.T << " in " << f.P;
        EXPECT_EQ(drin, f.Drin) << f.P << " in [" << f.A << ";" << f.B << "]";
        // A decided answer holds for every sample where the point exists.
        for (Int64 p : Stichproben) {
            const std::optional<E> x = W(Setze(P, p));
            if (!x) continue;
            if (d != unklar) {
                EXPECT_EQ(W(Setze(T, p), *x).has_value(), d == wahr) << f.T << ", a = " << p;
            }
            if (drin != unklar) {
                EXPECT_EQ(M->Enthaelt(Setze(P, p)), drin == wahr) << f.P << ", a = " << p;
            }
        }
    }
}

TEST_F(Parameter, PolstelleNurWoSieFuerJedenWertVorliegt) {
    // 1/(x-a) has its pole at a for every a; (x-b)/(x-a) has none for b = a.
    const std::vector<std::pair<const char*, bool>> faelle = {
        {"1/(x-a)", true}, {"(x-b)/(x-a)", false}, {"a/x", false}};
    for (const auto& [f, pol] : faelle) {
        TKopfloseAnfrage lauf({.F = f, .Schritte = {SchrittPolstellen}, .Kommentare = true});
        lauf.Starte();
        const std::string seite = lauf.Text(2);
        KeinFalscherText(seite, f);
        EXPECT_EQ(seite.find("Polstelle bei") != std::string::npos, pol) << f << "\n" << seite;
        EXPECT_EQ(seite.find("keine Polstellen"), std::string::npos) << f << "\n" << seite;
    }
}

// A step that needs numbers as values of f (Simpson's rule, the numerical zero, the graph) says on its page
// that f holds a parameter, never that f lacks a value somewhere.
TEST_F(Parameter, ZahlenverfahrenNennenDenParameter) {
    const struct {
        const char *F, *A, *B;
        TSchritt Schritt;
        Int32 Seite;
        const char* Satz;
    } faelle[] = {
        {"exp(a*x)", "0", "1", SchrittIntegral, 7,
         "Die Funktion enthält den Parameter a und hat daher keine Zahlen als Werte. Simpsonregel "
         "abgebrochen."},
        {"exp(a*x^2)", "0", "1", SchrittIntegral, 7,
         "Die Funktion enthält den Parameter a und hat daher keine Zahlen als Werte. Simpsonregel "
         "abgebrochen."},
        {"x^3+k*x+1", "-2", "2", SchrittNaeherungsverfahren, 1,
         "Die Funktion enthält den Parameter k und hat daher keine Zahlen als Werte. Näherungsverfahren "
         "abgebrochen."},
        {"a*x^2+b", "", "", SchrittGraph, 8,
         "Der Graph von f wird nicht gezeichnet: f enthält die Parameter a und b und hat daher keine Zahlen "
         "als "
         "Werte."},
    };
    for (const auto& f : faelle) {
        for (bool kommentare : {false, true}) {
            TKopfloseAnfrage lauf(
                {.F = f.F, .A = f.A, .B = f.B, .Schritte = {f.Schritt}, .Kommentare = kommentare});
            lauf.Starte();
            const std::string seite = lauf.Text(f.Seite);
            EXPECT_NE(seite.find(f.Satz), std::string::npos) << f.F << "\n" << seite;
            EXPECT_EQ(seite.find("nicht überall definiert"), std::string::npos) << f.F << "\n" << seite;
            KeinFalscherText(seite, f.F);
        }
    }
}

} // namespace
} // namespace zol
