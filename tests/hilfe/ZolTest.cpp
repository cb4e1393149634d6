#include "tests/hilfe/ZolTest.h"

#include "output/Ausgabe.h"
#include "steps/Allgemeines.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

void ZolTest::SetUp() {
    InitialisiereTerme();
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    BenutzerAbbruch = false;
    Kommentare = false;
}

void ZolTest::TearDown() {
    AlleTermeFreigeben();
    SetzeAnalyseZurueck();
    BenutzerAbbruch = false;
}

TTerm* K(Int64 z, Int64 n) { return RationaleKonstante(TBruch{z, n}); }
TTerm* X() { return VariableX; }
TTerm* Op(TTerm* a, char op, TTerm* b) { return OperatorTerm(a, b, op); }
TTerm* Pot(TTerm* b, Int64 z, Int64 n) { return PotenzTerm(b, TBruch{z, n}); }

} // namespace zol
