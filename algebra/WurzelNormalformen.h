// The root normal form "WNF" (a rational expression in one root of a polynomial) and the radical normal form
// "RaNF".
#pragma once

namespace zol {

class TTerm;
class TNormalform;

// Each builder gives T's form of its kind, or nil.
TNormalform* TWurzelNormformCreateT(TTerm* T);
TNormalform* TRadikalNormformCreateT(TTerm* T);

} // namespace zol
