#include "algebra/Polynome.h"

#include "term/Fehler.h"

namespace zol {

void QuadratischeErgaenzung(TTerm*, TTerm*, TTerm*, Extended&, TTerm*&, TTerm*&, TTerm*&, TTerm*&, TTerm*&) {
    NochNichtGebaut("QuadratischeErgaenzung");
}

} // namespace zol
