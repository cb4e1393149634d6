// Numeric values of terms in bulk. The kernels below compute one node's value from its operands' values;
// the term tree's Wert and the value program share them, so both give the same bits.
//
// TWertprogramm is a term flattened once into a straight sequence of operations over long double: each
// distinct subterm once, constant subterms folded to their value, piecewise branches as programs of their
// own. Evaluating it allocates nothing and calls nothing virtual, and it gives exactly the value (and the
// "no value") of the tree's Wert.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "term/Brueche.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;

// ---- the kernels: each gives false where the node has no value ----
// (Always inlined: the value program calls them with the operator or function known, so each folds to its
// own few instructions.)

// a op b for one of + - * /; a result that is not finite counts as no value.
[[gnu::always_inline]] inline bool OperatorWert(char op, Extended a, Extended b, Extended& w) {
    switch (op) {
    case '+':
        w = a + b;
        break;
    case '-':
        w = a - b;
        break;
    case '*':
        w = a * b;
        break;
    case '/':
        if (b == 0) return false;
        w = a / b;
        break;
    default:
        return false;
    }
    return std::isfinite(w);
}

// v^n for an integer n by square and multiply; stops at 0 and at infinity.
inline Extended GanzePotenz(Extended v, Int64 n) {
    uint64_t e = n < 0 ? uint64_t(0) - uint64_t(n) : uint64_t(n);
    Extended r = 1;
    while (e != 0) {
        if (e & 1) r *= v;
        e >>= 1;
        if (e != 0) v *= v;
        if (r == 0 || std::isinf(r)) break;
    }
    return r;
}

// v^e for a rational exponent: an integer power of any v, a fractional one of v > 0 (and of 0 for e > 0).
[[gnu::always_inline]] inline bool PotenzWert(Extended v, const TBruch& e, Extended& r) {
    if (e.Nenner == 1) {
        // The square as GanzePotenz forms it (1 * (v*v)), without its loop.
        r = e.Zaehler == 2 ? v * v : GanzePotenz(v, e.Zaehler);
        if (e.Zaehler < 0) {
            if (r == 0) return false;
            r = 1 / r;
        }
    } else if (v > 0) {
        r = std::exp(static_cast<Extended>(e.Zaehler) / e.Nenner * std::log(v));
    } else if (v == 0 && e.Zaehler > 0) {
        r = 0;
    } else {
        return false;
    }
    return std::isfinite(r);
}

// The root of index Grad >= 1 of v >= 0 (odd indices included).
[[gnu::always_inline]] inline bool WurzelWert(Extended v, Int32 Grad, Extended& r) {
    if (!(v >= 0)) return false;
    r = v > 0 ? std::exp(std::log(v) / Grad) : 0;
    return true;
}

// a^v for the base a > 0 given by its logarithm lna.
[[gnu::always_inline]] inline bool ExponentialWert(Extended lna, Extended v, Extended& r) {
    r = std::exp(lna * v);
    return std::isfinite(r);
}

// The standard functions by kind.
enum class TStandardArt : uint8_t {
    Unbekannt,
    Abs,
    Sin,
    Cos,
    Tan,
    Cot,
    Exp,
    Ln,
    Sqrt,
    Arcsin,
    Arccos,
    Arctan
};

// The kind of a standard function's name; Unbekannt for any other name.
TStandardArt StandardArt(const std::string& Name);

bool IstTangensPol(Extended v);
bool IstKotangensPol(Extended v);

[[gnu::always_inline]] inline bool StandardWert(TStandardArt art, Extended v, Extended& r) {
    constexpr Extended Pi = std::numbers::pi_v<Extended>;
    switch (art) {
    case TStandardArt::Abs:
        r = std::fabs(v);
        break;
    case TStandardArt::Sin:
        r = std::sin(v);
        break;
    case TStandardArt::Cos:
        r = std::cos(v);
        break;
    case TStandardArt::Exp:
        r = std::exp(v);
        break;
    case TStandardArt::Tan:
        if (IstTangensPol(v)) return false;
        r = std::tan(v);
        break;
    case TStandardArt::Cot:
        if (IstKotangensPol(v)) return false;
        r = 1 / std::tan(v);
        break;
    case TStandardArt::Ln:
        if (!(v > 0)) return false;
        r = std::log(v);
        break;
    case TStandardArt::Sqrt:
        if (!(v >= 0)) return false;
        r = std::sqrt(v);
        break;
    case TStandardArt::Arcsin:
        if (!(v >= -1 && v <= 1)) return false;
        if (v == 1)
            r = Pi / 2;
        else if (v == -1)
            r = -Pi / 2;
        else
            r = std::atan(v / std::sqrt(1 - v * v));
        break;
    case TStandardArt::Arccos:
        if (!(v >= -1 && v <= 1)) return false;
        if (v == 0)
            r = Pi / 2;
        else if (v > 0)
            r = std::atan(std::sqrt(1 - v * v) / v);
        else
            r = std::atan(std::sqrt(1 - v * v) / v) + Pi;
        break;
    case TStandardArt::Arctan:
        r = std::atan(v);
        break;
    default:
        return false;
    }
    // A result beyond the range of numbers (exp of a large value) counts as no value.
    return std::isfinite(r);
}

// ---- the program ----

class TWertprogramm {
public:
    // Flattens T (nil: a program without a value anywhere).
    explicit TWertprogramm(TTerm* T);

    // The value at x, as T->Wert(x, Definiert) gives it.
    Extended Wert(Extended x, bool& Definiert);
    // The value at x when it is finite.
    bool EndlicherWert(Extended x, Extended& y) {
        bool d = false;
        y = Wert(x, d);
        return d && std::isfinite(y);
    }

    // The number of operations (for the benchmarks).
    size_t Laenge() const { return Befehle.size(); }

private:
    enum class TArt : uint8_t {
        Konstante,
        KeinWert,
        X,
        Operator,
        Potenz,
        Wurzel,
        Exponential,
        Standard,
        Join,
        // A node of a kind the program does not know: its own Wert.
        Baum,
    };

    // One operation; its result goes to the register of its own index. A and B are operand registers, P1
    // and P2 the branch programs of a piecewise term.
    struct TBefehl {
        TArt Art = TArt::KeinWert;
        char Operator = 0;
        TStandardArt Standard = TStandardArt::Unbekannt;
        // A piecewise term's value where its condition is 0.
        bool NullDefiniert = false;
        Int32 A = 0, B = 0;
        Int32 P1 = 0, P2 = 0;
        Int32 Grad = 0;
        TBruch Exponent = {0, 1};
        Extended Zahl = 0;
        TTerm* Knoten = nullptr;
    };

    // The operations from Anfang to Ende (exclusive); the last one is the program's term.
    struct TTeilprogramm {
        Int32 Anfang = 0, Ende = 0;
    };

    class TUebersetzer;
    friend class TWertberechnung;

    // The value of operation i at x (its operands first); d false where it has none.
    Extended Knotenwert(Int32 i, Extended x, bool& d) const;
    // The value of program p at x.
    bool Lauf(Int32 p, Extended x, Extended& w) const;
    // The finite values at a + i*h for i = von, ..., von + anzahl - 1 into werte, NaN where there is none.
    void Werte(Extended a, Extended h, Int64 von, Int64 anzahl, Extended* werte) const;

    std::vector<TBefehl> Befehle;
    std::vector<TTeilprogramm> Programme;
    // No operation calls a tree's Wert.
    bool NurBekannte = true;
};

// The finite values of a program at the points a + i*h, block by block, NaN where there is none. A block is
// shared in small pieces among helper threads and the calling thread: while the caller does other work (adds
// up the block before), the helpers go on with the block just started, and Warte takes part in what is left
// of it. Each value is computed on its own, so the values do not depend on the number of threads. A program
// with a node of a kind it does not know (whose own Wert may report) stays on the calling thread. The
// program must outlive the object; its end stops the helpers after the piece each is computing.
class TWertberechnung {
public:
    // Punkte: how many points all blocks together hold (a few need no helpers).
    TWertberechnung(TWertprogramm& P, Extended a, Extended h, Int64 Punkte);
    ~TWertberechnung();
    TWertberechnung(const TWertberechnung&) = delete;
    TWertberechnung& operator=(const TWertberechnung&) = delete;

    // Starts the block of the values at i = von, ..., von + anzahl - 1 into werte[0 .. anzahl - 1]; the block
    // before must be waited for.
    void Starte(Int64 von, Int64 anzahl, Extended* werte);
    // Waits until the block started last is complete.
    void Warte();

private:
    // The points of one piece.
    static constexpr Int64 Stueckgroesse = 2048;

    // Takes pieces of block `auftrag` and computes them until none is left.
    void Arbeite(Int64 auftrag);
    void Helfer();

    TWertprogramm& P;
    Extended A, H;
    std::mutex M;
    std::condition_variable Neu, Fertig;
    bool Ende = false;
    // The current block: its number, its points, the pieces done; guarded by M.
    Int64 Auftrag = 0;
    Int64 Von = 0, Anzahl = 0, Stuecke = 0, Erledigt = 0;
    Extended* Ziel = nullptr;
    // The next piece to take, with the block's number in the high bits: a helper late for its block takes
    // nothing of the next one.
    std::atomic<uint64_t> Naechstes{0};
    std::vector<std::thread> Faeden;
};

} // namespace zol
