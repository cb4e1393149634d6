// Sets of real numbers: points, point lists, intervals, the standard sets, set expressions and union
// chains. Bound and element values are terms; comparisons are numeric with IstGleich deciding ties.
#pragma once

#include <memory>
#include <string>

#include "term/Arena.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TFolie;

// An interval bound: Wert nil means infinite (minus infinity below, plus infinity above).
struct TRand {
    TTerm* Wert = nullptr;
    bool Offen = true;
};

class TMenge : public TArenaObjekt {
public:
    std::string Kennung = "nil";

    // Slot 0: T is an element.
    virtual bool Enthaelt(TTerm* T) = 0;
    // Slot 1: typesetting at type size Groesse; the caller owns the result.
    virtual std::unique_ptr<TFolie> Folie(Single Groesse) = 0;
};

// A point with its multiplicity (0 when none was determined).
class TStelle : public TMenge {
public:
    TStelle(TTerm* punkt, Int32 vielfachheit);
    TTerm* Punkt;
    Int32 Vielfachheit;
    bool Enthaelt(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

constexpr Int32 MaxStellen = 20;

// The multiplicity of a zero shared by two factors: the sum, except that a multiplicity not determined (0,
// as at a kink of abs or the zero of a radicand) leaves the sum undetermined too.
inline Int32 Vielfachheitssumme(Int32 a, Int32 b) {
    return a == 0 || b == 0 ? 0 : a + b;
}

// At most 20 points, used from 1 to Anzahl; Anzahl is -1 while the list is not computed.
class TSListe : public TMenge {
public:
    TSListe();
    Int32 Anzahl = -1;
    TStelle* Stellen[MaxStellen + 1] = {};

    // Position (from 1) of the first point equal to T, or -1.
    Int32 Index(TTerm* T);
    // Adds n to the multiplicity of T, or appends T with multiplicity n. A 21st point is refused with the
    // message "Liste voll. Einfügen nicht mehr möglich.".
    void FuegeHinzu(TTerm* T, Int32 n);
    bool Enthaelt(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

// Sets every multiplicity of the list (nil allowed) to 0: zeros where the term is not differentiable often
// enough (a zero of abs(u), of a radicand) have none.
void OhneVielfachheit(TSListe* Liste);

class TIntervall : public TMenge {
public:
    TIntervall(const TRand& links, const TRand& rechts);
    TRand LinkerRand, RechterRand;
    bool Enthaelt(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

// One of the standard sets L (empty), R, Q, Z, N; the letter is the Kennung.
class TStandardMenge : public TMenge {
public:
    explicit TStandardMenge(const std::string& name);
    bool Enthaelt(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

// An unevaluated set expression: 'n' intersection, 'v' union, '\' difference.
class TOperatorMenge : public TMenge {
public:
    TOperatorMenge(TMenge* links, char op, TMenge* rechts);
    TMenge* Links;
    TMenge* Rechts;
    char Operator;
    bool Enthaelt(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

// A union chain of sets (as a rule intervals, sorted and disjoint).
class TIMenge : public TMenge {
public:
    explicit TIMenge(TMenge* menge);
    TMenge* Menge;
    TIMenge* Naechste = nullptr;
    // Appends a new chain element holding M at the end.
    void Anhaengen(TMenge* M);
    bool Enthaelt(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

// A new empty point list (Anzahl 0).
TSListe* NeueLeereListe();

// Set constants, built by InitialisiereMengen.
extern TRand UnendlichRand;
extern TStandardMenge* MengeN;
extern TStandardMenge* MengeZ;
extern TStandardMenge* MengeQ;
extern TStandardMenge* MengeR;
extern TStandardMenge* LeereMenge;
extern TIntervall* IntervallR;
// Built by the term initialisation from Null and the infinite bound.
extern TIntervall* IntervallPositiv;
extern TIntervall* IntervallNegativ;
extern TIntervall* IntervallNichtNegativ;
extern TIMenge* PositiveMenge;
extern TIMenge* NichtNegativeMenge;
extern TIMenge* RohneNull;

void InitialisiereMengen();

// M is a set expression whose operator is one of ops.
bool IstOperatorMenge(TMenge* M, const std::string& ops);
bool IstLeeresIntervall(TIntervall* I);
// The left bound A admits everything that B admits.
bool LinkerRandVor(const TRand& A, const TRand& B);
// The right bound A admits everything that B admits.
bool RechterRandNach(const TRand& A, const TRand& B);
// T lies in I.
bool ImIntervall(TTerm* T, TIntervall* I);
TIntervall* IntervallSchnitt(TIntervall* A, TIntervall* B);
// The complement in R: an interval, a chain of two, or L.
TMenge* IntervallKomplement(TIntervall* I);
// The complement of a sorted chain (nil stands for the empty chain; its complement is IntervallR).
TIMenge* IMengenKomplement(TIMenge* M);
// A lies entirely left of B.
bool LiegtVor(TIntervall* A, TIntervall* B);
// The smallest interval containing both.
TIntervall* IntervallHuelle(TIntervall* A, TIntervall* B);
TSListe* SListenVereinigung(TSListe* A, TSListe* B);
// Intersection of two chains; nil when empty.
TIMenge* IMengenSchnitt(TIMenge* A, TIMenge* B);
// Inserts I into a sorted chain, merging overlapping intervals.
TIMenge* IMengenVereinigung(TIntervall* I, TIMenge* M);
TIMenge* IMengenVereinigungAlle(TIMenge* A, TIMenge* B);
// A op B with op 'n', 'v' or '\', evaluated where the set algebra knows how.
TMenge* MengenOperation(TMenge* A, TMenge* B, char Operator);
// Evaluates a tree of set expressions bottom-up, replacing M by the result.
void MengenAuswerten(TMenge*& M);
// The smallest interval containing M (IntervallR for R and the sets of numbers, M itself for an interval);
// nil when M is empty.
TIntervall* HuelleVon(TMenge* M);
// A simple rational point inside I; nil for an empty interval.
TTerm* PunktImIntervall(TIntervall* I);
// The preimage of M under T.
TMenge* Urbild(TTerm* T, TMenge* M, TMenge* D, bool Kommentar, TWahrheitswert& Status);
// T's definition range.
void MengeDefinitionsbereich(TTerm* T, TMenge*& Ergebnis, uint8_t& Status, bool Kommentar);

} // namespace zol
