// Term arithmetic: the one entry ArOp with its immediate simplification laws, and the folding passes.
#pragma once

#include <string>

#include "term/Brueche.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

TTerm* ArOp(TTerm* T1, TTerm* T2, char op);
TTerm* Summe(TTerm* T1, TTerm* T2);
TTerm* Differenz(TTerm* T1, TTerm* T2);
TTerm* Produkt(TTerm* T1, TTerm* T2);
TTerm* Quotient(TTerm* T1, TTerm* T2);
// ArOp followed by the simplifier on the result.
TTerm* ArOpVereinfacht(TTerm* T1, TTerm* T2, char op);
TTerm* SummeV(TTerm* T1, TTerm* T2);
TTerm* DifferenzV(TTerm* T1, TTerm* T2);
TTerm* ProduktV(TTerm* T1, TTerm* T2);
TTerm* QuotientV(TTerm* T1, TTerm* T2);
// T / F when F divides T syntactically; nil otherwise.
TTerm* DividiereDurchFaktor(TTerm* T, TTerm* F);
// The largest exponent r for which DividiereDurchFaktor(T, Basis^r) divides, as far as T's structure shows
// (the least over the summands of a sum); 0 where no power of Basis divides T.
TBruch HoechsterFaktorexponent(TTerm* T, TTerm* Basis);

// A new rational constant outside the store.
TTerm* NeueBruchkonstante(Int64 Zaehler, Int64 Nenner);
TTerm* KonstantePi();
// T is an operator term whose operator occurs in ops.
bool HatOperator(TTerm* T, const std::string& ops);
// T is a negative rational constant, a radical constant with a negative leading coefficient, or a
// product whose left factor is one of these.
bool HatNegativesVorzeichen(TTerm* T);
// T as a sign and a term without a sign in front, Betrag: the rational factors of a product or quotient
// multiplied out, -1·(-1/a) = +(1/a) and (-2·a)/2 = -(a); a sum has the sign of its first part, -a-1 =
// -(a+1). True for the sign -. For a coefficient with a parameter, which the folding of constants leaves as
// it is built.
bool NegativesVorzeichen(TTerm* T, TTerm*& Betrag);

// The folding passes; each replaces T by an equal-valued term. A node whose parts fold is rebuilt over the
// folded parts; no existing term is changed.
// T = Rest + C.
void KAK(TTerm*& T, TTerm*& Rest, TBruch& C);
// T = F * Rest.
void KMK(TTerm*& T, TTerm*& Rest, TBruch& F);
// Simplifies powers of powers, of square roots and of rational constants.
void KPE(TTerm*& T);
// Exact absolute values and square roots inside T.
void KKO(TTerm*& T);
// Repeats the four passes while the node count falls, then marks T as folded.
void Kumuliere(TTerm*& T);

} // namespace zol
