#include "algebra/PolynomZerlegungen.h"

#include "term/Fehler.h"

namespace zol {

void SchrittPolynomzerlegung() {
    NochNichtGebaut("SchrittPolynomzerlegung");
}

} // namespace zol
