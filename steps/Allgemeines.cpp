#include "steps/Allgemeines.h"

#include "term/Fehler.h"

namespace zol {

TTerm* FTerm = nullptr;
TTerm* GTerm = nullptr;
TIntervall* ABIntervall = nullptr;
TTerm* Integralergebnis = nullptr;
TSListe* Nullstellenliste = nullptr;
TSListe* Schnittstellenliste = nullptr;
Int32 Substitutionszaehler = 0;

void SchrittAllgemeines(const std::string&) {
    NochNichtGebaut("SchrittAllgemeines");
}

} // namespace zol
