#include "steps/Integral.h"

#include "term/Fehler.h"

namespace zol {

TTerm* IntegralVon(TTerm*, TTerm*, TTerm*) {
    NochNichtGebaut("IntegralVon");
}

TTerm* GetIntegralLokal(TTerm*, TTerm*, TTerm*, Int32) {
    NochNichtGebaut("GetIntegralLokal");
}

void Substitution(TTerm*, TTerm*, TTerm*, TSuchknoten&, TTerm*) {
    NochNichtGebaut("Substitution");
}

void DoIntegral(TTerm*, TTerm*) {
    NochNichtGebaut("DoIntegral");
}

void SchrittFlaecheninhalt(TTerm*, TTerm*) {
    NochNichtGebaut("SchrittFlaecheninhalt");
}

} // namespace zol
