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

// In-place folding: collects rational constants and factors and simplifies powers.
void Kumuliere(TTerm*& T);

} // namespace zol
