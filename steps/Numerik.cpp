#include "steps/Numerik.h"

#include "term/Fehler.h"

namespace zol {

void BestimmungEinerNullstelle() {
    NochNichtGebaut("BestimmungEinerNullstelle");
}

} // namespace zol
