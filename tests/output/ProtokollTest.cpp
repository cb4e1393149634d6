// The debug line channel (bars, lines of step blocks, a listener on the loopback address, a refused
// connection), the trace switches and step timing.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "output/Protokoll.h"
#include "tests/output/SatzTestBasis.h"

namespace zol {
namespace {

class ProtokollTest : public SatzTest {
protected:
    void TearDown() override {
        DebugNachrichten = false;
        DebugHost = "localhost";
        DebugPort = 5000;
        SatzTest::TearDown();
    }
    std::vector<std::string>& Gesendet() { return Oberflaeche.Host.GesendeteZeilen; }

    // Two nested blocks with a line inside, as a traced computation writes them.
    void ZweiBloecke() {
        BeginneSchritt("Aussen:", nullptr);
        BeginneSchritt("Innen:", VariableX);
        SchreibeZeile("eins");
        BeendeSchritt("Innen=", Zwei);
        BeendeSchritt("Aussen=", nullptr);
    }
    // The lines ZweiBloecke sends: bar by depth, text, the term's canonical text, the line label.
    std::vector<std::string> ZweiBloeckeZeilen() {
        return {"Aussen: [0]", "|Innen:" + VariableX->Text + " [1]", "|Innen=" + Zwei->Text + " [3]",
                "Aussen= [4]"};
    }
};

TEST_F(ProtokollTest, Balken) {
    const std::string alle = std::string(56, '|') + "!";
    struct Fall {
        Int32 n;
        std::string Text;
    };
    const Fall faelle[] = {
        {-1, ""},   {0, ""},    {1, "|"},     {3, "|||"}, {56, std::string(56, '|')},
        {57, alle}, {58, alle}, {1000, alle},
    };
    for (const auto& f : faelle) EXPECT_EQ(Balken(f.n), f.Text) << f.n;
}

TEST_F(ProtokollTest, SchalterSindAnfangsAus) {
    ProtokollVereinfachung = ProtokollNormalform = ProtokollPolynom = ProtokollKumuliere = true;
    ProtokollIntegral = ProtokollRadikal = ProtokollArOp = DebugNachrichten = true;
    InitialisiereAusgabe();
    for (bool s : {ProtokollVereinfachung, ProtokollNormalform, ProtokollPolynom, ProtokollKumuliere,
                   ProtokollIntegral, ProtokollRadikal, ProtokollArOp, DebugNachrichten})
        EXPECT_FALSE(s);
    EXPECT_EQ(DebugHost, "localhost");
    EXPECT_EQ(DebugPort, 5000);
}

TEST_F(ProtokollTest, OhneSchalterWirdNichtsGesendet) {
    ZweiBloecke();
    EXPECT_TRUE(Gesendet().empty());
}

TEST_F(ProtokollTest, EineZeileJeBlockMitDemBalkenSeinerTiefe) {
    DebugNachrichten = true;
    ZweiBloecke();
    EXPECT_EQ(Gesendet(), ZweiBloeckeZeilen());
    // the page holds the same labels
    EXPECT_EQ(Seitentext()[0], "Aussen: [0]");
    EXPECT_EQ(Schachtelungstiefe, 0);
}

TEST_F(ProtokollTest, DreiEbenenTiefBeginntMitDreiBalken) {
    DebugNachrichten = true;
    for (int i = 0; i < 4; ++i) BeginneSchritt("S" + std::to_string(i) + ":", nullptr);
    for (int i = 3; i >= 0; --i) BeendeSchritt("S" + std::to_string(i) + "=", nullptr);
    ASSERT_EQ(Gesendet().size(), 8u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Gesendet()[i].substr(0, i + 2), std::string(i, '|') + "S" + std::to_string(i)) << i;
        EXPECT_EQ(Gesendet()[7 - i].substr(0, i + 2), std::string(i, '|') + "S" + std::to_string(i)) << i;
    }
}

// A host that records where lines go.
class TZielHost : public TTestOberflaeche {
public:
    std::string Host;
    uint16_t Port = 0;
    bool SendeZeile(const std::string& host, uint16_t port, const std::string& text) override {
        Host = host;
        Port = port;
        return TTestOberflaeche::SendeZeile(host, port, text);
    }
};

TEST_F(ProtokollTest, ZielIstDerEingestellteHostUndPort) {
    TZielHost ziel;
    TOberflaeche* vorher = SetzeOberflaeche(&ziel);
    SendeDebugNachricht("a");
    EXPECT_EQ(ziel.Host, "localhost");
    EXPECT_EQ(ziel.Port, 5000);
    DebugHost = "rechner";
    DebugPort = 4711;
    SendeDebugNachricht("b");
    EXPECT_EQ(ziel.Host, "rechner");
    EXPECT_EQ(ziel.Port, 4711);
    EXPECT_EQ(ziel.GesendeteZeilen, (std::vector<std::string>{"a", "b"}));
    SetzeOberflaeche(vorher);
}

TEST_F(ProtokollTest, FehlgeschlageneZeileUnterbrichtDenSchrittNicht) {
    DebugNachrichten = true;
    Oberflaeche.Host.Senden = false;
    ZweiBloecke();
    EXPECT_EQ(Gesendet().size(), 4u);
    EXPECT_EQ(Zeilenliste->Anzahl(), 5);
}

// A listener on 127.0.0.1 at a free port: accepts connections one after another and keeps what each one
// brought until the peer closed it. It stops after the expected number of connections or after 10 s.
class TZuhoerer {
public:
    explicit TZuhoerer(size_t erwartet) {
        Fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        socklen_t laenge = sizeof a;
        if (Fd < 0 || bind(Fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(Fd, 16) != 0 ||
            getsockname(Fd, reinterpret_cast<sockaddr*>(&a), &laenge) != 0)
            return;
        Port = ntohs(a.sin_port);
        Faden = std::thread([this, erwartet] { Lausche(erwartet); });
    }
    ~TZuhoerer() {
        if (Faden.joinable()) Faden.join();
        if (Fd >= 0) close(Fd);
    }
    // Waits until the listener has stopped; then Verbindungen holds what came.
    void Warte() {
        if (Faden.joinable()) Faden.join();
    }

    uint16_t Port = 0;
    std::vector<std::string> Verbindungen;

private:
    void Lausche(size_t erwartet) {
        const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Verbindungen.size() < erwartet && std::chrono::steady_clock::now() < frist) {
            pollfd p{Fd, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            int c = accept(Fd, nullptr, nullptr);
            if (c < 0) continue;
            std::string daten;
            char puffer[256];
            for (;;) {
                pollfd q{c, POLLIN, 0};
                if (poll(&q, 1, 2000) <= 0) break;
                ssize_t n = read(c, puffer, sizeof puffer);
                if (n <= 0) break;
                daten.append(puffer, static_cast<size_t>(n));
            }
            close(c);
            Verbindungen.push_back(daten);
        }
    }

    int Fd = -1;
    std::thread Faden;
};

TEST_F(ProtokollTest, ZuhoererEmpfaengtJedeZeileUeberEigeneVerbindung) {
    TKonsolenOberflaeche netz;
    TOberflaeche* vorher = SetzeOberflaeche(&netz);
    TZuhoerer zuhoerer(4);
    ASSERT_NE(zuhoerer.Port, 0);
    DebugHost = "127.0.0.1";
    DebugPort = zuhoerer.Port;
    DebugNachrichten = true;
    ZweiBloecke();
    zuhoerer.Warte();
    SetzeOberflaeche(vorher);
    std::vector<std::string> erwartet;
    for (const auto& z : ZweiBloeckeZeilen()) erwartet.push_back(z + "\r\n");
    EXPECT_EQ(zuhoerer.Verbindungen, erwartet);
}

TEST_F(ProtokollTest, AbgewieseneVerbindungKehrtSofortZurueck) {
    // A port on the loopback address that nobody listens on: bound once to find it, then released.
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t laenge = sizeof a;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&a), &laenge), 0);
    close(fd);

    TKonsolenOberflaeche netz;
    TOberflaeche* vorher = SetzeOberflaeche(&netz);
    DebugHost = "127.0.0.1";
    DebugPort = ntohs(a.sin_port);
    DebugNachrichten = true;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NO_THROW(ZweiBloecke());
    const auto dauer = std::chrono::steady_clock::now() - start;
    SetzeOberflaeche(vorher);
    // Refused at once: far less than the one second a silent host may take, for all four lines together.
    EXPECT_LT(dauer, std::chrono::milliseconds(500));
    // the steps went on
    EXPECT_EQ(Zeilenliste->Anzahl(), 5);
}

// ---- timing ----

TEST_F(ProtokollTest, ZeitmessungSchreibtDieVergangenenMillisekunden) {
    struct Fall {
        int64_t Start;
        int64_t Ende;
        std::string Zeile;
    };
    const Fall faelle[] = {
        {0, 0, " [0 ms]"},
        {1000, 1250, " [250 ms]"},
        // a clock that runs past midnight's 86 400 000 ms and past 32 bits
        {86'399'900, 86'400'200, " [300 ms]"},
        {4'294'967'000, 4'294'968'000, " [1000 ms]"},
    };
    for (const auto& f : faelle) {
        InitialisiereAusgabe();
        Oberflaeche.Host.Uhr = f.Start;
        StarteZeitmessung();
        EXPECT_EQ(Startzeit, f.Start);
        Oberflaeche.Host.Uhr = f.Ende;
        SchreibeZeitmessung();
        EXPECT_EQ(Seitentext(), std::vector<std::string>{f.Zeile});
    }
}

TEST_F(ProtokollTest, ZeitmessungMitDerEchtenUhrIstNichtNegativ) {
    TKonsolenOberflaeche uhr;
    TOberflaeche* vorher = SetzeOberflaeche(&uhr);
    StarteZeitmessung();
    SchreibeZeitmessung();
    SetzeOberflaeche(vorher);
    const std::string zeile = Seitentext().at(0);
    ASSERT_EQ(zeile.substr(0, 2), " [");
    ASSERT_EQ(zeile.substr(zeile.size() - 4), " ms]");
    EXPECT_GE(std::stoll(zeile.substr(2)), 0);
}

} // namespace
} // namespace zol
