// The term simplification driver: the one entry through which the system simplifies terms. It returns the
// term with the fewest nodes it reaches through the term's normal form, a bottom-up pass through the normal
// forms of the subterms, and two substitution passes; the result is cached on the term.
//
// Collecting subterms and factors lets the event loop run; once the user has aborted, a simplification that
// depended on such a collection ends with EBenutzerAbbruch instead of a result.
#pragma once

#include "algebra/Polynome.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

constexpr Int32 MaxTeilterme = 20;
constexpr Int32 MaxFaktoren = 20;

// The work budget of each search of the substitution and transformation passes, in steps of work
// (term/Arbeit.h), taken from the request's supply for searches: when it is spent, the search ends with the
// best form found so far.
constexpr Int64 Suchbudget = 20000;
// A search starts inside at most this many searches that are running (a trial's coefficient arithmetic
// simplifies constants, which searches again); deeper the term stays as it is.
constexpr Int32 MaxSuchtiefe = 2;

// When false, VereinfacheKonstantenTerm lets an exhausted limit (ERessourcen) pass instead of showing it,
// so that the caller can drop its piece of work (a row of the value table). Switched by TWechsel.
extern bool KonstantenUeberlaufMelden;
// Set when that message has been shown: a request shows it once (the request's start clears it).
extern bool KonstantenUeberlaufGemeldet;

// Replaces T by its simplified form.
void VereinfacheTerm(TTerm*& T);
// The same for a constant term. An exhausted limit (ERessourcen) below it ends the simplification with the
// value reached so far, and is shown as a message unless one was shown already.
void VereinfacheKonstantenTerm(TTerm*& T);
// Whether a search of the simplifier may start now (not too deep inside others, supply left).
bool SucheMoeglich();
// The bottom-up pass: operands and arguments first, each node by its normal form when that is smaller.
void VereinfacheTermRekursiv(TTerm*& T);
// x renamed to the constant X, simplified as a constant by substitution, and renamed back (at most 30
// nodes).
void VereinfacheTermDurchSubstitution(TTerm*& T);
// Each subterm with an inverse function taken as the new variable: the smallest term the normal form gives
// back.
void VereinfacheTermDurchTransformation(TTerm*& T);
// Each subterm of a constant term taken as the variable: the smallest term that a rational function (or a
// monomial sum) gives back.
void VereinfacheKonstantenTermDurchSubstitution(TTerm*& T);
// T with the subterm fi turned into the variable and the variable x replaced by psi; nil where a piecewise
// part has no value after the replacement.
TTerm* Transformation(TTerm* T, TTerm* fi, TTerm* psi);

// Collects the distinct proper subterms of T into Liste[1..Anzahl] (at most MaxTeilterme; the caller sets
// Anzahl to 0 first), rational constants only with MitKonstanten.
void SammleTeilterme(TTerm* T, TTerm** Liste, Int32& Anzahl, bool MitKonstanten);
// Appends the factors of the product T to Liste[1..Anzahl] (at most MaxFaktoren, else ERessourcen with
// ZuVieleFaktorenText); the rational factors end up in the first one.
void Faktoren(TTerm* T, TTerm** Liste, Int32& Anzahl);
inline const char* const ZuVieleFaktorenText = "Zu viele Faktoren in einem Produkt (mehr als 20).";

// P as a term through the output, for traces of the polynomial procedures.
void TracePolynom(TPolynom P);
void TracePolynomLn(TPolynom P);

} // namespace zol
