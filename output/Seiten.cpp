#include "output/Seiten.h"

#include "term/Fehler.h"

namespace zol {

void AktiviereSeite(TLeinwand*, bool) { NochNichtGebaut("AktiviereSeite"); }
void ZeichneSeite(Int32) { NochNichtGebaut("ZeichneSeite"); }
void SchreibeWertetabelle(TTerm*, TIntervall*, TTerm*) { NochNichtGebaut("SchreibeWertetabelle"); }
void SchreibeKurvenpunkt(const std::string&, Int32&, TTerm*, char, const std::string&, Double) {
    NochNichtGebaut("SchreibeKurvenpunkt");
}

} // namespace zol
