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
