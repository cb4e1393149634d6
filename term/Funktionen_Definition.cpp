// Definition range and definedness of the standard functions.
#include <cmath>
#include <numbers>

#include "output/Ausgabe.h"
#include "steps/Gleichungen.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

bool Einer(const std::string& n, std::initializer_list<const char*> namen) {
    for (const char* name : namen)
        if (n == name) return true;
    return false;
}

// The least and the greatest odd integer in [q1; q2] (q1 <= q2); a pole of tan at an open end, within the
// rounding of the pole test, does not count.
bool EnthaeltUngeradeZahl(Extended q1, bool offen1, Extended q2, bool offen2) {
    auto ungerade = [](Extended n) { return std::fmod(n, 2) != 0; };
    Extended n = 0, erste = 0, letzte = 0;
    if (LiegtAufGanzzahl(q1, n) && ungerade(n)) {
        erste = offen1 ? n + 2 : n;
    } else {
        erste = std::ceil(q1);
        if (!ungerade(erste)) erste += 1;
    }
    if (LiegtAufGanzzahl(q2, n) && ungerade(n)) {
        letzte = offen2 ? n - 2 : n;
    } else {
        letzte = std::floor(q2);
        if (!ungerade(letzte)) letzte -= 1;
    }
    return erste <= letzte;
}

// tan(u) on I for a linear u and a bounded I: falsch when u takes an odd multiple of pi/2 on I.
TWahrheitswert TangensAufIntervall(TTerm* u, TIntervall* I) {
    bool d1 = false, d2 = false, d3 = false, d4 = false;
    const Extended a = I->LinkerRand.Wert->Wert(0, d1), b = I->RechterRand.Wert->Wert(0, d2);
    if (!d1 || !d2) return unklar;
    Extended q1 = 2 * u->Wert(a, d3) / Pi, q2 = 2 * u->Wert(b, d4) / Pi;
    if (!d3 || !d4 || !std::isfinite(q1) || !std::isfinite(q2)) return unklar;
    bool offen1 = I->LinkerRand.Offen, offen2 = I->RechterRand.Offen;
    if (q1 > q2) {
        std::swap(q1, q2);
        std::swap(offen1, offen2);
    }
    return EnthaeltUngeradeZahl(q1, offen1, q2, offen2) ? falsch : wahr;
}

} // namespace

void TStandardFunktion::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    SchreibeZeile("TStandardFunktion.BestimmeDefinitionsbereich noch nicht implementiert.");
    const std::string& n = Kennung;
    // The outer range, and the interval whose preimage under the argument is taken.
    TMenge* aussen = LeereMenge;
    TMenge* ziel = nullptr;
    // Only the principal interval of tan and nothing of cot is known: their ranges stay undetermined.
    uint8_t aussenStatus = wahr;
    if (Einer(n, {"sin", "cos", "exp", "arctan", "abs"})) {
        aussen = MengeR;
    } else if (n == "tan") {
        TTerm* halbPi = Quotient(KonstantePi(), Zwei);
        aussen = ziel = Neu<TIntervall>(TRand{halbPi->Negation(), true}, TRand{halbPi, true});
        aussenStatus = unklar;
    } else if (n == "arcsin" || n == "arccos") {
        aussen = ziel = Neu<TIntervall>(TRand{MinusEins, false}, TRand{Eins, false});
    } else if (n == "ln") {
        aussen = ziel = IntervallPositiv;
    } else if (n == "sqrt") {
        aussen = NichtNegativeMenge;
        ziel = IntervallNichtNegativ;
    } else {
        aussenStatus = unklar;
    }
    Status = aussenStatus;
    if (IstVariable(Argument)) {
        Menge = aussen;
        return;
    }
    bool definiert = false;
    if (Argument->IstKonstant && (Argument->Wert(0, definiert), definiert)) {
        // A constant function is defined everywhere or nowhere.
        Wert(0, definiert);
        Menge = definiert ? static_cast<TMenge*>(MengeR) : LeereMenge;
        Status = wahr;
        return;
    }
    TMenge* D = nullptr;
    uint8_t argumentStatus = unklar;
    MengeDefinitionsbereich(Argument, D, argumentStatus, Kommentar);
    if (aussen == MengeR) {
        // The preimage of R is the argument's own range.
        Menge = D;
        Status = argumentStatus;
        return;
    }
    TWahrheitswert urbildStatus = unklar;
    TMenge* urbild = ziel ? Urbild(Argument, ziel, D, Kommentar, urbildStatus) : LeereMenge;
    Menge = MengenOperation(D, urbild, 'n');
    Status = WahrWennBeide(WahrWennBeide(argumentStatus, urbildStatus), aussenStatus);
}

TWahrheitswert TStandardFunktion::IstDefiniertAuf(TMenge* M) {
    if (Argument->IstKonstant) {
        // A constant is defined on every set or on none; an argument without a value (a parameter) is not
        // decided.
        bool definiert = false;
        Argument->Wert(0, definiert);
        if (!definiert) return unklar;
        Wert(0, definiert);
        return definiert ? wahr : falsch;
    }
    TTTerm* u = AlsTTTerm(Argument);
    if (!u) return unklar;
    const TWahrheitswert r = u->IstDefiniertAuf(M);
    if (r != wahr) return r;
    const std::string& n = Kennung;
    if (Einer(n, {"abs", "sin", "cos", "exp", "arctan"})) return wahr;

    // A set that is not an interval is judged by its hull: defined there means defined on the set.
    auto* I = dynamic_cast<TIntervall*>(M);
    const bool exakt = I || (dynamic_cast<TStandardMenge*>(M) && M->Kennung == "R");
    if (!I) I = HuelleVon(M);
    if (!I || IstLeeresIntervall(I)) return wahr;
    TTerm *a1 = nullptr, *a0 = nullptr;
    const bool linear = IstLinear(Argument, a1, a0);
    const bool beschraenkt = I->LinkerRand.Wert && I->RechterRand.Wert;
    TWahrheitswert ergebnis = unklar;
    if (linear && !beschraenkt && Einer(n, {"tan", "arcsin", "arccos"})) {
        ergebnis = falsch;
    } else if (n == "tan") {
        ergebnis = linear ? TangensAufIntervall(Argument, I) : unklar;
    } else if (n == "sqrt" || n == "ln") {
        TWahrheitswert ungleichNull = unklar, nichtNegativ = unklar;
        UntersucheVorzeichen(Argument, I, ungleichNull, nichtNegativ);
        if (n == "sqrt")
            ergebnis = nichtNegativ;
        else if (ungleichNull == wahr && nichtNegativ == wahr)
            ergebnis = wahr;
        else if (ungleichNull == falsch || nichtNegativ == falsch)
            ergebnis = falsch;
    } else if (n == "arcsin" || n == "arccos") {
        TWahrheitswert u1 = unklar, n1 = unklar, u2 = unklar, n2 = unklar;
        UntersucheVorzeichen(Differenz(Eins, Argument), I, u1, n1);
        UntersucheVorzeichen(Summe(Eins, Argument), I, u2, n2);
        if (n1 == unklar || n2 == unklar)
            ergebnis = unklar;
        else
            ergebnis = n1 == wahr && n2 == wahr ? wahr : falsch;
    }
    return exakt || ergebnis == wahr ? ergebnis : unklar;
}

} // namespace zol
