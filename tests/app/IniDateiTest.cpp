// The INI reader and writer: classic semantics on hand-written files, encodings, atomic writing.
#include <gtest/gtest.h>

#include <climits>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/IniDatei.h"
#include "tests/app/IniTesthilfe.h"
#include "tests/hilfe/ZolTest.h"

namespace zol {
namespace {

namespace fs = std::filesystem;
using testhilfe::LiesDatei;
using testhilfe::SchreibeDatei;
using testhilfe::TTempOrdner;

const char* const HandgeschriebeneDatei = "; Einstellungen von Hand\n"
                                          "[terme]\n"
                                          "fterm=x;x^2\n"
                                          "  GTerm = sin(x) ; kein Kommentar\n"
                                          "ATerm=\n"
                                          " ; eingerückter Kommentar\n"
                                          "BTERM=-1;2\n"
                                          "\n"
                                          "\n"
                                          "[ SCHRITTE ]\n"
                                          "Schritte=  6939\n"
                                          "IntegralTyp=2\n"
                                          "HTerm=1/4\n"
                                          ";HTerm=7\n"
                                          "Zeile ohne Gleichheitszeichen\n"
                                          "[Test]\n"
                                          "TestRG=abc\n";

class IniDateiTest : public ZolTest {
protected:
    TTempOrdner Ordner;
    fs::path Datei() const { return Ordner.Pfad() / "zol08.INI"; }
};

TEST_F(IniDateiTest, HandgeschriebeneDateiWirdGelesenWieGeschrieben) {
    SchreibeDatei(Datei(), HandgeschriebeneDatei);
    TIniDatei ini(Datei());
    // A ';' inside a value belongs to it; names compare without regard to case.
    EXPECT_EQ(ini.LiesString("Terme", "FTerm", "?"), "x;x^2");
    EXPECT_EQ(ini.LiesString("Terme", "GTerm", "?"), "sin(x) ; kein Kommentar");
    EXPECT_EQ(ini.LiesString("TERME", "bterm", "?"), "-1;2");
    // A key with an empty value is present and empty; a missing one gives the default.
    EXPECT_TRUE(ini.HatSchluessel("Terme", "ATerm"));
    EXPECT_EQ(ini.LiesString("Terme", "ATerm", "?"), "");
    EXPECT_FALSE(ini.HatSchluessel("Terme", "HTerm"));
    EXPECT_EQ(ini.LiesString("Terme", "HTerm", "1/2"), "1/2");
    // Keys belong to their own section only.
    EXPECT_EQ(ini.LiesString("Schritte", "HTerm", "?"), "1/4");
    EXPECT_EQ(ini.LiesInteger("Schritte", "Schritte", -1), 6939);
    EXPECT_EQ(ini.LiesInteger("Schritte", "IntegralTyp", -1), 2);
    // The commented line does not count; a line without '=' is no key.
    EXPECT_FALSE(ini.HatSchluessel("Schritte", ";HTerm"));
    EXPECT_FALSE(ini.HatSchluessel("Schritte", "Zeile ohne Gleichheitszeichen"));
    EXPECT_EQ(ini.LiesInteger("Test", "TestRG", 5), 5);
    EXPECT_EQ(ini.LiesString("Test", "TestRG", ""), "abc");
    EXPECT_FALSE(ini.HatSchluessel("Fehlt", "FTerm"));
}

TEST_F(IniDateiTest, WindowsZeilenendenUndDoppelteEintraege) {
    SchreibeDatei(Datei(), "[Terme]\r\nFTerm=x^2\r\nfterm=x^3\r\n[Schritte]\r\nSchritte=3\r\n"
                           "[TERME]\r\nGTerm=spaeter\r\n");
    TIniDatei ini(Datei());
    // The first key and the first section of a name count.
    EXPECT_EQ(ini.LiesString("Terme", "FTerm", ""), "x^2");
    EXPECT_EQ(ini.LiesInteger("Schritte", "Schritte", 0), 3);
    EXPECT_FALSE(ini.HatSchluessel("Terme", "GTerm"));
}

TEST_F(IniDateiTest, FehlendeDateiLiefertVorgaben) {
    TIniDatei ini(Datei());
    EXPECT_EQ(ini.LiesString("Terme", "FTerm", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.LiesInteger("Schritte", "Schritte", 17), 17);
    EXPECT_EQ(ini.Text(), "");
}

struct TZahlFall {
    const char* Text;
    Int32 Erwartet;
};

class IniZahlTest : public IniDateiTest, public ::testing::WithParamInterface<TZahlFall> {};

TEST_P(IniZahlTest, GanzzahlOderVorgabe) {
    SchreibeDatei(Datei(), std::string("[S]\nk=") + GetParam().Text + "\n");
    EXPECT_EQ(TIniDatei(Datei()).LiesInteger("S", "k", -4711), GetParam().Erwartet) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Zahlen, IniZahlTest,
                         ::testing::Values(TZahlFall{"0", 0}, TZahlFall{"32767", 32767},
                                           TZahlFall{" -7 ", -7}, TZahlFall{"+12", 12}, TZahlFall{"$1F", 31},
                                           TZahlFall{"0x7F1B", 0x7F1B}, TZahlFall{"$FFFFFFFF", -1},
                                           TZahlFall{"2147483647", INT32_MAX},
                                           TZahlFall{"-2147483648", INT32_MIN},
                                           TZahlFall{"2147483648", -4711},
                                           TZahlFall{"99999999999999999999", -4711}, TZahlFall{"12a", -4711},
                                           TZahlFall{"", -4711}, TZahlFall{"-", -4711}, TZahlFall{"$", -4711},
                                           TZahlFall{"1 2", -4711}, TZahlFall{"$123456789", -4711}));

TEST_F(IniDateiTest, AuswahlAusserhalbDesBereichsWirdNull) {
    const std::pair<const char*, Int32> faelle[] = {{"0", 0},  {"2", 2}, {"3", 0},
                                                    {"-1", 0}, {"x", 0}, {"35", 0}};
    for (auto [text, erwartet] : faelle) {
        SchreibeDatei(Datei(), std::string("[Schritte]\nIntegralTyp=") + text + "\n");
        EXPECT_EQ(LiesAuswahl(TIniDatei(Datei()), "Schritte", "IntegralTyp", 3), erwartet) << text;
    }
    SchreibeDatei(Datei(), "[Test]\nTestRG=35\n");
    EXPECT_EQ(LiesAuswahl(TIniDatei(Datei()), "Test", "TestRG", 36), 35);
    SchreibeDatei(Datei(), "[Test]\nTestRG=36\n");
    EXPECT_EQ(LiesAuswahl(TIniDatei(Datei()), "Test", "TestRG", 36), 0);
}

TEST_F(IniDateiTest, Utf8MitUndOhneBomUndWindows1252) {
    SchreibeDatei(Datei(), "\xEF\xBB\xBF[Terme]\nFTerm=Fl\xC3\xA4"
                           "che 2\xC2\xB0x\n");
    EXPECT_EQ(TIniDatei(Datei()).LiesString("Terme", "FTerm", ""), "Fläche 2°x");
    // Not valid UTF-8: read as Windows-1252 (ä, °, € and the typographic quotes).
    SchreibeDatei(Datei(), "[Terme]\nFTerm=Fl\xE4"
                           "che 2\xB0x \x80 \x84"
                           "a\x93\n");
    EXPECT_EQ(TIniDatei(Datei()).LiesString("Terme", "FTerm", ""), "Fläche 2°x € „a“");
}

TEST_F(IniDateiTest, Utf8Pruefung) {
    const std::pair<std::string, bool> faelle[] = {
        {"", true},
        {"abc", true},
        {"\xC3\xA4", true},
        {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xC3", false},             // cut short
        {"\xE2\x82", false},         // cut short
        {"\xC0\x80", false},         // overlong
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\x80", false},
        {"a\xE4"
         "b",
         false},
    };
    for (const auto& [text, gueltig] : faelle) EXPECT_EQ(IstGueltigesUtf8(text), gueltig) << text;
}

TEST_F(IniDateiTest, SchreibenAendertNurDieGeschriebenenSchluessel) {
    SchreibeDatei(Datei(), HandgeschriebeneDatei);
    TIniDatei ini(Datei());
    ini.SchreibeString("Terme", "FTerm", "x^3");
    ini.SchreibeString("Terme", "HTerm", "1/2");
    ini.SchreibeInteger("Schritte", "Schritte", 0x7F1B);
    ini.SchreibeInteger("Neu", "Wert", -3);
    std::string fehler;
    ASSERT_TRUE(ini.Speichere(fehler)) << fehler;
    std::string erwartet = "; Einstellungen von Hand\n"
                           "[terme]\n"
                           "FTerm=x^3\n"
                           "  GTerm = sin(x) ; kein Kommentar\n"
                           "ATerm=\n"
                           " ; eingerückter Kommentar\n"
                           "BTERM=-1;2\n"
                           "HTerm=1/2\n"
                           "\n"
                           "\n"
                           "[ SCHRITTE ]\n"
                           "Schritte=32539\n"
                           "IntegralTyp=2\n"
                           "HTerm=1/4\n"
                           ";HTerm=7\n"
                           "Zeile ohne Gleichheitszeichen\n"
                           "[Test]\n"
                           "TestRG=abc\n"
                           "\n"
                           "[Neu]\n"
                           "Wert=-3\n";
    EXPECT_EQ(LiesDatei(Datei()), erwartet);
}

TEST_F(IniDateiTest, GeschriebeneWerteKommenUnveraendertZurueck) {
    const std::string werte[] = {"x;x^2",          "a=b=c", "[Terme]", ";sieht aus wie ein Kommentar",
                                 "ä ö ü ß ° ε",    "",      "1/2",     "(x-1)*(x+1)",
                                 "sin(x) ; cos(x)"};
    TIniDatei ini(Datei());
    int n = 0;
    for (const std::string& w : werte) ini.SchreibeString("Terme", "K" + std::to_string(n++), w);
    std::string fehler;
    ASSERT_TRUE(ini.Speichere(fehler)) << fehler;
    TIniDatei gelesen(Datei());
    n = 0;
    for (const std::string& w : werte)
        EXPECT_EQ(gelesen.LiesString("Terme", "K" + std::to_string(n++), "?"), w);
}

TEST_F(IniDateiTest, ZeilenumbruecheImWertWerdenEntfernt) {
    TIniDatei ini(Datei());
    ini.SchreibeString("Terme", "FTerm", "x^2\r\n[Schritte]\nSchritte=32767");
    ini.SchreibeString("Terme", "GTerm", "g");
    std::string fehler;
    ASSERT_TRUE(ini.Speichere(fehler)) << fehler;
    TIniDatei gelesen(Datei());
    EXPECT_EQ(gelesen.LiesString("Terme", "FTerm", ""), "x^2[Schritte]Schritte=32767");
    EXPECT_EQ(gelesen.LiesString("Terme", "GTerm", ""), "g");
    EXPECT_FALSE(gelesen.HatSchluessel("Schritte", "Schritte"));
}

// Only the written file remains in the folder: no temporary file is left behind.
std::vector<std::string> Inhalt(const fs::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

TEST_F(IniDateiTest, SpeichernErsetztDieDateiGanz) {
    SchreibeDatei(Datei(), "[Terme]\nFTerm=alt\n");
    TIniDatei ini(Datei());
    ini.SchreibeString("Terme", "FTerm", "neu");
    EXPECT_TRUE(IniDateiSpeichern(ini));
    EXPECT_EQ(LiesDatei(Datei()), "[Terme]\nFTerm=neu\n");
    EXPECT_EQ(Inhalt(Ordner.Pfad()), std::vector<std::string>{"zol08.INI"});
    EXPECT_TRUE(Oberflaeche.Host.Meldungen.empty());
}

TEST_F(IniDateiTest, FehlenderKonfigurationsordnerWirdAngelegt) {
    fs::path datei = Ordner.Pfad() / "config" / "tief" / "zol08.INI";
    TIniDatei ini(datei);
    ini.SchreibeInteger("Schritte", "Schritte", 5);
    EXPECT_TRUE(IniDateiSpeichern(ini));
    EXPECT_EQ(TIniDatei(datei).LiesInteger("Schritte", "Schritte", 0), 5);
}

bool IstWarnungZuSpeichern(const TTestOberflaeche& host) {
    return host.Meldungen.size() == 1 && host.Meldungen[0].Art == TMeldungsart::Warnung &&
           host.Meldungen[0].Text.rfind("Die Einstellungen konnten nicht gespeichert werden:", 0) == 0;
}

// Saving into a folder without write permission. As root, permissions do not stop writing, so the
// attempt runs in a child process that gives up its privileges first (skipped when it cannot).
TEST_F(IniDateiTest, SchreibgeschuetzterOrdnerWarntUndVerliertNichts) {
    fs::permissions(Ordner.Pfad(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::path ordner = Ordner.Pfad() / "nurlesen";
    fs::create_directory(ordner);
    fs::path datei = ordner / "zol08.INI";
    const std::string alt = "; von Hand\n[Terme]\nFTerm=x;x^2\n[Test]\nTestRG=7\n";
    SchreibeDatei(datei, alt);
    fs::permissions(datei, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                               fs::perms::others_read);
    fs::permissions(ordner, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    auto versuche = [&](TTestOberflaeche& host) {
        TIniDatei ini(datei);
        ini.SchreibeString("Terme", "FTerm", "neu");
        ini.SchreibeInteger("Schritte", "Schritte", 1);
        bool gespeichert = IniDateiSpeichern(ini);
        return !gespeichert && IstWarnungZuSpeichern(host);
    };

    if (geteuid() != 0) {
        EXPECT_TRUE(versuche(Oberflaeche.Host));
    } else {
        pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0 || access(ordner.c_str(), W_OK) == 0) _exit(77);
            TTestOberflaecheAktiv host;
            _exit(versuche(host.Host) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "als root ohne Möglichkeit, die Rechte abzugeben";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "kein Scheitern mit Warnung";
    }
    EXPECT_EQ(LiesDatei(datei), alt);
    EXPECT_EQ(Inhalt(ordner), std::vector<std::string>{"zol08.INI"});
}

// A folder where the file should be: the write fails for every user, with a warning, and nothing changes.
TEST_F(IniDateiTest, OrdnerAnStelleDerDateiWarnt) {
    fs::path datei = Ordner.Pfad() / "zol08.INI";
    fs::create_directory(datei);
    SchreibeDatei(datei / "darin.txt", "bleibt");
    TIniDatei ini(datei);
    ini.SchreibeString("Terme", "FTerm", "x");
    EXPECT_FALSE(IniDateiSpeichern(ini));
    EXPECT_TRUE(IstWarnungZuSpeichern(Oberflaeche.Host));
    EXPECT_TRUE(fs::is_directory(datei));
    EXPECT_EQ(LiesDatei(datei / "darin.txt"), "bleibt");
    EXPECT_EQ(Inhalt(Ordner.Pfad()), std::vector<std::string>{"zol08.INI"});
}

TEST_F(IniDateiTest, Dateipfad) {
    fs::path programm = Ordner.Pfad() / "zol08";
    fs::path konfig = Ordner.Pfad() / "konfig";
    EXPECT_EQ(IniDateiPfad(programm, konfig, nullptr), Ordner.Pfad() / "zol08.INI");
    EXPECT_EQ(IniDateiPfad(Ordner.Pfad() / "zol08.exe", konfig, nullptr), Ordner.Pfad() / "zol08.INI");
    // ZOL08_INI names another file; an empty value does not count.
    EXPECT_EQ(IniDateiPfad(programm, konfig, "/anders/test.ini"), fs::path("/anders/test.ini"));
    EXPECT_EQ(IniDateiPfad(programm, konfig, ""), Ordner.Pfad() / "zol08.INI");
    // A program folder that cannot be written (here: one that does not exist) sends the file to the
    // configuration folder.
    EXPECT_EQ(IniDateiPfad(Ordner.Pfad() / "fehlt" / "zol08", konfig, nullptr), konfig / "zol08.INI");
    if (geteuid() != 0) {
        fs::path nurLesen = Ordner.Pfad() / "nurlesen";
        fs::create_directory(nurLesen);
        fs::permissions(nurLesen, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(IniDateiPfad(nurLesen / "zol08", konfig, nullptr), konfig / "zol08.INI");
    }
}

} // namespace
} // namespace zol
