// Number formatting on the exact decimal digits, independent of the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "output/Ausgabe.h"

namespace zol {
namespace {

struct TZahlfall {
    int Stellen;
    Extended x;
    const char* Text;
};

// Values that their text represents to 18 significant digits lose their trailing zeros; others keep every
// decimal up to the 18th significant digit and no further. Halves are rounded away from zero; from 1e18 on
// the scientific form.
const TZahlfall Zahlfaelle[] = {
    {4, 2.5L, "2,5"},
    {0, 0.25L, "0"},
    {4, -2.0L / 3, "-0,6667"},
    {2, 99.999L, "100,00"},
    {4, 0.1L, "0,1"},
    {4, static_cast<Extended>(0.1), "0,1000"},
    {0, -2.5L, "-3"},
    {2, 0.125L, "0,13"},
    {18, 2.0L / 3, "0,666666666666666667"},
    {18, 123456789012345678.0L, "123456789012345678"},
    {19, 1.0L / 3, "0,333333333333333333"},
    {4, 1e18L, "1,00000000000000000E+18"},
    {7, 868600067587257406.0L, "868600067587257406"},
    {7, 9479842689868632.44L, "9479842689868632,44"},
    {7, -3 + 6.0L / 5, "-1,8"},
    {7, -3 + 2 * (6.0L / 5), "-0,6"}, // one unit of the last bit below -0.6L
};

class FormatiereZahlTest : public ::testing::Test {
protected:
    void TearDown() override { Stellen = 4; }
};

TEST_F(FormatiereZahlTest, Tabelle) {
    for (const auto& f : Zahlfaelle) {
        Stellen = static_cast<uint8_t>(f.Stellen);
        EXPECT_EQ(FormatiereZahl(f.x), f.Text)
            << "Stellen " << f.Stellen << ", x = " << static_cast<double>(f.x);
    }
    for (Extended x : {std::numeric_limits<Extended>::quiet_NaN(), std::numeric_limits<Extended>::infinity(),
                       -std::numeric_limits<Extended>::infinity()})
        EXPECT_EQ(FormatiereZahl(x), "nicht def.");
}

// Reads a written number back (decimal comma).
long double Gelesen(std::string s) {
    for (char& c : s)
        if (c == ',') c = '.';
    return std::stold(s);
}

TEST_F(FormatiereZahlTest, GerundetAufDieStellenUndAchtzehnZiffern) {
    std::mt19937_64 zufall(8);
    std::uniform_real_distribution<double> mantisse(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-6, 12);
    for (int stellen = 0; stellen <= 18; ++stellen) {
        Stellen = static_cast<uint8_t>(stellen);
        for (int k = 0; k < 200; ++k) {
            const Extended x = static_cast<Extended>(mantisse(zufall)) * std::pow(10.0L, exponent(zufall));
            const std::string s = FormatiereZahl(x);
            SCOPED_TRACE(s);
            ASSERT_EQ(s.find('.'), std::string::npos);
            const size_t komma = s.find(',');
            const int nachkomma = komma == std::string::npos ? 0 : static_cast<int>(s.size() - komma - 1);
            // No decimal past the `stellen`-th or past the 18th significant digit.
            const Extended betrag = std::fabs(x);
            const int fuehrend = static_cast<int>(std::floor(std::log10(betrag)));
            const int volle = std::min(stellen, 17 - fuehrend);
            EXPECT_LE(nachkomma, volle);
            // At most half a unit of the last kept place away, where that place is the coarser of the last
            // decimal and the 18th significant digit (plus the rounding of the reading itself).
            const Extended achtzehnte = std::pow(10.0L, fuehrend - 17);
            const Extended einheit = std::max(std::pow(10.0L, -stellen), achtzehnte);
            EXPECT_LE(std::fabs(Gelesen(s) - x), einheit / 2 + betrag * 1.1e-19L);
            // Fewer decimals only when the text is the value to 18 significant digits.
            if (nachkomma < volle) {
                EXPECT_LE(std::fabs(Gelesen(s) - x), achtzehnte / 2 + betrag * 1.1e-19L);
            }
        }
    }
}

// A table number has exactly Stellen decimals, or in E notation Stellen decimals of a mantissa between 1
// and 10 (at most 17); read back, it is the value to half a unit of its last digit. A column needs E
// notation exactly where the fixed form would take more than 18 significant digits or show a value that is
// not 0 as 0.
TEST_F(FormatiereZahlTest, Tabellenzahlen) {
    const Extended werte[] = {0,     1,        -1,      0.5L,    -2.0L / 3, 1234.56789L, -0.0102500L,
                              1e-4L, 3.2e-9L,  -4e-12L, 1e10L,   1.5e11L,   -2.98e24L,   123456789.125L,
                              1e17L, 9.99e17L, 5e-8L,   4.9e-8L, -0.0L,     7e-19L};
    for (int stellen : {0, 2, 4, 7, 18}) {
        Stellen = static_cast<uint8_t>(stellen);
        for (Extended x : werte) {
            SCOPED_TRACE(::testing::Message() << "Stellen " << stellen << ", x = " << static_cast<double>(x));
            const Extended betrag = std::fabs(x);
            const bool fest = x == 0 || (betrag >= 0.5L * std::pow(10.0L, -stellen) &&
                                         std::floor(std::log10(betrag)) + 1 + stellen <= 18);
            EXPECT_EQ(BrauchtExponent(x), !fest);
            for (const bool exponential : {false, true}) {
                if (!exponential && !fest) continue;
                const std::string t = FormatiereTabellenzahl(x, exponential);
                const size_t komma = t.find(',');
                const size_t e = t.find('E');
                const int dezimalen = stellen == 0 ? 0 : int((exponential ? e : t.size()) - komma - 1);
                EXPECT_EQ(dezimalen, exponential ? std::min(stellen, 17) : stellen) << t;
                EXPECT_EQ(e != std::string::npos, exponential) << t;
                EXPECT_FALSE(t[0] == '-' && x == 0) << t;
                const Extended gelesen = Gelesen(t);
                const Extended einheit =
                    exponential ? std::pow(10.0L, std::floor(std::log10(betrag > 0 ? betrag : 1)) -
                                                      std::min(stellen, 17))
                                : std::pow(10.0L, -stellen);
                EXPECT_LE(std::fabs(gelesen - x), einheit / 2 * (1 + 1e-9L)) << t;
                if (exponential && x != 0) {
                    const Extended mantisse = std::fabs(Gelesen(t.substr(0, e)));
                    EXPECT_TRUE(mantisse >= 1 && mantisse < 10) << t;
                }
            }
        }
    }
    EXPECT_EQ(FormatiereTabellenzahl(std::numeric_limits<Extended>::infinity(), false), "nicht def.");
}

TEST_F(FormatiereZahlTest, UnabhaengigVomGebietsschema) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    const std::string alt = vorher ? vorher : "C";
    bool gesetzt = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "en_US.UTF-8", "C.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            gesetzt = true;
            break;
        }
    Stellen = 4;
    const std::string a = FormatiereZahl(2.5L);
    const std::string b = FormatiereZahl(1.0L / 3);
    std::setlocale(LC_NUMERIC, alt.c_str());
    EXPECT_EQ(a, "2,5");
    EXPECT_EQ(b, "0,3333");
    if (!gesetzt) GTEST_SKIP() << "kein anderes Gebietsschema vorhanden";
}

} // namespace
} // namespace zol
