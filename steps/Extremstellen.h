// The extrema step of page 5.
#pragma once

namespace zol {

void BestimmungVonExtremstellen();

} // namespace zol
