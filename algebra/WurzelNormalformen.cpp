#include "algebra/WurzelNormalformen.h"

namespace zol {

// The root and radical forms come with their own unit; until then no term has one.
TNormalform* TWurzelNormformCreateT(TTerm*) {
    return nullptr;
}

TNormalform* TRadikalNormformCreateT(TTerm*) {
    return nullptr;
}

} // namespace zol
