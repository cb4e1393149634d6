#include "term/Brueche.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "term/Fehler.h"

namespace zol {

const TBruch BruchNull{0, 1};
const TBruch BruchEins{1, 1};
const TBruch BruchZwei{2, 1};
const TBruch BruchDrei{3, 1};
const TBruch BruchMinusEins{-1, 1};
const TBruch BruchEinHalb{1, 2};
const TBruch BruchEinDrittel{1, 3};
const TBruch BruchDreiViertel{3, 4};

namespace Brueche {

namespace {

using Int128 = __int128;
using UInt128 = unsigned __int128;

[[noreturn]] void Ueberlauf() {
    throw EUeberlauf("Überlauf in der Bruchrechnung.");
}
[[noreturn]] void DurchNull() { throw ENichtExistenz("Division durch Null."); }

UInt128 Betrag(Int128 v) { return v < 0 ? UInt128(0) - UInt128(v) : UInt128(v); }

// Binary gcd: the common factors of 2 apart, the odd numbers subtracted.
uint64_t ggT64(uint64_t a, uint64_t b) {
    if (a == 0 || b == 0) return a | b;
    const int zweien = __builtin_ctzll(a | b);
    a >>= __builtin_ctzll(a);
    do {
        b >>= __builtin_ctzll(b);
        if (a > b) std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << zweien;
}

bool Passt64(UInt128 v) {
    return (v >> 64) == 0;
}

// Reduces z/n (n != 0) exactly and stores it in r; raises when the reduced fraction does not fit.
void Normiere(Int128 z, Int128 n, TBruch& r) {
    if (n == 0) DurchNull();
    if (z == 0) {
        r = BruchNull;
        return;
    }
    bool negativ = (z < 0) != (n < 0);
    UInt128 bz = Betrag(z), bn = Betrag(n);
    const UInt128 g = ggTBetraege(bz, bn);
    if (g != 1) {
        if (Passt64(bz) && Passt64(bn)) {
            bz = uint64_t(bz) / uint64_t(g);
            bn = uint64_t(bn) / uint64_t(g);
        } else {
            bz /= g;
            bn /= g;
        }
    }
    const UInt128 grenze = UInt128(std::numeric_limits<Int64>::max());
    if (bn > grenze || bz > grenze + (negativ ? 1 : 0)) Ueberlauf();
    r.Zaehler = negativ ? static_cast<Int64>(UInt128(0) - bz) : static_cast<Int64>(bz);
    r.Nenner = static_cast<Int64>(bn);
}

// Parses an optionally signed decimal integer; returns the 1-based position of the first bad
// character (the length + 1 for an empty or sign-only text), 0 on success.
Int32 LiesGanzzahl(const std::string& s, Int64& wert) {
    size_t i = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    if (i == s.size()) return static_cast<Int32>(i + 1);
    UInt128 betrag = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return static_cast<Int32>(i + 1);
        betrag = betrag * 10 + static_cast<unsigned>(s[i] - '0');
        if (betrag > UInt128(std::numeric_limits<Int64>::max()) + 1) return static_cast<Int32>(i + 1);
    }
    if (!negativ && betrag > UInt128(std::numeric_limits<Int64>::max())) return static_cast<Int32>(s.size());
    wert = negativ ? static_cast<Int64>(UInt128(0) - betrag) : static_cast<Int64>(betrag);
    return 0;
}

} // namespace

void IntToBruch(TBruch& r, Int64 n) { r = TBruch{n, 1}; }

void StrToBruch(const std::string& text, TBruch& r, Int32& Fehler) {
    std::string s = text;
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')') s = s.substr(1, s.size() - 2);
    std::string zaehler, nenner;
    size_t strich = s.find('/');
    if (strich != std::string::npos) {
        zaehler = s.substr(0, strich);
        nenner = s.substr(strich + 1);
    } else {
        nenner = "1";
        bool nachKomma = false;
        for (char c : s) {
            if (nachKomma) nenner += '0';
            if (c == ',')
                nachKomma = true;
            else
                zaehler += c;
        }
    }
    Int64 z = 0, n = 1;
    Int32 f1 = LiesGanzzahl(zaehler, z);
    Int32 f2 = LiesGanzzahl(nenner, n);
    Fehler = f1 + f2;
    if (Fehler == 0 && n == 0) Fehler = static_cast<Int32>(zaehler.size() + 2);
    if (Fehler == 0) r = TBruch{z, n};
}

std::string BruchToStr(const TBruch& a) {
    if (a.Zaehler == 0) return "0";
    std::string z = std::to_string(a.Zaehler);
    if (a.Nenner != 1) return "(" + z + "/" + std::to_string(a.Nenner) + ")";
    if (a.Zaehler < 0) return "(" + z + ")";
    return z;
}

bool Gleich(const TBruch& a, const TBruch& b) {
    return Int128(a.Zaehler) * b.Nenner == Int128(a.Nenner) * b.Zaehler;
}

bool Kleiner(const TBruch& a, const TBruch& b) {
    Int128 links = Int128(a.Zaehler) * b.Nenner;
    Int128 rechts = Int128(a.Nenner) * b.Zaehler;
    // Multiplying both sides by a.Nenner * b.Nenner flips the order when that product is negative.
    if ((a.Nenner < 0) != (b.Nenner < 0)) return rechts < links;
    return links < rechts;
}

void Plus(const TBruch& a, const TBruch& b, TBruch& r) {
    if (a.Nenner == 0 || b.Nenner == 0) DurchNull();
    Normiere(Int128(a.Zaehler) * b.Nenner + Int128(b.Zaehler) * a.Nenner, Int128(a.Nenner) * b.Nenner, r);
}

void Minus(const TBruch& a, const TBruch& b, TBruch& r) {
    if (a.Nenner == 0 || b.Nenner == 0) DurchNull();
    Normiere(Int128(a.Zaehler) * b.Nenner - Int128(b.Zaehler) * a.Nenner, Int128(a.Nenner) * b.Nenner, r);
}

void Mal(const TBruch& a, const TBruch& b, TBruch& r) {
    if (a.Nenner == 0 || b.Nenner == 0) DurchNull();
    Normiere(Int128(a.Zaehler) * b.Zaehler, Int128(a.Nenner) * b.Nenner, r);
}

void Durch(const TBruch& a, const TBruch& b, TBruch& r) {
    if (a.Nenner == 0 || b.Zaehler == 0) DurchNull();
    Normiere(Int128(a.Zaehler) * b.Nenner, Int128(a.Nenner) * b.Zaehler, r);
}

void Verknuepfe(const TBruch& a, const TBruch& b, char Op, TBruch& r) {
    switch (Op) {
    case '+': Plus(a, b, r); break;
    case '-': Minus(a, b, r); break;
    case '*': Mal(a, b, r); break;
    case '/': Durch(a, b, r); break;
    default: break;
    }
}

void MalMinus(const TBruch& a, const TBruch& b, const TBruch& c, TBruch& r) {
    if (a.Nenner == 0 || b.Nenner == 0 || c.Nenner == 0) DurchNull();
    // a * b reduced, then over the common denominator with c; each product checked in 128 bits.
    Int128 z = Int128(a.Zaehler) * b.Zaehler, n = Int128(a.Nenner) * b.Nenner;
    const Int128 g = Int128(ggTBetraege(Betrag(z), Betrag(n)));
    if (g > 1) z /= g, n /= g;
    Int128 links, rechts, nenner;
    if (__builtin_mul_overflow(z, Int128(c.Nenner), &links) ||
        __builtin_mul_overflow(Int128(c.Zaehler), n, &rechts) ||
        __builtin_mul_overflow(n, Int128(c.Nenner), &nenner) || __builtin_sub_overflow(links, rechts, &links))
        Ueberlauf();
    Normiere(links, nenner, r);
}

void Hoch(const TBruch& a, Int64 n, TBruch& r) {
    TBruch basis = a;
    Kuerze(basis);
    if (n < 0 && basis.Zaehler == 0) DurchNull();
    uint64_t e = n < 0 ? uint64_t(0) - uint64_t(n) : uint64_t(n);
    TBruch ergebnis = BruchEins;
    // Square and multiply; the last square is skipped, so no intermediate exceeds the result.
    while (e != 0) {
        if (e & 1) Mal(ergebnis, basis, ergebnis);
        e >>= 1;
        if (e != 0) Mal(basis, basis, basis);
    }
    if (n < 0) Kehrwert(ergebnis, ergebnis);
    r = ergebnis;
}

void Negativ(const TBruch& a, TBruch& r) {
    if (a.Zaehler == std::numeric_limits<Int64>::min()) Ueberlauf();
    r = TBruch{-a.Zaehler, a.Nenner};
}

void Kehrwert(const TBruch& a, TBruch& r) {
    if (a.Zaehler == 0) DurchNull();
    Normiere(a.Nenner, a.Zaehler, r);
}

UInt128 ggTBetraege(UInt128 a, UInt128 b) {
    while (b != 0) {
        if (Passt64(a) && Passt64(b)) return ggT64(uint64_t(a), uint64_t(b));
        const UInt128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Int64 ggT(Int64 a, Int64 b) {
    UInt128 g = ggTBetraege(Betrag(a), Betrag(b));
    if (g > UInt128(std::numeric_limits<Int64>::max())) Ueberlauf();
    return static_cast<Int64>(g);
}

Int64 kgV(Int64 a, Int64 b) {
    if (a == 0 || b == 0) return 0;
    UInt128 betrag = Betrag(a) / ggTBetraege(Betrag(a), Betrag(b)) * Betrag(b);
    bool negativ = (a < 0) != (b < 0);
    if (betrag > UInt128(std::numeric_limits<Int64>::max()) + (negativ ? 1 : 0)) Ueberlauf();
    return negativ ? static_cast<Int64>(UInt128(0) - betrag) : static_cast<Int64>(betrag);
}

void Kuerze(TBruch& a) {
    if (a.Zaehler == 0) {
        a.Nenner = 1;
        return;
    }
    Normiere(a.Zaehler, a.Nenner, a);
}

} // namespace Brueche
} // namespace zol
