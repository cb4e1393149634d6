// Exact values of sin, cos, tan and cot: at rational multiples of pi from tables and the half-angle
// formulas, and at constant terms through the multiple of pi they are.
#include <cmath>

#include "algebra/NormalFormen.h"
#include "term/Funktionen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

using Int128 = __int128;

// The angle (k/N)*pi reduced to 0 <= k < 2N with k and N coprime. Residues and 2N are taken in 128 bits,
// so every 64-bit fraction has its angle.
struct TWinkel {
    Int128 k;
    Int128 N;
};

Int128 ggT128(Int128 a, Int128 b) {
    if (a < 0) a = -a;
    while (b != 0) {
        Int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

TWinkel Winkel(Int128 Z, Int128 N) {
    if (Z == 0) return {0, 1};
    const Int128 g = ggT128(Z, N);
    Z /= g;
    N /= g;
    Int128 k = Z % (2 * N);
    if (k < 0) k += 2 * N;
    return {k, N};
}

// The doubled angle 2*(k/N)*pi of an even N.
TWinkel Doppelt(const TWinkel& w) {
    return Winkel(w.k, w.N / 2);
}

Int32 QuadrantVon(const TWinkel& w) {
    return static_cast<Int32>(2 * w.k / w.N) + 1;
}

TTerm* Wurzel3() {
    return ZieheWurzel(Drei, 2);
}
TTerm* HalbeWurzel3() {
    return Quotient(Wurzel3(), Zwei);
}
TTerm* DrittelWurzel3() {
    return Quotient(Wurzel3(), Drei);
}
TTerm* WurzelEinHalb() {
    return ZieheWurzel(EinHalb, 2);
}
TTerm* Minus(TTerm* v) {
    return Produkt(MinusEins, v);
}

// The node name((Z/N)*pi); Z and N fit 64 bits.
TTerm* Knoten(const char* name, Int128 Z, Int128 N) {
    return StandardFunktionTerm(
        name, Produkt(Bruchkonstante(static_cast<Int64>(Z), static_cast<Int64>(N)), KonstantePi()));
}

TTerm* Kosinus(const TWinkel& w);

// The exact sine, nil where none is known.
TTerm* Sinus(const TWinkel& w) {
    const Int128 k = w.k;
    switch (static_cast<int>(w.N > 6 ? 0 : w.N)) {
    case 1:
        return Null;
    case 2:
        return k == 1 ? Eins : k == 3 ? MinusEins : Null;
    case 3:
        return k == 1 || k == 2 ? HalbeWurzel3() : k == 4 || k == 5 ? Minus(HalbeWurzel3()) : Null;
    case 4:
        if (k == 1 || k == 3) return WurzelEinHalb();
        if (k == 5 || k == 7) return Minus(WurzelEinHalb());
        return k == 2 ? Eins : k == 6 ? MinusEins : Null;
    case 6:
        if (k == 1 || k == 5) return EinHalb;
        if (k == 2 || k == 4) return HalbeWurzel3();
        if (k == 7 || k == 11) return MinusEinHalb;
        if (k == 8 || k == 10) return Minus(HalbeWurzel3());
        return k == 3 ? Eins : k == 9 ? MinusEins : Null;
    default:
        break;
    }
    if (w.N % 2 != 0) return nullptr;
    // sin = +-sqrt((1 - cos(2*angle)) / 2), negative in the third and fourth quadrant; exact only where the
    // doubled angle's cosine is.
    TTerm* c = Kosinus(Doppelt(w));
    if (!c) return nullptr;
    TTerm* t = Quotient(Differenz(Eins, c), Zwei);
    Kumuliere(t);
    t = ZieheWurzel(t, 2);
    Kumuliere(t);
    const Int32 q = QuadrantVon(w);
    return q >= 3 ? t->Negation() : t;
}

// The exact cosine, nil where none is known.
TTerm* Kosinus(const TWinkel& w) {
    const Int128 k = w.k;
    switch (static_cast<int>(w.N > 6 ? 0 : w.N)) {
    case 1:
        return k % 2 ? MinusEins : Eins;
    case 2:
        return k == 0 ? Eins : k == 2 ? MinusEins : Null;
    case 3:
        if (k == 0) return Eins;
        if (k == 3) return MinusEins;
        return k == 1 || k == 5 ? EinHalb : MinusEinHalb;
    case 4:
        if (k == 1 || k == 7) return WurzelEinHalb();
        if (k == 3 || k == 5) return Minus(WurzelEinHalb());
        return k == 0 ? Eins : k == 4 ? MinusEins : Null;
    case 6:
        if (k == 1 || k == 11) return HalbeWurzel3();
        if (k == 2 || k == 10) return EinHalb;
        if (k == 4 || k == 8) return MinusEinHalb;
        if (k == 5 || k == 7) return Minus(HalbeWurzel3());
        return k == 0 ? Eins : k == 6 ? MinusEins : Null;
    default:
        break;
    }
    if (w.N % 2 != 0) return nullptr;
    // cos = +-sqrt((1 + cos(2*angle)) / 2), negative in the second and third quadrant.
    TTerm* c = Kosinus(Doppelt(w));
    if (!c) return nullptr;
    TTerm* t = Quotient(Summe(Eins, c), Zwei);
    Kumuliere(t);
    t = ZieheWurzel(t, 2);
    Kumuliere(t);
    const Int32 q = QuadrantVon(w);
    return q == 2 || q == 3 ? t->Negation() : t;
}

// The exact tangent; nil where none is known or, with Definiert false, at a pole.
TTerm* Tangens(const TWinkel& w, bool& Definiert) {
    const Int128 k = w.k % w.N; // tan has the period pi
    switch (static_cast<int>(w.N > 6 ? 0 : w.N)) {
    case 1:
        return Null;
    case 2:
        Definiert = false;
        return nullptr;
    case 3:
        return k == 1 ? Wurzel3() : k == 2 ? Wurzel3()->Negation() : Null;
    case 4:
        if (k == 2) Definiert = false;
        return k == 1 ? Eins : k == 3 ? MinusEins : k == 0 ? Null : nullptr;
    case 6:
        if (k == 3) Definiert = false;
        if (k == 1) return DrittelWurzel3();
        if (k == 2) return Wurzel3();
        if (k == 4) return Wurzel3()->Negation();
        if (k == 5) return DrittelWurzel3()->Negation();
        return k == 0 ? Null : nullptr;
    default:
        break;
    }
    if (w.N % 2 != 0) return nullptr;
    // tan = (1 - cos(2*angle)) / sin(2*angle).
    const TWinkel d = Doppelt(w);
    TTerm* c = Kosinus(d);
    TTerm* s = Sinus(d);
    if (!c || !s) return nullptr;
    if (s->IstNull()) {
        Definiert = false;
        return nullptr;
    }
    TTerm* t = Quotient(Differenz(Eins, c), s);
    Kumuliere(t);
    return t;
}

TTerm* Berechne(TTerm* (*Tabelle)(const TWinkel&), const TBruch& r, const char* name) {
    TBruch q = r;
    Brueche::Kuerze(q);
    try {
        if (TTerm* t = Tabelle(Winkel(q.Zaehler, q.Nenner))) return t;
    } catch (const ERessourcen&) {
        // An overflow on the way: no exact value.
    } catch (const ENichtExistenz&) {
    }
    return Knoten(name, q.Zaehler, q.Nenner);
}

// The constant T as c + r*pi, through its polynomial form in pi, with a rational r; false when T is none.
// c is nil when it is 0.
bool PiVielfaches(TTerm* T, TTerm*& c, TBruch& r) {
    TTerm* Tx = T->Ersetze(KonstantePi(), VariableX);
    if (!Tx) return false;
    try {
        bool neu = false;
        TPolynomTerm* F = TPolynomTermCreateT(Tx, neu);
        if (!F || F->P.Grad != 1) return false;
        auto* a = AlsRationaleKonstante(F->P.Koeff[1]);
        if (!a) return false;
        c = F->P.Koeff[0]->IstNull() ? nullptr : F->P.Koeff[0];
        r = a->Bruch;
        return true;
    } catch (const EGradUeberschritten&) {
    } catch (const ERessourcen&) {
    } catch (const ENichtExistenz&) {
    }
    return false;
}

// f(T) for the constant T = c + r*pi: f(nil, r) gives the exact value at r*pi for c = 0; for a whole r,
// f(c, r) gives it through f at c (tan and cot have the period pi, sin and cos change their sign with pi).
// nil when T is neither.
template <class Fn> TTerm* UeberPi(TTerm* T, Fn f) {
    TTerm* c = nullptr;
    TBruch r;
    if (!T->IstKonstant || !PiVielfaches(T, c, r)) return nullptr;
    if (c && r.Nenner != 1) return nullptr;
    return f(c, r);
}

} // namespace

TTerm* ArgumentDerUmkehrung(TTerm* T, const char* Umkehrung, Extended Unten, Extended Oben) {
    if (!IstStandardFunktion(T, Umkehrung)) return nullptr;
    TTerm* w = static_cast<TFunktion*>(T)->Argument;
    if (w && w->IstKonstant) {
        bool d = false;
        const Extended v = w->Wert(0, d);
        if (!d || v < Unten || v > Oben) return nullptr;
    }
    return w;
}

Int32 Quadrant(const TBruch& r) {
    TBruch q = r;
    Brueche::Kuerze(q);
    return QuadrantVon(Winkel(q.Zaehler, q.Nenner));
}

TTerm* SinusVonPiVielfachem(const TBruch& r) {
    return Berechne(Sinus, r, "sin");
}

TTerm* KosinusVonPiVielfachem(const TBruch& r) {
    return Berechne(Kosinus, r, "cos");
}

TTerm* TangensVonPiVielfachem(const TBruch& r, bool& Definiert) {
    Definiert = true;
    TBruch q = r;
    Brueche::Kuerze(q);
    try {
        if (TTerm* t = Tangens(Winkel(q.Zaehler, q.Nenner), Definiert)) return t;
    } catch (const ERessourcen&) {
        Definiert = true;
    } catch (const ENichtExistenz&) {
        Definiert = true;
    }
    return Definiert ? Knoten("tan", q.Zaehler, q.Nenner) : nullptr;
}

TTerm* KotangensVonPiVielfachem(const TBruch& r, bool& Definiert) {
    Definiert = true;
    TBruch q = r;
    Brueche::Kuerze(q);
    // cot(r*pi) = -tan((r + 1/2)*pi), with r + 1/2 = (2Z + N) / (2N) taken in 128 bits.
    try {
        if (TTerm* t = Tangens(Winkel(Int128(2) * q.Zaehler + q.Nenner, Int128(2) * q.Nenner), Definiert))
            return t->Negation();
    } catch (const ERessourcen&) {
        Definiert = true;
    } catch (const ENichtExistenz&) {
        Definiert = true;
    }
    return Definiert ? Knoten("cot", q.Zaehler, q.Nenner) : nullptr;
}

TTerm* ExakterSinus(TTerm* T) {
    if (!T) return nullptr;
    if (T->IstNull() || T->IstGleich(KonstantePi())) return Null;
    TTerm* wert = UeberPi(T, [](TTerm* c, const TBruch& r) -> TTerm* {
        if (!c) return SinusVonPiVielfachem(r);
        TTerm* s = ExakterSinus(c);
        return r.Zaehler % 2 ? s->Negation() : s;
    });
    if (wert) return wert;
    if (TTerm* w = ArgumentDerUmkehrung(T, "arcsin", -1, 1)) return w;
    return StandardFunktionTerm("sin", T);
}

TTerm* ExakterKosinus(TTerm* T) {
    if (!T) return nullptr;
    if (T->IstNull()) return Eins;
    if (T->IstGleich(KonstantePi())) return MinusEins;
    TTerm* wert = UeberPi(T, [](TTerm* c, const TBruch& r) -> TTerm* {
        if (!c) return KosinusVonPiVielfachem(r);
        TTerm* k = ExakterKosinus(c);
        return r.Zaehler % 2 ? k->Negation() : k;
    });
    if (wert) return wert;
    if (TTerm* w = ArgumentDerUmkehrung(T, "arccos", -1, 1)) return w;
    return StandardFunktionTerm("cos", T);
}

TTerm* ExakterTangens(TTerm* T, bool& Definiert) {
    Definiert = true;
    if (!T) return nullptr;
    if (T->IstNull() || T->IstGleich(KonstantePi())) return Null;
    bool erreicht = false;
    TTerm* wert = UeberPi(T, [&](TTerm* c, const TBruch& r) -> TTerm* {
        erreicht = true;
        return c ? ExakterTangens(c, Definiert) : TangensVonPiVielfachem(r, Definiert);
    });
    if (erreicht) return wert;
    if (TTerm* w = ArgumentDerUmkehrung(T, "arctan", -INFINITY, INFINITY)) return w;
    return StandardFunktionTerm("tan", T);
}

TTerm* ExakterKotangens(TTerm* T, bool& Definiert) {
    Definiert = true;
    if (!T) return nullptr;
    if (T->IstNull()) {
        Definiert = false;
        return nullptr;
    }
    bool erreicht = false;
    TTerm* wert = UeberPi(T, [&](TTerm* c, const TBruch& r) -> TTerm* {
        erreicht = true;
        return c ? ExakterKotangens(c, Definiert) : KotangensVonPiVielfachem(r, Definiert);
    });
    if (erreicht) return wert;
    if (TTerm* w = ArgumentDerUmkehrung(T, "arccot", -INFINITY, INFINITY)) return w;
    return StandardFunktionTerm("cot", T);
}

} // namespace zol
