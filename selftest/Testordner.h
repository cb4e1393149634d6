// The folder of the self-test's files: the test-case files and the regression suite's term strings and
// result streams.
#pragma once

#include <string>

namespace zol {

// ZOL08_TESTS when it is set and not empty, else the folder Tests beside the program.
std::string Testordner();
// Name itself when it is absolute, else Name in the test folder.
std::string ImTestordner(const std::string& Name);

} // namespace zol
