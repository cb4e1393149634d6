// Normal forms: a term's canonical algebraic shape, cached on the term with a reference count.
#pragma once

#include <string>

#include "algebra/Polynome.h"
#include "term/Arena.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;

class TNormalform : public TArenaObjekt {
public:
    std::string Kennung = "nil";
    TTerm* Term = nullptr;
    Int32 Referenzen = 0;

    virtual void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool Kommentar);
    virtual TNormalform* Ableitung();
    virtual TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe);
    virtual void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status);
};

// The dispatcher: the normal form of T, or nil.
TNormalform* Normalform(TTerm* T);

// The polynomial normal form ("PT").
class TPolynomTerm : public TNormalform {
public:
    TPolynom P;
};

// T's polynomial normal form, or nil; Neu tells whether it was built for this call.
TPolynomTerm* TPolynomTermCreateT(TTerm* T, bool& Neu);

// P as a term: the sum of its monomials from the highest power down.
TTerm* PolynomToTerm(TPolynom P);

} // namespace zol
