#include "algebra/LineareGleichungssysteme.h"

#include "term/Fehler.h"

namespace zol {

void SchrittLGS(const TGittertexte&, const TGittertexte&) {
    NochNichtGebaut("SchrittLGS");
}

} // namespace zol
