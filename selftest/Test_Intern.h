// Shared between the files of the self-test: the procedures and the reading of test files.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// The lines of the test file Name (without ".txt") in the test folder.
std::vector<std::string> LiesTestdatei(const std::string& Name);

// Goes through the lines of a test file: headings (a leading double quote) are written as lines when
// MitUeberschriften is set, empty lines and lines led by a blank are skipped, every other line is a case.
void FuerJedenFall(const std::string& Name, bool MitUeberschriften,
                   const std::function<void(const std::string&)>& Fall);

// The parts of a line of plain values separated by ";".
std::vector<std::string> Werte(const std::string& Zeile);

// The term of a value text; nil for an empty text.
TTerm* TermOderNil(const std::string& Text);
// The value of a constant term; not finite when it has none.
Extended ZahlWert(TTerm* T);
// A number written with a decimal comma (or point); false for a text that is not one.
bool LiesZahl(const std::string& Text, Extended& Wert);
// Two numbers agree at the four decimals the comparisons use.
bool GleichAufVierStellen(Extended a, Extended b);
// A three-valued answer as "falsch", "wahr" or "unklar".
std::string Wahrheitstext(TWahrheitswert w);

// The procedures on T.
void TesteWurzelVereinfachung(const std::string& T);
void TesteTrigTabelle();
void TesteArcusTabelle();
void TesteKomplexeWurzeln(const std::string& T);
void TesteKomplexePQFormel(const std::string& T);
void TesteCardano(const std::string& T);
void TesteLGS();
void TestePartialbrueche(const std::string& T);
void TestePartielleIntegration(const std::string& T);
void TesteSubstitution(const std::string& T);
void TesteTrigNormalform(const std::string& T);
void TesteUmkehrfunktion(const std::string& T);
void TesteRationaleFunktion(const std::string& T);
void TesteRationaleNormalform(const std::string& T);
void TestePolTrigNormalform(const std::string& T);
void TesteWurzelNormalform(const std::string& T);
void TesteRatTrigNormalform(const std::string& T);
void TesteNormalform(const std::string& T);
void TesteVereinfachung(const std::string& T);
void TesteFesterTerm();
void TesteSpeicherbedarf(const std::string& T);
void TesteOrdnung(const std::string& T);
void TesteTermEintragen(const std::string& T);
void TesteMengenVereinfachung(const std::string& T);
void TestePTNF(const std::string& T);

// The procedures over test files.
void TesteZerlegungDatei();
void TesteStammfunktionAbleitung();
void TesteStammfunktionDatei();
void TesteNullstellenDatei();
void TesteEigenschaftenDatei();
void TestePrimfaktorenDatei();
void TesteFlaechenDatei();
void TesteIntegralDatei();
void TesteVereinfachungDatei();
void TesteSymmetrieDatei();
void TesteWurzelDatei();

} // namespace zol
