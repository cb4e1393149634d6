#include "steps/Gleichungen.h"

#include "term/Fehler.h"

namespace zol {

void UntersucheVorzeichen(TTerm*, TIntervall*, TWahrheitswert&, TWahrheitswert&) {
    NochNichtGebaut("UntersucheVorzeichen");
}

void BestimmungDerSchnittstellen(bool) {
    NochNichtGebaut("BestimmungDerSchnittstellen");
}

} // namespace zol
