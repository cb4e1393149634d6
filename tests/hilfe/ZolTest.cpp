#include "tests/hilfe/ZolTest.h"

#include "output/Ausgabe.h"
#include "term/Terme.h"

namespace zol {

void ZolTest::SetUp() {
    InitialisiereTerme();
    BenutzerAbbruch = false;
    Kommentare = false;
}

void ZolTest::TearDown() { BenutzerAbbruch = false; }

} // namespace zol
