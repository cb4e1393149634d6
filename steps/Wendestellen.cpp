#include "steps/Wendestellen.h"

#include "term/Fehler.h"

namespace zol {

void BestimmungVonWendestellen() {
    NochNichtGebaut("BestimmungVonWendestellen");
}

} // namespace zol
