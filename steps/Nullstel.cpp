#include "steps/Nullstel.h"

#include "term/Fehler.h"

namespace zol {

void SucheNullstellen(TTerm*, TMenge*, TSListe*&, bool, uint8_t&) {
    NochNichtGebaut("SucheNullstellen");
}

void BestimmungDerNullstellen(bool) {
    NochNichtGebaut("BestimmungDerNullstellen");
}

void BestimmungDerPolstellen() {
    NochNichtGebaut("BestimmungDerPolstellen");
}

} // namespace zol
