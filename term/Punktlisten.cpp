#include "term/Punktlisten.h"

#include "term/Fehler.h"

namespace zol {

TTerm* IntegralAuswerten(TTerm*, TTerm*, TTerm*, TTerm*) { NochNichtGebaut("IntegralAuswerten"); }

} // namespace zol
