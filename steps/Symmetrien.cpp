#include "steps/Symmetrien.h"

#include "term/Fehler.h"

namespace zol {

void UntersucheSymmetrie(TTerm*, TWahrheitswert&, TWahrheitswert&, bool) {
    NochNichtGebaut("UntersucheSymmetrie");
}

void BestimmungVonSymmetrien() {
    NochNichtGebaut("BestimmungVonSymmetrien");
}

} // namespace zol
