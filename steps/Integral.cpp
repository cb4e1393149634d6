#include "steps/Integral.h"

#include "term/Fehler.h"

namespace zol {

TTerm* IntegralVon(TTerm*, TTerm*, TTerm*) {
    NochNichtGebaut("IntegralVon");
}

void DoIntegral(TTerm*, TTerm*) {
    NochNichtGebaut("DoIntegral");
}

void SchrittFlaecheninhalt(TTerm*, TTerm*) {
    NochNichtGebaut("SchrittFlaecheninhalt");
}

} // namespace zol
