// Term arithmetic: the one entry ArOp with its immediate simplification laws, and the folding passes.
#pragma once

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

// In-place folding: collects rational constants and factors and simplifies powers.
void Kumuliere(TTerm*& T);

} // namespace zol
