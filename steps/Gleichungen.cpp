#include "steps/Gleichungen.h"

#include "term/Fehler.h"

namespace zol {

void UntersucheVorzeichen(TTerm*, TIntervall*, TWahrheitswert&, TWahrheitswert&) {
    NochNichtGebaut("UntersucheVorzeichen");
}

void LoesePeriodischeGleichung(TTerm*, TTerm*, TIntervall*, bool, TSListe*&) {
    NochNichtGebaut("LoesePeriodischeGleichung");
}

void BestimmungDerSchnittstellen(bool) {
    NochNichtGebaut("BestimmungDerSchnittstellen");
}

} // namespace zol
