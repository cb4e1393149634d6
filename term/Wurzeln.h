// Roots: the term class of the n-th root of a radicand term, and the exact root builders.
#pragma once

#include "term/Terme.h"

namespace zol {

// The n-th root of the radicand Argument, written "(" radicand "°" n ")".
class TWurzel : public TFunktion {
public:
    TWurzel(TTerm* radikand, Int32 grad);

    Int32 Grad;

    void Aktualisiere() override;
    // The own derived fields from the argument's, without descending (constructors use it).
    void AktualisiereKnoten();
    Extended Wert(Extended x, bool& Definiert) override;
    TTerm* Einsetzen(TTerm* T) override;
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    TTerm* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b) override;
    TTerm* Umkehrfunktion() override;
    TTerm* Ersetze(TTerm* Alt, TTerm* Neu) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    void SchreibeInStream(TStrom& S) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
    TWahrheitswert IstDefiniertAuf(TMenge* M) override;
};

inline bool IstWurzel(const TTerm* T) {
    return T && T->Typrang == RangWurzel;
}
inline TWurzel* AlsWurzel(TTerm* T) {
    return IstWurzel(T) ? static_cast<TWurzel*>(T) : nullptr;
}

// The n-th root of a rational number as a rational or radical constant; nil when there is none.
TTerm* WurzelAusRationalerZahl(const TBruch& r, Int32 n);
// The simplifying builder of n-th roots (n = 1 gives T itself).
TTerm* ZieheWurzel(TTerm* T, Int32 n);
// ZieheWurzel of a T that KonstanteMoeglichstArithmetisch has already rewritten (rewriting it again at every
// level of nested roots would double the work per level).
TTerm* ZieheWurzelAusArithmetischem(TTerm* T, Int32 n);

} // namespace zol
