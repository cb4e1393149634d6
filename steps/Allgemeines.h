// The globals that describe the function under study, and the first step of every request on page 0:
// reading and simplifying f, classifying it, the definition range with removable gaps, and the value table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plattform/Oberflaeche.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TIntervall;
class TSListe;
class TRationaleFunktion;
class TRationaleNormalform;
class TExponentialNormalform;

// f and g (g nil when its field is empty).
extern TTerm* FTerm;
extern TTerm* GTerm;
// [a, b], both ends closed; a bound is nil (unbounded) while its field is empty.
extern TIntervall* ABIntervall;
// f's normal form is a polynomial.
extern bool IstPolynom;
// f as a numerator/denominator pair, and f's rational and exponential normal forms, kept by the
// definition range for later steps.
extern TRationaleFunktion* FRationaleFunktion;
// f as entered (before folding, simplification and cancelling) as a numerator/denominator pair without
// cancelling, so that its denominator vanishes at every gap of f; nil when f as entered is no quotient with a
// non-constant denominator. Kept by the definition range beside the cancelled FRationaleFunktion.
extern TRationaleFunktion* FQuotientWieEingegeben;
extern TRationaleNormalform* FNormalformRNF;
extern TExponentialNormalform* FNormalformENF;
// Count of substitution attempts of the integration search.
extern Int32 Substitutionszaehler;
// f', f'', f'''.
extern TTerm* Ableitung1;
extern TTerm* Ableitung2;
extern TTerm* Ableitung3;
// The result of the integral step.
extern TTerm* Integralergebnis;
// Point lists (Anzahl -1 while not determined) with their three-valued completeness.
extern TSListe* Nullstellenliste;
extern TWahrheitswert NullstellenlisteStatus;
extern TSListe* Definitionsluecken;
extern TWahrheitswert DefinitionslueckenStatus;
extern TSListe* Extremstellenkandidaten;
extern TSListe* Wendestellenkandidaten;
extern TSListe* Schnittstellenliste;
extern TWahrheitswert SchnittstellenStatus;
// The points that split the area which the area step stated, its bounds first and last; nil while the page
// states no area (the step did not run, or found none), so that the graph hatches only an area the page
// gives.
extern TSListe* Flaechenstellen;

// Resets every analysis global: terms and forms to nil, point lists to fresh lists with Anzahl -1 and
// status unklar, IstPolynom false, Substitutionszaehler 0, the partial-fraction results cleared, and the
// output's Variablenbuchstabe x and nesting depth 0; an overflow in a constant is shown again. Whoever
// empties the term store (AlleTermeFreigeben) calls it right afterwards, at the start of every request and
// test, so that no global outlives the terms it points to.
void SetzeAnalyseZurueck();
// The reset at the start of a request or test: the term store emptied, the analysis globals reset and no
// partial-fraction result kept.
void SetzeAnfrageZurueck();

// The term of an input field of the main window, nil when the field is empty or blank; a syntax error
// raises ETermFehler.
TTerm* TermAusFeld(TEingabefeld feld);

// Whether the texts of the a and b fields give an interval: false, after a message box that says so, when
// both bounds are constants with values and a is greater than b; the request then runs no step. A text that
// cannot be read is left to the general step.
bool IntervallgrenzenGeordnet(const std::string& ATerm, const std::string& BTerm);
// The first step of a request; FText is the text of the f field. g, a, b and the step width are read
// from the host's input fields; the sub-steps run by their step flags and tick their step-list items.
// An f that parses to nothing, and a syntax error in f, g, a or b, raise ETermFehler.
void SchrittAllgemeines(const std::string& FText);
// The definition range of FTerm, with removable gaps; also run by later steps when it did not run.
void BestimmungDesDefinitionsbereichs();
// The uncancelled pair of a term that is rational in x (see FQuotientWieEingegeben); nil for a term that is not,
// has a constant denominator or whose polynomials would exceed the degree limit.
TRationaleFunktion* UngekuerzterQuotient(TTerm* T);
// That of f as entered, worked out once for each entered f.
TRationaleFunktion* EingegebenerQuotient();
// Whether f as entered (before folding and simplification) has a value at the constant x0, decided by putting
// x0 in exactly; true when that cannot be decided. A simplification may widen the range (e^(ln(x)) = x).
bool EingegebenesFDefiniertIn(TTerm* x0);
// Whether f as entered has a value between a and b up to single points (DefiniertBisAufStellen): an integral
// or area of the simplified f must not run where f as entered has none (e^(2ln(x)) = x^2 on [-4; 5]).
bool EingegebenesFDefiniertZwischen(TTerm* a, TTerm* b);
// f as it was entered; FTerm where f was set without the general step.
TTerm* EingegebenesF();

// What f as entered is, as every step that names its kind says it: a polynomial, a quotient of polynomials
// (gebrochen-rational), or neither. Decided by f's normal form and by the range of f as entered: f defined on
// less than IR without the zeros of its divisors is neither (sqrt(x)^2 = x for x >= 0), and a quotient as
// entered is no polynomial where cancelling leaves one ((x^2-1)/(x-1)). A polynomial as entered whose degree
// is above the limit of the polynomial arithmetic (x^25-1) has no normal form and is one all the same, with
// that degree in Grad (0 for every other f).
enum class TFunktionsklasse { Polynom, GebrochenRational, Andere };
struct TArtVonF {
    TFunktionsklasse Klasse = TFunktionsklasse::Andere;
    Int64 Grad = 0;
};
TArtVonF ArtVonF();
// The line that says that f is a polynomial of degree Grad, above the limit of the polynomial arithmetic.
void SchreibeGradUeberGrenze(Int64 Grad);
// The degree of a term that is a polynomial in x as it stands (sums, differences and products of x and
// constants, their powers with natural exponents, divided by constants): its exact degree, -1 for one that
// is 0, -2 where leading terms of a sum may cancel; nothing for a term that is no polynomial as it stands.
std::optional<Int64> PolynomgradWieEingegeben(TTerm* T);

// The range of definition of f as entered, as far as its divisors decide it. NurTeiler: every function in f
// that is defined on part of the line only (ln, sqrt, arcsin, tan, a fractional power, ...) is defined on all
// of IR there (ln(x^2+1)), so that f as entered lacks a value exactly at the zeros of its divisors (Teiler:
// the non-constant divisors and bases of negative powers). False also where that cannot be decided.
struct TEingabebereich {
    bool NurTeiler = false;
    std::vector<TTerm*> Teiler;
};
// Worked out once for each entered f.
const TEingabebereich& EingabebereichVonF();

// A step that works on [a, b] refuses a bound that contains x: false after writing the line that says so.
bool GrenzenOhneX(TTerm* a, TTerm* b);
// The same for the bounds of ABIntervall.
bool IntervallOhneX();
// The value table of FTerm over ABIntervall; a missing bound becomes -5 resp. 5 for the rest of the
// request. A step width that is not positive stops only the table, with a message.
void SchrittWertetabelle();

} // namespace zol
