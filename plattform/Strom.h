// Byte streams: a file or a block of memory, read and written with little-endian integers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zol {

class TStrom {
public:
    virtual ~TStrom() = default;

    // Reads up to n bytes; returns how many were read.
    virtual size_t Lies(void* ziel, size_t n) = 0;
    virtual void Schreibe(const void* quelle, size_t n) = 0;
    virtual uint64_t Position() = 0;
    virtual void Positioniere(uint64_t position) = 0;
    virtual uint64_t Groesse() = 0;

    // Exactly n bytes or EZolFehler("Lesefehler im Datenstrom.").
    void LiesGenau(void* ziel, size_t n);

    void SchreibeByte(uint8_t b) { Schreibe(&b, 1); }
    void SchreibeInt32(int32_t v);
    void SchreibeInt64(int64_t v);
    void SchreibeExtended(long double v);
    uint8_t LiesByte();
    int32_t LiesInt32();
    int64_t LiesInt64();
    long double LiesExtended();
    bool AmEnde() { return Position() >= Groesse(); }
};

class TSpeicherStrom : public TStrom {
public:
    size_t Lies(void* ziel, size_t n) override;
    void Schreibe(const void* quelle, size_t n) override;
    uint64_t Position() override { return Pos; }
    void Positioniere(uint64_t position) override { Pos = position; }
    uint64_t Groesse() override { return Daten.size(); }
    const std::vector<uint8_t>& Inhalt() const { return Daten; }

private:
    std::vector<uint8_t> Daten;
    uint64_t Pos = 0;
};

enum class TDateiModus { Lesen, Schreiben };

class TDateiStrom : public TStrom {
public:
    // Raises EZolFehler with "Datei kann nicht geöffnet werden: " + name when the file cannot be opened.
    TDateiStrom(const std::string& name, TDateiModus modus);
    ~TDateiStrom() override;
    TDateiStrom(const TDateiStrom&) = delete;
    TDateiStrom& operator=(const TDateiStrom&) = delete;

    size_t Lies(void* ziel, size_t n) override;
    void Schreibe(const void* quelle, size_t n) override;
    uint64_t Position() override;
    void Positioniere(uint64_t position) override;
    uint64_t Groesse() override;
    // Writes out what is buffered and closes the file; raises EZolFehler("Schreibfehler im Datenstrom.")
    // when that fails (a full disk shows only here). Nothing more may be read or written afterwards.
    void Schliesse();

private:
    std::FILE* Datei = nullptr;
};

} // namespace zol
