#include "term/Fehler.h"

namespace zol {

void NochNichtGebaut(const char* name) {
    throw ENochNichtGebaut(std::string("Noch nicht gebaut: ") + name);
}

} // namespace zol
