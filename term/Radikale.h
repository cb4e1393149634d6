// Exact numbers P(w) with w the n-th root of a positive integer and P a polynomial with rational
// coefficients, and the constant term class that carries one.
#pragma once

#include <string>

#include "algebra/Polynome.h"
#include "term/Terme.h"

namespace zol {

struct TRadikal {
    // c0 + c1*w + ... + cd*w^d with rational constant coefficients.
    TPolynom Polynom;
    // R, positive; 1 for a rational number.
    Int64 Radikand = 1;
    // n; 1 for a rational number.
    Int32 Wurzelexponent = 1;
    // Not used by the arithmetic; always 0.
    Int32 Reserve = 0;
};

// The largest root index of a radical: the quotient of two radicals solves a linear system with one
// unknown per power of the root below the index, and such systems have at most 15 unknowns.
constexpr Int32 MaxWurzelexponent = 15;

// The message of an integer overflow in the radicals' arithmetic (ERessourcen).
extern const char* const RadikalUeberlaufText;

// The radicals of start-up: 0, 1, the square roots of 2 and 3 with the factors 1, -1, 1/2 and -1/2, and
// the square root of 3 with the factors 1/3 and -1/3. Filled by InitialisiereRadikale.
extern TRadikal RadikalNull;
extern TRadikal RadikalEins;
extern TRadikal RadikalWurzel2;
extern TRadikal RadikalMinusWurzel2;
extern TRadikal RadikalHalbeWurzel2;
extern TRadikal RadikalMinusHalbeWurzel2;
extern TRadikal RadikalWurzel3;
extern TRadikal RadikalMinusWurzel3;
extern TRadikal RadikalHalbeWurzel3;
extern TRadikal RadikalMinusHalbeWurzel3;
extern TRadikal RadikalDrittelWurzel3;
extern TRadikal RadikalMinusDrittelWurzel3;

// Fills the radical records from the polynomial constants (which must exist), in the order above.
void InitialisiereRadikale();

// The same radicand, the same index and equal polynomials.
bool RGleich(const TRadikal& a, const TRadikal& b);
// "Rad(" R "," n ";" c0 "," ... "," cd ")", e.g. Rad(2,2;0,1) for the square root of 2.
std::string RadikalToStr(const TRadikal& a);
// Reads the text between "Rad(" and ")": R "," n ";" c0 "," ... "," cd with a radicand R >= 1, an index n
// from 1 to 15 and at most 21 fractions as coefficients. Radicand 1 or index 1 gives the rational number
// P(R). Anything else raises ETermFehler "Radikal ungültig.".
void StrToRadikal(const std::string& s, TRadikal& r);
// The fraction of a rational constant, or of the coefficient c0 of a radical constant.
void BruchVonKonstante(TTerm* T, TBruch& b);

class TSListe;

// The prime factors of n up to 997 as points p/1 with their multiplicities; Rest keeps the part without
// such factors. An empty list for n <= 0.
void Primfaktoren(Int64 n, TSListe*& Liste, Int64& Rest);
// Brings a and b to one radicand and index, rewriting their polynomials; false when there is none (then
// an index raised on the way may stay raised, the value is unchanged).
bool GemeinsamesRadikal(TRadikal& a, TRadikal& b);
// a op b for op in + - * /; Erfolg false when there is no common radical (or no quotient). Pure roots of
// one index multiply into the root of the product of their radicands.
void ROp(const TRadikal& a, const TRadikal& b, char Op, TRadikal& r, bool& Erfolg);
void RMal(const TRadikal& a, const TRadikal& b, TRadikal& r, bool& Erfolg);
// The quotient q with q * b = a; when there is none the warning "Quotient der Radikale existiert nicht"
// is shown and Erfolg is false.
void RDurch(const TRadikal& a, const TRadikal& b, TRadikal& r, bool& Erfolg);
// a to the integer power k (k < 0 through the quotient 1/a; ENichtExistenz "Potenz existiert nicht" when
// that does not exist).
void RHoch(const TRadikal& a, Int32 k, TRadikal& r);
// Every coefficient negated.
void RNegativ(const TRadikal& a, TRadikal& r);
// The number as a term tree c0 + c1*w + c2*w^2 + ... with w the plain root term of R.
TTerm* RadikalToTerm(const TRadikal& a);
class TRadikalKonstante;
// A constant term tree as a radical constant, or nil (also for a quotient over a divisor 0).
TRadikalKonstante* RadikalKonstanteAusTerm(TTerm* T);
// A constant term rewritten arithmetically (radicals of degree 0 to rationals, operators by ArOp).
TTerm* KonstanteMoeglichstArithmetisch(TTerm* T);
// A radical constant that is a rational power (or the negation of one) as that power term; other terms
// unchanged.
TTerm* RadikalKonstanteAlsPotenz(TTerm* T);
// T equals Basis^Exponent with a positive integer Basis; false for every non-constant term.
bool IstRationalePotenz(TTerm* T, Int64& Basis, TBruch& Exponent);
// The rational constant b for a coefficient: the stored one, or a new one when the store answers with a
// radical constant of that value.
TTerm* RationalerKoeffizient(const TBruch& b);
// The radical c * w^g with radicand R and index n, all other coefficients 0.
TRadikal Einzelradikal(const TBruch& c, Int32 g, Int64 R, Int32 n);

class TRadikalKonstante : public TKonstante {
public:
    explicit TRadikalKonstante(const TRadikal& r);

    TRadikal Radikal;

    Extended Wert(Extended x, bool& Definiert) override;
    bool IstNull() override;
    bool IstRational() override;
    bool HatWert(const TBruch& B) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    TTerm* Negation() override;
    void SchreibeInStream(TStrom& S) override;
};

inline bool IstRadikalKonstante(const TTerm* T) {
    return T && T->Typrang == RangRadikal;
}
inline TRadikalKonstante* AlsRadikalKonstante(TTerm* T) {
    return IstRadikalKonstante(T) ? static_cast<TRadikalKonstante*>(T) : nullptr;
}

} // namespace zol
