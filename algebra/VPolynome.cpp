#include "algebra/VPolynome.h"

namespace zol {

// The monomial sums come with their own unit; until then no term has such a form.
TNormalform* TVPolynomTermCreateT(TTerm*) {
    return nullptr;
}

} // namespace zol
