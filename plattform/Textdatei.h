// Text files written by people: read as UTF-8, or as Windows-1252 when they are not valid UTF-8.
#pragma once

#include <string>
#include <vector>

namespace zol {

// True when s is well-formed UTF-8.
bool IstGueltigesUtf8(const std::string& s);
// The bytes of a file written by people as UTF-8: a leading byte-order mark is dropped, and text that is
// not valid UTF-8 is taken as Windows-1252.
std::string TextAlsUtf8(const std::string& bytes);
// The lines of a text file as UTF-8, each without its line break (CR LF, LF or CR); a line break at the end
// starts no further line. Raises EZolFehler "Datei kann nicht geöffnet werden: " + Name when the file cannot
// be read.
std::vector<std::string> LiesTextzeilen(const std::string& Name);

} // namespace zol
