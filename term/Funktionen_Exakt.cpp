// Exact values of sin, cos, tan and cot: at rational multiples of pi from tables and the half-angle
// formulas, at constant terms through the multiple of pi they are, and at whole multiples of arcsin, arccos
// and arctan of a constant through the root they give.
#include <cmath>
#include <string>
#include <utility>

#include "algebra/NormalFormen.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
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

// a + b*R for the root R of a constant rho.
struct TMitWurzel {
    TTerm* a;
    TTerm* b;
};

// The constant T folded and, where it can be, computed as a radical constant.
TTerm* Gerechnet(TTerm* T) {
    Kumuliere(T);
    return KonstanteMoeglichstArithmetisch(T);
}

TMitWurzel Mal(const TMitWurzel& x, const TMitWurzel& y, TTerm* rho) {
    return {Gerechnet(Summe(Produkt(x.a, y.a), Produkt(Produkt(x.b, y.b), rho))),
            Gerechnet(Summe(Produkt(x.a, y.b), Produkt(x.b, y.a)))};
}

// The largest |k| for which sin, cos and tan of k*A are written out, and the largest constant w: a power of a
// long w written out grows far beyond the node it replaces.
constexpr Int64 MaxUmkehrvielfaches = 6;
constexpr Int32 MaxUmkehrargument = 12;

// cos(k*A) and sin(k*A) for the constant T = k*A, A = arcsin(w), arccos(w) or arctan(w) with a constant w
// where A has a value and a whole k, 1 <= |k| <= MaxUmkehrvielfaches; false for any other T. cos(k*A) +
// i*sin(k*A) = (cos(A) + i*sin(A))^k, and cos(A), sin(A) are a + b*R with R = sqrt(1 - w^2) (for arctan
// sqrt(1 + w^2)): cos(arcsin(w)) = sin(arccos(w)) = R, cos(arctan(w)) = R/(1 + w^2) and sin(arctan(w)) =
// w*R/(1 + w^2). R is not negative, as A lies in [-pi/2; pi/2] (arcsin, arctan) or [0; pi] (arccos).
bool VielfachesEinerUmkehrung(TTerm* T, TTerm*& Kos, TTerm*& Sin) {
    if (!T || !T->IstKonstant) return false;
    // Read off the node as it stands (A, k*A, A*k, -1*(k*A)), without folding: most arguments are none.
    TTerm* A = T;
    Int64 k = 1;
    while (auto* o = AlsOperatorTerm(A)) {
        if (o->Operator != '*') return false;
        auto* r = AlsRationaleKonstante(o->T1);
        A = o->T2;
        if (!r) r = AlsRationaleKonstante(o->T2), A = o->T1;
        if (!r || r->Bruch.Nenner != 1 || r->Bruch.Zaehler == 0 || r->Bruch.Zaehler > MaxUmkehrvielfaches ||
            r->Bruch.Zaehler < -MaxUmkehrvielfaches)
            return false;
        k *= r->Bruch.Zaehler;
        if (k > MaxUmkehrvielfaches || k < -MaxUmkehrvielfaches) return false;
    }
    auto* f = AlsStandardFunktion(A);
    if (!f || !f->Argument || !f->Argument->IstKonstant) return false;
    const std::string& n = f->Kennung;
    const bool tangens = n == "arctan";
    if (!tangens && n != "arcsin" && n != "arccos") return false;
    TTerm* w = f->Argument;
    if (w->Knotenzahl > MaxUmkehrargument) return false;
    bool d = false;
    const Extended v = w->Wert(0, d);
    if (!d || !std::isfinite(v) || (!tangens && std::fabs(v) > 1)) return false;
    try {
        // As a radical constant where it is one, so that its powers are computed.
        if (TTerm* r = RadikalKonstanteAusTerm(w)) w = r;
        TTerm* rho = Gerechnet(tangens ? Summe(Eins, Produkt(w, w)) : Differenz(Eins, Produkt(w, w)));
        TTerm* R = ZieheWurzel(rho, 2);
        Kumuliere(R);
        TMitWurzel c{Null, Eins}, s{w, Null};
        if (n == "arccos") std::swap(c, s);
        if (tangens) {
            TTerm* r = Gerechnet(Quotient(Eins, rho));
            c = {Null, r};
            s = {Null, Gerechnet(Produkt(w, r))};
        }
        TMitWurzel C = c, S = s;
        for (Int64 i = 2; i <= (k < 0 ? -k : k); ++i) {
            const TMitWurzel C2 = Mal(C, c, rho), S2 = Mal(S, c, rho), CS = Mal(C, s, rho),
                             SC = Mal(S, s, rho);
            C = {Gerechnet(Differenz(C2.a, SC.a)), Gerechnet(Differenz(C2.b, SC.b))};
            S = {Gerechnet(Summe(S2.a, CS.a)), Gerechnet(Summe(S2.b, CS.b))};
        }
        auto ausWurzel = [R](const TMitWurzel& x) {
            TTerm* r = Summe(x.a, Produkt(x.b, R));
            Kumuliere(r);
            return r;
        };
        Kos = ausWurzel(C);
        Sin = ausWurzel(S);
        if (k < 0) {
            Sin = Produkt(MinusEins, Sin);
            Kumuliere(Sin);
        }
        // Written out, the value must stay about as short as the node.
        const Int32 grenze = 2 * T->Knotenzahl + 6;
        return Kos->Knotenzahl <= grenze && Sin->Knotenzahl <= grenze;
    } catch (const ERessourcen&) {
    } catch (const ENichtExistenz&) {
    } catch (const EGradUeberschritten&) {
    }
    return false;
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
    if (TTerm* kos = nullptr, *sin = nullptr; VielfachesEinerUmkehrung(T, kos, sin)) return sin;
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
    if (TTerm* kos = nullptr, *sin = nullptr; VielfachesEinerUmkehrung(T, kos, sin)) return kos;
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
    // tan(k*A) = sin(k*A)/cos(k*A) where the cosine is surely not 0.
    if (TTerm* kos = nullptr, *sin = nullptr; VielfachesEinerUmkehrung(T, kos, sin)) {
        bool d = false;
        const Extended c = kos->Wert(0, d);
        if (d && std::fabs(c) > 1e-9L) {
            TTerm* t = Quotient(sin, kos);
            Kumuliere(t);
            return t;
        }
    }
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
