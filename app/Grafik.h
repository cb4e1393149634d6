// Graph plotting on page 8: f and g with axes, the area and the marked points.
#pragma once

namespace zol {

// The graph step; runs after the driver has prepared page 8.
void DoGraph();

} // namespace zol
