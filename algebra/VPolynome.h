// Sums of monomials c*x^r with rational exponents r: the normal form "VPT", such as 3*x^(1/2) - x^(-1/3) + 2.
#pragma once

#include "algebra/NormalFormen.h"
#include "algebra/Polynome.h"
#include "term/Arena.h"
#include "term/Brueche.h"

namespace zol {

class TTerm;

// One monomial of a list. A list is a pointer to its first node (nil: the empty list, the sum 0); its
// exponents ascend strictly. A coefficient that is zero is never inserted, but a sum of coefficients that
// becomes zero stays in its node. Lists live in the request arena and are never changed once a form holds
// them.
struct TMonom : public TArenaObjekt {
    TTerm* Koeffizient = nullptr;
    TBruch Exponent;
    TMonom* Naechster = nullptr;
};

// The most products of monomials one multiplication may form; beyond it the product has no form
// (EGradUeberschritten), so that products and powers of long sums end at once.
constexpr Int32 MaxMonomprodukte = 2000;

// Inserts c*x^r at its place: nothing when c is zero; an equal exponent (compared exactly) adds c to that
// node's coefficient.
void VPolynomEinfuegen(TMonom*& Liste, TTerm* c, const TBruch& r);
// New lists: 0*x^0 and 1*x^0.
TMonom* VPolynomNull();
TMonom* VPolynomEins();
// New lists of a + b, a - b, a * b. The product raises EGradUeberschritten beyond MaxMonomprodukte products.
TMonom* VPolynomPlus(TMonom* a, TMonom* b);
TMonom* VPolynomMinus(TMonom* a, TMonom* b);
TMonom* VPolynomMal(TMonom* a, TMonom* b);
// a divided by the monomial c*x^r, node by node.
TMonom* VPolynomDurchMonom(TMonom* a, TTerm* c, const TBruch& r);
// a^n; n < 1 gives 1. A single monomial is raised directly; a longer list to a power above 20 raises
// EGradUeberschritten.
TMonom* VPolynomHoch(TMonom* a, Int64 n);
// The number of monomials.
Int32 VPolynomLaenge(TMonom* a);

class TVPolynomTerm : public TNormalform {
public:
    // The form of the list; its term is the one given, else the sum of c * x^r in list order.
    explicit TVPolynomTerm(TMonom* liste, TTerm* term = nullptr);
    // The form of the non-zero monomials of P; its term is PolynomToTerm(P).
    static TVPolynomTerm* CreateAusPolynom(const TPolynom& P);

    TMonom* Liste = nullptr;

    // Node by node: (r*c)*x^(r-1).
    TNormalform* Ableitung() override;
    // The antiderivative (c/(r+1))*x^(r+1) node by node, evaluated between a and b when both are given.
    // nil for a monomial c*x^(-1) with c not zero (its antiderivative is a logarithm), and between bounds
    // unless the term is defined on the closed interval between them. With Kommentare the integral is
    // written out. Stufe is not used.
    TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe) override;
};

// The sum of c * x^r of a list, in list order.
TTerm* VPolynomAlsTerm(TMonom* Liste);

// T's form as a sum of monomials with rational exponents, or nil. Roots and powers of sums with exponents
// that are not natural numbers have none; nor has a term whose form would exceed a limit (degree, number
// of monomials, 64-bit exponents) or needs a power that does not exist.
TVPolynomTerm* TVPolynomTermCreateT(TTerm* T);

} // namespace zol
