// The standard functions abs, sqrt, exp, ln, sin, cos, tan, cot, arcsin, arccos and arctan of one argument.
#pragma once

#include <string>

#include "term/Terme.h"

namespace zol {

// Kennung holds the function name (at most 6 characters); every operation dispatches on it.
class TStandardFunktion : public TFunktion {
public:
    TStandardFunktion(const std::string& name, TTerm* argument);

    void Aktualisiere() override;
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
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
    TWahrheitswert IstDefiniertAuf(TMenge* M) override;

    // The basic antiderivative F(u) of f(u) as a term in the argument u; nil for an unknown name.
    TTerm* GrundintegralStandardfunktion();
    // The integral between a and b (an antiderivative for nil bounds) for a constant, the variable or a
    // linear argument, and for sqrt of a quadratic; nil otherwise. Writes its work when Kommentare is on.
    // Buchstabe names the substitution variable. Raises ETermGoToStart for an integrand that is not
    // defined on the whole interval (or on no proper interval).
    TTerm* IntegriereStandardfunktion(TTerm* a, TTerm* b, char Buchstabe);

private:
    // sqrt(A*x^2 + B*x + C) by completing the square.
    TTerm* IntegriereWurzelAusQuadratischem(TTerm* A, TTerm* B, TTerm* C, TTerm* a, TTerm* b, char Buchstabe);
};

// The general exponential function a^T with a fixed positive rational base a; the argument is the exponent.
// Created directly (not kept in the term store).
class TAllgemeineExponentialFunktion : public TFunktion {
public:
    // Raises ETermFehler "Basis einer Exponentialfunktion muß > 0 sein." for a base <= 0.
    TAllgemeineExponentialFunktion(const TBruch& basis, TTerm* exponent);

    TBruch Basis;

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

inline bool IstAllgemeineExponentialFunktion(const TTerm* T) {
    return T && T->Typrang == RangAllgExp;
}
inline TAllgemeineExponentialFunktion* AlsAllgemeineExponentialFunktion(TTerm* T) {
    return IstAllgemeineExponentialFunktion(T) ? static_cast<TAllgemeineExponentialFunktion*>(T) : nullptr;
}

// The poles of tan and cot: v is an odd multiple of pi/2 (tan) or a multiple of pi (cot). A multiple that
// exact terms reach counts also where rounding leaves the quotient v/pi a few units in the last place off.
bool IstTangensPol(Extended v);
bool IstKotangensPol(Extended v);
// q is the integer n, or within a few units in the last place of n (0 only exactly).
bool LiegtAufGanzzahl(Extended q, Extended& n);

// The quadrant (1 to 4) of the angle r*pi.
Int32 Quadrant(const TBruch& r);
// Exact sin, cos, tan, cot of r*pi; where no exact value is known, the function node at r*pi. tan and cot
// give nil with Definiert false at a pole.
TTerm* SinusVonPiVielfachem(const TBruch& r);
TTerm* KosinusVonPiVielfachem(const TBruch& r);
TTerm* TangensVonPiVielfachem(const TBruch& r, bool& Definiert);
TTerm* KotangensVonPiVielfachem(const TBruch& r, bool& Definiert);

// Exact values of the standard functions at a term T (constant, or the inverse function's node); nil for a
// nil T. Where no exact value is known the result is the function node at T. tan and cot give nil with
// Definiert false at a pole; arcsin, arccos give nil outside [-1; 1] and ln for a value <= 0.
// RadikaleErlaubt lets exp write powers as radical constants.
TTerm* ExakterSinus(TTerm* T);
TTerm* ExakterKosinus(TTerm* T);
TTerm* ExakterTangens(TTerm* T, bool& Definiert);
TTerm* ExakterKotangens(TTerm* T, bool& Definiert);
TTerm* ExakterArkussinus(TTerm* T);
TTerm* ExakterArkuskosinus(TTerm* T);
TTerm* ExakterArkustangens(TTerm* T);
TTerm* ExakteExponentialfunktion(TTerm* T, bool RadikaleErlaubt);
TTerm* ExakterLogarithmus(TTerm* T);
// The exact absolute value of T: T or its negation where the sign is known, else the node abs(T).
TTerm* ExakterBetrag(TTerm* T);
// T with its outermost function node (standard function, power, root or general exponential) evaluated
// exactly where a value is known; otherwise, and where the value is undefined, T itself. RadikaleErlaubt as
// for BildePotenz.
TTerm* VereinfacheStandardfunktion(TTerm* T, bool RadikaleErlaubt);
// w for T = Umkehrung(w), the node of the named inverse function; for a constant w only when its value lies
// in [Unten; Oben], where f(Umkehrung(w)) gives w back. nil otherwise.
TTerm* ArgumentDerUmkehrung(TTerm* T, const char* Umkehrung, Extended Unten, Extended Oben);

// The rank by which T is ordered: a root of index 2 equals sqrt of its radicand and is ordered as that
// standard function; every other term by its own rank.
uint8_t Ordnungsrang(TTerm* T);
// f(u) < T for the standard function f named Kennung, in the order of standard functions (by name, then by
// argument), a root of index 2 taken as sqrt.
bool StandardfunktionKleiner(const std::string& Kennung, TTerm* u, TTerm* T);

inline bool IstStandardFunktion(const TTerm* T) {
    return T && T->Typrang == RangStandard;
}
// T is the standard function of that name.
inline bool IstStandardFunktion(const TTerm* T, const char* name) {
    return IstStandardFunktion(T) && T->Kennung == name;
}
inline TStandardFunktion* AlsStandardFunktion(TTerm* T) {
    return IstStandardFunktion(T) ? static_cast<TStandardFunktion*>(T) : nullptr;
}

} // namespace zol
