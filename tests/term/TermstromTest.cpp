// The term stream: every class written and read back, records without a readable term kept in step,
// damaged streams, and write errors with the message of the failing class.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plattform/Strom.h"
#include "selftest/TestSuite.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "term/Termstrom.h"
#include "tests/hilfe/ZolTest.h"

using namespace zol;

namespace {

using Termstrom = ZolTest;

std::vector<uint8_t> Satz(TTerm* T) {
    TSpeicherStrom s;
    SchreibeTermInStream(T, s);
    return s.Inhalt();
}

TSpeicherStrom Strom(const std::vector<uint8_t>& bytes) {
    TSpeicherStrom s;
    s.Schreibe(bytes.data(), bytes.size());
    s.Positioniere(0);
    return s;
}

// A stream that refuses to grow beyond Grenze bytes.
struct TVollerStrom : TSpeicherStrom {
    size_t Grenze;
    explicit TVollerStrom(size_t g) : Grenze(g) {}
    void Schreibe(const void* q, size_t n) override {
        if (Position() + n > Grenze) throw EZolFehler("voll");
        TSpeicherStrom::Schreibe(q, n);
    }
};

// Every record reads back as the term written, or as nil where the term's value is not in the stream (a
// real constant, a radical whose coefficients do not fit); the records after it are read as written.
TEST_F(Termstrom, JedeKlasseKommtGleichZurueck) {
    const struct {
        TTerm* T;
        size_t Laenge; // 0: not checked
        bool Nil = false;
    } terme[] = {// clang-format off
        {X(), 8}, {Lies("x+1"), 41}, {Lies("x^(1/2)"), 32}, {K(-3), 24}, {K(1, 2), 24}, {K(-7, 3), 24},
        {K(123456789, 1000), 24}, {Lies("e"), 8}, {Lies("a*x"), 0}, {Lies("pi"), 8},
        {Lies("sin(x)/cos(2x)-arctan(x)"), 0}, {Lies("(x^2+1)°3"), 0}, {Lies("(1/3)^(2x)"), 0},
        {Lies("x;x^2"), 0}, {Lies("-1;1"), 0}, {Lies("Rad(2,2;0,1)"), 8 + 104}, {Lies("Rad(5,3;(-1/2),0,7)"), 0},
        {nullptr, 8, true}, {ReelleKonstante(1.5L), 8, true}, {ReelleKonstante(3), 8, true},
        {Lies("Rad(2,12;0,0,0,0,0,0,0,0,0,0,1)"), 112, true}, {Lies("Rad(2,2;0,3000000000)"), 112, true},
        {X(), 8}};
    // clang-format on
    TSpeicherStrom s;
    for (const auto& t : terme) {
        const auto vorher = s.Groesse();
        SchreibeTermInStream(t.T, s);
        EXPECT_TRUE(!t.Laenge || s.Groesse() - vorher == t.Laenge) << (t.T ? t.T->Text : "nil");
    }
    EXPECT_EQ(Meldungen(),
              std::vector<std::string>(4, "Warnung: Store für Radikal-Konstanten nicht geprüft!"));
    s.Positioniere(0);
    for (const auto& t : terme) {
        TTerm* gelesen = LiesTermAusStream(s);
        EXPECT_TRUE(t.Nil ? !gelesen : t.T->IstGleich(gelesen)) << (t.T ? t.T->Text : "nil");
    }
    EXPECT_TRUE(s.AmEnde());
}

TEST_F(Termstrom, BeschaedigteStroeme) {
    auto Geaendert = [](std::vector<uint8_t> b, size_t stelle, std::vector<uint8_t> neu) {
        std::copy(neu.begin(), neu.end(), b.begin() + long(stelle));
        return b;
    };
    const std::vector<uint8_t> summe = Satz(Lies("x+1")), wurzel = Satz(Lies("x°3")),
                               potenz = Satz(Lies("x^(1/2)")), exp = Satz(Lies("2^x"));
    // Damaged bodies give nil and keep the stream in step.
    for (const auto& b : {Geaendert(summe, 8, {'%'}), Geaendert(wurzel, 16, {0, 0, 0, 0}),
                          Geaendert(potenz, 24, {0, 0, 0, 0}),
                          Geaendert(exp, 16, {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})}) {
        TSpeicherStrom s = Strom(b);
        s.Positioniere(s.Groesse());
        SchreibeTermInStream(X(), s);
        s.Positioniere(0);
        EXPECT_EQ(LiesTermAusStream(s), nullptr);
        EXPECT_EQ(LiesTermAusStream(s), X());
    }
    EXPECT_EQ(Meldungen(),
              std::vector<std::string>{
                  "Warnung: TTerm mit Kennung:A^X konnte nicht aus einen Stream gelesen werden"});
    // A short stream, a length above 6, a nesting no term has, a zero count outside -1..20: read errors.
    std::vector<uint8_t> tief;
    for (int i = 0; i < 30000; ++i) tief.insert(tief.end(), {3, 's', 'i', 'n', 0, 0, 0, 0});
    for (const auto& b :
         {std::vector<uint8_t>(summe.begin(), summe.end() - 1), Geaendert(Satz(X()), 0, {7}), tief}) {
        TSpeicherStrom s = Strom(b);
        EXPECT_EQ(Ausnahme<EZolFehler>([&] { LiesTermAusStream(s); }), "Lesefehler im Datenstrom.");
    }
    for (int32_t anzahl : {-2, 21}) {
        TSpeicherStrom s;
        s.SchreibeInt32(anzahl);
        s.Positioniere(0);
        TSListe* liste = nullptr;
        EXPECT_EQ(Ausnahme<EZolFehler>([&] { LiesNullstellenListe(liste, s); }), "Lesefehler im Datenstrom.");
    }
}

TEST_F(Termstrom, SchreibfehlerNennenDieKlasseDesFehlendenTeils) {
    const struct {
        const char* Term;
        size_t Grenze;
        const char* Meldung;
    } faelle[] = {
        {"x+1", 8, "Operatorterm konnte nicht in einen Stream geschrieben werden"},
        {"x+1", 9, "TTerm mit Kennung:x konnte nicht in einen Stream geschrieben werden"},
        {"x+1", 30, "Rationale Konstante mit Kennung:1 konnte nicht in einen Stream geschrieben werden"},
        {"x;x^2", 8, "Join konnte nicht in einen Stream geschrieben werden"},
        {"x^(1/2)", 16, "Potenz konnte nicht in einen Stream geschrieben werden"},
        {"x°3", 16, "Wurzel konnte nicht in einen Stream geschrieben werden"},
        {"2^x", 16, "Allgemeine Exponentialfunktion konnte nicht in einen Stream geschrieben werden"},
        {"Rad(2,2;0,1)", 8, "Radikal-Konstante konnte nicht in einen Stream geschrieben werden"},
    };
    for (const auto& f : faelle) {
        TVollerStrom s(f.Grenze);
        EXPECT_EQ(Ausnahme<EStromSchreibfehler>([&] { Lies(f.Term)->SchreibeInStream(s); }), f.Meldung);
    }
}

} // namespace
