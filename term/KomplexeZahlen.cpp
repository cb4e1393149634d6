#include "term/KomplexeZahlen.h"

#include "term/Termarithmetik.h"

namespace zol {

void KPlus(TKomplex a, TKomplex b, TKomplex& c) {
    c = TKomplex{Summe(a.Re, b.Re), Summe(a.Im, b.Im)};
}

void KMinus(TKomplex a, TKomplex b, TKomplex& c) {
    c = TKomplex{Differenz(a.Re, b.Re), Differenz(a.Im, b.Im)};
}

void KMal(TKomplex a, TKomplex b, TKomplex& c) {
    c = TKomplex{Differenz(Produkt(a.Re, b.Re), Produkt(a.Im, b.Im)),
                 Summe(Produkt(a.Re, b.Im), Produkt(a.Im, b.Re))};
}

} // namespace zol
