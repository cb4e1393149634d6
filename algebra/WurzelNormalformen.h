// The root normal form "WNF": Z(x, w) / N(x, w) with one root w = R(x)^(1/n) of a polynomial radicand R,
// Z and N polynomials in w whose coefficients are polynomials in x; and the radical normal form "RaNF":
// Z(x, w) / N(x) with a denominator free of the root. A form without a root has R = 0 and n = 1.
//
// After simplification the powers of w in Z (and N) are below n, common polynomial factors of the
// coefficients are cancelled, and the factors of R that may leave the root have left it.
#pragma once

#include "algebra/NormalFormen.h"
#include "algebra/PPolynome.h"
#include "algebra/Polynome.h"

namespace zol {

class TTerm;

// The largest root index of the forms (that of radicals).
constexpr Int32 MaxWurzelindex = 15;

class TWurzelNormalform : public TNormalform {
public:
    // The form Z/N in w = R^(1/n); its term is the one given, else BildeTerm.
    TWurzelNormalform(const TPPolynom& z, const TPPolynom& n, const TPolynom& r, Int32 index,
                      TTerm* term = nullptr);

    TPPolynom Z;
    TPPolynom N;
    TPolynom R;
    Int32 n;

    // Z and N with w put in, each split into its rational factor and rest: the quotient of the rests with
    // the reduced quotient of the factors in front.
    TTerm* BildeTerm();
    // Cancels powers of w and the common content, replaces w^i (i >= n) by R^(i div n) * w^(i mod n) and
    // rebuilds the term.
    void Kuerze();

    // The quotient rule with w' = w * R' / (n * R), simplified.
    TNormalform* Ableitung() override;
    // The zeros in six steps: the content of Z, the powers of w in Z, a substitution of w when Z has
    // constant coefficients, the zeros of a root-free Z, and the isolated root of Z_0 + Z_j * w^j raised to
    // the n-th power. A zero enters only where the term is defined.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

class TRadikalNormalform : public TNormalform {
public:
    // The form Z/N in w = R^(1/n); its term is the one given, else BildeTerm.
    TRadikalNormalform(const TPPolynom& z, const TPolynom& n, const TPolynom& r, Int32 index,
                       TTerm* term = nullptr);

    TPPolynom Z;
    TPolynom N;
    TPolynom R;
    Int32 n;

    TTerm* BildeTerm();
    // Takes factors out of the root and then KuerzeUndErsetze.
    void Vereinfache();
    // Cancels the common content, clears a constant denominator, replaces w^i (i >= n) and rebuilds the term.
    void KuerzeUndErsetze();

    // Through the root form: its derivative with a root-free denominator.
    TNormalform* Ableitung() override;
    // The zeros of the root form of the same value.
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

// The builders: T's form of its kind, or nil. A form that would exceed a limit (degree 20, root index 15,
// 64-bit arithmetic) or needs a value that does not exist is none.
TNormalform* TWurzelNormformCreateT(TTerm* T);
TNormalform* TRadikalNormformCreateT(TTerm* T);

// Simplifies W in place: factors out of the root, Kuerze, and for the radicand x the form rewritten as a
// rational function of w and cancelled again.
void TWurzelNormformVereinfache(TWurzelNormalform* W);

// P(w) -> P(w/g): the coefficient of w^i divided by g^i.
void TransformiereDurchEinklammern(TPPolynom& P, TTerm* g);
// P(w) -> P(F*w): the coefficient of w^i multiplied by F^i.
void TransformiereDurchAusklammern(TPPolynom& P, TPolynom F);
// Takes factors out of the n-th root of R: R := the rest under the root, F := the factor outside. Linear
// factors (x - a)^e leave as (x - a)^(e div n) when e div n is even; quadratic factors without a real zero
// as (x^2 + px + q)^(e div n). Only for n below the degree of a radicand that factorises completely.
void KlammerePAusWurzel(TPolynom& R, Int32 n, TPolynom& F);

// a op b for op '+', '-', '*', '/', simplified; ok false when the forms cannot be combined (other roots,
// no quotient).
TRadikalNormalform* RaOp(TRadikalNormalform* a, TRadikalNormalform* b, char op, bool& ok);
// a / b with the denominator made free of the root through the linear system of Zb * Q = 1 (mod w^n = R).
// A system without solution shows the warning "Quotient der Radikal-Normalformen existiert nicht" and
// gives ok false; so does a divisor 0, without the warning.
TRadikalNormalform* RaNFDurch(TRadikalNormalform* a, TRadikalNormalform* b, bool& ok);

} // namespace zol
