#include <gtest/gtest.h>

#include <limits>

#include "term/Brueche.h"
#include "term/Fehler.h"

using namespace zol;
using namespace zol::Brueche;

namespace {

constexpr Int64 Max = std::numeric_limits<Int64>::max();
constexpr Int64 Min = std::numeric_limits<Int64>::min();

bool IstNormal(const TBruch& b) { return b.Nenner > 0 && ggT(b.Zaehler, b.Nenner) == 1; }

struct Rechenfall {
    TBruch a, b;
    char op;
    TBruch erwartet;
};

TEST(Brueche, ArithmetikIstExaktUndNormiert) {
    const Rechenfall faelle[] = {
        {{1, 6}, {1, 4}, '+', {5, 12}},
        {{1, 2}, {-1, 2}, '+', {0, 1}},
        {{2, 4}, {3, 6}, '+', {1, 1}},
        {{1, 3}, {1, 6}, '-', {1, 6}},
        {{2, 3}, {9, 4}, '*', {3, 2}},
        {{-2, 3}, {3, -4}, '*', {1, 2}},
        {{2, 3}, {4, 9}, '/', {3, 2}},
        {{1, 2}, {-1, 4}, '/', {-2, 1}},
        {{0, 5}, {7, 3}, '*', {0, 1}},
        // Results that fit although the naive cross products do not.
        {{Max, 2}, {Max, 2}, '-', {0, 1}},
        {{Max, 3}, {3, Max}, '*', {1, 1}},
        {{Max - 1, 2}, {1, 2}, '+', {Max, 2}},
        {{Min, 1}, {1, 1}, '*', {Min, 1}},
    };
    for (const auto& f : faelle) {
        TBruch r{99, 98};
        Verknuepfe(f.a, f.b, f.op, r);
        EXPECT_EQ(r.Zaehler, f.erwartet.Zaehler) << f.a.Zaehler << "/" << f.a.Nenner << f.op << f.b.Zaehler;
        EXPECT_EQ(r.Nenner, f.erwartet.Nenner);
        EXPECT_TRUE(IstNormal(r));
    }
}

TEST(Brueche, UeberlaufWirdGemeldetNichtGewickelt) {
    struct Fall {
        TBruch a, b;
        char op;
    };
    const Fall faelle[] = {
        {{Max, 1}, {1, 1}, '+'},
        {{Min, 1}, {1, 1}, '-'},
        {{Max, 1}, {2, 1}, '*'},
        {{1, Max}, {1, Max - 1}, '+'},
        {{Min, 1}, {-1, 1}, '*'},
        {{Max, 1}, {1, 2}, '/'},
    };
    for (const auto& f : faelle) {
        TBruch r{7, 1};
        try {
            Verknuepfe(f.a, f.b, f.op, r);
            ADD_FAILURE() << "kein Überlauf bei " << f.a.Zaehler << f.op << f.b.Zaehler;
        } catch (const ERessourcen& e) {
            EXPECT_STREQ(e.what(), "Überlauf in der Bruchrechnung.");
        }
        EXPECT_EQ(r.Zaehler, 7);
    }
    TBruch r;
    EXPECT_THROW(Hoch({2, 1}, 63, r), ERessourcen);
    EXPECT_THROW(Negativ({Min, 1}, r), ERessourcen);
    EXPECT_THROW(kgV(Max, Max - 1), ERessourcen);
    EXPECT_THROW(ggT(Min, 0), ERessourcen);
}

TEST(Brueche, DivisionDurchNull) {
    TBruch r{5, 1};
    EXPECT_THROW(Durch({1, 2}, {0, 1}, r), ENichtExistenz);
    EXPECT_THROW(Kehrwert({0, 1}, r), ENichtExistenz);
    EXPECT_THROW(Hoch({0, 1}, -1, r), ENichtExistenz);
    EXPECT_EQ(r.Zaehler, 5);
    try {
        Kehrwert({0, 3}, r);
    } catch (const ENichtExistenz& e) {
        EXPECT_STREQ(e.what(), "Division durch Null.");
    }
}

TEST(Brueche, VerknuepfeMitUnbekanntemOperatorLaesstErgebnis) {
    TBruch r{11, 13};
    Verknuepfe({1, 2}, {1, 3}, '^', r);
    EXPECT_EQ(r.Zaehler, 11);
    EXPECT_EQ(r.Nenner, 13);
}

TEST(Brueche, HochGegenWiederholteMultiplikation) {
    const TBruch basen[] = {{-2, 3}, {3, 2}, {1, 1}, {-1, 1}, {0, 1}, {5, 7}, {-7, 10}};
    for (const TBruch& b : basen) {
        TBruch produkt = BruchEins;
        for (Int64 n = 0; n <= 12; ++n) {
            TBruch r;
            Hoch(b, n, r);
            EXPECT_TRUE(Gleich(r, produkt)) << b.Zaehler << "/" << b.Nenner << "^" << n;
            EXPECT_TRUE(IstNormal(r));
            if (b.Zaehler != 0) {
                TBruch negativ, kehr;
                Hoch(b, -n, negativ);
                Kehrwert(produkt, kehr);
                EXPECT_TRUE(Gleich(negativ, kehr));
                EXPECT_TRUE(IstNormal(negativ));
            }
            Mal(produkt, b, produkt);
        }
    }
    TBruch r;
    Hoch({-2, 3}, -3, r);
    EXPECT_EQ(r.Zaehler, -27);
    EXPECT_EQ(r.Nenner, 8);
    Hoch({0, 1}, 0, r);
    EXPECT_TRUE(Gleich(r, BruchEins));
    // Large exponents of 1 and -1 finish at once.
    Hoch({-1, 1}, std::numeric_limits<Int64>::max(), r);
    EXPECT_EQ(r.Zaehler, -1);
    Hoch({1, 1}, std::numeric_limits<Int64>::min(), r);
    EXPECT_EQ(r.Zaehler, 1);
    Hoch({2, 1}, 62, r);
    EXPECT_EQ(r.Zaehler, Int64(1) << 62);
}

TEST(Brueche, ggTundkgV) {
    struct Fall {
        Int64 a, b, ggt, kgv;
    };
    const Fall faelle[] = {
        {0, 0, 0, 0}, {0, 5, 5, 0}, {-12, 18, 6, -36}, {1, 77, 1, 77}, {12, 18, 6, 36}, {-4, -6, 2, 12},
        {Min, 2, 2, Min}, {Max, Max, Max, Max}, {17, 13, 1, 221},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ggT(f.a, f.b), f.ggt) << f.a << "," << f.b;
        EXPECT_EQ(kgV(f.a, f.b), f.kgv) << f.a << "," << f.b;
    }
}

TEST(Brueche, Kuerze) {
    struct Fall {
        TBruch ein, aus;
    };
    const Fall faelle[] = {
        {{0, 7}, {0, 1}},  {{6, -4}, {-3, 2}}, {{4, 2}, {2, 1}},
        {{-5, -10}, {1, 2}}, {{Min, Min}, {1, 1}}, {{Min, 2}, {Min / 2, 1}},
    };
    for (const auto& f : faelle) {
        TBruch b = f.ein;
        Kuerze(b);
        EXPECT_EQ(b.Zaehler, f.aus.Zaehler);
        EXPECT_EQ(b.Nenner, f.aus.Nenner);
    }
    TBruch b{1, Min};
    EXPECT_THROW(Kuerze(b), ERessourcen);
}

TEST(Brueche, VergleichUngekuerzterBrueche) {
    EXPECT_TRUE(Gleich({2, 4}, {1, 2}));
    EXPECT_TRUE(Gleich({-3, -6}, {1, 2}));
    EXPECT_FALSE(Gleich({1, 3}, {1, 2}));
    EXPECT_TRUE(Kleiner({1, 3}, {2, 4}));
    EXPECT_FALSE(Kleiner({2, 4}, {1, 2}));
    EXPECT_TRUE(Kleiner({-1, 2}, {0, 5}));
    // Exact where 64-bit cross products would wrap.
    EXPECT_TRUE(Kleiner({Max - 1, Max}, {Max, Max - 1}));
    EXPECT_FALSE(Kleiner({Max, Max - 1}, {Max - 1, Max}));
    EXPECT_TRUE(Kleiner({Min, 1}, {Max, 1}));
    EXPECT_FALSE(Gleich({Max, Max - 1}, {Max - 1, Max - 2}));
    // A negative denominator does not flip the answer.
    EXPECT_TRUE(Kleiner({1, -2}, {1, 3}));
}

TEST(Brueche, TextUndLesen) {
    struct Ausgabefall {
        TBruch b;
        const char* text;
    };
    const Ausgabefall ausgaben[] = {
        {{-5, 1}, "(-5)"}, {{0, 1}, "0"}, {{7, 1}, "7"}, {{1, 3}, "(1/3)"}, {{-1, 2}, "(-1/2)"}, {{3, 1}, "3"},
    };
    for (const auto& f : ausgaben) EXPECT_EQ(BruchToStr(f.b), f.text);

    struct Lesefall {
        const char* text;
        bool ok;
        TBruch b;
    };
    const Lesefall lesen[] = {
        {"(3/4)", true, {3, 4}},
        {"3/4", true, {3, 4}},
        {"0,50", true, {50, 100}},
        {"1,25", true, {125, 100}},
        {"-0,5", true, {-5, 10}},
        {"-17", true, {-17, 1}},
        {"(-5)", true, {-5, 1}},
        {"1.5", false, {}},
        {"3/0", false, {}},
        {"", false, {}},
        {"-", false, {}},
        {"2/x", false, {}},
        {"99999999999999999999", false, {}},
        {"-9223372036854775808", true, {Min, 1}},
    };
    for (const auto& f : lesen) {
        TBruch r{42, 43};
        Int32 fehler = -1;
        StrToBruch(f.text, r, fehler);
        EXPECT_EQ(fehler == 0, f.ok) << f.text;
        if (f.ok) {
            EXPECT_EQ(r.Zaehler, f.b.Zaehler) << f.text;
            EXPECT_EQ(r.Nenner, f.b.Nenner) << f.text;
        } else {
            EXPECT_EQ(r.Zaehler, 42) << f.text;
        }
    }
    // No length limit: a long text of leading zeros still reads.
    TBruch r;
    Int32 fehler;
    StrToBruch(std::string(300, '0') + "7", r, fehler);
    EXPECT_EQ(fehler, 0);
    EXPECT_EQ(r.Zaehler, 7);
}

TEST(Brueche, TextRundreise) {
    for (Int64 z = -30; z <= 30; ++z)
        for (Int64 n = 1; n <= 12; ++n) {
            TBruch b{z, n}, r;
            Kuerze(b);
            Int32 fehler;
            StrToBruch(BruchToStr(b), r, fehler);
            ASSERT_EQ(fehler, 0) << BruchToStr(b);
            EXPECT_TRUE(Gleich(r, b));
        }
}

} // namespace
