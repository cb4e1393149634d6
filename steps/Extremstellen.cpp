#include "steps/Extremstellen.h"

#include "term/Fehler.h"

namespace zol {

void BestimmungVonExtremstellen() {
    NochNichtGebaut("BestimmungVonExtremstellen");
}

} // namespace zol
