// The integration of a term: the constant-multiple, sum and difference rules, the term's own integral and
// those of its normal form in rising stages, and the search (steps/Integral_Suche.cpp) where they fail.
#include "steps/Integral.h"

#include <cmath>
#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/Protokollblock.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "steps/Allgemeines.h"
#include "term/Fehler.h"
#include "term/Punktlisten.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"

namespace zol {

namespace {

bool IstRational(TNormalform* N) {
    return N && (N->Kennung == KennungRF || N->Kennung == KennungRNF);
}

// A divisor of the multiple rule: a constant with a value other than 0.
bool IstTeiler(TTerm* T) {
    bool definiert = false;
    const Extended w = T->Wert(0, definiert);
    return definiert && std::isfinite(w) && w != 0;
}

// An integral from a to b that still depends on x is the antiderivative: its value between the bounds.
TTerm* AlsWert(TTerm* r, TTerm* a, TTerm* b) {
    if (!r || !a || r->IstKonstant) return r;
    return IntegralAuswerten(r, a, b, VariableX);
}

// The term's own integral; a polynomial in its cached form, headed by the integral when the step has no
// result yet.
TTerm* EigenesIntegral(TTerm* T, TTerm* a, TTerm* b) {
    if (T->Normalform && T->Normalform->Kennung == KennungPT) {
        if (!Integralergebnis && Kommentare) {
            SchreibeIntegralzeichen(a, b);
            SchreibeTerm(T);
            Schreibe("d" + VariablenText() + " = ");
        }
        return T->Normalform->Integral(a, b, 1);
    }
    return T->Integral(a, b);
}

// The multiple, sum and difference rules for an operator term; Regel tells whether one applied (its result,
// nil too, is then final).
TTerm* Regeln(TOperatorTerm* o, TTerm* a, TTerm* b, bool& Regel) {
    const char op = o->Operator;
    Regel = true;
    if (op == '*' && o->T1->IstKonstant) {
        if (Kommentare) SchreibeZeile("Vielfachen-Regel benutzen:");
        TTerm* I = IntegralVon(o->T2, a, b);
        return I && !BenutzerAbbruch ? Produkt(o->T1, I) : nullptr;
    }
    if ((op == '*' || op == '/') && o->T2->IstKonstant) {
        if (Kommentare) SchreibeZeile("Vielfachen-Regel benutzen:");
        TTerm* I = IntegralVon(o->T1, a, b);
        if (!I || BenutzerAbbruch) return nullptr;
        return op == '*' ? Produkt(o->T2, I) : Quotient(I, o->T2);
    }
    if (op == '+' || op == '-') {
        if (Kommentare) SchreibeZeile(op == '+' ? "Summen-Regel benutzen:" : "Differenzen-Regel benutzen:");
        TTerm* I1 = IntegralVon(o->T1, a, b);
        if (!I1 || BenutzerAbbruch) return nullptr;
        TTerm* I2 = IntegralVon(o->T2, a, b);
        if (!I2 || BenutzerAbbruch) return nullptr;
        return op == '+' ? Summe(I1, I2) : Differenz(I1, I2);
    }
    Regel = false;
    return nullptr;
}

// The stages 2 to 5 by the kind of T's normal form: its integral and the search.
TTerm* Stufen(TTerm* T, TTerm* a, TTerm* b) {
    if (!T->Normalform) T->HoleNormalform();
    TNormalform* N = T->Normalform;
    TTerm* r = nullptr;
    if (N && N->Kennung != "nil") r = N->Integral(a, b, 2);
    if (!r && !BenutzerAbbruch && !IstRational(T->Normalform)) r = SFPartSub(T, a, b, 2);
    if (!r && !BenutzerAbbruch && IstRational(N = T->Normalform)) r = N->Integral(a, b, 3);
    if (!r && !BenutzerAbbruch && !IstRational(T->Normalform)) r = SFPartSub(T, a, b, 4);
    N = T->Normalform;
    if (!r && !BenutzerAbbruch && N && N->Kennung == KennungTNF) r = N->Integral(a, b, 5);
    return BenutzerAbbruch ? nullptr : r;
}

} // namespace

TTerm* IntegralVon(TTerm* T, TTerm* a, TTerm* b) {
    if (!T) return nullptr;
    if (!a || !b) a = b = nullptr;
    // Between bounds that depend on x there is no value.
    if (a && (!a->IstKonstant || !b->IstKonstant)) return nullptr;
    TProtokoll protokoll(ProtokollIntegral, "IntegralVon:", T);
    TTerm* r = nullptr;
    // A quotient by a constant 0 or one without a value has no values to integrate.
    auto* o = AlsOperatorTerm(T);
    const bool ohneWerte = o && o->Operator == '/' && o->T2->IstKonstant && !IstTeiler(o->T2);
    if (!BenutzerAbbruch && !ohneWerte) {
        r = EigenesIntegral(T, a, b);
        bool Regel = false;
        if (!r && !BenutzerAbbruch) {
            if (o) r = Regeln(o, a, b, Regel);
            if (!Regel && !BenutzerAbbruch) r = Stufen(T, a, b);
        }
    }
    if (BenutzerAbbruch) r = nullptr;
    if (r) {
        VereinfacheTerm(r);
        r = AlsWert(r, a, b);
    }
    protokoll.Ende("IntegralVon=", r);
    return r;
}

TTerm* GetIntegralLokal(TTerm* T, TTerm* a, TTerm* b, Int32 Stufe) {
    if (!T) return nullptr;
    if (!a || !b) a = b = nullptr;
    TProtokoll protokoll(ProtokollIntegral, "GetIntegralLokal,Stufe=" + std::to_string(Stufe) + ":", T);
    TTerm* r = nullptr;
    // A definite integral only where the integrand is defined between the bounds.
    if (!BenutzerAbbruch && (!a || DefiniertZwischen(T, a, b))) {
        r = T->Integral(a, b);
        if (!r && Stufe != 1 && !BenutzerAbbruch) {
            // A form that a term caches is the one its builder gives; only a missing or empty one is built.
            if (!T->Normalform || T->Normalform->Kennung == "nil") {
                T->Freigeben();
                T->HoleNormalform();
            }
            if (T->Normalform) r = T->Normalform->Integral(a, b, Stufe);
        }
        r = BenutzerAbbruch ? nullptr : AlsWert(r, a, b);
    }
    protokoll.Ende("GetIntegralLokal=", r);
    return r;
}

} // namespace zol
