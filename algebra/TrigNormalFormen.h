// The trigonometric normal forms: "TNF" (rational in sin x and cos x), "PTNF" (polynomial in sin and cos of a
// polynomial) and "RTNF" (rational in sin and cos of a polynomial).
#pragma once

namespace zol {

class TTerm;
class TNormalform;

// Each builder gives T's form of its kind, or nil; NeuGebaut tells whether the form was built for this call.
TNormalform* TTrigonometrischeNormalformCreateT(TTerm* T, bool& NeuGebaut);
TNormalform* TPolTrigNormalformCreateT(TTerm* T, bool& NeuGebaut);
TNormalform* TRatTrigNormalformCreateT(TTerm* T, bool& NeuGebaut);

} // namespace zol
