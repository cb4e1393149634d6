// The numerical methods: Simpson's rule for a definite integral, and one zero of f by bisection, regula
// falsi or Newton's method.
#pragma once

#include <string>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TIntervall;

// The methods of the numerical zero.
constexpr Int32 Halbierungsverfahren = 1;
constexpr Int32 RegulaFalsi = 2;
constexpr Int32 NewtonVerfahren = 3;

// The most steps an iteration takes before it gives up.
constexpr Int32 MaxNaeherungsschritte = 10000;

// The integral of f from a to b by Simpson's rule with n subintervals (an odd n raised by one): a real
// constant; nil for n <= 0 or a bound without a finite value. A node where f has no finite value raises
// ENichtExistenz "Funktion nicht überall definiert. Simpsonregel abgebrochen.". The message loop runs every
// 100000 nodes; an abort found there raises EBenutzerAbbruch.
TTerm* Simpsonregel(TTerm* f, TTerm* a, TTerm* b, Int32 n);
// The same value of Simpson's rule with n subintervals (to within the rounding of its sum), from fewer nodes:
// the nodes are taken in pieces of 4096 subintervals; on a piece where the rules with 8, 16, 32, ... (up to
// 512) subintervals converge as for a smooth f (their differences falling sixteenfold and Richardson's limit
// settled to 1e-14 of the integral of |f|), the rule's value at the piece's subintervals is found from that
// limit, and only on the other pieces (a kink, a point without a value, a steep end) is f taken at every node.
// When too many pieces need every node, the rule runs as Simpsonregel. The same exceptions, and the message
// loop every 100000 nodes taken.
TTerm* SimpsonregelSparsam(TTerm* f, TTerm* a, TTerm* b, Int32 n);
// The number of subintervals Simpsonregel uses for n > 0.
constexpr Int64 SimpsonIntervalle(Int32 n) {
    return n % 2 ? Int64(n) + 1 : Int64(n);
}

// The numerical-zero step of page 1: the accuracy, the method and Newton's start value come from the host
// (the step-choice window); the numbers are printed with at least Round(3 - log10 eps) decimals (at most
// 18) while the step runs.
void BestimmungEinerNullstelle();

// Iterates one zero of f in I by the method to the accuracy eps > 0 and writes every step as a row of a
// ruled table, then the solution. Newton's start value is read from the host ("automatisch suchen": the
// left end of the first fifth of I where f changes sign). Every failure is written as a line and ends the
// iteration; only a regular end writes a solution. Eingabe, when given, is f as entered: the lines name it,
// and f is evaluated only where it has a value (sqrt(x)^2 has none below 0 though its simplified form x has).
void Naeherungsverfahren(TTerm* f, TIntervall* I, Int32 Methode, Extended eps, TTerm* Eingabe = nullptr);

// A decimal number typed by the user, with a decimal comma or point and blanks around it; false for any
// other text and for a value that is not finite.
bool ZahlAusText(const std::string& Text, Extended& Wert);

} // namespace zol
