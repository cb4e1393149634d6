#include "algebra/PartialBrueche.h"

#include "term/Fehler.h"

namespace zol {

bool PartialbruchVorhanden = false;

void SchrittPartialbrueche() {
    NochNichtGebaut("SchrittPartialbrueche");
}

} // namespace zol
