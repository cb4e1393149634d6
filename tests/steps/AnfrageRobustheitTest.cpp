// Requests of the general step that once crashed, ended on one row, or named a quotient a polynomial.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/PartialBrueche.h"
#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittrahmen.h"
#include "term/Arbeit.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using AnfrageRobustheit = ZolTest;

const std::vector<TSchritt> AllesAufSeite0 = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittTabelle};

bool HatZeile(const std::vector<std::string>& zeilen, const std::string& zeile) {
    return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
}

// The value of f at x, both given as input texts.
Extended WertBei(const std::string& f, const std::string& x) {
    return *Wert(Lies(f), *Wert(Lies(x)));
}

// A value table of one row at an irrational point: the constant simplification of f(x) recursed through
// the rational function's cancelling until the stack overflowed. Now the row is written with f's value.
TEST_F(AnfrageRobustheit, TabellenzeileAnIrrationalerStelle) {
    struct Fall {
        const char* f;
        const char* a;
    };
    const Fall faelle[] = {{"(-8x^3+8x)/(9x^2+7/2)", "3-pi"}, {"x^8+x^7+x^6+x^5+x^4+x^3+x^2+x", "1/2-pi"}};
    for (const auto& fall : faelle) {
        TKopfloseAnfrage lauf({.F = fall.f, .A = fall.a, .B = fall.a, .H = "1", .Schritte = AllesAufSeite0});
        ASSERT_NO_THROW(lauf.Starte()) << fall.f;
        const auto z = lauf.Zeilen();
        const std::string wert = FormatiereZahl(WertBei(fall.f, fall.a));
        const bool gefunden = std::any_of(z.begin(), z.end(), [&](const std::string& zeile) {
            return zeile.size() > wert.size() &&
                   zeile.compare(zeile.size() - wert.size(), wert.size(), wert) == 0;
        });
        EXPECT_TRUE(gefunden) << fall.f << ": no row ends with " << wert << "\n" << lauf.Text();
        EXPECT_TRUE(lauf.Host.Meldungen.empty()) << fall.f;
    }
}

// An exact value that overflows the fractions shows the decimal value alone; the table goes on, and no
// message box appears for the row (with and without the simplification step before it).
TEST_F(AnfrageRobustheit, UeberlaufInEinerZeileZeigtDenNaeherungswert) {
    for (const auto& schritte : {std::vector<TSchritt>{SchrittTabelle}, AllesAufSeite0}) {
        TKopfloseAnfrage lauf({.F = "x^40", .A = "3/2", .B = "2", .H = "1/2", .Schritte = schritte});
        ASSERT_NO_THROW(lauf.Starte());
        const auto z = lauf.Zeilen();
        EXPECT_TRUE(HatZeile(z, "32 = 1,5" + FormatiereZahl(std::pow(1.5L, 40)))) << lauf.Text();
        // 2^40 still fits: that row is exact.
        EXPECT_TRUE(HatZeile(z, "21099511627776")) << lauf.Text();
        EXPECT_TRUE(lauf.Host.Meldungen.empty());
    }
}

// The partial fractions and the inflection points of a long quotient overflow in many candidates: the
// request shows the overflow once at most, and finds the inflection point at 0.
TEST_F(AnfrageRobustheit, UeberlaufInKonstantenEinmalJeAnfrage) {
    TKopfloseAnfrage lauf({.F = "x^13/((x-1)^5*(x+2)^4*(x^2+1)^2*(x^2+x+1))",
                           .Schritte = {SchrittPolstellen, SchrittPartialbruch, SchrittWendestellen}});
    ASSERT_NO_THROW(lauf.Starte());
    ASSERT_LE(lauf.Host.Meldungen.size(), 1u);
    for (const auto& m : lauf.Host.Meldungen)
        EXPECT_EQ(m.Text.rfind("Vereinfachung einer Konstanten abgebrochen:", 0), 0u);
    EXPECT_NE(lauf.Text(6).find("Wendepunkt W 1(0|0)"), std::string::npos) << lauf.Text(6);
}

// A step whose work passes its budget or the request's memory budget, or whose fractions overflow, ends with
// that message as its page's last line, and the next step runs; an abort and a term error end the request.
TEST_F(AnfrageRobustheit, FehlerBeendenNurIhrenSchritt) {
    auto endlos = [](size_t bytes) {
        return [bytes] {
            AnfrageArena().Zaehle(bytes);
            for (;;) Arbeitsschritt();
        };
    };
    const std::pair<std::function<void()>, std::string> faelle[] = {
        {endlos(0), "Er braucht mehr als 3000000 Rechenschritte."},
        {endlos(Speicherbudget + 1), "Die Anfrage braucht mehr als 1024 MB Speicher."},
        {[] { throw ERessourcen("Überlauf in der Bruchrechnung."); }, "Überlauf in der Bruchrechnung."}};
    for (const auto& [schritt, meldung] : faelle) {
        AlleTermeFreigeben();
        FuehreSchrittAus(schritt);
        bool weiter = false;
        FuehreSchrittAus([&] { weiter = true; });
        EXPECT_TRUE(weiter && Seitentext().back().ends_with(meldung)) << Seitentext().back();
    }
    EXPECT_THROW(FuehreSchrittAus([] { throw EBenutzerAbbruch("Abbruch"); }), EBenutzerAbbruch);
    EXPECT_THROW(FuehreSchrittAus([] { TermAusString("x+"); }), ETermFehler);
}

// A fixed generated set of rational functions with a cubic denominator, as users enter them (integers,
// fractions and decimals; most denominators have one irrational real zero, which Cardano's formula writes
// with cube roots): partial fractions, inflection points, the antiderivative and the integral over [a; b]
// end without a constant that stays undecided and without the internal text form of a term, and the
// decomposition the page states sums back to f.
TEST_F(AnfrageRobustheit, KubischeNennerOhneOffeneKonstanten) {
    std::mt19937 zufall(5707);
    auto zahl = [&](int von, int bis) { return von + int(zufall() % uint32_t(bis - von + 1)); };
    auto koeffizient = [&] {
        const int art = zahl(1, 10);
        const std::string vz = zahl(1, 100) <= 35 ? "-" : "";
        if (art <= 7) return vz + std::to_string(zahl(1, 9));
        if (art <= 9) return vz + std::to_string(zahl(1, 7)) + "/" + std::to_string(zahl(2, 5));
        return vz + std::to_string(zahl(0, 3)) + ",5";
    };
    auto polynom = [&](int grad) {
        std::string p = "(" + koeffizient() + ")*x^" + std::to_string(grad);
        for (int k = grad - 1; k >= 0; --k)
            if (zahl(1, 100) <= 60) p += "+(" + koeffizient() + ")*x^" + std::to_string(k);
        return p;
    };
    for (int i = 0; i < 20; ++i) {
        const std::string f = "(" + polynom(zahl(0, 2)) + ")/(" + polynom(3) + ")";
        SCOPED_TRACE(f);
        const std::string a = std::to_string(-zahl(0, 4)), b = std::to_string(zahl(1, 5));
        TKopfloseAnfrage analyse(
            {.F = f,
             .Schritte = {SchrittPartialbruch, SchrittWendestellen, SchrittStammfunktion},
             .Kommentare = i % 2 == 0});
        ASSERT_NO_THROW(analyse.Starte());
        ASSERT_TRUE(PartialbruchVorhanden) << analyse.Text(3);
        EXPECT_TRUE(WertGleich(FTerm, PartialbruchTerm(PartialbruchNullstellen, PartialbruchQuadFaktoren,
                                                       PartialbruchA, PartialbruchB, PartialbruchC)));
        TKopfloseAnfrage integral({.F = f, .A = a, .B = b, .Schritte = {SchrittIntegral}});
        ASSERT_NO_THROW(integral.Starte());
        for (const TKopfloseAnfrage* lauf : {&analyse, &integral})
            for (Int32 seite = 0; seite <= 7; ++seite) {
                const std::string text = lauf->Text(seite);
                EXPECT_EQ(text.find("lässt sich nicht entscheiden"), std::string::npos) << text;
                EXPECT_EQ(text.find("Rad("), std::string::npos) << text;
            }
    }
}

// A part of a step that fails ends alone: its message stands on a line of its own after the open line, the
// indentation is restored, and the caller goes on; an abort and a term error pass. The same for a step.
TEST_F(AnfrageRobustheit, TeileEndenAllein) {
    Einrueckung = 8;
    Schreibe("offen");
    EXPECT_FALSE(FuehreTeilAus([] {
        Einrueckung = 16;
        Schreibe("f(x) = ");
        throw ERessourcen("Überlauf in der Bruchrechnung.");
    }));
    EXPECT_EQ(Einrueckung, 8);
    const auto z = Seitentext();
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[z.size() - 2], "offenf(x) = ");
    EXPECT_EQ(z.back(), "Überlauf in der Bruchrechnung.");
    EXPECT_TRUE(FuehreTeilAus([] {}));
    EXPECT_THROW(FuehreTeilAus([] { throw EBenutzerAbbruch("Abbruch"); }), EBenutzerAbbruch);
    EXPECT_THROW(FuehreTeilAus([] { TermAusString("x+"); }), ETermFehler);
    Schreibe("J = ");
    FuehreSchrittAus([] { throw ENichtExistenz("Potenz existiert nicht"); });
    EXPECT_EQ(Seitentext().back(), "Potenz existiert nicht");
    EXPECT_EQ(Seitentext()[Seitentext().size() - 2], "J = ");
}

// The symmetry of a quotient whose exact values at the trial points overflow: the symmetry step answers,
// and the steps after it run.
TEST_F(AnfrageRobustheit, UeberlaufInDerSymmetrie) {
    TKopfloseAnfrage lauf({.F = "1/((x^24)^(-1)*x+2)",
                           .Schritte = {SchrittVereinfachen, SchrittDefinitionsbereich, SchrittSymmetrien,
                                        SchrittTabelle, SchrittNullstellen}});
    ASSERT_NO_THROW(lauf.Starte());
    const auto z = lauf.Zeilen();
    EXPECT_TRUE(HatZeile(z, "Der Graph des gegebenen Terms ist nicht symmetrisch zur y-Achse."))
        << lauf.Text();
    EXPECT_TRUE(std::any_of(z.begin(), z.end(), [](const std::string& zeile) {
        return zeile.rfind("Wertetabelle:", 0) == 0;
    })) << lauf.Text();
    EXPECT_NE(lauf.Text(1).find("Weitere Nullstellen gibt es nicht."), std::string::npos) << lauf.Text(1);
}

// An overflow of the exact arithmetic ends a step or a part of one with the sentence that the numbers became
// too large, after the words the step put before the message, and with "Der Schritt wird abgebrochen" where
// a step added none; another resource's message stays as it is.
TEST_F(AnfrageRobustheit, UeberlaufEndetMitSatz) {
    const std::string bruch =
        "Die Zahlen werden für die exakte Rechnung zu groß (Überlauf in der Bruchrechnung).";
    const struct {
        std::function<void()> Wirf;
        std::string Schritt, Teil;
    } faelle[] = {
        {[] { throw EUeberlauf("Überlauf in der Bruchrechnung."); }, "Der Schritt wird abgebrochen: " + bruch,
         bruch},
        {[] { throw EUeberlauf("Überlauf in der Radikalrechnung."); },
         "Der Schritt wird abgebrochen: Die Zahlen werden für die exakte Rechnung zu groß (Überlauf in der "
         "Radikalrechnung).",
         "Die Zahlen werden für die exakte Rechnung zu groß (Überlauf in der Radikalrechnung)."},
        {[] {
             try {
                 throw EUeberlauf("Überlauf in der Bruchrechnung.");
             } catch (EZolFehler& e) {
                 e.Meldung = "Schritt: Wendestellen-Bestimmung nicht OK! " + e.Meldung;
                 throw;
             }
         },
         "Schritt: Wendestellen-Bestimmung nicht OK! " + bruch,
         "Schritt: Wendestellen-Bestimmung nicht OK! " + bruch},
        {[] { throw ERessourcen("Zu viele Summanden."); }, "Zu viele Summanden.", "Zu viele Summanden."},
    };
    for (const auto& fall : faelle) {
        AlleTermeFreigeben();
        Schreibe("offen");
        FuehreSchrittAus(fall.Wirf);
        EXPECT_EQ(Seitentext().back(), fall.Schritt);
        EXPECT_EQ(Seitentext()[Seitentext().size() - 2], "offen");
        EXPECT_FALSE(FuehreTeilAus(fall.Wirf));
        EXPECT_EQ(Seitentext().back(), fall.Teil);
    }
}

// Requests whose exact numbers overflow in a step: every line that names the overflow says that the numbers
// became too large, and the factorisation of a polynomial whose coefficients leave 64 bits when multiplied
// out says so under its heading.
TEST_F(AnfrageRobustheit, UeberlaufSagtDassDieZahlenZuGrossWerden) {
    const struct {
        const char *F, *G;
        std::vector<TSchritt> Schritte;
    } faelle[] = {
        {"(10^10*x+1)/(x^2-10^10)",
         "x^2",
         {SchrittSymmetrien, SchrittSchnittstellen, SchrittExtremstellen, SchrittWendestellen}},
        {"(x+10^12)^2", "", {SchrittProduktzerlegung, SchrittIntegral}},
        {"(x+10^12)^2-1", "", {SchrittProduktzerlegung, SchrittFlaeche}},
        {"1/(x-10^12)^2", "", {SchrittIntegral}},
    };
    for (const auto& fall : faelle)
        for (bool kommentare : {false, true}) {
            TKopfloseAnfrage lauf({.F = fall.F,
                                   .G = fall.G,
                                   .A = "-5",
                                   .B = "5",
                                   .Schritte = fall.Schritte,
                                   .Kommentare = kommentare});
            ASSERT_NO_THROW(lauf.Starte()) << fall.F;
            int ueberlauf = 0;
            for (Int32 k = 0; k <= 8; ++k) {
                std::istringstream zeilen(lauf.Text(k));
                for (std::string z; std::getline(zeilen, z);) {
                    if (z.find("Überlauf") == std::string::npos) continue;
                    ++ueberlauf;
                    EXPECT_NE(z.find("für die exakte Rechnung zu groß ("), std::string::npos)
                        << fall.F << ", Seite " << k << ": " << z;
                }
            }
            EXPECT_GT(ueberlauf, 0) << fall.F;
            if (std::find(fall.Schritte.begin(), fall.Schritte.end(), SchrittProduktzerlegung) !=
                fall.Schritte.end()) {
                const std::vector<std::string> z = lauf.Seiten[1].Klartext();
                ASSERT_GE(z.size(), 2u) << lauf.Text(1);
                EXPECT_TRUE(z[0].starts_with("Zerlegung des Polynoms P(x) = ") &&
                            z[0].ends_with(" in Faktoren:"))
                    << z[0];
                EXPECT_EQ(z[1], "Beim Ausmultiplizieren werden die Zahlen für die exakte Rechnung zu groß "
                                "(Überlauf in der Bruchrechnung).");
            }
        }
}

} // namespace

// A root whose radicand's zero search overflows (Cardano's s for 1,53x^3 - 462x^2 + 1 leaves 64 bits) is a
// part of the term: its search finds nothing, and the zeros of the other parts stand, with the list left
// open; neither the zeros nor the inflection step ends with the overflow.
TEST_F(AnfrageRobustheit, UeberlaufImRadikandenEndetNurDessenSuche) {
    const std::string p = "(1,53x^3-462x^2+1)";
    const struct {
        std::string F;
        std::vector<Extended> Nullstellen;
        // The pages looked at: the zeros, and the inflection points where f'' is as simple.
        std::vector<Int32> Seiten;
    } faelle[] = {
        {"sqrt" + p, {}, {1, 6}},
        {"x*sqrt" + p + "+sqrt" + p + "/100", {-0.01L}, {1}},
        {"(x-1/100)*sqrt" + p, {0.01L}, {1}},
    };
    for (const auto& fall : faelle) {
        for (const bool kommentare : {false, true}) {
            SCOPED_TRACE(fall.F + (kommentare ? " mit Kommentaren" : ""));
            TKopfloseAnfrage lauf({.F = fall.F,
                                   .A = "-2",
                                   .B = "2",
                                   .Schritte = {SchrittNullstellen, SchrittAbleitungen, SchrittWendestellen},
                                   .AbleitungsGrad = 3,
                                   .Kommentare = kommentare});
            ASSERT_NO_THROW(lauf.Starte());
            for (const Int32 seite : fall.Seiten) {
                EXPECT_EQ(lauf.Text(seite).find("Der Schritt wird abgebrochen"), std::string::npos)
                    << lauf.Text(seite);
                EXPECT_EQ(lauf.Text(seite).find("nicht OK"), std::string::npos) << lauf.Text(seite);
            }
            const std::string seite1 = lauf.Text(1);
            EXPECT_NE(seite1.find("Ob weitere Nullstellen existieren, ist unklar."), std::string::npos)
                << seite1;
            // Every zero found is one of f, put back into f, and they are the expected ones.
            TTerm* f = TermAusString(fall.F);
            ASSERT_EQ(Nullstellenliste->Anzahl, Int32(fall.Nullstellen.size())) << seite1;
            for (Int32 i = 1; i <= Nullstellenliste->Anzahl; ++i) {
                bool definiert = false;
                const Extended x0 = Nullstellenliste->Stellen[i]->Punkt->Wert(0, definiert);
                ASSERT_TRUE(definiert);
                EXPECT_NEAR(double(x0), double(fall.Nullstellen[size_t(i - 1)]), 1e-15);
                EXPECT_NEAR(double(f->Wert(x0, definiert)), 0.0, 1e-12);
                EXPECT_TRUE(definiert);
            }
        }
    }
}
