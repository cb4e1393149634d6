#include "steps/Ableitungen.h"

#include "term/Fehler.h"

namespace zol {

void BestimmungDerAbleitungen(bool) {
    NochNichtGebaut("BestimmungDerAbleitungen");
}

} // namespace zol
