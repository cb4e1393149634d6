// The general zero finder as properties over polynomials, quotients, piecewise terms and substitutions
// (every point lies in the range and is a zero of exactly the multiplicity its factor gives), the zeros and
// poles steps read back from their pages, and the definedness and definite integrals that rest on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <cmath>
#include <string>
#include <vector>

#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Grafikdaten.h"
#include "steps/Allgemeines.h"
#include "steps/Nullstel.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/TermParser.h"
#include "term/Terme.h"
#include "tests/hilfe/KopfloseAnfrage.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

class Nullstellen : public ZolTest {
protected:
    void TearDown() override {
        InitialisiereAusgabe();
        ZolTest::TearDown();
    }
};

// [a; b] with closed ends; an empty text is an infinite end.
TIntervall* Bereich(const char* a, const char* b) {
    auto* I = Neu<TIntervall>(UnendlichRand, UnendlichRand);
    if (*a) I->LinkerRand = TRand{TermAusString(a), false};
    if (*b) I->RechterRand = TRand{TermAusString(b), false};
    return I;
}

struct TNull {
    Extended x;
    Int32 m;
};

// ---- the zero finder as properties ----

struct TFall {
    const char* f;
    const char* a;
    const char* b;
    // The zeros in [a; b] as the factors of f give them, ascending, and the completeness.
    std::vector<TNull> nullstellen;
    uint8_t status;
};

// f written through its factors; the expected zeros are read off the factors and cut to the range.
const TFall Faelle[] = {
    // polynomials, through the term's own zeros or the polynomial form
    {"(x-1)^2*(x+3)", "", "", {{-3, 1}, {1, 2}}, wahr},
    {"(x-1)^2*(x+3)*(x^2+1)", "0", "5", {{1, 2}}, wahr},
    {"x^3-3x+2", "-5", "0", {{-2, 1}}, wahr},
    {"x^4-5x^2+4", "-1", "3", {{-1, 1}, {1, 1}, {2, 1}}, wahr},
    {"x^5-x^3", "", "", {{-1, 1}, {0, 3}, {1, 1}}, wahr},
    {"2x^3-x^2-2x+1", "0", "", {{0.5L, 1}, {1, 1}}, wahr},
    {"x^2+1", "", "", {}, wahr},
    {"x^2", "1", "2", {}, wahr},
    // quotients: a zero of the numerator where the quotient is undefined is none
    {"(x-1)*(x+2)/(x-1)", "", "", {{-2, 1}}, wahr},
    {"(x^2-4)/(x^2+1)", "0", "10", {{2, 1}}, wahr},
    {"(x-3)^2/(x-2)", "", "", {{3, 2}}, wahr},
    {"1/(x^2-1)", "", "", {}, wahr},
    // piecewise: the branch x^2-1 left of 0, x-2 right of it
    {"x^2-1;x-2", "", "", {{-1, 1}, {2, 1}}, wahr},
    {"x^2-1;x-2", "0", "5", {{2, 1}}, wahr},
    // no normal form: substitution of x^(1/3) or x^(2/3) and back-substitution
    {"x^(2/3)-3x^(1/3)+2", "", "", {{1, 1}, {8, 1}}, wahr},
    {"x^(2/3)-3x^(1/3)+2", "2", "10", {{8, 1}}, wahr},
    {"x^(4/3)-5x^(2/3)+4", "", "", {{1, 1}, {8, 1}}, wahr},
    {"x^(2/9)-3x^(1/9)+2", "0", "600", {{1, 1}, {512, 1}}, wahr},
};

TEST_F(Nullstellen, JedePunktLiegtImBereichUndIstNullstelleDerVielfachheitIhresFaktors) {
    for (const TFall& fall : Faelle) {
        AlleTermeFreigeben();
        SetzeAnalyseZurueck();
        const std::string name = std::string(fall.f) + " in [" + fall.a + ";" + fall.b + "]";
        TTerm* f = TermAusString(fall.f);
        TIntervall* I = Bereich(fall.a, fall.b);
        TSListe* L = nullptr;
        uint8_t status = 9;
        SucheNullstellen(f, I, L, false, status);
        ASSERT_NE(L, nullptr) << name;
        EXPECT_EQ(status, fall.status) << name;

        std::vector<TNull> gefunden;
        for (Int32 i = 1; i <= L->Anzahl; ++i) {
            TTerm* p = L->Stellen[i]->Punkt;
            EXPECT_TRUE(I->Enthaelt(p)) << name << ": " << p->Text;
            // Put back into f, the point gives exactly 0.
            TTerm* eingesetzt = f->Ersetze(VariableX, p);
            ASSERT_NE(eingesetzt, nullptr) << name;
            VereinfacheKonstantenTerm(eingesetzt);
            EXPECT_TRUE(eingesetzt->IstNull()) << name << ": f(" << p->Text << ") = " << eingesetzt->Text;
            bool definiert = false;
            gefunden.push_back({p->Wert(0, definiert), L->Stellen[i]->Vielfachheit});
            EXPECT_TRUE(definiert) << name;
        }
        std::sort(gefunden.begin(), gefunden.end(), [](const TNull& a, const TNull& b) { return a.x < b.x; });
        ASSERT_EQ(gefunden.size(), fall.nullstellen.size()) << name;
        for (size_t i = 0; i < gefunden.size(); ++i) {
            EXPECT_NEAR(double(gefunden[i].x), double(fall.nullstellen[i].x), 1e-12) << name;
            EXPECT_EQ(gefunden[i].m, fall.nullstellen[i].m) << name << " bei " << double(gefunden[i].x);
        }
    }
}

// The constant 0 vanishes everywhere: more zeros than any list, and its witness only inside the range.
TEST_F(Nullstellen, NullfunktionHatWeitereNullstellen) {
    TSListe* L = nullptr;
    uint8_t status = 9;
    SucheNullstellen(Null, Bereich("-1", "1"), L, false, status);
    EXPECT_EQ(status, falsch);
    SucheNullstellen(Null, Bereich("1", "2"), L, false, status);
    EXPECT_EQ(status, falsch);
    EXPECT_EQ(L->Anzahl, 0);
}

// The explanation: the search line, the substitution and back-substitution, and the summary with the
// multiplicity words.
TEST_F(Nullstellen, KommentierteSucheMitSubstitution) {
    TKopfloseAnfrage lauf({.F = "x^(2/3)-3x^(1/3)+2", .Schritte = {SchrittNullstellen}, .Kommentare = true});
    try {
        lauf.Starte();
    } catch (const ENochNichtGebaut&) {
        // The graph's marked points come after every line of the page.
    }
    const std::string seite = lauf.Text(1);
    for (const char* text : {"Suche der Nullstellen von ", "Substitution von ", " durch x führt auf:",
                             "Rücksubstitution:", "Nullstellen: 8 (einfach), 1 (einfach)."})
        EXPECT_NE(seite.find(text), std::string::npos) << text << "\n" << seite;
    EXPECT_LT(seite.find("Substitution von "), seite.find("Rücksubstitution:"));
}

TEST_F(Nullstellen, ZusammenfassungDerSuche) {
    struct Fall {
        const char* f;
        const char* a;
        const char* zeile;
    };
    const Fall faelle[] = {
        {"(x-1)^2*(x+2)", "", "Nullstellen: 1 (doppelt), -2 (einfach)."},
        {"x^3*(x-1)^4", "", "Nullstellen: 0 (dreifach), 1   (4-fach);."},
        {"x^2+1", "", "Es gibt keine Nullstellen im angegebenen Intervall."},
        {"x-1", "2", "Es gibt keine Nullstellen im angegebenen Intervall."},
    };
    for (const Fall& fall : faelle) {
        AlleTermeFreigeben();
        SetzeAnalyseZurueck();
        InitialisiereAusgabe();
        TSListe* L = nullptr;
        uint8_t status = 9;
        SucheNullstellen(TermAusString(fall.f), Bereich(fall.a, ""), L, true, status);
        const auto zeilen = Seitentext();
        EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), fall.zeile), zeilen.end()) << fall.f;
    }
}

// ---- no hang, abort ----

TEST_F(Nullstellen, AbbruchBeendetDieSubstitutionssuche) {
    TTerm* f = TermAusString("x^(2/3)-3x^(1/3)+2");
    Oberflaeche.Host.AbbruchNach = 1;
    TSListe* L = nullptr;
    uint8_t status = 9;
    EXPECT_THROW(SucheNullstellen(f, IntervallR, L, false, status), EBenutzerAbbruch);
}

// Substitutions inside substitutions end with an unclear answer, never by running on.
TEST_F(Nullstellen, VerschachtelteSubstitutionenEnden) {
    for (const char* f : {"(x^(1/3)+x^(2/3))^(1/5)-x^(2/3)-1", "((x^(1/3)+1)^(2/3)+1)^(3/7)+x^(1/3)-3"}) {
        AlleTermeFreigeben();
        SetzeAnalyseZurueck();
        const int64_t vorher = Oberflaeche.Host.Nachrichtenaufrufe;
        TSListe* L = nullptr;
        uint8_t status = 9;
        SucheNullstellen(TermAusString(f), IntervallR, L, false, status);
        EXPECT_EQ(status, unklar) << f;
        EXPECT_LT(Oberflaeche.Host.Nachrichtenaufrufe - vorher, 5000) << f;
    }
}

// ---- the zeros step ----

class Nullstellenschritt : public ZolTest {
protected:
    // Runs the request; the marked points, still to be built, come after every line of the page.
    std::string Seite(const TAnfrage& anfrage, Int32 k) {
        Lauf = std::make_unique<TKopfloseAnfrage>(anfrage);
        try {
            Lauf->Starte();
        } catch (const ENochNichtGebaut& e) {
            Fehlt = e.Meldung;
        }
        return Lauf->Text(k);
    }
    static bool HatZeile(const std::string& seite, const std::string& zeile) {
        return seite.find("\n" + zeile + "\n") != std::string::npos;
    }
    std::unique_ptr<TKopfloseAnfrage> Lauf;
    std::string Fehlt;
};

TEST_F(Nullstellenschritt, DoppelteNullstelle) {
    const std::string seite = Seite(
        {.F = "x^3-3x+2", .Schritte = {SchrittVereinfachen, SchrittNullstellen}, .Kommentare = true}, 1);
    EXPECT_EQ(seite.rfind("Bestimmung der Nullstellen:\n", 0), 0u) << seite;
    EXPECT_NE(seite.find(" (doppelt)"), std::string::npos) << seite;
    EXPECT_TRUE(HatZeile(seite, "Nullstellen (Zusammenfassung): ")) << seite;
    EXPECT_NE(seite.find("(1 | 0)   (doppelte Nullstelle);\n"), std::string::npos) << seite;
    EXPECT_NE(seite.find("(-2 | 0)   (einfache Nullstelle);\n"), std::string::npos) << seite;
    EXPECT_TRUE(HatZeile(seite, "Weitere Nullstellen gibt es nicht.")) << seite;
    EXPECT_EQ(NullstellenlisteStatus, wahr);
    ASSERT_EQ(Nullstellenliste->Anzahl, 2);
    // Without comments the results stay.
    const std::string knapp = Seite({.F = "x^3-3x+2", .Schritte = {SchrittNullstellen}}, 1);
    EXPECT_EQ(knapp.find("Suche der Nullstellen"), std::string::npos) << knapp;
    EXPECT_NE(knapp.find("(1 | 0)   (doppelte Nullstelle);\n"), std::string::npos) << knapp;
}

TEST_F(Nullstellenschritt, IntervallSchneidetNullstellenAb) {
    const std::string seite = Seite({.F = "x^2-1", .A = "0", .B = "5", .Schritte = {SchrittNullstellen}}, 1);
    EXPECT_NE(seite.find("(1 | 0)"), std::string::npos) << seite;
    EXPECT_EQ(seite.find("(-1 | 0)"), std::string::npos) << seite;
    EXPECT_EQ(Nullstellenliste->Anzahl, 1);
}

TEST_F(Nullstellenschritt, KeineNullstellen) {
    const std::string seite = Seite({.F = "x^2+1", .Schritte = {SchrittNullstellen}}, 1);
    EXPECT_EQ(seite.find("Zusammenfassung"), std::string::npos) << seite;
    EXPECT_TRUE(HatZeile(seite, "Weitere Nullstellen gibt es nicht.")) << seite;
}

// A zero of the simplified f where f as entered is undefined is no zero (unsimplified, the quotient's own
// search leaves it out already).
TEST_F(Nullstellenschritt, DefinitionsluekeScheidetAus) {
    for (bool vereinfacht : {true, false}) {
        TAnfrage anfrage{.F = "x^3/x", .Schritte = {SchrittNullstellen}};
        if (vereinfacht) anfrage.Schritte.push_back(SchrittVereinfachen);
        const std::string seite = Seite(anfrage, 1);
        EXPECT_EQ(HatZeile(seite, "0 ist Definitionslücke von f und scheidet aus."), vereinfacht) << seite;
        EXPECT_EQ(seite.find("(0 | 0)"), std::string::npos) << seite;
        EXPECT_EQ(Nullstellenliste->Anzahl, 0);
    }
    // The gap of (x-1)^2/((x-1)(x+2)) at 1 goes, its cancelled form's zero there too.
    const std::string seite =
        Seite({.F = "(x-1)^2/((x-1)*(x+2))", .Schritte = {SchrittVereinfachen, SchrittNullstellen}}, 1);
    EXPECT_TRUE(HatZeile(seite, "1 ist Definitionslücke von f und scheidet aus.")) << seite;
}

TEST_F(Nullstellenschritt, NullstellenWerdenFuerDieGrafikGemerkt) {
    Seite({.F = "x^2-4", .Schritte = {SchrittNullstellen}}, 1);
    if (!Fehlt.empty()) GTEST_SKIP() << Fehlt;
    ASSERT_EQ(Grafikpunkte.Anzahl, 2);
    std::vector<Double> x;
    for (Int32 i = 1; i <= 2; ++i) {
        const TGrafikPunkt& p = Grafikpunkte.Punkte[size_t(i)];
        EXPECT_EQ(p.Name, "N*i<" + std::to_string(i) + ">");
        EXPECT_EQ(p.Y, 0);
        x.push_back(p.X);
    }
    std::sort(x.begin(), x.end());
    EXPECT_EQ(x, (std::vector<Double>{-2, 2}));
}

// ---- the poles step ----

TEST_F(Nullstellenschritt, PolUndHebbareLuecke) {
    const std::string seite =
        Seite({.F = "(x-1)^2/((x-1)*(x+2))", .Schritte = {SchrittVereinfachen, SchrittPolstellen}}, 2);
    EXPECT_TRUE(HatZeile("\n" + seite, "Bestimmung der Polstellen:")) << seite;
    EXPECT_NE(seite.find("Hinreichend dafür, daß in x0 eine Polstelle vorliegt, ist: x0 ist eine "
                         "Definitionslücke von f, d.h. eine Nullstellen des Nenners N(x)="),
              std::string::npos)
        << seite;
    EXPECT_NE(seite.find("Einsetzen der Definitionslücken von f in den Zähler:"), std::string::npos);
    EXPECT_TRUE(HatZeile(seite, "Z(1) = 0=0, also weitere Untersuchung erforderlich.")) << seite;
    EXPECT_NE(seite.find("<>0, also keine Polstelle, sondern hebbare Definitionslücke.\n"), std::string::npos)
        << seite;
    EXPECT_TRUE(HatZeile(seite, "Z(-2) = 9<>0, also Polstelle bei x = -2")) << seite;
}

// The cancelled pair x+1 over 1 would call the removable gap a pole; the quotient as entered does not.
TEST_F(Nullstellenschritt, PolstellenVomEingegebenenQuotienten) {
    const std::string seite = Seite({.F = "(x^2-1)/(x-1)", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_EQ(seite.find("Polstelle bei x = 1"), std::string::npos) << seite;
    EXPECT_NE(seite.find("hebbare Definitionslücke."), std::string::npos) << seite;
}

// Polynomials that vanish at a rational gap are seen exactly: 7x^2-26x+15 at 5/7 rounds to about 1e-18.
TEST_F(Nullstellenschritt, NullAnRationalerLueckeExaktEntschieden) {
    const std::string seite = Seite({.F = "(7x-5)*(x-3)/(7x-5)", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_EQ(seite.find("also Polstelle bei"), std::string::npos) << seite;
    EXPECT_NE(seite.find("hebbare Definitionslücke."), std::string::npos) << seite;
    // The cancelled denominator 7x^2+16x-15 vanishes at 5/7: that gap is not removable, 3 is.
    const std::string seite0 =
        Seite({.F = "(x-3)/((7x-5)*(x+3)*(x-3))", .Schritte = {SchrittDefinitionsbereich}}, 0);
    EXPECT_TRUE(HatZeile(seite0, "3 ist hebbare Definitionslücke.")) << seite0;
    EXPECT_EQ(seite0.find("ist hebbare"), seite0.rfind("ist hebbare")) << seite0;
}

TEST_F(Nullstellenschritt, DivisionsschleifeBisZumPol) {
    const std::string doppelt = Seite({.F = "(x^2-4)/(x-2)^2", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_TRUE(HatZeile(doppelt, "Jetzt muß auch der Zähler geteilt werden:")) << doppelt;
    EXPECT_NE(doppelt.find("<>0, also Polstelle.\n"), std::string::npos) << doppelt;
    EXPECT_EQ(doppelt.find("Dasselbe nochmal!"), std::string::npos) << doppelt;

    const std::string dreifach = Seite({.F = "(x-2)^2*(x+1)/(x-2)^3", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_TRUE(HatZeile(dreifach, "Dasselbe nochmal!")) << dreifach;
    EXPECT_NE(dreifach.find("<>0, also Polstelle.\n"), std::string::npos) << dreifach;
    EXPECT_EQ(dreifach.find("hebbare"), std::string::npos) << dreifach;
}

TEST_F(Nullstellenschritt, EinfachePoleUndKeine) {
    const std::string zwei = Seite({.F = "1/(x^2-1)", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_TRUE(HatZeile(zwei, "Z(1) = 1<>0, also Polstelle bei x = 1")) << zwei;
    EXPECT_TRUE(HatZeile(zwei, "Z(-1) = 1<>0, also Polstelle bei x = -1")) << zwei;

    const std::string keine = Seite({.F = "x^2+1", .Schritte = {SchrittVereinfachen, SchrittPolstellen}}, 2);
    EXPECT_TRUE(HatZeile(keine, "f hat keine Polstellen. ")) << keine;
    EXPECT_EQ(keine.find("Bestimmung der Polstellen:"), std::string::npos) << keine;

    const std::string wurzel = Seite({.F = "x^(1/2)", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_EQ(wurzel.rfind("Da f keine rationale Funktion ist, ist eine Bestimmung der Polstellen", 0), 0u)
        << wurzel;
    EXPECT_NE(wurzel.find("mit elementaren Mitteln nicht möglich"), std::string::npos) << wurzel;
}

// The definition range runs first on the poles page when its own step was not chosen.
TEST_F(Nullstellenschritt, DefinitionsbereichLaeuftVorDenPolstellen) {
    const std::string seite = Seite({.F = "1/x", .Schritte = {SchrittPolstellen}}, 2);
    EXPECT_LT(seite.find("Bestimmung des Definitionsbereichs:"), seite.find("Bestimmung der Polstellen:"))
        << seite;
    const std::string seite0 =
        Seite({.F = "1/x", .Schritte = {SchrittDefinitionsbereich, SchrittPolstellen}}, 2);
    EXPECT_EQ(seite0.find("Bestimmung des Definitionsbereichs:"), std::string::npos) << seite0;
}

// ---- definedness and definite integrals ----

TEST_F(Nullstellen, DefiniertWoDerNennerKeineNullstelleHat) {
    struct Fall {
        TTerm* t;
        const char* a;
        const char* b;
        TWahrheitswert erwartet;
    };
    TTerm* xx = Op(X(), '*', X());
    const Fall faelle[] = {
        {Op(Eins, '/', Op(xx, '-', Eins)), "-1/2", "1/2", wahr},
        {Op(Eins, '/', Op(xx, '-', Eins)), "0", "2", falsch},
        {Op(Eins, '/', Op(xx, '-', Eins)), "", "", falsch},
        {Op(X(), '/', Op(xx, '+', Eins)), "", "", wahr},
        {Pot(X(), -2), "1", "2", wahr},
        {Pot(X(), -2), "-1", "1", falsch},
        {Pot(Op(X(), '-', Drei), -1), "0", "2", wahr},
        {Pot(Op(X(), '-', Drei), -1), "0", "3", falsch},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(static_cast<TTTerm*>(f.t)->IstDefiniertAuf(Bereich(f.a, f.b)), f.erwartet)
            << f.t->Text << " auf [" << f.a << ";" << f.b << "]";
}

// No finite value for an integral across a pole: x^(-2) and 1/x^2 over [-1; 1] gave -2.
TEST_F(Nullstellen, KeinIntegralUeberEinePolstelle) {
    for (TTerm* t : {Pot(X(), -2), Op(Eins, '/', Pot(X(), 2))}) {
        EXPECT_EQ(t->Integral(MinusEins, Eins), nullptr) << t->Text;
        EXPECT_EQ(t->Integral(Eins, MinusEins), nullptr) << t->Text;
        // Away from the pole the value stays, in either direction: the integral of x^(-2) from 1 to 2 is 1/2.
        for (bool vorwaerts : {true, false}) {
            TTerm* I = vorwaerts ? t->Integral(Eins, Zwei) : t->Integral(Zwei, Eins);
            ASSERT_NE(I, nullptr) << t->Text;
            bool d = false;
            EXPECT_NEAR(double(I->Wert(0, d)), vorwaerts ? 0.5 : -0.5, 1e-15) << t->Text;
        }
    }
}

} // namespace
} // namespace zol
