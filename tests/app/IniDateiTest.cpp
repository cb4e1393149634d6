// The INI reader and writer: classic semantics on hand-written files, encodings, atomic writing.
#include <gtest/gtest.h>

#include <climits>
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

// A choice outside 0 .. n - 1 reads as 0 (the integral type's range is checked with the step window).
TEST_F(IniDateiTest, AuswahlAusserhalbDesBereichsWirdNull) {
    for (auto [text, erwartet] : {std::pair{"35", 35}, {"36", 0}, {"-1", 0}, {"x", 0}}) {
        SchreibeDatei(Datei(), std::string("[Test]\nTestRG=") + text + "\n");
        EXPECT_EQ(LiesAuswahl(TIniDatei(Datei()), "Test", "TestRG", 36), erwartet) << text;
    }
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
    // Invalid sequences of every kind are not UTF-8.
    for (const char* text : {"\xE2\x82", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(IstGueltigesUtf8(text));
    EXPECT_TRUE(IstGueltigesUtf8("\xF0\x9F\x98\x80"));
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
    // The hand-written file with the changed values in place, the new key at the end of its section and the
    // new section at the end.
    std::string erwartet = HandgeschriebeneDatei;
    for (auto [alt, neu] : {std::pair{"fterm=x;x^2\n", "FTerm=x^3\n"},
                            {"BTERM=-1;2\n", "BTERM=-1;2\nHTerm=1/2\n"},
                            {"Schritte=  6939\n", "Schritte=32539\n"}})
        erwartet.replace(erwartet.find(alt), std::string(alt).size(), neu);
    erwartet += "\n[Neu]\nWert=-3\n";
    EXPECT_EQ(LiesDatei(Datei()), erwartet);
}

// Written values come back unchanged; line breaks in a value are removed, so it cannot start a section.
TEST_F(IniDateiTest, GeschriebeneWerteKommenZurueck) {
    const std::string werte[] = {"x;x^2",       "a=b=c", "[Terme]", ";sieht aus wie ein Kommentar",
                                 "ä ö ü ß ° ε", ""};
    TIniDatei ini(Datei());
    int n = 0;
    for (const std::string& w : werte) ini.SchreibeString("Terme", "K" + std::to_string(n++), w);
    ini.SchreibeString("Terme", "FTerm", "x^2\r\n[Schritte]\nSchritte=32767");
    std::string fehler;
    ASSERT_TRUE(ini.Speichere(fehler)) << fehler;
    TIniDatei gelesen(Datei());
    n = 0;
    for (const std::string& w : werte)
        EXPECT_EQ(gelesen.LiesString("Terme", "K" + std::to_string(n++), "?"), w);
    EXPECT_EQ(gelesen.LiesString("Terme", "FTerm", ""), "x^2[Schritte]Schritte=32767");
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
    // A missing configuration folder is made.
    fs::path tief = Ordner.Pfad() / "config" / "tief" / "zol08.INI";
    TIniDatei neu(tief);
    neu.SchreibeInteger("Schritte", "Schritte", 5);
    EXPECT_TRUE(IniDateiSpeichern(neu));
    EXPECT_EQ(TIniDatei(tief).LiesInteger("Schritte", "Schritte", 0), 5);
}

// A folder where the file should be: the write fails for every user, with a warning, and nothing changes.
TEST_F(IniDateiTest, OrdnerAnStelleDerDateiWarnt) {
    fs::path datei = Ordner.Pfad() / "zol08.INI";
    fs::create_directory(datei);
    SchreibeDatei(datei / "darin.txt", "bleibt");
    TIniDatei ini(datei);
    ini.SchreibeString("Terme", "FTerm", "x");
    EXPECT_FALSE(IniDateiSpeichern(ini));
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0].rfind("Warnung: Die Einstellungen konnten nicht gespeichert werden:", 0), 0u);
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
