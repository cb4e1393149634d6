// The byte stream (memory and file, little-endian) and the host's refused TCP line.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "term/Fehler.h"

using namespace zol;

namespace {

TEST(Strom, RundreiseLittleEndian) {
    TSpeicherStrom s;
    s.SchreibeInt32(0x01020304);
    s.SchreibeInt64(std::numeric_limits<int64_t>::min());
    s.SchreibeByte(0xB0);
    s.SchreibeExtended(-2.75L);
    const auto& d = s.Inhalt();
    ASSERT_EQ(d.size(), 4u + 8u + 1u + 8u);
    EXPECT_TRUE(d[0] == 0x04 && d[3] == 0x01 && d[11] == 0x80);
    s.Positioniere(0);
    EXPECT_EQ(s.LiesInt32(), 0x01020304);
    EXPECT_EQ(s.LiesInt64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(s.LiesByte(), 0xB0);
    EXPECT_EQ(s.LiesExtended(), -2.75L);
    EXPECT_THROW(s.LiesByte(), EZolFehler);
    auto pfad = std::filesystem::temp_directory_path() / "zol08_strom_test.bin";
    {
        TDateiStrom datei(pfad.string(), TDateiModus::Schreiben);
        for (int32_t i = -5; i <= 5; ++i) datei.SchreibeInt32(i * 1000003);
    }
    {
        TDateiStrom datei(pfad.string(), TDateiModus::Lesen);
        EXPECT_EQ(datei.Groesse(), 11u * 4u);
        for (int32_t i = -5; i <= 5; ++i) EXPECT_EQ(datei.LiesInt32(), i * 1000003);
        EXPECT_TRUE(datei.AmEnde());
    }
    std::filesystem::remove(pfad);
    EXPECT_THROW(TDateiStrom("/nicht/vorhanden/datei", TDateiModus::Lesen), EZolFehler);
}

// A port nobody listens on, and a host that does not exist: the line is refused at once.
TEST(Oberflaeche, AbgewieseneZeileKehrtZurueck) {
    EXPECT_FALSE(SendeTcpZeile("127.0.0.1", 1, "x", 1000));
    EXPECT_FALSE(SendeTcpZeile("host.ungueltig.invalid", 1, "x", 1000));
}

} // namespace
