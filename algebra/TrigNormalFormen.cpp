#include "algebra/TrigNormalFormen.h"

namespace zol {

// The trigonometric forms come with their own unit; until then no term has one.
TNormalform* TTrigonometrischeNormalformCreateT(TTerm*, bool& NeuGebaut) {
    NeuGebaut = false;
    return nullptr;
}

TNormalform* TPolTrigNormalformCreateT(TTerm*, bool& NeuGebaut) {
    NeuGebaut = false;
    return nullptr;
}

TNormalform* TRatTrigNormalformCreateT(TTerm*, bool& NeuGebaut) {
    NeuGebaut = false;
    return nullptr;
}

} // namespace zol
