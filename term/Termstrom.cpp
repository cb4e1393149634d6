#include "term/Termstrom.h"

#include <cstring>
#include <limits>
#include <vector>

#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

namespace {

constexpr Int32 RadikalPaare = 10;
constexpr size_t RadikalKoeffizientenbytes = 84;

[[noreturn]] void Lesefehler() {
    throw EZolFehler("Lesefehler im Datenstrom.");
}

bool Passt(Int64 v) {
    return v >= std::numeric_limits<Int32>::min() && v <= std::numeric_limits<Int32>::max();
}

// The tag of a rational constant is the start of its text: digits, '-', '/' and parentheses.
bool IstRationaleKennung(const std::string& k) {
    if (k.empty()) return false;
    for (char c : k)
        if (!((c >= '0' && c <= '9') || c == '-' || c == '/' || c == '(' || c == ')')) return false;
    return true;
}

bool IstNamenskennung(const std::string& k) {
    if (k.empty()) return false;
    for (char c : k)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

bool IstStandardname(const std::string& k) {
    for (const char* n :
         {"abs", "exp", "ln", "sin", "cos", "tan", "cot", "sqrt", "arcsin", "arccos", "arctan"})
        if (k == n) return true;
    return false;
}

TBruch LiesBruch(TStrom& S) {
    TBruch b;
    b.Zaehler = S.LiesInt64();
    b.Nenner = S.LiesInt64();
    return b;
}

// A builder's term; a builder that fails is reported and gives nil. An abort passes.
template <class F> TTerm* Baue(const std::string& Kennung, F&& Bauen) {
    try {
        return Bauen();
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EBudgetErschoepft&) {
        throw;
    } catch (const std::exception&) {
        Oberflaeche().Meldung(TMeldungsart::Warnung, "TTerm mit Kennung:" + Kennung +
                                                         " konnte nicht aus einen Stream gelesen werden");
        return nullptr;
    }
}

// The radical of a 104-byte record, or nil when its coefficients are not in the record or it is no radical.
TTerm* LiesRadikal(TStrom& S) {
    const Int32 grad = S.LiesInt32();
    uint8_t paare[RadikalKoeffizientenbytes];
    S.LiesGenau(paare, sizeof paare);
    const Int64 radikand = S.LiesInt64();
    const Int32 index = S.LiesInt32();
    S.LiesInt32();
    if (grad < 0 || grad >= RadikalPaare || index < 1 || index > MaxWurzelexponent || radikand < 1)
        return nullptr;
    if (grad > 0 && grad >= index) return nullptr;
    TBruch c[RadikalPaare];
    // The pairs are little-endian 4-byte integers.
    const auto int32An = [&](size_t o) {
        return static_cast<int32_t>(uint32_t(paare[o]) | uint32_t(paare[o + 1]) << 8 |
                                    uint32_t(paare[o + 2]) << 16 | uint32_t(paare[o + 3]) << 24);
    };
    for (Int32 i = 0; i <= grad; ++i) {
        c[i] = TBruch{int32An(8 * size_t(i)), int32An(8 * size_t(i) + 4)};
        if (c[i].Nenner == 0) return nullptr;
    }
    return Baue("Rad.", [&]() -> TTerm* {
        TRadikal r;
        r.Polynom.Grad = grad;
        for (Int32 i = 0; i <= grad; ++i) {
            Brueche::Kuerze(c[i]);
            r.Polynom.Koeff[i] = RationalerKoeffizient(c[i]);
        }
        r.Radikand = radikand;
        r.Wurzelexponent = index;
        return RadikalKonstante(r);
    });
}

enum class TArt { Operator, Join, Standard, Potenz, Wurzel, AllgExp };

// A node whose children are being read.
struct TRahmen {
    TArt Art;
    std::string Kennung;
    Int32 Kinderzahl = 1;
    Int32 Gelesen = 0;
    TTerm* Kind[2] = {nullptr, nullptr};
    bool Nil = false;
    char Operator = 0;
    bool Stetig = false;
    TBruch Bruch{0, 1};
    Int32 Index = 0;
};

// Reads a node's tag record and what stands before its first child. A leaf gives true and its term in T;
// a node with children gives false and its frame in R.
bool LiesKnoten(TStrom& S, TRahmen& R, TTerm*& T) {
    uint8_t satz[8];
    S.LiesGenau(satz, sizeof satz);
    if (satz[0] > 6) Lesefehler();
    const std::string k(reinterpret_cast<const char*>(satz + 1), satz[0]);
    T = nullptr;
    if (satz[0] <= 5 && satz[6] == ReelleKonstanteMarke) return true;
    if (k == "nil") return true;
    if (IstRationaleKennung(k)) {
        const TBruch b = LiesBruch(S);
        if (b.Nenner != 0) T = Baue(k, [&] { return RationaleKonstante(b); });
        return true;
    }
    if (k == "x") {
        T = VariableX;
        return true;
    }
    if (k == "Rad.") {
        T = LiesRadikal(S);
        return true;
    }
    R.Kennung = k;
    if (k == "OpTerm") {
        R.Art = TArt::Operator;
        R.Kinderzahl = 2;
        R.Operator = static_cast<char>(S.LiesByte());
    } else if (k == "Join") {
        R.Art = TArt::Join;
        R.Kinderzahl = 2;
        R.Stetig = S.LiesByte() != 0;
    } else if (k == "Potenz") {
        R.Art = TArt::Potenz;
    } else if (k == "Wurzel") {
        R.Art = TArt::Wurzel;
    } else if (k == "A^X") {
        R.Art = TArt::AllgExp;
        R.Kinderzahl = 2;
    } else if (IstStandardname(k)) {
        R.Art = TArt::Standard;
    } else {
        if (IstNamenskennung(k)) T = Baue(k, [&] { return BenannteKonstante(k); });
        return true;
    }
    return false;
}

// Reads what follows a child of R and, after the last child, builds R's term.
bool NachKind(TStrom& S, TRahmen& R, TTerm* Kind, TTerm*& T) {
    R.Kind[R.Gelesen++] = Kind;
    if (!Kind) R.Nil = true;
    if (R.Art == TArt::AllgExp && R.Gelesen == 1) R.Bruch = LiesBruch(S);
    if (R.Gelesen < R.Kinderzahl) return false;
    if (R.Art == TArt::Potenz) R.Bruch = LiesBruch(S);
    if (R.Art == TArt::Wurzel) R.Index = S.LiesInt32();
    T = nullptr;
    if (R.Nil) return true;
    TTerm* a = R.Kind[0];
    switch (R.Art) {
    case TArt::Operator:
        if (R.Operator == '+' || R.Operator == '-' || R.Operator == '*' || R.Operator == '/')
            T = Baue(R.Kennung, [&] { return OperatorTerm(a, R.Kind[1], R.Operator); });
        break;
    case TArt::Join:
        T = Baue(R.Kennung, [&]() -> TTerm* { return Neu<TJoin>(a, R.Kind[1], VariableX, R.Stetig); });
        break;
    case TArt::Standard:
        T = Baue(R.Kennung, [&] { return StandardFunktionTerm(R.Kennung, a); });
        break;
    case TArt::Potenz:
        if (R.Bruch.Nenner != 0) T = Baue(R.Kennung, [&] { return PotenzTerm(a, R.Bruch); });
        break;
    case TArt::Wurzel:
        if (R.Index >= 1) T = Baue(R.Kennung, [&] { return WurzelTerm(a, R.Index); });
        break;
    case TArt::AllgExp:
        // The exponent written a second time is dropped.
        if (R.Bruch.Nenner != 0)
            T = Baue(R.Kennung, [&]() -> TTerm* { return Neu<TAllgemeineExponentialFunktion>(R.Bruch, a); });
        break;
    }
    return true;
}

} // namespace

std::string TermSchreibfehlerText(const std::string& Kennung) {
    return "TTerm mit Kennung:" + Kennung + " konnte nicht in einen Stream geschrieben werden";
}

void SchreibeKennungssatz(TStrom& S, const std::string& Kennung, uint8_t Funktionsarten, uint8_t Marke) {
    uint8_t satz[8] = {};
    const std::string k = Links(Kennung, 6);
    satz[0] = static_cast<uint8_t>(k.size());
    std::memcpy(satz + 1, k.data(), k.size());
    if (k.size() <= 5) satz[6] = Marke;
    satz[7] = Funktionsarten;
    S.Schreibe(satz, sizeof satz);
}

void SchreibeRadikalsatz(TStrom& S, const TRadikal& R) {
    const TPolynom& p = R.Polynom;
    uint8_t paare[RadikalKoeffizientenbytes] = {};
    bool passt = p.Grad >= 0 && p.Grad < RadikalPaare;
    TBruch c[RadikalPaare];
    for (Int32 i = 0; passt && i <= p.Grad; ++i) {
        auto* r = AlsRationaleKonstante(p.Koeff[i]);
        passt = r && Passt(r->Bruch.Zaehler) && Passt(r->Bruch.Nenner);
        if (passt) c[i] = r->Bruch;
    }
    for (Int32 i = 0; passt && i <= p.Grad; ++i)
        for (size_t j = 0; j < 4; ++j) {
            paare[8 * size_t(i) + j] = static_cast<uint8_t>(static_cast<uint32_t>(c[i].Zaehler) >> (8 * j));
            paare[8 * size_t(i) + 4 + j] =
                static_cast<uint8_t>(static_cast<uint32_t>(c[i].Nenner) >> (8 * j));
        }
    S.SchreibeInt32(p.Grad);
    S.Schreibe(paare, sizeof paare);
    S.SchreibeInt64(R.Radikand);
    S.SchreibeInt32(R.Wurzelexponent);
    S.SchreibeInt32(0);
}

void SchreibeTermInStream(TTerm* T, TStrom& S) {
    if (T) {
        T->SchreibeInStream(S);
        return;
    }
    SchreibeGeschuetzt(TermSchreibfehlerText("nil"), [&] { SchreibeKennungssatz(S, "nil", 0); });
}

TTerm* LiesTermAusStream(TStrom& S) {
    std::vector<TRahmen> stapel;
    for (;;) {
        TRahmen r;
        TTerm* T = nullptr;
        if (!LiesKnoten(S, r, T)) {
            // No term has more nodes than MaxKnotenzahl, nor a deeper nesting.
            if (stapel.size() >= size_t(MaxKnotenzahl)) Lesefehler();
            stapel.push_back(std::move(r));
            continue;
        }
        while (!stapel.empty()) {
            TTerm* fertig = nullptr;
            if (!NachKind(S, stapel.back(), T, fertig)) break;
            stapel.pop_back();
            T = fertig;
        }
        if (stapel.empty()) return T;
    }
}

} // namespace zol
