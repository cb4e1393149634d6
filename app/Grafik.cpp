#include "app/Grafik.h"

#include "term/Fehler.h"

namespace zol {

void DoGraph() {
    NochNichtGebaut("DoGraph");
}

} // namespace zol
