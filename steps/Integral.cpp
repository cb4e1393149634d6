#include "steps/Integral.h"

#include "term/Fehler.h"

namespace zol {

TTerm* IntegralVon(TTerm*, TTerm*, TTerm*) {
    NochNichtGebaut("IntegralVon");
}

} // namespace zol
