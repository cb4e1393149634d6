// The unique-term store: one object per distinct term built through its builders, freed all at once.
//
// Every builder looks its term up in a hash index by key, so building a term costs O(1) on average however
// many terms a request makes. Beside the index the store keeps its terms in one unbalanced binary search
// tree, which shows the store: composite terms ordered by the key (node count, text) as it was when they
// were inserted; constants among each other by rules of their own kind, every composite term greater than
// every constant; nodes only ever added as new leaves. A new node is put into the tree when the tree is
// next read (through Termspeicher), at the place a search along the tree would have given it then, so the
// tree has the same shape as if every node had been placed at once. The shared constants and VariableX are
// not in the store.
#pragma once

#include <functional>
#include <string>

#include "term/Arena.h"
#include "term/Brueche.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
struct TRadikal;

class TTermKnoten : public TArenaObjekt {
public:
    TTermKnoten* Links = nullptr;
    TTermKnoten* Rechts = nullptr;
    TTerm* Term = nullptr;
    // The key of the term as it was inserted.
    Int32 Knotenzahl = 0;
    std::string Text;
    // The next node of the index with the same key, in the order of insertion.
    TTermKnoten* GleicherSchluessel = nullptr;
};

// The root of the store's tree; nil when the store is empty. Reading it places the nodes built since it
// was last read.
class TTermspeicherWurzel {
public:
    operator TTermKnoten*() const;
    TTermKnoten* operator->() const { return *this; }
};
extern const TTermspeicherWurzel Termspeicher;

// The most nodes a composite term may have. A term's text and every walk through it grow with its node
// count, and arithmetic over shared subterms can double it with each operation; a builder asked for a
// larger term raises ERessourcen instead.
constexpr Int32 MaxKnotenzahl = 20000;

// The shared constants for -1, 0, 1, 2, 3, 4, 1/2, 1/3, 1/4; every other fraction from the store. The
// fraction is reduced first.
TTerm* RationaleKonstante(const TBruch& B);
TTerm* Bruchkonstante(Int64 Zaehler, Int64 Nenner);
// A radical constant; the text is the radical's text form, computed when not given.
TTerm* RadikalKonstante(const TRadikal& R);
TTerm* RadikalKonstante(const TRadikal& R, const std::string& Text);
// Only the first 6 characters of the name count.
TTerm* BenannteKonstante(const std::string& name);
TTerm* ReelleKonstante(Extended wert);
// The composite builders yield nil for a nil operand and do no simplification; a term of more than
// MaxKnotenzahl nodes raises ERessourcen.
TTerm* OperatorTerm(TTerm* T1, TTerm* T2, char op);
TTerm* PotenzTerm(TTerm* basis, const TBruch& exponent);
TTerm* PotenzTerm(TTerm* basis, Int64 exponent);
TTerm* WurzelTerm(TTerm* radikand, Int32 index);
// Only the first 6 characters of the name count.
TTerm* StandardFunktionTerm(const std::string& name, TTerm* argument);

// The term T rebuilt over new children, for passes that fold a term's parts: an operator term with the
// operands t1 and t2, a piecewise term with the branches t1 and t2 (its condition and flag kept), a function
// term with the argument a, each through its builder. T itself when the children are its own. A term is
// never changed in place: another term may share it, and the store finds it by its text. A nil child gives
// nil.
TTerm* MitOperanden(TTerm* T, TTerm* t1, TTerm* t2);
TTerm* MitArgument(TTerm* T, TTerm* a);

// Inserts an already created term into the tree by the order IstKleiner; nothing when an equal term is
// there. The builders do not find terms entered this way.
void TermEintragen(TTerm* T);

// Frees every term of the store and everything else the request created; the shared constants and
// VariableX survive with the state they had at start-up. Every registered TTermfreigabeBeobachter is told
// first, while the terms still exist.
void AlleTermeFreigeben();

// While it lives, what a piece of work builds is provisional: Verwerfen frees every term and every other
// object of the request arena built since the guard began, and gives the older terms back the caches they
// had (the simplified form and the normal form), so work that needs only its output, such as a row of a
// value table, holds no terms afterwards. The owner makes sure that nothing else keeps what was built. Work
// that put a term into the store's tree (Termspeicher read, TermEintragen) keeps everything, and so does
// work that ends with an exception: its terms go with the request's. Guards do not nest: an inner one keeps
// everything.
class TVorlaeufigeTerme {
public:
    TVorlaeufigeTerme();
    ~TVorlaeufigeTerme();
    TVorlaeufigeTerme(const TVorlaeufigeTerme&) = delete;
    TVorlaeufigeTerme& operator=(const TVorlaeufigeTerme&) = delete;

    void Verwerfen();

private:
    bool Aktiv;
    size_t Knoten;
    TArena::TMarke Arena;
};

// Called before a term's cached simplified form or normal form changes: while a TVorlaeufigeTerme lives,
// records what T had, so that Verwerfen can restore it.
void MerkeCache(TTerm* T);

// Whoever keeps terms of a request outside the request's own globals (a window's list of terms) watches
// the store through one of these for its lifetime: Aktion runs at the start of every AlleTermeFreigeben,
// and before TVorlaeufigeTerme::Verwerfen, so that nothing refers to a term after it is gone.
class TTermfreigabeBeobachter {
public:
    explicit TTermfreigabeBeobachter(std::function<void()> aktion);
    ~TTermfreigabeBeobachter();
    TTermfreigabeBeobachter(const TTermfreigabeBeobachter&) = delete;
    TTermfreigabeBeobachter& operator=(const TTermfreigabeBeobachter&) = delete;

    // Runs the action.
    void Melde() const {
        if (Aktion) Aktion();
    }

private:
    std::function<void()> Aktion;
};

} // namespace zol
