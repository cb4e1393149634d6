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
    // Carried along, not interpreted.
    Int32 Reserve = 0;
};

// The same radicand, the same index and equal polynomials.
bool RGleich(const TRadikal& a, const TRadikal& b);
// "Rad(" R "," n ";" c0 "," ... "," cd ")", e.g. Rad(2,2;0,1) for the square root of 2.
std::string RadikalToStr(const TRadikal& a);
// The fraction of a rational constant, or of the coefficient c0 of a radical constant.
void BruchVonKonstante(TTerm* T, TBruch& b);

class TSListe;

// The prime factors of n up to 997 as points p/1 with their multiplicities; Rest keeps the part without
// such factors. An empty list for n <= 0.
void Primfaktoren(Int64 n, TSListe*& Liste, Int64& Rest);
// a op b for op in + - * /; Erfolg false when there is no common radical.
void ROp(const TRadikal& a, const TRadikal& b, char Op, TRadikal& r, bool& Erfolg);
// a to the integer power k.
void RHoch(const TRadikal& a, Int32 k, TRadikal& r);
// The number as a term tree.
TTerm* RadikalToTerm(const TRadikal& a);
class TRadikalKonstante;
// A constant term tree as a radical constant, or nil.
TRadikalKonstante* RadikalKonstanteAusTerm(TTerm* T);
// A constant term rewritten arithmetically (radicals of degree 0 to rationals, operators by ArOp).
TTerm* KonstanteMoeglichstArithmetisch(TTerm* T);
// A radical constant that is a rational power (or the negation of one) as that power term; other terms
// unchanged.
TTerm* RadikalKonstanteAlsPotenz(TTerm* T);
// T equals Basis^Exponent with a positive integer Basis; false for every non-constant term.
bool IstRationalePotenz(TTerm* T, Int64& Basis, TBruch& Exponent);
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
