#include "algebra/PolynomNullstellen.h"

#include "term/Fehler.h"

namespace zol {

void PNullstellen(TPolynom, TMenge*, TSListe*&, uint8_t&, bool) {
    NochNichtGebaut("PNullstellen");
}

} // namespace zol
