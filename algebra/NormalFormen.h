// Normal forms: a term's canonical algebraic shape (a polynomial, a quotient of polynomials, an exponential,
// trigonometric or root form) together with that shape written back as a term.
//
// A term caches its normal form in TTerm::Normalform; only TTerm::HoleNormalform attaches one (reference
// count 1). Forms that are handed to any other caller are not attached to a term; like every other object
// of a request they live in the request arena until the next request starts. The forms attached at
// start-up to Null, Eins and VariableX live in the permanent arena and keep the count 0.
#pragma once

#include <string>

#include "algebra/Polynome.h"
#include "term/Arena.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;

// The kind tags.
inline constexpr const char* KennungPT = "PT";
inline constexpr const char* KennungRF = "RF";
inline constexpr const char* KennungRNF = "RNF";
inline constexpr const char* KennungENF = "ENF";
inline constexpr const char* KennungANF = "ANF";
inline constexpr const char* KennungVPT = "VPT";
inline constexpr const char* KennungWNF = "WNF";
inline constexpr const char* KennungRaNF = "RaNF";
inline constexpr const char* KennungTNF = "TNF";
inline constexpr const char* KennungPTNF = "PTNF";
inline constexpr const char* KennungRTNF = "RTNF";

// The base of every kind. Kennung is "nil" until a kind's constructor sets its tag; a form is not changed
// after construction.
class TNormalform : public TArenaObjekt {
public:
    TNormalform() = default;
    TNormalform(const TNormalform&) = delete;
    TNormalform& operator=(const TNormalform&) = delete;

    std::string Kennung = "nil";
    // The form written out as a term.
    TTerm* Term = nullptr;
    // The number of terms that hold the form in their Normalform field.
    Int32 Referenzen = 0;

    // Slot 0: symmetry of the graph; the base knows nothing (both unklar).
    virtual void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                           bool Kommentar);
    // Slot 1: the derivative as a new form; the base gives a new empty form (Kennung "nil").
    virtual TNormalform* Ableitung();
    // Slot 2: nil bounds ask for an antiderivative, given bounds for the value; Stufe is the level of the
    // integration search. The base gives nil.
    virtual TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe);
    // Slot 3: the zeros in M into Liste (created by the caller); the base finds none and reports unklar.
    virtual void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status);
};

// Builds of normal forms started inside other builds go this deep; deeper a term gets none for now.
constexpr Int32 MaxBautiefe = 16;

// The normal form of T, or nil (then T is marked KeineNormalform, except for a term with ln). NeuGebaut tells
// whether the form was built for this call rather than handed back from a term's cache. Asked for again while
// T's form is being built, or too deep inside other builds, it is nil without the mark.
TNormalform* Normalform(TTerm* T, bool& NeuGebaut);

// Attaches normal forms to T and all its subterms, innermost first; piecewise terms are not descended into.
void AlleSubNormalformen(TTerm* T);

// ---- The polynomial normal form "PT" ----

class TPolynomTerm : public TNormalform {
public:
    explicit TPolynomTerm(const TPolynom& p);

    TPolynom P;

    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    TNormalform* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b, Int32 Stufe) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
};

// T's polynomial normal form, or nil. A term that already caches a "PT" form gives it back (NeuGebaut
// false); one that caches an "RNF" form with a constant denominator gives that polynomial as a new form, any
// other cached form nil; otherwise the form is built (NeuGebaut true).
TPolynomTerm* TPolynomTermCreateT(TTerm* T, bool& NeuGebaut);
// The polynomial of T (its polynomial form); false when T has none.
bool PolynomAusTerm(TTerm* T, TPolynom& P);

// The polynomial of degree 0 of the constant T for the builders; false when T has no exact value (a power
// without a real value, a division by 0, a fraction beyond 64 bits): such a constant has no normal form.
bool KonstantesPolynomVon(TTerm* T, TPolynom& P);

// P^n for the builders: PHoch, except that a polynomial of degree 0 is raised through its coefficient, so a
// large n neither runs long nor is cut to 32 bits (a larger degree exceeds the limit at once).
void PHochBegrenzt(const TPolynom& P, Int64 n, TPolynom& R);

// P as a term: its monomials from the highest power down, joined left to right; a monomial after the first
// with a negative coefficient is subtracted. The zero polynomial is Null.
TTerm* PolynomToTerm(TPolynom P);
// P as the product of its linear factors (x - a)^k over its rational zeros, in the order the rational search
// finds them (0 first), with what remains of P as the last factor.
TTerm* PolynomToFaktorTerm(TPolynom P);

// The rational normal form "RNF" P1 * P2^k / P3^m (algebra/RationaleNormalform.h) and the exponential
// normal forms "ENF" and "ANF" (algebra/ExponentialNormalform.h): their builders yield nil for a term not of
// their kind.
class TRationaleNormalform;
TRationaleNormalform* TRationaleNormalformCreateT(TTerm* T);
TNormalform* TExponentialNormalformCreateT(TTerm* T);

} // namespace zol
