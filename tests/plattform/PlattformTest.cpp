#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <thread>

#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "term/Fehler.h"

using namespace zol;

namespace {

TEST(Strom, SpeicherRundreiseLittleEndian) {
    TSpeicherStrom s;
    s.SchreibeInt32(0x01020304);
    s.SchreibeInt64(std::numeric_limits<int64_t>::min());
    s.SchreibeByte(0xB0);
    s.SchreibeExtended(-2.75L);
    const auto& d = s.Inhalt();
    ASSERT_EQ(d.size(), 4u + 8u + 1u + 8u);
    EXPECT_EQ(d[0], 0x04);
    EXPECT_EQ(d[3], 0x01);
    EXPECT_EQ(d[11], 0x80);
    s.Positioniere(0);
    EXPECT_EQ(s.LiesInt32(), 0x01020304);
    EXPECT_EQ(s.LiesInt64(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(s.LiesByte(), 0xB0);
    EXPECT_EQ(s.LiesExtended(), -2.75L);
    EXPECT_TRUE(s.AmEnde());
    EXPECT_THROW(s.LiesByte(), EZolFehler);
}

TEST(Strom, DateiRundreise) {
    auto pfad = std::filesystem::temp_directory_path() / "zol08_strom_test.bin";
    {
        TDateiStrom s(pfad.string(), TDateiModus::Schreiben);
        for (int32_t i = -5; i <= 5; ++i) s.SchreibeInt32(i * 1000003);
    }
    {
        TDateiStrom s(pfad.string(), TDateiModus::Lesen);
        EXPECT_EQ(s.Groesse(), 11u * 4u);
        for (int32_t i = -5; i <= 5; ++i) EXPECT_EQ(s.LiesInt32(), i * 1000003);
        EXPECT_TRUE(s.AmEnde());
    }
    std::filesystem::remove(pfad);
    EXPECT_THROW(TDateiStrom("/nicht/vorhanden/datei", TDateiModus::Lesen), EZolFehler);
}

// A listener on 127.0.0.1 that accepts one connection and reads it to the end.
class Zuhoerer {
public:
    Zuhoerer() {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(fd, 1);
        socklen_t l = sizeof a;
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l);
        Port = ntohs(a.sin_port);
        faden = std::thread([this] {
            int c = accept(fd, nullptr, nullptr);
            char puffer[256];
            ssize_t n;
            while ((n = read(c, puffer, sizeof puffer)) > 0) Empfangen.append(puffer, static_cast<size_t>(n));
            close(c);
        });
    }
    ~Zuhoerer() {
        if (faden.joinable()) faden.join();
        close(fd);
    }
    std::string Ende() {
        faden.join();
        return Empfangen;
    }
    uint16_t Port = 0;

private:
    int fd;
    std::thread faden;
    std::string Empfangen;
};

TEST(Oberflaeche, TcpZeileKommtMitCrLfAn) {
    Zuhoerer z;
    EXPECT_TRUE(SendeTcpZeile("127.0.0.1", z.Port, "| Schritt [3]", 1000));
    EXPECT_EQ(z.Ende(), "| Schritt [3]\r\n");
}

TEST(Oberflaeche, AbgewieseneVerbindungKehrtSofortZurueck) {
    // A port that was just free: nobody listens there.
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t l = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l);
    uint16_t port = ntohs(a.sin_port);
    close(fd);
    EXPECT_FALSE(SendeTcpZeile("127.0.0.1", port, "x", 1000));
    EXPECT_FALSE(SendeTcpZeile("host.ungueltig.invalid", port, "x", 1000));
}

TEST(Oberflaeche, KonsolenhostIstVoreingestelltUndErsetzbar) {
    TOberflaeche* vorher = &Oberflaeche();
    int64_t a = Oberflaeche().Millisekunden();
    int64_t b = Oberflaeche().Millisekunden();
    EXPECT_LE(a, b);
    TKonsolenOberflaeche andere;
    EXPECT_EQ(SetzeOberflaeche(&andere), vorher);
    EXPECT_EQ(&Oberflaeche(), &andere);
    SetzeOberflaeche(nullptr);
    EXPECT_EQ(&Oberflaeche(), vorher);
}

} // namespace
