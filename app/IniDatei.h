// The INI file: sections "[Name]" with lines "Schluessel=Wert", read and written with the classic rules.
//
// - A value is the rest of its line after the first '=' (only blanks and tabs around it are dropped): a ';'
//   inside a value belongs to it. Only a line whose first non-blank character is ';' is a comment.
// - Section and key names compare without regard to case; the first matching section and key count.
// - The file is read as UTF-8, or as Windows-1252 when it is not valid UTF-8; it is written as UTF-8.
// - Writing changes only the keys written: comments, blank lines and unknown keys and sections stay. The
//   file is written to a temporary file beside it and renamed into place, so it is never half written.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "plattform/Textdatei.h"
#include "term/Grundtypen.h"

namespace zol {

class TIniDatei {
public:
    // Reads the file; a missing file reads as empty.
    explicit TIniDatei(std::filesystem::path pfad);

    const std::filesystem::path& Pfad() const { return DateiPfad; }
    bool HatSchluessel(const std::string& abschnitt, const std::string& schluessel) const;
    std::string LiesString(const std::string& abschnitt, const std::string& schluessel,
                           const std::string& vorgabe) const;
    // Decimal with optional sign, or hexadecimal with "$" or "0x"; anything else, or a number outside the
    // 32-bit range, gives the default.
    Int32 LiesInteger(const std::string& abschnitt, const std::string& schluessel, Int32 vorgabe) const;

    // Line breaks inside the value are removed (a value is one line).
    void SchreibeString(const std::string& abschnitt, const std::string& schluessel, const std::string& wert);
    void SchreibeInteger(const std::string& abschnitt, const std::string& schluessel, Int32 wert);

    // The file's content as it will be written.
    std::string Text() const;
    // Writes the file (temporary file, then rename). False with a reason when that fails; the file on
    // disk is then as it was. A file that exists but could not be read is never overwritten.
    bool Speichere(std::string& fehler) const;

private:
    // Index of the section header line, or -1.
    long SucheAbschnitt(const std::string& abschnitt) const;
    // Index of the key line inside the section starting at header line `kopf`, or -1.
    long SucheSchluessel(long kopf, const std::string& schluessel) const;

    std::filesystem::path DateiPfad;
    std::vector<std::string> Zeilen;
    bool Lesefehler = false;
    std::string LesefehlerText;
};

// An item index of a radio group stored in the file; a value outside 0 .. anzahl - 1 gives 0.
Int32 LiesAuswahl(const TIniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                  Int32 anzahl);

// Where the INI file lies: `umgebung` (the value of ZOL08_INI) when it is given and not empty; else beside
// the program, named after it with the extension ".INI", when the program's folder is writable; else in
// `konfigurationsordner` under the same name.
std::filesystem::path IniDateiPfad(const std::filesystem::path& programm,
                                   const std::filesystem::path& konfigurationsordner, const char* umgebung);
// The same for the running program.
std::filesystem::path IniDateiPfad();

// Writes the file; when that fails, a warning box through the host says so. Never throws.
bool IniDateiSpeichern(const TIniDatei& ini);

} // namespace zol
