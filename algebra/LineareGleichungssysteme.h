// Linear equation systems solved by Gaussian elimination to row echelon form.
#pragma once

#include <string>
#include <vector>

namespace zol {

// The texts of a grid's cells, row by row.
using TGittertexte = std::vector<std::vector<std::string>>;

// The linear-systems step of the main window on page 0: A is the coefficient grid, b the right-hand side
// (one column). An empty cell counts as 0.
void SchrittLGS(const TGittertexte& A, const TGittertexte& b);

} // namespace zol
