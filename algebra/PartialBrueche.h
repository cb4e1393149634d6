// Partial fractions of rational functions.
#pragma once

namespace zol {

// Whether the partial-fraction step left a decomposition of f in the result globals; false at the start of
// every request and test.
extern bool PartialbruchVorhanden;

// The partial-fraction step of page 3: works on f.
void SchrittPartialbrueche();

} // namespace zol
