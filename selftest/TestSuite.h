// The regression test suite: a fixed pipeline over every term string of a text file, whose results are
// either stored as the reference in a result stream ("Als Lösung übernehmen") or computed afresh and
// compared item by item with a stored stream ("Testen"), each difference a line on the current page.
//
// Per term string s, 15 items: T (s parsed), T accumulated, T0 (the term of T's normal form) and its zero
// list, then for k = 1, 2, 3 the derivative of the previous normal form's term, that derivative
// accumulated, the term of the k-th derivative of the normal form and (k < 3) its zero list. A missing item
// (a form without derivative) is nil. The stream has no header and no count: item after item, each term
// as its record of the term stream, each zero list by SchreibeNullstellenListe.
#pragma once

#include <string>

namespace zol {

class TSListe;
class TStrom;

// The zero list: its count (Int32; -1 for a missing list), then per point its term record and its
// multiplicity (Int32).
void SchreibeNullstellenListe(TSListe* Liste, TStrom& S);
// Reads a zero list whole into the points of Liste (a new list when Liste is nil). A count outside -1 to 20
// raises EZolFehler "Lesefehler im Datenstrom.".
void LiesNullstellenListe(TSListe*& Liste, TStrom& S);

// "Als Lösung übernehmen": the result stream of the term strings in Termdatei becomes Resultatdatei, both
// names relative to the test folder. The stream is written to a temporary file that replaces Resultatdatei
// only when everything has been written; a failure leaves the old reference as it was and shows the
// warning "TestSuite mit s = " s " misslungen:" + message.
void UebernehmeTestSuite(const std::string& Termdatei, const std::string& Resultatdatei);
// "Testen": compares the items computed afresh with those stored in Resultatdatei, writing each difference
// as a line on the current page, which is drawn from line 0 at the end; "Testergebnisse OK" when there is
// none. A failure ends the run with the warning "TestSuite misslungen:" + message.
void TesteTestSuite(const std::string& Termdatei, const std::string& Resultatdatei);

} // namespace zol
