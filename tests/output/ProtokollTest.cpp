// The debug line channel (bars, one line per step block) and step timing.

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

TEST_F(ProtokollTest, EineZeileJeBlockMitDemBalkenSeinerTiefe) {
    ZweiBloecke();
    EXPECT_TRUE(Gesendet().empty());
    InitialisiereAusgabe();
    DebugNachrichten = true;
    ZweiBloecke();
    EXPECT_EQ(Gesendet(), ZweiBloeckeZeilen());
    EXPECT_EQ(Seitentext()[0], "Aussen: [0]");
    // A line that cannot be sent does not interrupt the steps.
    Gesendet().clear();
    Oberflaeche.Host.Senden = false;
    ZweiBloecke();
    EXPECT_EQ(Gesendet().size(), 4u);
    EXPECT_EQ(Schachtelungstiefe, 0);
}

// ---- timing ----

TEST_F(ProtokollTest, ZeitmessungSchreibtDieVergangenenMillisekunden) {
    struct Fall {
        int64_t Start;
        int64_t Ende;
        std::string Zeile;
    };
    const Fall faelle[] = {
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

} // namespace
} // namespace zol
