// A term of the base class only: it has none of the solving operations of the concrete term classes.
#pragma once

#include <memory>

#include "term/Terme.h"

namespace zol {

class TNurTerm : public TTerm {
public:
    TNurTerm() {
        Kennung = "NurT";
        Text = "NurT";
        Typrang = RangStandard;
    }
    Extended Wert(Extended, bool& d) override { return d = false, 0; }
    TTerm* Einsetzen(TTerm*) override { return this; }
    bool IstGleich(TTerm* T) override { return T == this; }
    bool IstKleiner(TTerm*) override { return false; }
    TTerm* Ableitung() override { return Null; }
    std::unique_ptr<TFolie> Folie(Single) override { return nullptr; }
};

} // namespace zol
