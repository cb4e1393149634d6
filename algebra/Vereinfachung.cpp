#include "algebra/Vereinfachung.h"

#include "term/Terme.h"

namespace zol {

void VereinfacheTerm(TTerm*& T) {
    if (T->Vereinfacht) {
        T = T->Vereinfacht;
        return;
    }
    if (T->Zustand & TermVereinfacht) return;
    NochNichtGebaut("VereinfacheTerm");
}

void VereinfacheTermRekursiv(TTerm*&) { NochNichtGebaut("VereinfacheTermRekursiv"); }

void SammleTeilterme(TTerm*, TTerm**, Int32&, bool) { NochNichtGebaut("SammleTeilterme"); }

void VereinfacheKonstantenTerm(TTerm*& T) {
    if (T->Vereinfacht) {
        T = T->Vereinfacht;
        return;
    }
    if (T->Zustand & TermVereinfacht) return;
    NochNichtGebaut("VereinfacheKonstantenTerm");
}

} // namespace zol
