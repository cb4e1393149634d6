// The inflection-point step of page 6.
#pragma once

namespace zol {

void BestimmungVonWendestellen();

} // namespace zol
