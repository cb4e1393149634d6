#include "term/TermManager.h"

#include "term/Fehler.h"

namespace zol {

TTerm* RationaleKonstante(const TBruch&) { NochNichtGebaut("RationaleKonstante"); }
TTerm* BenannteKonstante(const std::string&) { NochNichtGebaut("BenannteKonstante"); }
TTerm* ReelleKonstante(Extended) { NochNichtGebaut("ReelleKonstante"); }
TTerm* OperatorTerm(TTerm*, TTerm*, char) { NochNichtGebaut("OperatorTerm"); }
TTerm* PotenzTerm(TTerm*, const TBruch&) { NochNichtGebaut("PotenzTerm"); }
TTerm* PotenzTerm(TTerm* basis, Int64 exponent) { return PotenzTerm(basis, TBruch{exponent, 1}); }
TTerm* WurzelTerm(TTerm*, Int32) { NochNichtGebaut("WurzelTerm"); }
TTerm* StandardFunktionTerm(const std::string&, TTerm*) { NochNichtGebaut("StandardFunktionTerm"); }
void AlleTermeFreigeben() { NochNichtGebaut("AlleTermeFreigeben"); }

} // namespace zol
