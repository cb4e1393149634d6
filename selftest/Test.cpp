#include "selftest/Test.h"

#include "term/Fehler.h"

namespace zol {

void TesteProzedur(const std::string&) {
    NochNichtGebaut("TesteProzedur");
}

} // namespace zol
