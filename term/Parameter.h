// Parameters: one-letter constants of unknown value in a term (a, k, ...). A parameter stands for any real
// number; it is no point where a term is undefined. Whether a term with a parameter has a value, is 0 or lies
// in an interval is known only where it holds for every value of the parameter; otherwise it is unclear.
#pragma once

#include <string>
#include <vector>

#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TMenge;
class TSListe;

// A named constant other than pi and e.
bool IstParameter(const TTerm* T);
// T contains a parameter.
bool EnthaeltParameter(TTerm* T);
// The names of the parameters in T (and U), in the order met, joined by ", " and " und ".
std::string Parameternamen(TTerm* T, TTerm* U = nullptr);

// "den Parameter a", or "die Parameter a und b" where T holds more than one.
std::string ParameterImAkkusativ(TTerm* T);
// Why T, named Name, has no numbers as values: "<Name> enthält den Parameter a und hat daher keine Zahlen als
// Werte." (die Parameter a und b, where there are more).
std::string OhneZahlwerteText(TTerm* T, const std::string& Name);

// The constant C holds a parameter and may be 0 for some value of it (a, 2·a, a - 1; not a^0 + 1).
bool VielleichtNull(TTerm* C);
// The constant C has a value: decided by its value when C holds no parameter; with a parameter wahr when it
// has one for every value of the parameter (UeberallDefiniert), falsch when it has a divisor 0, unklar
// otherwise.
TWahrheitswert HatWertFuerJedenParameter(TTerm* C);
// T has a value at the constant point P: decided by the values when neither holds a parameter; otherwise
// wahr where T has a value at every x (UeberallDefiniert), else as HatWertFuerJedenParameter of T with P
// put in for x.
TWahrheitswert DefiniertBei(TTerm* T, TTerm* P);
// The constant point P lies in M (nil is all of R): decided by M when P holds no parameter; with a parameter
// wahr when M is all of R (a point such as -1/(2a) lies there for every value where it exists), unklar
// otherwise.
TWahrheitswert LiegtIn(TTerm* P, TMenge* M);

// T with the constant P put in for x, folded and simplified as a constant; nil where that fails.
TTerm* Eingesetzt(TTerm* T, TTerm* P);

// Ends the line of a question that the step leaves open for a term with parameters, T (and U): Text and
// "wird hier nicht für jeden Wert von a entschieden." with those parameters named.
void SchreibeNichtEntschieden(const std::string& Text, TTerm* T, TTerm* U = nullptr);

// The solutions that a search found but does not list because whether they lie in the range holds only for
// some values of a parameter (x = a in [-5; 5]): the page states them as found, and no sentence after them
// says that none was found. While a collector lives, the innermost one gets every such point once.
class TOffeneLoesungen {
public:
    TOffeneLoesungen();
    ~TOffeneLoesungen();
    TOffeneLoesungen(const TOffeneLoesungen&) = delete;
    TOffeneLoesungen& operator=(const TOffeneLoesungen&) = delete;

    // Adds P to the innermost collector; false where it holds P already, true where it is new there or none
    // lives.
    static bool Merke(TTerm* P);
    // Whether the sentence on P's open place is still to be written: true the first time the outermost
    // collector is asked about P (a step that works an equation by several routes names it once), and where
    // none lives.
    static bool Nenne(TTerm* P);
    // Keeps the points that may lie in M, that Liste (nil allowed) does not hold, at which T has a value for
    // every value of the parameter and is 0 or a term of it (not a number other than 0), and hands them on
    // to the collector around this one.
    void Pruefe(TTerm* T, TMenge* M, TSListe* Liste);
    void ReicheWeiter() const;

    std::vector<TTerm*> Punkte;

private:
    TOffeneLoesungen* Aussen;
    std::vector<TTerm*> Genannt;
};

// For each point P: "<Vorsatz> x = P; ob P im angegebenen Intervall liegt, wird hier nicht für jeden Wert von
// a entschieden."
void SchreibeOffeneLoesungen(const std::string& Vorsatz, const std::vector<TTerm*>& Punkte);

} // namespace zol
