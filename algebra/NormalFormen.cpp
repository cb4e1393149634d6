#include "algebra/NormalFormen.h"

#include "term/Fehler.h"
#include "term/Mengen.h"

namespace zol {

void TNormalform::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool) {
    Achsensymmetrisch = unklar;
    Punktsymmetrisch = unklar;
}

TNormalform* TNormalform::Ableitung() { return Neu<TNormalform>(); }

TTerm* TNormalform::Integral(TTerm*, TTerm*, Int32) { return nullptr; }

void TNormalform::Nullstellen(TMenge*, TSListe*& Liste, bool, uint8_t& Status) {
    Status = unklar;
    if (Liste) Liste->Anzahl = 0;
}

// No normal-form kind is registered yet: every term is without a normal form.
TNormalform* Normalform(TTerm*) { return nullptr; }

TPolynomTerm* TPolynomTermCreateT(TTerm*, bool&) { NochNichtGebaut("TPolynomTermCreateT"); }

TTerm* PolynomToTerm(TPolynom) { NochNichtGebaut("PolynomToTerm"); }

} // namespace zol
