// The derivatives step of page 4.
#pragma once

namespace zol {

// The derivatives f' up to the chosen degree; Zeichnen draws the page at the end (false when the extrema
// or inflection step needs the derivatives only).
void BestimmungDerAbleitungen(bool Zeichnen);

} // namespace zol
