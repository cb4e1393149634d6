// The self-test: the test procedure chosen in the test window runs over its test file.
#pragma once

#include <string>

namespace zol {

// Runs the chosen test procedure with the text of the f field onto the current page (page 9). Catches the
// procedures' own failures.
void TesteProzedur(const std::string& T);

} // namespace zol
