#include "term/Termarithmetik.h"

#include "term/Fehler.h"

namespace zol {

TTerm* ArOp(TTerm*, TTerm*, char) { NochNichtGebaut("ArOp"); }
TTerm* Summe(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '+'); }
TTerm* Differenz(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '-'); }
TTerm* Produkt(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '*'); }
TTerm* Quotient(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '/'); }
TTerm* ArOpVereinfacht(TTerm*, TTerm*, char) { NochNichtGebaut("ArOpVereinfacht"); }
TTerm* SummeV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '+'); }
TTerm* DifferenzV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '-'); }
TTerm* ProduktV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '*'); }
TTerm* QuotientV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '/'); }
TTerm* DividiereDurchFaktor(TTerm*, TTerm*) { NochNichtGebaut("DividiereDurchFaktor"); }
void Kumuliere(TTerm*&) { NochNichtGebaut("Kumuliere"); }

} // namespace zol
