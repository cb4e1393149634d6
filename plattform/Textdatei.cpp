#include "plattform/Textdatei.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string_view>

#include "term/Fehler.h"

namespace zol {

namespace {

void HaengeUtf8An(std::string& s, uint32_t c) {
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

// Windows-1252 in 0x80 .. 0x9F; the five unassigned codes stay the C1 controls of the same number.
constexpr uint16_t Cp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

bool IstGueltigesUtf8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int folge;
        uint32_t wert;
        if (c >= 0xC2 && c <= 0xDF) {
            folge = 1;
            wert = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2;
            wert = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3;
            wert = c & 0x07;
        } else {
            return false;
        }
        if (i + folge >= s.size()) return false;
        for (int k = 1; k <= folge; ++k) {
            unsigned char f = s[i + k];
            if ((f & 0xC0) != 0x80) return false;
            wert = (wert << 6) | (f & 0x3F);
        }
        // No overlong forms, no surrogates, nothing above U+10FFFF.
        if ((folge == 2 && wert < 0x800) || (folge == 3 && wert < 0x10000) || wert > 0x10FFFF ||
            (wert >= 0xD800 && wert <= 0xDFFF))
            return false;
        i += folge + 1;
    }
    return true;
}

std::string TextAlsUtf8(const std::string& bytes) {
    std::string_view s(bytes);
    if (s.size() >= 3 && s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    std::string text(s);
    if (IstGueltigesUtf8(text)) return text;
    std::string ergebnis;
    ergebnis.reserve(text.size() * 2);
    for (unsigned char c : text) {
        if (c < 0x80)
            ergebnis += char(c);
        else if (c < 0xA0)
            HaengeUtf8An(ergebnis, Cp1252[c - 0x80]);
        else
            HaengeUtf8An(ergebnis, c);
    }
    return ergebnis;
}

std::vector<std::string> LiesTextzeilen(const std::string& Name) {
    std::ifstream datei(Name, std::ios::binary);
    std::ostringstream inhalt;
    if (datei) inhalt << datei.rdbuf();
    if (!datei || datei.bad()) throw EZolFehler("Datei kann nicht geöffnet werden: " + Name);
    const std::string text = TextAlsUtf8(inhalt.str());
    std::vector<std::string> zeilen;
    size_t anfang = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        zeilen.push_back(text.substr(anfang, i - anfang));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < text.size()) zeilen.push_back(text.substr(anfang));
    return zeilen;
}

} // namespace zol
