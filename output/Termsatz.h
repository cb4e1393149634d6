// Typesetting of terms and sets: every term class and every set class lays itself out as a folie through
// its Folie operation. The member operations live in Termsatz.cpp; the functions below typeset the classes
// whose Folie is defined in their own unit and forwards here.
#pragma once

#include <memory>
#include <vector>

#include "output/folienT.h"
#include "term/Grundtypen.h"

namespace zol {

class TPotenz;
class TTerm;
class TJoin;
class TAllgemeineExponentialFunktion;
class TMenge;

// The base, bracketed where it would be ambiguous, with the exponent as a small rational number at its
// upper right. An integer base with a fractional exponent is written as the radical it equals (2^(3/2) as
// 2·√2), like every other root constant.
std::unique_ptr<TFolie> PotenzFolie(TPotenz* T, Single Groesse);
// The branches in terms of the condition's value, stacked in a curly brace: "< 0", "= 0" (only when the
// piecewise term is defined and equal there) and "> 0".
std::unique_ptr<TFolie> JoinFolie(TJoin* T, Single Groesse);
// The base, bracketed when it is a fraction, with the exponent term at full size at its upper right; the
// base alone when the exponent is 1.
std::unique_ptr<TFolie> AllgemeineExponentialFolie(TAllgemeineExponentialFunktion* T, Single Groesse);

// The interval between a and b, as every interval is written: "[a;b]", with "]" and "[" turned outwards at an
// open end, "-∞" or "∞" for a missing bound.
std::unique_ptr<TFolie> IntervallFolie(TTerm* a, bool aOffen, TTerm* b, bool bOffen, Single Groesse);

// T as a factor in front of something else: bracketed when it is a sum.
std::unique_ptr<TFolie> FaktorFolie(TTerm* T, Single Groesse);

// T's layout as pieces that, set one after another on a line, read as T, and that can stand on lines of their
// own: each at most Breite pixels wide where T can be broken there. T is broken between the operands of a sum
// or a product, each piece after the first beginning with its operator sign, and inside brackets, absolute
// value bars and function arguments that are too wide, the bracket opening on the first piece and closing on
// the last (with the exponent of a power). A term that fits, or that cannot be broken (a fraction, a root),
// is one piece.
std::vector<std::unique_ptr<TFolie>> Zeilenstuecke(TTerm* T, Single Groesse, Int32 Breite);
// The same for a set: a point list is broken between its points, each after the first with its ";".
std::vector<std::unique_ptr<TFolie>> Zeilenstuecke(TMenge* M, Single Groesse, Int32 Breite);

struct TBreiten;
// While it lives, the widths of the folien of terms built at size Groesse are noted, so that Zeilenstuecke
// of one of them need not build its parts again only to find them too wide: for a formula built whole first
// and broken only when it is too wide. Zeilenstuecke notes widths on its own, too.
class TBreitenbuch {
public:
    explicit TBreitenbuch(Single Groesse);
    ~TBreitenbuch();
    TBreitenbuch(const TBreitenbuch&) = delete;
    TBreitenbuch& operator=(const TBreitenbuch&) = delete;
    // Notes the width of T's folie F, built whole.
    void Notiere(const TTerm* T, const TFolie& F);

private:
    std::unique_ptr<TBreiten> Buch;
    TBreiten* Vorher;
};

} // namespace zol
