#include "steps/Gleichungen.h"

#include "term/Fehler.h"

namespace zol {

void UntersucheVorzeichen(TTerm*, TIntervall*, TWahrheitswert&, TWahrheitswert&) {
    NochNichtGebaut("UntersucheVorzeichen");
}

} // namespace zol
