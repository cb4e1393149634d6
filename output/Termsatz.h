// Typesetting of terms and sets: every term class and every set class lays itself out as a folie through
// its Folie operation. The member operations live in Termsatz.cpp; the functions below typeset the classes
// whose Folie is defined in their own unit and forwards here.
#pragma once

#include <memory>

#include "output/folienT.h"
#include "term/Grundtypen.h"

namespace zol {

class TPotenz;
class TTerm;
class TJoin;
class TAllgemeineExponentialFunktion;

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

// T as a factor in front of something else: bracketed when it is a sum.
std::unique_ptr<TFolie> FaktorFolie(TTerm* T, Single Groesse);

} // namespace zol
