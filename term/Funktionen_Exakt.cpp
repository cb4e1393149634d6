// Exact values of standard functions.
#include "term/Fehler.h"
#include "term/Funktionen.h"

namespace zol {

TTerm* ExakterBetrag(TTerm*) { NochNichtGebaut("ExakterBetrag"); }
TTerm* VereinfacheStandardfunktion(TTerm*, bool) { NochNichtGebaut("VereinfacheStandardfunktion"); }
TTerm* ExakterSinus(TTerm*) { NochNichtGebaut("ExakterSinus"); }
TTerm* ExakterKosinus(TTerm*) { NochNichtGebaut("ExakterKosinus"); }
TTerm* ExakterArkustangens(TTerm*) { NochNichtGebaut("ExakterArkustangens"); }

} // namespace zol
