#include "plattform/Leinwand.h"

namespace zol {

namespace {

// Null while the free-standing canvas is current; that one is built on first use.
TLeinwand* AktuelleLeinwand = nullptr;

TFreieLeinwand& FreieLeinwand() {
    static TFreieLeinwand leinwand;
    return leinwand;
}

// The glyphs of the Symbol font that the output writes, by code - 1000.
struct TSymbolZeichen {
    uint16_t Code;
    const char* Text;
};
constexpr TSymbolZeichen SymbolTabelle[] = {
    {101, "\u03B5"},                              // epsilon
    {112, "\u03C0"},                              // pi
    {123, "{"},      {125, "}"}, {165, "\u221E"}, // infinity
    {177, "\u00B1"},                              // plus-minus
    {187, "\u2248"},                              // approximately equal
    {198, "\u2205"},                              // empty set
    {199, "\u2229"},                              // intersection
    {200, "\u222A"},                              // union
};

std::string Utf8(uint32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Length in bytes of the UTF-8 character that starts at s[i]; a stray byte counts alone.
size_t ZeichenLaenge(const std::string& s, size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + n > s.size()) return 1;
    for (size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

} // namespace

std::string ZeichenText(uint16_t Code) {
    if (Code >= 1000) {
        uint16_t symbol = static_cast<uint16_t>(Code - 1000);
        for (const auto& z : SymbolTabelle) {
            if (z.Code == symbol) return z.Text;
        }
        return Utf8(symbol);
    }
    return Utf8(Code);
}

size_t AnzahlZeichen(const std::string& Text) {
    size_t n = 0;
    for (size_t i = 0; i < Text.size(); i += ZeichenLaenge(Text, i)) ++n;
    return n;
}

std::vector<std::string> ZerlegeInZeichen(const std::string& Text) {
    std::vector<std::string> zeichen;
    for (size_t i = 0; i < Text.size();) {
        size_t n = ZeichenLaenge(Text, i);
        zeichen.push_back(Text.substr(i, n));
        i += n;
    }
    return zeichen;
}

TTextmass TFreieLeinwand::Textmass(const std::string& Text) {
    double px = Schrift().Groesse * 96.0 / 72.0;
    return {static_cast<Int32>(AnzahlZeichen(Text) * Round(0.5 * px)), static_cast<Int32>(Round(1.2 * px))};
}

void TFreieLeinwand::SchreibeText(const std::string& Text) {
    BewegeUm(Textmass(Text).Breite, 0);
}

TLeinwand& Leinwand() {
    return AktuelleLeinwand ? *AktuelleLeinwand : FreieLeinwand();
}

TLeinwand* SetzeLeinwand(TLeinwand* neu) {
    TLeinwand* alt = &Leinwand();
    AktuelleLeinwand = neu;
    return alt;
}

} // namespace zol
