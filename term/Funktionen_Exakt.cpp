// Exact values of standard functions.
#include "term/Fehler.h"
#include "term/Funktionen.h"

namespace zol {

TTerm* ExakterSinus(TTerm*) {
    NochNichtGebaut("ExakterSinus");
}
TTerm* ExakterKosinus(TTerm*) {
    NochNichtGebaut("ExakterKosinus");
}
TTerm* ExakterTangens(TTerm*, bool&) {
    NochNichtGebaut("ExakterTangens");
}
TTerm* ExakterKotangens(TTerm*, bool&) {
    NochNichtGebaut("ExakterKotangens");
}
TTerm* ExakterArkussinus(TTerm*) {
    NochNichtGebaut("ExakterArkussinus");
}
TTerm* ExakterArkuskosinus(TTerm*) {
    NochNichtGebaut("ExakterArkuskosinus");
}
TTerm* ExakterArkustangens(TTerm*) {
    NochNichtGebaut("ExakterArkustangens");
}
TTerm* ExakteExponentialfunktion(TTerm*, bool) {
    NochNichtGebaut("ExakteExponentialfunktion");
}
TTerm* ExakterLogarithmus(TTerm*) {
    NochNichtGebaut("ExakterLogarithmus");
}
TTerm* ExakterBetrag(TTerm*) { NochNichtGebaut("ExakterBetrag"); }
TTerm* VereinfacheStandardfunktion(TTerm*, bool) { NochNichtGebaut("VereinfacheStandardfunktion"); }

} // namespace zol
