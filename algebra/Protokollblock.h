// A trace block of the output that is opened only when its trace switch is on. Should it be left by an
// exception, the indent and nesting depth are put back, so a later block starts where this one did.
#pragma once

#include <string>

#include "output/Ausgabe.h"

namespace zol {

class TTerm;

class TProtokoll {
public:
    TProtokoll(bool schalter, const std::string& s, TTerm* T)
        : Aktiv(schalter), Einrueckung0(Einrueckung), Tiefe0(Schachtelungstiefe) {
        if (Aktiv) BeginneSchritt(s, T);
    }
    // The block is open (its switch was on and it is not closed yet).
    bool Offen() const { return Aktiv; }
    // Closes the block with its result.
    void Ende(const std::string& s, TTerm* T) {
        if (!Aktiv) return;
        Aktiv = false;
        BeendeSchritt(s, T);
    }
    ~TProtokoll() {
        if (Aktiv) {
            Einrueckung = Einrueckung0;
            Schachtelungstiefe = Tiefe0;
        }
    }
    TProtokoll(const TProtokoll&) = delete;
    TProtokoll& operator=(const TProtokoll&) = delete;

private:
    bool Aktiv;
    Int32 Einrueckung0;
    Int32 Tiefe0;
};

} // namespace zol
